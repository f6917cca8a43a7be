// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "flow/lift_curve.h"
#include "report/catalogue.h"

namespace fluvenna {

// The words of the line under the lift-curve picture, all in one place. The
// numbers go in for the markers %1..%5, as Qt's QString::arg numbers them, so
// that a translated text can put them in any order:
//   %1 the slope dC_L/dalpha per degree, %2 per radian, %3 its ratio to 2 Pi,
//   %4 the zero-lift angle in degrees, %5 that of thin-airfoil theory;
//   in `noCurve` %1 is the reason the curve is missing.
struct LiftCurveWording {
  std::string slope =
      QT_TRANSLATE_NOOP("Report", "Slope dC_L/dα = %1 per degree = %2 per radian = %3 × 2π.");
  std::string zeroLift =
      QT_TRANSLATE_NOOP("Report", "Zero-lift angle %4° (thin-airfoil theory: %5°).");
  std::string noCurve = QT_TRANSLATE_NOOP("Report", "No lift curve: %1.");
};

// The wording in `language`.
LiftCurveWording LiftCurveWordingIn(Language language);

// The line: slope sentence (left out without a slope at the pass's alpha),
// then zero-lift sentence; or the noCurve sentence. Slope per degree with
// four decimals, per radian and the ratio with three, angles with three;
// "." as the decimal point whatever the locale, and no "-0.000".
// The reason for a missing curve is translated into `language`.
std::string LiftCurveLine(const LiftCurve& curve, const LiftCurveWording& wording = {},
                          Language language = Language::kEnglish);

}  // namespace fluvenna
