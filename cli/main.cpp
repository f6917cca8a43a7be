// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// fluvenna-render: one pass of Fluvenna from the command line, written to
// pictures (PNG, SVG), a CSV of every point and a summary of the numbers.
// It needs no display: the pictures are painted into images in memory, on
// Qt's offscreen platform unless QT_QPA_PLATFORM names another (the labels'
// font wants a GUI application, not a window).
#include <QGuiApplication>
#include <iostream>

#include "cli/render.h"
#include "cli/render_options.h"

namespace {

QtMessageHandler qtHandler = nullptr;

// Starting the platform asks Qt for the session's runtime folder, and Qt
// warns when a headless session (a build machine, a login as root) has none.
// The renderer never uses that folder, and its standard error is kept for
// its own messages, one line each; every other message goes on as before.
void QuietAboutTheRuntimeFolder(QtMsgType type, const QMessageLogContext& context,
                                const QString& message) {
  if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: "))) return;
  qtHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qtHandler = qInstallMessageHandler(QuietAboutTheRuntimeFolder);
  QGuiApplication app(argc, argv);
  qInstallMessageHandler(qtHandler);
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
