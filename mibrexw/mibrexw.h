/* mibrexw: calendar computations in the Gregorian, Julian and Annus Novus calendars and, by
 * letter, eight more (below), and the Maya Long Count.
 *
 * Every date meets in the chronological Julian day number (JDN): the number of days
 * since the start of -4712-01-01 in the Julian calendar. Years are astronomical
 * (1 BC is year 0). No function allocates, keeps state or reads global settings;
 * all are safe to call from any thread. No input, however large, overflows.
 */
#ifndef MIBREXW_H
#define MIBREXW_H

#include <stdint.h>

#if defined(MIBREXW_BUILDING)
#define MIBREXW_API __attribute__((visibility("default")))
#else
#define MIBREXW_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef struct DateRecord {
    int32_t year;     /* astronomical numbering: 1 BC is 0 */
    int32_t month;    /* 1..12; Annus Novus 1..10, 11 for Intercalarius */
    int32_t day;      /* 1..31 */
    int32_t calendar; /* 'G' 71, 'J' 74, 'A' 65, the letters below; 0 reads as Gregorian */
    int32_t jdn;
    int32_t reserved; /* set to 0, never read */
} DateRecord;         /* 24 bytes */

/* Limits of the typed and computed day numbers (str_to_date answers -5 beyond them). */
#define MIBREXW_LARGEST_DAY_NUMBER 2100000000
#define MIBREXW_SMALLEST_DAY_NUMBER (-2100000000)

/* Sets rec->jdn from year, month, day ('J' Julian, any other letter Gregorian) and returns
 * it. Exact for every valid date whose JDN fits int32; saturates to INT32_MIN / INT32_MAX
 * beyond. Never reads rec->jdn. */
MIBREXW_API int32_t euro_date_to_jdn(DateRecord* rec);

/* Sets year, month, day from rec->jdn ('J' Julian, any other letter Gregorian). Exact for
 * every int32 JDN. Returns 0. */
MIBREXW_API int32_t jdn_to_euro_date(DateRecord* rec);

/* Weekday of a JDN: 0 Sunday .. 6 Saturday, for every int32. */
MIBREXW_API int32_t euro_day_of_week(int32_t jdn);

/* Sets the Annus Novus year, month, day from rec->jdn (exact for every int32 JDN) and
 * returns the Annus Novus weekday: 1 Primidi .. 5 Quintidi, 0 for Intercalarius. */
MIBREXW_API int32_t jdn_to_annus_novus_date(DateRecord* rec);

/* Sets rec->jdn from the Annus Novus year, month, day and returns it. Exact for every
 * valid date whose JDN fits int32; saturates beyond. */
MIBREXW_API int32_t annus_novus_date_to_jdn(DateRecord* rec);

/* Reads three whole numbers in the given order (0 MDY, 1 DMY, 2 YMD), each separated from
 * the next by exactly one non-digit character; only the year may carry a leading '-';
 * nothing may precede or follow. Sets year, month, day and rec->calendar := letter.
 * Returns 0 for a valid date of that calendar, -5 for a valid date whose JDN lies outside
 * +-2,100,000,000 or a year of more than 9 digits, -1 for anything else. text may be
 * NULL (-1). Does not set rec->jdn. */
MIBREXW_API int32_t str_to_date(const char* text, int32_t order, DateRecord* rec, int32_t letter);

/* Writes into out (at least 20 bytes) the number text with the separator character between
 * groups of three digits counted from the right, a leading '-' kept. Never writes more
 * than 20 bytes including the NUL: a number that would not fit (or is not an optional '-'
 * followed by digits) gives an empty text and a non-zero result; 0 otherwise. */
MIBREXW_API int32_t separate_thousands(const char* number, int32_t separator, char* out);

/* Days from b to a (a - b), each record read in the calendar of its own letter. *error :=
 * 0 on success; non-zero (and the result 0) when a record is not a valid date of its
 * calendar or the difference does not fit int32. error may be NULL. */
MIBREXW_API int32_t days_elapsed(const DateRecord* a, const DateRecord* b, int32_t* error);

/* ---- Every calendar by its letter (since 1.1.0) ------------------------------------------
 * rec->calendar names the calendar; years, months and days are the calendar's own, years
 * numbered astronomically (a year 0 before year 1) in every calendar:
 *   'G' Gregorian (0 too), 'J' Julian, 'A' Annus Novus (months 1..10, 11 Intercalarius);
 *   'H' Hebrew, arithmetic: year of the world (AM), months Nisan 1 .. Adar 12, Adar II 13 in
 *       leap years (Adar I is then 12); the year begins with Tishri (7);
 *   'I' Islamic, tabular civil (AH): 30-year cycle, leap years 2 5 7 10 13 16 18 21 24 26 29;
 *   'P' Persian, arithmetic (AP): the 33-year rule, leap when (25 y + 11) mod 33 < 8;
 *   'C' Coptic (AM, era of the martyrs), 'E' Ethiopic (Amete Mihret): months 1..12 of 30 days,
 *       13 of 5 (6 in the year before one divisible by 4);
 *   'S' Indian national (Saka era): the year begins on 22 March (21 in Gregorian leap years);
 *   'F' French Republican: months of 30 days, 13 the complementary days; leap years 3, 7, 11
 *       and outside 1..14 Romme's rule (divisible by 4 but not 100, or by 400);
 *   'W' ISO 8601 week date: year = week-numbering year, month = week 1..53, day = weekday
 *       1 Monday .. 7 Sunday; week 1 holds the year's first Thursday.
 * Every calendar covers every JDN of +-2,100,000,000: the FIRST_YEAR and LAST_YEAR below are
 * the calendar years of those two days. */
