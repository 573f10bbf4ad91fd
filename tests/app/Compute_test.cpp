#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>

#include "app/Compute.h"
#include "app/WindowTexts.h"
#include "calendar/DatePr2.h"
#include "lang/GEN_TEXT.h"

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

// "first|difference|second", the three input windows from left to right.
std::array<std::string, 3> Split(std::string_view text) {
    std::array<std::string, 3> parts;
    for (std::string& part : parts) {
        const auto bar = text.find('|');
        part = text.substr(0, bar);
        text = bar == std::string_view::npos ? std::string_view{} : text.substr(bar + 1);
    }
    return parts;
}

std::string Windows(const Compute::Output& out) {
    return out.firstDate + "|" + out.dateDiff + "|" + out.secondDate;
}

class ComputeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        GEN_TEXT::InitMessages();
        DatePr2::InitializeGlobals();
        WindowTexts::LoadComputeErrorTexts();
        // Monday 2026-12-07, JDN 2,461,382.
        DatePr2::SetNow([] { return DatePr2::LocalNow{2026, 12, 7, 14, 5, 0}; });
    }
    void TearDown() override {
        DatePr2::SetNow({});
        GEN_TEXT::currentLanguage = GEN_TEXT::langEnglish;
    }
    static Compute::Output Run(const std::string& typed, int16_t k1, int16_t k2, const Settings& s,
                               const Compute::AskClearDifference& ask) {
        const auto t = Split(typed);
        GEN_TEXT::currentLanguage = s.language;
        return Compute::Run({t[0], t[2], t[1], k1, k2, s.order, s.separator, s.thousands}, ask);
    }
};

const auto kName = [](const auto& info) { return std::string(info.param.name); };

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
    const Compute::Output out = Run(c.typed, c.k1, c.k2, c.s, [] {
        ADD_FAILURE() << "unexpected question";
        return Answer::No;
    });
    EXPECT_EQ(out.appended, *c.line ? std::string(c.line) + "\r\n" : "");
    EXPECT_EQ(Windows(out), c.after);
    EXPECT_EQ(out.message, c.message);
    const bool refused = c.message != noMessage && c.message != msgResultOutOfRange;
    EXPECT_EQ(out.inputError, refused);
    EXPECT_EQ(out.caret, refused                            ? Caret::Untouched
                         : c.message == msgResultOutOfRange ? Caret::End
                                                            : Caret::EndMinusOne);
    EXPECT_EQ(out.dayWord.value_or("none"), c.message == noMessage ? c.word : "none");
}

