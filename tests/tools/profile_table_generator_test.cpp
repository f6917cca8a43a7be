// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/profile_table_generator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "flow/leading_number.h"
#include "flow/profile_table.h"

namespace fluvenna {
namespace {

constexpr double kSolved = 1e-13;     // the solver's default tolerance on the ratios
constexpr double kRecovered = 1e-10;  // offsets recovered from their own ratios

TEST(SolveProfileOffsets, RecoversTheOffsetsOfAMeasuredProfile) {
  const double offsets[][2] = {{0.1, 0.0}, {0.1, 0.1}, {0.02, 0.25}, {0.27, 0.38}};
  for (const auto& o : offsets) {
    SCOPED_TRACE(testing::Message() << "Eps " << o[0] << " Mu " << o[1]);
    const ProfileMeasure target = MeasureProfile(o[0], o[1]);
    const OffsetSolution s = SolveProfileOffsets(target.thickness, target.camber);
    ASSERT_TRUE(s.converged);
    EXPECT_NEAR(s.Eps, o[0], kRecovered);
    EXPECT_NEAR(s.Mu, o[1], kRecovered);
    EXPECT_NEAR(s.measure.thickness, target.thickness, kSolved);
    EXPECT_NEAR(s.measure.camber, target.camber, kSolved);
  }
}

TEST(SolveProfileOffsets, NoCamberGivesTheSymmetricProfile) {
  const OffsetSolution s = SolveProfileOffsets(0.3, 0.0);
  ASSERT_TRUE(s.converged);
  EXPECT_EQ(s.Mu, 0.0);
  EXPECT_NEAR(s.measure.camber, 0.0, kSolved);
  EXPECT_NEAR(s.measure.thickness, 0.3, kSolved);

  const ProfileTableRow row = MakeProfileTableRow(5, 0);
  EXPECT_EQ(row.Mu, 0.0);
  const std::string line = FormatProfileTableRow(row);
  EXPECT_EQ(line.substr(0, 10), "0.05,0.00,");
  EXPECT_EQ(line.substr(line.size() - 4), ",0,0");  // Mu 0 and no "-0" for the zero-lift angle
}

TEST(SolveProfileOffsets, UnreachableTargetStopsInsideTheBounds) {
  OffsetSolveOptions options;
  options.epsMax = 0.1;  // thickness cannot exceed about 0.118 then
  options.muMax = 0.05;  // nor camber about 0.023
  const OffsetSolution s = SolveProfileOffsets(0.25, 0.1, options);
  EXPECT_FALSE(s.converged);
  EXPECT_GT(s.Eps, 0.0);
  EXPECT_LT(s.Eps, options.epsMax);
  EXPECT_GE(s.Mu, 0.0);
  EXPECT_LE(s.Mu, options.muMax);
  EXPECT_LE(s.iterations, options.maxIterations);
}

TEST(ProfileTableFormat, WrittenTableLoadsBackExactly) {
  const ProfileTableRow a = MakeProfileTableRow(30, 14);
  ProfileTableRow b;
  b.deltaKey = ProfileKeyText(10), b.gamaKey = ProfileKeyText(7);
  b.Eps = 0.1 + 0.2, b.Mu = 1.0 / 3.0, b.zeroLiftDegrees = -1.2345678901234567e-5;
  std::stringstream file;
  WriteProfileTable(file, {a, b});

  ProfileTable t;
  ASSERT_FALSE(LoadProfileTable(file, t));
  EXPECT_EQ(t.NTab, 2.0);
  // The keys equal what the window reads from the scroll bars' texts.
  EXPECT_EQ(t.TabDelta[1], LeadingNumber("0.3"));
  EXPECT_EQ(t.TabGama[1], LeadingNumber("0.14"));
  EXPECT_EQ(t.TabDelta[2], LeadingNumber("0.1"));
  EXPECT_EQ(t.TabGama[2], LeadingNumber("0.07"));
  EXPECT_EQ(t.TabEps[1], a.Eps);
  EXPECT_EQ(t.TabMu[1], a.Mu);
  EXPECT_EQ(t.TabExtra[1], a.zeroLiftDegrees);
  EXPECT_EQ(t.TabEps[2], b.Eps);
  EXPECT_EQ(t.TabMu[2], b.Mu);
  EXPECT_EQ(t.TabExtra[2], b.zeroLiftDegrees);
}

}  // namespace
}  // namespace fluvenna
