// SPDX-License-Identifier: GPL-3.0-or-later
// Checks lumo-koyomi against an independent ephemeris: recomputes the almanac
// with the astronomy-engine package (not a Lumo dependency) and lists every day
// on which the two disagree, with the events near that day and how far each
// lies from midnight in Japan time.
//
//   npm install astronomy-engine        (in this folder or any parent)
//   build/lumo-koyomi 1900 2100 > koyomi.txt
//   node tools/check_koyomi.mjs koyomi.txt
//
// Exit status: 0 when every disagreement has an event within MINUTES (default
// 2) of midnight, 1 otherwise.
//
//   node tools/check_koyomi.mjs --reference koyomi.txt > koyomi_reference.txt
//
// writes instead the reference the calendar tests compare the almanac with:
// the first days of the lunar months and the days of the solar terms and
// seasonal days of every year, and the days on which the two disagree because
// of an event within MINUTES (here default 1) of midnight. Any other
// disagreement is reported on stderr and fails.

import { readFileSync } from 'node:fs';
import * as Astronomy from 'astronomy-engine';

const DAY = 86400000;
const JST = 9 * 3600000;
const reference = process.argv[2] === '--reference';
const MINUTES = Number(process.env.MINUTES ?? (reference ? 1 : 2));

const ROKUYO = ['大安', '赤口', '先勝', '友引', '先負', '仏滅'];
// By the Sun's longitude / 15, from 春分 at 0 degrees.
const SEKKI = ['春分', '清明', '穀雨', '立夏', '小満', '芒種', '夏至', '小暑', '大暑', '立秋', '処暑', '白露',
    '秋分', '寒露', '霜降', '立冬', '小雪', '大雪', '冬至', '小寒', '大寒', '立春', '雨水', '啓蟄'];

const jstDay = (ms) => Math.floor((ms + JST) / DAY);
const utcDay = (y, m, d) => Date.UTC(y, m - 1, d) / DAY;
const iso = (day) => new Date(day * DAY).toISOString().slice(0, 10);

const events = []; // { ms, what } of every instant computed, for the report

// The instant near the given year at which the Sun reaches degrees, searched
// from the mean Sun's date.
const sunCache = new Map();
function sunAt(year, degrees) {
    const key = `${year}/${degrees}`;
    if (!sunCache.has(key)) {
        const jan1 = Date.UTC(year, 0, 1);
        const meanAtJan1 = 280.46646 + 0.98564736 * ((jan1 - Date.UTC(2000, 0, 1, 12)) / DAY);
        const guess = jan1 + ((((degrees - meanAtJan1) % 360) + 360) % 360) / 0.98564736 * DAY;
        const t = Astronomy.SearchSunLongitude(degrees, Astronomy.MakeTime(new Date(guess - 10 * DAY)), 20);
        sunCache.set(key, t.date.getTime());
        events.push({ ms: t.date.getTime(), what: `Sun ${degrees}°` });
    }
    return sunCache.get(key);
}
const termDay = (year, index) => jstDay(sunAt(year, index * 15));

// The new moon near `near`: the Moon's apparent longitude reaching the Sun's.
// SearchMoonPhase compares longitudes without aberration, which puts new moons
// about 40 s later than the almanac's definition.
const elongation = (t) => {
    const d = Astronomy.EclipticGeoMoon(t).lon - Astronomy.SunPosition(t).elon;
    return ((d % 360) + 540) % 360 - 180;
};
function apparentNewMoon(near) {
    return Astronomy.Search(elongation, near.AddDays(-0.1), near.AddDays(0.1), { dt_tolerance_seconds: 0.1 });
}

// New moon JST days from about a month before `fromDay`, ascending.
const moonCache = new Map();
function newMoonDays(fromDay, toDay) {
    const days = [];
    let t = Astronomy.MakeTime(new Date((fromDay - 40) * DAY));
    for (;;) {
        const rough = Astronomy.SearchMoonPhase(0, t, 40);
        const key = Math.round(rough.ut);
        if (!moonCache.has(key)) {
            moonCache.set(key, apparentNewMoon(rough));
            events.push({ ms: moonCache.get(key).date.getTime(), what: 'new moon' });
        }
        const nm = moonCache.get(key);
        const day = jstDay(nm.date.getTime());
        days.push(day);
        if (day > toDay)
            return days;
        t = rough.AddDays(20);
    }
}

