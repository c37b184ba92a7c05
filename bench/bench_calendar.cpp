// The cost of the calendar core: the holiday rules for every month Lumo can
// show with holidays up to 2100, and one weekday.

#include "calendar/calendar.h"
#include "calendar/holidays.h"

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

} // namespace
