// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <memory>
#include <regex>

#include "cli_test_support.h"
#include "flow/pass.h"

namespace fluvenna {
namespace {

QJsonObject JsonSummary(const testing::Run& run) {
  QJsonParseError error{};
  const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(run.out), &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << run.out;
  return doc.object();
}

// The value after `name` on its line of the text summary.
std::string SummaryLine(const std::string& text, const std::string& name) {
  const std::size_t at = text.find("\n" + name + " ");
  if (at == std::string::npos) return {};
  const std::size_t from = text.find_first_not_of(' ', at + 1 + name.size());
  return text.substr(from, text.find('\n', from) - from);
}

TEST(Summary, LiftCoefficientOfTheSymmetricProfileIsTwiceTheCirculation) {
  const testing::TableFolder folder;  // row 1: Eps = 0.1, Mu = 0 for the initial delta and gamma
  const QJsonObject s = JsonSummary(testing::RenderWith(folder, {"--alpha", "5", "--json"}));
  EXPECT_EQ(s["profileRow"].toInt(), 1);
  EXPECT_EQ(s["Eps"].toDouble(), 0.1);
  EXPECT_EQ(s["Mu"].toDouble(), 0.0);
  // The circle of the symmetric profile: cJ = (1 + 2 Eps) / (4 (1 + Eps)^2), A = cJ (1 + Eps),
  // Circ = 4 Pi A sin(Alfa) with the Kutta factor 1.
  const double Pi = 4.0 * std::atan(1.0);
  const double cJ = (1.0 + 2.0 * 0.1) / (4.0 * 1.1 * 1.1);
  const double Circ = 4.0 * Pi * cJ * 1.1 * std::sin(5.0 * Pi / 180.0);
  EXPECT_NEAR(s["cJ"].toDouble(), cJ, 1e-15);
  EXPECT_NEAR(s["Circ"].toDouble(), Circ, 1e-14);
  EXPECT_NEAR(s["chord"].toDouble(), 1.0, 1e-9);
  EXPECT_NEAR(s["C_L"].toDouble(), 2.0 * Circ, 1e-9);

  const testing::Run text = testing::RenderWith(folder, {"--alpha", "5"});
  EXPECT_EQ(SummaryLine(text.out, "C_L"), QString::number(2.0 * Circ, 'f', 3).toStdString());
  EXPECT_EQ(text.out.rfind("profile row 1 ", 0), 0u) << text.out;
}

// The summary adds the lift integrated from the surface pressure, equal to
// C_L with the Kutta factor 1, and the lowest Cp with its place.
TEST(Summary, AddsTheLiftFromThePressureAndTheLowestCp) {
  const testing::TableFolder folder;
  const QStringList pass{"--delta", "0.1", "--gamma", "0.05", "--alpha", "10"};
  const QJsonObject s = JsonSummary(testing::RenderWith(folder, pass + QStringList{"--json"}));
  const double CL = s["C_L"].toDouble();
  EXPECT_NEAR(s["C_L_pressure"].toDouble(), CL, 0.005 * CL);
  EXPECT_LT(s["Cp_min"].toDouble(), -1.0);
  EXPECT_GE(s["Cp_min_xc"].toDouble(), 0.0);
  EXPECT_LE(s["Cp_min_xc"].toDouble(), 1.0);
  EXPECT_EQ(s["Cp_min_surface"].toString(), "upper");

  const testing::Run text = testing::RenderWith(folder, pass);
  EXPECT_EQ(SummaryLine(text.out, "C_L Cp"),
            SummaryLine(text.out, "C_L") + " (integrated from Cp)");
  EXPECT_EQ(SummaryLine(text.out, "Cp min").rfind("-", 0), 0u) << text.out;
  EXPECT_NE(SummaryLine(text.out, "Cp min").find(", upper surface"), std::string::npos);

  // The flat plate's nose is a second sharp edge: no integral is claimed.
  const QJsonObject plate = JsonSummary(testing::RenderWith(folder, {"--delta", "0.02", "--json"}));
  EXPECT_TRUE(plate["C_L_pressure"].isNull());
  EXPECT_FALSE(plate["Cp_min"].isNull());
}

TEST(Summary, ListsNPAndPSIOfEveryCurveAsTraced) {
  const testing::TableFolder folder;
  const QStringList pass{"--delta", "0.1", "--gamma", "0.05", "--alpha", "10", "--nsl", "5"};
  const QJsonObject s = JsonSummary(testing::RenderWith(folder, pass + QStringList{"--json"}));
  ProfileTable table;
  ASSERT_FALSE(LoadProfileTableFile(table, folder.TablePath().toStdString()));
  auto a = std::make_unique<PointArrays>();
  ASSERT_TRUE(RunCirclePlane(testing::Options(pass).texts, table, *a).ok());
  const QJsonArray curves = s["curves"].toArray();
  ASSERT_EQ(curves.size(), 6);
  for (int k = 0; k <= 5; ++k) {
    const QJsonObject curve = curves[k].toObject();
    EXPECT_EQ(curve["curve"].toInt(), k);
    EXPECT_EQ(curve["NP"].toInt(), a->NP[k]);
    EXPECT_EQ(curve["PSI"].toDouble(), a->PSI[k]);
  }
  EXPECT_EQ(curves[5].toObject()["PSI"].toDouble(), 0.2);  // an upper streamline without partner
}

TEST(Summary, SaysWhenNoRowMatchesAndTheFlatPlateIsDrawn) {
  const testing::TableFolder folder;
  const testing::Run text = testing::RenderWith(folder, {"--delta", "0.02"});
  EXPECT_NE(text.out.find("none matches delta 0.02, gamma 0; the flat plate is drawn"),
            std::string::npos)
      << text.out;
  const QJsonObject s = JsonSummary(testing::RenderWith(folder, {"--delta", "0.02", "--json"}));
  EXPECT_TRUE(s["profileRow"].isNull());
  EXPECT_TRUE(s["flatPlate"].toBool());
  EXPECT_EQ(s["Eps"].toDouble(), 0.0);
  EXPECT_NEAR(s["chord"].toDouble(), 1.0, 1e-9);
}

TEST(Summary, MissingTableIsTheWindowsWarningAndThePassGoesOn) {
  testing::TableFolder folder;
  std::ostringstream out, err;
  RenderOptions options = testing::Options({});
  options.tablePath = folder.Path("no-such-table.txt").toStdString();
  EXPECT_EQ(Render(options, out, err), kExitPassOk);
  EXPECT_NE(err.str().find(kProfileTableMessage), std::string::npos) << err.str();
  EXPECT_NE(out.str().find("flat plate"), std::string::npos);
}

TEST(Summary, NamesTheTableFileByItsAbsolutePathOrSaysNoneWasLoaded) {
  const testing::TableFolder folder;
  const QString before = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(folder.Path(".")));
  const auto run = [](const QStringList& arguments) {
    std::ostringstream out, err;
    testing::Run result;
    result.status = Render(testing::Options(arguments), out, err);
    result.out = out.str();
    result.err = err.str();
    return result;
  };
  // Given by a relative name, reported by its absolute path.
  const std::string absolute = QFileInfo(folder.TablePath()).absoluteFilePath().toStdString();
  const testing::Run text = run({"--table", "KATJO-D20G15.txt"});
  EXPECT_EQ(SummaryLine(text.out, "table"), absolute) << text.out;
  QJsonObject s = JsonSummary(run({"--table", "KATJO-D20G15.txt", "--json"}));
  EXPECT_EQ(s["table"].toString().toStdString(), absolute);
  EXPECT_FALSE(s.contains("tableFailure"));

