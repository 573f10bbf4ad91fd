#include "lang/GEN_TEXT.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

using namespace GEN_TEXT;

class Catalogue : public ::testing::Test {
  protected:
    void SetUp() override { InitMessages(); }
    void TearDown() override { currentLanguage = langEnglish; }
};

TEST_F(Catalogue, InitMessagesResetsTheLanguageToEnglish) {
    currentLanguage = langSpanish;
    InitMessages();
    EXPECT_EQ(currentLanguage, langEnglish);
    EXPECT_EQ(Text(txtCompute), "Compute");
}

TEST_F(Catalogue, UntranslatedSlotsAreShownAsTheyAreWithoutFallback) {
    currentLanguage = langFrench;
    EXPECT_EQ(Text(txtClear), "???");
    EXPECT_EQ(Text(txtCalendars), "");
    EXPECT_EQ(Text(txtEnglish), "Anglais");
    currentLanguage = langPortuguese;
    EXPECT_EQ(Text(txtCredits), "???");
    EXPECT_EQ(Text(txtCopySelectedText), "");
    currentLanguage = 5;
    EXPECT_EQ(Text(txtCompute), "");
}

TEST_F(Catalogue, LanguageOutsideTheSlotsReadsAsEmpty) {
    for (int16_t language : {int16_t{-1}, int16_t{6}, int16_t{SHRT_MIN}, int16_t{SHRT_MAX}}) {
        currentLanguage = language;
        EXPECT_EQ(Text(txtCompute), "") << language;
        EXPECT_EQ(DayName(0), "") << language;
        EXPECT_EQ(DayWord(2), "") << language;
    }
}

TEST_F(Catalogue, WeekdayNames) {
    EXPECT_EQ(DayName(6), "Saturday");
    currentLanguage = langFrench;
    EXPECT_EQ(DayName(0), "Dimanche");
    currentLanguage = langPortuguese;
    EXPECT_EQ(DayName(2), "Terça-feira");
    for (int language = 0; language < languageSlots; ++language) {
        currentLanguage = static_cast<int16_t>(language);
        for (int weekday = 0; weekday < 7; ++weekday) {
            EXPECT_EQ(DayName(weekday).empty(), language == 5) << language << " " << weekday;
        }
        EXPECT_EQ(DayName(7), "") << language;
        EXPECT_EQ(DayName(-1), "") << language;
        EXPECT_EQ(DayName(8), "") << language;
    }
}

TEST_F(Catalogue, LowerUnlessGermanKeepsGermanNouns) {
    EXPECT_EQ(LowerUnlessGerman("Date difference"), "date difference");
    currentLanguage = langGerman;
    EXPECT_EQ(LowerUnlessGerman("Datumsdifferenz"), "Datumsdifferenz");
    currentLanguage = langSpanish;
    EXPECT_EQ(LowerUnlessGerman(Text(txtYear)), "año");
}

struct DayWordCase {
    const char* name;
    int16_t language;
    int32_t n;
    const char* expected;
};

class DayWordTest : public Catalogue, public ::testing::WithParamInterface<DayWordCase> {};

TEST_P(DayWordTest, SingularOnlyForOneAndMinusOne) {
    currentLanguage = GetParam().language;
    EXPECT_EQ(DayWord(GetParam().n), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, DayWordTest,
    ::testing::Values(DayWordCase{"EnglishOne", langEnglish, 1, "day"},
                      DayWordCase{"EnglishMinusOne", langEnglish, -1, "day"},
                      DayWordCase{"EnglishZero", langEnglish, 0, "days"},
                      DayWordCase{"EnglishTwo", langEnglish, 2, "days"},
                      DayWordCase{"EnglishMinusTwo", langEnglish, -2, "days"},
                      DayWordCase{"EnglishMin", langEnglish, INT32_MIN, "days"},
                      DayWordCase{"EnglishMax", langEnglish, INT32_MAX, "days"},
                      DayWordCase{"GermanOne", langGerman, 1, "Tag"},
                      DayWordCase{"GermanMinusOne", langGerman, -1, "Tag"},
                      DayWordCase{"GermanZero", langGerman, 0, "Tage"},
                      DayWordCase{"GermanTwo", langGerman, 2, "Tage"},
                      DayWordCase{"SpanishOne", langSpanish, 1, "día"},
                      DayWordCase{"SpanishTwo", langSpanish, 2, "días"},
                      DayWordCase{"PortugueseTwo", langPortuguese, 2, "dias"},
                      DayWordCase{"FrenchOne", langFrench, 1, "???"},
                      DayWordCase{"SlotFive", 5, 1, ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct LowerCaseCase {
    const char* name;
    const char* text;
    const char* expected;
};

class LowerCaseTest : public ::testing::TestWithParam<LowerCaseCase> {};

TEST_P(LowerCaseTest, CapitalsBecomeSmall) {
    EXPECT_EQ(LowerCase(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LowerCaseTest,
    ::testing::Values(
        LowerCaseCase{"Empty", "", ""}, LowerCaseCase{"Ascii", "None AZ az 09", "none az az 09"},
        LowerCaseCase{"Umlauts", "ÄÖÜ", "äöü"}, LowerCaseCase{"FirstAndLastCapital", "ÀÞ", "àþ"},
        LowerCaseCase{"SpanishAndPortuguese", "ÑÉÍÓÚÇÃÊ", "ñéíóúçãê"},
        LowerCaseCase{"MultiplicationSignKept", "×", "×"}, LowerCaseCase{"SharpSKept", "ß", "ß"},
        LowerCaseCase{"SmallKept", "äöü", "äöü"}, LowerCaseCase{"BeyondLatin1Kept", "ĀА", "ĀА"},
        LowerCaseCase{"MixedWord", "Übersetzung ÉTÉ", "übersetzung été"},
        LowerCaseCase{"LoneLeadByteAtEnd", "A\xC3", "a\xC3"},
        LowerCaseCase{"LeadByteBeforeAscii",
                      "\xC3"
                      "A",
                      "\xC3"
                      "a"},
        LowerCaseCase{"LeadByteTwice", "\xC3\xC3\x80", "\xC3\xC3\xA0"},
        LowerCaseCase{"RawLatin1ByteKept",
                      "\xC4"
                      "B\x80",
                      "\xC4"
                      "b\x80"},
        LowerCaseCase{"StrayContinuationKept",
                      "\x80\x9E"
                      "C",
                      "\x80\x9E"
                      "c"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
