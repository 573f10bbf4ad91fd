// ParseWeekdays on any text: a list it reads is written back canonically and read again as
// the same set of days.
#include "calendar/Weekdays.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    DateJobs::WeekdaySet set = 0;
    if (DateJobs::ParseWeekdays(text, set) != DateJobs::WeekdayError::none) {
        return 0;
    }
    const std::string canonical = DateJobs::WeekdaysText(set);
    DateJobs::WeekdaySet again = 0;
    if (DateJobs::ParseWeekdays(canonical, again) != DateJobs::WeekdayError::none || again != set ||
        (set & ~DateJobs::kAllWeekdays) != 0) {
        std::abort();
    }
    return 0;
}
