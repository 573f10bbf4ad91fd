// orv in-process, by the transcripts of tests/data/orv.txt: each case starts with "$" and the
// arguments (split at blanks; '...' keeps blanks, '' is an empty argument), then "<" lines of
// standard input (a line feed after each; "<-" for a last line without one), ">" lines of
// standard output, "!" lines of standard error and "? N" for the exit status (0 unless
// given); ">..." or "!..." last: the output only starts so. "@settings TEXT" writes a settings file
// for --settings (named SETTINGS in messages); "@terminal" runs with standard output at a terminal,
// where each line must be handed on by itself.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "calendar/IsoWeekText.h"
#include "cli/OrvCommand.h"
#include "support/CoreTest.h"

namespace {

struct Transcript {
    int line = 0;
    std::vector<std::string> args;
    std::string input, out, err, settings;
    int status = 0;
    bool terminal = false;
    bool outStart = false, errStart = false; // only the start of the output is given
};

std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == ' ') {
            ++i;
        } else if (text[i] == '\'') {
            const auto close = text.find('\'', i + 1);
            words.push_back(Unescape(text.substr(i + 1, close - i - 1)));
            i = close + 1;
        } else {
            const auto blank = std::min(text.find(' ', i), text.size());
            words.push_back(Unescape(text.substr(i, blank - i)));
            i = blank;
        }
    }
    return words;
}

std::vector<Transcript> Transcripts(const std::string& name) {
    std::ifstream file(std::string(ORV_TEST_DATA) + "/" + name);
    EXPECT_TRUE(file.is_open()) << name;
    std::vector<Transcript> cases;
    std::string text;
    for (int number = 1; std::getline(file, text); ++number) {
        if (text.starts_with("$")) {
            cases.emplace_back();
            cases.back().line = number;
            cases.back().args = Words(text.substr(1));
        }
        if (cases.empty() || text.size() < 1) continue;
        Transcript& t = cases.back();
        const std::string rest = Unescape(text.substr(std::min<std::size_t>(2, text.size())));
        if (text.starts_with("<-"))
            t.input += Unescape(text.substr(std::min<std::size_t>(3, text.size())));
        else if (text[0] == '<')
            t.input += rest + "\n";
        else if (text == ">..." || text == "!...")
            (text[0] == '>' ? t.outStart : t.errStart) = true;
        else if (text[0] == '>')
            t.out += rest + "\n";
        else if (text[0] == '!')
            t.err += rest + "\n";
        else if (text[0] == '?')
            t.status = std::stoi(rest);
        else if (text.starts_with("@settings"))
            t.settings = Unescape(text.substr(10));
        else if (text == "@terminal")
            t.terminal = true;
    }
    return cases;
}

class OrvTest : public CoreTest {};

class OrvTranscripts : public OrvTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(OrvTranscripts, Run) {
    const std::string path = ::testing::TempDir() + "orv_transcript.usr";
    for (const Transcript& t : Transcripts(GetParam())) {
        std::remove(path.c_str());
        if (!t.settings.empty()) std::ofstream(path, std::ios::binary) << t.settings;
        std::string out, err;
        bool linePerWrite = true;
        std::size_t at = 0;
        Cli::Streams streams;
        // Three bytes at a time, so that lines cross the reads.
        streams.readInput = [&](char* buffer, std::size_t size) {
            const std::size_t n = std::min({size, t.input.size() - at, std::size_t{3}});
            t.input.copy(buffer, n, at);
            at += n;
            return n;
        };
        streams.writeOutput = [&](std::string_view text, std::string&) {
            linePerWrite = linePerWrite && text.find('\n') == text.size() - 1;
            out += text;
            return true;
        };
        streams.writeError = [&](std::string_view text) { err += text; };
        streams.flushEachLine = t.terminal;
        // DATA/ in an argument is the test data directory (holidays files).
        const std::string data = ORV_TEST_DATA;
        std::vector<std::string> args = t.args;
        for (std::string& arg : args)
            if (arg.starts_with("DATA/")) arg.replace(0, 4, data);
        const int status = Cli::Main(args, streams, path);
        for (auto p = err.find(path); p != std::string::npos; p = err.find(path))
            err.replace(p, path.size(), "SETTINGS");
        for (auto p = err.find(data); p != std::string::npos; p = err.find(data))
            err.replace(p, data.size(), "DATA");
        EXPECT_EQ(t.outStart ? out.substr(0, t.out.size()) : out, t.out) << "line " << t.line;
        EXPECT_EQ(t.errStart ? err.substr(0, t.err.size()) : err, t.err) << "line " << t.line;
        EXPECT_EQ(status, t.status) << "line " << t.line;
        EXPECT_TRUE(linePerWrite || !t.terminal) << "line " << t.line;
        GEN_TEXT::currentLanguage = GEN_TEXT::langEnglish;
    }
    std::remove(path.c_str());
}

