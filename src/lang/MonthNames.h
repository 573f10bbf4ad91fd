// The names of the months of every calendar with months, in English, German and Spanish, for
// a date written with its month's name. Transliterations where a language has no name of
// its own. No Qt.
#pragma once

#include <cstdint>
#include <string_view>

namespace MonthNames {

// The name of month `month` of `year` in the calendar of the library letter (Gregorian 'G' or
// 0, Julian, Annus Novus, Hebrew, Islamic, Persian, Coptic, Ethiopic, Indian, French) in the
// GEN_TEXT language (any other than German and Spanish: English). Hebrew month 12 is Adar I
// in a leap year and Adar in a common one; month 13 of the Coptic, Ethiopic and French years
// is the epagomenal or complementary days. Empty for a month the calendar lacks in that year,
// or a calendar without months (the Long Count, the ISO week date).
std::string_view Name(int32_t letter, int32_t year, int32_t month, int16_t language);

} // namespace MonthNames
