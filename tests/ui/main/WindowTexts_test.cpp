#include "ui/main/WindowTexts.h"

#include "lang/GEN_TEXT.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

using GEN_TEXT::currentLanguage;

size_t CountOf(const std::string& text, const std::string& piece) {
    size_t count = 0;
    for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) {
        ++count;
    }
    return count;
}

class WindowTextsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        GEN_TEXT::InitMessages();
        WindowTexts::LoadComputeErrorTexts();
        WindowTexts::LoadSpecialDayTexts();
        WindowTexts::FillIntroTexts();
    }
    void TearDown() override { currentLanguage = GEN_TEXT::langEnglish; }
};

TEST_F(WindowTextsTest, MessagesFilledExceptFrench) {
    for (size_t k = 0; k < WindowTexts::ComputeErrorText.size(); ++k) {
        const auto& message = WindowTexts::ComputeErrorText[k];
        for (size_t slot : {0u, 1u, 3u, 4u}) {
            EXPECT_FALSE(message[slot].empty()) << k << " " << slot;
            // Only message 0 has two lines.
            EXPECT_EQ(CountOf(message[slot], "\r\n"), k == 0 ? 1u : 0u) << k << " " << slot;
        }
        EXPECT_EQ(message[GEN_TEXT::langFrench], "") << k;
    }
}

TEST_F(WindowTextsTest, TwoLineMessageKeepsItsBlanks) {
    const auto& message = WindowTexts::ComputeErrorText[0];
    EXPECT_EQ(message[GEN_TEXT::langGerman].rfind(" Wenn", 0), 0u);
    EXPECT_NE(message[GEN_TEXT::langPortuguese].find("especificadas, \r\n"), std::string::npos);
    EXPECT_NE(message[GEN_TEXT::langSpanish].find("especificadas \r\n"), std::string::npos);
    EXPECT_NE(message[GEN_TEXT::langSpanish].find("ventana  de"), std::string::npos);
}

TEST_F(WindowTextsTest, MessageLookupOutsideTheTableIsEmpty) {
    currentLanguage = GEN_TEXT::langGerman;
    EXPECT_EQ(WindowTexts::ComputeErrorInCurrentLanguage(9),
              "Das Resultat liegt ausserhalb des erlaubten Bereichs.");
    EXPECT_EQ(WindowTexts::ComputeErrorInCurrentLanguage(-1), "");
    EXPECT_EQ(WindowTexts::ComputeErrorInCurrentLanguage(10), "");
    EXPECT_EQ(WindowTexts::ComputeErrorInCurrentLanguage(INT_MIN), "");
    for (int16_t language : {int16_t{-1}, int16_t{6}, int16_t{SHRT_MAX}}) {
        currentLanguage = language;
        EXPECT_EQ(WindowTexts::ComputeErrorInCurrentLanguage(1), "") << language;
        EXPECT_EQ(WindowTexts::ComputeErrorTitle(), "!") << language;
        EXPECT_EQ(WindowTexts::SpecialDayNote(1, 1), "\r\n\r\n\r\n") << language;
    }
}

TEST_F(WindowTextsTest, TitleIsTheErrorWordAndExclamationMark) {
    EXPECT_EQ(WindowTexts::ComputeErrorTitle(), "Error!");
    currentLanguage = GEN_TEXT::langGerman;
    EXPECT_EQ(WindowTexts::ComputeErrorTitle(), "Fehler!");
    currentLanguage = GEN_TEXT::langFrench;
    EXPECT_EQ(WindowTexts::ComputeErrorTitle(), "!");
}

struct LanguageCase {
    const char* name;
    int16_t language;
    const char* expected;
};

std::string CaseName(const ::testing::TestParamInfo<LanguageCase>& info) {
    return info.param.name;
}

class QuestionTest : public WindowTextsTest, public ::testing::WithParamInterface<LanguageCase> {};

