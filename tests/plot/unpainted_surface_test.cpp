// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/unpainted_surface.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <limits>
#include <memory>
#include <string>

#include "flow/surface_pressure.h"
#include "plot/drawing.h"
#include "plot/pressure_picture.h"
#include "plot/qt/painter_surface.h"

namespace fluvenna {
namespace {

// Every operation on a painting surface and on an unpainted one at once; an
// operation counts as a disagreement when their answers differ. It answers
// as the painting one does, so that a drawing goes on as it would.
class BothSurfaces : public PlotSurface {
 public:
  BothSurfaces() : painter_(&image_), painted_(painter_, QRectF(0, 0, 60, 40)) {}

  bool Scale(double x1, double y1, double x2, double y2) override {
    return Agree(painted_.Scale(x1, y1, x2, y2), unpainted_.Scale(x1, y1, x2, y2));
  }
  bool Cls() override { return Agree(painted_.Cls(), unpainted_.Cls()); }
  bool Line(float x1, float y1, float x2, float y2, Colour c) override {
    return Agree(painted_.Line(x1, y1, x2, y2, c), unpainted_.Line(x1, y1, x2, y2, c));
  }
  bool Image(double x1, double y1, double x2, double y2, const RgbaImage& image) override {
    return Agree(painted_.Image(x1, y1, x2, y2, image), unpainted_.Image(x1, y1, x2, y2, image));
  }
  bool Text(double x, double y, const std::string& text, Colour c, TextAnchor a) override {
    return Agree(painted_.Text(x, y, text, c, a), unpainted_.Text(x, y, text, c, a));
  }

  int operations = 0, refused = 0, disagreements = 0;

 private:
  bool Agree(bool painted, bool unpainted) {
    ++operations;
    refused += !painted;
    disagreements += painted != unpainted;
    return painted;
  }
  QImage image_{60, 40, QImage::Format_RGB32};
  QPainter painter_;
  PainterSurface painted_;
  UnpaintedSurface unpainted_;
};

TEST(UnpaintedSurface, RefusesWhatThePaintingSurfaceRefuses) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::nan("");
  const RgbaImage pixel{1, 1, {1, 2, 3, 255}};
  const RgbaImage torn{2, 2, {1, 2, 3, 255}};  // fewer bytes than its size
  BothSurfaces s;
  // Before any user system, then with refused and accepted ones.
  s.Cls();
  s.Line(0, 0, 1, 1, kBodyColour);
  s.Text(0, 0, "a", kAxisColour, TextAnchor::kCentre);
  s.Image(0, 0, 1, 1, pixel);
  for (const double bad : {0.0, nan, inf, 1e308}) s.Scale(-bad, 1, bad, -1);
  s.Scale(-1, 1, 1, -1);
  for (const float x : {0.5f, 1e30f, std::nanf(""), std::numeric_limits<float>::infinity()}) {
    s.Line(0, 0, x, -x, kStreamlineColour);
    s.Text(x, 0.5, "label", kAxisColour, TextAnchor::kBottomRight);
    s.Text(x, 0.5, "", kAxisColour, TextAnchor::kTop);
  }
  for (const double x : {0.5, 1e300, nan, -inf}) {
    s.Image(-x, 1, x, -1, pixel);
    s.Image(-x, 1, x, -1, torn);
    s.Image(-x, 1, x, -1, RgbaImage{});
  }
  EXPECT_EQ(s.operations, 33);
  EXPECT_GT(s.refused, 20);
  EXPECT_EQ(s.disagreements, 0);
}

// Whole pictures of passes, drawn and refused, give the same answers on both.
TEST(UnpaintedSurface, DrawsEveryPassAsFarAsThePaintingSurfaceDoes) {
  const ProfileTable table;  // no rows: the flat plate
  struct Case {
    ParameterTexts texts;
    bool drawn;
  };
  const auto texts = [](std::string alfa, std::string kutta, std::string olcek) {
    ParameterTexts t;
    t.Alfa = std::move(alfa);
    t.iKutta = std::move(kutta);
    t.Olcek = std::move(olcek);
    t.kMax = "6";
    return t;
  };
  const Case cases[] = {{texts("8", "1", "1"), true},     {texts("-10", "0.5", "2"), true},
                        {texts("1e300", "1", "1"), true}, {texts("8", "1e200", "1"), true},
                        {texts("8", "1", "0"), false},    {texts("8", "1", "1e308"), false},
                        {texts("8", "1", "1e-300"), true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.texts.Alfa + " " + c.texts.iKutta + " " + c.texts.Olcek);
    BothSurfaces picture1, picture2, pressure;
    auto arrays = std::make_unique<PointArrays>();
    const PassResult pass = DrawPass(c.texts, table, *arrays, picture1, picture2);
    EXPECT_EQ(pass.ok(), c.drawn);
    if (pass.ok()) {
      EXPECT_TRUE(DrawPressurePicture(pressure, ComputeSurfacePressure(pass.params, pass.circle)));
    }
    for (const BothSurfaces* s : {&picture1, &picture2, &pressure}) {
      EXPECT_EQ(s->disagreements, 0);
    }
    if (c.drawn) {
      EXPECT_GT(picture1.operations + picture2.operations + pressure.operations, 100);
    }
  }
}

}  // namespace
}  // namespace fluvenna
