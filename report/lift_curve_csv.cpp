// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/lift_curve_csv.h"

#include "report/exact_number_text.h"

namespace fluvenna {

void WriteLiftCurveCsv(const LiftCurve& curve, std::ostream& out) {
  out << "alpha_deg,cl,cl_thin\n";
  for (const LiftCurvePoint& point : curve.points) {
    out << SeventeenDigitText(point.alpha_deg) << ',' << SeventeenDigitText(point.cl) << ','
        << SeventeenDigitText(point.cl_thin) << '\n';
  }
}

}  // namespace fluvenna
