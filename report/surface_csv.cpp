// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/surface_csv.h"

#include "report/exact_number_text.h"

namespace fluvenna {

void WriteSurfaceCsv(const SurfacePressure& pressure, std::ostream& out) {
  out << "surface,point,x,y,xc,q,cp\n";
  int point = 0;
  for (std::size_t i = 0; i < pressure.points.size(); ++i) {
    const SurfacePoint& s = pressure.points[i];
    point = (i > 0 && pressure.points[i - 1].side == s.side) ? point + 1 : 1;
    out << SurfaceSideName(s.side) << ',' << point << ',' << SeventeenDigitText(s.x) << ','
        << SeventeenDigitText(s.y) << ',' << SeventeenDigitText(s.xc) << ','
        << SeventeenDigitText(s.q) << ',' << SeventeenDigitText(s.Cp) << '\n';
  }
}

}  // namespace fluvenna
