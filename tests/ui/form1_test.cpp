// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "flow/pass.h"
#include "report/number_text.h"
#include "tests/ui/scroll_bar_parts.h"
#include "ui/form1.h"
#include "ui/form_about.h"
#include "ui/language.h"
#include "ui/plot_picture.h"

using namespace fluvenna;

namespace {

// Rows for delta 0.01, 0.02, 0.05 with gamma 0, 0.05 with gamma 0.01, and a
// strongly cambered one (chord 1.0018) for delta 0.06 with gamma 0.01.
const char kTable[] =
    "test table\n5\n0.01,0,0.1,0,0\n0.02,0,0.12,0,0\n0.05,0,0.2,0,0\n0.05,0.01,0.2,0.02,0\n"
    "0.06,0.01,0.2,0.3,0\n";

using fluvenna::testing::PartOf;

int FormAboutCount() {
  int count = 0;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (qobject_cast<Form_About*>(widget) && widget->isVisible()) ++count;
  }
  return count;
}

// Some pixel within one pixel of `at` satisfies `wanted`.
bool Near(const QImage& image, QPointF at, const std::function<bool(QColor)>& wanted) {
  for (int dx = -1; dx <= 1; ++dx) {
    for (int dy = -1; dy <= 1; ++dy) {
      const QPoint p(int(at.x()) + dx, int(at.y()) + dy);
      if (image.rect().contains(p) && wanted(image.pixelColor(p))) return true;
    }
  }
  return false;
}

bool Reddish(QColor c) {
  return c.red() > c.green() + 60 && c.red() > c.blue() + 60;
}
bool Bluish(QColor c) {
  return c.blue() > c.red() + 60 && c.blue() > c.green() + 60;
}

}  // namespace

