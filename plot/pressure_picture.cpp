// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/pressure_picture.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "plot/boundary_layer_picture.h"
#include "plot/drawing.h"

namespace fluvenna {
namespace {

// Tick length, as a share of the frame's width (vertical ticks) or height
// (horizontal ticks).
constexpr double kTickShare = 0.015;

// How far the x/c tick at a tenth of the chord reaches up and down from the
// zero line: the middle and the end of the chord have longer ones.
double XTickLength(const PressureFrame& f, int tenth) {
  const double length = kTickShare * (f.top - f.bottom);
  return (tenth == 5 || tenth == 10) ? 2.0 * length : length;
}

// Half the length of a -Cp tick, which crosses the -Cp axis.
double CpTickHalfLength(const PressureFrame& f) {
  return kTickShare * (f.right - f.left);
}

// The -Cp of every tick on the -Cp axis but the zero line's: the whole
// multiples of the first of 1, 2, 5 or 10 that gives at most kMostCpTicks.
std::vector<double> CpTicks(const PressureFrame& f) {
  double step = 1.0;
  for (const double candidate : {1.0, 2.0, 5.0, 10.0}) {
    step = candidate;
    if ((f.top - f.bottom) / step <= kMostCpTicks) break;
  }
  std::vector<double> ticks;
  for (double y = std::ceil(f.bottom / step) * step; y <= f.top; y += step) {
    if (y != 0.0) ticks.push_back(y);
  }
  return ticks;
}

bool DrawAxes(PlotSurface& surface, const PressureFrame& f) {
  const auto line = [&](double x1, double y1, double x2, double y2) {
    return surface.Line(ToSurfaceFloat(x1), ToSurfaceFloat(y1), ToSurfaceFloat(x2),
                        ToSurfaceFloat(y2), kAxisColour);
  };
  if (!line(f.left, 0.0, f.right, 0.0) || !line(0.0, f.bottom, 0.0, f.top)) return false;
  for (int i = 1; i <= 10; ++i) {
    const double length = XTickLength(f, i);
    if (!line(i / 10.0, -length, i / 10.0, length)) return false;
  }
  const double across = CpTickHalfLength(f);
  for (const double y : CpTicks(f)) {
    if (!line(-across, y, across, y)) return false;
  }
  return true;
}

// "0", "0.2", ..., "1": a tenth of the chord as the x/c axis names it.
std::string TenthText(int tenth) {
  if (tenth == 0) return "0";
  if (tenth == 10) return "1";
  return "0." + std::to_string(tenth);
}

// Where the legend's two entries meet: this share of the frame's height
// below its top, and this share of its width left of the right edge. The
// first entry stands on the point, the second hangs from it, so that they
// lie one under the other at any size of the picture.
constexpr double kLegendDrop = 0.1;
constexpr double kLegendInset = 0.07;
// The boundary layer's marks: half a stroke as a share of the frame's
// height, and the top of the marks' key this share under the legend's
// middle, below its second entry.
constexpr double kMarkShare = 0.03;
constexpr double kKeyDrop = 0.075;

// The box an x/c number takes next to its tick, as shares of the frame:
// half its width and its height (at the window's size of the picture).
constexpr double kNumberHalfWidthShare = 0.04;
constexpr double kNumberHeightShare = 0.06;

// Whether the x/c number at `tenth` goes under its tick: unless fewer
// points of the curves lie in the box it would take above the tick than in
// the one below it.
bool NumberGoesUnder(const SurfacePressure& pressure, const PressureFrame& f, int tenth) {
  const double x = tenth / 10.0;
  const double halfWidth = kNumberHalfWidthShare * (f.right - f.left);
  const double reach = XTickLength(f, tenth) + kNumberHeightShare * (f.top - f.bottom);
  int under = 0, over = 0;
  for (const SurfacePoint& point : pressure.points) {
    if (!std::isfinite(point.Cp) || std::abs(point.xc - x) > halfWidth) continue;
    if (-point.Cp <= 0.0 && -point.Cp >= -reach) ++under;
    if (-point.Cp >= 0.0 && -point.Cp <= reach) ++over;
  }
  return under <= over;
}

bool DrawLabels(PlotSurface& surface, const SurfacePressure& pressure, const PressureFrame& f,
                const PressureLabels& labels) {
  for (int i = 0; i <= 10; i += 2) {
    const bool under = NumberGoesUnder(pressure, f, i);
    const double y = under ? -XTickLength(f, i) : XTickLength(f, i);
    // The leading edge's number goes left of the -Cp axis, clear of it.
    const TextAnchor anchor = i == 0 ? (under ? TextAnchor::kTopRight : TextAnchor::kBottomRight)
                                     : (under ? TextAnchor::kTop : TextAnchor::kBottom);
    if (!surface.Text(i / 10.0, y, TenthText(i), kLabelColour, anchor)) return false;
  }
  const double height = f.top - f.bottom;
  for (const double y : CpTicks(f)) {
    if (f.top - y < kTopLabelClearance * height) continue;
    const std::string number = std::to_string(static_cast<long long>(y));
    if (!surface.Text(0.0, y, number, kLabelColour, TextAnchor::kBottomRight)) return false;
  }
  const double legendX = f.right - kLegendInset * (f.right - f.left);
  const double legendY = f.top - kLegendDrop * height;
  const double inset = CpTickHalfLength(f);
  return surface.Text(f.right - inset, f.bottom, labels.xAxis, kLabelColour,
                      TextAnchor::kBottomRight) &&
         surface.Text(inset, f.top, labels.cpAxis, kLabelColour, TextAnchor::kTopLeft) &&
         surface.Text(legendX, legendY, kLegendSample + labels.upperSurface, kUpperSurfaceColour,
                      TextAnchor::kBottomRight) &&
         surface.Text(legendX, legendY, kLegendSample + labels.lowerSurface, kLowerSurfaceColour,
                      TextAnchor::kTopRight);
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

bool DrawPressurePicture(PlotSurface& surface, const SurfacePressure& pressure,
                         const PressureLabels& labels, const BoundaryLayer* layer) {
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
  // The marks' strokes with the lines, their letters and key with the texts.
  const bool marked = layer && layer->computed();
  const std::vector<LayerMark> marks = marked ? LayerMarks(*layer) : std::vector<LayerMark>();
  const LayerMarkLabels words{labels.transition, labels.separation, labels.marksKey};
  const double height = f.top - f.bottom;
  const auto markX = [](const LayerMark& m) { return m.xc; };
  const auto markY = [](const LayerMark& m) { return m.ue * m.ue - 1.0; };
  if (!DrawLayerMarks(surface, marks, kMarkShare * height, words, markX, markY,
                      MarkParts::kStrokes) ||
      !DrawLabels(surface, pressure, f, labels)) {
    return false;
  }
  if (!marked) return true;
  return DrawLayerMarks(surface, marks, kMarkShare * height, words, markX, markY,
                        MarkParts::kLetters) &&
         surface.Text(f.right - kLegendInset * (f.right - f.left),
                      f.top - (kLegendDrop + kKeyDrop) * height, words.key, kLabelColour,
                      TextAnchor::kTopRight);
}

PressureLabels PressureLabelsIn(Language language) {
  PressureLabels labels;
  for (std::string* text :
       {&labels.xAxis, &labels.cpAxis, &labels.upperSurface, &labels.lowerSurface,
        &labels.transition, &labels.separation, &labels.marksKey}) {
    *text = Translate(language, "Pictures", *text);
  }
  return labels;
}

}  // namespace fluvenna
