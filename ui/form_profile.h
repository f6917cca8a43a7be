// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <functional>

#include "session/pass_session.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace fluvenna {

// How the Profile window asks for a coordinate file to open (a file dialog
// unless replaced: tests give the path without one). Empty: cancelled.
using OpenPathDialog = std::function<QString(QWidget* parent)>;

// The outline of the profile in use: its normalised contour, chord along x.
class ProfileOutline : public QWidget {
  Q_OBJECT

 public:
  explicit ProfileOutline(QWidget* parent = nullptr);
  void SetContour(const std::vector<double>& x, const std::vector<double>& y);
  QSize sizeHint() const override { return {420, 140}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<double> x_, y_;
};

// The Profile window of the plot menu: where the profile of the passes comes
// from. Three sources: the designed Joukowski profile of delta and gamma, a
// NACA code, or a coordinate file (Open… or a .dat dropped on the window).
// It shows the outline, the report and any refusal; a refused source keeps
// the profile that was in use. Names from a file are shown as plain text.
class Form_Profile : public QWidget {
  Q_OBJECT

 public:
  Form_Profile(PassSession& session, QWidget* parent = nullptr);

  // The three sources, as the window's controls choose them. Each returns
  // false when the source was refused (the refusal is shown).
  bool ChooseJoukowski();
  bool ChooseNaca(const QString& code);
  bool ChooseFile(const QString& path);

  void SetOpenPathDialog(OpenPathDialog dialog) { openPathDialog_ = std::move(dialog); }

 signals:
  // The profile in use changed (not after a refusal).
  void changed();

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  bool Apply(const ProfileSource& source);
  void ShowProfile();

  PassSession& session_;
  OpenPathDialog openPathDialog_;
  ProfileSource::Kind kind_ = ProfileSource::Kind::kJoukowski;  // of the profile in use
  QRadioButton* Option_Joukowski;
  QRadioButton* Option_Naca;
  QRadioButton* Option_File;
  QLineEdit* Text_Naca;
  QPushButton* Command_Naca;
  QPushButton* Command_Open;
  ProfileOutline* Outline;
  QLabel* Label_Report;
  QLabel* Label_Refusal;
};

}  // namespace fluvenna
