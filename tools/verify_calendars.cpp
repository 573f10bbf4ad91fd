// Exhaustive check of the calendar library: every JDN from -2,100,000,000 to 2,100,000,000
// goes to a Gregorian, Julian and Annus Novus date and back, each date is the day after the
// one before it (by month lengths and leap rules written out here, independent of the
// library), and the seven-day and five-day weekdays follow in order. A few fixed dates tie
// the chain to the calendars. With --sample N only N blocks of consecutive days spread over
// the range are checked, which takes seconds.
#include "mibrexw.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

// The library is exact for every 32-bit JDN, beyond the day numbers the windows take; the
// first day is the chain's start, so its date stands only as the day before the next.
constexpr int64_t kFirstJdn = int64_t{INT32_MIN} + 1;
constexpr int64_t kLastJdn = INT32_MAX;
constexpr int64_t kChunkDays = int64_t{1} << 24; // unit of work in the full run
constexpr int64_t kSampleBlockDays = 1000;

struct Date {
    int64_t year;
    int32_t month;
    int32_t day;
    bool operator==(const Date&) const = default;
};

bool GregorianLeap(int64_t y) {
    return y % 4 == 0 && (y % 100 != 0 || y % 400 == 0);
}

int32_t MonthLength(char calendar, int64_t year, int32_t month) {
    static constexpr int32_t kDays[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    switch (calendar) {
    case 'A':
        if (month == 11) {
            return GregorianLeap(year - 8519) ? 1 : 0;
        }
        return month % 2 == 1 ? 36 : 37;
    case 'J':
        return month == 2 && year % 4 == 0 ? 29 : kDays[month];
    default:
        return month == 2 && GregorianLeap(year) ? 29 : kDays[month];
    }
}

Date Successor(char calendar, Date d) {
    if (++d.day <= MonthLength(calendar, d.year, d.month)) {
        return d;
    }
    d.day = 1;
    const int32_t months = calendar == 'A' ? 11 : 12;
    do { // an empty Intercalarius is skipped
        if (++d.month > months) {
            d.month = 1;
            ++d.year;
        }
    } while (MonthLength(calendar, d.year, d.month) == 0);
    return d;
}

struct Counts {
    uint64_t days = 0;
    uint64_t roundTrips = 0;
    uint64_t successions = 0;
    uint64_t weekdays = 0;

    void Add(const Counts& o) {
        days += o.days;
        roundTrips += o.roundTrips;
        successions += o.successions;
        weekdays += o.weekdays;
    }
};

struct Shared {
    std::atomic<bool> failed{false};
    std::atomic<size_t> nextRange{0};
    std::mutex mutex;
    std::string failure;
    Counts total;
    uint64_t rangesDone = 0;
};

void Fail(Shared& shared, const std::string& what) {
    std::lock_guard<std::mutex> lock(shared.mutex);
    if (!shared.failed.exchange(true)) {
        shared.failure = what;
    }
}

std::string DateText(const Date& d) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%" PRId64 "-%02d-%02d", d.year, d.month, d.day);
    return buffer;
}

Date EuroDate(int32_t jdn, char calendar) {
    DateRecord r{};
    r.calendar = calendar;
    r.jdn = jdn;
    jdn_to_euro_date(&r);
    return {r.year, r.month, r.day};
}

Date AnnusNovusDate(int32_t jdn, int32_t& weekday) {
    DateRecord r{};
    r.calendar = 'A';
    r.jdn = jdn;
    weekday = jdn_to_annus_novus_date(&r);
    return {r.year, r.month, r.day};
}

struct Range {
    int64_t first;
    int64_t last;
};

