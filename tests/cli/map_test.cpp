// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The renderer's conformal map: --map writes PREFIX-map at --morph T.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>

#include "cli_test_support.h"

namespace fluvenna {
namespace {

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Pixels that are mostly the body's red (the lines are antialiased).
int Red(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      count += c.red() > 200 && c.green() < 120 && c.blue() < 120;
    }
  }
  return count;
}

TEST(MapOutput, MapIsWrittenAtTheMorphAskedForWithTheAirfoilByDefault) {
  const testing::TableFolder folder;
  const QStringList pass = {"--delta", "0.1", "--gamma", "0.05", "--alpha", "6", "--nsl", "6"};
  for (const char* t : {"0", "0.5", "1"}) {
    const testing::Run run = testing::RenderWith(
        folder, pass + QStringList{"--png", folder.Path(t), "--map", "--morph", t});
    ASSERT_EQ(run.status, kExitPassOk) << run.err;
  }
  const testing::Run plain = testing::RenderWith(
      folder,
      pass + QStringList{"--png", folder.Path("plain"), "--map", "--svg", folder.Path("plain")});
  ASSERT_EQ(plain.status, kExitPassOk) << plain.err;
  EXPECT_NE(plain.out.find("\nCritical points z = ±c_J = ±0.24"), std::string::npos) << plain.out;
  const QImage circle(folder.Path("0-map.png")), half(folder.Path("0.5-map.png")),
      airfoil(folder.Path("1-map.png"));
  EXPECT_EQ(circle.size(), QSize(kPictureWidth, kPictureHeight));
  EXPECT_EQ(Bytes(folder.Path("plain-map.png")), Bytes(folder.Path("1-map.png")));  // t = 1
  EXPECT_NE(circle, half);
  EXPECT_NE(half, airfoil);
  // The body's outline grows as it flattens: from the circle's 2 Pi A towards
  // twice the chord of 4 cJ.
  EXPECT_LT(Red(circle), Red(half));
  EXPECT_LT(Red(half), Red(airfoil));
  EXPECT_GT(Red(airfoil), 100);
  EXPECT_TRUE(Bytes(folder.Path("plain-map.svg")).contains("Fluvenna: conformal map"));
  EXPECT_TRUE(Bytes(folder.Path("plain-map.svg")).contains("airfoil plane"));
}

TEST(MapOutput, BadMorphIsRefusedInOneLine) {
  const testing::TableFolder folder;
  for (const char* t : {"-0.1", "1.0001", "nan", "inf", "-inf", "half", ""}) {
    SCOPED_TRACE(t);
    QProcess process;
    process.setWorkingDirectory(folder.Path("."));
    process.start(QStringLiteral(FLUVENNA_RENDER_PROGRAM),
                  {"--png", "out", "--map", "--morph", QString::fromLatin1(t)});
    ASSERT_TRUE(process.waitForFinished(120000));
    const QString err = QString::fromUtf8(process.readAllStandardError());
    EXPECT_EQ(process.exitCode(), kExitUsage);
    EXPECT_EQ(err.count('\n'), 1) << err.toStdString();
    EXPECT_TRUE(err.contains("--morph takes a number from 0 to 1")) << err.toStdString();
    EXPECT_FALSE(QFile::exists(folder.Path("out-map.png")));
  }
  const ParsedCommandLine alone =
      ParseCommandLine({"fluvenna-render", "--png", "out", "--morph", "0.5"});
  EXPECT_EQ(alone.action, ParsedCommandLine::Action::kUsageError);
  EXPECT_EQ(alone.text, "--morph needs --map");
}

}  // namespace
}  // namespace fluvenna
