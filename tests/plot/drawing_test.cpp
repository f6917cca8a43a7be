// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/drawing.h"

#include "flow/circle_model.h"
#include "flow/surface_pressure.h"
#include "plot/pressure_picture.h"
#include "recording_surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <exception>
#include <limits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace fluvenna {
namespace {

TEST(Drawing, PicturesArePreparedInTheirOwnOrder) {
  RecordingSurface one, two;
  ASSERT_TRUE(PreparePicture1(one, 1.5, 1.5));
  ASSERT_TRUE(PreparePicture2(two, 1.5, 1.5));
  ASSERT_EQ(one.ops.size(), 4u);
  ASSERT_EQ(two.ops.size(), 4u);
  EXPECT_EQ(one.ops[0].kind, RecordingSurface::kScale);  // Picture1: scale, then clear
  EXPECT_EQ(one.ops[1].kind, RecordingSurface::kCls);
  EXPECT_EQ(two.ops[0].kind, RecordingSurface::kCls);  // Picture2: clear, then scale
  EXPECT_EQ(two.ops[1].kind, RecordingSurface::kScale);
  for (const auto& scale : {one.ops[0], two.ops[1]}) {
    EXPECT_EQ(scale.a[0], -1.5);
    EXPECT_DOUBLE_EQ(scale.a[1], 1.0);
    EXPECT_EQ(scale.a[2], 1.5);
    EXPECT_DOUBLE_EQ(scale.a[3], -1.0);
  }
  // The axes reach +-XMax along both directions, past the top and bottom.
  const auto axes = one.Lines(kAxisColour);
  ASSERT_EQ(axes.size(), 2u);
  EXPECT_EQ(axes[0].a[0], -1.5);
  EXPECT_EQ(axes[0].a[2], 1.5);
  EXPECT_EQ(axes[0].a[1], 0.0);
  EXPECT_EQ(axes[1].a[1], -1.5);
  EXPECT_EQ(axes[1].a[3], 1.5);
  EXPECT_EQ(axes[1].a[0], 0.0);
}

TEST(Drawing, CurveLoopDrawsPointsOneToNpOfCurvesUpToTheLast) {
  auto arrays = std::make_unique<PointArrays>();
  arrays->NP = {};
  arrays->NP[0] = 3;
  arrays->NP[1] = 2;
  arrays->NP[2] = 0;  // left out by the core: no segment
  arrays->NP[3] = 5;  // beyond the last curve: not drawn
  for (int k = 0; k <= 3; ++k) {
    arrays->XP(k, 0) = arrays->YP(k, 0) = 999.0;  // point 0 is never drawn
    for (int j = 1; j <= 5; ++j) {
      arrays->XP(k, j) = k + 0.1 * j;
      arrays->YP(k, j) = -0.1 * j;
    }
  }
  RecordingSurface surface;
  ASSERT_TRUE(DrawCurves(surface, *arrays, 2));
  const auto red = surface.Lines(kBodyColour);
  const auto blue = surface.Lines(kStreamlineColour);
  ASSERT_EQ(red.size(), 2u);
  ASSERT_EQ(blue.size(), 1u);
  EXPECT_EQ(surface.ops.size(), 3u);
  EXPECT_FLOAT_EQ(red[0].a[0], 0.1f);
  EXPECT_FLOAT_EQ(red[1].a[2], 0.3f);
  EXPECT_FLOAT_EQ(red[1].a[3], -0.3f);
  EXPECT_FLOAT_EQ(blue[0].a[0], 1.1f);
  EXPECT_FLOAT_EQ(blue[0].a[2], 1.2f);

  RecordingSurface none;
  ASSERT_TRUE(DrawCurves(none, *arrays, -1));
  EXPECT_TRUE(none.ops.empty());

  // A failed segment ends the loop at once.
  RecordingSurface failing;
  failing.failAt = 1;
  EXPECT_FALSE(DrawCurves(failing, *arrays, 2));
  EXPECT_EQ(failing.ops.size(), 1u);
}

TEST(Drawing, CoordinatesBeyondTheFloatRangeSaturate) {
  using Float = std::numeric_limits<float>;
  EXPECT_EQ(ToSurfaceFloat(1e300), Float::max());
  EXPECT_EQ(ToSurfaceFloat(-1e39), -Float::max());
  EXPECT_EQ(ToSurfaceFloat(0.25), 0.25f);
  EXPECT_EQ(ToSurfaceFloat(-Float::max()), -Float::max());
  EXPECT_EQ(ToSurfaceFloat(HUGE_VAL), Float::infinity());
  EXPECT_EQ(ToSurfaceFloat(-HUGE_VAL), -Float::infinity());
  EXPECT_TRUE(std::isnan(ToSurfaceFloat(std::nan(""))));

  auto arrays = std::make_unique<PointArrays>();
  arrays->NP = {};
  arrays->NP[0] = 2;
  arrays->XP(0, 1) = -1e300;
  arrays->XP(0, 2) = 1e300;
  RecordingSurface surface;
  ASSERT_TRUE(DrawCurves(surface, *arrays, 0));
  ASSERT_EQ(surface.ops.size(), 1u);
  EXPECT_EQ(surface.ops[0].a[0], -Float::max());
  EXPECT_EQ(surface.ops[0].a[2], Float::max());
}

TEST(Drawing, PassDrawsCirclePlaneThenAirfoilAndStopsAtAFailure) {
  auto arrays = std::make_unique<PointArrays>();
  ProfileTable table;  // the initial texts select row 1: cJ = 0.247934, nC = 0.495868
  table.NTab = 1;
  table.TabDelta[1] = 0.01;
  table.TabEps[1] = 0.1;
  table.TabMu[1] = 0.05;
  ParameterTexts texts;
  texts.Alfa = "10";
  RecordingSurface one, two;
  std::size_t drawnBeforeMap = 0;
  const PassResult result =
      DrawPass(texts, table, *arrays, one, two, [&](const PassResult&, const PointArrays&) {
        drawnBeforeMap = one.ops.size() + two.ops.size();
      });
  ASSERT_TRUE(result.ok());
  EXPECT_EQ(drawnBeforeMap, one.ops.size());  // Picture1 complete, Picture2 untouched
  const auto body1 = one.Lines(kBodyColour), body2 = two.Lines(kBodyColour);
  ASSERT_EQ(body1.size(), 50u);
  ASSERT_EQ(body2.size(), 50u);
  // Curve 0 starts at the turned trailing-edge point (cJ, 0) on the circle
  // plane and at its image, the trailing edge (nC, 0), on the airfoil.
  EXPECT_NEAR(body1[0].a[0], 0.247934, 1e-6);
  EXPECT_NEAR(body1[0].a[1], 0.0, 1e-6);
  EXPECT_NEAR(body2[0].a[0], 0.495868, 1e-6);
  EXPECT_EQ(one.Lines(kStreamlineColour).size(), two.Lines(kStreamlineColour).size());

  RecordingSurface brokenOne, untouched;
  brokenOne.failAt = 0;  // Picture1's Scale
  const PassResult failed = DrawPass(texts, table, *arrays, brokenOne, untouched);
  ASSERT_FALSE(failed.ok());
  EXPECT_TRUE(untouched.ops.empty());

  RecordingSurface fine, brokenTwo;
  brokenTwo.failAt = 10;
  EXPECT_FALSE(DrawPass(texts, table, *arrays, fine, brokenTwo).ok());
  EXPECT_EQ(brokenTwo.ops.size(), 10u);
}

SurfacePressure PressureOf(double Eps, double Mu, double Alfa, double iKutta) {
  FlowParameters p = ReadParameters(ParameterTexts{}, ProfileTable{});
  p.Eps = Eps, p.Mu = Mu, p.Alfa = Alfa, p.iKutta = iKutta;
  return ComputeSurfacePressure(p, ComputeCircleModel(p));
}

// The pressure picture: its frame holds every -Cp up to the cap and at
// least -1..1, the grey axes come first, and each surface is one chain
// through its points (x/c, -Cp), red above and blue below, meeting at the
// leading edge and at the trailing edge.
TEST(PressurePicture, SurfacesAreChainsThroughTheirPointsInsideTheFrame) {
  for (const double kutta : {1.0, 0.5}) {
    SCOPED_TRACE(kutta);
    const SurfacePressure s = PressureOf(0.1, 0.05, 10.0, kutta);
    RecordingSurface surface;
    ASSERT_TRUE(DrawPressurePicture(surface, s));
    const PressureFrame f = PressurePictureFrame(s);
    ASSERT_GE(surface.ops.size(), 3u);
    EXPECT_EQ(surface.ops[0].kind, RecordingSurface::kScale);
    EXPECT_EQ(surface.ops[0].a[0], f.left);
    EXPECT_EQ(surface.ops[0].a[1], f.top);
    EXPECT_EQ(surface.ops[0].a[2], f.right);
    EXPECT_EQ(surface.ops[0].a[3], f.bottom);
    EXPECT_EQ(surface.ops[1].kind, RecordingSurface::kCls);
    EXPECT_EQ(f.left, -0.05);
    EXPECT_EQ(f.right, 1.05);
    double highest = 1.0, lowest = 0.0, midChord = 0.0;
    for (const SurfacePoint& point : s.points) {
      highest = std::max(highest, -point.Cp);
      lowest = std::min(lowest, -point.Cp);
      if (point.xc > 0.1 && point.xc < 0.9) midChord = std::max(midChord, -point.Cp);
    }
    EXPECT_GT(f.top, midChord);  // the curves along the chord are always inside
    EXPECT_LT(f.bottom, lowest);
    EXPECT_GT(f.bottom, -1.0 - 0.1 * (f.top - f.bottom));
    if (kutta == 1.0) {
      EXPECT_GT(f.top, highest);  // the whole suction peak is shown
    } else {
      // Unbounded at the trailing edge: the spike runs off the top, and the
      // curves along the chord fill at least a fifth of the height.
      EXPECT_GT(highest, 1e3);
      EXPECT_LT(f.top, 5.0 * std::max(midChord, 1.0));
    }
    const auto grey = surface.Lines(kAxisColour);
    ASSERT_GE(grey.size(), 12u);   // the two axes and ten x/c ticks at least
    EXPECT_EQ(grey[0].a[1], 0.0);  // the zero line first, across the width
    EXPECT_EQ(grey[0].a[3], 0.0);
    const auto red = surface.Lines(kUpperSurfaceColour);
    const auto blue = surface.Lines(kLowerSurfaceColour);
    const std::size_t half = s.points.size() / 2;
    ASSERT_EQ(red.size(), half - 1);
    ASSERT_EQ(blue.size(), half - 1);
    for (std::size_t j = 0; j + 1 < half; ++j) {
      const SurfacePoint& u0 = s.points[j];
      const SurfacePoint& u1 = s.points[j + 1];
      EXPECT_EQ(red[j].a[0], static_cast<float>(u0.xc));
      EXPECT_EQ(red[j].a[1], static_cast<float>(-u0.Cp));
      EXPECT_EQ(red[j].a[2], static_cast<float>(u1.xc));
      EXPECT_EQ(red[j].a[3], static_cast<float>(-u1.Cp));
      const SurfacePoint& l1 = s.points[half + j + 1];
      EXPECT_EQ(blue[j].a[2], static_cast<float>(l1.xc));
      EXPECT_EQ(blue[j].a[3], static_cast<float>(-l1.Cp));
    }
    // The chains meet at the leading edge.
    EXPECT_EQ(red.back().a[2], blue.front().a[0]);
    EXPECT_EQ(red.back().a[3], blue.front().a[1]);
    // All grey lines are drawn before the first coloured one.
    std::size_t lastGrey = 0, firstColour = surface.ops.size();
    for (std::size_t i = 0; i < surface.ops.size(); ++i) {
      if (surface.ops[i].kind != RecordingSurface::kLine) continue;
      if (surface.ops[i].colour == kAxisColour)
        lastGrey = i;
      else
        firstColour = std::min(firstColour, i);
    }
    EXPECT_LT(lastGrey, firstColour);
  }
  // A symmetric thin profile at zero incidence keeps -Cp = 1 inside the frame.
  const PressureFrame thin = PressurePictureFrame(PressureOf(0.01, 0.0, 0.0, 1.0));
  EXPECT_GT(thin.top, 1.0);
  EXPECT_LT(thin.top, 1.2);
  EXPECT_LT(thin.bottom, -1.0);
}

// The picture's numbers stand at their ticks and say where they are: every
// x/c number hangs from the lower end of its tick (every other tenth), every
// -Cp number stands on its tick at the axis; the legend names each surface
// in its curve's colour with the labels it is given; all texts come last,
// over the curves.
TEST(PressurePicture, NumbersStandAtTheirTicksAndTheLegendHasTheCurvesColours) {
  struct Case {
    double Eps, Mu, Alfa, iKutta;
  };
  for (const Case c : {Case{0.1, 0.05, 10.0, 1.0}, Case{0.1, 0.05, 10.0, 0.5},
                       Case{0.02, 0.0, 25.0, 1.0}, Case{0.1, 0.1, -10.0, 1.0}}) {
    SCOPED_TRACE(c.Alfa + c.iKutta);
    const SurfacePressure s = PressureOf(c.Eps, c.Mu, c.Alfa, c.iKutta);
    PressureLabels labels;
    labels.upperSurface = "Saugseite";
    labels.lowerSurface = "Druckseite";
    labels.xAxis = "x / c";
    RecordingSurface surface;
    ASSERT_TRUE(DrawPressurePicture(surface, s, labels));
    const PressureFrame f = PressurePictureFrame(s);

    // The grey ticks: vertical ones on the zero line, horizontal ones across the -Cp axis
    // (lines take floats, texts doubles).
    std::vector<RecordingSurface::Op> xTicks, cpTicks;
    for (const auto& line : surface.Lines(kAxisColour)) {
      if (line.a[0] == line.a[2] && line.a[0] != 0.0) xTicks.push_back(line);
      if (line.a[1] == line.a[3] && line.a[1] != 0.0) cpTicks.push_back(line);
    }
    ASSERT_EQ(xTicks.size(), 10u);
    ASSERT_GE(cpTicks.size(), 2u);

    int xNumbers = 0, cpNumbers = 0;
    std::vector<RecordingSurface::Op> words;
    for (const auto& text : surface.Texts()) {
      std::size_t used = 0;
      double number = 0.0;
      try {
        number = std::stod(text.text, &used);
      } catch (const std::exception&) {
        used = 0;
      }
      if (used != text.text.size()) {
        words.push_back(text);
        continue;
      }
      EXPECT_EQ(text.colour, kLabelColour) << text.text;
      if (text.a[0] == 0.0 && number != 0.0) {  // a -Cp number on its tick
        EXPECT_EQ(text.anchor, TextAnchor::kBottomRight) << text.text;
        ++cpNumbers;
        EXPECT_EQ(text.a[0], 0.0) << text.text;
        EXPECT_EQ(text.a[1], number) << text.text;
        EXPECT_TRUE(std::any_of(cpTicks.begin(), cpTicks.end(), [&](const auto& tick) {
          return tick.a[1] == number;
        })) << text.text;
      } else {  // an x/c number at its tick
        ++xNumbers;
        EXPECT_EQ(text.a[0], number) << text.text;
        // Hanging from the tick's lower end, or standing on its upper end.
        const bool under = text.anchor == TextAnchor::kTop || text.anchor == TextAnchor::kTopRight;
        if (number == 0.0) {  // left of the -Cp axis
          EXPECT_TRUE(text.anchor == TextAnchor::kTopRight ||
                      text.anchor == TextAnchor::kBottomRight);
          continue;
        }
        EXPECT_TRUE(under || text.anchor == TextAnchor::kBottom) << text.text;
        const auto tick = std::find_if(xTicks.begin(), xTicks.end(), [&](const auto& t) {
          return t.a[0] == static_cast<float>(number);
        });
        ASSERT_NE(tick, xTicks.end()) << text.text;
        const float end =
            under ? std::min(tick->a[1], tick->a[3]) : std::max(tick->a[1], tick->a[3]);
        EXPECT_EQ(static_cast<float>(text.a[1]), end) << text.text;
      }
    }
    EXPECT_EQ(xNumbers, 6);  // 0, 0.2, ..., 1
    // Every -Cp tick has its number but those too near the top to show it.
    const auto clear = std::count_if(cpTicks.begin(), cpTicks.end(), [&](const auto& tick) {
      return f.top - tick.a[1] >= kTopLabelClearance * (f.top - f.bottom);
    });
    EXPECT_EQ(cpNumbers, clear);
    EXPECT_GE(cpNumbers, 2);

    // The legend: each surface's name in the colour its curve is drawn in.
    const auto colourOf = [&](const std::string& word) {
      const auto it = std::find_if(words.begin(), words.end(), [&](const auto& text) {
        return text.text.find(word) != std::string::npos;
      });
      return it == words.end() ? Colour{1} : it->colour;
    };
    const auto firstCurveColour = [&](SurfaceSide side) {
      const SurfacePoint& p = *std::find_if(s.points.begin(), s.points.end(),
                                            [&](const auto& q) { return q.side == side; });
      for (const auto& op : surface.ops) {
        if (op.kind == RecordingSurface::kLine && op.a[0] == static_cast<float>(p.xc) &&
            op.a[1] == static_cast<float>(-p.Cp)) {
          return op.colour;
        }
      }
      return Colour{2};
    };
    EXPECT_EQ(colourOf("Saugseite"), firstCurveColour(SurfaceSide::kUpper));
    EXPECT_EQ(colourOf("Druckseite"), firstCurveColour(SurfaceSide::kLower));
    EXPECT_NE(colourOf("Saugseite"), colourOf("Druckseite"));
    EXPECT_EQ(colourOf("x / c"), kLabelColour);
    EXPECT_EQ(colourOf(labels.cpAxis), kLabelColour);
    EXPECT_EQ(words.size(), 4u);  // nothing in English besides what was passed in

    // The texts are drawn last, over the curves.
    std::size_t firstText = surface.ops.size(), lastLine = 0;
    for (std::size_t i = 0; i < surface.ops.size(); ++i) {
      if (surface.ops[i].kind == RecordingSurface::kText) firstText = std::min(firstText, i);
      if (surface.ops[i].kind == RecordingSurface::kLine) lastLine = i;
    }
    EXPECT_LT(lastLine, firstText);
  }
}

// The frame of a known surface: -Cp from -1 (the stagnation point) to the
// cap of 4 times the highest mid-chord -Cp (0.9 at x/c = 0.1, the first
// station counted), not the peak of 5 at x/c = 0.02; a point whose Cp is not
// finite is not looked at; 5 % of the range above and below.
TEST(PressurePicture, FrameOfAKnownSurface) {
  SurfacePressure s;
  const double infinity = std::numeric_limits<double>::infinity();
  const std::pair<double, double> upper[] = {
      {1.0, -0.2}, {0.5, -0.8}, {0.1, -0.9}, {0.02, -5.0}, {0.0, 1.0}};
  const std::pair<double, double> lower[] = {{0.0, 1.0}, {0.5, 0.3}, {0.95, -infinity}};
  for (const auto& [xc, cp] : upper) s.points.push_back({SurfaceSide::kUpper, 0, 0, 0, xc, 0, cp});
  for (const auto& [xc, cp] : lower) s.points.push_back({SurfaceSide::kLower, 0, 0, 0, xc, 0, cp});
  const PressureFrame f = PressurePictureFrame(s);
  EXPECT_EQ(f.left, -0.05);
  EXPECT_EQ(f.right, 1.05);
  EXPECT_DOUBLE_EQ(f.top, 3.6 + 0.05 * 4.6);
  EXPECT_DOUBLE_EQ(f.bottom, -1.0 - 0.05 * 4.6);
  // Its axes: a tick at every tenth of the chord, twice as long at 0.5 and
  // 1; a -Cp tick at every whole step of 1 but none on the zero line.
  RecordingSurface surface;
  ASSERT_TRUE(DrawPressurePicture(surface, s));
  std::vector<double> across, tickLengths;
  for (const auto& line : surface.Lines(kAxisColour)) {
    if (line.a[0] == line.a[2] && line.a[0] > 0.0) tickLengths.push_back(line.a[3] - line.a[1]);
    if (line.a[1] == line.a[3] && line.a[0] < 0.0 && line.a[2] > 0.0 && line.a[2] < 0.1)
      across.push_back(line.a[1]);
  }
  ASSERT_EQ(tickLengths.size(), 10u);
  for (int i = 0; i < 10; ++i) {
    EXPECT_FLOAT_EQ(tickLengths[i], (i == 4 || i == 9 ? 2.0 : 1.0) * tickLengths[0]) << i;
  }
  EXPECT_EQ(across, (std::vector<double>{-1.0, 1.0, 2.0, 3.0}));
  // A suction peak of 20 over a mid-chord -Cp of 4: capped at 16, ticks every 2.
  SurfacePressure tall = s;
  tall.points[1].Cp = -4.0;
  tall.points[3].Cp = -20.0;
  RecordingSurface tallSurface;
  ASSERT_TRUE(DrawPressurePicture(tallSurface, tall));
  EXPECT_DOUBLE_EQ(tallSurface.ops[0].a[1], 16.0 + 0.05 * 17.0);
  std::vector<double> tallAcross;
  for (const auto& line : tallSurface.Lines(kAxisColour)) {
    if (line.a[1] == line.a[3] && line.a[0] < 0.0 && line.a[2] > 0.0 && line.a[2] < 0.1)
      tallAcross.push_back(line.a[1]);
  }
  EXPECT_EQ(tallAcross, (std::vector<double>{2.0, 4.0, 6.0, 8.0, 10.0, 12.0, 14.0, 16.0}));
  // Without the peak's cap the frame is the curves' own range, at least -Cp = 1.
  s.points[3].Cp = -1.5;
  const PressureFrame g = PressurePictureFrame(s);
  EXPECT_DOUBLE_EQ(g.top, 1.5 + 0.05 * 2.5);
  EXPECT_DOUBLE_EQ(g.bottom, -1.0 - 0.05 * 2.5);
}

}  // namespace
}  // namespace fluvenna
