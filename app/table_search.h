// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <vector>

#include "flow/profile_table.h"
#include "flow/table_location.h"

namespace fluvenna {

// The folders the window and the renderer look in for the profile table, in
// this order:
//  1. the working directory, so that a table there always wins;
//  2. the program's own data folder, <prefix>/share/fluvenna, found from the
//     folder of the running executable (<prefix>/bin), so that a prefix moved
//     as a whole still finds its table;
//  3. "fluvenna" in each generic data folder of the XDG base directories:
//     $XDG_DATA_HOME (else ~/.local/share), then each of $XDG_DATA_DIRS
//     (else /usr/local/share, /usr/share), as Qt's GenericDataLocation lists
//     them; relative paths in either are ignored.
std::vector<std::filesystem::path> ProfileTableFolders();

// Finds the table in ProfileTableFolders() and loads it (LoadFoundProfileTable).
// When no folder holds one, the failure is the usual message and the table
// stays empty, so that every pass draws the flat plate.
ProfileTableSource LoadProfileTableFromUsualFolders(ProfileTable& table);

}  // namespace fluvenna
