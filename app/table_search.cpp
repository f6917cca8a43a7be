// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/table_search.h"

#include <cstdlib>
#include <string_view>
#include <system_error>

namespace fluvenna {
namespace {

namespace fs = std::filesystem;

// The running executable's folder: the one /proc/self/exe links to, so that
// a link to the program is followed. Empty when it cannot be read.
fs::path ProgramFolder() {
  std::error_code error;
  const fs::path program = fs::read_symlink("/proc/self/exe", error);
  return error ? fs::path() : program.parent_path();
}

// An environment variable's value; empty when it is unset.
std::string_view Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string_view(value) : std::string_view();
}

// The generic data folders of the XDG base directory specification, as Qt's
// GenericDataLocation lists them on Linux: $XDG_DATA_HOME (else
// ~/.local/share), then each of $XDG_DATA_DIRS (else /usr/local/share and
// /usr/share). A relative path in either is ignored, as the specification
// asks.
std::vector<fs::path> DataFolders() {
  std::vector<fs::path> folders;
  const fs::path home(Environment("XDG_DATA_HOME"));
  if (home.is_absolute()) {
    folders.push_back(home);
  } else if (const fs::path user(Environment("HOME")); user.is_absolute()) {
    folders.push_back(user / ".local/share");
  }
  std::string_view dirs = Environment("XDG_DATA_DIRS");
  if (dirs.empty()) dirs = "/usr/local/share:/usr/share";
  while (!dirs.empty()) {
    const std::size_t colon = dirs.find(':');
    const fs::path folder(dirs.substr(0, colon));
    if (folder.is_absolute()) folders.push_back(folder);
    dirs = colon == std::string_view::npos ? std::string_view() : dirs.substr(colon + 1);
  }
  return folders;
}

}  // namespace

std::vector<fs::path> ProfileTableFolders() {
  std::vector<fs::path> folders;
  std::error_code error;
  folders.push_back(fs::current_path(error).lexically_normal());
  if (const fs::path program = ProgramFolder(); !program.empty()) {
    folders.push_back((program / FLUVENNA_DATA_FROM_BIN).lexically_normal());
  }
  for (const fs::path& data : DataFolders()) {
    folders.push_back((data / "fluvenna").lexically_normal());
  }
  return folders;
}

ProfileTableSource LoadProfileTableFromUsualFolders(ProfileTable& table) {
  return LoadFoundProfileTable(ProfileTableFolders(), table);
}

}  // namespace fluvenna
