/* A plain Neri-Schneider calendar library for bench_calendar: the six conversions of mibrexw
 * behind the same kind of C interface (a DateRecord in and out, one exported call each, in a
 * shared library of its own), with no checks of the fields and no fast or slow paths, to
 * measure the library against. Valid dates only; every int32 JDN. */
#ifndef ORV_NS_BASELINE_H
#define ORV_NS_BASELINE_H

#include "mibrexw.h"

#ifdef __cplusplus
extern "C" {
#endif

int32_t ns_gregorian_to_jdn(DateRecord* rec);
int32_t ns_julian_to_jdn(DateRecord* rec);
int32_t ns_annus_novus_to_jdn(DateRecord* rec);
int32_t ns_jdn_to_gregorian(DateRecord* rec);
int32_t ns_jdn_to_julian(DateRecord* rec);
int32_t ns_jdn_to_annus_novus(DateRecord* rec); /* returns the AN weekday, 0 Intercalarius */

#ifdef __cplusplus
}
#endif

#endif
