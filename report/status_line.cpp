// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/status_line.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "flow/profile_geometry.h"
#include "report/number_text.h"

namespace fluvenna {
namespace {

std::string Trimmed(const std::string& text) {
  const auto isBlank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
  std::size_t first = 0, last = text.size();
  while (first < last && isBlank(text[first])) ++first;
  while (last > first && isBlank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

}  // namespace

std::string Sentence(const std::string& text) {
  std::string sentence = Trimmed(text);
  if (sentence.empty()) return sentence;
  const std::string firstWord = sentence.substr(0, sentence.find(' '));
  const bool allLower = std::none_of(firstWord.begin(), firstWord.end(), [](char c) {
    return std::isupper(static_cast<unsigned char>(c)) != 0;
  });
  if (allLower)
    sentence[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(sentence[0])));
  if (sentence.back() != '.') sentence += '.';
  return sentence;
}

StatusLine PassStatusLine(const PassResult& result, double chord, Language language) {
  const auto inLanguage = [language](const char* text) {
    return Translate(language, "Report", text);
  };
  StatusLine line;
  const auto add = [&line](const std::string& sentence) {
    if (sentence.empty()) return;
    if (!line.text.empty()) line.text += ' ';
    line.text += sentence;
  };
  if (result.ok()) {
    const double lift = LiftCoefficient(result.circle.Circ, result.params.U0, chord);
    if (std::isfinite(lift)) {
      add(FillMarkers(inLanguage(QT_TRANSLATE_NOOP("Report", "Lift coefficient C_L = %1.")),
                      {LiftCoefficientText(lift)}));
    }
  } else {
    line.failed = true;
    add(FillMarkers(inLanguage(QT_TRANSLATE_NOOP("Report", "The plots were not redrawn: %1")),
                    {Sentence(TranslateNote(language, *result.error))}));
  }
  for (const std::string& note : result.notes) add(Sentence(TranslateNote(language, note)));
  return line;
}

std::string PressureStatusLine(const SurfacePressure& pressure, Language language) {
  const auto inLanguage = [language](const char* text) {
    return Translate(language, "Report", text);
  };
  std::string text;
  const auto add = [&text](const std::string& sentence) {
    if (sentence.empty()) return;
    if (!text.empty()) text += ' ';
    text += sentence;
  };
  if (pressure.CL && std::isfinite(*pressure.CL)) {
    add(FillMarkers(inLanguage(QT_TRANSLATE_NOOP("Report", "C_L integrated from Cp = %1.")),
                    {LiftCoefficientText(*pressure.CL)}));
  }
  if (!pressure.points.empty() && std::isfinite(pressure.CpMin)) {
    const char* form =
        pressure.CpMinSide == SurfaceSide::kUpper
            ? QT_TRANSLATE_NOOP("Report", "Lowest Cp = %1 at x/c = %2 on the upper surface.")
            : QT_TRANSLATE_NOOP("Report", "Lowest Cp = %1 at x/c = %2 on the lower surface.");
    add(FillMarkers(inLanguage(form),
                    {LiftCoefficientText(pressure.CpMin), LiftCoefficientText(pressure.CpMinXc)}));
  }
  for (const std::string& note : pressure.notes) add(Sentence(TranslateNote(language, note)));
  return text;
}

}  // namespace fluvenna
