// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One picture drawn on several surfaces (the PNG and the SVG of a run) fails
// when any of them fails, so that a run never reports success for a picture
// that one of its files lacks.
#include <gtest/gtest.h>

#include <functional>

#include "cli/fan_out_surface.h"
#include "cli_test_support.h"
#include "session/pass_session.h"
#include "tests/plot/recording_surface.h"

namespace fluvenna {
namespace {

using testing::RecordingSurface;

// Each operation, with one of three surfaces failing it in each place: the
// fan-out fails, and the others still get the operation (their pictures stay
// alike).
TEST(FanOutSurface, FailsWhenAnyOfItsSurfacesFails) {
  const RgbaImage pixel{1, 1, {1, 2, 3, 255}};
  const std::function<bool(PlotSurface&)> operations[] = {
      [](PlotSurface& s) { return s.Scale(-1, 1, 1, -1); },
      [](PlotSurface& s) { return s.Cls(); },
      [](PlotSurface& s) { return s.Line(0, 0, 1, 1, kBodyColour); },
      [&](PlotSurface& s) { return s.Image(0, 0, 1, 1, pixel); },
      [](PlotSurface& s) { return s.Text(0, 0, "x", kAxisColour, TextAnchor::kCentre); },
  };
  for (int op = 0; op < 5; ++op) {
    for (int failing = -1; failing < 3; ++failing) {
      SCOPED_TRACE(::testing::Message() << "operation " << op << ", surface " << failing);
      RecordingSurface surfaces[3];
      FanOutSurface fanOut;
      for (int i = 0; i < 3; ++i) {
        surfaces[i].failAt = i == failing ? 0 : -1;
        fanOut.Add(surfaces[i]);
      }
      EXPECT_EQ(operations[op](fanOut), failing < 0);
      for (int i = 0; i < 3; ++i) EXPECT_EQ(surfaces[i].ops.size(), i == failing ? 0u : 1u);
    }
  }
}

// A pass whose circle picture cannot be scaled on one of its two surfaces
// ends with an error and shows nothing, as when its only surface fails.
TEST(FanOutSurface, APassFailsWhenOneOfItsPicturesCannotBeScaled) {
  for (const bool firstRefuses : {true, false}) {
    PassSession session;
    RecordingSurface png, svg, airfoil;
    (firstRefuses ? png : svg).refuseScale = true;
    FanOutSurface circle, airfoilFan;
    circle.Add(png);
    circle.Add(svg);
    airfoilFan.Add(airfoil);
    const PassResult& result = session.Run(ParameterTexts{}, circle, airfoilFan);
    EXPECT_FALSE(result.ok()) << firstRefuses;
    EXPECT_EQ(session.Shown(), nullptr);
    EXPECT_TRUE(airfoil.ops.empty());  // the pass stopped at the circle
  }
}

}  // namespace
}  // namespace fluvenna
