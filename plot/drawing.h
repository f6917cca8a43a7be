// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>

#include "flow/pass.h"
#include "flow/point_arrays.h"
#include "plot/surface.h"

namespace fluvenna {

// A coordinate as the surfaces take it: a double beyond the float range
// becomes the largest float of its sign (a plain conversion would be
// undefined there); infinities and NaN stay what they are, and the surface
// refuses them.
float ToSurfaceFloat(double value);

// One curve as a chain of segments: from point j - 1 to point j for
// j = first + 1 .. last, where pointAt(j) gives the pair {x, y} in user
// coordinates, all in one colour; coordinates handed over as floats (see
// ToSurfaceFloat). A chain of fewer than two points draws nothing. Stops at
// the first failed Line and returns false.
template <typename PointAt>
bool DrawChain(PlotSurface& surface, int first, int last, Colour colour, const PointAt& pointAt) {
  for (int j = first + 1; j <= last; ++j) {
    const auto [x1, y1] = pointAt(j - 1);
    const auto [x2, y2] = pointAt(j);
    if (!surface.Line(ToSurfaceFloat(x1), ToSurfaceFloat(y1), ToSurfaceFloat(x2),
                      ToSurfaceFloat(y2), colour)) {
      return false;
    }
  }
  return true;
}

// Where the plots centre their x range. The designed profile's plots are
// centred on the origin (0 for the designed map, or none). A profile of any
// other map lies with its leading edge at the origin and a chord of 1; its
// plots are centred on the x of its circle's centre, about which the
// streamlines are traced, near the middle of the chord.
double PlotCentreX(const ProfileMap* map);

// The grey axes: (c - XMax, 0) to (c + XMax, 0) and (0, -XMax) to (0, XMax), c = centreX.
bool DrawAxes(PlotSurface& surface, double XMax, double centreX);

// Upper plot: Scale(c - Olcek, Olcek 2/3, c + Olcek, Olcek (-2/3)), Cls,
// then the grey axes from (c - XMax, 0) to (c + XMax, 0) and (0, -XMax) to
// (0, XMax), c = centreX (PlotCentreX).
bool PreparePicture1(PlotSurface& surface, double Olcek, double XMax, double centreX = 0.0);

// Lower plot: the same with Cls before Scale.
bool PreparePicture2(PlotSurface& surface, double Olcek, double XMax, double centreX = 0.0);

// Curves 0..lastCurve as chains (DrawChain) from point 1 to NP(k) of XP/YP:
// curve 0 red, the streamlines blue; coordinates handed over as floats.
bool DrawCurves(PlotSurface& surface, const PointArrays& arrays, int lastCurve);

// Called once the circle-plane picture is drawn and before the map replaces
// it, for callers that keep the circle-plane coordinates (XP/YP) too.
using CirclePlaneObserver = std::function<void(const PassResult&, const PointArrays&)>;

// A whole pass: the circle-plane stages, Picture1 prepared and drawn, the
// map, Picture2 prepared and drawn. A failed surface operation ends the pass
// with `error` naming the plot. `profile`, when given, is the map of a
// profile other than the designed one (RunCirclePlane).
PassResult DrawPass(const ParameterTexts& texts, const ProfileTable& table, PointArrays& arrays,
                    PlotSurface& picture1, PlotSurface& picture2,
                    const CirclePlaneObserver& onCirclePlane = {},
                    std::shared_ptr<const ProfileMap> profile = nullptr);

}  // namespace fluvenna
