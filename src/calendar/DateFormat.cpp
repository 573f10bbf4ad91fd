#include "calendar/DateFormat.h"

#include <charconv>
#include <utility>

namespace DateJobs {
namespace {

constexpr std::string_view kFields = "YmdjABuGVJKn%";
constexpr std::string_view kDateFields = "YmdjB";

} // namespace

// Small appends to a std::string cost a call each; a date's fields are gathered here and
// handed on in one append (or more for long names), which halves the time per date.
class DateFormat::Buffer {
  public:
    explicit Buffer(std::string& out) : out_(out) {}

    void Text(std::string_view text) {
        if (text.size() > sizeof text_ - used_) {
            Flush();
            if (text.size() > sizeof text_) {
                out_.append(text);
                return;
            }
        }
        for (const char c : text) { // mostly one or two characters: no call
            text_[used_++] = c;
        }
    }

    void Char(char c) { Text(std::string_view(&c, 1)); }

    // value in decimal, "-" first when negative, the digits padded with zeros to width.
    void Number(int64_t value, int width) {
        constexpr size_t kLongest = 21; // "-" and 20 digits
        if (sizeof text_ - used_ < kLongest) {
            Flush();
        }
        char* end = text_ + used_;
        if (value >= 0 && value < 100 && width <= 2) { // months, days, weeks
            if (value >= 10 || width == 2) {
                *end++ = static_cast<char>('0' + value / 10);
            }
            *end++ = static_cast<char>('0' + value % 10);
            used_ = static_cast<size_t>(end - text_);
            return;
        }
        if (value < 0) {
            *end++ = '-';
        }
        const uint64_t magnitude =
            value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
        int digits = 1;
        for (uint64_t rest = magnitude; rest >= 10; rest /= 10) {
            ++digits;
        }
        for (; digits < width; ++digits) {
            *end++ = '0';
        }
        end = std::to_chars(end, text_ + sizeof text_, magnitude).ptr;
        used_ = static_cast<size_t>(end - text_);
    }

    void Flush() {
        out_.append(text_, used_);
        used_ = 0;
    }

  private:
    std::string& out_;
    char text_[128];
    size_t used_ = 0;
};

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
                            Buffer& out) const {
    switch (field) {
    case 'Y':
        out.Number(date.year, 1);
        break;
    case 'm':
        out.Number(date.month, 2);
        break;
    case 'd':
        out.Number(date.day, 2);
        break;
    case 'j':
        out.Number(int64_t{jdn} - DateToJdn(names_.letter, {date.year, 1, 1}) + 1, 3);
        break;
    case 'A':
        out.Text(names_.weekday(jdn));
        break;
    case 'B':
        out.Text(names_.month(date.year, date.month));
        break;
    case 'u':
        out.Number((jdn % 7 + 7) % 7 + 1, 1); // JDN 0 is a Monday
        break;
    case 'G':
        out.Number(iso.year, 1);
        break;
    case 'V':
        out.Number(iso.week, 2);
        break;
    case 'J':
        out.Number(jdn, 1);
        break;
    case 'K':
        out.Text(names_.code);
        break;
    case 'n':
        out.Char('\n');
        break;
    default: // '%'
        out.Char('%');
        break;
    }
}

void DateFormat::Write(int32_t jdn, std::string& out) const {
    const Ymd date = needsDate_ ? JdnToDate(names_.letter, jdn) : Ymd{};
    const IsoWeekDate iso = needsIsoWeek_ ? IsoWeekOf(jdn) : IsoWeekDate{};
    Buffer buffer(out);
    for (const Item& item : items_) {
        if (item.field == 0) {
            buffer.Text(std::string_view(literals_).substr(item.begin, item.length));
        } else {
            WriteField(item.field, jdn, date, iso, buffer);
        }
    }
    buffer.Flush();
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
