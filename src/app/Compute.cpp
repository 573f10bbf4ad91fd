#include "app/Compute.h"

#include <string_view>
#include <utility>

#include "app/DateWindowOps.h"
#include "calendar/DatePr2.h"
#include "lang/GEN_TEXT.h"
#include "text/StrProc.h"

namespace Compute {

namespace {

constexpr int messageResultOutOfRange = 9;

// Blanks only, as the user typed them; other characters are the parsers' business.
std::string TrimBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

int16_t KnownKind(int16_t kind) {
    return (kind >= DatePr2::CE && kind <= DatePr2::YYYYDDD) ? kind : DatePr2::CE;
}

const std::string& CodeOf(int16_t kind) {
    return DatePr2::calendarCode[static_cast<std::size_t>(KnownKind(kind))];
}

// The text under which a date appears in the result line; yyyyddd carries no code.
std::string EchoText(const std::string& windowText, int16_t kind) {
    if (kind == DatePr2::YYYYDDD) return windowText;
    return windowText + " " + CodeOf(kind);
}

std::string WeekdayName(DateRecord rec, int16_t kind) {
    if (kind == DatePr2::AN) {
        const int16_t weekday = DatePr2::JDNToAnnusNovusDate(rec);
        if (weekday < 0 || static_cast<std::size_t>(weekday) >= DatePr2::annusNovusDayName.size())
            return {};
        return DatePr2::annusNovusDayName[static_cast<std::size_t>(weekday)];
    }
    return GEN_TEXT::DayName(DatePr2::EuroDayOfWeek(rec.jdn));
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

// A typed date read into rec and its window rewritten in canonical form; the refusal's
// message number, or -1.
int ReadDate(std::string& window, int16_t kind, const Input& in, DateRecord& rec, int invalid,
             int invalidAnnusNovus, int outOfRange) {
    const int16_t status = StrProc::ParseDate(window, in.separator, kind, in.order, rec);
    if (status < 0) return outOfRange;
    if (status == 0) return kind == DatePr2::AN ? invalidAnnusNovus : invalid;
    if (kind == DatePr2::JDN)
        window = StrProc::InsertThousandsSeparators(std::to_string(rec.jdn), in.thousands);
    else if (kind != DatePr2::YYYYDDD)
        window = StrProc::FormatDate(rec, in.order, in.separator, in.thousands);
    return -1;
}

bool InDayNumberRange(int32_t jdn) {
    return jdn >= DatePr2::smallestDayNumber && jdn <= DatePr2::largestDayNumber;
}

} // namespace

Output Run(const Input& in, const AskClearDifference& ask) {
    Output out;
    const int16_t firstKind = KnownKind(in.firstKind);
    const int16_t secondKind = KnownKind(in.secondKind);
    const DateWindowOps::Format format{in.order, in.separator, in.thousands};
    std::string& first = out.firstDate;
    std::string& second = out.secondDate;
    std::string& diff = out.dateDiff;
    first = TrimBlanks(in.firstDate);
    second = TrimBlanks(in.secondDate);
    diff = TrimBlanks(in.dateDiff);

    if (first.empty() && second.empty()) {
        diff.clear();
        first = DateWindowOps::TodayDateText(firstKind, format);
        out.todayFilled = true;
    }
    if (diff == "0" && !first.empty() && !second.empty()) diff.clear();
    if (!first.empty() && !second.empty() && !diff.empty()) {
        if (ask && ask() == MessageBoxes::Answer::Yes)
            diff.clear();
        else {
            // The run ends before InputError is reset.
            out.inputError = in.inputError;
            return out;
        }
    }

    // Checked in this order; the first refusal ends the run, and the windows read before it
    // keep their canonical form.
    DateRecord firstRec{};
    DateRecord secondRec{};
    std::string firstEcho;
    std::string secondEcho;
    if (!first.empty()) {
        out.message = ReadDate(first, firstKind, in, firstRec, 1, 2, 3);
        if (out.message >= 0) {
            out.inputError = true;
            return out;
        }
        firstEcho = EchoText(first, firstKind);
    }
    int32_t count = 0;
    if (!diff.empty()) {
        int16_t status = 0;
        count = StrProc::ParseWholeNumber(diff, status);
        if (status <= 0) {
            out.message = status < 0 ? 5 : 4;
            out.inputError = true;
            return out;
        }
        diff = StrProc::InsertThousandsSeparators(std::to_string(count), in.thousands);
    }
    if (!second.empty()) {
        out.message = ReadDate(second, secondKind, in, secondRec, 6, 7, 8);
        if (out.message >= 0) {
            out.inputError = true;
            return out;
        }
        secondEcho = EchoText(second, secondKind);
    }

    std::string& line = out.appended;
    const bool bothDates = !first.empty() && !second.empty();
    // The sign of the typed difference reads as the direction of the step.
    const auto appendDifference = [&](std::string_view forward, std::string_view backward) {
        if (diff.empty()) return;
        line += ' ';
        if (diff.front() == '-') {
            line += backward;
            line += ' ';
            line += diff.substr(1);
        } else {
            line += forward;
            line += ' ';
            line += diff;
        }
        line += " " + GEN_TEXT::DayWord(count);
    };
    const std::string& plus = GEN_TEXT::Text(GEN_TEXT::txtPlus);
    const std::string& minus = GEN_TEXT::Text(GEN_TEXT::txtMinus);
    if (bothDates) {
        line = secondEcho + " " + minus + " " + firstEcho;
    } else if (first.empty()) {
        line = secondEcho;
        appendDifference(minus, plus);
    } else {
        line = firstEcho;
        appendDifference(plus, minus);
    }
    const bool sameCalendar = !bothDates && diff.empty() && firstKind == secondKind;
    if (!sameCalendar) line += " = ";

    const auto outOfRange = [&]() {
        line += GEN_TEXT::Text(GEN_TEXT::txtOutOfRange) + "\r\n";
        out.caret = Caret::End;
        out.message = messageResultOutOfRange;
        return out;
    };

    if (bothDates) {
        int32_t difference = 0;
        // A count beyond +-2,100,000,000 would be refused when read back from its window.
        if (__builtin_sub_overflow(secondRec.jdn, firstRec.jdn, &difference) ||
            !InDayNumberRange(difference))
            return outOfRange();
        count = difference;
        diff = StrProc::InsertThousandsSeparators(std::to_string(count), in.thousands);
        line += diff + " " + GEN_TEXT::DayWord(count);
        if (count > 0 && firstKind == secondKind && firstKind != DatePr2::JDN)
            line += Breakdown(firstRec, secondRec, firstKind);
    } else {
        // One date and the day count give the other date: later by the count when the
        // first date was given, earlier when the second was.
        const bool fromFirst = second.empty();
        const DateRecord& given = fromFirst ? firstRec : secondRec;
        const int16_t kind = fromFirst ? secondKind : firstKind;
        std::string& window = fromFirst ? second : first;
        DateRecord result{};
        const bool overflow = fromFirst ? __builtin_add_overflow(given.jdn, count, &result.jdn)
                                        : __builtin_sub_overflow(given.jdn, count, &result.jdn);
        if (overflow || !InDayNumberRange(result.jdn)) return outOfRange();
        // With the same calendar on both sides the other window is left alone, but for
        // yyyyddd, whose text is the same date.
        if (!sameCalendar || kind == DatePr2::YYYYDDD) {
            std::string text;
            if (!DateWindowOps::ResultDateText(result, kind, format, text)) return outOfRange();
            window = std::move(text);
        }
        if (!sameCalendar) line += EchoText(window, kind);
        line += ", " + WeekdayName(result, kind);
    }

    line += "\r\n";
    out.caret = Caret::EndMinusOne;
    out.dayWord = GEN_TEXT::DayWord(count);
    return out;
}

} // namespace Compute
