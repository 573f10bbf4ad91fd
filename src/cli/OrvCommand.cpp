// One case of orv through Compute::Run, and a run over the arguments or a batch.
#include "cli/OrvCommand.h"

#include <array>
#include <cstring>
#include <optional>

#include "app/DateWindowOps.h"
#include "app/WindowTexts.h"
#include "calendar/DatePr2.h"
#include "cli/Json.h"
#include "lang/GEN_TEXT.h"
#include "text/StrProc.h"

namespace Cli {

using namespace std::string_view_literals;

namespace {

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
    case Command::Seq:
        return "seq";
    case Command::Easter:
        return "easter";
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
    if (Json::IsPrintableAscii(text)) return Problem::None;
    if (HasControlCharacter(text)) return Problem::ControlCharacter;
    if (!Json::IsValidUtf8(text)) return Problem::InvalidUtf8;
    return Problem::None;
}

constexpr std::size_t mostNumberBytes = StrProc::mostDecimalBytes;

void AppendNumber(std::string& out, int64_t value) {
    std::array<char, mostNumberBytes> digits{};
    const char* const end = StrProc::WriteDecimal(digits.data(), value);
    out.append(digits.data(), static_cast<std::size_t>(end - digits.data()));
}

} // namespace

// A JSON object written into scratch, a buffer the caller keeps, and appended to out at the
// end: with room for the most bytes it can take made first, each piece is a plain copy, and
// only the bytes written are copied again (the room is made once, not on every line).
class Sink {
  public:
    Sink(std::string& out, std::string& scratch, std::size_t most) : out_(out), scratch_(scratch) {
        if (scratch.size() < most) scratch.resize(most);
        at_ = scratch.data();
    }
    Sink(const Sink&) = delete;
    Sink& operator=(const Sink&) = delete;
    ~Sink() { out_.append(scratch_.data(), static_cast<std::size_t>(at_ - scratch_.data())); }
    void Put(std::string_view piece) {
        std::memcpy(at_, piece.data(), piece.size());
        at_ += piece.size();
    }
    void Put(char c) { *at_++ = c; }
    void Number(int64_t value) { at_ = StrProc::WriteDecimal(at_, value); }
    void String(std::string_view text) { at_ = Json::WriteString(at_, text); }

  private:
    std::string& out_;
    std::string& scratch_;
    char* at_;
};

