// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The text-to-number rule must give exactly the double that the C library's
// strtod gives for the same number. The rule reads only decimal numbers
// (sign, digits, "." point, optional exponent) after leading blanks, while
// strtod also reads hexadecimal, "inf" and "nan" and skips more kinds of
// white space. So the decimal prefix is found here on its own, by the
// grammar below, and strtod is asked about that prefix only; it must read
// all of it (its syntax coincides there) and give the same value, the sign
// of a zero and the infinity of an overflow included. A text with no such
// prefix must give 0.
//
//   number   = [sign] (digits ["." [digits]] | "." digits) [exponent]
//   exponent = ("e" | "E") [sign] digits      (without digits: not part of it)
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "flow/leading_number.h"

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::size_t DigitsFrom(std::string_view s, std::size_t i) {
  while (i < s.size() && IsDigit(s[i])) ++i;
  return i;
}

// The decimal number at the start of `s` after blanks, or an empty view.
std::string_view DecimalPrefix(std::string_view s) {
  std::size_t begin = 0;
  while (begin < s.size() && (s[begin] == ' ' || s[begin] == '\t')) ++begin;
  std::size_t i = begin;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  const std::size_t intEnd = DigitsFrom(s, i);
  bool any = intEnd > i;
  i = intEnd;
  if (i < s.size() && s[i] == '.') {
    const std::size_t fracEnd = DigitsFrom(s, i + 1);
    any = any || fracEnd > i + 1;
    i = fracEnd;
  }
  if (!any) return {};
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t e = i + 1;
    if (e < s.size() && (s[e] == '+' || s[e] == '-')) ++e;
    const std::size_t expEnd = DigitsFrom(s, e);
    if (expEnd > e) i = expEnd;
  }
  return s.substr(begin, i - begin);
}

bool SameDouble(double a, double b) {
  if (std::isnan(a) || std::isnan(b)) return false;  // the rule never gives NaN
  return a == b && std::signbit(a) == std::signbit(b);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const double value = fluvenna::LeadingNumber(text);

  const std::string prefix(DecimalPrefix(text));
  if (prefix.empty()) {
    if (!SameDouble(value, 0.0)) std::abort();
    return 0;
  }
  char* end = nullptr;
  const double expected = std::strtod(prefix.c_str(), &end);
  if (end != prefix.c_str() + prefix.size()) std::abort();  // strtod reads the same number
  if (!SameDouble(value, expected)) std::abort();
  return 0;
}
