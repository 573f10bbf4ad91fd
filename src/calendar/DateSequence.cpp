#include "calendar/DateSequence.h"

#include <cstdlib>
#include <limits>

namespace DateJobs {
namespace {

int64_t Magnitude(int64_t v) {
    return v < 0 ? -v : v;
}

// k * v, or a value far beyond every range when the product would not fit.
int64_t SaturatedProduct(int64_t k, int64_t v) {
    constexpr int64_t kFar = std::numeric_limits<int64_t>::max() / 4;
    return v != 0 && k > kFar / v ? kFar : k * v;
}

} // namespace

StepError CheckStep(const Span& step, bool dayNumbers) {
    if (dayNumbers && (step.units & (kUnitYears | kUnitMonths)) != 0) {
        return StepError::calendarNeeded;
    }
    const int64_t parts[] = {step.years, step.months, step.weeks, step.days};
    bool positive = false;
    bool negative = false;
    for (const int64_t part : parts) {
        positive = positive || part > 0;
        negative = negative || part < 0;
    }
    if (positive && negative) {
        return StepError::mixedSigns;
    }
    return positive || negative ? StepError::none : StepError::zero;
}

DateSequence::DateSequence(int32_t letter, int32_t from, int32_t to, const Span& step,
                           WeekdaySet only)
    : letter_(letter), from_(from), to_(to), direction_(to < from ? -1 : 1),
      years_(Magnitude(step.years)), months_(Magnitude(step.months)),
      days_(Magnitude(step.weeks) * 7 + Magnitude(step.days)), only_(only) {
    // A step that never moves would never end; CheckStep refuses it, and so does this. Whole
    // weeks keep FROM's weekday: when it is not kept, no day is, and none need be visited.
    const bool days = years_ == 0 && months_ == 0;
    done_ = (days && days_ == 0) || only_ == 0 ||
            (days && days_ % 7 == 0 && !Contains(only_, WeekdayOf(from)));
}

bool DateSequence::Next(int32_t& jdn) {
    while (!done_) {
        int64_t day = from_;
        if (years_ == 0 && months_ == 0) {
            day += direction_ * k_ * days_; // stays below 2^34: the loop ends past TO
        } else {
            int32_t reached = 0;
            const AddStatus status =
                AddParts(letter_, from_, direction_ * SaturatedProduct(k_, years_),
                         direction_ * SaturatedProduct(k_, months_),
                         direction_ * SaturatedProduct(k_, days_), reached);
            day = status == AddStatus::ok ? reached : int64_t{to_} + direction_;
        }
        ++k_;
        if (direction_ * (day - to_) > 0 || day < kSmallestDay || day > kLargestDay) {
            done_ = true;
        } else if (only_ == kAllWeekdays || Contains(only_, WeekdayOf(day))) {
            jdn = static_cast<int32_t>(day);
            return true;
        }
    }
    return false;
}

} // namespace DateJobs
