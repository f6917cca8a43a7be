// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/drawing.h"

#include <cmath>
#include <limits>
#include <utility>

namespace fluvenna {

float ToSurfaceFloat(double value) {
  using Float = std::numeric_limits<float>;
  if (std::isnan(value)) return Float::quiet_NaN();
  if (std::isinf(value)) return value > 0.0 ? Float::infinity() : -Float::infinity();
  if (value > Float::max()) return Float::max();
  if (value < -Float::max()) return -Float::max();
  return static_cast<float>(value);
}

namespace {

bool ScaleToOlcek(PlotSurface& surface, double Olcek, double centreX) {
  const double top = Olcek * (2.0 / 3.0);
  const double bottom = Olcek * (-2.0 / 3.0);
  return surface.Scale(centreX - Olcek, top, centreX + Olcek, bottom);
}

}  // namespace

double PlotCentreX(const ProfileMap* map) {
  if (!map || map->Joukowski()) return 0.0;
  const double x = map->CircleCentre().real();
  return std::isfinite(x) ? x : 0.0;
}

bool DrawAxes(PlotSurface& surface, double XMax, double centreX) {
  const float y = ToSurfaceFloat(XMax);
  return surface.Line(ToSurfaceFloat(centreX - XMax), 0.0f, ToSurfaceFloat(centreX + XMax), 0.0f,
                      kAxisColour) &&
         surface.Line(0.0f, -y, 0.0f, y, kAxisColour);
}

bool PreparePicture1(PlotSurface& surface, double Olcek, double XMax, double centreX) {
  return ScaleToOlcek(surface, Olcek, centreX) && surface.Cls() && DrawAxes(surface, XMax, centreX);
}

bool PreparePicture2(PlotSurface& surface, double Olcek, double XMax, double centreX) {
  return surface.Cls() && ScaleToOlcek(surface, Olcek, centreX) && DrawAxes(surface, XMax, centreX);
}

bool DrawCurves(PlotSurface& surface, const PointArrays& arrays, int lastCurve) {
  for (int k = 0; k <= lastCurve; ++k) {
    const Colour colour = (k == 0) ? kBodyColour : kStreamlineColour;
    const auto point = [&](int j) { return std::pair{arrays.XP(k, j), arrays.YP(k, j)}; };
    if (!DrawChain(surface, 1, arrays.NP[k], colour, point)) return false;
  }
  return true;
}

PassResult DrawPass(const ParameterTexts& texts, const ProfileTable& table, PointArrays& arrays,
                    PlotSurface& picture1, PlotSurface& picture2,
                    const CirclePlaneObserver& onCirclePlane,
                    std::shared_ptr<const ProfileMap> profile) {
  PassResult result = RunCirclePlane(texts, table, arrays, std::move(profile));
  if (!result.ok()) return result;
  const FlowParameters& p = result.params;

  const double centreX = PlotCentreX(result.circle.map.get());
  if (!PreparePicture1(picture1, p.Olcek, p.XMax, centreX) ||
      !DrawCurves(picture1, arrays, result.lastCurve)) {
    result.error =
        "the circle-plane plot could not be drawn (its scale or a coordinate is not usable)";
    return result;
  }
  if (onCirclePlane) onCirclePlane(result, arrays);
  RunAirfoilPlane(result, arrays);
  if (!PreparePicture2(picture2, p.Olcek, p.XMax, centreX) ||
      !DrawCurves(picture2, arrays, result.lastCurve)) {
    result.error = "the airfoil plot could not be drawn (its scale or a coordinate is not usable)";
  }
  return result;
}

}  // namespace fluvenna
