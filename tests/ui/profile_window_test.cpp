// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Profile window, driven as a user drives it: a NACA code disables delta
// and gamma and names the profile in the title, Joukowski restores the
// designed window exactly, a refused file keeps the profile in use, and a
// name holding markup is shown as plain text.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QUrl>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <utility>

#include "cli/render.h"
#include "cli/render_options.h"
#include "ui/form1.h"
#include "ui/form_field.h"
#include "ui/form_map.h"
#include "ui/form_profile.h"
#include "ui/language.h"
#include "ui/plot_picture.h"

using namespace fluvenna;

namespace {

const char kTable[] = "test table\n2\n0.01,0,0.1,0,0\n0.1,0.05,0.1,0.05,0\n";

// The enabled state of the four profile controls of the designed window.
QList<bool> ProfileControls(Form1& w) {
  QList<bool> enabled;
  for (const char* name : {"Text_DELTA", "HScroll_Delta", "Text_GAMA", "HScroll_Gama"}) {
    auto* control = w.findChild<QWidget*>(name);
    enabled << (control && control->isEnabled());
  }
  return enabled;
}

// The value of the renderer summary's line `key` (its first word after the key).
std::string SummaryValue(const std::string& summary, const std::string& key) {
  std::istringstream lines(summary);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind(key + " ", 0) != 0) continue;
    std::istringstream words(line.substr(key.size()));
    std::string value;
    words >> value;
    return value;
  }
  return {};
}

}  // namespace

class ProfileWindowTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir;
  QTranslator translator;
  QString tablePath;
  std::unique_ptr<Form1> w;

  void Pass() {
    QTest::mouseClick(w->findChild<PlotPicture*>("Picture1"), Qt::LeftButton);
    QVERIFY(w->LastPass()->ok());
  }
  Form_Profile* Open() {
    w->findChild<QAction*>("Mn_Profile")->trigger();
    auto* window = w->findChild<Form_Profile*>();
    if (window) (void)QTest::qWaitForWindowExposed(window);
    return window;
  }
  QString WriteFile(const char* name, const QByteArray& text) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {};
    file.write(text);
    return path;
  }
  // NACA 0012's own points, with `name` as the name line.
  QByteArray NacaFile(const QByteArray& name) {
    PassSession session;
    session.SetProfile(ProfileSource::Naca("0012"));
    QByteArray text = name + "\n";
    const AirfoilContour& c = session.Profile()->contour;
    for (std::size_t i = 0; i < c.x.size(); ++i) {
      text +=
          QByteArray::number(c.x[i], 'g', 17) + " " + QByteArray::number(c.y[i], 'g', 17) + "\n";
    }
    return text;
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

  void NacaDisablesDeltaAndGammaAndJoukowskiRestoresTheWindow() {
    Pass();
    const QString title = w->windowTitle();
    const QList<bool> designed = ProfileControls(*w);
    QCOMPARE(designed, QList<bool>({true, true, true, true}));
    const QImage designedAirfoil = w->findChild<PlotPicture*>("Picture2")->Image();
    const double designedCirc = w->LastPass()->circle.Circ;

    Form_Profile* window = Open();
    QVERIFY(window);
    auto* code = window->findChild<QLineEdit*>("Text_Naca");
    code->clear();
    QTest::keyClicks(code, "2412");
    QTest::mouseClick(window->findChild<QPushButton*>("Command_Naca"), Qt::LeftButton);
    QVERIFY(window->findChild<QRadioButton*>("Option_Naca")->isChecked());
    QCOMPARE(ProfileControls(*w), QList<bool>({false, false, false, false}));
    QVERIFY(w->windowTitle().contains("NACA 2412"));
    QVERIFY(window->findChild<QLabel*>("Label_Report")->text().contains("NACA 2412"));
    QVERIFY(w->LastPass()->ok());
    QVERIFY(w->LastPass()->circle.Circ != designedCirc);  // the pass ran with NACA 2412
    QVERIFY(w->findChild<PlotPicture*>("Picture2")->Image() != designedAirfoil);

    QTest::mouseClick(window->findChild<QRadioButton*>("Option_Joukowski"), Qt::LeftButton);
    QCOMPARE(w->windowTitle(), title);
    QCOMPARE(ProfileControls(*w), designed);
    QCOMPARE(w->LastPass()->circle.Circ, designedCirc);
    QCOMPARE(w->findChild<PlotPicture*>("Picture2")->Image(), designedAirfoil);
  }

  // The window and the renderer give the same numbers for the same profile,
  // a NACA code or a file: the circulation to the last bit and C_L as the
  // status line and the summary write it.
  void WindowAndRendererAgree() {
    Form_Profile* window = Open();
    const QString file = WriteFile("naca0012.dat", NacaFile("NACA 0012 points"));
    window->SetOpenPathDialog([file](QWidget*) { return file; });
    w->findChild<QLineEdit*>("Text_Alfa")->setText("4");
    const std::pair<QStringList, std::function<bool()>> cases[] = {
        {{"--naca", "2412"}, [&] { return window->ChooseNaca("2412"); }},
        {{"--airfoil", file}, [&] {
           QTest::mouseClick(window->findChild<QPushButton*>("Command_Open"), Qt::LeftButton);
           return window->findChild<QRadioButton*>("Option_File")->isChecked();
         }}};
    for (const auto& [arguments, choose] : cases) {
      QVERIFY(choose());
      Pass();
      std::vector<std::string> line{"fluvenna-render", "--alpha", "4", "--table",
                                    tablePath.toStdString()};
      for (const QString& argument : arguments) line.push_back(argument.toStdString());
      const ParsedCommandLine parsed = ParseCommandLine(line);
      QCOMPARE(static_cast<int>(parsed.action), static_cast<int>(ParsedCommandLine::Action::kRun));
      std::ostringstream out, err;
      QCOMPARE(Render(parsed.options, out, err), kExitPassOk);
      QCOMPARE(std::stod(SummaryValue(out.str(), "Circ")), w->LastPass()->circle.Circ);
      const std::string cl = SummaryValue(out.str(), "C_L");
      QVERIFY(!cl.empty());
      const QString status = w->findChild<QLabel*>("Label_Status")->text();
      QVERIFY2(status.contains(QString::fromStdString("C_L = " + cl)), qPrintable(status));
    }
  }

  void RefusedFileKeepsTheProfileInUse() {
    Form_Profile* window = Open();
    QVERIFY(window->ChooseNaca("4412"));
    const QString title = w->windowTitle();
    const QString bad = WriteFile("bad.dat", "bad\n1 0\n0.5 0.1\nnot numbers\n");
    window->SetOpenPathDialog([bad](QWidget*) { return bad; });
    QTest::mouseClick(window->findChild<QPushButton*>("Command_Open"), Qt::LeftButton);
    const QString refusal = window->findChild<QLabel*>("Label_Refusal")->text();
    QVERIFY2(refusal.contains("4"), qPrintable(refusal));  // the line of the fault
    QCOMPARE(w->windowTitle(), title);
    QVERIFY(window->findChild<QLabel*>("Label_Report")->text().contains("NACA 4412"));
    QVERIFY(window->findChild<QRadioButton*>("Option_Naca")->isChecked());
    QCOMPARE(window->findChild<QLineEdit*>("Text_Naca")->text(), QStringLiteral("4412"));
    // The report and the refusal, wrapped, are shown whole.
    QCoreApplication::processEvents();
    for (const char* name : {"Label_Report", "Label_Refusal"}) {
      const auto* label = window->findChild<QLabel*>(name);
      QVERIFY2(label->height() >= label->heightForWidth(label->width()), name);
    }
    if (qEnvironmentVariableIsSet("FLUVENNA_SHOTS")) {
      // Pictures to look at: the profile window, the main window with NACA
      // 4412, and its flow-field and conformal-map views.
      const QString shots = qEnvironmentVariable("FLUVENNA_SHOTS");
      window->grab().save(shots + "/h28-window-profile.png");
      w->findChild<QLineEdit*>("Text_Alfa")->setText("4");
      w->findChild<QLineEdit*>("Text_kMax")->setText("10");
      Pass();
      w->grab().save(shots + "/h28-window-naca4412.png");
      w->findChild<QAction*>("Mn_FlowField")->trigger();
      QTest::qWait(300);
      if (auto* field = w->findChild<Form_Field*>()) field->grab().save(shots + "/h28-field.png");
      w->findChild<QAction*>("Mn_ConformalMap")->trigger();
      QTest::qWait(300);
      if (auto* map = w->findChild<Form_Map*>()) map->grab().save(shots + "/h28-map.png");
    }
    // A code that is no NACA code is refused the same way.
    QVERIFY(!window->ChooseNaca("44"));
    QCOMPARE(w->windowTitle(), title);
    QVERIFY(!window->findChild<QLabel*>("Label_Refusal")->text().isEmpty());
  }

  void MarkupInANameIsPlainTextAndDropsOpenFiles() {
    Form_Profile* window = Open();
    const QString path = WriteFile("markup.dat", NacaFile("<b>x</b>"));
    // Dropped on the window, as from a file manager.
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &drop);
    QVERIFY(window->findChild<QRadioButton*>("Option_File")->isChecked());
    for (QLabel* label : window->findChildren<QLabel*>()) {
      if (label->text().contains("<b>")) QCOMPARE(label->textFormat(), Qt::PlainText);
    }
    auto* report = window->findChild<QLabel*>("Label_Report");
    QVERIFY(report->text().contains("<b>x</b>"));
    QCOMPARE(report->textFormat(), Qt::PlainText);
    QVERIFY(w->windowTitle().contains("<b>x</b>"));  // a title is never rich text
  }
};

QTEST_MAIN(ProfileWindowTest)
#include "profile_window_test.moc"
