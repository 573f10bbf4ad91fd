#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calendar/DatePr2.h"
#include "lang/GEN_TEXT.h"
#include "ui/main/Compute.h"
#include "ui/main/WindowTexts.h"

namespace {

using Compute::Caret;
using MessageBoxes::Answer;

constexpr int16_t CE = DatePr2::CE;
constexpr int16_t JC = DatePr2::JC;
constexpr int16_t JDN = DatePr2::JDN;
constexpr int16_t AN = DatePr2::AN;
constexpr int16_t DIY = DatePr2::YYYYDDD;
constexpr int16_t English = GEN_TEXT::langEnglish;
constexpr int16_t German = GEN_TEXT::langGerman;
constexpr int16_t French = GEN_TEXT::langFrench;
constexpr int16_t Portuguese = GEN_TEXT::langPortuguese;
constexpr int16_t Spanish = GEN_TEXT::langSpanish;

// What the user typed and chose, and the run's language.
struct Typed {
    std::string first, second, diff;
    int16_t k1 = CE, k2 = CE;
    int16_t order = DatePr2::YMD;
    std::string separator = "-", thousands = ",";
    int16_t language = English;
};

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
        GEN_TEXT::currentLanguage = English;
    }

    // A run whose question must not be asked.
    static Compute::Output Run(const Typed& t) {
        return RunAnswering(t, [] {
            ADD_FAILURE() << "unexpected question";
            return Answer::No;
        });
    }
    static Compute::Output RunAnswering(const Typed& t, const Compute::AskClearDifference& ask) {
        GEN_TEXT::currentLanguage = t.language;
        Compute::Input in;
        in.firstDate = t.first;
        in.secondDate = t.second;
        in.dateDiff = t.diff;
        in.firstKind = t.k1;
        in.secondKind = t.k2;
        in.order = t.order;
        in.separator = t.separator;
        in.thousands = t.thousands;
        return Compute::Run(in, ask);
    }
};

// ---- Completed runs: the line, the three windows and the day word. ----

struct LineCase {
    const char* name;
    Typed typed;
    std::string line;
    std::string firstAfter, secondAfter, diffAfter;
    std::string dayWord;
};

class ComputeLine : public ComputeTest, public ::testing::WithParamInterface<LineCase> {};

TEST_P(ComputeLine, WritesTheLineAndTheWindows) {
    const LineCase& c = GetParam();
    const Compute::Output out = Run(c.typed);
    EXPECT_EQ(out.appended, c.line);
    EXPECT_EQ(out.firstDate, c.firstAfter);
    EXPECT_EQ(out.secondDate, c.secondAfter);
    EXPECT_EQ(out.dateDiff, c.diffAfter);
    EXPECT_EQ(out.message, -1);
    EXPECT_EQ(out.caret, Caret::EndMinusOne);
    ASSERT_TRUE(out.dayWord.has_value());
    EXPECT_EQ(*out.dayWord, c.dayWord);
    EXPECT_FALSE(out.inputError);
    EXPECT_FALSE(out.todayFilled);
}

