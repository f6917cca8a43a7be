// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/option_parser.h"

#include <algorithm>
#include <limits>

#include "flow/decimal_text.h"

namespace fluvenna {
namespace {

// The option's names as the help shows them: "-h, --help", "--png <prefix>".
std::string NamesColumn(const OptionSpec& option) {
  std::string column;
  for (const std::string& name : option.names) {
    if (!column.empty()) column += ", ";
    column += (name.size() == 1 ? "-" : "--") + name;
  }
  if (!option.valueName.empty()) column += " <" + option.valueName + ">";
  return column;
}

// `text` broken into lines of at most `width` characters, at spaces and at
// its own line breaks; a word longer than a line has a line of its own.
std::vector<std::string> Wrapped(std::string_view text, std::size_t width) {
  std::vector<std::string> lines;
  std::string line;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = std::min(text.find_first_of(" \n", start), text.size());
    const std::string_view word = text.substr(start, end - start);
    if (!line.empty() && line.size() + 1 + word.size() > width) {
      lines.push_back(line);
      line.clear();
    }
    if (!word.empty()) line += (line.empty() ? "" : " ") + std::string(word);
    if (end == text.size() || text[end] == '\n') {  // the word ends its line
      lines.push_back(line);
      line.clear();
    }
    start = end + 1;
  }
  return lines;
}

}  // namespace

int OptionParser::Find(std::string_view name) const {
  for (std::size_t i = 0; i < options_.size(); ++i) {
    const std::vector<std::string>& names = options_[i].names;
    if (std::find(names.begin(), names.end(), name) != names.end()) return static_cast<int>(i);
  }
  return -1;
}

bool OptionParser::Parse(const std::vector<std::string>& arguments) {
  given_.clear();
  positional_.clear();
  error_.clear();
  program_ = arguments.empty() ? std::string() : arguments.front();
  if (const std::size_t slash = program_.rfind('/'); slash != std::string::npos) {
    program_.erase(0, slash + 1);
  }
  const auto fail = [&](std::string message) {
    error_ = std::move(message);
    return false;
  };
  bool optionsEnded = false;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
      positional_.push_back(argument);
    } else if (argument == "--") {
      optionsEnded = true;
    } else if (argument[1] == '-') {
      const std::size_t equals = argument.find('=');
      const std::string name =
          argument.substr(2, equals == std::string::npos ? equals : equals - 2);
      const int option = Find(name);
      if (option < 0) return fail("Unknown option '" + name + "'.");
      const bool takesValue = !options_[static_cast<std::size_t>(option)].valueName.empty();
      if (equals != std::string::npos) {
        if (!takesValue) return fail("Unexpected value after '--" + name + "'.");
        given_.emplace_back(option, argument.substr(equals + 1));
      } else if (!takesValue) {
        given_.emplace_back(option, std::string());
      } else if (i + 1 < arguments.size()) {
        given_.emplace_back(option, arguments[++i]);
      } else {
        return fail("Missing value after '--" + name + "'.");
      }
    } else {
      for (std::size_t c = 1; c < argument.size(); ++c) {
        const std::string name(1, argument[c]);
        const int option = Find(name);
        if (option < 0) return fail("Unknown option '" + name + "'.");
        if (options_[static_cast<std::size_t>(option)].valueName.empty()) {
          given_.emplace_back(option, std::string());
          continue;
        }
        if (c + 1 < argument.size()) {
          given_.emplace_back(option, argument.substr(c + 1));
        } else if (i + 1 < arguments.size()) {
          given_.emplace_back(option, arguments[++i]);
        } else {
          return fail("Missing value after '-" + name + "'.");
        }
        break;
      }
    }
  }
  return true;
}

bool OptionParser::IsSet(std::string_view name) const {
  const int option = Find(name);
  return std::any_of(given_.begin(), given_.end(),
                     [&](const auto& given) { return given.first == option; });
}

std::string OptionParser::Value(std::string_view name) const {
  const int option = Find(name);
  if (option < 0) return {};
  for (auto given = given_.rbegin(); given != given_.rend(); ++given) {
    if (given->first == option) return given->second;
  }
  return options_[static_cast<std::size_t>(option)].defaultValue;
}

std::vector<std::string> OptionParser::Values(std::string_view name) const {
  const int option = Find(name);
  std::vector<std::string> values;
  for (const auto& [index, value] : given_) {
    if (index == option) values.push_back(value);
  }
  return values;
}

double OptionNumber(std::string_view text) {
  constexpr std::string_view kSpace = " \t\n\r\v\f";
  const std::size_t first = text.find_first_not_of(kSpace);
  if (first == std::string_view::npos) return std::numeric_limits<double>::quiet_NaN();
  text = text.substr(first, text.find_last_not_of(kSpace) - first + 1);
  if (text.size() > 1 && text[0] == '+' && text[1] != '-' && text[1] != '+') text.remove_prefix(1);
  return WholeDecimal(text);
}

std::string OptionParser::HelpText() const {
  std::string help = "Usage: " + program_ + " [options]\n";
  for (const std::string& line : Wrapped(description_, kHelpWidth)) help += line + "\n";
  help += "\nOptions:\n";
  std::size_t namesWidth = 0;
  for (const OptionSpec& option : options_) {
    namesWidth = std::max(namesWidth, NamesColumn(option).size());
  }
  const std::size_t indent = 2 + namesWidth + 2;
  for (const OptionSpec& option : options_) {
    const std::string names = NamesColumn(option);
    std::string first = "  " + names + std::string(indent - 2 - names.size(), ' ');
    const std::vector<std::string> lines =
        Wrapped(option.description, std::max<std::size_t>(kHelpWidth - indent, 20));
    for (std::size_t i = 0; i < lines.size(); ++i) {
      help += (i == 0 ? first : std::string(indent, ' ')) + lines[i] + "\n";
    }
  }
  return help;
}

}  // namespace fluvenna
