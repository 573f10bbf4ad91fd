/* A program of someone else's that uses the installed calendar library: built by
 * check-install.sh once through pkg-config and once through find_package(mibrexw). */
#include <mibrexw/mibrexw.h>
#include <stdio.h>

int main(void) {
    DateRecord rec = {2000, 1, 1, 'G', 0, 0};
    const int32_t jdn = euro_date_to_jdn(&rec);
    printf("2000-01-01 = JDN %d, weekday %d\n", (int)jdn, (int)euro_day_of_week(jdn));
    return jdn == 2451545 ? 0 : 1;
}
