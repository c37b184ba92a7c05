// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the astronomy-engine rows of the calendar tests' instant tables: Delta T
// at both ends of each of Espenak and Meeus's polynomials, and a new moon (the
// Moon's apparent longitude reaching the Sun's, as TT Julian Day) every 23
// years of the almanac's range.
//
//   npm install --prefix /tmp/ae astronomy-engine && cp tools/koyomi_instants.mjs /tmp/ae/
//   node /tmp/ae/koyomi_instants.mjs

import * as Astronomy from 'astronomy-engine';

// astronomy-engine's polynomials take the year from 2000-01-15 in tropical years.
for (const year of [1805, 1859.5, 1860, 1899.5, 1900, 1919.5, 1920, 1940.5, 1941, 1960.5, 1961, 1985.5, 1986,
    2004.5, 2005, 2049.5, 2050, 2149.5, 2150, 2200, 2250])
    console.log(`{ ${year}, ${Astronomy.DeltaT_EspenakMeeus(14 + (year - 2000) * 365.24217).toFixed(4)} },`);

const elongation = (t) => {
    const d = Astronomy.EclipticGeoMoon(t).lon - Astronomy.SunPosition(t).elon;
    return ((d % 360) + 540) % 360 - 180;
};
for (let year = 1873; year <= 2200; year += 23) {
    const rough = Astronomy.SearchMoonPhase(0, Astronomy.MakeTime(new Date(Date.UTC(year, year % 12, 1))), 40);
    const t = Astronomy.Search(elongation, rough.AddDays(-0.2), rough.AddDays(0.2), { dt_tolerance_seconds: 0.01 });
    console.log(`${(t.tt + 2451545).toFixed(5)},`);
}
