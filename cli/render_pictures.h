// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The renderer's pictures live in a library of their own, loaded only by a
// run that paints: the painting needs Qt GUI and Qt SVG, and with them the
// font configuration, X11, OpenGL and DBus libraries, whose loading and
// relocation took a run that prints numbers alone longer than its pass.
// This header is the whole of what the renderer sees of that library; it
// names no Qt GUI type.

#include <QByteArray>
#include <QCoreApplication>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>

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
  virtual QByteArray Finish() = 0;
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
  virtual std::optional<QByteArray> PaintFrame(const Draw& draw) = 0;
};

// What the pictures' library hands the renderer.
class PictureLibrary {
 public:
  virtual ~PictureLibrary() = default;
  // The GUI application a painting run needs (the labels' font wants one),
  // made from the command line as QGuiApplication takes it.
  virtual std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char** argv) const = 0;
  // A picture of `size` pixels; `title` names an SVG document.
  virtual std::unique_ptr<PictureFile> MakePicture(PictureFormat format, const QSize& size,
                                                   const QString& title) const = 0;
  // Frames of `size` pixels on the plots' background colour.
  virtual std::unique_ptr<FramePainter> MakeFrames(const QSize& size) const = 0;
};

// The library's file name, and the function it exports (extern "C") that
// returns its PictureLibrary. The number in the name changes with the class
// above, so that a library of another build is refused, not misread.
inline constexpr const char* kPictureLibraryFile = "libfluvenna-render-pictures.so";
inline constexpr const char* kPictureLibraryEntry = "fluvenna_render_pictures_1";

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
// tree copies (build/cli/fluvenna-render, build/lib/fluvenna/...). Waits for
// a load that StartLoadingPictureLibrary began.
const LoadedPictureLibrary& LoadPictureLibrary();

// Begins loading the library on a thread of its own and returns at once, so
// that a run computes its pass while the libraries of Qt GUI are mapped and
// relocated. LoadPictureLibrary then waits for that load; a second call
// does nothing.
void StartLoadingPictureLibrary();

}  // namespace fluvenna
