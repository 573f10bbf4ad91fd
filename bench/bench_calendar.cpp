// Nanoseconds per calendar conversion, date -> JDN and JDN -> date, for the library against
// two baselines measured in the same run: textbook Fliegel-Van Flandern formulas with 64-bit
// intermediates, and libstdc++'s std::chrono (year_month_day <-> sys_days).
//
// "Library" rows call the exported functions of the shared library, through the PLT, as the
// program does; "Inline" rows run the same arithmetic from mibrexw_impl.h inlined into the
// loop, which shows what the call itself costs. After the usual output a table of ratios is
// printed (CPU time, medians when --benchmark_repetitions is given).
//
// "NeriSchneider" rows call a plain Neri-Schneider library (ns_baseline.cpp, a shared library
// of its own) through the same kind of C call; the library's goal is 1.3x of it. On a busy
// machine compare them with --benchmark_repetitions=9 --benchmark_enable_random_interleaving.
//
// The calendars reached by letter (mibrexw_date_to_jdn / mibrexw_jdn_to_date) run against ICU
// 72 converting the same days (Calendar::set + getTime, setTime + get), and against the
// library's own Gregorian call; the Long Count against the Gregorian call only.
#include "mibrexw.h"
#include "mibrexw_impl.h"
#include "ns_baseline.h"

#include <benchmark/benchmark.h>
#include <unicode/calendar.h>
#include <unicode/gregocal.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

using mibrexw::detail::Ymd;

constexpr size_t kSamples = 1024; // a power of two: the index wraps with a mask
constexpr uint64_t kSeed = 0x0bad5eed2025ULL;

// ---- Textbook baselines ------------------------------------------------------------------
// Fliegel and Van Flandern (1968) and the same authors' Julian counterpart, in signed 64-bit
// arithmetic with C's truncating division. The formulas are exact only for positive operands,
// so the year (or day) is moved by whole 400-year (4-year) cycles first, as a textbook port
// to a wide range would do.
constexpr int64_t kFvfShiftYears = 400LL * 20000;
constexpr int64_t kFvfShiftDays = 146097LL * 20000;
constexpr int64_t kFvfJulianShiftYears = 4LL * 2000000;
constexpr int64_t kFvfJulianShiftDays = 1461LL * 2000000;

int64_t TextbookGregorianToJdn(int64_t y, int64_t m, int64_t d) {
    y += kFvfShiftYears;
    const int64_t a = (m - 14) / 12;
    return (1461 * (y + 4800 + a)) / 4 + (367 * (m - 2 - 12 * a)) / 12 -
           (3 * ((y + 4900 + a) / 100)) / 4 + d - 32075 - kFvfShiftDays;
}

Ymd TextbookJdnToGregorian(int64_t jdn) {
    int64_t l = jdn + kFvfShiftDays + 68569;
    const int64_t n = 4 * l / 146097;
    l -= (146097 * n + 3) / 4;
    const int64_t i = 4000 * (l + 1) / 1461001;
    l = l - 1461 * i / 4 + 31;
    const int64_t j = 80 * l / 2447;
    const int64_t day = l - 2447 * j / 80;
    l = j / 11;
    const int64_t month = j + 2 - 12 * l;
    const int64_t year = 100 * (n - 49) + i + l - kFvfShiftYears;
    return {static_cast<int32_t>(year), static_cast<int32_t>(month), static_cast<int32_t>(day)};
}

int64_t TextbookJulianToJdn(int64_t y, int64_t m, int64_t d) {
    y += kFvfJulianShiftYears;
    const int64_t a = (14 - m) / 12;
    const int64_t yy = y + 4800 - a;
    const int64_t mm = m + 12 * a - 3;
    return d + (153 * mm + 2) / 5 + 365 * yy + yy / 4 - 32083 - kFvfJulianShiftDays;
}

Ymd TextbookJdnToJulian(int64_t jdn) {
    const int64_t c = jdn + kFvfJulianShiftDays + 32082;
    const int64_t d = (4 * c + 3) / 1461;
    const int64_t e = c - 1461 * d / 4;
    const int64_t m = (5 * e + 2) / 153;
    return {static_cast<int32_t>(d - 4800 + m / 10 - kFvfJulianShiftYears),
            static_cast<int32_t>(m + 3 - 12 * (m / 10)),
            static_cast<int32_t>(e - (153 * m + 2) / 5 + 1)};
}

