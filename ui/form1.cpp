// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form1.h"

#include <QClipboard>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QScrollBar>
#include <QStatusBar>
#include <cmath>

#include "app/table_search.h"
#include "plot/qt/painter_surface.h"
#include "plot/qt/pass_picture.h"
#include "report/number_text.h"
#include "ui/form_about.h"
#include "ui/form_field.h"
#include "ui/form_lift.h"
#include "ui/form_map.h"
#include "ui/form_pressure.h"
#include "ui/form_wing.h"
#include "ui/form_profile.h"
#include "ui/plot_picture.h"
#include "ui/twips.h"

namespace fluvenna {
namespace {

// A scroll bar's value as it writes it into its text box.
QString BarText(double value) {
  return QString::fromStdString(NumberText(value));
}

// The controls stand in boxes measured in twips for a small system font;
// this size keeps every caption and number inside its box.
constexpr int kControlFontPixels = 9;

QFont ControlFont() {
  QFont font;
  font.setFamilies({QStringLiteral("DejaVu Sans")});
  font.setPixelSize(kControlFontPixels);
  return font;
}

QLabel* Caption(QWidget* parent, const char* name, const QString& text, const QRect& box) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QLatin1String(name));
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  label->setGeometry(box);
  return label;
}

QLineEdit* TextBox(QWidget* parent, const char* name, const QString& text, const QRect& box) {
  auto* edit = new QLineEdit(text, parent);
  edit->setObjectName(QLatin1String(name));
  edit->setGeometry(box);
  return edit;
}

// A scroll bar that acts on arrow clicks, track clicks and keys at once, and
// on the release of a dragged thumb.
QScrollBar* ScrollBar(QWidget* parent, const char* name, const QRect& box, int minimum, int maximum,
                      int start, int arrowStep, int trackStep) {
  auto* bar = new QScrollBar(Qt::Horizontal, parent);
  bar->setObjectName(QLatin1String(name));
  bar->setGeometry(box);
  bar->setRange(minimum, maximum);
  bar->setSingleStep(arrowStep);
  bar->setPageStep(trackStep);
  bar->setValue(start);
  bar->setTracking(false);
  bar->setFocusPolicy(Qt::StrongFocus);
  return bar;
}

}  // namespace

Form1::Form1(const QString& tablePath, Language language, QWidget* parent) : QMainWindow(parent) {
  session.SetLanguage(language);
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(tr("Joukowsky profili etrafında akım çizgileri"));
  designedTitle = windowTitle();

  Mn_About = menuBar()->addAction(tr("About"));
  Mn_About->setObjectName(QStringLiteral("Mn_About"));
  connect(Mn_About, &QAction::triggered, this, &Form1::Mn_About_Click);

  CreateControls();
  SetTabOrder();

  // The plot menu. Its entries act on the pass the plots show; before the
  // first one they say there is nothing to show yet.
  Mn_Plot = new QMenu(this);
  Mn_Plot->setObjectName(QStringLiteral("Mn_Plot"));
  const auto entry = [this](const char* name, void (Form1::*slot)()) {
    QAction* action = Mn_Plot->addAction(QString());
    action->setObjectName(QLatin1String(name));
    connect(action, &QAction::triggered, this, slot);
    return action;
  };
  Mn_SurfacePressure = entry("Mn_SurfacePressure", &Form1::Mn_SurfacePressure_Click);
  Mn_FlowField = entry("Mn_FlowField", &Form1::Mn_FlowField_Click);
  Mn_LiftCurve = entry("Mn_LiftCurve", &Form1::Mn_LiftCurve_Click);
  Mn_ConformalMap = entry("Mn_ConformalMap", &Form1::Mn_ConformalMap_Click);
  Mn_FiniteWing = entry("Mn_FiniteWing", &Form1::Mn_FiniteWing_Click);
  Mn_Profile = entry("Mn_Profile", &Form1::Mn_Profile_Click);
  Mn_Plot->addSeparator();
  Mn_CopyPicture = entry("Mn_CopyPicture", &Form1::Mn_CopyPicture_Click);
  Mn_SavePicture = entry("Mn_SavePicture", &Form1::Mn_SavePicture_Click);
  Mn_SaveCsv = entry("Mn_SaveCsv", &Form1::Mn_SaveCsv_Click);
  UpdatePlotMenu();
  for (PlotPicture* picture : {Picture1, Picture2}) {
    picture->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(picture, &QWidget::customContextMenuRequested, this,
            [this, picture](const QPoint& at) { ShowPlotMenu(picture, at); });
  }
  savePathDialog = FileDialogForSaving();

  Label_Status = new QLabel;
  Label_Status->setObjectName(QStringLiteral("Label_Status"));
  Label_Status->setTextFormat(Qt::PlainText);
  Label_Status->setWordWrap(true);
  Label_Status->setFixedHeight(2 * Label_Status->fontMetrics().lineSpacing() + 4);
  Label_Status->setText(tr("Move a scroll bar or click a plot to draw the flow."));
  statusBar()->setSizeGripEnabled(false);
  statusBar()->addWidget(Label_Status, 1);
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  Text_DELTA->setFocus();
  Form_Load(tablePath);
}

