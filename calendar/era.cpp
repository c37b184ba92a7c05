#include "calendar/era.h"

#include "calendar/era_names.h"

#include <string>

namespace calendar
{

std::string Nen(int year)
{
    // The era is chosen by the year alone: the year of a change belongs to the
    // new era, so 1989 is 平成元年 although 昭和 lasted until 7 January.
    std::string name;
    std::string number;
    if (2018 < year) {
        name = era_names::reiwa;
        number = std::to_string(year - 2018);
    } else if (1988 < year && year < 2019) {
        name = era_names::heisei;
        number = std::to_string(year - 1988);
    } else if (1925 < year && year < 1989) {
        name = era_names::showa;
        number = std::to_string(year - 1925);
    } else if (1911 < year && year < 1926) {
        name = era_names::taisho;
        number = std::to_string(year - 1911);
    } else if (1867 < year && year < 1912) {
        name = era_names::meiji;
        number = std::to_string(year - 1867);
    }
    if (number == "1")
        number = era_names::firstYear;
    return name + number + era_names::year;
}

} // namespace calendar
