// One case of orv through Compute::Run, and a run over the arguments or a batch.
#include "cli/OrvCommand.h"

#include <array>
#include <charconv>

#include "app/DateWindowOps.h"
#include "app/WindowTexts.h"
#include "calendar/DatePr2.h"
#include "cli/Json.h"
#include "lang/GEN_TEXT.h"
#include "text/StrProc.h"

namespace Cli {

namespace {

// Compute's message as the row of WindowTexts' table: the one place that knows its type.
int MessageNumber(WindowTexts::ComputeMessage message) {
    return message;
}

// The texts of the problems that only a command line meets, in English, German and
// Spanish; the other language slots read the English ones.
const char* ProblemText(Problem problem) {
    static constexpr std::array<std::array<const char*, 3>, 4> texts{{
        {"Line is longer than 4096 bytes.", "Zeile ist länger als 4096 Bytes.",
         "La línea tiene más de 4096 bytes."},
        {"Line holds a control character.", "Zeile enthält ein Steuerzeichen.",
         "La línea contiene un carácter de control."},
        {"Line is not valid UTF-8.", "Zeile ist kein gültiges UTF-8.",
         "La línea no es UTF-8 válido."},
        {"Line does not hold the fields of the command, separated by one TAB.",
         "Zeile enthält nicht die Felder des Befehls, durch ein TAB getrennt.",
         "La línea no contiene los campos del comando, separados por un TAB."},
    }};
    const std::size_t slot = GEN_TEXT::currentLanguage == GEN_TEXT::langGerman    ? 1
                             : GEN_TEXT::currentLanguage == GEN_TEXT::langSpanish ? 2
                                                                                  : 0;
    return texts[static_cast<std::size_t>(problem) - 1][slot];
}

const char* ProblemName(Problem problem) {
    switch (problem) {
    case Problem::LineTooLong:
        return "line-too-long";
    case Problem::ControlCharacter:
        return "control-character";
    case Problem::InvalidUtf8:
        return "invalid-utf-8";
    case Problem::FieldCount:
        return "field-count";
    case Problem::None:
        break;
    }
    return "";
}

const char* CommandName(Command command) {
    switch (command) {
    case Command::Add:
        return "add";
    case Command::Diff:
        return "diff";
    case Command::Today:
        return "today";
    case Command::Convert:
        break;
    }
    return "convert";
}

// Any byte below 0x20 or DEL: no window can hold one, and the lenient parsers would drop it.
bool HasControlCharacter(std::string_view text) {
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F) return true;
    }
    return false;
}

Problem CheckField(std::string_view text) {
    if (text.size() > BatchReader::defaultLineLimit) return Problem::LineTooLong;
    if (HasControlCharacter(text)) return Problem::ControlCharacter;
    if (!Json::IsValidUtf8(text)) return Problem::InvalidUtf8;
    return Problem::None;
}

void AppendNumber(std::string& out, int64_t value) {
    std::array<char, 24> digits{};
    const auto [end, error] = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    out.append(digits.data(), end);
}

void AppendKey(std::string& out, std::string_view key) {
    out += ',';
    Json::AppendString(out, key);
    out += ':';
}

// The day number and weekday of a date window's canonical text, as Compute would read it.
void AppendDate(std::string& out, std::string_view key, const std::string& text, int16_t kind,
                const Options& o) {
    DateRecord rec{};
    if (text.empty() || StrProc::ParseDate(text, o.separator, kind, o.order, rec) != 1) return;
    AppendKey(out, key);
    out += "{\"text\":";
    Json::AppendString(out, text);
    out += ",\"jdn\":";
    AppendNumber(out, rec.jdn);
    std::string weekday;
    if (kind == DatePr2::AN) {
        DateRecord an{};
        an.jdn = rec.jdn;
        weekday =
            DatePr2::annusNovusDayName[static_cast<std::size_t>(DatePr2::JDNToAnnusNovusDate(an))];
    } else {
        weekday = GEN_TEXT::DayName(DatePr2::EuroDayOfWeek(rec.jdn));
    }
    AppendKey(out, "weekday");
    Json::AppendString(out, weekday);
    out += '}';
}

} // namespace

CaseRunner::CaseRunner(const Options& options) : options_(options) {
    input_.firstKind = options.fromKind;
    input_.secondKind = options.toKind;
    input_.order = options.order;
    input_.separator = options.separator;
    input_.thousands = options.thousands;
}

const CaseResult& CaseRunner::Fail(Problem problem) {
    result_.problem = problem;
    result_.message = WindowTexts::noMessage;
    result_.line.clear();
    result_.value.clear();
    return result_;
}

// A conversion whose value alone is asked for takes the window's own conversion of a date
// window's text into another calendar, which yields the text Compute writes into the second
// window without building the result line. Anything else goes to Compute.
bool CaseRunner::ConvertValueOnly(std::string_view date) {
    if (options_.fromKind == options_.toKind) return false;
    input_.firstDate.assign(StrProc::TrimBlanks(date));
    const DateWindowOps::Format format{options_.order, options_.separator, options_.thousands};
    if (!DateWindowOps::ConvertDateText(input_.firstDate, options_.fromKind, options_.toKind,
                                        format, converted_))
        return false;
    result_.problem = Problem::None;
    result_.message = WindowTexts::noMessage;
    result_.line.clear();
    result_.value.swap(converted_);
    return true;
}

