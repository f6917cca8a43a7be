// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// Marks a text for the translation sources without translating it (lupdate
// reads the mark; Qt's own definition is the same).
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace fluvenna {

// The languages Fluvenna speaks. Turkish is the language of the window's own
// texts; English that of everything added since, and the language of the
// sources of the Qt-free texts.
enum class Language { kTurkish, kEnglish };

// "tr" or "en".
const char* LanguageCode(Language language);

// The text of `source` in `language`, from the same translation sources the
// Qt programs read: the catalogue's entry for (context, source), or `source`
// itself when it has none.
std::string Translate(Language language, std::string_view context, std::string_view source);

// A note of the core (an English sentence with numbers and curve numbers in
// it) in `language`: matched against the note forms of the "Notes" context,
// whose markers %1..%9 stand for what varies, and the matched form's
// translation filled with the same values. A note that matches no form is
// given as it is.
std::string TranslateNote(Language language, const std::string& note);

}  // namespace fluvenna
