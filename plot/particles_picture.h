// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "flow/time_of_flight.h"
#include "plot/field_picture.h"
#include "plot/surface.h"

namespace fluvenna {

// The flow in motion over the flow-field picture: the particles as small dots
// and the timelines (the particles of one release, joined across neighbouring
// streamlines) as thin lines.
inline constexpr Colour kParticleColour = RGB(0, 0, 0);
inline constexpr Colour kTimelineColour = RGB(0, 120, 0);

// One time unit, chord / U0 (the chord is 1 and U0 = 1), takes this many
// seconds of the animation, whatever the frame rate: the particles move at
// their true speed, slowed down to be followed by eye.
inline constexpr double kSecondsPerTimeUnit = 2.0;
// The release interval the views open with, in time units.
inline constexpr double kReleaseInterval = 0.25;
// The release intervals a view offers, in time units, and its step.
inline constexpr double kShortestReleaseInterval = 0.05;
inline constexpr double kLongestReleaseInterval = 2.0;
inline constexpr double kReleaseIntervalStep = 0.05;
// Half the size of a particle's dot, in device pixels.
inline constexpr double kParticleHalfSize = 1.5;

// Draws `frame` over a flow-field picture of width x height device pixels
// already on the surface (DrawFieldPicture with the same Olcek and centre):
// Scale to FieldPictureFrame(Olcek, centreX) without clearing, the timelines when asked for,
// then a dot (two short crossing lines) at every particle's airfoil-plane
// place. Returns false when a surface operation fails.
bool DrawParticles(PlotSurface& surface, double Olcek, const ParticleFrame& frame, bool timelines,
                   int width, int height, double centreX = 0.0);

}  // namespace fluvenna
