// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QImage>
#include <QRectF>

namespace fluvenna {

// One plot surface of the main window (`Picture1`, `Picture2`): a
// light-yellow drawing area of 396 x 263 pixels inside a two-pixel sunken
// border. It keeps the last picture a pass made and paints it again whenever
// the window system asks; a click on it is passed on as clicked().
class PlotPicture : public QFrame {
  Q_OBJECT

 public:
  static constexpr int kBorder = 2;

  explicit PlotPicture(QWidget* parent = nullptr);

  // The drawing area in the coordinates of an image from NewImage().
  QRectF Interior() const;

  // A blank image for the next pass, at the screen's pixel density.
  QImage NewImage() const;

  // Shows a finished picture from now on.
  void ShowImage(const QImage& image);

  bool HasPicture() const { return !shown.isNull(); }
  const QImage& Image() const { return shown; }

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QImage shown;
  bool pressed = false;
};

}  // namespace fluvenna
