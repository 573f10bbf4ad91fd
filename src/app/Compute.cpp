#include "app/Compute.h"

#include <string_view>
#include <utility>

#include "app/DateWindowOps.h"
#include "calendar/DatePr2.h"
#include "lang/GEN_TEXT.h"
#include "text/StrProc.h"

namespace Compute {

namespace {

using DatePr2::InDayNumberRange;
using DatePr2::KnownKind;
using WindowTexts::ComputeMessage;

// What the windows held once read: the dates, their echoes in the result line and the count.
struct ReadWindows {
    int16_t firstKind = DatePr2::CE;
    int16_t secondKind = DatePr2::CE;
    DateRecord first{};
    DateRecord second{};
    std::string firstEcho;
    std::string secondEcho;
    int32_t count = 0; // the typed day count, then the difference of two dates
};

const std::string& CodeOf(int16_t kind) {
    return DatePr2::calendarCode[static_cast<std::size_t>(KnownKind(kind))];
}

// The text under which a date appears in the result line; yyyyddd carries no code.
std::string EchoText(const std::string& windowText, int16_t kind) {
    if (kind == DatePr2::YYYYDDD) return windowText;
    return windowText + " " + CodeOf(kind);
}

std::string CountWord(int32_t count, const GEN_TEXT::Entry& singular,
                      const GEN_TEXT::Entry& plural) {
    return std::to_string(count) + " " +
           GEN_TEXT::LowerUnlessGerman(GEN_TEXT::Text(count == 1 ? singular : plural));
}

// " (1 year, 2 months, 14 days)" for a positive difference of two dates of one calendar,
// or nothing when the difference is under a month or cannot be counted.
std::string Breakdown(DateRecord earlier, DateRecord later, int16_t kind) {
    int32_t years = 0;
    int16_t months = 0;
    int16_t days = 0;
    int32_t error = 0;
    if (kind == DatePr2::YYYYDDD)
        DatePr2::YearsDaysBetween(earlier, later, years, days, error);
    else
        DatePr2::YearsMonthsDaysBetween(earlier, later, years, months, days, error);
    if (error != 0 || (years == 0 && months == 0)) return {};
    std::string text = " (";
    if (years > 0) text += CountWord(years, GEN_TEXT::txtYear, GEN_TEXT::txtYears);
    if (months > 0) {
        if (years > 0) text += ", ";
        text += CountWord(months, GEN_TEXT::txtMonth, GEN_TEXT::txtMonths);
    }
    if (days > 0) {
        if (years > 0 || months > 0) text += ", ";
        text += CountWord(days, GEN_TEXT::txtDay, GEN_TEXT::txtDays);
    }
    return text + ")";
}

// The messages of one date window: not a date, not an Annus Novus date, out of range.
struct DateMessages {
    ComputeMessage invalid, invalidAnnusNovus, outOfRange;
};
constexpr DateMessages firstDateMessages{WindowTexts::msgFirstDateInvalid,
                                         WindowTexts::msgFirstDateInvalidAnnusNovus,
                                         WindowTexts::msgFirstDateOutOfRange};
constexpr DateMessages secondDateMessages{WindowTexts::msgSecondDateInvalid,
                                          WindowTexts::msgSecondDateInvalidAnnusNovus,
                                          WindowTexts::msgSecondDateOutOfRange};

// A typed date read into rec and its window rewritten in canonical form; the refusal's
// message, or noMessage.
ComputeMessage ReadDate(std::string& window, int16_t kind, const Input& in, DateRecord& rec,
                        const DateMessages& messages) {
    const int16_t status = StrProc::ParseDate(window, in.separator, kind, in.order, rec);
    if (status < 0) return messages.outOfRange;
    if (status == 0) return kind == DatePr2::AN ? messages.invalidAnnusNovus : messages.invalid;
    if (kind == DatePr2::JDN)
        window = StrProc::InsertThousandsSeparators(std::to_string(rec.jdn), in.thousands);
    else if (kind != DatePr2::YYYYDDD)
        window = StrProc::FormatDate(rec, in.order, in.separator, in.thousands);
    return WindowTexts::noMessage;
}

// Step 1, what the run does: the windows trimmed, today in the first window when both dates
// are empty, and a difference beside two dates dropped ("0", or by the user's answer).
// False when the user keeps it: the run ends there.
bool DecideRun(const Input& in, int16_t firstKind, const AskClearDifference& ask, Output& out) {
    out.firstDate = StrProc::TrimBlanks(in.firstDate);
    out.secondDate = StrProc::TrimBlanks(in.secondDate);
    out.dateDiff = StrProc::TrimBlanks(in.dateDiff);
    if (out.firstDate.empty() && out.secondDate.empty()) {
        out.dateDiff.clear();
        out.firstDate = DateWindowOps::DateTextFromToday(
            0, firstKind, DateWindowOps::Format{in.order, in.separator, in.thousands});
        out.todayFilled = true;
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
            ReadDate(out.firstDate, read.firstKind, in, read.first, firstDateMessages);
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
            ReadDate(out.secondDate, read.secondKind, in, read.second, secondDateMessages);
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
    if (difference > 0 && read.firstKind == read.secondKind && read.firstKind != DatePr2::JDN)
        out.appended += Breakdown(read.first, read.second, read.firstKind);
    return true;
}

// Step 4b, one date and the day count: the other date, later by the count when the first date
// was given, earlier when the second was. False when out of range.
bool ComputeOtherDate(const Input& in, const ReadWindows& read, bool sameCalendar, Output& out) {
    const bool fromFirst = out.secondDate.empty();
    const DateRecord& given = fromFirst ? read.first : read.second;
    const int16_t kind = fromFirst ? read.secondKind : read.firstKind;
    std::string& window = fromFirst ? out.secondDate : out.firstDate;
    DateRecord result{};
    const bool overflow = fromFirst ? __builtin_add_overflow(given.jdn, read.count, &result.jdn)
                                    : __builtin_sub_overflow(given.jdn, read.count, &result.jdn);
    if (overflow || !InDayNumberRange(result.jdn)) return false;
    // With the same calendar on both sides the other window is left alone, but for yyyyddd,
    // whose text is the same date.
    if (!sameCalendar || kind == DatePr2::YYYYDDD) {
        std::string text;
        const DateWindowOps::Format format{in.order, in.separator, in.thousands};
        if (!DateWindowOps::ResultDateText(result, kind, format, text)) return false;
        window = std::move(text);
    }
    if (!sameCalendar) out.appended += EchoText(window, kind);
    out.appended += ", " + DateWindowOps::WeekdayName(result.jdn, kind);
    return true;
}

} // namespace

Output Run(const Input& in, const AskClearDifference& ask) {
    Output out;
    ReadWindows read;
    read.firstKind = KnownKind(in.firstKind);
    read.secondKind = KnownKind(in.secondKind);
    if (!DecideRun(in, read.firstKind, ask, out)) {
        out.inputError = in.inputError; // the run ends before InputError is reset
        return out;
    }
    out.message = ReadAndEcho(in, out, read);
    if (out.message != WindowTexts::noMessage) {
        out.inputError = true;
        return out;
    }

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
    return out;
}

} // namespace Compute
