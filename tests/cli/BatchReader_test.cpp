#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/BatchReader.h"
#include "cli/Json.h"
#include "support/Table.h"

namespace {

using Cli::BatchReader;

// Every line the reader returns, "#" for one too long, read in pieces of `chunk` bytes.
std::vector<std::string> Lines(const std::string& input, std::size_t chunk, std::size_t limit,
                               std::size_t* reads = nullptr) {
    std::size_t at = 0;
    BatchReader reader(
        [&](char* buffer, std::size_t size) {
            if (reads) ++*reads;
            const std::size_t n = std::min({size, input.size() - at, chunk});
            input.copy(buffer, n, at);
            at += n;
            return n;
        },
        limit, 16);
    std::vector<std::string> lines;
    std::string_view line;
    for (BatchReader::Status s; (s = reader.Next(line)) != BatchReader::Status::End;) {
        lines.emplace_back(s == BatchReader::Status::TooLong ? "#" : std::string(line));
        EXPECT_EQ(reader.LineNumber(), lines.size());
    }
    return lines;
}

using V = std::vector<std::string>;

TEST(BatchReader, LinesAcrossReadsOfAnySize) {
    const std::string input = "a\nbb\r\n\r\n\nccc\rd\n" + std::string(8, 'e') + "\nlast";
    const V expected{"a", "bb", "", "", "ccc\rd", std::string(8, 'e'), "last"};
    for (const std::size_t chunk : {1u, 2u, 3u, 7u, 64u})
        EXPECT_EQ(Lines(input, chunk, 8), expected) << "chunk " << chunk;
}

TEST(BatchReader, LongLinesAreSkippedWholeAndNumbered) {
    // The limit counts the bytes without LF and CR: 8 fit, 9 do not, wherever the reads end.
    const std::string input = std::string(8, 'x') + "\r\n" + std::string(9, 'y') + "\n" +
                              std::string(1000, 'z') + "\r\nok\n" + std::string(100, 'w');
    for (const std::size_t chunk : {1u, 5u, 16u})
        EXPECT_EQ(Lines(input, chunk, 8), (V{std::string(8, 'x'), "#", "#", "ok", "#"}));
}

// NUL bytes stay in the line; the end of the input is asked for once.
TEST(BatchReader, NulBytesAndTheEnd) {
    EXPECT_EQ(Lines(std::string("a\0b\n", 4), 2, 8), (V{std::string("a\0b", 3)}));
    EXPECT_EQ(Lines("", 1, 8), V{});
    std::size_t reads = 0;
    Lines("a\nb", 100, 8, &reads);
    EXPECT_EQ(reads, 2u); // the data, then the end
}

TEST(JsonString, Escapes) {
    for (const Row& r : Table("json_string.txt")) {
        std::string out;
        Json::AppendString(out, r[0]);
        EXPECT_EQ(out, r[1]) << "line " << r.line;
    }
}

} // namespace