const CaseResult& CaseRunner::Run(std::string_view first, std::string_view second) {
    const Command command = options_.command;
    if (const Problem p = CheckField(first); p != Problem::None) return Fail(p);
    if (command != Command::Convert)
        if (const Problem p = CheckField(second); p != Problem::None) return Fail(p);
    if (command == Command::Convert && options_.value && ConvertValueOnly(first)) return result_;

    result_.problem = Problem::None;
    result_.line.clear();
    result_.value.clear();
    // An empty field is refused as Compute refuses that window, since Compute itself would
    // read an empty date as today and an empty count as a conversion.
    const bool firstAnnusNovus = options_.fromKind == DatePr2::AN;
    const bool secondAnnusNovus = options_.toKind == DatePr2::AN;
    if (StrProc::TrimBlanks(first).empty()) {
        result_.message = firstAnnusNovus ? WindowTexts::msgFirstDateInvalidAnnusNovus
                                          : WindowTexts::msgFirstDateInvalid;
        return result_;
    }
    if (command != Command::Convert && StrProc::TrimBlanks(second).empty()) {
        result_.message = command == Command::Add ? WindowTexts::msgDifferenceInvalid
                          : secondAnnusNovus      ? WindowTexts::msgSecondDateInvalidAnnusNovus
                                                  : WindowTexts::msgSecondDateInvalid;
        return result_;
    }

    input_.firstDate.assign(first);
    input_.secondDate.clear();
    input_.dateDiff.clear();
    if (command == Command::Add) input_.dateDiff.assign(second);
    if (command == Command::Diff) input_.secondDate.assign(second);
    // Never asked: orv fills at most two of the three windows. Were it asked, clearing the
    // difference is what a command that names its operation means.
    result_.out = Compute::Run(input_, [] { return MessageBoxes::Answer::Yes; });
    const Compute::Output& out = result_.out;
    result_.message = MessageNumber(out.message);
    if (result_.message >= 0) return result_;

    result_.line = out.appended;
    if (result_.line.size() >= 2 && result_.line.ends_with("\r\n"))
        result_.line.resize(result_.line.size() - 2);
    switch (command) {
    case Command::Diff:
        result_.value = out.dateDiff;
        break;
    default:
        // The same calendar on both sides leaves the second window alone: the value is the
        // first date in its canonical form.
        result_.value = out.secondDate.empty() ? out.firstDate : out.secondDate;
        break;
    }
    return result_;
}

std::string CaseRunner::ErrorText() const {
    if (result_.problem != Problem::None) return ProblemText(result_.problem);
    return WindowTexts::ComputeErrorInCurrentLanguage(result_.message);
}

void CaseRunner::AppendJson(std::string& out, uint64_t lineNumber, std::string_view first,
                            std::string_view second) const {
    const Command command = options_.command;
    out += "{\"command\":";
    Json::AppendString(out, CommandName(command));
    if (lineNumber > 0) {
        AppendKey(out, "line");
        AppendNumber(out, static_cast<int64_t>(lineNumber));
    }
    AppendKey(out, "input");
    out += '[';
    Json::AppendString(out, first);
    if (command != Command::Convert) {
        out += ',';
        Json::AppendString(out, second);
    }
    out += ']';
    AppendKey(out, "from");
    Json::AppendString(out, KindName(options_.fromKind));
    AppendKey(out, "to");
    Json::AppendString(out, KindName(options_.toKind));
    if (result_.Failed()) {
        AppendKey(out, "error");
        Json::AppendString(out, ErrorText());
        if (result_.problem != Problem::None) {
            AppendKey(out, "problem");
            Json::AppendString(out, ProblemName(result_.problem));
        } else {
            AppendKey(out, "message");
            AppendNumber(out, result_.message);
        }
        out += '}';
        return;
    }
    const Compute::Output& o = result_.out;
    AppendDate(out, "first", o.firstDate, options_.fromKind, options_);
    AppendDate(out, "second", o.secondDate, options_.toKind, options_);
    if (command != Command::Convert) {
        int16_t status = 0;
        const int32_t days = StrProc::ParseWholeNumber(o.dateDiff, status);
        AppendKey(out, "days");
        AppendNumber(out, days);
    }
    // The breakdown is the bracket behind the day count, after the last " = ".
    const std::string& line = result_.line;
    if (command == Command::Diff && line.ends_with(')')) {
        const auto equals = line.rfind(" = ");
        const auto open = line.find(" (", equals == std::string::npos ? 0 : equals);
        if (open != std::string::npos) {
            AppendKey(out, "breakdown");
            Json::AppendString(out,
                               std::string_view(line).substr(open + 2, line.size() - open - 3));
        }
    }
    AppendKey(out, "result");
    Json::AppendString(out, line);
    AppendKey(out, "value");
    Json::AppendString(out, result_.value);
    out += '}';
}

