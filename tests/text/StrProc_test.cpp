// Date text and number text: reading, writing, cleaning and the key filters, with the examples
// users type and texts of any length pasted into the windows. That what is written reads back
// as the same day under every setting is fuzz_parse_date's property.
#include "text/StrProc.h"

#include "calendar/DatePr2.h"

#include <gtest/gtest.h>

#include "support/CoreTest.h"

#include <string>
#include <tuple>

namespace {

using namespace StrProc;
using namespace DatePr2;
using S = std::string;
constexpr int32_t G = letterGregorian, J = letterJulian, A = letterAnnusNovus;

int32_t Letter(const std::string& letter) {
    return letter == "J" ? J : letter == "A" ? A : G;
}

// The JDN is checked for status 1; the date in the record must then be that of its JDN.
TEST(ParseDate, StatusAndRecord) {
    for (const Row& r : Table("parse_date.txt")) {
        const Kind kind = KindWord(r[2]);
        DateRecord rec{};
        ASSERT_EQ(ParseDate(r[0], r[1], kind, OrderWord(r[3]), rec), r.Int(4)) << "line " << r.line;
        if (r.Int(4) != statusRead) continue;
        EXPECT_EQ(rec.jdn, r.Int(5)) << "line " << r.line;
        if (kind == Kind::JDN) continue;
        DateRecord back{0, 0, 0, rec.calendar, rec.jdn, 0};
        JDNToDate(back);
        EXPECT_EQ(rec.calendar, FactsOf(kind).letter) << "line " << r.line;
        EXPECT_EQ(std::tie(rec.year, rec.month, rec.day),
                  std::tie(back.year, back.month, back.day));
    }
}

TEST(FormatDate, Text) {
    for (const Row& r : Table("format_date.txt")) {
        const DateRecord rec{r.Int(0), r.Int(1), r.Int(2), Letter(r[3]), 0, 0};
        EXPECT_EQ(FormatDate(rec, OrderWord(r[4]), r[5], r[6]), r[7]) << "line " << r.line;
    }
}

// What each helper makes of a text and its argument, written as the row's result.
S Edited(const Row& r) {
    S text = r[1];
    const S& op = r[0];
    if (op == "keep") KeepDateCharacters(text, r[2]);
    if (op == "clean") CleanNumberText(text, r[2] == "-");
    if (op == "cut") CutAtNul(text);
    if (op == "count") text = std::to_string(CountChar(text, r[2][0]));
    if (op == "group") text = InsertThousandsSeparators(text, r[2]);
    if (op == "trim") text = TrimBlanks(text);
    if (op == "number") {
        int16_t status = 99;
        const int32_t value = ParseWholeNumber(text, status);
        text = std::to_string(status) + "|" + std::to_string(value);
    }
    if (op == "key") {
        const int code = std::stoi(r[2]);
        const int length = std::stoi(r[3]);
        const bool date = r[1] == "date";
        text = (date ? DateKeyAllowed(code, length, 18, r[4])
                     : DayCountKeyAllowed(code, length, 18, r[4]))
                   ? "yes"
                   : "no";
    }
    return text;
}

TEST(TextHelpers, Edit) {
    for (const Row& r : Table("text_edits.txt")) {
        const std::size_t first = r[0] == "key" ? 5 : 3;
        S want = r[first];
        for (std::size_t i = first + 1; i < r.field.size(); ++i)
            want += "|" + r[i];
        EXPECT_EQ(Edited(r), want) << "line " << r.line;
    }
}

} // namespace