// ---- Inputs ----------------------------------------------------------------------------------
struct Inputs {
    std::vector<int32_t> jdns;
    std::vector<DateRecord> gregorian, julian, annusNovus;
};

// The same random days in every calendar; the dates come from the textbook formulas (and the
// AN year and day of the year), so the inputs do not depend on the code under test.
Inputs MakeInputs(int64_t firstYear, int64_t lastYear) {
    std::mt19937_64 rng(kSeed + static_cast<uint64_t>(lastYear));
    std::uniform_int_distribution<int64_t> day(TextbookGregorianToJdn(firstYear, 1, 1),
                                               TextbookGregorianToJdn(lastYear, 12, 31));
    Inputs in;
    for (size_t i = 0; i < kSamples; ++i) {
        const int64_t jdn = day(rng);
        in.jdns.push_back(static_cast<int32_t>(jdn));
        const Ymd g = TextbookJdnToGregorian(jdn);
        const Ymd j = TextbookJdnToJulian(jdn);
        in.gregorian.push_back({g.year, g.month, g.day, 'G', 0, 0});
        in.julian.push_back({j.year, j.month, j.day, 'J', 0, 0});
        const int64_t dayOfYear = jdn - TextbookGregorianToJdn(g.year, 1, 1); // [0, 365]
        const int64_t pair = dayOfYear / 73;
        const int64_t inPair = dayOfYear % 73;
        const int64_t second = inPair >= 36 ? 1 : 0;
        in.annusNovus.push_back({g.year + 8519, static_cast<int32_t>(2 * pair + 1 + second),
                                 static_cast<int32_t>(inPair + 1 - 36 * second), 'A', 0, 0});
    }
    return in;
}

const Inputs& WideInputs() {
    static const Inputs in = MakeInputs(-5000000, 5000000);
    return in;
}

// std::chrono's year reaches -32767 .. 32767.
const Inputs& ChronoInputs() {
    static const Inputs in = MakeInputs(-32767, 32767);
    return in;
}

constexpr int32_t kUnixEpochJdn = 2440588;

// ---- Benchmarks ----------------------------------------------------------------------------
// One conversion per iteration, walking the input array; results go to DoNotOptimize.

// The records are converted in place, as the program passes its own record; only the JDN
// field is written.
template <typename Convert>
void DateToJdnLoop(benchmark::State& state, const std::vector<DateRecord>& dates, Convert convert) {
    std::vector<DateRecord> records = dates;
    size_t i = 0;
    for (auto _ : state) {
        DateRecord& r = records[i++ & (kSamples - 1)];
        benchmark::DoNotOptimize(convert(r));
    }
}

template <typename Convert>
void JdnToDateLoop(benchmark::State& state, const std::vector<int32_t>& jdns, Convert convert) {
    size_t i = 0;
    for (auto _ : state) {
        const Ymd d = convert(jdns[i++ & (kSamples - 1)]);
        benchmark::DoNotOptimize(d);
    }
}

int32_t LibraryToJdn(DateRecord& r) {
    return euro_date_to_jdn(&r);
}
int32_t LibraryAnToJdn(DateRecord& r) {
    return annus_novus_date_to_jdn(&r);
}

// The library fills one record that the caller keeps, as the program does.
template <typename Convert>
void LibraryToDateLoop(benchmark::State& state, const std::vector<int32_t>& jdns, int32_t letter,
                       Convert convert) {
    DateRecord r{};
    r.calendar = letter;
    size_t i = 0;
    for (auto _ : state) {
        r.jdn = jdns[i++ & (kSamples - 1)];
        benchmark::DoNotOptimize(convert(&r));
        benchmark::DoNotOptimize(r);
    }
}

Ymd LibraryToDate(int32_t jdn, int32_t letter) {
    DateRecord r{};
    r.calendar = letter;
    r.jdn = jdn;
    jdn_to_euro_date(&r);
    return {r.year, r.month, r.day};
}

Ymd LibraryToAn(int32_t jdn) {
    DateRecord r{};
    r.calendar = 'A';
    r.jdn = jdn;
    const int32_t weekday = jdn_to_annus_novus_date(&r);
    benchmark::DoNotOptimize(weekday);
    return {r.year, r.month, r.day};
}

using mibrexw::detail::Saturate;