namespace {

// Output collected in one buffer and handed on in large pieces (or by the line for a
// terminal).
class Writer {
  public:
    explicit Writer(Streams& streams) : streams_(streams) { buffer_.reserve(capacity + 4096); }
    ~Writer() { Flush(); }
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;
    std::string& Buffer() { return buffer_; }
    void EndLine() {
        buffer_ += '\n';
        if (streams_.flushEachLine || buffer_.size() >= capacity) Flush();
    }
    void Flush() {
        if (buffer_.empty()) return;
        streams_.writeOutput(buffer_);
        buffer_.clear();
    }

  private:
    static constexpr std::size_t capacity = std::size_t{1} << 16;
    Streams& streams_;
    std::string buffer_;
};

void WriteResult(const Options& o, const CaseRunner& runner, const CaseResult& result,
                 Writer& writer, uint64_t lineNumber, std::string_view first,
                 std::string_view second) {
    std::string& buffer = writer.Buffer();
    if (o.json)
        runner.AppendJson(buffer, lineNumber, first, second);
    else if (!result.Failed())
        buffer += o.value ? result.value : result.line;
    writer.EndLine();
}

void ReportError(Streams& streams, const CaseRunner& runner, uint64_t lineNumber) {
    std::string text = "orv: ";
    if (lineNumber > 0) text += "line " + std::to_string(lineNumber) + ": ";
    text += runner.ErrorText();
    text += '\n';
    streams.writeError(text);
}

int RunToday(const Options& o, Streams& streams) {
    const DateWindowOps::Format format{o.order, o.separator, o.thousands};
    const std::string text = DateWindowOps::DateTextFromToday(0, o.toKind, format);
    Writer writer(streams);
    std::string& buffer = writer.Buffer();
    if (o.json) {
        buffer += "{\"command\":\"today\"";
        AppendKey(buffer, "to");
        Json::AppendString(buffer, KindName(o.toKind));
        AppendDate(buffer, "today", text, o.toKind, o);
        AppendKey(buffer, "value");
        Json::AppendString(buffer, text);
        buffer += '}';
    } else {
        buffer += text;
    }
    writer.EndLine();
    return exitSuccess;
}

int RunBatch(const Options& o, Streams& streams) {
    CaseRunner runner(o);
    Writer writer(streams);
    BatchReader reader(streams.readInput);
    const std::size_t fields = o.command == Command::Convert ? 1 : 2;
    bool failed = false;
    std::string_view line;
    for (;;) {
        const BatchReader::Status status = reader.Next(line);
        if (status == BatchReader::Status::End) break;
        std::string_view first = line;
        std::string_view second;
        const CaseResult* result = nullptr;
        if (status == BatchReader::Status::TooLong) {
            result = &runner.Fail(Problem::LineTooLong);
        } else {
            const auto tab = line.find('\t');
            if (tab != std::string_view::npos) {
                first = line.substr(0, tab);
                second = line.substr(tab + 1);
            }
            const bool fieldsOk = fields == 1 ? tab == std::string_view::npos
                                              : tab != std::string_view::npos &&
                                                    second.find('\t') == std::string_view::npos;
            result = fieldsOk ? &runner.Run(first, second) : &runner.Fail(Problem::FieldCount);
        }
        if (result->Failed()) {
            failed = true;
            ReportError(streams, runner, reader.LineNumber());
        }
        WriteResult(o, runner, *result, writer, reader.LineNumber(), first, second);
    }
    return failed ? exitFailedInput : exitSuccess;
}

} // namespace

int Main(const std::vector<std::string>& args, Streams& streams, const std::string& settingsPath) {
    Arguments arguments = ParseArguments(args);
    switch (arguments.action) {
    case Arguments::Action::Help:
        streams.writeOutput(HelpText());
        return exitSuccess;
    case Arguments::Action::Version:
        streams.writeOutput(VersionText());
        return exitSuccess;
    case Arguments::Action::Usage:
        streams.writeError("orv: " + arguments.error + "\n" + UsageText());
        return exitUsage;
    case Arguments::Action::Run:
        break;
    }
    if (arguments.useSettings && !ApplySettings(arguments, settingsPath))
        streams.writeError("orv: no readable settings file at '" + settingsPath +
                           "': using the defaults\n");
    const Options& o = arguments.options;
    GEN_TEXT::currentLanguage = o.language;
    if (o.command == Command::Today) return RunToday(o, streams);
    if (o.operands.empty()) return RunBatch(o, streams);

    CaseRunner runner(o);
    const std::string_view first = o.operands[0];
    const std::string_view second = o.operands.size() > 1 ? o.operands[1] : std::string_view{};
    const CaseResult& result = runner.Run(first, second);
    if (result.Failed()) ReportError(streams, runner, 0);
    Writer writer(streams);
    WriteResult(o, runner, result, writer, 0, first, second);
    return result.Failed() ? exitFailedInput : exitSuccess;
}

} // namespace Cli
