// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Whatever command line fluvenna-render is given, reading it ends in one of
// four ways: a run whose options lie within their documented ranges, the
// help, the version, or a refusal whose message is exactly one line (no line
// break or other control character, whatever the arguments it quotes).
//
// Input: arguments separated by NUL bytes. An argument that begins with a
// byte below 0x20 names an option instead, by that byte's index into the
// options the parser lists in its own help (so that every option it gains
// is fuzzed too): the option alone, or "--name=REST" when more bytes follow.
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "cli/render_options.h"

namespace {

using fluvenna::ParsedCommandLine;

// "--name" of every option the help lists, "--help" and "--version" included.
std::vector<std::string> OptionNames() {
  const ParsedCommandLine help = fluvenna::ParseCommandLine({"fluvenna-render", "--help"});
  if (help.action != ParsedCommandLine::Action::kHelp) std::abort();
  std::vector<std::string> names;
  const std::string& text = help.text;
  for (std::size_t at = text.find("--"); at != std::string::npos; at = text.find("--", at + 2)) {
    std::size_t end = at + 2;
    if (end >= text.size() || text[end] < 'a' || text[end] > 'z') continue;
    while (end < text.size() && ((text[end] >= 'a' && text[end] <= 'z') ||
                                 (text[end] >= '0' && text[end] <= '9') || text[end] == '-')) {
      ++end;
    }
    const std::string name = text.substr(at, end - at);
    if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
  }
  if (names.size() < 20) std::abort();  // the help lists every option
  return names;
}

// Checked by Qt's own character categories, not the renderer's byte rules.
bool OneLine(const std::string& bytes) {
  const QString text = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
  for (const QChar c : text) {
    const QChar::Category category = c.category();
    if (category == QChar::Other_Control || category == QChar::Separator_Line ||
        category == QChar::Separator_Paragraph) {
      return false;
    }
  }
  return !text.isEmpty();
}

// What a run's options promise, whichever arguments gave them.
bool WithinTheirRanges(const fluvenna::RenderOptions& o) {
  using namespace fluvenna;
  const std::string toOut = "-";
  const int toStandardOutput = (o.csvPath == toOut) + (o.cpPath == toOut) + (o.liftPath == toOut) +
                               (o.fieldCsvPath == toOut) + (o.timesPath == toOut) +
                               !o.probes.empty();
  bool probesFinite = true;
  for (const ProbeOption& p : o.probes) probesFinite &= std::isfinite(p.x) && std::isfinite(p.y);
  return o.size.width >= kPictureWidth && o.size.width <= kLargestPictureSide &&
         o.size.height >= kPictureHeight && o.size.height <= kLargestPictureSide && o.fps >= 1 &&
         o.fps <= 120 && o.seconds > 0.0 && o.seconds <= 600.0 &&
         o.seconds * o.fps <= kMostFrames &&
         (o.field.empty() || o.field == "cp" || o.field == "speed") && toStandardOutput <= 1 &&
         probesFinite;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::vector<std::string> names = OptionNames();
  std::vector<std::string> arguments{"fluvenna-render"};
  std::string_view input(reinterpret_cast<const char*>(data), size);
  while (!input.empty() && arguments.size() < 64) {
    const std::size_t end = input.find('\0');
    const std::string_view token = input.substr(0, end);
    input = end == std::string_view::npos ? std::string_view{} : input.substr(end + 1);
    if (!token.empty() && static_cast<unsigned char>(token[0]) < 0x20) {
      const std::string& name = names[static_cast<unsigned char>(token[0]) % names.size()];
      arguments.push_back(token.size() == 1 ? name : name + '=' + std::string(token.substr(1)));
    } else {
      arguments.emplace_back(token);
    }
  }

  const ParsedCommandLine parsed = fluvenna::ParseCommandLine(arguments);
  switch (parsed.action) {
    case ParsedCommandLine::Action::kUsageError:
      if (!OneLine(parsed.text)) std::abort();
      break;
    case ParsedCommandLine::Action::kHelp:
    case ParsedCommandLine::Action::kVersion:
      if (!parsed.text.starts_with("fluvenna-render ") &&
          parsed.text.find("--help") == std::string::npos) {
        std::abort();
      }
      break;
    case ParsedCommandLine::Action::kRun:
      if (!WithinTheirRanges(parsed.options)) std::abort();
      break;
  }
  return 0;
}
