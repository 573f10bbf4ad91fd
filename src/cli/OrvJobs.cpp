// The date jobs of orv that are no Compute case: seq and easter, and what every job needs
// before its first case (the holidays file, the compiled --format).
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>

#include "app/DateWindowOps.h"
#include "calendar/DatePr2.h"
#include "calendar/DateSequence.h"
#include "calendar/Easter.h"
#include "cli/Holidays.h"
#include "cli/Json.h"
#include "cli/OrvCommand.h"
#include "lang/GEN_TEXT.h"
#include "lang/MonthNames.h"
#include "text/StrProc.h"

namespace Cli {

namespace {

StrictRead::Notation NotationOf(const Options& o, DatePr2::Kind kind) {
    StrictRead::Notation n;
    n.kind = kind;
    n.order = o.order;
    n.separator = o.separator.empty() ? '-' : o.separator[0];
    n.thousands = o.thousands.empty() ? '\0' : o.thousands[0];
    return n;
}

std::string FormatErrorText(DateJobs::FormatError error, const std::string& layout) {
    switch (error) {
    case DateJobs::FormatError::noMonthNames:
        return "--format \"" + layout + "\": %B: no month names";
    case DateJobs::FormatError::noWeekdayNames:
        return "--format \"" + layout + "\": %A: no weekday names";
    case DateJobs::FormatError::trailingPercent:
        return "--format \"" + layout + "\" ends with a lone %";
    default:
        return "--format \"" + layout + "\" has an unknown field (fields: %Y %m %d %j %A %B %u " +
               "%G %V %J %K %n %%)";
    }
}

// The layout compiled for the --to notation; false with the usage error.
bool CompileFormat(Options& o, std::string& error) {
    const DatePr2::KindFacts& facts = DatePr2::FactsOf(o.toKind);
    DateJobs::FormatNames names;
    // Day numbers, yyyyddd and week dates write the Gregorian year, month and day; the Long
    // Count has none, nor month names.
    const bool months = facts.form == DatePr2::Form::CalendarDate;
    names.letter = months ? facts.letter : DatePr2::letterGregorian;
    names.code = facts.code;
    if (facts.form != DatePr2::Form::LongCount)
        names.month = [letter = names.letter, language = o.language](int32_t year, int32_t month) {
            return MonthNames::Name(letter, year, month, language);
        };
    // The name lives in the function's own buffer until the next call.
    names.weekday = [kind = o.toKind, name = std::make_shared<std::string>()](int32_t jdn) {
        *name = DateWindowOps::WeekdayName(jdn, kind);
        return std::string_view(*name);
    };
    auto layout = std::make_shared<DateJobs::DateFormat>();
    const DateJobs::FormatError result = layout->Compile(*o.format, names);
    if (result != DateJobs::FormatError::none) {
        error = FormatErrorText(result, *o.format);
        return false;
    }
    o.layout = std::move(layout);
    return true;
}

// The holidays file read into o.holidays; false with the error written.
bool LoadHolidays(Options& o, Streams& streams) {
    std::ifstream file(o.holidaysPath, std::ios::binary);
    std::ostringstream text;
    if (file) text << file.rdbuf();
    if (!file || file.bad()) {
        streams.writeError(
            "orv: " + JobText(JobMessage::NoHolidaysFile, o.holidaysPath, o.language) + "\n");
        return false;
    }
    const StrictRead::Notation notation = NotationOf(o, o.fromKind);
    const HolidaysRefusal refusal = ReadHolidays(text.str(), notation, o.holidays);
    if (refusal.line == 0) return true;
    streams.writeError("orv: " + o.holidaysPath + ":" + std::to_string(refusal.line) + ": " +
                       RefusalText(refusal.text, o.fromKind, notation, refusal.field, o.language) +
                       "\n");
    return false;
}

void AppendJsonDate(std::string& out, const Options& o, int32_t jdn, const std::string& text) {
    out += "\"date\":{\"text\":";
    Json::AppendString(out, text);
    out += ",\"jdn\":" + std::to_string(jdn) + ",\"weekday\":";
    Json::AppendString(out, DateWindowOps::WeekdayName(jdn, o.toKind));
    const int16_t sundayFirst = DatePr2::EuroDayOfWeek(jdn);
    out += ",\"isoWeekday\":" + std::to_string(sundayFirst == 0 ? 7 : sundayFirst) + "}";
}

void ReportLine(Streams& streams, uint64_t lineNumber, const std::string& text) {
    std::string report = "orv: ";
    if (lineNumber > 0) report += "line " + std::to_string(lineNumber) + ": ";
    streams.writeError(report + text + "\n");
}

// One date of seq or easter in the output: the text alone, or its JSON object. False when the
// write failed or the date has no text in --to (reported).
bool WriteDate(const Options& o, Writer& writer, const char* command, int32_t jdn,
               std::string& scratch) {
    scratch.clear();
    if (!AppendDateText(o, jdn, scratch)) return false;
    std::string& buffer = writer.Buffer();
    if (o.json) {
        buffer += "{\"command\":\"";
        buffer += command;
        buffer += "\",\"to\":\"" + std::string(DatePr2::FactsOf(o.toKind).name) + "\",";
        AppendJsonDate(buffer, o, jdn, scratch);
        buffer += ",\"value\":";
        Json::AppendString(buffer, scratch);
        buffer += '}';
    } else {
        buffer += scratch;
    }
    return writer.EndLine();
}

// The line of a refused year: empty, or with --json its error object.
bool WriteRefusal(const Options& o, Writer& writer, uint64_t lineNumber, const std::string& error) {
    if (o.json) {
        std::string& buffer = writer.Buffer();
        buffer += "{\"command\":\"easter\",\"line\":" + std::to_string(lineNumber) + ",\"error\":";
        Json::AppendString(buffer, error);
        buffer += '}';
    }
    return writer.EndLine();
}

// A date operand of seq read strictly in --from; false with the refusal's text.
bool ReadFromDate(const Options& o, std::string_view text, int32_t& jdn, std::string& error) {
    const StrictRead::Notation notation = NotationOf(o, o.fromKind);
    const StrictRead::Field field = StrictRead::ReadDate(text, notation);
    if (field.fromClock) {
        jdn = DatePr2::TodaysJDN() + field.clockOffset;
        return true;
    }
    if (!field.Accepted()) {
        error = RefusalText(StrProc::TrimBlanks(text), o.fromKind, notation, field, o.language);
        return false;
    }
    jdn = field.value;
    return true;
}

using CaseFunction = std::function<bool(std::string_view, std::string_view, std::string&)>;

// One batch line of a job with `fields` fields through run; false when a write failed.
bool RunLine(const Options& o, BatchReader::Status status, std::string_view line,
             std::size_t fields, const CaseFunction& run, std::string& error) {
    const std::size_t tab = line.find('\t');
    const bool shaped = fields == 1 ? tab == std::string_view::npos
                                    : tab != std::string_view::npos &&
                                          line.find('\t', tab + 1) == std::string_view::npos;
    if (status == BatchReader::Status::TooLong) {
        error = ProblemText(Problem::LineTooLong, o.command, o.language);
        return true;
    }
    if (!shaped) {
        error = ProblemText(Problem::FieldCount, o.command, o.language);
        return true;
    }
    const std::string_view second =
        tab == std::string_view::npos ? std::string_view{} : line.substr(tab + 1);
    return run(line.substr(0, tab), second, error);
}

// The cases of a job: the operands, or one line of standard input each. run answers a case
// with its error text (empty when done) and false when a write failed.
int RunCases(const Options& o, Streams& streams, Writer& writer, std::size_t fields,
             const CaseFunction& run) {
    std::string error;
    if (!o.operands.empty()) {
        const std::string_view second =
            o.operands.size() > 1 ? std::string_view(o.operands[1]) : std::string_view{};
        const bool written = run(o.operands[0], second, error);
        if (!error.empty()) ReportLine(streams, 0, error);
        return writer.Finish(written && error.empty() ? exitSuccess : exitFailedInput);
    }
    BatchReader reader(streams.readInput);
    bool failed = false;
    std::string_view line;
    for (BatchReader::Status status = reader.Next(line); status != BatchReader::Status::End;
         status = reader.Next(line)) {
        error.clear();
        if (!RunLine(o, status, line, fields, run, error)) return writer.Finish(exitFailedInput);
        if (error.empty()) continue;
        failed = true;
        ReportLine(streams, reader.LineNumber(), error);
        // One year, one line: a refused year keeps its line, as the other commands do.
        if (fields == 1 && !WriteRefusal(o, writer, reader.LineNumber(), error))
            return writer.Finish(exitFailedInput);
    }
    return writer.Finish(failed ? exitFailedInput : exitSuccess);
}

std::string OutOfRangeText() {
    return WindowTexts::ComputeErrorInCurrentLanguage(WindowTexts::msgResultOutOfRange);
}

} // namespace

int32_t SpanLetter(DatePr2::Kind kind) {
    const DatePr2::KindFacts& facts = DatePr2::FactsOf(kind);
    return facts.form == DatePr2::Form::CalendarDate ? facts.letter : 0;
}

bool AppendDateText(const Options& o, int32_t jdn, std::string& out) {
    if (o.layout) {
        o.layout->Write(jdn, out);
        return true;
    }
    DateRecord rec{};
    rec.jdn = jdn;
    std::string text;
    const DateWindowOps::Format format{o.order, o.separator, o.outputThousands};
    if (!DateWindowOps::ResultDateText(rec, o.toKind, format, text)) return false;
    out += text;
    return true;
}

int PrepareJobs(Options& o, Streams& streams) {
    std::string error;
    if (o.format && !CompileFormat(o, error)) {
        streams.writeError("orv: " + error + "\nTry \"orv --help\".\n");
        return exitUsage;
    }
    if (o.workdays && !DateJobs::WorkCalendar(o.weekend).HasWorkdays()) {
        streams.writeError("orv: --weekend takes every day: no working days are left\n"
                           "Try \"orv --help\".\n");
        return exitUsage;
    }
    if (!o.holidaysPath.empty() && !LoadHolidays(o, streams)) return exitFailedInput;
    return exitSuccess;
}

int RunSeq(const Options& o, Streams& streams, Writer& writer) {
    const int32_t letter = SpanLetter(o.fromKind);
    std::string scratch;
    return RunCases(o, streams, writer, 2,
                    [&](std::string_view first, std::string_view second, std::string& error) {
                        int32_t from = 0;
                        int32_t to = 0;
                        if (!ReadFromDate(o, first, from, error) ||
                            !ReadFromDate(o, second, to, error))
                            return true;
                        DateJobs::DateSequence days(letter == 0 ? DatePr2::letterGregorian : letter,
                                                    from, to, o.step, o.only);
                        for (int32_t jdn = 0; days.Next(jdn);) {
                            if (!WriteDate(o, writer, "seq", jdn, scratch)) {
                                if (!scratch.empty()) return false;
                                error = OutOfRangeText();
                                return true;
                            }
                        }
                        return true;
                    });
}

int RunEaster(const Options& o, Streams& streams, Writer& writer) {
    std::string scratch;
    return RunCases(
        o, streams, writer, 1, [&](std::string_view first, std::string_view, std::string& error) {
            const StrictRead::Field year = StrictRead::ReadWholeNumber(first, '\0');
            if (!year.Accepted()) {
                error = JobText(JobMessage::NotYear, StrProc::TrimBlanks(first), o.language);
                return true;
            }
            int32_t jdn = 0;
            const bool found = o.julianEaster ? DateJobs::JulianEaster(year.value, jdn)
                                              : DateJobs::GregorianEaster(year.value, jdn);
            if (found && WriteDate(o, writer, "easter", jdn, scratch)) return true;
            if (found && !scratch.empty()) return false;
            error = OutOfRangeText();
            return true;
        });
}

} // namespace Cli
