// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/pass.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

namespace fluvenna {
namespace {

ProfileTable Table() {
  ProfileTable t;
  t.NTab = 3;
  const double rows[3][4] = {{0.01, 0, 0.01, 0}, {0.1, 0.05, 0.1, 0.05}, {0.1, 0.05, 0.2, 0.07}};
  for (int i = 1; i <= 3; ++i) {
    t.TabDelta[i] = rows[i - 1][0];
    t.TabGama[i] = rows[i - 1][1];
    t.TabEps[i] = rows[i - 1][2];
    t.TabMu[i] = rows[i - 1][3];
  }
  return t;
}

bool AllFinite(const PointArrays& a, int lastCurve) {
  for (int k = 0; k <= lastCurve; ++k) {
    for (int j = 1; j <= a.NP[k]; ++j) {
      if (!std::isfinite(a.XP(k, j)) || !std::isfinite(a.YP(k, j))) return false;
    }
  }
  return true;
}

TEST(Pass, ReadsTextsAndSelectsTheLastMatchingRow) {
  const ProfileTable t = Table();
  ParameterTexts texts;
  FlowParameters p = ReadParameters(texts, t);
  EXPECT_EQ(p.profileRow, 1);
  EXPECT_EQ(p.Eps, 0.01);
  EXPECT_EQ(p.XMax, p.Olcek);
  EXPECT_EQ(p.U0, 1);
  EXPECT_EQ(p.nExp, 2);

  texts.DELTA = "0.10";
  texts.GAMA = "5e-2";
  p = ReadParameters(texts, t);
  EXPECT_EQ(p.profileRow, 3);
  EXPECT_EQ(p.Eps, 0.2);

  texts.DELTA = "0.105";  // no such row: the flat plate
  p = ReadParameters(texts, t);
  EXPECT_EQ(p.profileRow, 0);
  EXPECT_EQ(p.Eps, 0.0);
  EXPECT_EQ(p.Mu, 0.0);
}

TEST(Pass, ScanStopsAtTheRowsHeld) {
  ProfileTable t;
  t.NTab = 501;  // as a failed load of a 501-row file leaves it
  t.TabDelta[500] = 0.3;
  t.TabGama[500] = 0.14;
  t.TabEps[500] = 0.25;
  double Eps = 0, Mu = 0;
  EXPECT_EQ(SelectProfile(t, 0.3, 0.14, Eps, Mu), 500);
  EXPECT_EQ(Eps, 0.25);
  // Rows 1..499 hold zeros; nothing past row 500 is looked at, not even
  // where the memory behind the table happens to hold zeros too.
  EXPECT_EQ(SelectProfile(t, 0.0, 0.0, Eps, Mu), 499);
}

TEST(Pass, RefusesParametersItCannotTraceWith) {
  const ProfileTable t = Table();
  auto a = std::make_unique<PointArrays>();
  a->NP[1] = 7;
  const std::pair<std::string ParameterTexts::*, const char*> cases[] = {
      {&ParameterTexts::Alfa, "1e999"}, {&ParameterTexts::dR, "0"},
      {&ParameterTexts::dR, "abc"},     {&ParameterTexts::dR, "-0.01"},
      {&ParameterTexts::Olcek, "0"},    {&ParameterTexts::dPsi, "-1e400"}};
  for (const auto& [field, text] : cases) {
    ParameterTexts texts;
    texts.*field = text;
    const PassResult r = RunWholePass(texts, t, *a);
    ASSERT_FALSE(r.ok()) << text;
    EXPECT_EQ(a->NP[1], 7) << "the arrays stay as they were";
  }
  ParameterTexts texts;
  texts.dR = "0";
  EXPECT_NE(RunWholePass(texts, t, *a).error->find("dR"), std::string::npos);
  texts = ParameterTexts{};
  texts.Olcek = "0";
  EXPECT_NE(RunWholePass(texts, t, *a).error->find("Scale"), std::string::npos);
}

TEST(Pass, RowWhoseCircleHasNoPositiveRadiusStopsThePass) {
  // Eps = -0.5 gives cJ = 0, Eps = -0.75 a negative cJ: no circle to trace round.
  ProfileTable t;
  t.NTab = 2;
  t.TabDelta[1] = 0.01, t.TabGama[1] = 0, t.TabEps[1] = -0.5, t.TabMu[1] = 0;
  t.TabDelta[2] = 0.02, t.TabGama[2] = 0, t.TabEps[2] = -0.75, t.TabMu[2] = 0.1;
  auto a = std::make_unique<PointArrays>();
  a->NP[0] = 7;
  for (const char* delta : {"0.01", "0.02"}) {
    ParameterTexts texts;
    texts.DELTA = delta;
    const PassResult r = RunWholePass(texts, t, *a);
    ASSERT_FALSE(r.ok()) << delta;
    EXPECT_EQ(*r.error, "the selected profile row gives no usable circle");
    EXPECT_EQ(a->NP[0], 7) << "the arrays stay as they were";
  }
}

TEST(Pass, LimitsCurvesToTheArrays) {
  EXPECT_EQ(LastCurve(2.5), 2);
  EXPECT_EQ(LastCurve(0.0), 0);  // nSL 0 still draws the body
  EXPECT_EQ(LastCurve(-0.5), -1);
  EXPECT_EQ(LastCurve(25), 20);
  // A negative nSL (typed "-3") leaves out every curve, the body included,
  // and is no error; minus infinity (typed "-1e999") is refused by the pass,
  // and the curve count still has no curve for it.
  EXPECT_EQ(LastCurve(-3.0), -1);
  EXPECT_EQ(LastCurve(-std::numeric_limits<double>::infinity()), -1);
  {
    const ProfileTable t = Table();
    auto a = std::make_unique<PointArrays>();
    ParameterTexts texts;
    texts.kMax = "-3";
    const PassResult r = RunWholePass(texts, t, *a);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.lastCurve, -1);
    EXPECT_TRUE(r.notes.empty());
    for (int k = 3; k <= PointArrays::kMaxCurve; ++k) EXPECT_EQ(a->NP[k], 0) << "curve " << k;
    texts.kMax = "-1e999";
    const PassResult refused = RunWholePass(texts, t, *a);
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(*refused.error, "the value of nSL is too large to compute with");
    EXPECT_EQ(refused.lastCurve, -1);
  }
  const ProfileTable t = Table();
  auto a = std::make_unique<PointArrays>();
  ParameterTexts texts;
  texts.kMax = "25";
  const PassResult r = RunWholePass(texts, t, *a);
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(r.lastCurve, 20);
  EXPECT_GT(a->NP[20], 0);
  EXPECT_FALSE(r.notes.empty());
  EXPECT_TRUE(AllFinite(*a, 20));

