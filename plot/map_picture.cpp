// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/map_picture.h"

#include <algorithm>
#include <cmath>

#include "plot/drawing.h"
#include "report/number_text.h"

namespace fluvenna {
namespace {

constexpr int kRingSegments = 12;
constexpr double kTitleInsetPixels = 4.0;

// The grid's lines, each as a chain at t.
bool DrawGrid(PlotSurface& surface, const ConformalMorph& morph, double t) {
  for (const MapLine& line : morph.Lines()) {
    if (line.kind != MapLineKind::kGrid) continue;
    const auto point = [&](int j) { return morph.At(line, j, t); };
    if (!DrawChain(surface, 0, line.size() - 1, kMapGridColour, point)) return false;
  }
  return true;
}

}  // namespace

MapLabels MapLabelsIn(Language language) {
  MapLabels labels;
  for (std::string* text : {&labels.circle, &labels.airfoil, &labels.morph}) {
    *text = Translate(language, "Pictures", *text);
  }
  return labels;
}

std::optional<std::pair<double, double>> MapUserPoint(double Olcek, double width, double height,
                                                      double px, double py, double centreX) {
  if (!(width > 0.0) || !(height > 0.0)) return std::nullopt;
  if (!(px >= 0.0 && px <= width && py >= 0.0 && py <= height)) return std::nullopt;
  const double top = Olcek * (2.0 / 3.0);
  return std::pair{centreX - Olcek + 2.0 * Olcek * px / width, top - 2.0 * top * py / height};
}

bool DrawMapPicture(PlotSurface& surface, const ConformalMorph& morph, double Olcek, double XMax,
                    double t, int width, int height, const MapLabels& labels,
                    const std::optional<std::pair<double, double>>& pointer) {
  const double centreX = PlotCentreX(morph.map().get());
  if (!PreparePicture1(surface, Olcek, XMax, centreX)) return false;
  if (!DrawGrid(surface, morph, t)) return false;
  // Curve by curve in the pass's order, the body first, as DrawCurves draws them.
  for (const MapLine& line : morph.Lines()) {
    if (line.kind == MapLineKind::kGrid) continue;
    const Colour colour = line.kind == MapLineKind::kBody ? kBodyColour : kStreamlineColour;
    const auto point = [&](int j) { return morph.At(line, j, t); };
    if (!DrawChain(surface, 0, line.size() - 1, colour, point)) return false;
  }

  // User units of one device pixel each way.
  const double ux = 2.0 * std::fabs(Olcek) / std::max(width, 1);
  const double uy = (4.0 / 3.0) * std::fabs(Olcek) / std::max(height, 1);
  const auto f = [](double v) { return ToSurfaceFloat(v); };
  for (const MapCriticalPoint& critical : morph.criticalPoints()) {
    const auto at = morph.Morph(t, critical.z.real(), critical.z.imag());
    if (!at) continue;
    const double dx = kCriticalMarkPixels * ux, dy = kCriticalMarkPixels * uy;
    const auto [x, y] = *at;
    if (!surface.Line(f(x - dx), f(y - dy), f(x + dx), f(y + dy), kCriticalPointColour) ||
        !surface.Line(f(x - dx), f(y + dy), f(x + dx), f(y - dy), kCriticalPointColour)) {
      return false;
    }
  }
  if (pointer && !DrawMapPointer(surface, morph, Olcek, t, width, height, *pointer)) return false;
  const std::string title = t == 0.0   ? labels.circle
                            : t == 1.0 ? labels.airfoil
                                       : FillMarkers(labels.morph, {FixedText(t, 2)});
  return surface.Text(centreX - std::fabs(Olcek) + kTitleInsetPixels * ux,
                      std::fabs(Olcek) * (2.0 / 3.0) - kTitleInsetPixels * uy, title,
                      kMapTitleColour, TextAnchor::kTopLeft);
}

bool DrawMapPointer(PlotSurface& surface, const ConformalMorph& morph, double Olcek, double t,
                    int width, int height, std::pair<double, double> pointer) {
  const double top = Olcek * (2.0 / 3.0);
  const double centreX = PlotCentreX(morph.map().get());
  if (!surface.Scale(centreX - Olcek, top, centreX + Olcek, -top)) return false;
  const auto at = morph.Morph(t, pointer.first, pointer.second);
  if (!at) return true;
  const double Pi = 4.0 * std::atan(1.0);
  const double rx = kPointerMarkPixels * 2.0 * std::fabs(Olcek) / std::max(width, 1);
  const double ry = kPointerMarkPixels * (4.0 / 3.0) * std::fabs(Olcek) / std::max(height, 1);
  const auto ring = [&](int j) {
    const double a = 2.0 * Pi * j / kRingSegments;
    return std::pair{at->first + rx * std::cos(a), at->second + ry * std::sin(a)};
  };
  return DrawChain(surface, 0, kRingSegments, kMapPointerColour, ring);
}

}  // namespace fluvenna
