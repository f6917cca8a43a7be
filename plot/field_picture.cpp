// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/field_picture.h"

#include <algorithm>
#include <cmath>

#include "plot/boundary_layer_picture.h"
#include "plot/drawing.h"
#include "report/number_text.h"

namespace fluvenna {
namespace {

constexpr double kPlotAspect = 1.5;  // the plots' width over height

// The colour bar inside its strip, as fractions of the strip's width and of
// the picture's height.
constexpr double kBarLeft = 0.12, kBarRight = 0.34;
constexpr double kBarTop = 0.12, kBarBottom = 0.06;
constexpr int kBarPixels = 256;  // steps of the bar's gradient
constexpr int kBarTickPixels = 4;

struct ColourRange {
  FieldQuantity quantity;
  double low, high;
};

ColourRange RangeOf(FieldColouring colouring) {
  if (colouring == FieldColouring::kSpeed) {
    return {FieldQuantity::kSpeed, kSpeedColourLow, kSpeedColourHigh};
  }
  return {FieldQuantity::kCp, kCpColourLow, kCpColourHigh};
}

bool DrawColourBar(PlotSurface& surface, const FieldFrame& frame, FieldColouring colouring,
                   int width, const FieldLabels& labels) {
  const ColourRange range = RangeOf(colouring);
  const double strip = frame.right - frame.flowRight;
  const double height = frame.top - frame.bottom;
  const double x1 = frame.flowRight + kBarLeft * strip;
  const double x2 = frame.flowRight + kBarRight * strip;
  const double top = frame.top - kBarTop * height;
  const double bottom = frame.bottom + kBarBottom * height;

  RgbaImage bar{1, kBarPixels, std::vector<std::uint8_t>(4 * kBarPixels)};
  for (int j = 0; j < kBarPixels; ++j) {
    const double value = range.high - (range.high - range.low) * (j + 0.5) / kBarPixels;
    const Colour colour = FieldColour(range.quantity, value);
    bar.pixels[4 * j] = static_cast<std::uint8_t>(RedOf(colour));
    bar.pixels[4 * j + 1] = static_cast<std::uint8_t>(GreenOf(colour));
    bar.pixels[4 * j + 2] = static_cast<std::uint8_t>(BlueOf(colour));
    bar.pixels[4 * j + 3] = 255;
  }
  if (!surface.Image(x1, top, x2, bottom, bar)) return false;

  const double tick = kBarTickPixels * (frame.right - frame.left) / std::max(width, 1);
  const auto f = [](double v) { return ToSurfaceFloat(v); };
  for (int i = 0; i <= kColourBarSteps; ++i) {
    const double value = range.low + (range.high - range.low) * i / kColourBarSteps;
    const double y = bottom + (top - bottom) * i / kColourBarSteps;
    if (!surface.Line(f(x2), f(y), f(x2 + tick), f(y), kAxisColour) ||
        !surface.Text(x2 + 1.5 * tick, y, NumberText(value), kAxisColour, TextAnchor::kLeft)) {
      return false;
    }
  }
  const std::string& title =
      colouring == FieldColouring::kSpeed ? labels.speedTitle : labels.cpTitle;
  return surface.Text(0.5 * (x1 + x2), top + 0.25 * kBarTop * height, title, RGB(0, 0, 0),
                      TextAnchor::kBottom);
}

bool DrawCurvesOf(PlotSurface& surface, const std::vector<PlaneCurve>& curves) {
  for (const PlaneCurve& curve : curves) {
    const Colour colour = curve.k == 0 ? kBodyColour : kStreamlineColour;
    const auto point = [&](int j) { return std::pair{curve.x[j], curve.y[j]}; };
    if (!DrawChain(surface, 0, curve.NP() - 1, colour, point)) return false;
  }
  return true;
}

}  // namespace

FieldFrame FieldPictureFrame(double Olcek, double centreX) {
  return {centreX - Olcek, Olcek * (2.0 / 3.0), centreX + Olcek * (1.0 + kColourBarStrip),
          Olcek * (-2.0 / 3.0), centreX + Olcek};
}

PixelGrid FieldPixelGrid(const FieldFrame& frame, int width, int height) {
  const double share = (frame.flowRight - frame.left) / (frame.right - frame.left);
  return {frame.left,
          frame.top,
          frame.flowRight,
          frame.bottom,
          std::max(1, static_cast<int>(std::lround(width * share))),
          std::max(1, height)};
}

double FieldPictureAspect() {
  return kPlotAspect * (2.0 + kColourBarStrip) / 2.0;
}

std::optional<std::pair<double, double>> FieldUserPoint(const FieldFrame& frame, double width,
                                                        double height, double px, double py) {
  if (!(width > 0.0) || !(height > 0.0)) return std::nullopt;
  const double x = frame.left + (frame.right - frame.left) * px / width;
  const double y = frame.top + (frame.bottom - frame.top) * py / height;
  if (!(x >= frame.left && x <= frame.flowRight && y <= frame.top && y >= frame.bottom)) {
    return std::nullopt;
  }
  return std::pair{x, y};
}

FieldLabels FieldLabelsIn(Language language) {
  FieldLabels labels;
  for (std::string* text : {&labels.cpTitle, &labels.speedTitle, &labels.displacement,
                            &labels.transition, &labels.separation}) {
    *text = Translate(language, "Pictures", *text);
  }
  labels.endsAtSeparation = Translate(language, "DisplacementThickness", labels.endsAtSeparation);
  return labels;
}

bool DrawFieldPicture(PlotSurface& surface, const FieldScene& scene, FieldColouring colouring,
                      int width, int height, FieldBuffers& buffers, const FieldLabels& labels,
                      double density) {
  const FieldFrame frame = FieldPictureFrame(scene.Olcek, scene.centreX);
  if (!surface.Scale(frame.left, frame.top, frame.right, frame.bottom) || !surface.Cls()) {
    return false;
  }
  if (colouring != FieldColouring::kNone && scene.model) {
    const PixelGrid grid = FieldPixelGrid(frame, static_cast<int>(std::lround(width * density)),
                                          static_cast<int>(std::lround(height * density)));
    const FieldQuantity quantity = RangeOf(colouring).quantity;
    SampleField(*scene.model, FieldPlane::kAirfoil, quantity, grid, buffers.values);
    ColourField(buffers.values, grid.width, grid.height, quantity, buffers.image);
    if (!surface.Image(frame.left, frame.top, frame.flowRight, frame.bottom, buffers.image)) {
      return false;
    }
  }
  if (!DrawAxes(surface, scene.XMax, scene.centreX)) return false;
  if (scene.curves && !DrawCurvesOf(surface, *scene.curves)) return false;
  if (scene.layer) {
    const double height = frame.top - frame.bottom;
    const double inset = 0.02 * height;
    const DisplacementLabels words{labels.displacement,
                                   {labels.transition, labels.separation, std::string()},
                                   labels.endsAtSeparation};
    if (!DrawDisplacementThickness(surface, *scene.layer, kFieldMarkShare * height,
                                   frame.left + inset, frame.top - inset, words)) {
      return false;
    }
  }
  // The strip is cleared of what ran into it, so that only the bar stands there.
  const RgbaImage background{1,
                             1,
                             {static_cast<std::uint8_t>(RedOf(kBackgroundColour)),
                              static_cast<std::uint8_t>(GreenOf(kBackgroundColour)),
                              static_cast<std::uint8_t>(BlueOf(kBackgroundColour)), 255}};
  if (!surface.Image(frame.flowRight, frame.top, frame.right, frame.bottom, background)) {
    return false;
  }
  if (colouring == FieldColouring::kNone) return true;
  return DrawColourBar(surface, frame, colouring, width, labels);
}

}  // namespace fluvenna
