// Month names against the hand-written table tests/data/month_names.txt.
#include <gtest/gtest.h>

#include <string>

#include "lang/GEN_TEXT.h"
#include "lang/MonthNames.h"
#include "support/Table.h"

namespace {

int16_t LanguageOf(const std::string& word) {
    if (word == "de") return GEN_TEXT::langGerman;
    if (word == "es") return GEN_TEXT::langSpanish;
    return word == "fr" ? GEN_TEXT::langFrench : GEN_TEXT::langEnglish;
}

TEST(MonthNames, Table) {
    for (const Row& row : Table("month_names.txt")) {
        ASSERT_EQ(row.field.size(), 5U) << "line " << row.line;
        const std::string_view name =
            MonthNames::Name(row[0][0], row.Int(1), row.Int(2), LanguageOf(row[3]));
        EXPECT_EQ(std::string(name), row[4]) << "line " << row.line;
    }
}

} // namespace
