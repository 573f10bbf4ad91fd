// Compute's decision table: what a run writes into the three windows and the output window,
// its message, where the caret goes, and the question beside two dates and a difference.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>

#include "app/Compute.h"
#include "app/WindowTexts.h"
#include "calendar/DatePr2.h"
#include "lang/GEN_TEXT.h"
#include "support/CoreTest.h"

namespace {

using Compute::Caret;
using MessageBoxes::Answer;
using namespace WindowTexts;

constexpr int16_t CE = DatePr2::CE, JC = DatePr2::JC, JDN = DatePr2::JDN, AN = DatePr2::AN,
                  DIY = DatePr2::YYYYDDD;

// The settings of a run beside what was typed.
struct Settings {
    int16_t order = DatePr2::YMD;
    const char* separator = "-";
    const char* thousands = ",";
    int16_t language = GEN_TEXT::langEnglish;
};
const Settings German{DatePr2::YMD, "-", ",", GEN_TEXT::langGerman};
const Settings French{DatePr2::YMD, "-", ",", GEN_TEXT::langFrench};

class ComputeTest : public CoreTest {
  protected:
    // "first|difference|second" typed into the three windows; the windows afterwards alike.
    static Compute::Output Run(std::string_view typed, int16_t k1, int16_t k2, const Settings& s,
                               const Compute::AskClearDifference& ask, std::string& after) {
        std::array<std::string, 3> t;
        for (std::string& part : t) {
            const auto bar = typed.find('|');
            part = typed.substr(0, bar);
            typed = bar == std::string_view::npos ? std::string_view{} : typed.substr(bar + 1);
        }
        GEN_TEXT::currentLanguage = s.language;
        Compute::Output out =
            Compute::Run({t[0], t[2], t[1], k1, k2, s.order, s.separator, s.thousands}, ask);
        after = out.firstDate + "|" + out.dateDiff + "|" + out.secondDate;
        return out;
    }
};

struct Case {
    const char* name;
    const char* typed; // "first|difference|second"
    int16_t k1, k2;
    const char* line;  // appended without its closing CR LF; "" for none
    const char* after; // the three windows afterwards
    ComputeMessage message = noMessage;
    const char* word = "days";
    Settings s = {};
};

class ComputeRun : public ComputeTest, public ::testing::WithParamInterface<Case> {};

TEST_P(ComputeRun, WritesTheWindowsTheLineAndTheMessage) {
    const Case& c = GetParam();
    std::string after;
    const Compute::Output out = Run(
        c.typed, c.k1, c.k2, c.s,
        [] {
            ADD_FAILURE() << "unexpected question";
            return Answer::No;
        },
        after);
    EXPECT_EQ(out.appended, *c.line ? std::string(c.line) + "\r\n" : "");
    EXPECT_EQ(after, c.after);
    EXPECT_EQ(out.message, c.message);
    const bool refused = c.message != noMessage && c.message != msgResultOutOfRange;
    EXPECT_EQ(out.inputError, refused);
    EXPECT_EQ(out.caret, refused                            ? Caret::Untouched
                         : c.message == msgResultOutOfRange ? Caret::End
                                                            : Caret::EndMinusOne);
    EXPECT_EQ(out.dayWord.value_or("none"), c.message == noMessage ? c.word : "none");
}

constexpr auto Out = msgResultOutOfRange;
// clang-format off
INSTANTIATE_TEST_SUITE_P(Runs, ComputeRun, ::testing::Values(
    // What the run does by the windows filled: convert, today, add, subtract, differ.
    Case{"SameCalendarWeekday", "2000-01-01||", CE, CE, "2000-01-01 CE, Saturday", "2000-01-01||"},
    Case{"SameCalendarYyyyddd", "2000001||", DIY, DIY, "2000001, Saturday", "2000001||2000001"},
    Case{"SecondIntoFirstCalendar", "||2,451,545", CE, JDN, "2,451,545 JDN = 2000-01-01 CE, Saturday", "2000-01-01||2,451,545"},
    Case{"TodaySameCalendar", "  |123|", JC, JC, "2026-11-24 JC, Monday", "2026-11-24||"},
    Case{"TodayIntoJdn", "|5|", CE, JDN, "2026-12-07 CE = 2,461,382 JDN, Monday", "2026-12-07||2,461,382"},
    Case{"AfterAConversionZeroDays", "2000-01-01||2,451,545", CE, JDN, "2,451,545 JDN minus 2000-01-01 CE = 0 days", "2000-01-01|0|2,451,545"},
    Case{"AnnusNovusIntercalarius", "2024-12-31||", CE, AN, "2024-12-31 CE = 10543-11-01 AN, Intercalarius", "2024-12-31||10543-11-01"},
    Case{"LargestDayNumber", "2100000000||", JDN, CE, "2,100,000,000 JDN = 5,744,892-08-11 CE, Monday", "2,100,000,000||5,744,892-08-11"},
    Case{"FirstMinusTen", "2000-01-11|-10|", CE, CE, "2000-01-11 CE minus 10 days = 2000-01-01 CE, Saturday", "2000-01-11|-10|2000-01-01"},
    Case{"SecondMinusMinusTen", "|-10|2000-01-01", CE, CE, "2000-01-01 CE plus 10 days = 2000-01-11 CE, Tuesday", "2000-01-11|-10|2000-01-01"},
    Case{"CountGrouped", "2000-01-01|1000|", CE, CE, "2000-01-01 CE plus 1,000 days = 2002-09-27 CE, Friday", "2000-01-01|1,000|2002-09-27"},
    Case{"ZeroBesideOneDateKept", "2000-01-01|0|", CE, CE, "2000-01-01 CE plus 0 days = 2000-01-01 CE, Saturday", "2000-01-01|0|2000-01-01"},
    // Differences and their breakdown (none under a month, none between calendars).
    Case{"OneMonth", "2000-01-01||2000-02-01", CE, CE, "2000-02-01 CE minus 2000-01-01 CE = 31 days (1 month)", "2000-01-01|31|2000-02-01"},
    Case{"YearsMonthsDays", "2000-01-01||2001-03-15", CE, CE, "2001-03-15 CE minus 2000-01-01 CE = 439 days (1 year, 2 months, 14 days)", "2000-01-01|439|2001-03-15"},
    Case{"DifferentCalendars", "2000-01-01||2000-03-01", CE, JC, "2000-03-01 JC minus 2000-01-01 CE = 73 days", "2000-01-01|73|2000-03-01"},
    Case{"YyyydddYearsAndDays", "2000300||2002100", DIY, DIY, "2002100 minus 2000300 = 531 days (1 year, 165 days)", "2000300|531|2002100"},
    Case{"EndOfJanuaryToFirstOfMarch", "2000-01-31||2000-03-01", CE, CE, "2000-03-01 CE minus 2000-01-31 CE = 30 days (1 month, 1 day)", "2000-01-31|30|2000-03-01"},
    // Trimming, canonical rewriting, separators and language.
    Case{"TrimmedAndRewritten", "  2000-1-1  ||", CE, JDN, "2000-01-01 CE = 2,451,545 JDN, Saturday", "2000-01-01||2,451,545"},
    Case{"MonthDayYearDots", "03.15.2000||", CE, JDN, "03.15.2000 CE = 2.451.619 JDN, Wednesday", "03.15.2000||2.451.619", noMessage, "days", {DatePr2::MDY, ".", "."}},
    Case{"NoThousandsSeparator", "2000-01-01|1000|", CE, JDN, "2000-01-01 CE plus 1000 days = 2452545 JDN, Friday", "2000-01-01|1000|2452545", noMessage, "days", {DatePr2::YMD, "-", ""}},
    Case{"GermanBreakdown", "2000-01-01||2001-03-15", CE, CE, "2001-03-15 CE minus 2000-01-01 CE = 439 Tage (1 Jahr, 2 Monate, 14 Tage)", "2000-01-01|439|2001-03-15", noMessage, "Tage", German},
    Case{"GermanOneDay", "2000-01-01|1|", CE, CE, "2000-01-01 CE plus 1 Tag = 2000-01-02 CE, Sonntag", "2000-01-01|1|2000-01-02", noMessage, "Tag", German},
    // Results out of range close the line; the receiving window keeps its text.
    Case{"SumBeyondDayNumbers", "2050000000|60000000|", JDN, JDN, "2,050,000,000 JDN plus 60,000,000 days = Out of Range", "2,050,000,000|60,000,000|", Out},
    Case{"SubtractionBeyond32Bits", "|2000000000|-2100000000", CE, JDN, "-2,100,000,000 JDN minus 2,000,000,000 days = Out of Range", "|2,000,000,000|-2,100,000,000", Out},
    Case{"YyyydddBeforeYearOne", "1721425||", JDN, DIY, "1,721,425 JDN = Out of Range", "1,721,425||", Out},
    Case{"DifferenceBeyond32Bits", "-2100000000||2100000000", JDN, JDN, "2,100,000,000 JDN minus -2,100,000,000 JDN = Out of Range", "-2,100,000,000||2,100,000,000", Out},
    // A count the day-difference window could not read back is no result either.
    Case{"DifferenceBeyondDayNumbers", "-1||2100000000", JDN, JDN, "2,100,000,000 JDN minus -1 JDN = Out of Range", "-1||2,100,000,000", Out},
    Case{"FrenchHasNoOutOfRangeText", "2050000000|60000000|", JDN, JDN, "2,050,000,000 JDN ??? 60,000,000 ??? = ", "2,050,000,000|60,000,000|", Out, "", French},
    // Refusals: the first one's message; windows read before it keep their canonical form.
    Case{"FirstNotValidAnnusNovus", "10520-11-01||", AN, CE, "", "10520-11-01||", msgFirstDateInvalidAnnusNovus},
    Case{"FirstOutOfRange", "2100000001||", JDN, CE, "", "2100000001||", msgFirstDateOutOfRange},
    Case{"OnlyTheFirstRefusal", " 2000-13-01 ||nonsense", CE, CE, "", "2000-13-01||nonsense", msgFirstDateInvalid},
    Case{"DifferenceNotValid", "2000-1-1|abc|", CE, CE, "", "2000-01-01|abc|", msgDifferenceInvalid},
    Case{"DifferenceOutOfRange", "2000-01-01|2100000001|", CE, CE, "", "2000-01-01|2100000001|", msgDifferenceOutOfRange},
    Case{"SecondNotValidCE", "|1000|2000-02-30", CE, CE, "", "|1,000|2000-02-30", msgSecondDateInvalid},
    Case{"SecondNotValidAN", "2000-01-01||10520-10-38", CE, AN, "", "2000-01-01||10520-10-38", msgSecondDateInvalidAnnusNovus},
    Case{"SecondOutOfRange", "||-2100000001", CE, JDN, "", "||-2100000001", msgSecondDateOutOfRange}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

// Both dates and a difference: only Yes clears it; a lone "0" is cleared unasked.
TEST_F(ComputeTest, OnlyYesClearsTheDifference) {
    const std::string fourDays = "2000-01-05 CE minus 2000-01-01 CE = 4 days\r\n";
    struct Question {
        const char* diff;
        Answer answer;
        int asked;
        std::string line;
        const char* diffAfter;
    };
    for (const Question& c : {Question{"5", Answer::Yes, 1, fourDays, "4"},
                              {" 5 ", Answer::No, 1, "", "5"},
                              {"0", Answer::No, 0, fourDays, "4"},
                              {"00", Answer::No, 1, "", "00"},
                              {"-0", Answer::No, 1, "", "-0"},
                              {"abc", Answer::Cancel, 1, "", "abc"}}) {
        int asked = 0;
        std::string after;
        const Compute::Output out = Run(
            std::string(" 2000-01-01|") + c.diff + "|2000-01-05 ", CE, CE, {},
            [&] { return ++asked, c.answer; }, after);
        EXPECT_EQ(asked, c.asked) << c.diff;
        EXPECT_EQ(out.appended, c.line) << c.diff;
        EXPECT_EQ(after, std::string("2000-01-01|") + c.diffAfter + "|2000-01-05");
        EXPECT_EQ(out.message, noMessage);
        EXPECT_EQ(out.caret, c.line.empty() ? Caret::Untouched : Caret::EndMinusOne);
    }
}

TEST_F(ComputeTest, DeclinedOrUnaskedQuestionEndsBeforeInputErrorIsReset) {
    for (const bool before : {true, false}) {
        Compute::Input in{"2000-01-01", "2000-01-02", "5"};
        in.inputError = before;
        EXPECT_EQ(Compute::Run(in, [] { return Answer::No; }).inputError, before);
        const Compute::Output out = Compute::Run(in, {});
        EXPECT_EQ(out.appended + out.dateDiff, "5");
    }
}

} // namespace
