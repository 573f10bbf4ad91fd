// orv's batch reader against a plain split of the same bytes on LF, read in pieces whose sizes
// and the line limit come from the first two bytes; every line then goes through a case with
// JSON output, as orv --json would run it.
#include "cli/BatchReader.h"
#include "cli/OrvCommand.h"
#include "lang/GEN_TEXT.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool initialised = [] {
        GEN_TEXT::InitMessages();
        return true;
    }();
    (void)initialised;
    if (size < 2) {
        return 0;
    }
    const std::size_t chunk = data[0] % 17 + 1;
    const std::size_t limit = data[1] % 64 + 1;
    const std::string_view input(reinterpret_cast<const char*>(data) + 2, size - 2);

    // The oracle: every LF ends a line, a last line without LF counts, one CR before the end
    // goes, and a line longer than the limit is "too long" ("\n" never occurs in a line).
    std::vector<std::string> expected;
    for (std::size_t at = 0; at < input.size();) {
        const std::size_t lf = std::min(input.find('\n', at), input.size());
        std::string line(input.substr(at, lf - at));
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        expected.push_back(line.size() > limit ? "\n" : line);
        at = lf + 1;
    }

    std::size_t at = 0;
    Cli::BatchReader reader(
        [&](char* buffer, std::size_t room) {
            const std::size_t n = std::min({room, input.size() - at, chunk});
            input.copy(buffer, n, at);
            at += n;
            return n;
        },
        limit, 8);
    Cli::Options options;
    options.json = true;
    Cli::CaseRunner runner(options);
    std::string json;
    std::size_t count = 0;
    std::string_view line;
    for (Cli::BatchReader::Status status;
         (status = reader.Next(line)) != Cli::BatchReader::Status::End;) {
        Require(count < expected.size());
        const bool tooLong = status == Cli::BatchReader::Status::TooLong;
        Require(tooLong ? expected[count] == "\n" : expected[count] == line);
        Require(reader.LineNumber() == ++count);
        if (!tooLong) {
            runner.Run(line);
            json.clear();
            runner.AppendJson(json, count, line, {});
            Require(!json.empty() && json.front() == '{' && json.back() == '}');
            Require(json.find('\n') == std::string::npos);
        }
    }
    Require(count == expected.size());
    return 0;
}
