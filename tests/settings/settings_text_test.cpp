// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <locale>
#include <random>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

using settings::formatSettings;
using settings::parseSettings;
using settings::Settings;
using settings::Val;

namespace
{

Settings parse(const std::string &text)
{
    std::istringstream in(text);
    return parseSettings(in);
}

std::string format(const Settings &s)
{
    std::ostringstream out;
    formatSettings(out, s);
    return out.str();
}

// Top 44, left 300, background RGB(255, 250, 240), large mode, transparency 85, tile on, mode 2.
const Settings kExample { 44, 300, 255, 250, 240, false, 85, true, 2 };
const std::string kExampleText = "44\n300\n255\n250\n240\nFalse\n85\nTrue\n2\n";

// Nine lines with one of them replaced; the others are empty.
std::string withLine(int index, const std::string &text)
{
    std::string file;
    for (int i = 0; i < settings::kLineCount; ++i)
        file += (i == index ? text : std::string()) + "\n";
    return file;
}

// Endless text: one byte repeated, served in chunks, counting every byte handed out.
class Generator : public std::streambuf
{
public:
    Generator(char fill, std::uint64_t total)
        : m_remaining(total)
        , m_chunk(4096, fill)
    {
    }

    std::uint64_t served() const
    {
        return m_served;
    }

protected:
    int_type underflow() override
    {
        if (m_remaining == 0)
            return traits_type::eof();
        const std::size_t n = std::min<std::uint64_t>(m_chunk.size(), m_remaining);
        m_remaining -= n;
        m_served += n;
        setg(m_chunk.data(), m_chunk.data(), m_chunk.data() + n);
        return traits_type::to_int_type(m_chunk[0]);
    }

private:
    std::uint64_t m_remaining;
    std::uint64_t m_served = 0;
    std::string m_chunk;
};

// Groups thousands with a comma, as some locales do when printing integers.
struct Grouping : std::numpunct<char> {
    char do_thousands_sep() const override
    {
        return ',';
    }
    std::string do_grouping() const override
    {
        return "\3";
    }
};

} // namespace

TEST(SettingsVal, ReadsTheLeadingNumber)
{
    struct Row {
        const char *text;
        int expected;
    };
    // clang-format off
    const Row rows[] = {
        {"",                        0},
        {"0",                       0},
        {"44",                      44},
        {"-20",                     -20},
        {"+8",                      8},
        {"  17",                    17},        // leading blanks are skipped
        {"\t-3",                    -3},
        {"- 5",                     0},         // no blank between sign and digits
        {"--5",                     0},
        {"3.9",                     3},         // fraction dropped
        {"-3.9",                    -3},
        {".5",                      0},
        {"1e3",                     1},         // no exponent
        {"0x1F",                    0},         // no hexadecimal
        {"12abc",                   12},
        {"abc12",                   0},
        {"007",                     7},
        {"000000000000000000000042", 42},       // leading zeros do not saturate
        {"2147483647",              INT_MAX},
        {"2147483648",              INT_MAX},
        {"-2147483648",             INT_MIN},
        {"-2147483649",             INT_MIN},
        {"99999999999999999999",    INT_MAX},
        {"-99999999999999999999",   INT_MIN},
        {"4294967296",              INT_MAX},   // would wrap to 0 in 32 bits
        {"-4294967297",             INT_MIN},   // would wrap to -1
        {"\xEF\xBC\x91",            0},         // a full-width digit is not a digit
        {"\xB9",                    0},         // nor is a byte that looks like one in Latin-1
    };
    // clang-format on
    for (const Row &row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(Val(row.text), row.expected);
    }
}

TEST(SettingsVal, StopsAtTheEndOfTheView)
{
    const std::string text = "1234";
    EXPECT_EQ(Val(std::string_view(text).substr(0, 2)), 12);
}

TEST(SettingsFormat, WritesNineLinesInOrder)
{
    EXPECT_EQ(format(kExample), kExampleText);
    EXPECT_EQ(format(Settings { -20, -5, 0, 0, 0, true, 0, false, 3 }), "-20\n-5\n0\n0\n0\nTrue\n0\nFalse\n3\n");
    EXPECT_EQ(format(Settings { INT_MIN, INT_MAX, 0, 0, 0, false, INT_MIN, false, 0 }),
        "-2147483648\n2147483647\n0\n0\n0\nFalse\n-2147483648\nFalse\n0\n");
}

