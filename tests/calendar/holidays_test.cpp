// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/calendar.h"
#include "calendar/holidays.h"

#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

using calendar::Cong_Day;
using calendar::Get_Week;
using calendar::Month_Long;
namespace chr = std::chrono;

namespace
{

// Records every call of the rules in order.
class CallLog : public calendar::HolidayMarks
{
public:
    struct Call {
        bool red;
        int cell;
        std::string name;
    };

    void Set_Red(int cell) override
    {
        calls.push_back({ true, cell, {} });
    }
    void setHolidayName(int cell, std::string_view name) override
    {
        calls.push_back({ false, cell, std::string(name) });
    }

    // The calls as "red 29", "name 29 昭和の日".
    std::vector<std::string> text() const
    {
        std::vector<std::string> lines;
        for (const Call &c : calls)
            lines.push_back(c.red ? "red " + std::to_string(c.cell) : "name " + std::to_string(c.cell) + ' ' + c.name);
        return lines;
    }

    std::vector<Call> calls;
};

// Returns the holidays of a month by day, with the name each keeps after all
// marks. Every call must hit a day of the month, and every named day be red.
std::map<int, std::string> holidaysOf(int year, int month)
{
    const int offset = Get_Week(year, month, 1);
    CallLog log;
    Cong_Day(year, month, offset, log);
    std::set<int> red;
    std::map<int, std::string> names;
    for (const CallLog::Call &call : log.calls) {
        const int day = call.cell - offset + 1;
        EXPECT_TRUE(day >= 1 && day <= Month_Long(year, month)) << year << '-' << month << ": cell " << call.cell;
        if (call.red)
            red.insert(day);
        else
            names[day] = call.name;
    }
    for (const auto &[day, name] : names)
        EXPECT_TRUE(red.contains(day)) << year << '-' << month << '-' << day << " named but not red";
    EXPECT_EQ(red.size(), names.size()) << year << '-' << month << ": a red day without a name";
    return names;
}

// One row of a table: a month and its holidays as "day name, day name".
struct Month {
    int year, month;
    const char *holidays;
};

void expectMonths(std::initializer_list<Month> rows)
{
    for (const Month &r : rows) {
        std::string text;
        for (const auto &[day, name] : holidaysOf(r.year, r.month))
            text += (text.empty() ? "" : ", ") + std::to_string(day) + ' ' + name;
        EXPECT_EQ(text, r.holidays) << r.year << '-' << r.month;
    }
}

} // namespace

// clang-format off
TEST(CongDay, NothingBeforeEachRuleStarts)
{
    for (int month = 1; month <= 12; ++month)
        EXPECT_TRUE(holidaysOf(1947, month).empty()) << month;
    for (int month = 1; month <= 8; ++month)
        EXPECT_TRUE(holidaysOf(1948, month).empty()) << month;
    expectMonths({{1948, 9, "23 秋分の日"}, {1948, 11, "3 文化の日, 23 勤労感謝の日"}, {1948, 12, ""},
                  {1966, 2, ""}, {1995, 7, ""}, {2015, 8, ""}, {1965, 9, "23 秋分の日"}, {1965, 10, ""},
                  {1988, 12, ""}, {2019, 6, ""}});
}

TEST(CongDay, NewYearAndComingOfAge)
{
    expectMonths({
        {1949, 1, "1 元旦, 15 成人の日"},
        {1967, 1, "1 元旦, 15 成人の日"},                        // Sunday, before substitutes
        {1978, 1, "1 元旦, 2 振替休日, 15 成人の日, 16 振替休日"},
        {1995, 1, "1 元旦, 2 振替休日, 15 成人の日, 16 振替休日"},
        {1999, 1, "1 元旦, 15 成人の日"},
        {2000, 1, "1 元旦, 10 成人の日"},                        // second Monday
        {2012, 1, "1 元旦, 2 振替休日, 9 成人の日"},
        {2014, 1, "1 元旦, 13 成人の日"},
    });
}

TEST(CongDay, FoundationDayAndEmperorsBirthdayInFebruary)
{
    expectMonths({
        {1967, 2, "11 建国記念日"},
        {1973, 2, "11 建国記念日"},                              // Sunday, before the substitute law
        {1979, 2, "11 建国記念日, 12 振替休日"},
        {1989, 2, "11 建国記念日, 24 大喪の礼"},
        {2019, 2, "11 建国記念日"},
        {2020, 2, "11 建国記念日, 23 天皇誕生日, 24 振替休日"},
        {2024, 2, "11 建国記念日, 12 振替休日, 23 天皇誕生日"},
        {2025, 2, "11 建国記念日, 23 天皇誕生日, 24 振替休日"},
    });
}

