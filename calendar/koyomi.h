// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The almanac (暦注) of a day, computed from the Sun and the Moon: the date in
// the old lunisolar calendar (旧暦), its 六曜, and the solar terms (二十四節気)
// and seasonal days (雑節) falling on it, all on Japan Standard Time days.
namespace calendar
{

// The years the almanac covers: from Japan's change to the Gregorian calendar
// to as far as the Delta T extrapolation is worth trusting.
inline constexpr int koyomiFirstYear = 1873;
inline constexpr int koyomiLastYear = 2200;

struct KoyomiDay {
    int lunarMonth = 0; // [1, 12]
    int lunarDay = 0; // [1, 30]
    bool leapMonth = false;
    int rokuyo = 0; // [0, 5], index into koyomi_names::rokuyo
    // The day's solar term first, then its seasonal days; nameCount of them.
    std::array<std::string_view, 3> names {};
    int nameCount = 0;
};

// Computes days year by year and keeps each year it has computed, so that a
// month's days after the first cost a table look-up. Not thread-safe.
class Koyomi
{
public:
    // Returns the almanac of year-month-day, or nullopt for a year outside
    // koyomiFirstYear..koyomiLastYear or a date that does not exist.
    std::optional<KoyomiDay> day(int year, int month, int day);

private:
    // One day of a computed year.
    struct Packed {
        std::uint8_t lunarMonth; // [1, 12]
        std::uint8_t lunarDay; // [1, 30]
        bool leapMonth;
        std::int8_t sekki; // [-1, 23], -1 for none
        std::uint16_t seasonal; // bit i: the i-th seasonal day
    };

    // Returns the Julian Day Number of the JST day on which the Sun reaches
    // 15 * index degrees in year.
    long term(int year, int index);
    long newMoonDay(long k);
    void fillSui(int sui, long firstDay, std::vector<Packed> &days);
    std::vector<Packed> computeYear(int year);

    // Indexed by year - koyomiFirstYear; empty until computed.
    std::vector<std::vector<Packed>> m_years;
    // Indexed by year - koyomiFirstYear + 1, as the months that straddle New
    // Year need the terms of the years just outside the range; 0 for a term
    // not computed yet.
    std::vector<std::array<long, 24>> m_terms;
};

// Returns the almanac line of the tooltip, "大安 · 旧10月20日" or
// "先勝 · 旧閏11月1日", followed on days with names by a second line holding
// them joined by "・".
std::string koyomiText(const KoyomiDay &day);

} // namespace calendar