INSTANTIATE_TEST_SUITE_P(Files, OrvTranscripts,
                         ::testing::Values("orv.txt", "orv_typos.txt", "orv_batch.txt",
                                           "orv_languages.txt", "orv_usage.txt", "orv_numbers.txt",
                                           "orv_calendars.txt", "orv_jobs.txt"));

// A write that fails ends the run at once, however much input is left: with SIGPIPE
// ignored, "yes | orv | head -1" must end.
TEST_F(OrvTest, FailedWriteEndsTheRun) {
    Cli::Streams streams;
    std::size_t reads = 0;
    // Endless for the run, but a run that never stops reading ends here, and fails below.
    streams.readInput = [&](char* buffer, std::size_t size) -> std::size_t {
        if (++reads > 1000) return 0;
        const std::string line = "2000-01-01\n";
        std::size_t n = 0;
        for (; n + line.size() <= size; n += line.size())
            line.copy(buffer + n, line.size());
        return n;
    };
    std::size_t writes = 0;
    streams.writeOutput = [&](std::string_view, std::string& reason) {
        reason = "Broken pipe";
        return ++writes < 3;
    };
    std::string err;
    streams.writeError = [&](std::string_view t) { err += t; };
    EXPECT_EQ(Cli::Main({}, streams, ""), 1);
    EXPECT_EQ(writes, 3U);
    EXPECT_LT(reads, 100U);
    EXPECT_EQ(err, "orv: write error: Broken pipe\n");
    // The final flush of a short run is checked too.
    writes = 2;
    err.clear();
    EXPECT_EQ(Cli::Main({"--version"}, streams, ""), 1);
    EXPECT_EQ(err, "orv: write error: Broken pipe\n");
}

// The clock is read in seconds: a nanosecond count would end on 2262-04-11.
TEST_F(OrvTest, ClockReadingPast2262) {
    const char* zone = std::getenv("TZ");
    const std::string saved = zone != nullptr ? zone : "";
    setenv("TZ", "UTC0", 1);
    const DatePr2::LocalNow late = DatePr2::LocalNowAt(9223416000);
    const DatePr2::LocalNow last = DatePr2::LocalNowAt(253402300799);
    if (zone != nullptr)
        setenv("TZ", saved.c_str(), 1);
    else
        unsetenv("TZ");
    EXPECT_EQ(std::vector<int>({late.year, late.month, late.day, late.hour}),
              std::vector<int>({2262, 4, 12, 12}));
    EXPECT_EQ(std::vector<int>({last.year, last.month, last.day, last.second}),
              std::vector<int>({9999, 12, 31, 59}));
}

// The isoweek notation over the whole day-number range: every text written reads back as its
// day, its weekday digit counts from JDN 0, a Monday, and the next day is the next weekday of
// the same week or day 1 of the week after (week 01 only after a year's 52nd or 53rd).
TEST(IsoWeekText, WholeRangeReadsBackAndStepsByTheWeek) {
    for (int64_t day = -2100000000; day < 2100000000; day += 104729) {
        const auto jdn = static_cast<int32_t>(day);
        std::string text, next;
        DateJobs::AppendIsoWeekText(jdn, text);
        DateJobs::AppendIsoWeekText(jdn + 1, next);
        const DateJobs::WeekTextRead read = DateJobs::ReadIsoWeekText(text);
        ASSERT_EQ(read.error, DateJobs::WeekTextError::none) << text;
        ASSERT_EQ(read.jdn, jdn) << text;
        ASSERT_EQ(text.back() - '0', (day % 7 + 7) % 7 + 1) << text;
        const std::string week = text.substr(text.size() - 4, 2);
        const std::string nextWeek = next.substr(next.size() - 4, 2);
        if (text.back() != '7')
            ASSERT_EQ(next.substr(0, next.size() - 1), text.substr(0, text.size() - 1)) << text;
        else if (nextWeek == "01")
            ASSERT_TRUE(week == "52" || week == "53") << text;
        else
            ASSERT_EQ(std::stoi(nextWeek), std::stoi(week) + 1) << text;
    }
}

} // namespace