class Form1Test : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir;
  QTranslator translator;
  QString tablePath;
  std::unique_ptr<Form1> w;

  QLineEdit* Text(const char* name) { return w->findChild<QLineEdit*>(name); }
  QScrollBar* Bar(const char* name) { return w->findChild<QScrollBar*>(name); }
  PlotPicture* Picture(const char* name) { return w->findChild<PlotPicture*>(name); }
  QString Status() { return w->findChild<QLabel*>("Label_Status")->text(); }
  const FlowParameters& Params() { return w->LastPass()->params; }
  void Click(const char* bar, QStyle::SubControl part) {
    QTest::mouseClick(Bar(bar), Qt::LeftButton, {}, PartOf(Bar(bar), part));
  }
  void Type(const char* box, const QString& text) {
    Text(box)->clear();
    QTest::keyClicks(Text(box), text);
  }

 private slots:
  void initTestCase() {
    // The window in Turkish, as it starts under the C locale: its own texts
    // exactly as they stand.
    QVERIFY(InstallTranslations(translator, Language::kTurkish));
    QVERIFY(dir.isValid());
    tablePath = dir.filePath("KATJO-D20G15.txt");
    QFile file(tablePath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(kTable);
  }

  void init() {
    w = std::make_unique<Form1>(tablePath);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
  }

  void cleanup() {
    w.reset();
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (qobject_cast<Form_About*>(widget)) delete widget;
    }
  }

  void opensWithTheInitialTextsAndEmptyPlots() {
    const char* boxes[] = {"Text_DELTA", "Text_GAMA", "Text_Alfa",  "Text_iKutta",
                           "Text_dPsi",  "Text_kMax", "Text_Olcek", "Text_dR"};
    const char* texts[] = {"0.01", "0", "0", "1", "0.1", "2", "1", "0.01"};
    for (int i = 0; i < 8; ++i) QCOMPARE(Text(boxes[i])->text(), QString(texts[i]));
    QCOMPARE(w->windowTitle(), QStringLiteral("Joukowsky profili etrafında akım çizgileri"));
    QCOMPARE(w->centralWidget()->size(), QSize(626, 549));
    QVERIFY(!w->LastPass());  // no pass at start
    for (const char* name : {"Picture1", "Picture2"}) {
      PlotPicture* picture = Picture(name);
      QCOMPARE(picture->contentsRect().size(), QSize(396, 263));
      const QImage shown = picture->grab(picture->contentsRect()).toImage();
      for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
          QCOMPARE(shown.pixelColor(x, y), QColor(255, 255, 192));
        }
      }
    }
  }

  void captionsAndNumbersFitTheirBoxes() {
    for (QLabel* label : w->centralWidget()->findChildren<QLabel*>()) {
      const QFontMetrics metrics(label->font());
      QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->width(),
               qPrintable(label->objectName()));
      QVERIFY(metrics.height() <= label->height());
    }
    // The widest text each scroll bar can write, and dR's own.
    const struct {
      const char* box;
      const char* bar;
      double divisor;
    } pairs[] = {{"Text_DELTA", "HScroll_Delta", 100}, {"Text_GAMA", "HScroll_Gama", 100},
                 {"Text_Alfa", "HScroll_Alfa", 1},     {"Text_iKutta", "HScroll_iKutta", 10},
                 {"Text_dPsi", "HScroll_dPsi", 100},   {"Text_kMax", "HScroll_kMax", 1},
                 {"Text_Olcek", "HScroll_Olcek", 10},  {"Text_dR", nullptr, 0}};
    for (const auto& pair : pairs) {
      QLineEdit* edit = Text(pair.box);
      QStringList texts{edit->text()};
      for (int p = pair.bar ? Bar(pair.bar)->minimum() : 1;
           pair.bar && p <= Bar(pair.bar)->maximum(); ++p) {
        texts << QString::fromStdString(NumberText(p / pair.divisor));
      }
      QStyleOptionFrame option;
      option.initFrom(edit);
      option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
      const QRect inside =
          edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
      const QFontMetrics metrics(edit->font());
      for (const QString& text : texts) {
        QVERIFY2(metrics.horizontalAdvance(text) <= inside.width() - 4,  // 2-pixel margins
                 qPrintable(QString("%1: %2").arg(pair.box, text)));
      }
      QVERIFY(metrics.height() <= inside.height());
    }
    w->findChild<QAction*>("Mn_About")->trigger();
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (!qobject_cast<Form_About*>(widget)) continue;
      for (QLabel* label : widget->findChildren<QLabel*>()) {
        const QRect needed =
            QFontMetrics(label->font())
                .boundingRect(QRect(0, 0, label->width(), 1000),
                              Qt::TextWordWrap | label->alignment(), label->text());
        QVERIFY2(needed.width() <= label->width() && needed.height() <= label->height(),
                 qPrintable(label->text()));
      }
    }
  }

  // On a high-density screen (QT_SCALE_FACTOR=2 in the test ui.form1_test_scale2)
  // the plots are drawn at the screen's pixels: an image of twice the size,
  // with the curves across all of it.
  void plotsFollowTheDevicePixelRatio() {
    const qreal expected = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                               ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                               : 1.0;
    QTest::mouseClick(Picture("Picture1"), Qt::LeftButton);
    QVERIFY(w->LastPass() && w->LastPass()->ok());
    for (const char* name : {"Picture1", "Picture2"}) {
      PlotPicture* picture = Picture(name);
      QCOMPARE(picture->devicePixelRatioF(), expected);
      const QImage& image = picture->Image();
      QCOMPARE(image.devicePixelRatio(), expected);
      QCOMPARE(image.size(), picture->contentsRect().size() * expected);
      // Something other than the background in each quarter of the image.
      const QRgb background = image.pixel(0, 0);
      for (const QPoint corner : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)}) {
        bool drawn = false;
        const int w2 = image.width() / 2, h2 = image.height() / 2;
        for (int y = corner.y() * h2; y < (corner.y() + 1) * h2 && !drawn; ++y) {
          for (int x = corner.x() * w2; x < (corner.x() + 1) * w2 && !drawn; ++x) {
            drawn = image.pixel(x, y) != background;
          }
        }
        QVERIFY2(drawn, qPrintable(QStringLiteral("%1: quarter %2,%3 empty")
                                       .arg(name)
                                       .arg(corner.x())
                                       .arg(corner.y())));
      }
    }
  }

  void rightArrowOfDeltaWritesAndDrawsBoth() {
    Click("HScroll_Delta", QStyle::SC_ScrollBarAddLine);
    QCOMPARE(Text("Text_DELTA")->text(), QStringLiteral("0.02"));
    QVERIFY(w->LastPass() && w->LastPass()->ok());
    QCOMPARE(Params().DELTA, 0.02);
    QCOMPARE(Params().profileRow, 2);
    QCOMPARE(Params().kMax, 2.0);  // the other texts as they were
    QVERIFY(Picture("Picture1")->HasPicture() && Picture("Picture2")->HasPicture());
    QVERIFY2(Status().contains("C_L = "), qPrintable(Status()));
  }

  void typedTextLastsUntilItsOwnBarChanges() {
    Type("Text_DELTA", "0.05");
    QVERIFY(!w->LastPass());  // typing runs no pass
    QTest::mouseRelease(Picture("Picture2"), Qt::LeftButton);
    QVERIFY(!w->LastPass());  // nor does a release without its press
    QTest::mouseClick(Picture("Picture2"), Qt::LeftButton);
    QCOMPARE(Params().DELTA, 0.05);
    QCOMPARE(Params().profileRow, 3);
    QCOMPARE(Bar("HScroll_Delta")->value(), 1);
    Click("HScroll_Gama", QStyle::SC_ScrollBarAddLine);
    QCOMPARE(Text("Text_DELTA")->text(), QStringLiteral("0.05"));
    QCOMPARE(Text("Text_GAMA")->text(), QStringLiteral("0.01"));
    QCOMPARE(Params().profileRow, 4);
    Click("HScroll_Delta", QStyle::SC_ScrollBarAddLine);
    QCOMPARE(Text("Text_DELTA")->text(), QStringLiteral("0.02"));
  }

  void kMaxStepsByTwoButADraggedThumbStopsAnywhere() {
    QScrollBar* bar = Bar("HScroll_kMax");
    Click("HScroll_kMax", QStyle::SC_ScrollBarAddLine);
    QCOMPARE(Text("Text_kMax")->text(), QStringLiteral("4"));
    Click("HScroll_kMax", QStyle::SC_ScrollBarAddPage);
    QCOMPARE(Text("Text_kMax")->text(), QStringLiteral("6"));
    QTest::keyClick(bar, Qt::Key_Right);  // keys go the arrows' way
    QCOMPARE(Text("Text_kMax")->text(), QStringLiteral("8"));
    QTest::keyClick(bar, Qt::Key_Left);
    QCOMPARE(Text("Text_kMax")->text(), QStringLiteral("6"));
    QTest::keyClick(bar, Qt::Key_PageDown);
    QCOMPARE(Text("Text_kMax")->text(), QStringLiteral("8"));
    QTest::keyClick(bar, Qt::Key_Home);
    QCOMPARE(Text("Text_kMax")->text(), QStringLiteral("2"));

    // Drag the thumb from 2 to 5: nothing happens until the release.
    const QPoint from = PartOf(bar, QStyle::SC_ScrollBarSlider);
    const QPoint to = PartOf(bar, QStyle::SC_ScrollBarSlider, 5);
    QTest::mousePress(bar, Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, to, bar->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(bar, &move);
    QCOMPARE(bar->sliderPosition(), 5);
    QCOMPARE(Text("Text_kMax")->text(), QStringLiteral("2"));  // the handler has not run
    QTest::mouseRelease(bar, Qt::LeftButton, {}, to);
    QCOMPARE(Text("Text_kMax")->text(), QStringLiteral("5"));
    QCOMPARE(Params().kMax, 5.0);
  }

  void scrollBarEndsWriteTheirValues() {
    QTest::keyClick(Bar("HScroll_Alfa"), Qt::Key_Home);
    QCOMPARE(Text("Text_Alfa")->text(), QStringLiteral("-10"));
    QTest::keyClick(Bar("HScroll_Olcek"), Qt::Key_End);
    QCOMPARE(Text("Text_Olcek")->text(), QStringLiteral("3"));
    QTest::keyClick(Bar("HScroll_iKutta"), Qt::Key_Home);
    QCOMPARE(Text("Text_iKutta")->text(), QStringLiteral("0"));
    QVERIFY(w->LastPass()->ok());

    Bar("HScroll_Alfa")->setValue(28);
    Click("HScroll_Alfa", QStyle::SC_ScrollBarAddPage);
    QCOMPARE(Text("Text_Alfa")->text(), QStringLiteral("30"));
    // At the end an arrow changes nothing: the typed text stays, no pass.
    Type("Text_Alfa", "7");
    Click("HScroll_Alfa", QStyle::SC_ScrollBarAddLine);
    QCOMPARE(Text("Text_Alfa")->text(), QStringLiteral("7"));
    QCOMPARE(Params().Alfa, 30.0);

    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Bar("HScroll_Delta")->setValue(7);
    QLocale::setDefault(QLocale::c());
    QCOMPARE(Text("Text_DELTA")->text(), QStringLiteral("0.07"));
  }

  void failedPassKeepsThePlotsAndSaysWhy() {
    QTest::mouseClick(Picture("Picture1"), Qt::LeftButton);
    const QImage before = Picture("Picture2")->Image();
    for (const char* box : {"Text_Olcek", "Text_dR"}) {
      Type(box, "0");
      QTest::mouseClick(Picture("Picture1"), Qt::LeftButton);
      QVERIFY(!w->LastPass()->ok());
      QCOMPARE(Picture("Picture2")->Image(), before);
      QVERIFY2(Status().contains(box == QLatin1String("Text_dR") ? "dR" : "Scale"),
               qPrintable(Status()));
      QVERIFY(!QApplication::activeModalWidget());
      Type(box, box == QLatin1String("Text_dR") ? "0.01" : "1");
    }
    // Flat plate (no row for 0.011) at 5 degrees: C_L = 2 pi sin 5 deg = 0.548.
    Type("Text_DELTA", "0.011");
    Type("Text_Alfa", "5");
    QTest::mouseClick(Picture("Picture2"), Qt::LeftButton);
    QVERIFY(w->LastPass()->ok());
    QCOMPARE(Params().Alfa, 5.0);
    QVERIFY2(Status().contains("C_L = 0.548"), qPrintable(Status()));
    // A cambered profile's chord is not 1: C_L = 2 Circ / chord = 3.072 (3.078 with chord 1).
    Type("Text_DELTA", "0.06");
    Type("Text_GAMA", "0.01");
    Type("Text_Alfa", "10");
    QTest::mouseClick(Picture("Picture2"), Qt::LeftButton);
    QCOMPARE(Params().profileRow, 5);
    QVERIFY2(Status().contains("C_L = 3.072"), qPrintable(Status()));
  }

  void drawnPixelsAreWhereTheCorePutsItsPoints() {
    Type("Text_Alfa", "10");
    Type("Text_kMax", "4");
    QTest::mouseClick(Picture("Picture1"), Qt::LeftButton);
    QVERIFY(w->LastPass()->ok());

    ProfileTable table;
    QVERIFY(!LoadProfileTableFile(table, tablePath.toStdString()));
    ParameterTexts texts;
    texts.Alfa = "10";
    texts.kMax = "4";
    auto arrays = std::make_unique<PointArrays>();
    PassResult result = RunCirclePlane(texts, table, *arrays);
    for (const char* name : {"Picture1", "Picture2"}) {
      if (QByteArray(name) == "Picture2") RunAirfoilPlane(result, *arrays);
      PlotPicture* picture = Picture(name);
      // Painted again from the kept picture, as after an expose.
      const QImage shown = picture->grab(picture->contentsRect()).toImage();
      QCOMPARE(shown, picture->Image().convertToFormat(shown.format()));
      const auto pixel = [](double x, double y) {
        return QPointF((x + 1.0) / 2.0 * 396, (2.0 / 3.0 - y) / (4.0 / 3.0) * 263);
      };
      std::vector<QPointF> blue;
      for (int k = 1; k <= result.lastCurve; ++k) {
        for (int j = 1; j <= arrays->NP[k]; ++j) {
          const QPointF p = pixel(arrays->XP(k, j), arrays->YP(k, j));
          if (QRectF(1, 1, 394, 261).contains(p)) blue.push_back(p);
        }
      }
      QVERIFY(blue.size() > 100);
      for (const QPointF& p : blue) QVERIFY(Near(shown, p, Bluish));
      int red = 0;
      for (int j = 1; j <= arrays->NP[0]; ++j) {
        const QPointF p = pixel(arrays->XP(0, j), arrays->YP(0, j));
        const bool covered = std::any_of(blue.begin(), blue.end(), [&](QPointF b) {
          return std::hypot(b.x() - p.x(), b.y() - p.y()) < 4.0;
        });
        if (covered) continue;  // streamlines are drawn over the body
        QVERIFY2(Near(shown, p, Reddish), qPrintable(QString("%1 point %2").arg(name).arg(j)));
        ++red;
      }
      QVERIFY(red > 25);
    }
  }

  void aboutIsOneModelessWindow() {
    QAction* about = w->findChild<QAction*>("Mn_About");
    QCOMPARE(about->text(), QStringLiteral("About"));
    for (int i = 0; i < 3; ++i) about->trigger();
    QCOMPARE(FormAboutCount(), 1);
    QVERIFY(!w->LastPass());  // About runs no pass
    Form_About* window = w->findChild<Form_About*>();
    QVERIFY(!window);  // not owned by the main window
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (auto* found = qobject_cast<Form_About*>(widget)) window = found;
    }
    QVERIFY(!window->isModal());
    QCOMPARE(window->windowTitle(), QStringLiteral("About"));
    // The title is the one caption in bold and underlined.
    for (QLabel* label : window->findChildren<QLabel*>()) {
      const bool title = label->objectName() == QLatin1String("Label1");
      QCOMPARE(label->font().bold(), title);
      QCOMPARE(label->font().underline(), title);
    }
    QCOMPARE(window->findChild<QLabel*>("Label1")->font().pixelSize(), 16);
    Click("HScroll_Gama", QStyle::SC_ScrollBarAddLine);  // the main window still works
    QCOMPARE(Text("Text_GAMA")->text(), QStringLiteral("0.01"));

    // Closing the main window leaves the program running while About is
    // open; closing About then ends it.
    int lastClosed = 0;
    bool aboutOpenAtTheEnd = false;
    const auto connection = connect(qApp, &QGuiApplication::lastWindowClosed, [&] {
      ++lastClosed;
      aboutOpenAtTheEnd = window->isVisible();
    });
    QTimer::singleShot(0, window, [&] {
      w->close();
      QTimer::singleShot(0, window, &QWidget::close);
    });
    QCOMPARE(QApplication::exec(), 0);
    disconnect(connection);
    QCOMPARE(lastClosed, 1);
    QVERIFY(!aboutOpenAtTheEnd);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(FormAboutCount(), 0);
    w->show();
    about->trigger();  // made anew
    QCOMPARE(FormAboutCount(), 1);
  }

  // The description stands centred in its box and wraps onto its two lines:
  // the green ink of each line is as far from the box's left edge as from
  // its right one.
  void aboutDescriptionIsCentredOnTwoLines() {
    w->findChild<QAction*>("Mn_About")->trigger();
    Form_About* window = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (auto* found = qobject_cast<Form_About*>(widget)) window = found;
    }
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    // The window is light yellow between its captions.
    const QImage whole = window->grab().toImage();
    for (const QPoint at : {QPoint(3, 3), QPoint(whole.width() - 4, whole.height() - 4)}) {
      QCOMPARE(whole.pixelColor(at), QColor(255, 255, 192));
    }
    const QLabel* label = window->findChild<QLabel*>("Label2");
    const QImage image = window->grab(label->geometry()).toImage();
    const auto green = [](QColor c) {
      return c.green() > c.red() + 40 && c.green() > c.blue() + 40;
    };
    std::vector<int> inkRows;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (green(image.pixelColor(x, y))) {
          inkRows.push_back(y);
          break;
        }
      }
    }
    QVERIFY(!inkRows.empty());
    // Two lines: a gap of blank rows between two runs of ink.
    std::vector<std::pair<int, int>> lines{{inkRows.front(), inkRows.front()}};
    for (const int y : inkRows) {
      if (y > lines.back().second + 1) lines.push_back({y, y});
      lines.back().second = y;
    }
    QCOMPARE(lines.size(), std::size_t{2});
    for (const auto& [top, bottom] : lines) {
      int left = image.width(), right = -1;
      for (int y = top; y <= bottom; ++y) {
        for (int x = 0; x < image.width(); ++x) {
          if (!green(image.pixelColor(x, y))) continue;
          left = std::min(left, x);
          right = std::max(right, x);
        }
      }
      const int leftMargin = left, rightMargin = image.width() - 1 - right;
      QVERIFY2(std::abs(leftMargin - rightMargin) <= 3,
               qPrintable(QStringLiteral("line at %1: margins %2 and %3")
                              .arg(top)
                              .arg(leftMargin)
                              .arg(rightMargin)));
    }
  }

  // A click is a left press and a left release, both on the same plot. A
  // press elsewhere released over a plot, a release after a release, a
  // release away from the plot and a press of another button run no pass;
  // after each of them a whole click still runs one.
  void onlyAWholeClickOnAPlotRunsAPass() {
    PlotPicture* one = Picture("Picture1");
    PlotPicture* two = Picture("Picture2");
    const auto passes = [&] { return w->PassesEnded(); };
    int expected = passes();
    QTest::mousePress(one, Qt::LeftButton);
    QTest::mouseRelease(two, Qt::LeftButton);  // pressed on the other plot
    QCOMPARE(passes(), expected);
    QTest::mousePress(Bar("HScroll_kMax"), Qt::LeftButton, {},
                      PartOf(Bar("HScroll_kMax"), QStyle::SC_ScrollBarSlider));
    QTest::mouseRelease(two, Qt::LeftButton);  // pressed on a bar's thumb
    QCOMPARE(passes(), expected);
    QTest::mouseClick(two, Qt::LeftButton);
    QCOMPARE(passes(), ++expected);
    QTest::mouseRelease(two, Qt::LeftButton);  // a second release of the same press
    QCOMPARE(passes(), expected);
    QTest::mousePress(two, Qt::LeftButton);
    QTest::mouseRelease(two, Qt::LeftButton, {}, QPoint(-5, -5));  // let go off the plot
    QTest::mouseRelease(two, Qt::LeftButton);
    QCOMPARE(passes(), expected);
    QTest::mousePress(one, Qt::MiddleButton);
    QTest::mouseRelease(one, Qt::LeftButton);
    QCOMPARE(passes(), expected);
    QTest::mouseClick(one, Qt::LeftButton);
    QCOMPARE(passes(), ++expected);
  }

  void tabVisitsTheControlsInOrder() {
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    const QStringList order = {"Text_DELTA",    "Text_GAMA",    "Text_Alfa",    "Text_iKutta",
                               "Picture1",      "Picture2",     "Text_kMax",    "Text_dPsi",
                               "Text_Olcek",    "Text_dR",      "HScroll_Alfa", "HScroll_iKutta",
                               "HScroll_Delta", "HScroll_Gama", "HScroll_kMax", "HScroll_dPsi",
                               "HScroll_Olcek", "Text_DELTA"};
    QCOMPARE(QApplication::focusWidget()->objectName(), order[0]);
    for (int i = 1; i < order.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget()->objectName(), order[i]);
    }
  }

  void missingTableShowsOneMessageAndTheWindowOpens() {
    w.reset();
    int boxes = 0;
    QMessageBox* seen = nullptr;
    QString title, text;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box || box == seen) return;
      seen = box;
      ++boxes;
      title = box->windowTitle();
      text = box->text();
      QCOMPARE(box->standardButtons(), QMessageBox::Ok);
      box->button(QMessageBox::Ok)->click();
    });
    closer.start(0);
    w = std::make_unique<Form1>(dir.filePath("no-such-table.txt"));
    closer.stop();
    QCOMPARE(boxes, 1);
    QCOMPARE(title, QStringLiteral("Fluvenna"));
    QCOMPARE(text, QStringLiteral("KATJO-D20G15.txt dosyası bulunamadı"));
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    QTest::mouseClick(Picture("Picture1"), Qt::LeftButton);
    QVERIFY(w->LastPass()->ok());
    QCOMPARE(Params().profileRow, 0);  // flat plate
  }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
