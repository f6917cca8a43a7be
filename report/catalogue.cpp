// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/catalogue.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "report/catalogue_data.h"
#include "report/number_text.h"

namespace fluvenna {
namespace {

constexpr std::string_view kNotesContext = "Notes";

const CatalogueEntry* Find(std::string_view context, std::string_view source) {
  const CatalogueEntry* end = kCatalogue + kCatalogueSize;
  const auto key = [](const CatalogueEntry& e) {
    return std::pair{std::string_view(e.context), std::string_view(e.source)};
  };
  const CatalogueEntry* at = std::lower_bound(
      kCatalogue, end, std::pair{context, source},
      [&](const CatalogueEntry& e, const auto& wanted) { return key(e) < wanted; });
  return (at != end && key(*at) == std::pair{context, source}) ? at : nullptr;
}

const char* TextIn(Language language, const CatalogueEntry& entry) {
  return language == Language::kTurkish ? entry.turkish : entry.english;
}

// Whether `text` has the shape of `form`, whose markers %1..%9 stand for
// non-empty runs of text; what they stand for goes into `values`.
bool Match(std::string_view form, std::string_view text, std::vector<std::string>& values) {
  if (form.empty()) return text.empty();
  if (form.size() >= 2 && form[0] == '%' && form[1] >= '1' && form[1] <= '9') {
    const std::size_t index = static_cast<std::size_t>(form[1] - '1');
    for (std::size_t length = 1; length <= text.size(); ++length) {
      if (values.size() <= index) values.resize(index + 1);
      values[index] = std::string(text.substr(0, length));
      if (Match(form.substr(2), text.substr(length), values)) return true;
    }
    return false;
  }
  return !text.empty() && form[0] == text[0] && Match(form.substr(1), text.substr(1), values);
}

}  // namespace

const char* LanguageCode(Language language) {
  return language == Language::kTurkish ? "tr" : "en";
}

std::string Translate(Language language, std::string_view context, std::string_view source) {
  const CatalogueEntry* entry = Find(context, source);
  return entry ? TextIn(language, *entry) : std::string(source);
}

std::string TranslateNote(Language language, const std::string& note) {
  if (const CatalogueEntry* entry = Find(kNotesContext, note)) return TextIn(language, *entry);
  const CatalogueEntry* end = kCatalogue + kCatalogueSize;
  for (const CatalogueEntry* e = kCatalogue; e != end; ++e) {
    if (e->context != kNotesContext) continue;
    std::vector<std::string> values;
    if (Match(e->source, note, values)) return FillMarkers(TextIn(language, *e), values);
  }
  return note;
}

}  // namespace fluvenna
