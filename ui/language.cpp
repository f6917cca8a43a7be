// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/language.h"

#include <QCoreApplication>
#include <QTranslator>

namespace fluvenna {

std::optional<Language> LanguageNamed(const QString& code) {
  const QString language = code.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0);
  if (language.compare(QStringLiteral("tr"), Qt::CaseInsensitive) == 0) return Language::kTurkish;
  if (language.compare(QStringLiteral("en"), Qt::CaseInsensitive) == 0) return Language::kEnglish;
  return std::nullopt;
}

Language ChooseLanguage(const QStringList& uiLanguages, const QString& requested) {
  if (const auto language = LanguageNamed(requested)) return *language;
  bool namesOne = false;
  for (const QString& preferred : uiLanguages) {
    if (preferred == QStringLiteral("C") || preferred == QStringLiteral("POSIX") ||
        preferred.isEmpty()) {
      continue;
    }
    if (const auto language = LanguageNamed(preferred)) return *language;
    namesOne = true;
  }
  return namesOne ? Language::kEnglish : Language::kTurkish;
}

bool InstallTranslations(QTranslator& translator, Language language) {
  const QString file = QStringLiteral(":/i18n/fluvenna_%1.qm").arg(LanguageCode(language));
  if (!translator.load(file)) return false;
  return QCoreApplication::installTranslator(&translator);
}

}  // namespace fluvenna