// Checks every JDN of the range, each against the day before it (first - 1 included, so the
// chain runs on across ranges). Returns false at the first disagreement.
bool CheckRange(const Range& range, Counts& counts, Shared& shared) {
    const auto start = static_cast<int32_t>(range.first - 1);
    Date gregorian = EuroDate(start, 'G');
    Date julian = EuroDate(start, 'J');
    int32_t anWeekday = 0;
    Date annusNovus = AnnusNovusDate(start, anWeekday);
    // The day before Intercalarius is Decimus 37, a Quintidi.
    int32_t lastAnWeekday = anWeekday == 0 ? 5 : anWeekday;
    int32_t weekday = euro_day_of_week(start);

    for (int64_t j = range.first; j <= range.last; ++j) {
        const auto jdn = static_cast<int32_t>(j);
        char problem[256];
        problem[0] = '\0';

        DateRecord r{};
        for (char calendar : {'G', 'J'}) {
            Date& previous = calendar == 'G' ? gregorian : julian;
            const Date expected = Successor(calendar, previous);
            const Date got = EuroDate(jdn, calendar);
            if (!(got == expected)) {
                std::snprintf(problem, sizeof problem,
                              "JDN %d: jdn_to_euro_date (%c) gives %s, the day after %s is %s", jdn,
                              calendar, DateText(got).c_str(), DateText(previous).c_str(),
                              DateText(expected).c_str());
                break;
            }
            r = DateRecord{static_cast<int32_t>(got.year), got.month, got.day, calendar, 0, 0};
            const int32_t back = euro_date_to_jdn(&r);
            if (back != jdn) {
                std::snprintf(problem, sizeof problem, "JDN %d: %s (%c) goes back to JDN %d", jdn,
                              DateText(got).c_str(), calendar, back);
                break;
            }
            previous = got;
        }
        if (problem[0] == '\0') {
            const Date expected = Successor('A', annusNovus);
            int32_t w = 0;
            const Date got = AnnusNovusDate(jdn, w);
            const int32_t expectedWeekday = got.month == 11 ? 0 : lastAnWeekday % 5 + 1;
            r = DateRecord{static_cast<int32_t>(got.year), got.month, got.day, 'A', 0, 0};
            int32_t back = 0;
            if (!(got == expected)) {
                std::snprintf(problem, sizeof problem,
                              "JDN %d: jdn_to_annus_novus_date gives %s, the day after %s is %s",
                              jdn, DateText(got).c_str(), DateText(annusNovus).c_str(),
                              DateText(expected).c_str());
            } else if (w != expectedWeekday) {
                std::snprintf(problem, sizeof problem,
                              "JDN %d: Annus Novus weekday of %s is %d, expected %d", jdn,
                              DateText(got).c_str(), w, expectedWeekday);
            } else if ((back = annus_novus_date_to_jdn(&r)) != jdn) {
                std::snprintf(problem, sizeof problem, "JDN %d: %s AN goes back to JDN %d", jdn,
                              DateText(got).c_str(), back);
            }
            annusNovus = got;
            if (w != 0) {
                lastAnWeekday = w;
            }
        }
        if (problem[0] == '\0') {
            const int32_t w = euro_day_of_week(jdn);
            if (w != (weekday + 1) % 7) {
                std::snprintf(problem, sizeof problem, "JDN %d: euro_day_of_week gives %d after %d",
                              jdn, w, weekday);
            }
            weekday = w;
        }
        if (problem[0] != '\0') {
            Fail(shared, problem);
            return false;
        }
        if ((j & 0xFFFFF) == 0 && shared.failed.load(std::memory_order_relaxed)) {
            return false;
        }
    }
    const auto n = static_cast<uint64_t>(range.last - range.first + 1);
    counts.days += n;
    counts.roundTrips += 3 * n;
    counts.successions += 3 * n;
    counts.weekdays += 2 * n;
    return true;
}

// Fixed dates that tie the chain of successions to the calendars.
struct Anchor {
    int32_t jdn;
    char calendar;
    Date date;
    int32_t weekday; // seven-day, or Annus Novus for 'A'
};

bool CheckAnchors(uint64_t& checked) {
    static constexpr Anchor kAnchors[] = {
        {0, 'J', {-4712, 1, 1}, 1},       {2451545, 'G', {2000, 1, 1}, 6},
        {2451911, 'G', {2001, 1, 1}, 1},  {2451911, 'J', {2000, 12, 19}, 1},
        {2451911, 'A', {10520, 1, 1}, 1}, {2451910, 'A', {10519, 11, 1}, 0},
    };
    for (const Anchor& a : kAnchors) {
        int32_t weekday = euro_day_of_week(a.jdn);
        const Date got =
            a.calendar == 'A' ? AnnusNovusDate(a.jdn, weekday) : EuroDate(a.jdn, a.calendar);
        if (!(got == a.date) || weekday != a.weekday) {
            std::fprintf(stderr, "FAIL: JDN %d (%c) gives %s weekday %d, expected %s weekday %d\n",
                         a.jdn, a.calendar, DateText(got).c_str(), weekday,
                         DateText(a.date).c_str(), a.weekday);
            return false;
        }
        ++checked;
    }
    return true;
}

std::vector<Range> FullRanges() {
    std::vector<Range> ranges;
    for (int64_t first = kFirstJdn; first <= kLastJdn; first += kChunkDays) {
        ranges.push_back({first, std::min(first + kChunkDays - 1, kLastJdn)});
    }
    return ranges;
}

