// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

#include "plot/field_picture.h"
#include "report/field_text.h"
#include "session/pass_session.h"
#include "ui/save_files.h"

class QComboBox;
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

  // Draws the shown pass again (after a pass, a resize, another colouring).
  void ShowPass();

  // The colouring shown; the view opens with Cp.
  FieldColouring Colouring() const;

 private:
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
};

}  // namespace fluvenna
