// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/finite_wing_picture.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

#include "plot/drawing.h"
#include "plot/lift_picture.h"
#include "plot/pressure_picture.h"
#include "report/number_text.h"

namespace fluvenna {
namespace {

constexpr double kDegree = std::numbers::pi / 180.0;
constexpr Colour kGridColour = RGB(225, 225, 170);
// Each panel's box within its quarter of the unit square.
constexpr double kBoxLeft = 0.12, kBoxRight = 0.96, kBoxBottom = 0.14, kBoxTop = 0.84;
// Dashes of the elliptic loading, in stations.
constexpr int kDashStations = 3;
constexpr int kMostPanelTicks = 5;

// A panel: its box on the unit square and the data range it shows.
struct Panel {
  double left, bottom, right, top;  // unit square
  double xLow, xHigh, yLow, yHigh;  // data
  double X(double x) const { return left + (x - xLow) / (xHigh - xLow) * (right - left); }
  double Y(double y) const { return bottom + (y - yLow) / (yHigh - yLow) * (top - bottom); }
};

Panel PanelIn(int column, int row, double xLow, double xHigh, double yLow, double yHigh) {
  const double x0 = 0.5 * column, y0 = 0.5 * (1 - row);
  if (!(yHigh > yLow)) yHigh = yLow + 1.0;
  if (!(xHigh > xLow)) xHigh = xLow + 1.0;
  return Panel{x0 + 0.5 * kBoxLeft,
               y0 + 0.5 * kBoxBottom,
               x0 + 0.5 * kBoxRight,
               y0 + 0.5 * kBoxTop,
               xLow,
               xHigh,
               yLow,
               yHigh};
}

bool Segment(PlotSurface& s, double x1, double y1, double x2, double y2, Colour colour) {
  return s.Line(ToSurfaceFloat(x1), ToSurfaceFloat(y1), ToSurfaceFloat(x2), ToSurfaceFloat(y2),
                colour);
}

bool DataSegment(PlotSurface& s, const Panel& p, double x1, double y1, double x2, double y2,
                 Colour colour) {
  return Segment(s, p.X(x1), p.Y(y1), p.X(x2), p.Y(y2), colour);
}

// Rounds a range out to its ticks.
std::pair<double, double> Rounded(double low, double high) {
  if (!(high > low)) high = low + 1.0;
  const std::vector<double> ticks = AxisTicks(low, high, kMostPanelTicks);
  const double step = ticks.size() > 1 ? ticks[1] - ticks[0] : high - low;
  return {std::floor(low / step + 1e-9) * step, std::ceil(high / step - 1e-9) * step};
}

// The box, grid lines and numbers at the ticks, and the title above.
bool DrawFrame(PlotSurface& s, const Panel& p, const std::string& title,
               const std::string& xTitle) {
  const double below = 0.006;
  for (const double x : AxisTicks(p.xLow, p.xHigh, kMostPanelTicks)) {
    if (!DataSegment(s, p, x, p.yLow, x, p.yHigh, x == 0.0 ? kAxisColour : kGridColour) ||
        !s.Text(p.X(x), p.bottom - below, NumberText(x), kWingTextColour, TextAnchor::kTop)) {
      return false;
    }
  }
  for (const double y : AxisTicks(p.yLow, p.yHigh, kMostPanelTicks)) {
    if (!DataSegment(s, p, p.xLow, y, p.xHigh, y, y == 0.0 ? kAxisColour : kGridColour) ||
        !s.Text(p.left - below, p.Y(y), NumberText(y), kWingTextColour, TextAnchor::kRight)) {
      return false;
    }
  }
  return Segment(s, p.left, p.bottom, p.right, p.bottom, kAxisColour) &&
         Segment(s, p.right, p.bottom, p.right, p.top, kAxisColour) &&
         Segment(s, p.right, p.top, p.left, p.top, kAxisColour) &&
         Segment(s, p.left, p.top, p.left, p.bottom, kAxisColour) &&
         s.Text(0.5 * (p.left + p.right), p.top + 0.01, title, kWingTextColour,
                TextAnchor::kBottom) &&
         (xTitle.empty() ||
          s.Text(p.right, p.bottom - 0.035, xTitle, kWingTextColour, TextAnchor::kTopRight));
}

// The planform to scale: span across, the stream downward; the box is
// filled along the span and the chord drawn at the same scale.
bool DrawPlanform(PlotSurface& s, const FiniteWingAnalysis& w, const FiniteWingLabels& labels) {
  const double half = 0.5 * w.solution.shape.aspectRatio;  // mean chords
  const Panel box = PanelIn(0, 0, -half, half, 0.0, 1.0);
  const double unit = (box.right - box.left) / (2.0 * half);  // unit square per mean chord
  const double top = box.top - 0.03;                          // leading edge of the root
  const double rootChord = WingChord(w.solution.shape, 0.0);
  const double quarter = top - 0.25 * rootChord * unit;
  const auto le = [&](double chord) { return quarter + 0.25 * chord * unit; };
  const auto te = [&](double chord) { return quarter - 0.75 * chord * unit; };
  const double sheetEnd = box.bottom;
  if (!s.Text(0.5 * (box.left + box.right), box.top + 0.01, labels.planform, kWingTextColour,
              TextAnchor::kBottom)) {
    return false;
  }
  // Outline from station to station.
  const std::vector<WingStation>& st = w.stations;
  for (std::size_t j = 0; j + 1 < st.size(); ++j) {
    const double x1 = box.X(st[j].eta * half), x2 = box.X(st[j + 1].eta * half);
    if (!Segment(s, x1, le(st[j].chord), x2, le(st[j + 1].chord), kWingOutlineColour) ||
        !Segment(s, x1, te(st[j].chord), x2, te(st[j + 1].chord), kWingOutlineColour)) {
      return false;
    }
  }
  for (const WingStation* tip : {&st.front(), &st.back()}) {
    const double x = box.X(tip->eta * half);
    if (!Segment(s, x, le(tip->chord), x, te(tip->chord), kWingOutlineColour)) return false;
  }
  // Trailing vortices where Gamma crosses each level, on both halves.
  double peak = 0.0;
  for (const WingStation& x : st) peak = std::max(peak, std::fabs(x.gamma));
  if (peak > 0.0) {
    for (int k = 1; k <= kWingVortexLines; ++k) {
      const double level = peak * k / (kWingVortexLines + 1.0);
      for (std::size_t j = 0; j + 1 < st.size(); ++j) {
        const double g1 = std::fabs(st[j].gamma), g2 = std::fabs(st[j + 1].gamma);
        if ((g1 - level) * (g2 - level) > 0.0 || g1 == g2) continue;
        const double t = (level - g1) / (g2 - g1);
        const double eta = st[j].eta + t * (st[j + 1].eta - st[j].eta);
        const double x = box.X(eta * half);
        const double from = te(WingChord(w.solution.shape, eta));
        if (!Segment(s, x, from, x, sheetEnd, kWingVortexColour)) return false;
      }
    }
    // The tip vortices, where the sheet rolls up.
    for (const WingStation* tip : {&st.front(), &st.back()}) {
      const double x = box.X(tip->eta * half);
      if (!Segment(s, x, te(tip->chord), x, sheetEnd, kWingVortexColour)) return false;
    }
  }
  if (w.stall) {
    for (const double side : {-1.0, 1.0}) {
      const double eta = side * w.stall->eta;
      const double chord = WingChord(w.solution.shape, eta);
      const double x = box.X(eta * half);
      if (!Segment(s, x, le(chord) + 0.02, x, te(chord) - 0.02, kWingStallColour) ||
          !Segment(s, x - 0.004, le(chord) + 0.02, x + 0.004, le(chord) + 0.02, kWingStallColour)) {
        return false;
      }
    }
    if (!s.Text(box.X(w.stall->eta * half), te(WingChord(w.solution.shape, w.stall->eta)) - 0.025,
                labels.stall, kWingStallColour, TextAnchor::kTop)) {
      return false;
    }
  }
  return true;
}

bool DrawLoading(PlotSurface& s, const FiniteWingAnalysis& w, const FiniteWingLabels& labels) {
  const double CL = w.state.CL;
  double low = 0.0, high = 0.0;
  for (const WingStation& x : w.stations) {
    low = std::min(low, x.loading);
    high = std::max(high, x.loading);
  }
  low = std::min(low, 4.0 * CL / std::numbers::pi);
  high = std::max(high, 4.0 * CL / std::numbers::pi);
  const auto [yl, yh] = Rounded(low, high);
  const Panel p = PanelIn(1, 0, -1.0, 1.0, yl, yh);
  if (!DrawFrame(s, p, labels.loading, labels.span)) return false;
  const std::vector<WingStation>& st = w.stations;
  const auto elliptic = [&](double eta) {
    return 4.0 * CL / std::numbers::pi * std::sqrt(std::max(0.0, 1.0 - eta * eta));
  };
  for (std::size_t j = 0; j + 1 < st.size(); ++j) {
    if ((j / kDashStations) % 2 == 0 &&
        !DataSegment(s, p, st[j].eta, elliptic(st[j].eta), st[j + 1].eta, elliptic(st[j + 1].eta),
                     kWingEllipticColour)) {
      return false;
    }
  }
  if (!DrawChain(s, 0, static_cast<int>(st.size()) - 1, kWingCurveColour, [&](int j) {
        const WingStation& x = st[static_cast<std::size_t>(j)];
        return std::make_pair(p.X(x.eta), p.Y(x.loading));
      })) {
    return false;
  }
  return s.Text(p.left + 0.01, p.bottom + 0.01, labels.elliptic, kWingEllipticColour,
                TextAnchor::kBottomLeft);
}

bool DrawInduced(PlotSurface& s, const FiniteWingAnalysis& w, const FiniteWingLabels& labels) {
  double low = 0.0, high = 0.0;
  for (const WingStation& x : w.stations) {
    low = std::min(low, x.alphaInduced / kDegree);
    high = std::max(high, x.alphaInduced / kDegree);
  }
  const auto [yl, yh] = Rounded(low, high);
  const Panel p = PanelIn(0, 1, -1.0, 1.0, yl, yh);
  const std::vector<WingStation>& st = w.stations;
  return DrawFrame(s, p, labels.induced, labels.span) &&
         DrawChain(s, 0, static_cast<int>(st.size()) - 1, kWingCurveColour, [&](int j) {
           const WingStation& x = st[static_cast<std::size_t>(j)];
           return std::make_pair(p.X(x.eta), p.Y(x.alphaInduced / kDegree));
         });
}

bool DrawPolars(PlotSurface& s, const FiniteWingAnalysis& w, const Polar* section,
                const FiniteWingLabels& labels) {
  std::vector<std::pair<double, double>> wing, own;
  for (const WingPolarPoint& x : w.polar.points) {
    if (x.CD) wing.emplace_back(*x.CD, x.CL);
  }
  if (section && section->computed()) {
    for (const PolarPoint& x : section->points) {
      if (x.dragStatus == DragStatus::kPredicted && x.cd) own.emplace_back(*x.cd, x.cl);
    }
  }
  double cdHigh = 0.01, clLow = 0.0, clHigh = 1.0;
  for (const auto* curve : {&wing, &own}) {
    for (const auto& [cd, cl] : *curve) {
      cdHigh = std::max(cdHigh, cd);
      clLow = std::min(clLow, cl);
      clHigh = std::max(clHigh, cl);
    }
  }
  const auto [xl, xh] = Rounded(0.0, cdHigh);
  const auto [yl, yh] = Rounded(clLow, clHigh);
  const Panel p = PanelIn(1, 1, xl, xh, yl, yh);
  if (!DrawFrame(s, p, labels.polar, "C_D")) return false;
  const auto chain = [&](const std::vector<std::pair<double, double>>& c, Colour colour) {
    return DrawChain(s, 0, static_cast<int>(c.size()) - 1, colour, [&](int j) {
      const auto& [cd, cl] = c[static_cast<std::size_t>(j)];
      return std::make_pair(p.X(cd), p.Y(cl));
    });
  };
  if (!chain(own, kWingSectionColour) || !chain(wing, kWingCurveColour)) return false;
  if (w.CD) {
    const double x = p.X(*w.CD), y = p.Y(w.state.CL), d = 0.006;
    if (!Segment(s, x - d, y - d, x + d, y - d, kPassMarkColour) ||
        !Segment(s, x + d, y - d, x + d, y + d, kPassMarkColour) ||
        !Segment(s, x + d, y + d, x - d, y + d, kPassMarkColour) ||
        !Segment(s, x - d, y + d, x - d, y - d, kPassMarkColour)) {
      return false;
    }
  }
  return s.Text(p.right - 0.01, p.bottom + 0.035, kLegendSample + labels.wing, kWingCurveColour,
                TextAnchor::kBottomRight) &&
         s.Text(p.right - 0.01, p.bottom + 0.01, kLegendSample + labels.section, kWingSectionColour,
                TextAnchor::kBottomRight);
}

}  // namespace

FiniteWingLabels FiniteWingLabelsIn(Language language) {
  FiniteWingLabels labels;
  for (std::string* text :
       {&labels.planform, &labels.stall, &labels.loading, &labels.elliptic, &labels.induced,
        &labels.span, &labels.polar, &labels.wing, &labels.section}) {
    *text = Translate(language, "FiniteWing", *text);
  }
  return labels;
}

bool DrawFiniteWingPicture(PlotSurface& surface, const FiniteWingAnalysis& wing,
                           const Polar* section, const FiniteWingLabels& labels) {
  if (!surface.Scale(0.0, 1.0, 1.0, 0.0) || !surface.Cls()) return false;
  if (!wing.ok() || wing.stations.empty()) {
    return surface.Text(0.5, 0.5, labels.planform, kWingTextColour, TextAnchor::kCentre);
  }
  return DrawPlanform(surface, wing, labels) && DrawLoading(surface, wing, labels) &&
         DrawInduced(surface, wing, labels) && DrawPolars(surface, wing, section, labels);
}

}  // namespace fluvenna
