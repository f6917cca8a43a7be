// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <cmath>
#include <memory>

#include "cli_test_support.h"
#include "flow/pass.h"
#include "flow/profile_geometry.h"
#include "plot/boundary_layer_picture.h"
#include "plot/drawing.h"
#include "plot/pressure_picture.h"
#include "plot/qt/painter_surface.h"

namespace fluvenna {
namespace {

const QColor kBackground(255, 255, 192), kRed(255, 0, 0), kBlue(0, 0, 255), kGrey(150, 150, 150);

// How much of `ink` a pixel shows over the background, from 0 (background) to
// 1 (pure ink); 0 when the pixel differs from the background in another colour.
double InkShare(QRgb pixel, const QColor& ink) {
  const double d[3] = {double(qRed(pixel) - kBackground.red()),
                       double(qGreen(pixel) - kBackground.green()),
                       double(qBlue(pixel) - kBackground.blue())};
  const double e[3] = {double(ink.red() - kBackground.red()),
                       double(ink.green() - kBackground.green()),
                       double(ink.blue() - kBackground.blue())};
  const double ee = e[0] * e[0] + e[1] * e[1] + e[2] * e[2];
  const double t = (d[0] * e[0] + d[1] * e[1] + d[2] * e[2]) / ee;
  double rest = 0.0;
  for (int i = 0; i < 3; ++i) rest += (d[i] - t * e[i]) * (d[i] - t * e[i]);
  return rest < 0.04 * ee ? t : 0.0;
}

// Whether the picture shows `ink` within a pixel of the user point (x, y) of
// a plot whose window is x in [-scale, scale], y in [-2/3 scale, 2/3 scale].
bool Shows(const QImage& image, double x, double y, const QColor& ink, double scale = 1.0) {
  const double px = (x + scale) / (2.0 * scale) * image.width();
  const double py = (scale * 2.0 / 3.0 - y) / (scale * 4.0 / 3.0) * image.height();
  double best = 0.0;
  for (int i = int(std::floor(px)) - 1; i <= int(std::floor(px)) + 1; ++i) {
    for (int j = int(std::floor(py)) - 1; j <= int(std::floor(py)) + 1; ++j) {
      if (image.valid(i, j)) best = std::max(best, InkShare(image.pixel(i, j), ink));
    }
  }
  return best >= 0.4;
}

const QStringList kPass{"--delta", "0.1", "--gamma", "0.05", "--alpha", "8", "--nsl", "6"};

// The curves of the same pass on the core alone, in the circle plane or the airfoil plane.
std::unique_ptr<PointArrays> CorePass(const testing::TableFolder& folder, bool airfoil,
                                      int& lastCurve, const QStringList& more = {}) {
  ProfileTable table;
  EXPECT_FALSE(LoadProfileTableFile(table, folder.TablePath().toStdString()));
  auto a = std::make_unique<PointArrays>();
  PassResult r = RunCirclePlane(testing::Options(kPass + more).texts, table, *a);
  if (airfoil) RunAirfoilPlane(r, *a);
  lastCurve = r.lastCurve;
  return a;
}

// The body in red at points away from where the streamlines touch it, and
// every streamline in blue at its middle point.
void ExpectCurvesWhereTheyAre(const QImage& image, const PointArrays& a, int lastCurve,
                              double scale = 1.0) {
  for (int j : {10, 20, 30, 40}) {
    EXPECT_TRUE(Shows(image, a.XP(0, j), a.YP(0, j), kRed, scale)) << "body point " << j;
  }
  for (int k = 1; k <= lastCurve; ++k) {
    const int j = (a.NP[k] + 1) / 2;
    EXPECT_TRUE(Shows(image, a.XP(k, j), a.YP(k, j), kBlue, scale)) << "curve " << k;
  }
  EXPECT_TRUE(Shows(image, 0.0, 0.6 * scale, kGrey, scale)) << "the y axis above the curves";
  EXPECT_EQ(QColor(image.pixel(image.width() / 4, 3)), kBackground) << "the empty top";
}

TEST(Pictures, PngShowsBothPlotsAtTheWindowsSize) {
  const testing::TableFolder folder;
  const QString prefix = folder.Path("out");
  ASSERT_EQ(testing::RenderWith(folder, kPass + QStringList{"--png", prefix}).status, kExitPassOk);
  int lastCurve = 0;
  for (const bool airfoil : {false, true}) {
    SCOPED_TRACE(airfoil ? "airfoil" : "circle");
    const QImage image(prefix + (airfoil ? "-airfoil.png" : "-circle.png"));
    ASSERT_EQ(image.size(), QSize(396, 263));
    const auto a = CorePass(folder, airfoil, lastCurve);
    ExpectCurvesWhereTheyAre(image, *a, lastCurve);
  }
}

TEST(Pictures, PngIsWhatTheWindowPaintsOnItsDrawingArea) {
  const testing::TableFolder folder;
  const QString prefix = folder.Path("out");
  ASSERT_EQ(testing::RenderWith(folder, kPass + QStringList{"--png", prefix}).status, kExitPassOk);
  // The window: one image per plot, a plot surface over all of it, one pass.
  QImage window1(396, 263, QImage::Format_RGB32), window2(396, 263, QImage::Format_RGB32);
  {
    QPainter painter1(&window1), painter2(&window2);
    PainterSurface surface1(painter1, window1.rect()), surface2(painter2, window2.rect());
    ProfileTable table;
    ASSERT_FALSE(LoadProfileTableFile(table, folder.TablePath().toStdString()));
    auto a = std::make_unique<PointArrays>();
    ASSERT_TRUE(DrawPass(testing::Options(kPass).texts, table, *a, surface1, surface2).ok());
  }
  EXPECT_EQ(QImage(prefix + "-circle.png").convertToFormat(QImage::Format_RGB32), window1);
  EXPECT_EQ(QImage(prefix + "-airfoil.png").convertToFormat(QImage::Format_RGB32), window2);
}

TEST(Pictures, LargerPngKeepsTheCoordinateSystem) {
  const testing::TableFolder folder;
  const QString prefix = folder.Path("big");
  const QStringList more{"--png", prefix, "--size", "1188x789", "--scale", "1.5"};
  ASSERT_EQ(testing::RenderWith(folder, kPass + more).status, kExitPassOk);
  const QImage image(prefix + "-airfoil.png");
  ASSERT_EQ(image.size(), QSize(1188, 789));
  int lastCurve = 0;
  const auto a = CorePass(folder, true, lastCurve, more);
  ExpectCurvesWhereTheyAre(image, *a, lastCurve, 1.5);
}

TEST(Pictures, SvgHasTheColoursAndShowsTheCurvesWhereThePngDoes) {
  const testing::TableFolder folder;
  const QString prefix = folder.Path("out");
  ASSERT_EQ(testing::RenderWith(folder, kPass + QStringList{"--svg", prefix}).status, kExitPassOk);
  int lastCurve = 0;
  for (const bool airfoil : {false, true}) {
    SCOPED_TRACE(airfoil ? "airfoil" : "circle");
    const QString path = prefix + (airfoil ? "-airfoil.svg" : "-circle.svg");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray svg = file.readAll();
    for (const char* colour : {"#ffffc0", "#969696", "#ff0000", "#0000ff"}) {
      EXPECT_TRUE(svg.contains(colour)) << colour;
    }
    QSvgRenderer renderer(path);
    ASSERT_TRUE(renderer.isValid());
    ASSERT_EQ(renderer.defaultSize(), QSize(396, 263));
    QImage image(renderer.defaultSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    const auto a = CorePass(folder, airfoil, lastCurve);
    ExpectCurvesWhereTheyAre(image, *a, lastCurve);
  }
}

// The third picture: -Cp against x/c, the upper surface red and the lower
// one blue where the core puts their points, in PNG and SVG alike.
TEST(Pictures, PressurePictureShowsBothSurfacesWhereTheCoreHasThem) {
  const testing::TableFolder folder;
  const QString prefix = folder.Path("out");
  const QStringList more{"--alpha", "10", "--png", prefix, "--svg", prefix};
  ASSERT_EQ(testing::RenderWith(folder, kPass + more).status, kExitPassOk);
  ProfileTable table;
  ASSERT_FALSE(LoadProfileTableFile(table, folder.TablePath().toStdString()));
  auto a = std::make_unique<PointArrays>();
  const PassResult pass = RunWholePass(testing::Options(kPass + more).texts, table, *a);
  ASSERT_TRUE(pass.ok());
  const SurfacePressure pressure = ComputeSurfacePressure(pass.params, pass.circle);
  const PressureFrame f = PressurePictureFrame(pressure);

  QSvgRenderer renderer(prefix + "-pressure.svg");
  ASSERT_TRUE(renderer.isValid());
  QImage svg(renderer.defaultSize(), QImage::Format_RGB32);
  svg.fill(Qt::white);
  QPainter painter(&svg);
  renderer.render(&painter);
  painter.end();
  for (const QImage& image : {QImage(prefix + "-pressure.png"), svg}) {
    ASSERT_EQ(image.size(), QSize(396, 263));
    const auto shows = [&](double xc, double minusCp, const QColor& ink) {
      // Shows() takes the flow plots' window; carry the point over to it.
      const double x = -1.0 + 2.0 * (xc - f.left) / (f.right - f.left);
      const double y = 2.0 / 3.0 - 4.0 / 3.0 * (f.top - minusCp) / (f.top - f.bottom);
      return Shows(image, x, y, ink);
    };
    int upper = 0, lower = 0;
    for (const SurfacePoint& point : pressure.points) {
      // Away from the nose and the tail, where the two curves cross or meet.
      if (point.xc < 0.1 || point.xc > 0.9) continue;
      const bool isUpper = point.side == SurfaceSide::kUpper;
      EXPECT_TRUE(shows(point.xc, -point.Cp, isUpper ? kRed : kBlue)) << point.xc;
      ++(isUpper ? upper : lower);
    }
    EXPECT_GT(upper, 20);
    EXPECT_GT(lower, 20);
    EXPECT_TRUE(shows(0.55, 0.0, kGrey)) << "the zero line";
    EXPECT_TRUE(shows(0.0, 0.5 * f.bottom, kGrey)) << "the -Cp axis";
  }
}

// PREFIX-friction: c_f against x/c of the core's boundary layer, each surface
// in its colour, in PNG and SVG alike.
TEST(Pictures, FrictionPictureShowsTheCoresSkinFriction) {
  const testing::TableFolder folder;
  const QString prefix = folder.Path("out");
  const QStringList more{"--alpha", "4", "--png", prefix, "--svg", prefix};
  ASSERT_EQ(testing::RenderWith(folder, kPass + more).status, kExitPassOk);
  ProfileTable table;
  ASSERT_FALSE(LoadProfileTableFile(table, folder.TablePath().toStdString()));
  auto a = std::make_unique<PointArrays>();
  const PassResult pass = RunWholePass(testing::Options(kPass + more).texts, table, *a);
  ASSERT_TRUE(pass.ok());
  const BoundaryLayer layer = ComputeBoundaryLayer(pass.params, pass.circle,
                                                   MeasureProfile(pass.params.Eps, pass.params.Mu));
  ASSERT_TRUE(layer.computed());
  const FrictionFrame f = FrictionPictureFrame(layer);

  QSvgRenderer renderer(prefix + "-friction.svg");
  ASSERT_TRUE(renderer.isValid());
  QImage svg(renderer.defaultSize(), QImage::Format_RGB32);
  svg.fill(Qt::white);
  QPainter painter(&svg);
  renderer.render(&painter);
  painter.end();
  for (const QImage& image : {QImage(prefix + "-friction.png"), svg}) {
    ASSERT_EQ(image.size(), QSize(396, 263));
    const auto shows = [&](double xc, double cf, const QColor& ink) {
      const double x = -1.0 + 2.0 * (xc - f.left) / (f.right - f.left);
      const double y = 2.0 / 3.0 - 4.0 / 3.0 * (f.top - cf) / (f.top - f.bottom);
      return Shows(image, x, y, ink);
    };
    for (const SurfaceBoundaryLayer* side : {&layer.upper, &layer.lower}) {
      const QColor ink = side->side == SurfaceSide::kUpper ? kRed : kBlue;
      int looked = 0, shown = 0;
      for (const BoundaryLayerPoint& point : side->points) {
        if (point.xc < 0.1 || point.xc > 0.9) continue;
        ++looked;
        shown += shows(point.xc, point.cf, ink);
      }
      EXPECT_GT(looked, 50);
      // Where the two curves cross, the later one covers a few points.
      EXPECT_GE(shown, looked * 95 / 100) << (ink == kRed ? "upper" : "lower");
    }
    EXPECT_TRUE(shows(0.55, 0.0, kGrey)) << "the zero line";
  }
}

}  // namespace
}  // namespace fluvenna
