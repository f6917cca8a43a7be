// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/profile_table.h"

#include <fstream>
#include <string_view>

#include "flow/decimal_text.h"

namespace fluvenna {
namespace {

// Hands out the fields of the table text one by one: separated by commas or
// line breaks, blanks around a field trimmed, blank lines skipped.
class FieldReader {
 public:
  explicit FieldReader(std::istream& in) : in_(in) {}

  // The next field, valid until the next call.
  bool Next(std::string_view& field) {
    while (pos_ >= line_.size() && !lineHasMore_) {
      if (!std::getline(in_, line_)) return false;
      if (!line_.empty() && line_.back() == '\r') line_.pop_back();
      pos_ = 0;
      if (Trim(line_).empty()) {
        line_.clear();
        continue;
      }
      lineHasMore_ = true;
    }
    const std::size_t comma = line_.find(',', pos_);
    const std::size_t end = (comma == std::string::npos) ? line_.size() : comma;
    field = Trim(std::string_view(line_).substr(pos_, end - pos_));
    pos_ = end + 1;
    lineHasMore_ = (comma != std::string::npos);
    return true;
  }

 private:
  static std::string_view Trim(std::string_view s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
  }

  std::istream& in_;
  std::string line_;
  std::size_t pos_ = 0;
  bool lineHasMore_ = false;  // a comma ended the last field, so one more follows
};

// A whole field as one finite decimal number; anything else is not a number.
bool ParseNumber(std::string_view s, double& value) {
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  if (s.empty() || s.front() == 'i' || s.front() == 'I' || s.front() == 'n' || s.front() == 'N') {
    return false;
  }
  if (s.size() > 1 && (s.front() == '-') && !(s[1] == '.' || (s[1] >= '0' && s[1] <= '9'))) {
    return false;
  }
  double v = 0.0;
  const auto [ptr, ec] = ReadDecimal(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || ptr != s.data() + s.size()) return false;
  value = v;
  return true;
}

}  // namespace

std::optional<std::string> LoadProfileTable(std::istream& in, ProfileTable& table) {
  const std::optional<std::string> failed = std::string(kProfileTableMessage);
  FieldReader reader(in);
  std::string_view field;

  if (!reader.Next(field)) return failed;  // the leading field, discarded
  double count = 0.0;
  if (!reader.Next(field) || !ParseNumber(field, count)) return failed;
  table.NTab = count;

  for (int i = 1; i <= count; ++i) {
    if (i > ProfileTable::kCapacity) return failed;
    double* columns[5] = {&table.TabDelta[i], &table.TabGama[i], &table.TabEps[i], &table.TabMu[i],
                          &table.TabExtra[i]};
    for (int c = 0; c < 5; ++c) {
      double value = 0.0;
      if (!reader.Next(field) || !ParseNumber(field, value)) return failed;
      if (c == 2 && value == -1.0) return failed;  // Eps = -1: the circle divides by zero
      *columns[c] = value;
    }
  }
  return std::nullopt;
}

std::optional<std::string> LoadProfileTableFile(ProfileTable& table, const std::string& path) {
  std::ifstream in(path);
  if (!in) return std::string(kProfileTableMessage);
  return LoadProfileTable(in, table);
}

}  // namespace fluvenna
