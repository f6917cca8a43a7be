// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/lift_curve_line.h"

#include <cmath>

#include "report/number_text.h"

namespace fluvenna {
namespace {

std::string Fixed(const std::optional<double>& value, int decimals) {
  return value ? FixedText(*value, decimals) : std::string("?");
}

}  // namespace

LiftCurveWording LiftCurveWordingIn(Language language) {
  LiftCurveWording w;
  for (std::string* text : {&w.slope, &w.zeroLift, &w.noCurve}) {
    *text = Translate(language, "Report", *text);
  }
  return w;
}

std::string LiftCurveLine(const LiftCurve& curve, const LiftCurveWording& wording,
                          Language language) {
  if (!curve.ok())
    return FillMarkers(wording.noCurve, {TranslateNote(language, curve.notComputed)});
  const std::vector<std::string> args = {Fixed(curve.slopePerDeg, 4), Fixed(curve.slopePerRad, 3),
                                         Fixed(curve.slopeRatio, 3), Fixed(curve.zeroLiftDeg, 3),
                                         Fixed(curve.zeroLiftThinDeg, 3)};
  std::string line;
  if (curve.slopePerRad) line = FillMarkers(wording.slope, args) + ' ';
  return line + FillMarkers(wording.zeroLift, args);
}

}  // namespace fluvenna
