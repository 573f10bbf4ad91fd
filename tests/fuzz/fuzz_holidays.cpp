// The holidays file reader on any bytes, in every notation: no crash, and a refusal names a
// line of the text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "cli/Holidays.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    StrictRead::Notation notation;
    notation.kind = DatePr2::kinds[data[0] % DatePr2::kinds.size()].kind;
    notation.order = static_cast<DatePr2::DateOrder>((data[0] >> 4) % 3);
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    std::vector<int32_t> days;
    const Cli::HolidaysRefusal refusal = Cli::ReadHolidays(text, notation, days);
    std::size_t lines = 1;
    for (const char c : text)
        lines += c == '\n' ? 1 : 0;
    if (refusal.line > lines) std::abort();
    return 0;
}
