// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

namespace fluvenna {

// One message of the translation sources: its context and source text, and
// its Turkish and English texts (the source where a language has none).
struct CatalogueEntry {
  const char* context;
  const char* source;
  const char* turkish;
  const char* english;
};

// Every message, sorted by context and then source (bytewise); made at build
// time from i18n/fluvenna_tr.ts and i18n/fluvenna_en.ts.
extern const CatalogueEntry kCatalogue[];
extern const std::size_t kCatalogueSize;

}  // namespace fluvenna
