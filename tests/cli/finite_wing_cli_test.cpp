// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The finite wing as the renderer and the session give it: the summary's
// keys and the stations' CSV carry the session's numbers, PREFIX-wing is
// written, bad shapes are refused with one sentence, and the session works
// the wing out only when asked.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "cli_test_support.h"
#include "plot/unpainted_surface.h"
#include "report/finite_wing_report.h"
#include "report/number_text.h"
#include "session/pass_session.h"

namespace fluvenna {
namespace {

const QStringList kPass = {"--delta", "0.1", "--gamma", "0.05", "--alpha", "5"};

// The session's wing for the same pass and shape.
struct SessionWing {
  PassSession session;
  const FiniteWingAnalysis* wing = nullptr;
  SessionWing(const testing::TableFolder& folder, double AR, const char* planform, double taper,
              double washout) {
    EXPECT_FALSE(LoadProfileTableFile(session.Table(), folder.TablePath().toStdString()));
    ParameterTexts texts;
    texts.DELTA = "0.1";
    texts.GAMA = "0.05";
    texts.Alfa = "5";
    UnpaintedSurface a, b;
    EXPECT_TRUE(session.Run(texts, a, b).ok());
    EXPECT_FALSE(session.FiniteWing().Set(AR, planform, taper, washout));
    wing = session.FiniteWing().Analysis();
  }
};

TEST(FiniteWingCli, SummaryAndCsvCarryTheSessionsNumbers) {
  const testing::TableFolder folder;
  const QString csvPath = folder.Path("wing.csv");
  const testing::Run run =
      testing::RenderWith(folder, kPass + QStringList{"--wing", "8", "--taper", "0.4", "--washout",
                                                      "2", "--json", "--wing-csv", csvPath});
  ASSERT_EQ(run.status, kExitPassOk) << run.err;
  const QJsonObject json = QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
  const SessionWing expected(folder, 8.0, "tapered", 0.4, 2.0);
  const FiniteWingAnalysis& w = *expected.wing;
  ASSERT_TRUE(w.ok() && w.state.e && w.CD && w.stall);
  EXPECT_EQ(json["wing_AR"].toDouble(), 8.0);
  EXPECT_EQ(json["wing_C_L"].toDouble(), w.state.CL);
  EXPECT_EQ(json["wing_C_Di"].toDouble(), w.state.CDi);
  EXPECT_EQ(json["wing_e"].toDouble(), *w.state.e);
  EXPECT_EQ(json["wing_C_D"].toDouble(), *w.CD);
  EXPECT_EQ(json["wing_lift_slope"].toDouble(), w.liftSlope);
  EXPECT_EQ(json["wing_stall_eta"].toDouble(), w.stall->eta);
  EXPECT_NEAR(json["wing_stall_alpha_deg"].toDouble(), w.stall->alphaRoot * 180.0 / M_PI, 1e-12);
  EXPECT_TRUE(json.contains("C_L"));  // the pass's own summary is still whole

  QFile file(csvPath);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  std::istringstream in(file.readAll().toStdString());
  std::string line;
  std::getline(in, line);
  EXPECT_EQ(line, "eta,y,chord,cl,gamma,alpha_i_deg,cd_profile");
  std::vector<std::vector<double>> rows;
  for (; std::getline(in, line);) {
    std::vector<double> row;
    std::istringstream cells(line);
    for (std::string cell; std::getline(cells, cell, ',');) row.push_back(std::stod(cell));
    ASSERT_EQ(row.size(), 7u) << line;  // every station has its profile drag here
    rows.push_back(row);
  }
  ASSERT_EQ(rows.size(), static_cast<std::size_t>(kWingStations) + 1);
  EXPECT_EQ(rows.front()[0], -1.0);
  EXPECT_EQ(rows.back()[0], 1.0);
  EXPECT_EQ(rows.back()[1], 4.0);  // y at the tip: b/2 = AR/2 mean chords
  for (std::size_t j = 0; j < rows.size(); ++j) {
    const std::vector<double>& r = rows[j];
    EXPECT_NEAR(r[4], rows[rows.size() - 1 - j][4], 1e-12);  // symmetric
    EXPECT_NEAR(2.0 * r[4], r[2] * r[3], 1e-12);  // c c_l / c_mean = 2 Gamma / (V c_mean)
    EXPECT_GT(r[6], 0.0);
  }
}

TEST(FiniteWingCli, PicturesAndTextSummary) {
  const testing::TableFolder folder;
  const QString prefix = folder.Path("run");
  const testing::Run run = testing::RenderWith(
      folder, kPass + QStringList{"--wing", "3", "--planform", "elliptic", "--png", prefix});
  ASSERT_EQ(run.status, kExitPassOk) << run.err;
  EXPECT_TRUE(QFileInfo(prefix + "-wing.png").size() > 10000);
  EXPECT_NE(run.out.find("wing_e 1"), std::string::npos) << run.out;  // elliptic
  EXPECT_NE(run.out.find("wing_stall_eta 0\n"), std::string::npos);   // uniform c_l: the root
  EXPECT_NE(run.out.find("lifting-line theory overestimates"), std::string::npos);
  EXPECT_NE(run.out.find("AR 3, elliptic, washout 0°"), std::string::npos);
  // Without --wing no picture, no keys.
  const testing::Run plain =
      testing::RenderWith(folder, kPass + QStringList{"--png", prefix + "2"});
  EXPECT_FALSE(QFileInfo::exists(prefix + "2-wing.png"));
  EXPECT_EQ(plain.out.find("wing_"), std::string::npos);
}

TEST(FiniteWingCli, RefusesBadShapesWithOneSentence) {
  const std::pair<QStringList, std::string> cases[] = {
      {{"--wing", "0.5"}, "The aspect ratio must lie between 1 and 30."},
      {{"--wing", "31"}, "The aspect ratio must lie between 1 and 30."},
      {{"--wing", "nan"}, "The wing's aspect ratio, taper and washout must be finite numbers."},
      {{"--wing", "inf"}, "The wing's aspect ratio, taper and washout must be finite numbers."},
      {{"--wing", "8", "--taper", "1.2"}, "The taper ratio must lie between 0 and 1."},
      {{"--wing", "8", "--taper", "x"},
       "The wing's aspect ratio, taper and washout must be finite numbers."},
      {{"--wing", "8", "--washout", "-11"}, "The washout must lie between -10° and 10°."},
      {{"--wing", "8", "--planform", "swept"},
       "The planform must be rectangular, tapered or elliptic."},
      {{"--taper", "0.5"}, "--planform, --taper, --washout and --wing-csv need --wing"},
  };
  for (const auto& [arguments, sentence] : cases) {
    const ParsedCommandLine parsed = testing::Parse(arguments);
    EXPECT_EQ(parsed.action, ParsedCommandLine::Action::kUsageError) << sentence;
    EXPECT_NE(parsed.text.find(sentence), std::string::npos) << parsed.text;
    EXPECT_EQ(parsed.text.find('\n'), std::string::npos);
  }
}

// The wing is worked out when asked for, once per pass and shape; a refused
// shape changes nothing.
TEST(FiniteWingSession, WorkedOutOnlyWhenAsked) {
  const testing::TableFolder folder;
  PassSession session;
  ASSERT_FALSE(LoadProfileTableFile(session.Table(), folder.TablePath().toStdString()));
  FiniteWingView& wing = session.FiniteWing();
  EXPECT_EQ(wing.Analysis(), nullptr);
  EXPECT_EQ(wing.Line(), "");
  EXPECT_EQ(wing.Csv(), "eta,y,chord,cl,gamma,alpha_i_deg,cd_profile\n");
  ParameterTexts texts;
  texts.DELTA = "0.1";
  texts.GAMA = "0.05";
  UnpaintedSurface a, b;
  ASSERT_TRUE(session.Run(texts, a, b).ok());
  EXPECT_EQ(wing.Analyses(), 0);
  const std::string first = wing.Line();
  EXPECT_EQ(wing.Line(), first);
  EXPECT_EQ(wing.Analyses(), 1);
  EXPECT_TRUE(wing.Set(40.0, "rectangular", 1.0, 0.0));
  EXPECT_TRUE(wing.Set(8.0, "delta", 1.0, 0.0));
  EXPECT_EQ(wing.Shape().aspectRatio, 8.0);
  EXPECT_EQ(wing.Line(), first);
  EXPECT_EQ(wing.Analyses(), 1);
  EXPECT_FALSE(wing.Set(8.0, "rectangular", 1.0, 0.0));  // the same shape: nothing to redo
  EXPECT_EQ(wing.Analyses(), 1);
  texts.Alfa = "3";
  ASSERT_TRUE(session.Run(texts, a, b).ok());
  EXPECT_NE(wing.Line(), first);
  EXPECT_EQ(wing.Analyses(), 2);
  ASSERT_FALSE(session.SetReynolds(3e6));
  wing.Line();
  EXPECT_EQ(wing.Analyses(), 3);
  // With a wing group, the whole wing's forces: q S C with S = AR c^2.
  ASSERT_FALSE(session.SetWing(Wing{50.0, 0.3, 0.0}));
  const FiniteWingAnalysis& analysis = *wing.Analysis();
  const WingFlow& flow = *session.CurrentWing();
  const double lift = flow.dynamicPressure * 8.0 * 0.3 * 0.3 * analysis.state.CL;
  EXPECT_NE(wing.Line().find("Wing of span 2.40 m: L = " + FixedText(lift, 1) + " N"),
            std::string::npos)
      << wing.Line();
  EXPECT_NEAR(WingForce(flow, 8.0, analysis.state.CL),
              0.5 * flow.air.density * 50.0 * 50.0 * (8.0 * 0.3 * 0.3) * analysis.state.CL, 1e-9);
  session.SetLanguage(Language::kTurkish);
  EXPECT_EQ(*wing.Set(8.0, "delta", 1.0, 0.0),
            "Kanat biçimi dikdörtgen, sivrilen ya da eliptik olmalıdır.");
}

}  // namespace
}  // namespace fluvenna