#define MIBREXW_GREGORIAN 'G'
#define MIBREXW_JULIAN 'J'
#define MIBREXW_ANNUS_NOVUS 'A'
#define MIBREXW_HEBREW 'H'
#define MIBREXW_ISLAMIC 'I'
#define MIBREXW_PERSIAN 'P'
#define MIBREXW_COPTIC 'C'
#define MIBREXW_ETHIOPIC 'E'
#define MIBREXW_INDIAN 'S'
#define MIBREXW_FRENCH 'F'
#define MIBREXW_ISO_WEEK 'W'
#define MIBREXW_GREGORIAN_FIRST_YEAR (-5754317)
#define MIBREXW_GREGORIAN_LAST_YEAR 5744892
#define MIBREXW_JULIAN_FIRST_YEAR (-5754199)
#define MIBREXW_JULIAN_LAST_YEAR 5744774
#define MIBREXW_ANNUS_NOVUS_FIRST_YEAR (-5745798)
#define MIBREXW_ANNUS_NOVUS_LAST_YEAR 5753411
#define MIBREXW_HEBREW_FIRST_YEAR (-5750489)
#define MIBREXW_HEBREW_LAST_YEAR 5748584
#define MIBREXW_ISLAMIC_FIRST_YEAR (-5931563)
#define MIBREXW_ISLAMIC_LAST_YEAR 5920567
#define MIBREXW_PERSIAN_FIRST_YEAR (-5754940)
#define MIBREXW_PERSIAN_LAST_YEAR 5744272
#define MIBREXW_COPTIC_FIRST_YEAR (-5754483)
#define MIBREXW_COPTIC_LAST_YEAR 5744490
#define MIBREXW_ETHIOPIC_FIRST_YEAR (-5754207)
#define MIBREXW_ETHIOPIC_LAST_YEAR 5744766
#define MIBREXW_INDIAN_FIRST_YEAR (-5754396)
#define MIBREXW_INDIAN_LAST_YEAR 5744814
#define MIBREXW_FRENCH_FIRST_YEAR (-5756109)
#define MIBREXW_FRENCH_LAST_YEAR 5743100
#define MIBREXW_ISO_WEEK_FIRST_YEAR (-5754317)
#define MIBREXW_ISO_WEEK_LAST_YEAR 5744892
/* Sets rec->jdn from year, month, day in the calendar of rec->calendar. 0: done; -1: not a
 * valid date of that calendar (or no calendar of that letter), rec->jdn untouched; -5: a
 * valid date beyond +-2,100,000,000, rec->jdn set to its JDN saturated to int32. */
MIBREXW_API int32_t mibrexw_date_to_jdn(DateRecord* rec);

/* Sets year, month, day from rec->jdn in the calendar of rec->calendar, exact for every int32
 * JDN. 0: done; -1: no calendar of that letter, the fields untouched. */
MIBREXW_API int32_t mibrexw_jdn_to_date(DateRecord* rec);

/* Number of months (ISO: weeks) of the year: 12 or 13 Hebrew, 52 or 53 ISO, 10 or 11 Annus
 * Novus; 0 for no calendar of that letter. */
MIBREXW_API int32_t mibrexw_months_in_year(int32_t letter, int32_t year);

/* Number of days of the month (ISO: 7 for each week), 0 for a month the year lacks or no
 * calendar of that letter. */
MIBREXW_API int32_t mibrexw_days_in_month(int32_t letter, int32_t year, int32_t month);

/* Ordinal of a month among all months, in the calendar's order (the Hebrew year runs Tishri
 * 7 .. Elul 6), so that n months later is index + n: *index := months from the first month
 * of year 0 to this one. 0: done; -1: not a month of that calendar (Annus Novus, whose
 * Intercalarius comes and goes, has none), *index untouched. */
MIBREXW_API int32_t mibrexw_month_index(int32_t letter, int32_t year, int32_t month,
                                        int64_t* index);

/* The year and month of a month ordinal of mibrexw_month_index. 0: done; -1: no such
 * calendar; -5: the year would not fit int32. The outputs are set only on 0. */
MIBREXW_API int32_t mibrexw_month_of_index(int32_t letter, int64_t index, int32_t* year,
                                           int32_t* month);

/* Maya Long Count: baktun.katun.tun.uinal.kin (place[0] .. place[4]), days since the creation
 * JDN 584283 (0.0.0.0.0; 2012-12-21 is 13.0.0.0.0); katun and tun 0..19, uinal 0..17, kin
 * 0..19, baktun any non-negative number. A day before the creation has negative = 1 and the
 * places of its distance back: -0.0.0.0.1 is JDN 584282. The day numbers +-2,100,000,000 are
 * -14587.7.16.6.3 and 14579.5.10.5.17: baktuns up to these are in range. */
#define MIBREXW_LONG_COUNT_FIRST_BAKTUN (-14587)
#define MIBREXW_LONG_COUNT_LAST_BAKTUN 14579
typedef struct LongCount {
    int32_t negative; /* 0 or 1 */
    int32_t place[5];
} LongCount;

/* Sets *out to the Long Count of jdn, exact for every int32. Returns 0 (-1 if out is NULL). */
MIBREXW_API int32_t mibrexw_jdn_to_long_count(int32_t jdn, LongCount* out);

/* Sets *jdn to the JDN of a Long Count. 0: done; -1: a place out of its range (jdn
 * untouched); -5: beyond +-2,100,000,000 (*jdn saturated to int32). */
MIBREXW_API int32_t mibrexw_long_count_to_jdn(const LongCount* count, int32_t* jdn);

#ifdef __cplusplus
}
#endif

#endif /* MIBREXW_H */
