// The date-window commands without the window: a result written in a window's calendar, the
// conversion when a calendar button changes, the up-down steps, "Second -> First", the Today
// buttons and the today labels.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "app/DateWindowOps.h"
#include "app/WindowTexts.h"
#include "calendar/DatePr2.h"
#include "lang/GEN_TEXT.h"

namespace {

using DateWindowOps::Format;
using namespace WindowTexts;
using S = std::string;

constexpr int16_t CE = DatePr2::CE, JC = DatePr2::JC, JDN = DatePr2::JDN, AN = DatePr2::AN,
                  DIY = DatePr2::YYYYDDD, German = GEN_TEXT::langGerman;
const Format kYmd{DatePr2::YMD, "-", ","}, kDmyDots{DatePr2::DMY, ".", ","},
    kMdy{DatePr2::MDY, "-", ","}, kDotGroups{DatePr2::YMD, "-", "."};
// Monday 2026-12-07, JDN 2,461,382; 10545-10-13 AN, a Primidi.
constexpr DatePr2::LocalNow kMonday{2026, 12, 7, 14, 5, 0}, kFar{12345, 6, 7};

// Each routine's result as one text; "refused" where it leaves the text untouched.
S Result(int32_t jdn, int16_t kind, const Format& f = kYmd) {
    DateRecord rec{0, 0, 0, 0, jdn, 0};
    S text = "refused";
    return DateWindowOps::ResultDateText(rec, kind, f, text) == (text != "refused") ? text : "?";
}
S Convert(const char* source, int16_t from, int16_t to, const Format& f = kYmd) {
    S text = "refused";
    return DateWindowOps::ConvertDateText(source, from, to, f, text) == (text != "refused") ? text
                                                                                            : "?";
}
// "text|message", and "|line" when the out-of-range line is to be appended.
S Step(int which, const char* text, int32_t days, int16_t kind) {
    const auto r = DateWindowOps::StepDateText(which, text, days, kind, kYmd);
    return r.text + "|" + std::to_string(r.message) + (r.outOfRange ? "|line" : "");
}
// The first window's new text, or "kept", and the message.
S Move(const char* second, int16_t k2, int16_t k1) {
    const auto r = DateWindowOps::MoveSecondToFirst(second, k2, k1, kYmd);
    return (r.moved ? r.firstText : "kept" + r.firstText) + "|" + std::to_string(r.message);
}
S Today(int32_t days, int16_t kind, const Format& f, DatePr2::LocalNow now = kMonday) {
    return DateWindowOps::DateTextFromToday(days, kind, f, now);
}
S Labels(DatePr2::LocalNow now, int16_t kind, const Format& f, int16_t language = 0) {
    DatePr2::SetNow([now] { return now; });
    GEN_TEXT::currentLanguage = language;
    const auto labels = DateWindowOps::TodayLabelTexts(kind, f);
    return labels.today + " / " + labels.week;
}
S M(ComputeMessage message) {
    return "|" + std::to_string(message);
}

TEST(DateWindowOps, Routines) {
    GEN_TEXT::InitMessages();
    DatePr2::InitializeGlobals();
    // clang-format off
    const std::pair<S, S> rows[] = {
        // ResultDateText: a result JDN in the receiving window's calendar.
        {Result(2451545, JDN), "2,451,545"}, {Result(1721425, DIY), "refused"}, {Result(1721426, DIY), "0001001"},
        {Result(5373484, DIY), "9999365"}, {Result(5373485, DIY), "refused"},
        {Result(2451545, CE, kDmyDots), "01.01.2000"}, {Result(2451911, AN), "10520-01-01"},
        // ConvertDateText: a typed date re-expressed when its calendar button changes.
        {Convert("2000-01-01", CE, JC), "1999-12-19"}, {Convert("1999-12-31", JC, DIY), "2000013"},
        {Convert("01-01-10520", AN, CE, kDmyDots), "01.01.2001"}, {Convert("", CE, JC), "refused"},
        {Convert("2000-01-01", CE, CE), "refused"}, {Convert("2000-02-30", CE, JDN), "refused"},
        {Convert("2100000001", JDN, CE), "refused"}, {Convert("0000-12-31", CE, DIY), "refused"},
        // StepDateText: the up-down controls of the first (1) and the second (2) date window.
        {Step(2, "2000-3-1", -1, CE), "2000-02-29" + M(noMessage)}, {Step(1, "1900-02-28", 1, JC), "1900-02-29" + M(noMessage)},
        {Step(1, "2451545", 1, JDN), "2,451,546" + M(noMessage)}, {Step(2, "2000366", 1, DIY), "2001001" + M(noMessage)},
        {Step(1, "10521-01-01", -1, AN), "10520-10-37" + M(noMessage)}, {Step(1, "10544-01-01", -1, AN), "10543-11-01" + M(noMessage)},
        {Step(1, "2000-02-30", 1, CE), "2000-02-30" + M(msgFirstDateInvalid)},
        {Step(1, "10520-11-01", 1, AN), "10520-11-01" + M(msgFirstDateInvalidAnnusNovus)},
        {Step(1, "2100000001", 1, JDN), "2100000001" + M(msgFirstDateOutOfRange)},
        {Step(2, "10520-10-38", -1, AN), "10520-10-38" + M(msgSecondDateInvalidAnnusNovus)},
        {Step(1, "2100000000", 1, JDN), "2100000000" + M(msgResultOutOfRange) + "|line"},
        {Step(1, "2100000000", INT32_MAX, JDN), "2100000000" + M(msgResultOutOfRange) + "|line"},
        {Step(2, "9999365", 1, DIY), "9999365" + M(msgResultOutOfRange) + "|line"},
        // MoveSecondToFirst: "Second -> First"; a yyyyddd first window takes the yyyyddd form.
        {Move("", CE, CE), "kept" + M(noMessage)}, {Move("2000-01-01", JC, CE), "2000-01-14" + M(noMessage)},
        {Move("2000-12-31", CE, DIY), "2000366" + M(noMessage)}, {Move("1721425", JDN, DIY), "kept" + M(msgResultOutOfRange)},
        {Move("18519-01-01", AN, DIY), "kept" + M(msgResultOutOfRange)}, {Move("2000-02-30", CE, JDN), "kept" + M(msgSecondDateInvalid)},
        {Move("10520-11-01", AN, CE), "kept" + M(msgSecondDateInvalidAnnusNovus)},
        {Move("2100000001", JDN, CE), "kept" + M(msgSecondDateOutOfRange)},
        // DateTextFromToday: the Today buttons (0 days) and the today labels.
        {Today(0, CE, kDmyDots), "07.12.2026"}, {Today(0, AN, kMdy), "10545-10-13"}, {Today(0, JDN, kDotGroups), "2.461.382"},
        {Today(0, DIY, kYmd), "2026341"}, {Today(7, JC, kDmyDots), "01.12.2026"}, {Today(-32768, CE, kYmd), "1937-03-21"},
        {Today(0, CE, kYmd, kFar), "12,345-06-07"}, {Today(0, CE, {DatePr2::DMY, ".", "."}, kFar), "07.06.12345"},
        {Today(0, DIY, kYmd, kFar), "12345158"},
        // TodayLabelTexts: the 5-day week of Annus Novus; yyyyddd without a code or a stop.
        {Labels(kMonday, CE, kMdy), "Today is Monday,\r\n12-07-2026 CE (14:05). / A week from today is\r\n12-14-2026 CE."},
        {Labels(kMonday, JDN, kYmd), "Today is Monday,\r\n2,461,382 JDN (14:05). / A week from today is\r\n2,461,389 JDN"},
        {Labels({2024, 12, 31, 0, 0, 0}, DIY, kYmd), "Today is Tuesday,\r\n2024366 (00:00). / A week from today is\r\n2025007"},
        {Labels({2024, 12, 31, 9, 3, 59}, AN, kYmd), "Today is Intercalarius,\r\n10543-11-01 AN (09:03). / A (5-day) week from today is\r\n10544-01-05 AN."},
        {Labels(kMonday, CE, kDmyDots, German), "Heute ist Montag,\r\nder 07.12.2026 CE (14:05). / Eine Woche weiter als heute ist\r\nder 14.12.2026 CE."}};
    // clang-format on
    for (const auto& [got, want] : rows)
        EXPECT_EQ(got, want);
    DatePr2::SetNow({});
    GEN_TEXT::currentLanguage = GEN_TEXT::langEnglish;
    // The today labels' calendars go round the five kinds; an unknown kind counts as CE.
    const int16_t cycle[] = {CE, JC, AN, JDN, DIY};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(DateWindowOps::NextTodayKind(cycle[i]), cycle[(i + 1) % 5]);
        EXPECT_EQ(DateWindowOps::PreviousTodayKind(cycle[(i + 1) % 5]), cycle[i]);
    }
    EXPECT_EQ(DateWindowOps::NextTodayKind(7) * 10 + DateWindowOps::PreviousTodayKind(-1),
              JC * 10 + DIY);
}

} // namespace
