#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Compute.h"
#include "app/WindowTexts.h"
#include "calendar/DatePr2.h"
#include "cli/OrvCommand.h"
#include "lang/GEN_TEXT.h"
#include "support/CoreTest.h"

namespace {

const auto kName = [](const auto& info) { return std::string(info.param.name); };

constexpr int16_t CE = DatePr2::CE, JC = DatePr2::JC, JDN = DatePr2::JDN, AN = DatePr2::AN,
                  DIY = DatePr2::YYYYDDD;

struct Outcome {
    int status = -1;
    std::string out, err;
};

// orv in-process: the arguments after the program name and standard input.
Outcome Orv(std::vector<std::string> args, const std::string& input = {},
            const std::string& settingsPath = {}) {
    Outcome run;
    std::size_t at = 0;
    Cli::Streams streams;
    // Three bytes at a time, so that lines cross the reads.
    streams.readInput = [&](char* buffer, std::size_t size) {
        const std::size_t n = std::min({size, input.size() - at, std::size_t{3}});
        input.copy(buffer, n, at);
        at += n;
        return n;
    };
    streams.writeOutput = [&](std::string_view t) { run.out += t; };
    streams.writeError = [&](std::string_view t) { run.err += t; };
    run.status = Cli::Main(args, streams, settingsPath);
    return run;
}

class OrvTest : public CoreTest {};

const char* const kindName[] = {"ce", "jc", "jdn", "an", "yyyyddd"};

struct Case {
    const char* name;
    const char* command;
    const char* a; // the date
    const char* b; // the day count or the second date, "" for convert
    int16_t from, to;
    int16_t order = DatePr2::YMD;
    const char* order_ = "ymd";
    const char* sep = "-";
    const char* thousands = ",";
    const char* lang = "en";
    int16_t language = GEN_TEXT::langEnglish;
};

class SameAsCompute : public OrvTest, public ::testing::WithParamInterface<Case> {};

// The line, the value and the message of orv are those of Compute with the same windows.
TEST_P(SameAsCompute, LineValueAndMessage) {
    const Case& c = GetParam();
    const std::string command = c.command;
    Compute::Input in;
    in.firstDate = c.a;
    (command == "add" ? in.dateDiff : in.secondDate) = c.b;
    in.firstKind = c.from;
    in.secondKind = c.to;
    in.order = c.order;
    in.separator = c.sep;
    in.thousands = std::string(c.thousands) == "none" ? "" : c.thousands;
    GEN_TEXT::currentLanguage = c.language;
    const Compute::Output window = Compute::Run(in, [] {
        ADD_FAILURE() << "unexpected question";
        return MessageBoxes::Answer::No;
    });
    GEN_TEXT::currentLanguage = GEN_TEXT::langEnglish;

    std::vector<std::string> args{c.command, c.a};
    if (command != "convert") args.emplace_back(c.b);
    for (const char* option :
         {"--from", kindName[c.from], "--to", kindName[c.to], "--order", c.order_, "--sep", c.sep,
          "--thousands", c.thousands, "--lang", c.lang})
        args.emplace_back(option);
    const Outcome line = Orv(args);
    args.emplace_back("--value");
    const Outcome value = Orv(args);

    if (window.message >= 0) {
        const std::string error =
            "orv: " +
            WindowTexts::ComputeErrorText[static_cast<std::size_t>(window.message)]
                                         [static_cast<std::size_t>(c.language)] +
            "\n";
        EXPECT_EQ(line.status, 1);
        EXPECT_EQ(line.out, "\n");
        EXPECT_EQ(line.err, error);
        EXPECT_EQ(value.status, 1);
        EXPECT_EQ(value.err, error);
        return;
    }
    ASSERT_TRUE(window.appended.ends_with("\r\n"));
    EXPECT_EQ(line.out, window.appended.substr(0, window.appended.size() - 2) + "\n");
    EXPECT_EQ(line.status, 0);
    EXPECT_EQ(line.err, "");
    const std::string expected = command == "diff"           ? window.dateDiff
                                 : window.secondDate.empty() ? window.firstDate
                                                             : window.secondDate;
    EXPECT_EQ(value.out, expected + "\n");
    EXPECT_EQ(value.status, 0);
}

constexpr int16_t DMY = DatePr2::DMY, MDY = DatePr2::MDY;
constexpr int16_t de = GEN_TEXT::langGerman, es = GEN_TEXT::langSpanish;

// clang-format off
const Case kCases[] = {
    // Every kind into every other, and onto itself.
    {"CeToJdn", "convert", "2000-01-01", "", CE, JDN},
    {"CeToCe", "convert", " 2000-01-01 ", "", CE, CE},
    {"CeToJc", "convert", "1582-10-15", "", CE, JC},
    {"JcToAn", "convert", "2024-12-18", "", JC, AN},
    {"AnToYyyyddd", "convert", "10543-11-01", "", AN, DIY},
    {"YyyydddToCe", "convert", "2000060", "", DIY, CE},
    {"YyyydddToYyyyddd", "convert", "2000001", "", DIY, DIY},
    {"JdnToCeFarFuture", "convert", "2,100,000,000", "", JDN, CE},
    {"JdnToYyyydddOutOfRange", "convert", "1721425", "", JDN, DIY},
    {"InvalidCe", "convert", "2001-02-29", "", CE, JDN},
    {"InvalidAn", "convert", "2001-11-01", "", AN, CE},
    {"OutOfRangeCe", "convert", "9999999-01-01", "", CE, JDN},
    // The orders and separators, the thousands separators and the languages.
    {"DmyDotGerman", "convert", "01.01.2000", "", CE, JC, DMY, "dmy", ".", ".", "de", de},
    {"MdySlashSpanish", "convert", "12/31/-4713", "", CE, JDN, MDY, "mdy", "/", "none", "es", es},
    {"DmySlashLargeYear", "convert", "01/01/123456", "", JC, CE, DMY, "dmy", "/", ","},
    // Sums: signs, the day word, the range, a refused count.
    {"AddNegative", "add", "2000-01-11", "-10", CE, CE},
    {"AddOneGerman", "add", "2000-01-01", "1", CE, JDN, DatePr2::YMD, "ymd", "-", ",", "de", de},
    {"AddIntoAnSpanish", "add", "2024-12-30", "1", CE, AN, DatePr2::YMD, "ymd", "-", ",", "es", es},
    {"AddOutOfRange", "add", "2,050,000,000", "60,000,000", JDN, JDN},
    {"AddCountInvalid", "add", "2000-01-01", "abc", CE, CE},
    {"AddCountOutOfRange", "add", "2000-01-01", "99999999999", CE, CE},
    // Differences with and without a breakdown.
    {"DiffBreakdown", "diff", "2000-01-01", "2001-03-15", CE, CE},
    {"DiffBreakdownGerman", "diff", "2000-01-01", "2001-03-15", JC, JC, DatePr2::YMD, "ymd", "-", ",", "de", de},
    {"DiffYyyydddSpanish", "diff", "2000001", "2003100", DIY, DIY, DatePr2::YMD, "ymd", "-", ".", "es", es},
    {"DiffNegativeAcrossCalendars", "diff", "2000-01-01", "2451000", CE, JDN},
    {"DiffSecondInvalidAn", "diff", "2000-01-01", "10000-12-40", CE, AN},
    {"DiffSecondOutOfRange", "diff", "2000-01-01", "2200000000", CE, JDN},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cases, SameAsCompute, ::testing::ValuesIn(kCases), kName);

TEST_F(OrvTest, TodayAsTheTodayButtonWritesIt) {
    EXPECT_EQ(Orv({"today"}).out, "2026-12-07\n");
    EXPECT_EQ(Orv({"today", "--to", "jdn", "--thousands", "."}).out, "2.461.382\n");
    EXPECT_EQ(Orv({"today", "--to", "yyyyddd", "--value"}).out, "2026341\n");
}

TEST_F(OrvTest, BatchWritesOneLinePerLineAndReportsEachRefusal) {
    const std::string input = "2000-01-01\n"
                              "2000-02-30\r\n"
                              "\n"
                              "1999-12-31\r\n"
                              "2000-01-01\t5\n" +
                              std::string(5000, '1') +
                              "\n"
                              "2000-01-0\x01\n"
                              "2000-\xff-01\n"
                              "2000-03-01";
    const Outcome run = Orv({"--to", "jdn", "--value", "--lang", "de"}, input);
    EXPECT_EQ(run.out, "2,451,545\n\n\n2,451,544\n\n\n\n\n2,451,605\n");
    EXPECT_EQ(run.err, "orv: line 2: Erstes Datum ist in dem angegebenen Kalender nicht zulässig.\n"
                       "orv: line 3: Erstes Datum ist in dem angegebenen Kalender nicht zulässig.\n"
                       "orv: line 5: Zeile enthält nicht die Felder des Befehls, durch ein TAB "
                       "getrennt.\n"
                       "orv: line 6: Zeile ist länger als 4096 Bytes.\n"
                       "orv: line 7: Zeile enthält ein Steuerzeichen.\n"
                       "orv: line 8: Zeile ist kein gültiges UTF-8.\n");
    EXPECT_EQ(run.status, 1);
}

TEST_F(OrvTest, BatchOfSumsAndDifferences) {
    const Outcome add =
        Orv({"add", "--from", "jdn", "--to", "jdn", "--value"}, "0\t-1\n2100000000\t1\n5\n");
    EXPECT_EQ(add.out, "-1\n\n\n");
    EXPECT_EQ(add.err, "orv: line 2: Result is out of range.\n"
                       "orv: line 3: Line does not hold the fields of the command, separated by "
                       "one TAB.\n");
    EXPECT_EQ(add.status, 1);
    const Outcome diff = Orv({"diff", "--lang", "es"}, "2000-01-01\t2000-02-01\n");
    EXPECT_EQ(diff.out, "2000-02-01 CE menos 2000-01-01 CE = 31 días (1 mes)\n");
    EXPECT_EQ(diff.status, 0);
    EXPECT_EQ(Orv({"diff"}, "").out, "");
}

struct Misuse {
    const char* name;
    std::vector<std::string> args;
};

class UsageError : public OrvTest, public ::testing::WithParamInterface<Misuse> {};

TEST_P(UsageError, ExitsTwoWithTheUsage) {
    const Outcome run = Orv(GetParam().args, "2000-01-01\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(run.err.starts_with("orv: ")) << run.err;
    EXPECT_NE(run.err.find("usage: orv"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Args, UsageError,
    ::testing::Values(Misuse{"UnknownOption", {"--frobnicate"}},
                      Misuse{"UnknownKind", {"--to", "mayan"}},
                      Misuse{"MissingValue", {"convert", "--from"}},
                      Misuse{"BadSeparator", {"--sep", ","}},
                      Misuse{"AddWithOneOperand", {"add", "2000-01-01"}},
                      Misuse{"TwoDatesToConvert", {"2000-01-01", "2000-01-02"}},
                      Misuse{"TodayWithADate", {"today", "2000-01-01"}},
                      Misuse{"ValueAndJson", {"--value", "--json", "2000-01-01"}}),
    kName);

TEST_F(OrvTest, NegativeOperandsAreNoOptions) {
    EXPECT_EQ(Orv({"add", "--value", "2000-01-11", "-10"}).out, "2000-01-01\n");
    EXPECT_EQ(Orv({"--from", "jdn", "--value", "-5"}).out, "-4713-11-19\n");
}

TEST_F(OrvTest, SettingsFileFillsWhatTheOptionsLeaveOpen) {
    const std::string path = ::testing::TempDir() + "orv_settings_test.usr";
    {
        FILE* f = std::fopen(path.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        // German, DMY with "." and no thousands separator.
        std::fputs("1\r\n1,46,0\r\n0,0,0\r\n", f);
        std::fclose(f);
    }
    EXPECT_EQ(Orv({"--settings", "--to", "jdn", "01.01.2000"}, "", path).out,
              "01.01.2000 CE = 2451545 JDN, Samstag\n");
    EXPECT_EQ(Orv({"--settings", "--lang", "en", "--thousands", ",", "--to", "jdn", "01.01.2000"},
                  "", path)
                  .out,
              "01.01.2000 CE = 2,451,545 JDN, Saturday\n");
    const Outcome missing = Orv({"--settings", "--to", "jdn", "2000-01-01"}, "", path + ".none");
    EXPECT_EQ(missing.out, "2000-01-01 CE = 2,451,545 JDN, Saturday\n");
    EXPECT_NE(missing.err.find("no readable settings file"), std::string::npos);
    std::remove(path.c_str());
}

TEST_F(OrvTest, HelpAndVersion) {
    EXPECT_NE(Orv({"--help"}).out.find("usage: orv"), std::string::npos);
    EXPECT_EQ(Orv({"--version"}).out, "orv (Orvandel) " ORV_VERSION "\n");
}

} // namespace
