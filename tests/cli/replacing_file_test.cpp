// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/replacing_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>

namespace fluvenna {
namespace {

std::string Read(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  return file.readAll().toStdString();
}

void Write(const QString& path, const char* text) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(text);
}

mode_t Permissions(const QString& path) {
  struct stat status {};
  EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &status), 0);
  return status.st_mode & 07777;
}

// The folder's entries other than `kept`.
QStringList Others(const QTemporaryDir& dir, const QStringList& kept) {
  QStringList entries = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
  for (const QString& name : kept) entries.removeAll(name);
  return entries;
}

// The old file stays as it was until the commit, and a file never committed
// leaves nothing behind; the committed one has the new bytes, in place of
// the old, with the old one's permissions, and no other file is left.
TEST(ReplacingFile, ReplacesTheOldFileOnlyWhenCommitted) {
  const QTemporaryDir dir;
  const QString path = dir.filePath("out.csv");
  Write(path, "old\n");
  ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);
  {
    ReplacingFile file(QFile::encodeName(path).toStdString());
    ASSERT_TRUE(file.Open()) << file.Error();
    EXPECT_EQ(Read(path), "old\n");
  }
  EXPECT_EQ(Read(path), "old\n") << "never committed";
  EXPECT_TRUE(Others(dir, {"out.csv"}).isEmpty())
      << Others(dir, {"out.csv"}).join(' ').toStdString();

  ReplacingFile file(QFile::encodeName(path).toStdString());
  ASSERT_TRUE(file.Open()) << file.Error();
  EXPECT_EQ(Others(dir, {"out.csv"}).size(), 1) << "the new file beside the old";
  const std::string bytes(100000, 'x');
  ASSERT_TRUE(file.Commit(bytes)) << file.Error();
  EXPECT_EQ(Read(path), bytes);
  EXPECT_EQ(Permissions(path), 0640u);
  EXPECT_TRUE(Others(dir, {"out.csv"}).isEmpty());
}

// A new file has the permissions any file gets (0666 less the umask); a
// link is followed, so that the link stays and the file it names changes.
TEST(ReplacingFile, NewFilesAndLinks) {
  const QTemporaryDir dir;
  const mode_t mask = ::umask(022);
  const QString path = dir.filePath("new.png");
  ReplacingFile fresh(QFile::encodeName(path).toStdString());
  ASSERT_TRUE(fresh.Open()) << fresh.Error();
  ASSERT_TRUE(fresh.Commit("png"));
  EXPECT_EQ(Permissions(path), 0644u);
  ::umask(mask);

  const QString target = dir.filePath("target.svg");
  const QString link = dir.filePath("link.svg");
  Write(target, "old");
  ASSERT_TRUE(QFile::link(target, link));
  ReplacingFile linked(QFile::encodeName(link).toStdString());
  ASSERT_TRUE(linked.Open()) << linked.Error();
  ASSERT_TRUE(linked.Commit("new"));
  EXPECT_TRUE(QFileInfo(link).isSymLink());
  EXPECT_EQ(Read(target), "new");
}

// A folder, or a file in a folder that does not exist, cannot be written;
// the failure is said in one line and nothing is made.
TEST(ReplacingFile, RefusesWhatCannotBeWritten) {
  const QTemporaryDir dir;
  for (const QString& path : {dir.path(), dir.filePath("no/such/folder/out.png")}) {
    SCOPED_TRACE(path.toStdString());
    ReplacingFile file(QFile::encodeName(path).toStdString());
    EXPECT_FALSE(file.Open());
    EXPECT_FALSE(file.Error().empty());
    EXPECT_EQ(file.Error().find('\n'), std::string::npos);
    EXPECT_FALSE(file.Commit("bytes"));
  }
  EXPECT_TRUE(Others(dir, {}).isEmpty());
}

}  // namespace
}  // namespace fluvenna
