#include "calendar/astronomy.h"
#include "calendar/calendar.h"
#include "calendar/koyomi.h"
#include "calendar/koyomi_names.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>

namespace
{

using calendar::Koyomi;
namespace astronomy = calendar::astronomy;

struct Instant {
    int year, month, day, hour, minute;
};

// Minutes from instant (Japan time) to jde.
double minutesAfter(double jde, const Instant &at)
{
    const double year = 2000.0 + (jde - 2451545.0) / 365.25;
    const double jst = jde - astronomy::deltaT(year) / 86400.0 + 9.0 / 24.0 + 0.5;
    const double published = static_cast<double>(astronomy::julianDayNumber(at.year, at.month, at.day))
        + (at.hour * 60 + at.minute) / 1440.0;
    return (jst - published) * 1440.0;
}

TEST(Astronomy, SolarTermsWithinAMinuteOfPublishedTimes)
{
    // 国立天文台, 平成31年/令和元年(2019)暦要項, 二十四節気および雑節 (minutes rounded).
    const struct {
        double degrees;
        Instant at;
    } rows[] = {
        { 285, { 2019, 1, 6, 0, 39 } },
        { 300, { 2019, 1, 20, 18, 0 } },
        { 0, { 2019, 3, 21, 6, 58 } },
        { 80, { 2019, 6, 11, 13, 32 } },
        { 90, { 2019, 6, 22, 0, 54 } },
        { 117, { 2019, 7, 20, 8, 23 } },
        { 180, { 2019, 9, 23, 16, 50 } },
        { 240, { 2019, 11, 22, 23, 59 } },
        { 270, { 2019, 12, 22, 13, 19 } },
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.degrees);
        EXPECT_LE(std::abs(minutesAfter(astronomy::solarLongitudeInstant(2019, row.degrees), row.at)), 1.0);
    }
}

TEST(Astronomy, NewMoonsWithinAMinuteOfPublishedTimes)
{
    // The arachne.jp online moon-phase calendar (新月, Japan time).
    const Instant rows[] = {
        { 1936, 1, 24, 16, 17 },
        { 1968, 1, 30, 1, 29 },
        { 1984, 2, 2, 8, 46 },
        { 1989, 1, 8, 4, 22 },
        { 2040, 1, 14, 12, 25 },
    };
    for (const Instant &at : rows) {
        SCOPED_TRACE(at.year);
        const double near = static_cast<double>(astronomy::julianDayNumber(at.year, at.month, at.day));
        EXPECT_LE(std::abs(minutesAfter(astronomy::newMoon(astronomy::nearestLunation(near)), at)), 1.0);
    }
}

