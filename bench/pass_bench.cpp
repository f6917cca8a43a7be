// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of a whole pass: a redraw must stay well inside one frame (16 ms).
#include <benchmark/benchmark.h>

#include <memory>

#include "flow/lift_curve.h"
#include "flow/pass.h"
#include "flow/profile_geometry.h"
#include "flow/surface_pressure.h"
#include "web/page_session.h"

#ifdef FLUVENNA_BENCH_DRAWING
#include <QImage>
#include <QPainter>

#include "plot/drawing.h"
#include "plot/qt/painter_surface.h"
#endif

#include "one_row_table.h"

namespace {

using namespace fluvenna;

// The heaviest scroll-bar setting: ten curves, the finest step, the widest
// plot, the steepest angle.
ParameterTexts HeaviestScrollBarTexts() {
  ParameterTexts texts;
  texts.DELTA = "0.1";
  texts.GAMA = "0.05";
  texts.Alfa = "30";
  texts.kMax = "10";
  texts.dPsi = "0.01";
  texts.Olcek = "3";
  return texts;
}

void BM_PassDefault(benchmark::State& state) {
  const ProfileTable table = OneRowTable();
  auto arrays = std::make_unique<PointArrays>();
  const ParameterTexts texts;
  for (auto _ : state) benchmark::DoNotOptimize(RunWholePass(texts, table, *arrays));
}
BENCHMARK(BM_PassDefault)->Unit(benchmark::kMicrosecond);

void BM_PassTenCurvesWide(benchmark::State& state) {
  const ProfileTable table = OneRowTable();
  auto arrays = std::make_unique<PointArrays>();
  const ParameterTexts texts = HeaviestScrollBarTexts();
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

// The surface pressure that every pass adds while its window is open: the
// profile measured once per profile (as the window keeps it), the surface
// computed anew.
void BM_SurfacePressure(benchmark::State& state) {
  const ProfileTable table = OneRowTable();
  auto arrays = std::make_unique<PointArrays>();
  const PassResult pass = RunWholePass(HeaviestScrollBarTexts(), table, *arrays);
  const ProfileMeasure profile = MeasureProfile(pass.params.Eps, pass.params.Mu);
  for (auto _ : state) {
    benchmark::DoNotOptimize(ComputeSurfacePressure(pass.params, pass.circle, profile));
  }
}
BENCHMARK(BM_SurfacePressure)->Unit(benchmark::kMicrosecond);

// The same with the profile measured too, as the renderer and a new profile need it.
void BM_SurfacePressureWithProfile(benchmark::State& state) {
  const ProfileTable table = OneRowTable();
  auto arrays = std::make_unique<PointArrays>();
  const PassResult pass = RunWholePass(HeaviestScrollBarTexts(), table, *arrays);
  for (auto _ : state) {
    benchmark::DoNotOptimize(ComputeSurfacePressure(pass.params, pass.circle));
  }
}
BENCHMARK(BM_SurfacePressureWithProfile)->Unit(benchmark::kMicrosecond);

// The lift curve of a pass with a fractional alpha (42 points), the chord
// measured once per profile as the window keeps it: a few microseconds, so it
// is simply recomputed with every pass.
void BM_LiftCurve(benchmark::State& state) {
  const ProfileTable table = OneRowTable();
  ParameterTexts texts = HeaviestScrollBarTexts();
  texts.Alfa = "8.5";
  const FlowParameters p = ReadParameters(texts, table);
  const double chord = MeasureProfile(p.Eps, p.Mu).chord;
  for (auto _ : state) benchmark::DoNotOptimize(ComputeLiftCurve(p, chord));
}
BENCHMARK(BM_LiftCurve)->Unit(benchmark::kMicrosecond);

// The browser page's pass (the pass, DrawPass on the two canvas surfaces,
// the status line, the points kept for the CSV) built natively, at the
// heaviest setting and with the same one-row table: bench/web_pass_bench.js
// times the same in WebAssembly.
void BM_PagePassHeaviest(benchmark::State& state) {
  PageSession session;
  session.LoadTable("table\n1\n0.1,0.05,0.1,0.05,0\n");
  const ParameterTexts texts = HeaviestScrollBarTexts();
  for (auto _ : state) benchmark::DoNotOptimize(session.Pass(texts));
}
BENCHMARK(BM_PagePassHeaviest)->Unit(benchmark::kMicrosecond);

}  // namespace

#ifdef FLUVENNA_BENCH_DRAWING
namespace {

// A whole redraw as the window makes it: the pass and both pictures painted
// into images of the drawing area, at the heaviest scroll-bar setting.
void BM_RedrawBothPictures(benchmark::State& state) {
  const ProfileTable table = OneRowTable();
  auto arrays = std::make_unique<PointArrays>();
  const ParameterTexts texts = HeaviestScrollBarTexts();
  QImage image1(396, 263, QImage::Format_RGB32), image2(396, 263, QImage::Format_RGB32);
  const QRectF interior(0, 0, 396, 263);
  for (auto _ : state) {
    QPainter painter1(&image1), painter2(&image2);
    PainterSurface surface1(painter1, interior), surface2(painter2, interior);
    benchmark::DoNotOptimize(DrawPass(texts, table, *arrays, surface1, surface2));
  }
}
BENCHMARK(BM_RedrawBothPictures)->Unit(benchmark::kMicrosecond);

}  // namespace
#endif  // FLUVENNA_BENCH_DRAWING
