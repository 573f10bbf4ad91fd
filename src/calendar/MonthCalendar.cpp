#include "calendar/MonthCalendar.h"

#include "mibrexw.h"

namespace DateJobs {
namespace {

constexpr int32_t kLetterGregorian = 'G';
constexpr int32_t kLetterAnnusNovus = 'A';
constexpr int32_t kAnnusNovusMonths = 10;
constexpr int32_t kIntercalarius = 11;

// The library's letter for a calendar it knows (it has months in every year); anything
// else is Gregorian.
int32_t Known(int32_t letter) {
    return mibrexw_months_in_year(letter, 0) > 0 ? letter : kLetterGregorian;
}

} // namespace

int32_t MonthsInYear(int32_t letter, int32_t year) {
    letter = Known(letter);
    return letter == kLetterAnnusNovus ? kAnnusNovusMonths : mibrexw_months_in_year(letter, year);
}

int32_t DaysInMonth(int32_t letter, int32_t year, int32_t month) {
    letter = Known(letter);
    // Intercalarius joined to Decimus: the library gives it 0 days in a common year.
    if (letter == kLetterAnnusNovus && month == kAnnusNovusMonths)
        return mibrexw_days_in_month(letter, year, month) +
               mibrexw_days_in_month(letter, year, kIntercalarius);
    if (letter == kLetterAnnusNovus && month == kIntercalarius) return 0;
    return mibrexw_days_in_month(letter, year, month);
}

int32_t DateToJdn(int32_t letter, const Ymd& date) {
    letter = Known(letter);
    DateRecord rec{date.year, date.month, date.day, letter, 0, 0};
    if (letter == kLetterAnnusNovus && rec.month == kAnnusNovusMonths && rec.day == 38) {
        rec.month = kIntercalarius;
        rec.day = 1;
    }
    mibrexw_date_to_jdn(&rec);
    return rec.jdn;
}

Ymd JdnToDate(int32_t letter, int32_t jdn) {
    DateRecord rec{0, 0, 0, Known(letter), jdn, 0};
    mibrexw_jdn_to_date(&rec);
    return {rec.year, rec.month, rec.day};
}

} // namespace DateJobs
