// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/koyomi.h"

#include "calendar/astronomy.h"
#include "calendar/calendar.h"
#include "calendar/koyomi_names.h"

#include <cassert>
#include <cstddef>
#include <initializer_list>

namespace calendar
{

namespace
{

    // Sun longitudes / 15 of the terms the almanac looks up by name.
    constexpr int shunbun = 0;
    constexpr int shubun = 12;
    constexpr int toji = 18;
    constexpr int risshun = 21;

    // The seasonal days, in the order they are listed on a day; bit i of
    // Packed::seasonal marks seasonal[i].
    constexpr const char *seasonal[] = {
        koyomi_names::setsubun,
        koyomi_names::higanIri,
        koyomi_names::higanAke,
        koyomi_names::hachijuHachiya,
        koyomi_names::nyubai,
        koyomi_names::hangesho,
        koyomi_names::doyoIri,
        koyomi_names::nihyakuToka,
        koyomi_names::nihyakuHatsuka,
    };
    enum Seasonal {
        Setsubun,
        HiganIri,
        HiganAke,
        HachijuHachiya,
        Nyubai,
        Hangesho,
        DoyoIri,
        NihyakuToka,
        NihyakuHatsuka
    };

    // The years whose terms are kept: one before and one after the range.
    constexpr int firstTermYear = koyomiFirstYear - 1;
    constexpr int termYears = koyomiLastYear - koyomiFirstYear + 3;

