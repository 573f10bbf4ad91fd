// The texts by language: the catalogue, the long texts the main window owns (Compute's
// messages and question, the special-day notes, the intro) and those of the information
// windows.
#include "app/InfoTexts.h"
#include "app/WindowTexts.h"
#include "lang/GEN_TEXT.h"

#include <gtest/gtest.h>

#include <functional>
#include <ranges>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using namespace GEN_TEXT;
using namespace InfoTexts;
using namespace WindowTexts;
using Read = std::function<std::string()>;

size_t CountOf(const std::string& text, const std::string& piece, size_t from = 0) {
    const size_t at = text.find(piece, from);
    return at == std::string::npos ? 0 : 1 + CountOf(text, piece, at + 1);
}

// The pieces between separators; none for the empty text.
std::vector<std::string> Split(const std::string& text, std::string_view separator) {
    std::vector<std::string> pieces;
    for (const auto piece : std::views::split(text, separator))
        pieces.emplace_back(piece.begin(), piece.end());
    return pieces;
}

class Texts : public ::testing::Test {
  protected:
    void SetUp() override {
        for (auto load : {InitMessages, LoadComputeErrorTexts, LoadSpecialDayTexts, FillIntroTexts})
            load();
    }
    void TearDown() override { currentLanguage = langEnglish; }
};

struct ReadCase {
    const char* name;
    int16_t language;
    Read read;
    const char* expected;
};
void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

class Reads : public Texts, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(Reads, InTheLanguage) {
    currentLanguage = GetParam().language;
    EXPECT_EQ(GetParam().read(), GetParam().expected);
}

Read TextOf(const Entry& entry) {
    return [&entry] { return Text(entry); };
}
Read Day(int weekday) {
    return [weekday] { return DayName(weekday); };
}
Read Word(int32_t n) {
    return [n] { return DayWord(n); };
}
Read Lower(const char* text) {
    return [text] { return LowerCase(text); };
}
Read Message(int k) {
    return [k] { return ComputeErrorInCurrentLanguage(k); };
}
Read Note(int month, int day) {
    return [month, day] { return SpecialDayNote(month, day); };
}
const Read title = [] { return ComputeErrorTitle(); };
// The clear words of the question, after message 0 and an empty line.
const Read question = [] {
    const std::string text = ClearDifferenceQuestion();
    const std::string first =
        ComputeErrorInCurrentLanguage(msgDifferenceWithBothDates) + "\r\n\r\n";
    return text.starts_with(first) ? text.substr(first.size()) : "not message 0: " + text;
};
const char* const breaks = "\r\n\r\n\r\n";

const ReadCase reads[] = {
    // Untranslated slots are shown as they are, with no fallback to English; an index outside
    // the tables reads as the empty text.
    {"FrenchUntranslated", langFrench, TextOf(txtClear), "???"},
    {"FrenchEmpty", langFrench, TextOf(txtCalendars), ""},
    {"LanguageBelow", -1, TextOf(txtCompute), ""},
    {"LanguageAbove", 6, TextOf(txtCompute), ""},
    {"WeekdayBelow", 0, Day(-1), ""},
    {"WeekdayAbove", 0, Day(8), ""},
    // The singular only for 1 and -1, lower-cased unless German.
    {"DayWordEn1", 0, Word(1), "day"},
    {"DayWordEnMinus1", 0, Word(-1), "day"},
    {"DayWordEn0", 0, Word(0), "days"},
    {"DayWordEnMin", 0, Word(INT32_MIN), "days"},
    {"DayWordDe1", langGerman, Word(1), "Tag"},
    // Every capital made small, the accented Latin-1 ones too, in every language.
    {"LowerAccented", 0, Lower("ÄÖÜÑÉÇ"), "äöüñéç"},
    {"LowerBeyondLatin1", 0, Lower("ĀА"), "ĀА"},
    // Lone lead bytes, a raw Latin-1 byte, stray continuation bytes and a lead byte at the
    // end (hex escapes are cut before letters that are hex digits).
    {"LowerMalformed", 0,
     Lower("\xC3"
           "A"
           "\xC3\xC3\x80\xC4"
           "B"
           "\x80\x9E"
           "C"
           "\xC3"),
     "\xC3"
     "a"
     "\xC3\xC3\xA0\xC4"
     "b"
     "\x80\x9E"
     "c"
     "\xC3"},
    // Compute's messages by number and language; the title; the question: message 0, an
    // empty line, the clear words.
    {"MessageBelow", 0, Message(noMessage), ""},
    {"MessageAbove", 0, Message(10), ""},
    {"MessageIn6", 6, Message(msgFirstDateInvalid), ""},
    {"TitleEn", 0, title, "Error!"},
    {"TitleBelow", -1, title, "!"},
    {"QuestionEn", 0, question, "Clear date difference?"},
    {"QuestionIn6", 6, question, " ?"},
    // The special-day notes by the Gregorian day: heading, line break, sentence, two line
    // breaks; only the line breaks in a language without notes.
    {"IndependenceDayDeWithoutAN", 1, Note(11, 27),
     "Dies ist der Unabhängigkeitstag.\r\nDas "
     "Empire von Atlantium wurde am 10500-10-03 (1981-11-27 CE) gegründet.\r\n\r\n"},
    {"CalendarDayFr", 2, Note(1, 1), breaks},
    {"NoteLangAbove", 6, Note(1, 1), breaks},
    {"June3", 0, Note(6, 3), ""},
    {"MonthAndDaySwapped", 0, Note(2, 6), ""},
};
INSTANTIATE_TEST_SUITE_P(ByLanguage, Reads, ::testing::ValuesIn(reads),
                         [](const auto& row) { return std::string(row.param.name); });

