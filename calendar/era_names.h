// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Japanese era names and the year suffix, UTF-8.
namespace calendar::era_names
{

inline constexpr char reiwa[] = "令和";
inline constexpr char heisei[] = "平成";
inline constexpr char showa[] = "昭和";
inline constexpr char taisho[] = "大正";
inline constexpr char meiji[] = "明治";
// Written instead of the number 1 for the first year of an era.
inline constexpr char firstYear[] = "元";
inline constexpr char year[] = "年";

} // namespace calendar::era_names
