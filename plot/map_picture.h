// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <utility>

#include "flow/conformal_map.h"
#include "plot/surface.h"
#include "report/catalogue.h"

namespace fluvenna {

// The conformal-map picture: the plane of zeta_t = z + t cJ^2 / z drawn as
// the plots draw theirs, with the polar grid carried along.
inline constexpr Colour kMapGridColour = RGB(205, 205, 205);
inline constexpr Colour kCriticalPointColour = RGB(0, 0, 0);
inline constexpr Colour kMapPointerColour = RGB(0, 130, 0);
inline constexpr Colour kMapTitleColour = RGB(64, 64, 64);
// Play runs the morph from t = 0 to t = 1 in this many seconds; a slider for
// t has this many steps.
inline constexpr double kMorphSeconds = 3.0;
inline constexpr int kMorphSteps = 1000;
// Half the size of a critical point's cross and the pointer's ring, in device pixels.
inline constexpr double kCriticalMarkPixels = 4.0;
inline constexpr double kPointerMarkPixels = 5.0;

// The words the picture shows; the window passes them translated. %1 is t.
struct MapLabels {
  std::string circle = QT_TRANSLATE_NOOP("Pictures", "circle plane z (t = 0)");
  std::string airfoil = QT_TRANSLATE_NOOP("Pictures", "airfoil plane ζ (t = 1)");
  std::string morph = QT_TRANSLATE_NOOP("Pictures", "ζ = z + t·c_J²/z, t = %1");
};

// The words in `language`.
MapLabels MapLabelsIn(Language language);

// The user point at device pixel (px, py) of a picture of width x height
// pixels showing the plots' rectangle (c - Olcek..c + Olcek by 2/3
// Olcek..-2/3 Olcek, c = centreX): the inverse of the surfaces' mapping.
// Nothing outside it.
std::optional<std::pair<double, double>> MapUserPoint(double Olcek, double width, double height,
                                                      double px, double py, double centreX = 0.0);

// The picture of zeta_t on a surface of width x height device pixels, drawn
// as the plots are: Scale to the plots' rectangle (centred as the pass's
// plots, PlotCentreX of the morph's map), Cls and the grey axes as
// PreparePicture1 does them; then the grid (kMapGridColour); the body red
// and the streamlines blue, each as DrawChain draws the plots' curves (at t = 0
// the very segments of the circle plot, at t = 1 those of the airfoil plot);
// the images of the critical points z = +-cJ as small black crosses; the
// linked pointer's point, when given (a circle-plane point), as a green ring
// at its image; and the title (the plane's name at t = 0 and t = 1, the map
// with t between). Returns false when a surface operation fails.
bool DrawMapPicture(PlotSurface& surface, const ConformalMorph& morph, double Olcek, double XMax,
                    double t, int width, int height, const MapLabels& labels = {},
                    const std::optional<std::pair<double, double>>& pointer = std::nullopt);

// The linked pointer's ring alone, over a picture of zeta_t already on the
// surface (DrawMapPicture with the same Olcek, t and size): Scale to the plots'
// rectangle without clearing, then the ring at the image of the circle-plane
// point `pointer`. Returns false when a surface operation fails.
bool DrawMapPointer(PlotSurface& surface, const ConformalMorph& morph, double Olcek, double t,
                    int width, int height, std::pair<double, double> pointer);

}  // namespace fluvenna
