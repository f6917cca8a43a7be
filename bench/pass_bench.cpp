// Speed of a whole pass: a redraw must stay well inside one frame (16 ms).
#include <benchmark/benchmark.h>

#include <memory>

#include "flow/pass.h"

namespace {

using namespace fluvenna;

ProfileTable OneRowTable() {
  ProfileTable t;
  t.NTab = 1;
  t.TabDelta[1] = 0.1;
  t.TabGama[1] = 0.05;
  t.TabEps[1] = 0.1;
  t.TabMu[1] = 0.05;
  return t;
}

void BM_PassDefault(benchmark::State& state) {
  const ProfileTable table = OneRowTable();
  auto arrays = std::make_unique<PointArrays>();
  const ParameterTexts texts;
  for (auto _ : state) benchmark::DoNotOptimize(RunWholePass(texts, table, *arrays));
}
BENCHMARK(BM_PassDefault)->Unit(benchmark::kMicrosecond);

// The heaviest scroll-bar setting: ten curves, the finest step, the widest plot.
void BM_PassTenCurvesWide(benchmark::State& state) {
  const ProfileTable table = OneRowTable();
  auto arrays = std::make_unique<PointArrays>();
  ParameterTexts texts;
  texts.DELTA = "0.1";
  texts.GAMA = "0.05";
  texts.Alfa = "30";
  texts.kMax = "10";
  texts.dPsi = "0.01";
  texts.Olcek = "3";
  for (auto _ : state) benchmark::DoNotOptimize(RunWholePass(texts, table, *arrays));
}
BENCHMARK(BM_PassTenCurvesWide)->Unit(benchmark::kMicrosecond);

// Twenty curves cut at their point limits by a tiny radial step.
void BM_PassTwentyCurvesFineStep(benchmark::State& state) {
  const ProfileTable table = OneRowTable();
  auto arrays = std::make_unique<PointArrays>();
  ParameterTexts texts;
  texts.kMax = "20";
  texts.dR = "0.0001";
  texts.Olcek = "3";
  for (auto _ : state) benchmark::DoNotOptimize(RunWholePass(texts, table, *arrays));
}
BENCHMARK(BM_PassTwentyCurvesFineStep)->Unit(benchmark::kMicrosecond);

}  // namespace
