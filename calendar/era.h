#pragma once

#include <string>

namespace calendar
{

// Returns the Japanese era year of a Gregorian year as UTF-8 text, e.g. "令和8年"
// for 2026; the first year of an era is written "元" ("平成元年"). Years before
// 1868 give "年" alone.
std::string Nen(int year);

} // namespace calendar