// Every filled note: the heading ends at the first full stop.
TEST_F(Texts, EveryFilledNoteIsHeadingThenSentence) {
    for (int16_t language : {langEnglish, langGerman, langSpanish}) {
        currentLanguage = language;
        for (const auto& [month, day] : {std::pair{1, 1}, std::pair{6, 2}, std::pair{11, 27}}) {
            const std::string note = SpecialDayNote(month, day);
            EXPECT_TRUE(CountOf(note, "\r\n") == 3 && note.find(".\r\n") == note.find('.') &&
                        note.ends_with(".\r\n\r\n"))
                << note;
        }
    }
}

// Each address stands on a line of its own (after "Web " in Spanish), so it can be selected
// and copied whole; the Calendars texts name the article, Annus Novus and day number pages.
TEST(InfoTextsTest, AddressesOnTheirSitesAndLinesOfTheirOwn) {
    const std::string maker = ORV_MAKER_SITE, documentation = maker + "/cal_sw/mibrex/mibrex.htm";
    EXPECT_EQ(HomePageAddress(), maker + "/");
    EXPECT_EQ(DocumentationAddress(), documentation);
    const std::string pages[3] = {maker + "/cal_stud/cal_art.html",
                                  std::string(ORV_ANNUS_NOVUS_SITE) + "/calendaran.htm",
                                  maker + "/cal_stud/jdn.htm"};
    for (size_t slot : {0u, 1u, 4u}) {
        const auto help = Split(Split(HelpTexts()[slot], "\r\n\r\n").back(), "\r\n");
        EXPECT_EQ(help.size(), slot == langGerman ? 5u : 3u) << slot;
        EXPECT_EQ(help.at(slot == langGerman ? 2 : 1),
                  (slot == langSpanish ? "Web " : "") + documentation);
        const auto calendars = Split(Split(CalendarsTexts()[slot], "\r\n\r\n").back(), "\r\n");
        ASSERT_GE(calendars.size(), 4u) << slot;
        for (size_t i = 0; i < 3; ++i)
            EXPECT_TRUE(calendars[i + 1].ends_with(": " + pages[i])) << calendars[i + 1];
    }
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

// The check refuses a raw Latin-1 byte, a cut pair, the euro sign, lone line ends, controls.
TEST(AllTexts, CheckRefusesWhatIsNotLatin1Utf8WithCrLf) {
    EXPECT_TRUE(Latin1Utf8WithCrLf("Lösche ÿ\r\n\r\nx"));
    for (const char* bad : {"\xF6", "\xC3", "\xE2\x82\xAC", "a\nb", "a\rb", "a\tb", "\x7F"})
        EXPECT_FALSE(Latin1Utf8WithCrLf(bad)) << bad;
}

// Every text table of the program keeps the rule and an empty sixth slot; every catalogue
// entry has a text in the three languages the language box offers.
TEST_F(Texts, EveryTableLatin1Utf8WithCrLfSlotFiveEmptyCatalogueTranslatedForTheBox) {
    currentLanguage = langSpanish;
    InitMessages(); // which also resets the language
    EXPECT_EQ(currentLanguage, langEnglish);
    std::vector<Entry> rows = {txtIntro, HelpTexts(), CalendarsTexts(), CreditsTexts()};
    rows.insert(rows.end(), ComputeErrorText.begin(), ComputeErrorText.end());
    // Special-day texts (12) and weekday names (7, and an empty eighth).
    for (size_t item = 0; item < 12; ++item) {
        Entry notes, days;
        for (size_t slot = 0; slot < 6; ++slot) {
            notes[slot] = SpecialDayText[slot][item];
            if (item < 8) days[slot] = txtDayName[slot][item];
            EXPECT_EQ(days[slot].empty(), item >= 7 || slot == 5) << item << " " << slot;
        }
        rows.insert(rows.end(), {notes, days});
    }
    // clang-format off
    for (const Entry* entry : {
         &txtAnnusNovusDate, &txtCalendars, &txtClear, &txtClickToChangeCalendar, &txtClose,
         &txtCommonEraDate, &txtCompute, &txtCopyToClipboard, &txtCopySelectedText, &txtCredits,
         &txtDateDifference, &txtDateFormat, &txtDateSeparator, &txtDay, &txtDays, &txtEnglish,
         &txtError, &txtFirstDate, &txtGerman, &txtHelp, &txtInputWindows,
         &txtJulianCalendarDate, &txtJulianDayNumber, &txtMinus, &txtMonth, &txtMonths,
         &txtNone, &txtOnlineDocumentation, &txtOutOfRange, &txtOutputWindow, &txtPlus,
         &txtQuit, &txtSecondDate, &txtSecondToFirst, &txtSpanish, &txtThisIsA,
         &txtThousandsSeparator, &txtToday, &txtTodayIs, &txtWeekFromToday,
         &txtFiveDayWeekFromToday, &txtYear, &txtYears, &txtYyyydddDate}) {
        // clang-format on
        for (size_t slot : {0u, 1u, 4u})
            EXPECT_NE((*entry)[slot], "") << (*entry)[0];
        rows.push_back(*entry);
    }
    for (const Entry& row : rows) {
        for (const std::string& text : row)
            EXPECT_TRUE(Latin1Utf8WithCrLf(text)) << text;
        EXPECT_EQ(row[5], "") << row[0];
    }
}

} // namespace
