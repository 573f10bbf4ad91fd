// The date-window commands without the window (tests/data/date_window_ops.txt): a result
// written in a window's calendar, the conversion when a calendar button changes, the up-down
// steps, "Second -> First", the Today buttons and the today labels.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "app/DateWindowOps.h"
#include "support/CoreTest.h"

namespace {

using namespace DateWindowOps;

DatePr2::LocalNow NowWord(const std::string& words) {
    DatePr2::LocalNow now{2026, 12, 7, 14, 5, 0};
    if (!words.empty())
        std::istringstream(words) >> now.year >> now.month >> now.day >> now.hour >> now.minute;
    return now;
}

// What the row's routine gives, written as the row's last fields are.
std::string Answer(const Row& r) {
    const std::string& op = r[0];
    if (op == "result") {
        DateRecord rec{0, 0, 0, 0, std::stoi(r[1]), 0};
        std::string text = "refused";
        ResultDateText(rec, KindWord(r[2]), FormatWord(r[3]), text);
        return text;
    }
    if (op == "convert") {
        std::string text = "refused";
        ConvertDateText(r[1], KindWord(r[2]), KindWord(r[3]), FormatWord(r[4]), text);
        return text;
    }
    if (op == "step") {
        const auto s = StepDateText(r[1] == "1" ? Side::First : Side::Second, r[2], std::stoi(r[3]),
                                    KindWord(r[4]), FormatWord(""));
        return s.text + "|" + MessageName(s.message) + "|" + (s.outOfRange ? "yes" : "no");
    }
    if (op == "move") {
        const auto m = MoveSecondToFirst(r[1], KindWord(r[2]), KindWord(r[3]), FormatWord(""));
        return (m.moved ? m.firstText : "kept" + m.firstText) + "|" + MessageName(m.message);
    }
    if (op == "today")
        return DateTextFromToday(std::stoi(r[1]), KindWord(r[2]), FormatWord(r[3]), NowWord(r[4]));
    if (op == "labels") {
        const auto now = NowWord(r[3]);
        DatePr2::SetNow([now] { return now; });
        const auto labels = TodayLabelTexts(KindWord(r[1]), FormatWord(r[2]));
        return labels.today + " / " + labels.week;
    }
    const DatePr2::Kind kind = KindWord(r[1]);
    return std::string(DatePr2::FactsOf(NextTodayKind(kind)).name) + "|" +
           std::string(DatePr2::FactsOf(PreviousTodayKind(kind)).name);
}

class DateWindowOpsTest : public CoreTest {};

TEST_F(DateWindowOpsTest, Table) {
    for (const Row& r : Table("date_window_ops.txt")) {
        const std::size_t results = r[0] == "step" ? 3 : r[0] == "move" || r[0] == "cycle" ? 2 : 1;
        std::string want;
        for (std::size_t i = r.field.size() - results; i < r.field.size(); ++i)
            want += (i > r.field.size() - results ? "|" : "") + r[i];
        EXPECT_EQ(Answer(r), want) << "line " << r.line;
        GEN_TEXT::currentLanguage = GEN_TEXT::langEnglish;
    }
}

} // namespace
