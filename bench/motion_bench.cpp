// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Speed of the flow in motion: the time of flight is computed with every
// pass (goal: under 2 ms for ten curves, beside a pass of 20-200
// microseconds), and a frame of about 300 particles with their timelines is
// placed for every animation frame (goal: far under 2 ms).
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "flow/pass.h"
#include "flow/time_of_flight.h"

#ifdef FLUVENNA_BENCH_DRAWING
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "plot/qt/painter_surface.h"
#include "session/pass_session.h"
#endif

#include "one_row_table.h"

namespace {

using namespace fluvenna;

// A pass with its curves kept in the flow frame and the airfoil plane.
struct Curves {
  PassResult pass;
  std::vector<std::vector<double>> fx, fy, ax, ay;
  std::vector<TracedCurve> traced;
};

std::unique_ptr<Curves> TracedPass(const ParameterTexts& texts) {
  auto r = std::make_unique<Curves>();
  auto arrays = std::make_unique<PointArrays>();
  r->pass = RunCirclePlane(texts, OneRowTable(), *arrays);
  const int n = r->pass.lastCurve + 1;
  r->fx.resize(static_cast<std::size_t>(n)), r->fy.resize(static_cast<std::size_t>(n));
  r->ax.resize(static_cast<std::size_t>(n)), r->ay.resize(static_cast<std::size_t>(n));
  for (int k = 0; k < n; ++k) {
    for (int j = 1; j <= arrays->NP[k]; ++j) {
      r->fx[static_cast<std::size_t>(k)].push_back(arrays->XA(k, j));
      r->fy[static_cast<std::size_t>(k)].push_back(arrays->YA(k, j));
    }
  }
  RunAirfoilPlane(r->pass, *arrays);
  for (int k = 0; k < n; ++k) {
    const auto i = static_cast<std::size_t>(k);
    for (int j = 1; j <= arrays->NP[k]; ++j) {
      r->ax[i].push_back(arrays->XP(k, j));
      r->ay[i].push_back(arrays->YP(k, j));
    }
    r->traced.push_back({k, arrays->PSI[i], r->fx[i], r->fy[i], r->ax[i], r->ay[i]});
  }
  return r;
}

// Ten curves at 8 degrees, the initial dPsi, dR and scale.
ParameterTexts TenCurves() {
  ParameterTexts texts;
  texts.DELTA = "0.1";
  texts.GAMA = "0.05";
  texts.Alfa = "8";
  texts.kMax = "10";
  return texts;
}

void BM_TimeOfFlightTenCurves(benchmark::State& state) {
  const auto curves = TracedPass(TenCurves());
  std::size_t points = 0;
  for (const TracedCurve& c : curves->traced) points += c.flowX.size();
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        ComputeTimeOfFlight(curves->pass.params, curves->pass.circle, curves->traced));
  }
  state.counters["points"] = static_cast<double>(points);
}
BENCHMARK(BM_TimeOfFlightTenCurves)->Unit(benchmark::kMicrosecond);

// The heaviest scroll-bar setting: the finest dPsi, the widest plot, the
// steepest angle.
void BM_TimeOfFlightHeaviest(benchmark::State& state) {
  ParameterTexts texts = TenCurves();
  texts.Alfa = "30";
  texts.dPsi = "0.01";
  texts.Olcek = "3";
  const auto curves = TracedPass(texts);
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        ComputeTimeOfFlight(curves->pass.params, curves->pass.circle, curves->traced));
  }
}
BENCHMARK(BM_TimeOfFlightHeaviest)->Unit(benchmark::kMicrosecond);

// One animation frame: the release interval chosen so that about 300
// particles are in the picture (a steady stream), with their timelines.
void BM_ParticleFrame(benchmark::State& state) {
  const auto curves = TracedPass(TenCurves());
  const TimeOfFlight times =
      ComputeTimeOfFlight(curves->pass.params, curves->pass.circle, curves->traced);
  ParticleOptions options;
  options.sinceZero = false;
  options.interval = times.longestPath * static_cast<double>(times.psiOrder.size()) / 300.0;
  ParticleFrame frame;
  double T = 10.0;
  for (auto _ : state) {
    PlaceParticles(times, T, options, frame);
    benchmark::DoNotOptimize(frame.particles.data());
    T += 1.0 / 60.0;
  }
  state.counters["particles"] = static_cast<double>(frame.particles.size());
  state.counters["timelines"] = static_cast<double>(frame.timelines.size());
}
BENCHMARK(BM_ParticleFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

#ifdef FLUVENNA_BENCH_DRAWING
namespace {

// A frame of the window's flow-field view as it plays: the view's picture
// (600 x 400 of flow) copied, and about 300 particles with their timelines
// painted over it.
void BM_WindowMotionFrame(benchmark::State& state) {
  // The picture's numbers want a GUI application (offscreen, as the renderer).
  if (!QGuiApplication::instance()) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fluvenna-bench";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
  }
  PassSession session;
  session.Table() = OneRowTable();
  const QSize size(708, 400);
  QImage picture(size, QImage::Format_RGB32), plots(size, QImage::Format_RGB32);
  {
    QPainter painter(&picture), other(&plots);
    PainterSurface field(painter, QRectF(QPointF(0, 0), size));
    PainterSurface one(other, QRectF(QPointF(0, 0), size)), two(other, QRectF(QPointF(0, 0), size));
    session.Run(TenCurves(), one, two);
    session.DrawField(field, FieldColouring::kCp, size.width(), size.height());
  }
  const TimeOfFlight& times = *session.Times();
  ParticleOptions options;
  options.sinceZero = false;
  options.interval = times.longestPath * static_cast<double>(times.psiOrder.size()) / 300.0;
  double T = 10.0;
  for (auto _ : state) {
    QImage frame = picture.copy();
    QPainter painter(&frame);
    painter.setRenderHint(QPainter::Antialiasing);
    PainterSurface surface(painter, QRectF(QPointF(0, 0), size));
    session.DrawMotion(surface, T, options, true, size.width(), size.height());
    T += 1.0 / 60.0;
  }
}
BENCHMARK(BM_WindowMotionFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
#endif  // FLUVENNA_BENCH_DRAWING
