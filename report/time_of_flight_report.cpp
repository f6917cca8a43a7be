// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/time_of_flight_report.h"

#include <charconv>
#include <cmath>

#include "flow/decimal_text.h"
#include "report/exact_number_text.h"
#include "report/number_text.h"

namespace fluvenna {
namespace {

std::string Exact(double value) {
  if (std::isinf(value)) return value > 0.0 ? "inf" : "-inf";
  return SeventeenDigitText(value);
}

std::string Short(double value) {
  // Six significant digits, "." whatever the locale (and where the standard
  // library lacks floating-point to_chars, as the page's module's does).
  return DecimalText(value, std::chars_format::general, 6);
}

void Row(const char* plane, const CurveTimes& curve, int point, double x, double y, double q,
         double t, std::ostream& out) {
  out << plane << ',' << curve.k << ',' << point << ',' << SeventeenDigitText(curve.PSI) << ','
      << Exact(x) << ',' << Exact(y) << ',' << Exact(q) << ',' << Exact(t) << '\n';
}

// The traced curves of a pass as the time of flight takes them.
std::vector<TracedCurve> TracedCurvesOf(const PassCurves& curves) {
  std::vector<TracedCurve> traced;
  const std::vector<PlaneCurve>& flow = curves.flow();
  const std::vector<PlaneCurve>& airfoil = curves.airfoil();
  for (std::size_t i = 0; i < flow.size(); ++i) {
    if (flow[i].k < 1) continue;
    TracedCurve curve;
    curve.k = flow[i].k;
    curve.PSI = flow[i].PSI;
    curve.flowX = flow[i].x;
    curve.flowY = flow[i].y;
    if (i < airfoil.size() && airfoil[i].k == flow[i].k) {
      curve.airfoilX = airfoil[i].x;
      curve.airfoilY = airfoil[i].y;
    }
    traced.push_back(curve);
  }
  return traced;
}

}  // namespace

TimeOfFlight TimeOfFlightOf(const FlowParameters& p, const CircleModel& c,
                            const PassCurves& curves) {
  return ComputeTimeOfFlight(p, c, TracedCurvesOf(curves));
}

StationCrossings StationTimesOf(const FlowParameters& p, const CircleModel& c,
                                const PassCurves& curves) {
  return ComputeStationTimes(p, c, TracedCurvesOf(curves));
}

void WriteTimesCsv(const TimeOfFlight& times, std::ostream& out) {
  out << "plane,curve,point,psi,x,y,q,t\n";
  for (const CurveTimes& curve : times.curves) {
    for (std::size_t j = 0; j < curve.t.size(); ++j) {
      Row("circle", curve, static_cast<int>(j) + 1, curve.cx[j], curve.cy[j], curve.qc[j],
          curve.t[j], out);
    }
  }
  for (const CurveTimes& curve : times.curves) {
    for (std::size_t i = 0; i < curve.ax.size(); ++i) {
      Row("airfoil", curve, static_cast<int>(i) + 1, curve.ax[i], curve.ay[i], curve.qa[i],
          curve.AirfoilTime(static_cast<int>(i)), out);
    }
  }
}

std::string TimesSummaryText(const TimeOfFlight& times, const TimesWording& words) {
  return TimesSummaryText(StationCrossingsOf(times), words);
}

std::string TimesSummaryText(const StationCrossings& times, const TimesWording& words) {
  std::string text =
      FillMarkers(words.heading, {Short(times.releaseX), Short(times.stationX)}) + "\n";
  const std::vector<PairTimes>& pairs = times.pairs;
  if (pairs.empty()) return text + words.noPairs + "\n";
  const auto time = [&](const std::optional<double>& t) { return t ? Short(*t) : words.none; };
  for (const PairTimes& pair : pairs) {
    text += FillMarkers(words.pair, {std::to_string(pair.m), Short(pair.psi), time(pair.upper),
                                     time(pair.lower)}) +
            "\n";
  }
  return text;
}

TimesWording TimesWordingIn(Language language) {
  TimesWording w;
  for (std::string* text : {&w.heading, &w.pair, &w.none, &w.noPairs}) {
    *text = Translate(language, "Report", *text);
  }
  return w;
}

}  // namespace fluvenna
