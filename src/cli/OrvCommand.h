// The orv command line without a terminal: the options read from the arguments, one case
// (a conversion, a sum or a difference) run through Compute::Run, and a whole run over the
// arguments or a batch on standard input, writing through the functions it is given. main.cpp
// connects these to the process's streams; tests call them directly.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <memory>

#include "app/Compute.h"
#include "calendar/DateFormat.h"
#include "calendar/DateSpan.h"
#include "calendar/Weekdays.h"
#include "calendar/Workdays.h"
#include "cli/BatchReader.h"
#include "cli/OrvMessages.h"
#include "text/StrictRead.h"

namespace Cli {

struct Options {
    Command command = Command::Convert;
    DatePr2::Kind fromKind = DatePr2::Kind::CE;
    DatePr2::Kind toKind = DatePr2::Kind::CE;
    DatePr2::DateOrder order = DatePr2::DateOrder::YMD;
    std::string separator = "-";
    std::string thousands = ","; // as read
    // As written: --value and --json write bare numbers unless --thousands was given.
    std::string outputThousands = ",";
    int16_t language = 0; // GEN_TEXT::langEnglish
    bool value = false;
    bool json = false;
    bool lenient = false; // the window's forgiving reader instead of the strict one
    // The date jobs: seq's step and kept weekdays, working days for add and diff, the
    // layout of written dates, easter's rule.
    DateJobs::Span step{0, 0, 0, 1, DateJobs::kUnitDays};
    DateJobs::WeekdaySet only = DateJobs::kAllWeekdays;
    bool workdays = false;
    DateJobs::WeekdaySet weekend = DateJobs::kSaturdaySunday;
    std::string holidaysPath;
    std::vector<int32_t> holidays; // read from holidaysPath before any case
    std::optional<std::string> format;
    std::shared_ptr<const DateJobs::DateFormat> layout; // format compiled for --to
    bool julianEaster = false;
    std::vector<std::string> operands;
};

struct Arguments {
    enum class Action { Run, Help, Version, Usage };
    Action action = Action::Run;
    Options options;
    bool useSettings = false; // --settings: the user's file fills what the options left open
    std::string error;        // what was wrong, for Action::Usage
    // What the command line gave explicitly, so that --settings fills in only the rest.
    struct Given {
        bool order = false, separator = false, thousands = false, language = false;
    } given;
};

// Reads the arguments after the program name. Order, separators and language given on the
// command line win over those of the settings file; ApplySettings fills in the others.
Arguments ParseArguments(const std::vector<std::string>& args);

// The thousands mark of the output, once the options and settings are known.
void SettleOutputThousands(Arguments& arguments);

// The settings file's order, separators and language for those options that the command
// line did not give; a value the window would not take falls back as the window does.
// False when the file is missing or unreadable (the options stay as they are).
bool ApplySettings(Arguments& arguments, const std::string& path);

const char* UsageText();
std::string HelpText();
std::string VersionText();

struct CaseResult {
    WindowTexts::ComputeMessage message = WindowTexts::noMessage;
    Problem problem = Problem::None;
    // A field the reader refused: its number (1 or 2), its text and the reason.
    int refusedField = 0;
    std::string refusedText;
    StrictRead::Field refusal;
    std::string jobError; // a refusal of the date jobs (a span, a year), in the language
    bool Failed() const {
        return message != WindowTexts::noMessage || problem != Problem::None || refusedField > 0 ||
               !jobError.empty();
    }
    std::string line;                // the result line without its CR LF
    std::string value;               // the computed value alone
    std::optional<int64_t> workdays; // diff --workdays: the working days counted
    Compute::Output out;
};

// The calendar whose years and months a span adds in the kind ('G', 'J', 'A'), or 0 for the
// notations of bare day numbers (jdn, yyyyddd, isoweek): weeks and days only.
int32_t SpanLetter(DatePr2::Kind kind);

// A date as orv writes it in --to (or by --format); false when the kind cannot write it
// (yyyyddd beyond 0001..9999).
bool AppendDateText(const Options& o, int32_t jdn, std::string& out);

class Sink;

// Runs cases of one command with one set of options; keeps its buffers between cases.
class CaseRunner {
  public:
    explicit CaseRunner(const Options& options);
    // fields: the date for convert; date and days for add; the two dates for diff.
    const CaseResult& Run(std::string_view first, std::string_view second = {});
    const CaseResult& Fail(Problem problem);
    // The text of the last failure in the language of the options.
    std::string ErrorText() const;
    // The last case as a JSON object (no line break); lineNumber 0 leaves "line" out.
    void AppendJson(std::string& out, uint64_t lineNumber, std::string_view first,
                    std::string_view second);

