// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "flow/point_arrays.h"

namespace fluvenna {

// One curve of a pass in one plane: curve number k, the stream-function value
// it follows, and its points 1..NP(k) (stored from index 0).
struct PlaneCurve {
  int k = 0;
  double PSI = 0.0;
  std::vector<double> x;
  std::vector<double> y;

  int NP() const { return static_cast<int>(x.size()); }
};

// The curves of a pass in its three planes. The pass turns and maps the
// arrays in place, so each plane has to be copied while the arrays hold it.
class PassCurves {
 public:
  // While the arrays hold the circle plane (before the map): the flow frame
  // from XA/YA and the circle after the turn and shift from XP/YP.
  void TakeCirclePlane(const PointArrays& arrays, int lastCurve);

  // After the map: the airfoil plane from XP/YP.
  void TakeAirfoilPlane(const PointArrays& arrays, int lastCurve);

  const std::vector<PlaneCurve>& flow() const { return flow_; }
  const std::vector<PlaneCurve>& circle() const { return circle_; }
  const std::vector<PlaneCurve>& airfoil() const { return airfoil_; }

 private:
  std::vector<PlaneCurve> flow_, circle_, airfoil_;
};

}  // namespace fluvenna
