// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A session answers "nothing yet" to every question before it has a pass
// drawn whole, and afterwards answers about that pass alone.
#include "session/pass_session.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "flow/profile_table.h"
#include "plot/particles_picture.h"
#include "report/curves_csv.h"
#include "report/field_text.h"
#include "tests/plot/recording_surface.h"

namespace fluvenna {
namespace {

using testing::RecordingSurface;

void LoadCommittedTable(PassSession& session) {
  const std::string path = std::string(FLUVENNA_SOURCE_DIR) + "/data/" + kProfileTableFileName;
  ASSERT_FALSE(LoadProfileTableFile(session.Table(), path).has_value());
}

ParameterTexts Texts(const char* nSL, const char* dR = "0.01") {
  ParameterTexts texts;
  texts.DELTA = "0.1";
  texts.GAMA = "0.05";
  texts.Alfa = "6";
  texts.kMax = nSL;
  texts.dR = dR;
  return texts;
}

// Every question a front end may put, asked of a session that has no pass
// drawn whole: each answers with its "nothing" and draws nothing.
void ExpectNothingYet(PassSession& session) {
  EXPECT_EQ(session.Shown(), nullptr);
  EXPECT_EQ(session.Times(), nullptr);
  EXPECT_EQ(session.TimesCsv(), "plane,curve,point,psi,x,y,q,t\n");
  EXPECT_EQ(session.TimesText(), "");
  EXPECT_FALSE(session.Probe(FieldPlane::kAirfoil, 0.3, 0.1).has_value());
  EXPECT_FALSE(session.Probe(FieldPlane::kCircle, 0.0, 2.0).has_value());
  EXPECT_EQ(session.ProbeText(600, 263, 100, 100), "");
  EXPECT_EQ(session.FieldCsv(600, 263), std::string(kFieldCsvHeader) + "\n");
  std::ostringstream noCurves;
  WriteCurvesCsv(PassCurves(), noCurves);
  EXPECT_EQ(session.Csv(), noCurves.str());
  EXPECT_EQ(session.PressureText(), "");
  EXPECT_EQ(session.LiftText(), "");
  EXPECT_EQ(session.SurfaceCsv().find('\n') + 1, session.SurfaceCsv().size());  // header only
  EXPECT_EQ(session.LiftCurveCsv().find('\n') + 1, session.LiftCurveCsv().size());

  RecordingSurface one, two, three;
  EXPECT_FALSE(session.DrawShownAgain(one, two));
  EXPECT_FALSE(session.DrawShownPressure(one));
  EXPECT_FALSE(session.DrawLift(one));
  EXPECT_FALSE(session.DrawField(one, FieldColouring::kCp, 600, 263));
  EXPECT_FALSE(session.DrawMotion(three, 1.0, ParticleOptions{}, true, 600, 263));
  EXPECT_TRUE(one.ops.empty() && two.ops.empty() && three.ops.empty());
}

TEST(PassSession, AnswersNothingYetUntilAPassIsDrawnWhole) {
  PassSession session;
  LoadCommittedTable(session);
  EXPECT_FALSE(session.Last().has_value());
  EXPECT_EQ(session.Passes(), 0);
  {
    SCOPED_TRACE("before the first pass");
    ExpectNothingYet(session);
  }

  // A first pass that ends with an error (dR = 0) leaves nothing to show.
  RecordingSurface picture1, picture2;
  EXPECT_FALSE(session.Run(Texts("6", "0"), picture1, picture2).ok());
  EXPECT_EQ(session.Passes(), 1);
  ASSERT_TRUE(session.Last().has_value());
  {
    SCOPED_TRACE("after a failed first pass");
    ExpectNothingYet(session);
  }

  // A pass drawn whole answers every question about itself.
  ASSERT_TRUE(session.Run(Texts("6"), picture1, picture2).ok());
  ASSERT_NE(session.Shown(), nullptr);
  ASSERT_NE(session.Times(), nullptr);
  EXPECT_EQ(session.Times()->curves.size(), 6u);
  EXPECT_NE(session.TimesText().find("pair 2 "), std::string::npos) << session.TimesText();
  EXPECT_TRUE(session.Probe(FieldPlane::kAirfoil, 0.3, 0.1).has_value());
  RecordingSurface motion;
  EXPECT_TRUE(session.DrawMotion(motion, 1.0, ParticleOptions{}, true, 600, 263));
  EXPECT_FALSE(motion.Lines(RGB(0, 0, 0)).empty());
}

// The times of flight are of the pass shown: a new pass drawn whole
// replaces them, a failed one keeps them.
TEST(PassSession, TimesOfFlightFollowThePassShown) {
  PassSession fresh, session;
  LoadCommittedTable(fresh);
  LoadCommittedTable(session);
  RecordingSurface a, b;
  ASSERT_TRUE(session.Run(Texts("4"), a, b).ok());
  const std::string four = session.TimesCsv();
  ASSERT_TRUE(session.Run(Texts("8"), a, b).ok());
  const std::string eight = session.TimesCsv();
  EXPECT_NE(eight, four);
  ASSERT_TRUE(fresh.Run(Texts("8"), a, b).ok());
  EXPECT_EQ(eight, fresh.TimesCsv());
  EXPECT_EQ(session.TimesText(), fresh.TimesText());
  EXPECT_FALSE(session.Run(Texts("4", "0"), a, b).ok());
  EXPECT_EQ(session.TimesCsv(), eight);
}

// Timelines are broken exactly where a join between neighbouring particles
// would cut through the body (looked at in kJoinLooks places along it):
// every other join is drawn, and no drawn join has a place inside the body.
TEST(PassSession, TimelinesBreakOnlyWhereAJoinCrossesTheBody) {
  constexpr int kJoinLooks = 8;
  int crossingJoins = 0;
  for (const char* nSL : {"2", "5", "10", "20"}) {
    PassSession session;
    LoadCommittedTable(session);
    RecordingSurface a, b;
    ASSERT_TRUE(session.Run(Texts(nSL), a, b).ok());
    const FlowFieldModel& field = session.Shown()->field;
    const auto crosses = [&](double x1, double y1, double x2, double y2) {
      for (int i = 1; i < kJoinLooks; ++i) {
        const double f = static_cast<double>(i) / kJoinLooks;
        if (field.At(FieldPlane::kAirfoil, x1 + f * (x2 - x1), y1 + f * (y2 - y1)).state ==
            FieldState::kInsideBody) {
          return true;
        }
      }
      return false;
    };
    for (int tenth = 2; tenth <= 30; ++tenth) {
      const double T = tenth / 10.0;
      SCOPED_TRACE(::testing::Message() << "nSL " << nSL << ", T " << T);
      const ParticleOptions options{0.25, true, 0.0};
      ParticleFrame whole;  // the timelines before they are broken
      PlaceParticles(*session.Times(), T, options, whole);
      int joins = 0;
      for (const TimelinePiece& piece : whole.timelines) {
        for (int j = 1; j < piece.count; ++j) {
          const Particle& p = whole.particles[whole.timelinePoints[piece.first + j - 1]];
          const Particle& q = whole.particles[whole.timelinePoints[piece.first + j]];
          if (crosses(p.ax, p.ay, q.ax, q.ay)) {
            ++crossingJoins;
          } else {
            ++joins;
          }
        }
      }
      RecordingSurface motion;
      ASSERT_TRUE(session.DrawMotion(motion, T, options, true, 700, 263));
      const auto drawn = motion.Lines(kTimelineColour);
      EXPECT_EQ(static_cast<int>(drawn.size()), joins);
      for (const auto& line : drawn) {
        EXPECT_FALSE(crosses(line.a[0], line.a[1], line.a[2], line.a[3]))
            << line.a[0] << "," << line.a[1] << " to " << line.a[2] << "," << line.a[3];
      }
    }
  }
  EXPECT_GT(crossingJoins, 10) << "too few joins cross the body to tell";
}

#if defined(__x86_64__)
// Whether this thread's upper halves of the AVX registers are in use (bit 2
// of XINUSE, which xgetbv reads with ecx = 1 where the processor can).
bool UpperVectorStateInUse() {
  unsigned eax = 0, edx = 0;
  asm volatile("xgetbv" : "=a"(eax), "=d"(edx) : "c"(1));
  return (eax >> 2) & 1u;
}

// After code built for AVX has left the upper halves in use (as Qt's
// command-line parser does), each costly computation of the session clears
// them before it starts, so that the pass's SSE code does not pay for a
// state transition on every instruction (the drag polar took 15 times as
// long).
TEST(PassSession, CostlyComputationsStartWithTheUpperVectorStateCleared) {
  unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
  asm volatile("cpuid" : "=a"(eax), "=b"(ebx), "=c"(ecx), "=d"(edx) : "a"(0xD), "c"(1));
  if (!__builtin_cpu_supports("avx") || !(eax & 4u)) {
    GTEST_SKIP() << "no AVX, or no way to read XINUSE";
  }
  const auto dirty = [] {
    asm volatile("vpcmpeqd %%ymm1, %%ymm1, %%ymm1" ::: "xmm1");
    ASSERT_TRUE(UpperVectorStateInUse());
  };
  PassSession session;
  LoadCommittedTable(session);
  RecordingSurface a, b, pressure, field;
  dirty();
  ASSERT_TRUE(session.Run(Texts("6"), a, b, &pressure).ok());
  EXPECT_FALSE(UpperVectorStateInUse()) << "the pass";
  dirty();
  ASSERT_NE(session.Times(), nullptr);
  EXPECT_FALSE(UpperVectorStateInUse()) << "the time of flight";
  dirty();
  ASSERT_NE(session.PolarOfShown(), nullptr);
  EXPECT_FALSE(UpperVectorStateInUse()) << "the drag polar";
  dirty();
  ASSERT_TRUE(session.DrawField(field, FieldColouring::kCp, 60, 40));
  EXPECT_FALSE(UpperVectorStateInUse()) << "the field";
}
#endif

}  // namespace
}  // namespace fluvenna
