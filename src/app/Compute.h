// What Compute decides and computes, without Qt: the three input texts, the two calendar
// kinds, the date order and the separators go in (the language is GEN_TEXT::currentLanguage);
// the new texts of the three windows, the text appended to the output window, the message to
// show and the day word come out. The question is answered through a callback.
// cmdCompute_Click reads the window, calls Run and writes the window; a command line can do
// the same.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "app/MessageBoxes.h"
#include "app/WindowTexts.h"

namespace Compute {

struct Input {
    std::string firstDate;  // text of txbFirstDate
    std::string secondDate; // text of txbSecondDate
    std::string dateDiff;   // text of txbDateDiffDays
    int16_t firstKind = 0;  // CalendarOfDate(1)
    int16_t secondKind = 0; // CalendarOfDate(2)
    int16_t order = 2;      // SelectedDateOrder()
    std::string separator = "-";
    std::string thousands = ",";
    bool inputError = false; // InputError before the run (kept by a run the question ends)
};

enum class Caret {
    Untouched,   // no line was written (refused input, question declined)
    EndMinusOne, // a finished result line: caret to text length - 1
    End          // an out-of-range line: caret to the text length
};

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
    // True when today's date was put into the first window (both date windows were empty).
    bool todayFilled = false;
    // InputError as the run left it.
    bool inputError = false;
};

// Asked when all three windows are filled; Yes clears the difference, anything else (or no
// function) ends the run with the windows trimmed.
using AskClearDifference = std::function<MessageBoxes::Answer()>;

// One press of Compute: reads only its arguments, the language and the clock (for an empty
// run); changes nothing else. Any texts, of any length, are answered without overflow.
Output Run(const Input& in, const AskClearDifference& ask);

} // namespace Compute
