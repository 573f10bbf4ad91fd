// Reading orv's arguments, the settings file, and the usage, help and version texts.
#include "cli/OrvCommand.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>
#include <utility>

#include "app/SettingsFile.h"
#include "calendar/DatePr2.h"
#include "calendar/DateSequence.h"
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
        static constexpr std::array<std::pair<std::string_view, Command>, 6> commands{{
            {"convert", Command::Convert},
            {"add", Command::Add},
            {"diff", Command::Diff},
            {"today", Command::Today},
            {"seq", Command::Seq},
            {"easter", Command::Easter},
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
            return "unknown command \"" + arg +
                   "\" (commands: convert, add, diff, today, seq, easter)";
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
    else if (arg == "--workdays")
        result.options.workdays = true;
    else
        return false;
    return true;
}

bool TakesValue(std::string_view name) {
    return name == "--from" || name == "--to" || name == "--order" || name == "--sep" ||
           name == "--thousands" || name == "--lang" || name == "--step" || name == "--only" ||
           name == "--weekend" || name == "--holidays" || name == "--format" || name == "--rule";
}

std::string WeekdayListError(const std::string& name, const std::string& value) {
    return "\"" + value + "\" is no list of weekdays for " + name +
           " (mon,tue,wed,thu,fri,sat,sun, each at most once)";
}

// The options of the date jobs; the usage error, or nothing when it was taken.
std::optional<std::string> TakeJobValue(const std::string& name, const std::string& value,
                                        Options& o) {
    if (name == "--step") {
        DateJobs::Span step;
        if (DateJobs::ParseSpan(value, step) != DateJobs::SpanError::none)
            return "\"" + value + "\" is no span for --step (for example 1d, 2w, 1m, 1y2m)";
        o.step = step;
    } else if (name == "--only" || name == "--weekend") {
        DateJobs::WeekdaySet set = 0;
        if (DateJobs::ParseWeekdays(value, set) != DateJobs::WeekdayError::none)
            return WeekdayListError(name, value);
        (name == "--only" ? o.only : o.weekend) = set;
    } else if (name == "--holidays") {
        o.holidaysPath = value;
    } else if (name == "--format") {
        o.format = value;
    } else {
        if (value != "gregorian" && value != "julian")
            return "unknown rule \"" + value + "\" (gregorian, julian)";
        o.julianEaster = value == "julian";
    }
    return std::nullopt;
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
    if (name == "--step" || name == "--only" || name == "--weekend" || name == "--holidays" ||
        name == "--format" || name == "--rule")
        return TakeJobValue(name, value, o);
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

// The usage error of a date job's option given to a command that has no use for it.
std::optional<std::string> CheckJobOptions(const Options& o) {
    const bool seq = o.command == Command::Seq;
    const bool sumOrDifference = o.command == Command::Add || o.command == Command::Diff;
    if (!seq && (o.step.units != DateJobs::kUnitDays || o.step.days != 1 ||
                 o.only != DateJobs::kAllWeekdays))
        return std::string("--step and --only are for seq");
    if (!sumOrDifference &&
        (o.workdays || o.weekend != DateJobs::kSaturdaySunday || !o.holidaysPath.empty()))
        return std::string("--workdays, --weekend and --holidays are for add and diff");
    if (!o.workdays && (o.weekend != DateJobs::kSaturdaySunday || !o.holidaysPath.empty()))
        return std::string("--weekend and --holidays go with --workdays");
    if (o.format && o.command == Command::Diff)
        return std::string("--format is for the commands that write dates");
    if (o.julianEaster && o.command != Command::Easter) return std::string("--rule is for easter");
    if (seq && DateJobs::CheckStep(o.step, SpanLetter(o.fromKind) == 0) ==
                   DateJobs::StepError::calendarNeeded)
        return std::string("--step: years and months need a calendar date (ce, jc, an)");
    if (seq && DateJobs::CheckStep(o.step, false) != DateJobs::StepError::none)
        return std::string("a step of seq moves one way: no zero, no mixed signs");
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
    case Command::Seq:
        if (operands != 0 && operands != 2) return std::string("seq takes two dates");
        break;
    case Command::Easter:
        if (operands > 1) return std::string("easter takes one year");
        break;
    }
    return CheckJobOptions(o);
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
    // Numbers for scripts stay bare unless the command line asks for marks; seq and easter
    // write values only.
    const bool values =
        o.value || o.json || o.command == Command::Seq || o.command == Command::Easter;
    o.outputThousands = values && !arguments.given.thousands ? "" : o.thousands;
}

const char* UsageText() {
    return "usage: orv [convert] [DATE] [--from KIND] [--to KIND]\n"
           "       orv add [DATE SPAN] [--workdays [--weekend DAYS] [--holidays FILE]]\n"
           "       orv diff [DATE1 DATE2] [--workdays [--weekend DAYS] [--holidays FILE]]\n"
           "       orv today [--to KIND]\n"
           "       orv seq [FROM TO] [--step SPAN] [--only DAYS]\n"
           "       orv easter [YEAR] [--rule gregorian|julian]\n"
           "options: --order ymd|dmy|mdy --sep -|.|/ --thousands ,|.|none --lang en|de|es\n"
           "         --format FORMAT --settings --lenient --value --json --help -h --version -V\n"
           "KIND: ce jc an jdn yyyyddd hebrew islamic persian coptic ethiopic indian french "
           "mayan isoweek.\n"
           "Without DATE a command reads one case a line from standard input (add: DATE TAB\n"
           "SPAN, diff and seq: DATE1 TAB DATE2, easter: YEAR).\n";
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
           "  today      today's date in the --to calendar, as the Today button writes it\n"
           "  seq        every date from FROM to TO (both --from), one a line, in --to\n"
           "  easter     Easter Sunday of YEAR, Gregorian computus or --rule julian, in --to\n\n"
           "SPAN: years, months, weeks and days, each part with its own sign, each unit once:\n"
           "30, -2w, 1y2m, +3m-1d. Years and months are of the --from calendar (not for jdn,\n"
           "yyyyddd, isoweek); the day is clamped to the month reached (2000-01-31 plus 1m is\n"
           "2000-02-29), then weeks and days are added.\n"
           "DAYS: weekdays mon,tue,wed,thu,fri,sat,sun. --workdays counts (diff) or steps (add)\n"
           "working days: not --weekend (default sat,sun), not in --holidays FILE (one date a\n"
           "line in --from; blank lines and lines starting with # are skipped).\n"
           "FORMAT: %Y %m %d %j %A %B %u %G %V %J %K %n %% (see orv(1)).\n\n"
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
