// The calendars reached by letter: each one's year start, month lengths and the way back from a
// day number. All arithmetic is in 64 bits on int32 fields, so no input overflows: the largest
// intermediate is the Hebrew molad in parts, below 2^55 for any int32 year. Years from a day
// number are first estimated by the mean year and then corrected against the exact year start,
// which keeps every inverse exact without a proof of the estimate's error.
#include "mibrexw.h"

#include "mibrexw_impl.h"

#include <algorithm>
#include <array>

using namespace mibrexw::detail;

namespace {

constexpr int64_t kFirstDay = MIBREXW_SMALLEST_DAY_NUMBER;
constexpr int64_t kLastDay = MIBREXW_LARGEST_DAY_NUMBER;

constexpr int64_t FloorMod(int64_t a, int64_t b) {
    return a - b * FloorDiv(a, b);
}

bool DayWithin(int64_t d, int64_t length) {
    return static_cast<uint64_t>(d - 1) < static_cast<uint64_t>(length);
}

bool MonthWithin(int64_t m, int64_t months) {
    return static_cast<uint64_t>(m - 1) < static_cast<uint64_t>(months);
}

// Both tests at once, without a branch between them.
bool DateWithin(int64_t m, int64_t months, int64_t d, int64_t length) {
    return (static_cast<int>(MonthWithin(m, months)) & static_cast<int>(DayWithin(d, length))) != 0;
}

// ---- Hebrew ---------------------------------------------------------------------------------
// Day numbers of 1 Tishri AM 1 (a Monday) and the molad of that Tishri: 5 hours 204 parts into
// the day, the day counted from 6 p.m. of the evening before; 1080 parts make an hour.
constexpr int64_t kHebrewEpoch = 347998;
constexpr int64_t kPartsPerDay = int64_t{24} * 1080;
constexpr int64_t kMoladOne = int64_t{5} * 1080 + 204;
constexpr int64_t kMonthParts = 29 * kPartsPerDay + int64_t{12} * 1080 + 793;
// Whole weeks added to the molad so that the division by a day's parts sees a positive number
// (the epoch is a multiple of 7, so the day's weekday is then read off the quotient).
constexpr int64_t kMoladShiftDays = 7 * 200'000'000'000;

bool HebrewLeap(int64_t y) {
    return FloorMod(7 * y + 1, 19) < 7;
}

// Months from the molad of Tishri AM 1 to the molad of Tishri of year y.
constexpr int64_t HebrewMonthsBefore(int64_t y) {
    return FloorDiv(235 * y - 234, 19);
}

// Days by which 1 Tishri follows the day of its molad, by the four rules, without a branch.
// weekday: the molad's, 0 Sunday; time: its parts into the day (from 6 p.m.); leap and
// afterLeap: this year and the one before have 13 months.
constexpr uint64_t Postponement(uint64_t weekday, uint64_t time, bool leap, bool afterLeap) {
    // Molad zaken: from noon on, the next day.
    const uint64_t zaken = time >= uint64_t{18} * 1080 ? 1 : 0;
    // Lo ADU Rosh: never Sunday, Wednesday or Friday: bits 0, 3, 5 and 7 (Sunday again, after
    // a Saturday molad put off by zaken).
    const uint64_t adu = (0xA9u >> (weekday + zaken)) & 1u;
    // GaTaRaD: a common year's Tuesday molad from 9 h 204 p goes to Thursday. BeTUTaKPaT: after
    // a leap year, a Monday molad from 15 h 589 p goes to Tuesday.
    const uint64_t gatarad = (zaken == 0) & (weekday == 2) & (time >= 9 * 1080 + 204) & !leap;
    const uint64_t betutakpat =
        (zaken == 0) & (weekday == 1) & (time >= 15 * 1080 + 589) & afterLeap;
    return zaken + adu + 2 * gatarad + betutakpat;
}

// The rules look at the time only against three limits.
constexpr uint64_t kTimeLimits[3] = {uint64_t{9} * 1080 + 204, uint64_t{15} * 1080 + 589,
                                     uint64_t{18} * 1080};
// The next molad comes 12 months (354 d 9516 p) or 13 months (383 d 23269 p) later.
constexpr uint64_t kYearParts[2] = {9516, 23269};
constexpr uint64_t kYearDays[2] = {354, 383};

// The times of day at which this year's or the next one's postponement can change: this
// year's limits, the next molad's limits moved back by a year's parts, and the time from which
// the next molad passes midnight. Six in either kind of year, so seven spans of the day.
constexpr size_t kTimeBounds = 6;
constexpr std::array<uint32_t, kTimeBounds> TimeBounds(uint64_t leap) {
    std::array<uint64_t, 10> all{};
    size_t n = 0;
    const uint64_t add = kYearParts[leap];
    all[n++] = static_cast<uint64_t>(kPartsPerDay) - add;
    for (const uint64_t limit : kTimeLimits) {
        all[n++] = limit;
        all[n++] = (limit + static_cast<uint64_t>(kPartsPerDay) - add) %
                   static_cast<uint64_t>(kPartsPerDay);
    }
    std::sort(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(n));
    std::array<uint32_t, kTimeBounds> bounds{};
    size_t k = 0;
    for (size_t i = 0; i < n; ++i) {
        if (i == 0 || all[i] != all[i - 1]) {
            bounds.at(k++) = static_cast<uint32_t>(all[i]); // throws (fails to compile) if > 6
        }
    }
    if (k != kTimeBounds) {
        throw "not six bounds";
    }
    return bounds;
}
constexpr std::array<std::array<uint32_t, kTimeBounds>, 2> kBounds = {TimeBounds(0), TimeBounds(1)};

// What a year's molad decides: 1 Tishri's day in the week of the molad (0 .. 8), the year's
// row in kHebrewMonths and kHebrewDays (leap * 3 + 1 + kind) and its length less 353.
struct YearKind {
    uint8_t day;
    uint8_t row;
    uint8_t extra;
    uint8_t unused;
};

// By s = (7 y + 13) mod 19 (which tells the leap years of y - 1, y and y + 1), the molad's day
// in the week counted from the epoch's weekday, and the span of its time among kBounds.
constexpr auto kYearKinds = [] {
    std::array<YearKind, size_t{19} * 7 * (kTimeBounds + 1)> table{};
    for (uint64_t s = 0; s < 19; ++s) {
        const uint64_t leap = s >= 12 ? 1 : 0;
        const bool afterLeap = s < 7;
        const bool nextLeap = s >= 5 && s < 12;
        for (uint64_t day = 0; day < 7; ++day) {
            const uint64_t weekday = (day + 1) % 7; // the epoch, JDN 347998, was a Monday
            for (uint64_t span = 0; span <= kTimeBounds; ++span) {
                const uint64_t time = span == 0 ? 0 : kBounds[leap][span - 1];
                const uint64_t delay = Postponement(weekday, time, leap != 0, afterLeap);
                const uint64_t nextTime = time + kYearParts[leap];
                const uint64_t carry = nextTime >= static_cast<uint64_t>(kPartsPerDay) ? 1 : 0;
                const uint64_t nextDelay = Postponement(
                    (weekday + kYearDays[leap] + carry) % 7,
                    nextTime - carry * static_cast<uint64_t>(kPartsPerDay), nextLeap, leap != 0);
                const uint64_t length = kYearDays[leap] + carry + nextDelay - delay;
                const uint64_t kind = length + 1 - (leap != 0 ? 384 : 354); // 0, 1, 2
                table[(s * 7 + day) * (kTimeBounds + 1) + span] = {
                    static_cast<uint8_t>(day + delay), static_cast<uint8_t>(leap * 3 + kind),
                    static_cast<uint8_t>(length - 353), 0};
            }
        }
    }
    return table;
}();

// The molad's place in its week (parts since the start of the epoch's weekday) gives the day
// and the span of kYearKinds as day * 7 + span, which grows by one at each bound and at each
// midnight. No two of those lie within 256 parts of each other, so for each 256 parts of the
// week the place at their start and the offset of the one change inside (256 for none) give it
// with one load and one comparison.
constexpr uint32_t kWeekPartsU = 7 * 24 * 1080;
constexpr uint32_t kSpanStep = 256;
constexpr uint32_t kWeekSteps = (kWeekPartsU + kSpanStep - 1) / kSpanStep;

constexpr uint32_t DaySpan(uint32_t leap, uint32_t inWeek) {
    const uint32_t day = inWeek / (24 * 1080);
    const uint32_t time = inWeek % (24 * 1080);
    uint32_t span = 0;
    for (const uint32_t bound : kBounds[leap]) {
        span += time >= bound ? 1 : 0;
    }
    return day * 7 + span;
}

struct WeekStep {
    uint8_t daySpan; // at the step's first part
    uint16_t change; // parts into the step where daySpan grows by one, kSpanStep for never
};

constexpr auto kWeekStepsTable = [] {
    std::array<std::array<WeekStep, kWeekSteps>, 2> table{};
    for (uint32_t leap = 0; leap < 2; ++leap) {
        for (uint32_t step = 0; step < kWeekSteps; ++step) {
            const uint32_t first = step * kSpanStep;
            const uint32_t base = DaySpan(leap, first);
            // DaySpan never falls within a week: search the step's last part for a change.
            uint32_t low = first;
            uint32_t high = std::min(first + kSpanStep, kWeekPartsU) - 1;
            const uint32_t last = DaySpan(leap, high);
            if (last > base + 1) {
                throw "two changes in one step";
            }
            uint32_t change = kSpanStep;
            if (last != base) {
                while (high - low > 1) { // DaySpan(low) == base, DaySpan(high) == base + 1
                    const uint32_t mid = low + (high - low) / 2;
                    (DaySpan(leap, mid) == base ? low : high) = mid;
                }
                change = high - first;
            }
            table.at(leap).at(step) = {static_cast<uint8_t>(base), static_cast<uint16_t>(change)};
        }
    }
    return table;
}();

struct HebrewYear {
    int64_t start;  // JDN of 1 Tishri
    int64_t length; // 353..355 or 383..385 days
    size_t row;     // leap * 3 + 1 + kind, the row of kHebrewMonths and kHebrewDays
};

// 235 y - 234 moved by whole 19-year cycles to be positive for every int32 year.
constexpr int64_t kHebrewShiftCycles = 27'000'000'000;
constexpr uint64_t kWeekParts = kWeekPartsU;

// The year whose molad of Tishri is `before` months after the first one, and its s. The
// molad's place in its week picks the year's kind in kYearKinds, without a branch.
[[gnu::always_inline]] inline HebrewYear HebrewYearAt(int64_t before, uint64_t s) {
    const auto parts = static_cast<uint64_t>(kMoladOne + kMonthParts * before +
                                             kMoladShiftDays * kPartsPerDay); // in [0, 2^56)
    static_assert(kHebrewEpoch % 7 == 0 && kMoladShiftDays % 7 == 0);
    const uint64_t weeks = parts / kWeekParts;
    const auto inWeek = static_cast<uint32_t>(parts - weeks * kWeekParts);
    const WeekStep step = kWeekStepsTable[s >= 12 ? 1 : 0][inWeek / kSpanStep];
    const uint32_t daySpan = step.daySpan + (inWeek % kSpanStep >= step.change ? 1u : 0u);
    const YearKind kind = kYearKinds[s * 7 * (kTimeBounds + 1) + daySpan];
    return {kHebrewEpoch + static_cast<int64_t>(7 * weeks + kind.day) - kMoladShiftDays,
            353 + int64_t{kind.extra}, kind.row};
}

[[gnu::always_inline]] inline HebrewYear HebrewYearOf(int64_t y) {
    const auto u = static_cast<uint64_t>(235 * y - 234 + 19 * kHebrewShiftCycles);
    return HebrewYearAt(static_cast<int64_t>(u / 19) - kHebrewShiftCycles, u % 19);
}

// For each month of a 19-year cycle that begins with year 1's Tishri: its year in the cycle
// (1..19), the months of the cycle before that year, and the year's s for HebrewYearAt.
struct CycleYear {
    int8_t year;
    int16_t before;
    int8_t s;
};
constexpr auto kCycleYears = [] {
    std::array<CycleYear, 235> table{};
    int64_t y = 1;
    for (int64_t r = 0; r < 235; ++r) {
        while (HebrewMonthsBefore(y + 1) <= r) {
            ++y;
        }
        table[static_cast<size_t>(r)] = {static_cast<int8_t>(y),
                                         static_cast<int16_t>(HebrewMonthsBefore(y)),
                                         static_cast<int8_t>((7 * y + 13) % 19)};
    }
    return table;
}();

// A year's kind: -1 short (Kislev of 29 days), 0 regular, 1 long (Heshvan of 30 days).
int64_t HebrewKind(int64_t length) {
    return length - (length > 380 ? 384 : 354);
}

// Days from 1 Tishri to the first of month m (1 Nisan .. 13 Adar II) in a regular year.
constexpr int16_t kCommonBefore[14] = {0, 177, 207, 236, 266, 295, 325, 0, 30, 59, 89, 118, 148, 0};
constexpr int16_t kLeapBefore[14] = {0, 207, 237, 266, 296, 325, 355, 0, 30, 59, 89, 118, 148, 178};
// Nisan 30, Iyyar 29, ... Elul 29, Tishri 30, Heshvan 29, Kislev 30, Tevet 29, Shevat 30,
// Adar 29, Adar II 29: in a regular common year.
constexpr int8_t kRegular[14] = {0, 30, 29, 30, 29, 30, 29, 30, 29, 30, 29, 30, 29, 29};

// Days from 1 Tishri to the first of month m (1 Nisan .. 13 Adar II).
constexpr int64_t HebrewDaysBefore(int64_t m, bool leap, int64_t kind) {
    // A long year's extra day ends Heshvan (8), a short year's missing one Kislev (9).
    const int64_t days = leap ? kLeapBefore[m] : kCommonBefore[m];
    return days + ((kind > 0) & (m != 7) & (m != 8)) -
           ((kind < 0) & (m != 7) & (m != 8) & (m != 9));
}

// Month m in 1..13 (Adar II of a common year has 0 days).
constexpr int64_t HebrewMonthLength(int64_t m, bool leap, int64_t kind) {
    return kRegular[m] + ((m == 8) & (kind > 0)) - ((m == 9) & (kind < 0)) + ((m == 12) & leap) -
           29 * ((m == 13) & !leap);
}

// Both for every month of the six kinds of year, by leap * 3 + kind + 1: one load a date.
struct HebrewMonth {
    int16_t before;
    int16_t length;
};
constexpr auto kHebrewMonths = [] {
    // 16 months a row, so that any month & 15 may be looked up before it is checked.
    std::array<std::array<HebrewMonth, 16>, 6> table{};
    for (int64_t row = 0; row < 6; ++row) {
        for (int64_t m = 1; m <= 13; ++m) {
            const bool leap = row >= 3;
            const int64_t kind = row % 3 - 1;
            table[static_cast<size_t>(row)][static_cast<size_t>(m)] = {
                static_cast<int16_t>(HebrewDaysBefore(m, leap, kind)),
                static_cast<int16_t>(HebrewMonthLength(m, leap, kind))};
        }
    }
    return table;
}();

// Month and day of every day of the year for the six kinds of year, in the rows of
// kHebrewMonths: the way back from a day of the year is one load.
struct HebrewDay {
    int8_t month;
    int8_t day;
};
constexpr auto kHebrewDays = [] {
    std::array<std::array<HebrewDay, 385>, 6> table{};
    for (size_t row = 0; row < 6; ++row) {
        for (size_t m = 1; m <= 13; ++m) {
            const HebrewMonth month = kHebrewMonths[row][m];
            for (int64_t d = 0; d < month.length; ++d) {
                table[row][static_cast<size_t>(month.before + d)] = {static_cast<int8_t>(m),
                                                                     static_cast<int8_t>(d + 1)};
            }
        }
    }
    return table;
}();

int64_t HebrewMonthDays(int64_t m, int64_t length) {
    return MonthWithin(m, 13) ? HebrewMonthLength(m, length > 380, HebrewKind(length)) : 0;
}

// ---- Calendars of regular year starts ------------------------------------------------------
constexpr int64_t kIslamicEpoch = 1948440;  // 1 Muharram 1 AH, Friday 16 July 622 Julian
constexpr int64_t kPersianEpoch = 1948320;  // 1 Farvardin 1 AP as ICU counts, 18 March 622 Julian
constexpr int64_t kCopticEpoch = 1825030;   // 1 Thout 1, 29 August 284 Julian
constexpr int64_t kEthiopicEpoch = 1724221; // 1 Meskerem 1, 29 August 8 Julian
constexpr int64_t kFrenchEpoch = 2375840;   // 1 Vendemiaire I, 22 September 1792

int64_t IslamicYearStart(int64_t y) {
    return kIslamicEpoch + 354 * (y - 1) + FloorDiv(3 + 11 * y, 30);
}

int64_t PersianYearStart(int64_t y) {
    return kPersianEpoch + 365 * (y - 1) + FloorDiv(8 * y + 21, 33);
}

int64_t PersianDaysBefore(int64_t m) {
    return m <= 7 ? 31 * (m - 1) : 30 * (m - 1) + 6;
}

// Coptic and Ethiopic: the year before one divisible by 4 has the sixth epagomenal day.
int64_t AlexandrianYearStart(int64_t epoch, int64_t y) {
    return epoch + 365 * (y - 1) + FloorDiv(y, 4);
}

// Indian national: Saka year y begins in Gregorian year y + 78.
int64_t IndianYearStart(int64_t y) {
    const int64_t g = y + 78;
    return GregorianToJdnWide(g, 3, IsGregorianLeap(g) ? 21 : 22);
}

int64_t IndianDaysBefore(int64_t m, bool leap) {
    const int64_t chaitra = leap ? 31 : 30;
    return m == 1 ? 0 : m <= 7 ? chaitra + 31 * (m - 2) : chaitra + 155 + 30 * (m - 7);
}

bool FrenchLeap(int64_t y) {
    return y >= 1 && y <= 14 ? y % 4 == 3 : IsGregorianLeap(y);
}

// Romme's count of leap years, shifted by one for years 4, 8 and 12, which follow the leap
// years 3, 7 and 11 of the Republic itself.
int64_t FrenchYearStart(int64_t y) {
    const int64_t p = y - 1;
    const int64_t leaps = FloorDiv(p, 4) - FloorDiv(p, 100) + FloorDiv(p, 400);
    return kFrenchEpoch + 365 * p + leaps + ((y == 4 || y == 8 || y == 12) ? 1 : 0);
}

// ISO weeks: the Monday of week 1 is the Monday on or before 4 January (JDN 0 was a Monday).
int64_t IsoYearStart(int64_t y) {
    const int64_t jan4 = GregorianNewYearJdn(y) + 3;
    return jan4 - FloorMod(jan4, 7);
}

// ---- Dispatch -------------------------------------------------------------------------------
enum class Cal {
    Gregorian,
    Julian,
    AnnusNovus,
    Hebrew,
    Islamic,
    Persian,
    Coptic,
    Ethiopic,
    Indian,
    French,
    IsoWeek,
    None
};

Cal CalOf(int32_t letter) {
    switch (letter) {
    case 0:
    case MIBREXW_GREGORIAN:
        return Cal::Gregorian;
    case MIBREXW_JULIAN:
        return Cal::Julian;
    case MIBREXW_ANNUS_NOVUS:
        return Cal::AnnusNovus;
    case MIBREXW_HEBREW:
        return Cal::Hebrew;
    case MIBREXW_ISLAMIC:
        return Cal::Islamic;
    case MIBREXW_PERSIAN:
        return Cal::Persian;
    case MIBREXW_COPTIC:
        return Cal::Coptic;
    case MIBREXW_ETHIOPIC:
        return Cal::Ethiopic;
    case MIBREXW_INDIAN:
        return Cal::Indian;
    case MIBREXW_FRENCH:
        return Cal::French;
    case MIBREXW_ISO_WEEK:
        return Cal::IsoWeek;
    default:
        return Cal::None;
    }
}

int64_t EuroMonthDays(int64_t m, bool leap) {
    if (m == 2) {
        return leap ? 29 : 28;
    }
    return (m <= 7) == (m % 2 == 1) ? 31 : 30;
}

int64_t MonthsInYear(Cal cal, int64_t y) {
    switch (cal) {
    case Cal::AnnusNovus:
        return IsAnnusNovusLeap(y) ? 11 : 10;
    case Cal::Hebrew:
        return HebrewLeap(y) ? 13 : 12;
    case Cal::Coptic:
    case Cal::Ethiopic:
    case Cal::French:
        return 13;
    case Cal::IsoWeek:
        return (IsoYearStart(y + 1) - IsoYearStart(y)) / 7;
    case Cal::None:
        return 0;
    default:
        return 12;
    }
}

// Month lengths by the leap rules, for a month the year has.
int64_t IslamicMonthLength(int64_t y, int64_t m) {
    if (m == 12) {
        return FloorMod(14 + 11 * y, 30) < 11 ? 30 : 29;
    }
    return m % 2 == 1 ? 30 : 29;
}

int64_t PersianMonthLength(int64_t y, int64_t m) {
    if (m == 12) {
        return FloorMod(25 * y + 11, 33) < 8 ? 30 : 29;
    }
    return m <= 6 ? 31 : 30;
}

int64_t IndianMonthLength(int64_t y, int64_t m) {
    if (m == 1) {
        return IsGregorianLeap(y + 78) ? 31 : 30;
    }
    return m <= 6 ? 31 : 30;
}

// Coptic, Ethiopic and French: twelve months of 30 days and the complementary days.
int64_t ThirteenthMonthLength(int64_t m, bool leap) {
    if (m <= 12) {
        return 30;
    }
    return leap ? 6 : 5;
}

// Length of month m of year y, 0 when the year has no such month.
int64_t MonthDays(Cal cal, int64_t y, int64_t m) {
    if (!MonthWithin(m, MonthsInYear(cal, y))) {
        return 0;
    }
    switch (cal) {
    case Cal::Gregorian:
        return EuroMonthDays(m, IsGregorianLeap(y));
    case Cal::Julian:
        return EuroMonthDays(m, IsJulianLeap(y));
    case Cal::AnnusNovus:
        return m == 11 ? 1 : 36 + (m % 2 == 0 ? 1 : 0);
    case Cal::Hebrew:
        return HebrewMonthDays(m, HebrewYearOf(y).length);
    case Cal::Islamic:
        return IslamicMonthLength(y, m);
    case Cal::Persian:
        return PersianMonthLength(y, m);
    case Cal::Coptic:
    case Cal::Ethiopic:
        return ThirteenthMonthLength(m, FloorMod(y, 4) == 3);
    case Cal::Indian:
        return IndianMonthLength(y, m);
    case Cal::French:
        return ThirteenthMonthLength(m, FrenchLeap(y));
    case Cal::IsoWeek:
        return 7;
    case Cal::None:
        break;
    }
    return 0;
}

// ---- Date -> JDN, one function a calendar ---------------------------------------------------
// Each checks the date and answers kInvalid for one its calendar lacks. Floor divisions of
// signed numbers are unsigned divisions of the number moved by whole periods.
constexpr int64_t kInvalid = INT64_MIN;

constexpr int64_t kShiftPeriods = 2'000'000'000; // > |11 y + 14| / 30, |8 y + 21| / 33

int64_t HebrewToJdn(int64_t y, int64_t m, int64_t d) {
    const HebrewYear h = HebrewYearOf(y);
    const HebrewMonth& month = kHebrewMonths[h.row][static_cast<size_t>(m & 15)];
    if (!DateWithin(m, 13, d, month.length)) {
        return kInvalid;
    }
    return h.start + month.before + d - 1;
}

[[gnu::noinline, gnu::cold]] int64_t IslamicToJdnWide(int64_t y, int64_t m, int64_t d) {
    // 11 y + 14 = 30 q + r: the year is leap when r < 11, and floor((11 y + 3) / 30), the leap
    // days before it, is q less that.
    const auto shifted = static_cast<uint64_t>(11 * y + 14 + 30 * kShiftPeriods);
    const int64_t q = static_cast<int64_t>(shifted / 30) - kShiftPeriods;
    const int64_t leap = shifted % 30 < 11 ? 1 : 0;
    const int64_t length = 29 + (m & 1) + (m == 12 ? 1 : 0) * leap;
    if (!DateWithin(m, 12, d, length)) {
        return kInvalid;
    }
    return kIslamicEpoch + 354 * (y - 1) + q - leap + 29 * (m - 1) + (m >> 1) + d - 1;
}

[[gnu::noinline, gnu::cold]] int64_t PersianToJdnWide(int64_t y, int64_t m, int64_t d) {
    // 8 y + 21 = 33 q + r: q leap days lie before the year, which is leap when r >= 25, that is
    // when (25 y + 11) mod 33 < 8.
    const auto shifted = static_cast<uint64_t>(8 * y + 21 + 33 * kShiftPeriods);
    const int64_t q = static_cast<int64_t>(shifted / 33) - kShiftPeriods;
    const int64_t leap = shifted % 33 >= 25 ? 1 : 0;
    const int64_t length = 31 - (m > 6 ? 1 : 0) - (m == 12 ? 1 : 0) * (1 - leap);
    if (!DateWithin(m, 12, d, length)) {
        return kInvalid;
    }
    const int64_t before = 30 * (m - 1) + std::min<int64_t>(m - 1, 6);
    return kPersianEpoch + 365 * (y - 1) + q + before + d - 1;
}

// For each month: the days before it and its length in a common year, and 1 for the month
// that a leap year lengthens; rows 0 and 13 to 15 are empty. Indexed before the month is
// checked (by month & 15, or by the month with 0 for one outside 1..12), so that the test of
// the day against the row's length refuses a month the calendar lacks as well.
struct MonthRow { // 64-bit fields: each is one load straight into the sum
    int64_t before;
    int64_t length;
    int64_t leapDay;
};
using MonthRows = std::array<MonthRow, 16>;

constexpr MonthRows kIslamicMonths = [] {
    MonthRows table{};
    for (int64_t m = 1; m <= 12; ++m) {
        table[static_cast<size_t>(m)] = {29 * (m - 1) + m / 2, 29 + m % 2, m == 12 ? 1 : 0};
    }
    return table;
}();

constexpr MonthRows kPersianMonths = [] {
    MonthRows table{};
    for (int64_t m = 1; m <= 12; ++m) {
        table[static_cast<size_t>(m)] = {30 * (m - 1) + std::min<int64_t>(m - 1, 6),
                                         m <= 6    ? 31
                                         : m <= 11 ? 30
                                                   : 29,
                                         m == 12 ? 1 : 0};
    }
    return table;
}();

// Days from 1 March: 1 Vaishakha is 21 April (day 51) every year, 1 Chaitra 22 March (day 21)
// in a common year and a day earlier, with a day more, in a leap year.
constexpr MonthRows kIndianMonths = [] {
    MonthRows table{};
    table[1] = {21, 30, 1};
    for (int64_t m = 2; m <= 12; ++m) {
        table[static_cast<size_t>(m)] = {51 + 30 * (m - 2) + std::min<int64_t>(m - 2, 5),
                                         m <= 6 ? 31 : 30, 0};
    }
    return table;
}();

// Islamic and Persian years: `leaps` leap years in every `years`, and leaps y + shift =
// years q + r gives q, the leap days before year y, which is leap when r >= years - leaps.
// Islamic: 11 y + 3 = 30 q + r, leap when (11 y + 14) mod 30 < 11; Persian: 8 y + 21 = 33 q + r,
// leap when (25 y + 11) mod 33 < 8.
struct LeapCycle {
    int64_t years;
    int64_t leaps;
    int64_t shift;
    int64_t commonYear;
    int64_t epoch;
    const MonthRows& months;
};
constexpr LeapCycle kIslamicCycle{30, 11, 3, 354, kIslamicEpoch, kIslamicMonths};
constexpr LeapCycle kPersianCycle{33, 8, 21, 365, kPersianEpoch, kPersianMonths};

// The short way moves the year by kFastCycles whole cycles and divides n = leaps y + shift,
// below 2^32, by one multiplication: with M = ceil(2^32 / years) and e = M years - 2^32, n M is
// q 2^32 + r M + q e. While q e < M - e the high half is q and the low half lies in
// [r M, (r + 1) M), so the year is leap when the low half reaches (years - leaps) M.
constexpr int64_t kFastCycles = 300'000;

constexpr uint64_t CycleMagic(const LeapCycle& c) {
    return ((uint64_t{1} << 32) + static_cast<uint64_t>(c.years) - 1) /
           static_cast<uint64_t>(c.years);
}

// Every year has its exact day, or a day outside the range, which sends it the wide way. Where
// q e reaches M - e, or n leaves [0, 2^32), the high half is still some number in [0, M): the
// years there must be so far out that no such number brings a date back into the range.
constexpr bool FastCycleSound(const LeapCycle& c) {
    const auto magic = static_cast<int64_t>(CycleMagic(c));
    const int64_t e = magic * c.years - (int64_t{1} << 32);
    const int64_t exactQuotients = (magic - e - 1) / e + 1; // q e < M - e
    const int64_t lastExact =
        (c.years * exactQuotients - 1 - c.shift) / c.leaps - c.years * kFastCycles; // n < years q
    const int64_t firstExact = -c.years * kFastCycles;                              // n >= 0
    const int64_t lowest = c.epoch + c.commonYear * lastExact - c.leaps * kFastCycles;
    const int64_t highest =
        c.epoch + c.commonYear * (firstExact - 2) + magic - c.leaps * kFastCycles + 366;
    return e > 0 && lowest > kLastDay && highest < kFirstDay;
}

template <const LeapCycle& c> int64_t CycleToJdn(int64_t y, int64_t m, int64_t d) {
    static_assert(FastCycleSound(c));
    const auto n = static_cast<uint32_t>(c.leaps * (y + c.years * kFastCycles) + c.shift);
    const uint64_t product = uint64_t{n} * CycleMagic(c);
    const int64_t q = static_cast<int64_t>(product >> 32) - c.leaps * kFastCycles;
    const int64_t leap =
        static_cast<uint32_t>(product) >= (c.years - c.leaps) * CycleMagic(c) ? 1 : 0;
    // A month outside 1..12 reads row 0, of no days, so that the day's test alone refuses it.
    const MonthRow& month = c.months[static_cast<uint64_t>(m) <= 12 ? static_cast<size_t>(m) : 0];
    const int64_t length = month.length + (month.leapDay & leap);
    // kInvalid for a date the calendar lacks: the caller's range test sends it the wide way.
    const int64_t jdn = c.epoch + c.commonYear * (y - 1) + q + month.before + d - 1;
    return DayWithin(d, length) ? jdn : kInvalid;
}

int64_t AlexandrianToJdn(int64_t epoch, int64_t y, int64_t m, int64_t d) {
    const int64_t length = 30 - (m == 13 ? 1 : 0) * (25 - ((y & 3) == 3 ? 1 : 0));
    if (!DateWithin(m, 13, d, length)) {
        return kInvalid;
    }
    return epoch + 365 * (y - 1) + (y >> 2) + 30 * (m - 1) + d - 1; // y >> 2 = floor(y / 4)
}

// From 1 March of the Gregorian year: from Vaishakha on the months begin on the same Gregorian
// days every year (1 Vaishakha is 21 April), Chaitra a day earlier in a leap year, so only
// 1 Chaitra and Chaitra's length see the leap day. The year is moved by whole 400-year cycles
// to be positive, below 2^33 for every int32 year: a quarter of it fits 32 bits, and so the
// divisions, without a 64-bit one.
constexpr int64_t kIndianShiftCycles = 5'400'000; // 400 * 5400000 > 2^31 + 78

int64_t IndianToJdn(int64_t y, int64_t m, int64_t d) {
    const auto yy = static_cast<uint64_t>(y + 78 + 400 * kIndianShiftCycles);
    const auto quarter = static_cast<uint32_t>(yy >> 2);
    const uint32_t century = quarter / 25;
    // A year divisible by 4 is leap unless it is a century's not divisible by 16 (400).
    const uint64_t mask = quarter != 25 * century ? 3 : 15;
    const int64_t leap = (yy & mask) == 0 ? 1 : 0;
    // A month outside 1..12 reads row 0, of no days, so that the day's test alone refuses it.
    const MonthRow& month =
        kIndianMonths[static_cast<uint64_t>(m) <= 12 ? static_cast<size_t>(m) : 0];
    const int64_t leapDay = month.leapDay & leap;
    // 1461 yy / 4 is 365 yy + yy / 4 with one multiplication.
    const uint64_t marchYear = 1461 * yy / 4 - century + century / 4;
    const int64_t jdn = static_cast<int64_t>(marchYear) + month.before - leapDay + d - 1 +
                        (kGregorianMarch0 - 146097 * kIndianShiftCycles);
    return DayWithin(d, month.length + leapDay) ? jdn : kInvalid;
}

int64_t FrenchToJdn(int64_t y, int64_t m, int64_t d) {
    const int64_t length = m <= 12 ? 30 : 5 + (FrenchLeap(y) ? 1 : 0);
    if (!MonthWithin(m, 13) || !DayWithin(d, length)) {
        return kInvalid;
    }
    return FrenchYearStart(y) + 30 * (m - 1) + d - 1;
}

int64_t IsoWeekToJdn(int64_t y, int64_t m, int64_t d) {
    const int64_t start = IsoYearStart(y);
    if (!DayWithin(d, 7) || !MonthWithin(m, 53) ||
        (m == 53 && IsoYearStart(y + 1) - start != int64_t{53} * 7)) {
        return kInvalid;
    }
    return start + 7 * (m - 1) + d - 1;
}

int64_t CopticToJdn(int64_t y, int64_t m, int64_t d) {
    return AlexandrianToJdn(kCopticEpoch, y, m, d);
}
int64_t EthiopicToJdn(int64_t y, int64_t m, int64_t d) {
    return AlexandrianToJdn(kEthiopicEpoch, y, m, d);
}
int64_t GregorianLetterToJdn(int64_t y, int64_t m, int64_t d) {
    if (!MonthWithin(m, 12) || !DayWithin(d, EuroMonthDays(m, IsGregorianLeap(y)))) {
        return kInvalid;
    }
    return GregorianToJdn(y, m, d);
}
int64_t JulianLetterToJdn(int64_t y, int64_t m, int64_t d) {
    if (!MonthWithin(m, 12) || !DayWithin(d, EuroMonthDays(m, IsJulianLeap(y)))) {
        return kInvalid;
    }
    return JulianToJdn(y, m, d);
}
int64_t AnnusNovusLetterToJdn(int64_t y, int64_t m, int64_t d) {
    if (!DayWithin(d, MonthDays(Cal::AnnusNovus, y, m))) {
        return kInvalid;
    }
    return AnnusNovusToJdn(y, m, d);
}

// An invalid date or one beyond +-2,100,000,000 leaves the common path.
bool InRange(int64_t jdn) {
    return static_cast<uint64_t>(jdn) - static_cast<uint64_t>(kFirstDay) <=
           static_cast<uint64_t>(kLastDay - kFirstDay);
}

// The second look, by the way that is exact for every int32 year, month and day.
template <int64_t (*kWide)(int64_t, int64_t, int64_t)>
[[gnu::noinline, gnu::cold]] int32_t RecordToJdnWide(DateRecord* rec) {
    const int64_t jdn = kWide(rec->year, rec->month, rec->day);
    if (jdn == kInvalid) {
        return -1;
    }
    rec->jdn = Saturate(jdn);
    return InRange(jdn) ? 0 : -5;
}

// One function a calendar behind the exported call, each with only the registers it needs.
// The short way answers kInvalid, far outside the range, for an invalid date and for a year it
// does not cover, so one unsigned test passes only the ordinary dates; the rest go to kWide.
template <int64_t (*kToJdn)(int64_t, int64_t, int64_t),
          int64_t (*kWide)(int64_t, int64_t, int64_t) = kToJdn>
int32_t RecordToJdn(DateRecord* rec) {
    const int64_t jdn = kToJdn(rec->year, rec->month, rec->day);
    if (!InRange(jdn)) {
        return RecordToJdnWide<kWide>(rec);
    }
    rec->jdn = static_cast<int32_t>(jdn);
    return 0;
}

// The year holding jdn, from an estimate within a few years, and that year's first day.
template <typename Start>
int64_t SettleYear(int64_t jdn, int64_t year, Start start, int64_t& first) {
    first = start(year);
    while (first > jdn) {
        first = start(--year);
    }
    for (int64_t next = start(year + 1); next <= jdn; next = start(year + 1)) {
        ++year;
        first = next;
    }
    return year;
}

// For the rare second look at a year, kept out of the common path.
[[gnu::noinline]] HebrewYear HebrewYearOutOfLine(int64_t y) {
    return HebrewYearOf(y);
}

Ymd HebrewFromJdn(int64_t jdn) {
    // The lunar month holding jdn by the mean month of 765433 parts gives the year and the
    // month's place in it, each at most one off, near the start of a year or a month.
    // Both floor divisions on numbers moved by whole periods to be positive for any int32 jdn.
    constexpr int64_t kLunations = 100'000'000; // > 2^32 days / 29.5
    constexpr int64_t kCycles = 1'000'000;      // > kLunations / 235
    const int64_t lunation =
        static_cast<int64_t>(static_cast<uint64_t>((jdn - kHebrewEpoch) * kPartsPerDay - kMoladOne +
                                                   kLunations * kMonthParts) /
                             kMonthParts) -
        kLunations;
    // The year from the lunation's place in its 19-year cycle.
    const auto shifted = static_cast<uint64_t>(lunation + 235 * kCycles);
    const int64_t cycles = static_cast<int64_t>(shifted / 235) - kCycles;
    const CycleYear& inCycle = kCycleYears[shifted % 235];
    int64_t y = 19 * cycles + inCycle.year;
    HebrewYear h = HebrewYearAt(235 * cycles + inCycle.before, static_cast<uint64_t>(inCycle.s));
    while (jdn < h.start) {
        h = HebrewYearOutOfLine(--y);
    }
    while (jdn >= h.start + h.length) {
        h = HebrewYearOutOfLine(++y);
    }
    const int64_t dayOfYear = jdn - h.start;
    const HebrewDay& day = kHebrewDays[h.row][static_cast<size_t>(dayOfYear)];
    return {static_cast<int32_t>(y), day.month, day.day};
}

Ymd MakeYmd(int64_t y, int64_t m, int64_t d) {
    return {static_cast<int32_t>(y), static_cast<int32_t>(m), static_cast<int32_t>(d)};
}

// Calendars of twelve 30-day months and a short thirteenth.
Ymd ThirtyDayMonths(int64_t y, int64_t dayOfYear) {
    return MakeYmd(y, dayOfYear / 30 + 1, dayOfYear % 30 + 1);
}

Ymd IslamicFromJdn(int64_t jdn) {
    int64_t first = 0;
    const int64_t y = SettleYear(jdn, FloorDiv(30 * (jdn - kIslamicEpoch) + 10646, 10631),
                                 IslamicYearStart, first);
    const int64_t dayOfYear = jdn - first;
    const int64_t m = dayOfYear >= 325 ? 12 : 2 * dayOfYear / 59 + 1;
    return MakeYmd(y, m, dayOfYear - 29 * (m - 1) - m / 2 + 1);
}

Ymd PersianFromJdn(int64_t jdn) {
    int64_t first = 0;
    const int64_t y = SettleYear(jdn, 1 + FloorDiv(33 * (jdn - kPersianEpoch) + 3, 12053),
                                 PersianYearStart, first);
    const int64_t dayOfYear = jdn - first;
    const int64_t m = dayOfYear < 186 ? dayOfYear / 31 + 1 : (dayOfYear - 6) / 30 + 1;
    return MakeYmd(y, m, dayOfYear - PersianDaysBefore(m) + 1);
}

Ymd AlexandrianFromJdn(int64_t epoch, int64_t jdn) {
    int64_t first = 0;
    const int64_t y = SettleYear(
        jdn, FloorDiv(4 * (jdn - epoch) + 1463, 1461),
        [epoch](int64_t year) { return AlexandrianYearStart(epoch, year); }, first);
    return ThirtyDayMonths(y, jdn - first);
}

Ymd IndianFromJdn(int32_t jdn) {
    int64_t first = 0;
    const int64_t y =
        SettleYear(jdn, int64_t{JdnToGregorian(jdn).year} - 78, IndianYearStart, first);
    const int64_t dayOfYear = jdn - first;
    const bool leap = IsGregorianLeap(y + 78);
    int64_t m = 1;
    while (m < 12 && IndianDaysBefore(m + 1, leap) <= dayOfYear) {
        ++m;
    }
    return MakeYmd(y, m, dayOfYear - IndianDaysBefore(m, leap) + 1);
}

Ymd FrenchFromJdn(int64_t jdn) {
    int64_t first = 0;
    const int64_t y =
        SettleYear(jdn, 1 + FloorDiv(400 * (jdn - kFrenchEpoch), 146097), FrenchYearStart, first);
    return ThirtyDayMonths(y, jdn - first);
}

bool FitsInt32(int64_t v) {
    return v >= kInt32Min && v <= kInt32Max;
}

// Days near either end of int32, whose Thursday may lie beyond it.
[[gnu::noinline, gnu::cold]] Ymd IsoWeekFromJdnWide(int32_t jdn) {
    const int64_t weekday = FloorMod(jdn, 7); // 0 Monday
    // The week belongs to the year of its Thursday.
    const int64_t thursday = int64_t{jdn} - weekday + 3;
    int64_t y = JdnToGregorian(jdn).year;
    if (thursday < GregorianNewYearJdn(y)) {
        --y;
    } else if (thursday >= GregorianNewYearJdn(y + 1)) {
        ++y;
    }
    return MakeYmd(y, (thursday - GregorianNewYearJdn(y)) / 7 + 1, weekday + 1);
}

// The week belongs to the year of its Thursday and is that day's day of the year counted in
// sevens, read off its place in the March-based year as JdnToAnnusNovus does.
Ymd IsoWeekFromJdn(int32_t jdn) {
    // 0 Monday: jdn + 2^31, positive in 32 bits, is jdn + 2 modulo 7 (JDN 0 was a Monday).
    const uint32_t shifted = (static_cast<uint32_t>(jdn) + 0x8000'0000u) % 7;
    const uint32_t weekday = shifted + 5 - (shifted >= 2 ? 7 : 0);
    const int64_t thursday = int64_t{jdn} - weekday + 3;
    if (!FitsInt32(thursday)) {
        return IsoWeekFromJdnWide(jdn);
    }
    const MarchYearDay c = GregorianMarchYearDay(static_cast<int32_t>(thursday));
    const bool janFeb = c.dayOfYear >= 306;
    // For March..December the leap day, if any, lies before 1 March of the same year.
    const bool leap = c.yearOfCent != 0 ? (c.yearOfCent % 4 == 0) : (c.century % 4 == 0);
    const uint32_t dayOfYear = janFeb ? c.dayOfYear - 306 : c.dayOfYear + 59 + leap; // [0, 365]
    const int64_t year =
        int64_t{100} * c.century + c.yearOfCent + janFeb - 400 * kGregorianDayShiftCycles;
    return MakeYmd(year, dayOfYear / 7 + 1, weekday + 1);
}

Ymd AnnusNovusFromJdn(int32_t jdn) {
    Ymd out{};
    JdnToAnnusNovus(jdn, out);
    return out;
}
Ymd CopticFromJdn(int32_t jdn) {
    return AlexandrianFromJdn(kCopticEpoch, jdn);
}
Ymd EthiopicFromJdn(int32_t jdn) {
    return AlexandrianFromJdn(kEthiopicEpoch, jdn);
}
Ymd HebrewFromJdn32(int32_t jdn) {
    return HebrewFromJdn(jdn);
}
Ymd IslamicFromJdn32(int32_t jdn) {
    return IslamicFromJdn(jdn);
}
Ymd PersianFromJdn32(int32_t jdn) {
    return PersianFromJdn(jdn);
}
Ymd FrenchFromJdn32(int32_t jdn) {
    return FrenchFromJdn(jdn);
}

template <Ymd (*kFromJdn)(int32_t)> int32_t RecordFromJdn(DateRecord* rec) {
    const Ymd d = kFromJdn(rec->jdn);
    rec->year = d.year;
    rec->month = d.month;
    rec->day = d.day;
    return 0;
}

// ---- Dispatch by letter ---------------------------------------------------------------------
// Each calendar's pair of functions at its letter less 'A', so that the exported calls reach
// the calendar in one indirect jump.
using RecordFn = int32_t (*)(DateRecord*);

int32_t NoCalendar(DateRecord* /*rec*/) {
    return -1;
}

struct RecordFns {
    RecordFn toJdn;
    RecordFn fromJdn;
};

constexpr uint32_t kLetterCount = MIBREXW_ISO_WEEK - 'A' + 1;
constexpr auto kByLetter = [] {
    std::array<RecordFns, kLetterCount> table{};
    table.fill({NoCalendar, NoCalendar});
    const auto put = [&table](int32_t letter, RecordFn toJdn, RecordFn fromJdn) {
        table[static_cast<size_t>(letter - 'A')] = {toJdn, fromJdn};
    };
    put(MIBREXW_GREGORIAN, RecordToJdn<GregorianLetterToJdn>, RecordFromJdn<JdnToGregorian>);
    put(MIBREXW_JULIAN, RecordToJdn<JulianLetterToJdn>, RecordFromJdn<JdnToJulian>);
    put(MIBREXW_ANNUS_NOVUS, RecordToJdn<AnnusNovusLetterToJdn>, RecordFromJdn<AnnusNovusFromJdn>);
    put(MIBREXW_HEBREW, RecordToJdn<HebrewToJdn>, RecordFromJdn<HebrewFromJdn32>);
    put(MIBREXW_ISLAMIC, RecordToJdn<CycleToJdn<kIslamicCycle>, IslamicToJdnWide>,
        RecordFromJdn<IslamicFromJdn32>);
    put(MIBREXW_PERSIAN, RecordToJdn<CycleToJdn<kPersianCycle>, PersianToJdnWide>,
        RecordFromJdn<PersianFromJdn32>);
    put(MIBREXW_COPTIC, RecordToJdn<CopticToJdn>, RecordFromJdn<CopticFromJdn>);
    put(MIBREXW_ETHIOPIC, RecordToJdn<EthiopicToJdn>, RecordFromJdn<EthiopicFromJdn>);
    put(MIBREXW_INDIAN, RecordToJdn<IndianToJdn>, RecordFromJdn<IndianFromJdn>);
    put(MIBREXW_FRENCH, RecordToJdn<FrenchToJdn>, RecordFromJdn<FrenchFromJdn32>);
    put(MIBREXW_ISO_WEEK, RecordToJdn<IsoWeekToJdn>, RecordFromJdn<IsoWeekFromJdn>);
    return table;
}();

// ---- Month ordinals -------------------------------------------------------------------------
// ISO: 400 Gregorian years are exactly 20871 weeks.
constexpr int64_t kIsoCycleWeeks = 20871;

// Position of month m in the Hebrew year, from Tishri = 0.
int64_t HebrewMonthPosition(int64_t m, bool leap) {
    if (m >= 7) {
        return m - 7;
    }
    return m + (leap ? 6 : 5);
}

int64_t HebrewMonthAtPosition(int64_t position, bool leap) {
    if (position < 6 || (leap && position == 6)) {
        return position + 7;
    }
    return position - (leap ? 6 : 5);
}

} // namespace

extern "C" {

MIBREXW_API int32_t mibrexw_date_to_jdn(DateRecord* rec) {
    const uint32_t at = static_cast<uint32_t>(rec->calendar) - 'A';
    if (at < kLetterCount) {
        return kByLetter[at].toJdn(rec);
    }
    return rec->calendar == 0 ? RecordToJdn<GregorianLetterToJdn>(rec) : -1;
}

MIBREXW_API int32_t mibrexw_jdn_to_date(DateRecord* rec) {
    const uint32_t at = static_cast<uint32_t>(rec->calendar) - 'A';
    if (at < kLetterCount) {
        return kByLetter[at].fromJdn(rec);
    }
    return rec->calendar == 0 ? RecordFromJdn<JdnToGregorian>(rec) : -1;
}

MIBREXW_API int32_t mibrexw_months_in_year(int32_t letter, int32_t year) {
    return static_cast<int32_t>(MonthsInYear(CalOf(letter), year));
}

MIBREXW_API int32_t mibrexw_days_in_month(int32_t letter, int32_t year, int32_t month) {
    return static_cast<int32_t>(MonthDays(CalOf(letter), year, month));
}

MIBREXW_API int32_t mibrexw_month_index(int32_t letter, int32_t year, int32_t month,
                                        int64_t* index) {
    const Cal cal = CalOf(letter);
    if (index == nullptr || cal == Cal::AnnusNovus || month < 1 ||
        month > MonthsInYear(cal, year)) {
        return -1;
    }
    if (cal == Cal::Hebrew) {
        *index = HebrewMonthsBefore(year) - HebrewMonthsBefore(0) +
                 HebrewMonthPosition(month, HebrewLeap(year));
    } else if (cal == Cal::IsoWeek) {
        *index = (IsoYearStart(year) - IsoYearStart(0)) / 7 + month - 1;
    } else {
        *index = MonthsInYear(cal, year) * int64_t{year} + month - 1;
    }
    return 0;
}

MIBREXW_API int32_t mibrexw_month_of_index(int32_t letter, int64_t index, int32_t* year,
                                           int32_t* month) {
    const Cal cal = CalOf(letter);
    if (year == nullptr || month == nullptr || cal == Cal::AnnusNovus || cal == Cal::None) {
        return -1;
    }
    // Every answer's year is below 2^31 in size only for indices below 2^40 in size, and
    // below that no product here leaves 64 bits.
    constexpr int64_t kIndexLimit = int64_t{1} << 40;
    if (index < -kIndexLimit || index > kIndexLimit) {
        return -5;
    }
    int64_t y = 0;
    int64_t m = 0;
    if (cal == Cal::Hebrew) {
        const int64_t months = index + HebrewMonthsBefore(0);
        y = FloorDiv(19 * months + 234, 235);
        while (HebrewMonthsBefore(y) > months) {
            --y;
        }
        while (HebrewMonthsBefore(y + 1) <= months) {
            ++y;
        }
        m = HebrewMonthAtPosition(months - HebrewMonthsBefore(y), HebrewLeap(y));
    } else if (cal == Cal::IsoWeek) {
        const int64_t cycles = FloorDiv(index, kIsoCycleWeeks);
        const int64_t monday = IsoYearStart(0) + 7 * (index - cycles * kIsoCycleWeeks);
        const Ymd inCycle = IsoWeekFromJdn(static_cast<int32_t>(monday));
        y = inCycle.year + 400 * cycles;
        m = inCycle.month;
    } else {
        const int64_t n = MonthsInYear(cal, 0);
        y = FloorDiv(index, n);
        m = index - n * y + 1;
    }
    if (!FitsInt32(y)) {
        return -5;
    }
    *year = static_cast<int32_t>(y);
    *month = static_cast<int32_t>(m);
    return 0;
}

MIBREXW_API int32_t mibrexw_jdn_to_long_count(int32_t jdn, LongCount* out) {
    if (out == nullptr) {
        return -1;
    }
    const int64_t days = int64_t{jdn} - 584283;
    int64_t left = days < 0 ? -days : days;
    out->negative = days < 0 ? 1 : 0;
    static constexpr int64_t kPlace[5] = {0, 20, 20, 18, 20}; // katun..kin in their upper place
    for (int i = 4; i >= 1; --i) {
        out->place[i] = static_cast<int32_t>(left % kPlace[i]);
        left /= kPlace[i];
    }
    out->place[0] = static_cast<int32_t>(left);
    return 0;
}

MIBREXW_API int32_t mibrexw_long_count_to_jdn(const LongCount* count, int32_t* jdn) {
    if (count == nullptr || jdn == nullptr || (count->negative != 0 && count->negative != 1) ||
        count->place[0] < 0) {
        return -1;
    }
    static constexpr int32_t kLimit[5] = {0, 20, 20, 18, 20};
    int64_t days = count->place[0];
    for (int i = 1; i < 5; ++i) {
        if (count->place[i] < 0 || count->place[i] >= kLimit[i]) {
            return -1;
        }
        days = days * kLimit[i] + count->place[i];
    }
    const int64_t result = 584283 + (count->negative != 0 ? -days : days);
    *jdn = Saturate(result);
    return result < kFirstDay || result > kLastDay ? -5 : 0;
}

} // extern "C"
