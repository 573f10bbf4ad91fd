#include "calendar/IsoWeekText.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "calendar/IsoWeek.h"
#include "mibrexw.h"

namespace DateJobs {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Years beyond this lie far outside the day numbers; reading saturates here.
constexpr int64_t kYearCap = 100'000'000;

} // namespace

WeekTextRead ReadIsoWeekText(std::string_view text) {
    WeekTextRead read;
    const auto shape = [&read] {
        read.error = WeekTextError::shape;
        return read;
    };
    std::size_t at = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) ++at;
    int64_t year = 0;
    const std::size_t yearStart = at;
    for (; at < text.size() && IsDigit(text[at]); ++at)
        year = std::min(year * 10 + (text[at] - '0'), kYearCap);
    if (at == yearStart || at >= text.size()) return shape();
    const bool extended = text[at] == '-';
    if (extended) ++at;
    // What follows the year: "W", two week digits, the "-" of the extended form, a weekday.
    const std::string_view rest = text.substr(std::min(at, text.size()));
    const std::size_t length = extended ? 5 : 4;
    if (rest.size() != length || rest[0] != 'W' || !IsDigit(rest[1]) || !IsDigit(rest[2]) ||
        (extended && rest[3] != '-') || !IsDigit(rest.back()))
        return shape();
    if (negative) year = -year;
    const int32_t week = (rest[1] - '0') * 10 + (rest[2] - '0');
    const int32_t weekday = rest.back() - '0';
    if (year < MIBREXW_ISO_WEEK_FIRST_YEAR || year > MIBREXW_ISO_WEEK_LAST_YEAR) {
        read.error = WeekTextError::outOfRange;
        return read;
    }
    const auto year32 = static_cast<int32_t>(year);
    const int32_t weeks = mibrexw_months_in_year(MIBREXW_ISO_WEEK, year32);
    if (week < 1 || week > weeks) {
        read.error = WeekTextError::noSuchWeek;
        read.limit = weeks;
    } else if (weekday < 1 || weekday > 7) {
        read.error = WeekTextError::noSuchWeekday;
        read.limit = 7;
    } else if (!IsoWeekToJdn({year32, week, weekday}, read.jdn)) {
        read.error = WeekTextError::outOfRange;
    }
    return read;
}

void AppendIsoWeekText(int32_t jdn, std::string& out) {
    const IsoWeekDate date = IsoWeekOf(jdn);
    std::array<char, 24> text{};
    char* at = text.data();
    uint32_t year = 0;
    if (date.year < 0) {
        *at++ = '-';
        year = static_cast<uint32_t>(-static_cast<int64_t>(date.year));
    } else {
        year = static_cast<uint32_t>(date.year);
    }
    for (uint32_t scale = 1000; scale > 1 && year < scale; scale /= 10)
        *at++ = '0';
    at = std::to_chars(at, text.data() + 12, year).ptr;
    *at++ = '-';
    *at++ = 'W';
    *at++ = static_cast<char>('0' + date.week / 10);
    *at++ = static_cast<char>('0' + date.week % 10);
    *at++ = '-';
    *at++ = static_cast<char>('0' + date.weekday);
    out.append(text.data(), at);
}

} // namespace DateJobs
