// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/qt/painter_surface.h"

#include <gtest/gtest.h>

#include <utility>

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <cmath>
#include <limits>

namespace fluvenna {
namespace {

constexpr float kHuge = 1e30f;
const QRectF kInterior(0, 0, 396, 263);

// The plot as a window pass sets it up: x from -1 to 1, y from 2/3 down to -2/3.
struct Plot {
  QImage image{396, 263, QImage::Format_RGB32};
  QPainter painter{&image};
  PainterSurface surface{painter, kInterior};
  Plot() {
    EXPECT_TRUE(surface.Scale(-1.0, 2.0 / 3.0, 1.0, -2.0 / 3.0));
    EXPECT_TRUE(surface.Cls());
  }
  QColor At(int x, int y) {
    if (painter.isActive()) painter.end();
    return image.pixelColor(x, y);
  }
};

// Blue, or a blend of blue and background where a line falls between pixels.
bool IsBlue(const QColor& c) {
  return c.blue() > c.red() + 60 && c.blue() > c.green() + 60;
}

TEST(PainterSurface, RefusesWhatItCannotDraw) {
  QImage image(10, 10, QImage::Format_RGB32);
  QPainter painter(&image);
  PainterSurface surface(painter, QRectF(0, 0, 10, 10));
  EXPECT_TRUE(surface.Cls());                           // clearing needs no coordinate system
  EXPECT_FALSE(surface.Line(0, 0, 1, 1, kBodyColour));  // nor does anything else yet
  EXPECT_FALSE(surface.Scale(0, 0, 0, 0));              // Olcek = 0
  EXPECT_FALSE(surface.Scale(-1, 1, 1, 1));
  EXPECT_FALSE(surface.Scale(-1, 1, std::nan(""), -1));
  EXPECT_FALSE(surface.Scale(-1e308, 1, 1e308, -1));  // a width beyond the doubles
  ASSERT_TRUE(surface.Scale(-1, 1, 1, -1));
  EXPECT_FALSE(surface.Line(std::numeric_limits<float>::infinity(), 0, 0, 0, kBodyColour));
  EXPECT_FALSE(surface.Line(0, 0, 0, std::nanf(""), kBodyColour));
  EXPECT_TRUE(surface.Line(5, 5, 6, 6, kBodyColour));  // outside: nothing drawn, no fault
}

TEST(PainterSurface, HugeCoordinatesAreClippedToThePlot) {
  Plot plot;
  EXPECT_TRUE(plot.surface.Line(-kHuge, 0.0f, kHuge, 0.0f, kStreamlineColour));
  EXPECT_TRUE(plot.surface.Line(0.5f, -std::numeric_limits<float>::max(), 0.5f,
                                std::numeric_limits<float>::max(), kStreamlineColour));
  for (int x : {1, 100, 394}) EXPECT_TRUE(IsBlue(plot.At(x, 131))) << x;
  for (int y : {1, 60, 261}) EXPECT_TRUE(IsBlue(plot.At(297, y))) << y;
}

TEST(PainterSurface, NoHugeCoordinateReachesThePainter) {
  // The SVG writer puts every coordinate it is handed into the file.
  QBuffer buffer;
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(QSize(396, 263));
  {
    QPainter painter(&svg);
    PainterSurface surface(painter, kInterior);
    ASSERT_TRUE(surface.Scale(-1.0, 2.0 / 3.0, 1.0, -2.0 / 3.0));
    EXPECT_TRUE(surface.Line(-kHuge, -kHuge, kHuge, kHuge, kBodyColour));
    EXPECT_TRUE(surface.Line(0.2f, 0.1f, kHuge, 0.3f, kBodyColour));
    EXPECT_TRUE(surface.Line(-kHuge, 0.5f, 0.0f, 0.5f, kBodyColour));
  }
  const QString text = QString::fromUtf8(buffer.data());
  ASSERT_TRUE(text.contains(QLatin1String("polyline")) || text.contains(QLatin1String("path")));
  static const QRegularExpression number(QStringLiteral("-?\\d+(\\.\\d+)?([eE][-+]?\\d+)?"));
  for (auto it = number.globalMatch(text); it.hasNext();) {
    const QString n = it.next().captured();
    EXPECT_LT(std::fabs(n.toDouble()), 1e4) << n.toStdString();
  }
}

TEST(PainterSurface, ClipSegmentKeepsThePartInside) {
  double x1 = -3, y1 = -1, x2 = 1, y2 = 1;  // enters through the left edge at y = 0
  ASSERT_TRUE(ClipSegment(x1, y1, x2, y2, -1, -1, 1, 1));
  EXPECT_DOUBLE_EQ(x1, -1);
  EXPECT_DOUBLE_EQ(y1, 0);
  EXPECT_EQ(x2, 1);
  x1 = 0.5, y1 = 3, x2 = 3, y2 = 0.5;  // passes by the corner
  EXPECT_FALSE(ClipSegment(x1, y1, x2, y2, -1, -1, 1, 1));

  // Far end points (as floats hand them over) still give the exact part.
  x1 = 1e30, y1 = 1e30, x2 = -1e30, y2 = -1e30;
  ASSERT_TRUE(ClipSegment(x1, y1, x2, y2, -1, -1, 1, 1));
  EXPECT_DOUBLE_EQ(x1, 1);  // direction kept
  EXPECT_DOUBLE_EQ(y1, 1);
  EXPECT_DOUBLE_EQ(x2, -1);
  EXPECT_DOUBLE_EQ(y2, -1);

  // Steep and flat segments crossing the box in each of the four directions
  // keep their direction.
  for (const double sx : {1.0, -1.0}) {
    for (const double sy : {1.0, -1.0}) {
      for (const auto& [dx, dy] : {std::pair{0.2, 4.0}, std::pair{4.0, 0.2}}) {
        double a = -sx * dx, b = -sy * dy, c = sx * dx, d = sy * dy;
        ASSERT_TRUE(ClipSegment(a, b, c, d, -1, -1, 1, 1));
        EXPECT_GT((c - a) * sx, 0.0) << sx << " " << sy << " " << dx;
        EXPECT_GT((d - b) * sy, 0.0) << sx << " " << sy << " " << dx;
      }
    }
  }
}

}  // namespace
}  // namespace fluvenna

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);  // fonts and the SVG writer want one
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
