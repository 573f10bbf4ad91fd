// DateSequence: the days from FROM to TO inclusive at a step span, one at a time in constant
// memory. The k-th day is FROM plus k steps counted from FROM (so a monthly sequence from a
// 31st gives the 31st wherever the month has one, the month's last day elsewhere). When TO is
// before FROM the sequence counts down by the step's size.
#pragma once

#include "calendar/DateSpan.h"
#include "calendar/Weekdays.h"

#include <cstdint>

namespace DateJobs {

enum class StepError {
    none,
    zero,           // every part is 0: the sequence would never move
    mixedSigns,     // parts of both signs ("1m-1d"): the step has no single size or direction
    calendarNeeded, // years or months in a day-number notation
};

// Whether a parsed span can be a step. Its sign does not matter: the direction comes from
// FROM and TO, so "1w" and "-1w" are the same step.
StepError CheckStep(const Span& step, bool dayNumbers);

class DateSequence {
  public:
    // letter: the calendar of the years and months ('G', 'J', 'A'); step: one CheckStep
    // accepts; only: the weekdays kept (the others are stepped over, not written).
    DateSequence(int32_t letter, int32_t from, int32_t to, const Span& step,
                 WeekdaySet only = kAllWeekdays);
    // The next day of the sequence; false at its end (after TO, or beyond the day numbers).
    bool Next(int32_t& jdn);

  private:
    int32_t letter_;
    int32_t from_;
    int32_t to_;
    int64_t direction_; // +1 or -1
    int64_t years_;     // the step's size, each part not negative
    int64_t months_;
    int64_t days_;
    WeekdaySet only_;
    int64_t k_ = 0;
    bool done_ = false;
};

} // namespace DateJobs
