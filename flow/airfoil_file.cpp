// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/airfoil_file.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <string>
#include <vector>

#include "flow/decimal_text.h"

namespace fluvenna {

namespace {

// "nan", "inf" or "infinity" in any case, with an optional sign (read here
// rather than by ReadDecimal, whose fallback does not know them).
bool IsNotFiniteWord(std::string_view token) {
  if (!token.empty() && (token[0] == '-' || token[0] == '+')) token.remove_prefix(1);
  std::string lower(token);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower == "nan" || lower == "inf" || lower == "infinity" || lower.rfind("nan(", 0) == 0;
}

bool IsSeparator(char c) {
  return c == ' ' || c == '\t' || c == ',' || c == ';' || c == '\r' || c == '\f' || c == '\v';
}

enum class LineKind { kBlank, kTwoNumbers, kNotFinite, kOther };

// Splits a line into tokens and reads exactly two numbers from it.
LineKind ReadLine(std::string_view line, double& a, double& b) {
  std::size_t i = 0;
  int count = 0;
  bool finite = true;
  bool any = false;
  double values[2] = {0.0, 0.0};
  while (i < line.size()) {
    while (i < line.size() && IsSeparator(line[i])) ++i;
    if (i >= line.size()) break;
    std::size_t j = i;
    while (j < line.size() && !IsSeparator(line[j])) ++j;
    any = true;
    if (count == 0 && line[i] == '#') return LineKind::kBlank;  // a comment line
    std::string_view token = line.substr(i, j - i);
    if (token.size() > 1 && token[0] == '+' && token[1] != '-' && token[1] != '+')
      token.remove_prefix(1);
    double v = 0.0;
    if (IsNotFiniteWord(token)) {
      finite = false;
      if (count < 2) values[count] = 0.0;
      ++count;
      i = j;
      continue;
    }
    const auto [end, ec] = ReadDecimal(token.data(), token.data() + token.size(), v);
    if (ec != std::errc() || end != token.data() + token.size()) {
      // Out of range (1e999) is not a finite number; anything else is not one at all.
      if (ec == std::errc::result_out_of_range && end == token.data() + token.size())
        finite = false;
      else
        return LineKind::kOther;
    }
    if (!std::isfinite(v)) finite = false;
    if (count < 2) values[count] = v;
    ++count;
    i = j;
  }
  if (!any) return LineKind::kBlank;
  if (count != 2) return LineKind::kOther;
  if (!finite) return LineKind::kNotFinite;
  a = values[0], b = values[1];
  return LineKind::kTwoNumbers;
}

bool IsCount(double v) {
  return v >= 2.0 && v <= 1e9 && v == std::floor(v);
}

}  // namespace

AirfoilResult ReadAirfoilFile(std::string_view text) {
  if (text.size() > kMostAirfoilFileBytes) return AirfoilFault{AirfoilFaultKind::kFileTooLarge, 0};
  std::string name;
  bool named = false, lednicer = false;
  int countsLine = 0;
  double counts[2] = {0.0, 0.0};
  std::vector<double> x, y;
  std::vector<int> lines;
  int lineNo = 0;
  std::size_t pos = 0;
  bool seenContent = false;
  while (pos <= text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(pos, end - pos);
    pos = end + 1;
    ++lineNo;
    double a = 0.0, b = 0.0;
    const LineKind kind = ReadLine(line, a, b);
    if (kind == LineKind::kBlank) {
      if (end == text.size()) break;
      continue;
    }
    if (!seenContent) {
      seenContent = true;
      if (kind == LineKind::kOther) {
        std::size_t first = line.find_first_not_of(" \t\r");
        std::size_t last = line.find_last_not_of(" \t\r");
        name = std::string(line.substr(first, last - first + 1));
        named = true;
        if (end == text.size()) break;
        continue;
      }
    }
    if (kind == LineKind::kOther) return AirfoilFault{AirfoilFaultKind::kNotTwoNumbers, lineNo};
    if (kind == LineKind::kNotFinite) return AirfoilFault{AirfoilFaultKind::kNotFinite, lineNo};
    if (x.empty() && !lednicer && IsCount(a) && IsCount(b)) {
      lednicer = true;
      countsLine = lineNo;
      counts[0] = a, counts[1] = b;
    } else {
      if (x.size() >= static_cast<std::size_t>(kMostAirfoilPoints))
        return AirfoilFault{AirfoilFaultKind::kTooManyPoints, lineNo};
      x.push_back(a), y.push_back(b), lines.push_back(lineNo);
    }
    if (end == text.size()) break;
  }
  (void)named;
  if (x.empty()) return AirfoilFault{AirfoilFaultKind::kEmptyFile, 0};
  if (lednicer) {
    const auto first = static_cast<std::size_t>(counts[0]);
    if (static_cast<double>(x.size()) != counts[0] + counts[1])
      return AirfoilFault{AirfoilFaultKind::kCountsDisagree, countsLine};
    std::vector<double> sx, sy;
    std::vector<int> sl;
    sx.reserve(x.size()), sy.reserve(x.size()), sl.reserve(x.size());
    for (std::size_t i = first; i-- > 0;)
      sx.push_back(x[i]), sy.push_back(y[i]), sl.push_back(lines[i]);
    for (std::size_t i = first; i < x.size(); ++i)
      sx.push_back(x[i]), sy.push_back(y[i]), sl.push_back(lines[i]);
    x = std::move(sx), y = std::move(sy), lines = std::move(sl);
  }
  return ContourFromNumberedPoints(std::move(x), std::move(y), std::move(lines), std::move(name));
}

}  // namespace fluvenna