TEST(SettingsFormat, IgnoresTheStreamLocale)
{
    std::ostringstream out;
    out.imbue(std::locale(std::locale::classic(), new Grouping));
    out << 1234567;
    ASSERT_EQ(out.str(), "1,234,567") << "the locale should group digits";
    out.str("");
    formatSettings(out, Settings { 1234567, -1000, 0, 0, 0, false, 100000, false, 0 });
    EXPECT_EQ(out.str(), "1234567\n-1000\n0\n0\n0\nFalse\n100000\nFalse\n0\n");
}

TEST(SettingsRoundTrip, ExampleFile)
{
    EXPECT_EQ(
        parse("44\n300\n255\n250\n240\nTrue\n85\nTrue\n2\n"), (Settings { 44, 300, 255, 250, 240, true, 85, true, 2 }));
    EXPECT_EQ(parse(kExampleText), kExample);
}

TEST(SettingsRoundTrip, EdgeValues)
{
    // clang-format off
    const Settings rows[] = {
        {},
        {-20, 0, 0, 0, 0, false, 0, false, 0},                  // above the screen
        {INT_MIN, INT_MIN, 0, 0, 0, true, INT_MIN, true, 1},
        {INT_MAX, INT_MAX, 255, 255, 255, false, INT_MAX, false, 3},
        {5, 0, 0, 0, 1, false, 50, true, 2},                    // the darkest blue
        {1080, 1920, 128, 0, 255, true, 100, false, 3},
    };
    // clang-format on
    for (const Settings &s : rows) {
        const std::string text = format(s);
        SCOPED_TRACE(text);
        EXPECT_EQ(parse(text), s);
    }
}

TEST(SettingsRoundTrip, RandomValuesInRange)
{
    std::mt19937 random(20141231);
    std::uniform_int_distribution<int> any(INT_MIN, INT_MAX);
    std::uniform_int_distribution<int> component(0, 255);
    std::uniform_int_distribution<int> mode(0, 3);
    std::bernoulli_distribution flag;
    for (int i = 0; i < 2000; ++i) {
        const Settings s { any(random), any(random), component(random), component(random), component(random),
            flag(random), any(random), flag(random), mode(random) };
        const std::string text = format(s);
        SCOPED_TRACE(text);
        ASSERT_EQ(parse(text), s);
    }
}