// clang-format off
const Case kRuns[] = {
    // The decision table (the example lines of the command are shown through the window).
    {"SameCalendarWeekday", "2000-01-01||", CE, CE, "2000-01-01 CE, Saturday", "2000-01-01||"},
    {"SameCalendarYyyyddd", "2000001||", DIY, DIY, "2000001, Saturday", "2000001||2000001"},
    {"SecondIntoFirstCalendar", "||2,451,545", CE, JDN, "2,451,545 JDN = 2000-01-01 CE, Saturday",
     "2000-01-01||2,451,545"},
    {"TodaySameCalendar", "  |123|", JC, JC, "2026-11-24 JC, Monday", "2026-11-24||"},
    {"TodayIntoJdn", "|5|", CE, JDN, "2026-12-07 CE = 2,461,382 JDN, Monday",
     "2026-12-07||2,461,382"},
    {"AfterAConversionZeroDays", "2000-01-01||2,451,545", CE, JDN,
     "2,451,545 JDN minus 2000-01-01 CE = 0 days", "2000-01-01|0|2,451,545"},
    // Calendars and the day-number range, both ends included.
    {"AnnusNovusIntercalarius", "2024-12-31||", CE, AN,
     "2024-12-31 CE = 10543-11-01 AN, Intercalarius", "2024-12-31||10543-11-01"},
    {"LargestDayNumber", "2100000000||", JDN, CE, "2,100,000,000 JDN = 5,744,892-08-11 CE, Monday",
     "2,100,000,000||5,744,892-08-11"},
    {"SmallestDayNumber", "-2100000000||", JDN, JDN, "-2,100,000,000 JDN, Monday",
     "-2,100,000,000||"},
    // Day counts and their signs.
    {"FirstMinusTen", "2000-01-11|-10|", CE, CE,
     "2000-01-11 CE minus 10 days = 2000-01-01 CE, Saturday", "2000-01-11|-10|2000-01-01"},
    {"SecondMinusMinusTen", "|-10|2000-01-01", CE, CE,
     "2000-01-01 CE plus 10 days = 2000-01-11 CE, Tuesday", "2000-01-11|-10|2000-01-01"},
    {"CountGrouped", "2000-01-01|1000|", CE, CE,
     "2000-01-01 CE plus 1,000 days = 2002-09-27 CE, Friday", "2000-01-01|1,000|2002-09-27"},
    {"MinusOneDay", "2000-01-01|-1|", CE, CE, "2000-01-01 CE minus 1 day = 1999-12-31 CE, Friday",
     "2000-01-01|-1|1999-12-31", noMessage, "day"},
    {"ZeroBesideOneDateKept", "2000-01-01|0|", CE, CE,
     "2000-01-01 CE plus 0 days = 2000-01-01 CE, Saturday", "2000-01-01|0|2000-01-01"},
    // Differences and their breakdown.
    {"EqualDates", "2000-01-01||2000-01-01", CE, CE, "2000-01-01 CE minus 2000-01-01 CE = 0 days",
     "2000-01-01|0|2000-01-01"},
    {"UnderAMonth", "2000-01-01||2000-01-20", CE, CE, "2000-01-20 CE minus 2000-01-01 CE = 19 days",
     "2000-01-01|19|2000-01-20"},
    {"OneMonth", "2000-01-01||2000-02-01", CE, CE,
     "2000-02-01 CE minus 2000-01-01 CE = 31 days (1 month)", "2000-01-01|31|2000-02-01"},
    {"YearsMonthsDays", "2000-01-01||2001-03-15", CE, CE,
     "2001-03-15 CE minus 2000-01-01 CE = 439 days (1 year, 2 months, 14 days)",
     "2000-01-01|439|2001-03-15"},
    {"PairOfJdns", "2451545||2452000", JDN, JDN, "2,452,000 JDN minus 2,451,545 JDN = 455 days",
     "2,451,545|455|2,452,000"},
    {"DifferentCalendars", "2000-01-01||2000-03-01", CE, JC,
     "2000-03-01 JC minus 2000-01-01 CE = 73 days", "2000-01-01|73|2000-03-01"},
    {"YyyydddYearsAndDays", "2000300||2002100", DIY, DIY,
     "2002100 minus 2000300 = 531 days (1 year, 165 days)", "2000300|531|2002100"},
    // An earlier day past the end of the month before the later date's month.
    {"EndOfJanuaryToFirstOfMarch", "2000-01-31||2000-03-01", CE, CE,
     "2000-03-01 CE minus 2000-01-31 CE = 30 days (1 month, 1 day)", "2000-01-31|30|2000-03-01"},
    // Trimming, canonical rewriting and separators.
    {"TrimmedAndRewritten", "  2000-1-1  ||", CE, JDN, "2000-01-01 CE = 2,451,545 JDN, Saturday",
     "2000-01-01||2,451,545"},
    {"MonthDayYearDots", "03.15.2000||", CE, JDN, "03.15.2000 CE = 2.451.619 JDN, Wednesday",
     "03.15.2000||2.451.619", noMessage, "days", {DatePr2::MDY, ".", "."}},
    {"NoThousandsSeparator", "2000-01-01|1000|", CE, JDN,
     "2000-01-01 CE plus 1000 days = 2452545 JDN, Friday", "2000-01-01|1000|2452545", noMessage, "days",
     {DatePr2::YMD, "-", ""}},
    {"GermanBreakdown", "2000-01-01||2001-03-15", CE, CE,
     "2001-03-15 CE minus 2000-01-01 CE = 439 Tage (1 Jahr, 2 Monate, 14 Tage)",
     "2000-01-01|439|2001-03-15", noMessage, "Tage", German},
    {"GermanOneDay", "2000-01-01|1|", CE, CE, "2000-01-01 CE plus 1 Tag = 2000-01-02 CE, Sonntag",
     "2000-01-01|1|2000-01-02", noMessage, "Tag", German},
    // Results out of range close the line; the receiving window keeps its text.
    {"SumBeyondDayNumbers", "2050000000|60000000|", JDN, JDN,
     "2,050,000,000 JDN plus 60,000,000 days = Out of Range", "2,050,000,000|60,000,000|", msgResultOutOfRange},
    {"SumBeyond32Bits", "2,100,000,000|2,000,000,000|", JDN, CE,
     "2,100,000,000 JDN plus 2,000,000,000 days = Out of Range", "2,100,000,000|2,000,000,000|", msgResultOutOfRange},
    {"SubtractionBeyond32Bits", "|2000000000|-2100000000", CE, JDN,
     "-2,100,000,000 JDN minus 2,000,000,000 days = Out of Range", "|2,000,000,000|-2,100,000,000",
     msgResultOutOfRange},
    {"BelowDayNumbers", "-2100000000|-1|", JDN, JDN,
     "-2,100,000,000 JDN minus 1 day = Out of Range", "-2,100,000,000|-1|", msgResultOutOfRange},
    {"YyyydddBeforeYearOne", "1721425||", JDN, DIY, "1,721,425 JDN = Out of Range", "1,721,425||",
     msgResultOutOfRange},
    {"YyyydddAfterYear9999", "5373485||", JDN, DIY, "5,373,485 JDN = Out of Range", "5,373,485||",
     msgResultOutOfRange},
    {"DifferenceBeyond32Bits", "-2100000000||2100000000", JDN, JDN,
     "2,100,000,000 JDN minus -2,100,000,000 JDN = Out of Range",
     "-2,100,000,000||2,100,000,000", msgResultOutOfRange},
    // A count the day-difference window could not read back is no result either.
    {"DifferenceBeyondDayNumbers", "-1||2100000000", JDN, JDN,
     "2,100,000,000 JDN minus -1 JDN = Out of Range", "-1||2,100,000,000", msgResultOutOfRange},
    {"FrenchHasNoOutOfRangeText", "2050000000|60000000|", JDN, JDN,
     "2,050,000,000 JDN ??? 60,000,000 ??? = ", "2,050,000,000|60,000,000|", msgResultOutOfRange, "", French},
    // Refusals: the first one's message; windows read before it keep their canonical form.
    {"FirstNotValidCE", "2000-02-30||", CE, CE, "", "2000-02-30||", msgFirstDateInvalid},
    {"FirstNotValidAnnusNovus", "10520-11-01||", AN, CE, "", "10520-11-01||", msgFirstDateInvalidAnnusNovus},
    {"FirstOutOfRange", "2100000001||", JDN, CE, "", "2100000001||", msgFirstDateOutOfRange},
    {"OnlyTheFirstRefusal", " 2000-13-01 ||nonsense", CE, CE, "", "2000-13-01||nonsense", msgFirstDateInvalid},
    {"DifferenceNotValid", "2000-1-1|abc|", CE, CE, "", "2000-01-01|abc|", msgDifferenceInvalid},
    {"DifferenceOutOfRange", "2000-01-01|2100000001|", CE, CE, "", "2000-01-01|2100000001|", msgDifferenceOutOfRange},
    {"DifferenceBeforeSecond", "|x|2000-02-30", CE, CE, "", "|x|2000-02-30", msgDifferenceInvalid},
    {"SecondNotValidCE", "|1000|2000-02-30", CE, CE, "", "|1,000|2000-02-30", msgSecondDateInvalid},
    {"SecondNotValidAN", "2000-01-01||10520-10-38", CE, AN, "", "2000-01-01||10520-10-38", msgSecondDateInvalidAnnusNovus},
    {"SecondOutOfRange", "||-2100000001", CE, JDN, "", "||-2100000001", msgSecondDateOutOfRange},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Runs, ComputeRun, ::testing::ValuesIn(kRuns), kName);

