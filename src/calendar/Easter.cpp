#include "calendar/Easter.h"

#include "calendar/DateSpan.h"
#include "calendar/MonthCalendar.h"

namespace DateJobs {
namespace {

// Years farther out have no day inside the day-number range; the library takes int32 years.
constexpr int64_t kMostYear = 6'000'000;

int64_t FloorDiv(int64_t a, int64_t b) { // b > 0
    const int64_t q = a / b;
    return a % b < 0 ? q - 1 : q;
}

int64_t FloorMod(int64_t a, int64_t b) { // b > 0, result 0 .. b - 1
    return a - FloorDiv(a, b) * b;
}

// The JDN of March 1 + offset days (offset 0 .. 56, so no month length is needed beyond
// March and April) in the calendar of the letter.
bool DayAfterMarch(int32_t letter, int64_t year, int64_t offset, int32_t& jdn) {
    if (year < -kMostYear || year > kMostYear) {
        return false;
    }
    const int64_t first = DateToJdn(letter, {static_cast<int32_t>(year), 3, 1});
    const int64_t day = first + offset;
    if (day < kSmallestDay || day > kLargestDay) {
        return false;
    }
    jdn = static_cast<int32_t>(day);
    return true;
}

} // namespace

bool GregorianEaster(int64_t year, int32_t& jdn) {
    // The anonymous Gregorian algorithm (Meeus), with floor division for years before 1.
    const int64_t a = FloorMod(year, 19);
    const int64_t b = FloorDiv(year, 100);
    const int64_t c = FloorMod(year, 100);
    const int64_t d = FloorDiv(b, 4);
    const int64_t e = FloorMod(b, 4);
    const int64_t f = FloorDiv(b + 8, 25);
    const int64_t g = FloorDiv(b - f + 1, 3);
    const int64_t h = FloorMod(19 * a + b - d - g + 15, 30); // the moon's age, roughly
    const int64_t l = FloorMod(32 + 2 * e + 2 * (c / 4) - h - c % 4, 7);
    const int64_t m = (a + 11 * h + 22 * l) / 451;
    // h + l - 7m + 22 is the day of March (32 being April 1).
    return DayAfterMarch('G', year, h + l - 7 * m + 22 - 1, jdn);
}

bool JulianEaster(int64_t year, int32_t& jdn) {
    // Meeus' Julian algorithm: the full moon after the equinox by the 19-year cycle.
    const int64_t d = FloorMod(19 * FloorMod(year, 19) + 15, 30);
    const int64_t e = FloorMod(2 * FloorMod(year, 4) + 4 * FloorMod(year, 7) - d + 34, 7);
    return DayAfterMarch('J', year, d + e + 22 - 1, jdn);
}

} // namespace DateJobs
