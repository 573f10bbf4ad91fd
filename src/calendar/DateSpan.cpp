#include "calendar/DateSpan.h"

#include "calendar/MonthCalendar.h"

#include <algorithm>
#include <array>

namespace DateJobs {
namespace {

constexpr size_t kMostDigits = 10;
// Beyond these no count can stay inside the day-number range; refusing them early keeps every
// sum below far from the 64-bit limits.
constexpr int64_t kMostMonths = 1'000'000'000'000;
constexpr int64_t kMostDays = 1'000'000'000'000;
// A year beyond this has no day inside int32, where the library saturates.
constexpr int64_t kMostYear = 6'000'000;

int64_t FloorDiv(int64_t a, int64_t b) { // b > 0
    const int64_t q = a / b;
    return a % b < 0 ? q - 1 : q;
}

bool InDayRange(int64_t jdn) {
    return jdn >= kSmallestDay && jdn <= kLargestDay;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The presence bit of a unit letter, 0 for any other character.
uint8_t UnitBit(char c) {
    switch (c) {
    case 'y':
        return kUnitYears;
    case 'm':
        return kUnitMonths;
    case 'w':
        return kUnitWeeks;
    case 'd':
        return kUnitDays;
    default:
        return 0;
    }
}

int64_t& Field(Span& span, uint8_t bit) {
    switch (bit) {
    case kUnitYears:
        return span.years;
    case kUnitMonths:
        return span.months;
    case kUnitWeeks:
        return span.weeks;
    default:
        return span.days;
    }
}

// Reads the digits at pos (advancing it) into value; none when they fit the grammar.
SpanError ReadNumber(std::string_view text, size_t& pos, int64_t& value) {
    const size_t start = pos;
    value = 0;
    while (pos < text.size() && IsDigit(text[pos])) {
        if (pos - start == kMostDigits) {
            return SpanError::tooManyDigits;
        }
        value = value * 10 + (text[pos] - '0');
        ++pos;
    }
    if (pos == start) { // a sign or unit where a number belongs, or the text's end
        const bool grammarCharacter =
            pos == text.size() || UnitBit(text[pos]) != 0 || text[pos] == '+' || text[pos] == '-';
        return grammarCharacter ? SpanError::noDigits : SpanError::badCharacter;
    }
    return value > kLargestSpanValue ? SpanError::tooLarge : SpanError::none;
}

// Reads one part at pos (advancing it): its signed value and its unit's bit. first: no part
// came before, so a bare number may stand for days if nothing follows it.
SpanError ReadPart(std::string_view text, size_t& pos, bool first, int64_t& value, uint8_t& bit) {
    const bool negative = text[pos] == '-';
    if (negative || text[pos] == '+') {
        ++pos;
    }
    if (const SpanError error = ReadNumber(text, pos, value); error != SpanError::none) {
        return error;
    }
    value = negative ? -value : value;
    if (pos == text.size()) { // a bare number: days, when it is the whole span
        bit = kUnitDays;
        return first ? SpanError::none : SpanError::missingUnit;
    }
    bit = UnitBit(text[pos++]);
    if (bit != 0) {
        return SpanError::none;
    }
    const char c = text[pos - 1];
    return c == '+' || c == '-' ? SpanError::missingUnit : SpanError::badCharacter;
}

} // namespace

SpanError ParseSpan(std::string_view text, Span& span) {
    if (text.empty()) {
        return SpanError::empty;
    }
    Span read;
    for (size_t pos = 0; pos < text.size();) {
        int64_t value = 0;
        uint8_t bit = 0;
        if (const SpanError error = ReadPart(text, pos, read.units == 0, value, bit);
            error != SpanError::none) {
            return error;
        }
        if ((read.units & bit) != 0) {
            return SpanError::repeatedUnit;
        }
        read.units = static_cast<uint8_t>(read.units | bit);
        Field(read, bit) = value;
    }
    span = read;
    return SpanError::none;
}

std::string SpanText(const Span& span) {
    static constexpr std::array<std::pair<uint8_t, char>, 4> kUnits = {
        {{kUnitYears, 'y'}, {kUnitMonths, 'm'}, {kUnitWeeks, 'w'}, {kUnitDays, 'd'}}};
    std::string text;
    Span copy = span;
    for (const auto& [bit, letter] : kUnits) {
        if ((span.units & bit) != 0) {
            text += std::to_string(Field(copy, bit));
            text += letter;
        }
    }
    return text;
}

std::string_view SpanErrorText(SpanError error) {
    switch (error) {
    case SpanError::none:
        return "";
    case SpanError::empty:
        return "the span is empty";
    case SpanError::noDigits:
        return "a number is missing";
    case SpanError::tooManyDigits:
        return "a number has more than 10 digits";
    case SpanError::tooLarge:
        return "a number is larger than 4200000000";
    case SpanError::badCharacter:
        return "a character is neither a digit, a sign nor y, m, w, d";
    case SpanError::repeatedUnit:
        return "a unit is written twice";
    case SpanError::missingUnit:
        return "a number without unit stands beside other parts";
    }
    return "";
}

AddStatus AddParts(int32_t letter, int32_t jdn, int64_t years, int64_t months, int64_t days,
                   int32_t& result) {
    if (years < -kMostMonths || years > kMostMonths || months < -kMostMonths ||
        months > kMostMonths || days < -kMostDays || days > kMostDays) {
        return AddStatus::outOfRange;
    }
    int64_t day = jdn;
    if (years != 0 || months != 0) {
        Ymd date = JdnToDate(letter, jdn);
        const int32_t perYear = MonthsInYear(letter, date.year);
        if (date.month > perYear) { // the Annus Novus leap day: the last day of Decimus
            date.month = perYear;
            date.day = DaysInMonth(letter, date.year, perYear);
        }
        const int64_t monthIndex = date.month - 1 + months;
        const int64_t year = date.year + years + FloorDiv(monthIndex, perYear);
        if (year < -kMostYear || year > kMostYear) {
            return AddStatus::outOfRange;
        }
        const Ymd reached{
            static_cast<int32_t>(year),
            static_cast<int32_t>(monthIndex - FloorDiv(monthIndex, perYear) * perYear + 1), 0};
        const int32_t length = DaysInMonth(letter, reached.year, reached.month);
        day = DateToJdn(letter, {reached.year, reached.month, std::min(date.day, length)});
        if (!InDayRange(day)) {
            return AddStatus::outOfRange;
        }
    }
    day += days;
    if (!InDayRange(day)) {
        return AddStatus::outOfRange;
    }
    result = static_cast<int32_t>(day);
    return AddStatus::ok;
}

AddStatus AddSpan(int32_t letter, int32_t jdn, const Span& span, int32_t& result) {
    return AddParts(letter, jdn, span.years, span.months, span.weeks * 7 + span.days, result);
}

AddStatus AddSpanToDayNumber(int32_t jdn, const Span& span, int32_t& result) {
    if ((span.units & (kUnitYears | kUnitMonths)) != 0) {
        return AddStatus::calendarNeeded;
    }
    return AddParts('G', jdn, 0, 0, span.weeks * 7 + span.days, result);
}

} // namespace DateJobs