// Both dates and a difference: the question.
struct QuestionCase {
    const char* name;
    const char* diff;
    Answer answer;
    int asked;
    const char* line;
    const char* diffAfter;
};

class ComputeQuestion : public ComputeTest, public ::testing::WithParamInterface<QuestionCase> {};

TEST_P(ComputeQuestion, OnlyYesClearsTheDifference) {
    const QuestionCase& c = GetParam();
    int asked = 0;
    const Compute::Output out =
        Run(std::string(" 2000-01-01|") + c.diff + "|2000-01-05 ", CE, CE, {}, [&] {
            ++asked;
            return c.answer;
        });
    EXPECT_EQ(asked, c.asked);
    EXPECT_EQ(out.appended, c.line);
    EXPECT_EQ(Windows(out), std::string("2000-01-01|") + c.diffAfter + "|2000-01-05");
    EXPECT_EQ(out.message, noMessage);
    EXPECT_EQ(out.caret, *c.line ? Caret::EndMinusOne : Caret::Untouched);
}

const char* const kFourDays = "2000-01-05 CE minus 2000-01-01 CE = 4 days\r\n";

// clang-format off
const QuestionCase kQuestions[] = {
    {"YesClears", "5", Answer::Yes, 1, kFourDays, "4"},
    {"NoKeepsTrimmed", " 5 ", Answer::No, 1, "", "5"},
    {"LoneZeroClearedUnasked", "0", Answer::No, 0, kFourDays, "4"},
    {"DoubleZeroAsks", "00", Answer::No, 1, "", "00"},
    {"MinusZeroAsks", "-0", Answer::No, 1, "", "-0"},
    {"InvalidDifferenceAsksFirst", "abc", Answer::Cancel, 1, "", "abc"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(BothDatesAndADifference, ComputeQuestion, ::testing::ValuesIn(kQuestions),
                         kName);

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
