/* Compiled as C: the library's header must stand on its own in a C program. */
#include "mibrexw.h"

#include <stddef.h>

_Static_assert(sizeof(DateRecord) == 24, "DateRecord is six 32-bit fields");
_Static_assert(offsetof(DateRecord, jdn) == 16, "the JDN is the fifth field");

/* Converts 2000-01-01 CE to its JDN and back to an Annus Novus date, all from C. Returns 0
 * when every answer is right, otherwise the number of the first wrong one. */
int mibrexw_c_header_check(void) {
    DateRecord rec = {2000, 1, 1, 'G', 0, 0};
    char grouped[20];
    int32_t error = -1;
    DateRecord later = {2000, 1, 2, 0, 0, 0};

    if (euro_date_to_jdn(&rec) != 2451545 || rec.jdn != 2451545) {
        return 1;
    }
    if (euro_day_of_week(rec.jdn) != 6) {
        return 2;
    }
    rec.calendar = 'A';
    if (jdn_to_annus_novus_date(&rec) != 1 || rec.year != 10519 || rec.month != 1 || rec.day != 1) {
        return 3;
    }
    if (str_to_date("1-2-2000", 0, &rec, 'J') != 0 || rec.month != 1 || rec.day != 2) {
        return 4;
    }
    if (separate_thousands("2451545", ',', grouped) != 0 || grouped[1] != ',' ||
        grouped[5] != ',' || grouped[9] != '\0') {
        return 5;
    }
    rec.calendar = 'G';
    rec.day = 1;
    if (days_elapsed(&later, &rec, &error) != 1 || error != 0) {
        return 6;
    }
    return 0;
}
