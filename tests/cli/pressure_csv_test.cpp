// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// --cp: the airfoil surface with its speed and pressure, as the core has it.
#include <gtest/gtest.h>

#include <QFile>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <vector>

#include "cli_test_support.h"
#include "flow/pass.h"
#include "flow/surface_pressure.h"

namespace fluvenna {
namespace {

struct CpRow {
  std::string surface;
  int point = 0;
  double x = 0, y = 0, xc = 0, q = 0, cp = 0;
};

std::vector<CpRow> ReadCp(const std::string& text, std::string& header) {
  std::istringstream in(text);
  std::getline(in, header);
  std::vector<CpRow> rows;
  for (std::string line; std::getline(in, line);) {
    std::istringstream fields(line);
    std::string f[7];
    for (int i = 0; i < 7; ++i) std::getline(fields, f[i], i < 6 ? ',' : '\n');
    rows.push_back({f[0], std::atoi(f[1].c_str()), std::strtod(f[2].c_str(), nullptr),
                    std::strtod(f[3].c_str(), nullptr), std::strtod(f[4].c_str(), nullptr),
                    std::strtod(f[5].c_str(), nullptr), std::strtod(f[6].c_str(), nullptr)});
  }
  return rows;
}

// Written to a file or to standard output, the rows are the core's points
// to the last digit, numbered along each surface, upper surface first.
TEST(CpCsv, IsTheCoresSurfacePointForPoint) {
  const testing::TableFolder folder;
  const QStringList pass{"--delta", "0.1", "--gamma", "0.05", "--alpha", "10", "--kutta", "0.7"};
  const QString path = folder.Path("cp.csv");
  const testing::Run toFile = testing::RenderWith(folder, pass + QStringList{"--cp", path});
  ASSERT_EQ(toFile.status, kExitPassOk) << toFile.err;
  EXPECT_NE(toFile.out.find("Cp min"), std::string::npos);
  EXPECT_NE(toFile.err.find("note: the trailing edge is left out"), std::string::npos);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const std::string written = file.readAll().toStdString();

  const testing::Run toOut = testing::RenderWith(folder, pass + QStringList{"--cp", "-"});
  ASSERT_EQ(toOut.status, kExitPassOk);
  EXPECT_EQ(toOut.out, written);  // alone on standard output
  EXPECT_NE(toOut.err.find("Cp min"), std::string::npos);

  ProfileTable table;
  ASSERT_FALSE(LoadProfileTableFile(table, folder.TablePath().toStdString()));
  auto a = std::make_unique<PointArrays>();
  const PassResult result = RunCirclePlane(testing::Options(pass).texts, table, *a);
  const SurfacePressure core = ComputeSurfacePressure(result.params, result.circle);

  std::string header;
  const std::vector<CpRow> rows = ReadCp(written, header);
  EXPECT_EQ(header, "surface,point,x,y,xc,q,cp");
  ASSERT_EQ(rows.size(), core.points.size());
  int upper = 0, lower = 0;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const SurfacePoint& p = core.points[i];
    const bool isUpper = p.side == SurfaceSide::kUpper;
    EXPECT_EQ(rows[i].surface, isUpper ? "upper" : "lower");
    EXPECT_EQ(rows[i].point, isUpper ? ++upper : ++lower);
    EXPECT_EQ(rows[i].x, p.x);
    EXPECT_EQ(rows[i].y, p.y);
    EXPECT_EQ(rows[i].xc, p.xc);
    EXPECT_EQ(rows[i].q, p.q);
    EXPECT_EQ(rows[i].cp, p.Cp);
  }
  EXPECT_EQ(upper, lower);
  EXPECT_GE(rows.size(), 200u);
}

TEST(CpCsv, CannotShareStandardOutputWithTheCurves) {
  const ParsedCommandLine parsed = ParseCommandLine({"fluvenna-render", "--csv", "-", "--cp", "-"});
  EXPECT_EQ(parsed.action, ParsedCommandLine::Action::kUsageError);
}

}  // namespace
}  // namespace fluvenna
