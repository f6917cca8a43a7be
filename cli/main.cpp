// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// fluvenna-render: one pass of Fluvenna from the command line, written to
// pictures (PNG, SVG), a CSV of every point and a summary of the numbers.
// It needs no display: the pictures are painted into images in memory.
#include <QCoreApplication>
#include <iostream>

#include "cli/render.h"
#include "cli/render_options.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("fluvenna-render"));
  QCoreApplication::setApplicationVersion(QStringLiteral(FLUVENNA_VERSION));

  using fluvenna::ParsedCommandLine;
  const ParsedCommandLine parsed = fluvenna::ParseCommandLine(QCoreApplication::arguments());
  switch (parsed.action) {
    case ParsedCommandLine::Action::kHelp:
    case ParsedCommandLine::Action::kVersion:
      std::cout << parsed.text.toStdString();
      return 0;
    case ParsedCommandLine::Action::kUsageError:
      std::cerr << "fluvenna-render: " << parsed.text.toStdString() << " (see --help)\n";
      return fluvenna::kExitUsage;
    case ParsedCommandLine::Action::kRun:
      break;
  }
  return fluvenna::Render(parsed.options, std::cout, std::cerr);
}