namespace {

// orv's own words (keys, command and kind names) need no escaping.
void AppendWord(std::string& out, std::string_view word) {
    std::array<char, 32> piece{'"'};
    if (word.size() + 2 > piece.size()) {
        out += '"';
        out += word;
        out += '"';
        return;
    }
    word.copy(piece.data() + 1, word.size());
    piece[word.size() + 1] = '"';
    out.append(piece.data(), word.size() + 2);
}

// A key goes in as one piece: a JSON line holds a dozen of them.
void AppendKey(std::string& out, std::string_view key) {
    std::array<char, 32> piece{',', '"'};
    if (key.size() + 4 > piece.size()) {
        out += ',';
        AppendWord(out, key);
        out += ':';
        return;
    }
    key.copy(piece.data() + 2, key.size());
    piece[key.size() + 2] = '"';
    piece[key.size() + 3] = ':';
    out.append(piece.data(), key.size() + 4);
}

// The numbers of a date in its own notation, as Compute wrote its text: year, month and day
// of a calendar date, year and day of the year of yyyyddd, year and week of a week date, the
// five places and the sign of a Long Count.
void WriteNotationFields(Sink& out, const Compute::DateFacts& date) {
    const DatePr2::KindFacts& facts = DatePr2::FactsOf(date.kind);
    if (facts.form == DatePr2::Form::LongCount) {
        LongCount count{};
        mibrexw_jdn_to_long_count(date.jdn, &count);
        out.Put(",\"longCount\":["sv);
        for (std::size_t i = 0; i < 5; ++i) {
            if (i > 0) out.Put(',');
            out.Number(count.place[i]);
        }
        out.Put(count.negative != 0 ? "],\"negative\":true"sv : "],\"negative\":false"sv);
        return;
    }
    if (facts.form == DatePr2::Form::DayNumber) return;
    out.Put(",\"year\":"sv);
    out.Number(date.year);
    if (facts.form == DatePr2::Form::YearDay) {
        DateRecord newYear{date.year, 1, 1, facts.letter, 0, 0};
        out.Put(",\"day\":"sv);
        out.Number(int64_t{date.jdn} - euro_date_to_jdn(&newYear) + 1);
        return;
    }
    // A week date's "month" is its week; its day is the ISO weekday already given.
    if (facts.form == DatePr2::Form::WeekDate) {
        out.Put(",\"week\":"sv);
        out.Number(date.month);
        return;
    }
    out.Put(",\"month\":"sv);
    out.Number(date.month);
    out.Put(",\"day\":"sv);
    out.Number(date.day);
}

// The most bytes WriteDate writes for date: its two texts and room enough for the keys and
// the numbers (the five places of a Long Count the most of them).
std::size_t MostDateBytes(const std::optional<Compute::DateFacts>& date) {
    if (!date) return 0;
    return Json::MostStringBytes(date->text.size()) + Json::MostStringBytes(date->weekday.size()) +
           128 + 8 * mostNumberBytes;
}

// A date of the result: its text, day number and weekday, in words and as the ISO number of
// the seven-day week (1 Monday .. 7 Sunday) for every kind. opening: its key up to the text's
// value, as ,"first":{"text": (the fixed pieces go in whole).
void WriteDate(Sink& out, std::string_view opening, const std::optional<Compute::DateFacts>& date) {
    if (!date) return;
    out.Put(opening);
    out.String(date->text);
    out.Put(",\"jdn\":"sv);
    out.Number(date->jdn);
    out.Put(",\"weekday\":"sv);
    out.String(date->weekday);
    out.Put(",\"isoWeekday\":"sv);
    out.Number(date->isoWeekday);
    WriteNotationFields(out, *date);
    out.Put('}');
}

std::string_view NameOf(DatePr2::Kind kind) {
    return DatePr2::FactsOf(kind).name;
}

const char* RefusalName(StrictRead::Refusal refusal) {
    switch (refusal) {
    case StrictRead::Refusal::NoSuchMonth:
        return "no-such-month";
    case StrictRead::Refusal::NoSuchDay:
        return "no-such-day";
    case StrictRead::Refusal::NoSuchYear:
        return "no-such-year";
    case StrictRead::Refusal::NoSuchPlace:
        return "no-such-place";
    case StrictRead::Refusal::OutOfRange:
        return "out-of-range";
    default:
        return "not-in-notation";
    }
}

} // namespace

CaseRunner::CaseRunner(const Options& options)
    : options_(options), work_(options.weekend, options.holidays) {
    input_.firstKind = options.fromKind;
    input_.secondKind = options.toKind;
    input_.order = options.order;
    input_.separator = options.separator;
    input_.thousands = options.outputThousands;
    input_.factsOnly = options.value && !options.json;
    notation_.order = options.order;
    notation_.separator = options.separator.empty() ? '-' : options.separator[0];
    notation_.thousands = options.thousands.empty() ? '\0' : options.thousands[0];
    jsonCommand_ = std::string("{\"command\":\"") + CommandName(options.command) + '"';
    jsonKinds_ = std::string("],\"from\":\"") + std::string(NameOf(options.fromKind)) +
                 "\",\"to\":\"" + std::string(NameOf(options.toKind)) + '"';
}

const CaseResult& CaseRunner::Fail(Problem problem) {
    result_.problem = problem;
    result_.jobError.clear();
    result_.message = WindowTexts::noMessage;
    result_.refusedField = 0;
    result_.line.clear();
    result_.value.clear();
    return result_;
}

