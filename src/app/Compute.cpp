#include "app/Compute.h"

#include <optional>
#include <string_view>
#include <utility>

#include "app/DateWindowOps.h"
#include "calendar/DatePr2.h"
#include "calendar/IsoWeekText.h"
#include "lang/GEN_TEXT.h"
#include "text/StrProc.h"

namespace Compute {

namespace {

using DatePr2::Form;
using DatePr2::InDayNumberRange;
using DatePr2::Kind;
using DateWindowOps::Side;
using WindowTexts::ComputeMessage;

// What the windows held once read: the dates (a computed one too), their echoes in the
// result line and the count.
struct ReadWindows {
    Kind firstKind = Kind::CE;
    Kind secondKind = Kind::CE;
    DateRecord first{};
    DateRecord second{};
    std::string firstEcho;
    std::string secondEcho;
    int32_t count = 0; // the typed day count, then the difference of two dates
    std::optional<Breakdown> breakdown;
};

// The text under which a date appears in the result line; a kind without a code (yyyyddd)
// shows the text alone.
std::string EchoText(const std::string& windowText, Kind kind) {
    const std::string_view code = DatePr2::FactsOf(kind).code;
    if (code.empty()) return windowText;
    return windowText + " " + std::string(code);
}

std::string CountWord(int32_t count, const GEN_TEXT::Entry& singular,
                      const GEN_TEXT::Entry& plural) {
    return std::to_string(count) + " " +
           GEN_TEXT::LowerUnlessGerman(GEN_TEXT::Text(count == 1 ? singular : plural));
}

// The breakdown of a positive difference of two dates of one calendar, or nothing when the
// difference is under a month or cannot be counted.
std::optional<Breakdown> BreakdownOf(DateRecord earlier, DateRecord later, Kind kind) {
    Breakdown b;
    int32_t error = 0;
    if (DatePr2::FactsOf(kind).form == Form::YearDay)
        DatePr2::YearsDaysBetween(earlier, later, b.years, b.days, error);
    else
        DatePr2::YearsMonthsDaysBetween(earlier, later, b.years, b.months, b.days, error);
    if (error != 0 || (b.years == 0 && b.months == 0)) return std::nullopt;
    return b;
}

// A typed date read into rec and its window rewritten in canonical form; the refusal's
// message, or noMessage.
ComputeMessage ReadDate(std::string& window, Side side, Kind kind, const Input& in,
                        DateRecord& rec) {
    const int16_t status = StrProc::ParseDate(window, in.separator, kind, in.order, rec);
    if (status != StrProc::statusRead) return DateWindowOps::RefusalMessage(side, status, kind);
    switch (DatePr2::FactsOf(kind).form) {
    case Form::DayNumber:
        window = StrProc::InsertThousandsSeparators(std::to_string(rec.jdn), in.thousands);
        break;
    case Form::CalendarDate:
        window = StrProc::FormatDate(rec, in.order, in.separator, in.thousands);
        break;
    case Form::WeekDate:
        window.clear();
        DateJobs::AppendIsoWeekText(rec.jdn, window);
        break;
    case Form::LongCount:
        window = StrProc::FormatLongCount(rec.jdn);
        break;
    case Form::YearDay:
        break;
    }
    return WindowTexts::noMessage;
}

// Step 1, what the run does: the windows trimmed, today in the first window when both dates
// are empty, and a difference beside two dates dropped ("0", or by the user's answer).
// False when the user keeps it: the run ends there.
bool DecideRun(const Input& in, Kind firstKind, const AskClearDifference& ask, Output& out) {
    out.firstDate = StrProc::TrimBlanks(in.firstDate);
    out.secondDate = StrProc::TrimBlanks(in.secondDate);
    out.dateDiff = StrProc::TrimBlanks(in.dateDiff);
    if (out.firstDate.empty() && out.secondDate.empty()) {
        out.dateDiff.clear();
        out.firstDate = DateWindowOps::DateTextFromToday(
            0, firstKind, DateWindowOps::Format{in.order, in.separator, in.thousands});
    }
    const bool bothDates = !out.firstDate.empty() && !out.secondDate.empty();
    if (bothDates && out.dateDiff == "0") out.dateDiff.clear();
    if (!bothDates || out.dateDiff.empty()) return true;
    if (ask && ask() == MessageBoxes::Answer::Yes) {
        out.dateDiff.clear();
        return true;
    }
    return false;
}

// Step 2, read and echo the windows in order (first date, day count, second date), each
// rewritten in canonical form; the first refusal ends the run, the windows read before it
// keep their new form.
ComputeMessage ReadAndEcho(const Input& in, Output& out, ReadWindows& read) {
    if (!out.firstDate.empty()) {
        const ComputeMessage refused =
            ReadDate(out.firstDate, Side::First, read.firstKind, in, read.first);
        if (refused != WindowTexts::noMessage) return refused;
        read.firstEcho = EchoText(out.firstDate, read.firstKind);
    }
    if (!out.dateDiff.empty()) {
        int16_t status = 0;
        read.count = StrProc::ParseWholeNumber(out.dateDiff, status);
        if (status < 0) return WindowTexts::msgDifferenceOutOfRange;
        if (status == 0) return WindowTexts::msgDifferenceInvalid;
        out.dateDiff = StrProc::InsertThousandsSeparators(std::to_string(read.count), in.thousands);
    }
    if (!out.secondDate.empty()) {
        const ComputeMessage refused =
            ReadDate(out.secondDate, Side::Second, read.secondKind, in, read.second);
        if (refused != WindowTexts::noMessage) return refused;
        read.secondEcho = EchoText(out.secondDate, read.secondKind);
    }
    return WindowTexts::noMessage;
}

// Step 3, the start of the result line: the dates as read and the step between them, the
// sign of a typed day count read as the direction of the step.
std::string LineStart(const Output& out, const ReadWindows& read) {
    const std::string& plus = GEN_TEXT::Text(GEN_TEXT::txtPlus);
    const std::string& minus = GEN_TEXT::Text(GEN_TEXT::txtMinus);
    if (!out.firstDate.empty() && !out.secondDate.empty())
        return read.secondEcho + " " + minus + " " + read.firstEcho;
    const bool fromFirst = !out.firstDate.empty();
    std::string line = fromFirst ? read.firstEcho : read.secondEcho;
    const std::string& diff = out.dateDiff;
    if (diff.empty()) return line;
    const bool backward = diff.front() == '-';
    const std::string_view word = (backward == fromFirst) ? std::string_view(minus) : plus;
    line += ' ';
    line += word;
    line += ' ';
    line += backward ? diff.substr(1) : diff;
    return line + " " + GEN_TEXT::DayWord(read.count);
}

// Step 4a, two dates: the days between them, written into the difference window and the
// line with a breakdown for two dates of one calendar. False when out of range.
bool ComputeDifference(const Input& in, ReadWindows& read, Output& out) {
    int32_t difference = 0;
    // A count beyond +-2,100,000,000 would be refused when read back from its window.
    if (__builtin_sub_overflow(read.second.jdn, read.first.jdn, &difference) ||
        !InDayNumberRange(difference))
        return false;
    read.count = difference;
    out.dateDiff = StrProc::InsertThousandsSeparators(std::to_string(difference), in.thousands);
    out.appended += out.dateDiff + " " + GEN_TEXT::DayWord(difference);
    if (difference > 0 && read.firstKind == read.secondKind &&
        DatePr2::FactsOf(read.firstKind).breakdown)
        read.breakdown = BreakdownOf(read.first, read.second, read.firstKind);
    if (read.breakdown) out.appended += " (" + BreakdownText(*read.breakdown) + ")";
    return true;
}

// Step 4b, one date and the day count: the other date, later by the count when the first date
// was given, earlier when the second was. False when out of range.
bool ComputeOtherDate(const Input& in, ReadWindows& read, bool sameCalendar, Output& out) {
    const bool fromFirst = out.secondDate.empty();
    const DateRecord& given = fromFirst ? read.first : read.second;
    const Kind kind = fromFirst ? read.secondKind : read.firstKind;
    std::string& window = fromFirst ? out.secondDate : out.firstDate;
    DateRecord& result = fromFirst ? read.second : read.first;
    result = DateRecord{};
    const bool overflow = fromFirst ? __builtin_add_overflow(given.jdn, read.count, &result.jdn)
                                    : __builtin_sub_overflow(given.jdn, read.count, &result.jdn);
    if (overflow || !InDayNumberRange(result.jdn)) return false;
    // With the same calendar on both sides the other window is left alone, but for yyyyddd,
    // whose text is the same date.
    if (!sameCalendar || DatePr2::FactsOf(kind).form == Form::YearDay) {
        std::string text;
        const DateWindowOps::Format format{in.order, in.separator, in.thousands};
        DateRecord written = result;
        if (!DateWindowOps::ResultDateText(written, kind, format, text)) return false;
        window = std::move(text);
    }
    if (!sameCalendar) out.appended += EchoText(window, kind);
    out.appended += ", " + DateWindowOps::WeekdayName(result.jdn, kind);
    return true;
}

// Step 5, the facts of the completed run, from what the windows hold.
void KeepFacts(const ReadWindows& read, bool bothDates, Output& out) {
    const auto facts = [](const std::string& text, int32_t jdn, Kind kind) {
        return DateFacts{text, jdn, kind, DateWindowOps::WeekdayName(jdn, kind)};
    };
    if (!out.firstDate.empty()) out.first = facts(out.firstDate, read.first.jdn, read.firstKind);
    if (!out.secondDate.empty())
        out.second = facts(out.secondDate, read.second.jdn, read.secondKind);
    if (bothDates || !out.dateDiff.empty()) out.days = read.count;
    out.breakdown = read.breakdown;
}

} // namespace

std::string BreakdownText(const Breakdown& b) {
    std::string text;
    if (b.years > 0) text += CountWord(b.years, GEN_TEXT::txtYear, GEN_TEXT::txtYears);
    if (b.months > 0) {
        if (b.years > 0) text += ", ";
        text += CountWord(b.months, GEN_TEXT::txtMonth, GEN_TEXT::txtMonths);
    }
    if (b.days > 0) {
        if (b.years > 0 || b.months > 0) text += ", ";
        text += CountWord(b.days, GEN_TEXT::txtDay, GEN_TEXT::txtDays);
    }
    return text;
}

Output Run(const Input& in, const AskClearDifference& ask) {
    Output out;
    ReadWindows read;
    read.firstKind = in.firstKind;
    read.secondKind = in.secondKind;
    if (!DecideRun(in, read.firstKind, ask, out)) return out;
    out.message = ReadAndEcho(in, out, read);
    if (out.message != WindowTexts::noMessage) return out;

    // Step 4, compute, building the line on.
    const bool bothDates = !out.firstDate.empty() && !out.secondDate.empty();
    const bool sameCalendar =
        !bothDates && out.dateDiff.empty() && read.firstKind == read.secondKind;
    out.appended = LineStart(out, read);
    if (!sameCalendar) out.appended += " = ";
    const bool inRange = bothDates ? ComputeDifference(in, read, out)
                                   : ComputeOtherDate(in, read, sameCalendar, out);
    if (!inRange) {
        out.appended += GEN_TEXT::Text(GEN_TEXT::txtOutOfRange) + "\r\n";
        out.caret = Caret::End;
        out.message = WindowTexts::msgResultOutOfRange;
        return out;
    }
    out.appended += "\r\n";
    out.caret = Caret::EndMinusOne;
    out.dayWord = GEN_TEXT::DayWord(read.count);
    KeepFacts(read, bothDates, out);
    return out;
}

} // namespace Compute
