// orv's own messages about what it read, in English, German and Spanish (the other language
// slots read the English ones): the text quoted, then what was expected.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "text/StrictRead.h"

namespace Cli {

enum class Command { Convert, Add, Diff, Today, Seq, Easter };

// What went wrong with a case before its fields could be read.
enum class Problem { None, LineTooLong, ControlCharacter, InvalidUtf8, FieldCount };

// "\"TEXT\" is not a Common Era date: write year-month-day, for example 2000-12-31 (...)":
// why text, read as a date of kind (no kind: a day count) in the notation, was refused.
std::string RefusalText(std::string_view text, std::optional<DatePr2::Kind> kind,
                        const StrictRead::Notation& notation, const StrictRead::Field& field,
                        int16_t language);

// The text of a problem; command says which fields a batch line should hold.
std::string ProblemText(Problem problem, Command command, int16_t language);

// What the date jobs refuse, written after the quoted text (or alone: the last three).
enum class JobMessage {
    NotSpan,        // "TEXT" is not a span
    NotYear,        // "TEXT" is not a year
    CalendarNeeded, // years or months added to a notation of day numbers
    NoHolidaysFile, // the holidays file cannot be read
    WorkingDays,    // the unit of a count of working days
};
std::string JobText(JobMessage message, std::string_view text, int16_t language);

} // namespace Cli