std::optional<DatePr2::Kind> CaseRunner::KindOfField(int which) const {
    if (which == 1) return options_.fromKind;
    if (options_.command == Command::Add) return std::nullopt;
    return options_.toKind;
}

StrictRead::Field CaseRunner::ReadStrictly(int which, std::string_view field) {
    const std::optional<DatePr2::Kind> kind = KindOfField(which);
    if (!kind) return StrictRead::ReadWholeNumber(field, notation_.thousands);
    notation_.kind = *kind;
    return StrictRead::ReadDate(field, notation_);
}

bool CaseRunner::Refuse(int which, std::string_view field, const StrictRead::Field& refusal) {
    result_.refusedField = which;
    result_.refusedText.assign(StrProc::TrimBlanks(field));
    result_.refusal = refusal;
    result_.message = WindowTexts::noMessage;
    result_.line.clear();
    result_.value.clear();
    return false;
}

bool CaseRunner::ReadField(int which, std::string_view field, std::string& text) {
    const StrictRead::Field read = ReadStrictly(which, field);
    if (read.fromClock) {
        // Written without marks, so that the reader takes it back whatever the options.
        const DateWindowOps::Format plain{options_.order, options_.separator, ""};
        text = DateWindowOps::DateTextFromToday(read.clockOffset, *KindOfField(which), plain);
        return true;
    }
    // The forgiving reader still refuses an empty field: Compute would read it as today.
    if (!read.Accepted() && (!options_.lenient || StrProc::TrimBlanks(field).empty()))
        return Refuse(which, field, read);
    text.assign(field);
    // Compute takes the day read rather than reading the text again; a count is read there.
    if (read.Accepted() && KindOfField(which))
        (which == 1 ? input_.firstDay : input_.secondDay) = read.value;
    return true;
}

// With the forgiving reader, Compute's refusal of a field is told as the strict reader tells
// it, naming the text rather than a window.
void CaseRunner::NameRefusedField(std::string_view first, std::string_view second) {
    const int message = result_.message;
    const bool firstField = message == WindowTexts::msgFirstDateInvalid ||
                            message == WindowTexts::msgFirstDateInvalidAnnusNovus ||
                            message == WindowTexts::msgFirstDateOutOfRange;
    if (!firstField && (message == WindowTexts::msgResultOutOfRange ||
                        message == WindowTexts::msgDifferenceWithBothDates))
        return;
    const int which = firstField ? 1 : 2;
    const std::string_view field = firstField ? first : second;
    const StrictRead::Field read = ReadStrictly(which, field);
    if (!read.Accepted()) Refuse(which, field, read);
}

const CaseResult& CaseRunner::Run(std::string_view first, std::string_view second) {
    const Command command = options_.command;
    if (const Problem p = CheckField(first); p != Problem::None) return Fail(p);
    if (command != Command::Convert)
        if (const Problem p = CheckField(second); p != Problem::None) return Fail(p);
    result_.problem = Problem::None;
    result_.message = WindowTexts::noMessage;
    result_.refusedField = 0;
    result_.jobError.clear();
    result_.workdays.reset();
    input_.secondDate.clear();
    input_.dateDiff.clear();
    input_.firstDay.reset();
    input_.secondDay.reset();
    if (!ReadField(1, first, input_.firstDate)) return result_;
    if (command == Command::Add && !ReadSum(second)) return result_;
    if (command == Command::Diff && !ReadField(2, second, input_.secondDate)) return result_;

    result_.line.clear();
    result_.value.clear();
    // Never asked: orv fills at most two of the three windows. Were it asked, clearing the
    // difference is what a command that names its operation means.
    static const Compute::AskClearDifference clear = [] { return MessageBoxes::Answer::Yes; };
    Compute::Run(input_, clear, result_.out);
    const Compute::Output& out = result_.out;
    result_.message = out.message;
    if (result_.Failed()) {
        NameRefusedField(first, second);
        return result_;
    }

    result_.line.swap(result_.out.appended); // the line is read from here on
    if (result_.line.ends_with("\r\n")) result_.line.resize(result_.line.size() - 2);
    if (command == Command::Diff && options_.workdays) {
        result_.workdays = work_.Count(out.first->jdn, out.second->jdn);
        result_.value = std::to_string(*result_.workdays);
        result_.line =
            result_.value + " " + JobText(JobMessage::WorkingDays, {}, options_.language);
    } else if (command == Command::Diff)
        result_.value = out.dateDiff;
    else
        // The same calendar on both sides leaves the second window alone: the value is the
        // first date in its canonical form.
        result_.value = (out.second ? out.second : out.first)->text;
    return result_;
}

