// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "flow/conformal_map.h"
#include "report/catalogue.h"

namespace fluvenna {

// The words of the conformal-map view, all in one place. The pointer's line:
// %1, %2 the circle-plane point z, %3, %4 its airfoil-plane image zeta (three
// decimals each), %5 the stretch |dzeta/dz| (three decimals), %6 the turn
// arg(dzeta/dz) in degrees (one decimal). The inside line: %1, %2 the
// pointer's own point. The critical points: %1 cJ, %2 nC (four decimals).
struct MapWording {
  std::string point = QT_TRANSLATE_NOOP(
      "Report", "z = (%1, %2) ↔ ζ = (%3, %4): stretch |dζ/dz| = %5, turn arg(dζ/dz) = %6°");
  std::string inside = QT_TRANSLATE_NOOP("Report", "(%1, %2): inside the body");
  std::string critical = QT_TRANSLATE_NOOP(
      "Report",
      "Critical points z = ±c_J = ±%1 (dζ/dz = 0, angles double): z = +c_J becomes the sharp "
      "trailing edge ζ = %2; z = −c_J, inside the body, goes to ζ = −%2.");
  std::string criticalOnBody = QT_TRANSLATE_NOOP(
      "Report",
      "Critical points z = ±c_J = ±%1 (dζ/dz = 0, angles double): z = +c_J becomes the sharp "
      "trailing edge ζ = %2, and z = −c_J, on the circle too, a sharp leading edge ζ = −%2.");
};

// The wording in `language`.
MapWording MapWordingIn(Language language);

// The linked pointer's line for the pointer at (x, y).
std::string MapPointerLine(double x, double y, const LinkedPoint& point,
                           const MapWording& wording = {});

// The line under the view: the critical points of the map.
std::string CriticalPointsLine(const ConformalMorph& morph, const MapWording& wording = {});

}  // namespace fluvenna
