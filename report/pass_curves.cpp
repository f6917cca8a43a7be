// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/pass_curves.h"

#include <algorithm>

namespace fluvenna {
namespace {

using Coordinate = double (PointArrays::*)(int, int) const;

std::vector<PlaneCurve> Copy(const PointArrays& arrays, int lastCurve, Coordinate x, Coordinate y) {
  std::vector<PlaneCurve> curves;
  curves.reserve(
      static_cast<std::size_t>(std::max(0, std::min(lastCurve, PointArrays::kMaxCurve) + 1)));
  for (int k = 0; k <= lastCurve && k <= PointArrays::kMaxCurve; ++k) {
    PlaneCurve curve;
    curve.k = k;
    curve.PSI = arrays.PSI[k];
    curve.x.reserve(static_cast<std::size_t>(std::max(0, arrays.NP[k])));
    curve.y.reserve(curve.x.capacity());
    for (int j = 1; j <= arrays.NP[k]; ++j) {
      curve.x.push_back((arrays.*x)(k, j));
      curve.y.push_back((arrays.*y)(k, j));
    }
    curves.push_back(std::move(curve));
  }
  return curves;
}

}  // namespace

void PassCurves::TakeCirclePlane(const PointArrays& arrays, int lastCurve) {
  flow_ = Copy(arrays, lastCurve, &PointArrays::XA, &PointArrays::YA);
  circle_ = Copy(arrays, lastCurve, &PointArrays::XP, &PointArrays::YP);
}

void PassCurves::TakeAirfoilPlane(const PointArrays& arrays, int lastCurve) {
  airfoil_ = Copy(arrays, lastCurve, &PointArrays::XP, &PointArrays::YP);
}

}  // namespace fluvenna
