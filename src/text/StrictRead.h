// Strict reading of the fields of a command line or a batch, where nobody sees the text before
// it is read: a field is wholly a date in the chosen notation or wholly a whole number, and
// anything else is refused with its reason. The windows keep the forgiving reader of StrProc
// for pasted text. Blanks are spaces; other white space is refused.
//
// Grammar, after the blanks at both ends are trimmed (S the date separator, T the thousands
// mark, "" when there is none):
//   word      = "today" | "yesterday" | "tomorrow"      (any case; a date of any kind)
//   digits    = 1*DIGIT
//   grouped   = 1*3DIGIT 1*(T 3DIGIT)                    (only when T is not "")
//   whole     = ["+" | "-"] (digits | grouped)           a day count, a day number (jdn)
//   yyyyddd   = 7DIGIT                                   year 0001-9999, day 001-365/366
//   year      = digits | grouped                         (grouped only when T is not S)
//   md        = 1*2DIGIT                                 month or day
//   lead      = ["-"] year                               a year written first
//   trail     = year | "(-" year ")" | "-" year          a year written last; the bare
//                                                        minus only when S is not "-"
//   ce, jc    = lead S md S md (ymd) | md S md S trail (dmy, mdy)
//   an        = as ce with S "-", ymd for mdy, and years never grouped
//   hebrew, islamic, persian, coptic, ethiopic, indian, french
//             = as ce, in the calendar's own years, months and days (Hebrew months 1 Nisan
//               .. 12 Adar, 13 Adar II in leap years; months 13 of Coptic, Ethiopic and
//               French: the epagomenal or complementary days)
//   mayan     = ["-"] digits "." md "." md "." md "." md   baktun.katun.tun.uinal.kin, always
//               with "." whatever S and the order; katun, tun, kin 0-19, uinal 0-17; the
//               minus counts the whole count back from the creation (-0.0.0.0.1)
// A date must exist in its calendar and lie within the day numbers -2,100,000,000 ..
// 2,100,000,000; a whole number must lie within the same bounds.
#pragma once

#include <cstdint>
#include <string_view>

#include "calendar/Kinds.h"

namespace StrictRead {

struct Notation {
    DatePr2::Kind kind = DatePr2::Kind::CE;
    DatePr2::DateOrder order = DatePr2::DateOrder::YMD;
    char separator = '-'; // '-', '.' or '/'
    char thousands = ','; // ',', '.' or 0 for none
};

enum class Refusal {
    None,
    Shape,       // not the form of the notation (an empty field included)
    NoSuchMonth, // limit: the last month of the year
    NoSuchDay,   // limit: the days of that month (of that year for yyyyddd)
    NoSuchYear,  // yyyyddd year 0000
    NoSuchPlace, // limit: the largest value of a Long Count place
    OutOfRange   // beyond the day numbers or day counts
};

struct Field {
    Refusal refusal = Refusal::None;
    bool fromClock = false; // today, yesterday or tomorrow: clockOffset days from today
    int32_t clockOffset = 0;
    int32_t value = 0; // the day number of a date, or the whole number (not for fromClock)
    int32_t limit = 0; // see Refusal
    bool Accepted() const { return refusal == Refusal::None; }
};

// A date of the notation's kind (a jdn is a whole number under the notation's mark).
Field ReadDate(std::string_view text, const Notation& notation);

// A whole number: a day count, with the thousands mark thousands (0 for none).
Field ReadWholeNumber(std::string_view text, char thousands);

} // namespace StrictRead