// The loop alone: load an input and hand something to DoNotOptimize. Part of every row.
void BM_LoopOnly_Date(benchmark::State& s) {
    DateToJdnLoop(s, WideInputs().gregorian,
                  [](const DateRecord& r) { return r.year ^ r.month ^ r.day; });
}
void BM_LoopOnly_Jdn(benchmark::State& s) {
    JdnToDateLoop(s, WideInputs().jdns, [](int32_t j) { return Ymd{j, j, j}; });
}

// Date -> JDN, years -5,000,000 .. 5,000,000.
void BM_ToJdn_Textbook_Gregorian(benchmark::State& s) {
    DateToJdnLoop(s, WideInputs().gregorian, [](const DateRecord& r) {
        return Saturate(TextbookGregorianToJdn(r.year, r.month, r.day));
    });
}
void BM_ToJdn_Textbook_Julian(benchmark::State& s) {
    DateToJdnLoop(s, WideInputs().julian, [](const DateRecord& r) {
        return Saturate(TextbookJulianToJdn(r.year, r.month, r.day));
    });
}
void BM_ToJdn_Library_Gregorian(benchmark::State& s) {
    DateToJdnLoop(s, WideInputs().gregorian, LibraryToJdn);
}
void BM_ToJdn_Library_Julian(benchmark::State& s) {
    DateToJdnLoop(s, WideInputs().julian, LibraryToJdn);
}
void BM_ToJdn_Library_AnnusNovus(benchmark::State& s) {
    DateToJdnLoop(s, WideInputs().annusNovus, LibraryAnToJdn);
}
void BM_ToJdn_Inline_Gregorian(benchmark::State& s) {
    DateToJdnLoop(s, WideInputs().gregorian, [](const DateRecord& r) {
        return Saturate(mibrexw::detail::GregorianToJdn(r.year, r.month, r.day));
    });
}
void BM_ToJdn_Inline_Julian(benchmark::State& s) {
    DateToJdnLoop(s, WideInputs().julian, [](const DateRecord& r) {
        return Saturate(mibrexw::detail::JulianToJdn(r.year, r.month, r.day));
    });
}
void BM_ToJdn_Inline_AnnusNovus(benchmark::State& s) {
    DateToJdnLoop(s, WideInputs().annusNovus, [](const DateRecord& r) {
        return Saturate(mibrexw::detail::AnnusNovusToJdn(r.year, r.month, r.day));
    });
}

// JDN -> date over the same days.
void BM_ToDate_Textbook_Gregorian(benchmark::State& s) {
    JdnToDateLoop(s, WideInputs().jdns, TextbookJdnToGregorian);
}
void BM_ToDate_Textbook_Julian(benchmark::State& s) {
    JdnToDateLoop(s, WideInputs().jdns, TextbookJdnToJulian);
}
void BM_ToDate_Library_Gregorian(benchmark::State& s) {
    LibraryToDateLoop(s, WideInputs().jdns, 'G', jdn_to_euro_date);
}
void BM_ToDate_Library_Julian(benchmark::State& s) {
    LibraryToDateLoop(s, WideInputs().jdns, 'J', jdn_to_euro_date);
}
void BM_ToDate_Library_AnnusNovus(benchmark::State& s) {
    LibraryToDateLoop(s, WideInputs().jdns, 'A', jdn_to_annus_novus_date);
}
void BM_ToDate_Inline_Gregorian(benchmark::State& s) {
    JdnToDateLoop(s, WideInputs().jdns, mibrexw::detail::JdnToGregorian);
}
void BM_ToDate_Inline_Julian(benchmark::State& s) {
    JdnToDateLoop(s, WideInputs().jdns, mibrexw::detail::JdnToJulian);
}
void BM_ToDate_Inline_AnnusNovus(benchmark::State& s) {
    JdnToDateLoop(s, WideInputs().jdns, [](int32_t j) {
        Ymd d{};
        const int32_t weekday = mibrexw::detail::JdnToAnnusNovus(j, d);
        benchmark::DoNotOptimize(weekday);
        return d;
    });
}

