// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// fluvenna-render: one pass of Fluvenna from the command line, written to
// pictures (PNG, SVG), a CSV of every point and a summary of the numbers.
// It needs no display: the pictures are painted into images in memory, on
// Qt's offscreen platform unless QT_QPA_PLATFORM names another (the labels'
// font wants a GUI application, not a window). The program itself is plain
// C++: a run that paints nothing loads no Qt library at all, and one that
// paints loads the library that paints (render_pictures.h) and starts the
// platform on this thread while its pass is computed on another.
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "cli/render.h"
#include "cli/render_options.h"
#include "cli/render_pictures.h"

namespace {

// What the command line may ask of the GUI application. Only a run that
// may paint starts it. An argument is looked at without its meaning: a
// value that looks like one of them (a file named --png or -x) only starts
// the platform needlessly, or first; a negative number does not.
enum class GuiNeed {
  kNone,
  // A picture (--png, --svg, --frames): the application is made while the
  // pass is computed on another thread (Render's `meanwhile`).
  kToPaint,
  // One of the options Qt's GUI application takes itself (one dash:
  // -platform, -reverse, ...): the application is made first, as it takes
  // those out of the command line.
  kFirst
};

// One dash and a letter, other than the renderer's own -h and -v (alone or
// together): an option Qt's GUI application may take.
bool MayBeQtsOption(std::string_view argument) {
  if (argument.size() < 2 || argument[0] != '-') return false;
  const char c = argument[1];
  const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
  return letter && argument.find_first_not_of("hv", 1) != std::string_view::npos;
}

GuiNeed GuiNeedOf(int argc, char** argv) {
  GuiNeed need = GuiNeed::kNone;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument(argv[i]);
    if (argument == "--") break;
    if (MayBeQtsOption(argument)) return GuiNeed::kFirst;
    for (const std::string_view paints : {"--png", "--svg", "--frames"}) {
      if (argument.starts_with(paints)) need = GuiNeed::kToPaint;
    }
  }
  return need;
}

}  // namespace

int main(int argc, char** argv) {
  if (const char* platform = std::getenv("QT_QPA_PLATFORM"); !platform || !*platform) {
    setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite=*/1);
  }
  // Without the pictures' library a run that paints says why when it comes
  // to its pictures; the help and the numbers need no GUI.
  std::unique_ptr<fluvenna::PaintingApplication> app;
  const auto makeGuiApplication = [&] {
    if (app) return;
    if (const fluvenna::PictureLibrary* pictures = fluvenna::LoadPictureLibrary().library) {
      app = pictures->MakeApplication(argc, argv);
    }
  };
  if (GuiNeedOf(argc, argv) == GuiNeed::kFirst) makeGuiApplication();

  using fluvenna::ParsedCommandLine;
  const ParsedCommandLine parsed =
      fluvenna::ParseCommandLine(std::vector<std::string>(argv, argv + argc));
  switch (parsed.action) {
    case ParsedCommandLine::Action::kHelp:
    case ParsedCommandLine::Action::kVersion:
      std::cout << parsed.text;
      return 0;
    case ParsedCommandLine::Action::kUsageError:
      std::cerr << "fluvenna-render: " << parsed.text << " (see --help)\n";
      return fluvenna::kExitUsage;
    case ParsedCommandLine::Action::kRun:
      break;
  }
  return fluvenna::Render(parsed.options, std::cout, std::cerr, nullptr, makeGuiApplication);
}
