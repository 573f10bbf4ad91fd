// GEN_TEXT: the short texts of the user interface in six language slots (five languages and
// a sixth that stays empty), the weekday names, the day word and the lower-casing rule.
// Filled once by InitMessages; afterwards only currentLanguage changes. No Qt.
// Texts are Latin-1 characters kept as UTF-8.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace GEN_TEXT {

inline constexpr int16_t langEnglish = 0;
inline constexpr int16_t langGerman = 1;
inline constexpr int16_t langFrench = 2;
inline constexpr int16_t langPortuguese = 3;
inline constexpr int16_t langSpanish = 4;
inline constexpr int languageSlots = 6;

// The language every text is shown in; InitMessages sets it to langEnglish.
extern int16_t currentLanguage;

// One catalogue entry: a text per language slot; untranslated slots hold "???" or nothing.
using Entry = std::array<std::string, languageSlots>;

extern Entry txtAnnusNovusDate;
extern Entry txtCalendars;
extern Entry txtClear;
extern Entry txtClickToChangeCalendar;
extern Entry txtClose;
extern Entry txtCommonEraDate;
extern Entry txtCompute;
extern Entry txtCopyToClipboard;
extern Entry txtCopySelectedText;
extern Entry txtCredits;
extern Entry txtDateDifference;
extern Entry txtDateFormat;
extern Entry txtDateSeparator;
extern Entry txtDay;
extern Entry txtDays;
extern Entry txtEnglish;
extern Entry txtError;
extern Entry txtFirstDate;
extern Entry txtGerman;
extern Entry txtHelp;
extern Entry txtInputWindows;
extern Entry txtJulianCalendarDate;
extern Entry txtJulianDayNumber;
extern Entry txtMinus;
extern Entry txtMonth;
extern Entry txtMonths;
extern Entry txtNone;
extern Entry txtOnlineDocumentation;
extern Entry txtOutOfRange;
extern Entry txtOutputWindow;
extern Entry txtPlus;
extern Entry txtQuit;
extern Entry txtSecondDate;
extern Entry txtSecondToFirst;
extern Entry txtSpanish;
extern Entry txtThisIsA;
extern Entry txtThousandsSeparator;
extern Entry txtToday;
extern Entry txtTodayIs;
extern Entry txtWeekFromToday;
extern Entry txtFiveDayWeekFromToday;
extern Entry txtYear;
extern Entry txtYears;
extern Entry txtYyyydddDate;

// Weekday names by language slot and weekday 0 (Sunday) .. 6; weekday 7 and slot 5 empty.
extern std::array<std::array<std::string, 8>, languageSlots> txtDayName;

void InitMessages();

// The entry's text in currentLanguage (the empty text for an index outside 0 to 5).
const std::string& Text(const Entry& entry);

// Weekday name (0 Sunday .. 6 Saturday) in currentLanguage.
const std::string& DayName(int weekday);

// Every capital letter made small, the accented Latin-1 capitals (UTF-8) included.
std::string LowerCase(const std::string& text);

// The lower-casing rule: lower-cased unless currentLanguage is German.
std::string LowerUnlessGerman(const std::string& text);

// "day" for 1 and -1, "days" otherwise, by the lower-casing rule.
std::string DayWord(int32_t n);

} // namespace GEN_TEXT
