// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The time of flight along the traced curves, checked against flows whose
// answer is known (the flat plate along the stream), against particles
// carried through the field by a Runge-Kutta method, against the
// circle-plane integral along the dividing streamline, and against what
// lift must do to the two sides; then the particles and timelines built on it.
#include "flow/time_of_flight.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <memory>
#include <string>
#include <vector>

#include "flow/flow_field.h"
#include "flow/pass.h"
#include "flow/profile_table.h"

namespace fluvenna {
namespace {

using Complex = std::complex<double>;

constexpr double kUniformTime = 1e-11;   // flat plate: t against distance, absolute
constexpr double kIndependent = 1e-7;    // against the independent integrations, relative
constexpr double kMirrorTime = 1e-9;     // symmetric profile at zero angle, relative
constexpr double kOnPolyline = 1e-12;    // a particle off its path's segment
constexpr double kSameClock = 1e-12;     // ages of neighbouring particles against the interval
constexpr double kOnReleaseLine = 1e-9;  // x of a newly released particle against the line
constexpr double kLogGrowth = 0.03;  // growth towards the stagnation point against ln(10) / kappa

const std::string kTablePath = std::string(FLUVENNA_SOURCE_DIR) + "/data/" + kProfileTableFileName;

const ProfileTable& Table() {
  static const std::unique_ptr<ProfileTable> table = [] {
    auto t = std::make_unique<ProfileTable>();
    EXPECT_FALSE(LoadProfileTableFile(*t, kTablePath).has_value());
    return t;
  }();
  return *table;
}

ParameterTexts Texts(const char* delta, const char* gamma, const char* alpha,
                     const char* kutta = "1", const char* dR = "0.01") {
  ParameterTexts t;
  t.DELTA = delta, t.GAMA = gamma, t.Alfa = alpha, t.iKutta = kutta, t.dR = dR;
  t.kMax = "10", t.dPsi = "0.1", t.Olcek = "1";
  return t;
}

// A pass with its curves in the flow frame and the airfoil plane, and their
// times.
struct TimedPass {
  PassResult result;
  std::vector<std::vector<double>> fx, fy, ax, ay;
  std::vector<TracedCurve> curves;
  TimeOfFlight times;

