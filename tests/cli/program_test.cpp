// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>

#include "cli_test_support.h"

namespace fluvenna {
namespace {

struct Finished {
  int status = -1;
  QString out, err;
};

// Runs fluvenna-render in `folder` as its working directory.
Finished RunProgram(
    const QString& folder, const QStringList& arguments,
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
  QProcess process;
  process.setProcessEnvironment(environment);
  process.setWorkingDirectory(folder);
  process.start(QStringLiteral(FLUVENNA_RENDER_PROGRAM), arguments);
  EXPECT_TRUE(process.waitForFinished(120000));
  EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
  return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
          QString::fromUtf8(process.readAllStandardError())};
}

TEST(Program, RendersThePicturesWithTheTableOfTheWorkingDirectory) {
  const testing::TableFolder folder;
  const Finished run =
      RunProgram(folder.Path("."), {"--nsl", "10", "--alpha", "8", "--png", "out"});
  EXPECT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
  EXPECT_TRUE(run.out.startsWith("profile row 1 ")) << run.out.toStdString();
  EXPECT_TRUE(run.out.contains("\n   10  ")) << "curve 10 is listed";
  EXPECT_EQ(QImage(folder.Path("out-circle.png")).size(), QSize(396, 263));
  EXPECT_EQ(QImage(folder.Path("out-airfoil.png")).size(), QSize(396, 263));
}

TEST(Program, ExitStatusSaysWhatWentWrongInOneLine) {
  const testing::TableFolder folder;
  const struct {
    QStringList arguments;
    int status;
  } cases[] = {
      {{"--bogus"}, 2},
      {{"--size", "100x100"}, 2},
      {{"--png", folder.Path("no/such/folder/out")}, 2},
      {{"--csv", folder.Path(".")}, 2},  // a folder is not a file
      {{"--dr", "0"}, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments.join(' ').toStdString());
    const Finished run = RunProgram(folder.Path("."), c.arguments);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.startsWith("fluvenna-render: ")) << run.err.toStdString();
    if (c.status == 2) {
      EXPECT_TRUE(run.out.isEmpty());
    }
  }
  const Finished version = RunProgram(folder.Path("."), {"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_TRUE(version.out.startsWith(QStringLiteral("fluvenna-render " FLUVENNA_VERSION "\n")))
      << version.out.toStdString();
  EXPECT_TRUE(version.out.contains(QStringLiteral("\nLicence: GPL-3.0-or-later ")))
      << version.out.toStdString();
}

// A bad value of any of the renderer's options is one line on standard
// error, status 2, and no file: the folder holds the table alone.
TEST(Program, ABadValueWritesOneLineAndNothingElse) {
  const QStringList bad[] = {{"--probe", "wing:0,0"},
                             {"--probe", "airfoil:1,inf"},
                             {"--probe", "circle:1;2"},
                             {"--size", "8193x600"},
                             {"--size", "600x262"},
                             {"--size", "600x300x2"},
                             {"--fps", "0"},
                             {"--seconds", "0"},
                             {"--seconds", "601"},
                             {"--fps", "121"},
                             {"--fps", "2.5"},
                             {"--seconds", "600", "--fps", "17"},
                             {"--field", "vorticity"},
                             {"--probe", "circle:1\n;2"}};
  for (const QStringList& arguments : bad) {
    SCOPED_TRACE(arguments.join(' ').toStdString());
    const testing::TableFolder folder;
    const Finished run = RunProgram(
        folder.Path("."), arguments + QStringList{"--png", "out", "--frames", "frames", "--csv",
                                                  "out.csv", "--times", "times.csv"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.endsWith(QStringLiteral(" (see --help)\n"))) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
    EXPECT_EQ(QDir(folder.Path(".")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{QString::fromLatin1(kProfileTableFileName)});
  }
}

// Standard error is kept for the renderer's own lines: of Qt's messages only
// the warning that a headless session has no runtime folder is dropped;
// Qt's other warnings and the debug lines its logging rules ask for still
// reach it. The runs write a picture, since only those start Qt's platform.
TEST(Program, OnlyQtsRuntimeFolderWarningIsDropped) {
  const testing::TableFolder folder;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  const Finished quiet = RunProgram(folder.Path("."), {"--json", "--png", "picture"}, environment);
  EXPECT_EQ(quiet.status, 0);
  EXPECT_TRUE(quiet.err.isEmpty()) << quiet.err.toStdString();

  environment.insert(QStringLiteral("QT_SCALE_FACTOR_ROUNDING_POLICY"), QStringLiteral("Sideways"));
  environment.insert(QStringLiteral("QT_LOGGING_RULES"),
                     QStringLiteral("qt.qpa.plugin.debug=true"));
  const Finished told = RunProgram(folder.Path("."), {"--json", "--png", "picture"}, environment);
  EXPECT_EQ(told.status, 0);
  EXPECT_TRUE(told.err.contains(QStringLiteral("Sideways"))) << told.err.toStdString();
  EXPECT_TRUE(told.err.contains(QStringLiteral("qt.qpa.plugin: "))) << told.err.toStdString();
  EXPECT_FALSE(told.err.contains(QStringLiteral("QStandardPaths"))) << told.err.toStdString();
  EXPECT_TRUE(told.out.startsWith('{')) << told.out.toStdString();
}

}  // namespace
}  // namespace fluvenna
