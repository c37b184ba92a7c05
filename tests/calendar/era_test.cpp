// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/era.h"

#include <gtest/gtest.h>

#include <climits>

TEST(Nen, EraYearOfEachBoundary)
{
    struct Row {
        int year;
        const char *text;
    };
    // clang-format off
    const Row rows[] = {
        {INT_MIN, "年"}, {0, "年"}, {1867, "年"},
        {1868, "明治元年"}, {1869, "明治2年"}, {1911, "明治44年"},
        {1912, "大正元年"}, {1925, "大正14年"},
        {1926, "昭和元年"}, {1936, "昭和11年"}, {1988, "昭和63年"},
        {1989, "平成元年"}, {1990, "平成2年"}, {1999, "平成11年"}, {2009, "平成21年"}, {2014, "平成26年"},
        {2018, "平成30年"},
        {2019, "令和元年"}, {2020, "令和2年"}, {2026, "令和8年"}, {2029, "令和11年"}, {2049, "令和31年"},
        {INT_MAX, "令和2147481629年"},
    };
    // clang-format on
    for (const Row &r : rows)
        EXPECT_EQ(calendar::Nen(r.year), r.text) << r.year;
}

TEST(NenOfMonth, EraInForceOnTheFirstOfTheMonth)
{
    struct Row {
        int year, month;
        const char *text;
    };
    // clang-format off
    const Row rows[] = {
        {INT_MIN, 1, "年"}, {1867, 12, "年"}, {1868, 1, "明治元年"}, {1869, 1, "明治2年"},
        {1912, 7, "明治45年"}, {1912, 8, "大正元年"}, {1913, 1, "大正2年"},
        {1926, 12, "大正15年"}, {1927, 1, "昭和2年"},
        {1989, 1, "昭和64年"}, {1989, 2, "平成元年"},
        {2019, 4, "平成31年"}, {2019, 5, "令和元年"}, {2020, 1, "令和2年"},
        {INT_MAX, 12, "令和2147481629年"},
    };
    // clang-format on
    for (const Row &r : rows)
        EXPECT_EQ(calendar::nenOfMonth(r.year, r.month), r.text) << r.year << '-' << r.month;
}
