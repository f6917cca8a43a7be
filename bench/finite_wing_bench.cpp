// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the finite wing: one lifting-line solution must stay under
// 0.2 ms and the wing's polar over the lift curve's angles with its strip
// profile drag under 20 ms, so that the finite-wing window can follow every
// pass. The section's polars are the session's (worked out once a pass).
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "flow/boundary_layer.h"
#include "flow/lift_curve.h"
#include "flow/lifting_line.h"
#include "flow/pass.h"
#include "flow/profile_geometry.h"
#include "one_row_table.h"

namespace {

using namespace fluvenna;

const FiniteWingShape kTwistedTaper{8.0, Planform::kTapered, 0.4, 2.0};

// One solution with the default terms: a tapered, twisted wing (the
// elliptic one is no harder, the quadrature the same).
void BM_WingSolution(benchmark::State& state) {
  const WingSection section{6.0, -0.05};
  for (auto _ : state) benchmark::DoNotOptimize(SolveLiftingLine(kTwistedTaper, section));
}
BENCHMARK(BM_WingSolution)->Unit(benchmark::kMicrosecond);

// The whole wing of a pass: solution, stations, strip drag, stall and the
// polar over the lift curve's 41 angles, from the section's polars at the
// Reynolds numbers of its chords.
void BM_WingPolarWithStripDrag(benchmark::State& state) {
  ParameterTexts texts;
  texts.DELTA = "0.1";
  texts.GAMA = "0.05";
  texts.Alfa = "4";
  auto arrays = std::make_unique<PointArrays>();
  const PassResult pass = RunWholePass(texts, OneRowTable(), *arrays);
  const ProfileMeasure profile = MeasureProfile(pass.params.Eps, pass.params.Mu);
  const LiftCurve lift = ComputeLiftCurve(pass.params, profile.chord);
  std::vector<SectionDragCurve> curves;
  for (const double factor : StripReynoldsFactors(kTwistedTaper)) {
    BoundaryLayerOptions options;
    options.reynolds = kDefaultReynolds * factor;
    curves.push_back(DragCurveOf(ComputePolar(pass.params, profile, lift, options)));
  }
  const WingSection section = *WingSectionOf(pass.params, lift);
  std::vector<double> alphas;
  for (const LiftCurvePoint& p : lift.points) alphas.push_back(p.alpha_deg);
  for (auto _ : state) {
    benchmark::DoNotOptimize(AnalyseFiniteWing(kTwistedTaper, section, pass.params.Alfa, alphas,
                                               curves, kDefaultReynolds, 1.2));
  }
}
BENCHMARK(BM_WingPolarWithStripDrag)->Unit(benchmark::kMillisecond);

}  // namespace
