// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/map_picture.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "flow/profile_table.h"
#include "plot/drawing.h"
#include "report/pass_curves.h"

namespace fluvenna {
namespace {

// Records the segments of a picture, with their colours.
class SegmentRecorder : public PlotSurface {
 public:
  struct Segment {
    float x1, y1, x2, y2;
    Colour colour;
    bool operator==(const Segment&) const = default;
  };
  std::vector<Segment> segments;
  std::vector<double> scale;
  std::vector<std::string> texts;

  bool Scale(double x1, double y1, double x2, double y2) override {
    scale = {x1, y1, x2, y2};
    return true;
  }
  bool Cls() override { return true; }
  bool Line(float x1, float y1, float x2, float y2, Colour colour) override {
    segments.push_back({x1, y1, x2, y2, colour});
    return true;
  }
  bool Image(double, double, double, double, const RgbaImage&) override { return true; }
  bool Text(double, double, const std::string& text, Colour, TextAnchor) override {
    texts.push_back(text);
    return true;
  }
  // The segments of the body and the streamlines, in the order drawn.
  std::vector<Segment> Curves() const {
    std::vector<Segment> curves;
    for (const Segment& s : segments) {
      if (s.colour == kBodyColour || s.colour == kStreamlineColour) curves.push_back(s);
    }
    return curves;
  }
  int Count(Colour colour) const {
    int n = 0;
    for (const Segment& s : segments) n += s.colour == colour;
    return n;
  }
};

// The morph picture's two ends draw, segment for segment, what the circle
// and the airfoil plots draw of the same pass; between them the same curves
// move, over the grid, with the critical points and the pointer marked.
TEST(MapPicture, EndsDrawExactlyWhatThePlotsDraw) {
  ProfileTable table;
  ASSERT_FALSE(LoadProfileTableFile(
                   table, std::string(FLUVENNA_SOURCE_DIR) + "/data/" + kProfileTableFileName)
                   .has_value());
  ParameterTexts texts;
  texts.DELTA = "0.1", texts.GAMA = "0.06", texts.Alfa = "6", texts.kMax = "8";
  auto arrays = std::make_unique<PointArrays>();
  SegmentRecorder circlePlot, airfoilPlot;
  PassCurves curves;
  const PassResult result = DrawPass(
      texts, table, *arrays, circlePlot, airfoilPlot,
      [&](const PassResult& r, const PointArrays& a) { curves.TakeCirclePlane(a, r.lastCurve); });
  ASSERT_TRUE(result.ok());
  ConformalMorph morph(result.circle, curves.circle()[0].x[0], result.params.Olcek);
  for (const PlaneCurve& c : curves.circle()) morph.AddCurve(c.k, c.x, c.y);

  const double Olcek = result.params.Olcek, XMax = result.params.XMax;
  SegmentRecorder at0, at1, half;
  ASSERT_TRUE(DrawMapPicture(at0, morph, Olcek, XMax, 0.0, 396, 263));
  ASSERT_TRUE(DrawMapPicture(at1, morph, Olcek, XMax, 1.0, 396, 263));
  ASSERT_TRUE(DrawMapPicture(half, morph, Olcek, XMax, 0.5, 396, 263, {}, std::pair{0.6, 0.3}));
  ASSERT_FALSE(circlePlot.Curves().empty());
  EXPECT_EQ(at0.Curves(), circlePlot.Curves());
  EXPECT_EQ(at1.Curves(), airfoilPlot.Curves());
  EXPECT_EQ(at0.scale, circlePlot.scale);
  EXPECT_EQ(at1.scale, airfoilPlot.scale);
  // The axes first, as the plots have them.
  EXPECT_EQ(std::vector(at0.segments.begin(), at0.segments.begin() + 2),
            std::vector(circlePlot.segments.begin(), circlePlot.segments.begin() + 2));

  EXPECT_EQ(half.Curves().size(), at0.Curves().size());
  EXPECT_NE(half.Curves(), at0.Curves());
  EXPECT_NE(half.Curves(), at1.Curves());
  for (const SegmentRecorder* picture : {&at0, &at1, &half}) {
    EXPECT_GT(picture->Count(kMapGridColour), 1000);
    EXPECT_EQ(picture->Count(kCriticalPointColour), 4);  // a cross at each critical point
  }
  EXPECT_EQ(at0.Count(kMapPointerColour), 0);
  EXPECT_GT(half.Count(kMapPointerColour), 6);  // the pointer's ring
  EXPECT_EQ(at0.texts, std::vector<std::string>{"circle plane z (t = 0)"});
  EXPECT_EQ(at1.texts, std::vector<std::string>{"airfoil plane ζ (t = 1)"});
  EXPECT_EQ(half.texts, std::vector<std::string>{"ζ = z + t·c_J²/z, t = 0.50"});
  EXPECT_EQ(MapLabelsIn(Language::kTurkish).circle, "çember düzlemi z (t = 0)");

  // The pointer's picture point is found again from its device pixel.
  const auto corner = MapUserPoint(Olcek, 396, 263, 0.0, 263.0);
  ASSERT_TRUE(corner.has_value());
  EXPECT_DOUBLE_EQ(corner->first, -Olcek);
  EXPECT_DOUBLE_EQ(corner->second, -Olcek * 2.0 / 3.0);
  EXPECT_FALSE(MapUserPoint(Olcek, 396, 263, 397.0, 10.0).has_value());
}

}  // namespace
}  // namespace fluvenna