TEST(SettingsParse, BadFiles)
{
    const std::string longDigits = "1" + std::string(400, '0');
    const std::string exactlyLongest = "7" + std::string(settings::kMaxLineBytes - 1, ' ');

    struct Row {
        const char *name;
        std::string text;
        Settings expected;
    };
    // clang-format off
    const std::vector<Row> rows = {
        {"empty",                  "",                                  {}},
        {"one empty line",         "\n",                                {}},
        {"short",                  "44\n300\n255\n",                    {44, 300, 255, 0, 0, false, 0, false, 0}},
        {"no final line end",      "44\n300\n255\n250\n240\nTrue\n85\nTrue\n2",
                                                                        {44, 300, 255, 250, 240, true, 85, true, 2}},
        {"garbage text",           "hello\nworld\nred\ngreen\nblue\nyes\nhigh\non\nday\n", {}},
        {"numbers with trailers",  "44px\n300.7\n255;\n250 0\n240,1\nTrue\n85%\nTrue\n2nd\n",
                                                                        {44, 300, 255, 250, 240, true, 85, true, 2}},
        {"blank lines in between", "44\n\n255\n\n240\n\n85\n\n2\n",     {44, 0, 255, 0, 240, false, 85, false, 2}},
        {"huge numbers",           "99999999999999999999\n-99999999999999999999\n99999999999\n"
                                   "-99999999999\n4294967296\nTrue\n4294967296\nTrue\n4294967299\n",
                                                                        {INT_MAX, INT_MIN, 255, 0, 255, true, INT_MAX, true, 0}},
        {"negative values",        "-20\n-300\n-1\n-255\n-0\nFalse\n-85\nFalse\n-1\n",
                                                                        {-20, -300, 0, 0, 0, false, -85, false, 0}},
        {"out of range",           "5000\n9000\n256\n1000\n300\nTrue\n250\nTrue\n4\n",
                                                                        {5000, 9000, 255, 255, 255, true, 250, true, 0}},
        {"mode just in range",     withLine(8, "3"),                    {0, 0, 0, 0, 0, false, 0, false, 3}},
        {"mode far out of range",  withLine(8, "-2147483648"),          {}},
        {"Boolean in lower case",  withLine(5, "true"),                 {0, 0, 0, 0, 0, true, 0, false, 0}},
        {"Boolean in capitals",    withLine(7, "TRUE"),                 {0, 0, 0, 0, 0, false, 0, true, 0}},
        {"Boolean with blanks",    withLine(5, " \tTrue \t"),           {0, 0, 0, 0, 0, true, 0, false, 0}},
        {"Boolean too long",       withLine(5, "Truee"),                {}},
        {"Boolean cut short",      withLine(7, "Tru"),                  {}},
        {"Boolean as a number",    withLine(5, "1"),                    {}},
        {"Boolean in Japanese",    withLine(7, "\xE3\x81\xAF\xE3\x81\x84"), {}},
        {"CRLF",                   "44\r\n300\r\n255\r\n250\r\n240\r\nTrue\r\n85\r\nTrue\r\n2\r\n",
                                                                        {44, 300, 255, 250, 240, true, 85, true, 2}},
        {"lone CR",                "44\r300\r255\r250\r240\rTrue\r85\rTrue\r2\r",
                                                                        {44, 300, 255, 250, 240, true, 85, true, 2}},
        {"mixed line ends",        "44\r\n300\n255\r250\r\n240\nTrue\r85\r\nTrue\n2",
                                                                        {44, 300, 255, 250, 240, true, 85, true, 2}},
        {"CR CR is two lines",     "44\r\r255\n",                       {44, 0, 255, 0, 0, false, 0, false, 0}},
        {"extra lines",            "44\n300\n255\n250\n240\nTrue\n85\nTrue\n2\n1\n2\nTrue\n" + longDigits + "\n",
                                                                        {44, 300, 255, 250, 240, true, 85, true, 2}},
        {"byte order mark",        "\xEF\xBB\xBF" "44\n300\n255\n250\n240\nTrue\n85\nTrue\n2\n",
                                                                        {44, 300, 255, 250, 240, true, 85, true, 2}},
        {"byte order mark later",  "44\n\xEF\xBB\xBF" "300\n",          {44, 0, 0, 0, 0, false, 0, false, 0}},
        {"longest line kept whole", exactlyLongest + "\n300\n",         {7, 300, 0, 0, 0, false, 0, false, 0}},
        {"one byte too long",      exactlyLongest + " \n300\n",        {7, 0, 0, 0, 0, false, 0, false, 0}},
        {"overlong line ends it",  longDigits + "\n300\n255\n250\n240\nTrue\n85\nTrue\n2\n",
                                                                        {INT_MAX, 0, 0, 0, 0, false, 0, false, 0}},
        {"overlong later line",    "44\n300\n255\nTrue" + std::string(300, ' ') + "\n240\nTrue\n",
                                                                        {44, 300, 255, 0, 0, false, 0, false, 0}},
        {"binary bytes",           std::string("\0\x01\xFF\xFE\n\x80\x00" "12\n\xC0\xC1\n", 12) + "\x7F\n",
                                                                        {}},
        {"digits before a NUL",    std::string("44\0" "99\n300\0\n", 11), {44, 300, 0, 0, 0, false, 0, false, 0}},
        {"NUL before digits",      std::string("\0" "44\n", 4),         {}},
    };
    // clang-format on
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(parse(row.text), row.expected);
    }
}

TEST(SettingsParse, HugeSingleLineIsReadBounded)
{
    constexpr std::uint64_t size = 100'000'000;
    constexpr std::uint64_t bound = settings::kLineCount * (settings::kMaxLineBytes + 1);
    struct Row {
        char fill;
        Settings expected;
    };
    const Row rows[]
        = { { '9', Settings { INT_MAX } }, { '\0', Settings {} }, { '\n', Settings {} }, { '\r', Settings {} } };
    for (const Row &row : rows) {
        SCOPED_TRACE(int(row.fill));
        Generator generator(row.fill, size);
        std::istream in(&generator);
        EXPECT_EQ(parseSettings(in), row.expected);
        // The generator hands out whole chunks; what matters is that it stops near the bound.
        EXPECT_LE(generator.served(), bound + 4096);
    }
}

TEST(SettingsParse, FailedStreamGivesDefaults)
{
    std::istringstream in(kExampleText);
    in.setstate(std::ios::failbit);
    EXPECT_EQ(parseSettings(in), Settings {});
}
