// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "parameters.h"
#include "point_arrays.h"
#include "profile_map.h"

#include <memory>

namespace fluvenna {

// The flow model in the circle plane: a circle of radius A in a uniform
// stream of speed U0 with circulation Circ. In the flow frame the circle is
// centred at the origin and the stream runs along +x; turned by the angle of
// attack and shifted by (xc, yc) it passes through (cJ, 0), which the profile
// map carries to the trailing edge (nC, 0).
struct CircleModel {
  double AlfaRad = 0.0;
  double CosAlfa = 0.0;
  double SinAlfa = 0.0;
  double cJ = 0.0;    // map constant
  double A = 0.0;     // circle radius
  double Beta = 0.0;  // angle of the trailing-edge point below the x axis
  double nC = 0.0;    // nExp * cJ, abscissa of the trailing edge
  double xc = 0.0;    // circle centre in the profile frame
  double yc = 0.0;
  double AlfaBeta = 0.0;  // AlfaRad + Beta
  double Circ = 0.0;      // circulation
  double Gm = 0.0;        // Circ / (2 Pi U0)
  // The map of the profile: the designed Joukowski map (cJ, nC above), or
  // the map of a NACA section or a coordinate file, whose circle this is
  // (cJ and nC then mean nothing). Every capability asks this map (MapOf).
  std::shared_ptr<const ProfileMap> map;
};

// Computes the circle, the angle of attack and the circulation:
//   cJ = (Chord / (2 nExp)) (1 - (Eps / (1 + Eps))^nExp)
//   A = cJ ((1 + Eps)^2 + Mu^2)^0.5,  Beta = arctan(Mu / (1 + Eps))
//   Circ = 4 Pi A U0 sin(AlfaRad + Beta) iKutta,  Gm = Circ / (2 Pi U0)
// Requires Eps != -1 (the table loader refuses such rows).
// The pass's map is the designed map of this circle (JoukowskiProfileMap,
// cJ re-read from the turned trailing-edge point).
CircleModel ComputeCircleModel(const FlowParameters& p);

// The circle model of a profile given by its map: the circle of the map
// (A = its radius, (xc, yc) = its centre), Beta the angle of the
// trailing-edge point zTE below the centre (zTE = zc + A e^(-i Beta)), the
// angle of attack and the circulation as above (Circ = 4 Pi A U0
// sin(AlfaRad + Beta) iKutta puts the rear stagnation point on zTE). Eps, Mu
// are not used; cJ and nC are set to 0.
CircleModel ComputeCircleModel(const FlowParameters& p, std::shared_ptr<const ProfileMap> map);

// Curve 0, the circle contour: PSI(0) = 0, NP(0) = 51, point j at the polar
// angle (j - 1) 2 Pi / 50 - AlfaBeta, counter-clockwise from the
// trailing-edge point; point 51 closes the contour.
void FillBodyContour(const FlowParameters& p, const CircleModel& c, PointArrays& arrays);

}  // namespace fluvenna