TEST(CongDay, EquinoxDays)
{
    expectMonths({
        {1948, 3, ""}, {1949, 3, "21 春分の日"}, {1960, 3, "20 春分の日"},
        {1979, 3, "21 春分の日"},                                // rounded down, not toward zero
        {1982, 3, "21 春分の日, 22 振替休日"}, {2023, 3, "21 春分の日"}, {2024, 3, "20 春分の日"},
        {2092, 3, "19 春分の日"},
        {1951, 9, "24 秋分の日"}, {1979, 9, "15 敬老の日, 24 秋分の日"}, {2012, 9, "17 敬老の日, 22 秋分の日"},
        {2025, 9, "15 敬老の日, 23 秋分の日"},
    });
}

TEST(CongDay, AprilTwentyNinthRenames)
{
    expectMonths({
        {1948, 4, ""}, {1949, 4, "29 天皇誕生日"},                 // the law's first April
        {1959, 4, "10 結婚の儀, 29 天皇誕生日"},
        {1973, 4, "29 天皇誕生日, 30 振替休日"},                  // the first substitute holiday
        {1988, 4, "29 天皇誕生日"}, {1989, 4, "29 みどりの日"}, {1990, 4, "29 みどりの日, 30 振替休日"},
        {2006, 4, "29 みどりの日"}, {2007, 4, "29 昭和の日, 30 振替休日"},
        {2019, 4, "29 昭和の日, 30 国民の休日"},
    });
}

TEST(CongDay, GoldenWeek)
{
    expectMonths({
        {1949, 5, "3 憲法記念日, 5 こどもの日"},
        {1974, 5, "3 憲法記念日, 5 こどもの日, 6 振替休日"},
        {1981, 5, "3 憲法記念日, 4 振替休日, 5 こどもの日"},      // Sunday 3 May
        {1985, 5, "3 憲法記念日, 5 こどもの日, 6 振替休日"},
        {1986, 5, "3 憲法記念日, 5 こどもの日"},                  // Sunday 4 May
        {1987, 5, "3 憲法記念日, 4 振替休日, 5 こどもの日"},
        {1988, 5, "3 憲法記念日, 4 国民の休日, 5 こどもの日"},
        {1997, 5, "3 憲法記念日, 5 こどもの日"},
        {1998, 5, "3 憲法記念日, 4 振替休日, 5 こどもの日"},
        {2003, 5, "3 憲法記念日, 5 こどもの日"},
        {2006, 5, "3 憲法記念日, 4 国民の休日, 5 こどもの日"},
        {2007, 5, "3 憲法記念日, 4 みどりの日, 5 こどもの日"},
        {2008, 5, "3 憲法記念日, 4 みどりの日, 5 こどもの日, 6 振替休日"},   // Sunday 4 May
        {2009, 5, "3 憲法記念日, 4 みどりの日, 5 こどもの日, 6 振替休日"},   // Sunday 3 May
        {2019, 5, "1 即位の日, 2 国民の休日, 3 憲法記念日, 4 みどりの日, 5 こどもの日, 6 振替休日"},
    });
}

TEST(CongDay, SummerHolidaysAndTheOlympicMoves)
{
    expectMonths({
        {1996, 7, "20 海の日"}, {1997, 7, "20 海の日, 21 振替休日"}, {2002, 7, "20 海の日"},
        {2003, 7, "21 海の日"}, {2019, 7, "15 海の日"}, {2020, 7, "23 海の日, 24 スポーツの日"},
        {2021, 7, "22 海の日, 23 スポーツの日"}, {2022, 7, "18 海の日"},
        {2016, 8, "11 山の日"}, {2019, 8, "11 山の日, 12 振替休日"}, {2020, 8, "10 山の日"},
        {2021, 8, "8 山の日, 9 振替休日"}, {2022, 8, "11 山の日"},
    });
}

