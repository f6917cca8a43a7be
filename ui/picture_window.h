// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "plot/surface.h"

class QLabel;

namespace fluvenna {

class PlotPicture;

// A modeless window with one picture of the pass the plots show and a line
// of text under it (the surface pressure, the lift curve). The main window
// owns it (it closes with the main window), keeps at most one of each and
// shows every later pass in it; closing it destroys it, as the About window.
// Its picture is `Picture_<name>` and its line `Label_<name>`.
class PictureWindow : public QWidget {
  Q_OBJECT

 public:
  // `pictureSize` is the size of the picture's frame, border included.
  PictureWindow(const QString& name, const QSize& pictureSize, QWidget* parent);

 protected:
  // Draws the picture with `draw` into a fresh image, shown only when the
  // drawing worked, and writes `line`.
  void Show(const std::function<bool(PlotSurface&)>& draw, const std::string& line);

 private:
  PlotPicture* picture;
  QLabel* label;
};

}  // namespace fluvenna
