// Exhaustive check of the calendar library: every JDN from -2,100,000,000 to 2,100,000,000
// goes to a Gregorian, Julian and Annus Novus date and back, each date is the day after the
// one before it (by month lengths and leap rules written out here, independent of the
// library), and the seven-day and five-day weekdays follow in order. A few fixed dates tie
// the chain to the calendars. The calendars reached by letter (Hebrew, Islamic, Persian,
// Coptic, Ethiopic, Indian, French Republican, ISO weeks) and the Long Count are walked the
// same way. With --sample N only N blocks of consecutive days spread over
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

// ---- The calendars reached by letter, and the Long Count -----------------------------------
// The day after a date by each calendar's month lengths, written out here from the leap rules;
// the Hebrew year's length comes from the library (1 Tishri to 1 Tishri) and is itself checked
// against the rule's only possible lengths and weekdays at each new year.
int64_t Mod(int64_t a, int64_t b) {
    return ((a % b) + b) % b;
}

int32_t LetterMonthLength(char calendar, int64_t y, int32_t m) {
    switch (calendar) {
    case 'I':
        return m == 12 ? 29 + (Mod(14 + 11 * y, 30) < 11) : m % 2 == 1 ? 30 : 29;
    case 'P':
        return m <= 6 ? 31 : m <= 11 ? 30 : 29 + (Mod(25 * y + 11, 33) < 8);
    case 'C':
    case 'E':
        return m <= 12 ? 30 : 5 + (Mod(y, 4) == 3);
    case 'S':
        return m == 1 ? 30 + GregorianLeap(y + 78) : m <= 6 ? 31 : 30;
    case 'F':
        return m <= 12 ? 30 : 5 + (y >= 1 && y <= 14 ? y % 4 == 3 : GregorianLeap(y));
    case 'W':
        return 7;
    default: // 'H'
        return mibrexw_days_in_month('H', static_cast<int32_t>(y), m);
    }
}

// Months of the year in their order: the Hebrew year runs from Tishri (7) to Elul (6).
int32_t LetterMonths(char calendar, int64_t y) {
    switch (calendar) {
    case 'C':
    case 'E':
    case 'F':
        return 13;
    case 'H':
        return Mod(7 * y + 1, 19) < 7 ? 13 : 12;
    case 'W': { // 53 weeks when 1 January is a Thursday, or a Wednesday in a leap year
        DateRecord r{static_cast<int32_t>(y), 1, 1, 'G', 0, 0};
        const int32_t weekday = euro_day_of_week(euro_date_to_jdn(&r));
        return weekday == 4 || (weekday == 3 && GregorianLeap(y)) ? 53 : 52;
    }
    default:
        return 12;
    }
}

Date LetterSuccessor(char calendar, Date d) {
    if (++d.day <= LetterMonthLength(calendar, d.year, d.month)) {
        return d;
    }
    d.day = 1;
    if (calendar == 'H') {
        d.month = d.month == 6 ? 7 : d.month == LetterMonths('H', d.year) ? 1 : d.month + 1;
        d.year += d.month == 7 ? 1 : 0;
    } else if (++d.month > LetterMonths(calendar, d.year)) {
        d.month = 1;
        ++d.year;
    }
    return d;
}

struct Maya {
    int32_t negative;
    int32_t place[5];
    bool operator==(const Maya&) const = default;
};

// The next day's Long Count: one kin more, or one less before the creation.
Maya MayaSuccessor(Maya c) {
    static constexpr int32_t kRadix[5] = {0, 20, 20, 18, 20};
    int i = 4;
    if (c.negative == 0) {
        while (i > 0 && ++c.place[i] == kRadix[i]) {
            c.place[i--] = 0;
        }
        c.place[0] += i == 0 ? 1 : 0;
        return c;
    }
    while (i > 0 && c.place[i] == 0) {
        c.place[i] = kRadix[i] - 1;
        --i;
    }
    --c.place[i];
    const bool zero =
        c.place[0] == 0 && c.place[1] == 0 && c.place[2] == 0 && c.place[3] == 0 && c.place[4] == 0;
    c.negative = zero ? 0 : 1;
    return c;
}

constexpr char kLetterCalendars[] = "HIPCESFW";

Date LetterDate(int32_t jdn, char calendar) {
    DateRecord r{0, 0, 0, calendar, jdn, 0};
    mibrexw_jdn_to_date(&r);
    return {r.year, r.month, r.day};
}

Maya LongCountOf(int32_t jdn) {
    LongCount c{};
    mibrexw_jdn_to_long_count(jdn, &c);
    return {c.negative, {c.place[0], c.place[1], c.place[2], c.place[3], c.place[4]}};
}

bool HebrewYearIsRegular(int32_t newYear, int32_t year) {
    DateRecord r{year + 1, 7, 1, 'H', 0, 0};
    mibrexw_date_to_jdn(&r);
    const int32_t length = r.jdn - newYear;
    const int32_t weekday = euro_day_of_week(newYear);
    return ((length >= 353 && length <= 355) || (length >= 383 && length <= 385)) && weekday != 0 &&
           weekday != 3 && weekday != 5;
}

