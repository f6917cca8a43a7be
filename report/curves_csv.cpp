// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/curves_csv.h"

#include "report/exact_number_text.h"

namespace fluvenna {
namespace {

void WritePlane(const char* plane, const std::vector<PlaneCurve>& curves, std::ostream& out) {
  for (const PlaneCurve& curve : curves) {
    const std::string psi = SeventeenDigitText(curve.PSI);
    for (int j = 1; j <= curve.NP(); ++j) {
      const auto i = static_cast<std::size_t>(j - 1);
      out << plane << ',' << curve.k << ',' << j << ',' << psi << ','
          << SeventeenDigitText(curve.x[i]) << ',' << SeventeenDigitText(curve.y[i]) << '\n';
    }
  }
}

}  // namespace

void WriteCurvesCsv(const PassCurves& curves, std::ostream& out) {
  out << "plane,curve,point,psi,x,y\n";
  WritePlane("flow", curves.flow(), out);
  WritePlane("circle", curves.circle(), out);
  WritePlane("airfoil", curves.airfoil(), out);
}

}  // namespace fluvenna
