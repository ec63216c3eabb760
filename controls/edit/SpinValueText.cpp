#include "controls/edit/SpinValueText.h"

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace SpinValueText {
namespace {

// A number as decimal digits d1 d2 ... with the decimal point after `point` of them
// (0.d1d2... × 10^point); digits are empty for zero.
struct Decimal {
  std::string digits;
  int point = 0;
  bool negative = false;
};

// value rounded to `significant` digits (1..19); value must be finite.
Decimal ToDecimal(long double value, int significant) {
  // printf rather than std::to_chars: both round exactly, but to_chars brings 170 KB of tables
  // and code into the program.
  char buffer[64];
  const int length = std::snprintf(buffer, sizeof(buffer), "%.*Le", significant - 1, value);
  const std::string text(buffer, static_cast<size_t>(std::clamp(length, 0, 63)));
  Decimal decimal;
  size_t i = 0;
  if (text[i] == '-') {
    decimal.negative = true;
    ++i;
  }
  for (; i < text.size() && text[i] != 'e'; ++i)
    if (text[i] != '.') decimal.digits += text[i];
  const int exponent = i < text.size() ? std::atoi(text.c_str() + i + 1) : 0;
  decimal.point = exponent + 1;
  // Trailing zeros carry nothing; all zeros is zero.
  while (!decimal.digits.empty() && decimal.digits.back() == '0')
    decimal.digits.pop_back();
  if (decimal.digits.empty()) decimal.point = 0;
  return decimal;
}

// Keeps `decimals` digits after the point, rounding the rest half away from zero.
void RoundToDecimals(Decimal& decimal, int decimals) {
  const int keep = decimal.point + decimals;
  if (keep >= static_cast<int>(decimal.digits.size())) return;
  if (keep < 0) {
    decimal.digits.clear();
    return;
  }
  const bool up = decimal.digits[static_cast<size_t>(keep)] >= '5';
  decimal.digits.resize(static_cast<size_t>(keep));
  if (!up) return;
  int i = keep - 1;
  for (; i >= 0; --i) {
    char& digit = decimal.digits[static_cast<size_t>(i)];
    if (digit != '9') {
      ++digit;
      break;
    }
    digit = '0';
  }
  if (i < 0) {
    decimal.digits.insert(decimal.digits.begin(), '1');
    ++decimal.point;
  }
}

char DigitAt(const Decimal& decimal, int index) {
  return index >= 0 && index < static_cast<int>(decimal.digits.size())
             ? decimal.digits[static_cast<size_t>(index)]
             : '0';
}

bool IsZero(const Decimal& decimal) {
  return decimal.digits.find_first_not_of('0') == std::string::npos;
}

std::string NonFinite(long double value) {
  if (std::isnan(value)) return "NAN";
  return value < 0 ? "-INF" : "INF";
}

// "d.ddd" and "E" with the exponent, trailing zeros of the mantissa left out.
std::string ExponentForm(const Decimal& decimal, char separator) {
  std::string digits = decimal.digits;
  while (digits.size() > 1 && digits.back() == '0')
    digits.pop_back();
  std::string text = decimal.negative ? "-" : "";
  text += digits[0];
  if (digits.size() > 1) {
    text += separator;
    text.append(digits, 1, std::string::npos);
  }
  return text + "E" + std::to_string(decimal.point - 1);
}

// Fixed form of the decimal with `decimals` digits after the separator.
std::string FixedForm(const Decimal& decimal, int decimals, char separator) {
  std::string text = decimal.negative && !IsZero(decimal) ? "-" : "";
  if (decimal.point <= 0) {
    text += '0';
  } else {
    for (int i = 0; i < decimal.point; ++i)
      text += DigitAt(decimal, i);
  }
  if (decimals > 0) {
    text += separator;
    for (int i = 0; i < decimals; ++i)
      text += DigitAt(decimal, decimal.point + i);
  }
  return text;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// digits × 10^exponent10, correctly rounded while the digits fit 64 bits and the power of ten is
// exact; longer numbers go through the C library, told its own decimal point.
long double DecimalValue(std::string digits, long exponent10) {
  const size_t firstNonZero = digits.find_first_not_of('0');
  if (firstNonZero == std::string::npos) return 0;
  digits.erase(0, firstNonZero);
  if (digits.size() <= 19 && exponent10 >= -27 && exponent10 <= 27) {
    uint64_t mantissa = 0;
    for (char d : digits)
      mantissa = mantissa * 10 + static_cast<uint64_t>(d - '0');
    long double power = 1;
    for (long k = 0; k < (exponent10 < 0 ? -exponent10 : exponent10); ++k)
      power *= 10;
    const auto exact = static_cast<long double>(mantissa);
    return exponent10 < 0 ? exact / power : exact * power;
  }
  const char point = *std::localeconv()->decimal_point;
  const std::string text = "0" + std::string(1, point) + digits + "e" +
                           std::to_string(exponent10 + static_cast<long>(digits.size()));
  return std::strtold(text.c_str(), nullptr);
}

}  // namespace

bool TryParse(const std::string& text, char separator, long double& value) {
  const size_t begin = text.find_first_not_of(' ');
  if (begin == std::string::npos) return false;
  const size_t end = text.find_last_not_of(' ') + 1;
  size_t i = begin;
  bool negative = false;
  if (text[i] == '+' || text[i] == '-') {
    negative = text[i] == '-';
    ++i;
  }
  std::string digits;
  int fractionDigits = 0;
  for (; i < end && IsDigit(text[i]); ++i)
    digits += text[i];
  if (i < end && text[i] == separator) {
    for (++i; i < end && IsDigit(text[i]); ++i, ++fractionDigits)
      digits += text[i];
  }
  if (digits.empty()) return false;
  long exponent = 0;
  if (i < end && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    bool negativeExponent = false;
    if (i < end && (text[i] == '+' || text[i] == '-')) {
      negativeExponent = text[i] == '-';
      ++i;
    }
    if (i == end || !IsDigit(text[i])) return false;
    for (; i < end && IsDigit(text[i]); ++i)
      exponent = std::min(exponent * 10 + (text[i] - '0'), 1000000L);
    if (negativeExponent) exponent = -exponent;
  }
  if (i != end) return false;
  const long double result = DecimalValue(digits, exponent - fractionDigits);
  if (!std::isfinite(result)) return false;
  value = negative ? -result : result;
  return true;
}

std::string FormatFixed(long double value, int decimals, char separator) {
  if (!std::isfinite(value)) return NonFinite(value);
  decimals = std::clamp(decimals, 0, 18);
  Decimal decimal = ToDecimal(value, 18);
  if (decimal.point > 18) return ExponentForm(decimal, separator);
  RoundToDecimals(decimal, decimals);
  return FixedForm(decimal, decimals, separator);
}

std::string FormatGeneral(long double value, char separator) {
  if (!std::isfinite(value)) return NonFinite(value);
  const Decimal decimal = ToDecimal(value, 15);
  if (decimal.digits.empty()) return "0";
  // Fixed form while it needs at most 15 digits before the point and the value is at least
  // 0.00001 in size.
  if (decimal.point > 15 || decimal.point < -4) return ExponentForm(decimal, separator);
  const int decimals = std::max(0, static_cast<int>(decimal.digits.size()) - decimal.point);
  return FixedForm(decimal, decimals, separator);
}

long double RoundHalfEven(long double value) {
  // The default rounding mode rounds halves to even.
  return std::nearbyint(value);
}

int32_t RoundToInt32(long double value) {
  if (std::isnan(value)) return 0;
  const long double rounded = RoundHalfEven(value);
  if (rounded <= std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  if (rounded >= std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(rounded);
}

}  // namespace SpinValueText