// Blocks of consecutive days: one at each end of the range, the others one in each equal
// slice at a random place (fixed seed, so a failure repeats).
std::vector<Range> SampleRanges(int64_t blocks) {
    std::vector<Range> ranges;
    ranges.push_back({kFirstJdn, kFirstJdn + kSampleBlockDays - 1});
    ranges.push_back({kLastJdn - kSampleBlockDays + 1, kLastJdn});
    const int64_t inner = blocks - 2;
    if (inner > 0) {
        const int64_t slice = (kLastJdn - kFirstJdn + 1) / inner;
        std::mt19937_64 rng(0x6d69627265787721ULL);
        std::uniform_int_distribution<int64_t> offset(0, slice - kSampleBlockDays);
        for (int64_t i = 0; i < inner; ++i) {
            const int64_t first = kFirstJdn + i * slice + offset(rng);
            ranges.push_back({first, first + kSampleBlockDays - 1});
        }
    }
    return ranges;
}

void Worker(const std::vector<Range>& ranges, Shared& shared, bool progress) {
    Counts counts;
    for (;;) {
        const size_t i = shared.nextRange.fetch_add(1);
        if (i >= ranges.size() || shared.failed.load()) {
            break;
        }
        if (!CheckRange(ranges[i], counts, shared)) {
            break;
        }
        if (progress) {
            std::lock_guard<std::mutex> lock(shared.mutex);
            ++shared.rangesDone;
            if (shared.rangesDone % 25 == 0) {
                std::fprintf(stderr, "  %" PRIu64 " of %zu chunks\n", shared.rangesDone,
                             ranges.size());
            }
        }
    }
    std::lock_guard<std::mutex> lock(shared.mutex);
    shared.total.Add(counts);
}

int Usage(const char* program) {
    std::fprintf(stderr,
                 "usage: %s [--sample BLOCKS] [--threads N]\n"
                 "  without --sample every JDN from %" PRId64 " to %" PRId64
                 " is checked (minutes);\n"
                 "  --sample checks BLOCKS blocks of %" PRId64 " consecutive days (BLOCKS >= 2).\n",
                 program, kFirstJdn, kLastJdn, kSampleBlockDays);
    return 2;
}

bool ReadPositive(const char* text, int64_t& value) {
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || v <= 0) {
        return false;
    }
    value = v;
    return true;
}

} // namespace

int main(int argc, char** argv) {
    int64_t sampleBlocks = 0;
    int64_t threads = 2;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--sample") == 0 && i + 1 < argc) {
            if (!ReadPositive(argv[++i], sampleBlocks) || sampleBlocks < 2) {
                return Usage(argv[0]);
            }
        } else if (std::strcmp(argv[i], "--threads") == 0 && i + 1 < argc) {
            if (!ReadPositive(argv[++i], threads) || threads > 64) {
                return Usage(argv[0]);
            }
        } else {
            return Usage(argv[0]);
        }
    }

    const auto started = std::chrono::steady_clock::now();
    uint64_t anchors = 0;
    if (!CheckAnchors(anchors)) {
        return 1;
    }
    const std::vector<Range> ranges = sampleBlocks > 0 ? SampleRanges(sampleBlocks) : FullRanges();
    std::printf("verify_calendars: %s, %zu ranges, %" PRId64 " threads\n",
                sampleBlocks > 0 ? "sampled" : "every JDN", ranges.size(), threads);
    std::fflush(stdout);

    Shared shared;
    std::vector<std::thread> pool;
    for (int64_t t = 0; t < threads; ++t) {
        pool.emplace_back(Worker, std::cref(ranges), std::ref(shared), sampleBlocks == 0);
    }
    for (std::thread& t : pool) {
        t.join();
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();

    if (shared.failed) {
        std::fprintf(stderr, "FAIL: %s\n", shared.failure.c_str());
        return 1;
    }
    uint64_t expectedDays = 0;
    for (const Range& r : ranges) {
        expectedDays += static_cast<uint64_t>(r.last - r.first + 1);
    }
    const Counts& c = shared.total;
    if (c.days != expectedDays || c.days == 0) {
        std::fprintf(stderr, "FAIL: checked %" PRIu64 " days, expected %" PRIu64 "\n", c.days,
                     expectedDays);
        return 1;
    }
    std::printf("checked %" PRIu64 " days in %zu ranges: %" PRIu64 " round trips, %" PRIu64
                " day-after checks, %" PRIu64 " weekday checks (3 calendars, 7- and 5-day "
                "weeks), %" PRIu64 " anchor dates\n",
                c.days, ranges.size(), c.roundTrips, c.successions, c.weekdays, anchors);
    std::printf("OK in %.1f s\n", seconds);
    return 0;
}
