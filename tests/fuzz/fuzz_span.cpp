// ParseSpan on any text: what it reads is written back canonically, read again as the same
// span, and added to days across the range without leaving it.
#include "calendar/DateSpan.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    DateJobs::Span span;
    if (DateJobs::ParseSpan(text, span) != DateJobs::SpanError::none) {
        return 0;
    }
    const std::string canonical = DateJobs::SpanText(span);
    DateJobs::Span again;
    Require(DateJobs::ParseSpan(canonical, again) == DateJobs::SpanError::none);
    Require(again == span && DateJobs::SpanText(again) == canonical);
    for (const int32_t letter : {'G', 'J', 'A'}) {
        for (const int32_t jdn : {DateJobs::kSmallestDay, 0, 2460000, DateJobs::kLargestDay}) {
            int32_t result = 0;
            if (DateJobs::AddSpan(letter, jdn, span, result) == DateJobs::AddStatus::ok) {
                Require(result >= DateJobs::kSmallestDay && result <= DateJobs::kLargestDay);
            }
        }
    }
    return 0;
}
