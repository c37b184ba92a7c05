// SPDX-License-Identifier: GPL-3.0-or-later
// lumo-koyomi FIRST LAST: lists every day from January of FIRST to December of
// LAST with its almanac, one line each,
// "YYYY-MM-DD<TAB>lunar month<TAB>lunar day<TAB>leap (1/0)<TAB>六曜<TAB>names",
// the names (solar term, then seasonal days) joined by ",". For scripts, and
// for checking the almanac against published tables and other libraries.

#include "calendar/calendar.h"
#include "calendar/koyomi.h"
#include "calendar/koyomi_names.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

namespace
{

// Parses the whole argument as a decimal int; anything else fails.
bool parseYear(std::string_view text, int &year)
{
    const char *end = text.data() + text.size();
    const auto [last, error] = std::from_chars(text.data(), end, year);
    return error == std::errc() && last == end;
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
    std::fprintf(stderr, "%s: cannot write the output: %s\n", "lumo-koyomi", std::strerror(errno));
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    int first = 0;
    int last = 0;
    if (argc != 3 || !parseYear(argv[1], first) || !parseYear(argv[2], last) || first > last) {
        std::fputs("usage: lumo-koyomi FIRST LAST  (years, FIRST <= LAST)\n", stderr);
        return 2;
    }
    if (first < calendar::koyomiFirstYear || last > calendar::koyomiLastYear) {
        std::fprintf(stderr, "lumo-koyomi: years out of range (%d to %d)\n", calendar::koyomiFirstYear,
            calendar::koyomiLastYear);
        return 2;
    }
    calendar::Koyomi koyomi;
    std::string out;
    for (int year = first; year <= last; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= calendar::Month_Long(year, month); ++day) {
                const auto k = koyomi.day(year, month, day);
                if (!k)
                    continue;
                char line[64];
                std::snprintf(line, sizeof line, "%04d-%02d-%02d\t%d\t%d\t%d\t", year, month, day, k->lunarMonth,
                    k->lunarDay, k->leapMonth ? 1 : 0);
                out += line;
                out += calendar::koyomi_names::rokuyo[k->rokuyo];
                out += '\t';
                for (int i = 0; i < k->nameCount; ++i) {
                    if (i > 0)
                        out += ',';
                    out += k->names[static_cast<std::size_t>(i)];
                }
                out += '\n';
            }
        }
        if (!put(out))
            return writeFailed();
        out.clear();
    }
    return put(out) ? 0 : writeFailed();
}
