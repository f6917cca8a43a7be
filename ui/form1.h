#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <optional>

#include "flow/pass.h"
#include "flow/point_arrays.h"
#include "flow/profile_table.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QScrollBar;

namespace fluvenna {

class Form_About;
class PlotPicture;

// The main window: two groups of parameter controls on the left, the circle
// plane (`Picture1`) and the airfoil (`Picture2`) on the right, a status line
// under the plots. It owns the profile table, the angle of attack `Alfa` and
// the point arrays for its whole life; every pass reads the eight texts anew.
class Form1 : public QMainWindow {
  Q_OBJECT

 public:
  // Loads the profile table before the window is shown: from `tablePath`
  // when one is given, else from the first of the usual folders that holds
  // one (the working directory, then the installed data folders).
  explicit Form1(const QString& tablePath = QString(), QWidget* parent = nullptr);
  ~Form1() override;

  // What the last pass computed (empty before the first one).
  const std::optional<PassResult>& LastPass() const { return lastPass; }

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

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // One calculation pass: reads the eight texts, computes the flow, draws
  // `Picture1`, maps, draws `Picture2`, and reports in the status line.
  void hesapla();
  void Form_Load(const QString& tablePath);
  void CreateControls();
  void SetTabOrder();
  void ShowPassReport(const PassResult& result);
  double ChordOf(double Eps, double Mu);

  ProfileTable profileTable;
  double Alfa = 0.0;
  std::unique_ptr<PointArrays> pointArrays;
  std::optional<PassResult> lastPass;
  struct MeasuredChord {
    double Eps, Mu, chord;
  };
  std::optional<MeasuredChord> measuredChord;  // of the profile measured last

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
};

}  // namespace fluvenna
