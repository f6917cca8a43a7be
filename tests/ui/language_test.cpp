// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window in the language the user's settings ask for, as the program
// chooses it at start: run with the expected language ("tr" or "en") under
// several LANG and LANGUAGE settings.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <memory>

#include "ui/form1.h"
#include "ui/language.h"
#include "ui/plot_picture.h"

using namespace fluvenna;

namespace {

Language expected = Language::kTurkish;

struct Texts {
  QString title, kutta, menu, status, missingTable;
};

// The window's own Turkish texts, and their English readings.
const Texts kTurkish{"Joukowsky profili etrafında akım çizgileri", "Kutta şartı", "Akım alanı…",
                     "Kaldırma katsayısı C_L = ", "KATJO-D20G15.txt dosyası bulunamadı"};
const Texts kEnglish{"Streamlines around a Joukowsky profile", "Kutta =", "Flow field…",
                     "Lift coefficient C_L = ", "The file KATJO-D20G15.txt was not found"};

}  // namespace

class LanguageTest : public QObject {
  Q_OBJECT

 private:
  QTranslator translator;
  Language language = Language::kTurkish;
  const Texts& Want() const { return expected == Language::kTurkish ? kTurkish : kEnglish; }

 private slots:
  void initTestCase() {
    language = ChooseLanguage(QLocale::system().uiLanguages());
    QCOMPARE(language, expected);
    QVERIFY(InstallTranslations(translator, language));
  }

  // The rules themselves, whatever this run's settings.
  void choosesTheFirstPreferredLanguageItHas() {
    QCOMPARE(ChooseLanguage({"C"}), Language::kTurkish);
    QCOMPARE(ChooseLanguage({}), Language::kTurkish);
    QCOMPARE(ChooseLanguage({"en-US", "en-Latn-US", "en"}), Language::kEnglish);
    QCOMPARE(ChooseLanguage({"de", "de-DE"}), Language::kEnglish);
    QCOMPARE(ChooseLanguage({"de", "de-DE", "tr", "tr-TR"}), Language::kTurkish);
    QCOMPARE(ChooseLanguage({"tr-TR", "en"}), Language::kTurkish);
    QCOMPARE(ChooseLanguage({"tr-TR"}, "en"), Language::kEnglish);
    QCOMPARE(ChooseLanguage({"en"}, "tr"), Language::kTurkish);
    QVERIFY(!LanguageNamed("<b>tr</b>"));
  }

  void windowSpeaksTheLanguage() {
    QTemporaryDir dir;
    const QString table = dir.filePath("KATJO-D20G15.txt");
    {
      QFile file(table);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write("test table\n1\n0.1,0.05,0.1,0.05,0\n");
    }
    Form1 w(table, language);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.windowTitle(), Want().title);
    QCOMPARE(w.findChild<QLabel*>("Label6")->text(), Want().kutta);
    for (const char* name :
         {"Label1", "Label2", "Label5", "Label6", "Label7", "Label9", "Label4", "Label10"}) {
      const QLabel* caption = w.findChild<QLabel*>(name);
      QVERIFY2(caption->fontMetrics().horizontalAdvance(caption->text()) <= caption->width(),
               name);  // every caption fits its box
    }

    w.findChild<QLineEdit*>("Text_DELTA")->setText("0.1");
    w.findChild<QLineEdit*>("Text_GAMA")->setText("0.05");
    w.findChild<QLineEdit*>("Text_Alfa")->setText("5");
    QTest::mouseClick(w.findChild<PlotPicture*>("Picture1"), Qt::LeftButton);
    QVERIFY(w.LastPass()->ok());
    const QString status = w.findChild<QLabel*>("Label_Status")->text();
    QVERIFY2(status.startsWith(Want().status), qPrintable(status));
    QVERIFY2(status.contains('.'), qPrintable(status));  // the decimal point in every language
    QCOMPARE(w.findChild<QAction*>("Mn_FlowField")->text(), Want().menu);

    // A note of the core in the status line, translated.
    w.findChild<QLineEdit*>("Text_kMax")->setText("25");
    QTest::mouseClick(w.findChild<PlotPicture*>("Picture1"), Qt::LeftButton);
    const QString limited = w.findChild<QLabel*>("Label_Status")->text();
    QVERIFY2(limited.contains(expected == Language::kTurkish ? "nSL 20 ile sınırlı"
                                                             : "nSL is limited to 20"),
             qPrintable(limited));
  }

  void missingTableMessageSpeaksTheLanguage() {
    QString shown;
    QTimer::singleShot(0, [&] {
      for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(widget)) {
          shown = box->text();
          box->accept();
        }
      }
    });
    QTemporaryDir dir;
    Form1 w(dir.filePath("no-such-table.txt"), language);
    QCOMPARE(shown, Want().missingTable);
  }
};

int main(int argc, char** argv) {
  // The first argument is the language the run expects.
  if (argc > 1) {
    expected = QString::fromLatin1(argv[1]) == "en" ? Language::kEnglish : Language::kTurkish;
    --argc;
    for (int i = 1; i < argc; ++i) argv[i] = argv[i + 1];
  }
  QApplication app(argc, argv);
  LanguageTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "language_test.moc"
