// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/circle_model.h"

#include <cmath>

namespace fluvenna {

CircleModel ComputeCircleModel(const FlowParameters& p) {
  CircleModel c;
  c.AlfaRad = p.DegRad * p.Alfa;
  c.CosAlfa = std::cos(c.AlfaRad);
  c.SinAlfa = std::sin(c.AlfaRad);

  const double ratio = p.Eps / (1.0 + p.Eps);
  c.cJ = (p.Chord / (2.0 * p.nExp)) * (1.0 - std::pow(ratio, p.nExp));
  c.A = c.cJ * std::pow((1.0 + p.Eps) * (1.0 + p.Eps) + p.Mu * p.Mu, 0.5);
  c.Beta = std::atan(p.Mu / (1.0 + p.Eps));
  c.nC = p.nExp * c.cJ;
  c.xc = (-c.cJ) * p.Eps;
  c.yc = c.cJ * p.Mu;
  c.AlfaBeta = c.AlfaRad + c.Beta;

  c.Circ = ((((4.0 * p.Pi) * c.A) * p.U0) * std::sin(c.AlfaBeta)) * p.iKutta;
  c.Gm = c.Circ / ((2.0 * p.Pi) * p.U0);
  return c;
}

void FillBodyContour(const FlowParameters& p, const CircleModel& c, PointArrays& arrays) {
  arrays.PSI[0] = 0.0;
  arrays.NP[0] = 51;
  const double dTeta = (2.0 * p.Pi) / (arrays.NP[0] - 1);
  for (int j = 1; j <= arrays.NP[0]; ++j) {
    const double theta = (j - 1) * dTeta - c.AlfaBeta;
    arrays.XA(0, j) = c.A * std::cos(theta);
    arrays.YA(0, j) = c.A * std::sin(theta);
  }
}

}  // namespace fluvenna
