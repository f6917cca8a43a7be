// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/table_location.h"

#include <fstream>
#include <system_error>

namespace fluvenna {

std::optional<std::filesystem::path> FindProfileTable(
    const std::vector<std::filesystem::path>& folders) {
  for (const std::filesystem::path& folder : folders) {
    if (folder.empty()) continue;
    std::error_code error;
    const std::filesystem::path file = folder / kProfileTableFileName;
    if (!std::filesystem::is_regular_file(file, error) || !std::ifstream(file).is_open()) continue;
    const std::filesystem::path absolute = std::filesystem::absolute(file, error);
    return (error ? file : absolute).lexically_normal();
  }
  return std::nullopt;
}

ProfileTableSource LoadFoundProfileTable(const std::vector<std::filesystem::path>& folders,
                                         ProfileTable& table) {
  ProfileTableSource source;
  const std::optional<std::filesystem::path> found = FindProfileTable(folders);
  if (!found) {
    source.failure = std::string(kProfileTableMessage);
    return source;
  }
  source.path = *found;
  source.failure = LoadProfileTableFile(table, found->string());
  return source;
}

}  // namespace fluvenna
