// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Whatever address the page is opened with, the module takes what the page
// hands it from there safely. The page splits the address's query into
// names and values as a browser does (URLSearchParams: pairs at "&", the
// name up to the first "=", "+" a blank, %XX a byte), and hands the module
// the value of "lang" (setLanguage), each box's value with its bar's range
// (barPositionOf) and then the eight texts (pass). Here:
//   - the language changes exactly for "tr" and "en";
//   - a bar's position is within its range, and its value is the text's
//     number, or it is one below the range;
//   - the pass finishes with its status as one line, and a pass drawn whole
//     has its CSV.
// Input: a query string, as location.search without its "?".
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>

#include "flow/leading_number.h"
#include "flow/profile_table.h"
#include "web/page_session.h"

namespace {

// A box of the page: its name in the address, its text, and its bar's range
// and divisor (as the page's bars have them; the dR box has no bar).
struct Box {
  const char* name;
  std::string fluvenna::ParameterTexts::*text;
  int minimum, maximum;
  double divisor;
};
constexpr Box kBoxes[] = {
    {"delta", &fluvenna::ParameterTexts::DELTA, 1, 30, 100},
    {"gamma", &fluvenna::ParameterTexts::GAMA, 0, 14, 100},
    {"alpha", &fluvenna::ParameterTexts::Alfa, -10, 30, 1},
    {"kutta", &fluvenna::ParameterTexts::iKutta, 0, 10, 10},
    {"dpsi", &fluvenna::ParameterTexts::dPsi, 1, 10, 100},
    {"nsl", &fluvenna::ParameterTexts::kMax, 2, 10, 1},
    {"scale", &fluvenna::ParameterTexts::Olcek, 5, 30, 10},
    {"dr", &fluvenna::ParameterTexts::dR, 0, 0, 0},
};

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// A name or value as URLSearchParams decodes it (bytes; the page gets the
// same as UTF-16 where the bytes are UTF-8).
std::string Decoded(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '+') {
      out += ' ';
    } else if (text[i] == '%' && i + 2 < text.size() && HexDigit(text[i + 1]) >= 0 &&
               HexDigit(text[i + 2]) >= 0) {
      out += static_cast<char>(16 * HexDigit(text[i + 1]) + HexDigit(text[i + 2]));
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::string CommittedTable() {
  std::ifstream in(std::string(FLUVENNA_SOURCE_DIR) + "/data/" + fluvenna::kProfileTableFileName);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace fluvenna;
  static PageSession* session = [] {
    auto* s = new PageSession;
    if (!s->LoadTable(CommittedTable()).empty()) std::abort();
    return s;
  }();
  if (!session->SetLanguage("tr")) std::abort();

  std::string_view query(reinterpret_cast<const char*>(data), size);
  ParameterTexts texts;
  bool seen[std::size(kBoxes)] = {};
  while (!query.empty()) {
    const std::size_t end = query.find('&');
    const std::string_view pair = query.substr(0, end);
    query = end == std::string_view::npos ? std::string_view{} : query.substr(end + 1);
    if (pair.empty()) continue;
    const std::size_t equals = pair.find('=');
    const std::string name = Decoded(pair.substr(0, equals));
    const std::string value =
        equals == std::string_view::npos ? std::string() : Decoded(pair.substr(equals + 1));
    if (name == "lang") {
      const std::string before = session->LanguageCode();
      const bool known = value == "tr" || value == "en";
      if (session->SetLanguage(value) != known) std::abort();
      if (session->LanguageCode() != (known ? value : before)) std::abort();
      continue;
    }
    for (std::size_t i = 0; i < std::size(kBoxes); ++i) {
      const Box& box = kBoxes[i];
      if (name != box.name || seen[i]) continue;  // the first of repeated names counts
      seen[i] = true;
      texts.*box.text = value;
      if (box.divisor == 0) continue;
      const int position = BarPositionOf(value, box.minimum, box.maximum, box.divisor);
      if (position == box.minimum - 1) continue;
      if (position < box.minimum || position > box.maximum) std::abort();
      if (position / box.divisor != LeadingNumber(value)) std::abort();
    }
  }

  const bool drawn = session->Pass(texts);
  const std::string& status = session->StatusText();
  if (status.empty() || status.find_first_of("\r\n") != std::string::npos) std::abort();
  if (drawn && session->Csv().find('\n') == std::string::npos) std::abort();
  return 0;
}
