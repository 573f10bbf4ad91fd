// StrProc: reading and writing dates and whole numbers as the user types and sees them,
// and the characters the input windows take. No Qt. Texts are UTF-8.
#pragma once

#include <cstdint>
#include <string>

#include "mibrexw.h"

namespace StrProc {

// Parse status.
inline constexpr int16_t statusRead = 1;
inline constexpr int16_t statusInvalid = 0;
inline constexpr int16_t statusOutOfRange = -1;

// Reads a date of the given calendar kind (DatePr2::CE ..) typed with the date separator in
// the date order. Returns 1 (rec filled, JDN included), 0 (not a valid date) or -1 (out of
// range). Never fails on any text, of any length or content.
int16_t ParseDate(std::string text, std::string separator, int16_t kind, int16_t order,
                  DateRecord& rec);

// Writes a Gregorian, Julian or Annus Novus date (rec's letter) in the date order.
std::string FormatDate(const DateRecord& rec, int16_t order, const std::string& separator,
                       const std::string& thousands);

// Removes every character that is neither a digit, nor "-", nor a character of separator.
void KeepDateCharacters(std::string& text, const std::string& separator);

// Positions of text that hold the character (saturates at INT16_MAX).
int16_t CountChar(const std::string& text, char character);

// Reads a whole number leniently; status 1 read, 0 not a number, -1 out of range.
int32_t ParseWholeNumber(std::string text, int16_t& status);

// Keeps only the digits and one leading sign.
void CleanNumberText(std::string& text, bool minusAllowed);

std::string InsertThousandsSeparators(const std::string& number, const std::string& separator);

void CutAtNul(std::string& text);

// Key filters of the input windows: keyCode is the character code of the typed key.
bool DateKeyAllowed(int keyCode, int length, int maximum, const std::string& separator);
bool DayCountKeyAllowed(int keyCode, int length, int maximum, const std::string& separator);

} // namespace StrProc