bool CaseRunner::RefuseJob(std::string text, WindowTexts::ComputeMessage message) {
    result_.jobError = std::move(text);
    result_.message = message;
    result_.line.clear();
    result_.value.clear();
    return false;
}

bool CaseRunner::ReadSum(std::string_view field) {
    const StrictRead::Field count = StrictRead::ReadWholeNumber(field, notation_.thousands);
    const bool unit = StrProc::TrimBlanks(field).find_first_of("ymwd") != std::string_view::npos;
    // The forgiving reader keeps the window's day counts: 2w reads as 2 there.
    if (!options_.workdays && (count.Accepted() || !unit || options_.lenient))
        return ReadField(2, field, input_.dateDiff);
    if (options_.workdays && !count.Accepted()) return Refuse(2, field, count);
    DateRecord first{};
    // A first date refused here is left for Compute to report.
    if (StrProc::ParseDate(input_.firstDate, options_.separator, options_.fromKind, options_.order,
                           first) != StrProc::statusRead) {
        input_.dateDiff = "0";
        return true;
    }
    int32_t reached = 0;
    if (options_.workdays) {
        if (!work_.Offset(first.jdn, count.value, reached))
            return RefuseJob({}, WindowTexts::msgResultOutOfRange);
    } else {
        DateJobs::Span span;
        const std::string_view text = StrProc::TrimBlanks(field);
        if (DateJobs::ParseSpan(text, span) != DateJobs::SpanError::none)
            return RefuseJob(JobText(JobMessage::NotSpan, text, options_.language),
                             WindowTexts::noMessage);
        const int32_t letter = SpanLetter(options_.fromKind);
        const DateJobs::AddStatus status =
            letter == 0 ? DateJobs::AddSpanToDayNumber(first.jdn, span, reached)
                        : DateJobs::AddSpan(letter, first.jdn, span, reached);
        if (status == DateJobs::AddStatus::calendarNeeded)
            return RefuseJob(JobText(JobMessage::CalendarNeeded, text, options_.language),
                             WindowTexts::noMessage);
        if (status != DateJobs::AddStatus::ok)
            return RefuseJob({}, WindowTexts::msgResultOutOfRange);
    }
    // The sum goes on as the days it spans, so that the line and JSON are those of a count.
    input_.dateDiff = std::to_string(int64_t{reached} - first.jdn);
    return true;
}

std::string CaseRunner::ErrorText() const {
    if (!result_.jobError.empty()) return result_.jobError;
    if (result_.problem != Problem::None)
        return ProblemText(result_.problem, options_.command, options_.language);
    if (result_.refusedField > 0)
        return RefusalText(result_.refusedText, KindOfField(result_.refusedField), notation_,
                           result_.refusal, options_.language);
    return WindowTexts::ComputeErrorInCurrentLanguage(result_.message);
}

