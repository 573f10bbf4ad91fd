#include "text/StrProc.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstring>
#include <limits>
#include <string_view>

#include "calendar/DatePr2.h"
#include "calendar/IsoWeekText.h"
#include "text/StrictRead.h"

namespace StrProc {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The value of digits with an optional leading '+'; the caller has bounded the length.
int64_t DigitsValue(const std::string& text, std::size_t from, std::size_t count) {
    int64_t value = 0;
    for (std::size_t i = from; i < from + count && i < text.size(); ++i) {
        if (IsDigit(text[i])) {
            value = value * 10 + (text[i] - '0');
        }
    }
    return value;
}

int16_t ParseYyyyddd(std::string text, DateRecord& rec) {
    const std::size_t typedLength = text.size();
    CleanNumberText(text, true);
    if (text.find('-') != std::string::npos || text.size() != typedLength || text.size() != 7) {
        return statusInvalid;
    }
    const int64_t day = DigitsValue(text, 4, 3);
    if (day < 1 || day > 366) {
        return statusInvalid;
    }
    const int64_t year = DigitsValue(text, 0, 4);
    if (year < 1 || year > 9999) {
        return statusInvalid;
    }
    rec.year = static_cast<int32_t>(year);
    rec.month = 1;
    rec.day = 1;
    rec.calendar = DatePr2::letterGregorian;
    euro_date_to_jdn(&rec);
    rec.jdn += static_cast<int32_t>(day - 1); // within year 1..9999: far from any limit
    jdn_to_euro_date(&rec);
    return rec.year == year ? statusRead : statusInvalid;
}

// A JDN may not look like a date written with the current separator: a "-" only as the
// sign, no "/", and dots only where they group the digits by thousands.
bool JdnShapeAllowed(const std::string& text, const std::string& separator) {
    if (separator.empty()) {
        return true;
    }
    const int16_t c = CountChar(text, separator[0]);
    const std::size_t l = text.size();
    // True when the character at position p (from 1) counted from the left is a dot.
    const auto dotAt = [&text](std::size_t p) { return text[p - 1] == '.'; };
    switch (separator[0]) {
    case '/':
        return c == 0;
    case '-':
        return c == 0 || (c == 1 && text[0] == '-');
    case '.':
        switch (c) {
        case 0:
            return true;
        case 1:
            return l >= 5 && dotAt(l - 3);
        case 2:
            return l >= 9 && dotAt(l - 3) && dotAt(l - 7);
        case 3:
            return l >= 13 && dotAt(l - 3) && dotAt(l - 7) && dotAt(l - 11);
        default:
            return false;
        }
    default:
        return true;
    }
}

// The library's text reader knows the Gregorian, Julian and Annus Novus calendars only: the
// numbers it takes are checked again in the calendar of the letter. It sets the fields only
// once the shape is read, so a month left at -1 tells a shape it refused.
int16_t ParseOtherCalendarDate(const std::string& text, DatePr2::DateOrder order, int32_t letter,
                               DateRecord& rec) {
    rec.month = -1;
    const int32_t shape =
        str_to_date(text.c_str(), static_cast<int32_t>(order), &rec, DatePr2::letterGregorian);
    if (rec.month == -1) return shape == -5 ? statusOutOfRange : statusInvalid;
    rec.calendar = letter;
    const int32_t result = mibrexw_date_to_jdn(&rec);
    if (result == 0) return statusRead;
    return result == -5 ? statusOutOfRange : statusInvalid;
}

int16_t ParseCalendarDate(std::string text, const std::string& separator, DatePr2::Kind kind,
                          DatePr2::DateOrder order, DateRecord& rec) {
    KeepDateCharacters(text, separator);
    const int16_t dashes = CountChar(text, '-');
    bool shapeOk = false;
    if (separator == "-") {
        shapeOk = dashes == 2 || dashes == 3; // three when one number carries a sign
    } else {
        shapeOk = dashes <= 1 && !separator.empty() && CountChar(text, separator[0]) == 2;
    }
    if (!shapeOk) {
        return statusInvalid;
    }
    const int32_t letter = DatePr2::FactsOf(kind).letter;
    if (!DatePr2::InOlderFunctions(letter)) return ParseOtherCalendarDate(text, order, letter, rec);
    const int32_t result = str_to_date(text.c_str(), static_cast<int32_t>(order), &rec, letter);
    if (result == 0) {
        if (rec.calendar == DatePr2::letterAnnusNovus) {
            annus_novus_date_to_jdn(&rec);
        } else {
            euro_date_to_jdn(&rec);
        }
        return statusRead;
    }
    return result == -5 ? statusOutOfRange : statusInvalid;
}

// "00" "01" .. "99": two digits per step of a conversion.
constexpr std::array<char, 200> digitPairs = [] {
    std::array<char, 200> pairs{};
    for (std::size_t i = 0; i < 100; ++i) {
        pairs[2 * i] = static_cast<char>('0' + i / 10);
        pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// 10^0 .. 10^19.
constexpr std::array<uint64_t, 20> powersOfTen = [] {
    std::array<uint64_t, 20> powers{};
    uint64_t power = 1;
    for (uint64_t& p : powers) {
        p = power;
        power *= 10;
    }
    return powers;
}();

// At least two digits, the sign in front, written at out; returns the end (at most 12 bytes).
char* WriteTwoDigits(char* out, int32_t value) {
    if (value < 0) *out++ = '-';
    const int64_t magnitude = value < 0 ? -int64_t{value} : int64_t{value};
    if (magnitude >= 100) return WriteDecimal(out, magnitude);
    const auto pair = static_cast<std::size_t>(2 * magnitude);
    out[0] = digitPairs[pair];
    out[1] = digitPairs[pair + 1];
    return out + 2;
}

// Digits (at least one, no sign) grouped by three under mark, written at out; returns the
// end. Every grouping of orv's goes through here.
char* WriteGroupedDigits(char* out, std::string_view digits, char mark) {
    const std::size_t head = (digits.size() + 2) % 3 + 1;
    std::memcpy(out, digits.data(), head);
    out += head;
    for (std::size_t i = head; i < digits.size(); i += 3) {
        *out++ = mark;
        std::memcpy(out, digits.data() + i, 3);
        out += 3;
    }
    return out;
}

// The most bytes WriteGrouped writes: a sign, 19 digits and six marks.
constexpr std::size_t mostGroupedBytes = 26;

// value grouped by three under mark (NUL: not grouped), written at out; returns the end.
char* WriteGrouped(char* out, int64_t value, char mark) {
    if (mark == '\0') return WriteDecimal(out, value);
    std::array<char, mostDecimalBytes> digits{};
    char* const end = WriteDecimal(digits.data(), value);
    std::string_view text(digits.data(), static_cast<std::size_t>(end - digits.data()));
    if (text.front() == '-') {
        *out++ = '-';
        text.remove_prefix(1);
    }
    return WriteGroupedDigits(out, text, mark);
}

bool KeyInSet(int keyCode, const std::string& allowed) {
    if (keyCode < 1 || keyCode > 255) {
        return false;
    }
    return allowed.find(static_cast<char>(static_cast<unsigned char>(keyCode))) !=
           std::string::npos;
}

bool ControlKey(int keyCode) {
    return keyCode == 8 || keyCode == 3 || keyCode == 22 || keyCode == 24;
}

} // namespace

int16_t ParseDate(std::string text, std::string separator, DatePr2::Kind kind,
                  DatePr2::DateOrder order, DateRecord& rec) {
    const DatePr2::KindFacts& facts = DatePr2::FactsOf(kind);
    // Annus Novus dates are written with "-" only, and never month first.
    if (facts.letter == DatePr2::letterAnnusNovus) {
        separator = "-";
        if (order == DatePr2::DateOrder::MDY) {
            order = DatePr2::DateOrder::YMD;
        }
    }
    if (facts.form == DatePr2::Form::YearDay) {
        return ParseYyyyddd(std::move(text), rec);
    }
    if (facts.form == DatePr2::Form::WeekDate) {
        // Week dates are only ever typed on the command line: read strictly, blanks aside.
        const DateJobs::WeekTextRead read = DateJobs::ReadIsoWeekText(TrimBlanks(text));
        if (read.error == DateJobs::WeekTextError::outOfRange) return statusOutOfRange;
        if (read.error != DateJobs::WeekTextError::none) return statusInvalid;
        rec = DateRecord{0, 0, 0, DatePr2::letterIsoWeek, read.jdn, 0};
        return statusRead;
    }
    if (facts.form == DatePr2::Form::LongCount) {
        // Written by orv alone, never typed into a window: read as strictly as orv reads it.
        StrictRead::Notation notation;
        notation.kind = kind;
        const StrictRead::Field field = StrictRead::ReadDate(text, notation);
        if (!field.Accepted() || field.fromClock)
            return field.refusal == StrictRead::Refusal::OutOfRange ? statusOutOfRange
                                                                    : statusInvalid;
        rec.jdn = field.value;
        rec.calendar = facts.letter;
        return statusRead;
    }
    if (facts.form == DatePr2::Form::DayNumber) {
        if (!JdnShapeAllowed(text, separator)) {
            return statusInvalid;
        }
        int16_t status = statusInvalid;
        rec.jdn = ParseWholeNumber(std::move(text), status);
        return status;
    }
    return ParseCalendarDate(std::move(text), separator, kind, order, rec);
}

char* WriteDecimal(char* out, int64_t value) {
    uint64_t rest = static_cast<uint64_t>(value);
    if (value < 0) {
        *out++ = '-';
        rest = 0 - rest;
    }
    // Weekdays, months and days: half the numbers of a line.
    if (rest < 100) {
        if (rest < 10) {
            *out = static_cast<char>('0' + rest);
            return out + 1;
        }
        out[0] = digitPairs[2 * rest];
        out[1] = digitPairs[2 * rest + 1];
        return out + 2;
    }
    // The number of digits from the number of bits: 1233 / 4096 is just above log10(2).
    const unsigned guess = static_cast<unsigned>(std::bit_width(rest)) * 1233U >> 12;
    char* const end = out + guess + (rest < powersOfTen[guess] ? 0 : 1);
    char* at = end;
    // Day numbers and years fit in 32 bits, whose divisions by 100 are cheaper.
    if (rest <= UINT32_MAX) {
        auto small = static_cast<uint32_t>(rest);
        while (small >= 100) {
            const std::size_t pair = 2 * std::size_t{small % 100};
            small /= 100;
            at -= 2;
            at[0] = digitPairs[pair];
            at[1] = digitPairs[pair + 1];
        }
        rest = small;
    }
    while (rest >= 100) {
        const std::size_t pair = 2 * (rest % 100);
        rest /= 100;
        at -= 2;
        at[0] = digitPairs[pair];
        at[1] = digitPairs[pair + 1];
    }
    if (rest >= 10) {
        at[-2] = digitPairs[2 * rest];
        at[-1] = digitPairs[2 * rest + 1];
    } else {
        at[-1] = static_cast<char>('0' + rest);
    }
    return end;
}

void AppendGrouped(std::string& out, int64_t value, std::string_view thousands) {
    std::array<char, mostGroupedBytes> text{};
    const char* const end =
        WriteGrouped(text.data(), value, thousands.empty() ? '\0' : thousands[0]);
    out.append(text.data(), static_cast<std::size_t>(end - text.data()));
}

void AppendDate(std::string& out, const DateRecord& rec, DatePr2::DateOrder order,
                std::string_view separator, std::string_view thousands) {
    using DatePr2::DateOrder;
    const bool annusNovus = rec.calendar == DatePr2::letterAnnusNovus;
    const std::string_view s = annusNovus ? std::string_view("-") : separator;
    // The grouping mark must be one that the reader drops again: grouped with the date
    // separator itself (12.345.06.07) the year could not be read back.
    const bool markDropped = !thousands.empty() && !IsDigit(thousands[0]) && thousands[0] != '-' &&
                             s.find(thousands[0]) == std::string::npos;
    const bool grouped = (rec.year > 9999 || rec.year < -9999) && !annusNovus && markDropped;
    // Written in place into room made for the longest date, then cut to what was written:
    // every line of a batch passes here.
    const std::size_t start = out.size();
    // Two parts of at most 12 bytes, the year, two separators and parentheses.
    constexpr std::size_t mostParts = 2 * std::size_t{12} + mostGroupedBytes + 2;
    out.resize(start + 2 * s.size() + mostParts);
    char* at = out.data() + start;
    const auto separate = [&] {
        if (s.size() == 1) {
            *at++ = s[0]; // every separator the windows and orv offer
            return;
        }
        std::memcpy(at, s.data(), s.size());
        at += s.size();
    };
    const auto year = [&](bool trailing) {
        // A negative year never stands behind a separator without parentheses.
        const bool parenthesized = trailing && rec.year < 0;
        if (parenthesized) *at++ = '(';
        at = WriteGrouped(at, rec.year, grouped ? thousands[0] : '\0');
        if (parenthesized) *at++ = ')';
    };
    const auto twoParts = [&](int32_t a, int32_t b) {
        at = WriteTwoDigits(at, a);
        separate();
        at = WriteTwoDigits(at, b);
    };
    if (order == DateOrder::YMD || (order != DateOrder::DMY && annusNovus)) {
        year(false);
        separate();
        twoParts(rec.month, rec.day);
    } else {
        if (order == DateOrder::DMY)
            twoParts(rec.day, rec.month);
        else
            twoParts(rec.month, rec.day);
        separate();
        year(true);
    }
    out.resize(static_cast<std::size_t>(at - out.data()));
}

std::string FormatDate(const DateRecord& rec, DatePr2::DateOrder order,
                       const std::string& separator, const std::string& thousands) {
    std::string text;
    AppendDate(text, rec, order, separator, thousands);
    return text;
}

std::string FormatLongCount(int32_t jdn) {
    LongCount count{};
    mibrexw_jdn_to_long_count(jdn, &count);
    std::string text = count.negative != 0 ? "-" : "";
    for (std::size_t i = 0; i < 5; ++i) {
        if (i > 0) text += '.';
        text += std::to_string(count.place[i]);
    }
    return text;
}

void KeepDateCharacters(std::string& text, const std::string& separator) {
    // Kept in place, without a search per character: every date read passes here.
    std::size_t kept = 0;
    for (const char c : text) {
        if (IsDigit(c) || c == '-' || separator.find(c) != std::string::npos) {
            text[kept++] = c;
        }
    }
    text.resize(kept);
}

int16_t CountChar(const std::string& text, char character) {
    const auto n = std::count(text.begin(), text.end(), character);
    return static_cast<int16_t>(std::min<std::ptrdiff_t>(n, std::numeric_limits<int16_t>::max()));
}

int32_t ParseWholeNumber(std::string text, int16_t& status) {
    CleanNumberText(text, true);
    bool negative = false;
    if (!text.empty() && text[0] == '-') {
        negative = true;
        text.erase(0, 1);
    }
    if (text.find('-') != std::string::npos || text.empty()) {
        status = statusInvalid;
        return 0;
    }
    // Only the digits count against the guard: a "+" or leading zeros do not make a
    // number larger, and a "+" alone is no number.
    std::size_t first = text[0] == '+' ? 1 : 0;
    if (first == text.size()) {
        status = statusInvalid;
        return 0;
    }
    while (first + 1 < text.size() && text[first] == '0') {
        ++first;
    }
    const std::string_view digits = std::string_view(text).substr(first);
    const std::string_view largest = DatePr2::largestWholeNumberText;
    int64_t value = 0;
    if (digits.size() < largest.size() || (digits.size() == largest.size() && digits <= largest)) {
        for (const char c : digits) {
            value = value * 10 + (c - '0');
        }
        if (negative) {
            value = -value;
        }
        status = statusRead;
    } else {
        status = statusOutOfRange;
    }
    if (value > DatePr2::largestDayNumber || value < DatePr2::smallestDayNumber) {
        status = statusOutOfRange;
    }
    return static_cast<int32_t>(value);
}

void CleanNumberText(std::string& text, bool minusAllowed) {
    bool digitSeen = false;
    bool plusSeen = false;
    bool minusSeen = false;
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (IsDigit(c)) {
            digitSeen = true;
            out.push_back(c);
        } else if (c == '+' && !digitSeen && !plusSeen) {
            plusSeen = true;
            out.push_back(c);
        } else if (c == '-' && minusAllowed && !digitSeen && !minusSeen) {
            minusSeen = true;
            out.push_back(c);
        }
    }
    text = std::move(out);
}

std::string InsertThousandsSeparators(const std::string& number, const std::string& separator) {
    if (separator.empty()) return number;
    // The text is read up to a NUL, as the library's C strings were.
    const std::string_view text(number.c_str());
    const bool negative = !text.empty() && text.front() == '-';
    const std::string_view digits = text.substr(negative ? 1 : 0);
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), IsDigit)) return number;
    const char mark = separator[0];
    const std::size_t groups = mark == '\0' ? 0 : (digits.size() - 1) / 3;
    // Grouped, it must fit in 19 characters; otherwise it is left as it is.
    if ((negative ? 1 : 0) + digits.size() + groups > 19) return number;
    std::array<char, 20> grouped{};
    char* at = grouped.data();
    if (negative) *at++ = '-';
    if (groups == 0) {
        std::memcpy(at, digits.data(), digits.size());
        at += digits.size();
    } else {
        at = WriteGroupedDigits(at, digits, mark);
    }
    return {grouped.data(), at};
}

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

void CutAtNul(std::string& text) {
    const std::size_t nul = text.find('\0');
    if (nul != std::string::npos) {
        text.erase(nul);
    }
}

namespace {
bool KeyAllowed(int keyCode, int length, int maximum, const std::string& allowed) {
    if (ControlKey(keyCode)) {
        return true;
    }
    // A pasted text can already be longer than the limit; typing must not lengthen it.
    if (length >= maximum) {
        return false;
    }
    return KeyInSet(keyCode, allowed);
}
} // namespace

bool DateKeyAllowed(int keyCode, int length, int maximum, const std::string& separator) {
    return KeyAllowed(keyCode, length, maximum, separator + "1234567890- ,.()");
}

bool DayCountKeyAllowed(int keyCode, int length, int maximum, const std::string& separator) {
    return KeyAllowed(keyCode, length, maximum, separator + "1234567890-");
}

} // namespace StrProc
