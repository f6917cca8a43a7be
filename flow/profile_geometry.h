// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "profile_map.h"

namespace fluvenna {

// Thickness, camber and chord of the profile the program draws for the
// circle-centre offsets (Eps, Mu): the circle through (cJ, 0) centred at
// (-Eps cJ, Mu cJ), carried by the map with nExp = 2 and Chord = 1
// (ComputeCircleModel and MapPoint, as in a pass with Alfa = 0).
//
// The trailing edge is the image of (cJ, 0); the leading edge is the contour
// point farthest from it; the chord is the segment between them. At each
// station along the chord the thickness is the distance between upper and
// lower surface measured perpendicular to the chord, and the mean line lies
// midway; camber is the largest distance of the mean line from the chord.
// The upper surface is the image of the arc that runs counter-clockwise from
// the trailing-edge point to the leading-edge point, the lower one the rest.
struct ProfileMeasure {
  double chord = 0.0;
  double thickness = 0.0;    // maximum thickness / chord
  double camber = 0.0;       // maximum camber / chord
  double thicknessAt = 0.0;  // station of the maximum thickness, fraction of the chord from the LE
  double camberAt = 0.0;     // station of the maximum camber, fraction of the chord from the LE
  double leadingX = 0.0;     // leading edge in the airfoil plane
  double leadingY = 0.0;
  double trailingX = 0.0;  // trailing edge in the airfoil plane
  double trailingY = 0.0;
  // Polar angle about the circle centre, in the profile frame (chord along
  // x), of the circle point the map carries to the leading edge; it lies
  // between the trailing-edge point's angle -Beta and -Beta + 2 Pi.
  double leadingAngle = 0.0;
  // Each surface meets every station perpendicular to the chord once, so
  // thickness and mean line are defined as above. False means the contour
  // folds back along the chord and the ratios are not meaningful.
  bool singleValued = true;
};

struct ProfileMeasureOptions {
  // Contour points on the circle, equally spaced in the polar angle about
  // its centre (the drawn body has only 51). The samples locate the leading
  // edge and the stations of largest thickness and camber; each is then
  // refined on the exact contour, so the ratios are accurate to about 1e-14
  // as long as the samples resolve the leading-edge region (64 already do
  // over the table's range; fewer are raised to 64).
  int samples = 2000;
};

// Measures the profile as defined above. Method:
//  1. The leading edge maximises D(theta) = |P(theta) - TE|^2 over the
//     contour P(theta) = map(centre + A e^(i theta)); it is the root of
//     D'(theta) = 2 (P - TE) . P'(theta), with P' = (1 - cJ^2 / z^2) i A e^(i theta)
//     the derivative of the map zeta = z + cJ^2 / z, bracketed by the
//     largest sample and solved to rounding.
//  2. In the chord frame (s along the chord from the leading edge, h across
//     it, both / chord) each surface is a function h(s); the thickness is
//     h_upper(s) - h_lower(s) and the mean line (h_upper(s) + h_lower(s)) / 2.
//  3. Their extremes are found on the samples (lower surface interpolated
//     linearly), then refined by Brent's search for a maximum over the upper
//     surface's angle, the lower surface's point at the same station being
//     solved from s(theta) = s by a bracketed root finder.
// Requires Eps > -1. Eps = Mu = 0 is the flat plate: chord 1, thickness and
// camber 0.
ProfileMeasure MeasureProfile(double Eps, double Mu, const ProfileMeasureOptions& options = {});

// The same for any profile given by its map: the contour is the image of the
// map's circle, the trailing edge the image of its trailing-edge point, and
// the tangent is dzeta/dz times dz/dtheta. leadingAngle is measured about the
// map's circle centre.
ProfileMeasure MeasureProfile(const ProfileMap& map, const ProfileMeasureOptions& options = {});

// Lift coefficient of the drawn flow from the Kutta-Joukowski lift
// L = rho U0 Circ: C_L = L / (rho U0^2 chord / 2) = 2 Circ / (U0 chord).
double LiftCoefficient(double Circ, double U0, double chord);

}  // namespace fluvenna