void CaseRunner::AppendJsonError(std::string& out) const {
    AppendKey(out, "error");
    Json::AppendString(out, ErrorText());
    if (result_.problem != Problem::None) {
        AppendKey(out, "problem");
        Json::AppendString(out, ProblemName(result_.problem));
    } else if (!result_.jobError.empty()) {
        AppendKey(out, "problem");
        AppendWord(out, "not-in-notation");
        AppendKey(out, "field");
        AppendNumber(out, 2);
    } else if (result_.refusedField > 0) {
        AppendKey(out, "problem");
        Json::AppendString(out, RefusalName(result_.refusal.refusal));
        AppendKey(out, "field");
        AppendNumber(out, result_.refusedField);
    } else {
        AppendKey(out, "message");
        AppendNumber(out, result_.message);
    }
    out += '}';
}

void CaseRunner::AppendJson(std::string& out, uint64_t lineNumber, std::string_view first,
                            std::string_view second) {
    const Command command = options_.command;
    const Compute::Output& o = result_.out;
    std::string layoutText;
    if (!result_.Failed() && options_.layout)
        options_.layout->Write((o.second ? o.second : o.first)->jdn, layoutText);
    const std::string_view value = options_.layout ? layoutText : result_.value;
    // Keys, names and a dozen numbers take well under 512 bytes.
    std::size_t most = 512 + 12 * mostNumberBytes + Json::MostStringBytes(first.size()) +
                       Json::MostStringBytes(second.size());
    if (!result_.Failed())
        most += MostDateBytes(o.first) + MostDateBytes(o.second) +
                Json::MostStringBytes(result_.line.size()) + Json::MostStringBytes(value.size());
    {
        Sink sink(out, jsonScratch_, most);
        sink.Put(jsonCommand_);
        if (lineNumber > 0) {
            sink.Put(",\"line\":"sv);
            sink.Number(static_cast<int64_t>(lineNumber));
        }
        sink.Put(",\"input\":["sv);
        sink.String(first);
        if (command != Command::Convert) {
            sink.Put(',');
            sink.String(second);
        }
        sink.Put(jsonKinds_);
        if (!result_.Failed()) {
            WriteResultFields(sink, value);
            return;
        }
    }
    AppendJsonError(out);
}

void CaseRunner::WriteResultFields(Sink& out, std::string_view value) const {
    const Compute::Output& o = result_.out;
    WriteDate(out, ",\"first\":{\"text\":"sv, o.first);
    WriteDate(out, ",\"second\":{\"text\":"sv, o.second);
    if (o.days) {
        out.Put(",\"days\":"sv);
        out.Number(*o.days);
    }
    if (result_.workdays) {
        out.Put(",\"workdays\":"sv);
        out.Number(*result_.workdays);
    }
    if (o.breakdown) {
        out.Put(",\"breakdown\":{\"years\":"sv);
        out.Number(o.breakdown->years);
        out.Put(",\"months\":"sv);
        out.Number(o.breakdown->months);
        out.Put(",\"days\":"sv);
        out.Number(o.breakdown->days);
        out.Put('}');
    }
    out.Put(",\"result\":"sv);
    out.String(result_.line);
    out.Put(",\"value\":"sv);
    out.String(value);
    out.Put('}');
}

