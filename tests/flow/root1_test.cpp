// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/root1.h"

#include <gtest/gtest.h>

namespace fluvenna {
namespace {

struct Search {
  std::int16_t iKok = -1;
  double Kok = -99.0;
  int evaluations = 0;
};

Search Search1(double A, double R0, double PSI, double Gm, double U0, double SinTeta) {
  Search s;
  s.evaluations = ROOT1(A, R0, PSI, Gm, U0, SinTeta, s.iKok, s.Kok);
  return s;
}

TEST(Root1, ConvergesAtOnceOnTheCircle) {
  const Search s = Search1(1, 1, 0, 0, 1, 1);
  EXPECT_EQ(s.iKok, 1);
  EXPECT_EQ(s.Kok, 1.0);
  EXPECT_EQ(s.evaluations, 1);
}

TEST(Root1, AveragedIterationReturnsTheLastImage) {
  const Search s = Search1(1, 1, 1.5, 0, 1, 1);
  EXPECT_EQ(s.iKok, 1);
  EXPECT_EQ(s.evaluations, 18);
  EXPECT_GT(s.Kok, 2.0);
  EXPECT_NEAR(s.Kok - 2.0, 8.9e-9, 0.1e-9);

  const Search mirrored = Search1(1, 1, -1.5, 0, 1, -1);
  EXPECT_EQ(mirrored.iKok, 1);
  EXPECT_EQ(mirrored.evaluations, 18);
  EXPECT_EQ(mirrored.Kok, s.Kok);
}

TEST(Root1, OscillationGivesUpAfterFortyNineEvaluations) {
  const Search s = Search1(1, 1, 0.5, 2, 1, 1);
  EXPECT_EQ(s.iKok, 0);
  EXPECT_EQ(s.evaluations, 49);
  EXPECT_EQ(s.Kok, -99.0);  // untouched
}

TEST(Root1, NonPositiveIterateEndsTheSearchAsFailure) {
  const Search s = Search1(1, 1, 0.5, 1, 1, 0.2);
  EXPECT_EQ(s.iKok, 0);
  EXPECT_EQ(s.Kok, -99.0);
  EXPECT_LT(s.evaluations, 49);

  const Search zeroSin = Search1(1, 1, 0.5, 0, 1, 0.0);  // infinite image
  EXPECT_EQ(zeroSin.iKok, 0);
  EXPECT_EQ(zeroSin.Kok, -99.0);
}

}  // namespace
}  // namespace fluvenna
