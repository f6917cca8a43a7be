// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/circle_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace fluvenna {
namespace {

constexpr double kSixDigits = 5e-7;  // the worked examples are given to six digits
constexpr double kRounding = 1e-15;

FlowParameters Params(double Eps, double Mu, double Alfa, double iKutta) {
  FlowParameters p = ReadParameters(ParameterTexts{}, ProfileTable{});
  p.Eps = Eps;
  p.Mu = Mu;
  p.Alfa = Alfa;
  p.iKutta = iKutta;
  return p;
}

TEST(CircleModel, FlatPlateWithoutProfileRow) {
  const FlowParameters p = Params(0, 0, 0, 1);
  const CircleModel c = ComputeCircleModel(p);
  EXPECT_EQ(c.cJ, 0.25);
  EXPECT_EQ(c.A, 0.25);
  EXPECT_EQ(c.Beta, 0.0);
  EXPECT_EQ(c.Circ, 0.0);
  EXPECT_EQ(c.nC, 0.5);
  auto a = std::make_unique<PointArrays>();
  FillBodyContour(p, c, *a);
  EXPECT_EQ(a->NP[0], 51);
  EXPECT_EQ(a->XA(0, 1), 0.25);
  EXPECT_EQ(a->YA(0, 1), 0.0);
  EXPECT_NEAR(a->XA(0, 26), -0.25, kRounding);
  EXPECT_NEAR(a->YA(0, 26), 0.0, kRounding);
}

TEST(CircleModel, WorkedExampleWithCamberAndAngle) {
  const FlowParameters p = Params(0.1, 0.05, 10, 1);
  const CircleModel c = ComputeCircleModel(p);
  EXPECT_NEAR(c.cJ, 0.247934, kSixDigits);
  EXPECT_NEAR(c.A, 0.273009, kSixDigits);
  EXPECT_NEAR(c.Beta, 0.0454233, kSixDigits / 10);
  EXPECT_NEAR(c.Circ, 0.748540, kSixDigits);
  EXPECT_NEAR(c.Gm, 0.119134, kSixDigits);
  EXPECT_NEAR(c.xc, -0.0247934, kSixDigits / 10);
  EXPECT_NEAR(c.yc, 0.0123967, kSixDigits / 10);
  EXPECT_NEAR(c.nC, 0.495868, kSixDigits);

  auto a = std::make_unique<PointArrays>();
  FillBodyContour(p, c, *a);
  EXPECT_NEAR(a->XA(0, 1), 0.266431, kSixDigits);
  EXPECT_NEAR(a->YA(0, 1), -0.0595670, kSixDigits / 10);
  EXPECT_NEAR(a->XA(0, 51), a->XA(0, 1), kRounding);
  EXPECT_NEAR(a->YA(0, 51), a->YA(0, 1), kRounding);

  const CircleModel noKutta = ComputeCircleModel(Params(0.1, 0.05, 10, 0));
  EXPECT_EQ(noKutta.Circ, 0.0);
  EXPECT_EQ(noKutta.Gm, 0.0);
  EXPECT_EQ(noKutta.A, c.A);
}

}  // namespace
}  // namespace fluvenna