    long dayOfSun(int year, double degrees)
    {
        return astronomy::jstDay(astronomy::solarLongitudeInstant(year, degrees));
    }

} // namespace

long Koyomi::term(int year, int index)
{
    if (m_terms.empty())
        m_terms.resize(termYears);
    long &day = m_terms[static_cast<std::size_t>(year - firstTermYear)][static_cast<std::size_t>(index)];
    if (day == 0)
        day = dayOfSun(year, 15.0 * index);
    return day;
}

long Koyomi::newMoonDay(long k)
{
    return astronomy::jstDay(astronomy::newMoon(k));
}

// Writes the lunar dates of the year running from the month holding 冬至 of
// sui - 1 to the month holding 冬至 of sui into days, whose index 0 is the Julian
// Day Number firstDay; days outside the vector are skipped.
void Koyomi::fillSui(int sui, long firstDay, std::vector<Packed> &days)
{
    const long solsticeBefore = term(sui - 1, toji);
    const long solstice = term(sui, toji);
    long k = astronomy::nearestLunation(static_cast<double>(solsticeBefore));
    while (newMoonDay(k) > solsticeBefore)
        --k;
    while (newMoonDay(k + 1) <= solsticeBefore)
        ++k;
    // starts[i] is the first day of the i-th month; the last entry starts the
    // month 11 of the next year.
    std::vector<long> starts { newMoonDay(k) };
    for (long next = newMoonDay(++k); next <= solstice; next = newMoonDay(++k))
        starts.push_back(next);
    const std::size_t months = starts.size() - 1; // 12 or 13

    // With 13 months, the first one without a principal term (the Sun at a
    // multiple of 30 degrees) is the leap month.
    std::size_t leap = 0;
    if (months == 13) {
        for (std::size_t i = 1; i < months && leap == 0; ++i) {
            bool principal = false;
            for (int index = 0; index < 24 && !principal; index += 2) {
                const long day = term(sui, index);
                principal = day >= starts[i] && day < starts[i + 1];
            }
            if (!principal)
                leap = i;
        }
    }

    int number = 11;
    for (std::size_t i = 0; i < months; ++i) {
        if (i > 0 && i != leap)
            number = number % 12 + 1;
        for (long d = starts[i]; d < starts[i + 1]; ++d) {
            const long index = d - firstDay;
            if (index < 0 || index >= static_cast<long>(days.size()))
                continue;
            Packed &p = days[static_cast<std::size_t>(index)];
            p.lunarMonth = static_cast<std::uint8_t>(number);
            p.lunarDay = static_cast<std::uint8_t>(d - starts[i] + 1);
            p.leapMonth = i == leap && leap != 0;
        }
    }
}

std::vector<Koyomi::Packed> Koyomi::computeYear(int year)
{
    const long firstDay = astronomy::julianDayNumber(year, 1, 1);
    const long length = astronomy::julianDayNumber(year + 1, 1, 1) - firstDay;
    std::vector<Packed> days(static_cast<std::size_t>(length), Packed { 0, 0, false, -1, 0 });
    // The months from January up to the one holding 冬至 belong to the
    // lunisolar year that began in the previous December (or November).
    fillSui(year, firstDay, days);
    fillSui(year + 1, firstDay, days);

    const auto at = [&](long day) -> Packed * {
        const long index = day - firstDay;
        return index >= 0 && index < length ? &days[static_cast<std::size_t>(index)] : nullptr;
    };
    for (int i = 0; i < 24; ++i)
        if (Packed *p = at(term(year, i)))
            p->sekki = static_cast<std::int8_t>(i);
    const auto mark = [&](long day, Seasonal which) {
        if (Packed *p = at(day))
            p->seasonal = static_cast<std::uint16_t>(p->seasonal | (1u << which));
    };
    mark(term(year, risshun) - 1, Setsubun);
    mark(term(year, shunbun) - 3, HiganIri);
    mark(term(year, shubun) - 3, HiganIri);
    mark(term(year, shunbun) + 3, HiganAke);
    mark(term(year, shubun) + 3, HiganAke);
    mark(term(year, risshun) + 87, HachijuHachiya);
    mark(dayOfSun(year, 80), Nyubai);
    mark(dayOfSun(year, 100), Hangesho);
    for (double degrees : { 297.0, 27.0, 117.0, 207.0 })
        mark(dayOfSun(year, degrees), DoyoIri);
    mark(term(year, risshun) + 209, NihyakuToka);
    mark(term(year, risshun) + 219, NihyakuHatsuka);
    for ([[maybe_unused]] const Packed &p : days)
        assert(p.lunarDay != 0);
    return days;
}

std::optional<KoyomiDay> Koyomi::day(int year, int month, int day)
{
    if (year < koyomiFirstYear || year > koyomiLastYear || month < 1 || month > 12 || day < 1
        || day > Month_Long(year, month))
        return std::nullopt;
    if (m_years.empty())
        m_years.resize(koyomiLastYear - koyomiFirstYear + 1);
    auto &days = m_years[static_cast<std::size_t>(year - koyomiFirstYear)];
    if (days.empty())
        days = computeYear(year);
    const long index = astronomy::julianDayNumber(year, month, day) - astronomy::julianDayNumber(year, 1, 1);
    const Packed &p = days[static_cast<std::size_t>(index)];

    KoyomiDay result;
    result.lunarMonth = p.lunarMonth;
    result.lunarDay = p.lunarDay;
    result.leapMonth = p.leapMonth;
    result.rokuyo = (p.lunarMonth + p.lunarDay) % 6;
    if (p.sekki >= 0)
        result.names[static_cast<std::size_t>(result.nameCount++)] = koyomi_names::sekki[p.sekki];
    for (std::size_t i = 0; i < std::size(seasonal); ++i) {
        if ((p.seasonal >> i & 1u) != 0 && result.nameCount < static_cast<int>(result.names.size()))
            result.names[static_cast<std::size_t>(result.nameCount++)] = seasonal[i];
    }
    return result;
}

std::string koyomiText(const KoyomiDay &day)
{
    std::string text = koyomi_names::rokuyo[day.rokuyo];
    text += " · ";
    text += koyomi_names::oldCalendar;
    if (day.leapMonth)
        text += koyomi_names::leap;
    text += std::to_string(day.lunarMonth) + koyomi_names::month + std::to_string(day.lunarDay) + koyomi_names::day;
    for (int i = 0; i < day.nameCount; ++i) {
        text += i == 0 ? "\n" : "・";
        text += day.names[static_cast<std::size_t>(i)];
    }
    return text;
}

} // namespace calendar
