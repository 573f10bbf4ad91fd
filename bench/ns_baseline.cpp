// Neri and Schneider's Euclidean affine functions ("Euclidean affine functions and their
// application to calendar algorithms", 2022) as printed there, moved to chronological JDNs by
// whole 400-year (4-year) cycles so that every intermediate is unsigned, 64-bit where a
// product can leave 32 bits.
#include "ns_baseline.h"

#include <cstdint>

namespace {

constexpr int64_t kGregorianMarch0 = 1721120; // JDN of 1 March of year 0, Gregorian
constexpr int64_t kJulianMarch0 = 1721118;
constexpr int64_t kShiftYears = 400LL * 15000; // years ahead of any int32 JDN's year
constexpr int64_t kShiftDays = 146097LL * 15000;
constexpr int64_t kJulianShiftYears = 4LL * 1500000;
constexpr int64_t kJulianShiftDays = 1461LL * 1500000;
constexpr int64_t kAnnusNovusYearOffset = 8519;

int64_t GregorianToJdn(int64_t year, int64_t month, int64_t day) {
    const uint64_t j = month <= 2;
    const uint64_t y = static_cast<uint64_t>(year + kShiftYears) - j;
    const uint64_t m = static_cast<uint64_t>(month) + 12 * j;
    const uint64_t c = y / 100;
    const uint64_t yearDays = 1461 * y / 4 - c + c / 4;
    const uint64_t monthDays = (979 * m - 2919) / 32;
    return static_cast<int64_t>(yearDays + monthDays) + day + (kGregorianMarch0 - 1 - kShiftDays);
}

struct Ymd {
    int32_t year, month, day;
};

// Also gives the day of the March-based year and the shifted century, for Annus Novus.
Ymd JdnToGregorian(int32_t jdn, uint32_t& dayOfYear, uint32_t& yearOfCent, uint32_t& century) {
    const uint64_t n = static_cast<uint64_t>(jdn - kGregorianMarch0 + kShiftDays);
    const uint64_t n1 = 4 * n + 3;
    century = static_cast<uint32_t>(n1 / 146097);
    const uint32_t nc = static_cast<uint32_t>(n1 % 146097) / 4;
    const uint32_t n2 = 4 * nc + 3;
    const uint64_t p2 = uint64_t{2939745} * n2;
    yearOfCent = static_cast<uint32_t>(p2 >> 32);
    dayOfYear = static_cast<uint32_t>(p2) / 2939745 / 4;
    const uint32_t n3 = 2141 * dayOfYear + 197913;
    const uint32_t m = n3 >> 16;
    const uint32_t d = (n3 & 0xFFFF) / 2141 + 1;
    const uint32_t j = dayOfYear >= 306;
    const int64_t y = int64_t{100} * century + yearOfCent + j - kShiftYears;
    return {static_cast<int32_t>(y), static_cast<int32_t>(m - 12 * j), static_cast<int32_t>(d)};
}

} // namespace

extern "C" {

[[gnu::noinline]] int32_t ns_gregorian_to_jdn(DateRecord* rec) {
    rec->jdn = static_cast<int32_t>(GregorianToJdn(rec->year, rec->month, rec->day));
    return rec->jdn;
}

[[gnu::noinline]] int32_t ns_julian_to_jdn(DateRecord* rec) {
    const uint64_t j = rec->month <= 2;
    const uint64_t y = static_cast<uint64_t>(rec->year + kJulianShiftYears) - j;
    const uint64_t m = static_cast<uint64_t>(rec->month) + 12 * j;
    const uint64_t days = 1461 * y / 4 + (979 * m - 2919) / 32;
    rec->jdn = static_cast<int32_t>(static_cast<int64_t>(days) + rec->day +
                                    (kJulianMarch0 - 1 - kJulianShiftDays));
    return rec->jdn;
}

[[gnu::noinline]] int32_t ns_annus_novus_to_jdn(DateRecord* rec) {
    // Months of 36, 37, 36, ... days from 1 January of the Gregorian year Y - 8519.
    const int64_t m = rec->month - 1;
    rec->jdn = static_cast<int32_t>(GregorianToJdn(rec->year - kAnnusNovusYearOffset, 1, 1) +
                                    36 * m + m / 2 + rec->day - 1);
    return rec->jdn;
}

[[gnu::noinline]] int32_t ns_jdn_to_gregorian(DateRecord* rec) {
    uint32_t dayOfYear = 0, yearOfCent = 0, century = 0;
    const Ymd d = JdnToGregorian(rec->jdn, dayOfYear, yearOfCent, century);
    rec->year = d.year;
    rec->month = d.month;
    rec->day = d.day;
    return 0;
}

[[gnu::noinline]] int32_t ns_jdn_to_julian(DateRecord* rec) {
    const uint64_t n = static_cast<uint64_t>(rec->jdn - kJulianMarch0 + kJulianShiftDays);
    const uint64_t n1 = 4 * n + 3;
    const uint32_t y = static_cast<uint32_t>(n1 / 1461);
    const uint32_t dayOfYear = static_cast<uint32_t>(n1 % 1461) / 4;
    const uint32_t n3 = 2141 * dayOfYear + 197913;
    const uint32_t j = dayOfYear >= 306;
    rec->year = static_cast<int32_t>(int64_t{y} + j - kJulianShiftYears);
    rec->month = static_cast<int32_t>((n3 >> 16) - 12 * j);
    rec->day = static_cast<int32_t>((n3 & 0xFFFF) / 2141 + 1);
    return 0;
}

[[gnu::noinline]] int32_t ns_jdn_to_annus_novus(DateRecord* rec) {
    uint32_t dayOfYear = 0, yearOfCent = 0, century = 0;
    const Ymd g = JdnToGregorian(rec->jdn, dayOfYear, yearOfCent, century);
    // Day of the Gregorian year: January and February end the March-based year.
    const bool leap = yearOfCent != 0 ? yearOfCent % 4 == 0 : century % 4 == 0;
    const uint32_t day = dayOfYear >= 306 ? dayOfYear - 306 : dayOfYear + 59 + leap;
    const uint32_t pair = day / 73;
    const uint32_t inPair = day % 73;
    const uint32_t second = inPair >= 36;
    rec->year = static_cast<int32_t>(g.year + kAnnusNovusYearOffset);
    rec->month = static_cast<int32_t>(2 * pair + 1 + second);
    rec->day = static_cast<int32_t>(inPair + 1 - 36 * second);
    return day == 365 ? 0 : static_cast<int32_t>(day % 5 + 1);
}

} // extern "C"