// The plain Neri-Schneider library: the same call through the PLT into a shared library, the
// same record, the same days.
void BM_ToJdn_NeriSchneider_Gregorian(benchmark::State& s) {
    DateToJdnLoop(s, WideInputs().gregorian, [](DateRecord& r) { return ns_gregorian_to_jdn(&r); });
}
void BM_ToJdn_NeriSchneider_Julian(benchmark::State& s) {
    DateToJdnLoop(s, WideInputs().julian, [](DateRecord& r) { return ns_julian_to_jdn(&r); });
}
void BM_ToJdn_NeriSchneider_AnnusNovus(benchmark::State& s) {
    DateToJdnLoop(s, WideInputs().annusNovus,
                  [](DateRecord& r) { return ns_annus_novus_to_jdn(&r); });
}
void BM_ToDate_NeriSchneider_Gregorian(benchmark::State& s) {
    LibraryToDateLoop(s, WideInputs().jdns, 'G', ns_jdn_to_gregorian);
}
void BM_ToDate_NeriSchneider_Julian(benchmark::State& s) {
    LibraryToDateLoop(s, WideInputs().jdns, 'J', ns_jdn_to_julian);
}
void BM_ToDate_NeriSchneider_AnnusNovus(benchmark::State& s) {
    LibraryToDateLoop(s, WideInputs().jdns, 'A', ns_jdn_to_annus_novus);
}

// Years -32767 .. 32767: std::chrono against the Gregorian conversions on the same inputs.
void BM_Chrono_ToJdn_Chrono(benchmark::State& s) {
    DateToJdnLoop(s, ChronoInputs().gregorian, [](const DateRecord& r) {
        const std::chrono::year_month_day ymd{std::chrono::year{r.year},
                                              std::chrono::month{static_cast<unsigned>(r.month)},
                                              std::chrono::day{static_cast<unsigned>(r.day)}};
        return std::chrono::sys_days{ymd}.time_since_epoch().count() + kUnixEpochJdn;
    });
}
void BM_Chrono_ToJdn_Library(benchmark::State& s) {
    DateToJdnLoop(s, ChronoInputs().gregorian, LibraryToJdn);
}
void BM_Chrono_ToJdn_Inline(benchmark::State& s) {
    DateToJdnLoop(s, ChronoInputs().gregorian, [](const DateRecord& r) {
        return Saturate(mibrexw::detail::GregorianToJdn(r.year, r.month, r.day));
    });
}
void BM_Chrono_ToDate_Chrono(benchmark::State& s) {
    JdnToDateLoop(s, ChronoInputs().jdns, [](int32_t j) {
        const std::chrono::year_month_day ymd{
            std::chrono::sys_days{std::chrono::days{j - kUnixEpochJdn}}};
        return Ymd{static_cast<int>(ymd.year()),
                   static_cast<int32_t>(static_cast<unsigned>(ymd.month())),
                   static_cast<int32_t>(static_cast<unsigned>(ymd.day()))};
    });
}
void BM_Chrono_ToDate_Library(benchmark::State& s) {
    LibraryToDateLoop(s, ChronoInputs().jdns, 'G', jdn_to_euro_date);
}
void BM_Chrono_ToDate_Inline(benchmark::State& s) {
    JdnToDateLoop(s, ChronoInputs().jdns, mibrexw::detail::JdnToGregorian);
}

BENCHMARK(BM_LoopOnly_Date);
BENCHMARK(BM_LoopOnly_Jdn);
BENCHMARK(BM_ToJdn_Textbook_Gregorian);
BENCHMARK(BM_ToJdn_Textbook_Julian);
BENCHMARK(BM_ToJdn_Library_Gregorian);
BENCHMARK(BM_ToJdn_Library_Julian);
BENCHMARK(BM_ToJdn_Library_AnnusNovus);
BENCHMARK(BM_ToJdn_Inline_Gregorian);
BENCHMARK(BM_ToJdn_Inline_Julian);
BENCHMARK(BM_ToJdn_Inline_AnnusNovus);
BENCHMARK(BM_ToDate_Textbook_Gregorian);
BENCHMARK(BM_ToDate_Textbook_Julian);
BENCHMARK(BM_ToDate_Library_Gregorian);
BENCHMARK(BM_ToDate_Library_Julian);
BENCHMARK(BM_ToDate_Library_AnnusNovus);
BENCHMARK(BM_ToDate_Inline_Gregorian);
BENCHMARK(BM_ToDate_Inline_Julian);
BENCHMARK(BM_ToDate_Inline_AnnusNovus);
BENCHMARK(BM_ToJdn_NeriSchneider_Gregorian);
BENCHMARK(BM_ToJdn_NeriSchneider_Julian);
BENCHMARK(BM_ToJdn_NeriSchneider_AnnusNovus);
BENCHMARK(BM_ToDate_NeriSchneider_Gregorian);
BENCHMARK(BM_ToDate_NeriSchneider_Julian);
BENCHMARK(BM_ToDate_NeriSchneider_AnnusNovus);
BENCHMARK(BM_Chrono_ToJdn_Chrono);
BENCHMARK(BM_Chrono_ToJdn_Library);
BENCHMARK(BM_Chrono_ToJdn_Inline);
BENCHMARK(BM_Chrono_ToDate_Chrono);
BENCHMARK(BM_Chrono_ToDate_Library);
BENCHMARK(BM_Chrono_ToDate_Inline);

