// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "flow/surface_pressure.h"
#include "plot/surface.h"

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

// The picture: Scale to PressurePictureFrame, Cls, the axes in kAxisColour
// (the zero line -Cp = 0 across the width, which is the x/c axis, with a tick
// at every tenth of the chord; the -Cp axis at x/c = 0 over the frame's
// height, with a tick at every whole step of 1, 2 or 5, whichever gives at
// most kMostCpTicks ticks), then the upper surface's points as one chain and
// the lower surface's as another (DrawChain, point (x/c, -Cp)). Returns false
// when a surface operation fails.
inline constexpr int kMostCpTicks = 12;
bool DrawPressurePicture(PlotSurface& surface, const SurfacePressure& pressure);

}  // namespace fluvenna
