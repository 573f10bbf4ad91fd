// What Compute decides and computes, without Qt: the three input texts, the two calendar
// kinds, the date order and the separators go in (the language is GEN_TEXT::currentLanguage);
// the new texts of the three windows, the text appended to the output window, the message to
// show and the day word come out. The question is answered through a callback.
// cmdCompute_Click reads the window, calls Run and writes the window; a command line can do
// the same.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "app/MessageBoxes.h"
#include "app/WindowTexts.h"
#include "calendar/Kinds.h"
#include "mibrexw.h"

namespace Compute {

struct Input {
    std::string firstDate;  // text of txbFirstDate
    std::string secondDate; // text of txbSecondDate
    std::string dateDiff;   // text of txbDateDiffDays
    DatePr2::Kind firstKind = DatePr2::Kind::CE;
    DatePr2::Kind secondKind = DatePr2::Kind::CE;
    DatePr2::DateOrder order = DatePr2::DateOrder::YMD;
    std::string separator = "-";
    std::string thousands = ",";
    // The day numbers of firstDate and secondDate when the caller has read them strictly
    // already: the texts are then rewritten from the day rather than read again.
    std::optional<int32_t> firstDay = std::nullopt;
    std::optional<int32_t> secondDay = std::nullopt;
    // Only the windows' texts and the facts are wanted: no result line, day word or weekday
    // names are written (a caller that prints a value alone).
    bool factsOnly = false;
};

enum class Caret {
    Untouched,   // no line was written (refused input, question declined)
    EndMinusOne, // a finished result line: caret to text length - 1
    End          // an out-of-range line: caret to the text length
};

// A date of the run: its window's text, its day number, its kind and its weekday.
struct DateFacts {
    std::string text;
    int32_t jdn = 0;
    DatePr2::Kind kind = DatePr2::Kind::CE;
    std::string weekday;    // in currentLanguage; the Annus Novus name for its calendar
    int32_t isoWeekday = 0; // 1 Monday .. 7 Sunday; 0, as the weekday is empty, for factsOnly
    // The numbers the text was written from: year, month and day of a calendar date, ISO
    // year, week and weekday of a week date, the Gregorian date of yyyyddd; 0 for day
    // numbers and the Long Count.
    int32_t year = 0;
    int32_t month = 0;
    int32_t day = 0;
};

// Whole years, months and days between two dates of one calendar (yyyyddd: years and days).
struct Breakdown {
    int32_t years = 0;
    int16_t months = 0;
    int16_t days = 0;
};

// "1 year, 2 months, 14 days" in currentLanguage, the parts that are not 0.
// facts of a date written as text from rec (the numbers as the writer left them in rec), with
// its weekday unless weekday is false: what a run keeps of each of its dates.
void FillDateFacts(DateFacts& facts, const std::string& text, const DateRecord& rec,
                   DatePr2::Kind kind, bool weekday);

std::string BreakdownText(const Breakdown& b);

struct Output {
    // New texts of the three input windows (always set: trimmed, rewritten or filled in).
    std::string firstDate, secondDate, dateDiff;
    // Text to append to the output window (empty when nothing is written).
    std::string appended;
    // The message to show after the windows are written (its text:
    // WindowTexts::ComputeErrorInCurrentLanguage), or noMessage.
    WindowTexts::ComputeMessage message = WindowTexts::noMessage;
    Caret caret = Caret::Untouched;
    // New caption of lblDayOrDays, when the run completed.
    std::optional<std::string> dayWord;

    // The facts of a completed run (no message): the dates whose windows hold one (the
    // second absent when a conversion into the same calendar leaves it empty), the day count
    // of a sum or a difference, and the breakdown when the line shows one.
    std::optional<DateFacts> first, second;
    std::optional<int32_t> days;
    std::optional<Breakdown> breakdown;

    // The unit words of the line (day, days, month, months, year, years) lowered for the
    // language of the last run: kept here, with the caller, so that a batch lowers them once
    // and no run shares state with another.
    struct UnitWords {
        int16_t language = -1;
        std::array<std::string, 6> lowered;
    } words;
};

// Asked when all three windows are filled; Yes clears the difference, anything else (or no
// function) ends the run with the windows trimmed.
using AskClearDifference = std::function<MessageBoxes::Answer()>;

// One press of Compute: reads only its arguments, the language and the clock (for an empty
// run); changes nothing else. Any texts, of any length, are answered without overflow.
Output Run(const Input& in, const AskClearDifference& ask);

// The same run into an Output kept from an earlier one, whose strings are reused: a batch
// pays for no allocations once its texts have grown.
void Run(const Input& in, const AskClearDifference& ask, Output& out);

} // namespace Compute
