// Compiled as C: the library's header must stand on its own in a C program.
#include "mibrexw.h"

#include <stddef.h>
#include <string.h>

_Static_assert(sizeof(DateRecord) == 24, "DateRecord is six 32-bit fields");
_Static_assert(offsetof(DateRecord, jdn) == 16, "the JDN is the fifth field");
_Static_assert(sizeof(LongCount) == 24, "a sign and five places");

// Calls the functions from C; returns 0 when every answer is right, otherwise the number
// of the first wrong one.
int mibrexw_c_header_check(void) {
    DateRecord rec = {2000, 1, 1, 'G', 0, 0}, later = {2000, 1, 5, 0, 0, 0};
    char grouped[20];
    int32_t error = -1;
    if (euro_date_to_jdn(&rec) != 2451545 || rec.jdn != 2451545) return 1;
    if (euro_day_of_week(rec.jdn) != 6) return 2;
    rec.calendar = 'A';
    if (jdn_to_annus_novus_date(&rec) != 1 || rec.year != 10519 || rec.month != 1) return 3;
    if (annus_novus_date_to_jdn(&rec) != 2451545) return 4;
    rec.calendar = 'J';
    if (jdn_to_euro_date(&rec) != 0 || rec.year != 1999 || rec.day != 19) return 5;
    if (str_to_date("1-2-2000", 0, &rec, 'G') != 0 || rec.month != 1 || rec.day != 2) return 6;
    if (separate_thousands("2451545", ',', grouped) != 0 || strcmp(grouped, "2,451,545")) return 7;
    if (days_elapsed(&later, &rec, &error) != 3 || error != 0) return 8;
    rec = (DateRecord){5785, 7, 1, MIBREXW_HEBREW, 0, 0};
    return mibrexw_date_to_jdn(&rec) == 0 && rec.jdn == 2460587 ? 0 : 9;
}
