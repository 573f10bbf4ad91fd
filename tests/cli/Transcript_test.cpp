// orv's transcripts: tests/data/orv/*.txt hold cases run in-process at the fixed clock of
// CoreTest (Monday 2026-12-07). A case:
//   $ ARGUMENTS      after "orv", split at spaces; "..." holds spaces; starts the case
//   < TEXT           a line of standard input ("<| TEXT": without its LF)
//   > TEXT           a line of standard output
//   ! TEXT           a line of standard error
//   ? STATUS         the exit status; ends the case
// In TEXT and ARGUMENTS: \t \r \n \" \\ \xHH, and \{N}C for N times the character C.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli/OrvCommand.h"
#include "support/CoreTest.h"

namespace {

std::string Unescape(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char c = text[++i];
        if (c == 't')
            out += '\t';
        else if (c == 'r')
            out += '\r';
        else if (c == 'n')
            out += '\n';
        else if (c == 'x') {
            out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else if (c == '{') {
            const std::size_t close = text.find('}', i);
            out.append(std::stoul(text.substr(i + 1, close - i - 1)), text[close + 1]);
            i = close + 1;
        } else {
            out += c;
        }
    }
    return out;
}

std::vector<std::string> SplitArguments(const std::string& line) {
    std::vector<std::string> args;
    std::string current;
    bool quoted = false;
    bool any = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '\\' && i + 1 < line.size()) {
            current += c;
            current += line[++i];
        } else if (c == '"') {
            quoted = !quoted;
            any = true;
        } else if (c == ' ' && !quoted) {
            if (any || !current.empty()) args.push_back(Unescape(current));
            current.clear();
            any = false;
        } else {
            current += c;
        }
    }
    if (any || !current.empty()) args.push_back(Unescape(current));
    return args;
}

struct Transcript {
    std::string where; // file:line of the "$"
    std::vector<std::string> args;
    std::string in, out, err;
    int status = -1;
};

std::vector<Transcript> ReadTranscripts(const std::filesystem::path& path) {
    std::vector<Transcript> cases;
    std::ifstream file(path);
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
        if (line.empty() || line[0] == '#') continue;
        const std::string rest = line.size() > 2 ? line.substr(2) : "";
        if (line[0] == '$') {
            Transcript t;
            t.where = path.filename().string() + ":" + std::to_string(number);
            t.args = SplitArguments(rest);
            cases.push_back(std::move(t));
            continue;
        }
        if (cases.empty()) continue;
        Transcript& t = cases.back();
        if (line.starts_with("<| "))
            t.in += Unescape(line.substr(3));
        else if (line[0] == '<')
            t.in += Unescape(rest) + "\n";
        else if (line[0] == '>')
            t.out += Unescape(rest) + "\n";
        else if (line[0] == '!')
            t.err += Unescape(rest) + "\n";
        else if (line[0] == '?')
            t.status = std::stoi(rest);
    }
    return cases;
}

class Transcripts : public CoreTest {};

TEST_F(Transcripts, AllFiles) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(ORV_TEST_DATA_DIR "/orv"))
        if (entry.path().extension() == ".txt") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    ASSERT_FALSE(files.empty());
    for (const auto& path : files) {
        for (const Transcript& t : ReadTranscripts(path)) {
            SCOPED_TRACE(t.where);
            ASSERT_GE(t.status, 0) << "no status";
            std::string out, err;
            std::size_t at = 0;
            Cli::Streams streams;
            // Three bytes at a time, so that lines cross the reads.
            streams.readInput = [&](char* buffer, std::size_t size) {
                const std::size_t n = std::min({size, t.in.size() - at, std::size_t{3}});
                t.in.copy(buffer, n, at);
                at += n;
                return n;
            };
            streams.writeOutput = [&](std::string_view text, std::string&) {
                out += text;
                return true;
            };
            streams.writeError = [&](std::string_view text) { err += text; };
            const int status = Cli::Main(t.args, streams, "");
            GEN_TEXT::currentLanguage = GEN_TEXT::langEnglish;
            EXPECT_EQ(out, t.out);
            EXPECT_EQ(err, t.err);
            EXPECT_EQ(status, t.status);
        }
    }
}

} // namespace
