// The Qt-free core as the window starts it: texts loaded and the clock fixed at Monday
// 2026-12-07 14:05 (JDN 2,461,382). The language goes back to English. Also the words the
// data files use for kinds, orders, formats and messages.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <string>

#include "app/DateWindowOps.h"
#include "app/WindowTexts.h"
#include "calendar/DatePr2.h"
#include "lang/GEN_TEXT.h"
#include "support/Table.h"

class CoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        GEN_TEXT::InitMessages();
        WindowTexts::LoadComputeErrorTexts();
        DatePr2::SetNow([] { return DatePr2::LocalNow{2026, 12, 7, 14, 5, 0}; });
    }
    void TearDown() override {
        DatePr2::SetNow({});
        GEN_TEXT::currentLanguage = GEN_TEXT::langEnglish;
    }
};

// ce, jc, jdn, an, yyyyddd.
inline DatePr2::Kind KindWord(const std::string& word) {
    const auto kind = DatePr2::KindOfName(word);
    EXPECT_TRUE(kind.has_value()) << word;
    return kind.value_or(DatePr2::Kind::CE);
}

inline DatePr2::DateOrder OrderWord(const std::string& word) {
    return word == "mdy"   ? DatePr2::DateOrder::MDY
           : word == "dmy" ? DatePr2::DateOrder::DMY
                           : DatePr2::DateOrder::YMD;
}

// "ORDER SEPARATOR THOUSANDS [LANGUAGE]", e.g. "dmy . none de"; "" for "ymd - , en". Sets the
// language.
inline DateWindowOps::Format FormatWord(const std::string& words) {
    std::istringstream in(words.empty() ? "ymd - , en" : words);
    std::string order, separator, thousands, language = "en";
    in >> order >> separator >> thousands >> language;
    GEN_TEXT::currentLanguage = language == "de"   ? GEN_TEXT::langGerman
                                : language == "es" ? GEN_TEXT::langSpanish
                                : language == "fr" ? GEN_TEXT::langFrench
                                                   : GEN_TEXT::langEnglish;
    return {OrderWord(order), separator, thousands == "none" ? "" : thousands};
}

// Compute's messages by the names after "msg"; "" for none.
inline constexpr std::array<const char*, 10> messageNames{
    "DifferenceWithBothDates",    "FirstDateInvalid",
    "FirstDateInvalidAnnusNovus", "FirstDateOutOfRange",
    "DifferenceInvalid",          "DifferenceOutOfRange",
    "SecondDateInvalid",          "SecondDateInvalidAnnusNovus",
    "SecondDateOutOfRange",       "ResultOutOfRange"};

inline WindowTexts::ComputeMessage MessageWord(const std::string& word) {
    for (std::size_t i = 0; i < messageNames.size(); ++i)
        if (word == messageNames[i]) return static_cast<WindowTexts::ComputeMessage>(i);
    EXPECT_EQ(word, "") << "no such message";
    return WindowTexts::noMessage;
}

inline std::string MessageName(WindowTexts::ComputeMessage message) {
    const auto i = static_cast<std::size_t>(message);
    return i < messageNames.size() ? messageNames[i] : "";
}
