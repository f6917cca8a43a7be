// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "circle_model.h"
#include "parameters.h"
#include "point_arrays.h"
#include "profile_table.h"

namespace fluvenna {

// What a pass made and what happened on the way. `notes` are plain-word
// remarks (a curve cut short or left out, kMax limited); `error` is set when
// the pass stopped early, and says why.
struct PassResult {
  FlowParameters params;
  CircleModel circle;
  int lastCurve = -1;  // curves 0..lastCurve are traced, mapped and drawn
  std::vector<std::string> notes;
  std::optional<std::string> error;

  bool ok() const { return !error.has_value(); }
};

// Highest curve index a pass works on: the whole part of kMax, at most 20
// (the arrays hold curves 0..20); -1 when kMax < 0.
int LastCurve(double kMax);

// The circle-plane half of a pass: reads the texts, selects the profile,
// builds the circle model and curve 0, traces the streamlines and turns and
// shifts them into XP/YP. Refused parameters end it before tracing, with
// `error` set and the arrays untouched.
//
// `profile`, when given, is the map of a profile other than the designed
// one (a NACA section, a coordinate file): the circle is that map's
// (ComputeCircleModel with the map) and delta and gamma are not used. Without
// it the profile is the table row's Joukowski profile, as designed.
PassResult RunCirclePlane(const ParameterTexts& texts, const ProfileTable& table,
                          PointArrays& arrays, std::shared_ptr<const ProfileMap> profile = nullptr);

// The second half: maps XP/YP in place to the airfoil plane by the pass's
// map (result.circle.map). Requires a result of RunCirclePlane without error.
void RunAirfoilPlane(PassResult& result, PointArrays& arrays);

// Both halves at once, for callers that draw nothing in between.
PassResult RunWholePass(const ParameterTexts& texts, const ProfileTable& table, PointArrays& arrays,
                        std::shared_ptr<const ProfileMap> profile = nullptr);

}  // namespace fluvenna
