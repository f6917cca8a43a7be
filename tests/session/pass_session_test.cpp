// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A session answers "nothing yet" to every question before it has a pass
// drawn whole, and afterwards answers about that pass alone.
#include "session/pass_session.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "flow/profile_table.h"
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

}  // namespace
}  // namespace fluvenna
