// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a user sees the window and its views do, driven with Qt Test: every
// designed scroll bar writes its box and redraws; the conformal-map window
// drops its pointer with a new pass and rings the airfoil-plane point on the
// airfoil picture; the paused animation keeps showing its paused frame; and
// every line that shows outside text shows markup as the plain text it is.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <memory>

#include "plot/qt/painter_surface.h"
#include "tests/ui/scroll_bar_parts.h"
#include "ui/form1.h"
#include "ui/form_field.h"
#include "ui/form_map.h"
#include "ui/language.h"
#include "ui/picture_window.h"
#include "ui/plot_picture.h"

using namespace fluvenna;
using fluvenna::testing::PartOf;

namespace {

const char kTable[] = "test table\n2\n0.01,0,0.1,0,0\n0.1,0.05,0.1,0.05,0\n";

// A name as a profile file may hold it: markup that must not be obeyed.
const QString kMarkupName = QStringLiteral("<b>NACA</b> &amp; <i>profil</i> <br>x");

// A picture window whose line the test writes, as a view writes a name.
class LinePictureWindow : public PictureWindow {
 public:
  LinePictureWindow() : PictureWindow(QStringLiteral("Test"), QSize(200, 100), nullptr) {}
  void Write(const QString& line) { SetLine(line.toStdString()); }
};

// Pixels that are mostly the pointer's green (the lines are antialiased).
int Green(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      count += c.green() > c.red() + 60 && c.green() > c.blue() + 60;
    }
  }
  return count;
}

// The mean place of those pixels.
QPointF GreenCentre(const QImage& image) {
  double sx = 0.0, sy = 0.0;
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.green() > c.red() + 60 && c.green() > c.blue() + 60) sx += x, sy += y, ++count;
    }
  }
  return count ? QPointF(sx / count, sy / count) : QPointF(-1000, -1000);
}

