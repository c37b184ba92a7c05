// SPDX-License-Identifier: GPL-3.0-or-later
// lumo-holidays FIRST LAST: lists every day the holiday rules mark from January
// of FIRST to December of LAST, one line each, "YYYY-MM-DD<TAB>name", in date
// order. For scripts, and for checking the rules against published lists.

#include "calendar/calendar.h"
#include "calendar/holidays.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

namespace
{

// A month grid reduced to what the holiday rules write: red or not, and a name.
class CellRecord : public calendar::HolidayMarks
{
public:
    void Set_Red(int cell) override
    {
        m_red[static_cast<std::size_t>(cell)] = true;
    }

    void setHolidayName(int cell, std::string_view name) override
    {
        m_names[static_cast<std::size_t>(cell)] = name;
    }

    bool isRed(int cell) const
    {
        return m_red[static_cast<std::size_t>(cell)];
    }

    const std::string &name(int cell) const
    {
        return m_names[static_cast<std::size_t>(cell)];
    }

private:
    // Index 0 is unused: cells are 1..42.
    std::array<bool, 43> m_red {};
    std::array<std::string, 43> m_names;
};

// Parses the whole argument as a decimal int; anything else fails.
bool parseYear(std::string_view text, int &year)
{
    const char *end = text.data() + text.size();
    const auto [last, error] = std::from_chars(text.data(), end, year);
    return error == std::errc() && last == end;
}

void appendMonth(int year, int month, std::string &out)
{
    const int offset = calendar::Get_Week(year, month, 1);
    CellRecord grid;
    calendar::Cong_Day(year, month, offset, grid);
    for (int day = 1; day <= calendar::Month_Long(year, month); ++day) {
        const int cell = day + offset - 1;
        if (cell < 1 || cell > 42 || !grid.isRed(cell))
            continue;
        char date[32];
        std::snprintf(date, sizeof date, "%04d-%02d-%02d\t", year, month, day);
        out += date;
        out += grid.name(cell);
        out += '\n';
    }
}

// Writes text to stdout and flushes it; returns false when any write so far failed (a full
// disk, a closed pipe).
bool put(const std::string &text)
{
    std::fwrite(text.data(), 1, text.size(), stdout);
    return std::fflush(stdout) == 0 && !std::ferror(stdout);
}

int writeFailed()
{
    std::fprintf(stderr, "%s: cannot write the output: %s\n", "lumo-holidays", std::strerror(errno));
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    int first = 0;
    int last = 0;
    if (argc != 3 || !parseYear(argv[1], first) || !parseYear(argv[2], last) || first > last) {
        std::fputs("usage: lumo-holidays FIRST LAST  (years, FIRST <= LAST)\n", stderr);
        return 2;
    }
    std::string out;
    // long long, so that LAST = INT_MAX ends the loop.
    for (long long year = first; year <= last; ++year) {
        for (int month = 1; month <= 12; ++month)
            appendMonth(static_cast<int>(year), month, out);
        if (out.size() > (1u << 16)) {
            if (!put(out))
                return writeFailed();
            out.clear();
        }
    }
    return put(out) ? 0 : writeFailed();
}
