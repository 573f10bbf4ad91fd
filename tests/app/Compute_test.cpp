// Compute's decision table (tests/data/compute.txt) and the question beside two dates and a
// difference.
#include <gtest/gtest.h>

#include <string>

#include "app/Compute.h"
#include "support/CoreTest.h"

namespace {

using Compute::Caret;
using MessageBoxes::Answer;

class ComputeTest : public CoreTest {};

std::string CaretWord(Caret caret) {
    return caret == Caret::EndMinusOne ? "end-1" : caret == Caret::End ? "end" : "-";
}

TEST_F(ComputeTest, Table) {
    for (const Row& r : Table("compute.txt")) {
        ASSERT_EQ(r.field.size(), 14U) << "line " << r.line;
        const DateWindowOps::Format f = FormatWord(r[6]);
        const Compute::Input in{r[1],           r[3],    r[2],        KindWord(r[4]),
                                KindWord(r[5]), f.order, f.separator, f.thousands};
        const Compute::Output out = Compute::Run(in, [] {
            ADD_FAILURE() << "unexpected question";
            return Answer::No;
        });
        const std::string got = out.appended + "|" + out.firstDate + "|" + out.dateDiff + "|" +
                                out.secondDate + "|" + CaretWord(out.caret) + "|" +
                                out.dayWord.value_or("-");
        const std::string line = r[7].empty() ? "" : r[7] + "\r\n";
        EXPECT_EQ(got, line + "|" + r[8] + "|" + r[9] + "|" + r[10] + "|" + r[12] + "|" + r[13])
            << r[0];
        EXPECT_EQ(out.message, MessageWord(r[11])) << r[0];
    }
}

// Both dates and a difference: only Yes clears it; a lone "0" is cleared unasked.
TEST_F(ComputeTest, OnlyYesClearsTheDifference) {
    for (const Row& r : Table("compute_question.txt")) {
        int asked = 0;
        const Answer answer = r[1] == "yes" ? Answer::Yes : Answer::No;
        const Compute::Output out =
            Compute::Run({" 2000-01-01", "2000-01-05 ", r[0]}, [&] { return ++asked, answer; });
        EXPECT_EQ(std::to_string(asked) + "|" + out.appended + "|" + out.dateDiff,
                  r[2] + "|" + r[3] + "|" + r[4])
            << "line " << r.line;
    }
    // No one to ask: the run ends with the windows trimmed.
    const Compute::Output out = Compute::Run({"2000-01-01 ", "2000-01-02", " 5"}, {});
    EXPECT_EQ(out.appended + "|" + out.firstDate + "|" + out.dateDiff, "|2000-01-01|5");
}

// The facts beside the line: each date with its day number and weekday, the count and the
// breakdown as numbers.
TEST_F(ComputeTest, Facts) {
    using DatePr2::Kind;
    const Compute::Output diff =
        Compute::Run({"2000-01-01", "2001-03-02", "", Kind::CE, Kind::JC}, {});
    ASSERT_TRUE(diff.first && diff.second && diff.days);
    EXPECT_EQ(diff.first->text + "|" + std::to_string(diff.first->jdn) + "|" + diff.first->weekday +
                  "|" + diff.second->text + "|" + std::to_string(diff.second->jdn) + "|" +
                  diff.second->weekday + "|" + std::to_string(*diff.days),
              "2000-01-01|2451545|Saturday|2001-03-02|2451984|Thursday|439");
    EXPECT_FALSE(diff.breakdown);
    const Compute::Output same = Compute::Run({"2000-01-01", "2001-03-15", ""}, {});
    ASSERT_TRUE(same.breakdown);
    EXPECT_EQ(std::to_string(same.breakdown->years) + std::to_string(same.breakdown->months) +
                  std::to_string(same.breakdown->days),
              "1214");
    const Compute::Output convert = Compute::Run({"2000-01-01", "", ""}, {});
    EXPECT_TRUE(convert.first && !convert.second && !convert.days);
}

// A run into the Output of an earlier one leaves nothing of it behind: a refusal after a
// difference has no facts, no line and no day word; a later conversion no count.
TEST_F(ComputeTest, KeptOutputStartsAfresh) {
    Compute::Output out;
    Compute::Run({"2000-01-01", "2001-03-15", ""}, {}, out);
    ASSERT_TRUE(out.breakdown && out.days && out.dayWord);
    Compute::Run({"2000-02-30", "", ""}, {}, out);
    EXPECT_TRUE(!out.first && !out.second && !out.days && !out.breakdown && !out.dayWord);
    EXPECT_EQ(out.appended, "");
    EXPECT_EQ(out.caret, Caret::Untouched);
    Compute::Run({"2000-01-01", "", ""}, {}, out);
    ASSERT_TRUE(out.first && !out.second && !out.days && !out.breakdown);
    EXPECT_EQ(out.appended, "2000-01-01 CE, Saturday\r\n");
}

} // namespace
