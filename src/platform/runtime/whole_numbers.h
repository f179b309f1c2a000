#pragma once

#include <cstdint>

// Whole numbers from floating values, as the runtime takes them.
//   CInt / CLng: nearest whole number, halves to the even one (2.5 -> 2, 3.5 -> 4),
//                into the 16-bit or 32-bit range; outside it (or NaN) they raise
//                RuntimeError(kErrOverflow).
//   Int: the largest whole number not above x.   Fix: drops the fraction.
int16_t CInt(double x);
int32_t CLng(double x);
double Int(double x);
double Fix(double x);

// Non-raising forms: false (and out untouched) on overflow.
bool TryCInt(double x, int16_t& out);
bool TryCLng(double x, int32_t& out);