TEST(CongDay, RespectForTheAgedAndCitizensHolidayInSeptember)
{
    expectMonths({
        {1966, 9, "15 敬老の日, 23 秋分の日"},
        {1973, 9, "15 敬老の日, 23 秋分の日, 24 振替休日"},
        {1974, 9, "15 敬老の日, 16 振替休日, 23 秋分の日"},
        {2002, 9, "15 敬老の日, 16 振替休日, 23 秋分の日"},
        {2003, 9, "15 敬老の日, 23 秋分の日"},                     // third Monday
        {2009, 9, "21 敬老の日, 22 国民の休日, 23 秋分の日"},
        {2015, 9, "21 敬老の日, 22 国民の休日, 23 秋分の日"},
        {2024, 9, "16 敬老の日, 22 秋分の日, 23 振替休日"},
        {2026, 9, "21 敬老の日, 22 国民の休日, 23 秋分の日"},
        {2032, 9, "20 敬老の日, 21 国民の休日, 22 秋分の日"},
    });
}

TEST(CongDay, OctoberToDecember)
{
    expectMonths({
        {1966, 10, "10 体育の日"}, {1999, 10, "10 体育の日, 11 振替休日"}, {2000, 10, "9 体育の日"},
        {2019, 10, "14 体育の日, 22 即位礼正殿の儀"}, {2020, 10, ""}, {2021, 10, ""}, {2022, 10, "10 スポーツの日"},
        {1974, 11, "3 文化の日, 4 振替休日, 23 勤労感謝の日"},
        {1990, 11, "3 文化の日, 12 即位礼正殿の儀, 23 勤労感謝の日"},
        {2012, 11, "3 文化の日, 23 勤労感謝の日"},                 // Saturday, still red
        {2025, 11, "3 文化の日, 23 勤労感謝の日, 24 振替休日"},
        {1989, 12, "23 天皇誕生日"}, {2018, 12, "23 天皇誕生日, 24 振替休日"}, {2019, 12, ""}, {2020, 12, ""},
        {1993, 6, "9 結婚の儀"},
    });
}

// Red comes before the name, and a rename replaces the name without painting.
TEST(CongDay, MarksAndRenamesInOrder)
{
    struct Row {
        int year, month;
        std::vector<std::string> calls;
    };
    const Row rows[] = {
        {1988, 4, {"red 34", "name 34 みどりの日", "name 34 天皇誕生日"}},
        {2007, 4, {"red 29", "name 29 みどりの日", "name 29 昭和の日", "red 30", "name 30 振替休日"}},
        {2008, 5, {"red 7", "name 7 憲法記念日", "red 8", "name 8 国民の休日", "name 8 みどりの日",
                   "red 9", "name 9 こどもの日", "red 10", "name 10 振替休日"}},
    };
    for (const Row &r : rows) {
        CallLog log;
        Cong_Day(r.year, r.month, Get_Week(r.year, r.month, 1), log);
        EXPECT_EQ(log.text(), r.calls) << r.year << '-' << r.month;
    }
}
// clang-format on

// Whatever offset a caller passes, and for any year, no call reaches a cell
// outside 1..42 or outside the month's own days.
TEST(CongDay, StaysInsideTheGrid)
{
    for (const int year : { 1948, 1973, 2019, 2020, 2400, 1000000, INT_MAX - 1, INT_MAX }) {
        for (int month = 1; month <= 12; ++month) {
            for (const int offset : { INT_MIN, -1, 0, 1, 4, 7, 8, 12, 41, 42, 43, INT_MAX }) {
                CallLog log;
                Cong_Day(year, month, offset, log);
                for (const CallLog::Call &call : log.calls) {
                    const long long day = static_cast<long long>(call.cell) - offset + 1;
                    ASSERT_TRUE(call.cell >= 1 && call.cell <= 42 && day >= 1 && day <= Month_Long(year, month))
                        << year << '-' << month << " offset " << offset << ": cell " << call.cell;
                }
            }
        }
    }
}

namespace
{

// All holidays of the years first..last by date.
std::map<chr::sys_days, std::string> holidaysFrom(int first, int last)
{
    std::map<chr::sys_days, std::string> all;
    for (int year = first; year <= last; ++year)
        for (int month = 1; month <= 12; ++month)
            for (const auto &[day, name] : holidaysOf(year, month))
                all[chr::year { year } / month / day] = name;
    return all;
}

std::string iso(chr::sys_days date)
{
    const chr::year_month_day ymd { date };
    char text[16];
    std::snprintf(text, sizeof text, "%d-%02u-%02u", static_cast<int>(ymd.year()), unsigned { ymd.month() },
        unsigned { ymd.day() });
    return text;
}

} // namespace

