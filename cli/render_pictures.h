// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The renderer's pictures live in a library of their own, loaded only by a
// run that paints: the painting needs Qt GUI and Qt SVG, and with them the
// font configuration, X11, OpenGL and DBus libraries, whose loading and
// relocation took a run that prints numbers alone longer than its pass.
// So does Qt Core itself: the renderer is plain C++, and this header, the
// whole of what it sees of that library, names no Qt type.

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "cli/picture_size.h"
#include "plot/surface.h"

namespace fluvenna {

enum class PictureFormat { kPng, kSvg };

// One picture being painted: a plot surface over the whole picture, then the
// bytes of its file.
class PictureFile {
 public:
  virtual ~PictureFile() = default;
  virtual PlotSurface& Surface() = 0;
  // Ends the painting and returns the bytes of the file; empty when the
  // picture cannot be encoded. Pictures in PNG may be finished on several
  // threads at once, each on one.
  virtual std::string Finish() = 0;
};

// The frames of an animated view: a picture painted once (the base), then
// for every frame a copy of it painted over, each frame a PNG file.
class FramePainter {
 public:
  using Draw = std::function<bool(PlotSurface&)>;
  virtual ~FramePainter() = default;
  // Paints the base with `draw`; false when `draw` fails.
  virtual bool PaintBase(const Draw& draw) = 0;
  // A copy of the base painted over by `draw` (antialiased), as the bytes of
  // a PNG file: nothing when `draw` fails, empty bytes when the frame cannot
  // be encoded.
  virtual std::optional<std::string> PaintFrame(const Draw& draw) = 0;
};

// The GUI application of a painting run, for as long as it is kept.
class PaintingApplication {
 public:
  virtual ~PaintingApplication() = default;
};

// What the pictures' library hands the renderer.
class PictureLibrary {
 public:
  virtual ~PictureLibrary() = default;
  // The GUI application a painting run needs (the labels' font wants one),
  // made from the command line as QGuiApplication takes it: the options it
  // knows (one dash: -platform, -reverse, ...) are taken out of argc and
  // argv. It is made on the thread that loaded the library.
  virtual std::unique_ptr<PaintingApplication> MakeApplication(int& argc, char** argv) const = 0;
  // A picture of `size` pixels; `title` names an SVG document.
  virtual std::unique_ptr<PictureFile> MakePicture(PictureFormat format, PictureSize size,
                                                   const std::string& title) const = 0;
  // Frames of `size` pixels on the plots' background colour.
  virtual std::unique_ptr<FramePainter> MakeFrames(PictureSize size) const = 0;
};

// The library's file name, and the function it exports (extern "C") that
// returns its PictureLibrary. The number in the name changes with the class
// above, so that a library of another build is refused, not misread.
inline constexpr const char* kPictureLibraryFile = "libfluvenna-render-pictures.so";
inline constexpr const char* kPictureLibraryEntry = "fluvenna_render_pictures_2";

// The outcome of loading the library: the library, or why it could not be
// loaded (one line).
struct LoadedPictureLibrary {
  const PictureLibrary* library = nullptr;
  std::string failure;
};

// Loads the library once for the process and returns it on every call. A
// program linked with the library (the tests) finds it among its own
// libraries; the renderer loads it from the library folder of the
// installation, found relative to the program's own folder, which the build
// tree copies (build/cli/fluvenna-render, build/lib/fluvenna/...). The
// first call loads it, on the calling thread (Qt's libraries then start on
// the thread that makes the application); a call on another thread at the
// same time waits for that load.
const LoadedPictureLibrary& LoadPictureLibrary();

}  // namespace fluvenna