namespace {

bool WriteResult(const Options& o, CaseRunner& runner, const CaseResult& result, Writer& writer,
                 uint64_t lineNumber, std::string_view first, std::string_view second) {
    std::string& buffer = writer.Buffer();
    if (o.json)
        runner.AppendJson(buffer, lineNumber, first, second);
    else if (!result.Failed() && o.layout)
        o.layout->Write((result.out.second ? result.out.second : result.out.first)->jdn, buffer);
    else if (!result.Failed())
        buffer += o.value ? result.value : result.line;
    return writer.EndLine();
}

void ReportError(Streams& streams, const CaseRunner& runner, uint64_t lineNumber) {
    std::string text = "orv: ";
    if (lineNumber > 0) text += "line " + std::to_string(lineNumber) + ": ";
    text += runner.ErrorText();
    text += '\n';
    streams.writeError(text);
}

// Today as a date of a result, with the numbers its text is written from.
Compute::DateFacts TodaysFacts(const Options& o, const std::string& text, int32_t jdn) {
    DateRecord rec{};
    rec.jdn = jdn;
    std::string rewritten;
    DateWindowOps::AppendResultDate(rec, o.toKind, o.order, o.separator, "", rewritten);
    Compute::DateFacts facts;
    Compute::FillDateFacts(facts, text, rec, o.toKind, true);
    return facts;
}

int RunToday(const Options& o, Writer& writer) {
    const DateWindowOps::Format format{o.order, o.separator, o.outputThousands};
    const DatePr2::LocalNow now = DatePr2::Now();
    const std::string text = DateWindowOps::DateTextFromToday(0, o.toKind, format, now);
    std::string& buffer = writer.Buffer();
    if (o.json) {
        buffer += "{\"command\":\"today\"";
        AppendKey(buffer, "to");
        AppendWord(buffer, NameOf(o.toKind));
        const int32_t jdn = DatePr2::TodaysJDN(now);
        // A yyyyddd text beyond year 9999 is no date that can be read back.
        if (DatePr2::FactsOf(o.toKind).form != DatePr2::Form::YearDay ||
            !DatePr2::YyyydddText(jdn).empty()) {
            const std::optional<Compute::DateFacts> today = TodaysFacts(o, text, jdn);
            std::string scratch;
            Sink sink(buffer, scratch, 32 + MostDateBytes(today));
            WriteDate(sink, ",\"today\":{\"text\":"sv, today);
        }
        AppendKey(buffer, "value");
        Json::AppendString(buffer, text);
        buffer += '}';
    } else if (o.layout) {
        o.layout->Write(DatePr2::TodaysJDN(now), buffer);
    } else {
        buffer += text;
    }
    writer.EndLine();
    return writer.Finish(exitSuccess);
}

int RunBatch(const Options& o, Streams& streams, Writer& writer) {
    CaseRunner runner(o);
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
        if (!WriteResult(o, runner, *result, writer, reader.LineNumber(), first, second)) break;
    }
    return writer.Finish(failed ? exitFailedInput : exitSuccess);
}

} // namespace

int Main(const std::vector<std::string>& args, Streams& streams, const std::string& settingsPath) {
    Arguments arguments = ParseArguments(args);
    Writer writer(streams);
    switch (arguments.action) {
    case Arguments::Action::Help:
        writer.Buffer() += HelpText();
        return writer.Finish(exitSuccess);
    case Arguments::Action::Version:
        writer.Buffer() += VersionText();
        return writer.Finish(exitSuccess);
    case Arguments::Action::Usage:
        streams.writeError("orv: " + arguments.error + "\nTry \"orv --help\".\n");
        return exitUsage;
    case Arguments::Action::Run:
        break;
    }
    if (arguments.useSettings && !ApplySettings(arguments, settingsPath))
        streams.writeError("orv: no readable settings file at \"" + settingsPath +
                           "\": using the defaults\n");
    SettleOutputThousands(arguments);
    GEN_TEXT::currentLanguage = arguments.options.language;
    if (const int status = PrepareJobs(arguments.options, streams); status != exitSuccess)
        return status;
    const Options& o = arguments.options;
    if (o.command == Command::Today) return RunToday(o, writer);
    if (o.command == Command::Seq) return RunSeq(o, streams, writer);
    if (o.command == Command::Easter) return RunEaster(o, streams, writer);
    if (o.operands.empty()) return RunBatch(o, streams, writer);

    // One case from the arguments: a refusal has no line to keep aligned, so nothing is
    // written to standard output for it.
    CaseRunner runner(o);
    const std::string_view first = o.operands[0];
    const std::string_view second = o.operands.size() > 1 ? o.operands[1] : std::string_view{};
    const CaseResult& result = runner.Run(first, second);
    if (result.Failed()) {
        ReportError(streams, runner, 0);
        return writer.Finish(exitFailedInput);
    }
    WriteResult(o, runner, result, writer, 0, first, second);
    return writer.Finish(exitSuccess);
}

} // namespace Cli
