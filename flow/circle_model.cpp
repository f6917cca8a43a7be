// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/circle_model.h"

#include <cmath>
#include <complex>
#include <utility>

#include "flow/mapping.h"

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
  c.map = MapOf(c, p.nExp);  // the designed map, cJ as the mapping stage re-reads it
  return c;
}

CircleModel ComputeCircleModel(const FlowParameters& p, std::shared_ptr<const ProfileMap> map) {
  CircleModel c;
  c.AlfaRad = p.DegRad * p.Alfa;
  c.CosAlfa = std::cos(c.AlfaRad);
  c.SinAlfa = std::sin(c.AlfaRad);
  const std::complex<double> zc = map->CircleCentre();
  const std::complex<double> te = map->TrailingEdgeCirclePoint() - zc;
  c.A = map->CircleRadius();
  c.Beta = -std::atan2(te.imag(), te.real());
  c.xc = zc.real();
  c.yc = zc.imag();
  c.AlfaBeta = c.AlfaRad + c.Beta;
  c.Circ = ((((4.0 * p.Pi) * c.A) * p.U0) * std::sin(c.AlfaBeta)) * p.iKutta;
  c.Gm = c.Circ / ((2.0 * p.Pi) * p.U0);
  c.map = std::move(map);
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
