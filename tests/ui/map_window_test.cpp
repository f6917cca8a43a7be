// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The conformal-map window, driven as a user drives it, in Turkish.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <memory>

#include "plot/map_picture.h"
#include "ui/form1.h"
#include "ui/form_map.h"
#include "ui/language.h"
#include "ui/plot_picture.h"

using namespace fluvenna;

namespace {

const char kTable[] = "test table\n2\n0.01,0,0.1,0,0\n0.1,0.05,0.1,0.05,0\n";

}  // namespace

class MapWindowTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir;
  QTranslator translator;
  QString tablePath;
  std::unique_ptr<Form1> w;

  void Type(const char* box, const QString& text) {
    auto* edit = w->findChild<QLineEdit*>(box);
    edit->clear();
    QTest::keyClicks(edit, text);
  }
  void PassWith(const QString& alpha) {
    Type("Text_DELTA", "0.1");
    Type("Text_GAMA", "0.05");
    Type("Text_Alfa", alpha);
    Type("Text_kMax", "8");
    QTest::mouseClick(w->findChild<PlotPicture*>("Picture1"), Qt::LeftButton);
    QVERIFY(w->LastPass()->ok());
  }
  Form_Map* Open() {
    w->findChild<QAction*>("Mn_ConformalMap")->trigger();
    auto* view = w->findChild<Form_Map*>();
    if (view) (void)QTest::qWaitForWindowExposed(view);
    return view;
  }
  // The pointer moved over a picture (sent straight to it: the offscreen
  // platform has no pointer of its own).
  static void MoveOver(QWidget* canvas, const QPoint& at) {
    QMouseEvent move(QEvent::MouseMove, QPointF(at), canvas->mapToGlobal(QPointF(at)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(canvas, &move);
  }
  // Pixels that are mostly the pointer's green (the lines are antialiased).
  static int Green(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const QColor c = image.pixelColor(x, y);
        count += c.green() > c.red() + 60 && c.green() > c.blue() + 60;
      }
    }
    return count;
  }
  // The device pixel of a plot point in a picture of the plots' size.
  QPoint PixelOf(double x, double y) const {
    const double Olcek = w->LastPass()->params.Olcek;
    return QPoint(static_cast<int>((x + Olcek) / (2.0 * Olcek) * 396.0),
                  static_cast<int>((2.0 / 3.0 * Olcek - y) / (4.0 / 3.0 * Olcek) * 263.0));
  }

 private slots:
  void initTestCase() {
    QVERIFY(InstallTranslations(translator, Language::kTurkish));
    QVERIFY(dir.isValid());
    tablePath = dir.filePath("KATJO-D20G15.txt");
    QFile file(tablePath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(kTable);
  }

  void init() {
    w = std::make_unique<Form1>(tablePath, Language::kTurkish);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
  }

  void cleanup() { w.reset(); }

  // One window, titled in Turkish, redrawn by every pass; the pointer over
  // any picture rings its counterparts in all three and says where it is.
  void oneWindowRedrawnByEveryPassWithALinkedPointer() {
    QVERIFY(!w->findChild<QAction*>("Mn_ConformalMap")->isEnabled());  // nothing to show yet
    PassWith("8");
    QCOMPARE(w->findChild<QAction*>("Mn_ConformalMap")->text(), QStringLiteral("Konform dönüşüm…"));
    for (int i = 0; i < 3; ++i) Open();
    QCOMPARE(w->findChildren<Form_Map*>().size(), 1);
    Form_Map* view = w->findChild<Form_Map*>();
    QCOMPARE(view->windowTitle(), QStringLiteral("Konform dönüşüm"));
    auto* circle = view->findChild<MapCanvas*>("Picture_MapCircle");
    auto* morph = view->findChild<MapCanvas*>("Picture_MapMorph");
    auto* airfoil = view->findChild<MapCanvas*>("Picture_MapAirfoil");
    const QImage before = morph->Image();
    QVERIFY(!before.isNull());
    QVERIFY(view->findChild<QLabel*>("Label_Critical")->text().contains("Kritik noktalar"));
    PassWith("2");
    QVERIFY(morph->Image() != before);  // the new pass is shown

    const PassResult& pass = *w->LastPass();
    MoveOver(circle, PixelOf(pass.circle.xc, pass.circle.yc));  // the circle's centre
    auto* line = view->findChild<QLabel*>("Label_Pointer");
    QTRY_VERIFY2(line->text().contains("cismin içinde"), qPrintable(line->text()));
    QCOMPARE(Green(airfoil->Image()), 0);
    MoveOver(airfoil, QPoint(300, 60));  // in the flow above the airfoil
    QTRY_VERIFY(line->text().contains("uzama |dζ/dz|"));
    for (MapCanvas* canvas : {circle, morph, airfoil}) QVERIFY(Green(canvas->Image()) > 4);
    if (qEnvironmentVariableIsSet("FLUVENNA_SHOTS")) {
      view->grab().save(qEnvironmentVariable("FLUVENNA_SHOTS") + "/window.png");
    }
  }

  // Play runs t to 1 in about kMorphSeconds, the frames stopping while the
  // window is hidden; the slider follows.
  void playRunsTheMorphAndPausesWhileHidden() {
    PassWith("8");
    Form_Map* view = Open();
    QVERIFY(view);
    auto* slider = view->findChild<QSlider*>("Slider_Morph");
    slider->setValue(0);
    QCOMPARE(view->Morph(), 0.0);
    QTest::mouseClick(view->findChild<QPushButton*>("Button_Play"), Qt::LeftButton);
    QVERIFY(view->Playing());
    QTRY_VERIFY(view->FramesDrawn() >= 3);
    view->hide();
    const int frames = view->FramesDrawn();
    const double t = view->Morph();
    QTest::qWait(300);
    QCOMPARE(view->FramesDrawn(), frames);
    QCOMPARE(view->Morph(), t);
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view));
    QTRY_VERIFY_WITH_TIMEOUT(!view->Playing(), 10000);
    QCOMPARE(view->Morph(), 1.0);
    QCOMPARE(slider->value(), slider->maximum());
    QVERIFY(view->FramesDrawn() > frames);
  }
};

QTEST_MAIN(MapWindowTest)
#include "map_window_test.moc"
