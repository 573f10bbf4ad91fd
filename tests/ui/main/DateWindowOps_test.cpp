#include <gtest/gtest.h>

#include <string>

#include "calendar/DatePr2.h"
#include "lang/GEN_TEXT.h"
#include "ui/main/DateWindowOps.h"
#include "ui/main/WindowTexts.h"

namespace {

using DateWindowOps::Format;

constexpr int16_t CE = DatePr2::CE;
constexpr int16_t JC = DatePr2::JC;
constexpr int16_t JDN = DatePr2::JDN;
constexpr int16_t AN = DatePr2::AN;
constexpr int16_t DIY = DatePr2::YYYYDDD;

const Format kYmdDash{DatePr2::YMD, "-", ","};

DatePr2::NowFunction FixedNow(int32_t year, int32_t month, int32_t day, int32_t hour,
                              int32_t minute) {
    return [=] { return DatePr2::LocalNow{year, month, day, hour, minute, 0}; };
}

class DateWindowOpsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        GEN_TEXT::InitMessages();
        DatePr2::InitializeGlobals();
        WindowTexts::LoadComputeErrorTexts();
        // Monday 2026-12-07, JDN 2,461,382; 10545-10-13 AN, a Primidi.
        DatePr2::SetNow(FixedNow(2026, 12, 7, 14, 5));
    }
    void TearDown() override {
        DatePr2::SetNow({});
        GEN_TEXT::currentLanguage = GEN_TEXT::langEnglish;
    }
};

// ---- ResultDateText: a JDN written into a window of each kind. ----

struct ResultCase {
    const char* name;
    int32_t jdn;
    int16_t kind;
    Format format;
    bool written;
    std::string text;
};

class ResultDateText : public DateWindowOpsTest,
                       public ::testing::WithParamInterface<ResultCase> {};

TEST_P(ResultDateText, WritesTheKindsForm) {
    const ResultCase& c = GetParam();
    DateRecord rec{};
    rec.jdn = c.jdn;
    std::string text = "untouched";
    EXPECT_EQ(DateWindowOps::ResultDateText(rec, c.kind, c.format, text), c.written);
    EXPECT_EQ(text, c.written ? c.text : "untouched");
    EXPECT_EQ(rec.jdn, c.jdn);
}

