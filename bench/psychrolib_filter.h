#ifndef VAPORIN_BENCH_PSYCHROLIB_FILTER_H
#define VAPORIN_BENCH_PSYCHROLIB_FILTER_H

#include <stdio.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Reads a "db,rh" header and rows from `in`, writes vaporin-calc's nine fields per row to `out`. */
int PsychroLibFilter(FILE* in, FILE* out);

#ifdef __cplusplus
}
#endif

#endif
