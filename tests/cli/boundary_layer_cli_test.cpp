// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The boundary layer as the renderer and the session give it: the summary,
// the CSV of the layer and the polar carry the core's numbers and agree
// with each other; bad Re, wing and N_crit are refused with a sentence.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "cli_test_support.h"
#include "flow/atmosphere.h"
#include "flow/boundary_layer.h"
#include "flow/circle_model.h"
#include "flow/profile_geometry.h"
#include "plot/unpainted_surface.h"
#include "session/pass_session.h"

namespace fluvenna {
namespace {

QJsonObject Json(const testing::Run& run) {
  return QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
}

std::vector<std::vector<std::string>> CsvRows(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  std::vector<std::vector<std::string>> rows;
  std::istringstream in(file.readAll().toStdString());
  for (std::string line; std::getline(in, line);) {
    std::vector<std::string> fields;
    std::istringstream cells(line);
    for (std::string cell; std::getline(cells, cell, ',');) fields.push_back(cell);
    if (!line.empty() && line.back() == ',') fields.emplace_back();
    rows.push_back(fields);
  }
  return rows;
}

// The test table's row 1 (Eps = 0.1, Mu = 0) at alpha, as the core sees it.
BoundaryLayer CoreLayer(double alpha, double reynolds) {
  FlowParameters p = ReadParameters(ParameterTexts{}, ProfileTable{});
  p.Eps = 0.1, p.Mu = 0.0, p.Alfa = alpha;
  BoundaryLayerOptions o;
  o.reynolds = reynolds;
  return ComputeBoundaryLayer(p, ComputeCircleModel(p), MeasureProfile(p.Eps, p.Mu), o);
}

// The JSON summary has the core's C_D and transition points; the layer's
// CSV gives back the same C_D by Squire-Young from its trailing-edge rows,
// and the polar's row at the pass's angle the same C_D again.
TEST(BoundaryLayerCli, SummaryCsvAndPolarCarryTheCoreNumbers) {
  const testing::TableFolder folder;
  const QString layerPath = folder.Path("layer.csv"), polarPath = folder.Path("polar.csv");
  const testing::Run run =
      testing::RenderWith(folder, {"--alpha", "3", "--re", "2e6", "--json", "--boundary-layer",
                                   layerPath, "--polar", polarPath});
  ASSERT_EQ(run.status, 0) << run.err;
  const QJsonObject s = Json(run);
  const BoundaryLayer core = CoreLayer(3.0, 2e6);
  ASSERT_TRUE(core.cd.has_value());
  EXPECT_EQ(s["Re"].toDouble(), 2e6);
  EXPECT_EQ(s["C_D"].toDouble(), *core.cd);
  EXPECT_EQ(s["C_D_friction"].toDouble(), *core.cdFriction);
  EXPECT_EQ(s["x_transition_upper"].toDouble(), *core.upper.xTransition);
  EXPECT_EQ(s["x_transition_lower"].toDouble(), *core.lower.xTransition);
  EXPECT_TRUE(s["x_separation_upper"].isNull());
  EXPECT_TRUE(s.contains("x_separation_lower") && s["x_separation_lower"].isNull());
  EXPECT_FALSE(s.contains("lift_per_span_N"));

  const auto layer = CsvRows(layerPath);
  ASSERT_EQ(layer.size(), 1 + core.upper.points.size() + core.lower.points.size());
  const std::vector<std::string> header = {"surface", "point",    "s",     "xc",    "x",
                                           "y",       "ue",       "theta", "dstar", "H",
                                           "cf",      "re_theta", "n",     "regime"};
  EXPECT_EQ(layer[0], header);
  double squireYoung = 0.0;
  for (std::size_t i = 1; i < layer.size(); ++i) {
    ASSERT_EQ(layer[i].size(), header.size());
    const bool last = i + 1 == layer.size() || layer[i + 1][0] != layer[i][0];
    if (!last) continue;
    const double theta = std::stod(layer[i][7]), H = std::stod(layer[i][9]);
    const double ue = std::stod(layer[i][6]);
    squireYoung += 2.0 * theta * std::pow(ue, 0.5 * (H + 5.0));  // chord 1
    EXPECT_EQ(layer[i][13], "turbulent");
  }
  EXPECT_NEAR(squireYoung, *core.cd, 1e-12);

  const auto polar = CsvRows(polarPath);
  EXPECT_EQ(polar[0], (std::vector<std::string>{"alpha_deg", "cl", "cd", "x_transition_upper",
                                                "x_transition_lower", "x_separation_upper"}));
  bool found = false;
  for (const auto& row : polar) {
    if (row[0] != "3") continue;
    found = true;
    EXPECT_EQ(std::stod(row[2]), *core.cd);
    EXPECT_EQ(std::stod(row[1]), s["C_L"].toDouble());
  }
  EXPECT_TRUE(found);
}

// A wing gives Re from the standard atmosphere and the forces per span.
TEST(BoundaryLayerCli, WingGivesReynoldsAndForcesPerSpan) {
  const testing::TableFolder folder;
  const QJsonObject s = Json(testing::RenderWith(
      folder, {"--alpha", "4", "--speed", "40", "--chord", "1.2", "--altitude", "2000", "--json"}));
  const WingFlow wing = *FlowOfWing({40.0, 1.2, 2000.0});
  EXPECT_EQ(s["Re"].toDouble(), wing.reynolds);
  const double q = 0.5 * wing.air.density * 40.0 * 40.0;
  EXPECT_NEAR(s["lift_per_span_N"].toDouble(), q * 1.2 * s["C_L"].toDouble(), 1e-9);
  EXPECT_NEAR(s["drag_per_span_N"].toDouble(), q * 1.2 * s["C_D"].toDouble(), 1e-9);
}

// Refused on the command line with the sentence the session gives; a Kutta
// factor other than 1 leaves C_D and the points null, saying why.
TEST(BoundaryLayerCli, RefusesBadInput) {
  const QStringList bad[] = {{"--re", "1e12"},
                             {"--re", "nan"},
                             {"--re", "many"},
                             {"--speed", "-5", "--chord", "1", "--altitude", "0"},
                             {"--speed", "50", "--chord", "1", "--altitude", "12000"},
                             {"--speed", "50", "--chord", "1"},
                             {"--re", "1e6", "--speed", "50", "--chord", "1", "--altitude", "0"},
                             {"--ncrit", "0"},
                             {"--boundary-layer", "-", "--polar", "-"}};
  for (const QStringList& arguments : bad) {
    const ParsedCommandLine parsed = testing::Parse(arguments);
    EXPECT_EQ(parsed.action, ParsedCommandLine::Action::kUsageError)
        << arguments.join(' ').toStdString();
    EXPECT_FALSE(parsed.text.empty());
  }
  const testing::TableFolder folder;
  const QJsonObject s =
      Json(testing::RenderWith(folder, {"--alpha", "2", "--kutta", "0.9", "--json"}));
  EXPECT_TRUE(s["C_D"].isNull());
  EXPECT_TRUE(s["x_transition_upper"].isNull());
  EXPECT_NE(s["C_D_missing"].toString().indexOf("Kutta"), -1);
}

// The session keeps its settings when it refuses one, says why in its
// language, and works the layer out again only for new settings.
TEST(BoundaryLayerCli, SessionRefusesAndRecomputes) {
  PassSession session;
  EXPECT_EQ(session.BoundaryLayerOfShown(), nullptr);
  EXPECT_EQ(session.BoundaryLayerCsv(),
            "surface,point,s,xc,x,y,ue,theta,dstar,H,cf,re_theta,n,regime\n");
  session.SetLanguage(Language::kTurkish);
  const auto refused = session.SetReynolds(5e9);
  ASSERT_TRUE(refused.has_value());
  EXPECT_NE(refused->find("Reynolds sayısı"), std::string::npos) << *refused;
  EXPECT_EQ(session.Reynolds(), kDefaultReynolds);
  EXPECT_TRUE(session.SetWing({-1.0, 1.0, 0.0}).has_value());
  EXPECT_FALSE(session.CurrentWing().has_value());
  EXPECT_TRUE(session.SetNCrit(std::nan("")).has_value());

  std::istringstream table("test table\n1\n0.01,0,0.1,0,0\n");
  ASSERT_FALSE(LoadProfileTable(table, session.Table()).has_value());
  ParameterTexts texts;
  texts.Alfa = "2";
  UnpaintedSurface a, b;  // draws nowhere
  ASSERT_TRUE(session.Run(texts, a, b).ok());
  const BoundaryLayer* first = session.BoundaryLayerOfShown();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->reynolds, kDefaultReynolds);
  EXPECT_EQ(session.BoundaryLayerOfShown(), first);  // kept
  ASSERT_FALSE(session.SetReynolds(3e6).has_value());
  EXPECT_EQ(session.BoundaryLayerOfShown()->reynolds, 3e6);
  EXPECT_NE(session.BoundaryLayerText().find("Re = 3e6"), std::string::npos)
      << session.BoundaryLayerText();
}

}  // namespace
}  // namespace fluvenna
