// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A session with a NACA section or a file's profile: every view draws, a
// refused source changes nothing, and Joukowski again gives the designed
// numbers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <sstream>
#include <string>

#include "flow/profile_table.h"
#include "session/pass_session.h"
#include "tests/plot/recording_surface.h"

namespace fluvenna {
namespace {

using testing::RecordingSurface;

void LoadCommittedTable(PassSession& session) {
  const std::string path = std::string(FLUVENNA_SOURCE_DIR) + "/data/" + kProfileTableFileName;
  ASSERT_FALSE(LoadProfileTableFile(session.Table(), path).has_value());
}

ParameterTexts Texts(const char* alpha = "4") {
  ParameterTexts texts;
  texts.DELTA = "0.1";
  texts.GAMA = "0.05";
  texts.Alfa = alpha;
  texts.kMax = "10";
  return texts;
}

// The NACA 4412 points in Selig order, from its own generator's code path
// (the session's NACA profile), written as a file's text.
std::string SeligText(const LoadedProfile& profile, const std::string& name) {
  std::ostringstream text;
  text << std::setprecision(17) << name << '\n';
  for (std::size_t i = 0; i < profile.contour.x.size(); ++i) {
    text << profile.contour.x[i] << ' ' << profile.contour.y[i] << '\n';
  }
  return text.str();
}

// Through any profile's map the summary's times at the station are the same
// whether worked out alone or taken from every point's times, and the
// session works out only what it is asked for.
TEST(ProfileSession, StationTimesAloneMatchTheWholeTimesThroughTheMap) {
  for (const ProfileSource& source :
       {ProfileSource::Naca("4412"), ProfileSource::Naca("23012"), ProfileSource::Naca("0012")}) {
    PassSession alone, whole;
    LoadCommittedTable(alone);
    LoadCommittedTable(whole);
    ASSERT_FALSE(alone.SetProfile(source));
    ASSERT_FALSE(whole.SetProfile(source));
    SCOPED_TRACE(alone.Profile()->contour.report.name);
    RecordingSurface a1, a2, w1, w2;
    ASSERT_TRUE(alone.Run(Texts("6"), a1, a2).ok());
    ASSERT_TRUE(whole.Run(Texts("6"), w1, w2).ok());
    const StationCrossings* fromAlone = alone.StationTimes();
    ASSERT_NE(whole.Times(), nullptr);
    const StationCrossings* fromWhole = whole.StationTimes();
    ASSERT_TRUE(fromAlone && fromWhole);
    EXPECT_EQ(alone.Work().timesOfFlight, 0);
    EXPECT_EQ(alone.Work().stationTimes, 1);
    EXPECT_EQ(whole.Work().timesOfFlight, 1);
    EXPECT_EQ(whole.Work().stationTimes, 0);
    EXPECT_EQ(fromAlone->releaseX, fromWhole->releaseX);
    EXPECT_EQ(fromAlone->stationX, fromWhole->stationX);
    ASSERT_EQ(fromAlone->pairs.size(), 4u);
    ASSERT_EQ(fromWhole->pairs.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
      ASSERT_TRUE(fromAlone->pairs[i].upper && fromAlone->pairs[i].lower);
      EXPECT_EQ(fromAlone->pairs[i].upper, fromWhole->pairs[i].upper);
      EXPECT_EQ(fromAlone->pairs[i].lower, fromWhole->pairs[i].lower);
    }
    EXPECT_EQ(alone.TimesText(), whole.TimesText());
  }
}

TEST(ProfileSession, Naca4412DrawsEveryView) {
  PassSession session;
  LoadCommittedTable(session);
  ASSERT_FALSE(session.SetProfile(ProfileSource::Naca("4412")));
  ASSERT_NE(session.Profile(), nullptr);
  EXPECT_EQ(session.Profile()->contour.report.name, "NACA 4412");
  EXPECT_NE(session.ProfileText().find("NACA 4412"), std::string::npos);

  RecordingSurface picture1, picture2, pressure;
  ASSERT_TRUE(session.Run(Texts(), picture1, picture2, &pressure).ok());
  EXPECT_TRUE(session.PressureDrawn());
  EXPECT_NE(session.Status().text.find("NACA 4412"), std::string::npos) << session.Status().text;
  EXPECT_FALSE(picture1.ops.empty());
  EXPECT_FALSE(picture2.ops.empty());
  const ShownPass* shown = session.Shown();
  ASSERT_NE(shown, nullptr);
  // C_L of the circulation, of the pressure and of the lift curve agree.
  const double cl = 2.0 * shown->result.circle.Circ / shown->profile.chord;
  EXPECT_NEAR(cl, 0.9, 0.15);  // NACA 4412 at 4 degrees, inviscid
  ASSERT_TRUE(shown->pressure.CL);
  EXPECT_NEAR(*shown->pressure.CL, cl, 2e-3);
  ASSERT_TRUE(shown->lift.passPoint);
  EXPECT_NEAR(shown->lift.points[*shown->lift.passPoint].cl, cl, 1e-12);

  RecordingSurface lift, friction, polar, field, motion, map, again1, again2;
  EXPECT_TRUE(session.DrawLift(lift));
  EXPECT_TRUE(session.DrawShownPressure(pressure));
  EXPECT_TRUE(session.DrawFriction(friction));
  EXPECT_TRUE(session.DrawPolar(polar));
  EXPECT_TRUE(session.DrawField(field, FieldColouring::kCp, 300, 200));
  EXPECT_TRUE(session.DrawMotion(motion, 1.0, ParticleOptions{}, true, 300, 200));
  EXPECT_TRUE(session.DrawMap(map, 0.5, 300, 200));
  EXPECT_TRUE(session.DrawShownAgain(again1, again2));
  EXPECT_EQ(again2.ops.size(), picture2.ops.size());
  ASSERT_NE(session.Times(), nullptr);
  EXPECT_FALSE(session.TimesCsv().empty());
  const BoundaryLayer* layer = session.BoundaryLayerOfShown();
  ASSERT_NE(layer, nullptr);
  EXPECT_TRUE(layer->computed());
  EXPECT_NE(session.MapText().find("pre-map"), std::string::npos) << session.MapText();
  const auto probe = session.Probe(FieldPlane::kAirfoil, 0.5, 0.3);
  ASSERT_TRUE(probe);
  EXPECT_EQ(probe->state, FieldState::kFlow);
  EXPECT_FALSE(session.LiftCurveCsv().empty());
  EXPECT_FALSE(session.SurfaceCsv().empty());
}

TEST(ProfileSession, RefusalKeepsTheProfileAndJoukowskiRestoresTheDesign) {
  PassSession designed, session;
  LoadCommittedTable(designed);
  LoadCommittedTable(session);
  RecordingSurface a, b;
  ASSERT_TRUE(designed.Run(Texts(), a, b).ok());

  ASSERT_FALSE(session.SetProfile(ProfileSource::Naca("2412")));
  ASSERT_TRUE(session.Run(Texts(), a, b).ok());
  const double naca = session.Shown()->result.circle.Circ;

  // A code that is not 4 or 5 digits, and a file with a bad line: refused in
  // one sentence naming the line, the NACA 2412 profile kept.
  session.SetLanguage(Language::kEnglish);
  const auto code = session.SetProfile(ProfileSource::Naca("12"));
  ASSERT_TRUE(code);
  EXPECT_EQ(code->find('\n'), std::string::npos);
  const auto file = session.SetProfile(ProfileSource::File("name\n1 0\n0.5 x\n", "bad.dat"));
  ASSERT_TRUE(file);
  EXPECT_NE(file->find("Line 3"), std::string::npos) << *file;
  session.SetLanguage(Language::kTurkish);
  const auto turkish = session.SetProfile(ProfileSource::File("", "empty.dat"));
  ASSERT_TRUE(turkish);
  EXPECT_NE(*turkish, *session.SetProfile(ProfileSource::Naca("")));
  ASSERT_NE(session.Profile(), nullptr);
  EXPECT_EQ(session.Profile()->contour.report.name, "NACA 2412");
  ASSERT_TRUE(session.Run(Texts(), a, b).ok());
  EXPECT_EQ(session.Shown()->result.circle.Circ, naca);

  // The same profile as a file gives the same lift to 1e-6.
  const std::string text = SeligText(*session.Profile(), "NACA 2412 as a file");
  ASSERT_FALSE(session.SetProfile(ProfileSource::File(text, "n2412.dat")));
  ASSERT_TRUE(session.Run(Texts(), a, b).ok());
  EXPECT_NEAR(session.Shown()->result.circle.Circ, naca, 1e-6 * std::fabs(naca));

  // Joukowski again: the designed numbers exactly.
  session.SetLanguage(Language::kEnglish);
  ASSERT_FALSE(session.SetProfile(ProfileSource::Joukowski()));
  EXPECT_EQ(session.Profile(), nullptr);
  EXPECT_EQ(session.ProfileText(), "");
  ASSERT_TRUE(session.Run(Texts(), a, b).ok());
  EXPECT_EQ(session.Shown()->result.circle.Circ, designed.Shown()->result.circle.Circ);
  EXPECT_EQ(session.Status().text, designed.Status().text);
  EXPECT_EQ(session.Csv(), designed.Csv());
  EXPECT_EQ(session.SurfaceCsv(), designed.SurfaceCsv());
}

// The plots of a profile with its leading edge at the origin and a chord of
// 1 are centred as the designed ones are about theirs: on the circle's
// centre, near mid-chord, so that the whole profile and the streamlines'
// starts lie inside every plot, with the same room at either end; the
// designed profile's plots stay centred on the origin.
TEST(ProfileSession, AnyProfileIsCentredInEveryPlot) {
  PassSession session;
  LoadCommittedTable(session);
  ASSERT_FALSE(session.SetProfile(ProfileSource::Naca("4412")));
  RecordingSurface picture1, picture2, field, motion, map;
  ASSERT_TRUE(session.Run(Texts(), picture1, picture2).ok());
  const double c = session.Shown()->result.circle.map->CircleCentre().real();
  EXPECT_GT(c, 0.4);
  EXPECT_LT(c, 0.6);
  ASSERT_TRUE(session.DrawField(field, FieldColouring::kCp, 300, 200));
  ASSERT_TRUE(session.DrawMotion(motion, 1.0, ParticleOptions{}, true, 300, 200));
  ASSERT_TRUE(session.DrawMap(map, 1.0, 300, 200));
  const double Olcek = session.Shown()->result.params.Olcek;
  for (const RecordingSurface* surface : {&picture1, &picture2, &field, &motion, &map}) {
    const auto scale = std::find_if(surface->ops.begin(), surface->ops.end(), [](const auto& op) {
      return op.kind == RecordingSurface::kScale;
    });
    ASSERT_NE(scale, surface->ops.end());
    EXPECT_NEAR(scale->a[0], c - Olcek, 1e-12);
  }
  // The profile in the airfoil plot: from about 0 to 1, with room on both sides.
  double left = 1e9, right = -1e9;
  for (const auto& op : picture2.ops) {
    if (op.kind != RecordingSurface::kLine || op.colour != kBodyColour) continue;
    left = std::min({left, op.a[0], op.a[2]});
    right = std::max({right, op.a[0], op.a[2]});
  }
  EXPECT_NEAR(left, 0.0, 1e-3);
  EXPECT_NEAR(right, 1.0, 1e-3);
  EXPECT_NEAR((left - (c - Olcek)) / ((c + Olcek) - right), 1.0, 0.25);

  ASSERT_FALSE(session.SetProfile(ProfileSource::Joukowski()));
  RecordingSurface designed1, designed2;
  ASSERT_TRUE(session.Run(Texts(), designed1, designed2).ok());
  EXPECT_EQ(designed2.ops.front().kind, RecordingSurface::kCls);
  EXPECT_EQ(designed2.ops[1].kind, RecordingSurface::kScale);
  EXPECT_EQ(designed2.ops[1].a[0], -Olcek);
  EXPECT_EQ(designed2.ops[1].a[2], Olcek);
}

}  // namespace
}  // namespace fluvenna