// The law rather than the rules: a holiday on a Sunday gives the next day
// (from 2007 the next day that is no holiday) as a substitute, and from 1988 a
// working day between two holidays is a citizens' holiday. 11 February 1973
// came before the substitute law. Checked to 2099, as far as the equinox
// formula holds.
TEST(CongDay, SubstituteAndCitizensHolidaysFollowTheLaw)
{
    const auto all = holidaysFrom(1973, 2099);
    const auto isHoliday = [&](chr::sys_days d) { return all.contains(d); };
    const auto isSunday = [](chr::sys_days d) { return chr::weekday { d } == chr::Sunday; };
    const chr::days oneDay { 1 };
    for (const auto &[date, name] : all) {
        const bool from2007 = chr::year_month_day { date }.year() >= chr::year { 2007 };
        if (isSunday(date) && name != "振替休日" && iso(date) != "1973-02-11") {
            chr::sys_days next = date + oneDay;
            while (from2007 && isHoliday(next) && all.at(next) != "振替休日")
                next += oneDay;
            EXPECT_TRUE(isHoliday(next)) << "no substitute for " << iso(date);
        }
        if (name == "振替休日") {
            chr::sys_days previous = date - oneDay;
            while (isHoliday(previous) && !isSunday(previous))
                previous -= oneDay;
            EXPECT_TRUE(isHoliday(previous)) << "substitute without a Sunday holiday " << iso(date);
        }
        const chr::sys_days between = date + oneDay;
        const bool workingDay = !isHoliday(between) && !isSunday(between);
        EXPECT_FALSE(date >= chr::sys_days { chr::year { 1988 } / 1 / 1 } && workingDay && isHoliday(between + oneDay))
            << "working day between two holidays " << iso(between);
        if (name == "国民の休日") {
            EXPECT_TRUE(isHoliday(date - oneDay) && isHoliday(date + oneDay)) << iso(date);
        }
    }
}

// Checked day for day against the Cabinet Office's list (syukujitsu.csv,
// 1955–2027) and holiday_jp's holidays.yml (2028–2050): every day matched.
// Here the number of holidays in each year and the two equinox days stand for
// that list; equinoxes before 1955 are the astronomical dates in Japan.
TEST(CongDay, AgreesWithThePublishedList)
{
    // clang-format off
    const int counts[] = { // 1955..2050
         9,  9,  9,  9, 10,  9,  9,  9,  9,  9,  9, 11, 12, 12, 12, 12, 12, 12, 14, 15, 13, 13, 12, 14,
        14, 13, 13, 14, 12, 16, 15, 13, 13, 14, 17, 19, 17, 14, 16, 14, 16, 19, 16, 15, 17, 15, 19, 18,
        15, 15, 16, 16, 19, 17, 17, 16, 15, 18, 17, 17, 17, 17, 17, 20, 22, 18, 17, 16, 17, 21, 19, 18,
        17, 16, 19, 19, 19, 17, 17, 17, 19, 18, 18, 16, 16, 18, 19, 19, 18, 17, 17, 19, 19, 18, 17, 17,
    };
    // Day of the vernal equinox less 20, 1949..2050, and of the autumnal less 22, 1948..2050.
    const std::string vernal =
        "111111111110111011101110111011101110111011100110011001100110011001100110011000100010001000100010001000";
    const std::string autumnal =
        "1112111211121112111211121112111211111111111111111111111111111111011101110111011101110111011101110011001";
    // clang-format on
    const auto all = holidaysFrom(1948, 2050);
    std::map<int, int> perYear;
    for (const auto &[date, name] : all) {
        const chr::year_month_day ymd { date };
        const int year = static_cast<int>(ymd.year());
        const int day = static_cast<int>(unsigned { ymd.day() });
        ++perYear[year];
        if (name == "春分の日") {
            EXPECT_EQ(day - 20, vernal.at(static_cast<std::size_t>(year - 1949)) - '0') << iso(date);
        }
        if (name == "秋分の日") {
            EXPECT_EQ(day - 22, autumnal.at(static_cast<std::size_t>(year - 1948)) - '0') << iso(date);
        }
    }
    for (int year = 1955; year <= 2050; ++year)
        EXPECT_EQ(perYear[year], counts[year - 1955]) << year;
}
