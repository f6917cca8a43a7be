// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QWidget>
#include <functional>

#include "plot/field_picture.h"
#include "report/field_text.h"
#include "session/pass_session.h"
#include "ui/save_files.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QTimer;
class QLabel;
class QPushButton;

namespace fluvenna {

// The drawing area of the flow-field view: it shows the last picture at the
// largest size that keeps the picture's aspect, centred, and reports where
// the pointer (or a tap) is over it and when its size changes.
class FieldCanvas : public QWidget {
 public:
  explicit FieldCanvas(QWidget* parent = nullptr);

  // Where the picture stands in the widget, in logical pixels.
  QRect PictureRect() const;
  void ShowImage(const QImage& image);
  const QImage& Image() const { return image_; }
  QSize sizeHint() const override;

  std::function<void()> resized;
  std::function<void(QPointF)> pointerAt;  // in the picture's logical pixels
  std::function<void()> pointerLeft;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void Report(const QPointF& at);
  QImage image_;
};

// The "Flow field" window: the airfoil plane of the pass the plots show,
// larger than the plots and fitted to the window, coloured by the pressure
// coefficient, by the speed or not at all, with its colour bar, the body and
// the streamlines on top; a probe line gives the exact flow under the
// pointer. Its buttons copy or save the picture and save the sampled field
// as CSV. Modeless; the main window owns it, keeps at most one and shows
// every later pass in it; closing it destroys it.
class Form_Field : public QWidget {
  Q_OBJECT

 public:
  Form_Field(PassSession& session, SavePathDialog savePathDialog, QWidget* parent = nullptr);

  // Shows a new pass: its picture, and its particles from the start.
  void ShowPass();

  // The colouring shown; the view opens with Cp.
  FieldColouring Colouring() const;

  // The flow in motion: whether Play is on, the animation's time in time
  // units (chord / U0), and how many frames have been drawn.
  bool Playing() const { return playing; }
  double AnimationTime() const { return animationTime; }
  int FramesDrawn() const { return framesDrawn; }

 protected:
  // The animation pauses while the view is hidden or minimised.
  void hideEvent(QHideEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // Draws the shown pass's picture again (a resize, another colouring) and
  // the particles of the moment over it.
  void Redraw();
  // One frame: the particles of the moment over the last picture.
  void DrawFrame();
  void Play(bool on);
  void KeepTimerToState();
  void ShowProbe(const QPointF& at);
  void CopyPicture();
  void SavePicture();
  void SaveCsv();
  QString ProbeHint() const;

  PassSession& session;
  SavePathDialog savePathDialog;
  QComboBox* Combo_Field;
  QPushButton* Button_Copy;
  QPushButton* Button_SavePicture;
  QPushButton* Button_SaveCsv;
  FieldCanvas* Picture_Field;
  QLabel* Label_Probe;
  QPushButton* Button_Play;
  QCheckBox* Check_Timelines;
  QDoubleSpinBox* Spin_Interval;

  QImage picture;  // the flow-field picture the frames are drawn over
  QTimer* timer;
  QElapsedTimer clock;  // since the last frame
  bool playing = false;
  double animationTime = 0.0;
  int framesDrawn = 0;
};

}  // namespace fluvenna
