// The spin edit's numbers as text: reading and formatting with a given decimal separator,
// independent of the C library's locale, and rounding halves to even.
// Portable: never includes windows.h.
#pragma once

#include <cstdint>
#include <string>

namespace SpinValueText {

// Reads text as a number: surrounding blanks, an optional sign, digits with at most one decimal
// separator, an optional exponent ("E" or "e", optional sign, digits). Returns false (value
// untouched) for anything else, for a lone sign or separator, and for values beyond the range of
// the extended float.
bool TryParse(const std::string& text, char separator, long double& value);

// Fixed-point text with at most 18 significant digits and `decimals` (at most 18) digits after
// the separator, without thousands separators; 180 with 2 decimals gives "180.00". A value that
// needs more than 18 digits before the separator comes out in exponent form ("1.5E20").
std::string FormatFixed(long double value, int decimals, char separator);

// The shortest general form with at most 15 significant digits ("1", "0.5", "1E20").
std::string FormatGeneral(long double value, char separator);

// The nearest integer, halves to even (2.5 gives 2, 3.5 gives 4).
long double RoundHalfEven(long double value);
// RoundHalfEven limited to the 32-bit range (NaN gives 0).
int32_t RoundToInt32(long double value);

}  // namespace SpinValueText
