// The main window under load, on the offscreen platform:
//
//   Append/first1000           1000 result lines appended to an empty output window
//   Append/last1000of100k      the last 1000 of 100,000 lines (99,000 appended before)
//   Compute/<case>/empty       one Compute from the click on cmdCompute to the line read back
//   Compute/<case>/after100k   the same with 100,000 lines in the output window
//   ComputeShown/<case>/...    the same, and the window repainted (the line on the screen)
//
// with <case> a conversion, a sum and a difference with breakdown. Each pair runs in the same
// process with its repetitions interleaved at random, so a busy machine slows both sides
// alike; after the usual output a table gives the medians and the ratio of each pair.
//
// Nothing touches the user's settings (XDG_CONFIG_HOME is a temporary folder), "now" is
// fixed, and a message box, which would stop a benchmark, fails it instead of opening.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/MessageBoxes.h"
#include "calendar/DatePr2.h"
#include "ui/main/frmMain.h"

namespace {

constexpr int kBatch = 1000;
constexpr int kFullLines = 100000;

// A result line of the length Compute writes most often.
const std::string kLine = "2000-01-01 CE plus 10 days = 2000-01-11 CE, Tuesday\r\n";

// Counts boxes instead of showing them; a benchmark that caused one reports an error.
class NoBoxes final : public MessageBoxes::Presenter {
  public:
    void Inform(const std::string&, const std::string&) override { ++shown; }
    MessageBoxes::Answer Ask(const std::string&, const std::string&) override {
        ++shown;
        return MessageBoxes::Answer::Cancel;
    }
    void Warn(const std::string&) override { ++shown; }
    int shown = 0;
};

NoBoxes boxes;

// A started main window and the controls the benchmarks drive.
struct Window {
    frmMain form;
    QLineEdit* first = nullptr;
    QLineEdit* second = nullptr;
    QLineEdit* diff = nullptr;
    QPushButton* compute = nullptr;
    QPlainTextEdit* output = nullptr;

    Window() {
        form.Form_Load();
        first = Find<QLineEdit>("txbFirstDate");
        second = Find<QLineEdit>("txbSecondDate");
        diff = Find<QLineEdit>("txbDateDiffDays");
        compute = Find<QPushButton>("cmdCompute");
        output = Find<QPlainTextEdit>("txbOutput");
        QApplication::processEvents();
    }

    template <class T> T* Find(const char* name) {
        T* control = form.findChild<T*>(QString::fromLatin1(name));
        if (control == nullptr) {
            std::fprintf(stderr, "bench_window: no control named %s\n", name);
            std::exit(2);
        }
        return control;
    }

    void Choose(const char* option) {
        auto* button = Find<QRadioButton>(option);
        if (!button->isChecked()) button->click();
    }

    int Lines() const { return output->document()->blockCount() - 1; }

    // Appends until the output window holds `lines` lines, and puts the caret where Compute
    // leaves it (behind the last line), with the end in view.
    void FillTo(int lines) {
        for (int i = Lines(); i < lines; ++i)
            form.AppendToOutputWindow(kLine);
        CaretToEnd();
        QApplication::processEvents();
    }

    void CaretToEnd() {
        QTextCursor caret(output->document());
        caret.setPosition(qMax(0, output->document()->characterCount() - 2));
        output->setTextCursor(caret);
        output->ensureCursorVisible();
    }

    // Removes every line from `lines` on, so that the window holds `lines` lines again.
    void CutTo(int lines) {
        QTextDocument* document = output->document();
        QTextCursor cut(document);
        cut.setPosition(document->findBlockByNumber(lines).position());
        cut.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        cut.removeSelectedText();
    }