  const testing::Run none = run({"--table", "no-such-table.txt"});
  EXPECT_EQ(SummaryLine(none.out, "table"), "none loaded; every pair draws the flat plate");
  s = JsonSummary(run({"--table", "no-such-table.txt", "--json"}));
  ASSERT_TRUE(s.contains("table"));
  EXPECT_TRUE(s["table"].isNull());

  // A table cut short is named, with the message: its rows as far as read are used.
  QFile shortTable(folder.Path("short.txt"));
  ASSERT_TRUE(shortTable.open(QIODevice::WriteOnly));
  shortTable.write("test table\n3\n0.01,0,0.1,0,0\n");
  shortTable.close();
  s = JsonSummary(run({"--table", "short.txt", "--json"}));
  QDir::setCurrent(before);
  EXPECT_EQ(s["table"].toString(), QFileInfo(shortTable).absoluteFilePath());
  EXPECT_EQ(s["tableFailure"].toString(), QString::fromUtf8(kProfileTableMessage));
  EXPECT_EQ(s["profileRow"].toInt(), 1);

  // A name outside ASCII stands in the JSON as its UTF-8, as in the text.
  const QString turkish = folder.Path(QStringLiteral("profil tablosu ğüşıöç.txt"));
  ASSERT_TRUE(QFile::copy(folder.TablePath(), turkish));
  const testing::Run json = run({"--table", turkish, "--json"});
  const std::string utf8 = QFileInfo(turkish).absoluteFilePath().toStdString();
  EXPECT_NE(json.out.find("\"table\":\"" + utf8 + "\""), std::string::npos) << json.out;
}

// The JSON summary gives the release line and the trailing-edge station of
// the times of flight where the text summary names them.
TEST(Summary, JsonHasTheTimesReleaseLineAndStation) {
  const testing::TableFolder folder;
  const QStringList pass{"--delta", "0.1", "--gamma", "0.05", "--alpha", "6", "--nsl", "6"};
  const testing::Run text = testing::RenderWith(folder, pass);
  const std::regex heading(R"(release line x = (\S+) to the trailing-edge station x = (\S+):)");
  std::smatch m;
  ASSERT_TRUE(std::regex_search(text.out, m, heading)) << text.out;
  const QJsonObject s = JsonSummary(testing::RenderWith(folder, pass + QStringList{"--json"}));
  ASSERT_TRUE(s.contains("release_x") && s.contains("station_x"));
  EXPECT_NEAR(s["release_x"].toDouble(), std::stod(m[1]), 1e-5);
  EXPECT_NEAR(s["station_x"].toDouble(), std::stod(m[2]), 1e-5);
  EXPECT_GT(s["station_x"].toDouble(), s["release_x"].toDouble());
}

TEST(Summary, APassWithAnErrorPrintsNoGarbageAndWritesNoFile) {
  const testing::TableFolder folder;
  const QString prefix = folder.Path("x");
  // Refused before the circle is made, and a circulation beyond the doubles after it.
  const QStringList cases[] = {{"--dr", "0"}, {"--kutta", "1.7e308", "--alpha", "90"}};
  for (QStringList arguments : cases) {
    arguments << "--png" << prefix << "--csv" << prefix + ".csv";
    const testing::Run run = testing::RenderWith(folder, arguments);
    EXPECT_EQ(run.status, kExitPassError);
    EXPECT_NE(run.err.find("error: "), std::string::npos);
    EXPECT_EQ(run.out.find("nan"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("inf"), std::string::npos) << run.out;
    EXPECT_EQ(SummaryLine(run.out, "C_L").rfind("not computed", 0), 0u) << run.out;
    EXPECT_FALSE(QFileInfo::exists(prefix + "-circle.png"));
    EXPECT_FALSE(QFileInfo::exists(prefix + ".csv"));
    const QJsonObject s = JsonSummary(testing::RenderWith(folder, arguments << "--json"));
    EXPECT_TRUE(s["C_L"].isNull());
  }
}

}  // namespace
}  // namespace fluvenna
