// Reading orv's arguments, the settings file, and the usage, help and version texts.
#include "cli/OrvCommand.h"

#include <array>
#include <optional>
#include <string_view>
#include <utility>

#include "app/SettingsFile.h"
#include "calendar/DatePr2.h"
#include "lang/GEN_TEXT.h"

namespace Cli {

namespace {

constexpr std::array<std::pair<std::string_view, int16_t>, 5> kindNames{
    {{"ce", DatePr2::CE},
     {"jc", DatePr2::JC},
     {"an", DatePr2::AN},
     {"jdn", DatePr2::JDN},
     {"yyyyddd", DatePr2::YYYYDDD}}};

} // namespace

std::optional<int16_t> KindOf(std::string_view name) {
    for (const auto& [text, kind] : kindNames)
        if (text == name) return kind;
    return std::nullopt;
}

const char* KindName(int16_t kind) {
    for (const auto& [text, known] : kindNames)
        if (known == kind) return text.data();
    return "ce";
}

namespace {

std::optional<int16_t> OrderOf(std::string_view name) {
    if (name == "ymd") return DatePr2::YMD;
    if (name == "dmy") return DatePr2::DMY;
    if (name == "mdy") return DatePr2::MDY;
    return std::nullopt;
}

std::optional<int16_t> LanguageOf(std::string_view name) {
    if (name == "en") return GEN_TEXT::langEnglish;
    if (name == "de") return GEN_TEXT::langGerman;
    if (name == "es") return GEN_TEXT::langSpanish;
    return std::nullopt;
}

// A leading '-' followed by a digit is a negative day count or a year before 1 BC, not an
// option: "orv add 2000-01-01 -5".
bool IsOption(std::string_view arg) {
    return arg.size() > 1 && arg[0] == '-' && !(arg[1] >= '0' && arg[1] <= '9');
}

// An argument that is not an option: the command word, if it comes first, or an operand.
void TakeOperand(const std::string& arg, bool& commandSeen, Options& o) {
    if (!commandSeen && o.operands.empty()) {
        commandSeen = true;
        static constexpr std::array<std::pair<std::string_view, Command>, 4> commands{{
            {"convert", Command::Convert},
            {"add", Command::Add},
            {"diff", Command::Diff},
            {"today", Command::Today},
        }};
        for (const auto& [word, command] : commands) {
            if (arg == word) {
                o.command = command;
                return;
            }
        }
        // "orv DATE" converts.
    }
    o.operands.push_back(arg);
}

// An option without a value; false when `arg` is none of them.
bool TakeFlag(const std::string& arg, Arguments& result) {
    if (arg == "--help" || arg == "-h")
        result.action = Arguments::Action::Help;
    else if (arg == "--version")
        result.action = Arguments::Action::Version;
    else if (arg == "--value")
        result.options.value = true;
    else if (arg == "--json")
        result.options.json = true;
    else if (arg == "--settings")
        result.useSettings = true;
    else
        return false;
    return true;
}

bool TakesValue(std::string_view name) {
    return name == "--from" || name == "--to" || name == "--order" || name == "--sep" ||
           name == "--thousands" || name == "--lang";
}

// One option with its value; the usage error, or nothing when it was taken.
std::optional<std::string> TakeValue(const std::string& name, const std::string& value,
                                     Arguments& result) {
    Options& o = result.options;
    Arguments::Given& given = result.given;
    if (name == "--from" || name == "--to") {
        const auto kind = KindOf(value);
        if (!kind) return "unknown calendar '" + value + "' (ce, jc, an, jdn, yyyyddd)";
        (name == "--from" ? o.fromKind : o.toKind) = *kind;
    } else if (name == "--order") {
        const auto order = OrderOf(value);
        if (!order) return "unknown date order '" + value + "' (ymd, dmy, mdy)";
        o.order = *order;
        given.order = true;
    } else if (name == "--sep") {
        if (value != "-" && value != "." && value != "/")
            return std::string("the date separator is one of - . /");
        o.separator = value;
        given.separator = true;
    } else if (name == "--thousands") {
        if (value != "," && value != "." && value != "none")
            return std::string("the thousands separator is one of , . none");
        o.thousands = value == "none" ? "" : value;
        given.thousands = true;
    } else {
        const auto language = LanguageOf(value);
        if (!language) return "unknown language '" + value + "' (en, de, es)";
        o.language = *language;
        given.language = true;
    }
    return std::nullopt;
}

// The usage error of a command given the wrong number of operands, or nothing.
std::optional<std::string> CheckOperands(const Options& o) {
    if (o.value && o.json) return std::string("--value and --json exclude each other");
    const std::size_t operands = o.operands.size();
    switch (o.command) {
    case Command::Convert:
        if (operands > 1) return std::string("convert takes one date");
        break;
    case Command::Add:
        if (operands != 0 && operands != 2) return std::string("add takes a date and a day count");
        break;
    case Command::Diff:
        if (operands != 0 && operands != 2) return std::string("diff takes two dates");
        break;
    case Command::Today:
        if (operands != 0) return std::string("today takes no date");
        break;
    }
    return std::nullopt;
}

} // namespace

Arguments ParseArguments(const std::vector<std::string>& args) {
    Arguments result;
    const auto usage = [&result](std::string message) {
        result.action = Arguments::Action::Usage;
        result.error = std::move(message);
        return result;
    };
    bool commandSeen = false;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || !IsOption(arg)) {
            TakeOperand(arg, commandSeen, result.options);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (TakeFlag(arg, result)) {
            if (result.action != Arguments::Action::Run) return result;
        } else {
            // "--from jdn" or "--from=jdn".
            const auto eq = arg.find('=');
            const std::string name = arg.substr(0, eq);
            if (!TakesValue(name)) return usage("unknown option '" + arg + "'");
            if (eq == std::string::npos && i + 1 >= args.size())
                return usage("option '" + name + "' needs a value");
            const std::string value = eq != std::string::npos ? arg.substr(eq + 1) : args[++i];
            if (auto error = TakeValue(name, value, result)) return usage(std::move(*error));
        }
    }
    if (auto error = CheckOperands(result.options)) return usage(std::move(*error));
    return result;
}

