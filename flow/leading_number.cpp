// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/leading_number.h"

#include <cmath>
#include <limits>
#include <string>

#include "flow/decimal_text.h"

namespace fluvenna {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Decimal exponent of the leading digit of a mantissa such as "0012.5" or
// ".003", i.e. floor(log10(|value|)), ignoring the exponent part. Only used to
// tell an overflow from an underflow.
long LeadingDigitExponent(std::string_view mantissa) {
  const std::size_t point = mantissa.find('.');
  const std::size_t intEnd = (point == std::string_view::npos) ? mantissa.size() : point;
  for (std::size_t i = 0; i < mantissa.size(); ++i) {
    if (mantissa[i] >= '1' && mantissa[i] <= '9') {
      return (i < intEnd) ? static_cast<long>(intEnd - i - 1) : -static_cast<long>(i - intEnd);
    }
  }
  return 0;
}

}  // namespace

double LeadingNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;

  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = (text[i] == '-');
    ++i;
  }
  const std::size_t mantissaBegin = i;
  std::size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return 0.0;
  const std::size_t mantissaEnd = i;

  // An exponent counts only when at least one digit follows the e and sign.
  long exponent = 0;
  std::size_t end = mantissaEnd;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t e = i + 1;
    bool expNegative = false;
    if (e < text.size() && (text[e] == '+' || text[e] == '-')) {
      expNegative = (text[e] == '-');
      ++e;
    }
    if (e < text.size() && IsDigit(text[e])) {
      while (e < text.size() && IsDigit(text[e])) {
        if (exponent < 100000) exponent = exponent * 10 + (text[e] - '0');
        ++e;
      }
      if (expNegative) exponent = -exponent;
      end = e;
    }
  }

  const std::string_view number = text.substr(mantissaBegin, end - mantissaBegin);
  double value = 0.0;
  const auto [ptr, ec] = ReadDecimal(number.data(), number.data() + number.size(), value);
  if (ec == std::errc::result_out_of_range) {
    const std::string_view mantissa = text.substr(mantissaBegin, mantissaEnd - mantissaBegin);
    const bool overflow = LeadingDigitExponent(mantissa) + exponent > 0;
    value = overflow ? std::numeric_limits<double>::infinity() : 0.0;
  } else if (ec != std::errc() || ptr != number.data() + number.size()) {
    return 0.0;  // cannot happen for the prefix checked above
  }
  return negative ? -value : value;
}

}  // namespace fluvenna