// Lunar dates of the year from the month holding 冬至 of sui - 1 to the month
// holding 冬至 of sui: Map day -> [month, day, leap].
function sui(year, out) {
    const before = termDay(year - 1, 18);
    const solstice = termDay(year, 18);
    const all = newMoonDays(before, solstice);
    const starts = all.filter((d, i) => d <= solstice && (d > before || all[i + 1] > before));
    const months = starts.length - 1;
    const principal = Array.from({ length: 12 }, (_, i) => termDay(year, i * 2));
    let leap = 0;
    if (months === 13) {
        for (let i = 1; i < months && !leap; ++i)
            if (!principal.some((d) => d >= starts[i] && d < starts[i + 1]))
                leap = i;
    }
    let number = 11;
    for (let i = 0; i < months; ++i) {
        if (i > 0 && i !== leap)
            number = number % 12 + 1;
        for (let d = starts[i]; d < starts[i + 1]; ++d)
            out.set(d, [number, d - starts[i] + 1, i === leap && leap !== 0 ? 1 : 0]);
    }
}

// The days of the year's solar terms (by SEKKI index), then of its seasonal
// days in the order they are listed on a day: [[day, name]...].
function namedDays(year) {
    const terms = SEKKI.map((name, i) => [termDay(year, i), name]);
    const risshun = termDay(year, 21);
    const extra = [
        [risshun - 1, '節分'], [termDay(year, 0) - 3, '彼岸入り'], [termDay(year, 12) - 3, '彼岸入り'],
        [termDay(year, 0) + 3, '彼岸明け'], [termDay(year, 12) + 3, '彼岸明け'], [risshun + 87, '八十八夜'],
        [jstDay(sunAt(year, 80)), '入梅'], [jstDay(sunAt(year, 100)), '半夏生'],
        ...[297, 27, 117, 207].map((d) => [jstDay(sunAt(year, d)), '土用入り']),
        [risshun + 209, '二百十日'], [risshun + 219, '二百二十日'],
    ];
    const order = ['節分', '彼岸入り', '彼岸明け', '八十八夜', '入梅', '半夏生', '土用入り', '二百十日', '二百二十日'];
    extra.sort((a, b) => order.indexOf(a[1]) - order.indexOf(b[1]));
    return [...terms, ...extra];
}

function names(year) {
    const m = new Map();
    for (const [day, name] of namedDays(year))
        m.set(day, [...(m.get(day) ?? []), name]);
    return m;
}

// The almanac of every day of year: Map day -> [month, date, leap, names].
function almanac(year) {
    const lunar = new Map();
    sui(year, lunar);
    sui(year + 1, lunar);
    const dayNames = names(year);
    const out = new Map();
    for (let day = utcDay(year, 1, 1); day < utcDay(year + 1, 1, 1); ++day)
        out.set(day, [...lunar.get(day), (dayNames.get(day) ?? []).join(',')]);
    return out;
}

const ours = new Map();
for (const line of readFileSync(process.argv[reference ? 3 : 2] ?? '/dev/stdin', 'utf8').split('\n')) {
    if (line)
        ours.set(line.slice(0, 10), line);
}
const years = [...ours.keys()].map((k) => Number(k.slice(0, 4)));
const first = Math.min(...years);
const last = Math.max(...years);

let compared = 0;
const disagreements = [];
for (let year = first; year <= last; ++year) {
    for (const [day, [month, date, leap, dayNames]] of almanac(year)) {
        const theirs = [iso(day), month, date, leap, ROKUYO[(month + date) % 6], dayNames].join('\t');
        const mine = ours.get(iso(day));
        ++compared;
        if (mine !== theirs)
            disagreements.push({ day, mine, theirs });
    }
}

