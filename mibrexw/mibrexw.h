/* mibrexw: calendar computations in the Gregorian, Julian and Annus Novus calendars.
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
    int32_t calendar; /* 'G' 71, 'J' 74, 'A' 65; 0 reads as Gregorian */
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

#ifdef __cplusplus
}
#endif

#endif /* MIBREXW_H */
