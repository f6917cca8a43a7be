// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// --naca and --airfoil: every output with a NACA section, the summary's
// profile keys, and refusals in one line with exit status 2 and no file.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

#include "cli_test_support.h"
#include "session/pass_session.h"
#include "tests/plot/recording_surface.h"

namespace fluvenna {
namespace {

QJsonObject Json(const testing::Run& run) {
  return QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
}

TEST(ProfileCli, NacaSectionWritesEveryOutputAndItsKeys) {
  const testing::TableFolder folder;
  const QString prefix = folder.Path("n");
  const testing::Run run = testing::RenderWith(folder, {"--naca",
                                                        "4412",
                                                        "--alpha",
                                                        "4",
                                                        "--json",
                                                        "--png",
                                                        prefix,
                                                        "--svg",
                                                        prefix,
                                                        "--field",
                                                        "cp",
                                                        "--map",
                                                        "--csv",
                                                        folder.Path("c.csv"),
                                                        "--cp",
                                                        folder.Path("cp.csv"),
                                                        "--lift-curve",
                                                        folder.Path("l.csv"),
                                                        "--boundary-layer",
                                                        folder.Path("bl.csv"),
                                                        "--polar",
                                                        folder.Path("p.csv"),
                                                        "--times",
                                                        folder.Path("t.csv"),
                                                        "--re",
                                                        "3e6"});
  ASSERT_EQ(run.status, 0) << run.err;
  for (const char* name : {"n-circle.png", "n-airfoil.png", "n-pressure.png", "n-lift.png",
                           "n-field.png", "n-map.png", "n-friction.png", "n-airfoil.svg", "c.csv",
                           "cp.csv", "l.csv", "bl.csv", "p.csv", "t.csv"}) {
    EXPECT_GT(QFileInfo(folder.Path(QString::fromLatin1(name))).size(), 0) << name;
  }
  const QJsonObject s = Json(run);
  EXPECT_EQ(s["profile"].toString(), "NACA 4412");
  EXPECT_NEAR(s["thickness"].toDouble(), 0.12, 2e-3);
  EXPECT_NEAR(s["camber"].toDouble(), 0.04, 3e-3);
  EXPECT_GT(s["te_angle_deg"].toDouble(), 5.0);
  EXPECT_EQ(s["te_gap"].toDouble(), 0.0);
  EXPECT_GT(s["map_terms"].toInt(), 10);
  EXPECT_LT(s["map_residual"].toDouble(), 1e-5);
  EXPECT_TRUE(s["cJ"].isNull());  // the designed map's constant means nothing here
  // The lift of the summary is the session's (the window's and the page's).
  PassSession session;
  ASSERT_FALSE(session.SetProfile(ProfileSource::Naca("4412")));
  ParameterTexts texts;
  texts.Alfa = "4";
  testing::RecordingSurface one, two;
  ASSERT_TRUE(session.Run(texts, one, two).ok());
  EXPECT_EQ(s["C_L"].toDouble(),
            2.0 * session.Shown()->result.circle.Circ / session.Shown()->profile.chord);
  EXPECT_NEAR(s["C_L_pressure"].toDouble(), s["C_L"].toDouble(), 2e-3);
  EXPECT_GT(s["C_D"].toDouble(), 0.0);
}

TEST(ProfileCli, AFileAndItsNacaCodeAgree) {
  const testing::TableFolder folder;
  // NACA 0012 as a Lednicer file, clockwise surfaces from the leading edge.
  const testing::Run code = testing::RenderWith(folder, {"--naca", "0012", "--json"});
  PassSession session;
  ASSERT_FALSE(session.SetProfile(ProfileSource::Naca("0012")));
  const AirfoilContour& c = session.Profile()->contour;
  const std::size_t n = c.x.size(), half = (n - 1) / 2;  // the leading edge at half
  QString text = QStringLiteral("NACA 0012 Lednicer\n%1. %2.\n\n").arg(half + 1).arg(n - half);
  for (std::size_t i = half + 1; i-- > 0;)
    text += QString::asprintf("%.17g %.17g\n", c.x[i], c.y[i]);
  text += "\n";
  for (std::size_t i = half; i < n; ++i) text += QString::asprintf("%.17g %.17g\n", c.x[i], c.y[i]);
  QFile file(folder.Path("n0012.dat"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(text.toUtf8());
  file.close();
  const testing::Run read =
      testing::RenderWith(folder, {"--airfoil", folder.Path("n0012.dat"), "--json"});
  ASSERT_EQ(read.status, 0) << read.err;
  EXPECT_EQ(Json(read)["profile"].toString(), "NACA 0012 Lednicer");
  EXPECT_NEAR(Json(read)["C_L"].toDouble(), Json(code)["C_L"].toDouble(), 1e-6);
  EXPECT_NEAR(Json(code)["C_L"].toDouble(), 0.0, 1e-9);  // symmetric at alpha 0
}

TEST(ProfileCli, RefusalsAreOneLineWithStatusTwoAndNoFile) {
  const testing::TableFolder folder;
  QFile bad(folder.Path("bad.dat"));
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("bad profile\n1 0\n0.5 0.1\n0 zero\n");
  bad.close();
  const QString png = folder.Path("out");
  struct Case {
    QStringList arguments;
    const char* says;
  };
  const Case cases[] = {
      {{"--naca", "4412", "--airfoil", folder.Path("bad.dat")}, "not both"},
      {{"--naca", "4412", "--delta", "0.1"}, "--delta"},
      {{"--airfoil", folder.Path("bad.dat"), "--gamma", "0"}, "--gamma"},
      {{"--naca", "12"}, "4 or 5 digits"},
      {{"--naca", "4400"}, "thickness"},
      {{"--naca", "23112"}, "Reflexed"},
      {{"--airfoil", folder.Path("bad.dat")}, "Line 4"},
      {{"--airfoil", folder.Path("none.dat")}, "cannot read"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments.join(' ').toStdString());
    const ParsedCommandLine parsed = testing::Parse(c.arguments + QStringList{"--png", png});
    std::string line;
    int status = 0;
    if (parsed.action == ParsedCommandLine::Action::kUsageError) {
      line = parsed.text;
      status = kExitUsage;
    } else {
      const testing::Run run =
          testing::RenderWith(folder, c.arguments + QStringList{"--png", png, "--csv", "-"});
      line = run.err;
      status = run.status;
      EXPECT_EQ(run.out, "");
      ASSERT_FALSE(line.empty());
      EXPECT_EQ(line.find('\n'), line.size() - 1) << line;
    }
    EXPECT_EQ(status, 2);
    EXPECT_NE(line.find(c.says), std::string::npos) << line;
    EXPECT_EQ(QDir(folder.Path(".")).entryList({"out*"}).size(), 0);
  }
}

}  // namespace
}  // namespace fluvenna
