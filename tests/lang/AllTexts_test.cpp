// Properties that every text table of the program shares: the windows show the bytes as
// they are, so every text must be Latin-1 kept as UTF-8 with CR LF line ends, and the sixth
// language slot is never filled.
#include "lang/GEN_TEXT.h"
#include "ui/info/InfoTexts.h"
#include "ui/main/WindowTexts.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using BySlot = std::array<std::string, GEN_TEXT::languageSlots>;

// One or two bytes per character, the second byte of a pair a continuation byte.
bool IsLatin1Utf8(const std::string& text) {
    for (size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            continue;
        }
        if ((byte != 0xC2 && byte != 0xC3) || i + 1 == text.size() ||
            (static_cast<unsigned char>(text[i + 1]) & 0xC0) != 0x80) {
            return false;
        }
        ++i;
    }
    return true;
}

// No control character but CR LF pairs.
bool OnlyCrLfControls(const std::string& text) {
    for (size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
        } else if (byte < 0x20 || byte == 0x7F) {
            return false;
        }
    }
    return true;
}

std::vector<const GEN_TEXT::Entry*> CatalogueEntries() {
    using namespace GEN_TEXT;
    return {&txtAnnusNovusDate,
            &txtCalendars,
            &txtClear,
            &txtClickToChangeCalendar,
            &txtClose,
            &txtCommonEraDate,
            &txtCompute,
            &txtCopyToClipboard,
            &txtCopySelectedText,
            &txtCredits,
            &txtDateDifference,
            &txtDateFormat,
            &txtDateSeparator,
            &txtDay,
            &txtDays,
            &txtEnglish,
            &txtError,
            &txtFirstDate,
            &txtGerman,
            &txtHelp,
            &txtInputWindows,
            &txtJulianCalendarDate,
            &txtJulianDayNumber,
            &txtMinus,
            &txtMonth,
            &txtMonths,
            &txtNone,
            &txtOnlineDocumentation,
            &txtOutOfRange,
            &txtOutputWindow,
            &txtPlus,
            &txtQuit,
            &txtSecondDate,
            &txtSecondToFirst,
            &txtSpanish,
            &txtThisIsA,
            &txtThousandsSeparator,
            &txtToday,
            &txtTodayIs,
            &txtWeekFromToday,
            &txtFiveDayWeekFromToday,
            &txtYear,
            &txtYears,
            &txtYyyydddDate};
}

// Each table as rows of texts by language slot.
std::vector<BySlot> Catalogue() {
    GEN_TEXT::InitMessages();
    std::vector<BySlot> rows;
    for (const auto* entry : CatalogueEntries()) {
        rows.push_back(*entry);
    }
    for (size_t weekday = 0; weekday < 8; ++weekday) {
        BySlot names;
        for (size_t language = 0; language < names.size(); ++language) {
            names[language] = GEN_TEXT::txtDayName[language][weekday];
        }
        rows.push_back(names);
    }
    return rows;
}

std::vector<BySlot> MainWindow() {
    GEN_TEXT::InitMessages();
    WindowTexts::LoadComputeErrorTexts();
    WindowTexts::LoadSpecialDayTexts();
    WindowTexts::FillIntroTexts();
    std::vector<BySlot> rows(WindowTexts::ComputeErrorText.begin(),
                             WindowTexts::ComputeErrorText.end());
    for (size_t entry = 0; entry < 12; ++entry) {
        BySlot notes;
        for (size_t language = 0; language < notes.size(); ++language) {
            notes[language] = WindowTexts::SpecialDayText[language][entry];
        }
        rows.push_back(notes);
    }
    rows.push_back(WindowTexts::txtIntro);
    return rows;
}

std::vector<BySlot> InformationWindows() {
    return {InfoTexts::HelpTexts(), InfoTexts::CalendarsTexts(), InfoTexts::CreditsTexts()};
}

struct Tables {
    const char* name;
    std::function<std::vector<BySlot>()> rows;
};

class AllTextsTest : public ::testing::TestWithParam<Tables> {};

TEST_P(AllTextsTest, Latin1KeptAsUtf8WithCrLfLineEndsAndSlotFiveEmpty) {
    const auto rows = GetParam().rows();
    ASSERT_FALSE(rows.empty());
    for (const BySlot& row : rows) {
        for (const std::string& text : row) {
            EXPECT_TRUE(IsLatin1Utf8(text)) << text;
            EXPECT_TRUE(OnlyCrLfControls(text)) << text;
        }
        EXPECT_EQ(row[5], "") << row[0];
    }
}

INSTANTIATE_TEST_SUITE_P(Tables, AllTextsTest,
                         ::testing::Values(Tables{"Catalogue", Catalogue},
                                           Tables{"MainWindow", MainWindow},
                                           Tables{"InformationWindows", InformationWindows}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AllTextsCatalogue, EveryEntryTranslatedForTheLanguagesOnOffer) {
    GEN_TEXT::InitMessages();
    ASSERT_EQ(CatalogueEntries().size(), 44u);
    for (const auto* entry : CatalogueEntries()) {
        for (int16_t language :
             {GEN_TEXT::langEnglish, GEN_TEXT::langGerman, GEN_TEXT::langSpanish}) {
            EXPECT_FALSE((*entry)[static_cast<size_t>(language)].empty()) << (*entry)[0];
        }
    }
}

// The checks must refuse what they are there to catch.
TEST(AllTextsChecks, RefuseWhatIsNotLatin1Utf8WithCrLf) {
    EXPECT_TRUE(IsLatin1Utf8("Lösche ÿ"));
    EXPECT_FALSE(IsLatin1Utf8("\xF6"));         // a Latin-1 byte, not UTF-8
    EXPECT_FALSE(IsLatin1Utf8("\xC3"));         // a cut pair
    EXPECT_FALSE(IsLatin1Utf8("\xE2\x82\xAC")); // the euro sign lies beyond Latin-1
    EXPECT_TRUE(OnlyCrLfControls("a\r\n\r\nb"));
    EXPECT_FALSE(OnlyCrLfControls("a\nb"));
    EXPECT_FALSE(OnlyCrLfControls("a\rb"));
    EXPECT_FALSE(OnlyCrLfControls("a\tb"));
}

} // namespace