Form1::~Form1() {
  delete aboutWindow;
}

void Form1::CreateControls() {
  auto* client = new QWidget;
  client->setObjectName(QStringLiteral("Client"));
  client->setFixedSize(Twips(9390), Twips(8235));
  client->setFont(ControlFont());
  setCentralWidget(client);

  Frame1 = new QGroupBox(client);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  Frame1->setGeometry(TwipRect(120, 120, 2895, 1935));
  Picture1 = new PlotPicture(client);
  Picture1->setObjectName(QStringLiteral("Picture1"));
  Picture1->setGeometry(TwipRect(3240, 0, 6000, 4000));
  Picture2 = new PlotPicture(client);
  Picture2->setObjectName(QStringLiteral("Picture2"));
  Picture2->setGeometry(TwipRect(3240, 4080, 6000, 4000));
  Frame2 = new QGroupBox(client);
  Frame2->setObjectName(QStringLiteral("Frame2"));
  Frame2->setGeometry(TwipRect(120, 2640, 2895, 1935));

  // Profile and flow parameters.
  Label1 = Caption(Frame1, "Label1", tr("δ = "), TwipRect(600, 360, 375, 255));
  Text_DELTA = TextBox(Frame1, "Text_DELTA", QStringLiteral("0.01"), TwipRect(960, 360, 495, 285));
  HScroll_Delta =
      ScrollBar(Frame1, "HScroll_Delta", TwipRect(1440, 360, 1215, 255), 1, 30, 1, 1, 1);
  Label2 = Caption(Frame1, "Label2", tr("γ ="), TwipRect(600, 720, 375, 255));
  Text_GAMA = TextBox(Frame1, "Text_GAMA", QStringLiteral("0"), TwipRect(960, 720, 495, 285));
  HScroll_Gama = ScrollBar(Frame1, "HScroll_Gama", TwipRect(1440, 720, 1215, 255), 0, 14, 0, 1, 1);
  Label5 = Caption(Frame1, "Label5", tr("α ="), TwipRect(600, 1080, 255, 255));
  Text_Alfa = TextBox(Frame1, "Text_Alfa", QStringLiteral("0"), TwipRect(960, 1080, 495, 285));
  HScroll_Alfa =
      ScrollBar(Frame1, "HScroll_Alfa", TwipRect(1440, 1080, 1215, 255), -10, 30, 0, 1, 5);
  Label6 = Caption(Frame1, "Label6", tr("Kutta şartı"), TwipRect(120, 1440, 735, 255));
  Text_iKutta = TextBox(Frame1, "Text_iKutta", QStringLiteral("1"), TwipRect(960, 1440, 495, 285));
  HScroll_iKutta =
      ScrollBar(Frame1, "HScroll_iKutta", TwipRect(1440, 1440, 1215, 255), 0, 10, 10, 1, 1);

  // Streamline and drawing parameters.
  Label7 = Caption(Frame2, "Label7", tr("Δψ ="), TwipRect(360, 360, 375, 255));
  Text_dPsi = TextBox(Frame2, "Text_dPsi", QStringLiteral("0.1"), TwipRect(840, 360, 495, 285));
  HScroll_dPsi = ScrollBar(Frame2, "HScroll_dPsi", TwipRect(1320, 360, 1455, 255), 1, 10, 10, 1, 1);
  Label9 = Caption(Frame2, "Label9", tr("nSL ="), TwipRect(240, 720, 495, 255));
  Text_kMax = TextBox(Frame2, "Text_kMax", QStringLiteral("2"), TwipRect(840, 720, 495, 285));
  HScroll_kMax = ScrollBar(Frame2, "HScroll_kMax", TwipRect(1320, 720, 1455, 255), 2, 10, 2, 2, 2);
  Label4 = Caption(Frame2, "Label4", tr("Scale ="), TwipRect(120, 1080, 615, 255));
  Text_Olcek = TextBox(Frame2, "Text_Olcek", QStringLiteral("1"), TwipRect(840, 1080, 495, 285));
  HScroll_Olcek =
      ScrollBar(Frame2, "HScroll_Olcek", TwipRect(1320, 1080, 1455, 255), 5, 30, 10, 1, 5);
  Label10 = Caption(Frame2, "Label10", tr("dR ="), TwipRect(360, 1440, 375, 255));
  Text_dR = TextBox(Frame2, "Text_dR", QStringLiteral("0.01"), TwipRect(840, 1440, 495, 285));

  for (QScrollBar* bar : {HScroll_Delta, HScroll_Gama, HScroll_Alfa, HScroll_iKutta, HScroll_dPsi,
                          HScroll_kMax, HScroll_Olcek}) {
    bar->installEventFilter(this);
  }
  connect(HScroll_Delta, &QScrollBar::valueChanged, this, &Form1::HScroll_Delta_Change);
  connect(HScroll_Gama, &QScrollBar::valueChanged, this, &Form1::HScroll_Gama_Change);
  connect(HScroll_Alfa, &QScrollBar::valueChanged, this, &Form1::HScroll_Alfa_Change);
  connect(HScroll_iKutta, &QScrollBar::valueChanged, this, &Form1::HScroll_iKutta_Change);
  connect(HScroll_dPsi, &QScrollBar::valueChanged, this, &Form1::HScroll_dPsi_Change);
  connect(HScroll_kMax, &QScrollBar::valueChanged, this, &Form1::HScroll_kMax_Change);
  connect(HScroll_Olcek, &QScrollBar::valueChanged, this, &Form1::HScroll_Olcek_Change);
  connect(Picture1, &PlotPicture::clicked, this, &Form1::Picture1_Click);
  connect(Picture2, &PlotPicture::clicked, this, &Form1::Picture2_Click);
}

