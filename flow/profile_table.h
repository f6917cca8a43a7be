// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <istream>
#include <optional>
#include <string>

namespace fluvenna {

// The file the program reads its profile table from, in the working directory.
inline constexpr const char* kProfileTableFileName = "KATJO-D20G15.txt";
// The one message every failed load gives ("the file was not found").
inline constexpr const char* kProfileTableMessage = "KATJO-D20G15.txt dosyası bulunamadı";

// The table that turns the two profile parameters (DELTA, GAMA) into the
// circle-centre offsets (Eps, Mu). Rows 1..500; entry 0 is never used.
// Everything starts at 0; rows the loader does not reach stay 0.
struct ProfileTable {
  static constexpr int kCapacity = 500;

  double NTab = 0.0;  // row count as read from the file (may exceed 500 after a failed load)
  std::array<double, kCapacity + 1> TabDelta{};
  std::array<double, kCapacity + 1> TabGama{};
  std::array<double, kCapacity + 1> TabEps{};
  std::array<double, kCapacity + 1> TabMu{};
  std::array<double, kCapacity + 1> TabExtra{};  // zero-lift angle in degrees; read and kept
};

// Reads the table from a stream of fields separated by commas or line breaks
// (blanks around a field are ignored, blank lines skipped): one leading field
// that is discarded, the row count, then five numbers per row.
//
// Returns std::nullopt on success, or kProfileTableMessage when the load
// failed: a count or value that is not a number, a row with Eps = -1 (its
// circle would divide by zero), the end of the data before the declared rows,
// or a count that needs row 501. Whatever was stored before the failure is
// kept, as are NTab once it was read.
std::optional<std::string> LoadProfileTable(std::istream& in, ProfileTable& table);

// Opens `path` (by default the bare file name, i.e. the working directory)
// and loads it as above; a file that cannot be opened fails the same way.
std::optional<std::string> LoadProfileTableFile(ProfileTable& table,
                                                const std::string& path = kProfileTableFileName);

}  // namespace fluvenna
