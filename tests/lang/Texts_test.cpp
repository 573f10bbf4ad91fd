// The texts by language: the catalogue and the texts the main window owns (Compute's messages
// and question, the special-day notes).
#include "app/WindowTexts.h"
#include "lang/GEN_TEXT.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

using namespace GEN_TEXT;
using namespace WindowTexts;

class Texts : public ::testing::Test {
  protected:
    void SetUp() override {
        for (auto load : {InitMessages, LoadComputeErrorTexts, LoadSpecialDayTexts})
            load();
    }
    void TearDown() override { currentLanguage = langEnglish; }
    static void In(int16_t language) { currentLanguage = language; }
};

TEST_F(Texts, ReadInTheLanguage) {
    // Untranslated slots are shown as they are, with no fallback to English; an index outside
    // the tables reads as the empty text.
    In(langFrench);
    EXPECT_EQ(Text(txtClear) + "|" + Text(txtCalendars), "???|");
    In(6);
    EXPECT_EQ(Text(txtCompute) + ComputeErrorInCurrentLanguage(msgFirstDateInvalid), "");
    In(langEnglish);
    EXPECT_EQ(DayName(-1) + DayName(8) + ComputeErrorInCurrentLanguage(10), "");
    // The singular only for 1 and -1, lower-cased unless German.
    EXPECT_EQ(DayWord(1) + DayWord(-1) + DayWord(0) + DayWord(INT32_MIN), "daydaydaysdays");
    In(langGerman);
    EXPECT_EQ(DayWord(1), "Tag");
    // Every capital made small, the accented Latin-1 ones too; malformed UTF-8 kept as it is.
    EXPECT_EQ(LowerCase("ÄÖÜÑÉÇĀА"), "äöüñéçĀА");
    EXPECT_EQ(LowerCase("\xC3\x41\xC3\xC3\x80\xC4\x42\x80\x9E\x43\xC3"),
              "\xC3\x61\xC3\xC3\xA0\xC4\x62\x80\x9E\x63\xC3");
    In(-1);
    EXPECT_EQ(ComputeErrorTitle(), "!");
    In(langEnglish);
    EXPECT_EQ(ClearDifferenceQuestion(),
              "If both the first date and the second date are specified\r\nthen the date "
              "difference window must be empty.\r\n\r\nClear date difference?");
}

// The notes by the Gregorian day: heading, line break, sentence, two line breaks; only the
// line breaks in a language without notes.
TEST_F(Texts, SpecialDayNotes) {
    for (int16_t language : {langEnglish, langGerman, langSpanish}) {
        In(language);
        for (const auto& [month, day] : {std::pair{1, 1}, std::pair{6, 2}, std::pair{11, 27}}) {
            const std::string note = SpecialDayNote(month, day);
            EXPECT_TRUE(std::count(note.begin(), note.end(), '\n') == 3 &&
                        note.find(".\r\n") == note.find('.') && note.ends_with(".\r\n\r\n"))
                << note;
        }
    }
    EXPECT_EQ(SpecialDayNote(6, 3) + SpecialDayNote(2, 6), "");
    In(langFrench);
    EXPECT_EQ(SpecialDayNote(1, 1), "\r\n\r\n\r\n");
}

} // namespace
