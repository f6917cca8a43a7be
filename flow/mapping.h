// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "circle_model.h"
#include "point_arrays.h"

namespace fluvenna {

// One point of the first stage: the flow-frame point (x, y) turned
// counter-clockwise by the angle of attack and shifted by the circle centre.
std::pair<double, double> TurnAndShiftPoint(const CircleModel& c, double x, double y);

// First stage: turns every point of curves 0..lastCurve counter-clockwise by
// the angle of attack and shifts it by the circle centre:
//   XP = (xc + XA CosAlfa) - YA SinAlfa,  YP = (yc + YA CosAlfa) + XA SinAlfa.
void TurnAndShift(const CircleModel& c, int lastCurve, PointArrays& arrays);

// The Karman-Trefftz map of one point z = (x, y):
//   zeta = nC (1 + W) / (1 - W),  W = ((z - cJ) / (z + cJ))^nExp,
// evaluated in the real arithmetic of the window (Rho, CosFi, SinFi, Vp, Vm,
// Q, Fi, Den). With nExp = 2 and nC = 2 cJ it is zeta = z + cJ^2 / z.
// z = -cJ maps to its limit (-nC, 0). Returns std::nullopt where the map has
// no finite value (z = 0, or a result that is not finite).
std::optional<std::pair<double, double>> MapPoint(double x, double y, double cJ, double nC,
                                                  int nExp);

// Second stage: every point of curves 0..lastCurve is replaced in place by
// its image under the pass's map (c.map). For the designed map cJ is the
// turned trailing-edge point XP(0, 1) and nC is kept from the circle model;
// a circle model without a map is mapped so, cJ re-read from XP(0, 1). Points without a finite
// image are left out of their curve (a note says so); a curve left with fewer than 2 points is left
// out entirely.
void MapToAirfoil(const CircleModel& c, int nExp, int lastCurve, PointArrays& arrays,
                  std::vector<std::string>& notes);

}  // namespace fluvenna
