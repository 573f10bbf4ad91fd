#include "ui/info/InfoTexts.h"

#include "lang/GEN_TEXT.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using GEN_TEXT::langEnglish;
using GEN_TEXT::langFrench;
using GEN_TEXT::langGerman;
using GEN_TEXT::langPortuguese;
using GEN_TEXT::langSpanish;

std::vector<std::string> Split(const std::string& text, const std::string& separator) {
    std::vector<std::string> pieces;
    size_t start = 0;
    for (size_t at = text.find(separator); at != std::string::npos;
         at = text.find(separator, start)) {
        pieces.push_back(text.substr(start, at - start));
        start = at + separator.size();
    }
    pieces.push_back(text.substr(start));
    return pieces;
}

bool Contains(const std::string& text, const std::string& piece) {
    return text.find(piece) != std::string::npos;
}

enum class Window { Help, Calendars };

InfoTexts::Table TextsOf(Window window) {
    return window == Window::Help ? InfoTexts::HelpTexts() : InfoTexts::CalendarsTexts();
}

struct ParagraphCase {
    const char* name;
    Window window;
    int language;
    size_t paragraphs; // 0: the slot stays empty
};

class ParagraphTest : public ::testing::TestWithParam<ParagraphCase> {};

TEST_P(ParagraphTest, ParagraphsJoinedByAnEmptyLine) {
    const std::string text = TextsOf(GetParam().window)[static_cast<size_t>(GetParam().language)];
    if (GetParam().paragraphs == 0) {
        EXPECT_EQ(text, "");
        return;
    }
    const auto paragraphs = Split(text, "\r\n\r\n");
    EXPECT_EQ(paragraphs.size(), GetParam().paragraphs);
    for (const std::string& paragraph : paragraphs) {
        EXPECT_FALSE(paragraph.empty());
        EXPECT_NE(paragraph.front(), '\r');
        EXPECT_NE(paragraph.back(), '\n');
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParagraphTest,
    ::testing::Values(ParagraphCase{"HelpEnglish", Window::Help, langEnglish, 9},
                      ParagraphCase{"HelpGerman", Window::Help, langGerman, 8},
                      ParagraphCase{"HelpFrench", Window::Help, langFrench, 0},
                      ParagraphCase{"HelpPortuguese", Window::Help, langPortuguese, 0},
                      ParagraphCase{"HelpSpanish", Window::Help, langSpanish, 8},
                      ParagraphCase{"HelpSlotFive", Window::Help, 5, 0},
                      ParagraphCase{"CalendarsEnglish", Window::Calendars, langEnglish, 10},
                      ParagraphCase{"CalendarsGerman", Window::Calendars, langGerman, 10},
                      ParagraphCase{"CalendarsFrench", Window::Calendars, langFrench, 0},
                      ParagraphCase{"CalendarsPortuguese", Window::Calendars, langPortuguese, 0},
                      ParagraphCase{"CalendarsSpanish", Window::Calendars, langSpanish, 10},
                      ParagraphCase{"CalendarsSlotFive", Window::Calendars, 5, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InfoTextsTest, AddressesOnTheMakersSite) {
    const std::string site = ORV_MAKER_SITE;
    EXPECT_EQ(InfoTexts::HomePageAddress(), site + "/");
    EXPECT_EQ(InfoTexts::DocumentationAddress(), site + "/cal_sw/mibrex/mibrex.htm");
}

TEST(InfoTextsTest, HelpNamesTheDocumentationInItsLastParagraph) {
    const auto help = InfoTexts::HelpTexts();
    const std::string address = InfoTexts::DocumentationAddress();
    for (int language : {langEnglish, langGerman, langSpanish}) {
        const auto paragraphs = Split(help[static_cast<size_t>(language)], "\r\n\r\n");
        const auto lines = Split(paragraphs.back(), "\r\n");
        // The address stands on a line of its own (after "Web " in Spanish) so it can be
        // selected and copied whole.
        const std::string expectedLine = language == langSpanish ? "Web " + address : address;
        EXPECT_EQ(lines.size(), language == langGerman ? 5u : 3u) << language;
        EXPECT_EQ(lines.at(language == langGerman ? 2 : 1), expectedLine) << language;
    }
}

TEST(InfoTextsTest, OnlyTheEnglishHelpExplainsYyyydddDates) {
    const auto help = InfoTexts::HelpTexts();
    EXPECT_EQ(Split(help[langEnglish], "\r\n\r\n").at(4).rfind("The yyyyddd date", 0), 0u);
    EXPECT_FALSE(Contains(help[langGerman], "yyyyddd"));
    EXPECT_FALSE(Contains(help[langSpanish], "yyyyddd"));
}

TEST(InfoTextsTest, CalendarsNameTheThreePagesInTheirLastParagraph) {
    const auto calendars = InfoTexts::CalendarsTexts();
    const std::string maker = ORV_MAKER_SITE;
    const std::string annusNovus = ORV_ANNUS_NOVUS_SITE;
    for (int language : {langEnglish, langGerman, langSpanish}) {
        const auto lines =
            Split(Split(calendars[static_cast<size_t>(language)], "\r\n\r\n").back(), "\r\n");
        ASSERT_GE(lines.size(), 4u) << language;
        // Lines 1 to 3 end in the article, Annus Novus and day number pages, in that order.
        const std::string pages[3] = {maker + "/cal_stud/cal_art.html",
                                      annusNovus + "/calendaran.htm", maker + "/cal_stud/jdn.htm"};
        for (size_t i = 0; i < 3; ++i) {
            const std::string& line = lines[i + 1];
            ASSERT_GE(line.size(), pages[i].size() + 2) << line;
            EXPECT_EQ(line.substr(line.size() - pages[i].size() - 2), ": " + pages[i]) << line;
        }
    }
}

TEST(InfoTextsTest, CreditsFourRoleLines) {
    const auto credits = InfoTexts::CreditsTexts();
    EXPECT_EQ(credits[langFrench], credits[langEnglish]);
    EXPECT_EQ(credits[langPortuguese], credits[langEnglish]);

    const std::string& english = credits[langEnglish];
    ASSERT_GE(english.size(), 4u);
    EXPECT_EQ(english.substr(english.size() - 4), "\r\n\r\n");
    EXPECT_EQ(english.rfind("Design and programming (2026): the Orvandel team\r\n", 0), 0u);

    const struct {
        int language;
        const char* team;
    } languages[] = {{langEnglish, "the Orvandel team"},
                     {langGerman, "das Orvandel-Team"},
                     {langSpanish, "el equipo de Orvandel"}};
    for (const auto& each : languages) {
        std::string text = credits[static_cast<size_t>(each.language)];
        if (each.language == langEnglish) {
            text.resize(text.size() - 4);
        } else {
            EXPECT_NE(text.back(), '\n') << each.language;
        }
        const auto lines = Split(text, "\r\n");
        ASSERT_EQ(lines.size(), 4u) << each.language;
        EXPECT_TRUE(Contains(lines[0], " (2026): ")) << lines[0];
        for (const std::string& line : lines) {
            EXPECT_EQ(line.substr(line.find(": ") + 2), each.team) << line;
        }
    }
}

} // namespace
