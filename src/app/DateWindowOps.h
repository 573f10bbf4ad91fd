// The date-window commands of the main window without Qt: re-expressing a typed date in
// another calendar, stepping a date by a day, "Second -> First", today's date for a window
// and the two today labels. The window reads its controls, calls these and writes the
// results back.
#pragma once

#include <cstdint>
#include <string>

#include "app/WindowTexts.h"
#include "calendar/DatePr2.h"

namespace DateWindowOps {

// The settings every routine reads (the window passes its current ones).
struct Format {
    int16_t order = 2;           // SelectedDateOrder()
    std::string separator = "-"; // date separator
    std::string thousands = ","; // thousands separator, "" for none
};

// The text of a result JDN (rec.jdn) written into a date window of the given kind: JDN
// grouped, yyyyddd, or CE / JC / AN by FormatDate. False (text untouched) for a yyyyddd
// result outside 1721426 .. 5373484. Overwrites rec's letter and date with the conversion's.
bool ResultDateText(DateRecord& rec, int16_t kind, const Format& f, std::string& text);

// ConvertDateText: the source text, written in fromKind, re-expressed in toKind. False when
// the source is empty, the kinds are equal, the text is no date, or yyyyddd is out of range.
bool ConvertDateText(const std::string& source, int16_t fromKind, int16_t toKind, const Format& f,
                     std::string& converted);

// StepDateText for date window `which` (1 or 2) of calendar kind `kind`, moved by `days`:
// a refused text or a day beyond the day numbers (even past 32 bits) comes back unchanged
// with its message.
struct StepResult {
    std::string text; // the new text, or the unchanged one
    WindowTexts::ComputeMessage message = WindowTexts::noMessage; // to show
    bool outOfRange = false; // append txtOutOfRange and CR LF to the output window
};
StepResult StepDateText(int which, const std::string& text, int32_t days, int16_t kind,
                        const Format& f);

// "Second -> First": the second window's text of kind k2 into a first window of kind k1.
// An empty second text moves nothing and shows nothing. A yyyyddd first window takes the
// yyyyddd form of the day, which exists only within 1721426 .. 5373484.
struct MoveResult {
    bool moved = false; // true: first window := firstText, second window emptied
    std::string firstText;
    // When not moved: a second-date message (refused), msgResultOutOfRange (no yyyyddd form).
    WindowTexts::ComputeMessage message = WindowTexts::noMessage;
};
MoveResult MoveSecondToFirst(const std::string& secondText, int16_t k2, int16_t k1,
                             const Format& f);

// Today's date moved by `days` as the Today buttons (days 0) and the today labels write it for
// a kind: as ResultDateText does, but yyyyddd for any day (GregorianYearDayText). Counts
// from the reading `now` of the clock; the day is kept inside 32 bits whatever it says.
std::string DateTextFromToday(int32_t days, int16_t kind, const Format& f,
                              const DatePr2::LocalNow& now = DatePr2::Now());

// The weekday of a JDN for a date of the kind: the Annus Novus name for AN, otherwise
// GEN_TEXT::DayName in currentLanguage.
std::string WeekdayName(int32_t jdn, int16_t kind);

// The two today labels (CR LF inside) for TodayKind in currentLanguage; the date and the
// time come from one reading of DatePr2::Now().
struct TodayLabels {
    std::string today, week;
};
TodayLabels TodayLabelTexts(int16_t todayKind, const Format& f);

int16_t NextTodayKind(int16_t kind);     // CE -> JC -> AN -> JDN -> yyyyddd -> CE
int16_t PreviousTodayKind(int16_t kind); // the reverse

} // namespace DateWindowOps
