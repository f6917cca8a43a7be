// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/pressure_picture.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "plot/drawing.h"

namespace fluvenna {
namespace {

// Tick length, as a share of the frame's width (vertical ticks) or height
// (horizontal ticks).
constexpr double kTickShare = 0.015;

bool DrawAxes(PlotSurface& surface, const PressureFrame& f) {
  const auto line = [&](double x1, double y1, double x2, double y2) {
    return surface.Line(ToSurfaceFloat(x1), ToSurfaceFloat(y1), ToSurfaceFloat(x2),
                        ToSurfaceFloat(y2), kAxisColour);
  };
  if (!line(f.left, 0.0, f.right, 0.0) || !line(0.0, f.bottom, 0.0, f.top)) return false;
  const double tickUp = kTickShare * (f.top - f.bottom);
  for (int i = 1; i <= 10; ++i) {
    const double x = i / 10.0;
    const double length = (i == 5 || i == 10) ? 2.0 * tickUp : tickUp;
    if (!line(x, -length, x, length)) return false;
  }
  double step = 1.0;
  for (const double candidate : {1.0, 2.0, 5.0, 10.0}) {
    step = candidate;
    if ((f.top - f.bottom) / step <= kMostCpTicks) break;
  }
  const double tickAcross = kTickShare * (f.right - f.left);
  for (double y = std::ceil(f.bottom / step) * step; y <= f.top; y += step) {
    if (y != 0.0 && !line(-tickAcross, y, tickAcross, y)) return false;
  }
  return true;
}

}  // namespace

PressureFrame PressurePictureFrame(const SurfacePressure& pressure) {
  double lowest = 0.0, highest = 1.0, midChord = 0.0;
  for (const SurfacePoint& point : pressure.points) {
    if (!std::isfinite(point.Cp)) continue;
    lowest = std::min(lowest, -point.Cp);
    highest = std::max(highest, -point.Cp);
    if (point.xc >= kMidChordFrom && point.xc <= kMidChordTo)
      midChord = std::max(midChord, -point.Cp);
  }
  highest = std::max(1.0, std::min(highest, kPeakHeadroom * midChord));
  const double margin = kPressureFrameYMargin * (highest - lowest);
  return {-kPressureFrameXMargin, highest + margin, 1.0 + kPressureFrameXMargin, lowest - margin};
}

bool DrawPressurePicture(PlotSurface& surface, const SurfacePressure& pressure) {
  const PressureFrame f = PressurePictureFrame(pressure);
  if (!surface.Scale(f.left, f.top, f.right, f.bottom) || !surface.Cls() || !DrawAxes(surface, f)) {
    return false;
  }
  const auto& points = pressure.points;
  const auto point = [&](int j) { return std::pair{points[j].xc, -points[j].Cp}; };
  // Each surface is one run of consecutive points.
  int first = 0;
  const int count = static_cast<int>(points.size());
  for (int j = 1; j <= count; ++j) {
    if (j < count && points[j].side == points[first].side) continue;
    const Colour colour =
        points[first].side == SurfaceSide::kUpper ? kUpperSurfaceColour : kLowerSurfaceColour;
    if (!DrawChain(surface, first, j - 1, colour, point)) return false;
    first = j;
  }
  return true;
}

}  // namespace fluvenna