    QString LastLine() const { return output->document()->lastBlock().previous().text(); }
};

// Built on first use and kept for the whole run, since filling 100,000 lines takes a while;
// destroyed before the application.
std::unique_ptr<Window> emptyWindow, fullWindow, almostFullWindow;

Window& Started(std::unique_ptr<Window>& window, int lines) {
    if (!window) {
        window = std::make_unique<Window>();
        window->FillTo(lines);
    }
    return *window;
}

Window& EmptyWindow() {
    return Started(emptyWindow, 0);
}
Window& FullWindow() {
    return Started(fullWindow, kFullLines);
}
Window& AlmostFullWindow() {
    return Started(almostFullWindow, kFullLines - kBatch);
}

bool NoBoxShown(benchmark::State& state, int before) {
    if (boxes.shown == before) return true;
    state.SkipWithError("a message box was shown");
    return false;
}

// ---- AppendToOutputWindow ----------------------------------------------------------------

void BM_AppendFirst1000(benchmark::State& state) {
    Window& w = EmptyWindow();
    for (auto _ : state) {
        state.PauseTiming();
        w.CutTo(0);
        QApplication::processEvents();
        state.ResumeTiming();
        for (int i = 0; i < kBatch; ++i)
            w.form.AppendToOutputWindow(kLine);
        benchmark::DoNotOptimize(w.output->document()->blockCount());
    }
    if (w.Lines() != kBatch)
        state.SkipWithError("the output window does not hold the appended lines");
    state.counters["us_per_line"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * kBatch,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert,
                           benchmark::Counter::OneK::kIs1000);
}

void BM_AppendLast1000Of100k(benchmark::State& state) {
    Window& w = AlmostFullWindow();
    for (auto _ : state) {
        for (int i = 0; i < kBatch; ++i)
            w.form.AppendToOutputWindow(kLine);
        benchmark::DoNotOptimize(w.output->document()->blockCount());
        state.PauseTiming();
        if (w.Lines() != kFullLines)
            state.SkipWithError("the output window does not hold 100,000 lines");
        w.CutTo(kFullLines - kBatch);
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["us_per_line"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * kBatch,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert,
                           benchmark::Counter::OneK::kIs1000);
}

// ---- One Compute -------------------------------------------------------------------------

struct Case {
    const char* firstCalendar;
    const char* secondCalendar;
    const char* first;
    const char* second;
    const char* diff;
    const char* line;
};

const Case kConversion{"optFirstDateIsCE",
                       "optSecondDateIsJDN",
                       "2000-01-01",
                       "",
                       "",
                       "2000-01-01 CE = 2,451,545 JDN, Saturday"};
const Case kSum{"optFirstDateIsCE",
                "optSecondDateIsCE",
                "2000-01-01",
                "",
                "10",
                "2000-01-01 CE plus 10 days = 2000-01-11 CE, Tuesday"};
const Case kDifference{"optFirstDateIsCE",
                       "optSecondDateIsCE",
                       "2000-01-01",
                       "2001-03-15",
                       "",
                       "2001-03-15 CE minus 2000-01-01 CE = 439 days (1 year, 2 months, 14 days)"};

// Each run starts from a window holding `lines` lines (the line of the previous run is cut
// away unseen), with the input windows typed in and everything drawn.
template <bool shown>
void ComputeOnce(benchmark::State& state, Window& w, const Case& c, int lines) {
    w.Choose(c.firstCalendar);
    w.Choose(c.secondCalendar);
    const int boxesBefore = boxes.shown;
    const QString expected = QString::fromLatin1(c.line);
    QString line = expected;
    for (auto _ : state) {
        state.PauseTiming();
        if (line != expected) {
            state.SkipWithError(("unexpected line: " + line.toStdString()).c_str());
            state.ResumeTiming();
            break;
        }
        if (w.Lines() > lines) w.CutTo(lines);
        w.first->setText(QString::fromLatin1(c.first));
        w.second->setText(QString::fromLatin1(c.second));
        w.diff->setText(QString::fromLatin1(c.diff));
        QApplication::processEvents();
        state.ResumeTiming();

        QTest::mouseClick(w.compute, Qt::LeftButton);
        if constexpr (shown) QApplication::processEvents();
        line = w.LastLine();
        benchmark::DoNotOptimize(line.constData());
    }
    if (line != expected) state.SkipWithError(("unexpected line: " + line.toStdString()).c_str());
    NoBoxShown(state, boxesBefore);
}

template <bool shown> void BM_ComputeEmpty(benchmark::State& state, const Case* c) {
    ComputeOnce<shown>(state, EmptyWindow(), *c, 0);
}

template <bool shown> void BM_ComputeAfter100k(benchmark::State& state, const Case* c) {
    ComputeOnce<shown>(state, FullWindow(), *c, kFullLines);
}

// ---- The table of ratios -----------------------------------------------------------------

// Keeps the median (or the single run, without repetitions) of every benchmark in
// microseconds, of CPU time and of real time, and prints the pairs side by side at the end.
// The ratio is taken on CPU time: on a machine that others share, the real time also counts
// whatever ran in between.
class RatioReporter final : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            if (!median && !single) continue;
            const double toMicroseconds = run.time_unit == benchmark::kNanosecond    ? 1e-3
                                          : run.time_unit == benchmark::kMillisecond ? 1e3
                                                                                     : 1.0;
            medians[run.run_name.function_name] = {run.GetAdjustedCPUTime() * toMicroseconds,
                                                   run.GetAdjustedRealTime() * toMicroseconds};
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\n%-34s %12s %12s %7s %12s %6s\n", "median, us (CPU time)", "baseline",
                    "loaded", "ratio", "real ratio", "goal");
        Pair("AppendToOutputWindow, per line", "Append/first1000", "Append/last1000of100k",
             1.0 / kBatch);
        for (const char* name : {"conversion", "sum", "difference"}) {
            for (const char* kind : {"Compute", "ComputeShown"}) {
                const std::string base = std::string(kind) + "/" + name;
                Pair(base.c_str(), base + "/empty", base + "/after100k", 1.0);
            }
        }
    }

  private:
    struct Times {
        double cpu = 0, real = 0;
    };

    void Pair(const char* title, const std::string& base, const std::string& loaded, double scale) {
        const auto b = medians.find(base);
        const auto l = medians.find(loaded);
        if (b == medians.end() || l == medians.end()) return;
        std::printf("%-34s %12.3f %12.3f %6.2fx %11.2fx %6s\n", title, b->second.cpu * scale,
                    l->second.cpu * scale, l->second.cpu / b->second.cpu,
                    l->second.real / b->second.real, "1.5x");
    }

    std::map<std::string, Times> medians;
};

