/* The yardstick of vaporin-calc --batch: a CSV filter in plain C on PsychroLib, reading dry bulb
   and relative humidity rows with strtod and printing the nine fields of vaporin-calc's rows with
   printf. Built from the peer's source, never linked into Vaporin. */
#include <stdio.h>
#include <stdlib.h>

#include "psychrolib.h"

#include "psychrolib_filter.h"

int PsychroLibFilter(FILE* in, FILE* out) {
  char line[256];
  if (!fgets(line, sizeof line, in)) return 1;
  fputs("db,rh,vh,sh,dp,enh,wb,sv,status\n", out);
  SetUnitSystem(SI);
  while (fgets(line, sizeof line, in)) {
    char* end;
    const double db = strtod(line, &end);
    const double rh = strtod(end + 1, NULL);
    double w, wb, dp, pv, h, v, mu;
    CalcPsychrometricsFromRelHum(db, rh / 100.0, 101325.0, &w, &wb, &dp, &pv, &h, &v, &mu);
    fprintf(out, "%.2f,%.2f,%.2f,%.5f,%.2f,%.2f,%.2f,%.4f,ok\n", db, rh, w / v * 1000.0, w, dp,
            h / 1000.0, wb, v);
  }
  return 0;
}

#ifndef PSYCHROLIB_FILTER_NO_MAIN
int main(void) { return PsychroLibFilter(stdin, stdout); }
#endif
