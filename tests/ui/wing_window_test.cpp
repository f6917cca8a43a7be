// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The finite-wing window, driven as a user drives it, in Turkish; its
// numbers are the renderer's.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <memory>
#include <regex>
#include <sstream>

#include "cli/render.h"
#include "cli/render_options.h"
#include "ui/form1.h"
#include "ui/form_wing.h"
#include "ui/language.h"
#include "ui/plot_picture.h"

using namespace fluvenna;

namespace {

const char kTable[] = "test table\n2\n0.01,0,0.1,0,0\n0.1,0.05,0.1,0.05,0\n";

// "C_L = x, C_Di = y," and "e = z," of a line: the numbers both lines share.
std::string Numbers(const std::string& line) {
  std::smatch m;
  static const std::regex numbers(R"((C_L = [-0-9.]+, C_Di = [-0-9.]+,) (?:\S+ )?(e = [0-9.]+,))");
  return std::regex_search(line, m, numbers) ? m[1].str() + " " + m[2].str() : std::string();
}

}  // namespace

class WingWindowTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir;
  QTranslator translator;
  QString tablePath;
  std::unique_ptr<Form1> w;

  void Type(QWidget* in, const char* box, const QString& text) {
    auto* edit = in->findChild<QLineEdit*>(box);
    edit->clear();
    QTest::keyClicks(edit, text);
  }
  void PassWith(const QString& alpha) {
    Type(w.get(), "Text_DELTA", "0.1");
    Type(w.get(), "Text_GAMA", "0.05");
    Type(w.get(), "Text_Alfa", alpha);
    QTest::mouseClick(w->findChild<PlotPicture*>("Picture1"), Qt::LeftButton);
    QVERIFY(w->LastPass()->ok());
  }
  Form_Wing* Open() {
    w->findChild<QAction*>("Mn_FiniteWing")->trigger();
    auto* view = w->findChild<Form_Wing*>();
    if (view) (void)QTest::qWaitForWindowExposed(view);
    return view;
  }
  // Enter in a box of the wing window.
  void Enter(Form_Wing* view, const char* box, const QString& text) {
    Type(view, box, text);
    QTest::keyClick(view->findChild<QLineEdit*>(box), Qt::Key_Return);
  }

 private slots:
  void initTestCase() {
    QVERIFY(InstallTranslations(translator, Language::kTurkish));
    QVERIFY(dir.isValid());
    tablePath = dir.filePath("table.txt");
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

  // One window, titled in Turkish, redrawn by every pass; its line gives
  // the renderer's numbers for the same wing.
  void oneWindowRedrawnByEveryPassWithTheRenderersNumbers() {
    QVERIFY(!w->findChild<QAction*>("Mn_FiniteWing")->isEnabled());  // nothing to show yet
    PassWith("6");
    QCOMPARE(w->findChild<QAction*>("Mn_FiniteWing")->text(), QStringLiteral("Sonlu kanat…"));
    for (int i = 0; i < 3; ++i) Open();
    QCOMPARE(w->findChildren<Form_Wing*>().size(), 1);
    Form_Wing* view = w->findChild<Form_Wing*>();
    QCOMPARE(view->windowTitle(), QStringLiteral("Sonlu kanat"));
    auto* picture = view->findChild<PlotPicture*>("Picture_Wing");
    auto* line = view->findChild<QLabel*>("Label_Wing");
    QVERIFY(!picture->Image().isNull());
    QVERIFY2(line->text().contains("AR 8, dikdörtgen"), qPrintable(line->text()));

    Enter(view, "Text_AR", "8");
    view->findChild<QComboBox*>("Combo_Planform")->setCurrentIndex(1);  // tapered
    Enter(view, "Text_Taper", "0.4");
    Enter(view, "Text_Washout", "2");
    QVERIFY(view->findChild<QLabel*>("Label_Refused")->isHidden());
    QVERIFY2(line->text().contains("sivrilen λ = 0.4, uç burulması 2°"), qPrintable(line->text()));
    const QImage shown = picture->Image();
    if (qEnvironmentVariableIsSet("FLUVENNA_SHOTS")) {
      view->grab().save(qEnvironmentVariable("FLUVENNA_SHOTS") + "/h31-window-wing.png");
    }

    const ParsedCommandLine parsed =
        ParseCommandLine({"fluvenna-render", "--delta", "0.1", "--gamma", "0.05", "--alpha", "6",
                          "--table", tablePath.toStdString(), "--wing", "8", "--planform",
                          "tapered", "--taper", "0.4", "--washout", "2"});
    QCOMPARE(static_cast<int>(parsed.action), static_cast<int>(ParsedCommandLine::Action::kRun));
    std::ostringstream out, err;
    QCOMPARE(Render(parsed.options, out, err), kExitPassOk);
    const std::string window = Numbers(line->text().toStdString());
    QVERIFY2(!window.empty(), qPrintable(line->text()));
    QCOMPARE(window, Numbers(out.str()));

    PassWith("2");
    QVERIFY(picture->Image() != shown);  // the new pass is shown
    QVERIFY(Numbers(line->text().toStdString()) != window);
  }

  // A bad value is refused in red with the session's sentence, and nothing
  // changes: neither the picture nor the line.
  void badValuesAreRefusedAndNothingChanges() {
    PassWith("4");
    Form_Wing* view = Open();
    auto* picture = view->findChild<PlotPicture*>("Picture_Wing");
    auto* line = view->findChild<QLabel*>("Label_Wing");
    auto* refused = view->findChild<QLabel*>("Label_Refused");
    const QImage before = picture->Image();
    const QString lineBefore = line->text();
    const std::pair<const char*, const char*> cases[] = {
        {"Text_AR", "0.5"},    {"Text_AR", "31"},      {"Text_AR", "abc"},
        {"Text_Taper", "1.5"}, {"Text_Washout", "11"}, {"Text_Washout", "-12"}};
    const char* sentences[] = {"Açıklık oranı 1 ile 30", "Açıklık oranı 1 ile 30", "sonlu sayılar",
                               "Sivrilme oranı 0 ile 1", "-10° ile 10°",           "-10° ile 10°"};
    for (std::size_t i = 0; i < std::size(cases); ++i) {
      const auto& [box, text] = cases[i];
      Enter(view, box, QString::fromUtf8(text));
      QVERIFY2(!refused->isHidden(), box);
      QVERIFY2(refused->text().contains(QString::fromUtf8(sentences[i])),
               qPrintable(refused->text()));
      QCOMPARE(refused->palette().color(QPalette::WindowText), QColor(160, 0, 0));
      QCOMPARE(line->text(), lineBefore);
      QVERIFY(picture->Image() == before);
      Enter(view, "Text_AR", "8");
      Enter(view, "Text_Taper", "1");
      Enter(view, "Text_Washout", "0");
    }
    QVERIFY(refused->isHidden());
    // Below AR 4 the line warns.
    Enter(view, "Text_AR", "3");
    QVERIFY2(line->text().contains("AR 4'ün altında"), qPrintable(line->text()));
  }
};

QTEST_MAIN(WingWindowTest)
#include "wing_window_test.moc"
