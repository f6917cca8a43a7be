// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <utility>

#include "session/pass_session.h"

class QLabel;
class QPushButton;
class QSlider;
class QTimer;

namespace fluvenna {

// One picture of the conformal-map view: the plots' size, and it reports the
// pointer over it in its own pixels.
class MapCanvas : public QWidget {
 public:
  explicit MapCanvas(QWidget* parent = nullptr);
  void ShowImage(const QImage& image);
  const QImage& Image() const { return image_; }

  std::function<void(QPointF)> pointerAt;
  std::function<void()> pointerLeft;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  QImage image_;
};

// The "Conformal map" window: the map zeta = z + cJ^2 / z of the pass the
// plots show, as three pictures side by side: the circle plane (t = 0), the
// morph zeta_t = z + t cJ^2 / z at the slider's t, and the airfoil plane
// (t = 1), each with the polar grid, the body, the streamlines and the
// critical points. Play runs t from 0 to 1 in kMorphSeconds and pauses while
// the window is hidden or minimised. The linked pointer: the point under the
// pointer in any of the three and its counterparts in the others are ringed,
// and a line gives both coordinates, the stretch and the turn (or says that
// the point lies inside the body). Modeless; the main window keeps at most one
// and shows every later pass in it; closing it destroys it.
class Form_Map : public QWidget {
  Q_OBJECT

 public:
  explicit Form_Map(PassSession& session, QWidget* parent = nullptr);

  // Shows a new pass at the same t, without a pointer.
  void ShowPass();

  double Morph() const { return t; }
  bool Playing() const { return playing; }
  int FramesDrawn() const { return framesDrawn; }

 protected:
  void hideEvent(QHideEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // The planes of the three pictures: t = 0, the slider's t, t = 1.
  double PlaneOf(int picture) const { return picture == 0 ? 0.0 : picture == 2 ? 1.0 : t; }
  // Draws a picture afresh (a new pass, another t) and shows it.
  void Draw(int picture);
  void Redraw();
  // Shows a picture as last drawn, with the pointer's ring over a copy of it.
  void Show(int picture);
  void SetMorph(double next);
  void Play(bool on);
  void KeepTimerToState();
  void Point(int picture, const QPointF& at);
  QString PointerHint() const;

  PassSession& session;
  std::array<MapCanvas*, 3> Picture_Map;
  QSlider* Slider_Morph;
  QLabel* Label_Morph;
  QPushButton* Button_Play;
  QLabel* Label_Pointer;
  QLabel* Label_Critical;
  std::array<QImage, 3> plain;  // the pictures without the ring
  QTimer* timer;
  QElapsedTimer clock;

  double t = 0.5;
  std::optional<std::pair<double, double>> pointer;  // circle-plane point
  bool playing = false;
  int framesDrawn = 0;
};

}  // namespace fluvenna