bool ApplySettings(Arguments& arguments, const std::string& path) {
    const auto read = path.empty() ? std::nullopt : SettingsFile::ReadFile(path);
    if (!read) return false;
    Options& o = arguments.options;
    const Arguments::Given& given = arguments.given;
    // The fall-backs of the window's LoadSettings.
    if (!given.language) o.language = read->language;
    if (!given.order)
        o.order = read->dateOrder == DatePr2::MDY   ? DatePr2::MDY
                  : read->dateOrder == DatePr2::DMY ? DatePr2::DMY
                                                    : DatePr2::YMD;
    if (!given.separator)
        o.separator = read->dateSeparatorCode == '.'   ? "."
                      : read->dateSeparatorCode == '/' ? "/"
                                                       : "-";
    if (!given.thousands)
        o.thousands = read->thousandsSeparatorCode == 0     ? ""
                      : read->thousandsSeparatorCode == '.' ? "."
                                                            : ",";
    return true;
}

const char* UsageText() {
    return "usage: orv [convert] [DATE] [--from KIND] [--to KIND]\n"
           "       orv add [DATE DAYS]\n"
           "       orv diff [DATE1 DATE2]\n"
           "       orv today [--to KIND]\n"
           "options: --order ymd|dmy|mdy --sep -|.|/ --thousands ,|.|none --lang en|de|es\n"
           "         --settings --value --json --help --version\n"
           "KIND: ce jc an jdn yyyyddd. Without DATE a command reads one case a line from\n"
           "standard input (add: DATE TAB DAYS, diff: DATE1 TAB DATE2).\n";
}

std::string HelpText() {
    return std::string(
               "orv: Orvandel's date calculations on the command line and in batches.\n\n") +
           UsageText() +
           "\n"
           "  convert    DATE from the --from calendar into the --to calendar (default ce)\n"
           "  add        DATE (--from) plus DAYS, written in the --to calendar; DAYS may be\n"
           "             negative\n"
           "  diff       DATE2 (--to) minus DATE1 (--from) in days, with a breakdown in years,\n"
           "             months and days when both are of one calendar\n"
           "  today      today's date in the --to calendar, as the Today button writes it\n\n"
           "  --order, --sep, --thousands, --lang   how dates and numbers are read and written\n"
           "             (defaults ymd, -, the comma, en)\n"
           "  --settings take those four from the window's settings file (read only);\n"
           "             options given on the command line still win\n"
           "  --value    print only the computed date text or day count\n"
           "  --json     print one JSON object per result\n\n"
           "Exit status: 0 success, 1 some input was refused, 2 misuse. See orv(1).\n";
}

std::string VersionText() {
    return "orv (Orvandel) " ORV_VERSION "\n";
}

} // namespace Cli
