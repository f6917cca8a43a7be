// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The plot menu of the main window, driven with Qt Test on the offscreen
// platform: a right-click opens it and runs no pass; each entry does what it
// says; before the first pass they say there is nothing to show yet.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDoubleSpinBox>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <sstream>

#include "cli/render.h"
#include "cli/render_options.h"
#include "flow/flow_field.h"
#include "plot/boundary_layer_picture.h"
#include "plot/colour_map.h"
#include "plot/field_picture.h"
#include "plot/lift_picture.h"
#include "plot/qt/painter_surface.h"
#include "report/field_text.h"
#include "ui/form1.h"
#include "ui/form_field.h"
#include "ui/form_lift.h"
#include "ui/form_pressure.h"
#include "ui/language.h"
#include "ui/plot_picture.h"

using namespace fluvenna;

namespace {

const char kTable[] = "test table\n2\n0.01,0,0.1,0,0\n0.1,0.05,0.1,0.05,0\n";

}  // namespace

class PlotMenuTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir;
  QTranslator translator;
  QString tablePath;
  std::unique_ptr<Form1> w;
  QString nextPath;  // what the file dialog "answers"

  QLineEdit* Text(const char* name) { return w->findChild<QLineEdit*>(name); }
  PlotPicture* Picture(const char* name) { return w->findChild<PlotPicture*>(name); }
  QAction* Entry(const char* name) { return w->findChild<QAction*>(name); }
  QMenu* Menu() { return w->findChild<QMenu*>("Mn_Plot"); }
  void Type(const char* box, const QString& text) {
    Text(box)->clear();
    QTest::keyClicks(Text(box), text);
  }
  // A right-click on a plot opens the menu on it.
  void RightClick(const char* picture) {
    // The mouse events of a right-click, then the context-menu event the
    // window system sends with them (QTest's mouse events do not make it).
    PlotPicture* plot = Picture(picture);
    const QPoint at = plot->rect().center();
    QTest::mouseClick(plot, Qt::RightButton, {}, at);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, plot->mapToGlobal(at));
    QApplication::sendEvent(plot, &event);
    QVERIFY(Menu()->isVisible());
    Menu()->hide();
  }
  QList<Form_Pressure*> PressureWindows() { return w->findChildren<Form_Pressure*>(); }
  void PassWith(const QString& alpha, const QString& kutta = "1") {
    Type("Text_DELTA", "0.1");
    Type("Text_GAMA", "0.05");
    Type("Text_Alfa", alpha);
    Type("Text_iKutta", kutta);
    QTest::mouseClick(Picture("Picture1"), Qt::LeftButton);
    QVERIFY(w->LastPass()->ok());
  }
  // Pixels whose colour is mostly `colour` (the lines are antialiased).
  static int Colours(const QImage& image, const QColor& colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const QColor c = image.pixelColor(x, y);
        count += std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                     std::abs(c.blue() - colour.blue()) <
                 160;
      }
    }
    return count;
  }

 private slots:
  void initTestCase() {
    // The menu and the views in English, the language of these checks.
    QVERIFY(InstallTranslations(translator, Language::kEnglish));
    QVERIFY(dir.isValid());
    tablePath = dir.filePath("KATJO-D20G15.txt");
    QFile file(tablePath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(kTable);
  }

  void init() {
    w = std::make_unique<Form1>(tablePath, Language::kEnglish);
    w->SetSavePathDialog(
        [this](QWidget*, const QString&, const QString&, const QString&) { return nextPath; });
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
  }

  void cleanup() { w.reset(); }

  void beforeTheFirstPassThereIsNothingToShow() {
    RightClick("Picture1");
    QVERIFY(!w->LastPass());  // the right-click ran no pass
    for (const char* name :
         {"Mn_SurfacePressure", "Mn_CopyPicture", "Mn_SavePicture", "Mn_SaveCsv"}) {
      QVERIFY2(!Entry(name)->isEnabled(), name);
      QVERIFY2(Entry(name)->text().contains("nothing to show yet"), name);
    }
    QTest::mouseClick(Picture("Picture2"), Qt::LeftButton);
    QVERIFY(w->LastPass());
    QCOMPARE(Entry("Mn_SurfacePressure")->text(), QStringLiteral("Surface pressure…"));
    QCOMPARE(Entry("Mn_CopyPicture")->text(), QStringLiteral("Copy picture"));
    QCOMPARE(Entry("Mn_SavePicture")->text(), QStringLiteral("Save picture…"));
    QCOMPARE(Entry("Mn_SaveCsv")->text(), QStringLiteral("Save points as CSV…"));
    QVERIFY(Entry("Mn_SaveCsv")->isEnabled());
  }

  void rightClickRunsNoPassAndLeftClickOpensNoMenu() {
    QTest::mouseClick(Picture("Picture1"), Qt::LeftButton);
    QVERIFY(w->LastPass());
    QVERIFY(!Menu()->isVisible());
    Type("Text_Alfa", "7");
    RightClick("Picture2");
    QCOMPARE(w->LastPass()->params.Alfa, 0.0);  // the typed angle waits for a pass
    QTest::mouseClick(Picture("Picture2"), Qt::LeftButton);
    QCOMPARE(w->LastPass()->params.Alfa, 7.0);
    QVERIFY(!Menu()->isVisible());
    QVERIFY(PressureWindows().isEmpty());
  }

  void copyAndSaveThePictureOfThePlotClicked() {
    Type("Text_Alfa", "8");
    QTest::mouseClick(Picture("Picture1"), Qt::LeftButton);
    for (const char* name : {"Picture1", "Picture2"}) {
      RightClick(name);
      const QImage shown = Picture(name)->Image();
      QApplication::clipboard()->clear();
      Entry("Mn_CopyPicture")->trigger();
      QCOMPARE(QApplication::clipboard()->image().convertToFormat(shown.format()), shown);

      nextPath = dir.filePath(QStringLiteral("%1.png").arg(name));
      Entry("Mn_SavePicture")->trigger();
      const QImage png(nextPath);
      QCOMPARE(png.size(), Picture(name)->contentsRect().size());
      QCOMPARE(png.convertToFormat(shown.format()), shown);

      // A name without an ending is saved as PNG, with the ending added.
      nextPath = dir.filePath(QStringLiteral("%1-plain").arg(name));
      Entry("Mn_SavePicture")->trigger();
      QVERIFY(!QFile::exists(nextPath));
      QCOMPARE(QImage(nextPath + ".png").convertToFormat(shown.format()), shown);

      nextPath = dir.filePath(QStringLiteral("%1.svg").arg(name));
      Entry("Mn_SavePicture")->trigger();
      QSvgRenderer svg(nextPath);
      QVERIFY(svg.isValid());
      QCOMPARE(svg.defaultSize(), Picture(name)->contentsRect().size());
      // The SVG is drawn from the same pass: it shows the PNG's picture.
      QImage drawn(svg.defaultSize(), QImage::Format_RGB32);
      QPainter painter(&drawn);
      svg.render(&painter);
      painter.end();
      int differ = 0;
      for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
          const QColor a = drawn.pixelColor(x, y), b = shown.pixelColor(x, y);
          if (std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                  std::abs(a.blue() - b.blue()) >
              120) {
            ++differ;
          }
        }
      }
      QVERIFY2(differ < drawn.width() * drawn.height() / 200, qPrintable(QString::number(differ)));
    }
  }

  void savedCsvIsTheRenderersFile() {
    Type("Text_DELTA", "0.1");
    Type("Text_GAMA", "0.05");
    Type("Text_Alfa", "10");
    Type("Text_kMax", "6");
    QTest::mouseClick(Picture("Picture2"), Qt::LeftButton);
    QVERIFY(w->LastPass()->ok());
    Type("Text_Alfa", "20");  // typed but not drawn: the file is of the pass shown
    RightClick("Picture2");
    nextPath = dir.filePath("points.csv");
    Entry("Mn_SaveCsv")->trigger();
    QFile file(nextPath);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const std::string saved = file.readAll().toStdString();

    const ParsedCommandLine parsed =
        ParseCommandLine({"fluvenna-render", "--delta", "0.1", "--gamma", "0.05", "--alpha", "10",
                          "--nsl", "6", "--csv", "-", "--table", tablePath.toStdString()});
    std::ostringstream out, err;
    QCOMPARE(Render(parsed.options, out, err), kExitPassOk);
    QVERIFY(saved.size() > 1000);
    QVERIFY(saved == out.str());
  }

  void surfacePressureIsOneWindowRedrawnByEveryPass() {
    Type("Text_DELTA", "0.1");
    Type("Text_GAMA", "0.05");
    Type("Text_Alfa", "10");
    QTest::mouseClick(Picture("Picture1"), Qt::LeftButton);
    RightClick("Picture1");
    for (int i = 0; i < 3; ++i) Entry("Mn_SurfacePressure")->trigger();
    QCOMPARE(PressureWindows().size(), 1);
    Form_Pressure* window = PressureWindows().first();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QVERIFY(window->isWindow());
    QVERIFY(!window->isModal());
    QCOMPARE(window->windowTitle(), QStringLiteral("Surface pressure and boundary layer"));
    auto* picture = window->findChild<PlotPicture*>("Picture_Pressure");
    auto* line = window->findChild<QLabel*>("Label_Pressure");
    QVERIFY(picture->HasPicture());
    QVERIFY(line->text().startsWith("C_L integrated from Cp = 1.497."));  // 2 Circ / chord
    const QImage first = picture->Image();

    Type("Text_Alfa", "-5");  // a later pass redraws it
    QTest::mouseClick(Picture("Picture2"), Qt::LeftButton);
    QVERIFY(picture->Image() != first);
    QVERIFY(!line->text().contains("1.497"));

    // With a Kutta factor other than 1 the line ends with the note that the
    // trailing edge is left out.
    Type("Text_iKutta", "0.5");
    QTest::mouseClick(Picture("Picture2"), Qt::LeftButton);
    QVERIFY2(line->text().endsWith(
                 " The trailing edge is left out of the surface: with a Kutta factor other than 1 "
                 "the speed there is unbounded."),
             qPrintable(line->text()));

    Type("Text_dR", "0");  // a pass that fails leaves it as it was
    QTest::mouseClick(Picture("Picture2"), Qt::LeftButton);
    QVERIFY(!w->LastPass()->ok());
    QVERIFY(picture->Image() != first);

    window->close();  // closes like About: the window is gone, and made anew
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(PressureWindows().isEmpty());
    Entry("Mn_SurfacePressure")->trigger();
    QCOMPARE(PressureWindows().size(), 1);
  }

  // The boundary layer in the pressure window: its line is the session's for
  // the same pass and Re, the friction picture shows both surfaces, a bad Re
  // or wing is refused with the session's sentence and changes nothing, and
  // a good one redraws the window and the lift curve.
  void surfacePressureWindowShowsTheBoundaryLayerAndRefusesBadInput() {
    PassWith("4");
    Entry("Mn_SurfacePressure")->trigger();
    Entry("Mn_LiftCurve")->trigger();
    Form_Pressure* window = PressureWindows().first();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    auto* cp = window->findChild<PlotPicture*>("Picture_Pressure");
    auto* cf = window->findChild<PlotPicture*>("Picture_Friction");
    auto* line = window->findChild<QLabel*>("Label_BoundaryLayer");
    auto* refused = window->findChild<QLabel*>("Label_Refused");
    auto* re = window->findChild<QLineEdit*>("Text_Re");
    auto* lift = w->findChildren<Form_Lift*>().first()->findChild<PlotPicture*>("Picture_Lift");
    QCOMPARE(re->text(), QStringLiteral("1000000"));
    QVERIFY(Colours(cf->Image(), QColor(255, 0, 0)) > 100);
    QVERIFY(Colours(cf->Image(), QColor(0, 0, 255)) > 100);

    // The same texts and Re in a session of its own give the same line.
    const auto sessionLine = [&](double reynolds, const Wing* wing = nullptr) {
      PassSession session;
      // Any failure here gives a line the window cannot have.
      if (LoadProfileTableFile(session.Table(), tablePath.toStdString()))
        return QStringLiteral("no table");
      session.SetLanguage(Language::kEnglish);
      if (wing ? session.SetWing(*wing) : session.SetReynolds(reynolds))
        return QStringLiteral("refused");
      QImage image(396, 263, QImage::Format_RGB32);
      QPainter painter(&image);
      PainterSurface one(painter, image.rect()), two(painter, image.rect());
      ParameterTexts texts;
      texts.DELTA = "0.1", texts.GAMA = "0.05", texts.Alfa = "4", texts.iKutta = "1";
      if (!session.Run(texts, one, two).ok()) return QStringLiteral("no pass");
      return QString::fromStdString(session.BoundaryLayerText());
    };
    QVERIFY(line->text().startsWith("Re = 1e6: C_D = "));
    QCOMPARE(line->text(), sessionLine(1e6));

    const QImage cpBefore = cp->Image(), cfBefore = cf->Image(), liftBefore = lift->Image();
    const QString lineBefore = line->text();
    for (const char* bad : {"abc", "1e6x", "500", "2e9", "inf"}) {
      re->clear();
      QTest::keyClicks(re, bad);
      QTest::keyClick(re, Qt::Key_Return);
      QVERIFY2(!refused->isHidden(), bad);
      QVERIFY2(refused->text().startsWith("The Reynolds number must "), bad);
      QCOMPARE(cp->Image(), cpBefore);
      QCOMPARE(cf->Image(), cfBefore);
      QCOMPARE(line->text(), lineBefore);
    }
    re->clear();
    QTest::keyClicks(re, "2e5");
    QTest::keyClick(re, Qt::Key_Return);
    QVERIFY(refused->isHidden());
    QCOMPARE(line->text(), sessionLine(2e5));
    QVERIFY(cf->Image() != cfBefore);
    QVERIFY(lift->Image() != liftBefore);  // the separated angles move with Re

    // A wing fills Re in and adds its lift and drag per metre of span.
    auto* wing = window->findChild<QGroupBox*>("Group_Wing");
    wing->setChecked(true);
    QVERIFY(re->isReadOnly());
    const Wing standard{50.0, 0.3, 0.0};
    QCOMPARE(re->text().toDouble(), std::round(FlowOfWing(standard)->reynolds));
    QVERIFY(line->text().contains(" N/m"));
    QCOMPARE(line->text(), sessionLine(0.0, &standard));
    auto* speed = window->findChild<QLineEdit*>("Text_Speed");
    speed->clear();
    QTest::keyClicks(speed, "-5");
    QTest::keyClick(speed, Qt::Key_Return);
    QVERIFY(!refused->isHidden());
    QVERIFY(refused->text().contains("speed"));
    QCOMPARE(line->text(), sessionLine(0.0, &standard));
  }

  // The view's colours and its probe line are the core's values at the
  // point under the pointer; every pass redraws the one view.
  void flowFieldViewShowsTheCoresFlowUnderThePointer() {
    PassWith("10");
    RightClick("Picture1");
    for (int i = 0; i < 3; ++i) Entry("Mn_FlowField")->trigger();
    const QList<Form_Field*> views = w->findChildren<Form_Field*>();
    QCOMPARE(views.size(), 1);
    Form_Field* view = views.first();
    QVERIFY(QTest::qWaitForWindowExposed(view));
    QVERIFY(!view->isModal());
    QCOMPARE(view->windowTitle(), QStringLiteral("Flow field"));
    QCOMPARE(view->Colouring(), FieldColouring::kCp);
    auto* canvas = view->findChild<FieldCanvas*>("Picture_Field");
    auto* probe = view->findChild<QLabel*>("Label_Probe");
    const QRect area = canvas->PictureRect();
    QVERIFY(std::abs(area.width() / double(area.height()) - FieldPictureAspect()) < 0.01);
    QVERIFY(area.height() >= 263);  // larger than the plots

    const PassResult& pass = *w->LastPass();
    const FlowFieldModel model(pass.params, pass.circle);
    const FieldFrame frame = FieldPictureFrame(pass.params.Olcek);
    const QImage image = canvas->Image();
    const qreal ratio = image.devicePixelRatio();
    // The boundary layer's displacement thickness on the body.
    QVERIFY(Colours(image, ToQColor(kDisplacementColour)) > 100);
    // Upstream below the dividing streamline, and the middle of the chord.
    for (const QPoint at : {QPoint(area.width() / 10, area.height() * 9 / 10),
                            QPoint(area.width() * 11 / 24, area.height() * 47 / 100)}) {
      // The pointer moving there (a tap on a touch screen is a press).
      const QPointF local = area.topLeft() + at;
      QMouseEvent move(QEvent::MouseMove, local, canvas->mapToGlobal(local), Qt::NoButton,
                       Qt::NoButton, Qt::NoModifier);
      QApplication::sendEvent(canvas, &move);
      const auto point = FieldUserPoint(frame, area.width(), area.height(), at.x(), at.y());
      QVERIFY(point);
      const FieldPoint flow = model.At(FieldPlane::kAirfoil, point->first, point->second);
      QCOMPARE(probe->text(), QString::fromStdString(ProbeLine(point->first, point->second, flow)));
      const QColor shown = image.pixelColor(int(at.x() * ratio), int(at.y() * ratio));
      if (flow.state == FieldState::kFlow) {
        // The pixel holds the value at its own centre, which lies within half a
        // pixel of the pointer: the colour of a value very near the probed one.
        const Colour expected = CpColour(flow.Cp);
        QVERIFY2(std::abs(shown.red() - RedOf(expected)) +
                         std::abs(shown.green() - GreenOf(expected)) +
                         std::abs(shown.blue() - BlueOf(expected)) <=
                     6,
                 qPrintable(shown.name()));
      } else {
        QCOMPARE(flow.state, FieldState::kInsideBody);
        QVERIFY(probe->text().contains("inside the body"));
        QCOMPARE(shown, ToQColor(kBackgroundColour));  // the body is left uncoloured
      }
    }

    auto* selector = view->findChild<QComboBox*>("Combo_Field");
    selector->setCurrentIndex(selector->findData(int(FieldColouring::kSpeed)));
    QCOMPARE(view->Colouring(), FieldColouring::kSpeed);
    QVERIFY(canvas->Image() != image);
    const QImage speed = canvas->Image();
    PassWith("-4");  // a later pass redraws the view
    QVERIFY(canvas->Image() != speed);
    const QImage later = canvas->Image();
    Type("Text_dR", "0");  // a failed pass leaves it as it was
    QTest::mouseClick(Picture("Picture2"), Qt::LeftButton);
    QVERIFY(!w->LastPass()->ok());
    QCOMPARE(canvas->Image(), later);

    view->resize(view->width() + 300, view->height());  // it fits its window
    QTest::qWait(50);
    QVERIFY(canvas->PictureRect().height() >= area.height());
    QVERIFY(std::abs(canvas->PictureRect().width() / double(canvas->PictureRect().height()) -
                     FieldPictureAspect()) < 0.01);
  }

  // Play moves the particles over the view's last picture: the frames run no
  // pass, the animation stops while the view is hidden, a new pass restarts it.
  void flowFieldAnimatesWithoutPasses() {
    PassWith("8");
    Type("Text_kMax", "10");
    QTest::mouseClick(Picture("Picture1"), Qt::LeftButton);
    Entry("Mn_FlowField")->trigger();
    Form_Field* view = w->findChild<Form_Field*>();
    QVERIFY(QTest::qWaitForWindowExposed(view));
    auto* canvas = view->findChild<FieldCanvas*>("Picture_Field");
    // Particles are released every quarter of a time unit to begin with,
    // and every 0.05 to 2 units in steps of 0.05 as the user chooses.
    auto* interval = view->findChild<QDoubleSpinBox*>("Spin_Interval");
    QCOMPARE(interval->value(), 0.25);
    QCOMPARE(interval->minimum(), 0.05);
    QCOMPARE(interval->maximum(), 2.0);
    QCOMPARE(interval->singleStep(), 0.05);
    const QImage still = canvas->Image();
    const int passes = w->PassesEnded();
    QTest::mouseClick(view->findChild<QPushButton*>("Button_Play"), Qt::LeftButton);
    QVERIFY(view->Playing());
    QTRY_VERIFY(view->FramesDrawn() >= 5);
    QCOMPARE(w->PassesEnded(), passes);  // no pass per frame
    QVERIFY(view->AnimationTime() > 0.0);
    QVERIFY(canvas->Image() != still);  // the particles are drawn

    view->hide();  // hidden: no more frames
    const int frames = view->FramesDrawn();
    QTest::qWait(100);
    QCOMPARE(view->FramesDrawn(), frames);
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view));
    QTRY_VERIFY(view->FramesDrawn() > frames);

    const double before = view->AnimationTime();
    PassWith("4");  // a new pass: its curves, from the start
    QVERIFY(view->AnimationTime() < before);
    QTest::mouseClick(view->findChild<QPushButton*>("Button_Play"), Qt::LeftButton);
    QVERIFY(!view->Playing());
  }

  void liftCurveIsOneWindowRedrawnByEveryPass() {
    PassWith("8");
    RightClick("Picture2");
    for (int i = 0; i < 3; ++i) Entry("Mn_LiftCurve")->trigger();
    const QList<Form_Lift*> windows = w->findChildren<Form_Lift*>();
    QCOMPARE(windows.size(), 1);
    QVERIFY(QTest::qWaitForWindowExposed(windows.first()));
    QCOMPARE(windows.first()->windowTitle(), QStringLiteral("Lift curve"));
    auto* picture = windows.first()->findChild<PlotPicture*>("Picture_Lift");
    auto* line = windows.first()->findChild<QLabel*>("Label_Lift");
    QVERIFY(line->text().startsWith("Slope dC_L/dα = "));
    QVERIFY(Colours(picture->Image(), QColor(255, 0, 0)) > 100);  // the exact curve
    QVERIFY(Colours(picture->Image(), QColor(0, 0, 255)) > 100);  // thin-airfoil theory
    // The angles where the upper surface separates early are shaded, and the
    // drag polar stands beside the curve.
    const QImage lift = picture->Image();
    int shaded = 0;
    for (int y = 0; y < lift.height(); ++y) {
      for (int x = 0; x < lift.width(); ++x) {
        shaded += lift.pixelColor(x, y) == ToQColor(kSeparatedBandColour);
      }
    }
    QVERIFY(shaded > 5000);
    auto* polar = windows.first()->findChild<PlotPicture*>("Picture_Polar");
    QVERIFY(Colours(polar->Image(), QColor(255, 0, 0)) > 100);
    const QImage full = picture->Image();
    const QString fullLine = line->text();
    PassWith("8", "0.5");  // half the circulation: half the curve
    QVERIFY(picture->Image() != full);
    QVERIFY(line->text() != fullLine);
  }
};

QTEST_MAIN(PlotMenuTest)
#include "plot_menu_test.moc"
