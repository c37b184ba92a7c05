// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The almanac's names, UTF-8: the six days of 六曜, the 24 solar terms and the
// seasonal days (雑節).
namespace calendar::koyomi_names
{

// By (lunar month + lunar day) mod 6.
inline constexpr const char *rokuyo[6] = { "大安", "赤口", "先勝", "友引", "先負", "仏滅" };

// By the Sun's longitude / 15, from 春分 at 0 degrees.
inline constexpr const char *sekki[24] = {
    "春分",
    "清明",
    "穀雨",
    "立夏",
    "小満",
    "芒種",
    "夏至",
    "小暑",
    "大暑",
    "立秋",
    "処暑",
    "白露",
    "秋分",
    "寒露",
    "霜降",
    "立冬",
    "小雪",
    "大雪",
    "冬至",
    "小寒",
    "大寒",
    "立春",
    "雨水",
    "啓蟄",
};

inline constexpr char setsubun[] = "節分";
inline constexpr char higanIri[] = "彼岸入り";
inline constexpr char higanAke[] = "彼岸明け";
inline constexpr char hachijuHachiya[] = "八十八夜";
inline constexpr char nyubai[] = "入梅";
inline constexpr char hangesho[] = "半夏生";
inline constexpr char doyoIri[] = "土用入り";
inline constexpr char nihyakuToka[] = "二百十日";
inline constexpr char nihyakuHatsuka[] = "二百二十日";

// Written before the lunar date, as 旧閏11月3日.
inline constexpr char oldCalendar[] = "旧";
inline constexpr char leap[] = "閏";
inline constexpr char month[] = "月";
inline constexpr char day[] = "日";

} // namespace calendar::koyomi_names
