// Digit grouping into a 20-byte buffer.
#include "mibrexw.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

namespace {

struct GroupCase {
    const char* name;
    const char* number;
    int32_t separator;
    bool ok;
    const char* expected; // empty when not ok
};

void PrintTo(const GroupCase& c, std::ostream* os) {
    *os << c.name;
}

class SeparateThousands : public ::testing::TestWithParam<GroupCase> {};

TEST_P(SeparateThousands, WritesAtMost20Bytes) {
    const GroupCase& c = GetParam();
    char buffer[64];
    std::memset(buffer, '#', sizeof buffer);
    const int32_t result = separate_thousands(c.number, c.separator, buffer);
    EXPECT_EQ(result == 0, c.ok) << "result " << result;
    EXPECT_STREQ(buffer, c.expected);
    for (size_t i = 20; i < sizeof buffer; ++i) {
        ASSERT_EQ(buffer[i], '#') << "byte " << i << " written";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Grouping, SeparateThousands,
    ::testing::Values(
        GroupCase{"Zero", "0", ',', true, "0"}, GroupCase{"ThreeDigits", "123", ',', true, "123"},
        GroupCase{"FourDigits", "1234", ',', true, "1,234"},
        GroupCase{"SixDigits", "123456", ',', true, "123,456"},
        GroupCase{"SevenDigits", "1234567", '.', true, "1.234.567"},
        GroupCase{"Negative", "-1234", ',', true, "-1,234"},
        GroupCase{"NegativeThreeDigits", "-999", ',', true, "-999"},
        GroupCase{"Int32Min", "-2147483648", ',', true, "-2,147,483,648"},
        GroupCase{"LeadingZerosKept", "0001234", ',', true, "0,001,234"},
        GroupCase{"NoSeparator", "1234567", 0, true, "1234567"},
        GroupCase{"SpaceSeparator", "1234567", ' ', true, "1 234 567"},
        GroupCase{"HighByteSeparator", "1234", 0xA0, true,
                  "1\xA0"
                  "234"},
        // The buffer holds 19 characters and the NUL.
        GroupCase{"FifteenDigitsFit", "123456789012345", ',', true, "123,456,789,012,345"},
        GroupCase{"SixteenDigitsDoNot", "1234567890123456", ',', false, ""},
        GroupCase{"NegativeFourteenFit", "-12345678901234", ',', true, "-12,345,678,901,234"},
        GroupCase{"NegativeFifteenDoNot", "-123456789012345", ',', false, ""},
        GroupCase{"NineteenUngrouped", "1234567890123456789", 0, true, "1234567890123456789"},
        GroupCase{"TwentyUngroupedDoNot", "12345678901234567890", 0, false, ""},
        GroupCase{"NegativeEighteenUngrouped", "-123456789012345678", 0, true,
                  "-123456789012345678"},
        GroupCase{"NegativeNineteenUngroupedDoNot", "-1234567890123456789", 0, false, ""},
        GroupCase{"Empty", "", ',', false, ""}, GroupCase{"SignOnly", "-", ',', false, ""},
        GroupCase{"PlusSign", "+12", ',', false, ""}, GroupCase{"TwoSigns", "--12", ',', false, ""},
        GroupCase{"InnerMinus", "1-2", ',', false, ""}, GroupCase{"Letter", "12a", ',', false, ""},
        GroupCase{"LeadingSpace", " 12", ',', false, ""},
        GroupCase{"AlreadyGrouped", "1,234", ',', false, ""},
        GroupCase{"SeparatorTooLarge", "1234", 256, false, ""},
        GroupCase{"SeparatorNegative", "1234", -1, false, ""}),
    [](const ::testing::TestParamInfo<GroupCase>& info) { return std::string(info.param.name); });

TEST(SeparateThousandsInput, NullAndVeryLongTexts) {
    char buffer[20] = "untouched";
    EXPECT_NE(separate_thousands(nullptr, ',', buffer), 0);
    EXPECT_STREQ(buffer, "");
    EXPECT_NE(separate_thousands("1", ',', nullptr), 0);

    const std::string digits(100000, '7');
    std::strcpy(buffer, "x");
    EXPECT_NE(separate_thousands(digits.c_str(), ',', buffer), 0);
    EXPECT_STREQ(buffer, "");
    EXPECT_NE(separate_thousands((digits + "x").c_str(), 0, buffer), 0);
    EXPECT_STREQ(buffer, "");
}

} // namespace
