// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QLocale>
#include <QTranslator>
#include <cstdio>

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
  // A command line the program cannot follow ends it with status 2, as
  // fluvenna-render does: an unknown option, a missing value, a word that
  // is no option (the program opens no files) or a language it lacks.
  if (!parser.parse(QApplication::arguments()) || !parser.positionalArguments().isEmpty()) {
    const QString why = parser.positionalArguments().isEmpty()
                            ? parser.errorText()
                            : QStringLiteral("Unexpected argument '%1'.")
                                  .arg(parser.positionalArguments().constFirst());
    std::fprintf(stderr, "%s\n\n", qPrintable(why));
    parser.showHelp(2);
  }
  parser.process(app);  // a command line it follows: --help and --help-all as Qt shows them
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
