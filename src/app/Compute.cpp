#include "app/Compute.h"

#include <array>
#include <charconv>
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

// What the windows held once read: the dates (a computed one too) and the count.
struct ReadWindows {
    Kind firstKind = Kind::CE;
    Kind secondKind = Kind::CE;
    DateRecord first{};
    DateRecord second{};
    int32_t count = 0; // the typed day count, then the difference of two dates
    std::optional<Breakdown> breakdown;
};

// Every line is built by appending to strings kept from the last run: a batch then writes
// its texts without allocating.
// The decimal digits of value, its sign in front, at the start of buffer.
std::string_view Decimal(std::array<char, 24>& buffer, int64_t value) {
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return {buffer.data(), static_cast<std::size_t>(end - buffer.data())};
}

void AppendNumber(std::string& out, int64_t value) {
    std::array<char, 24> buffer{};
    out += Decimal(buffer, value);
}

// The text of a day in a kind into window; false (window untouched) for a day without a
// yyyyddd form.
bool WriteDay(DateRecord& rec, Kind kind, const Input& in, std::string& window) {
    return DateWindowOps::AppendResultDate(rec, kind, in.order, in.separator, in.thousands, window);
}

// The text under which a date appears in the result line; a kind without a code (yyyyddd)
// shows the text alone.
void AppendEcho(std::string& line, const std::string& windowText, Kind kind) {
    line += windowText;
    const std::string_view code = DatePr2::FactsOf(kind).code;
    if (code.empty()) return;
    line += ' ';
    line += code;
}

// The places of the unit words in Output::UnitWords.
enum UnitWord : std::size_t { wordDay, wordDays, wordMonth, wordMonths, wordYear, wordYears };

// The unit words lowered anew when the language has changed since they were.
void LowerWords(Output::UnitWords& words) {
    if (words.language == GEN_TEXT::currentLanguage) return;
    static constexpr std::array<const GEN_TEXT::Entry*, 6> entries{
        &GEN_TEXT::txtDay,    &GEN_TEXT::txtDays, &GEN_TEXT::txtMonth,
        &GEN_TEXT::txtMonths, &GEN_TEXT::txtYear, &GEN_TEXT::txtYears};
    for (std::size_t i = 0; i < entries.size(); ++i)
        words.lowered[i] = GEN_TEXT::LowerUnlessGerman(GEN_TEXT::Text(*entries[i]));
    words.language = GEN_TEXT::currentLanguage;
}

const std::string& DayWord(const Output::UnitWords& words, int32_t n) {
    return words.lowered[n == 1 || n == -1 ? wordDay : wordDays];
}

void AppendCountWord(std::string& text, int32_t count, const Output::UnitWords& words,
                     UnitWord singular) {
    AppendNumber(text, count);
    text += ' ';
    text += words.lowered[count == 1 ? singular : singular + 1];
}

