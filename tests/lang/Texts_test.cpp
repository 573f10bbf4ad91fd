// The texts by language: the catalogue, the long texts the main window owns (Compute's
// messages and question, the special-day notes, the intro) and those of the information
// windows.
#include "app/InfoTexts.h"
#include "app/WindowTexts.h"
#include "lang/GEN_TEXT.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using namespace GEN_TEXT;
using namespace InfoTexts;
using namespace WindowTexts;

class Texts : public ::testing::Test {
  protected:
    void SetUp() override {
        for (auto load : {InitMessages, LoadComputeErrorTexts, LoadSpecialDayTexts, FillIntroTexts})
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

// Latin-1 kept as UTF-8 (C2 or C3 and a continuation byte), no control but CR LF pairs: the
// windows show the bytes as they are.
bool Latin1Utf8WithCrLf(const std::string& text) {
    for (size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const auto next = static_cast<unsigned char>(i + 1 < text.size() ? text[i + 1] : 0);
        if (byte >= 0x80 && ((byte != 0xC2 && byte != 0xC3) || (next & 0xC0) != 0x80)) return false;
        if ((byte < 0x20 && !(byte == '\r' && next == '\n')) || byte == 0x7F) return false;
        if (byte >= 0x80 || byte == '\r') ++i;
    }
    return true;
}

// The long texts keep the rule and an empty sixth slot (the weekday names and the notes are
// held by the day tables and SpecialDayNotes). The check refuses a raw Latin-1 byte, a lone
// line end.
TEST_F(Texts, LongTextsLatin1Utf8WithCrLfSlotFiveEmpty) {
    EXPECT_FALSE(Latin1Utf8WithCrLf("\xF6") || Latin1Utf8WithCrLf("a\nb"));
    std::vector<Entry> rows = {txtIntro, HelpTexts(), CalendarsTexts(), CreditsTexts()};
    rows.insert(rows.end(), ComputeErrorText.begin(), ComputeErrorText.end());
    for (const Entry& row : rows) {
        for (const std::string& text : row)
            EXPECT_TRUE(Latin1Utf8WithCrLf(text)) << text;
        EXPECT_EQ(row[5], "") << row[0];
    }
}

} // namespace
