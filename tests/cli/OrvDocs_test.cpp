// The man page and the bash completion name exactly the options that orv's usage names and
// its parser takes, and exactly the calendar kinds of the kind table.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>

#include "calendar/Kinds.h"
#include "cli/OrvCommand.h"

namespace {

std::string Read(const std::string& path) {
    std::ifstream file(std::string(ORV_SOURCE_DIR) + "/" + path);
    EXPECT_TRUE(file.is_open()) << path;
    std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    // The man page writes "-" as "\-".
    for (auto at = text.find("\\-"); at != std::string::npos; at = text.find("\\-", at))
        text.erase(at, 1);
    return text;
}

std::set<std::string> Matches(const std::string& text, const std::string& pattern) {
    std::set<std::string> found;
    const std::regex re(pattern);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), re); it != std::sregex_iterator();
         ++it)
        found.insert((*it)[1]);
    return found;
}

TEST(OrvDocs, ManPageAndCompletionNameTheParsersOptionsAndKinds) {
    const std::string man = Read("data/orv.1.in");
    const std::string completion = Read("data/orv.bash-completion");
    const std::set<std::string> options = Matches(Cli::UsageText(), "(--[a-z]+)");
    EXPECT_EQ(Matches(man, "(--[a-z]+)"), options);
    EXPECT_EQ(Matches(completion, "(--[a-z]+)"), options);
    for (const std::string& option : options) {
        const auto parsed = Cli::ParseArguments({option, "ce"});
        EXPECT_EQ(parsed.error.find("unknown option"), std::string::npos) << option;
    }
    std::set<std::string> kinds;
    for (const DatePr2::KindFacts& row : DatePr2::kinds)
        kinds.insert(std::string(row.name));
    const std::string listed =
        Matches(completion, "--from\\|--to\\) COMPREPLY=\\(\\$\\(compgen -W \"([^\"]*)\"")
            .begin()
            ->c_str();
    EXPECT_EQ(Matches(listed, "([a-z]+)"), kinds);
    EXPECT_EQ(Matches(man.substr(man.find(".SH OPTIONS"), 400), "\\\\fB([a-z]+)\\\\fR"), kinds);
    EXPECT_EQ(Matches(Cli::UsageText(), "KIND: ([a-z ]+)\\.").size(), 1U);
    EXPECT_EQ(Matches(*Matches(Cli::UsageText(), "KIND: ([a-z ]+)\\.").begin(), "([a-z]+)"), kinds);
}

} // namespace
