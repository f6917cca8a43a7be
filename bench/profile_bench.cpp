// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of a NACA section through the one map interface: a pass (streamlines
// and pressure) within 1.5 times a Joukowski pass, and the flow field at
// 600 x 400 with the inverse map inside one frame (16 ms).
#include <benchmark/benchmark.h>

#include <memory>
#include <variant>

#include "flow/flow_field.h"
#include "flow/pass.h"
#include "flow/profile_geometry.h"
#include "flow/profile_source.h"
#include "flow/surface_pressure.h"
#include "one_row_table.h"

namespace {

using namespace fluvenna;

ParameterTexts Texts() {
  ParameterTexts texts;
  texts.DELTA = "0.1";
  texts.GAMA = "0.05";
  texts.Alfa = "4";
  texts.kMax = "10";
  return texts;
}

std::shared_ptr<const ProfileMap> Naca4412() {
  static const std::shared_ptr<const ProfileMap> map =
      std::get<LoadedProfile>(LoadProfile(ProfileSource::Naca("4412"))).map;
  return map;
}

// One pass as the session runs it: streamlines, the map, the surface pressure.
void Pass(benchmark::State& state, const std::shared_ptr<const ProfileMap>& profile) {
  const ProfileTable table = OneRowTable();
  auto arrays = std::make_unique<PointArrays>();
  const ParameterTexts texts = Texts();
  PassResult first = RunWholePass(texts, table, *arrays, profile);
  const ProfileMeasure measure =
      profile ? MeasureProfile(*profile) : MeasureProfile(first.params.Eps, first.params.Mu);
  for (auto _ : state) {
    PassResult result = RunWholePass(texts, table, *arrays, profile);
    benchmark::DoNotOptimize(ComputeSurfacePressure(result.params, result.circle, measure));
  }
}

void BM_ProfilePassJoukowski(benchmark::State& state) {
  Pass(state, nullptr);
}
BENCHMARK(BM_ProfilePassJoukowski)->Unit(benchmark::kMicrosecond);

void BM_ProfilePassNaca4412(benchmark::State& state) {
  Pass(state, Naca4412());
}
BENCHMARK(BM_ProfilePassNaca4412)->Unit(benchmark::kMicrosecond);

// The airfoil-plane field of a NACA 4412 pass at 600 x 400 pixels, every
// pixel carried back to the circle by the inverse map, on every core.
void BM_ProfileFieldNaca4412At600x400(benchmark::State& state) {
  const ProfileTable table = OneRowTable();
  auto arrays = std::make_unique<PointArrays>();
  const PassResult result = RunWholePass(Texts(), table, *arrays, Naca4412());
  const FlowFieldModel model(result.params, result.circle);
  PixelGrid grid;
  grid.left = -1.0, grid.right = 1.0, grid.top = 2.0 / 3.0, grid.bottom = -2.0 / 3.0;
  grid.width = 600, grid.height = 400;
  std::vector<double> values;
  for (auto _ : state) {
    SampleField(model, FieldPlane::kAirfoil, FieldQuantity::kCp, grid, values);
    benchmark::DoNotOptimize(values.data());
  }
}
BENCHMARK(BM_ProfileFieldNaca4412At600x400)->Unit(benchmark::kMillisecond);

}  // namespace
