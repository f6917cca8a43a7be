// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The committed table data/KATJO-D20G15.txt, checked with the program's own
// loader, profile selection, circle and map.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "flow/circle_model.h"
#include "flow/leading_number.h"
#include "flow/parameters.h"
#include "flow/profile_geometry.h"
#include "flow/profile_table.h"
#include "tools/profile_table_generator.h"

namespace fluvenna {
namespace {

constexpr double kKeysHold = 1e-6;        // both ratios, the accuracy the table promises
constexpr double kSameSolution = 1e-12;   // a regenerated row against the committed one
constexpr double kSameAngle = 1e-10;      // degrees: d(Beta)/d(Mu) is about 57 degrees
constexpr double kAngleRounding = 1e-12;  // degrees

const std::string kTablePath = std::string(FLUVENNA_SOURCE_DIR) + "/data/" + kProfileTableFileName;

class CommittedTable : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    table_ = new ProfileTable;
    loadMessage_ = LoadProfileTableFile(*table_, kTablePath);
  }
  static void TearDownTestSuite() { delete table_; }

  static const ProfileTable& table() { return *table_; }
  static int rows() { return static_cast<int>(table_->NTab); }

  static inline ProfileTable* table_ = nullptr;
  static inline std::optional<std::string> loadMessage_;
};

// The text a scroll bar writes for a position: position / 100, up to 15 significant digits.
std::string BarText(int position) {
  char text[32];
  std::snprintf(text, sizeof text, "%.15g", position / 100.0);
  return text;
}

TEST_F(CommittedTable, LoadsAndEveryScrollBarPairSelectsItsOneRow) {
  ASSERT_FALSE(loadMessage_) << kTablePath;
  ASSERT_EQ(table().NTab, 450.0);

  // The window's default texts select a row, through the program's own head.
  const FlowParameters defaults = ReadParameters(ParameterTexts{}, table());
  EXPECT_NE(defaults.profileRow, 0);
  EXPECT_GT(defaults.Eps, 0.0);
  EXPECT_EQ(defaults.Mu, 0.0);

  const ProfileTableGrid grid;
  for (int delta = grid.deltaFirst; delta <= grid.deltaLast; ++delta) {
    for (int gama = grid.gamaFirst; gama <= grid.gamaLast; ++gama) {
      const double DELTA = LeadingNumber(BarText(delta)), GAMA = LeadingNumber(BarText(gama));
      int matches = 0;
      for (int i = 1; i <= rows(); ++i) {
        matches += (table().TabDelta[i] == DELTA && table().TabGama[i] == GAMA);
      }
      EXPECT_EQ(matches, 1) << "DELTA " << BarText(delta) << " GAMA " << BarText(gama);
    }
  }
}

TEST_F(CommittedTable, EveryRowMeetsItsKeysWhenRemeasured) {
  ASSERT_EQ(rows(), 450);
  double worstThickness = 0.0, worstCamber = 0.0;
  for (int i = 1; i <= rows(); ++i) {
    const double Eps = table().TabEps[i], Mu = table().TabMu[i];
    const ProfileMeasure m = MeasureProfile(Eps, Mu);
    SCOPED_TRACE(testing::Message() << "row " << i);
    EXPECT_TRUE(m.singleValued);
    EXPECT_NEAR(m.thickness, table().TabDelta[i], kKeysHold);
    EXPECT_NEAR(m.camber, table().TabGama[i], kKeysHold);
    if (table().TabGama[i] == 0.0) {
      EXPECT_EQ(Mu, 0.0);
    }
    worstThickness = std::max(worstThickness, std::fabs(m.thickness - table().TabDelta[i]));
    worstCamber = std::max(worstCamber, std::fabs(m.camber - table().TabGama[i]));

    // Column 5: the zero-lift angle, -Beta in degrees.
    FlowParameters p = ReadParameters(ParameterTexts{}, ProfileTable{});
    p.Eps = Eps, p.Mu = Mu;
    EXPECT_NEAR(table().TabExtra[i], -ComputeCircleModel(p).Beta / p.DegRad, kAngleRounding);
  }
  RecordProperty("worst_thickness_deviation", std::to_string(worstThickness));
  RecordProperty("worst_camber_deviation", std::to_string(worstCamber));
  std::printf("largest deviation over %d rows: thickness %.3g, camber %.3g\n", rows(),
              worstThickness, worstCamber);
}

TEST_F(CommittedTable, RegeneratedRowsMatchTheCommittedOnes) {
  ASSERT_EQ(rows(), 450);
  std::ifstream file(kTablePath);
  std::vector<std::string> lines;
  for (std::string line; std::getline(file, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), 452u);

  const ProfileTableGrid grid;
  const int sample[][2] = {{1, 0}, {1, 14}, {30, 0}, {30, 14}, {15, 7}, {7, 3}};
  for (const auto& pair : sample) {
    const ProfileTableRow row = MakeProfileTableRow(pair[0], pair[1]);
    const int i = (pair[0] - grid.deltaFirst) * (grid.gamaLast - grid.gamaFirst + 1) +
                  (pair[1] - grid.gamaFirst) + 1;
    SCOPED_TRACE(lines[i + 1]);
    const std::string keys = row.deltaKey + "," + row.gamaKey + ",";
    EXPECT_EQ(lines[i + 1].substr(0, keys.size()), keys);
    EXPECT_NEAR(row.Eps, table().TabEps[i], kSameSolution);
    EXPECT_NEAR(row.Mu, table().TabMu[i], kSameSolution);
    EXPECT_NEAR(row.zeroLiftDegrees, table().TabExtra[i], kSameAngle);
  }
}

}  // namespace
}  // namespace fluvenna
