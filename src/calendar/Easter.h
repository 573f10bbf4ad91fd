// Easter: the date of Easter Sunday by the two computus rules still in use.
#pragma once

#include <cstdint>

namespace DateJobs {

// Easter Sunday of the (astronomical) Gregorian year by the Gregorian computus, as a JDN.
// False when that day lies beyond kSmallestDay .. kLargestDay; every year is accepted.
bool GregorianEaster(int64_t year, int32_t& jdn);
// Easter Sunday of the Julian year by the Julian computus (the rule of the Orthodox
// churches: a Julian calendar date), as a JDN; false beyond the day-number range.
bool JulianEaster(int64_t year, int32_t& jdn);

} // namespace DateJobs
