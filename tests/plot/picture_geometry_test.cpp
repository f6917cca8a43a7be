// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Where the pictures put what they draw, read off a recording surface: the
// colour bar in its strip right of the flow, the zero-lift tick and the
// pass's mark of the lift curve at their sizes, and every particle as its
// whole cross.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "flow/profile_table.h"
#include "plot/field_picture.h"
#include "plot/lift_picture.h"
#include "plot/particles_picture.h"
#include "session/pass_session.h"
#include "tests/plot/recording_surface.h"

namespace fluvenna {
namespace {

using testing::RecordingSurface;
using Op = RecordingSurface::Op;

// Room for the float coordinates the surfaces take.
constexpr double kFloatSlack = 1e-5;

// A session with one pass drawn whole over the committed table.
class DrawnPass : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string path = std::string(FLUVENNA_SOURCE_DIR) + "/data/" + kProfileTableFileName;
    ASSERT_FALSE(LoadProfileTableFile(session.Table(), path).has_value());
    ParameterTexts texts;
    texts.DELTA = "0.1";
    texts.GAMA = "0.05";
    texts.Alfa = "6";
    texts.kMax = "8";
    texts.Olcek = "1.5";
    RecordingSurface one, two;
    ASSERT_TRUE(session.Run(texts, one, two).ok());
  }
  PassSession session;
};

