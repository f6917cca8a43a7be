// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/lift_picture.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "plot/boundary_layer_picture.h"
#include "plot/drawing.h"
#include "plot/pressure_picture.h"
#include "report/number_text.h"

namespace fluvenna {
namespace {

// The pass's mark and the zero-lift tick, as shares of the box.
constexpr double kMarkShare = 0.012;
constexpr double kZeroLiftTickShare = 0.04;
constexpr Colour kGridColour = RGB(225, 225, 170);
// The caption of the shaded angles: its first line this share of the box's
// height under the top (below the C_L title), its lines this share apart.
constexpr double kCaptionDrop = 0.08;
constexpr double kCaptionStep = 0.065;

bool InFrame(const LiftCurvePoint& point) {
  return std::fabs(point.alpha_deg) <= kLiftCurveExtendLimitDeg && std::isfinite(point.cl) &&
         std::isfinite(point.cl_thin);
}

bool Segment(PlotSurface& surface, double x1, double y1, double x2, double y2, Colour colour) {
  return surface.Line(ToSurfaceFloat(x1), ToSurfaceFloat(y1), ToSurfaceFloat(x2),
                      ToSurfaceFloat(y2), colour);
}

bool DrawCurve(PlotSurface& surface, const std::vector<LiftCurvePoint>& points, bool thin,
               Colour colour) {
  std::vector<std::pair<double, double>> shown;
  for (const LiftCurvePoint& point : points) {
    if (InFrame(point)) shown.emplace_back(point.alpha_deg, thin ? point.cl_thin : point.cl);
  }
  return DrawChain(surface, 0, static_cast<int>(shown.size()) - 1, colour,
                   [&](int j) { return shown[static_cast<std::size_t>(j)]; });
}

bool DrawGrid(PlotSurface& surface, const LiftFrame& f, const std::vector<double>& alphas,
              const std::vector<double>& cls) {
  for (const double a : alphas) {
    if (!Segment(surface, a, f.clLow, a, f.clHigh, a == 0.0 ? kAxisColour : kGridColour)) {
      return false;
    }
  }
  for (const double c : cls) {
    if (!Segment(surface, f.alphaLow, c, f.alphaHigh, c, c == 0.0 ? kAxisColour : kGridColour)) {
      return false;
    }
  }
  // The box.
  return Segment(surface, f.alphaLow, f.clLow, f.alphaHigh, f.clLow, kAxisColour) &&
         Segment(surface, f.alphaHigh, f.clLow, f.alphaHigh, f.clHigh, kAxisColour) &&
         Segment(surface, f.alphaHigh, f.clHigh, f.alphaLow, f.clHigh, kAxisColour) &&
         Segment(surface, f.alphaLow, f.clHigh, f.alphaLow, f.clLow, kAxisColour);
}

bool DrawNumbers(PlotSurface& surface, const LiftFrame& f, const std::vector<double>& alphas,
                 const std::vector<double>& cls, const LiftLabels& labels) {
  const double below = 0.01 * (f.top - f.bottom);
  const double aside = 0.01 * (f.right - f.left);
  for (const double a : alphas) {
    if (!surface.Text(a, f.clLow - below, NumberText(a), kLiftLabelColour, TextAnchor::kTop)) {
      return false;
    }
  }
  for (const double c : cls) {
    if (!surface.Text(f.alphaLow - aside, c, NumberText(c), kLiftLabelColour, TextAnchor::kRight)) {
      return false;
    }
  }
  return surface.Text(0.5 * (f.alphaLow + f.alphaHigh), f.bottom + below, labels.alphaAxis,
                      kLiftLabelColour, TextAnchor::kBottom) &&
         surface.Text(f.alphaLow + aside, f.clHigh - below, labels.clAxis, kLiftLabelColour,
                      TextAnchor::kTopLeft);
}

bool DrawLegend(PlotSurface& surface, const LiftFrame& f, const LiftLabels& labels) {
  // Bottom right of the box: lift rises with the angle, so that corner is free.
  const double x = f.alphaHigh - 0.02 * (f.alphaHigh - f.alphaLow);
  const double step = 0.07 * (f.clHigh - f.clLow);
  const double y = f.clLow + 0.04 * (f.clHigh - f.clLow);
  return surface.Text(x, y + step, kLegendSample + labels.exact, kExactLiftColour,
                      TextAnchor::kBottomRight) &&
         surface.Text(x, y, kLegendSample + labels.thin, kThinLiftColour, TextAnchor::kBottomRight);
}

bool DrawMarks(PlotSurface& surface, const LiftFrame& f, const LiftCurve& curve,
               const LiftLabels& labels) {
  const double w = kMarkShare * (f.alphaHigh - f.alphaLow);
  const double h = kMarkShare * (f.clHigh - f.clLow) * 1.5;
  if (curve.passPoint && InFrame(curve.points[*curve.passPoint])) {
    const LiftCurvePoint& p = curve.points[*curve.passPoint];
    const double l = p.alpha_deg - w, r = p.alpha_deg + w, t = p.cl + h, b = p.cl - h;
    if (!Segment(surface, l, b, r, b, kPassMarkColour) ||
        !Segment(surface, r, b, r, t, kPassMarkColour) ||
        !Segment(surface, r, t, l, t, kPassMarkColour) ||
        !Segment(surface, l, t, l, b, kPassMarkColour)) {
      return false;
    }
  }
  if (curve.zeroLiftDeg && *curve.zeroLiftDeg >= f.alphaLow && *curve.zeroLiftDeg <= f.alphaHigh) {
    const double a = *curve.zeroLiftDeg;
    const double tick = kZeroLiftTickShare * (f.clHigh - f.clLow);
    if (!Segment(surface, a, -tick, a, tick, kExactLiftColour) ||
        !surface.Text(a, tick, labels.zeroLift, kExactLiftColour, TextAnchor::kBottom)) {
      return false;
    }
  }
  return true;
}

// The shaded angles, each a one-pixel image of the band's colour stretched
// over its part of the box.
bool DrawSeparatedBands(PlotSurface& surface, const LiftFrame& f, const Polar& polar) {
  const std::vector<std::pair<double, double>> bands = SeparatedBands(polar);
  if (bands.empty()) return true;
  const RgbaImage shade{1,
                        1,
                        {static_cast<std::uint8_t>(RedOf(kSeparatedBandColour)),
                         static_cast<std::uint8_t>(GreenOf(kSeparatedBandColour)),
                         static_cast<std::uint8_t>(BlueOf(kSeparatedBandColour)), 255}};
  for (const auto& [low, high] : bands) {
    const double left = std::max(low, f.alphaLow), right = std::min(high, f.alphaHigh);
    if (right > left && !surface.Image(left, f.clHigh, right, f.clLow, shade)) return false;
  }
  return true;
}

// Drawn over the curves, so that nothing hides it.
bool DrawSeparatedCaption(PlotSurface& surface, const LiftFrame& f, const Polar& polar,
                          const LiftLabels& labels) {
  if (SeparatedBands(polar).empty()) return true;
  const double x = f.alphaLow + 0.02 * (f.alphaHigh - f.alphaLow);
  const double top = f.clHigh - kCaptionDrop * (f.clHigh - f.clLow);
  const double step = kCaptionStep * (f.clHigh - f.clLow);
  const std::string* lines[] = {&labels.separated, &labels.lostLift, &labels.keptLift};
  for (int i = 0; i < 3; ++i) {
    if (!surface.Text(x, top - i * step, *lines[i], kSeparatedTextColour, TextAnchor::kTopLeft)) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::vector<double> AxisTicks(double low, double high, int mostTicks) {
  std::vector<double> ticks;
  if (!(high > low) || !std::isfinite(high - low) || mostTicks < 1) return ticks;
  const double magnitude = std::pow(10.0, std::floor(std::log10((high - low) / mostTicks)));
  double step = 10.0 * magnitude;
  for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
    if ((high - low) / (factor * magnitude) <= mostTicks) {
      step = factor * magnitude;
      break;
    }
  }
  for (double k = std::ceil(low / step); k * step <= high * (1.0 + 1e-12) + 1e-300; k += 1.0) {
    const double tick = k * step;
    ticks.push_back(tick == 0.0 ? 0.0 : tick);  // no -0
  }
  return ticks;
}

LiftFrame LiftPictureFrame(const LiftCurve& curve) {
  LiftFrame f;
  double aLow = 0.0, aHigh = 0.0, cLow = 0.0, cHigh = 0.0;
  bool any = false;
  for (const LiftCurvePoint& p : curve.points) {
    if (!InFrame(p)) continue;
    aLow = any ? std::min(aLow, p.alpha_deg) : p.alpha_deg;
    aHigh = any ? std::max(aHigh, p.alpha_deg) : p.alpha_deg;
    cLow = std::min({cLow, p.cl, p.cl_thin});
    cHigh = std::max({cHigh, p.cl, p.cl_thin});
    any = true;
  }
  if (!any) {  // no curve: the alpha bar's range
    aLow = kLiftCurveFirstDeg;
    aHigh = kLiftCurveLastDeg;
  }
  if (!(aHigh > aLow)) aHigh = aLow + 1.0;
  if (!(cHigh > cLow)) cHigh = cLow + 1.0;
  // Out to the next tick each way.
  const auto rounded = [](double low, double high, double& outLow, double& outHigh) {
    const std::vector<double> ticks = AxisTicks(low, high, kMostLiftTicks);
    const double step = ticks.size() > 1 ? ticks[1] - ticks[0] : high - low;
    outLow = std::floor(low / step + 1e-9) * step;
    outHigh = std::ceil(high / step - 1e-9) * step;
  };
  rounded(aLow, aHigh, f.alphaLow, f.alphaHigh);
  rounded(cLow, cHigh, f.clLow, f.clHigh);
  const double w = f.alphaHigh - f.alphaLow, h = f.clHigh - f.clLow;
  f.left = f.alphaLow - kLiftMarginLeft * w;
  f.right = f.alphaHigh + kLiftMarginRight * w;
  f.top = f.clHigh + kLiftMarginTop * h;
  f.bottom = f.clLow - kLiftMarginBottom * h;
  return f;
}

LiftLabels LiftLabelsIn(Language language) {
  LiftLabels labels;
  for (std::string* text :
       {&labels.alphaAxis, &labels.clAxis, &labels.exact, &labels.thin, &labels.zeroLift,
        &labels.separated, &labels.lostLift, &labels.keptLift}) {
    *text = Translate(language, "Pictures", *text);
  }
  return labels;
}

bool DrawLiftPicture(PlotSurface& surface, const LiftCurve& curve, const LiftLabels& labels,
                     const Polar* polar) {
  const LiftFrame f = LiftPictureFrame(curve);
  const std::vector<double> alphas = AxisTicks(f.alphaLow, f.alphaHigh, kMostLiftTicks);
  const std::vector<double> cls = AxisTicks(f.clLow, f.clHigh, kMostLiftTicks);
  return surface.Scale(f.left, f.top, f.right, f.bottom) && surface.Cls() &&
         (!polar || DrawSeparatedBands(surface, f, *polar)) && DrawGrid(surface, f, alphas, cls) &&
         DrawCurve(surface, curve.points, true, kThinLiftColour) &&
         DrawCurve(surface, curve.points, false, kExactLiftColour) &&
         DrawMarks(surface, f, curve, labels) && DrawNumbers(surface, f, alphas, cls, labels) &&
         DrawLegend(surface, f, labels) &&
         (!polar || DrawSeparatedCaption(surface, f, *polar, labels));
}

}  // namespace fluvenna
