// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// fluvenna-render: one pass of Fluvenna from the command line, written to
// pictures (PNG, SVG), a CSV of every point and a summary of the numbers.
// It needs no display: the pictures are painted into images in memory, on
// Qt's offscreen platform unless QT_QPA_PLATFORM names another (the labels'
// font wants a GUI application, not a window). A run that paints nothing
// starts no platform at all, and does not even load the library that
// paints (render_pictures.h). A run that paints computes its pass on a
// thread of its own while this one loads that library and starts the
// platform.
#include <QCoreApplication>
#include <QStringList>
#include <QThread>
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

// What the command line may ask of the GUI application. Only a run that
// may paint starts it; for one that prints numbers alone, starting the
// platform and its font configuration (read in full even to be put away at
// the end) would be most of its time. An argument is looked at without its
// meaning: a value that looks like one of them (a file named --png, a
// negative number) only starts the platform needlessly, or first.
enum class GuiNeed {
  kNone,
  // A picture (--png, --svg, --frames): the application is made while the
  // pass is computed on another thread (Render's `meanwhile`).
  kToPaint,
  // The help (which lists the GUI's options) or one of the options Qt's GUI
  // application takes itself (one dash: -platform, -reverse, ...): the
  // application is made first, as it takes those out of the command line.
  kFirst
};

GuiNeed GuiNeedOf(int argc, char** argv) {
  GuiNeed need = GuiNeed::kNone;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument(argv[i]);
    if (argument.starts_with("--help")) return GuiNeed::kFirst;
    if (argument.size() > 1 && argument[0] == '-' && argument[1] != '-') return GuiNeed::kFirst;
    for (const std::string_view paints : {"--png", "--svg", "--frames"}) {
      if (argument.starts_with(paints)) need = GuiNeed::kToPaint;
    }
  }
  return need;
}

// The command line as QCoreApplication::arguments() has it, for a run that
// has no application yet.
QStringList ArgumentsOf(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  return arguments;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Without the pictures' library a run that paints says why when it comes
  // to its pictures; the help and the numbers need no GUI.
  std::unique_ptr<QCoreApplication> app;
  const auto makeGuiApplication = [&] {
    if (app) return;
    qtHandler = qInstallMessageHandler(QuietAboutTheRuntimeFolder);
    if (const fluvenna::PictureLibrary* pictures = fluvenna::LoadPictureLibrary().library) {
      app = pictures->MakeApplication(argc, argv);
    }
    qInstallMessageHandler(qtHandler);
  };
  const GuiNeed need = GuiNeedOf(argc, argv);
  if (need == GuiNeed::kFirst) makeGuiApplication();
  if (!app && need != GuiNeed::kToPaint) app = std::make_unique<QCoreApplication>(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("fluvenna-render"));
  QCoreApplication::setApplicationVersion(QStringLiteral(FLUVENNA_VERSION));

  using fluvenna::ParsedCommandLine;
  const ParsedCommandLine parsed =
      fluvenna::ParseCommandLine(app ? QCoreApplication::arguments() : ArgumentsOf(argc, argv));
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
  // Before the application exists, this thread is made Qt's main thread
  // (the first to ask is), not the pass's or the library loader's.
  if (!app) QThread::currentThread();
  return fluvenna::Render(parsed.options, std::cout, std::cerr, nullptr, makeGuiApplication);
}
