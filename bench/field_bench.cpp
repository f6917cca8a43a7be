// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Speed of the coloured flow field: sampling Cp at every pixel centre of a
// plot and turning it into RGBA bytes must stay well inside one frame (goals:
// under 8 ms at 600 x 400, and under 12 ms at 1200 x 800 on every core of a
// two-core machine), and a probe of one point under 5 microseconds. The
// field is timed by the clock on the wall, as its rows are spread over the
// cores; the one-thread runs show what the cores add.
#include <benchmark/benchmark.h>

#include <vector>

#include "flow/circle_model.h"
#include "flow/flow_field.h"
#include "flow/parameters.h"
#include "plot/colour_map.h"

namespace {

using namespace fluvenna;

// The heaviest scroll-bar profile and angle, as the pass benchmarks have it.
FlowFieldModel Model() {
  FlowParameters p = ReadParameters(ParameterTexts{}, ProfileTable{});
  p.Eps = 0.1, p.Mu = 0.05, p.Alfa = 30.0, p.iKutta = 1.0;
  return FlowFieldModel(p, ComputeCircleModel(p));
}

// The lower plot's user rectangle at the initial scale, 3:2 like the plots.
PixelGrid Grid(int width, int height) {
  return {-1.0, 0.66, 1.0, -0.66, width, height};
}

// Sample and colour, as a redraw of the coloured airfoil plot does it; the
// sample and image buffers are reused from frame to frame. Arguments: width,
// height, threads (0: one per core).
void BM_ColourFieldAirfoil(benchmark::State& state) {
  const FlowFieldModel model = Model();
  const PixelGrid grid = Grid(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  const int threads = static_cast<int>(state.range(2));
  std::vector<double> values;
  RgbaImage image;
  for (auto _ : state) {
    SampleField(model, FieldPlane::kAirfoil, FieldQuantity::kCp, grid, values, threads);
    ColourField(values, grid.width, grid.height, FieldQuantity::kCp, image, threads);
    benchmark::DoNotOptimize(image.pixels.data());
  }
  state.SetItemsProcessed(state.iterations() * grid.width * grid.height);
}
BENCHMARK(BM_ColourFieldAirfoil)
    ->ArgNames({"width", "height", "threads"})
    ->Args({600, 400, 0})
    ->Args({1200, 800, 0})
    ->Args({1200, 800, 1})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// The two halves apart, at 600 x 400, and the sampling of the circle plane
// (no inverse map) for comparison.
void BM_SampleFieldAirfoil(benchmark::State& state) {
  const FlowFieldModel model = Model();
  const PixelGrid grid = Grid(600, 400);
  std::vector<double> values;
  for (auto _ : state) {
    SampleField(model, FieldPlane::kAirfoil, FieldQuantity::kCp, grid, values);
    benchmark::DoNotOptimize(values.data());
  }
}
BENCHMARK(BM_SampleFieldAirfoil)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_SampleFieldCircle(benchmark::State& state) {
  const FlowFieldModel model = Model();
  const PixelGrid grid = Grid(600, 400);
  std::vector<double> values;
  for (auto _ : state) {
    SampleField(model, FieldPlane::kCircle, FieldQuantity::kCp, grid, values);
    benchmark::DoNotOptimize(values.data());
  }
}
BENCHMARK(BM_SampleFieldCircle)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_ColourOnly(benchmark::State& state) {
  const FlowFieldModel model = Model();
  const PixelGrid grid = Grid(600, 400);
  const std::vector<double> values =
      SampleField(model, FieldPlane::kAirfoil, FieldQuantity::kCp, grid);
  RgbaImage image;
  for (auto _ : state) {
    ColourField(values, grid.width, grid.height, FieldQuantity::kCp, image);
    benchmark::DoNotOptimize(image.pixels.data());
  }
}
BENCHMARK(BM_ColourOnly)->UseRealTime()->Unit(benchmark::kMillisecond);

// One probe with everything (state, velocity, q, Cp, psi, phi), over points
// spread across the airfoil plot.
void BM_ProbeAirfoilPoint(benchmark::State& state) {
  const FlowFieldModel model = Model();
  std::vector<std::pair<double, double>> points;
  for (int k = 0; k < 1024; ++k) points.emplace_back(-1.0 + 0.00195 * k, 0.66 - 0.0013 * k);
  std::size_t k = 0;
  for (auto _ : state) {
    const auto& [x, y] = points[k++ & 1023];
    benchmark::DoNotOptimize(model.AtAirfoilPoint(x, y));
  }
}
BENCHMARK(BM_ProbeAirfoilPoint)->Unit(benchmark::kNanosecond);

// Building the per-pass constants.
void BM_FlowFieldModel(benchmark::State& state) {
  FlowParameters p = ReadParameters(ParameterTexts{}, ProfileTable{});
  p.Eps = 0.1, p.Mu = 0.05, p.Alfa = 30.0, p.iKutta = 1.0;
  const CircleModel c = ComputeCircleModel(p);
  for (auto _ : state) benchmark::DoNotOptimize(FlowFieldModel(p, c));
}
BENCHMARK(BM_FlowFieldModel)->Unit(benchmark::kNanosecond);

}  // namespace
