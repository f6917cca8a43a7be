// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/parameters.h"

#include <algorithm>
#include <cmath>

#include "flow/leading_number.h"

namespace fluvenna {

int SelectProfile(const ProfileTable& table, double DELTA, double GAMA, double& Eps, double& Mu) {
  Eps = 0.0;
  Mu = 0.0;
  int selected = 0;
  // NTab may exceed the rows held after a failed load; never look past them.
  const double rows = std::min(table.NTab, static_cast<double>(ProfileTable::kCapacity));
  for (int i = 1; i <= rows; ++i) {
    if (table.TabDelta[i] == DELTA && table.TabGama[i] == GAMA) {
      Eps = table.TabEps[i];
      Mu = table.TabMu[i];
      selected = i;
    }
  }
  return selected;
}

FlowParameters ReadParameters(const ParameterTexts& texts, const ProfileTable& table) {
  FlowParameters p;
  p.Pi = 4.0 * std::atan(1.0);
  p.DegRad = p.Pi / 180.0;
  p.DELTA = LeadingNumber(texts.DELTA);
  p.GAMA = LeadingNumber(texts.GAMA);
  p.nExp = 2;
  p.Alfa = LeadingNumber(texts.Alfa);
  p.iKutta = LeadingNumber(texts.iKutta);
  p.profileRow = SelectProfile(table, p.DELTA, p.GAMA, p.Eps, p.Mu);
  p.Chord = 1;
  p.Olcek = LeadingNumber(texts.Olcek);
  p.dPsi = LeadingNumber(texts.dPsi);
  p.kMax = LeadingNumber(texts.kMax);
  p.XMax = p.Olcek;
  p.dR = LeadingNumber(texts.dR);
  p.U0 = 1;
  return p;
}

std::optional<std::string> RefuseParameters(const FlowParameters& p) {
  const struct {
    const char* name;
    double value;
  } values[] = {{"delta", p.DELTA},         {"gamma", p.GAMA}, {"alpha", p.Alfa},
                {"Kutta factor", p.iKutta}, {"dPsi", p.dPsi},  {"nSL", p.kMax},
                {"Scale", p.Olcek},         {"dR", p.dR}};
  for (const auto& v : values) {
    if (!std::isfinite(v.value)) {
      return std::string("the value of ") + v.name + " is too large to compute with";
    }
  }
  if (p.dR <= 0.0) return std::string("dR must be greater than 0 to trace the streamlines");
  if (p.Olcek == 0.0) return std::string("Scale must not be 0: the plots would have no width");
  return std::nullopt;
}

}  // namespace fluvenna
