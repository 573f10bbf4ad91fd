#include "ui/main/SettingsFile.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct ReadCase {
    const char* name;
    std::string text;
    bool truncated;
    bool readable;
    SettingsFile::Settings expected; // when readable
};

SettingsFile::Settings S(int16_t language, int16_t order, int16_t separator, int16_t thousands,
                         int16_t today, int16_t first, int16_t second) {
    return {language, order, separator, thousands, today, first, second};
}

class SettingsFileRead : public testing::TestWithParam<ReadCase> {};

TEST_P(SettingsFileRead, ReadsOrRefuses) {
    const ReadCase& c = GetParam();
    const auto read = SettingsFile::Parse(c.text, c.truncated);
    ASSERT_EQ(read.has_value(), c.readable);
    if (!read) return;
    EXPECT_EQ(read->language, c.expected.language);
    EXPECT_EQ(read->dateOrder, c.expected.dateOrder);
    EXPECT_EQ(read->dateSeparatorCode, c.expected.dateSeparatorCode);
    EXPECT_EQ(read->thousandsSeparatorCode, c.expected.thousandsSeparatorCode);
    EXPECT_EQ(read->todayKind, c.expected.todayKind);
    EXPECT_EQ(read->firstKind, c.expected.firstKind);
    EXPECT_EQ(read->secondKind, c.expected.secondKind);
}

const SettingsFile::Settings none{};

INSTANTIATE_TEST_SUITE_P(
    Lines, SettingsFileRead,
    testing::Values(
        ReadCase{"Defaults", "0\r\n2,45,44\r\n0,0,0\r\n", false, true, S(0, 2, 45, 44, 0, 0, 0)},
        ReadCase{"Saved", "1\r\n1,47,0\r\n2,1,3\r\n", false, true, S(1, 1, 47, 0, 2, 1, 3)},
        ReadCase{"LineFeedsOnly", "4\n0,46,46\n4,4,4\n", false, true, S(4, 0, 46, 46, 4, 4, 4)},
        ReadCase{"LastLineUnended", "0\r\n2,45,44\r\n0,0,0", false, true, S(0, 2, 45, 44, 0, 0, 0)},
        ReadCase{"ExtraLinesIgnored", "0\r\n2,45,44\r\n0,0,0\r\ngarbage\r\n", false, true,
                 S(0, 2, 45, 44, 0, 0, 0)},
        ReadCase{"LanguageFiveKept", "5\r\n2,45,44\r\n0,0,0\r\n", false, true,
                 S(5, 2, 45, 44, 0, 0, 0)},
        ReadCase{"LanguageSixIsEnglish", "6\r\n2,45,44\r\n0,0,0\r\n", false, true,
                 S(0, 2, 45, 44, 0, 0, 0)},
        ReadCase{"NegativeLanguageIsEnglish", "-2\r\n2,45,44\r\n0,0,0\r\n", false, true,
                 S(0, 2, 45, 44, 0, 0, 0)},
        ReadCase{"TodayKindFiveIsCE", "0\r\n2,45,44\r\n5,1,1\r\n", false, true,
                 S(0, 2, 45, 44, 0, 1, 1)},
        ReadCase{"OtherValuesKeptForTheWindow", "0\r\n9,-7,32767\r\n4,-32768,99\r\n", false, true,
                 S(0, 9, -7, 32767, 4, -32768, 99)},
        ReadCase{"TruncatedWithEndedThirdLine", "0\r\n2,45,44\r\n0,0,0\r\n12345", true, true,
                 S(0, 2, 45, 44, 0, 0, 0)},
        ReadCase{"TruncatedInsideThirdLine", "0\r\n2,45,44\r\n0,0,0", true, false, none},
        ReadCase{"Empty", "", false, false, none},
        ReadCase{"TwoLines", "0\r\n2,45,44\r\n", false, false, none},
        ReadCase{"EmptyThirdLine", "0\r\n2,45,44\r\n\r\n", false, false, none},
        ReadCase{"Letter", "0\r\n2,45,4x\r\n0,0,0\r\n", false, false, none},
        ReadCase{"Blank", "0 \r\n2,45,44\r\n0,0,0\r\n", false, false, none},
        ReadCase{"PlusSign", "+1\r\n2,45,44\r\n0,0,0\r\n", false, false, none},
        ReadCase{"LoneMinus", "-\r\n2,45,44\r\n0,0,0\r\n", false, false, none},
        ReadCase{"EmptyValue", "0\r\n2,,44\r\n0,0,0\r\n", false, false, none},
        ReadCase{"TrailingComma", "0\r\n2,45,44,\r\n0,0,0\r\n", false, false, none},
        ReadCase{"FourValues", "0\r\n2,45,44\r\n0,0,0,0\r\n", false, false, none},
        ReadCase{"TwoValues", "0\r\n2,45\r\n0,0,0\r\n", false, false, none},
        ReadCase{"Above16Bits", "0\r\n2,45,32768\r\n0,0,0\r\n", false, false, none},
        ReadCase{"Below16Bits", "0\r\n2,45,44\r\n0,-32769,0\r\n", false, false, none},
        ReadCase{"ManyDigits", "0\r\n2,45,44\r\n0,0," + std::string(5000, '9') + "\r\n", false,
                 false, none},
        ReadCase{"Nul", std::string("0\0\r\n2,45,44\r\n0,0,0\r\n", 18), false, false, none},
        ReadCase{"CarriageReturnsOnly", "0\r2,45,44\r0,0,0\r", false, false, none}),
    [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

class SettingsFileRoundTrip : public testing::TestWithParam<SettingsFile::Settings> {};

TEST_P(SettingsFileRoundTrip, WrittenFileReadsBack) {
    const SettingsFile::Settings& s = GetParam();
    const auto read = SettingsFile::Parse(SettingsFile::Format(s));
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(SettingsFile::Format(*read), SettingsFile::Format(s));
}

INSTANTIATE_TEST_SUITE_P(Values, SettingsFileRoundTrip,
                         testing::Values(S(0, 2, 45, 44, 0, 0, 0), S(1, 1, 47, 0, 2, 1, 3),
                                         S(4, 0, 46, 46, 4, 4, 4), S(3, 2, 45, 0, 1, 3, 2)));

TEST(SettingsFileFormat, ThreeCrLfLines) {
    EXPECT_EQ(SettingsFile::Format({}), "0\r\n2,45,44\r\n0,0,0\r\n");
    EXPECT_EQ(SettingsFile::Format(S(1, 1, 47, 0, 2, 1, 3)), "1\r\n1,47,0\r\n2,1,3\r\n");
}

} // namespace
