// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the boundary layer: one pass's layer must stay under 0.2 ms and
// the drag polar over the lift curve's angles under 10 ms, so that the
// lift-curve window can follow every pass.
#include <benchmark/benchmark.h>

#include <memory>

#include "flow/boundary_layer.h"
#include "flow/lift_curve.h"
#include "flow/pass.h"
#include "flow/profile_geometry.h"
#include "one_row_table.h"

namespace {

using namespace fluvenna;

PassResult CamberedPass(const char* alpha) {
  ParameterTexts texts;
  texts.DELTA = "0.1";
  texts.GAMA = "0.05";
  texts.Alfa = alpha;
  auto arrays = std::make_unique<PointArrays>();
  return RunWholePass(texts, OneRowTable(), *arrays);
}

// Both surfaces of one pass at 4 degrees, laminar, bubble and turbulent.
void BM_BoundaryLayer(benchmark::State& state) {
  const PassResult pass = CamberedPass("4");
  const ProfileMeasure profile = MeasureProfile(pass.params.Eps, pass.params.Mu);
  for (auto _ : state) {
    benchmark::DoNotOptimize(ComputeBoundaryLayer(pass.params, pass.circle, profile));
  }
}
BENCHMARK(BM_BoundaryLayer)->Unit(benchmark::kMicrosecond);

// The polar over the lift curve's 41 angles.
void BM_Polar(benchmark::State& state) {
  const PassResult pass = CamberedPass("0");
  const ProfileMeasure profile = MeasureProfile(pass.params.Eps, pass.params.Mu);
  const LiftCurve lift = ComputeLiftCurve(pass.params, profile.chord);
  for (auto _ : state) benchmark::DoNotOptimize(ComputePolar(pass.params, profile, lift));
}
BENCHMARK(BM_Polar)->Unit(benchmark::kMillisecond);

}  // namespace
