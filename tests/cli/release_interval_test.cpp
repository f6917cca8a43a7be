// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The release interval of the animated view that --frames writes: a
// particle leaves every quarter of a time unit (chord / U0), as the
// window's and the page's boxes open with. A frame is compared pixel for
// pixel with the same moment drawn by a session told that interval.
#include <gtest/gtest.h>
#include <QDir>
#include <QImage>
#include <QPainter>

#include <cmath>

#include "cli_test_support.h"
#include "flow/profile_table.h"
#include "plot/particles_picture.h"
#include "plot/qt/painter_surface.h"
#include "plot/unpainted_surface.h"
#include "session/pass_session.h"

namespace fluvenna {
namespace {

constexpr double kQuarterTimeUnit = 0.25;

TEST(ReleaseInterval, FramesReleaseEveryQuarterTimeUnit) {
  const testing::TableFolder folder;
  const QString frames = folder.Path("frames");
  // One frame a second: the second frame is one second, half a time unit, in.
  const testing::Run run =
      testing::RenderWith(folder, {"--delta", "0.1", "--gamma", "0.05", "--alpha", "6", "--nsl",
                                   "8", "--frames", frames, "--seconds", "2", "--fps", "1"});
  ASSERT_EQ(run.status, kExitPassOk) << run.err;
  const QImage written =
      QImage(QDir(frames).filePath("fluvenna-0002.png")).convertToFormat(QImage::Format_RGB32);
  ASSERT_FALSE(written.isNull());

  PassSession session;
  ASSERT_FALSE(
      LoadProfileTableFile(session.Table(), QFile::encodeName(folder.TablePath()).toStdString()));
  ParameterTexts texts;
  texts.DELTA = "0.1", texts.GAMA = "0.05", texts.Alfa = "6", texts.kMax = "8";
  UnpaintedSurface one, two;
  ASSERT_TRUE(session.Run(texts, one, two).ok());
  const QSize size = written.size();
  const auto moment = [&](double interval) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(ToQColor(kBackgroundColour));
    QPainter painter(&image);
    PainterSurface surface(painter, QRectF(QPointF(0, 0), size));
    EXPECT_TRUE(session.DrawField(surface, FieldColouring::kCp, size.width(), size.height()));
    painter.setRenderHint(QPainter::Antialiasing);
    EXPECT_TRUE(session.DrawMotion(surface, 1.0 / kSecondsPerTimeUnit,
                                   ParticleOptions{interval, true, 0.0}, true, size.width(),
                                   size.height()));
    painter.end();
    return image;
  };
  EXPECT_EQ(written, moment(kQuarterTimeUnit));
  EXPECT_NE(written, moment(0.26));  // the comparison tells intervals apart
}

}  // namespace
}  // namespace fluvenna
