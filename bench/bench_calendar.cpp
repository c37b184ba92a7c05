// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of the calendar core: the holiday rules for every month Lumo can
// show with holidays up to 2100, one weekday, and a month of the almanac.

#include "calendar/calendar.h"
#include "calendar/holidays.h"
#include "calendar/koyomi.h"

#include <benchmark/benchmark.h>

#include <string_view>

namespace
{

// Keeps what the rules write, so that nothing is optimised away.
class Sink : public calendar::HolidayMarks
{
public:
    void Set_Red(int cell) override
    {
        m_sum += cell;
    }
    void setHolidayName(int cell, std::string_view name) override
    {
        m_sum += cell + name.size();
    }
    std::size_t sum() const
    {
        return m_sum;
    }

private:
    std::size_t m_sum = 0;
};

// 1948..2100: 153 years, 1,836 months per iteration.
void BM_CongDayAllMonths1948To2100(benchmark::State &state)
{
    for (auto _ : state) {
        Sink sink;
        for (int year = 1948; year <= 2100; ++year)
            for (int month = 1; month <= 12; ++month)
                calendar::Cong_Day(year, month, calendar::Get_Week(year, month, 1), sink);
        benchmark::DoNotOptimize(sink.sum());
    }
    state.counters["months"] = 1836;
}
BENCHMARK(BM_CongDayAllMonths1948To2100)->Unit(benchmark::kMicrosecond);

void BM_GetWeek(benchmark::State &state)
{
    int day = 1;
    for (auto _ : state) {
        int year = 2024;
        benchmark::DoNotOptimize(year);
        benchmark::DoNotOptimize(calendar::Get_Week(year, 2, day));
        day = day % 28 + 1;
    }
}
BENCHMARK(BM_GetWeek);

// The almanac text of every day of a month, as the tooltips need it. Cold: a
// new Koyomi, so the month's year is computed from the sky each time (the
// first month shown in a year); cached: the year is already kept.
void koyomiMonth(calendar::Koyomi &koyomi, int year, int month, std::size_t &sum)
{
    for (int day = 1; day <= calendar::Month_Long(year, month); ++day)
        if (const auto k = koyomi.day(year, month, day))
            sum += calendar::koyomiText(*k).size();
}

void BM_KoyomiMonthCold(benchmark::State &state)
{
    int year = 1900;
    for (auto _ : state) {
        calendar::Koyomi koyomi;
        std::size_t sum = 0;
        koyomiMonth(koyomi, year, 12, sum);
        benchmark::DoNotOptimize(sum);
        year = year < 2100 ? year + 1 : 1900;
    }
}
BENCHMARK(BM_KoyomiMonthCold)->Unit(benchmark::kMicrosecond);

void BM_KoyomiMonthCached(benchmark::State &state)
{
    calendar::Koyomi koyomi;
    std::size_t sum = 0;
    koyomiMonth(koyomi, 2033, 12, sum);
    for (auto _ : state) {
        koyomiMonth(koyomi, 2033, 12, sum);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_KoyomiMonthCached)->Unit(benchmark::kMicrosecond);

} // namespace
