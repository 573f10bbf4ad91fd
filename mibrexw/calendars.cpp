// The calendars reached by letter: each one's year start, month lengths and the way back from a
// day number. All arithmetic is in 64 bits on int32 fields, so no input overflows: the largest
// intermediate is the Hebrew molad in parts, below 2^55 for any int32 year. Years from a day
// number are first estimated by the mean year and then corrected against the exact year start,
// which keeps every inverse exact without a proof of the estimate's error.
#include "mibrexw.h"

#include "mibrexw_impl.h"

using namespace mibrexw::detail;

namespace {

constexpr int64_t kFirstDay = MIBREXW_SMALLEST_DAY_NUMBER;
constexpr int64_t kLastDay = MIBREXW_LARGEST_DAY_NUMBER;

constexpr int64_t FloorMod(int64_t a, int64_t b) {
    return a - b * FloorDiv(a, b);
}

// ---- Hebrew ---------------------------------------------------------------------------------
// Day numbers of 1 Tishri AM 1 (a Monday) and the molad of that Tishri: 5 hours 204 parts into
// the day, the day counted from 6 p.m. of the evening before; 1080 parts make an hour.
constexpr int64_t kHebrewEpoch = 347998;
constexpr int64_t kPartsPerDay = 24 * 1080;
constexpr int64_t kMoladOne = 5 * 1080 + 204;
constexpr int64_t kMonthParts = 29 * kPartsPerDay + 12 * 1080 + 793;
// Whole weeks added to the molad so that the division by a day's parts sees a positive number
// (the epoch is a multiple of 7, so the day's weekday is then read off the quotient).
constexpr int64_t kMoladShiftDays = 7 * 200'000'000'000;

bool HebrewLeap(int64_t y) {
    return FloorMod(7 * y + 1, 19) < 7;
}

// Months from the molad of Tishri AM 1 to the molad of Tishri of year y.
int64_t HebrewMonthsBefore(int64_t y) {
    return FloorDiv(235 * y - 234, 19);
}

// 1 Tishri of year y: the day of the molad, put off by the four rules.
int64_t HebrewNewYear(int64_t y) {
    const auto parts =
        static_cast<uint64_t>(kMoladOne + kMonthParts * HebrewMonthsBefore(y) +
                              kMoladShiftDays * kPartsPerDay); // in [0, 2^56)
    static_assert(kHebrewEpoch % 7 == 0);
    const auto dayOffset = static_cast<int64_t>(parts / kPartsPerDay);
    const auto time = static_cast<int64_t>(parts % kPartsPerDay);
    int64_t day = kHebrewEpoch + dayOffset - kMoladShiftDays;
    // 0 Sunday .. 6 Saturday; JDN 0 was a Monday.
    int64_t weekday = (dayOffset + 1) % 7;
    if (time >= 18 * 1080) { // molad zaken: from noon on, the next day
        ++day;
        weekday = (weekday + 1) % 7;
    } else if (weekday == 2 && time >= 9 * 1080 + 204 && !HebrewLeap(y)) {
        return day + 2; // GaTaRaD: Tuesday to Thursday
    } else if (weekday == 1 && time >= 15 * 1080 + 589 && HebrewLeap(y - 1)) {
        return day + 1; // BeTUTaKPaT: Monday to Tuesday
    }
    // Lo ADU Rosh: never Sunday, Wednesday or Friday.
    return day + ((weekday == 0 || weekday == 3 || weekday == 5) ? 1 : 0);
}

// Days from 1 Tishri to the first of month m (1 Nisan .. 13 Adar II) in a year of the given
// length; a long year lengthens Heshvan, a short one shortens Kislev.
int64_t HebrewDaysBefore(int64_t m, int64_t length) {
    static constexpr int16_t kCommon[13] = {0,   177, 207, 236, 266, 295, 325,
                                            0,   30,  59,  89,  118, 148};
    static constexpr int16_t kLeap[14] = {0,   207, 237, 266, 296, 325, 355,
                                          0,   30,  59,  89,  118, 148, 178};
    int64_t days = length > 380 ? kLeap[m] : kCommon[m];
    if (length % 10 == 5 && m != 7 && m != 8) {
        ++days;
    } else if (length % 10 == 3 && m != 7 && m != 8 && m != 9) {
        --days;
    }
    return days;
}

int64_t HebrewMonthDays(int64_t m, int64_t length) {
    if (m < 1 || m > (length > 380 ? 13 : 12)) {
        return 0;
    }
    if (m == 8) {
        return length % 10 == 5 ? 30 : 29;
    }
    if (m == 9) {
        return length % 10 == 3 ? 29 : 30;
    }
    if (m >= 12) { // Adar I of a leap year has 30 days, Adar and Adar II 29
        return m == 12 && length > 380 ? 30 : 29;
    }
    // Nisan 30, Iyyar 29, ... Tishri 30; Tevet 29, Shevat 30.
    return m % 2 == 1 ? 30 : 29;
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
enum class Cal { Gregorian, Julian, AnnusNovus, Hebrew, Islamic, Persian, Coptic, Ethiopic,
                 Indian, French, IsoWeek, None };

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

// Length of month m of year y, 0 when the year has no such month.
int64_t MonthDays(Cal cal, int64_t y, int64_t m) {
    if (m < 1 || m > MonthsInYear(cal, y)) {
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
        return HebrewMonthDays(m, HebrewNewYear(y + 1) - HebrewNewYear(y));
    case Cal::Islamic:
        return m == 12 ? 29 + (FloorMod(14 + 11 * y, 30) < 11 ? 1 : 0) : 30 - (m + 1) % 2;
    case Cal::Persian:
        return m <= 6 ? 31 : m <= 11 ? 30 : 29 + (FloorMod(25 * y + 11, 33) < 8 ? 1 : 0);
    case Cal::Coptic:
    case Cal::Ethiopic:
        return m <= 12 ? 30 : 5 + (FloorMod(y, 4) == 3 ? 1 : 0);
    case Cal::Indian:
        return m == 1 ? 30 + (IsGregorianLeap(y + 78) ? 1 : 0) : m <= 6 ? 31 : 30;
    case Cal::French:
        return m <= 12 ? 30 : 5 + (FrenchLeap(y) ? 1 : 0);
    case Cal::IsoWeek:
        return 7;
    case Cal::None:
        break;
    }
    return 0;
}

// JDN of a valid date.
int64_t ToJdn(Cal cal, int64_t y, int64_t m, int64_t d) {
    switch (cal) {
    case Cal::Gregorian:
        return GregorianToJdn(y, m, d);
    case Cal::Julian:
        return JulianToJdn(y, m, d);
    case Cal::AnnusNovus:
        return AnnusNovusToJdn(y, m, d);
    case Cal::Hebrew: {
        const int64_t start = HebrewNewYear(y);
        return start + HebrewDaysBefore(m, HebrewNewYear(y + 1) - start) + d - 1;
    }
    case Cal::Islamic:
        return IslamicYearStart(y) + 29 * (m - 1) + m / 2 + d - 1;
    case Cal::Persian:
        return PersianYearStart(y) + PersianDaysBefore(m) + d - 1;
    case Cal::Coptic:
        return AlexandrianYearStart(kCopticEpoch, y) + 30 * (m - 1) + d - 1;
    case Cal::Ethiopic:
        return AlexandrianYearStart(kEthiopicEpoch, y) + 30 * (m - 1) + d - 1;
    case Cal::Indian:
        return IndianYearStart(y) + IndianDaysBefore(m, IsGregorianLeap(y + 78)) + d - 1;
    case Cal::French:
        return FrenchYearStart(y) + 30 * (m - 1) + d - 1;
    case Cal::IsoWeek:
        return IsoYearStart(y) + 7 * (m - 1) + d - 1;
    case Cal::None:
        break;
    }
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

Ymd HebrewFromJdn(int64_t jdn) {
    int64_t first = 0;
    const int64_t y = SettleYear(jdn, 1 + FloorDiv((jdn - kHebrewEpoch) * 98496, 35975351),
                                 HebrewNewYear, first);
    const int64_t length = HebrewNewYear(y + 1) - first;
    const int64_t dayOfYear = jdn - first;
    // Months in the order of the year; the last whose first day is not after jdn holds it.
    static constexpr int8_t kOrder[13] = {7, 8, 9, 10, 11, 12, 13, 1, 2, 3, 4, 5, 6};
    int64_t month = 7;
    for (const int8_t m : kOrder) {
        if ((m != 13 || length > 380) && HebrewDaysBefore(m, length) <= dayOfYear) {
            month = m;
        }
    }
    return {static_cast<int32_t>(y), static_cast<int32_t>(month),
            static_cast<int32_t>(dayOfYear - HebrewDaysBefore(month, length) + 1)};
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
    const int64_t y =
        SettleYear(jdn, FloorDiv(4 * (jdn - epoch) + 1463, 1461),
                   [epoch](int64_t year) { return AlexandrianYearStart(epoch, year); }, first);
    return ThirtyDayMonths(y, jdn - first);
}

Ymd IndianFromJdn(int32_t jdn) {
    int64_t first = 0;
    const int64_t y = SettleYear(jdn, int64_t{JdnToGregorian(jdn).year} - 78, IndianYearStart, first);
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

Ymd IsoWeekFromJdn(int32_t jdn) {
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

Ymd FromJdn(Cal cal, int32_t jdn) {
    switch (cal) {
    case Cal::Gregorian:
        return JdnToGregorian(jdn);
    case Cal::Julian:
        return JdnToJulian(jdn);
    case Cal::AnnusNovus: {
        Ymd out{};
        JdnToAnnusNovus(jdn, out);
        return out;
    }
    case Cal::Hebrew:
        return HebrewFromJdn(jdn);
    case Cal::Islamic:
        return IslamicFromJdn(jdn);
    case Cal::Persian:
        return PersianFromJdn(jdn);
    case Cal::Coptic:
        return AlexandrianFromJdn(kCopticEpoch, jdn);
    case Cal::Ethiopic:
        return AlexandrianFromJdn(kEthiopicEpoch, jdn);
    case Cal::Indian:
        return IndianFromJdn(jdn);
    case Cal::French:
        return FrenchFromJdn(jdn);
    case Cal::IsoWeek:
        return IsoWeekFromJdn(jdn);
    case Cal::None:
        break;
    }
    return {};
}

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

bool FitsInt32(int64_t v) {
    return v >= kInt32Min && v <= kInt32Max;
}

} // namespace

extern "C" {

MIBREXW_API int32_t mibrexw_date_to_jdn(DateRecord* rec) {
    const Cal cal = CalOf(rec->calendar);
    const int64_t d = rec->day;
    if (d < 1 || d > MonthDays(cal, rec->year, rec->month)) {
        return -1;
    }
    const int64_t jdn = ToJdn(cal, rec->year, rec->month, d);
    rec->jdn = Saturate(jdn);
    return jdn < kFirstDay || jdn > kLastDay ? -5 : 0;
}

MIBREXW_API int32_t mibrexw_jdn_to_date(DateRecord* rec) {
    const Cal cal = CalOf(rec->calendar);
    if (cal == Cal::None) {
        return -1;
    }
    const Ymd d = FromJdn(cal, rec->jdn);
    rec->year = d.year;
    rec->month = d.month;
    rec->day = d.day;
    return 0;
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