// What the conversions to a JDN answer: 0 within +-2,100,000,000, -5 beyond.
int32_t InRangeStatus(int32_t jdn) {
    return jdn >= kFirstJdn && jdn <= kLastJdn ? 0 : -5;
}

// One day in the calendars by letter and the Long Count, against the day before; the date
// goes back to the same JDN. Writes the first disagreement into problem.
void CheckLetterDay(int32_t jdn, Date (&previous)[8], Maya& maya, char* problem, size_t size) {
    for (int c = 0; c < 8 && problem[0] == '\0'; ++c) {
        const char calendar = kLetterCalendars[c];
        const Date expected = LetterSuccessor(calendar, previous[c]);
        const Date got = LetterDate(jdn, calendar);
        DateRecord r{static_cast<int32_t>(got.year), got.month, got.day, calendar, 0, 0};
        const int32_t status = mibrexw_date_to_jdn(&r);
        if (!(got == expected)) {
            std::snprintf(problem, size, "JDN %d: %c gives %s, the day after %s is %s", jdn,
                          calendar, DateText(got).c_str(), DateText(previous[c]).c_str(),
                          DateText(expected).c_str());
        } else if (status != InRangeStatus(jdn) || r.jdn != jdn) {
            std::snprintf(problem, size, "JDN %d: %s (%c) goes back to JDN %d, status %d", jdn,
                          DateText(got).c_str(), calendar, r.jdn, status);
        } else if (calendar == 'H' && got.month == 7 && got.day == 1 &&
                   !HebrewYearIsRegular(jdn, r.year)) {
            std::snprintf(problem, size,
                          "JDN %d: Hebrew year %d has an impossible length or "
                          "weekday",
                          jdn, r.year);
        }
        previous[c] = got;
    }
    const Maya expected = MayaSuccessor(maya);
    const Maya got = LongCountOf(jdn);
    LongCount lc{got.negative,
                 {got.place[0], got.place[1], got.place[2], got.place[3], got.place[4]}};
    int32_t back = 0;
    if (problem[0] == '\0' &&
        (!(got == expected) || mibrexw_long_count_to_jdn(&lc, &back) != InRangeStatus(jdn) ||
         back != jdn)) {
        std::snprintf(problem, size, "JDN %d: Long Count %s%d.%d.%d.%d.%d, back to %d", jdn,
                      got.negative != 0 ? "-" : "", got.place[0], got.place[1], got.place[2],
                      got.place[3], got.place[4], back);
    }
    maya = got;
}

// Fixed dates that tie these chains to the calendars.
bool CheckLetterAnchors(uint64_t& checked) {
    struct LetterAnchor {
        int32_t jdn;
        char calendar;
        Date date;
    };
    static constexpr LetterAnchor kAnchors[] = {
        {2460587, 'H', {5785, 7, 1}}, {2460500, 'I', {1446, 1, 1}},  {2460390, 'P', {1403, 1, 1}},
        {2460565, 'C', {1741, 1, 1}}, {2460565, 'E', {2017, 1, 1}},  {2460391, 'S', {1946, 1, 1}},
        {2378444, 'F', {8, 2, 18}},   {2461382, 'W', {2026, 50, 1}},
    };
    for (const LetterAnchor& a : kAnchors) {
        const Date got = LetterDate(a.jdn, a.calendar);
        if (!(got == a.date)) {
            std::fprintf(stderr, "FAIL: JDN %d (%c) gives %s, expected %s\n", a.jdn, a.calendar,
                         DateText(got).c_str(), DateText(a.date).c_str());
            return false;
        }
        ++checked;
    }
    const Maya creation = LongCountOf(584283), baktun13 = LongCountOf(2456283);
    checked += 2;
    return creation == Maya{0, {0, 0, 0, 0, 0}} && baktun13 == Maya{0, {13, 0, 0, 0, 0}};
}

bool CheckLetterRange(const Range& range, Counts& counts, Shared& shared) {
    // The chain starts at the day before the range, or at the range's first day when that is
    // the first int32.
    const int64_t first = std::max<int64_t>(range.first, int64_t{INT32_MIN} + 1);
    const auto start = static_cast<int32_t>(first - 1);
    Date previous[8];
    for (int c = 0; c < 8; ++c) {
        previous[c] = LetterDate(start, kLetterCalendars[c]);
    }
    Maya maya = LongCountOf(start);
    for (int64_t j = first; j <= range.last; ++j) {
        char problem[256];
        problem[0] = '\0';
        CheckLetterDay(static_cast<int32_t>(j), previous, maya, problem, sizeof problem);
        if (problem[0] != '\0') {
            Fail(shared, problem);
            return false;
        }
    }
    const auto n = static_cast<uint64_t>(range.last - range.first + 1);
    counts.roundTrips += 9 * n;
    counts.successions += 9 * n;
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
        if (!CheckRange(ranges[i], counts, shared) ||
            !CheckLetterRange(ranges[i], counts, shared)) {
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
    if (!CheckAnchors(anchors) || !CheckLetterAnchors(anchors)) {
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
                "weeks; 8 more calendars and the Long Count), %" PRIu64 " anchor dates\n",
                c.days, ranges.size(), c.roundTrips, c.successions, c.weekdays, anchors);
    std::printf("OK in %.1f s\n", seconds);
    return 0;
}
