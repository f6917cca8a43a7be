// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "flow/profile_table.h"

namespace fluvenna {

// The table the benchmarks run on: one row, the cambered profile of delta
// 0.1 and gamma 0.05, so that a pass's time is the flow's and not the search.
inline ProfileTable OneRowTable() {
  ProfileTable t;
  t.NTab = 1;
  t.TabDelta[1] = 0.1;
  t.TabGama[1] = 0.05;
  t.TabEps[1] = 0.1;
  t.TabMu[1] = 0.05;
  return t;
}

}  // namespace fluvenna
