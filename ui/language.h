// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "report/catalogue.h"

class QCoreApplication;
class QTranslator;

namespace fluvenna {

// The language of the window:
//   1. `requested` ("tr" or "en", from --lang) when given;
//   2. else the first of the user's preferred languages (`uiLanguages`, as
//      QLocale::system().uiLanguages() lists them from LANGUAGE and LANG)
//      that Fluvenna has;
//   3. English when the preferences name only languages Fluvenna lacks;
//   4. Turkish, the window's own language, when they name none (the C or POSIX locale).
Language ChooseLanguage(const QStringList& uiLanguages, const QString& requested = QString());

// The language "tr" or "en" names, or nothing for any other text.
std::optional<Language> LanguageNamed(const QString& code);

// Loads the translations of `language` (compiled into the program) into
// `translator` and installs it on the application. False when they are
// missing.
bool InstallTranslations(QTranslator& translator, Language language);

}  // namespace fluvenna
