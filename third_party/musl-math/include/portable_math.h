#pragma once

// sin, cos, atan2, log, log10, exp and pow with the same bits on every
// platform: musl's functions, built into the program from the same source
// on x86-64 and in WebAssembly (third_party/musl-math/). The C libraries'
// own functions differ in the last bit; use these for any double that a
// picture or a dump shows without rounding it to float first. Their
// distinct names keep the C library's from being called by accident.

extern "C" {
double vorlen_musl_sin(double);
double vorlen_musl_cos(double);
double vorlen_musl_atan2(double, double);
double vorlen_musl_log(double);
double vorlen_musl_log10(double);
double vorlen_musl_exp(double);
double vorlen_musl_pow(double, double);
}

namespace portable {

inline double Sin(double x)
{
    return vorlen_musl_sin(x);
}

inline double Cos(double x)
{
    return vorlen_musl_cos(x);
}

inline double Atan2(double y, double x)
{
    return vorlen_musl_atan2(y, x);
}

inline double Log(double x)
{
    return vorlen_musl_log(x);
}

inline double Log10(double x)
{
    return vorlen_musl_log10(x);
}

inline double Exp(double x)
{
    return vorlen_musl_exp(x);
}

inline double Pow(double x, double y)
{
    return vorlen_musl_pow(x, y);
}

}  // namespace portable
