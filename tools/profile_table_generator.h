// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "flow/profile_geometry.h"

namespace fluvenna {

// The first field of the table file: a title, which the loader discards. It
// must hold no comma (a comma would end the field).
inline constexpr const char* kProfileTableTitle =
    "Fluvenna Joukowski profiles (nExp 2): DELTA = thickness/chord; GAMA = camber/chord; "
    "Eps; Mu; zero-lift angle of attack in degrees";

// The pairs of profile parameters the scroll bars produce, in hundredths:
// DELTA = 0.01 .. 0.30 and GAMA = 0 .. 0.14, GAMA running fastest.
struct ProfileTableGrid {
  int deltaFirst = 1;
  int deltaLast = 30;
  int gamaFirst = 0;
  int gamaLast = 14;

  int rows() const { return (deltaLast - deltaFirst + 1) * (gamaLast - gamaFirst + 1); }
};

struct OffsetSolveOptions {
  // Converged when |thickness - DELTA| and |camber - GAMA| are both at most
  // this; the measure itself is exact to about 1e-14, and Newton's method
  // gets there in three or four steps from GuessProfileOffsets.
  double tolerance = 1e-13;
  int maxIterations = 40;
  // Forward-difference step of the Jacobian, in Eps and in Mu.
  double jacobianStep = 1e-7;
  // Eps is kept inside (0, epsMax), Mu inside [0, muMax].
  double epsMax = 1.0;
  double muMax = 0.5;
  ProfileMeasureOptions measure;
};

struct OffsetSolution {
  double Eps = 0.0;
  double Mu = 0.0;
  ProfileMeasure measure;  // of the profile at (Eps, Mu)
  int iterations = 0;
  bool converged = false;
};

// The first guess of SolveProfileOffsets, from the thin-profile relations
// DELTA ~ (3 sqrt(3) / 4) Eps / (1 + Eps) and GAMA ~ Mu / (2 (1 + Eps)).
// It depends on (DELTA, GAMA) only, so every row is solved on its own and
// any row can be reproduced alone.
void GuessProfileOffsets(double DELTA, double GAMA, double& Eps, double& Mu);

// Finds the circle-centre offsets whose drawn profile (MeasureProfile) has
//   thickness(Eps, Mu) = DELTA  and  camber(Eps, Mu) = GAMA.
// Newton's method on F = (thickness - DELTA, camber - GAMA), the Jacobian by
// forward differences, safeguarded: every step is cut back into the bounds
// and halved until max |F| falls. GAMA = 0 gives the symmetric profile: Mu
// stays exactly 0 and only Eps is solved for. `converged` is false when the
// tolerance is not met within maxIterations or no halved step helps (for
// example when the target lies outside what the bounds can reach).
OffsetSolution SolveProfileOffsets(double DELTA, double GAMA,
                                   const OffsetSolveOptions& options = {});

// One row of the table file and how well it holds.
struct ProfileTableRow {
  std::string deltaKey;  // column 1 as written, two decimals: "0.07"
  std::string gamaKey;   // column 2 as written: "0.00", "0.10"
  double DELTA = 0.0;    // the keys as the loader reads them
  double GAMA = 0.0;
  double Eps = 0.0;              // column 3
  double Mu = 0.0;               // column 4
  double zeroLiftDegrees = 0.0;  // column 5: -Beta in degrees, Beta = arctan(Mu / (1 + Eps))
  double thicknessError = 0.0;   // measured thickness ratio - DELTA
  double camberError = 0.0;      // measured camber ratio - GAMA
  bool converged = false;
};

// The key text of a value in hundredths: 7 -> "0.07", 10 -> "0.10", 0 -> "0.00".
std::string ProfileKeyText(int hundredths);

// Solves the row for DELTA = deltaHundredths / 100 and GAMA = gamaHundredths / 100.
ProfileTableRow MakeProfileTableRow(int deltaHundredths, int gamaHundredths,
                                    const OffsetSolveOptions& options = {});

// A row as its line of the file: the two keys, then Eps, Mu and the
// zero-lift angle with 17 significant digits, so that they read back exactly.
std::string FormatProfileTableRow(const ProfileTableRow& row);

// The whole file: the title line, the count line, one line per row.
void WriteProfileTable(std::ostream& out, const std::vector<ProfileTableRow>& rows);

}  // namespace fluvenna