// ---- Calendars by letter against ICU ---------------------------------------------------------
struct LetterCalendar {
    const char* name;
    int32_t letter;
    const char* icuLocale; // nullptr: no ICU counterpart; "iso": ICU's Gregorian ISO weeks
};
constexpr LetterCalendar kLetterCalendars[] = {
    {"Hebrew", 'H', "@calendar=hebrew"},
    {"Islamic", 'I', "@calendar=islamic-civil"},
    {"Persian", 'P', "@calendar=persian"},
    {"Coptic", 'C', "@calendar=coptic"},
    {"Ethiopic", 'E', "@calendar=ethiopic"},
    {"Indian", 'S', "@calendar=indian"},
    {"French", 'F', nullptr},
    {"IsoWeek", 'W', "iso"},
};

// ICU's calendar in UTC; for ISO weeks the proleptic Gregorian one with Monday weeks of which
// the first holds four days of the year.
std::unique_ptr<icu::Calendar> MakeIcu(const char* locale) {
    UErrorCode status = U_ZERO_ERROR;
    icu::TimeZone* utc = icu::TimeZone::createTimeZone("Etc/UTC");
    if (std::string(locale) == "iso") {
        auto g = std::make_unique<icu::GregorianCalendar>(utc, status);
        g->setGregorianChange(U_DATE_MIN, status);
        g->setFirstDayOfWeek(UCAL_MONDAY);
        g->setMinimalDaysInFirstWeek(4);
        return g;
    }
    return std::unique_ptr<icu::Calendar>(
        icu::Calendar::createInstance(utc, icu::Locale(locale), status));
}

bool IsIso(const LetterCalendar& c) {
    return c.letter == 'W';
}

// ICU's own fields of a day: the year, month and day it answers, read back as it sets them.
struct IcuFields {
    int32_t year, month, day;
};
IcuFields IcuFromJdn(icu::Calendar& cal, bool iso, int32_t jdn) {
    UErrorCode status = U_ZERO_ERROR;
    cal.setTime((static_cast<double>(jdn) - kUnixEpochJdn) * U_MILLIS_PER_DAY, status);
    if (iso) {
        return {cal.get(UCAL_YEAR_WOY, status), cal.get(UCAL_WEEK_OF_YEAR, status),
                cal.get(UCAL_DOW_LOCAL, status)};
    }
    return {cal.get(UCAL_EXTENDED_YEAR, status), cal.get(UCAL_MONTH, status),
            cal.get(UCAL_DATE, status)};
}
double IcuToMillis(icu::Calendar& cal, bool iso, const IcuFields& f) {
    UErrorCode status = U_ZERO_ERROR;
    cal.clear();
    if (iso) {
        cal.set(UCAL_YEAR_WOY, f.year);
        cal.set(UCAL_WEEK_OF_YEAR, f.month);
        cal.set(UCAL_DOW_LOCAL, f.day);
    } else {
        cal.set(UCAL_EXTENDED_YEAR, f.year);
        cal.set(UCAL_MONTH, f.month);
        cal.set(UCAL_DATE, f.day);
    }
    return cal.getTime(status);
}

// The same wide days as the other rows: the library's dates and ICU's fields of each.
struct LetterInputs {
    std::vector<DateRecord> dates;
    std::vector<IcuFields> icu;
};
const LetterInputs& InputsOf(const LetterCalendar& c) {
    static std::map<int32_t, LetterInputs> all;
    LetterInputs& in = all[c.letter];
    if (in.dates.empty()) {
        std::unique_ptr<icu::Calendar> cal =
            c.icuLocale != nullptr ? MakeIcu(c.icuLocale) : nullptr;
        for (const int32_t jdn : WideInputs().jdns) {
            DateRecord r{0, 0, 0, c.letter, jdn, 0};
            mibrexw_jdn_to_date(&r);
            in.dates.push_back(r);
            in.icu.push_back(cal ? IcuFromJdn(*cal, IsIso(c), jdn) : IcuFields{});
        }
    }
    return in;
}