TEST_P(QuestionTest, MessageEmptyLineAndClearWords) {
    currentLanguage = GetParam().language;
    const std::string question = WindowTexts::ClearDifferenceQuestion();
    EXPECT_EQ(question, WindowTexts::ComputeErrorInCurrentLanguage(0) + GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, QuestionTest,
    ::testing::Values(
        LanguageCase{"English", GEN_TEXT::langEnglish, "\r\n\r\nClear date difference?"},
        LanguageCase{"German", GEN_TEXT::langGerman, "\r\n\r\nLösche Datumsdifferenz?"},
        LanguageCase{"French", GEN_TEXT::langFrench, "\r\n\r\n??? ????"},
        LanguageCase{"Portuguese", GEN_TEXT::langPortuguese, "\r\n\r\nCancele diferença de datas?"},
        LanguageCase{"Spanish", GEN_TEXT::langSpanish, "\r\n\r\nBorrar diferencia entre fechas?"}),
    CaseName);

TEST_F(WindowTextsTest, EnglishQuestionInFull) {
    EXPECT_EQ(WindowTexts::ClearDifferenceQuestion(),
              "If both the first date and the second date are specified\r\n"
              "then the date difference window must be empty.\r\n\r\nClear date difference?");
}

struct NoteCase {
    const char* name;
    int16_t language;
    int month;
    int day;
    const char* expected;
};

class SpecialDayTest : public WindowTextsTest, public ::testing::WithParamInterface<NoteCase> {};

TEST_P(SpecialDayTest, NoteOfTheDay) {
    currentLanguage = GetParam().language;
    EXPECT_EQ(WindowTexts::SpecialDayNote(GetParam().month, GetParam().day), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Days, SpecialDayTest,
    ::testing::Values(
        NoteCase{"CalendarDayEnglish", GEN_TEXT::langEnglish, 1, 1,
                 "This is Calendar Day.\r\nThe Annus Novus Decimal Calendar was introduced on "
                 "10520-01-01 AN (2001-01-01 CE).\r\n\r\n"},
        NoteCase{"RefundatioDayGerman", GEN_TEXT::langGerman, 6, 2,
                 "Dies ist der Tag Refundatio.\r\nDie Reformation und Neugründung von Atlantium "
                 "ereignetes sich am 10518-05-07 AN (1999-06-02 CE).\r\n\r\n"},
        NoteCase{"IndependenceDayGermanWithoutAN", GEN_TEXT::langGerman, 11, 27,
                 "Dies ist der Unabhängigkeitstag.\r\nDas Empire von Atlantium wurde am "
                 "10500-10-03 (1981-11-27 CE) gegründet.\r\n\r\n"},
        NoteCase{"IndependenceDaySpanish", GEN_TEXT::langSpanish, 11, 27,
                 "Este es el Día de la Independencia.\r\nEl Imperio de Atlantium se fundó el "
                 "10500-10-03 AN (1981-11-27 CE).\r\n\r\n"},
        NoteCase{"CalendarDayFrench", GEN_TEXT::langFrench, 1, 1, "\r\n\r\n\r\n"},
        NoteCase{"RefundatioDayPortuguese", GEN_TEXT::langPortuguese, 6, 2, "\r\n\r\n\r\n"},
        NoteCase{"IndependenceDaySlotFive", 5, 11, 27, "\r\n\r\n\r\n"},
        NoteCase{"ThirdOfJune", GEN_TEXT::langEnglish, 6, 3, ""},
        NoteCase{"FirstOfFebruary", GEN_TEXT::langEnglish, 2, 1, ""},
        NoteCase{"SecondOfJanuary", GEN_TEXT::langGerman, 1, 2, ""},
        NoteCase{"TwentySixthOfNovember", GEN_TEXT::langSpanish, 11, 26, ""},
        NoteCase{"DayAndMonthSwapped", GEN_TEXT::langEnglish, 2, 6, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowTextsTest, EveryFilledNoteIsHeadingThenSentence) {
    const int days[3][2] = {{1, 1}, {6, 2}, {11, 27}};
    for (int16_t language : {GEN_TEXT::langEnglish, GEN_TEXT::langGerman, GEN_TEXT::langSpanish}) {
        currentLanguage = language;
        for (const auto& day : days) {
            const std::string note = WindowTexts::SpecialDayNote(day[0], day[1]);
            EXPECT_EQ(CountOf(note, "\r\n"), 3u) << note;
            EXPECT_EQ(note.find("\r\n"), note.find('.') + 1) << note;
            EXPECT_EQ(note.substr(note.size() - 5), ".\r\n\r\n") << note;
        }
    }
}

TEST_F(WindowTextsTest, IntroSlots) {
    const auto& intro = WindowTexts::txtIntro;
    EXPECT_EQ(intro[GEN_TEXT::langFrench], "txtIntro");
    EXPECT_EQ(intro[GEN_TEXT::langPortuguese], intro[GEN_TEXT::langEnglish]);
    EXPECT_NE(intro[GEN_TEXT::langEnglish].find("yyyyddd.  It can"), std::string::npos);
    EXPECT_NE(intro[GEN_TEXT::langEnglish].find("Click on \"Help\" for"), std::string::npos);
    EXPECT_EQ(CountOf(intro[GEN_TEXT::langEnglish], "  "), 1u);
    EXPECT_NE(intro[GEN_TEXT::langGerman].find("Tageszahlen.\r\nEs erlaubt"), std::string::npos);
    EXPECT_NE(intro[GEN_TEXT::langGerman].find("Datum.  Klicken Sie auf \"Hilfe\" um"),
              std::string::npos);
    EXPECT_EQ(CountOf(intro[GEN_TEXT::langGerman], "  "), 1u);
    EXPECT_EQ(CountOf(intro[GEN_TEXT::langSpanish], "  "), 0u);
    EXPECT_EQ(intro[GEN_TEXT::langSpanish].back(), '.');
}

struct WidthCase {
    const char* name;
    int language;
    int nothingSelected;
    int textSelected;
};

class CopyButtonWidthTest : public ::testing::TestWithParam<WidthCase> {};

TEST_P(CopyButtonWidthTest, ByLanguageAndSelection) {
    EXPECT_EQ(WindowTexts::CopyButtonWidth(GetParam().language, false), GetParam().nothingSelected);
    EXPECT_EQ(WindowTexts::CopyButtonWidth(GetParam().language, true), GetParam().textSelected);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, CopyButtonWidthTest,
    ::testing::Values(WidthCase{"English", 0, 2500, 3750}, WidthCase{"German", 1, 3500, 5000},
                      WidthCase{"French", 2, 3000, 5000}, WidthCase{"Portuguese", 3, 3000, 5000},
                      WidthCase{"Spanish", 4, 3000, 5000}, WidthCase{"SlotFive", 5, 3000, 5000},
                      WidthCase{"Negative", -1, 3000, 5000},
                      WidthCase{"Large", INT_MAX, 3000, 5000}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
