// The date-window commands of the main window without Qt: re-expressing a typed date in
// another calendar, stepping a date by a day, "Second -> First", today's date for a window
// and the two today labels. The window reads its controls, calls these and writes the
// results back.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "app/WindowTexts.h"
#include "calendar/DatePr2.h"

namespace DateWindowOps {

using DatePr2::Kind;

// The settings every routine reads (the window passes its current ones).
struct Format {
    DatePr2::DateOrder order = DatePr2::DateOrder::YMD;
    std::string separator = "-"; // date separator
    std::string thousands = ","; // thousands separator, "" for none
};

// The text of a result JDN (rec.jdn) written into a date window of the given kind: JDN
// grouped, yyyyddd, or CE / JC / AN by FormatDate. False (text untouched) for a yyyyddd
// result outside 1721426 .. 5373484. Overwrites rec's letter and date with the conversion's.
bool ResultDateText(DateRecord& rec, Kind kind, const Format& f, std::string& text);
// The same into text, from the format's parts: Compute writes its windows through it into
// strings kept between runs, without building a Format.
bool AppendResultDate(DateRecord& rec, Kind kind, DatePr2::DateOrder order,
                      std::string_view separator, std::string_view thousands, std::string& text);

// ConvertDateText: the source text, written in fromKind, re-expressed in toKind. False when
// the source is empty, the kinds are equal, the text is no date, or yyyyddd is out of range.
bool ConvertDateText(const std::string& source, Kind fromKind, Kind toKind, const Format& f,
                     std::string& converted);

// The two date windows.
enum class Side { First, Second };

// The message for a date of the kind that ParseDate refused with `status` (0 or -1) in the
// date window of that side.
WindowTexts::ComputeMessage RefusalMessage(Side side, int16_t status, Kind kind);

// StepDateText for the date window of that side, of calendar kind `kind`, moved by `days`:
// a refused text or a day beyond the day numbers (even past 32 bits) comes back unchanged
// with its message.
struct StepResult {
    std::string text; // the new text, or the unchanged one
    WindowTexts::ComputeMessage message = WindowTexts::noMessage; // to show
    bool outOfRange = false; // append txtOutOfRange and CR LF to the output window
};
StepResult StepDateText(Side side, const std::string& text, int32_t days, Kind kind,
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
MoveResult MoveSecondToFirst(const std::string& secondText, Kind k2, Kind k1, const Format& f);

// Today's date moved by `days` as the Today buttons (days 0) and the today labels write it for
// a kind: as ResultDateText does, but yyyyddd for any day (GregorianYearDayText). Counts
// from the reading `now` of the clock; the day is kept inside 32 bits whatever it says.
std::string DateTextFromToday(int32_t days, Kind kind, const Format& f,
                              const DatePr2::LocalNow& now = DatePr2::Now());

// The weekday of a JDN for a date of the kind: the Annus Novus name for its calendar, otherwise
// GEN_TEXT::DayName in currentLanguage.
std::string WeekdayName(int32_t jdn, Kind kind);

// The two today labels (CR LF inside) for TodayKind in currentLanguage; the date and the
// time come from one reading of DatePr2::Now().
struct TodayLabels {
    std::string today, week;
};
TodayLabels TodayLabelTexts(Kind todayKind, const Format& f);

Kind NextTodayKind(Kind kind);     // CE -> JC -> AN -> JDN -> yyyyddd -> CE
Kind PreviousTodayKind(Kind kind); // the reverse

} // namespace DateWindowOps