void LetterToJdn(benchmark::State& state, const LetterCalendar& c) {
    DateToJdnLoop(state, InputsOf(c).dates, [](DateRecord& r) { return mibrexw_date_to_jdn(&r); });
}
void LetterToDate(benchmark::State& state, const LetterCalendar& c) {
    LibraryToDateLoop(state, WideInputs().jdns, c.letter, mibrexw_jdn_to_date);
}
void IcuToJdn(benchmark::State& state, const LetterCalendar& c) {
    const std::unique_ptr<icu::Calendar> cal = MakeIcu(c.icuLocale);
    const std::vector<IcuFields>& fields = InputsOf(c).icu;
    const bool iso = IsIso(c);
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(IcuToMillis(*cal, iso, fields[i++ & (kSamples - 1)]));
    }
}
void IcuToDate(benchmark::State& state, const LetterCalendar& c) {
    const std::unique_ptr<icu::Calendar> cal = MakeIcu(c.icuLocale);
    const bool iso = IsIso(c);
    JdnToDateLoop(state, WideInputs().jdns, [&](int32_t jdn) {
        const IcuFields f = IcuFromJdn(*cal, iso, jdn);
        return Ymd{f.year, f.month, f.day};
    });
}

void LongCountToJdn(benchmark::State& state) {
    static const std::vector<LongCount> counts = [] {
        std::vector<LongCount> v;
        for (const int32_t jdn : WideInputs().jdns) {
            LongCount c{};
            mibrexw_jdn_to_long_count(jdn, &c);
            v.push_back(c);
        }
        return v;
    }();
    size_t i = 0;
    int32_t jdn = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(mibrexw_long_count_to_jdn(&counts[i++ & (kSamples - 1)], &jdn));
        benchmark::DoNotOptimize(jdn);
    }
}
void LongCountToDate(benchmark::State& state) {
    LongCount c{};
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            mibrexw_jdn_to_long_count(WideInputs().jdns[i++ & (kSamples - 1)], &c));
        benchmark::DoNotOptimize(c);
    }
}

void RegisterLetterBenchmarks() {
    for (const LetterCalendar& c : kLetterCalendars) {
        const std::string name = c.name;
        benchmark::RegisterBenchmark(("BM_ToJdn_Letter_" + name).c_str(), LetterToJdn, c);
        benchmark::RegisterBenchmark(("BM_ToDate_Letter_" + name).c_str(), LetterToDate, c);
        if (c.icuLocale != nullptr) {
            benchmark::RegisterBenchmark(("BM_ToJdn_Icu_" + name).c_str(), IcuToJdn, c);
            benchmark::RegisterBenchmark(("BM_ToDate_Icu_" + name).c_str(), IcuToDate, c);
        }
    }
    benchmark::RegisterBenchmark("BM_ToJdn_Letter_LongCount", LongCountToJdn);
    benchmark::RegisterBenchmark("BM_ToDate_Letter_LongCount", LongCountToDate);
}

// The library and ICU must mean the same days: ICU's fields (its months from 0) are the
// library's dates for the calendars ICU computes by the same rules, and every input goes back
// to its day. ICU's Hebrew calendar is not held to this (it starts some years late).
int LetterInputsDisagree() {
    int wrong = 0;
    for (const LetterCalendar& c : kLetterCalendars) {
        const LetterInputs& in = InputsOf(c);
        const bool compareIcu = c.icuLocale != nullptr && c.letter != 'H';
        const int32_t monthBase = IsIso(c) ? 0 : 1;
        for (size_t i = 0; i < kSamples; ++i) {
            DateRecord r = in.dates[i];
            wrong += mibrexw_date_to_jdn(&r) != 0 || r.jdn != WideInputs().jdns[i];
            const IcuFields& f = in.icu[i];
            wrong += compareIcu &&
                     (f.year != r.year || f.month + monthBase != r.month || f.day != r.day);
        }
    }
    if (wrong != 0) {
        std::fprintf(stderr, "bench_calendar: %d disagreements with ICU\n", wrong);
    }
    return wrong;
}

