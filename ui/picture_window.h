// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "plot/surface.h"

class QBoxLayout;
class QLabel;
class QVBoxLayout;

namespace fluvenna {

class PlotPicture;

// A modeless window with pictures of the pass the plots show and a line of
// text under them (the surface pressure, the lift curve). The main window
// owns it (it closes with the main window), keeps at most one of each and
// shows every later pass in it; closing it destroys it, as the About window.
// Its first picture is `Picture_<name>` and its line `Label_<name>`.
class PictureWindow : public QWidget {
  Q_OBJECT

 public:
  // How further pictures stand next to the first one.
  enum class Row { kDown, kAcross };

  // `pictureSize` is the size of the picture's frame, border included.
  PictureWindow(const QString& name, const QSize& pictureSize, QWidget* parent,
                Row row = Row::kDown);

 protected:
  // Draws the first picture with `draw` into a fresh image, shown only when
  // the drawing worked, and writes `line`.
  void Show(const std::function<bool(PlotSurface&)>& draw, const std::string& line);

  // Another picture `Picture_<name>` after the last one (under it or beside
  // it, as the window's row goes), its frame `pictureSize` large.
  PlotPicture* AddPicture(const QString& name, const QSize& pictureSize);

  // Draws `picture` with `draw` into a fresh image, shown only when the
  // drawing worked; returns whether it did.
  static bool Draw(PlotPicture* picture, const std::function<bool(PlotSurface&)>& draw);

  // The line under the pictures.
  void SetLine(const std::string& line);

  // The window's column: controls may go above the pictures (index 0).
  QVBoxLayout* Column() { return column; }

 private:
  PlotPicture* picture;
  QBoxLayout* pictures;
  QVBoxLayout* column;
  QLabel* label;
};

}  // namespace fluvenna
