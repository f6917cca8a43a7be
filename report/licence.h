// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace fluvenna {

// The licence of every part of Fluvenna, as an SPDX identifier.
inline constexpr const char* kLicenceIdentifier = "GPL-3.0-or-later";

// What `--version` prints: the program's name and version, then who holds the
// copyright, the licence and that there is no warranty (the GNU convention).
inline std::string VersionText(const std::string& program, const std::string& version) {
  return program + " " + version +
         "\n"
         "Copyright 2026 Fluvenna developers\n"
         "Licence: " +
         kLicenceIdentifier +
         " (GNU General Public License, version 3 or any later version)\n"
         "This is free software: you are free to change and redistribute it.\n"
         "There is NO WARRANTY, to the extent permitted by law.\n";
}

}  // namespace fluvenna
