#include "calendar/IsoWeek.h"

#include "mibrexw.h"

// Both ways are the library's ISO week calendar, letter 'W': one conversion in the program.
namespace DateJobs {

IsoWeekDate IsoWeekOf(int32_t jdn) {
    DateRecord rec{0, 0, 0, MIBREXW_ISO_WEEK, jdn, 0};
    mibrexw_jdn_to_date(&rec);
    return {rec.year, rec.month, rec.day};
}

bool IsoWeekToJdn(const IsoWeekDate& date, int32_t& jdn) {
    // The library answers -5 beyond +-2,100,000,000, the program's range too.
    DateRecord rec{date.year, date.week, date.weekday, MIBREXW_ISO_WEEK, 0, 0};
    if (mibrexw_date_to_jdn(&rec) != 0) {
        return false;
    }
    jdn = rec.jdn;
    return true;
}

} // namespace DateJobs
