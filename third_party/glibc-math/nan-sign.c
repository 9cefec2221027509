/* SPDX-License-Identifier: GPL-3.0-or-later */
/* Our own, not the C library's: keeps the sign of a NaN that strtod reads.

   glibc reads "-nan" as a NaN with its sign bit set, which prints back as
   "-nan"; the WebAssembly runtime's strtod drops the sign and the page
   would show "nan" where the desktop shows "-nan". The link routes every
   call of strtod here (-Wl,--wrap=strtod, given by varnock_web_math). */
#include <ctype.h>
#include <math.h>

double __real_strtod(const char* text, char** end);

double __wrap_strtod(const char* text, char** end) {
    const double value = __real_strtod(text, end);
    if (!isnan(value)) return value;
    while (isspace((unsigned char)*text)) ++text;
    return copysign(value, *text == '-' ? -1.0 : 1.0);
}