// The events that could move a disagreeing day, each within 30 minutes of a
// JST midnight: those around the first day of its run of disagreeing days (a
// new moon moving a whole month) and those the seasonal days count from.
function nearMidnight(day, runStart) {
    const days = new Set([runStart - 1, runStart, runStart + 1, day - 1, day, day + 1]);
    for (const offset of [1, 3, -3, -87, -209, -219])
        days.add(day + offset);
    const seen = new Set();
    return events
        .filter((e) => {
            const local = e.ms + JST;
            const near = Math.round(local / DAY);
            const key = `${e.what}/${Math.round(e.ms / 1000)}`;
            if (seen.has(key) || !(days.has(near) || days.has(near - 1)))
                return false;
            seen.add(key);
            return Math.abs(local - near * DAY) < 30 * 60000;
        })
        .map((e) => ({ ...e, offset: (e.ms + JST - Math.round((e.ms + JST) / DAY) * DAY) / 60000 }))
        .sort((a, b) => Math.abs(a.offset) - Math.abs(b.offset));
}

const log = reference ? console.error : console.log;
const skip = [];
let unexplained = 0;
let runStart = null;
let previous = null;
for (const { day, mine, theirs } of disagreements) {
    if (previous === null || day !== previous + 1)
        runStart = day;
    previous = day;
    const near = nearMidnight(day, runStart);
    const explained = near.length > 0 && Math.abs(near[0].offset) <= MINUTES;
    if (!explained)
        ++unexplained;
    else
        skip.push(day);
    log(`${explained ? 'midnight' : 'DIFFERS '}  lumo: ${mine}`);
    log(`          lib:  ${theirs}`);
    for (const e of near) {
        const at = new Date(e.ms + JST).toISOString().slice(0, 19).replace('T', ' ');
        log(`          ${e.what} at ${at} JST (${(e.offset * 60).toFixed(0)} s from midnight)`);
    }
}
if (reference && unexplained === 0) {
    const lines = [
        `# Every new-moon day and every solar-term and seasonal day (JST) of ${first}-${last}, computed by the`,
        '# astronomy-engine package (apparent longitudes; no dependency of Lumo), for the almanac test.',
        '# Regenerate with (in any scratch folder, here /tmp/ae):',
        '#   npm install --prefix /tmp/ae astronomy-engine && cp tools/check_koyomi.mjs /tmp/ae/',
        `#   build/lumo-koyomi ${first} ${last} > /tmp/ae/koyomi.txt`,
        '#   node /tmp/ae/check_koyomi.mjs --reference /tmp/ae/koyomi.txt > tests/data/koyomi_reference.txt',
        '# Days are numbered from 1 January of the line\'s year = 1.',
        '# M year day.month...: the first day and number of each lunar month, from the one holding',
        '#   1 January; ".L" after the number marks a leap month.',
        '# N year days...: the 24 solar terms from 春分 (the Sun at 0 degrees) to 啓蟄, then',
        '#   節分, 彼岸入り (spring, autumn), 彼岸明け (spring, autumn), 八十八夜, 入梅, 半夏生,',
        '#   土用入り (winter, spring, summer, autumn), 二百十日, 二百二十日.',
        `# S date...: days not compared, where an event within ${MINUTES} min of midnight puts Lumo a day`,
        '#   off the ephemeris.',
    ];
    for (let year = first; year <= last; ++year) {
        const jan1 = utcDay(year, 1, 1);
        const starts = [];
        for (const [day, [month, date, leap]] of almanac(year))
            if (date === 1 || day === jan1)
                starts.push(`${day - date + 1 - jan1 + 1}.${month}${leap ? '.L' : ''}`);
        lines.push(`M ${year} ${starts.join(' ')}`);
        lines.push(`N ${year} ${namedDays(year).map(([day]) => day - jan1 + 1).join(' ')}`);
    }
    lines.push(`S ${skip.map(iso).join(' ')}`);
    console.log(lines.join('\n'));
}
log(`${compared} days ${first}-${last}, ${compared - disagreements.length} agree, ` +
    `${disagreements.length} differ, ${unexplained} without an event within ${MINUTES} min of midnight`);
process.exit(unexplained === 0 ? 0 : 1);