void AppendBreakdown(std::string& text, const Breakdown& b, const Output::UnitWords& words) {
    if (b.years > 0) AppendCountWord(text, b.years, words, wordYear);
    if (b.months > 0) {
        if (b.years > 0) text += ", ";
        AppendCountWord(text, b.months, words, wordMonth);
    }
    if (b.days > 0) {
        if (b.years > 0 || b.months > 0) text += ", ";
        AppendCountWord(text, b.days, words, wordDay);
    }
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
// message, or noMessage. A day the caller has read already is taken as it is.
ComputeMessage ReadDate(std::string& window, Side side, Kind kind, const Input& in,
                        std::optional<int32_t> day, DateRecord& rec) {
    const Form form = DatePr2::FactsOf(kind).form;
    if (day) {
        rec = DateRecord{};
        rec.jdn = *day;
        if (form == Form::CalendarDate || form == Form::YearDay) {
            rec.calendar = DatePr2::FactsOf(kind).letter;
            DatePr2::JDNToDate(rec);
        }
    } else {
        const int16_t status = StrProc::ParseDate(window, in.separator, kind, in.order, rec);
        if (status != StrProc::statusRead) return DateWindowOps::RefusalMessage(side, status, kind);
    }
    switch (form) {
    case Form::DayNumber:
        window.clear();
        StrProc::AppendGrouped(window, rec.jdn, in.thousands);
        break;
    case Form::CalendarDate:
        window.clear();
        StrProc::AppendDate(window, rec, in.order, in.separator, in.thousands);
        break;
    case Form::WeekDate:
        // Its year, week and weekday kept in rec for the facts.
        DateWindowOps::AppendResultDate(rec, kind, in.order, in.separator, in.thousands, window);
        break;
    case Form::LongCount:
        window = StrProc::FormatLongCount(rec.jdn);
        break;
    case Form::YearDay:
        break;
    }
    return WindowTexts::noMessage;
}

// A window's text trimmed into its new text; a batch leaves most windows empty.
void AssignTrimmed(std::string& to, const std::string& from) {
    if (from.empty() && to.empty()) return;
    to = StrProc::TrimBlanks(from);
}

// Step 1, what the run does: the windows trimmed, today in the first window when both dates
// are empty, and a difference beside two dates dropped ("0", or by the user's answer).
// False when the user keeps it: the run ends there.
bool DecideRun(const Input& in, Kind firstKind, const AskClearDifference& ask, Output& out) {
    AssignTrimmed(out.firstDate, in.firstDate);
    AssignTrimmed(out.secondDate, in.secondDate);
    AssignTrimmed(out.dateDiff, in.dateDiff);
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

// Step 2, read the windows in order (first date, day count, second date), each rewritten in
// canonical form; the first refusal ends the run, the windows read before it keep their new
// form.
ComputeMessage ReadWindowsInOrder(const Input& in, Output& out, ReadWindows& read) {
    if (!out.firstDate.empty()) {
        const ComputeMessage refused =
            ReadDate(out.firstDate, Side::First, read.firstKind, in, in.firstDay, read.first);
        if (refused != WindowTexts::noMessage) return refused;
    }
    if (!out.dateDiff.empty()) {
        int16_t status = 0;
        read.count = StrProc::ParseWholeNumber(out.dateDiff, status);
        if (status < 0) return WindowTexts::msgDifferenceOutOfRange;
        if (status == 0) return WindowTexts::msgDifferenceInvalid;
        out.dateDiff.clear();
        StrProc::AppendGrouped(out.dateDiff, read.count, in.thousands);
    }
    if (!out.secondDate.empty()) {
        const ComputeMessage refused =
            ReadDate(out.secondDate, Side::Second, read.secondKind, in, in.secondDay, read.second);
        if (refused != WindowTexts::noMessage) return refused;
    }
    return WindowTexts::noMessage;
}

// Step 3, the start of the result line: the dates as read and the step between them, the
// sign of a typed day count read as the direction of the step.
void AppendLineStart(const Output& out, const ReadWindows& read, std::string& line) {
    if (!out.firstDate.empty() && !out.secondDate.empty()) {
        AppendEcho(line, out.secondDate, read.secondKind);
        line += ' ';
        line += GEN_TEXT::Text(GEN_TEXT::txtMinus);
        line += ' ';
        AppendEcho(line, out.firstDate, read.firstKind);
        return;
    }
    const bool fromFirst = !out.firstDate.empty();
    if (fromFirst)
        AppendEcho(line, out.firstDate, read.firstKind);
    else
        AppendEcho(line, out.secondDate, read.secondKind);
    const std::string& diff = out.dateDiff;
    if (diff.empty()) return;
    const bool backward = diff.front() == '-';
    line += ' ';
    line += GEN_TEXT::Text(backward == fromFirst ? GEN_TEXT::txtMinus : GEN_TEXT::txtPlus);
    line += ' ';
    line.append(diff, backward ? 1 : 0);
    line += ' ';
    line += DayWord(out.words, read.count);
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
    out.dateDiff.clear();
    StrProc::AppendGrouped(out.dateDiff, difference, in.thousands);
    if (difference > 0 && read.firstKind == read.secondKind &&
        DatePr2::FactsOf(read.firstKind).breakdown)
        read.breakdown = BreakdownOf(read.first, read.second, read.firstKind);
    if (in.factsOnly) return true;
    out.appended += out.dateDiff;
    out.appended += ' ';
    out.appended += DayWord(out.words, difference);
    if (read.breakdown) {
        out.appended += " (";
        AppendBreakdown(out.appended, *read.breakdown, out.words);
        out.appended += ')';
    }
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
    // whose text is the same date. The result keeps the numbers its text is written from.
    if (!sameCalendar || DatePr2::FactsOf(kind).form == Form::YearDay) {
        if (!WriteDay(result, kind, in, window)) return false;
    }
    if (in.factsOnly) return true;
    if (!sameCalendar) AppendEcho(out.appended, window, kind);
    out.appended += ", ";
    out.appended += DateWindowOps::WeekdayName(result.jdn, kind);
    return true;
}

void KeepDate(std::optional<DateFacts>& facts, const std::string& text, const DateRecord& rec,
              Kind kind, bool weekday) {
    if (text.empty()) {
        facts.reset();
        return;
    }
    if (!facts) facts.emplace();
    FillDateFacts(*facts, text, rec, kind, weekday);
}

// Step 5, the facts of the completed run, from what the windows hold.
void KeepFacts(const Input& in, const ReadWindows& read, bool bothDates, Output& out) {
    KeepDate(out.first, out.firstDate, read.first, read.firstKind, !in.factsOnly);
    KeepDate(out.second, out.secondDate, read.second, read.secondKind, !in.factsOnly);
    if (bothDates || !out.dateDiff.empty())
        out.days = read.count;
    else
        out.days.reset();
    out.breakdown = read.breakdown;
    if (in.factsOnly) {
        out.dayWord.reset();
        return;
    }
    if (!out.dayWord) out.dayWord.emplace();
    *out.dayWord = DayWord(out.words, read.count);
}

// Steps 1 to 4; false when the run ends without its facts.
bool RunSteps(const Input& in, const AskClearDifference& ask, Output& out) {
    ReadWindows read;
    read.firstKind = in.firstKind;
    read.secondKind = in.secondKind;
    if (!DecideRun(in, read.firstKind, ask, out)) return false;
    out.message = ReadWindowsInOrder(in, out, read);
    if (out.message != WindowTexts::noMessage) return false;

    // Step 4, compute, building the line on.
    const bool bothDates = !out.firstDate.empty() && !out.secondDate.empty();
    const bool sameCalendar =
        !bothDates && out.dateDiff.empty() && read.firstKind == read.secondKind;
    if (!in.factsOnly) {
        AppendLineStart(out, read, out.appended);
        if (!sameCalendar) out.appended += " = ";
    }
    const bool inRange = bothDates ? ComputeDifference(in, read, out)
                                   : ComputeOtherDate(in, read, sameCalendar, out);
    if (!inRange) {
        if (!in.factsOnly) {
            out.appended += GEN_TEXT::Text(GEN_TEXT::txtOutOfRange);
            out.appended += "\r\n";
        }
        out.caret = Caret::End;
        out.message = WindowTexts::msgResultOutOfRange;
        return false;
    }
    if (!in.factsOnly) out.appended += "\r\n";
    out.caret = Caret::EndMinusOne;
    KeepFacts(in, read, bothDates, out);
    return true;
}

} // namespace

void FillDateFacts(DateFacts& facts, const std::string& text, const DateRecord& rec, Kind kind,
                   bool weekday) {
    facts.text = text;
    facts.jdn = rec.jdn;
    facts.kind = kind;
    const DatePr2::Form form = DatePr2::FactsOf(kind).form;
    const bool numbered = form == Form::DayNumber || form == Form::LongCount;
    facts.year = numbered ? 0 : rec.year;
    facts.month = numbered ? 0 : rec.month;
    facts.day = numbered ? 0 : rec.day;
    if (!weekday) {
        facts.weekday.clear();
        facts.isoWeekday = 0;
        return;
    }
    const int16_t sundayFirst = DatePr2::EuroDayOfWeek(rec.jdn);
    facts.isoWeekday = sundayFirst == 0 ? 7 : sundayFirst;
    facts.weekday = DateWindowOps::WeekdayName(rec.jdn, kind);
}

std::string BreakdownText(const Breakdown& b) {
    Output::UnitWords words;
    LowerWords(words);
    std::string text;
    AppendBreakdown(text, b, words);
    return text;
}

Output Run(const Input& in, const AskClearDifference& ask) {
    Output out;
    Run(in, ask, out);
    return out;
}

void Run(const Input& in, const AskClearDifference& ask, Output& out) {
    out.appended.clear();
    out.message = WindowTexts::noMessage;
    out.caret = Caret::Untouched;
    LowerWords(out.words);
    if (RunSteps(in, ask, out)) return;
    out.dayWord.reset();
    out.first.reset();
    out.second.reset();
    out.days.reset();
    out.breakdown.reset();
}

} // namespace Compute
