// Reading orv's arguments, the settings file, and the usage, help and version texts.
#include "cli/OrvCommand.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>
#include <utility>

#include "app/SettingsFile.h"
#include "calendar/DatePr2.h"
#include "lang/GEN_TEXT.h"

namespace Cli {

namespace {

std::optional<DatePr2::DateOrder> OrderOf(std::string_view name) {
    if (name == "ymd") return DatePr2::DateOrder::YMD;
    if (name == "dmy") return DatePr2::DateOrder::DMY;
    if (name == "mdy") return DatePr2::DateOrder::MDY;
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

bool IsClockWord(std::string_view word) {
    std::string lower(word);
    for (char& c : lower)
        c = static_cast<char>(c | 0x20);
    return lower == "today" || lower == "yesterday" || lower == "tomorrow";
}

// An argument that is not an option: the command word, if it comes first, or an operand. A
// first word of letters alone that names no command is a mistyped command, not a date.
std::optional<std::string> TakeOperand(const std::string& arg, bool& commandSeen, Options& o) {
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
                return std::nullopt;
            }
        }
        const bool letters = !arg.empty() && std::all_of(arg.begin(), arg.end(), [](char c) {
            return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        });
        if (letters && !IsClockWord(arg))
            return "unknown command \"" + arg + "\" (commands: convert, add, diff, today)";
        // "orv DATE" converts.
    }
    o.operands.push_back(arg);
    return std::nullopt;
}

// An option without a value; false when `arg` is none of them.
bool TakeFlag(const std::string& arg, Arguments& result) {
    if (arg == "--help" || arg == "-h")
        result.action = Arguments::Action::Help;
    else if (arg == "--version" || arg == "-V")
        result.action = Arguments::Action::Version;
    else if (arg == "--lenient")
        result.options.lenient = true;
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

// orv's words for the kinds, "ce, jc, ...", in the table's order.
std::string KindNames() {
    std::string names;
    for (const DatePr2::KindFacts& row : DatePr2::kinds) {
        if (!names.empty()) names += ", ";
        names += row.name;
    }
    return names;
}

// One option with its value; the usage error, or nothing when it was taken.
std::optional<std::string> TakeValue(const std::string& name, const std::string& value,
                                     Arguments& result) {
    Options& o = result.options;
    Arguments::Given& given = result.given;
    if (name == "--from" || name == "--to") {
        const auto kind = DatePr2::KindOfName(value);
        if (!kind) return "unknown calendar \"" + value + "\" (" + KindNames() + ")";
        (name == "--from" ? o.fromKind : o.toKind) = *kind;
    } else if (name == "--order") {
        const auto order = OrderOf(value);
        if (!order) return "unknown date order \"" + value + "\" (ymd, dmy, mdy)";
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
        if (!language) return "unknown language \"" + value + "\" (en, de, es)";
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

namespace {

// An option that takes a value, "--from jdn" or "--from=jdn", at args[i] (i moves past the
// value); the usage error, or nothing when it was taken.
std::optional<std::string> TakeOptionWithValue(const std::vector<std::string>& args, std::size_t& i,
                                               Arguments& result) {
    const std::string& arg = args[i];
    const auto eq = arg.find('=');
    const std::string name = arg.substr(0, eq);
    if (!TakesValue(name)) return "unknown option \"" + arg + "\"";
    if (eq == std::string::npos && i + 1 >= args.size())
        return "option \"" + name + "\" needs a value";
    const std::string value = eq != std::string::npos ? arg.substr(eq + 1) : args[++i];
    return TakeValue(name, value, result);
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
        std::optional<std::string> error;
        if (optionsEnded || !IsOption(arg)) {
            error = TakeOperand(arg, commandSeen, result.options);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (TakeFlag(arg, result)) {
            if (result.action != Arguments::Action::Run) return result;
        } else {
            error = TakeOptionWithValue(args, i, result);
        }
        if (error) return usage(std::move(*error));
    }
    if (auto error = CheckOperands(result.options)) return usage(std::move(*error));
    return result;
}

bool ApplySettings(Arguments& arguments, const std::string& path) {
    const auto read = path.empty() ? std::nullopt : SettingsFile::ReadFile(path);
    if (!read) return false;
    Options& o = arguments.options;
    const Arguments::Given& given = arguments.given;
    if (!given.language) o.language = read->language;
    if (!given.order) o.order = read->dateOrder;
    if (!given.separator) o.separator = read->dateSeparator;
    if (!given.thousands) o.thousands = read->thousandsSeparator;
    return true;
}

void SettleOutputThousands(Arguments& arguments) {
    Options& o = arguments.options;
    // Numbers for scripts stay bare unless the command line asks for marks.
    o.outputThousands = (o.value || o.json) && !arguments.given.thousands ? "" : o.thousands;
}

const char* UsageText() {
    return "usage: orv [convert] [DATE] [--from KIND] [--to KIND]\n"
           "       orv add [DATE DAYS]\n"
           "       orv diff [DATE1 DATE2]\n"
           "       orv today [--to KIND]\n"
           "options: --order ymd|dmy|mdy --sep -|.|/ --thousands ,|.|none --lang en|de|es\n"
           "         --settings --lenient --value --json --help -h --version -V\n"
           "KIND: ce jc an jdn yyyyddd hebrew islamic persian coptic ethiopic indian french "
           "mayan.\n"
           "Without DATE a command reads one case a line from standard input (add: DATE TAB\n"
           "DAYS, diff: DATE1 TAB DATE2).\n";
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
           "             months and days when both are of one calendar: ce, jc, an, yyyyddd\n"
           "  today      today's date in the --to calendar, as the Today button writes it\n\n"
           "DATE is wholly a date as the window writes it in the calendar, order and separator\n"
           "(2000-12-31; a negative year last as (-4713)), a whole number for jdn, seven digits\n"
           "for yyyyddd, baktun.katun.tun.uinal.kin for mayan (-0.0.0.0.1 before the creation),\n"
           "or today, yesterday, tomorrow. DAYS is a whole number, its digits\n"
           "grouped by three with the --thousands mark or not at all. Blanks at the ends go;\n"
           "anything else is refused.\n\n"
           "  --order, --sep, --thousands, --lang   how dates and numbers are read and written\n"
           "             (defaults ymd, -, the comma, en)\n"
           "  --settings take those four from the window's settings file (read only);\n"
           "             options given on the command line still win\n"
           "  --lenient  read as the window reads pasted text: characters that do not belong\n"
           "             to a date or number are dropped (2w reads as 2) - on purpose only\n"
           "  --value    print only the computed date text or day count\n"
           "  --json     print one JSON object per result\n"
           "  --value and --json write numbers without thousands marks unless --thousands\n"
           "  is given on the command line.\n\n"
           "Exit status: 0 success, 1 some input was refused or a write failed, 2 misuse.\n"
           "See orv(1).\n";
}

std::string VersionText() {
    return "orv (Orvandel) " ORV_VERSION "\n";
}

} // namespace Cli
