// DateFormat::Compile on any layout, for each calendar, with and without names (first byte):
// a layout it accepts is written back, compiles again to the same layout and writes the same
// text for days across the range.
#include "calendar/DateFormat.h"
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
    if (size < 1) {
        return 0;
    }
    DateJobs::FormatNames names;
    constexpr int32_t kLetters[] = {'G', 'J', 'A'};
    names.letter = kLetters[data[0] % 3];
    names.code = "CE";
    if ((data[0] & 4) != 0) {
        names.weekday = [](int32_t) { return std::string_view("Monday"); };
        names.month = [](int32_t, int32_t) { return std::string_view("May"); };
    }
    const std::string_view layout(reinterpret_cast<const char*>(data) + 1, size - 1);
    DateJobs::DateFormat format;
    if (format.Compile(layout, names) != DateJobs::FormatError::none) {
        return 0;
    }
    const std::string canonical = format.LayoutText();
    DateJobs::DateFormat again;
    Require(again.Compile(canonical, names) == DateJobs::FormatError::none);
    Require(again.LayoutText() == canonical);
    for (const int32_t jdn : {DateJobs::kSmallestDay, -1, 0, 2460000, DateJobs::kLargestDay}) {
        std::string first;
        std::string second;
        format.Write(jdn, first);
        again.Write(jdn, second);
        Require(first == second);
    }
    return 0;
}