// clang-format off
const LineCase kLines[] = {
    // The result lines given as examples of the command.
    {"DifferenceWithMonthsAndDays", {"2000-01-01", "2000-03-15", ""},
     "2000-03-15 CE minus 2000-01-01 CE = 74 days (2 months, 14 days)\r\n", "2000-01-01",
     "2000-03-15", "74", "days"},
    {"DifferenceOfExactlyOneYear", {"2000-01-01", "2001-01-01", ""},
     "2001-01-01 CE minus 2000-01-01 CE = 366 days (1 year)\r\n", "2000-01-01", "2001-01-01",
     "366", "days"},
    {"NegativeDifferenceHasNoBreakdown", {"2000-01-05", "2000-01-01", ""},
     "2000-01-01 CE minus 2000-01-05 CE = -4 days\r\n", "2000-01-05", "2000-01-01", "-4", "days"},
    {"FirstDatePlusDays", {"2000-01-01", "", "10"},
     "2000-01-01 CE plus 10 days = 2000-01-11 CE, Tuesday\r\n", "2000-01-01", "2000-01-11", "10",
     "days"},
    {"SecondDateMinusDays", {"", "2000-01-11", "10"},
     "2000-01-11 CE minus 10 days = 2000-01-01 CE, Saturday\r\n", "2000-01-01", "2000-01-11",
     "10", "days"},
    {"ConversionToJdn", {"2000-01-01", "", "", CE, JDN},
     "2000-01-01 CE = 2,451,545 JDN, Saturday\r\n", "2000-01-01", "2,451,545", "", "days"},
    // Conversions and the same-calendar condition.
    {"SameCalendarShowsOnlyTheWeekday", {"2000-01-01", "", ""}, "2000-01-01 CE, Saturday\r\n",
     "2000-01-01", "", "", "days"},
    {"SameCalendarYyyydddFillsTheOtherWindow", {"2000001", "", "", DIY, DIY},
     "2000001, Saturday\r\n", "2000001", "2000001", "", "days"},
    {"SameCalendarSecondYyyydddFillsTheFirst", {"", "2000001", "", DIY, DIY},
     "2000001, Saturday\r\n", "2000001", "2000001", "", "days"},
    {"SameCalendarSecondDateAlone", {"", "2000-01-01", ""}, "2000-01-01 CE, Saturday\r\n", "",
     "2000-01-01", "", "days"},
    {"SameCalendarJdn", {"2451545", "", "", JDN, JDN}, "2,451,545 JDN, Saturday\r\n",
     "2,451,545", "", "", "days"},
    {"SameCalendarAnnusNovusWeekday", {"10519-01-01", "", "", AN, AN},
     "10519-01-01 AN, Primidi\r\n", "10519-01-01", "", "", "days"},
    {"SecondDateConvertedIntoFirstCalendar", {"", "2,451,545", "", CE, JDN},
     "2,451,545 JDN = 2000-01-01 CE, Saturday\r\n", "2000-01-01", "2,451,545", "", "days"},
    {"ConversionToJulian", {"2000-01-01", "", "", CE, JC},
     "2000-01-01 CE = 1999-12-19 JC, Saturday\r\n", "2000-01-01", "1999-12-19", "", "days"},
    {"ConversionToAnnusNovus", {"2001-01-01", "", "", CE, AN},
     "2001-01-01 CE = 10520-01-01 AN, Primidi\r\n", "2001-01-01", "10520-01-01", "", "days"},
    {"ConversionToYyyyddd", {"1999-12-31", "", "", JC, DIY},
     "1999-12-31 JC = 2000013, Thursday\r\n", "1999-12-31", "2000013", "", "days"},
    {"IntercalariusIsAnAnnusNovusWeekday", {"2024-12-31", "", "", CE, AN},
     "2024-12-31 CE = 10543-11-01 AN, Intercalarius\r\n", "2024-12-31", "10543-11-01", "",
     "days"},
    {"FirstDayOfYyyyddd", {"1721426", "", "", JDN, DIY}, "1,721,426 JDN = 0001001, Monday\r\n",
     "1,721,426", "0001001", "", "days"},
    {"LastDayOfYyyyddd", {"5373484", "", "", JDN, DIY}, "5,373,484 JDN = 9999365, Friday\r\n",
     "5,373,484", "9999365", "", "days"},
    {"LargestJdnAsDateWithGroupedYear", {"2100000000", "", "", JDN, CE},
     "2,100,000,000 JDN = 5,744,892-08-11 CE, Monday\r\n", "2,100,000,000", "5,744,892-08-11",
     "", "days"},
    {"SmallestJdnAsDateWithNegativeYear",
     {"-2100000000", "", "", JDN, CE, DatePr2::DMY},
     "-2,100,000,000 JDN = 08-03-(-5,754,317) CE, Monday\r\n", "-2,100,000,000",
     "08-03-(-5,754,317)", "", "days"},
    // Day counts, signs and the day word.
    {"MinusTenFromFirstDate", {"2000-01-11", "", "-10"},
     "2000-01-11 CE minus 10 days = 2000-01-01 CE, Saturday\r\n", "2000-01-11", "2000-01-01",
     "-10", "days"},
    {"MinusTenFromSecondDate", {"", "2000-01-01", "-10"},
     "2000-01-01 CE plus 10 days = 2000-01-11 CE, Tuesday\r\n", "2000-01-11", "2000-01-01",
     "-10", "days"},
    {"ThousandsSeparatorRewritesTheCount", {"2000-01-01", "", "1000"},
     "2000-01-01 CE plus 1,000 days = 2002-09-27 CE, Friday\r\n", "2000-01-01", "2002-09-27",
     "1,000", "days"},
    {"OneDay", {"2000-01-01", "", "1"}, "2000-01-01 CE plus 1 day = 2000-01-02 CE, Sunday\r\n",
     "2000-01-01", "2000-01-02", "1", "day"},
    {"MinusOneDay", {"2000-01-01", "", "-1"},
     "2000-01-01 CE minus 1 day = 1999-12-31 CE, Friday\r\n", "2000-01-01", "1999-12-31", "-1",
     "day"},
    {"ZeroBesideOneDateIsKept", {"2000-01-01", "", "0"},
     "2000-01-01 CE plus 0 days = 2000-01-01 CE, Saturday\r\n", "2000-01-01", "2000-01-01", "0",
     "days"},
    {"MinusZeroBesideOneDateIsRewritten", {"2000-01-01", "", "-0"},
     "2000-01-01 CE plus 0 days = 2000-01-01 CE, Saturday\r\n", "2000-01-01", "2000-01-01", "0",
     "days"},
    {"DifferenceOfMinusOneDay", {"2000-01-02", "2000-01-01", ""},
     "2000-01-01 CE minus 2000-01-02 CE = -1 day\r\n", "2000-01-02", "2000-01-01", "-1", "day"},
    // Differences and their breakdown.
    {"EqualDatesHaveNoBreakdown", {"2000-01-01", "2000-01-01", ""},
     "2000-01-01 CE minus 2000-01-01 CE = 0 days\r\n", "2000-01-01", "2000-01-01", "0", "days"},
    {"ZeroBesideTwoDatesIsCleared", {"2000-01-01", "2000-01-01", " 0 "},
     "2000-01-01 CE minus 2000-01-01 CE = 0 days\r\n", "2000-01-01", "2000-01-01", "0", "days"},
    {"AfterAConversionTheDifferenceIsZero", {"2000-01-01", "2,451,545", "", CE, JDN},
     "2,451,545 JDN minus 2000-01-01 CE = 0 days\r\n", "2000-01-01", "2,451,545", "0", "days"},
    {"LessThanAMonthHasNoBreakdown", {"2000-01-01", "2000-01-20", ""},
     "2000-01-20 CE minus 2000-01-01 CE = 19 days\r\n", "2000-01-01", "2000-01-20", "19",
     "days"},
    {"OneMonth", {"2000-01-01", "2000-02-01", ""},
     "2000-02-01 CE minus 2000-01-01 CE = 31 days (1 month)\r\n", "2000-01-01", "2000-02-01",
     "31", "days"},
    {"YearsMonthsAndDays", {"2000-01-01", "2001-03-15", ""},
     "2001-03-15 CE minus 2000-01-01 CE = 439 days (1 year, 2 months, 14 days)\r\n",
     "2000-01-01", "2001-03-15", "439", "days"},
    {"DaysBorrowedFromFebruary", {"2000-01-15", "2000-03-10", ""},
     "2000-03-10 CE minus 2000-01-15 CE = 55 days (1 month, 24 days)\r\n", "2000-01-15",
     "2000-03-10", "55", "days"},
    {"PairOfJdnsHasNoBreakdown", {"2451545", "2452000", "", JDN, JDN},
     "2,452,000 JDN minus 2,451,545 JDN = 455 days\r\n", "2,451,545", "2,452,000", "455", "days"},
    {"DifferentCalendarsHaveNoBreakdown", {"2000-01-01", "2000-03-01", "", CE, JC},
     "2000-03-01 JC minus 2000-01-01 CE = 73 days\r\n", "2000-01-01", "2000-03-01", "73", "days"},
    {"YyyydddBreakdownInYearsAndDays", {"2000300", "2002100", "", DIY, DIY},
     "2002100 minus 2000300 = 531 days (1 year, 165 days)\r\n", "2000300", "2002100", "531",
     "days"},
    {"AnnusNovusMonthsWrapAtTen", {"10520-10-30", "10521-02-05", "", AN, AN},
     "10521-02-05 AN minus 10520-10-30 AN = 48 days (1 month, 11 days)\r\n", "10520-10-30",
     "10521-02-05", "48", "days"},
    {"AnnusNovusYearMonthAndDays", {"10520-01-01", "10521-02-05", "", AN, AN},
     "10521-02-05 AN minus 10520-01-01 AN = 405 days (1 year, 1 month, 4 days)\r\n",
     "10520-01-01", "10521-02-05", "405", "days"},
    {"JulianBreakdown", {"2000-01-01", "2000-03-01", "", JC, JC},
     "2000-03-01 JC minus 2000-01-01 JC = 60 days (2 months)\r\n", "2000-01-01", "2000-03-01",
     "60", "days"},
    // An earlier day past the end of the month before the later date's month.
    {"EndOfJanuaryToFirstOfMarchLeapYear", {"2000-01-31", "2000-03-01", ""},
     "2000-03-01 CE minus 2000-01-31 CE = 30 days (1 month, 1 day)\r\n", "2000-01-31",
     "2000-03-01", "30", "days"},
    {"EndOfJanuaryToFirstOfMarch", {"2001-01-31", "2001-03-01", ""},
     "2001-03-01 CE minus 2001-01-31 CE = 29 days (1 month, 1 day)\r\n", "2001-01-31",
     "2001-03-01", "29", "days"},
    {"EndOfJanuaryToSecondOfMarch", {"2001-01-31", "2001-03-02", ""},
     "2001-03-02 CE minus 2001-01-31 CE = 30 days (1 month, 2 days)\r\n", "2001-01-31",
     "2001-03-02", "30", "days"},
    {"EndOfJanuaryToThirdOfMarch", {"2001-01-31", "2001-03-03", ""},
     "2001-03-03 CE minus 2001-01-31 CE = 31 days (1 month, 3 days)\r\n", "2001-01-31",
     "2001-03-03", "31", "days"},
    // Date orders, separators, canonical rewriting and trimming.
    {"CanonicalRewriting", {"  2000-1-1  ", "", "", CE, JDN},
     "2000-01-01 CE = 2,451,545 JDN, Saturday\r\n", "2000-01-01", "2,451,545", "", "days"},
    {"DayMonthYearWithSlash", {"1/1/2000", "", "", CE, JDN, DatePr2::DMY, "/"},
     "01/01/2000 CE = 2,451,545 JDN, Saturday\r\n", "01/01/2000", "2,451,545", "", "days"},
    {"MonthDayYearWithDots", {"03.15.2000", "", "", CE, JDN, DatePr2::MDY, ".", "."},
     "03.15.2000 CE = 2.451.619 JDN, Wednesday\r\n", "03.15.2000", "2.451.619", "", "days"},
    {"NoThousandsSeparator", {"2000-01-01", "", "1000", CE, JDN, DatePr2::YMD, "-", ""},
     "2000-01-01 CE plus 1000 days = 2452545 JDN, Friday\r\n", "2000-01-01", "2452545", "1000",
     "days"},
    {"DotGroupedJdnRead", {"2.451.545", "", "", JDN, CE, DatePr2::YMD, ".", "."},
     "2.451.545 JDN = 2000.01.01 CE, Saturday\r\n", "2.451.545", "2000.01.01", "", "days"},
    {"AnnusNovusNeverMonthFirst", {"01/01/2001", "", "", CE, AN, DatePr2::MDY, "/"},
     "01/01/2001 CE = 10520-01-01 AN, Primidi\r\n", "01/01/2001", "10520-01-01", "", "days"},
    {"NegativeJulianYearInParentheses",
     {"15.03.(-44)", "", "", JC, JDN, DatePr2::DMY, ".", ","},
     "15.03.(-44) JC = 1,705,061 JDN, Tuesday\r\n", "15.03.(-44)", "1,705,061", "", "days"},
    // Languages.
    {"GermanBreakdown", {"2000-01-01", "2001-03-15", "", CE, CE, DatePr2::YMD, "-", ",", German},
     "2001-03-15 CE minus 2000-01-01 CE = 439 Tage (1 Jahr, 2 Monate, 14 Tage)\r\n",
     "2000-01-01", "2001-03-15", "439", "Tage"},
    {"GermanDayWordSingular", {"2000-01-01", "", "1", CE, CE, DatePr2::YMD, "-", ",", German},
     "2000-01-01 CE plus 1 Tag = 2000-01-02 CE, Sonntag\r\n", "2000-01-01", "2000-01-02", "1",
     "Tag"},
    {"FrenchWordsAreUntranslated",
     {"2000-01-01", "2001-03-15", "", CE, CE, DatePr2::YMD, "-", ",", French},
     "2001-03-15 CE ??? 2000-01-01 CE = 439 ??? (1 ???, 2 ???, 14 ???" ")\r\n", "2000-01-01",
     "2001-03-15", "439", "???"},
    {"FrenchWeekdayIsTranslated", {"2000-01-01", "", "", CE, JDN, DatePr2::YMD, "-", ",", French},
     "2000-01-01 CE = 2,451,545 JDN, Samedi\r\n", "2000-01-01", "2,451,545", "", "???"},
    {"SpanishWordsLowerCased",
     {"2000-01-01", "2000-03-15", "", CE, CE, DatePr2::YMD, "-", ",", Spanish},
     "2000-03-15 CE menos 2000-01-01 CE = 74 días (2 meses, 14 días)\r\n", "2000-01-01",
     "2000-03-15", "74", "días"},
    {"PortuguesePlus", {"2000-01-01", "", "10", CE, JDN, DatePr2::YMD, "-", ",", Portuguese},
     "2000-01-01 CE positivo 10 dias = 2,451,555 JDN, Terça-feira\r\n", "2000-01-01",
     "2,451,555", "10", "dias"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Lines, ComputeLine, ::testing::ValuesIn(kLines),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Results out of range: the line closed by "Out of Range", message 9. ----

struct OutOfRangeCase {
    const char* name;
    Typed typed;
    std::string line;
    std::string firstAfter, secondAfter, diffAfter;
};

class ComputeOutOfRange : public ComputeTest,
                          public ::testing::WithParamInterface<OutOfRangeCase> {};

TEST_P(ComputeOutOfRange, ClosesTheLineAndKeepsTheReceivingWindow) {
    const OutOfRangeCase& c = GetParam();
    const Compute::Output out = Run(c.typed);
    EXPECT_EQ(out.appended, c.line);
    EXPECT_EQ(out.firstDate, c.firstAfter);
    EXPECT_EQ(out.secondDate, c.secondAfter);
    EXPECT_EQ(out.dateDiff, c.diffAfter);
    EXPECT_EQ(out.message, 9);
    EXPECT_EQ(out.caret, Caret::End);
    EXPECT_FALSE(out.dayWord.has_value());
    EXPECT_FALSE(out.inputError);
}

// clang-format off
const OutOfRangeCase kOutOfRange[] = {
    {"SumBeyondLargestDayNumber", {"2050000000", "", "60000000", JDN, JDN},
     "2,050,000,000 JDN plus 60,000,000 days = Out of Range\r\n", "2,050,000,000", "",
     "60,000,000"},
    {"SumBeyond32Bits", {"2,100,000,000", "", "2,000,000,000", JDN, CE},
     "2,100,000,000 JDN plus 2,000,000,000 days = Out of Range\r\n", "2,100,000,000", "",
     "2,000,000,000"},
    {"SubtractionBeyond32Bits", {"", "-2100000000", "2000000000", CE, JDN},
     "-2,100,000,000 JDN minus 2,000,000,000 days = Out of Range\r\n", "", "-2,100,000,000",
     "2,000,000,000"},
    {"NegativeCountFromSecondDateBeyondLimit", {"", "2000000000", "-100000001", JDN, JDN},
     "2,000,000,000 JDN plus 100,000,001 days = Out of Range\r\n", "", "2,000,000,000",
     "-100,000,001"},
    {"JustBelowSmallestDayNumber", {"-2100000000", "", "-1", JDN, JDN},
     "-2,100,000,000 JDN minus 1 day = Out of Range\r\n", "-2,100,000,000", "", "-1"},
    {"YyyydddBeforeYearOne", {"1721425", "", "", JDN, DIY}, "1,721,425 JDN = Out of Range\r\n",
     "1,721,425", "", ""},
    {"YyyydddAfterYear9999", {"5373485", "", "", JDN, DIY}, "5,373,485 JDN = Out of Range\r\n",
     "5,373,485", "", ""},
    {"YyyydddSumAfterYear9999", {"9999365", "", "1", DIY, DIY},
     "9999365 plus 1 day = Out of Range\r\n", "9999365", "", "1"},
    {"YyyydddFromSecondDateBeforeYearOne", {"", "0000-12-31", "", DIY, CE},
     "0-12-31 CE = Out of Range\r\n", "", "0-12-31", ""},
    {"DifferenceOfExtremeJdns", {"-2100000000", "2100000000", "", JDN, JDN},
     "2,100,000,000 JDN minus -2,100,000,000 JDN = Out of Range\r\n", "-2,100,000,000",
     "2,100,000,000", ""},
    {"DifferenceOfExtremeJdnsReversed", {"2100000000", "-2100000000", "", JDN, JDN},
     "-2,100,000,000 JDN minus 2,100,000,000 JDN = Out of Range\r\n", "2,100,000,000",
     "-2,100,000,000", ""},
    // A count the day-difference window could not read back is no result either.
    {"DifferenceBeyondLargestDayCount", {"-47483648", "2100000000", "", JDN, JDN},
     "2,100,000,000 JDN minus -47,483,648 JDN = Out of Range\r\n", "-47,483,648",
     "2,100,000,000", ""},
    {"German", {"2050000000", "", "60000000", JDN, JDN, DatePr2::YMD, "-", ",", German},
     "2,050,000,000 JDN plus 60,000,000 Tage = Ausserhalb des erlaubten Bereichs\r\n",
     "2,050,000,000", "", "60,000,000"},
    {"FrenchHasNoOutOfRangeText",
     {"2050000000", "", "60000000", JDN, JDN, DatePr2::YMD, "-", ",", French},
     "2,050,000,000 JDN ??? 60,000,000 ??? = \r\n", "2,050,000,000", "", "60,000,000"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Results, ComputeOutOfRange, ::testing::ValuesIn(kOutOfRange),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Refused input: the first refusal's message, no line, earlier windows rewritten. ----

struct RefusalCase {
    const char* name;
    Typed typed;
    int message;
    std::string firstAfter, secondAfter, diffAfter;
};

class ComputeRefusal : public ComputeTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(ComputeRefusal, ShowsTheFirstRefusalOnly) {
    const RefusalCase& c = GetParam();
    const Compute::Output out = Run(c.typed);
    EXPECT_EQ(out.message, c.message);
    EXPECT_EQ(out.firstDate, c.firstAfter);
    EXPECT_EQ(out.secondDate, c.secondAfter);
    EXPECT_EQ(out.dateDiff, c.diffAfter);
    EXPECT_EQ(out.appended, "");
    EXPECT_EQ(out.caret, Caret::Untouched);
    EXPECT_FALSE(out.dayWord.has_value());
    EXPECT_TRUE(out.inputError);
}

// clang-format off
const RefusalCase kRefusals[] = {
    {"FirstNotValidCE", {"2000-02-30", "", ""}, 1, "2000-02-30", "", ""},
    {"FirstNotValidJC", {"2001-02-29", "", "", JC, CE}, 1, "2001-02-29", "", ""},
    {"FirstNotValidJdn", {"2451-545", "", "", JDN, CE}, 1, "2451-545", "", ""},
    {"FirstNotValidYyyyddd", {"2001366", "", "", DIY, CE}, 1, "2001366", "", ""},
    {"FirstNotValidAnnusNovus", {"10520-11-01", "", "", AN, CE}, 2, "10520-11-01", "", ""},
    {"FirstOutOfRange", {"2100000001", "", "", JDN, CE}, 3, "2100000001", "", ""},
    {"FirstRefusalStopsTheOtherChecks", {" 2000-13-01 ", "nonsense", "", CE, CE}, 1,
     "2000-13-01", "nonsense", ""},
    {"DifferenceNotValid", {"2000-1-1", "", "abc"}, 4, "2000-01-01", "", "abc"},
    {"DifferenceOutOfRange", {"2000-01-01", "", "2100000001"}, 5, "2000-01-01", "",
     "2100000001"},
    {"DifferenceRefusedBeforeTheSecondDate", {"", "2000-02-30", "x"}, 4, "", "2000-02-30", "x"},
    {"SecondNotValidCE", {"", "2000-02-30", "1000"}, 6, "", "2000-02-30", "1,000"},
    {"SecondNotValidJdn", {"2000-1-1", "5-5", "", CE, JDN}, 6, "2000-01-01", "5-5", ""},
    {"SecondNotValidAnnusNovus", {"2000-01-01", "10520-10-38", "", CE, AN}, 7, "2000-01-01",
     "10520-10-38", ""},
    {"SecondOutOfRange", {"", "-2100000001", "", CE, JDN}, 8, "", "-2100000001", ""},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Inputs, ComputeRefusal, ::testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ComputeTest, DeclinedQuestionKeepsThePreviousInputError) {
    Compute::Input in;
    in.firstDate = "2000-01-01";
    in.secondDate = "2000-01-02";
    in.dateDiff = "5";
    in.inputError = true;
    EXPECT_TRUE(Compute::Run(in, [] { return Answer::No; }).inputError);
    in.inputError = false;
    EXPECT_FALSE(Compute::Run(in, [] { return Answer::Cancel; }).inputError);
}

// ---- The question when both dates and a difference are given. ----

struct QuestionCase {
    const char* name;
    std::string diff;
    Answer answer;
    int questions; // times the question is asked
    std::string line;
    std::string diffAfter;
};

class ComputeQuestion : public ComputeTest, public ::testing::WithParamInterface<QuestionCase> {};

TEST_P(ComputeQuestion, OnlyYesClearsTheDifference) {
    const QuestionCase& c = GetParam();
    int asked = 0;
    const Compute::Output out = RunAnswering({" 2000-01-01", "2000-01-05 ", c.diff}, [&] {
        ++asked;
        return c.answer;
    });
    EXPECT_EQ(asked, c.questions);
    EXPECT_EQ(out.appended, c.line);
    EXPECT_EQ(out.dateDiff, c.diffAfter);
    EXPECT_EQ(out.firstDate, "2000-01-01");
    EXPECT_EQ(out.secondDate, "2000-01-05");
    EXPECT_EQ(out.message, -1);
    EXPECT_EQ(out.dayWord.has_value(), !c.line.empty());
    EXPECT_EQ(out.caret, c.line.empty() ? Caret::Untouched : Caret::EndMinusOne);
}

// clang-format off
const QuestionCase kQuestions[] = {
    {"YesClears", "5", Answer::Yes, 1, "2000-01-05 CE minus 2000-01-01 CE = 4 days\r\n", "4"},
    {"NoKeeps", " 5 ", Answer::No, 1, "", "5"},
    {"CancelKeeps", "5", Answer::Cancel, 1, "", "5"},
    {"LoneZeroIsClearedWithoutAsking", "0", Answer::No, 0,
     "2000-01-05 CE minus 2000-01-01 CE = 4 days\r\n", "4"},
    {"DoubleZeroAsks", "00", Answer::No, 1, "", "00"},
    {"MinusZeroAsks", "-0", Answer::No, 1, "", "-0"},
    {"InvalidDifferenceAsksFirst", "abc", Answer::Cancel, 1, "", "abc"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(BothDatesAndADifference, ComputeQuestion, ::testing::ValuesIn(kQuestions),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ComputeTest, MissingCallbackIsNoConsent) {
    Compute::Input in;
    in.firstDate = "2000-01-01";
    in.secondDate = "2000-01-02";
    in.dateDiff = "5";
    const Compute::Output out = Compute::Run(in, {});
    EXPECT_EQ(out.appended, "");
    EXPECT_EQ(out.dateDiff, "5");
}

// ---- Both date windows empty: today's date goes into the first window. ----

struct TodayCase {
    const char* name;
    int16_t k1, k2;
    std::string firstAfter, line;
};

class ComputeToday : public ComputeTest, public ::testing::WithParamInterface<TodayCase> {};

TEST_P(ComputeToday, FillsTheFirstWindowAndClearsTheDifference) {
    const TodayCase& c = GetParam();
    const Compute::Output out = Run({"  ", "", "123", c.k1, c.k2});
    EXPECT_TRUE(out.todayFilled);
    EXPECT_EQ(out.firstDate, c.firstAfter);
    EXPECT_EQ(out.dateDiff, "");
    EXPECT_EQ(out.appended, c.line);
    EXPECT_EQ(out.message, -1);
}

// clang-format off
const TodayCase kToday[] = {
    {"SameCalendar", CE, CE, "2026-12-07", "2026-12-07 CE, Monday\r\n"},
    {"IntoJdn", CE, JDN, "2026-12-07", "2026-12-07 CE = 2,461,382 JDN, Monday\r\n"},
    {"JulianFirstWindow", JC, CE, "2026-11-24", "2026-11-24 JC = 2026-12-07 CE, Monday\r\n"},
    {"JdnFirstWindow", JDN, CE, "2,461,382", "2,461,382 JDN = 2026-12-07 CE, Monday\r\n"},
    {"AnnusNovusFirstWindow", AN, AN, "10545-10-13", "10545-10-13 AN, Primidi\r\n"},
    {"YyyydddFirstWindow", DIY, CE, "2026341", "2026341 = 2026-12-07 CE, Monday\r\n"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(BothDatesEmpty, ComputeToday, ::testing::ValuesIn(kToday),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ComputeTest, SecondRunOnTheFilledWindowsFindsZeroDays) {
    const Compute::Output conversion = Run({"2000-01-01", "", "", CE, JDN});
    const Compute::Output again =
        Run({conversion.firstDate, conversion.secondDate, conversion.dateDiff, CE, JDN});
    EXPECT_EQ(again.appended, "2,451,545 JDN minus 2000-01-01 CE = 0 days\r\n");
    EXPECT_EQ(again.dateDiff, "0");
}

// ---- Any text at all: the run ends in one of its three outcomes. ----

TEST_F(ComputeTest, OddTextsEndInARefusalALineOrOutOfRange) {
    const std::vector<std::string> texts = {
        std::string(10000, '9'),
        std::string(5000, '-'),
        "((((((((((((((((((",
        std::string("20\0"
                    "00-01-01",
                    11),
        "\xff\xfe\x80 2000-01-01",
        "2000-01-01\t",
        "+",
        "-",
        "2147483648",
        "-2147483648",
        "9999999999999999999999-01-01",
        "01-01-" + std::string(300, '1'),
        "1.2.3.4.5",
        "2.451.545",
        "10520-10-37",
    };
    const std::string outOfRange = "Out of Range\r\n";
    int runs = 0;
    for (const std::string& text : texts) {
        for (int16_t k1 = CE; k1 <= DIY; ++k1) {
            for (int16_t k2 = CE; k2 <= DIY; ++k2) {
                // The text as a lone date, beside a date with a difference, as a difference
                // beside one date, and in all three windows.
                const Typed placements[] = {{text, "", "", k1, k2},
                                            {"", text, text, k1, k2},
                                            {"2000-01-01", "", text, k1, k2},
                                            {text, text, text, k1, k2}};
                for (std::size_t slot = 0; slot < std::size(placements); ++slot) {
                    const Typed& typed = placements[slot];
                    SCOPED_TRACE(testing::Message() << "text " << runs << " kinds " << k1 << "/"
                                                    << k2 << " slot " << slot);
                    const Compute::Output out = RunAnswering(typed, [] { return Answer::Yes; });
                    ++runs;
                    EXPECT_GE(out.message, -1);
                    EXPECT_LE(out.message, 9);
                    EXPECT_NE(out.message, 0);
                    if (out.message >= 1 && out.message <= 8) {
                        EXPECT_TRUE(out.inputError);
                        EXPECT_EQ(out.appended, "");
                        EXPECT_FALSE(out.dayWord.has_value());
                    } else if (out.message == 9) {
                        EXPECT_EQ(out.caret, Caret::End);
                        ASSERT_GE(out.appended.size(), outOfRange.size());
                        EXPECT_EQ(out.appended.substr(out.appended.size() - outOfRange.size()),
                                  outOfRange);
                    } else {
                        EXPECT_EQ(out.caret, Caret::EndMinusOne);
                        ASSERT_GE(out.appended.size(), 2u);
                        EXPECT_EQ(out.appended.find("\r\n"), out.appended.size() - 2);
                        EXPECT_TRUE(out.dayWord.has_value());
                    }
                    for (const std::string* window :
                         {&out.firstDate, &out.secondDate, &out.dateDiff}) {
                        if (!window->empty()) {
                            EXPECT_NE(window->front(), ' ');
                            EXPECT_NE(window->back(), ' ');
                        }
                    }
                }
            }
        }
    }
    EXPECT_EQ(runs, static_cast<int>(texts.size()) * 5 * 5 * 4);
}

} // namespace
