#include "cli/Holidays.h"

namespace Cli {

HolidaysRefusal ReadHolidays(std::string_view text, const StrictRead::Notation& notation,
                             std::vector<int32_t>& days) {
    HolidaysRefusal refusal;
    uint64_t number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++number;
        if (line.ends_with('\r')) line.remove_suffix(1);
        const std::size_t first = line.find_first_not_of(' ');
        if (first == std::string_view::npos || line[first] == '#') continue;
        StrictRead::Field field = StrictRead::ReadDate(line, notation);
        if (field.fromClock) field.refusal = StrictRead::Refusal::Shape;
        if (!field.Accepted()) {
            refusal.line = number;
            refusal.text = line.substr(first, line.find_last_not_of(' ') - first + 1);
            refusal.field = field;
            return refusal;
        }
        days.push_back(field.value);
    }
    return refusal;
}

} // namespace Cli
