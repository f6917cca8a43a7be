// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The line under the boundary-layer pictures in both languages, the
// polar's empty fields and the writing of Re.
#include "report/boundary_layer_report.h"

#include <gtest/gtest.h>

#include <sstream>

#include "report/number_text.h"

namespace fluvenna {
namespace {

BoundaryLayer Layer() {
  BoundaryLayer bl;
  bl.status = BoundaryLayerStatus::kComputed;
  bl.reynolds = 3e6;
  bl.upper.side = SurfaceSide::kUpper;
  bl.lower.side = SurfaceSide::kLower;
  bl.upper.xTransition = 0.2513;
  bl.upper.transitionCause = TransitionCause::kLaminarSeparation;
  bl.upper.xSeparation = 0.95;
  bl.lower.xTransition = 0.6;
  bl.lower.transitionCause = TransitionCause::kAmplification;
  bl.dragStatus = DragStatus::kPredicted;
  bl.cd = 0.0071, bl.cdFriction = 0.0055, bl.cdPressure = 0.0016;
  return bl;
}

TEST(BoundaryLayerReport, LineInBothLanguages) {
  const WingFlow wing = *FlowOfWing({50.0, 2.0, 0.0});
  const std::string en = BoundaryLayerLine(Layer(), &wing, 0.5, Language::kEnglish);
  EXPECT_EQ(en,
            "Re = 3e6: C_D = 0.00710 (friction 0.00550, pressure 0.00160). Upper surface: laminar "
            "separation bubble, transition at x/c = 0.251, separation at x/c = 0.950. Lower "
            "surface: transition at x/c = 0.600, no separation. Wing: L' = " +
                FixedText(wing.PerSpan(0.5), 1) +
                " N/m, D' = " + FixedText(wing.PerSpan(0.0071), 2) + " N/m.");
  const std::string tr = BoundaryLayerLine(Layer(), nullptr, 0.5, Language::kTurkish);
  EXPECT_NE(tr.find("Üst yüzey: laminer ayrılma kabarcığı, geçiş x/c = 0.251"), std::string::npos)
      << tr;
  EXPECT_NE(tr.find("Alt yüzey: geçiş x/c = 0.600 noktasında, ayrılma yok."), std::string::npos);
  EXPECT_EQ(tr.find("Kanat"), std::string::npos);
  EXPECT_EQ(tr.find("surface"), std::string::npos);

  BoundaryLayer stalled = Layer();
  stalled.dragStatus = DragStatus::kSeparatesEarly;
  stalled.cd.reset(), stalled.cdFriction.reset(), stalled.cdPressure.reset();
  stalled.earlySeparationXc = 0.4321;
  EXPECT_NE(BoundaryLayerLine(stalled, nullptr, 1.2, Language::kEnglish)
                .find("C_D not predicted: the flow separates at x/c = 0.432 on the upper surface."),
            std::string::npos);
  EXPECT_NE(BoundaryLayerLine(stalled, &wing, 1.2, Language::kEnglish).find("Wing: L' = "),
            std::string::npos);

  BoundaryLayer kutta;
  kutta.status = BoundaryLayerStatus::kNotComputedKutta;
  EXPECT_NE(BoundaryLayerLine(kutta, nullptr, 1.0, Language::kTurkish).find("Kutta şartı"),
            std::string::npos);
}

TEST(BoundaryLayerReport, PolarLeavesMissingValuesEmptyAndReIsShort) {
  Polar polar;
  polar.status = BoundaryLayerStatus::kComputed;
  PolarPoint a;
  a.alphaDeg = -2, a.cl = -0.25, a.cd = 0.0065, a.xTransitionUpper = 0.5;
  PolarPoint b;
  b.alphaDeg = 15, b.cl = 1.75, b.xTransitionUpper = 0.01, b.xSeparationUpper = 0.3;
  polar.points = {a, b};
  std::ostringstream out;
  WritePolarCsv(polar, out);
  EXPECT_EQ(out.str(),
            "alpha_deg,cl,cd,x_transition_upper,x_transition_lower,x_separation_upper\n"
            "-2,-0.25,0.0064999999999999997,0.5,,\n"
            "15,1.75,,0.01,,0.29999999999999999\n");
  EXPECT_EQ(ReynoldsText(1e6), "1e6");
  EXPECT_EQ(ReynoldsText(3.2e6), "3.2e6");
  EXPECT_EQ(ReynoldsText(125000.0), "1.25e5");
  EXPECT_EQ(ReynoldsText(999999.0), "1e6");
  EXPECT_EQ(ReynoldsText(4742964.2), "4.74e6");
}

}  // namespace
}  // namespace fluvenna
