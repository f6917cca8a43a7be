// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/qt/painter_surface.h"

#include "plot/pressure_picture.h"
#include "plot/qt/pass_picture.h"

#include <gtest/gtest.h>

#include <utility>

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

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

  const RgbaImage pixel{1, 1, {255, 0, 0, 255}};
  EXPECT_FALSE(surface.Image(0, 0, std::nan(""), 1, pixel));
  EXPECT_FALSE(surface.Image(0, 0, 1, 1, RgbaImage{2, 1, {255, 0, 0, 255}}));  // too few bytes
  EXPECT_FALSE(surface.Image(0, 0, 1, 1, RgbaImage{}));
  EXPECT_FALSE(surface.Text(std::numeric_limits<double>::infinity(), 0, "a", kBodyColour,
                            TextAnchor::kCentre));
  EXPECT_TRUE(surface.Image(5, 5, 6, 4, pixel));                    // outside
  EXPECT_TRUE(surface.Image(-1e300, 1e300, 1e300, -1e300, pixel));  // far beyond every side
  EXPECT_TRUE(surface.Text(1e300, 0, "a", kBodyColour, TextAnchor::kCentre));
  QImage blank(10, 10, QImage::Format_RGB32);
  QPainter blankPainter(&blank);
  PainterSurface unscaled(blankPainter, QRectF(0, 0, 10, 10));
  EXPECT_FALSE(unscaled.Image(0, 0, 1, 1, pixel));
  EXPECT_FALSE(unscaled.Text(0, 0, "a", kBodyColour, TextAnchor::kCentre));
}

// A 2 x 2 image of four colours: red, green on the top row; blue and a
// half-transparent red below.
RgbaImage FourColours() {
  return {2, 2, {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 0, 0, 128}};
}

// The image's first pixel lands at the corner (x1, y1) whichever way the user
// system runs, each pixel fills its share of the rectangle, straight alpha
// blends with what lies under it, and nothing lands outside the interior.
TEST(PainterSurface, ImageFillsItsRectangleCornerToCorner) {
  for (const bool flipped : {false, true}) {
    SCOPED_TRACE(flipped);
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
      QPainter painter(&image);
      PainterSurface surface(painter, QRectF(50, 40, 200, 100));
      ASSERT_TRUE(flipped ? surface.Scale(1, 1, 0, 0) : surface.Scale(0, 1, 1, 0));
      ASSERT_TRUE(surface.Cls());
      // Over the left half of the interior, the top 0.9 of it and 0.1 beyond the top.
      ASSERT_TRUE(surface.Image(0.0, 1.1, 0.5, 0.1, FourColours()));
    }
    // Device: x 50..150 (flipped: 250..150), y 40 - 10 .. 130, cut at the interior's top.
    const auto at = [&](double shareX, double deviceY) {
      const int x = static_cast<int>(flipped ? 250 - 100 * shareX : 50 + 100 * shareX);
      return image.pixelColor(x, static_cast<int>(deviceY));
    };
    EXPECT_EQ(at(0.25, 55), QColor(255, 0, 0));
    EXPECT_EQ(at(0.75, 55), QColor(0, 255, 0));
    EXPECT_EQ(at(0.25, 110), QColor(0, 0, 255));
    const QColor blend = at(0.75, 110);  // half red over the light yellow
    EXPECT_EQ(blend.red(), 255);
    EXPECT_NEAR(blend.green(), 127, 3);
    EXPECT_NEAR(blend.blue(), 96, 3);
    EXPECT_EQ(at(0.25, 35), QColor(Qt::white));             // above the interior: untouched
    EXPECT_EQ(at(0.25, 135), ToQColor(kBackgroundColour));  // below the rectangle
    EXPECT_EQ(at(1.25, 55), ToQColor(kBackgroundColour));   // right of it
  }
}

// The bounding box of the pixels darker than the background.
QRect Ink(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixelColor(x, y).lightness() < 160) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

