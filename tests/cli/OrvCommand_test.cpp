// orv in-process, by the transcripts of tests/data/orv.txt: each case starts with "$" and the
// arguments (split at blanks; '...' keeps blanks, '' is an empty argument), then "<" lines of
// standard input (a line feed after each; "<-" for a last line without one), ">" lines of
// standard output, "!" lines of standard error and "? N" for the exit status (0 unless
// given); ">..." or "!..." last: the output only starts so. "@settings TEXT" writes a settings file
// for --settings (named SETTINGS in messages); "@terminal" runs with standard output at a terminal,
// where each line must be handed on by itself.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iomanip>
#include <sstream>
#include <string>
#include <vector>

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
    std::istringstream in(text);
    for (std::string word; in >> std::quoted(word, '\'', '\x01');)
        words.push_back(Unescape(word));
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

class OrvTranscripts : public CoreTest, public ::testing::WithParamInterface<const char*> {};

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

// Misuse as the parser reports it, by tests/data/orv_usage.txt: arguments|the usage error.
TEST(OrvUsage, Errors) {
    for (const Row& r : Table("orv_usage.txt")) {
        const Cli::Arguments parsed = Cli::ParseArguments(Words(r[0]));
        EXPECT_EQ(parsed.action, Cli::Arguments::Action::Usage) << "line " << r.line;
        EXPECT_EQ(parsed.error, r[1]) << "line " << r.line;
    }
}

INSTANTIATE_TEST_SUITE_P(Files, OrvTranscripts,
                         ::testing::Values("orv.txt", "orv_typos.txt", "orv_languages.txt",
                                           "orv_calendars.txt", "orv_jobs.txt"));

} // namespace
