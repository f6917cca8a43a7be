// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/number_text.h"

#include "flow/decimal_text.h"

#include <cmath>
#include <cstdlib>

namespace fluvenna {

std::string NumberText(double value) {
  if (value == 0.0 || !std::isfinite(value)) return "0";

  // Round to 15 significant digits in the locale-free scientific form
  // "d.dddddddddddddde±x", then place the point by the exponent.
  const std::string scientific = DecimalText(std::fabs(value), std::chars_format::scientific, 14);
  if (scientific.empty()) return "0";
  const std::size_t e = scientific.find('e');
  std::string digits = scientific.substr(0, 1) + scientific.substr(2, e - 2);
  const int exponent = std::atoi(scientific.c_str() + e + 1);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string text;
  if (exponent < 0) {
    text = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  } else {
    const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= whole) {
      text = digits + std::string(whole - digits.size(), '0');
    } else {
      text = digits.substr(0, whole) + "." + digits.substr(whole);
    }
  }
  if (value < 0.0) text.insert(0, 1, '-');
  return text;
}

std::string LiftCoefficientText(double CL) {
  return FixedText(CL, 3);
}

std::string FixedText(double value, int decimals) {
  if (!std::isfinite(value)) return "?";
  if (std::fabs(value) < 0.5 * std::pow(10.0, -decimals)) value = 0.0;
  const std::string text = DecimalText(value, std::chars_format::fixed, decimals);
  return text.empty() ? std::string("?") : text;
}

std::string FillMarkers(std::string text, const std::vector<std::string>& args) {
  for (std::size_t at = text.find('%'); at != std::string::npos; at = text.find('%', at)) {
    const char digit = at + 1 < text.size() ? text[at + 1] : '\0';
    const std::size_t index = static_cast<std::size_t>(digit - '1');
    if (digit >= '1' && digit <= '9' && index < args.size()) {
      text.replace(at, 2, args[index]);
      at += args[index].size();
    } else {
      ++at;
    }
  }
  return text;
}

}  // namespace fluvenna
