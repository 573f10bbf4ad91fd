#include "calendar/DateFormat.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace DateJobs {
namespace {

constexpr std::string_view kFields = "YmdjABuGVJKn%";
constexpr std::string_view kDateFields = "YmdjB";

// value in decimal, "-" first when negative, the digits padded with zeros to width; one
// append, as this runs for every field of every date written.
void AppendNumber(std::string& out, int64_t value, int width) {
    char text[32];
    char* end = text;
    if (value < 0) {
        *end++ = '-';
    }
    const uint64_t magnitude =
        value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    char digits[24];
    const char* digitsEnd = std::to_chars(digits, digits + sizeof digits, magnitude).ptr;
    for (auto length = digitsEnd - digits; length < width; ++length) {
        *end++ = '0';
    }
    end = std::copy(static_cast<const char*>(digits), digitsEnd, end);
    out.append(text, end);
}

} // namespace

bool IsFormatField(char letter) {
    return kFields.find(letter) != std::string_view::npos;
}

FormatError DateFormat::Compile(std::string_view layout, FormatNames names) {
    std::vector<Item> items;
    std::string literals;
    for (size_t pos = 0; pos < layout.size(); ++pos) {
        const char c = layout[pos];
        if (c != '%') {
            if (items.empty() || items.back().field != 0) {
                items.push_back({0, static_cast<uint32_t>(literals.size()), 0});
            }
            literals += c;
            ++items.back().length;
            continue;
        }
        if (++pos == layout.size()) {
            return FormatError::trailingPercent;
        }
        const char field = layout[pos];
        if (!IsFormatField(field)) {
            return FormatError::unknownField;
        }
        if (field == 'A' && !names.weekday) {
            return FormatError::noWeekdayNames;
        }
        if (field == 'B' && !names.month) {
            return FormatError::noMonthNames;
        }
        items.push_back({field, 0, 0});
    }
    items_ = std::move(items);
    literals_ = std::move(literals);
    names_ = std::move(names);
    needsDate_ = false;
    needsIsoWeek_ = false;
    for (const Item& item : items_) {
        needsDate_ = needsDate_ ||
                     (item.field != 0 && kDateFields.find(item.field) != std::string_view::npos);
        needsIsoWeek_ = needsIsoWeek_ || item.field == 'G' || item.field == 'V';
    }
    return FormatError::none;
}

void DateFormat::WriteField(char field, int32_t jdn, const Ymd& date, const IsoWeekDate& iso,
                            std::string& out) const {
    switch (field) {
    case 'Y':
        AppendNumber(out, date.year, 1);
        break;
    case 'm':
        AppendNumber(out, date.month, 2);
        break;
    case 'd':
        AppendNumber(out, date.day, 2);
        break;
    case 'j':
        AppendNumber(out, int64_t{jdn} - DateToJdn(names_.letter, {date.year, 1, 1}) + 1, 3);
        break;
    case 'A':
        out += names_.weekday(jdn);
        break;
    case 'B':
        out += names_.month(date.year, date.month);
        break;
    case 'u':
        AppendNumber(out, (jdn % 7 + 7) % 7 + 1, 1); // JDN 0 is a Monday
        break;
    case 'G':
        AppendNumber(out, iso.year, 1);
        break;
    case 'V':
        AppendNumber(out, iso.week, 2);
        break;
    case 'J':
        AppendNumber(out, jdn, 1);
        break;
    case 'K':
        out += names_.code;
        break;
    case 'n':
        out += '\n';
        break;
    default: // '%'
        out += '%';
        break;
    }
}

void DateFormat::Write(int32_t jdn, std::string& out) const {
    const Ymd date = needsDate_ ? JdnToDate(names_.letter, jdn) : Ymd{};
    const IsoWeekDate iso = needsIsoWeek_ ? IsoWeekOf(jdn) : IsoWeekDate{};
    for (const Item& item : items_) {
        if (item.field == 0) {
            out.append(literals_, item.begin, item.length);
        } else {
            WriteField(item.field, jdn, date, iso, out);
        }
    }
}

std::string DateFormat::LayoutText() const {
    std::string layout;
    for (const Item& item : items_) {
        if (item.field != 0) {
            layout += '%';
            layout += item.field;
            continue;
        }
        layout.append(literals_, item.begin, item.length); // never a "%": that is a field
    }
    return layout;
}

} // namespace DateJobs
