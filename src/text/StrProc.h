// StrProc: reading and writing dates and whole numbers as the user types and sees them,
// and the characters the input windows take. No Qt. Texts are UTF-8.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "calendar/Kinds.h"
#include "mibrexw.h"

namespace StrProc {

// Parse status.
inline constexpr int16_t statusRead = 1;
inline constexpr int16_t statusInvalid = 0;
inline constexpr int16_t statusOutOfRange = -1;

// Reads a date of the given calendar kind typed with the date separator in the date order. Returns
// 1 (rec filled, JDN included), 0 (not a valid date) or -1 (out of range). Never fails on any text,
// of any length or content.
int16_t ParseDate(std::string text, std::string separator, DatePr2::Kind kind,
                  DatePr2::DateOrder order, DateRecord& rec);

// Writes rec's year, month and day (Gregorian, Julian or Annus Novus by rec's letter) in the
// date order with two-digit months and days; years beyond four digits grouped with thousands
// unless ParseDate could not drop that mark again. Annus Novus always uses "-".
// Appends what FormatDate returns, for writers that keep their strings between lines.
void AppendDate(std::string& out, const DateRecord& rec, DatePr2::DateOrder order,
                std::string_view separator, std::string_view thousands);
// The most bytes WriteDecimal writes: the sign and 19 digits.
inline constexpr std::size_t mostDecimalBytes = 20;

// value's decimal digits, its sign in front, written at out; returns the end. Every number
// orv and the windows write goes through here.
char* WriteDecimal(char* out, int64_t value);

// Appends value with its digits grouped by three under the first character of thousands (none
// or NUL: not grouped), as InsertThousandsSeparators groups a number's text.
void AppendGrouped(std::string& out, int64_t value, std::string_view thousands);
std::string FormatDate(const DateRecord& rec, DatePr2::DateOrder order,
                       const std::string& separator, const std::string& thousands);

// The Long Count of a JDN: b.k.t.u.k, a minus before the whole count before the creation.
std::string FormatLongCount(int32_t jdn);

// Removes every character that is neither a digit, nor "-", nor a character of separator.
void KeepDateCharacters(std::string& text, const std::string& separator);

// Positions of text that hold the character (saturates at INT16_MAX).
int16_t CountChar(const std::string& text, char character);

// Reads a whole number leniently (other characters dropped as CleanNumberText does); status
// := 1 read, 0 not a number (value 0), -1 beyond smallestDayNumber .. largestDayNumber
// (value: the number itself while its digits stay within 2,147,483,647, otherwise 0). Any
// text, of any length.
int32_t ParseWholeNumber(std::string text, int16_t& status);

// Keeps only the digits and, before the first digit, the first "+" and (when minusAllowed)
// the first "-", in the order typed.
void CleanNumberText(std::string& text, bool minusAllowed);

// A plain number (optional "-", then digits) grouped by threes with the first character of
// separator; any other text, one too long to group in 19 characters, or an empty separator
// comes back unchanged.
std::string InsertThousandsSeparators(const std::string& number, const std::string& separator);

void CutAtNul(std::string& text); // drops the first NUL and everything after it

// The text without the blanks at its ends (a view into `text`); other white space is the
// parsers' business.
std::string_view TrimBlanks(std::string_view text);

// Key filters of the input windows: keyCode is the character code of the typed key; control
// keys (backspace, copy, paste, cut) always pass, others only below the maximum length.
bool DateKeyAllowed(int keyCode, int length, int maximum, const std::string& separator);
bool DayCountKeyAllowed(int keyCode, int length, int maximum, const std::string& separator);

} // namespace StrProc