  const CurveTimes* Curve(int k) const {
    for (const CurveTimes& c : times.curves) {
      if (c.k == k) return &c;
    }
    return nullptr;
  }
};

std::unique_ptr<TimedPass> RunTimed(const ParameterTexts& texts) {
  auto pass = std::make_unique<TimedPass>();
  auto arrays = std::make_unique<PointArrays>();
  pass->result = RunCirclePlane(texts, Table(), *arrays);
  EXPECT_TRUE(pass->result.ok());
  const int last = pass->result.lastCurve;
  const auto copy = [&](auto x, auto y, auto& xs, auto& ys) {
    xs.assign(static_cast<std::size_t>(last) + 1, {});
    ys.assign(static_cast<std::size_t>(last) + 1, {});
    for (int k = 0; k <= last; ++k) {
      for (int j = 1; j <= arrays->NP[k]; ++j) {
        xs[static_cast<std::size_t>(k)].push_back(x(k, j));
        ys[static_cast<std::size_t>(k)].push_back(y(k, j));
      }
    }
  };
  const PointArrays& a = *arrays;
  copy([&](int k, int j) { return a.XA(k, j); }, [&](int k, int j) { return a.YA(k, j); }, pass->fx,
       pass->fy);
  RunAirfoilPlane(pass->result, *arrays);
  copy([&](int k, int j) { return a.XP(k, j); }, [&](int k, int j) { return a.YP(k, j); }, pass->ax,
       pass->ay);
  for (int k = 0; k <= last; ++k) {
    const auto i = static_cast<std::size_t>(k);
    pass->curves.push_back({k, arrays->PSI[i], pass->fx[i], pass->fy[i], pass->ax[i], pass->ay[i]});
  }
  pass->times = ComputeTimeOfFlight(pass->result.params, pass->result.circle, pass->curves);
  EXPECT_EQ(pass->times.newtonFailures, 0);
  return pass;
}

// The flat plate along the stream (no table row for delta 0) has the uniform
// flow F = U0 zeta in the airfoil plane: every particle moves at U0 = 1 on a
// straight line, so its time is the distance it has travelled, exactly;
// even along the dividing streamline, whose ends are the plate's edges.
TEST(TimeOfFlight, FlatPlateAlongTheStreamTakesTheDistanceTravelled) {
  const auto pass = RunTimed(Texts("0", "0", "0"));
  const TimeOfFlight& tf = pass->times;
  EXPECT_EQ(tf.releaseX, -1.0);
  EXPECT_NEAR(tf.stationX, 0.5, 1e-15);
  ASSERT_EQ(tf.curves.size(), 10u);
  ASSERT_EQ(tf.psiOrder.size(), 9u);  // all but curve 1, which starts on the plate
  for (const CurveTimes& c : tf.curves) {
    SCOPED_TRACE("curve " + std::to_string(c.k));
    ASSERT_EQ(c.ax.size(), c.t.size());
    // Curve 1 starts at the trailing edge, with t = 0 there.
    const double start = (c.k == 1) ? 0.5 : tf.releaseX;
    EXPECT_EQ(c.released, c.k != 1);
    for (std::size_t i = 0; i < c.ax.size(); ++i) {
      EXPECT_NEAR(c.AirfoilTime(static_cast<int>(i)), c.ax[i] - start, kUniformTime);
      EXPECT_NEAR(c.qa[i], 1.0, 1e-12);
    }
    if (c.k >= 3) {
      ASSERT_TRUE(c.stationTime.has_value());
      EXPECT_NEAR(*c.stationTime, 1.5, kUniformTime);
      EXPECT_NEAR(c.pathT.back(), c.pathAx.back() - start, kUniformTime);
    }
  }
}

// A particle carried through the airfoil plane's field by the classical
// Runge-Kutta method (velocity from FlowFieldModel, which inverts the map
// at every step) from one traced point until its x reaches that of a later
// one: the time it takes agrees with the difference of the two points'
// times, on curves close to the body and far from it, with and without the
// Kutta condition.
TEST(TimeOfFlight, AgreesWithAParticleCarriedThroughTheField) {
  const ParameterTexts cases[] = {Texts("0.12", "0.04", "8"), Texts("0.2", "0.1", "4"),
                                  Texts("0.1", "0.05", "10", "0.5"), Texts("0.3", "0", "-6")};
  for (const ParameterTexts& texts : cases) {
    const auto pass = RunTimed(texts);
    const FlowFieldModel model(pass->result.params, pass->result.circle);
    const auto velocity = [&](Complex p) {
      const FieldPoint f = model.AtAirfoilPoint(p.real(), p.imag());
      EXPECT_EQ(f.state, FieldState::kFlow);
      return Complex(f.u, f.v);
    };
    for (int k : {3, 4, 9, 10}) {
      SCOPED_TRACE(texts.DELTA + " " + texts.GAMA + " " + texts.Alfa + " curve " +
                   std::to_string(k));
      const CurveTimes* c = pass->Curve(k);
      ASSERT_NE(c, nullptr);
      // From the first point right of x = -0.8 to the first one beyond the
      // trailing-edge station by 0.3.
      const auto first = [&](double x) {
        return static_cast<std::size_t>(
            std::find_if(c->ax.begin(), c->ax.end(), [&](double v) { return v > x; }) -
            c->ax.begin());
      };
      const std::size_t a = first(-0.8), b = first(pass->times.stationX + 0.3);
      ASSERT_LT(b, c->ax.size());
      const double xb = c->ax[b];
      Complex p(c->ax[a], c->ay[a]);
      double t = 0.0;
      const auto step = [&](Complex from, double h) {
        const Complex k1 = velocity(from), k2 = velocity(from + 0.5 * h * k1);
        const Complex k3 = velocity(from + 0.5 * h * k2), k4 = velocity(from + h * k3);
        return from + h / 6.0 * (k1 + 2.0 * k2 + 2.0 * k3 + k4);
      };
      constexpr double kStep = 1e-3;
      for (int i = 0;; ++i) {
        ASSERT_LT(i, 100000);
        const Complex next = step(p, kStep);
        ASSERT_TRUE(std::isfinite(next.real()));
        if (next.real() >= xb) break;
        p = next;
        t += kStep;
      }
      // The last part of a step, by the secant method on the step length.
      double h0 = 0.0, x0 = p.real() - xb, h1 = kStep, x1 = step(p, kStep).real() - xb;
      for (int i = 0; i < 30 && x1 != x0 && std::fabs(x1) > 1e-15; ++i) {
        const double h2 = h1 - x1 * (h1 - h0) / (x1 - x0);
        h0 = h1, x0 = x1, h1 = h2, x1 = step(p, h2).real() - xb;
      }
      t += h1;
      const double expected =
          c->AirfoilTime(static_cast<int>(b)) - c->AirfoilTime(static_cast<int>(a));
      EXPECT_NEAR(expected, t, kIndependent * t);
    }
  }
}

// Along the dividing streamline downstream of the body (curve 1) the
// circle-plane form of the integral, dt = |dzeta/dz|^2 ds / |dF/dz|, taken
// over the radius r of the traced points (sin(theta) = -Gm ln(r/A) / (r -
// A^2/r), the tracing's own formula) with Gauss-Legendre panels: the time
// out of the trailing edge with the Kutta condition is finite and agrees,
// and without it (a stagnation point on the body, zero speed) the point on
// the body has t = -inf and the rest agree from point 2 on.
TEST(TimeOfFlight, DividingStreamlineAgreesWithTheCirclePlaneIntegral) {
  for (const char* kutta : {"1", "0.5"}) {
    SCOPED_TRACE(std::string("Kutta factor ") + kutta);
    const auto pass = RunTimed(Texts("0.12", "0.04", "8", kutta));
    const CircleModel& cm = pass->result.circle;
    const FlowParameters& p = pass->result.params;
    const FlowFieldModel model(p, cm);
    const double A = cm.A, Gm = cm.Gm, cJ = model.cJ();
    const auto sine = [&](auto r) { return -Gm * std::log(r / A) / (r - A * A / r); };
    const auto integrand = [&](double r) {
      // ds / dr = (1 + (r dtheta/dr)^2)^0.5, dtheta/dr by a complex step of sin(theta).
      constexpr double h = 1e-30;
      const double sinT = sine(r);
      const double cosT = std::sqrt(1.0 - sinT * sinT);
      const double dtheta = sine(Complex(r, h)).imag() / h / cosT;
      const double ds = std::sqrt(1.0 + r * r * dtheta * dtheta);
      const Complex z =
          Complex(cm.xc, cm.yc) + Complex(cm.CosAlfa, cm.SinAlfa) * Complex(r * cosT, r * sinT);
      const double map2 = std::norm(1.0 - cJ * cJ / (z * z));
      const double q = std::sqrt(model.SpeedSquared(FieldPlane::kCircle, z.real(), z.imag()));
      return map2 * ds / q;
    };
    const CurveTimes* c1 = pass->Curve(1);
    ASSERT_NE(c1, nullptr);
    EXPECT_FALSE(c1->released);
    const bool kutta1 = std::string(kutta) == "1";
    const std::size_t from = kutta1 ? 0 : 1;
    if (kutta1) {
      EXPECT_EQ(c1->t[0], 0.0);
      EXPECT_NEAR(c1->qa[0], model.trailingEdgeSpeed(), 1e-12);
    } else {
      EXPECT_EQ(c1->t[0], -HUGE_VAL);
      EXPECT_EQ(c1->t[1], 0.0);
      EXPECT_EQ(c1->qa[0], 0.0);
    }
    // Five-point Gauss-Legendre on panels of dR / 8.
    const double xg[5] = {-0.9061798459386640, -0.5384693101056831, 0.0, 0.5384693101056831,
                          0.9061798459386640};
    const double wg[5] = {0.2369268850561891, 0.4786286704993665, 0.5688888888888889,
                          0.4786286704993665, 0.2369268850561891};
    for (std::size_t j : {std::size_t{1}, std::size_t{2}, std::size_t{10}, std::size_t{50}}) {
      if (j <= from) continue;
      const double r0 = A + static_cast<double>(from) * p.dR;
      const int panels = 8 * static_cast<int>(j - from);
      const double width = p.dR / 8;
      double t = 0.0;
      for (int i = 0; i < panels; ++i) {
        const double mid = r0 + (i + 0.5) * width;
        for (int g = 0; g < 5; ++g) t += 0.5 * width * wg[g] * integrand(mid + 0.5 * width * xg[g]);
      }
      EXPECT_NEAR(c1->t[j] - c1->t[from], t, kIndependent * t) << "point " << j + 1;
    }
  }
}

// Lift is circulation: with C_L > 0 the flow above the profile is faster,
// so the upper curve of every pair reaches the trailing-edge station first;
// with C_L < 0 the lower one; a symmetric profile at zero angle has equal
// times on both sides.
TEST(TimeOfFlight, TheUpperSideArrivesFirstExactlyWhenThereIsLift) {
  struct Case {
    ParameterTexts texts;
    int sign;  // of C_L
  };
  const Case cases[] = {{Texts("0.12", "0.04", "8"), 1}, {Texts("0.2", "0.1", "4"), 1},
                        {Texts("0.12", "0", "4"), 1},    {Texts("0.05", "0.02", "-6"), -1},
                        {Texts("0.12", "0", "0"), 0},    {Texts("0.3", "0", "0"), 0}};
  for (const Case& cs : cases) {
    SCOPED_TRACE(cs.texts.DELTA + " " + cs.texts.GAMA + " " + cs.texts.Alfa);
    const auto pass = RunTimed(cs.texts);
    EXPECT_EQ((pass->result.circle.Circ > 1e-12) - (pass->result.circle.Circ < -1e-12), cs.sign);
    const std::vector<PairTimes> pairs = StationTimes(pass->times);
    ASSERT_EQ(pairs.size(), 4u);
    for (const PairTimes& pair : pairs) {
      ASSERT_TRUE(pair.upper && pair.lower) << "pair " << pair.m;
      EXPECT_NEAR(pair.psi, 0.1 * pair.m, 1e-15);
      if (cs.sign > 0) {
        EXPECT_LT(*pair.upper, *pair.lower) << "pair " << pair.m;
      }
      if (cs.sign < 0) {
        EXPECT_GT(*pair.upper, *pair.lower) << "pair " << pair.m;
      }
      if (cs.sign == 0) {
        EXPECT_NEAR(*pair.upper, *pair.lower, kMirrorTime * *pair.lower);
      }
    }
  }
}

void ExpectSameCrossings(const StationCrossings& alone, const StationCrossings& full) {
  EXPECT_EQ(alone.releaseX, full.releaseX);
  EXPECT_EQ(alone.stationX, full.stationX);
  ASSERT_EQ(alone.pairs.size(), full.pairs.size());
  for (std::size_t i = 0; i < full.pairs.size(); ++i) {
    EXPECT_EQ(alone.pairs[i].m, full.pairs[i].m);
    EXPECT_EQ(alone.pairs[i].psi, full.pairs[i].psi);
    EXPECT_EQ(alone.pairs[i].upper, full.pairs[i].upper) << "pair " << full.pairs[i].m;
    EXPECT_EQ(alone.pairs[i].lower, full.pairs[i].lower) << "pair " << full.pairs[i].m;
  }
}

// The station times worked out alone are those of the whole computation, to
// the last bit, whatever the pass: lift or none, no circulation, a coarse
// tracing, the flat plate, curves that miss the station.
TEST(TimeOfFlight, StationTimesAloneAreTheWholeComputationsBitForBit) {
  const ParameterTexts cases[] = {Texts("0.12", "0.04", "8"),
                                  Texts("0.2", "0.1", "-4"),
                                  Texts("0.3", "0", "0"),
                                  Texts("0.05", "0.02", "15"),
                                  Texts("0.12", "0.04", "8", "0"),
                                  Texts("0.1", "0.05", "6", "0.5"),
                                  Texts("0.12", "0.04", "3", "1", "0.05"),
                                  Texts("0", "0", "10"),
                                  Texts("0.25", "0.15", "-12")};
  int timed = 0;
  for (const ParameterTexts& texts : cases) {
    SCOPED_TRACE(texts.DELTA + " " + texts.GAMA + " " + texts.Alfa + " " + texts.iKutta + " " +
                 texts.dR);
    const auto pass = RunTimed(texts);
    const StationCrossings alone =
        ComputeStationTimes(pass->result.params, pass->result.circle, pass->curves);
    ExpectSameCrossings(alone, StationCrossingsOf(pass->times));
    for (const PairTimes& pair : alone.pairs)
      timed += pair.upper.has_value() + pair.lower.has_value();
  }
  EXPECT_GT(timed, 50);  // the comparison has times to compare
}

// The particles of a frame: each on its curve's path at the place of its
// age (the same place in both planes), neighbours on one curve one interval
// apart, as many as have been released and are still in the picture; a
// new release on the release line; timelines in psi order.
TEST(TimeOfFlight, ParticlesRideTheirPathsOneIntervalApart) {
  const auto pass = RunTimed(Texts("0.12", "0.04", "8"));
  const TimeOfFlight& tf = pass->times;
  // The angle leaves the lower curves' upstream ends right of -XMax: the
  // line moves just far enough for all of them to start on it.
  EXPECT_GT(tf.releaseX, -1.0);
  EXPECT_LT(tf.releaseX, -0.9);
  EXPECT_EQ(tf.psiOrder.size(), 9u);
  ParticleFrame frame;
  for (const bool sinceZero : {true, false}) {
    for (const double T : {0.0, 0.37, 1.6, 7.0}) {
      SCOPED_TRACE("T " + std::to_string(T) + (sinceZero ? " since 0" : " steady"));
      ParticleOptions options;
      options.interval = 0.1;
      options.sinceZero = sinceZero;
      PlaceParticles(tf, T, options, frame);
      std::vector<int> perCurve(tf.curves.size(), 0);
      for (std::size_t i = 0; i < frame.particles.size(); ++i) {
        const Particle& q = frame.particles[i];
        const CurveTimes& c = tf.curves[static_cast<std::size_t>(q.curve)];
        ++perCurve[static_cast<std::size_t>(q.curve)];
        EXPECT_NEAR(q.age, T - 0.1 * static_cast<double>(q.release), kSameClock);
        ASSERT_GE(q.age, 0.0);
        ASSERT_LE(q.age, c.pathT.back());
        if (i > 0 && frame.particles[i - 1].curve == q.curve) {
          EXPECT_EQ(frame.particles[i - 1].release, q.release + 1);
          EXPECT_NEAR(q.age - frame.particles[i - 1].age, 0.1, kSameClock);
        }
        // Its stretch of the path, found by a scan; the same fraction of it
        // in both planes as of the stretch's time.
        std::size_t j = 0;
        while (j + 2 < c.pathT.size() && c.pathT[j + 1] < q.age) ++j;
        const double f = (q.age - c.pathT[j]) / (c.pathT[j + 1] - c.pathT[j]);
        EXPECT_NEAR(q.ax, c.pathAx[j] + f * (c.pathAx[j + 1] - c.pathAx[j]), kOnPolyline);
        EXPECT_NEAR(q.ay, c.pathAy[j] + f * (c.pathAy[j + 1] - c.pathAy[j]), kOnPolyline);
        EXPECT_NEAR(q.cx, c.pathCx[j] + f * (c.pathCx[j + 1] - c.pathCx[j]), kOnPolyline);
        EXPECT_NEAR(q.cy, c.pathCy[j] + f * (c.pathCy[j + 1] - c.pathCy[j]), kOnPolyline);
        if (q.age == 0.0) {
          EXPECT_NEAR(q.ax, tf.releaseX, kOnReleaseLine);
        }
      }
      // Every release still in the picture, counted independently.
      for (int ci : tf.psiOrder) {
        const CurveTimes& c = tf.curves[static_cast<std::size_t>(ci)];
        const double maxAge = c.k == 2 ? tf.longestPath : c.pathT.back();
        int expected = 0;
        for (int n = sinceZero ? 0 : -1000; n <= static_cast<int>(std::floor(T / 0.1 + 1e-9));
             ++n) {
          const double age = T - 0.1 * n;
          if (age >= 0.0 && age <= std::min(maxAge, c.pathT.back())) ++expected;
        }
        EXPECT_EQ(perCurve[static_cast<std::size_t>(ci)], expected) << "curve " << c.k;
      }
      // Timelines: one release each, neighbouring curves in psi order.
      for (const TimelinePiece& piece : frame.timelines) {
        ASSERT_GE(piece.count, 2);
        int previousOrder = -1;
        for (int i = 0; i < piece.count; ++i) {
          const Particle& q = frame.particles[static_cast<std::size_t>(
              frame.timelinePoints[static_cast<std::size_t>(piece.first + i)])];
          EXPECT_EQ(q.release, piece.release);
          const int order = static_cast<int>(
              std::find(tf.psiOrder.begin(), tf.psiOrder.end(), q.curve) - tf.psiOrder.begin());
          if (previousOrder >= 0) {
            EXPECT_EQ(order, previousOrder + 1);
          }
          previousOrder = order;
        }
      }
      if (T == 0.0 && sinceZero) {
        // The first release: one particle per curve, all on the release line, one timeline.
        EXPECT_EQ(frame.particles.size(), tf.psiOrder.size());
        ASSERT_EQ(frame.timelines.size(), 1u);
        EXPECT_EQ(frame.timelines[0].count, static_cast<int>(tf.psiOrder.size()));
      }
    }
  }
}

// The dividing streamline ends at the front stagnation point (point 1 of
// curve 2, whose points run upstream): a particle on it slows down and never
// arrives. The point itself has t = +inf, every other time is finite and
// grows towards it by the logarithmic law ln(d1 / d2) / kappa (from the
// distance d1 to d2 from it; a fine dR puts points close to it), kappa = |F''(s)| / |dzeta/dz
// (s)|^2; no number is NaN and no particle reaches the point.
TEST(TimeOfFlight, TheFrontStagnationPointIsNeverReached) {
  const auto coarse = RunTimed(Texts("0.12", "0.04", "8", "1", "0.001"));
  const auto fine = RunTimed(Texts("0.12", "0.04", "8", "1", "0.0001"));
  for (const TimedPass* pass : {coarse.get(), fine.get()}) {
    for (const CurveTimes& c : pass->times.curves) {
      for (double v : c.t) EXPECT_FALSE(std::isnan(v)) << "curve " << c.k;
      for (double v : c.qa) EXPECT_TRUE(std::isfinite(v)) << "curve " << c.k;
      for (double v : c.qc) EXPECT_TRUE(std::isfinite(v)) << "curve " << c.k;
      for (std::size_t j = 0; j < c.t.size(); ++j) {
        if (!(c.k == 2 && j == 0)) {
          EXPECT_TRUE(std::isfinite(c.t[j])) << c.k << " " << j;
        }
      }
    }
    const CurveTimes* c2 = pass->Curve(2);
    ASSERT_NE(c2, nullptr);
    EXPECT_EQ(c2->t[0], HUGE_VAL);
    EXPECT_EQ(c2->qa[0], 0.0);
    for (std::size_t j = 1; j + 1 < c2->t.size(); ++j) EXPECT_GT(c2->t[j], c2->t[j + 1]);
    if (pass == fine.get()) {
      // So fine a dR cuts every curve short of the left edge: none is
      // released, and the release line stays at -XMax.
      EXPECT_FALSE(c2->released);
      EXPECT_TRUE(pass->times.psiOrder.empty());
      EXPECT_EQ(pass->times.releaseX, -1.0);
      continue;
    }
    // The creep points stop short of the stagnation point; steady particles
    // never pass the last of them.
    ASSERT_TRUE(c2->released);
    ParticleFrame frame;
    ParticleOptions options;
    options.sinceZero = false;
    options.maxAge = 1e3;
    PlaceParticles(pass->times, 1e3, options, frame);
    const double end = c2->pathT.back();
    EXPECT_TRUE(std::isfinite(end));
    for (const Particle& q : frame.particles) {
      if (pass->times.curves[static_cast<std::size_t>(q.curve)].k != 2) continue;
      EXPECT_LE(q.age, end);
      EXPECT_GT(std::hypot(q.ax - c2->ax[0], q.ay - c2->ay[0]), 0.0);
    }
  }
  // Near s the airfoil speed is kappa d at the distance d from it, so the
  // time between two points near it is ln(d1 / d2) / kappa.
  const PassResult& r = coarse->result;
  const FlowFieldModel model(r.params, r.circle);
  const double g = r.circle.Gm / 2.0, A = r.circle.A;
  const Complex s(-std::sqrt(A * A - g * g), -g);
  const double d2F = std::abs(2.0 * A * A / (s * s * s) - Complex(0.0, r.circle.Gm) / (s * s));
  const Complex z =
      Complex(r.circle.xc, r.circle.yc) + Complex(r.circle.CosAlfa, r.circle.SinAlfa) * s;
  const double kappa = d2F / std::norm(1.0 - model.cJ() * model.cJ() / (z * z));
  const CurveTimes& c = *fine->Curve(2);
  const auto distance = [&](std::size_t j) {
    return std::hypot(c.ax[j] - c.ax[0], c.ay[j] - c.ay[0]);
  };
  for (std::size_t j : {std::size_t{2}, std::size_t{5}, std::size_t{10}}) {
    const double law = std::log(distance(j) / distance(1)) / kappa;
    EXPECT_NEAR(c.t[1] - c.t[j], law, kLogGrowth * law) << "point " << j + 1;
  }
}

}  // namespace
}  // namespace fluvenna
