// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/table_search.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace fluvenna {
namespace {

std::filesystem::path ToPath(const QString& folder) {
  return std::filesystem::path(QFile::encodeName(QDir::cleanPath(folder)).toStdString());
}

// The running executable's folder: the application's, or before there is
// one (a renderer run computes its pass first), the folder of the program
// /proc/self/exe links to, as the application would find it on Linux.
QString ProgramFolder() {
  if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath();
  return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).absolutePath();
}

}  // namespace

std::vector<std::filesystem::path> ProfileTableFolders() {
  std::vector<std::filesystem::path> folders;
  folders.push_back(ToPath(QDir::currentPath()));
  folders.push_back(
      ToPath(ProgramFolder() + QLatin1Char('/') + QStringLiteral(FLUVENNA_DATA_FROM_BIN)));
  for (const QString& location :
       QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
    folders.push_back(ToPath(location + QStringLiteral("/fluvenna")));
  }
  return folders;
}

ProfileTableSource LoadProfileTableFromUsualFolders(ProfileTable& table) {
  return LoadFoundProfileTable(ProfileTableFolders(), table);
}

}  // namespace fluvenna