// clang-format off
const ResultCase kResults[] = {
    {"JdnGrouped", 2451545, JDN, kYmdDash, true, "2,451,545"},
    {"JdnNegativeGroupedByDots", -2100000000, JDN, {DatePr2::YMD, "-", "."}, true,
     "-2.100.000.000"},
    {"JdnUngrouped", 2451545, JDN, {DatePr2::YMD, "-", ""}, true, "2451545"},
    {"YyyydddBeforeFirstDay", 1721425, DIY, kYmdDash, false, ""},
    {"YyyydddFirstDay", 1721426, DIY, kYmdDash, true, "0001001"},
    {"YyyydddLeapDay366", 2451910, DIY, kYmdDash, true, "2000366"},
    {"YyyydddLastDay", 5373484, DIY, kYmdDash, true, "9999365"},
    {"YyyydddAfterLastDay", 5373485, DIY, kYmdDash, false, ""},
    {"CommonEra", 2451545, CE, kYmdDash, true, "2000-01-01"},
    {"CommonEraDayMonthYear", 2451545, CE, {DatePr2::DMY, ".", ","}, true, "01.01.2000"},
    {"Julian", 2451545, JC, kYmdDash, true, "1999-12-19"},
    {"AnnusNovusMonthFirstBecomesYearFirst", 2451911, AN, {DatePr2::MDY, "/", ","}, true,
     "10520-01-01"},
    {"UnknownKindReadsAsCommonEra", 2451545, 9, kYmdDash, true, "2000-01-01"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Kinds, ResultDateText, ::testing::ValuesIn(kResults),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- ConvertDateText: a typed date re-expressed when its calendar button changes. ----

struct ConvertCase {
    const char* name;
    std::string source;
    int16_t from, to;
    Format format;
    bool ok;
    std::string converted;
};

class ConvertDateText : public DateWindowOpsTest,
                        public ::testing::WithParamInterface<ConvertCase> {};

TEST_P(ConvertDateText, ReExpressesOrRefuses) {
    const ConvertCase& c = GetParam();
    std::string converted = "untouched";
    EXPECT_EQ(DateWindowOps::ConvertDateText(c.source, c.from, c.to, c.format, converted), c.ok);
    EXPECT_EQ(converted, c.ok ? c.converted : "untouched");
}

// clang-format off
const ConvertCase kConversions[] = {
    {"CommonEraToJulian", "2000-01-01", CE, JC, kYmdDash, true, "1999-12-19"},
    {"JulianToJdn", "1999-12-19", JC, JDN, kYmdDash, true, "2,451,545"},
    {"JdnToYyyyddd", "2,451,545", JDN, DIY, kYmdDash, true, "2000001"},
    {"YyyydddToCommonEra", "2000001", DIY, CE, kYmdDash, true, "2000-01-01"},
    {"JulianEndOfYearToYyyyddd", "1999-12-31", JC, DIY, kYmdDash, true, "2000013"},
    {"CommonEraToAnnusNovus", "2001-01-01", CE, AN, kYmdDash, true, "10520-01-01"},
    {"AnnusNovusToCommonEraDayMonthYear", "01-01-10520", AN, CE, {DatePr2::DMY, "/", ","}, true,
     "01/01/2001"},
    {"CanonicalFormOfTheTarget", "1/1/2000", CE, JC, {DatePr2::MDY, "/", ","}, true,
     "12/19/1999"},
    {"EmptySource", "", CE, JC, kYmdDash, false, ""},
    {"SameKind", "2000-01-01", CE, CE, kYmdDash, false, ""},
    {"NotADate", "2000-02-30", CE, JDN, kYmdDash, false, ""},
    {"OutOfRange", "2100000001", JDN, CE, kYmdDash, false, ""},
    {"YyyydddBeforeYearOne", "0000-12-31", CE, DIY, kYmdDash, false, ""},
    {"YyyydddAfterYear9999", "10000-01-01", CE, DIY, kYmdDash, false, ""},
    {"WrongSeparator", "2000/01/01", CE, JDN, kYmdDash, false, ""},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Calendars, ConvertDateText, ::testing::ValuesIn(kConversions),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- StepDateText: the up-down controls. ----

struct StepCase {
    const char* name;
    int which;
    std::string text;
    int32_t days;
    int16_t kind;
    std::string result;
    int message;
    bool outOfRange;
};

class StepDateText : public DateWindowOpsTest, public ::testing::WithParamInterface<StepCase> {};

TEST_P(StepDateText, StepsOrReports) {
    const StepCase& c = GetParam();
    const DateWindowOps::StepResult r =
        DateWindowOps::StepDateText(c.which, c.text, c.days, c.kind, kYmdDash);
    EXPECT_EQ(r.text, c.result);
    EXPECT_EQ(r.message, c.message);
    EXPECT_EQ(r.outOfRange, c.outOfRange);
}

// clang-format off
const StepCase kSteps[] = {
    {"CommonEraIntoNextMonth", 1, "2000-01-31", 1, CE, "2000-02-01", -1, false},
    {"CommonEraBackToLeapDay", 2, "2000-3-1", -1, CE, "2000-02-29", -1, false},
    {"JulianLeapDay1900", 1, "1900-02-28", 1, JC, "1900-02-29", -1, false},
    {"JdnRegrouped", 1, "2451545", 1, JDN, "2,451,546", -1, false},
    {"YyyydddIntoNextYear", 2, "2000366", 1, DIY, "2001001", -1, false},
    {"AnnusNovusBackToDecimusInCommonYear", 1, "10521-01-01", -1, AN, "10520-10-37", -1, false},
    {"AnnusNovusBackToIntercalarius", 1, "10544-01-01", -1, AN, "10543-11-01", -1, false},
    {"AnnusNovusForwardFromIntercalarius", 2, "10543-11-01", 1, AN, "10544-01-01", -1, false},
    {"FirstNotValid", 1, "2000-02-30", 1, CE, "2000-02-30", 1, false},
    {"FirstNotValidAnnusNovus", 1, "10520-11-01", 1, AN, "10520-11-01", 2, false},
    {"FirstOutOfRange", 1, "2100000001", 1, JDN, "2100000001", 3, false},
    {"SecondNotValid", 2, "abc", -1, JDN, "abc", 6, false},
    {"SecondNotValidAnnusNovus", 2, "10520-10-38", -1, AN, "10520-10-38", 7, false},
    {"SecondOutOfRange", 2, "-2,100,000,001", -1, JDN, "-2,100,000,001", 8, false},
    {"BeyondLargestDayNumber", 1, "2,100,000,000", 1, JDN, "2,100,000,000", 9, true},
    {"BelowSmallestDayNumber", 2, "-2,100,000,000", -1, JDN, "-2,100,000,000", 9, true},
    {"Beyond32Bits", 1, "2,100,000,000", 2147483647, JDN, "2,100,000,000", 9, true},
    {"YyyydddBeforeYearOne", 1, "0001001", -1, DIY, "0001001", 9, true},
    {"YyyydddAfterYear9999", 2, "9999365", 1, DIY, "9999365", 9, true},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(UpDown, StepDateText, ::testing::ValuesIn(kSteps),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- "Second -> First". ----

struct MoveCase {
    const char* name;
    std::string second;
    int16_t k2, k1;
    bool moved;
    std::string first;
    int message;
};

class MoveSecondToFirst : public DateWindowOpsTest,
                          public ::testing::WithParamInterface<MoveCase> {};

TEST_P(MoveSecondToFirst, MovesOrRefuses) {
    const MoveCase& c = GetParam();
    const DateWindowOps::MoveResult r =
        DateWindowOps::MoveSecondToFirst(c.second, c.k2, c.k1, kYmdDash);
    EXPECT_EQ(r.moved, c.moved);
    EXPECT_EQ(r.firstText, c.first);
    EXPECT_EQ(r.message, c.message);
}

// clang-format off
const MoveCase kMoves[] = {
    {"EmptySecondWindow", "", CE, CE, false, "", -1},
    {"JulianIntoCommonEra", "2000-01-01", JC, CE, true, "2000-01-14", -1},
    {"CommonEraIntoJdn", "2000-01-01", CE, JDN, true, "2,451,545", -1},
    {"JdnIntoAnnusNovus", "2451911", JDN, AN, true, "10520-01-01", -1},
    {"SameCalendarRewritten", "2000-1-1", CE, CE, true, "2000-01-01", -1},
    {"CommonEraIntoYyyyddd", "2000-12-31", CE, DIY, true, "2000366", -1},
    {"JdnIntoYyyydddFirstDay", "1721426", JDN, DIY, true, "0001001", -1},
    {"JdnBeforeYyyydddRange", "1721425", JDN, DIY, false, "", 9},
    {"AnnusNovusAfterYyyydddRange", "18519-01-01", AN, DIY, false, "", 9},
    {"SecondNotValid", "2000-02-30", CE, JDN, false, "", 6},
    {"SecondNotValidAnnusNovus", "10520-11-01", AN, CE, false, "", 7},
    {"SecondOutOfRange", "2100000001", JDN, CE, false, "", 8},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Calendars, MoveSecondToFirst, ::testing::ValuesIn(kMoves),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- The Today buttons. ----

struct TodayCase {
    const char* name;
    int16_t kind;
    Format format;
    std::string text;
};

class TodayDateText : public DateWindowOpsTest, public ::testing::WithParamInterface<TodayCase> {};

TEST_P(TodayDateText, WritesTodayInTheWindowsCalendar) {
    const TodayCase& c = GetParam();
    EXPECT_EQ(DateWindowOps::TodayDateText(c.kind, c.format), c.text);
}

// clang-format off
const TodayCase kTodays[] = {
    {"CommonEra", CE, kYmdDash, "2026-12-07"},
    {"CommonEraDayMonthYearSlash", CE, {DatePr2::DMY, "/", ","}, "07/12/2026"},
    {"CommonEraMonthDayYearDot", CE, {DatePr2::MDY, ".", ","}, "12.07.2026"},
    {"Julian", JC, kYmdDash, "2026-11-24"},
    {"AnnusNovus", AN, {DatePr2::MDY, "/", ","}, "10545-10-13"},
    {"JdnComma", JDN, kYmdDash, "2,461,382"},
    {"JdnDot", JDN, {DatePr2::YMD, "-", "."}, "2.461.382"},
    {"JdnNoSeparator", JDN, {DatePr2::YMD, "-", ""}, "2461382"},
    {"Yyyyddd", DIY, kYmdDash, "2026341"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Kinds, TodayDateText, ::testing::ValuesIn(kTodays),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- The two today labels. ----

struct LabelCase {
    const char* name;
    DatePr2::LocalNow now;
    int16_t kind;
    Format format;
    int16_t language;
    std::string today, week;
};

class TodayLabelTexts : public DateWindowOpsTest,
                        public ::testing::WithParamInterface<LabelCase> {};

TEST_P(TodayLabelTexts, BuildsBothLabels) {
    const LabelCase& c = GetParam();
    const DatePr2::LocalNow now = c.now;
    DatePr2::SetNow([now] { return now; });
    GEN_TEXT::currentLanguage = c.language;
    const DateWindowOps::TodayLabels labels = DateWindowOps::TodayLabelTexts(c.kind, c.format);
    EXPECT_EQ(labels.today, c.today);
    EXPECT_EQ(labels.week, c.week);
}

constexpr DatePr2::LocalNow kMonday{2026, 12, 7, 14, 5, 0};
constexpr int16_t English = GEN_TEXT::langEnglish;

// clang-format off
const LabelCase kLabels[] = {
    {"CommonEraMonthDayYear", kMonday, CE, {DatePr2::MDY, "-", ","}, English,
     "Today is Monday,\r\n12-07-2026 CE (14:05).", "A week from today is\r\n12-14-2026 CE."},
    {"Julian", kMonday, JC, kYmdDash, English, "Today is Monday,\r\n2026-11-24 JC (14:05).",
     "A week from today is\r\n2026-12-01 JC."},
    {"Jdn", kMonday, JDN, kYmdDash, English, "Today is Monday,\r\n2,461,382 JDN (14:05).",
     "A week from today is\r\n2,461,389 JDN"},
    {"Yyyyddd", kMonday, DIY, kYmdDash, English, "Today is Monday,\r\n2026341 (14:05).",
     "A week from today is\r\n2026348"},
    {"AnnusNovusFiveDayWeek", kMonday, AN, {DatePr2::MDY, "/", ","}, English,
     "Today is Primidi,\r\n10545-10-13 AN (14:05).",
     "A (5-day) week from today is\r\n10545-10-18 AN."},
    {"AnnusNovusIntercalarius", {2024, 12, 31, 9, 3, 59}, AN, kYmdDash, English,
     "Today is Intercalarius,\r\n10543-11-01 AN (09:03).",
     "A (5-day) week from today is\r\n10544-01-05 AN."},
    {"YyyydddWeekIntoNextYear", {2024, 12, 31, 0, 0, 0}, DIY, kYmdDash, English,
     "Today is Tuesday,\r\n2024366 (00:00).", "A week from today is\r\n2025007"},
    {"GermanDayMonthYearDot", kMonday, CE, {DatePr2::DMY, ".", ","}, GEN_TEXT::langGerman,
     "Heute ist Montag,\r\nder 07.12.2026 CE (14:05).",
     "Eine Woche weiter als heute ist\r\nder 14.12.2026 CE."},
    {"GermanJdnDotGroups", kMonday, JDN, {DatePr2::YMD, "-", "."}, GEN_TEXT::langGerman,
     "Heute ist Montag,\r\nder 2.461.382 JDN (14:05).",
     "Eine Woche weiter als heute ist\r\nder 2.461.389 JDN"},
    {"GermanAnnusNovus", kMonday, AN, kYmdDash, GEN_TEXT::langGerman,
     "Heute ist Primidi,\r\nder 10545-10-13 AN (14:05).",
     "Eine (5-Tage-)Woche weiter als heute ist\r\nder 10545-10-18 AN."},
    {"French", kMonday, CE, kYmdDash, GEN_TEXT::langFrench,
     "??? Lundi,\r\n2026-12-07 CE (14:05).", "???\r\n2026-12-14 CE."},
    {"Spanish", {2026, 12, 12, 23, 59, 0}, CE, {DatePr2::DMY, "/", ","}, GEN_TEXT::langSpanish,
     "Hoy es Sábado,\r\n12/12/2026 CE (23:59).", "Una semana a partir de hoy es\r\n19/12/2026 CE."},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Kinds, TodayLabelTexts, ::testing::ValuesIn(kLabels),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Clicks on the labels. ----

TEST(TodayKindCycle, NextGoesThroughEveryKindBackToCommonEra) {
    const int16_t expected[] = {JC, AN, JDN, DIY, CE};
    int16_t kind = CE;
    for (int16_t next : expected) {
        kind = DateWindowOps::NextTodayKind(kind);
        EXPECT_EQ(kind, next);
    }
}

TEST(TodayKindCycle, PreviousIsTheReverse) {
    const int16_t expected[] = {DIY, JDN, AN, JC, CE};
    int16_t kind = CE;
    for (int16_t previous : expected) {
        kind = DateWindowOps::PreviousTodayKind(kind);
        EXPECT_EQ(kind, previous);
    }
    for (int16_t k = CE; k <= DIY; ++k)
        EXPECT_EQ(DateWindowOps::PreviousTodayKind(DateWindowOps::NextTodayKind(k)), k);
}

TEST(TodayKindCycle, UnknownKindCountsAsCommonEra) {
    EXPECT_EQ(DateWindowOps::NextTodayKind(7), JC);
    EXPECT_EQ(DateWindowOps::PreviousTodayKind(-1), DIY);
}

} // namespace
