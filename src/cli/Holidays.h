// The holidays file of --workdays: one date a line in the --from notation. Blank lines and
// lines whose first character after blanks is "#" are skipped; a line ends with LF, one CR
// before it is dropped; every other line must be wholly a date as orv reads one (no word for
// today: a holiday is a fixed day).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "text/StrictRead.h"

namespace Cli {

struct HolidaysRefusal {
    uint64_t line = 0; // from 1; 0 when every line was read
    std::string text;  // the line's date text, trimmed
    StrictRead::Field field;
};

// The day numbers of the file's text, in its order; on the first bad line, that line.
HolidaysRefusal ReadHolidays(std::string_view text, const StrictRead::Notation& notation,
                             std::vector<int32_t>& days);

} // namespace Cli
