// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of a NACA section through the one map interface: a pass (streamlines
// and pressure) within 1.5 times a Joukowski pass (BM_ProfilePassNacaOverJoukowski
// shows the ratio), and the flow field at 600 x 400 with the inverse map
// inside one frame (16 ms on two cores).
#include <benchmark/benchmark.h>

#include <time.h>

#include <memory>
#include <variant>

#include "flow/flow_field.h"
#include "flow/lift_curve.h"
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

// One pass as the session runs it: streamlines, the map, the surface
// pressure (the profile's measure is made once, when the profile is chosen).
struct PassBench {
  explicit PassBench(std::shared_ptr<const ProfileMap> map)
      : profile(std::move(map)), arrays(std::make_unique<PointArrays>()) {
    const PassResult first = RunWholePass(texts, table, *arrays, profile);
    measure =
        profile ? MeasureProfile(*profile) : MeasureProfile(first.params.Eps, first.params.Mu);
  }
  void Run() {
    PassResult result = RunWholePass(texts, table, *arrays, profile);
    benchmark::DoNotOptimize(ComputeSurfacePressure(result.params, result.circle, measure));
  }
  std::shared_ptr<const ProfileMap> profile;
  ProfileTable table = OneRowTable();
  ParameterTexts texts = Texts();
  std::unique_ptr<PointArrays> arrays;
  ProfileMeasure measure;
};

void BM_ProfilePassJoukowski(benchmark::State& state) {
  PassBench pass(nullptr);
  for (auto _ : state) pass.Run();
}
BENCHMARK(BM_ProfilePassJoukowski)->Unit(benchmark::kMicrosecond);

void BM_ProfilePassNaca4412(benchmark::State& state) {
  PassBench pass(Naca4412());
  for (auto _ : state) pass.Run();
}
BENCHMARK(BM_ProfilePassNaca4412)->Unit(benchmark::kMicrosecond);

// The goal itself: the two passes taken in turn, so that a busy machine
// slows both alike, each timed by the thread's CPU clock; the counters give
// each pass in microseconds and `ratio` = NACA / Joukowski (goal: <= 1.5).
double ThreadSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

void BM_ProfilePassNacaOverJoukowski(benchmark::State& state) {
  PassBench joukowski(nullptr), naca(Naca4412());
  double joukowskiSeconds = 0.0, nacaSeconds = 0.0;
  for (auto _ : state) {
    const double t0 = ThreadSeconds();
    joukowski.Run();
    const double t1 = ThreadSeconds();
    naca.Run();
    const double t2 = ThreadSeconds();
    joukowskiSeconds += t1 - t0;
    nacaSeconds += t2 - t1;
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["joukowski_us"] = 1e6 * joukowskiSeconds / n;
  state.counters["naca_us"] = 1e6 * nacaSeconds / n;
  state.counters["ratio"] = nacaSeconds / joukowskiSeconds;
}
BENCHMARK(BM_ProfilePassNacaOverJoukowski)->Unit(benchmark::kMicrosecond);

// What the session makes besides, after each pass: the lift curve and the
// field's model (for a NACA section its body outline, 4096 images of the circle).
void BM_ProfilePassExtras(benchmark::State& state, bool naca) {
  PassBench pass(naca ? Naca4412() : nullptr);
  const PassResult result = RunWholePass(pass.texts, pass.table, *pass.arrays, pass.profile);
  for (auto _ : state) {
    benchmark::DoNotOptimize(naca ? ComputeLiftCurve(result.params, 1.0, pass.profile)
                                  : ComputeLiftCurve(result.params, pass.measure.chord));
    const FlowFieldModel model(result.params, result.circle);
    benchmark::DoNotOptimize(model.U0());
  }
}
BENCHMARK_CAPTURE(BM_ProfilePassExtras, Joukowski, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ProfilePassExtras, Naca4412, true)->Unit(benchmark::kMicrosecond);

// The airfoil-plane field of a NACA 4412 pass at 600 x 400 pixels, every
// pixel carried back to the circle by the inverse map (or interpolated
// between such pixels), on every core: timed by the clock on the wall
// (goal: 16 ms on two cores).
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
BENCHMARK(BM_ProfileFieldNaca4412At600x400)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
