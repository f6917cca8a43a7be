// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "flow/boundary_layer.h"
#include "flow/lifting_line.h"
#include "plot/surface.h"
#include "report/catalogue.h"

namespace fluvenna {

// The "Finite wing" picture: four panels on one surface, on the plots'
// light-yellow background.
//  - top left, the planform seen from above (span across, the stream
//    downward, to scale), its quarter-chord line straight; the trailing
//    vortex sheet as lines leaving the trailing edge where the circulation
//    falls by equal steps (crowded near the tips, where the sheet is
//    strong); the stall-onset station on both halves in red;
//  - top right, the loading c c_l / c_mean against 2y/b, the elliptic
//    loading of the same C_L, (4 C_L / pi) sqrt(1 - eta^2), dashed;
//  - bottom left, the induced angle alpha_i in degrees along the span;
//  - bottom right, the wing's drag polar C_L against C_D (induced and strip
//    profile drag) red beside the section's (c_l against c_d) blue, the
//    pass's point of the wing marked.
inline constexpr Colour kWingOutlineColour = RGB(255, 0, 0);
inline constexpr Colour kWingVortexColour = RGB(0, 0, 255);
inline constexpr Colour kWingStallColour = RGB(200, 0, 0);
inline constexpr Colour kWingCurveColour = RGB(255, 0, 0);
inline constexpr Colour kWingEllipticColour = RGB(0, 0, 0);
inline constexpr Colour kWingSectionColour = RGB(0, 0, 255);
inline constexpr Colour kWingTextColour = RGB(64, 64, 64);
// Trailing vortex lines: one where Gamma falls by each 1/(kWingVortexLines + 1)
// of its root value, on each half.
inline constexpr int kWingVortexLines = 9;

// The words the picture shows.
struct FiniteWingLabels {
  std::string planform = QT_TRANSLATE_NOOP("FiniteWing", "Planform and trailing vortex sheet");
  std::string stall = QT_TRANSLATE_NOOP("FiniteWing", "stall begins");
  std::string loading = QT_TRANSLATE_NOOP("FiniteWing", "Loading c·c_l/c_mean");
  std::string elliptic = QT_TRANSLATE_NOOP("FiniteWing", "- - elliptic, same C_L");
  std::string induced = QT_TRANSLATE_NOOP("FiniteWing", "Induced angle α_i (°)");
  std::string span = QT_TRANSLATE_NOOP("FiniteWing", "2y/b");
  std::string polar = QT_TRANSLATE_NOOP("FiniteWing", "Drag polar C_L against C_D");
  std::string wing = QT_TRANSLATE_NOOP("FiniteWing", "wing");
  std::string section = QT_TRANSLATE_NOOP("FiniteWing", "section");
};
FiniteWingLabels FiniteWingLabelsIn(Language language);

// Draws the four panels (Scale to the unit square, y upward; Cls; then each
// panel). With a wing that is not ok() only the background and the titles.
// `section`, when computed, gives the section's polar; false when a surface
// operation fails.
bool DrawFiniteWingPicture(PlotSurface& surface, const FiniteWingAnalysis& wing,
                           const Polar* section, const FiniteWingLabels& labels = {});

}  // namespace fluvenna
