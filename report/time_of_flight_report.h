// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "flow/circle_model.h"
#include "flow/parameters.h"
#include "flow/time_of_flight.h"
#include "report/catalogue.h"
#include "report/pass_curves.h"

namespace fluvenna {

// The time of flight of a pass from its curves: the flow frame and the
// airfoil plane of every curve but the body. Requires the airfoil plane to
// have been taken (an empty one gives curves without airfoil points, none
// released).
TimeOfFlight TimeOfFlightOf(const FlowParameters& p, const CircleModel& c,
                            const PassCurves& curves);
// What its summary needs of it, worked out alone (ComputeStationTimes).
StationCrossings StationTimesOf(const FlowParameters& p, const CircleModel& c,
                                const PassCurves& curves);

// Every point of every timed curve, one line each, under the header
//   plane,curve,point,psi,x,y,q,t
// the circle plane (the points as the pass traced them) and then the
// airfoil plane (its points after the map), curves in order, points numbered
// from 1; q is the speed in that plane, t the time of flight (the same for a
// point and its image). Numbers have 17 significant digits; an infinite
// value is written "inf" or "-inf" (a stagnation point's time, the speed at
// a trailing edge without the Kutta condition).
void WriteTimesCsv(const TimeOfFlight& times, std::ostream& out);

// The words of the summary of the times, in one place for translation.
// %1 the release line's x, %2 the trailing-edge station's x; %1 the pair
// number m, %2 the psi step m dPsi, %3 the upper time, %4 the lower time.
struct TimesWording {
  std::string heading = QT_TRANSLATE_NOOP(
      "Report", "Time of flight from the release line x = %1 to the trailing-edge station x = %2:");
  std::string pair = QT_TRANSLATE_NOOP("Report", "pair %1 (psi = +-%2): upper %3, lower %4");
  std::string none = QT_TRANSLATE_NOOP("Report", "none");  // a curve missing or not reaching it
  std::string noPairs = QT_TRANSLATE_NOOP("Report", "no streamline pairs (nSL < 4)");
};

// The wording in `language`.
TimesWording TimesWordingIn(Language language);

// The summary: the heading, then one line per pair m (curves 2m + 1 and
// 2m + 2), times with six significant digits; lines end with "\n".
std::string TimesSummaryText(const TimeOfFlight& times, const TimesWording& words = {});
std::string TimesSummaryText(const StationCrossings& times, const TimesWording& words = {});

}  // namespace fluvenna
