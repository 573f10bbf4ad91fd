#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

#include "app/DateWindowOps.h"
#include "app/WindowTexts.h"
#include "calendar/DatePr2.h"
#include "lang/GEN_TEXT.h"

namespace {

using DateWindowOps::Format;
using namespace WindowTexts;

constexpr int16_t CE = DatePr2::CE, JC = DatePr2::JC, JDN = DatePr2::JDN, AN = DatePr2::AN,
                  DIY = DatePr2::YYYYDDD;
constexpr int16_t English = GEN_TEXT::langEnglish, German = GEN_TEXT::langGerman;

const Format kYmd{DatePr2::YMD, "-", ","};
const Format kDmyDots{DatePr2::DMY, ".", ","};
const Format kMdy{DatePr2::MDY, "-", ","};
const Format kPlain{DatePr2::YMD, "-", ""};
const Format kDotGroups{DatePr2::YMD, "-", "."};

// Monday 2026-12-07, JDN 2,461,382; 10545-10-13 AN, a Primidi.
constexpr DatePr2::LocalNow kMonday{2026, 12, 7, 14, 5, 0};

// Each routine's result as one text.

// A JDN written into a window of the kind; "refused" leaves the text untouched.
std::string Result(int32_t jdn, int16_t kind, const Format& f = kYmd) {
    DateRecord rec{};
    rec.jdn = jdn;
    std::string text = "refused";
    const bool written = DateWindowOps::ResultDateText(rec, kind, f, text);
    EXPECT_EQ(rec.jdn, jdn);
    EXPECT_EQ(written, text != "refused");
    return text;
}

std::string Convert(const char* source, int16_t from, int16_t to, const Format& f = kYmd) {
    std::string converted = "refused";
    const bool ok = DateWindowOps::ConvertDateText(source, from, to, f, converted);
    EXPECT_EQ(ok, converted != "refused");
    return converted;
}

// "text|message", and "|line" when the out-of-range line is to be appended.
std::string Step(int which, const char* text, int32_t days, int16_t kind) {
    const auto r = DateWindowOps::StepDateText(which, text, days, kind, kYmd);
    return r.text + "|" + std::to_string(r.message) + (r.outOfRange ? "|line" : "");
}

std::string M(WindowTexts::ComputeMessage message) {
    return std::to_string(message);
}

// The first window's new text, or "kept", and the message.
std::string Move(const char* second, int16_t k2, int16_t k1) {
    const auto r = DateWindowOps::MoveSecondToFirst(second, k2, k1, kYmd);
    EXPECT_TRUE(r.moved || r.firstText.empty());
    return (r.moved ? r.firstText : "kept") + "|" + std::to_string(r.message);
}

std::string FromToday(int32_t days, int16_t kind, const Format& f,
                      DatePr2::LocalNow now = kMonday) {
    return DateWindowOps::DateTextFromToday(days, kind, f, now);
}

std::string Labels(DatePr2::LocalNow now, int16_t kind, const Format& f, int16_t language) {
    DatePr2::SetNow([now] { return now; });
    GEN_TEXT::currentLanguage = language;
    const auto labels = DateWindowOps::TodayLabelTexts(kind, f);
    return labels.today + " / " + labels.week;
}

struct Case {
    const char* name;
    std::function<std::string()> call;
    std::string expected;
};

class DateWindowOpsTest : public ::testing::TestWithParam<Case> {
  protected:
    void SetUp() override {
        GEN_TEXT::InitMessages();
        DatePr2::InitializeGlobals();
        WindowTexts::LoadComputeErrorTexts();
        DatePr2::SetNow([] { return kMonday; });
    }
    void TearDown() override {
        DatePr2::SetNow({});
        GEN_TEXT::currentLanguage = English;
    }
};

TEST_P(DateWindowOpsTest, Gives) {
    EXPECT_EQ(GetParam().call(), GetParam().expected);
}

// clang-format off
const Case kCases[] = {
    // ResultDateText: a result JDN in the receiving window's calendar.
    {"ResultJdnGrouped", [] { return Result(2451545, JDN); }, "2,451,545"},
    {"ResultYyyydddBeforeFirstDay", [] { return Result(1721425, DIY); }, "refused"},
    {"ResultYyyydddFirstDay", [] { return Result(1721426, DIY); }, "0001001"},
    {"ResultYyyydddLastDay", [] { return Result(5373484, DIY); }, "9999365"},
    {"ResultYyyydddAfterLastDay", [] { return Result(5373485, DIY); }, "refused"},
    {"ResultCommonEraInTheOrder", [] { return Result(2451545, CE, kDmyDots); }, "01.01.2000"},
    {"ResultJulian", [] { return Result(2451545, JC); }, "1999-12-19"},
    {"ResultAnnusNovus", [] { return Result(2451911, AN); }, "10520-01-01"},
    // ConvertDateText: a typed date re-expressed when its calendar button changes.
    {"ConvertCommonEraToJulian", [] { return Convert("2000-01-01", CE, JC); }, "1999-12-19"},
    {"ConvertJulianToYyyyddd", [] { return Convert("1999-12-31", JC, DIY); }, "2000013"},
    {"ConvertInTheOrder", [] { return Convert("01-01-10520", AN, CE, kDmyDots); }, "01.01.2001"},
    {"ConvertEmpty", [] { return Convert("", CE, JC); }, "refused"},
    {"ConvertSameKind", [] { return Convert("2000-01-01", CE, CE); }, "refused"},
    {"ConvertNotADate", [] { return Convert("2000-02-30", CE, JDN); }, "refused"},
    {"ConvertOutOfRange", [] { return Convert("2100000001", JDN, CE); }, "refused"},
    {"ConvertNoYyyydddForm", [] { return Convert("0000-12-31", CE, DIY); }, "refused"},
    // StepDateText: the up-down controls of the first (1) and the second (2) date window.
    {"StepBackToLeapDay", [] { return Step(2, "2000-3-1", -1, CE); }, "2000-02-29|" + M(noMessage)},
    {"StepJulianLeapDay", [] { return Step(1, "1900-02-28", 1, JC); }, "1900-02-29|" + M(noMessage)},
    {"StepJdnRegrouped", [] { return Step(1, "2451545", 1, JDN); }, "2,451,546|" + M(noMessage)},
    {"StepYyyydddNextYear", [] { return Step(2, "2000366", 1, DIY); }, "2001001|" + M(noMessage)},
    {"StepANBackToDecimus", [] { return Step(1, "10521-01-01", -1, AN); }, "10520-10-37|" + M(noMessage)},
    {"StepANBackToIntercalarius", [] { return Step(1, "10544-01-01", -1, AN); }, "10543-11-01|" + M(noMessage)},
    {"StepFirstNotValid", [] { return Step(1, "2000-02-30", 1, CE); }, "2000-02-30|" + M(msgFirstDateInvalid)},
    {"StepFirstNotValidAN", [] { return Step(1, "10520-11-01", 1, AN); }, "10520-11-01|" + M(msgFirstDateInvalidAnnusNovus)},
    {"StepFirstOutOfRange", [] { return Step(1, "2100000001", 1, JDN); }, "2100000001|" + M(msgFirstDateOutOfRange)},
    {"StepSecondNotValidAN", [] { return Step(2, "10520-10-38", -1, AN); }, "10520-10-38|" + M(msgSecondDateInvalidAnnusNovus)},
    {"StepBeyondDayNumbers", [] { return Step(1, "2100000000", 1, JDN); }, "2100000000|" + M(msgResultOutOfRange) + "|line"},
    {"StepBeyond32Bits", [] { return Step(1, "2100000000", INT32_MAX, JDN); }, "2100000000|" + M(msgResultOutOfRange) + "|line"},
    {"StepYyyydddAfter9999", [] { return Step(2, "9999365", 1, DIY); }, "9999365|" + M(msgResultOutOfRange) + "|line"},
    // MoveSecondToFirst: "Second -> First"; a yyyyddd first window takes the yyyyddd form.
    {"MoveEmptySecond", [] { return Move("", CE, CE); }, "kept|" + M(noMessage)},
    {"MoveJulianIntoCommonEra", [] { return Move("2000-01-01", JC, CE); }, "2000-01-14|" + M(noMessage)},
    {"MoveIntoYyyyddd", [] { return Move("2000-12-31", CE, DIY); }, "2000366|" + M(noMessage)},
    {"MoveBeforeYyyydddRange", [] { return Move("1721425", JDN, DIY); }, "kept|" + M(msgResultOutOfRange)},
    {"MoveAfterYyyydddRange", [] { return Move("18519-01-01", AN, DIY); }, "kept|" + M(msgResultOutOfRange)},
    {"MoveSecondNotValid", [] { return Move("2000-02-30", CE, JDN); }, "kept|" + M(msgSecondDateInvalid)},
    {"MoveSecondNotValidAN", [] { return Move("10520-11-01", AN, CE); }, "kept|" + M(msgSecondDateInvalidAnnusNovus)},
    {"MoveSecondOutOfRange", [] { return Move("2100000001", JDN, CE); }, "kept|" + M(msgSecondDateOutOfRange)},
    // DateTextFromToday: the Today buttons (0 days) and the today labels.
    {"TodayCommonEra", [] { return FromToday(0, CE, kDmyDots); }, "07.12.2026"},
    {"TodayAnnusNovus", [] { return FromToday(0, AN, kMdy); }, "10545-10-13"},
    {"TodayJdnDots", [] { return FromToday(0, JDN, kDotGroups); }, "2.461.382"},
    {"TodayYyyyddd", [] { return FromToday(0, DIY, kYmd); }, "2026341"},
    {"WeekAheadJulian", [] { return FromToday(7, JC, kDmyDots); }, "01.12.2026"},
    {"FarBackCommonEra", [] { return FromToday(-32768, CE, kYmd); }, "1937-03-21"},
    {"YearGroupedWhenDropped", [] { return FromToday(0, CE, kYmd, {12345, 6, 7}); }, "12,345-06-07"},
    {"YearNotGroupedWithSeparator", [] { return FromToday(0, CE, {DatePr2::DMY, ".", "."}, {12345, 6, 7}); },
     "07.06.12345"},
    {"YyyydddBeyondItsRange", [] { return FromToday(0, DIY, kYmd, {12345, 6, 7}); }, "12345158"},
    // TodayLabelTexts: "today label / week label".
    {"LabelsCommonEra", [] { return Labels(kMonday, CE, kMdy, English); },
     "Today is Monday,\r\n12-07-2026 CE (14:05). / A week from today is\r\n12-14-2026 CE."},
    {"LabelsJdn", [] { return Labels(kMonday, JDN, kYmd, English); },
     "Today is Monday,\r\n2,461,382 JDN (14:05). / A week from today is\r\n2,461,389 JDN"},
    {"LabelsYyyydddNextYear", [] { return Labels({2024, 12, 31, 0, 0, 0}, DIY, kYmd, English); },
     "Today is Tuesday,\r\n2024366 (00:00). / A week from today is\r\n2025007"},
    {"LabelsAnnusNovusFiveDays", [] { return Labels(kMonday, AN, kYmd, English); },
     "Today is Primidi,\r\n10545-10-13 AN (14:05). / "
     "A (5-day) week from today is\r\n10545-10-18 AN."},
    {"LabelsIntercalarius", [] { return Labels({2024, 12, 31, 9, 3, 59}, AN, kYmd, English); },
     "Today is Intercalarius,\r\n10543-11-01 AN (09:03). / "
     "A (5-day) week from today is\r\n10544-01-05 AN."},
    {"LabelsGerman", [] { return Labels(kMonday, CE, kDmyDots, German); },
     "Heute ist Montag,\r\nder 07.12.2026 CE (14:05). / "
     "Eine Woche weiter als heute ist\r\nder 14.12.2026 CE."},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Routines, DateWindowOpsTest, ::testing::ValuesIn(kCases),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(TodayKindCycle, NextAndPreviousGoRoundTheFiveKinds) {
    const int16_t cycle[] = {CE, JC, AN, JDN, DIY};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(DateWindowOps::NextTodayKind(cycle[i]), cycle[(i + 1) % 5]);
        EXPECT_EQ(DateWindowOps::PreviousTodayKind(cycle[(i + 1) % 5]), cycle[i]);
    }
    // An unknown kind counts as CE.
    EXPECT_EQ(DateWindowOps::NextTodayKind(7), JC);
    EXPECT_EQ(DateWindowOps::PreviousTodayKind(-1), DIY);
}

} // namespace