// ---- Ratio table -----------------------------------------------------------------------------
// Keeps the CPU time per conversion of every benchmark (the median of the repetitions when
// there are several) and prints the ratios the goals are stated in.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred) {
                continue;
            }
            const std::string name = run.run_name.function_name;
            const double ns = run.GetAdjustedCPUTime() * Scale(run.time_unit);
            if (run.run_type == Run::RT_Aggregate) {
                if (run.aggregate_name == "median") {
                    median_[name] = ns;
                }
            } else {
                single_[name] = ns;
            }
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\nns per conversion (CPU time%s) and speed-up of the library\n",
                    median_.empty() ? "" : ", median of repetitions");
        std::printf("%-34s %9s %9s %9s %11s %11s\n", "conversion", "library", "inline", "baseline",
                    "base/lib", "base/inline");
        for (const char* dir : {"ToJdn", "ToDate"}) {
            for (const char* cal : {"Gregorian", "Julian", "AnnusNovus"}) {
                // Annus Novus is Gregorian underneath: its baseline is the textbook Gregorian one.
                const std::string base = std::string("BM_") + dir + "_Textbook_" +
                                         (std::string(cal) == "Julian" ? "Julian" : "Gregorian");
                Row(std::string(dir) + " " + cal + " vs textbook",
                    std::string("BM_") + dir + "_Library_" + cal,
                    std::string("BM_") + dir + "_Inline_" + cal, base);
            }
        }
        for (const char* dir : {"ToJdn", "ToDate"}) {
            Row(std::string(dir) + " Gregorian vs std::chrono",
                std::string("BM_Chrono_") + dir + "_Library",
                std::string("BM_Chrono_") + dir + "_Inline",
                std::string("BM_Chrono_") + dir + "_Chrono");
        }
        // The goal: the library's call within 1.3x of the plain Neri-Schneider call.
        std::printf("\nlibrary / plain Neri-Schneider behind the same C interface (goal <= "
                    "1.30):\n");
        for (const char* dir : {"ToJdn", "ToDate"}) {
            for (const char* cal : {"Gregorian", "Julian", "AnnusNovus"}) {
                const double lib = Get(std::string("BM_") + dir + "_Library_" + cal);
                const double ns = Get(std::string("BM_") + dir + "_NeriSchneider_" + cal);
                if (lib > 0 && ns > 0) {
                    std::printf("  %-6s %-10s %7.2f ns %7.2f ns %6.2fx\n", dir, cal, lib, ns,
                                lib / ns);
                }
            }
        }
        LetterTable();
        std::printf("\nAnnus Novus / Gregorian time:");
        for (const char* dir : {"ToJdn", "ToDate"}) {
            for (const char* kind : {"Library", "Inline"}) {
                const double an = Get(std::string("BM_") + dir + "_" + kind + "_AnnusNovus");
                const double g = Get(std::string("BM_") + dir + "_" + kind + "_Gregorian");
                if (an > 0 && g > 0) {
                    std::printf("  %s %s %.2f", dir, kind, an / g);
                }
            }
        }
        std::printf("\n");
    }

  private:
    // Each calendar by letter: the library's call, ICU's conversion of the same days, and the
    // ratios the goals are stated in (ICU / library >= 20, library / Gregorian <= 5).
    void LetterTable() const {
        std::printf("\ncalendars by letter, ns per conversion (goals: ICU/lib >= 20, "
                    "lib/Gregorian <= 5)\n");
        std::printf("%-20s %9s %9s %9s %10s\n", "conversion", "library", "ICU 72", "ICU/lib",
                    "lib/Greg");
        std::vector<std::string> names;
        for (const LetterCalendar& c : kLetterCalendars) {
            names.emplace_back(c.name);
        }
        names.emplace_back("LongCount");
        for (const char* dir : {"ToJdn", "ToDate"}) {
            const double gregorian = Get(std::string("BM_") + dir + "_Library_Gregorian");
            for (const std::string& name : names) {
                const double lib = Get(std::string("BM_") + dir + "_Letter_" + name);
                const double icu = Get(std::string("BM_") + dir + "_Icu_" + name);
                if (lib <= 0 || gregorian <= 0) {
                    continue;
                }
                const std::string label = std::string(dir) + " " + name;
                if (icu > 0) {
                    std::printf("%-20s %9.2f %9.1f %8.1fx %9.2fx\n", label.c_str(), lib, icu,
                                icu / lib, lib / gregorian);
                } else {
                    std::printf("%-20s %9.2f %9s %9s %9.2fx\n", label.c_str(), lib, "-", "-",
                                lib / gregorian);
                }
            }
        }
    }

    static double Scale(benchmark::TimeUnit unit) {
        switch (unit) {
        case benchmark::kSecond:
            return 1e9;
        case benchmark::kMillisecond:
            return 1e6;
        case benchmark::kMicrosecond:
            return 1e3;
        case benchmark::kNanosecond:
            break;
        }
        return 1.0;
    }

    double Get(const std::string& name) const {
        const auto& source = median_.empty() ? single_ : median_;
        const auto it = source.find(name);
        return it == source.end() ? 0.0 : it->second;
    }

    void Row(const std::string& label, const std::string& library, const std::string& inlined,
             const std::string& baseline) const {
        const double lib = Get(library);
        const double inl = Get(inlined);
        const double base = Get(baseline);
        if (lib <= 0 || inl <= 0 || base <= 0) {
            return; // filtered out
        }
        std::printf("%-34s %9.2f %9.2f %9.2f %10.2fx %10.2fx\n", label.c_str(), lib, inl, base,
                    base / lib, base / inl);
    }

    std::map<std::string, double> single_;
    std::map<std::string, double> median_;
};