void Register() {
    const auto common = [](benchmark::internal::Benchmark* b) { b->Unit(benchmark::kMicrosecond); };
    common(benchmark::RegisterBenchmark("Append/first1000", BM_AppendFirst1000));
    common(benchmark::RegisterBenchmark("Append/last1000of100k", BM_AppendLast1000Of100k));
    const std::vector<std::pair<const char*, const Case*>> cases{
        {"conversion", &kConversion}, {"sum", &kSum}, {"difference", &kDifference}};
    for (const auto& [name, c] : cases) {
        const std::string n = name;
        common(benchmark::RegisterBenchmark(("Compute/" + n + "/empty").c_str(),
                                            BM_ComputeEmpty<false>, c));
        common(benchmark::RegisterBenchmark(("Compute/" + n + "/after100k").c_str(),
                                            BM_ComputeAfter100k<false>, c));
        common(benchmark::RegisterBenchmark(("ComputeShown/" + n + "/empty").c_str(),
                                            BM_ComputeEmpty<true>, c));
        common(benchmark::RegisterBenchmark(("ComputeShown/" + n + "/after100k").c_str(),
                                            BM_ComputeAfter100k<true>, c));
    }
}

bool HasFlag(int argc, char** argv, const char* prefix) {
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]).rfind(prefix, 0) == 0) return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    if (!config.isValid()) return 2;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));

    // Defaults that the command line may override. Interleaving the repetitions at random is
    // what puts the two sides of a pair side by side.
    std::vector<char*> args(argv, argv + argc);
    std::vector<std::string> defaults;
    for (const char* flag :
         {"--benchmark_enable_random_interleaving=true", "--benchmark_repetitions=7",
          "--benchmark_min_time=0.2", "--benchmark_report_aggregates_only=true"}) {
        const std::string name = std::string(flag).substr(0, std::string(flag).find('='));
        if (!HasFlag(argc, argv, name.c_str())) defaults.emplace_back(flag);
    }
    for (std::string& flag : defaults)
        args.push_back(flag.data());
    int count = static_cast<int>(args.size());

    QApplication app(count, args.data());
    DatePr2::LocalNow now;
    now.year = 2026;
    now.month = 12;
    now.day = 7;
    now.hour = 14;
    now.minute = 5;
    DatePr2::SetNow([now] { return now; });
    MessageBoxes::SetPresenter(&boxes);

    Register();
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    emptyWindow.reset();
    fullWindow.reset();
    almostFullWindow.reset();
    MessageBoxes::SetPresenter(nullptr);
    return 0;
}
