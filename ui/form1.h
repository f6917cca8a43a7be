// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>

#include "flow/pass.h"
#include "session/pass_session.h"
#include "ui/save_files.h"

class QAction;
class QMenu;
class QGroupBox;
class QLabel;
class QLineEdit;
class QScrollBar;

namespace fluvenna {

class Form_About;
class Form_Field;
class Form_Lift;
class Form_Map;
class Form_Wing;
class Form_Pressure;
class Form_Profile;
class PlotPicture;

// The main window: two groups of parameter controls on the left, the circle
// plane (`Picture1`) and the airfoil (`Picture2`) on the right, a status line
// under the plots. It owns the profile table, the angle of attack `Alfa` and
// the point arrays for its whole life; every pass reads the eight texts anew.
// A right-click on either plot opens the plot menu: the surface pressure,
// the flow field, the lift curve and the conformal map of the pass shown, each in a window of
// its own, the plot's picture to the clipboard or a file, and every point of
// the pass as CSV.
class Form1 : public QMainWindow {
  Q_OBJECT

 public:
  // Loads the profile table before the window is shown: from `tablePath`
  // when one is given, else from the first of the usual folders that holds
  // one (the working directory, then the installed data folders).
  // The texts the session makes (status line, views) are in `language`; the
  // window's own texts in the language of the installed translations.
  explicit Form1(const QString& tablePath = QString(), Language language = Language::kTurkish,
                 QWidget* parent = nullptr);
  ~Form1() override;

  // What the last pass computed (empty before the first one).
  const std::optional<PassResult>& LastPass() const { return session.Last(); }
  // How many passes have run to their end since the window opened.
  int PassesEnded() const { return session.Passes(); }

  // How the window and its views ask for the name of a file to write (a
  // file dialog unless replaced: tests give the path without a dialog).
  void SetSavePathDialog(SavePathDialog dialog) { savePathDialog = std::move(dialog); }

 private slots:
  void HScroll_Delta_Change();
  void HScroll_Gama_Change();
  void HScroll_Alfa_Change();
  void HScroll_iKutta_Change();
  void HScroll_dPsi_Change();
  void HScroll_kMax_Change();
  void HScroll_Olcek_Change();
  void Picture1_Click();
  void Picture2_Click();
  void Mn_About_Click();
  void Mn_SurfacePressure_Click();
  void Mn_FlowField_Click();
  void Mn_LiftCurve_Click();
  void Mn_ConformalMap_Click();
  void Mn_FiniteWing_Click();
  void Mn_Profile_Click();
  void Mn_CopyPicture_Click();
  void Mn_SavePicture_Click();
  void Mn_SaveCsv_Click();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // One calculation pass: reads the eight texts, computes the flow, draws
  // `Picture1`, maps, draws `Picture2`, and reports in the status line.
  void hesapla();
  void Form_Load(const QString& tablePath);
  void CreateControls();
  void SetTabOrder();
  void ShowPassReport();
  void ShowPlotMenu(PlotPicture* picture, const QPoint& at);
  void UpdatePlotMenu();
  void ShowSurfacePressure();
  void ShowLiftCurve();
  // After the Profile window changed the profile: delta and gamma's bars and
  // boxes are disabled and the title names the profile while a NACA or file
  // profile is in use, and restored exactly for Joukowski; a pass runs again
  // when one was shown.
  void ProfileChanged();

  // The profile table, the point arrays and the pass the plots show: the
  // last one that worked, its texts and its curves in every plane (what the
  // plot menu saves).
  PassSession session;
  double Alfa = 0.0;
  SavePathDialog savePathDialog;

  QAction* Mn_About;
  QGroupBox* Frame1;
  QGroupBox* Frame2;
  PlotPicture* Picture1;
  PlotPicture* Picture2;

  QLabel* Label1;
  QLineEdit* Text_DELTA;
  QScrollBar* HScroll_Delta;
  QLabel* Label2;
  QLineEdit* Text_GAMA;
  QScrollBar* HScroll_Gama;
  QLabel* Label5;
  QLineEdit* Text_Alfa;
  QScrollBar* HScroll_Alfa;
  QLabel* Label6;
  QLineEdit* Text_iKutta;
  QScrollBar* HScroll_iKutta;

  QLabel* Label7;
  QLineEdit* Text_dPsi;
  QScrollBar* HScroll_dPsi;
  QLabel* Label9;
  QLineEdit* Text_kMax;
  QScrollBar* HScroll_kMax;
  QLabel* Label4;
  QLineEdit* Text_Olcek;
  QScrollBar* HScroll_Olcek;
  QLabel* Label10;
  QLineEdit* Text_dR;

  QLabel* Label_Status;
  QPointer<Form_About> aboutWindow;

  QMenu* Mn_Plot;
  QAction* Mn_SurfacePressure;
  QAction* Mn_FlowField;
  QAction* Mn_LiftCurve;
  QAction* Mn_ConformalMap;
  QAction* Mn_FiniteWing;
  QAction* Mn_Profile;
  QAction* Mn_CopyPicture;
  QAction* Mn_SavePicture;
  QAction* Mn_SaveCsv;
  PlotPicture* menuPicture = nullptr;  // the plot the menu was opened on
  QPointer<Form_Pressure> pressureWindow;
  QPointer<Form_Field> fieldWindow;
  QPointer<Form_Lift> liftWindow;
  QPointer<Form_Map> mapWindow;
  QPointer<Form_Wing> wingWindow;
  QPointer<Form_Profile> profileWindow;
  QString designedTitle;  // the title of the designed window, restored for Joukowski
};

}  // namespace fluvenna