TEST(Koyomi, DaysMatchPublishedTables)
{
    // 2019: 国立天文台 暦要項 (terms and seasonal days); 2026-01: a published
    // 旧暦/六曜 table (brown.velvet.jp); 2033-34: the 閏11月 the almanac makers
    // settled on for the 2033 problem.
    const struct {
        int year, month, day;
        int lunarMonth, lunarDay;
        bool leap;
        const char *text;
    } rows[] = {
        { 2019, 2, 3, 12, 29, false, "仏滅 · 旧12月29日\n節分" },
        { 2019, 2, 5, 1, 1, false, "先勝 · 旧1月1日" },
        { 2019, 3, 18, 2, 12, false, "先勝 · 旧2月12日\n彼岸入り" },
        { 2019, 3, 24, 2, 18, false, "先勝 · 旧2月18日\n彼岸明け" },
        { 2019, 5, 2, 3, 28, false, "赤口 · 旧3月28日\n八十八夜" },
        { 2019, 6, 11, 5, 9, false, "先勝 · 旧5月9日\n入梅" },
        { 2019, 7, 2, 5, 30, false, "仏滅 · 旧5月30日\n半夏生" },
        { 2019, 7, 20, 6, 18, false, "大安 · 旧6月18日\n土用入り" },
        { 2019, 9, 1, 8, 3, false, "仏滅 · 旧8月3日\n二百十日" },
        { 2019, 9, 11, 8, 13, false, "友引 · 旧8月13日\n二百二十日" },
        { 2019, 12, 22, 11, 26, false, "赤口 · 旧11月26日\n冬至" },
        { 2026, 1, 1, 11, 13, false, "大安 · 旧11月13日" },
        { 2026, 1, 5, 11, 17, false, "先負 · 旧11月17日\n小寒" },
        { 2026, 1, 18, 11, 30, false, "仏滅 · 旧11月30日" },
        { 2033, 12, 21, 11, 30, false, "仏滅 · 旧11月30日\n冬至" },
        { 2033, 12, 22, 11, 1, true, "大安 · 旧閏11月1日" },
        { 2034, 1, 19, 11, 29, true, "先負 · 旧閏11月29日" },
        { 2034, 1, 20, 12, 1, false, "赤口 · 旧12月1日\n大寒" },
    };
    Koyomi koyomi;
    for (const auto &row : rows) {
        SCOPED_TRACE(std::to_string(row.year) + "-" + std::to_string(row.month) + "-" + std::to_string(row.day));
        const auto k = koyomi.day(row.year, row.month, row.day);
        ASSERT_TRUE(k);
        EXPECT_EQ(k->lunarMonth, row.lunarMonth);
        EXPECT_EQ(k->lunarDay, row.lunarDay);
        EXPECT_EQ(k->leapMonth, row.leap);
        EXPECT_EQ(calendar::koyomiText(*k), row.text);
    }
}

// Every day of the range: lunar days count up through months of 29 or 30
// days, months follow in order with a leap month repeating its number, and
// each year holds each solar term exactly once.
TEST(Koyomi, WalkOfTheWholeRangeIsConsistent)
{
    Koyomi koyomi;
    auto previous = koyomi.day(calendar::koyomiFirstYear, 1, 1);
    ASSERT_TRUE(previous);
    for (int year = calendar::koyomiFirstYear; year <= calendar::koyomiLastYear; ++year) {
        int terms = 0;
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= calendar::Month_Long(year, month); ++day) {
                const auto k = koyomi.day(year, month, day);
                ASSERT_TRUE(k) << year << "-" << month << "-" << day;
                for (const char *term : calendar::koyomi_names::sekki)
                    terms += k->nameCount > 0 && k->names[0] == term ? 1 : 0;
                if (year == calendar::koyomiFirstYear && month == 1 && day == 1)
                    continue;
                if (k->lunarDay != 1) {
                    ASSERT_EQ(k->lunarDay, previous->lunarDay + 1) << year << "-" << month << "-" << day;
                    ASSERT_EQ(k->lunarMonth, previous->lunarMonth);
                } else {
                    ASSERT_GE(previous->lunarDay, 29) << year << "-" << month << "-" << day;
                    const int expected = k->leapMonth ? previous->lunarMonth : previous->lunarMonth % 12 + 1;
                    ASSERT_FALSE(k->leapMonth && previous->leapMonth);
                    ASSERT_EQ(k->lunarMonth, expected) << year << "-" << month << "-" << day;
                }
                EXPECT_EQ(k->rokuyo, (k->lunarMonth + k->lunarDay) % 6);
                previous = k;
            }
        }
        EXPECT_EQ(terms, 24) << year;
    }
}

TEST(Koyomi, NothingOutsideTheRangeOrForBadDates)
{
    const int rows[][3] = {
        { 1872, 12, 31 },
        { 2201, 1, 1 },
        { INT_MIN, 1, 1 },
        { INT_MAX, 12, 31 },
        { 2025, 2, 29 },
        { 2025, 13, 1 },
        { 2025, 0, 1 },
        { 2025, 4, 31 },
    };
    Koyomi koyomi;
    for (const auto &row : rows)
        EXPECT_FALSE(koyomi.day(row[0], row[1], row[2])) << row[0] << "-" << row[1] << "-" << row[2];
    EXPECT_TRUE(koyomi.day(1873, 1, 1));
    EXPECT_TRUE(koyomi.day(2200, 12, 31));
}

} // namespace
