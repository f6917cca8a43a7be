// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <charconv>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <utility>
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
  EXPECT_FALSE(LoadProfileTableFile(table, options.tablePath));
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

// Every number of --csv and --cp is written with 17 significant digits, the
// fewest that always read back as the same double, and no more: a psi of
// 0.1 reads "0.10000000000000001", and each field is the 17-digit text of
// the value it reads back as.
TEST(Csv, NumbersHaveSeventeenSignificantDigits) {
  const testing::TableFolder folder;
  const QStringList pass{"--delta", "0.1", "--gamma", "0.05", "--alpha", "8", "--nsl", "4"};
  const testing::Run points = testing::RenderWith(folder, pass + QStringList{"--csv", "-"});
  ASSERT_EQ(points.status, kExitPassOk) << points.err;
  EXPECT_NE(points.out.find("\nflow,3,1,0.10000000000000001,"), std::string::npos);
  EXPECT_NE(points.out.find("\nairfoil,4,1,-0.10000000000000001,"), std::string::npos);
  const testing::Run surface = testing::RenderWith(folder, pass + QStringList{"--cp", "-"});
  ASSERT_EQ(surface.status, kExitPassOk) << surface.err;
  EXPECT_NE(surface.out.find("\nupper,1,"), std::string::npos);

  int checked = 0, seventeen = 0;
  for (const auto& [text, firstNumber] : {std::pair{points.out, 3}, std::pair{surface.out, 2}}) {
    std::istringstream in(text);
    std::string line;
    std::getline(in, line);  // the header
    while (std::getline(in, line)) {
      std::istringstream fields(line);
      std::string field;
      for (int i = 0; std::getline(fields, field, ','); ++i) {
        if (i < firstNumber) continue;
        const double value = std::strtod(field.c_str(), nullptr);
        char buffer[64];
        const auto end =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17);
        ASSERT_EQ(field, std::string(buffer, end.ptr)) << line;
        ++checked;
        std::size_t digits = 0;
        for (const char c : field.substr(0, field.find('e'))) digits += (c >= '0' && c <= '9');
        if (field.rfind("0.", 0) != 0 && field.rfind("-0.", 0) != 0) seventeen += digits == 17;
      }
    }
  }
  EXPECT_GT(checked, 1000);
  EXPECT_GT(seventeen, 100);  // most coordinates need all 17 digits
}

}  // namespace
}  // namespace fluvenna
