// The date jobs against baselines in the same run (fixed seed):
// - a million days written as ISO dates by DateSequence and DateFormat ("Sequence") beside a
//   plain loop over the day numbers writing with the library and snprintf ("PlainSnprintf")
//   and with std::to_chars ("PlainToChars"), the least any writer can do;
// - working days counted over ranges of up to a million days with 200 holidays by
//   WorkCalendar::Count beside the day-by-day count ("WorkdaysDayByDay") and the bare
//   week arithmetic without holidays ("WorkdaysWeeksOnly").
// - a million days as ISO week dates (IsoWeekOf, "IsoWeeks") beside the same days as
//   Gregorian dates by the library ("GregorianDates").
// Compare the items per second (days written, ranges counted) of each pair.
#include "calendar/DateFormat.h"
#include "calendar/DateSequence.h"
#include "calendar/IsoWeek.h"
#include "calendar/Workdays.h"
#include "mibrexw.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr uint32_t kSeed = 20261207;
constexpr int32_t kDays = 1000000;
constexpr int32_t kFirstDay = 2451545; // 2000-01-01
constexpr size_t kFlushAt = 1 << 16;   // the output buffer is handed on at 64 KiB

void Sequence(benchmark::State& state) {
    DateJobs::Span step;
    step.days = 1;
    step.units = DateJobs::kUnitDays;
    DateJobs::DateFormat format;
    format.Compile("%Y-%m-%d%n", DateJobs::FormatNames{});
    std::string out;
    out.reserve(kFlushAt + 64);
    for (auto _ : state) {
        DateJobs::DateSequence sequence('G', kFirstDay, kFirstDay + kDays - 1, step);
        for (int32_t jdn = 0; sequence.Next(jdn);) {
            format.Write(jdn, out);
            if (out.size() >= kFlushAt) {
                benchmark::DoNotOptimize(out.data());
                out.clear();
            }
        }
        out.clear();
    }
    state.SetItemsProcessed(state.iterations() * kDays);
}
BENCHMARK(Sequence)->Unit(benchmark::kMillisecond);

void PlainSnprintf(benchmark::State& state) {
    std::string out;
    out.reserve(kFlushAt + 64);
    for (auto _ : state) {
        for (int32_t jdn = kFirstDay; jdn < kFirstDay + kDays; ++jdn) {
            DateRecord rec{0, 0, 0, 'G', jdn, 0};
            jdn_to_euro_date(&rec);
            char line[48];
            const int n =
                std::snprintf(line, sizeof line, "%d-%02d-%02d\n", rec.year, rec.month, rec.day);
            out.append(line, static_cast<size_t>(n));
            if (out.size() >= kFlushAt) {
                benchmark::DoNotOptimize(out.data());
                out.clear();
            }
        }
        out.clear();
    }
    state.SetItemsProcessed(state.iterations() * kDays);
}
BENCHMARK(PlainSnprintf)->Unit(benchmark::kMillisecond);

void AppendTwo(std::string& out, int32_t v) {
    out += static_cast<char>('0' + v / 10);
    out += static_cast<char>('0' + v % 10);
}

void PlainToChars(benchmark::State& state) {
    std::string out;
    out.reserve(kFlushAt + 64);
    for (auto _ : state) {
        for (int32_t jdn = kFirstDay; jdn < kFirstDay + kDays; ++jdn) {
            DateRecord rec{0, 0, 0, 'G', jdn, 0};
            jdn_to_euro_date(&rec);
            char year[16];
            out.append(year, std::to_chars(year, year + sizeof year, rec.year).ptr);
            out += '-';
            AppendTwo(out, rec.month);
            out += '-';
            AppendTwo(out, rec.day);
            out += '\n';
            if (out.size() >= kFlushAt) {
                benchmark::DoNotOptimize(out.data());
                out.clear();
            }
        }
        out.clear();
    }
    state.SetItemsProcessed(state.iterations() * kDays);
}
BENCHMARK(PlainToChars)->Unit(benchmark::kMillisecond);

void IsoWeeks(benchmark::State& state) {
    for (auto _ : state) {
        for (int32_t jdn = kFirstDay; jdn < kFirstDay + kDays; ++jdn) {
            benchmark::DoNotOptimize(DateJobs::IsoWeekOf(jdn));
        }
    }
    state.SetItemsProcessed(state.iterations() * kDays);
}
BENCHMARK(IsoWeeks)->Unit(benchmark::kMillisecond);

void GregorianDates(benchmark::State& state) {
    for (auto _ : state) {
        for (int32_t jdn = kFirstDay; jdn < kFirstDay + kDays; ++jdn) {
            DateRecord rec{0, 0, 0, 'G', jdn, 0};
            jdn_to_euro_date(&rec);
            benchmark::DoNotOptimize(rec);
        }
    }
    state.SetItemsProcessed(state.iterations() * kDays);
}
BENCHMARK(GregorianDates)->Unit(benchmark::kMillisecond);

struct Ranges {
    std::vector<int32_t> holidays;
    std::vector<std::pair<int32_t, int32_t>> spans;
};

const Ranges& TheRanges() {
    static const Ranges ranges = [] {
        Ranges r;
        std::mt19937 random(kSeed);
        std::uniform_int_distribution<int32_t> day(kFirstDay, kFirstDay + kDays);
        for (int i = 0; i < 200; ++i) {
            r.holidays.push_back(day(random));
        }
        for (int i = 0; i < 64; ++i) {
            const int32_t a = day(random);
            const int32_t b = day(random);
            r.spans.emplace_back(std::min(a, b), std::max(a, b));
        }
        return r;
    }();
    return ranges;
}

void Workdays(benchmark::State& state) {
    const Ranges& ranges = TheRanges();
    const DateJobs::WorkCalendar calendar(DateJobs::kSaturdaySunday, ranges.holidays);
    for (auto _ : state) {
        for (const auto& [from, to] : ranges.spans) {
            benchmark::DoNotOptimize(calendar.Count(from, to));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(ranges.spans.size()));
}
BENCHMARK(Workdays);

void WorkdaysWeeksOnly(benchmark::State& state) {
    const Ranges& ranges = TheRanges();
    for (auto _ : state) {
        for (const auto& [from, to] : ranges.spans) {
            // Whole weeks only, the rest ignored: a floor under any exact count.
            benchmark::DoNotOptimize((to - from) / 7 * 5);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(ranges.spans.size()));
}
BENCHMARK(WorkdaysWeeksOnly);

void WorkdaysDayByDay(benchmark::State& state) {
    const Ranges& ranges = TheRanges();
    std::vector<int32_t> holidays = ranges.holidays;
    std::sort(holidays.begin(), holidays.end());
    for (auto _ : state) {
        for (const auto& [from, to] : ranges.spans) {
            int64_t count = 0;
            for (int32_t day = from; day < to; ++day) {
                const int32_t weekday = euro_day_of_week(day);
                count += weekday != 0 && weekday != 6 &&
                                 !std::binary_search(holidays.begin(), holidays.end(), day)
                             ? 1
                             : 0;
            }
            benchmark::DoNotOptimize(count);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(ranges.spans.size()));
}
BENCHMARK(WorkdaysDayByDay)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
