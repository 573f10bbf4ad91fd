// The strict reader against the hand-written table tests/data/strict_read.tsv.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "calendar/DatePr2.h"
#include "text/StrictRead.h"

namespace {

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t at = 0;
    for (std::size_t tab; (tab = line.find('\t', at)) != std::string::npos; at = tab + 1)
        fields.push_back(line.substr(at, tab - at));
    fields.push_back(line.substr(at));
    return fields;
}

// The answer as the table writes it.
std::string Answer(const StrictRead::Field& f) {
    using StrictRead::Refusal;
    switch (f.refusal) {
    case Refusal::None:
        return f.fromClock
                   ? (f.clockOffset < 0 ? "clock" : "clock+") + std::to_string(f.clockOffset)
                   : std::to_string(f.value);
    case Refusal::Shape:
        return "shape";
    case Refusal::NoSuchMonth:
        return "month " + std::to_string(f.limit);
    case Refusal::NoSuchDay:
        return "day " + std::to_string(f.limit);
    case Refusal::NoSuchYear:
        return "year";
    case Refusal::OutOfRange:
        return "range";
    }
    return "?";
}

TEST(StrictRead, Table) {
    std::ifstream file(ORV_TEST_DATA_DIR "/strict_read.tsv");
    ASSERT_TRUE(file) << "no table";
    const std::vector<std::string> kinds{"ce", "jc", "jdn", "an", "yyyyddd"};
    const std::vector<std::string> orders{"mdy", "dmy", "ymd"};
    std::string line;
    int rows = 0;
    for (int number = 1; std::getline(file, line); ++number) {
        if (line.empty() || line[0] == '#') continue;
        const std::vector<std::string> c = SplitTabs(line);
        ASSERT_EQ(c.size(), 6U) << "line " << number;
        StrictRead::Notation n;
        n.order =
            static_cast<int16_t>(std::find(orders.begin(), orders.end(), c[1]) - orders.begin());
        n.separator = c[2][0];
        n.thousands = c[3] == "none" ? '\0' : c[3][0];
        StrictRead::Field got;
        if (c[0] == "count") {
            got = StrictRead::ReadWholeNumber(c[4], n.thousands);
        } else {
            n.kind =
                static_cast<int16_t>(std::find(kinds.begin(), kinds.end(), c[0]) - kinds.begin());
            got = StrictRead::ReadDate(c[4], n);
        }
        EXPECT_EQ(Answer(got), c[5]) << "line " << number << ": " << c[4];
        ++rows;
    }
    EXPECT_GT(rows, 0);
}

} // namespace
