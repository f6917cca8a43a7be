// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QLocale>
#include <QTranslator>

#include "ui/form1.h"
#include "ui/language.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Fluvenna"));

  QCommandLineParser parser;
  const QCommandLineOption lang(QStringLiteral("lang"),
                                QStringLiteral("The language of the window: tr or en."),
                                QStringLiteral("language"));
  parser.addOption(lang);
  parser.addHelpOption();
  parser.process(app);
  if (parser.isSet(lang) && !fluvenna::LanguageNamed(parser.value(lang))) {
    parser.showHelp(2);
  }
  const fluvenna::Language language =
      fluvenna::ChooseLanguage(QLocale::system().uiLanguages(), parser.value(lang));
  QTranslator translator;
  fluvenna::InstallTranslations(translator, language);

  // The program ends when its last window closes, the About window included.
  fluvenna::Form1 window(QString(), language);
  window.show();
  return app.exec();
}
