// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace fluvenna {

// One option of a command line: its names (one letter for a short option,
// -h; longer for a long one, --help), what the help says of it, and, for an
// option that takes a value, the value's name in the help and the value it
// has when not given.
struct OptionSpec {
  std::vector<std::string> names;
  std::string description;
  std::string valueName;  // empty: a flag, which takes no value
  std::string defaultValue;
};

// A command line of GNU-style options, read as the renderer has always read
// it:
//  - `--name value` or `--name=value` for an option that takes a value (the
//    next argument is the value, whatever it looks like); `--name` for a
//    flag;
//  - `-abc` for the short options a, b and c, where a short option that
//    takes a value takes the rest of the argument, or the next one;
//  - `--` ends the options: every argument after it is positional, as is
//    `-` and every argument that does not start with a dash.
// An option may be given several times: Value is the last value, Values
// every one in order. Plain C++, so that a run that reads its command line
// needs no other library.
class OptionParser {
 public:
  explicit OptionParser(std::string description) : description_(std::move(description)) {}

  void Add(OptionSpec option) { options_.push_back(std::move(option)); }

  // Reads `arguments`, the program's name first. False at the first fault,
  // which ErrorText then describes in one sentence ("Unknown option 'x'.",
  // "Missing value after '--png'.", "Unexpected value after '--json'.").
  bool Parse(const std::vector<std::string>& arguments);
  const std::string& ErrorText() const { return error_; }

  bool IsSet(std::string_view name) const;
  // The last value given to the option, else its default.
  std::string Value(std::string_view name) const;
  std::vector<std::string> Values(std::string_view name) const;
  const std::vector<std::string>& Positional() const { return positional_; }

  // "Usage: PROGRAM [options]", the description, then each option with its
  // description wrapped beside it within kHelpWidth columns.
  std::string HelpText() const;

 private:
  // The index of the option named `name`, or -1.
  int Find(std::string_view name) const;

  std::string description_;
  std::vector<OptionSpec> options_;
  std::string program_;
  std::vector<std::pair<int, std::string>> given_;  // option index and value, in order
  std::vector<std::string> positional_;
  std::string error_;
};

// The width of the help's lines.
inline constexpr std::size_t kHelpWidth = 79;

// An option's value as a number: a decimal with "." as the point whatever
// the locale, white space around it and a leading "+" allowed; NaN for any
// other text. (The renderer has always taken its numbers so.)
double OptionNumber(std::string_view text);

}  // namespace fluvenna
