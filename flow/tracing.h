// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "circle_model.h"
#include "parameters.h"
#include "point_arrays.h"

namespace fluvenna {

// Traces the streamlines of the circle flow
//   psi(r, theta) = U0 (r - A^2 / r) sin(theta) + Gm ln(r / A)
// into XA/YA, PSI and NP:
// - curves 1 and 2, the dividing streamline psi = 0, from the rear
//   stagnation point sin(theta) = -Circ / (4 Pi A U0) outwards in radius
//   steps of dR, sin(theta) = -Gm ln(R / A) / (R - A^2 / R), until x >= XMax;
//   curve 2 is its mirror in the y axis;
// - curves 3..kMax in pairs, +m dPsi above (apex at theta = +90 deg) and
//   -m dPsi below (apex at -90 deg): one-degree angle steps solved by ROOT1
//   while the radius changes by at most dR per step, then radius steps
//     sin(theta) = (PSI - Gm ln(R / A)) / U0 / (R - A^2 / R),
//   until x >= XMax; the traced half is mirrored into a curve of 2n - 1
//   points running from left to right.
//
// Requires parameters accepted by RefuseParameters. Guards: curves above 20
// are not traced; a half-streamline stops at 2500 points (curve 1 at 5000);
// a value that becomes undefined ends the curve at its last finite point;
// a failed apex search falls back to bisection on the ray; a curve with
// fewer than 2 points is left out (NP = 0). Each such event adds a note.
void TraceStreamlines(const FlowParameters& p, const CircleModel& c, PointArrays& arrays,
                      std::vector<std::string>& notes);

// The apex of the streamline psi = PSI on the ray theta = +-90 deg
// (SinTeta = +-1): brackets a sign change of psi(r) - PSI around A by
// doubling and halving r, then bisects. Returns false when the ray has no
// such root.
bool ApexByBisection(double A, double PSI, double Gm, double U0, double SinTeta, double& R);

}  // namespace fluvenna
