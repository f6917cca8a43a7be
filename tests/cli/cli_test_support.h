// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <sstream>
#include <string>
#include <vector>

#include "cli/render.h"
#include "cli/render_options.h"
#include "flow/profile_table.h"

namespace fluvenna::testing {

// A temporary folder holding a profile table: row 1 is the symmetric profile
// Eps = 0.1, Mu = 0 for the window's initial delta and gamma, row 2 a
// cambered one for delta 0.1, gamma 0.05.
class TableFolder {
 public:
  TableFolder() {
    QFile file(Path(QString::fromLatin1(kProfileTableFileName)));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("test table\n2\n0.01,0,0.1,0,0\n0.1,0.05,0.1,0.05,0\n");
  }
  QString Path(const QString& name) const { return dir_.filePath(name); }
  QString TablePath() const { return Path(QString::fromLatin1(kProfileTableFileName)); }

 private:
  QTemporaryDir dir_;
};

// The command line as main hands it over: the program name, then the
// arguments in UTF-8.
inline std::vector<std::string> CommandLine(const QStringList& arguments) {
  std::vector<std::string> line{"fluvenna-render"};
  for (const QString& argument : arguments) line.push_back(argument.toStdString());
  return line;
}

inline ParsedCommandLine Parse(const QStringList& arguments) {
  return ParseCommandLine(CommandLine(arguments));
}

// Options from command-line arguments (the program name is added).
inline RenderOptions Options(const QStringList& arguments) {
  const ParsedCommandLine parsed = Parse(arguments);
  EXPECT_EQ(parsed.action, ParsedCommandLine::Action::kRun) << parsed.text;
  return parsed.options;
}

// What one in-process run printed and returned.
struct Run {
  int status = -1;
  std::string out, err;
};

inline Run RenderWith(const TableFolder& folder, QStringList arguments) {
  arguments << QStringLiteral("--table") << folder.TablePath();
  std::ostringstream out, err;
  Run run;
  run.status = Render(Options(arguments), out, err);
  run.out = out.str();
  run.err = err.str();
  return run;
}

}  // namespace fluvenna::testing
