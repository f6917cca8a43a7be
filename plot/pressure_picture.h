// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "flow/boundary_layer.h"
#include "flow/surface_pressure.h"
#include "plot/surface.h"
#include "report/catalogue.h"

namespace fluvenna {

// The "Surface pressure" picture: -Cp upward (as aerodynamics texts draw it)
// against x/c, the upper surface red and the lower one blue, on the plots'
// light-yellow background with their grey axis colour.
inline constexpr Colour kUpperSurfaceColour = RGB(255, 0, 0);
inline constexpr Colour kLowerSurfaceColour = RGB(0, 0, 255);

// The user coordinate system of the picture, as Scale takes it.
struct PressureFrame {
  double left = 0.0, top = 0.0, right = 0.0, bottom = 0.0;
};

// Left of the leading edge and right of the trailing edge: a twentieth of
// the chord each, so that both ends of the curves stay clear of the border.
inline constexpr double kPressureFrameXMargin = 0.05;
// Above and below the curves: this share of the -Cp range.
inline constexpr double kPressureFrameYMargin = 0.05;
// The top of the frame is at least -Cp = 1 (so that the stagnation point's
// Cp = 1 has its mirror height) and at most kPeakHeadroom times the highest
// -Cp between x/c = kMidChordFrom and kMidChordTo: a suction peak at a sharp
// edge (the nose of a thin profile at a large angle, or the trailing edge
// with a Kutta factor other than 1, where -Cp is unbounded) then runs off
// the top while the rest of the curves keep a readable height; a rounded
// nose's peak stays inside.
inline constexpr double kPeakHeadroom = 4.0;
inline constexpr double kMidChordFrom = 0.1;
inline constexpr double kMidChordTo = 0.9;

// x from -0.05 to 1.05; y from the lowest -Cp to
// max(1, min(highest -Cp, kPeakHeadroom * highest mid-chord -Cp)), each end
// moved out by kPressureFrameYMargin of the range. Points with a Cp that is
// not finite are not looked at.
PressureFrame PressurePictureFrame(const SurfacePressure& pressure);

// The texts of the picture that a reader reads as words or symbols. The
// defaults are the English texts; a program in another language passes its
// own (the window passes its translations). The numbers of the ticks are not
// here: they are the same in every language.
struct PressureLabels {
  std::string xAxis = QT_TRANSLATE_NOOP("Pictures", "x/c");
  std::string cpAxis = QT_TRANSLATE_NOOP("Pictures", "−Cp");  // with the minus sign U+2212
  std::string upperSurface = QT_TRANSLATE_NOOP("Pictures", "upper surface");
  std::string lowerSurface = QT_TRANSLATE_NOOP("Pictures", "lower surface");
  // The boundary layer's marks: transition and separation, and their key.
  std::string transition = QT_TRANSLATE_NOOP("Pictures", "T");
  std::string separation = QT_TRANSLATE_NOOP("Pictures", "S");
  std::string marksKey = QT_TRANSLATE_NOOP("Pictures", "T transition, S separation");
};

// The texts in `language`.
PressureLabels PressureLabelsIn(Language language);

// The legend's line sample, drawn as text in the curve's colour before its
// word: three light horizontal box-drawing strokes (U+2500), which join
// into one line.
inline constexpr const char* kLegendSample = "\xE2\x94\x80\xE2\x94\x80\xE2\x94\x80 ";

// The picture: Scale to PressurePictureFrame, Cls, the axes in kAxisColour
// (the zero line -Cp = 0 across the width, which is the x/c axis, with a tick
// at every tenth of the chord; the -Cp axis at x/c = 0 over the frame's
// height, with a tick at every whole step of 1, 2 or 5, whichever gives at
// most kMostCpTicks ticks), then the upper surface's points as one chain and
// the lower surface's as another (DrawChain, point (x/c, -Cp)), then the
// texts in kLabelColour: the number of every other x/c tick (0, 0.2, ..., 1)
// hanging from the tick's lower end or, where fewer points of the curves lie
// in its way above the zero line, standing on its upper end, the number of every -Cp tick standing
// on the tick's end at the axis, left of it (none within kTopLabelClearance of the frame's height
// from the top, where it would be cut off), the axis titles (x/c in the bottom-right corner, -Cp at
// the top right of the -Cp axis) and the legend in the top-right part, each entry (kLegendSample
// and the surface's name) in its curve's colour. With a computed boundary `layer` of the same
// flow, the transition and separation of each surface are marked on its curve at
// (x/c, u_e^2 - 1), which is -Cp there (DrawLayerMarks), and the marks' key stands under the
// legend. Returns false when a surface operation fails.
inline constexpr int kMostCpTicks = 12;
inline constexpr Colour kLabelColour = RGB(64, 64, 64);
inline constexpr double kTopLabelClearance = 0.06;
bool DrawPressurePicture(PlotSurface& surface, const SurfacePressure& pressure,
                         const PressureLabels& labels = {}, const BoundaryLayer* layer = nullptr);

}  // namespace fluvenna
