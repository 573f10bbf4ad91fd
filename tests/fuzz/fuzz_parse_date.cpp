// ParseDate over every calendar kind, date order, date separator and thousands separator,
// chosen by the first four bytes; the rest is the typed or pasted text.
#include "calendar/DatePr2.h"
#include "calendar/IsoWeekText.h"
#include "text/StrProc.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

const char* const kSeparators[] = {"-", "/", "."};
const char* const kThousands[] = {",", ".", ""};

bool WithinDayNumbers(int32_t jdn) {
    return jdn >= DatePr2::smallestDayNumber && jdn <= DatePr2::largestDayNumber;
}

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4) {
        return 0;
    }
    const auto kind = DatePr2::kinds[data[0] % DatePr2::kinds.size()].kind;
    const auto order = static_cast<DatePr2::DateOrder>(data[1] % 3);
    const std::string separator = kSeparators[data[2] % 3];
    const std::string thousands = kThousands[data[3] % 3];
    const std::string text(reinterpret_cast<const char*>(data) + 4, size - 4);

    DateRecord rec{};
    const int16_t status = StrProc::ParseDate(text, separator, kind, order, rec);
    Require(status == StrProc::statusRead || status == StrProc::statusInvalid ||
            status == StrProc::statusOutOfRange);
    if (status != StrProc::statusRead) {
        return 0;
    }
    Require(WithinDayNumbers(rec.jdn));

    // What the window writes back after a successful read must read as the same day.
    std::string canonical;
    switch (DatePr2::FactsOf(kind).form) {
    case DatePr2::Form::DayNumber:
        canonical = StrProc::InsertThousandsSeparators(std::to_string(rec.jdn), thousands);
        break;
    case DatePr2::Form::YearDay:
        Require(rec.jdn >= DatePr2::firstYyyydddDay && rec.jdn <= DatePr2::lastYyyydddDay);
        canonical = DatePr2::YyyydddText(rec.jdn);
        break;
    case DatePr2::Form::LongCount:
        canonical = StrProc::FormatLongCount(rec.jdn);
        break;
    case DatePr2::Form::CalendarDate:
        Require(rec.calendar == DatePr2::FactsOf(kind).letter);
        canonical = StrProc::FormatDate(rec, order, separator, thousands);
        break;
    case DatePr2::Form::WeekDate:
        DateJobs::AppendIsoWeekText(rec.jdn, canonical);
        break;
    }
    DateRecord back{};
    Require(StrProc::ParseDate(canonical, separator, kind, order, back) == StrProc::statusRead);
    Require(back.jdn == rec.jdn);
    return 0;
}
