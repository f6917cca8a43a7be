// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// fluvenna-render: one pass of Fluvenna from the command line, written to
// pictures (PNG, SVG), a CSV of every point and a summary of the numbers.
// It needs no display: the pictures are painted into images in memory, on
// Qt's offscreen platform unless QT_QPA_PLATFORM names another (the labels'
// font wants a GUI application, not a window). A run that paints nothing
// starts no platform at all, and does not even load the library that
// paints (render_pictures.h).
#include <QCoreApplication>
#include <iostream>
#include <memory>
#include <string_view>

#include "cli/render.h"
#include "cli/render_options.h"
#include "cli/render_pictures.h"

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

// Whether the command line may ask for a picture (--png, --svg, --frames),
// for the help (which lists the GUI's options) or for one of the options Qt's
// GUI application takes itself (one dash: -platform, -reverse, ...). Only
// such a run starts the GUI application; for one that prints numbers alone,
// starting the platform and its font configuration (read in full even to be
// put away at the end) would be most of its time. An argument is looked at
// without its meaning: a value that looks like one of them (a file named
// --png, a negative number) only starts the platform needlessly.
bool MayPaint(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument(argv[i]);
    for (const std::string_view paints : {"--png", "--svg", "--frames", "--help"}) {
      if (argument.starts_with(paints)) return true;
    }
    if (argument.size() > 1 && argument[0] == '-' && argument[1] != '-') return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qtHandler = qInstallMessageHandler(QuietAboutTheRuntimeFolder);
  // Without the pictures' library a run that paints says why when it comes
  // to its pictures; the help and the numbers need no GUI.
  std::unique_ptr<QCoreApplication> app;
  if (MayPaint(argc, argv)) {
    if (const fluvenna::PictureLibrary* pictures = fluvenna::LoadPictureLibrary().library) {
      app = pictures->MakeApplication(argc, argv);
    }
  }
  if (!app) app = std::make_unique<QCoreApplication>(argc, argv);
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
