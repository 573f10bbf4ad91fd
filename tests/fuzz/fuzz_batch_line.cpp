// orv's batch reader against a plain split of the same bytes on LF, read in pieces whose sizes
// and the line limit come from the first two bytes; every line then goes through a case with
// JSON output, as orv --json would run it, in the notation the third byte picks. Each line
// gives the day the strict reader reads from it, or a refusal: never a value from a line the
// reader refuses.
#include "calendar/DatePr2.h"
#include "cli/BatchReader.h"
#include "cli/OrvCommand.h"
#include "lang/GEN_TEXT.h"
#include "text/StrictRead.h"

#include <algorithm>
#include <array>
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

// Kind, order, date separator and thousands mark from one byte.
Cli::Options OptionsOf(uint8_t byte) {
    static constexpr std::array<const char*, 3> separators{"-", ".", "/"};
    static constexpr std::array<const char*, 3> marks{",", ".", ""};
    Cli::Options o;
    // Every kind of the table; the rest of the byte picks order, separator and mark.
    const std::size_t kinds = DatePr2::kinds.size();
    o.fromKind = DatePr2::kinds[byte % kinds].kind;
    o.toKind = DatePr2::Kind::JDN; // the day read is the day number written
    o.order = static_cast<DatePr2::DateOrder>(byte / kinds % 3);
    o.separator = separators[byte / kinds / 3 % 3];
    o.thousands = marks[byte / kinds / 9 % 3];
    o.outputThousands = "";
    o.json = true;
    return o;
}

// The case run on a line against the strict reader's own reading of it.
void CheckAgainstReader(const Cli::Options& o, std::string_view line, const Cli::CaseResult& r) {
    if (r.problem != Cli::Problem::None) return;
    StrictRead::Notation n;
    n.kind = o.fromKind;
    n.order = o.order;
    n.separator = o.separator[0];
    n.thousands = o.thousands.empty() ? '\0' : o.thousands[0];
    const StrictRead::Field read = StrictRead::ReadDate(line, n);
    if (!read.Accepted()) {
        Require(r.refusedField == 1 && r.value.empty() && r.line.empty());
        return;
    }
    // yyyyddd has no text for today beyond year 9999, nor does the clock here.
    const int32_t day = read.fromClock ? DatePr2::TodaysJDN() + read.clockOffset : read.value;
    Require(!r.Failed() && r.out.first && r.out.first->jdn == day);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool initialised = [] {
        GEN_TEXT::InitMessages();
        return true;
    }();
    (void)initialised;
    if (size < 3) {
        return 0;
    }
    const std::size_t chunk = data[0] % 17 + 1;
    const std::size_t limit = data[1] % 64 + 1;
    const std::string_view input(reinterpret_cast<const char*>(data) + 3, size - 3);

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
    const Cli::Options options = OptionsOf(data[2]);
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
            CheckAgainstReader(options, line, runner.Run(line));
            json.clear();
            runner.AppendJson(json, count, line, {});
            Require(!json.empty() && json.front() == '{' && json.back() == '}');
            Require(json.find('\n') == std::string::npos);
        }
    }
    Require(count == expected.size());
    return 0;
}
