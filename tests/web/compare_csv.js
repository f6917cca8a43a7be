// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Compares two CSV texts of a pass: the same header, the same rows in the
// same order, the first `keyColumns` fields of each row equal (for the
// curves plane, curve, point and psi; for the surface surface and point),
// every other number within `tolerance` of the other relative to the larger
// of the two and the unit length of the plots. Returns the count of rows, of
// numbers whose texts differ at all, and the largest relative difference.
"use strict";

function compareCsv(expected, actual, tolerance, keyColumns = 4) {
  const want = expected.trimEnd().split("\n");
  const got = actual.trimEnd().split("\n");
  if (!want[0] || got[0] !== want[0]) {
    throw new Error(`headers differ: ${JSON.stringify(want[0])} / ${JSON.stringify(got[0])}`);
  }
  if (want.length !== got.length) throw new Error(`${want.length - 1} rows expected, ${got.length - 1} got`);
  let differing = 0;
  let largest = 0;
  let numbers = 0;
  for (let i = 1; i < want.length; ++i) {
    const a = want[i].split(",");
    const b = got[i].split(",");
    if (a.length !== b.length || a.slice(0, keyColumns).join() !== b.slice(0, keyColumns).join()) {
      throw new Error(`row ${i}: ${want[i]} expected, ${got[i]} got`);
    }
    for (let c = keyColumns; c < a.length; ++c) {
      numbers += 1;
      if (a[c] === b[c]) continue;
      differing += 1;
      const x = Number(a[c]);
      const y = Number(b[c]);
      const relative = Math.abs(x - y) / Math.max(Math.abs(x), Math.abs(y), 1);
      largest = Math.max(largest, relative);
      if (!(relative <= tolerance)) throw new Error(`row ${i}: ${want[i]} expected, ${got[i]} got`);
    }
  }
  return { rows: want.length - 1, numbers, differing, largest };
}

module.exports = { compareCsv };
