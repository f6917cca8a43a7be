// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <vector>

#include "cli_test_support.h"
#include "flow/pass.h"

namespace fluvenna {
namespace {

struct CsvPoint {
  std::string plane;
  int curve = 0, point = 0;
  double psi = 0, x = 0, y = 0;
};

// Splits the CSV into its header and its rows.
std::vector<CsvPoint> ReadCsv(const std::string& text, std::string& header) {
  std::istringstream in(text);
  std::getline(in, header);
  std::vector<CsvPoint> rows;
  for (std::string line; std::getline(in, line);) {
    CsvPoint p;
    std::istringstream fields(line);
    std::string curve, point, psi, x, y;
    std::getline(fields, p.plane, ',');
    std::getline(fields, curve, ',');
    std::getline(fields, point, ',');
    std::getline(fields, psi, ',');
    std::getline(fields, x, ',');
    std::getline(fields, y);
    p.curve = std::stoi(curve);
    p.point = std::stoi(point);
    p.psi = std::strtod(psi.c_str(), nullptr);
    p.x = std::strtod(x.c_str(), nullptr);
    p.y = std::strtod(y.c_str(), nullptr);
    rows.push_back(p);
  }
  return rows;
}

// The same pass run on the core alone, each plane taken while the arrays hold it.
std::vector<CsvPoint> CorePoints(const RenderOptions& options) {
  ProfileTable table;
  EXPECT_FALSE(LoadProfileTableFile(table, options.tablePath.toStdString()));
  auto a = std::make_unique<PointArrays>();
  PassResult result = RunCirclePlane(options.texts, table, *a);
  EXPECT_TRUE(result.ok());
  std::vector<CsvPoint> flow, circle, airfoil;
  const auto take = [&](std::vector<CsvPoint>& into, const char* plane, bool turned) {
    for (int k = 0; k <= result.lastCurve; ++k) {
      for (int j = 1; j <= a->NP[k]; ++j) {
        into.push_back({plane, k, j, a->PSI[k], turned ? a->XP(k, j) : a->XA(k, j),
                        turned ? a->YP(k, j) : a->YA(k, j)});
      }
    }
  };
  take(flow, "flow", false);
  take(circle, "circle", true);
  RunAirfoilPlane(result, *a);
  take(airfoil, "airfoil", true);
  flow.insert(flow.end(), circle.begin(), circle.end());
  flow.insert(flow.end(), airfoil.begin(), airfoil.end());
  return flow;
}

TEST(Csv, EqualsTheCoreArraysPointForPoint) {
  const testing::TableFolder folder;
  const QString csvPath = folder.Path("pass.csv");
  const QStringList pass{"--delta", "0.1", "--gamma", "0.05", "--alpha", "8", "--nsl", "7"};
  const testing::Run run = testing::RenderWith(folder, pass + QStringList{"--csv", csvPath});
  ASSERT_EQ(run.status, kExitPassOk) << run.err;

  QFile file(csvPath);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  std::string header;
  const std::vector<CsvPoint> rows = ReadCsv(file.readAll().toStdString(), header);
  const std::vector<CsvPoint> core =
      CorePoints(testing::Options(pass + QStringList{"--table", folder.TablePath()}));
  EXPECT_EQ(header, "plane,curve,point,psi,x,y");
  ASSERT_EQ(rows.size(), core.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE("row " + std::to_string(i + 2));
    EXPECT_EQ(rows[i].plane, core[i].plane);
    EXPECT_EQ(rows[i].curve, core[i].curve);
    EXPECT_EQ(rows[i].point, core[i].point);
    // 17 significant digits read back as the very same doubles.
    EXPECT_EQ(rows[i].psi, core[i].psi);
    EXPECT_EQ(rows[i].x, core[i].x);
    EXPECT_EQ(rows[i].y, core[i].y);
    if (rows[i].x != core[i].x || rows[i].y != core[i].y) break;
  }
  EXPECT_EQ(core.back().plane, "airfoil");
  EXPECT_EQ(core.back().curve, 7);
}

TEST(Csv, OnStandardOutputItIsAloneThereAndTheSummaryMovesToStandardError) {
  const testing::TableFolder folder;
  const testing::Run run = testing::RenderWith(folder, {"--csv", "-"});
  ASSERT_EQ(run.status, kExitPassOk) << run.err;
  std::string header;
  const std::vector<CsvPoint> rows = ReadCsv(run.out, header);
  EXPECT_EQ(header, "plane,curve,point,psi,x,y");
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rows.front().plane, "flow");
  EXPECT_EQ(rows.back().plane, "airfoil");
  EXPECT_EQ(rows.back().curve, 2);  // the window's initial nSL
  EXPECT_EQ(run.out.find("C_L"), std::string::npos);
  EXPECT_NE(run.err.find("C_L"), std::string::npos);
}

}  // namespace
}  // namespace fluvenna