  private:
    // Reads field 1 or 2 strictly into text (a word for today replaced by its date); false,
    // with the refusal noted, when the field is refused.
    bool ReadField(int which, std::string_view field, std::string& text);
    // add's second field: a day count, a span, or working days with --workdays.
    bool ReadSum(std::string_view field);
    bool RefuseJob(std::string text, WindowTexts::ComputeMessage message);
    bool Refuse(int which, std::string_view field, const StrictRead::Field& refusal);
    std::optional<DatePr2::Kind> KindOfField(int which) const; // none: a day count
    StrictRead::Field ReadStrictly(int which, std::string_view field);
    void NameRefusedField(std::string_view first, std::string_view second);
    void AppendJsonError(std::string& out) const;
    // The fields of a result after "to", value the text of "value"; closes the object.
    void WriteResultFields(Sink& out, std::string_view value) const;

    const Options& options_;
    StrictRead::Notation notation_;
    Compute::Input input_;
    CaseResult result_;
    DateJobs::WorkCalendar work_;
    std::string jsonScratch_; // room for a JSON line, kept between cases
    // The pieces of every JSON line that the options fix: its command, and "from" and "to".
    std::string jsonCommand_, jsonKinds_;
};

// Where a run reads and writes. writeOutput writes all of the text or returns false with the
// reason in its second argument; a failed write ends the run at once.
struct Streams {
    BatchReader::ReadFunction readInput;
    std::function<bool(std::string_view, std::string&)> writeOutput;
    std::function<void(std::string_view)> writeError;
    bool flushEachLine = false; // standard output is a terminal
};

inline constexpr int exitSuccess = 0;
inline constexpr int exitFailedInput = 1;
inline constexpr int exitUsage = 2;

// Output collected in one buffer and handed on in large pieces (or by the line for a
// terminal). The first failed write is kept: nothing is written after it.
class Writer {
  public:
    explicit Writer(Streams& streams) : streams_(streams) { buffer_.reserve(capacity + 4096); }
    std::string& Buffer() { return buffer_; }
    bool EndLine() {
        buffer_ += '\n';
        if (streams_.flushEachLine || buffer_.size() >= capacity) return Flush();
        return true;
    }
    bool Flush() {
        if (failed_) return false;
        if (!buffer_.empty()) failed_ = !streams_.writeOutput(buffer_, reason_);
        buffer_.clear();
        return !failed_;
    }
    // The status of a finished run: a failed write makes it 1, and is reported.
    int Finish(int status) {
        if (Flush()) return status;
        streams_.writeError("orv: write error: " + reason_ + "\n");
        return exitFailedInput;
    }

  private:
    static constexpr std::size_t capacity = std::size_t{1} << 16;
    Streams& streams_;
    std::string buffer_;
    std::string reason_;
    bool failed_ = false;
};

// What the jobs need before the first case: --format compiled, the holidays file read. The
// exit status: exitSuccess to go on, otherwise the error is written.
int PrepareJobs(Options& o, Streams& streams);

// seq and easter on their operands or on the batch; the exit status.
int RunSeq(const Options& o, Streams& streams, Writer& writer);
int RunEaster(const Options& o, Streams& streams, Writer& writer);

// The whole program after the program name: options, settings from settingsPath when asked
// for, then the command on its operands or on the batch. Returns the exit status.
int Main(const std::vector<std::string>& args, Streams& streams, const std::string& settingsPath);

} // namespace Cli
