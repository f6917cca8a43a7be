// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/decimal_text.h"

#include <array>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace fluvenna {

#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L

std::string DecimalText(double value, std::chars_format format, int precision) {
  std::array<char, 400> buffer{};
  const auto [end, ec] =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, precision);
  return ec == std::errc() ? std::string(buffer.data(), end) : std::string();
}

std::string ShortestDecimalText(double value) {
  std::array<char, 64> buffer{};
  const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
  return std::string(buffer.data(), end);
}

std::from_chars_result ReadDecimal(const char* first, const char* last, double& value) {
  return std::from_chars(first, last, value, std::chars_format::general);
}

#else

std::string DecimalText(double value, std::chars_format format, int precision) {
  const char* pattern = format == std::chars_format::scientific ? "%.*e"
                        : format == std::chars_format::fixed    ? "%.*f"
                                                                : "%.*g";
  std::array<char, 400> buffer{};
  const int length = std::snprintf(buffer.data(), buffer.size(), pattern, precision, value);
  if (length < 0 || static_cast<std::size_t>(length) >= buffer.size()) return std::string();
  return std::string(buffer.data(), static_cast<std::size_t>(length));
}

std::string ShortestDecimalText(double value) {
  constexpr int kDigitsThatAlwaysReadBack = 17;
  for (int digits = 1; digits < kDigitsThatAlwaysReadBack; ++digits) {
    const std::string text = DecimalText(value, std::chars_format::general, digits);
    if (std::strtod(text.c_str(), nullptr) == value) return text;
  }
  return DecimalText(value, std::chars_format::general, kDigitsThatAlwaysReadBack);
}

std::from_chars_result ReadDecimal(const char* first, const char* last, double& value) {
  const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
  const char* p = first;
  if (p != last && *p == '-') ++p;
  int digits = 0;
  for (; p != last && isDigit(*p); ++p) ++digits;
  if (p != last && *p == '.') {
    for (++p; p != last && isDigit(*p); ++p) ++digits;
  }
  if (digits == 0) return {first, std::errc::invalid_argument};
  if (p != last && (*p == 'e' || *p == 'E')) {
    const char* e = p + 1;
    if (e != last && (*e == '+' || *e == '-')) ++e;
    if (e != last && isDigit(*e)) {
      while (e != last && isDigit(*e)) ++e;
      p = e;
    }
  }
  const std::string number(first, p);
  errno = 0;
  const double read = std::strtod(number.c_str(), nullptr);
  if (errno == ERANGE) return {p, std::errc::result_out_of_range};
  value = read;
  return {p, std::errc()};
}

#endif

double WholeDecimal(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  double value = 0.0;
  const char* last = text.data() + text.size();
  const auto [end, error] = ReadDecimal(text.data(), last, value);
  if (text.empty() || error != std::errc() || end != last) return std::nan("");
  return value;
}

}  // namespace fluvenna
