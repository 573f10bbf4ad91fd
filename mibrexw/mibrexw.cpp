#include "mibrexw.h"

#include "mibrexw_impl.h"

#include <cstddef>

using namespace mibrexw::detail;

namespace {

constexpr int32_t kJulianLetter = 'J';
constexpr int32_t kAnnusNovusLetter = 'A';

enum class Calendar { Gregorian, Julian, AnnusNovus };

// 'J' and 'A' name their calendars; every other letter, 0 included, is Gregorian.
Calendar CalendarOfLetter(int32_t letter) {
    return letter == kJulianLetter       ? Calendar::Julian
           : letter == kAnnusNovusLetter ? Calendar::AnnusNovus
                                         : Calendar::Gregorian;
}

bool IsValidDate(Calendar cal, int64_t y, int64_t m, int64_t d) {
    if (d < 1) {
        return false;
    }
    if (cal == Calendar::AnnusNovus) {
        if (m >= 1 && m <= 10) {
            return d <= 36 + (m % 2 == 0 ? 1 : 0);
        }
        return m == 11 && d == 1 && IsAnnusNovusLeap(y);
    }
    if (m < 1 || m > 12) {
        return false;
    }
    if (m == 2) {
        const bool leap = cal == Calendar::Julian ? IsJulianLeap(y) : IsGregorianLeap(y);
        return d <= (leap ? 29 : 28);
    }
    // 31 days in odd months up to July and in even months from August.
    return d <= ((m <= 7) == (m % 2 == 1) ? 31 : 30);
}

int64_t DateToJdn(Calendar cal, int64_t y, int64_t m, int64_t d) {
    switch (cal) {
    case Calendar::Julian:
        return JulianToJdn(y, m, d);
    case Calendar::AnnusNovus:
        return AnnusNovusToJdn(y, m, d);
    case Calendar::Gregorian:
        break;
    }
    return GregorianToJdn(y, m, d);
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Largest number of significant digits a year may have: every such year fits int32.
constexpr int kMaxYearDigits = 9;

struct Number {
    int64_t value = 0;   // capped once more than kMaxYearDigits significant digits are read
    int significant = 0; // digits after the leading zeros, counted to any length
    bool negative = false;
};

// Reads [-]digits+ at p (the sign only when allowSign); returns the position after the
// number, or nullptr when there is no number there.
const char* ReadNumber(const char* p, bool allowSign, Number& out) {
    if (allowSign && *p == '-') {
        out.negative = true;
        ++p;
    }
    if (!IsDigit(*p)) {
        return nullptr;
    }
    for (; IsDigit(*p); ++p) {
        if (out.significant == 0 && *p == '0') {
            continue;
        }
        if (out.significant < kMaxYearDigits) {
            out.value = out.value * 10 + (*p - '0');
        }
        ++out.significant;
    }
    return p;
}

// The rare dates (fields out of range, years at the ends of int32) leave the short path.
[[gnu::noinline, gnu::cold]] int32_t EuroDateToJdnWide(DateRecord* rec) {
    rec->jdn = Saturate(rec->calendar == kJulianLetter
                            ? JulianToJdnWide(rec->year, rec->month, rec->day)
                            : GregorianToJdnWide(rec->year, rec->month, rec->day));
    return rec->jdn;
}

[[gnu::noinline, gnu::cold]] int32_t AnnusNovusDateToJdnWide(DateRecord* rec) {
    rec->jdn = Saturate(AnnusNovusToJdnWide(rec->year, rec->month, rec->day));
    return rec->jdn;
}

} // namespace

extern "C" {

MIBREXW_API int32_t euro_date_to_jdn(DateRecord* rec) {
    // Julian dates run straight through and Gregorian ones take the one jump: a taken jump adds
    // a tenth to a fifth to a conversion as short as the Julian one, less to the Gregorian one.
    // The month and day are tested once here; the compiler drops the same test in the Fast calls.
    int32_t jdn = 0;
    if (IsFastEuroMonthAndDay(rec->month, rec->day)) {
        if (rec->calendar == kJulianLetter) [[likely]] {
            if (JulianToJdnFast(rec->year, rec->month, rec->day, jdn)) {
                rec->jdn = jdn;
                return jdn;
            }
        } else if (GregorianToJdnFast(rec->year, rec->month, rec->day, jdn)) {
            rec->jdn = jdn;
            return jdn;
        }
    }
    return EuroDateToJdnWide(rec);
}

MIBREXW_API int32_t jdn_to_euro_date(DateRecord* rec) {
    // Julian straight through, as in euro_date_to_jdn.
    Ymd d{};
    if (rec->calendar == kJulianLetter) [[likely]] {
        d = JdnToJulian(rec->jdn);
    } else {
        d = JdnToGregorian(rec->jdn);
    }
    rec->year = d.year;
    rec->month = d.month;
    rec->day = d.day;
    return 0;
}

MIBREXW_API int32_t euro_day_of_week(int32_t jdn) {
    return DayOfWeek(jdn);
}

MIBREXW_API int32_t jdn_to_annus_novus_date(DateRecord* rec) {
    Ymd d{};
    const int32_t weekday = JdnToAnnusNovus(rec->jdn, d);
    rec->year = d.year;
    rec->month = d.month;
    rec->day = d.day;
    return weekday;
}

MIBREXW_API int32_t annus_novus_date_to_jdn(DateRecord* rec) {
    int32_t jdn = 0;
    if (!AnnusNovusToJdnFast(rec->year, rec->month, rec->day, jdn)) {
        return AnnusNovusDateToJdnWide(rec);
    }
    rec->jdn = jdn;
    return jdn;
}

MIBREXW_API int32_t str_to_date(const char* text, int32_t order, DateRecord* rec, int32_t letter) {
    if (rec == nullptr) {
        return -1;
    }
    rec->calendar = letter;
    if (text == nullptr || order < 0 || order > 2) {
        return -1;
    }
    // Position of year, month and day among the three numbers for MDY, DMY, YMD.
    static constexpr int kYearAt[3] = {2, 2, 0};
    static constexpr int kMonthAt[3] = {0, 1, 1};
    static constexpr int kDayAt[3] = {1, 0, 2};

    Number numbers[3];
    const char* p = text;
    for (int i = 0; i < 3; ++i) {
        if (i > 0) {
            // Exactly one separator: any character but a digit or the end of the text.
            if (*p == '\0' || IsDigit(*p)) {
                return -1;
            }
            ++p;
        }
        p = ReadNumber(p, i == kYearAt[order], numbers[i]);
        if (p == nullptr) {
            return -1;
        }
    }
    if (*p != '\0') {
        return -1;
    }

    const Number& year = numbers[kYearAt[order]];
    const Number& month = numbers[kMonthAt[order]];
    const Number& day = numbers[kDayAt[order]];
    if (year.significant > kMaxYearDigits) {
        return -5;
    }
    if (month.significant > kMaxYearDigits || day.significant > kMaxYearDigits) {
        return -1;
    }
    const int64_t y = year.negative ? -year.value : year.value;
    rec->year = static_cast<int32_t>(y);
    rec->month = static_cast<int32_t>(month.value);
    rec->day = static_cast<int32_t>(day.value);

    const Calendar cal = CalendarOfLetter(letter);
    if (!IsValidDate(cal, y, month.value, day.value)) {
        return -1;
    }
    const int64_t jdn = DateToJdn(cal, y, month.value, day.value);
    if (jdn < MIBREXW_SMALLEST_DAY_NUMBER || jdn > MIBREXW_LARGEST_DAY_NUMBER) {
        return -5;
    }
    return 0;
}

MIBREXW_API int32_t separate_thousands(const char* number, int32_t separator, char* out) {
    constexpr size_t kOutSize = 20;
    if (out == nullptr) {
        return -1;
    }
    out[0] = '\0';
    if (number == nullptr || separator < 0 || separator > 255) {
        return -1;
    }
    const bool negative = number[0] == '-';
    const char* digits = number + (negative ? 1 : 0);
    size_t count = 0;
    while (IsDigit(digits[count])) {
        ++count;
    }
    if (count == 0 || digits[count] != '\0') {
        return -1;
    }
    // Separator 0 would end the text: it means no grouping.
    const size_t groups = separator == 0 ? 0 : (count - 1) / 3;
    const size_t length = (negative ? 1 : 0) + count + groups;
    if (length + 1 > kOutSize) {
        return -2;
    }
    char* w = out;
    if (negative) {
        *w++ = '-';
    }
    for (size_t i = 0; i < count; ++i) {
        if (groups != 0 && i != 0 && (count - i) % 3 == 0) {
            *w++ = static_cast<char>(separator);
        }
        *w++ = digits[i];
    }
    *w = '\0';
    return 0;
}

MIBREXW_API int32_t days_elapsed(const DateRecord* a, const DateRecord* b, int32_t* error) {
    int32_t failure = 0;
    int64_t diff = 0;
    if (a == nullptr || !IsValidDate(CalendarOfLetter(a->calendar), a->year, a->month, a->day)) {
        failure = 1;
    } else if (b == nullptr ||
               !IsValidDate(CalendarOfLetter(b->calendar), b->year, b->month, b->day)) {
        failure = 2;
    } else {
        diff = DateToJdn(CalendarOfLetter(a->calendar), a->year, a->month, a->day) -
               DateToJdn(CalendarOfLetter(b->calendar), b->year, b->month, b->day);
        if (diff < kInt32Min || diff > kInt32Max) {
            failure = 3;
        }
    }
    if (error != nullptr) {
        *error = failure;
    }
    return failure == 0 ? static_cast<int32_t>(diff) : 0;
}

} // extern "C"
