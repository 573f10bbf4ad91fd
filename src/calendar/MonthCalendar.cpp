#include "calendar/MonthCalendar.h"

#include "mibrexw.h"

namespace DateJobs {
namespace {

constexpr int32_t kLetterJulian = 'J';
constexpr int32_t kLetterAnnusNovus = 'A';
constexpr int32_t kAnnusNovusMonths = 10;
constexpr int32_t kIntercalarius = 11;

// The library's letter for a calendar this module knows; anything else is Gregorian.
int32_t Known(int32_t letter) {
    return letter == kLetterJulian || letter == kLetterAnnusNovus ? letter : 'G';
}

// Leap years asked of the library: 1 March follows 28 February by two days only then.
bool EuroLeap(int32_t letter, int32_t year) {
    DateRecord march{year, 3, 1, letter, 0, 0};
    DateRecord february{year, 2, 28, letter, 0, 0};
    return int64_t{euro_date_to_jdn(&march)} - euro_date_to_jdn(&february) == 2;
}

// The Annus Novus year holds Intercalarius when the library finds month 11 day 1 inside it.
bool AnnusNovusLeap(int32_t year) {
    DateRecord rec{year, kIntercalarius, 1, kLetterAnnusNovus, 0, 0};
    rec.jdn = annus_novus_date_to_jdn(&rec);
    jdn_to_annus_novus_date(&rec);
    return rec.month == kIntercalarius;
}

} // namespace

int32_t MonthsInYear(int32_t letter, int32_t /*year*/) {
    return Known(letter) == kLetterAnnusNovus ? kAnnusNovusMonths : 12;
}

int32_t DaysInMonth(int32_t letter, int32_t year, int32_t month) {
    letter = Known(letter);
    if (letter == kLetterAnnusNovus) {
        // 36, 37, 36, ... with Intercalarius joined to Decimus.
        return month % 2 == 1 ? 36 : month == kAnnusNovusMonths && AnnusNovusLeap(year) ? 38 : 37;
    }
    constexpr int32_t kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2) {
        return EuroLeap(letter, year) ? 29 : 28;
    }
    return month >= 1 && month <= 12 ? kLengths[month - 1] : 0;
}

int32_t DateToJdn(int32_t letter, const Ymd& date) {
    letter = Known(letter);
    DateRecord rec{date.year, date.month, date.day, letter, 0, 0};
    if (letter != kLetterAnnusNovus) {
        return euro_date_to_jdn(&rec);
    }
    if (rec.month == kAnnusNovusMonths && rec.day == 38) {
        rec.month = kIntercalarius;
        rec.day = 1;
    }
    return annus_novus_date_to_jdn(&rec);
}

Ymd JdnToDate(int32_t letter, int32_t jdn) {
    letter = Known(letter);
    DateRecord rec{0, 0, 0, letter, jdn, 0};
    if (letter == kLetterAnnusNovus) {
        jdn_to_annus_novus_date(&rec);
    } else {
        jdn_to_euro_date(&rec);
    }
    return {rec.year, rec.month, rec.day};
}

} // namespace DateJobs