void Form1::SetTabOrder() {
  QWidget* const order[] = {Text_DELTA,   Text_GAMA,      Text_Alfa,     Text_iKutta,  Picture1,
                            Picture2,     Text_kMax,      Text_dPsi,     Text_Olcek,   Text_dR,
                            HScroll_Alfa, HScroll_iKutta, HScroll_Delta, HScroll_Gama, HScroll_kMax,
                            HScroll_dPsi, HScroll_Olcek};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

// Qt's scroll bars turn the arrow keys round (made for the wheel on vertical
// bars); here the Right key moves a bar right like its right arrow.
bool Form1::eventFilter(QObject* watched, QEvent* event) {
  auto* bar = qobject_cast<QScrollBar*>(watched);
  if (bar && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Right || key == Qt::Key_Left) {
      bar->triggerAction(key == Qt::Key_Right ? QAbstractSlider::SliderSingleStepAdd
                                              : QAbstractSlider::SliderSingleStepSub);
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void Form1::Form_Load(const QString& tablePath) {
  const std::optional<std::string> failure =
      tablePath.isEmpty()
          ? LoadProfileTableFromUsualFolders(session.Table()).failure
          : LoadProfileTableFile(session.Table(), QFile::encodeName(tablePath).toStdString());
  if (!failure) return;
  QMessageBox message(QMessageBox::NoIcon, QStringLiteral("Fluvenna"),
                      QCoreApplication::translate("Notes", failure->c_str()), QMessageBox::Ok);
  message.exec();
}

void Form1::hesapla() {
  ParameterTexts texts;
  texts.DELTA = Text_DELTA->text().toStdString();
  texts.GAMA = Text_GAMA->text().toStdString();
  texts.Alfa = Text_Alfa->text().toStdString();
  texts.iKutta = Text_iKutta->text().toStdString();
  texts.dPsi = Text_dPsi->text().toStdString();
  texts.kMax = Text_kMax->text().toStdString();
  texts.Olcek = Text_Olcek->text().toStdString();
  texts.dR = Text_dR->text().toStdString();

  // Draw into fresh images; the plots change only when the whole pass worked.
  QImage image1 = Picture1->NewImage();
  QImage image2 = Picture2->NewImage();
  bool drawn = false;
  {
    QPainter painter1(&image1);
    QPainter painter2(&image2);
    PainterSurface surface1(painter1, Picture1->Interior());
    PainterSurface surface2(painter2, Picture2->Interior());
    const PassResult& result = session.Run(texts, surface1, surface2);
    Alfa = result.params.Alfa;
    drawn = result.ok();
  }
  if (drawn) {
    Picture1->ShowImage(image1);
    Picture2->ShowImage(image2);
    UpdatePlotMenu();
    if (pressureWindow) ShowSurfacePressure();
    if (fieldWindow) fieldWindow->ShowPass();
    if (liftWindow) ShowLiftCurve();
    if (mapWindow) mapWindow->ShowPass();
    if (wingWindow) wingWindow->ShowPass();
  }
  ShowPassReport();
}

void Form1::ShowPassReport() {
  const StatusLine& line = session.Status();
  QPalette palette = Label_Status->palette();
  palette.setColor(QPalette::WindowText,
                   line.failed ? QColor(160, 0, 0) : QPalette().color(QPalette::WindowText));
  Label_Status->setPalette(palette);
  Label_Status->setText(QString::fromStdString(line.text));
  Label_Status->setToolTip(Label_Status->text());
}

void Form1::HScroll_Delta_Change() {
  Text_DELTA->setText(BarText(HScroll_Delta->value() / 100.0));
  hesapla();
}

void Form1::HScroll_Gama_Change() {
  Text_GAMA->setText(BarText(HScroll_Gama->value() / 100.0));
  hesapla();
}

void Form1::HScroll_Alfa_Change() {
  Alfa = HScroll_Alfa->value();
  Text_Alfa->setText(BarText(Alfa));
  hesapla();
}

void Form1::HScroll_iKutta_Change() {
  Text_iKutta->setText(BarText(HScroll_iKutta->value() / 10.0));
  hesapla();
}

void Form1::HScroll_dPsi_Change() {
  Text_dPsi->setText(BarText(HScroll_dPsi->value() / 100.0));
  hesapla();
}

void Form1::HScroll_kMax_Change() {
  Text_kMax->setText(BarText(HScroll_kMax->value()));
  hesapla();
}

void Form1::HScroll_Olcek_Change() {
  Text_Olcek->setText(BarText(HScroll_Olcek->value() / 10.0));
  hesapla();
}

void Form1::Picture1_Click() {
  hesapla();
}

void Form1::Picture2_Click() {
  hesapla();
}

void Form1::Mn_About_Click() {
  if (!aboutWindow) aboutWindow = new Form_About;
  aboutWindow->show();
  aboutWindow->raise();
  aboutWindow->activateWindow();
}

void Form1::UpdatePlotMenu() {
  const bool ready = session.Shown() != nullptr;
  const QString nothingYet = tr(" (nothing to show yet: move a scroll bar or click a plot)");
  const std::pair<QAction*, QString> entries[] = {
      {Mn_SurfacePressure, tr("Surface pressure…")},
      {Mn_FlowField, tr("Flow field…")},
      {Mn_LiftCurve, tr("Lift curve…")},
      {Mn_ConformalMap, tr("Conformal map…")},
      {Mn_FiniteWing, QCoreApplication::translate("fluvenna::Form_Wing", "Finite wing…")},
      {Mn_CopyPicture, tr("Copy picture")},
      {Mn_SavePicture, tr("Save picture…")},
      {Mn_SaveCsv, tr("Save points as CSV…")},
  };
  for (const auto& [action, text] : entries) {
    action->setText(ready ? text : text + nothingYet);
    action->setEnabled(ready);
  }
  // The profile can be chosen before the first pass too.
  Mn_Profile->setText(Form_Profile::tr("Profile…"));
}

void Form1::Mn_Profile_Click() {
  if (!profileWindow) {
    profileWindow = new Form_Profile(session, this);
    connect(profileWindow, &Form_Profile::changed, this, &Form1::ProfileChanged);
  }
  profileWindow->show();
  profileWindow->raise();
  profileWindow->activateWindow();
}

void Form1::ProfileChanged() {
  const LoadedProfile* profile = session.Profile();
  for (QWidget* control :
       std::initializer_list<QWidget*>{Text_DELTA, HScroll_Delta, Text_GAMA, HScroll_Gama}) {
    control->setEnabled(!profile);
  }
  setWindowTitle(profile ? Form_Profile::tr("Streamlines around %1")
                               .arg(QString::fromStdString(profile->contour.report.name))
                         : designedTitle);
  if (session.Passes() > 0) hesapla();
}

// A right-click on a plot; a left click still only runs a pass.
void Form1::ShowPlotMenu(PlotPicture* picture, const QPoint& at) {
  menuPicture = picture;
  Mn_Plot->popup(picture->mapToGlobal(at));
}

void Form1::ShowSurfacePressure() {
  pressureWindow->ShowPressure();
}

void Form1::Mn_SurfacePressure_Click() {
  if (!session.Shown()) return;
  if (!pressureWindow) {
    pressureWindow = new Form_Pressure(session, this);
    // Another Reynolds number: the views that show the boundary layer follow.
    connect(pressureWindow, &Form_Pressure::changed, this, [this] {
      if (fieldWindow) fieldWindow->ShowPass();
      if (liftWindow) ShowLiftCurve();
      if (wingWindow) wingWindow->ShowPass();
    });
  }
  ShowSurfacePressure();
  pressureWindow->show();
  pressureWindow->raise();
  pressureWindow->activateWindow();
}

void Form1::Mn_FlowField_Click() {
  if (!session.Shown()) return;
  if (!fieldWindow) fieldWindow = new Form_Field(session, savePathDialog, this);
  fieldWindow->show();
  fieldWindow->ShowPass();
  fieldWindow->raise();
  fieldWindow->activateWindow();
}

void Form1::ShowLiftCurve() {
  liftWindow->ShowLift(session);
}

void Form1::Mn_LiftCurve_Click() {
  if (!session.Shown()) return;
  if (!liftWindow) liftWindow = new Form_Lift(this);
  ShowLiftCurve();
  liftWindow->show();
  liftWindow->raise();
  liftWindow->activateWindow();
}

void Form1::Mn_ConformalMap_Click() {
  if (!session.Shown()) return;
  if (!mapWindow) mapWindow = new Form_Map(session, this);
  mapWindow->show();
  mapWindow->ShowPass();
  mapWindow->raise();
  mapWindow->activateWindow();
}

void Form1::Mn_FiniteWing_Click() {
  if (!session.Shown()) return;
  if (!wingWindow) wingWindow = new Form_Wing(session, this);
  wingWindow->show();
  wingWindow->ShowPass();
  wingWindow->raise();
  wingWindow->activateWindow();
}

void Form1::Mn_CopyPicture_Click() {
  if (!session.Shown() || !menuPicture) return;
  QGuiApplication::clipboard()->setImage(menuPicture->Image());
}

// PNG: the picture as the plot shows it. SVG: the shown pass drawn again on
// an SVG document of the plot's size, by the same code.
void Form1::Mn_SavePicture_Click() {
  if (!session.Shown() || !menuPicture) return;
  const bool circle = menuPicture == Picture1;
  const QString path = savePathDialog(
      this, tr("Save picture"),
      circle ? QStringLiteral("fluvenna-circle.png") : QStringLiteral("fluvenna-airfoil.png"),
      tr("Pictures (*.png *.svg)"));
  if (path.isEmpty()) return;
  const QSize size = menuPicture->contentsRect().size();
  SavePictureFile(this, path, menuPicture->Image(), size,
                  circle ? QStringLiteral("Fluvenna: flow past the circle")
                         : QStringLiteral("Fluvenna: flow around the airfoil"),
                  [&](PlotSurface& svg) {
                    // Both plots are drawn, as a pass draws them; the other one
                    // goes to a picture that is thrown away.
                    PassPicture other(PassPicture::Format::kSvg, size, QString());
                    return circle ? session.DrawShownAgain(svg, other.surface())
                                  : session.DrawShownAgain(other.surface(), svg);
                  });
}

// The file fluvenna-render --csv writes for the same pass.
void Form1::Mn_SaveCsv_Click() {
  if (!session.Shown()) return;
  const QString path =
      savePathDialog(this, tr("Save points as CSV"), QStringLiteral("fluvenna-points.csv"),
                     tr("CSV files (*.csv)"));
  if (path.isEmpty()) return;
  WriteFileOrWarn(this, path, QByteArray::fromStdString(session.Csv()));
}

}  // namespace fluvenna