// The label as a plain-text label of its font, size and wrapping shows it.
QImage AsPlainText(const QLabel& label) {
  QLabel plain;
  plain.setTextFormat(Qt::PlainText);
  plain.setFont(label.font());
  plain.setPalette(label.palette());
  plain.setWordWrap(label.wordWrap());
  plain.setAlignment(label.alignment());
  plain.setMargin(label.margin());
  plain.setIndent(label.indent());
  plain.setText(label.text());
  plain.setFixedSize(label.size());
  return plain.grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage Shown(QLabel& label) {
  return label.grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

class ViewsBehaviourTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir;
  QTranslator translator;
  QString tablePath;
  std::unique_ptr<Form1> w;

  QLineEdit* Text(const char* name) { return w->findChild<QLineEdit*>(name); }
  QScrollBar* Bar(const char* name) { return w->findChild<QScrollBar*>(name); }
  PlotPicture* Picture(const char* name) { return w->findChild<PlotPicture*>(name); }
  void Type(const char* box, const QString& text) {
    Text(box)->clear();
    QTest::keyClicks(Text(box), text);
  }
  void PassWith(const QString& alpha) {
    Type("Text_DELTA", "0.1");
    Type("Text_GAMA", "0.05");
    Type("Text_Alfa", alpha);
    Type("Text_kMax", "8");
    QTest::mouseClick(Picture("Picture1"), Qt::LeftButton);
    QVERIFY(w->LastPass()->ok());
  }
  template <typename View>
  View* Open(const char* entry) {
    w->findChild<QAction*>(entry)->trigger();
    auto* view = w->findChild<View*>();
    if (view) (void)QTest::qWaitForWindowExposed(view);
    return view;
  }
  static void MoveOver(QWidget* canvas, const QPoint& at) {
    QMouseEvent move(QEvent::MouseMove, QPointF(at), canvas->mapToGlobal(QPointF(at)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(canvas, &move);
  }

 private slots:
  void initTestCase() {
    QVERIFY(InstallTranslations(translator, Language::kEnglish));
    QVERIFY(dir.isValid());
    tablePath = dir.filePath("KATJO-D20G15.txt");
    QFile file(tablePath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(kTable);
  }

  void init() {
    w = std::make_unique<Form1>(tablePath, Language::kEnglish);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
  }

  void cleanup() { w.reset(); }

  // Each of the seven designed bars, moved one step by its arrow: its box
  // shows the bar's value in the box's unit, one pass runs with it, and
  // both plots are drawn anew.
  void everyDesignedBarWritesItsBoxAndRedraws() {
    const struct {
      const char* bar;
      const char* box;
      QStyle::SubControl arrow;
      const char* text;
      double FlowParameters::*value;
      double expected;
    } bars[] = {
        {"HScroll_Delta", "Text_DELTA", QStyle::SC_ScrollBarAddLine, "0.02", &FlowParameters::DELTA,
         0.02},
        {"HScroll_Gama", "Text_GAMA", QStyle::SC_ScrollBarAddLine, "0.01", &FlowParameters::GAMA,
         0.01},
        {"HScroll_Alfa", "Text_Alfa", QStyle::SC_ScrollBarAddLine, "1", &FlowParameters::Alfa, 1.0},
        {"HScroll_iKutta", "Text_iKutta", QStyle::SC_ScrollBarSubLine, "0.9",
         &FlowParameters::iKutta, 0.9},
        {"HScroll_dPsi", "Text_dPsi", QStyle::SC_ScrollBarSubLine, "0.09", &FlowParameters::dPsi,
         0.09},
        {"HScroll_kMax", "Text_kMax", QStyle::SC_ScrollBarAddLine, "4", &FlowParameters::kMax, 4.0},
        {"HScroll_Olcek", "Text_Olcek", QStyle::SC_ScrollBarAddLine, "1.1", &FlowParameters::Olcek,
         1.1},
    };
    QTest::mouseClick(Picture("Picture2"), Qt::LeftButton);  // a first pass to compare with
    QVERIFY(w->LastPass()->ok());
    for (const auto& b : bars) {
      const QImage one = Picture("Picture1")->Image(), two = Picture("Picture2")->Image();
      const int passes = w->PassesEnded();
      QScrollBar* bar = Bar(b.bar);
      QTest::mouseClick(bar, Qt::LeftButton, {}, PartOf(bar, b.arrow));
      QVERIFY2(Text(b.box)->text() == QLatin1String(b.text),
               qPrintable(QStringLiteral("%1 wrote '%2'").arg(b.bar, Text(b.box)->text())));
      QVERIFY2(w->PassesEnded() == passes + 1, b.bar);
      QVERIFY2(w->LastPass()->ok(), b.bar);
      QVERIFY2(std::fabs(w->LastPass()->params.*b.value - b.expected) < 1e-12, b.bar);
      // Both plots show images drawn anew (the same profile may look the same).
      QVERIFY2(Picture("Picture1")->Image().cacheKey() != one.cacheKey() &&
                   Picture("Picture2")->Image().cacheKey() != two.cacheKey(),
               b.bar);
    }
  }

  // A new pass drops the linked pointer: no ring stays on any picture and the
  // line is the hint again. The pointer over the airfoil picture is ringed
  // there, at its own place (the airfoil plane, whatever the morph's t).
  void mapPointerRingsTheAirfoilPlaneAndGoesWithANewPass() {
    PassWith("8");
    auto* view = Open<Form_Map>("Mn_ConformalMap");
    QVERIFY(view);
    auto* slider = view->findChild<QSlider*>("Slider_Morph");
    QCOMPARE(slider->accessibleName(),  // what a screen reader says of it
             QStringLiteral("Morph from the circle (t = 0) to the airfoil (t = 1)"));
    int captions = 0;  // its caption names it (for a screen reader and the keyboard)
    for (QLabel* label : view->findChildren<QLabel*>()) {
      captions += label->buddy() == slider && label->text() == QStringLiteral("Morph t:");
    }
    QCOMPARE(captions, 1);
    slider->setValue(0);  // the morph shows the circle
    auto* airfoil = view->findChild<MapCanvas*>("Picture_MapAirfoil");
    auto* line = view->findChild<QLabel*>("Label_Pointer");
    const QString hint = line->text();
    const QPoint at(300, 60);  // in the flow above the airfoil
    MoveOver(airfoil, at);
    QVERIFY(line->text() != hint);
    QVERIFY(Green(airfoil->Image()) > 4);
    const QPointF ring = GreenCentre(airfoil->Image()) / airfoil->Image().devicePixelRatio();
    QVERIFY2(QLineF(ring, QPointF(at)).length() < 6.0,
             qPrintable(QStringLiteral("ring at %1, %2").arg(ring.x()).arg(ring.y())));
    for (const char* name : {"Picture_MapCircle", "Picture_MapMorph"}) {
      QVERIFY2(Green(view->findChild<MapCanvas*>(name)->Image()) > 4, name);
    }

    PassWith("2");
    QCOMPARE(line->text(), hint);
    for (const char* name : {"Picture_MapCircle", "Picture_MapMorph", "Picture_MapAirfoil"}) {
      QVERIFY2(Green(view->findChild<MapCanvas*>(name)->Image()) == 0, name);
    }
  }

  // Paused, the view keeps the frame of the moment it was paused at, also
  // when redrawn (another colouring, the timelines switched): the particles
  // stay where they stood and the animation's time stands still.
  void pausedAnimationShowsThePausedFrame() {
    PassWith("8");
    auto* view = Open<Form_Field>("Mn_FlowField");
    QVERIFY(view);
    auto* canvas = view->findChild<FieldCanvas*>("Picture_Field");
    auto* play = view->findChild<QPushButton*>("Button_Play");
    auto* colour = view->findChild<QComboBox*>("Combo_Field");
    colour->setCurrentIndex(2);  // no colouring: the particles stand out
    const QImage still = canvas->Image();
    QVERIFY(!still.isNull());
    QTest::mouseClick(play, Qt::LeftButton);
    QTRY_VERIFY(view->FramesDrawn() >= 5 && view->AnimationTime() > 0.2);
    QTest::mouseClick(play, Qt::LeftButton);
    QVERIFY(!view->Playing());
    const double time = view->AnimationTime();
    const QImage paused = canvas->Image();
    QVERIFY(paused != still);
    QTest::qWait(100);
    QCOMPARE(view->AnimationTime(), time);
    QCOMPARE(canvas->Image(), paused);

    colour->setCurrentIndex(0);  // Cp, and back: the same frame again
    QVERIFY(canvas->Image() != paused);
    colour->setCurrentIndex(2);
    QCOMPARE(canvas->Image(), paused);
    auto* timelines = view->findChild<QCheckBox*>("Check_Timelines");
    timelines->setChecked(false);  // the particles without their lines, still not the bare picture
    QVERIFY(canvas->Image() != paused && canvas->Image() != still);
    QCOMPARE(view->AnimationTime(), time);
  }

  // Names from files reach the views' lines: each line that shows outside
  // text shows markup as the characters it is made of.
  void linesShowMarkupAsPlainText() {
    LinePictureWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.Write(kMarkupName);
    auto* caption = window.findChild<QLabel*>("Label_Test");
    QVERIFY(caption);
    QCOMPARE(caption->text(), kMarkupName);
    QCOMPARE(Shown(*caption), AsPlainText(*caption));

    PassWith("8");
    w->findChild<QAction*>("Mn_SurfacePressure")->trigger();
    w->findChild<QAction*>("Mn_LiftCurve")->trigger();
    Open<Form_Field>("Mn_FlowField");
    Open<Form_Map>("Mn_ConformalMap");
    int checked = 0;
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (top == &window || !top->isVisible()) continue;
      for (QLabel* label : top->findChildren<QLabel*>(QRegularExpression("^Label_"))) {
        if (!label->isVisible()) continue;  // a line shown only when something is refused
        label->setText(kMarkupName);
        QVERIFY2(Shown(*label) == AsPlainText(*label),
                 qPrintable(top->objectName() + "/" + label->objectName()));
        ++checked;
      }
    }
    QVERIFY2(checked >= 6, qPrintable(QString::number(checked)));
  }
};

QTEST_MAIN(ViewsBehaviourTest)
#include "views_behaviour_test.moc"
