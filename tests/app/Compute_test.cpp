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
    Compute::Output out; // kept from row to row, as a batch keeps it
    for (const Row& r : Table("compute.txt")) {
        ASSERT_EQ(r.field.size(), 14U) << "line " << r.line;
        const DateWindowOps::Format f = FormatWord(r[6]);
        const Compute::Input in{r[1],           r[3],    r[2],        KindWord(r[4]),
                                KindWord(r[5]), f.order, f.separator, f.thousands};
        Compute::Run(
            in,
            [] {
                ADD_FAILURE() << "unexpected question";
                return Answer::No;
            },
            out);
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

// The facts beside the line, each date's day number and weekday, the count and the breakdown,
// from the last run only: a run into a kept Output leaves nothing of an earlier one behind.
TEST_F(ComputeTest, FactsOfTheLastRunOnly) {
    Compute::Output out;
    const auto facts = [&out] {
        std::string text;
        for (const auto& date : {out.first, out.second})
            text += date ? date->text + " " + std::to_string(date->jdn) + " " + date->weekday + "|"
                         : "-|";
        const auto& b = out.breakdown;
        return text + (out.days ? std::to_string(*out.days) : "-") + "|" +
               (b ? std::to_string(b->years) + " " + std::to_string(b->months) + " " +
                        std::to_string(b->days)
                  : "-");
    };
    Compute::Run({"2000-01-01", "2001-03-15", ""}, {}, out);
    EXPECT_EQ(facts(), "2000-01-01 2451545 Saturday|2001-03-15 2451984 Thursday|439|1 2 14");
    Compute::Run({"2000-01-01", "", "5"}, {}, out);
    EXPECT_EQ(facts(), "2000-01-01 2451545 Saturday|2000-01-06 2451550 Thursday|5|-");
    Compute::Run({"2000-02-30", "", ""}, {}, out);
    EXPECT_EQ(facts(), "-|-|-|-");
    Compute::Run({"2000-01-01", "", ""}, {}, out);
    EXPECT_EQ(facts(), "2000-01-01 2451545 Saturday|-|-|-");
}

} // namespace
