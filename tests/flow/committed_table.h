// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "flow/profile_table.h"

namespace fluvenna::testing {

// The profile table committed with the sources, loaded once for the tests
// that run passes over real profiles.
inline const ProfileTable& CommittedTable() {
  static const std::unique_ptr<ProfileTable> table = [] {
    auto t = std::make_unique<ProfileTable>();
    const std::string path = std::string(FLUVENNA_SOURCE_DIR) + "/data/" + kProfileTableFileName;
    EXPECT_FALSE(LoadProfileTableFile(*t, path).has_value());
    return t;
  }();
  return *table;
}

}  // namespace fluvenna::testing
