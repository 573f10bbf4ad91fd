// One case of orv through Compute::Run, and a run over the arguments or a batch.
#include "cli/OrvCommand.h"

#include <array>
#include <charconv>
#include <optional>

#include "app/DateWindowOps.h"
#include "app/WindowTexts.h"
#include "calendar/DatePr2.h"
#include "cli/Json.h"
#include "lang/GEN_TEXT.h"
#include "text/StrProc.h"

namespace Cli {

namespace {

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

// A date of the result: its text, day number and weekday.
void AppendDate(std::string& out, std::string_view key,
                const std::optional<Compute::DateFacts>& date) {
    if (!date) return;
    AppendKey(out, key);
    out += "{\"text\":";
    Json::AppendString(out, date->text);
    out += ",\"jdn\":";
    AppendNumber(out, date->jdn);
    AppendKey(out, "weekday");
    Json::AppendString(out, date->weekday);
    out += '}';
}

std::string_view NameOf(DatePr2::Kind kind) {
    return DatePr2::FactsOf(kind).name;
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

const CaseResult& CaseRunner::Refuse(WindowTexts::ComputeMessage message) {
    result_.problem = Problem::None;
    result_.message = message;
    return result_;
}

const CaseResult& CaseRunner::Run(std::string_view first, std::string_view second) {
    using DateWindowOps::Side;
    const Command command = options_.command;
    if (const Problem p = CheckField(first); p != Problem::None) return Fail(p);
    if (command != Command::Convert)
        if (const Problem p = CheckField(second); p != Problem::None) return Fail(p);

    result_.problem = Problem::None;
    result_.line.clear();
    result_.value.clear();
    // An empty field is refused as Compute refuses that window, since Compute itself would
    // read an empty date as today and an empty count as a conversion.
    if (StrProc::TrimBlanks(first).empty())
        return Refuse(DateWindowOps::RefusalMessage(Side::First, 0, options_.fromKind));
    if (command != Command::Convert && StrProc::TrimBlanks(second).empty())
        return Refuse(command == Command::Add
                          ? WindowTexts::msgDifferenceInvalid
                          : DateWindowOps::RefusalMessage(Side::Second, 0, options_.toKind));

    input_.firstDate.assign(first);
    input_.secondDate.clear();
    input_.dateDiff.clear();
    if (command == Command::Add) input_.dateDiff.assign(second);
    if (command == Command::Diff) input_.secondDate.assign(second);
    // Never asked: orv fills at most two of the three windows. Were it asked, clearing the
    // difference is what a command that names its operation means.
    result_.out = Compute::Run(input_, [] { return MessageBoxes::Answer::Yes; });
    const Compute::Output& out = result_.out;
    result_.message = out.message;
    if (result_.Failed()) return result_;

    result_.line = out.appended;
    if (result_.line.ends_with("\r\n")) result_.line.resize(result_.line.size() - 2);
    if (command == Command::Diff)
        result_.value = out.dateDiff;
    else
        // The same calendar on both sides leaves the second window alone: the value is the
        // first date in its canonical form.
        result_.value = (out.second ? out.second : out.first)->text;
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
    Json::AppendString(out, NameOf(options_.fromKind));
    AppendKey(out, "to");
    Json::AppendString(out, NameOf(options_.toKind));
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
    AppendDate(out, "first", o.first);
    AppendDate(out, "second", o.second);
    if (o.days) {
        AppendKey(out, "days");
        AppendNumber(out, *o.days);
    }
    if (o.breakdown) {
        AppendKey(out, "breakdown");
        Json::AppendString(out, Compute::BreakdownText(*o.breakdown));
    }
    const std::string& line = result_.line;
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
    const DatePr2::LocalNow now = DatePr2::Now();
    const std::string text = DateWindowOps::DateTextFromToday(0, o.toKind, format, now);
    Writer writer(streams);
    std::string& buffer = writer.Buffer();
    if (o.json) {
        buffer += "{\"command\":\"today\"";
        AppendKey(buffer, "to");
        Json::AppendString(buffer, NameOf(o.toKind));
        const int32_t jdn = DatePr2::TodaysJDN(now);
        // A yyyyddd text beyond year 9999 is no date that can be read back.
        if (DatePr2::FactsOf(o.toKind).form != DatePr2::Form::YearDay ||
            !DatePr2::YyyydddText(jdn).empty())
            AppendDate(
                buffer, "today",
                Compute::DateFacts{text, jdn, o.toKind, DateWindowOps::WeekdayName(jdn, o.toKind)});
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