bool SameDate(const Ymd& a, const Ymd& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

// The baselines are only worth comparing with if they compute the same thing: every input is
// converted by all of them once before anything is timed.
bool BaselinesAgree() {
    int wrong = 0;
    for (const Inputs* in : {&WideInputs(), &ChronoInputs()}) {
        for (size_t i = 0; i < kSamples; ++i) {
            const int32_t jdn = in->jdns[i];
            DateRecord g = in->gregorian[i];
            DateRecord j = in->julian[i];
            DateRecord a = in->annusNovus[i];
            wrong += euro_date_to_jdn(&g) != jdn;
            wrong += euro_date_to_jdn(&j) != jdn;
            wrong += annus_novus_date_to_jdn(&a) != jdn;
            wrong += !SameDate(LibraryToDate(jdn, 'G'), {g.year, g.month, g.day});
            wrong += !SameDate(LibraryToDate(jdn, 'J'), {j.year, j.month, j.day});
            wrong += !SameDate(LibraryToAn(jdn), {a.year, a.month, a.day});
            wrong += TextbookJulianToJdn(j.year, j.month, j.day) != jdn;
            DateRecord ng = in->gregorian[i], nj = in->julian[i], na = in->annusNovus[i];
            wrong += ns_gregorian_to_jdn(&ng) != jdn;
            wrong += ns_julian_to_jdn(&nj) != jdn;
            wrong += ns_annus_novus_to_jdn(&na) != jdn;
            DateRecord back{};
            back.jdn = jdn;
            ns_jdn_to_gregorian(&back);
            wrong += !SameDate({back.year, back.month, back.day}, {g.year, g.month, g.day});
            ns_jdn_to_julian(&back);
            wrong += !SameDate({back.year, back.month, back.day}, {j.year, j.month, j.day});
            ns_jdn_to_annus_novus(&back);
            wrong += !SameDate({back.year, back.month, back.day}, {a.year, a.month, a.day});
            wrong += TextbookGregorianToJdn(g.year, g.month, g.day) != jdn;
        }
    }
    for (size_t i = 0; i < kSamples; ++i) {
        const DateRecord& g = ChronoInputs().gregorian[i];
        const std::chrono::year_month_day ymd{
            std::chrono::sys_days{std::chrono::days{ChronoInputs().jdns[i] - kUnixEpochJdn}}};
        wrong += static_cast<int>(ymd.year()) != g.year;
        wrong += static_cast<unsigned>(ymd.month()) != static_cast<unsigned>(g.month);
        wrong += static_cast<unsigned>(ymd.day()) != static_cast<unsigned>(g.day);
    }
    if (wrong != 0) {
        std::fprintf(stderr, "bench_calendar: %d disagreements between the conversions\n", wrong);
    }
    return wrong == 0;
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    if (!BaselinesAgree() || LetterInputsDisagree() != 0) {
        return 1;
    }
    RegisterLetterBenchmarks();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
