// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The rules the pictures' frames and marks follow, on a recording surface:
// the field picture draws each curve point to point and no further, its T
// and S marks have the friction picture's size, the friction picture's
// headroom over the stagnation point's spike, the lift frame's rounding out
// to one tick step, and the displacement thickness ending at separation.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "flow/circle_model.h"
#include "flow/profile_geometry.h"
#include "plot/boundary_layer_picture.h"
#include "plot/field_picture.h"
#include "plot/lift_picture.h"
#include "tests/plot/recording_surface.h"

namespace fluvenna {
namespace {

using testing::RecordingSurface;

// The marks' half length: this share of the picture's height, on the field
// picture as on the friction picture.
constexpr double kMarkHalfShare = 0.04;

// A profile of `eps` thickness parameter at `alpha` degrees, Re = 1e6.
struct Case {
  FlowParameters p;
  CircleModel circle;
  ProfileMeasure profile;
  BoundaryLayer layer;
};
Case LayerAt(double eps, double alpha) {
  Case c;
  c.p = ReadParameters(ParameterTexts{}, ProfileTable{});
  c.p.Eps = eps, c.p.Mu = 0.0, c.p.Alfa = alpha, c.p.iKutta = 1.0;
  c.circle = ComputeCircleModel(c.p);
  c.profile = MeasureProfile(c.p.Eps, c.p.Mu);
  c.layer = ComputeBoundaryLayer(c.p, c.circle, c.profile);
  return c;
}

PlaneCurve Curve(int k, int points, double y0) {
  PlaneCurve curve;
  curve.k = k;
  for (int j = 0; j < points; ++j) {
    curve.x.push_back(-0.9 + 1.8 * j / (points - 1));
    curve.y.push_back(y0 + 0.05 * std::sin(j));
  }
  return curve;
}

// Each curve is a chain of NP - 1 segments from its first point to its
// last, the body red and the streamlines blue: nothing drawn past a curve's
// end, and no curve joined to the next.
TEST(PictureRules, FieldPictureDrawsEachCurveToItsLastPoint) {
  std::vector<PlaneCurve> curves{Curve(0, 7, 0.0), Curve(1, 5, 0.2), Curve(2, 9, -0.3),
                                 Curve(3, 2, 0.4)};
  curves[0].x.reserve(64), curves[0].y.reserve(64);  // room past the end, as a vector may have
  const FieldScene scene{nullptr, &curves, 1.0, 1.0, nullptr};
  RecordingSurface surface;
  FieldBuffers buffers;
  ASSERT_TRUE(DrawFieldPicture(surface, scene, FieldColouring::kNone, 300, 200, buffers));
  std::vector<RecordingSurface::Op> drawn = surface.Lines(kBodyColour);
  const auto blue = surface.Lines(kStreamlineColour);
  drawn.insert(drawn.end(), blue.begin(), blue.end());
  std::size_t at = 0;
  for (const PlaneCurve& curve : curves) {
    SCOPED_TRACE(curve.k);
    for (int j = 1; j < curve.NP(); ++j, ++at) {
      ASSERT_LT(at, drawn.size());
      const auto& op = drawn[at];
      EXPECT_EQ(op.colour, curve.k == 0 ? kBodyColour : kStreamlineColour);
      EXPECT_EQ(op.a[0], static_cast<float>(curve.x[j - 1]));
      EXPECT_EQ(op.a[1], static_cast<float>(curve.y[j - 1]));
      EXPECT_EQ(op.a[2], static_cast<float>(curve.x[j]));
      EXPECT_EQ(op.a[3], static_cast<float>(curve.y[j]));
    }
  }
  EXPECT_EQ(at, drawn.size());  // 6 + 4 + 8 + 1 segments, no more
}

// The T and S strokes on the field picture reach kMarkHalfShare of its
// height each way from the mark's point on the body, with the letter
// beyond; the friction picture's strokes have the same share of its height.
TEST(PictureRules, FieldMarksHaveTheFrictionPicturesSize) {
  const Case c = LayerAt(0.1, 6.0);
  ASSERT_TRUE(c.layer.computed());
  const std::vector<LayerMark> marks = LayerMarks(c.layer);
  ASSERT_GE(marks.size(), 2u);

  const double Olcek = 1.5;
  const FlowFieldModel field(c.p, c.circle);
  const FieldScene scene{&field, nullptr, Olcek, 1.0, &c.layer};
  RecordingSurface surface;
  FieldBuffers buffers;
  ASSERT_TRUE(DrawFieldPicture(surface, scene, FieldColouring::kNone, 300, 200, buffers));
  const FieldFrame frame = FieldPictureFrame(Olcek);
  const double half = kMarkHalfShare * (frame.top - frame.bottom);

  RecordingSurface friction;
  ASSERT_TRUE(DrawFrictionPicture(friction, c.layer));
  const FrictionFrame ff = FrictionPictureFrame(c.layer);
  const double frictionHalf = kMarkHalfShare * (ff.top - ff.bottom);

  for (const LayerMark& mark : marks) {
    SCOPED_TRACE(mark.xc);
    const Colour colour =
        mark.side == SurfaceSide::kUpper ? kUpperSurfaceColour : kLowerSurfaceColour;
    int strokes = 0;
    for (const auto& op : surface.Lines(colour)) {
      if (op.a[0] != static_cast<float>(mark.x) || op.a[2] != op.a[0]) continue;
      EXPECT_NEAR(std::fabs(op.a[3] - op.a[1]), 2.0 * half, 1e-5);
      EXPECT_NEAR(0.5 * (op.a[1] + op.a[3]), mark.y, 1e-5);
      ++strokes;
    }
    EXPECT_EQ(strokes, 1);
    int letters = 0;
    for (const auto& op : surface.Texts()) {
      if (op.a[0] != mark.x || op.colour != colour) continue;
      const double reach = (mark.side == SurfaceSide::kUpper ? 1.0 : -1.0) * kMarkLetterGap * half;
      EXPECT_NEAR(op.a[1], mark.y + reach, 1e-9);
      ++letters;
    }
    EXPECT_EQ(letters, 1);
    int frictionStrokes = 0;
    for (const auto& op : friction.Lines(colour)) {
      if (op.a[0] != static_cast<float>(mark.xc) || op.a[2] != op.a[0]) continue;
      EXPECT_NEAR(std::fabs(op.a[3] - op.a[1]), 2.0 * frictionHalf, 1e-6 * ff.cfTop);
      ++frictionStrokes;
    }
    EXPECT_EQ(frictionStrokes, 1);
  }
}

// A layer of two surfaces with the given (x/c, c_f) points.
BoundaryLayer FrictionLayer(const std::vector<std::pair<double, double>>& upper,
                            const std::vector<std::pair<double, double>>& lower) {
  BoundaryLayer layer;
  layer.status = BoundaryLayerStatus::kComputed;
  layer.chord = 1.0;
  layer.upper.side = SurfaceSide::kUpper;
  layer.lower.side = SurfaceSide::kLower;
  for (auto [side, points] : {std::pair{&layer.upper, &upper}, std::pair{&layer.lower, &lower}}) {
    for (const auto& [xc, cf] : *points) {
      BoundaryLayerPoint p;
      p.xc = xc, p.cf = cf, p.s = xc;
      side->points.push_back(p);
    }
  }
  return layer;
}

// The friction frame's top: the c_f spike at the stagnation point is cut at
// twice the highest c_f from a tenth of the chord on (that point counted),
// the frame never reaching past the highest c_f of all; NaN is not looked
// at. The ticks along the chord keep their share of the frame's height.
TEST(PictureRules, FrictionHeadroomOverTheStagnationSpike) {
  const double nan = std::nan("");
  struct {
    std::vector<std::pair<double, double>> upper, lower;
    double top;
  } cases[] = {
      // The spike cut at twice the aft peak, 2 x 0.004.
      {{{0.0, 0.2}, {0.05, 0.03}, {0.5, 0.004}, {1.0, 0.002}}, {{0.0, 0.1}, {0.3, 0.003}}, 0.008},
      // The aft peak on the lower surface, exactly at a tenth of the chord.
      {{{0.0, 0.05}, {0.5, 0.002}}, {{0.02, 0.01}, {0.1, 0.005}, {0.6, 0.001}}, 0.01},
      // No spike worth cutting: the highest c_f of all.
      {{{0.0, 0.006}, {0.5, 0.004}}, {{0.4, nan}, {0.6, 0.001}}, 0.006},
      // Nothing aft: the highest c_f of all.
      {{{0.0, 0.03}, {0.05, 0.02}}, {{0.01, 0.01}}, 0.03},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.top);
    const BoundaryLayer layer = FrictionLayer(c.upper, c.lower);
    const FrictionFrame f = FrictionPictureFrame(layer);
    EXPECT_NEAR(f.cfTop, c.top, 1e-15);
    EXPECT_NEAR(f.top, c.top * (1.0 + kFrictionAboveShare), 1e-15);
    EXPECT_NEAR(f.bottom, -kFrictionBelowShare * c.top, 1e-15);
    RecordingSurface surface;
    ASSERT_TRUE(DrawFrictionPicture(surface, layer));
    ASSERT_FALSE(surface.ops.empty());
    EXPECT_EQ(surface.ops[0].kind, RecordingSurface::kScale);
    EXPECT_EQ(surface.ops[0].a[1], f.top);
    // The x/c ticks on the zero line scale with the frame's height.
    int ticks = 0;
    for (const auto& op : surface.Lines(kAxisColour)) {
      if (op.a[0] != op.a[2] || op.a[0] <= 0.0f) continue;
      const int tenth = static_cast<int>(std::lround(op.a[0] * 10.0));
      const double reach = (tenth % 5 == 0 ? 2.0 : 1.0) * 0.015 * (f.top - f.bottom);
      EXPECT_NEAR(op.a[1], -reach, 1e-6 * c.top) << tenth;
      EXPECT_NEAR(op.a[3], reach, 1e-6 * c.top) << tenth;
      ++ticks;
    }
    EXPECT_EQ(ticks, 10);
  }
}

// The lift frame spans the curve rounded out to the next tick each way,
// never a whole step more: each end is a multiple of the axis's tick step
// and lies within one step of the curve's extreme. Random curves, with the
// ranges that give one tick or none among them.
TEST(PictureRules, LiftFrameRoundsOutToOneTickStep) {
  std::mt19937 random(2901);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  for (int trial = 0; trial < 300; ++trial) {
    LiftCurve curve;
    const double a0 = -10.0 + 20.0 * unit(random);
    const double span = std::pow(10.0, -1.0 + 2.5 * unit(random));
    const double c0 = -1.0 + 2.0 * unit(random), slope = 0.2 * unit(random) - 0.05;
    const int n = 2 + static_cast<int>(unit(random) * 20);
    double aLow = 1e9, aHigh = -1e9, cLow = 0.0, cHigh = 0.0;
    for (int i = 0; i < n; ++i) {
      LiftCurvePoint p;
      p.alpha_deg = a0 + span * i / (n - 1);
      p.cl = c0 + slope * (p.alpha_deg - a0);
      p.cl_thin = p.cl + 0.1 * unit(random);
      curve.points.push_back(p);
      aLow = std::min(aLow, p.alpha_deg), aHigh = std::max(aHigh, p.alpha_deg);
      cLow = std::min({cLow, p.cl, p.cl_thin}), cHigh = std::max({cHigh, p.cl, p.cl_thin});
    }
    const LiftFrame f = LiftPictureFrame(curve);
    SCOPED_TRACE(::testing::Message()
                 << "alpha " << aLow << ".." << aHigh << ", C_L " << cLow << ".." << cHigh);
    for (const auto& [low, high, frameLow, frameHigh] :
         {std::tuple{aLow, aHigh, f.alphaLow, f.alphaHigh},
          std::tuple{cLow, cHigh, f.clLow, f.clHigh}}) {
      const std::vector<double> ticks = AxisTicks(low, high, kMostLiftTicks);
      const double step = ticks.size() > 1 ? ticks[1] - ticks[0] : high - low;
      const double tolerance = 1e-9 * step;
      EXPECT_LE(frameLow, low + tolerance);
      EXPECT_GT(frameLow, low - step + tolerance);
      EXPECT_GE(frameHigh, high - tolerance);
      EXPECT_LT(frameHigh, high + step - tolerance);
      if (ticks.size() > 1) {
        EXPECT_NEAR(frameLow / step, std::round(frameLow / step), 1e-6);
        EXPECT_NEAR(frameHigh / step, std::round(frameHigh / step), 1e-6);
      }
    }
    EXPECT_NEAR(f.left, f.alphaLow - kLiftMarginLeft * (f.alphaHigh - f.alphaLow), 1e-9);
    EXPECT_NEAR(f.top, f.clHigh + kLiftMarginTop * (f.clHigh - f.clLow), 1e-9);
  }
}

// Past the separation that stays, the displacement thickness is no longer
// the method's: its chain ends at the last point ahead of separation, and
// the picture says so next to the factor.
TEST(PictureRules, DisplacementThicknessEndsAtSeparation) {
  const Case c = LayerAt(0.1, 12.0);
  ASSERT_TRUE(c.layer.computed());
  ASSERT_TRUE(c.layer.upper.sSeparation.has_value());
  const double factor = DisplacementFactor(c.layer);
  RecordingSurface surface;
  ASSERT_TRUE(DrawDisplacementThickness(surface, c.layer, 0.01, -1.0, 1.0));
  const auto drawn = surface.Lines(kDisplacementColour);
  std::size_t expected = 0;
  for (const SurfaceBoundaryLayer* side : {&c.layer.upper, &c.layer.lower}) {
    const auto displaced = DisplacedSurface(*side, factor);
    std::size_t ahead = 0;  // points up to separation
    while (ahead < side->points.size() &&
           (!side->sSeparation || side->points[ahead].s <= *side->sSeparation)) {
      ++ahead;
    }
    ASSERT_GE(ahead, 2u);
    for (std::size_t j = 1; j < ahead; ++j, ++expected) {
      ASSERT_LT(expected, drawn.size());
      EXPECT_EQ(drawn[expected].a[2], static_cast<float>(displaced[j].first));
      EXPECT_EQ(drawn[expected].a[3], static_cast<float>(displaced[j].second));
    }
  }
  EXPECT_EQ(drawn.size(), expected);
  const DisplacementLabels words;
  int said = 0;
  for (const auto& op : surface.Texts()) said += op.text == words.endsAtSeparation;
  EXPECT_EQ(said, 1);

  // Without separation the chain runs to the trailing edge and nothing is said.
  const Case attached = LayerAt(0.1, 0.0);
  ASSERT_FALSE(attached.layer.upper.sSeparation || attached.layer.lower.sSeparation);
  RecordingSurface whole;
  ASSERT_TRUE(DrawDisplacementThickness(whole, attached.layer, 0.01, -1.0, 1.0));
  EXPECT_EQ(whole.Lines(kDisplacementColour).size(),
            attached.layer.upper.points.size() + attached.layer.lower.points.size() - 2);
  for (const auto& op : whole.Texts()) EXPECT_NE(op.text, words.endsAtSeparation);
}

}  // namespace
}  // namespace fluvenna