// The colour bar, its ticks, numbers and title stand in the strip right of
// the flow, which is cleared before the bar is drawn; the numbers run from
// the low end of the range at the bottom to the high end at the top: Cp from
// -3 to 1, q/U0 from 0 to 2.
TEST_F(DrawnPass, ColourBarStaysInItsStripRightOfTheFlow) {
  const double Olcek = session.Shown()->result.params.Olcek;
  const FieldFrame f = FieldPictureFrame(Olcek);
  EXPECT_NEAR(f.right - f.flowRight, kColourBarStrip * Olcek, 1e-12);
  EXPECT_EQ(f.flowRight, f.left + 2 * Olcek);
  const struct {
    FieldColouring colouring;
    std::vector<std::string> numbers;
    std::string title;
  } cases[] = {{FieldColouring::kCp, {"-3", "-2", "-1", "0", "1"}, "Cp"},
               {FieldColouring::kSpeed, {"0", "0.5", "1", "1.5", "2"}, "q/U0"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    for (const int width : {600, 1300}) {
      const int height = static_cast<int>(std::lround(width / FieldPictureAspect()));
      RecordingSurface surface;
      ASSERT_TRUE(session.DrawField(surface, c.colouring, width, height));
      std::vector<std::size_t> images;
      for (std::size_t i = 0; i < surface.ops.size(); ++i) {
        if (surface.ops[i].kind == RecordingSurface::kImage) images.push_back(i);
      }
      ASSERT_EQ(images.size(), 3u);  // the field, the strip cleared, the bar
      const Op& field = surface.ops[images[0]];
      EXPECT_EQ(field.a[0], f.left);
      EXPECT_EQ(field.a[2], f.flowRight);
      const Op& strip = surface.ops[images[1]];
      EXPECT_EQ(strip.a[0], f.flowRight);
      EXPECT_EQ(strip.a[1], f.top);
      EXPECT_EQ(strip.a[2], f.right);
      EXPECT_EQ(strip.a[3], f.bottom);
      const Op& bar = surface.ops[images[2]];
      EXPECT_EQ(bar.text, "1x256");
      const double x1 = bar.a[0], top = bar.a[1], x2 = bar.a[2], bottom = bar.a[3];
      EXPECT_GT(x1, f.flowRight);
      EXPECT_LT(x2, f.right);
      EXPECT_LT(x1, x2);
      EXPECT_LT(top, f.top);
      EXPECT_GT(bottom, f.bottom);
      EXPECT_GT(top, bottom);

      // Nothing of the flow after the strip is cleared: only the bar's ticks,
      // numbers and title, all in the strip right of the bar or above it.
      std::vector<Op> ticks, texts;
      for (std::size_t i = images[2] + 1; i < surface.ops.size(); ++i) {
        const Op& op = surface.ops[i];
        ASSERT_NE(op.kind, RecordingSurface::kImage);
        (op.kind == RecordingSurface::kLine ? ticks : texts).push_back(op);
      }
      ASSERT_EQ(ticks.size(), c.numbers.size());
      ASSERT_EQ(texts.size(), c.numbers.size() + 1);
      const double pixel = (f.right - f.left) / width;
      for (std::size_t i = 0; i < ticks.size(); ++i) {
        const Op& tick = ticks[i];
        const double y = bottom + (top - bottom) * static_cast<double>(i) / (ticks.size() - 1);
        EXPECT_EQ(tick.colour, kAxisColour);
        EXPECT_NEAR(tick.a[0], x2, kFloatSlack);
        EXPECT_NEAR(tick.a[2] - tick.a[0], 4 * pixel, kFloatSlack);
        EXPECT_LT(tick.a[2], f.right);
        EXPECT_NEAR(tick.a[1], y, kFloatSlack);
        EXPECT_NEAR(tick.a[3], y, kFloatSlack);
        const Op& number = texts[i];
        EXPECT_EQ(number.text, c.numbers[i]);
        EXPECT_EQ(number.anchor, TextAnchor::kLeft);
        EXPECT_GT(number.a[0], tick.a[2]);
        EXPECT_LT(number.a[0], f.right);
        EXPECT_NEAR(number.a[1], y, kFloatSlack);
      }
      const Op& title = texts.back();
      EXPECT_EQ(title.text, c.title);
      EXPECT_EQ(title.anchor, TextAnchor::kBottom);
      EXPECT_NEAR(title.a[0], 0.5 * (x1 + x2), 1e-12);
      EXPECT_GT(title.a[1], top);
      EXPECT_LT(title.a[1], f.top);
    }
  }
}

// The zero-lift angle is a red tick standing on C_L = 0, kZeroLiftTickShare
// of the box's height above and below, with its label on top; the pass's
// point is a black square of the stated size around it.
TEST_F(DrawnPass, ZeroLiftTickAndPassMarkHaveTheirStatedSizes) {
  const LiftCurve& curve = session.Shown()->lift;
  ASSERT_TRUE(curve.zeroLiftDeg && curve.passPoint);
  RecordingSurface surface;
  ASSERT_TRUE(session.DrawLift(surface));
  const LiftFrame f = LiftPictureFrame(curve);
  const double tick = kZeroLiftTickShare * (f.clHigh - f.clLow);
  int zeroLiftTicks = 0;
  for (const Op& line : surface.Lines(kExactLiftColour)) {
    if (line.a[0] != line.a[2] || std::fabs(line.a[0] - *curve.zeroLiftDeg) > kFloatSlack) continue;
    ++zeroLiftTicks;
    EXPECT_NEAR(std::min(line.a[1], line.a[3]), -tick, kFloatSlack);
    EXPECT_NEAR(std::max(line.a[1], line.a[3]), tick, kFloatSlack);
  }
  EXPECT_EQ(zeroLiftTicks, 1);
  int labels = 0;
  for (const Op& text : surface.Texts()) {
    if (text.text != LiftLabels{}.zeroLift) continue;
    ++labels;
    EXPECT_NEAR(text.a[0], *curve.zeroLiftDeg, kFloatSlack);
    EXPECT_NEAR(text.a[1], tick, kFloatSlack);
    EXPECT_EQ(text.anchor, TextAnchor::kBottom);
    EXPECT_EQ(text.colour, kExactLiftColour);
  }
  EXPECT_EQ(labels, 1);

  const LiftCurvePoint& pass = curve.points[*curve.passPoint];
  const double w = kPassMarkShare * (f.alphaHigh - f.alphaLow);
  const double h = 1.5 * kPassMarkShare * (f.clHigh - f.clLow);
  const std::vector<Op> mark = surface.Lines(kPassMarkColour);
  ASSERT_EQ(mark.size(), 4u);
  for (const Op& side : mark) {
    for (const int end : {0, 2}) {
      const double dx = std::fabs(side.a[end] - pass.alpha_deg);
      const double dy = std::fabs(side.a[end + 1] - pass.cl);
      EXPECT_NEAR(dx, w, kFloatSlack);  // every corner of the square
      EXPECT_NEAR(dy, h, kFloatSlack);
    }
  }
}

// The C_L numbers stand right-aligned a hundredth of the picture's width
// left of the box, the C_L title as far inside it; the alpha numbers hang a
// hundredth of its height below the box.
TEST_F(DrawnPass, LiftNumbersStandJustOutsideTheBox) {
  RecordingSurface surface;
  ASSERT_TRUE(session.DrawLift(surface));
  const LiftFrame f = LiftPictureFrame(session.Shown()->lift);
  const double aside = 0.01 * (f.right - f.left), below = 0.01 * (f.top - f.bottom);
  int clNumbers = 0, alphaNumbers = 0, titles = 0;
  for (const Op& text : surface.Texts()) {
    if (text.anchor == TextAnchor::kRight) {
      ++clNumbers;
      EXPECT_NEAR(text.a[0], f.alphaLow - aside, 1e-12) << text.text;
    } else if (text.anchor == TextAnchor::kTop) {
      ++alphaNumbers;
      EXPECT_NEAR(text.a[1], f.clLow - below, 1e-12) << text.text;
    } else if (text.text == LiftLabels{}.clAxis) {
      ++titles;
      EXPECT_NEAR(text.a[0], f.alphaLow + aside, 1e-12);
      EXPECT_EQ(text.anchor, TextAnchor::kTopLeft);
    }
  }
  EXPECT_GE(clNumbers, 3);
  EXPECT_GE(alphaNumbers, 3);
  EXPECT_EQ(titles, 1);
}

// Every particle in the flow's part is a cross of a horizontal and a
// vertical stroke through its place, each kParticleHalfSize device pixels to
// either side; those in the colour bar's strip are left out.
TEST_F(DrawnPass, EachParticleIsItsWholeCross) {
  const double Olcek = session.Shown()->result.params.Olcek;
  const FieldFrame f = FieldPictureFrame(Olcek);
  ParticleFrame frame;
  frame.particles = {{0, 0, 0.0, -0.9, 0.2},
                     {1, 0, 0.0, 0.3, -0.45},
                     {2, 0, 0.0, f.flowRight - 1e-3, 0.0},
                     {3, 0, 0.0, f.flowRight + 0.05, 0.1}};  // in the strip
  const int width = 700, height = 263;
  RecordingSurface surface;
  ASSERT_TRUE(DrawParticles(surface, Olcek, frame, false, width, height));
  ASSERT_EQ(surface.ops.front().kind, RecordingSurface::kScale);
  const double dx = kParticleHalfSize * (f.right - f.left) / width;
  const double dy = kParticleHalfSize * (f.top - f.bottom) / height;
  const std::vector<Op> strokes = surface.Lines(kParticleColour);
  ASSERT_EQ(strokes.size(), 6u);
  for (std::size_t i = 0; i < 3; ++i) {
    const Particle& p = frame.particles[i];
    const Op& across = strokes[2 * i];
    const Op& up = strokes[2 * i + 1];
    EXPECT_NEAR(across.a[0], p.ax - dx, kFloatSlack) << i;
    EXPECT_NEAR(across.a[2], p.ax + dx, kFloatSlack) << i;
    EXPECT_NEAR(across.a[1], p.ay, kFloatSlack) << i;
    EXPECT_NEAR(across.a[3], p.ay, kFloatSlack) << i;
    EXPECT_NEAR(up.a[0], p.ax, kFloatSlack) << i;
    EXPECT_NEAR(up.a[2], p.ax, kFloatSlack) << i;
    EXPECT_NEAR(up.a[1], p.ay - dy, kFloatSlack) << i;
    EXPECT_NEAR(up.a[3], p.ay + dy, kFloatSlack) << i;
  }
}

}  // namespace
}  // namespace fluvenna
