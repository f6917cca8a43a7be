// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/map_text.h"

#include <cmath>

#include "report/number_text.h"

namespace fluvenna {

MapWording MapWordingIn(Language language) {
  MapWording w;
  for (std::string* text : {&w.point, &w.inside, &w.critical, &w.criticalOnBody}) {
    *text = Translate(language, "Report", *text);
  }
  return w;
}

std::string MapPointerLine(double x, double y, const LinkedPoint& point,
                           const MapWording& wording) {
  if (point.inside) return FillMarkers(wording.inside, {FixedText(x, 3), FixedText(y, 3)});
  const double degrees = point.local.turn * 45.0 / std::atan(1.0);
  return FillMarkers(wording.point, {FixedText(point.zx, 3), FixedText(point.zy, 3),
                                     FixedText(point.fx, 3), FixedText(point.fy, 3),
                                     FixedText(point.local.stretch, 3), FixedText(degrees, 1)});
}

std::string CriticalPointsLine(const ConformalMorph& morph, const MapWording& wording) {
  return FillMarkers(morph.minusCJInside() ? wording.critical : wording.criticalOnBody,
                     {FixedText(morph.cJ(), 4), FixedText(morph.nC(), 4)});
}

}  // namespace fluvenna
