// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The table loader must survive any file: no crash, no write past row 500.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "flow/profile_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  fluvenna::ProfileTable table;
  const auto message = fluvenna::LoadProfileTable(in, table);
  if (!message && table.NTab > fluvenna::ProfileTable::kCapacity) std::abort();
  return 0;
}
