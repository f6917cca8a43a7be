// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "profile_table.h"

namespace fluvenna {

// The eight parameter texts, as the text boxes hold them. The defaults are
// the texts the window opens with.
struct ParameterTexts {
  std::string DELTA = "0.01";  // thickness parameter
  std::string GAMA = "0";      // camber parameter
  std::string Alfa = "0";      // angle of attack, degrees
  std::string iKutta = "1";    // Kutta factor
  std::string dPsi = "0.1";    // stream-function step between streamlines
  std::string kMax = "2";      // highest curve index ("nSL")
  std::string Olcek = "1";     // drawing scale: half the plotted width
  std::string dR = "0.01";     // radial step of the tracing
};

// The flow parameters and fixed values of one pass.
struct FlowParameters {
  double Pi = 0.0;      // 4 arctan(1)
  double DegRad = 0.0;  // Pi / 180
  double DELTA = 0.0;
  double GAMA = 0.0;
  int nExp = 0;  // exponent of the profile map, always 2
  double Alfa = 0.0;
  double iKutta = 0.0;
  int Chord = 0;  // reference length of the map constant, always 1
  double Olcek = 0.0;
  double dPsi = 0.0;
  double kMax = 0.0;  // may carry a fraction; curves with whole indices up to it count
  double XMax = 0.0;  // copy of Olcek: where the tracing of a streamline ends
  double dR = 0.0;
  int U0 = 0;          // free-stream speed, always 1
  double Eps = 0.0;    // circle-centre x-offset ratio of the selected row, else 0
  double Mu = 0.0;     // circle-centre y-offset ratio of the selected row, else 0
  int profileRow = 0;  // the selected table row, 0 when none matched
};

// Profile selection: scans rows 1..min(NTab, 500) and takes Eps and Mu from
// the last row whose keys equal DELTA and GAMA exactly. Returns that row's
// number, or 0 (Eps = Mu = 0, the flat plate) when none matches.
int SelectProfile(const ProfileTable& table, double DELTA, double GAMA, double& Eps, double& Mu);

// The head of a pass: reads the eight texts by the leading-number rule in
// their fixed order, sets the constants and selects the profile row.
FlowParameters ReadParameters(const ParameterTexts& texts, const ProfileTable& table);

// The parameters a pass cannot trace with: a non-finite value, dR <= 0, or
// Olcek = 0. Returns a message naming the parameter, or std::nullopt.
std::optional<std::string> RefuseParameters(const FlowParameters& p);

}  // namespace fluvenna
