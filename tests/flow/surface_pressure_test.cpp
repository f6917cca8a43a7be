// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Surface speed and pressure of a pass, checked against what the flow must
// satisfy: the lift of the circulation, symmetry, the stagnation point the
// tracing finds, and the velocity potential along the surface.
#include "flow/surface_pressure.h"

#include <gtest/gtest.h>

#include "committed_table.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

#include "flow/pass.h"
#include "flow/profile_table.h"

namespace fluvenna {
namespace {

constexpr double kLiftAgreement = 0.005;  // integrated C_L against 2 Circ / (U0 chord), relative
constexpr double kMirror = 1e-12;         // the two surfaces of a symmetric profile
constexpr double kEdgeStation = 1e-12;    // x/c of the two edges
constexpr double kStagnationCp = 1e-4;    // Cp at the stagnation sample, from 1
constexpr double kPotentialSpeed = 1e-3;  // q against dPhi/ds on a fine surface, relative
constexpr double kEdgeLimit = 1e-4;       // trailing-edge limit against its neighbours

const ProfileTable& Table() {
  return testing::CommittedTable();
}

struct Flow {
  FlowParameters p;
  CircleModel c;
};

Flow FromOffsets(double Eps, double Mu, double Alfa, double iKutta = 1.0) {
  Flow f;
  f.p = ReadParameters(ParameterTexts{}, ProfileTable{});
  f.p.Eps = Eps, f.p.Mu = Mu, f.p.Alfa = Alfa, f.p.iKutta = iKutta;
  f.c = ComputeCircleModel(f.p);
  return f;
}

ParameterTexts Texts(const char* delta, const char* gamma, const char* alpha,
                     const char* kutta = "1") {
  ParameterTexts t;
  t.DELTA = delta, t.GAMA = gamma, t.Alfa = alpha, t.iKutta = kutta;
  return t;
}

Flow FromTable(const ParameterTexts& texts) {
  Flow f;
  f.p = ReadParameters(texts, Table());
  EXPECT_GT(f.p.profileRow, 0) << texts.DELTA << ", " << texts.GAMA;
  f.c = ComputeCircleModel(f.p);
  return f;
}

double StatusLineLift(const Flow& f, const SurfacePressure& s) {
  return LiftCoefficient(f.c.Circ, f.p.U0, s.chord);
}

// With the Kutta factor 1 the pressure integrated round the surface gives the
// Kutta-Joukowski lift 2 Circ / (U0 chord): the worked example and a dozen
// table rows and angles over the scroll bars' range, negative lift included.
TEST(SurfacePressure, IntegratedLiftEqualsTheCirculationsLift) {
  std::vector<std::pair<std::string, Flow>> cases;
  cases.emplace_back("Eps 0.1, Mu 0.05, alpha 10", FromOffsets(0.1, 0.05, 10.0));
  const char* rows[][3] = {{"0.01", "0", "5"},     {"0.12", "0.04", "8"},  {"0.3", "0.14", "30"},
                           {"0.3", "0", "-10"},    {"0.05", "0.1", "0"},   {"0.2", "0.07", "15"},
                           {"0.08", "0.02", "-5"}, {"0.15", "0.12", "20"}, {"0.25", "0.05", "3"},
                           {"0.02", "0.06", "12"}, {"0.1", "0", "25"},     {"0.18", "0.1", "-10"},
                           {"0.01", "0", "30"}};
  for (const auto& row : rows) {
    cases.emplace_back(std::string("delta ") + row[0] + ", gamma " + row[1] + ", alpha " + row[2],
                       FromTable(Texts(row[0], row[1], row[2])));
  }
  for (const auto& [name, f] : cases) {
    SCOPED_TRACE(name);
    const SurfacePressure s = ComputeSurfacePressure(f.p, f.c);
    ASSERT_GE(s.points.size(), 200u);
    ASSERT_TRUE(s.trailingEdgeKept);
    ASSERT_TRUE(s.CL.has_value());
    const double expected = StatusLineLift(f, s);
    EXPECT_NEAR(*s.CL, expected, kLiftAgreement * std::fabs(expected));
    for (const SurfacePoint& point : s.points) EXPECT_LE(point.Cp, 1.0);
  }
}

// The points run from the trailing edge over the upper surface to the
// leading edge and back, both edges where the profile measure puts them,
// crowded at both edges; the lowest Cp is at most the lowest point's.
TEST(SurfacePressure, PointsRunRoundTheSurfaceCrowdedAtTheEdges) {
  const Flow f = FromTable(Texts("0.12", "0.04", "8"));
  const SurfacePressure s = ComputeSurfacePressure(f.p, f.c);
  const std::size_t n = s.points.size();
  ASSERT_EQ(n % 2, 0u);
  const std::size_t half = n / 2;
  EXPECT_NEAR(s.points.front().xc, 1.0, kEdgeStation);
  EXPECT_NEAR(s.points.back().xc, 1.0, kEdgeStation);
  EXPECT_NEAR(s.points[half - 1].xc, 0.0, kEdgeStation);
  EXPECT_NEAR(s.points[half].xc, 0.0, kEdgeStation);
  EXPECT_NEAR(s.points.front().x, s.trailingX, kEdgeStation);
  EXPECT_NEAR(s.points[half].y, s.leadingY, kEdgeStation);
  double lowest = 1.0;
  for (std::size_t i = 0; i < n; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(s.points[i].side, i < half ? SurfaceSide::kUpper : SurfaceSide::kLower);
    if (i > 0 && i != half) {
      // x/c falls along the upper surface and rises along the lower one.
      if (i < half) {
        EXPECT_LT(s.points[i].xc, s.points[i - 1].xc);
      } else {
        EXPECT_GT(s.points[i].xc, s.points[i - 1].xc);
      }
    }
    if (i < half) {
      EXPECT_GT(s.points[i].y, s.points[n - 1 - i].y - kEdgeStation);
    }
    lowest = std::min(lowest, s.points[i].Cp);
  }
  const auto step = [&](std::size_t i) {
    return std::hypot(s.points[i + 1].x - s.points[i].x, s.points[i + 1].y - s.points[i].y);
  };
  EXPECT_LT(step(0), 0.05 * step(half / 2));
  EXPECT_LT(step(half - 2), 0.2 * step(half / 2));
  EXPECT_LE(s.CpMin, lowest);
  EXPECT_GT(s.CpMin, lowest - 0.01 * std::fabs(lowest));

  // The lowest Cp is searched for between the points: with the fewest points
  // it is the lowest Cp of a surface of fifty times as many.
  SurfacePressureOptions fewest, many;
  fewest.intervalsPerSurface = SurfacePressureOptions::kFewestIntervals;
  many.intervalsPerSurface = 50 * SurfacePressureOptions::kFewestIntervals;
  const SurfacePressure coarse = ComputeSurfacePressure(f.p, f.c, fewest);
  const SurfacePressure fine = ComputeSurfacePressure(f.p, f.c, many);
  EXPECT_NEAR(coarse.CpMin, fine.CpMin, 1e-9 * std::fabs(fine.CpMin));
  EXPECT_NEAR(coarse.CpMinXc, fine.CpMinXc, 1e-6);
}

// A symmetric profile at zero incidence: no circulation, the same Cp at
// mirrored points of the two surfaces, no lift.
TEST(SurfacePressure, SymmetricProfileAtZeroIncidenceHasNoLift) {
  for (const char* delta : {"0.04", "0.12", "0.3"}) {
    SCOPED_TRACE(delta);
    const Flow f = FromTable(Texts(delta, "0", "0"));
    ASSERT_EQ(f.p.Mu, 0.0);
    const SurfacePressure s = ComputeSurfacePressure(f.p, f.c);
    const std::size_t n = s.points.size();
    for (std::size_t i = 0; i < n / 2; ++i) {
      const SurfacePoint& upper = s.points[i];
      const SurfacePoint& lower = s.points[n - 1 - i];
      EXPECT_NEAR(upper.Cp, lower.Cp, kMirror);
      EXPECT_NEAR(upper.xc, lower.xc, kMirror);
      EXPECT_NEAR(upper.y, -lower.y, kMirror);
    }
    ASSERT_TRUE(s.CL.has_value());
    EXPECT_NEAR(*s.CL, 0.0, kMirror);
  }
}

// The front stagnation point (Cp = 1) of the surface is where the tracing
// starts the upstream branch of the dividing streamline, curve 2, whatever
// the circulation.
TEST(SurfacePressure, FrontStagnationPointIsWhereCurve2Starts) {
  const ParameterTexts cases[] = {Texts("0.12", "0.04", "8"), Texts("0.3", "0.14", "20"),
                                  Texts("0.05", "0.1", "-10"), Texts("0.2", "0.07", "15", "0.5"),
                                  Texts("0.2", "0.07", "15", "0")};
  for (const ParameterTexts& texts : cases) {
    SCOPED_TRACE(texts.DELTA + ", " + texts.GAMA + ", " + texts.Alfa + ", " + texts.iKutta);
    auto arrays = std::make_unique<PointArrays>();
    const PassResult pass = RunWholePass(texts, Table(), *arrays);
    ASSERT_TRUE(pass.ok());
    const double x2 = arrays->XP(2, 1), y2 = arrays->YP(2, 1);

    SurfacePressureOptions fine;
    fine.intervalsPerSurface = 2000;
    const SurfacePressure s = ComputeSurfacePressure(pass.params, pass.circle, fine);
    std::size_t top = 1;
    for (std::size_t i = 1; i + 1 < s.points.size(); ++i) {
      if (s.points[i].Cp > s.points[top].Cp) top = i;
    }
    const SurfacePoint& stagnation = s.points[top];
    EXPECT_GT(stagnation.Cp, 1.0 - kStagnationCp);
    const double spacing = std::max(
        std::hypot(s.points[top + 1].x - stagnation.x, s.points[top + 1].y - stagnation.y),
        std::hypot(s.points[top - 1].x - stagnation.x, s.points[top - 1].y - stagnation.y));
    EXPECT_LE(std::hypot(x2 - stagnation.x, y2 - stagnation.y), spacing);
  }
}

// An independent check of the frames and the map's derivative: the speed is
// the rate of change of the velocity potential Phi = 2 U0 A cos(theta) -
// Gm theta along the mapped surface, |dPhi| / |ds| between neighbouring
// points; and the trailing edge's limit continues its neighbours' speeds.
TEST(SurfacePressure, SpeedIsThePotentialsRateAlongTheMappedSurface) {
  const Flow flows[] = {FromOffsets(0.1, 0.05, 10.0), FromTable(Texts("0.3", "0.14", "30")),
                        FromTable(Texts("0.08", "0.02", "-5")),
                        FromTable(Texts("0.2", "0.07", "15", "0.3"))};
  SurfacePressureOptions fine;
  fine.intervalsPerSurface = 2000;
  for (const Flow& f : flows) {
    SCOPED_TRACE(f.p.Alfa);
    const SurfacePressure s = ComputeSurfacePressure(f.p, f.c, fine);
    const auto phi = [&](double theta) {
      return 2.0 * f.p.U0 * f.c.A * std::cos(theta) - f.c.Gm * theta;
    };
    int checked = 0;
    for (std::size_t i = 1; i < s.points.size(); ++i) {
      const SurfacePoint& a = s.points[i - 1];
      const SurfacePoint& b = s.points[i];
      const double ds = std::hypot(b.x - a.x, b.y - a.y);
      const double mean = 0.5 * (a.q + b.q);
      // Skip steps too short to carry digits, and those round a stagnation
      // point, where the speed changes direction along the surface.
      if (a.side != b.side || ds < 1e-4 || mean < 0.01) continue;
      const double rate = std::fabs(phi(b.theta) - phi(a.theta)) / ds;
      EXPECT_NEAR(rate, mean, kPotentialSpeed * std::max(mean, 1.0)) << i;
      ++checked;
    }
    EXPECT_GT(checked, 1000);
    if (s.trailingEdgeKept) {
      EXPECT_NEAR(s.points.front().q, s.points[1].q, kEdgeLimit);
      EXPECT_NEAR(s.points.back().q, s.points[s.points.size() - 2].q, kEdgeLimit);
    }
  }
}

// Other Kutta factors leave the trailing edge out, where the speed grows
// without bound; the integral is still reported. The flat plate has a second
// sharp edge at its nose: left out too, and no integral is claimed.
TEST(SurfacePressure, UnboundedEdgesAreLeftOut) {
  const Flow half = FromTable(Texts("0.12", "0.04", "8", "0.5"));
  const SurfacePressure s = ComputeSurfacePressure(half.p, half.c);
  EXPECT_FALSE(s.trailingEdgeKept);
  EXPECT_EQ(s.points.size(), 400u);
  EXPECT_GT(s.points.front().q, 10.0 * s.points[5].q);
  EXPECT_GT(s.points.back().q, 10.0 * s.points[s.points.size() - 6].q);
  EXPECT_NEAR(s.CpMinXc, 1.0, 1e-3);
  ASSERT_TRUE(s.CL.has_value());
  EXPECT_TRUE(std::isfinite(*s.CL));
  ASSERT_EQ(s.notes.size(), 1u);
  EXPECT_NE(s.notes[0].find("trailing edge"), std::string::npos);

  const Flow plate = FromOffsets(0.0, 0.0, 10.0);
  const SurfacePressure p = ComputeSurfacePressure(plate.p, plate.c);
  EXPECT_TRUE(p.trailingEdgeKept);
  EXPECT_FALSE(p.leadingEdgeKept);
  EXPECT_EQ(p.points.size(), 400u);
  EXPECT_FALSE(p.CL.has_value());
  for (const SurfacePoint& point : p.points) EXPECT_TRUE(std::isfinite(point.Cp));
}

// A typed angle of 550004562534 degrees puts the circle angles near 1e10,
// where one ulp is wider than the lowest-Cp search's tolerance: the search
// must still end, with the lowest Cp of the sampled surface or better.
TEST(SurfacePressure, AnyTypedAngleFinishes) {
  const Flow far = FromOffsets(0.1, 0.05, 550004562534.0);
  const SurfacePressure s = ComputeSurfacePressure(far.p, far.c);
  ASSERT_FALSE(s.points.empty());
  double lowest = s.points.front().Cp;
  for (const SurfacePoint& point : s.points) lowest = std::min(lowest, point.Cp);
  EXPECT_TRUE(std::isfinite(s.CpMin));
  EXPECT_LE(s.CpMin, lowest);
}

}  // namespace
}  // namespace fluvenna
