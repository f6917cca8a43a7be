// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "flow/profile_table.h"

namespace fluvenna {

// Finds the profile table: the first of `folders` that holds a regular file
// named kProfileTableFileName that can be opened for reading (a folder of
// that name, or a file the user may not read, does not count), in the order
// given. The programs pass the working directory first, so that a
// table there always wins, then the folders the table is installed in.
// Returns the file's absolute path, or std::nullopt when no folder holds one.
std::optional<std::filesystem::path> FindProfileTable(
    const std::vector<std::filesystem::path>& folders);

// Where a table was loaded from, and whether that worked.
struct ProfileTableSource {
  std::filesystem::path path;  // absolute path of the file read; empty: none found
  std::optional<std::string>
      failure;  // kProfileTableMessage when none was found or the load failed
};

// FindProfileTable, then LoadProfileTableFile on what it found. With no file
// found the table stays empty (every pass draws the flat plate) and the
// failure is the same message as for a missing file in the working directory.
ProfileTableSource LoadFoundProfileTable(const std::vector<std::filesystem::path>& folders,
                                         ProfileTable& table);

}  // namespace fluvenna
