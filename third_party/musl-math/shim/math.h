/* What the musl sources in src/ take from <math.h> and musl's internal
 * <features.h>, in place of the C library's own header. It is also included
 * ahead of every source (-include), so that the data headers, which include
 * <features.h> only, see `hidden` too.
 *
 * Every function, the internal ones included, gets a name of its own
 * (vorlen_musl_...): a program linking this library and the C library's
 * libm has both, and neither may stand in for the other. The compiler
 * knows none of these names, so it never folds or replaces a call by its
 * own idea of sin or exp either. */
#ifndef VORLEN_MUSL_MATH_SHIM_H
#define VORLEN_MUSL_MATH_SHIM_H

#if defined(__FP_FAST_FMA) && __FP_FAST_FMA
/* The sources would take a fused multiply-add path that other targets do
 * not have. */
#error "musl-math is built without fused multiply-add"
#endif

#define hidden __attribute__((__visibility__("hidden")))

#define sin vorlen_musl_sin
#define cos vorlen_musl_cos
#define atan vorlen_musl_atan
#define atan2 vorlen_musl_atan2
#define log vorlen_musl_log
#define log10 vorlen_musl_log10
#define exp vorlen_musl_exp
#define pow vorlen_musl_pow
#define __sin vorlen_musl___sin
#define __cos vorlen_musl___cos
#define __rem_pio2 vorlen_musl___rem_pio2
#define __rem_pio2_large vorlen_musl___rem_pio2_large
#define __math_oflow vorlen_musl___math_oflow
#define __math_uflow vorlen_musl___math_uflow
#define __math_xflow vorlen_musl___math_xflow
#define __math_invalid vorlen_musl___math_invalid
#define __math_divzero vorlen_musl___math_divzero
#define __exp_data vorlen_musl___exp_data
#define __log_data vorlen_musl___log_data
#define __pow_log_data vorlen_musl___pow_log_data

/* Exact operations: every correct implementation gives the same result. */
#define fabs(x) __builtin_fabs(x)
#define isnan(x) __builtin_isnan(x)
#define INFINITY __builtin_inff()
double floor(double);
double scalbn(double, int);

typedef double double_t;
typedef float float_t;

double sin(double);
double cos(double);
double atan(double);
double atan2(double, double);
double log(double);
double log10(double);
double exp(double);
double pow(double, double);

#endif
