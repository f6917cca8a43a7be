// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/boundary_layer_picture.h"

#include <algorithm>
#include <cmath>

#include "plot/lift_picture.h"
#include "report/number_text.h"

namespace fluvenna {
namespace {

// Tick length, as a share of the frame's height (x/c ticks) or width (c_f
// ticks), and the marks' half length as a share of the height.
constexpr double kTickShare = 0.015;
constexpr double kMarkShare = 0.04;
// The legend's lines: this share of the frame's height apart, the first
// standing this share below the top, this share of the width left of the
// right edge.
constexpr double kLegendStep = 0.075;
constexpr double kLegendDrop = 0.1;
constexpr double kLegendInset = 0.03;
// The C_D axis of the polar has fewer ticks than the lift curve's: its
// numbers are longer.
constexpr int kMostCdTicks = 5;

// The place at arc length `s` of a surface, between the points on either side.
std::optional<LayerMark> MarkAt(const SurfaceBoundaryLayer& layer, double s, bool separation) {
  const auto& points = layer.points;
  if (points.empty() || !std::isfinite(s)) return std::nullopt;
  std::size_t j = 1;
  while (j + 1 < points.size() && points[j].s < s) ++j;
  const BoundaryLayerPoint& a = points[j - 1];
  const BoundaryLayerPoint& b = points[std::min(j, points.size() - 1)];
  const double span = b.s - a.s;
  const double f = span > 0.0 ? std::clamp((s - a.s) / span, 0.0, 1.0) : 0.0;
  const auto mix = [f](double u, double v) { return u + f * (v - u); };
  return LayerMark{layer.side,    separation,      mix(a.xc, b.xc), mix(a.x, b.x),
                   mix(a.y, b.y), mix(a.ue, b.ue), mix(a.cf, b.cf)};
}

bool Segment(PlotSurface& surface, double x1, double y1, double x2, double y2, Colour colour) {
  return surface.Line(ToSurfaceFloat(x1), ToSurfaceFloat(y1), ToSurfaceFloat(x2),
                      ToSurfaceFloat(y2), colour);
}

// "0", "0.2", ..., "1".
std::string TenthText(int tenth) {
  return NumberText(tenth / 10.0);
}

bool DrawFrictionAxes(PlotSurface& surface, const FrictionFrame& f,
                      const std::vector<double>& ticks) {
  if (!Segment(surface, f.left, 0.0, f.right, 0.0, kAxisColour) ||
      !Segment(surface, 0.0, f.bottom, 0.0, f.top, kAxisColour)) {
    return false;
  }
  const double up = kTickShare * (f.top - f.bottom);
  for (int i = 1; i <= 10; ++i) {
    const double length = (i == 5 || i == 10) ? 2.0 * up : up;
    if (!Segment(surface, i / 10.0, -length, i / 10.0, length, kAxisColour)) return false;
  }
  const double across = kTickShare * (f.right - f.left);
  for (const double y : ticks) {
    if (y != 0.0 && !Segment(surface, -across, y, across, y, kAxisColour)) return false;
  }
  return true;
}

bool DrawFrictionLabels(PlotSurface& surface, const FrictionFrame& f,
                        const std::vector<double>& ticks, const FrictionLabels& labels) {
  const double height = f.top - f.bottom;
  const double width = f.right - f.left;
  const double up = kTickShare * height;
  for (int i = 0; i <= 10; i += 2) {
    const TextAnchor anchor = i == 0 ? TextAnchor::kTopRight : TextAnchor::kTop;
    if (!surface.Text(i / 10.0, -up, TenthText(i), kLabelColour, anchor)) return false;
  }
  const double across = kTickShare * width;
  for (const double y : ticks) {
    if (y == 0.0 || f.top - y < kTopLabelClearance * height) continue;
    if (!surface.Text(-1.5 * across, y, NumberText(y), kLabelColour, TextAnchor::kRight)) {
      return false;
    }
  }
  const double legendX = f.right - kLegendInset * width;
  const double legendY = f.top - kLegendDrop * height;
  const double step = kLegendStep * height;
  return surface.Text(f.right - across, f.bottom, labels.xAxis, kLabelColour,
                      TextAnchor::kBottomRight) &&
         surface.Text(across, f.top, labels.cfAxis, kLabelColour, TextAnchor::kTopLeft) &&
         surface.Text(legendX, legendY, kLegendSample + labels.upperSurface, kUpperSurfaceColour,
                      TextAnchor::kBottomRight) &&
         surface.Text(legendX, legendY - step, kLegendSample + labels.lowerSurface,
                      kLowerSurfaceColour, TextAnchor::kBottomRight) &&
         surface.Text(legendX, legendY - 2.0 * step, labels.marks.key, kLabelColour,
                      TextAnchor::kBottomRight);
}

// A curve as chains over its runs of points with finite coordinates: a
// point the core could not give leaves a gap, never a failed picture.
template <typename PointAt>
bool DrawFiniteRuns(PlotSurface& surface, int count, Colour colour, const PointAt& pointAt) {
  const auto finite = [&](int j) {
    const auto [x, y] = pointAt(j);
    return std::isfinite(x) && std::isfinite(y);
  };
  for (int first = 0; first < count; ++first) {
    if (!finite(first)) continue;
    int last = first;
    while (last + 1 < count && finite(last + 1)) ++last;
    if (!DrawChain(surface, first, last, colour, pointAt)) return false;
    first = last;
  }
  return true;
}

// How many of a surface's points, from the stagnation point on, lie at or
// ahead of the separation that stays: all of them without one.
int PointsAheadOfSeparation(const SurfaceBoundaryLayer& side) {
  const auto& points = side.points;
  if (!side.sSeparation) return static_cast<int>(points.size());
  const double s = *side.sSeparation;
  return static_cast<int>(
      std::partition_point(points.begin(), points.end(),
                           [s](const BoundaryLayerPoint& p) { return p.s <= s; }) -
      points.begin());
}

bool Finite(const std::optional<double>& value) {
  return value && std::isfinite(*value);
}

bool Predicted(const PolarPoint& point) {
  return point.dragStatus == DragStatus::kPredicted && Finite(point.cd) && std::isfinite(point.cl);
}

}  // namespace

std::vector<LayerMark> LayerMarks(const BoundaryLayer& layer) {
  std::vector<LayerMark> marks;
  if (!layer.computed()) return marks;
  for (const SurfaceBoundaryLayer* surface : {&layer.upper, &layer.lower}) {
    for (const auto& [s, separation] :
         {std::pair{surface->sTransition, false}, std::pair{surface->sSeparation, true}}) {
      if (!s) continue;
      const auto mark = MarkAt(*surface, *s, separation);
      if (mark && std::isfinite(mark->xc) && std::isfinite(mark->x) && std::isfinite(mark->y) &&
          std::isfinite(mark->ue) && std::isfinite(mark->cf)) {
        marks.push_back(*mark);
      }
    }
  }
  return marks;
}

LayerMarkLabels LayerMarkLabelsIn(Language language) {
  LayerMarkLabels labels;
  for (std::string* text : {&labels.transition, &labels.separation, &labels.key}) {
    *text = Translate(language, "Pictures", *text);
  }
  return labels;
}

FrictionFrame FrictionPictureFrame(const BoundaryLayer& layer) {
  double all = 0.0, aft = 0.0;
  if (layer.computed()) {
    for (const SurfaceBoundaryLayer* surface : {&layer.upper, &layer.lower}) {
      for (const BoundaryLayerPoint& point : surface->points) {
        if (!std::isfinite(point.cf)) continue;
        all = std::max(all, point.cf);
        if (point.xc >= kFrictionFromXc) aft = std::max(aft, point.cf);
      }
    }
  }
  double top = aft > 0.0 ? std::min(all, kFrictionHeadroom * aft) : all;
  if (!(top > 0.0)) top = kFrictionEmptyTop;
  return {kFrictionFrameLeft, top * (1.0 + kFrictionAboveShare), kFrictionFrameRight,
          -kFrictionBelowShare * top, top};
}

FrictionLabels FrictionLabelsIn(Language language) {
  FrictionLabels labels;
  for (std::string* text :
       {&labels.xAxis, &labels.cfAxis, &labels.upperSurface, &labels.lowerSurface}) {
    *text = Translate(language, "Pictures", *text);
  }
  labels.marks = LayerMarkLabelsIn(language);
  return labels;
}

bool DrawFrictionPicture(PlotSurface& surface, const BoundaryLayer& layer,
                         const FrictionLabels& labels) {
  const FrictionFrame f = FrictionPictureFrame(layer);
  const std::vector<double> ticks = AxisTicks(0.0, f.cfTop, kMostFrictionTicks);
  if (!surface.Scale(f.left, f.top, f.right, f.bottom) || !surface.Cls() ||
      !DrawFrictionAxes(surface, f, ticks)) {
    return false;
  }
  if (layer.computed()) {
    for (const SurfaceBoundaryLayer* side : {&layer.upper, &layer.lower}) {
      const auto& points = side->points;
      const Colour colour =
          side->side == SurfaceSide::kUpper ? kUpperSurfaceColour : kLowerSurfaceColour;
      if (!DrawFiniteRuns(surface, static_cast<int>(points.size()), colour, [&](int j) {
            return std::pair{points[j].xc, points[j].cf};
          })) {
        return false;
      }
    }
  }
  // A mark stands on the curve, held inside the frame where the curve runs above it.
  const double half = kMarkShare * (f.top - f.bottom);
  const std::vector<LayerMark> marks = LayerMarks(layer);
  const auto markX = [](const LayerMark& m) { return m.xc; };
  const auto markY = [&](const LayerMark& m) { return std::min(m.cf, f.cfTop - half); };
  return DrawLayerMarks(surface, marks, half, labels.marks, markX, markY, MarkParts::kStrokes) &&
         DrawFrictionLabels(surface, f, ticks, labels) &&
         DrawLayerMarks(surface, marks, half, labels.marks, markX, markY, MarkParts::kLetters);
}

double DisplacementFactor(const BoundaryLayer& layer) {
  double thickest = 0.0;
  for (const SurfaceBoundaryLayer* surface : {&layer.upper, &layer.lower}) {
    for (const BoundaryLayerPoint& point : surface->points) {
      if (point.regime != BoundaryLayerRegime::kSeparated && std::isfinite(point.dstar)) {
        thickest = std::max(thickest, point.dstar);
      }
    }
  }
  for (const double factor : kDisplacementFactors) {
    if (factor * thickest <= kDisplacementShare * layer.chord) return factor;
  }
  return kDisplacementFactors[std::size(kDisplacementFactors) - 1];
}

std::vector<std::pair<double, double>> DisplacedSurface(const SurfaceBoundaryLayer& surface,
                                                        double factor) {
  const auto& points = surface.points;
  const int n = static_cast<int>(points.size());
  std::vector<std::pair<double, double>> displaced;
  displaced.reserve(points.size());
  // Left of the tangent on the upper surface, right of it on the lower one.
  const double turn = surface.side == SurfaceSide::kUpper ? 1.0 : -1.0;
  for (int j = 0; j < n; ++j) {
    const BoundaryLayerPoint& before = points[std::max(j - 1, 0)];
    const BoundaryLayerPoint& after = points[std::min(j + 1, n - 1)];
    const double tx = after.x - before.x, ty = after.y - before.y;
    const double length = std::hypot(tx, ty);
    const double d = length > 0.0 ? factor * points[j].dstar / length : 0.0;
    displaced.emplace_back(points[j].x - turn * d * ty, points[j].y + turn * d * tx);
  }
  return displaced;
}

DisplacementLabels DisplacementLabelsIn(Language language) {
  DisplacementLabels labels;
  labels.factor = Translate(language, "Pictures", labels.factor);
  labels.marks = LayerMarkLabelsIn(language);
  labels.endsAtSeparation = Translate(language, "DisplacementThickness", labels.endsAtSeparation);
  return labels;
}

bool DrawDisplacementThickness(PlotSurface& surface, const BoundaryLayer& layer,
                               double markHalfLength, double textX, double textY,
                               const DisplacementLabels& labels) {
  if (!layer.computed()) return true;
  const double factor = DisplacementFactor(layer);
  bool separates = false;
  for (const SurfaceBoundaryLayer* side : {&layer.upper, &layer.lower}) {
    const auto displaced = DisplacedSurface(*side, factor);
    const int drawn = PointsAheadOfSeparation(*side);
    separates = separates || drawn < static_cast<int>(displaced.size());
    if (!DrawFiniteRuns(surface, drawn, kDisplacementColour,
                        [&](int j) { return displaced[static_cast<std::size_t>(j)]; })) {
      return false;
    }
  }
  return DrawLayerMarks(
             surface, LayerMarks(layer), markHalfLength, labels.marks,
             [](const LayerMark& m) { return m.x; }, [](const LayerMark& m) { return m.y; }) &&
         surface.Text(textX, textY, FillMarkers(labels.factor, {NumberText(factor)}),
                      kDisplacementColour, TextAnchor::kTopLeft) &&
         (!separates ||
          surface.Text(textX, textY - kSeparationLineDrop * markHalfLength, labels.endsAtSeparation,
                       kDisplacementColour, TextAnchor::kTopLeft));
}

bool UpperSeparatesEarly(const PolarPoint& point) {
  return Finite(point.xSeparationUpper) && *point.xSeparationUpper < kSeparationDragLimitXc;
}

std::vector<std::pair<double, double>> SeparatedBands(const Polar& polar) {
  std::vector<std::pair<double, double>> bands;
  if (!polar.computed()) return bands;
  const auto& points = polar.points;
  const std::size_t n = points.size();
  for (std::size_t i = 0; i < n; ++i) {
    if (!UpperSeparatesEarly(points[i])) continue;
    std::size_t j = i;
    while (j + 1 < n && UpperSeparatesEarly(points[j + 1])) ++j;
    const double low =
        i > 0 ? 0.5 * (points[i - 1].alphaDeg + points[i].alphaDeg) : points[i].alphaDeg;
    const double high =
        j + 1 < n ? 0.5 * (points[j].alphaDeg + points[j + 1].alphaDeg) : points[j].alphaDeg;
    bands.emplace_back(low, high);
    i = j;
  }
  return bands;
}

PolarFrame PolarPictureFrame(const Polar& polar) {
  double cdHigh = 0.0, clLow = 0.0, clHigh = 0.0;
  bool any = false;
  if (polar.computed()) {
    for (const PolarPoint& point : polar.points) {
      if (!Predicted(point)) continue;
      cdHigh = std::max(cdHigh, *point.cd);
      clLow = std::min(clLow, point.cl);
      clHigh = std::max(clHigh, point.cl);
      any = true;
    }
  }
  if (!any || !(cdHigh > 0.0)) cdHigh = 0.01;
  if (!(clHigh > clLow)) clHigh = clLow + 1.0;
  PolarFrame f;
  const auto rounded = [](double low, double high, double& outLow, double& outHigh, int most) {
    const std::vector<double> ticks = AxisTicks(low, high, most);
    const double step = ticks.size() > 1 ? ticks[1] - ticks[0] : high - low;
    outLow = std::floor(low / step + 1e-9) * step;
    outHigh = std::ceil(high / step - 1e-9) * step;
  };
  rounded(0.0, cdHigh, f.cdLow, f.cdHigh, kMostCdTicks);
  rounded(clLow, clHigh, f.clLow, f.clHigh, kMostLiftTicks);
  const double w = f.cdHigh - f.cdLow, h = f.clHigh - f.clLow;
  f.left = f.cdLow - kLiftMarginLeft * w;
  f.right = f.cdHigh + kLiftMarginRight * w;
  f.top = f.clHigh + kLiftMarginTop * h;
  f.bottom = f.clLow - kLiftMarginBottom * h;
  return f;
}

PolarLabels PolarLabelsIn(Language language) {
  PolarLabels labels;
  for (std::string* text : {&labels.cdAxis, &labels.clAxis, &labels.title}) {
    *text = Translate(language, "Pictures", *text);
  }
  return labels;
}

bool DrawPolarPicture(PlotSurface& surface, const Polar& polar,
                      std::optional<std::size_t> passPoint, const PolarLabels& labels) {
  const PolarFrame f = PolarPictureFrame(polar);
  const std::vector<double> cds = AxisTicks(f.cdLow, f.cdHigh, kMostCdTicks);
  const std::vector<double> cls = AxisTicks(f.clLow, f.clHigh, kMostLiftTicks);
  if (!surface.Scale(f.left, f.top, f.right, f.bottom) || !surface.Cls()) return false;
  constexpr Colour kGrid = RGB(225, 225, 170);
  for (const double c : cds) {
    if (!Segment(surface, c, f.clLow, c, f.clHigh, c == 0.0 ? kAxisColour : kGrid)) return false;
  }
  for (const double c : cls) {
    if (!Segment(surface, f.cdLow, c, f.cdHigh, c, c == 0.0 ? kAxisColour : kGrid)) return false;
  }
  if (!Segment(surface, f.cdLow, f.clLow, f.cdHigh, f.clLow, kAxisColour) ||
      !Segment(surface, f.cdHigh, f.clLow, f.cdHigh, f.clHigh, kAxisColour) ||
      !Segment(surface, f.cdHigh, f.clHigh, f.cdLow, f.clHigh, kAxisColour) ||
      !Segment(surface, f.cdLow, f.clHigh, f.cdLow, f.clLow, kAxisColour)) {
    return false;
  }
  const auto& points = polar.points;
  if (polar.computed()) {
    const int n = static_cast<int>(points.size());
    for (int i = 0; i < n; ++i) {
      if (!Predicted(points[i])) continue;
      int j = i;
      while (j + 1 < n && Predicted(points[j + 1])) ++j;
      if (!DrawChain(surface, i, j, kPolarColour, [&](int k) {
            return std::pair{*points[k].cd, points[k].cl};
          })) {
        return false;
      }
      i = j;
    }
    if (passPoint && *passPoint < points.size() && Predicted(points[*passPoint])) {
      const PolarPoint& p = points[*passPoint];
      const double w = 0.012 * (f.cdHigh - f.cdLow), h = 0.018 * (f.clHigh - f.clLow);
      const double l = *p.cd - w, r = *p.cd + w, t = p.cl + h, b = p.cl - h;
      if (!Segment(surface, l, b, r, b, kPassMarkColour) ||
          !Segment(surface, r, b, r, t, kPassMarkColour) ||
          !Segment(surface, r, t, l, t, kPassMarkColour) ||
          !Segment(surface, l, t, l, b, kPassMarkColour)) {
        return false;
      }
    }
  }
  const double below = 0.01 * (f.top - f.bottom);
  const double aside = 0.01 * (f.right - f.left);
  for (const double c : cds) {
    if (!surface.Text(c, f.clLow - below, NumberText(c), kLiftLabelColour, TextAnchor::kTop)) {
      return false;
    }
  }
  for (const double c : cls) {
    if (!surface.Text(f.cdLow - aside, c, NumberText(c), kLiftLabelColour, TextAnchor::kRight)) {
      return false;
    }
  }
  return surface.Text(0.5 * (f.cdLow + f.cdHigh), f.bottom + below, labels.cdAxis, kLiftLabelColour,
                      TextAnchor::kBottom) &&
         surface.Text(f.cdLow + aside, f.clHigh - below, labels.clAxis, kLiftLabelColour,
                      TextAnchor::kTopLeft) &&
         surface.Text(f.cdHigh - aside, f.clLow + 2.0 * below, labels.title, kPolarColour,
                      TextAnchor::kBottomRight);
}

}  // namespace fluvenna
