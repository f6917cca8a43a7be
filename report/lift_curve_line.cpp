// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/lift_curve_line.h"

#include <cmath>

#include "flow/decimal_text.h"

namespace fluvenna {
namespace {

// `decimals` after the point; a value that rounds to zero is written as 0.
std::string Fixed(const std::optional<double>& value, int decimals) {
  if (!value) return "?";
  double v = *value;
  if (std::fabs(v) < 0.5 * std::pow(10.0, -decimals)) v = 0.0;
  const std::string text = DecimalText(v, std::chars_format::fixed, decimals);
  return text.empty() ? std::string("?") : text;
}

// Replaces every marker %1..%5 of `text` by its argument.
std::string Fill(std::string text, const std::string (&args)[5]) {
  for (std::size_t at = text.find('%'); at != std::string::npos; at = text.find('%', at)) {
    const char digit = at + 1 < text.size() ? text[at + 1] : '\0';
    if (digit >= '1' && digit <= '5') {
      const std::string& arg = args[digit - '1'];
      text.replace(at, 2, arg);
      at += arg.size();
    } else {
      ++at;
    }
  }
  return text;
}

}  // namespace

std::string LiftCurveLine(const LiftCurve& curve, const LiftCurveWording& wording) {
  if (!curve.ok()) {
    const std::string args[5] = {curve.notComputed, "", "", "", ""};
    return Fill(wording.noCurve, args);
  }
  const std::string args[5] = {Fixed(curve.slopePerDeg, 4), Fixed(curve.slopePerRad, 3),
                               Fixed(curve.slopeRatio, 3), Fixed(curve.zeroLiftDeg, 3),
                               Fixed(curve.zeroLiftThinDeg, 3)};
  std::string line;
  if (curve.slopePerRad) line = Fill(wording.slope, args) + ' ';
  return line + Fill(wording.zeroLift, args);
}

}  // namespace fluvenna
