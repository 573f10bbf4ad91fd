// Workdays: counting and stepping working days, the days that are neither a weekend day nor
// a holiday, with the conventions of NumPy's busday_count and busday_offset. Both take time in
// the number of weeks plus holidays crossed (no walk over the days), so spans of millions of
// days are instant.
#pragma once

#include "calendar/Weekdays.h"

#include <cstdint>
#include <vector>

namespace DateJobs {

class WorkCalendar {
  public:
    // weekend: the days off every week (default Saturday and Sunday); holidays: day numbers in
    // any order, repeats and weekend days allowed (they change nothing).
    explicit WorkCalendar(WeekdaySet weekend = kSaturdaySunday, std::vector<int32_t> holidays = {});

    // False when the weekend takes all seven days: nothing can be counted or stepped then.
    bool HasWorkdays() const { return perWeek_ > 0; }
    bool IsWorkday(int64_t jdn) const;

    // The working days d with from <= d < to; when to is earlier, minus those with
    // to <= d < from.
    int64_t Count(int32_t from, int32_t to) const;

    // date, first moved to the next working day when it is not one (to the previous one when
    // n is negative), then moved n working days. False (result untouched) without working
    // days or when the day reached lies beyond kSmallestDay .. kLargestDay.
    bool Offset(int32_t date, int64_t n, int32_t& result) const;

  private:
    int64_t CountForward(int64_t from, int64_t to) const; // from <= to
    // The day n (> 0) working days of the week from start in direction (+1 or -1), ignoring
    // holidays.
    int64_t StepWeekdays(int64_t start, int64_t n, int64_t direction) const;
    int64_t HolidaysBetween(int64_t low, int64_t high) const; // in [low, high)
    int64_t Roll(int64_t date, int64_t direction) const;

    WeekdaySet weekend_;
    int32_t perWeek_;
    std::vector<int32_t> holidays_; // sorted, unique, each a working weekday
};

} // namespace DateJobs
