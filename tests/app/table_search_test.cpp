// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The order in which the window and the renderer look for the profile table,
// on the real folders: the working directory, the data folder next to the
// executable's prefix, then $XDG_DATA_HOME and $XDG_DATA_DIRS.
#include "app/table_search.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace fluvenna {
namespace {

namespace fs = std::filesystem;

fs::path ToPath(const QString& folder) {
  return fs::path(QFile::encodeName(folder).toStdString());
}

// Writes a one-row table into `folder`; its Eps tells the tables apart.
QString PutTable(const QString& folder, double Eps) {
  EXPECT_TRUE(QDir().mkpath(folder));
  const QString path = folder + QStringLiteral("/KATJO-D20G15.txt");
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(QStringLiteral("table\n1\n0.12,0.04,%1,0.01,0\n").arg(Eps).toUtf8());
  return QDir::cleanPath(path);
}

// Which table the usual folders give: its Eps (0 when none) and its path.
std::pair<double, ProfileTableSource> Load() {
  ProfileTable table;
  ProfileTableSource source = LoadProfileTableFromUsualFolders(table);
  return {table.TabEps[1], source};
}

TEST(TableSearch, WorkingDirectoryThenPrefixThenDataHomeThenDataDirsThenTheMessage) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString work = dir.filePath(QStringLiteral("work"));
  const QString home = dir.filePath(QStringLiteral("home"));
  const QString first = dir.filePath(QStringLiteral("first")),
                second = dir.filePath(QStringLiteral("second"));
  // The prefix the test program runs from (its build folder stands for bin/).
  const QString prefixData = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                             QStringLiteral("/" FLUVENNA_DATA_FROM_BIN));
  QDir(prefixData).removeRecursively();
  ASSERT_TRUE(QDir().mkpath(work));
  qputenv("XDG_DATA_HOME", home.toLocal8Bit());
  qputenv("XDG_DATA_DIRS", (first + QLatin1Char(':') + second).toLocal8Bit());
  const QString before = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(work));

  const std::vector<fs::path> folders = ProfileTableFolders();
  ASSERT_GE(folders.size(), 5u);
  EXPECT_EQ(folders[0], ToPath(QDir::currentPath()));
  EXPECT_EQ(folders[1], ToPath(prefixData));

  const QString inWork = PutTable(work, 0.1), inPrefix = PutTable(prefixData, 0.2),
                inHome = PutTable(home + QStringLiteral("/fluvenna"), 0.3),
                inSecond = PutTable(second + QStringLiteral("/fluvenna"), 0.5);
  const struct {
    QString path;
    double Eps;
  } order[] = {{inWork, 0.1}, {inPrefix, 0.2}, {inHome, 0.3}, {inSecond, 0.5}};
  for (const auto& expected : order) {
    const auto [Eps, source] = Load();
    EXPECT_FALSE(source.failure);
    EXPECT_EQ(source.path, ToPath(QDir(work).absoluteFilePath(expected.path)))
        << expected.path.toStdString();
    EXPECT_EQ(Eps, expected.Eps);
    QFile::remove(expected.path);  // the next folder's table is found next
  }
  const auto [Eps, source] = Load();
  ASSERT_TRUE(source.failure);
  EXPECT_EQ(*source.failure, "KATJO-D20G15.txt dosyası bulunamadı");
  EXPECT_TRUE(source.path.empty());
  EXPECT_EQ(Eps, 0.0);

  QDir::setCurrent(before);
  QDir(prefixData).removeRecursively();
  QDir().rmdir(QFileInfo(prefixData).path());  // share/, when the test made it
}

}  // namespace
}  // namespace fluvenna

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