// A text lies on the side of its anchor that the anchor names, and a
// centred one around it; its ink is about the label font's size.
TEST(PainterSurface, TextStandsOnTheSideOfItsAnchor) {
  const double ax = 198.0, ay = 131.5;  // the device point of the user origin
  for (int a = 0; a < 9; ++a) {
    const auto anchor = static_cast<TextAnchor>(a);
    SCOPED_TRACE(a);
    Plot plot;
    ASSERT_TRUE(plot.surface.Text(0.0, 0.0, "Mg10", RGB(0, 0, 0), anchor));
    plot.painter.end();
    const QRect ink = Ink(plot.image);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GT(ink.width(), 2 * kTextPixels);
    EXPECT_LT(ink.width(), 4 * kTextPixels);
    EXPECT_GT(ink.height(), kTextPixels / 2);
    EXPECT_LE(ink.height(), kTextPixels + 2);
    const double left = ax - ink.left(), right = ink.right() + 1 - ax;
    const double above = ay - ink.top(), below = ink.bottom() + 1 - ay;
    switch (a % 3) {
      case 0:  // left: the text starts at the anchor
        EXPECT_GT(left, -2);
        EXPECT_LT(left, 2);
        break;
      case 1:  // centred
        EXPECT_NEAR(left, right, 2.0);
        break;
      case 2:  // right: the text ends at the anchor
        EXPECT_GT(right, -2);
        EXPECT_LT(right, 2);
        break;
    }
    switch (a / 3) {
      case 0:  // top: the text hangs from the anchor
        EXPECT_LT(above, 0);
        EXPECT_GT(above, -3);
        break;
      case 1:
        EXPECT_NEAR(above, below, 3.0);
        break;
      case 2:  // bottom: the text stands on the anchor
        EXPECT_LT(below, 0);
        EXPECT_GT(below, -4);
        break;
    }
  }
}

// The SVG file holds the texts as text, in the label font, and the images
// as embedded PNG images.
TEST(PainterSurface, SvgHoldsTextsAsTextAndImagesAsImages) {
  PassPicture picture(PassPicture::Format::kSvg, QSize(396, 263), QStringLiteral("test"));
  PlotSurface& surface = picture.surface();
  ASSERT_TRUE(surface.Scale(-1.0, 2.0 / 3.0, 1.0, -2.0 / 3.0));
  ASSERT_TRUE(surface.Cls());
  ASSERT_TRUE(surface.Image(-0.5, 0.5, 0.5, -0.5, FourColours()));
  ASSERT_TRUE(surface.Text(0.0, 0.0, "upper surface", kUpperSurfaceColour, TextAnchor::kCentre));
  ASSERT_TRUE(surface.Text(0.5, 0.2,
                           "\xE2\x88\x92"
                           "Cp",
                           kLabelColour, TextAnchor::kLeft));
  const QString svg = QString::fromUtf8(picture.Finish());
  static const QRegularExpression text(QStringLiteral("<text[^>]*>\\s*upper surface\\s*</text>"));
  EXPECT_TRUE(text.match(svg).hasMatch()) << svg.toStdString();
  EXPECT_TRUE(svg.contains(QStringLiteral("\u2212Cp</text>")));
  EXPECT_TRUE(svg.contains(QLatin1String("DejaVu Sans")));
  EXPECT_TRUE(svg.contains(QLatin1String("#ff0000")) || svg.contains(QLatin1String("red")));
  static const QRegularExpression image(QStringLiteral("<image[^>]*data:image/png;base64,"));
  EXPECT_TRUE(image.match(svg).hasMatch());
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

// The light PNG encoding is lossless: noise (every colour, no run to pack)
// and widths whose RGB rows are no whole number of words decode to their
// very pixels (the renderer's plots are held to the window's pixels too); a
// null image gives no bytes.
TEST(PassPicture, PngBytesDecodeToTheirPixels) {
  std::vector<QImage> images;
  for (const QSize size : {QSize(300, 200), QSize(7, 3), QSize(1, 1)}) {
    QImage noise(size, QImage::Format_RGB32);
    std::uint32_t state = 12345;
    for (int y = 0; y < noise.height(); ++y) {
      for (int x = 0; x < noise.width(); ++x) {
        state = state * 1664525u + 1013904223u;  // Numerical Recipes' LCG
        noise.setPixel(x, y, 0xff000000u | (state >> 8));
      }
    }
    images.push_back(noise);
  }
  for (const QImage& image : images) {
    const QByteArray bytes = PngBytes(image);
    ASSERT_TRUE(bytes.startsWith("\x89PNG"));
    QImage back;
    ASSERT_TRUE(back.loadFromData(bytes, "PNG"));
    EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32),
              image.convertToFormat(QImage::Format_RGB32))
        << image.width() << " x " << image.height();
  }
  EXPECT_TRUE(PngBytes(QImage()).isEmpty());
}

}  // namespace
}  // namespace fluvenna

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);  // fonts and the SVG writer want one
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