  texts.kMax = "20.5";  // curves up to 20 exist: nothing is limited
  const PassResult fraction = RunWholePass(texts, t, *a);
  ASSERT_TRUE(fraction.ok());
  EXPECT_EQ(fraction.lastCurve, 20);
  EXPECT_TRUE(fraction.notes.empty()) << fraction.notes.front();
}

TEST(Pass, FlatPlateLeadingEdgeMapsToItsLimit) {
  ProfileTable empty;
  auto a = std::make_unique<PointArrays>();
  ParameterTexts texts;
  texts.kMax = "10";
  for (const char* alfa : {"0", "7", "-10", "30"}) {
    texts.Alfa = alfa;
    const PassResult r = RunWholePass(texts, empty, *a);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(a->NP[0], 51) << alfa;
    EXPECT_TRUE(AllFinite(*a, r.lastCurve));
    for (int j = 1; j <= 51; ++j) {
      EXPECT_NEAR(a->YP(0, j), 0.0, 1e-9);  // the flat plate lies on the chord
      EXPECT_LE(std::fabs(a->XP(0, j)), 0.5 + 1e-9);
    }
  }
}

TEST(Pass, EveryScrollBarCornerGivesAFinitePassWithoutError) {
  ProfileTable t;
  auto a = std::make_unique<PointArrays>();
  ParameterTexts texts;
  int passes = 0;
  for (const char* alfa : {"-10", "30"}) {
    for (const char* kutta : {"0", "1"}) {
      for (const char* dpsi : {"0.01", "0.1"}) {
        for (const char* scale : {"0.5", "3"}) {
          texts.Alfa = alfa;
          texts.iKutta = kutta;
          texts.dPsi = dpsi;
          texts.Olcek = scale;
          texts.kMax = "10";
          const PassResult r = RunWholePass(texts, t, *a);
          ASSERT_TRUE(r.ok()) << *r.error;
          EXPECT_TRUE(r.notes.empty()) << r.notes.front();
          EXPECT_TRUE(AllFinite(*a, r.lastCurve));
          ++passes;
        }
      }
    }
  }
  EXPECT_EQ(passes, 16);
}

}  // namespace
}  // namespace fluvenna
