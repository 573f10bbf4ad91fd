// ParseWholeNumber on any text; the first byte chooses the thousands separator of the
// round trip.
#include "calendar/DatePr2.h"
#include "text/StrProc.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

const char* const kThousands[] = {",", ".", ""};

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// The digits of the text in order, without leading zeros ("0" when all are zeros).
std::string SignificantDigits(const std::string& text) {
    std::string digits;
    for (const char c : text) {
        if (c >= '0' && c <= '9' && !(digits.empty() && c == '0')) {
            digits.push_back(c);
        }
    }
    return digits.empty() ? "0" : digits;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) {
        return 0;
    }
    const std::string thousands = kThousands[data[0] % 3];
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);

    int16_t status = 99;
    const int32_t value = StrProc::ParseWholeNumber(text, status);
    Require(status == StrProc::statusRead || status == StrProc::statusInvalid ||
            status == StrProc::statusOutOfRange);
    if (status == StrProc::statusInvalid) {
        Require(value == 0);
        return 0;
    }
    if (status != StrProc::statusRead) {
        return 0;
    }
    Require(value >= DatePr2::smallestDayNumber && value <= DatePr2::largestDayNumber);
    // Every digit typed counts, in order, whatever stands between them.
    const int64_t magnitude = value < 0 ? -int64_t{value} : value;
    Require(SignificantDigits(text) == std::to_string(magnitude));

    const std::string grouped =
        StrProc::InsertThousandsSeparators(std::to_string(value), thousands);
    int16_t again = 99;
    Require(StrProc::ParseWholeNumber(grouped, again) == value);
    Require(again == StrProc::statusRead);
    return 0;
}
