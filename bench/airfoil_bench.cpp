// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the profiles: mapping a 200-point coordinate file (reading,
// normalising and Theodorsen's map to its tolerances) must stay under 2 ms,
// so that a dropped file shows at once; a NACA section likewise; and the
// inverse map, which the field view takes at every pixel.
#include <benchmark/benchmark.h>

#include <complex>
#include <cstdio>
#include <string>

#include "flow/airfoil_file.h"
#include "flow/theodorsen_map.h"

namespace {

using namespace fluvenna;

// NACA 4412 as a Selig file of 200 points (every third of the section's).
std::string SeligFile200() {
  const auto contour = std::get<AirfoilContour>(NacaProfile("4412"));
  std::string text = "NACA 4412\n";
  char line[80];
  for (std::size_t i = 0; i < contour.x.size(); i += 3) {
    std::snprintf(line, sizeof line, "%.7f %.7f\n", contour.originX + contour.scale * contour.x[i],
                  contour.originY + contour.scale * contour.y[i]);
    text += line;
  }
  return text;
}

void BM_MapA200PointFile(benchmark::State& state) {
  const std::string text = SeligFile200();
  int terms = 0;
  for (auto _ : state) {
    const AirfoilResult contour = ReadAirfoilFile(text);
    const auto map = BuildTheodorsenMap(std::get<AirfoilContour>(contour));
    terms = std::get<TheodorsenMap>(map).Terms();
    benchmark::DoNotOptimize(terms);
  }
  state.counters["terms"] = terms;
}
BENCHMARK(BM_MapA200PointFile)->Unit(benchmark::kMillisecond);

void BM_MapNaca4412(benchmark::State& state) {
  for (auto _ : state) {
    const AirfoilResult contour = NacaProfile("4412");
    benchmark::DoNotOptimize(BuildTheodorsenMap(std::get<AirfoilContour>(contour)));
  }
}
BENCHMARK(BM_MapNaca4412)->Unit(benchmark::kMillisecond);

// One inverse (profile plane to circle plane) of a field point near the body.
void BM_InverseMap(benchmark::State& state) {
  const auto contour = std::get<AirfoilContour>(NacaProfile("4412"));
  const auto map = std::get<TheodorsenMap>(BuildTheodorsenMap(contour));
  double x = 0.0;
  for (auto _ : state) {
    x = x < 1.2 ? x + 0.01 : -0.2;
    benchmark::DoNotOptimize(map.Inverse({x, 0.15}));
  }
}
BENCHMARK(BM_InverseMap)->Unit(benchmark::kMicrosecond);

// The same to 1e-8 of the radius, as the field and the particles need it.
void BM_InverseMapTo1e8(benchmark::State& state) {
  const auto contour = std::get<AirfoilContour>(NacaProfile("4412"));
  const auto map = std::get<TheodorsenMap>(BuildTheodorsenMap(contour));
  double x = 0.0;
  for (auto _ : state) {
    x = x < 1.2 ? x + 0.01 : -0.2;
    benchmark::DoNotOptimize(map.Inverse({x, 0.15}, 1e-8));
  }
}
BENCHMARK(BM_InverseMapTo1e8)->Unit(benchmark::kMicrosecond);

}  // namespace
