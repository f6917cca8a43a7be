// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/pass.h"

#include <cmath>
#include <utility>

#include "flow/mapping.h"
#include "flow/tracing.h"

namespace fluvenna {

int LastCurve(double kMax) {
  if (!(kMax >= 0.0)) return -1;
  if (kMax >= PointArrays::kMaxCurve) return PointArrays::kMaxCurve;
  return static_cast<int>(std::floor(kMax));
}

PassResult RunCirclePlane(const ParameterTexts& texts, const ProfileTable& table,
                          PointArrays& arrays, std::shared_ptr<const ProfileMap> profile) {
  PassResult result;
  result.params = ReadParameters(texts, table);
  const FlowParameters& p = result.params;
  if (auto refused = RefuseParameters(p)) {
    result.error = *refused;
    return result;
  }
  result.circle = profile ? ComputeCircleModel(p, std::move(profile)) : ComputeCircleModel(p);
  const CircleModel& c = result.circle;
  if (!std::isfinite(c.A) || !std::isfinite(c.cJ) || !(c.A > 0.0)) {
    result.error = "the selected profile row gives no usable circle";
    return result;
  }
  if (!std::isfinite(c.Circ)) {
    result.error = "the value of Kutta factor is too large to compute with";
    return result;
  }

  arrays.NP.fill(0);
  arrays.PSI.fill(0.0);
  result.lastCurve = LastCurve(p.kMax);
  if (p.kMax >= PointArrays::kMaxCurve + 1) {
    result.notes.push_back("nSL is limited to " + std::to_string(PointArrays::kMaxCurve) +
                           ": the curves up to 20 are drawn");
  }
  FillBodyContour(p, c, arrays);
  TraceStreamlines(p, c, arrays, result.notes);
  TurnAndShift(c, result.lastCurve, arrays);
  return result;
}

void RunAirfoilPlane(PassResult& result, PointArrays& arrays) {
  MapToAirfoil(result.circle, result.params.nExp, result.lastCurve, arrays, result.notes);
}

PassResult RunWholePass(const ParameterTexts& texts, const ProfileTable& table, PointArrays& arrays,
                        std::shared_ptr<const ProfileMap> profile) {
  PassResult result = RunCirclePlane(texts, table, arrays, std::move(profile));
  if (result.ok()) RunAirfoilPlane(result, arrays);
  return result;
}

}  // namespace fluvenna
