// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The boundary layer in the pictures, on a recording surface: the marks
// stand where the core puts transition and separation, the friction
// picture draws the core's c_f, the displacement thickness lies outside the
// body at the stated factor, and the lift picture shades the angles the
// polar says separate early while the polar picture joins only predicted
// points.
#include "plot/boundary_layer_picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "flow/circle_model.h"
#include "flow/flow_field.h"
#include "flow/profile_geometry.h"
#include "plot/field_picture.h"
#include "plot/lift_picture.h"
#include "plot/pressure_picture.h"
#include "report/number_text.h"
#include "tests/plot/recording_surface.h"

namespace fluvenna {
namespace {

using testing::RecordingSurface;

struct Case {
  FlowParameters p;
  CircleModel circle;
  ProfileMeasure profile;
  BoundaryLayer layer;
};

// A 12 % thick symmetric profile at `alpha` degrees, Re = 1e6.
Case LayerAt(double alpha) {
  Case c;
  c.p = ReadParameters(ParameterTexts{}, ProfileTable{});
  c.p.Eps = 0.1, c.p.Mu = 0.0, c.p.Alfa = alpha, c.p.iKutta = 1.0;
  c.circle = ComputeCircleModel(c.p);
  c.profile = MeasureProfile(c.p.Eps, c.p.Mu);
  c.layer = ComputeBoundaryLayer(c.p, c.circle, c.profile);
  return c;
}

std::vector<RecordingSurface::Op> TextsSaying(const RecordingSurface& s, const std::string& text) {
  std::vector<RecordingSurface::Op> found;
  for (const auto& op : s.Texts()) {
    if (op.text == text) found.push_back(op);
  }
  return found;
}

// Each mark of the core's layer: its place is the layer's own transition or
// separation point, and the pressure and friction pictures put its letter
// and stroke exactly there, on the curve.
TEST(BoundaryLayerPicture, MarksStandWhereTheCorePutsThem) {
  const Case c = LayerAt(6.0);
  ASSERT_TRUE(c.layer.computed());
  const std::vector<LayerMark> marks = LayerMarks(c.layer);
  int transitions = 0;
  for (const LayerMark& mark : marks) {
    const SurfaceBoundaryLayer& side =
        mark.side == SurfaceSide::kUpper ? c.layer.upper : c.layer.lower;
    const std::optional<double> xc = mark.separation ? side.xSeparation : side.xTransition;
    ASSERT_TRUE(xc);
    EXPECT_NEAR(mark.xc, *xc, 2e-3);
    transitions += !mark.separation;
  }
  ASSERT_EQ(transitions, 2);  // both surfaces turn turbulent at 6 degrees, Re 1e6

  const SurfacePressure pressure = ComputeSurfacePressure(c.p, c.circle, c.profile);
  RecordingSurface cp;
  ASSERT_TRUE(DrawPressurePicture(cp, pressure, {}, &c.layer));
  RecordingSurface cf;
  ASSERT_TRUE(DrawFrictionPicture(cf, c.layer));
  const FrictionFrame ff = FrictionPictureFrame(c.layer);
  for (const LayerMark& mark : marks) {
    const Colour colour =
        mark.side == SurfaceSide::kUpper ? kUpperSurfaceColour : kLowerSurfaceColour;
    const std::string letter = mark.separation ? "S" : "T";
    for (RecordingSurface* picture : {&cp, &cf}) {
      const bool friction = picture == &cf;
      const double y = friction ? std::min(mark.cf, ff.cfTop) : mark.ue * mark.ue - 1.0;
      const auto letters = TextsSaying(*picture, letter);
      const bool placed = std::any_of(letters.begin(), letters.end(), [&](const auto& op) {
        return op.a[0] == mark.xc && op.colour == colour &&
               (mark.side == SurfaceSide::kUpper ? op.a[1] > y : op.a[1] < y);
      });
      EXPECT_TRUE(placed) << letter << " at " << mark.xc << (friction ? " (c_f)" : " (Cp)");
      const auto strokes = picture->Lines(colour);
      EXPECT_TRUE(std::any_of(strokes.begin(), strokes.end(), [&](const auto& op) {
        return op.a[0] == op.a[2] && op.a[0] == static_cast<float>(mark.xc) &&
               std::min(op.a[1], op.a[3]) <= y + 1e-6 && std::max(op.a[1], op.a[3]) >= y - 1e-6;
      }));
    }
  }
  // Every text after every line (a canvas strokes the lines in one go).
  for (const RecordingSurface* picture : {&cp, &cf}) {
    const auto firstText =
        std::find_if(picture->ops.begin(), picture->ops.end(),
                     [](const auto& op) { return op.kind == RecordingSurface::kText; });
    EXPECT_TRUE(std::none_of(firstText, picture->ops.end(),
                             [](const auto& op) { return op.kind == RecordingSurface::kLine; }));
  }
  // The key says what the letters mean.
  EXPECT_EQ(TextsSaying(cp, "T transition, S separation").size(), 1u);
  EXPECT_EQ(TextsSaying(cf, "T transition, S separation").size(), 1u);

  // The friction curves are the layer's points (x/c, c_f), one chain each.
  for (const SurfaceBoundaryLayer* side : {&c.layer.upper, &c.layer.lower}) {
    const Colour colour =
        side->side == SurfaceSide::kUpper ? kUpperSurfaceColour : kLowerSurfaceColour;
    std::vector<RecordingSurface::Op> chain;
    for (const auto& op : cf.Lines(colour)) {
      if (op.a[0] != op.a[2]) chain.push_back(op);  // not a mark's stroke
    }
    ASSERT_GE(chain.size() + 2, side->points.size());
    for (std::size_t j = 1; j < side->points.size(); ++j) {
      const auto& point = side->points[j];
      if (point.xc == side->points[j - 1].xc) continue;  // vertical: counted as a stroke
      EXPECT_TRUE(std::any_of(chain.begin(), chain.end(), [&](const auto& op) {
        return op.a[2] == static_cast<float>(point.xc) && op.a[3] == static_cast<float>(point.cf);
      })) << j;
    }
  }
  // Numbered axes with their titles.
  EXPECT_EQ(TextsSaying(cf, "c_f").size(), 1u);
  EXPECT_EQ(TextsSaying(cf, "x/c").size(), 1u);
  EXPECT_EQ(TextsSaying(cf, "0.4").size(), 1u);
  EXPECT_GE(cf.Texts().size(), 12u);

  // A point the core could not give leaves a gap, never a failed picture.
  BoundaryLayer gap = c.layer;
  gap.upper.points[10].cf = std::nan("");
  gap.upper.points[20].dstar = std::nan("");
  gap.lower.points[5].ue = std::nan("");
  RecordingSurface withGap, displaced;
  EXPECT_TRUE(DrawFrictionPicture(withGap, gap));
  EXPECT_EQ(withGap.Lines(kUpperSurfaceColour).size() + 2, cf.Lines(kUpperSurfaceColour).size());
  EXPECT_TRUE(DrawDisplacementThickness(displaced, gap, 0.01, 0.0, 0.0));

  // Without a computed layer the friction picture keeps its empty axes and
  // the pressure picture has no marks.
  BoundaryLayer none;
  RecordingSurface empty, plain;
  ASSERT_TRUE(DrawFrictionPicture(empty, none));
  EXPECT_TRUE(empty.Lines(kUpperSurfaceColour).empty());
  ASSERT_TRUE(DrawPressurePicture(plain, pressure, {}, &none));
  EXPECT_TRUE(TextsSaying(plain, "T").empty());
}

// The displacement thickness stands factor * delta* off the body, outside
// it, and the picture says the factor.
TEST(BoundaryLayerPicture, DisplacementThicknessLiesOutsideTheBodyAtTheStatedFactor) {
  for (const double alpha : {-6.0, 0.0, 8.0}) {
    SCOPED_TRACE(alpha);
    const Case c = LayerAt(alpha);
    ASSERT_TRUE(c.layer.computed());
    const double factor = DisplacementFactor(c.layer);
    double thickest = 0.0;
    for (const auto* side : {&c.layer.upper, &c.layer.lower}) {
      for (const auto& point : side->points) {
        if (point.regime != BoundaryLayerRegime::kSeparated)
          thickest = std::max(thickest, point.dstar);
      }
    }
    EXPECT_LE(factor * thickest, kDisplacementShare * c.layer.chord);
    EXPECT_TRUE(factor == kDisplacementFactors[0] ||
                2.5 * factor * thickest > kDisplacementShare * c.layer.chord);

    const FlowFieldModel field(c.p, c.circle);
    for (const auto* side : {&c.layer.upper, &c.layer.lower}) {
      const auto displaced = DisplacedSurface(*side, factor);
      ASSERT_EQ(displaced.size(), side->points.size());
      int outside = 0;
      for (std::size_t j = 0; j < displaced.size(); ++j) {
        const auto& point = side->points[j];
        const auto [x, y] = displaced[j];
        EXPECT_NEAR(std::hypot(x - point.x, y - point.y), factor * point.dstar, 1e-12);
        outside += field.At(FieldPlane::kAirfoil, x, y).state != FieldState::kInsideBody;
      }
      // The normal is one-sided at the sharp trailing edge, where it may graze the body.
      EXPECT_GE(outside, static_cast<int>(displaced.size()) - 1);
    }

    RecordingSurface surface;
    const FieldScene scene{&field, nullptr, 1.0, 1.0, &c.layer};
    FieldBuffers buffers;
    ASSERT_TRUE(DrawFieldPicture(surface, scene, FieldColouring::kNone, 300, 200, buffers));
    EXPECT_EQ(TextsSaying(surface, "δ* × " + NumberText(factor)).size(), 1u);
    EXPECT_GT(surface.Lines(kDisplacementColour).size(), 100u);
  }
}

// Shading and polar from a polar with known points: the angles 4..6 separate
// early, the drag is predicted up to 3 degrees.
TEST(BoundaryLayerPicture, LiftShadesEarlySeparationAndThePolarJoinsPredictedPoints) {
  Polar polar;
  polar.status = BoundaryLayerStatus::kComputed;
  LiftCurve curve;
  for (int a = -2; a <= 6; ++a) {
    PolarPoint point;
    point.alphaDeg = a;
    point.cl = 0.11 * a;
    if (a <= 3) {
      point.dragStatus = DragStatus::kPredicted;
      point.cd = 0.006 + 0.0002 * a * a;
    } else {
      point.dragStatus = DragStatus::kSeparatesEarly;
    }
    point.xSeparationUpper = a >= 4 ? std::optional<double>(0.5) : std::nullopt;
    polar.points.push_back(point);
    curve.points.push_back({static_cast<double>(a), point.cl, point.cl});
  }
  curve.passPoint = 2;
  const auto bands = SeparatedBands(polar);
  ASSERT_EQ(bands.size(), 1u);
  EXPECT_EQ(bands[0], std::pair(3.5, 6.0));

  RecordingSurface lift;
  ASSERT_TRUE(DrawLiftPicture(lift, curve, {}, &polar));
  const LiftFrame f = LiftPictureFrame(curve);
  const auto image = std::find_if(lift.ops.begin(), lift.ops.end(), [](const auto& op) {
    return op.kind == RecordingSurface::kImage;
  });
  ASSERT_NE(image, lift.ops.end());
  EXPECT_EQ(image->a[0], 3.5);
  EXPECT_EQ(image->a[2], std::min(6.0, f.alphaHigh));
  EXPECT_EQ(image->a[1], f.clHigh);
  EXPECT_EQ(image->a[3], f.clLow);
  // Under everything else of the box: drawn right after Scale and Cls.
  EXPECT_EQ(image - lift.ops.begin(), 2);
  const LiftLabels words;
  EXPECT_EQ(TextsSaying(lift, words.separated).size(), 1u);
  EXPECT_EQ(TextsSaying(lift, words.lostLift).size(), 1u);
  EXPECT_EQ(TextsSaying(lift, words.keptLift).size(), 1u);

  RecordingSurface plain;  // no polar: no band, no caption
  ASSERT_TRUE(DrawLiftPicture(plain, curve));
  EXPECT_TRUE(TextsSaying(plain, words.lostLift).empty());
  EXPECT_EQ(plain.ops.size() + 4, lift.ops.size());

  RecordingSurface drag;
  ASSERT_TRUE(DrawPolarPicture(drag, polar, curve.passPoint));
  const auto chain = drag.Lines(kPolarColour);
  ASSERT_EQ(chain.size(), 5u);  // -2..3: six predicted points
  EXPECT_FLOAT_EQ(chain[0].a[0], static_cast<float>(*polar.points[0].cd));
  EXPECT_FLOAT_EQ(chain[0].a[1], static_cast<float>(polar.points[0].cl));
  EXPECT_FLOAT_EQ(chain[4].a[2], static_cast<float>(*polar.points[5].cd));
  EXPECT_EQ(drag.Lines(kPassMarkColour).size(), 4u);  // the pass's square
  const PolarFrame pf = PolarPictureFrame(polar);
  EXPECT_EQ(pf.cdLow, 0.0);
  EXPECT_GE(pf.cdHigh, *polar.points[0].cd);
  EXPECT_EQ(TextsSaying(drag, "C_D").size(), 1u);
}

// Every word the boundary layer adds to the pictures has its Turkish text:
// the letters of the marks, their key, the titles and the caption.
TEST(BoundaryLayerPicture, WordsAreTranslated) {
  const LiftLabels lift = LiftLabelsIn(Language::kTurkish);
  const FrictionLabels friction = FrictionLabelsIn(Language::kTurkish);
  const PressureLabels pressure = PressureLabelsIn(Language::kTurkish);
  const FieldLabels field = FieldLabelsIn(Language::kTurkish);
  const PolarLabels polar = PolarLabelsIn(Language::kTurkish);
  const LiftLabels english;
  const LayerMarkLabels marks;
  for (const auto& [turkish, source] : {std::pair{lift.separated, english.separated},
                                        {lift.lostLift, english.lostLift},
                                        {lift.keptLift, english.keptLift},
                                        {friction.marks.transition, marks.transition},
                                        {friction.marks.separation, marks.separation},
                                        {friction.marks.key, marks.key},
                                        {friction.upperSurface, std::string("upper surface")},
                                        {pressure.transition, marks.transition},
                                        {pressure.separation, marks.separation},
                                        {pressure.marksKey, marks.key},
                                        {field.transition, marks.transition},
                                        {field.separation, marks.separation},
                                        {polar.title, PolarLabels().title},
                                        {field.endsAtSeparation, FieldLabels().endsAtSeparation}}) {
    EXPECT_NE(turkish, source);
  }
  EXPECT_EQ(DisplacementLabelsIn(Language::kTurkish).marks.transition, friction.marks.transition);
  EXPECT_EQ(DisplacementLabelsIn(Language::kTurkish).endsAtSeparation, field.endsAtSeparation);
}

}  // namespace
}  // namespace fluvenna
