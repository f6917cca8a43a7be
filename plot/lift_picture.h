// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "flow/boundary_layer.h"
#include "flow/lift_curve.h"
#include "plot/surface.h"
#include "report/catalogue.h"

namespace fluvenna {

// The "Lift curve" picture: C_L upward against the angle of attack in
// degrees, the exact curve red and thin-airfoil theory blue, on the plots'
// light-yellow background.
inline constexpr Colour kExactLiftColour = RGB(255, 0, 0);
inline constexpr Colour kThinLiftColour = RGB(0, 0, 255);
inline constexpr Colour kLiftLabelColour = RGB(64, 64, 64);
inline constexpr Colour kPassMarkColour = RGB(0, 0, 0);

// The user coordinate system of the picture, as Scale takes it, and the box
// the curves are drawn in (the rest holds the numbers and titles).
struct LiftFrame {
  double left = 0.0, top = 0.0, right = 0.0, bottom = 0.0;
  double alphaLow = 0.0, alphaHigh = 0.0, clLow = 0.0, clHigh = 0.0;
};

// Shares of the box's width and height added outside it: left for the C_L
// numbers, below for the alpha numbers and title, above and right as a rim.
inline constexpr double kLiftMarginLeft = 0.12, kLiftMarginRight = 0.03;
inline constexpr double kLiftMarginTop = 0.05, kLiftMarginBottom = 0.13;

// The box spans the curve's angles (only those within
// +-kLiftCurveExtendLimitDeg, so that a lone far point does not squeeze the
// rest) and every C_L of both curves there, C_L = 0 always included, each
// way rounded out to the next tick; without points, the alpha bar's range
// and C_L from 0 to 1.
LiftFrame LiftPictureFrame(const LiftCurve& curve);

// The pass's mark reaches kPassMarkShare of the box's width to either side
// of the pass's point and 1.5 times that share of its height above and below;
// the zero-lift tick reaches kZeroLiftTickShare of the box's height above
// and below C_L = 0.
inline constexpr double kPassMarkShare = 0.012;
inline constexpr double kZeroLiftTickShare = 0.04;

// The ticks of an axis from low to high: every multiple of the first step
// of 1, 2 or 5 times a power of ten that gives at most `mostTicks` of them.
std::vector<double> AxisTicks(double low, double high, int mostTicks);
inline constexpr int kMostLiftTicks = 10;

// The words the picture shows; the window passes them translated.
struct LiftLabels {
  std::string alphaAxis = QT_TRANSLATE_NOOP("Pictures", "α (°)");
  std::string clAxis = QT_TRANSLATE_NOOP("Pictures", "C_L");
  std::string exact = QT_TRANSLATE_NOOP("Pictures", "exact (Joukowski)");
  std::string thin = QT_TRANSLATE_NOOP("Pictures", "thin-airfoil theory");
  std::string zeroLift = QT_TRANSLATE_NOOP("Pictures", "α_L0");
  // The caption of the shaded angles, in three lines.
  std::string separated =
      QT_TRANSLATE_NOOP("Pictures", "▇ upper surface separated ahead of 0.9 c:");
  std::string lostLift = QT_TRANSLATE_NOOP("Pictures", "real airfoils lose lift here,");
  std::string keptLift = QT_TRANSLATE_NOOP("Pictures", "potential flow does not");
};

// The texts in `language`.
LiftLabels LiftLabelsIn(Language language);

// The picture: Scale to LiftPictureFrame, Cls, the box's grid lines at the
// ticks and its C_L = 0 and alpha = 0 axes in kAxisColour, the thin-airfoil
// line and then the exact curve (DrawChain, point (alpha_deg, C_L)), the
// pass's point as a small black square, the exact zero-lift angle as a red
// vertical tick across the C_L = 0 axis with its label on top, the numbers of the ticks, the axis
// titles and the legend; a curve without points leaves the box empty.
// With a computed `polar` of the same curve, the angles where the upper
// surface separates ahead of kSeparationDragLimitXc (SeparatedBands, held
// to the box) are shaded first in kSeparatedBandColour, under the grid and
// the curves, and the three lines of the caption stand at the top left of the
// box, under the C_L title, in kSeparatedTextColour. Returns false when a surface operation fails.
inline constexpr Colour kSeparatedBandColour = RGB(215, 215, 240);
inline constexpr Colour kSeparatedTextColour = RGB(90, 90, 160);
bool DrawLiftPicture(PlotSurface& surface, const LiftCurve& curve, const LiftLabels& labels = {},
                     const Polar* polar = nullptr);

}  // namespace fluvenna
