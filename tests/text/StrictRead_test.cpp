// The strict reader against the hand-written table tests/data/strict_read.txt.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "calendar/Kinds.h"
#include "support/Table.h"
#include "text/StrictRead.h"

namespace {

// The answer as the table writes it: the refusals in their order, with the limit where one
// is named.
std::string Answer(const StrictRead::Field& f) {
    using StrictRead::Refusal;
    const std::array<std::string, 7> words{"", "shape", "month", "day", "year", "place", "range"};
    const std::string& word = words.at(static_cast<std::size_t>(f.refusal));
    if (f.refusal == Refusal::None && f.fromClock)
        return (f.clockOffset < 0 ? "clock" : "clock+") + std::to_string(f.clockOffset);
    if (f.refusal == Refusal::None) return std::to_string(f.value);
    const bool limited = f.refusal == Refusal::NoSuchMonth || f.refusal == Refusal::NoSuchDay ||
                         f.refusal == Refusal::NoSuchPlace;
    return limited ? word + " " + std::to_string(f.limit) : word;
}

TEST(StrictRead, Table) {
    const std::vector<std::string> orders{"mdy", "dmy", "ymd"};
    for (const Row& row : Table("strict_read.txt")) {
        ASSERT_EQ(row.field.size(), 6U) << "line " << row.line;
        StrictRead::Notation n;
        n.order = static_cast<DatePr2::DateOrder>(std::find(orders.begin(), orders.end(), row[1]) -
                                                  orders.begin());
        n.separator = row[2][0];
        n.thousands = row[3] == "none" ? '\0' : row[3][0];
        StrictRead::Field got;
        if (row[0] == "count") {
            got = StrictRead::ReadWholeNumber(row[4], n.thousands);
        } else {
            n.kind = DatePr2::KindOfName(row[0]).value();
            got = StrictRead::ReadDate(row[4], n);
        }
        EXPECT_EQ(Answer(got), row[5]) << "line " << row.line << ": " << row[4];
    }
}

} // namespace
