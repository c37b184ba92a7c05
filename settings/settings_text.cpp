// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <istream>
#include <limits>
#include <ostream>
#include <string>

namespace settings
{

namespace
{

    static_assert(std::numeric_limits<int>::digits == 31, "the file holds 32-bit integers");

    using Traits = std::istream::traits_type;

    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

    bool isBlank(char c)
    {
        return c == ' ' || c == '\t';
    }

    bool isDigit(char c)
    {
        return c >= '0' && c <= '9';
    }

    // Reads the next line into line, without its terminator (LF, CR LF or a lone CR); past the end
    // of in the line is empty. Returns false when the line is longer than kMaxLineBytes: line then
    // holds its first kMaxLineBytes bytes and one more byte has been consumed.
    bool readLine(std::istream &in, std::string &line)
    {
        line.clear();
        for (;;) {
            const Traits::int_type c = in.get();
            if (Traits::eq_int_type(c, Traits::eof()) || c == '\n')
                return true;
            if (c == '\r') {
                if (in.peek() == '\n')
                    in.get();
                return true;
            }
            if (line.size() == kMaxLineBytes)
                return false;
            line.push_back(Traits::to_char_type(c));
        }
    }

    bool isTrue(std::string_view text)
    {
        while (!text.empty() && isBlank(text.front()))
            text.remove_prefix(1);
        while (!text.empty() && isBlank(text.back()))
            text.remove_suffix(1);
        constexpr std::string_view word = "true";
        return std::equal(text.begin(), text.end(), word.begin(), word.end(),
            [](char a, char b) { return (a >= 'A' && a <= 'Z' ? char(a - 'A' + 'a') : a) == b; });
    }

    int colourComponent(std::string_view text)
    {
        return std::clamp(Val(text), 0, 255);
    }

    int displayMode(std::string_view text)
    {
        const int mode = Val(text);
        return mode >= 0 && mode <= 3 ? mode : 0;
    }

    void writeLine(std::ostream &out, int value)
    {
        std::array<char, std::numeric_limits<int>::digits10 + 3> digits {}; // sign, 10 digits
        const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
        out.write(digits.data(), result.ptr - digits.data());
        out.put('\n');
    }

    void writeLine(std::ostream &out, bool value)
    {
        out << (value ? "True\n" : "False\n");
    }

} // namespace

int Val(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Saturates at 2^31, the magnitude of INT_MIN, so long digit runs never overflow.
    constexpr std::int64_t limit = std::int64_t { std::numeric_limits<int>::max() } + 1;
    std::int64_t magnitude = 0; // [0, 2^31]
    for (; i < text.size() && isDigit(text[i]); ++i)
        magnitude = std::min(limit, magnitude * 10 + (text[i] - '0'));
    if (negative)
        return static_cast<int>(-magnitude);
    return static_cast<int>(std::min(magnitude, limit - 1));
}

Settings parseSettings(std::istream &in)
{
    std::array<std::string, kLineCount> lines;
    for (std::string &line : lines) {
        if (!readLine(in, line))
            break;
    }
    if (lines[0].starts_with(kByteOrderMark))
        lines[0].erase(0, kByteOrderMark.size());

    Settings s;
    s.top = Val(lines[0]);
    s.left = Val(lines[1]);
    s.red = colourComponent(lines[2]);
    s.green = colourComponent(lines[3]);
    s.blue = colourComponent(lines[4]);
    s.small = isTrue(lines[5]);
    s.trans = Val(lines[6]);
    s.dock = isTrue(lines[7]);
    s.mode = displayMode(lines[8]);
    return s;
}

void formatSettings(std::ostream &out, const Settings &s)
{
    writeLine(out, s.top);
    writeLine(out, s.left);
    writeLine(out, s.red);
    writeLine(out, s.green);
    writeLine(out, s.blue);
    writeLine(out, s.small);
    writeLine(out, s.trans);
    writeLine(out, s.dock);
    writeLine(out, s.mode);
}

} // namespace settings
