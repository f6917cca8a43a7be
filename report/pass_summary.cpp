// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/pass_summary.h"

#include <cmath>
#include <nlohmann/json.hpp>
#include <sstream>
#include <utility>

#include "flow/lift_curve.h"
#include "flow/profile_geometry.h"
#include "report/boundary_layer_report.h"
#include "report/exact_number_text.h"
#include "report/number_text.h"

namespace fluvenna {
namespace {

std::optional<double> IfFinite(double value) {
  return std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

std::string Text(const std::optional<double>& value, const std::string& missing) {
  return value ? ShortestText(*value) : missing;
}

using Json = nlohmann::ordered_json;

// A JSON number, or null for a missing value.
Json JsonNumber(const std::optional<double>& value) {
  return value ? Json(*value) : Json(nullptr);
}

// Writes `value` as nlohmann::json does without indent, except that every
// floating-point number is the shortest text that reads back as the same
// double ("0.1", "-2", "1e-05"), as the text summary writes it. Strings that
// are not valid UTF-8 (a table path may be anything) get U+FFFD in place.
void WriteJson(const Json& value, std::string& out) {
  switch (value.type()) {
    case Json::value_t::object: {
      out += '{';
      bool first = true;
      for (const auto& [key, member] : value.items()) {
        if (!first) out += ',';
        first = false;
        WriteJson(Json(key), out);
        out += ':';
        WriteJson(member, out);
      }
      out += '}';
      break;
    }
    case Json::value_t::array: {
      out += '[';
      for (std::size_t i = 0; i < value.size(); ++i) {
        if (i) out += ',';
        WriteJson(value[i], out);
      }
      out += ']';
      break;
    }
    case Json::value_t::number_float:
      out += ShortestText(value.get<double>());
      break;
    default:
      out += value.dump(-1, ' ', false, Json::error_handler_t::replace);
  }
}

}  // namespace

PassSummary SummarisePass(const PassResult& result, const PassCurves& curves,
                          const SurfacePressure* pressure, const ProfileMeasure* measured) {
  const FlowParameters& p = result.params;
  const CircleModel& c = result.circle;
  PassSummary s;
  s.profileRow = p.profileRow;
  s.DELTA = IfFinite(p.DELTA);
  s.GAMA = IfFinite(p.GAMA);
  s.Eps = IfFinite(p.Eps);
  s.Mu = IfFinite(p.Mu);

  // A pass that stopped before its circle leaves the model at zero.
  // Any other profile's map has its own circle; delta and gamma are not used.
  const bool designed = !c.map || c.map->Joukowski();
  const bool circleMade = s.Eps && s.Mu && std::isfinite(c.A) && c.A > 0.0 && std::isfinite(c.cJ);
  if (!circleMade) {
    s.notComputed = "the pass ended before the circle was made";
  } else {
    if (designed) s.cJ = c.cJ;
    s.A = c.A;
    s.Beta = IfFinite(c.Beta);
    s.Circ = IfFinite(c.Circ);
    s.Gm = IfFinite(c.Gm);
    std::optional<ProfileMeasure> own;
    const ProfileMeasure& profile = measured   ? *measured
                                    : designed ? own.emplace(MeasureProfile(*s.Eps, *s.Mu))
                                               : own.emplace(MeasureProfile(*c.map));
    const double chord = profile.chord;
    if (std::isfinite(chord) && chord > 0.0) s.chord = chord;
    std::optional<SurfacePressure> computed;
    if (!pressure && s.chord && result.ok()) {
      computed = ComputeSurfacePressure(p, c, profile);
      pressure = &*computed;
    }
    if (pressure && !pressure->points.empty()) {
      if (pressure->CL) s.CLPressure = IfFinite(*pressure->CL);
      if (!pressure->leadingEdgeKept)
        s.notIntegrated = "the speed at the leading edge is unbounded";
      s.CpMin = IfFinite(pressure->CpMin);
      s.CpMinXc = IfFinite(pressure->CpMinXc);
      if (s.CpMin) s.CpMinSurface = SurfaceSideName(pressure->CpMinSide);
    }
    const LiftCurve lift =
        designed ? ComputeLiftCurve(p, chord) : ComputeLiftCurve(p, chord, c.map);
    s.CLSlope = lift.slopePerRad;
    s.zeroLiftDeg = lift.zeroLiftDeg;
    s.zeroLiftThinDeg = lift.zeroLiftThinDeg;
    if (!s.chord) {
      s.notComputed = "the chord of the profile could not be measured";
    } else if (!s.Circ) {
      s.notComputed = "the circulation is not a finite number";
    } else {
      s.CL = IfFinite(LiftCoefficient(*s.Circ, p.U0, *s.chord));
      if (!s.CL) s.notComputed = "the lift coefficient is not a finite number";
    }
  }
  for (const PlaneCurve& curve : curves.circle()) {
    s.curves.push_back({curve.k, curve.NP(), IfFinite(curve.PSI)});
  }
  return s;
}

void AddProfile(PassSummary& s, const LoadedProfile& profile) {
  const ProfileReport& r = profile.contour.report;
  PassSummary::Profile p;
  p.name = r.name;
  p.thickness = r.thickness;
  p.camber = r.camber;
  p.teAngleDeg = r.trailingEdgeAngle * 45.0 / std::atan(1.0);
  p.teGap = r.closedGap;
  p.mapTerms = profile.map->theodorsen().Terms();
  p.mapResidual = profile.map->theodorsen().Residual();
  s.profile = p;
}

void AddBoundaryLayer(PassSummary& s, const BoundaryLayer& layer, const WingFlow* wing) {
  s.reynolds = layer.reynolds;
  s.CD = layer.cd;
  s.CDFriction = layer.cdFriction;
  if (!layer.computed()) {
    s.CDMissing = BoundaryLayerNotComputedText(layer.status, Language::kEnglish);
  } else if (layer.dragStatus == DragStatus::kSeparatesEarly) {
    s.CDMissing = "not predicted: the flow separates at x/c = " +
                  FixedText(layer.earlySeparationXc.value_or(0.0), 3) + " on the " +
                  SurfaceSideName(layer.earlySeparationSide) + " surface";
  }
  s.xTransitionUpper = layer.upper.xTransition;
  s.xTransitionLower = layer.lower.xTransition;
  s.xSeparationUpper = layer.upper.xSeparation;
  s.xSeparationLower = layer.lower.xSeparation;
  s.wing = wing != nullptr;
  if (wing) {
    if (s.CL) s.liftPerSpan = wing->PerSpan(*s.CL);
    if (s.CD) s.dragPerSpan = wing->PerSpan(*s.CD);
  }
}

std::string SummaryText(const PassSummary& s) {
  std::ostringstream out;
  const std::string missing = "not computed";
  const std::string keys =
      "delta " + Text(s.DELTA, "out of range") + ", gamma " + Text(s.GAMA, "out of range");
  if (s.profile) {
    const PassSummary::Profile& p = *s.profile;
    out << "profile " << p.name << " (t/c " << Text(p.thickness, "") << ", f/c "
        << Text(p.camber, "") << ", trailing-edge angle " << Text(p.teAngleDeg, "")
        << " degrees, gap closed " << Text(p.teGap, "") << ")\n";
    out << "map    " << p.mapTerms << " Fourier terms, contour within " << Text(p.mapResidual, "")
        << " chords\n";
  } else if (s.profileRow > 0) {
    out << "profile row " << s.profileRow << " (" << keys << ")\n";
  } else {
    out << "profile row: none matches " << keys << "; the flat plate is drawn\n";
  }
  const std::pair<const char*, std::string> lines[] = {
      {"Eps", Text(s.Eps, missing)},
      {"Mu", Text(s.Mu, missing)},
      {"cJ", Text(s.cJ, missing)},
      {"A", Text(s.A, missing)},
      {"Beta", Text(s.Beta, missing)},
      {"Circ", Text(s.Circ, missing)},
      {"Gm", Text(s.Gm, missing)},
      {"chord", Text(s.chord, missing)},
      {"C_L", s.CL ? LiftCoefficientText(*s.CL) : missing + ": " + s.notComputed},
      {"C_L Cp", s.CLPressure ? LiftCoefficientText(*s.CLPressure) + " (integrated from Cp)"
                              : missing + (s.notIntegrated.empty() ? "" : ": " + s.notIntegrated)},
      {"Cp min", s.CpMin ? Text(s.CpMin, missing) + " at x/c " + Text(s.CpMinXc, missing) + ", " +
                               s.CpMinSurface + " surface"
                         : missing},
      {"slope",
       s.CLSlope ? Text(s.CLSlope, missing) + " per radian (dC_L/dalpha at alpha)" : missing},
      {"a_L0", s.zeroLiftDeg ? Text(s.zeroLiftDeg, missing) + " degrees (thin-airfoil theory " +
                                   Text(s.zeroLiftThinDeg, missing) + ")"
                             : missing},
  };
  for (const auto& [name, value] : lines) {
    out << name << std::string(7 - std::string(name).size(), ' ') << value << '\n';
  }
  if (s.reynolds) {
    const std::string none = "none";
    const std::pair<const char*, std::string> viscous[] = {
        {"Re", Text(s.reynolds, missing)},
        {"C_D", s.CD ? Text(s.CD, missing) + " (friction " + Text(s.CDFriction, missing) + ")"
                     : s.CDMissing},
        {"x_tr",
         "upper " + Text(s.xTransitionUpper, none) + ", lower " + Text(s.xTransitionLower, none)},
        {"x_sep",
         "upper " + Text(s.xSeparationUpper, none) + ", lower " + Text(s.xSeparationLower, none)},
    };
    for (const auto& [name, value] : viscous) {
      out << name << std::string(7 - std::string(name).size(), ' ') << value << '\n';
    }
    if (s.wing) {
      out << "L'     " << Text(s.liftPerSpan, missing) << " N/m\n";
      out << "D'     " << Text(s.dragPerSpan, missing) << " N/m\n";
    }
  }
  if (s.curves.empty()) {
    out << "no curves\n";
  } else {
    out << "curve  NP    PSI\n";
    for (const PassSummary::Curve& curve : s.curves) {
      const std::string k = std::to_string(curve.k), np = std::to_string(curve.NP);
      out << std::string(5 - k.size(), ' ') << k << "  " << np
          << std::string(np.size() < 6 ? 6 - np.size() : 1, ' ') << Text(curve.PSI, missing)
          << '\n';
    }
  }
  if (s.table.empty()) {
    out << "table  none loaded; every pair draws the flat plate\n";
  } else {
    out << "table  " << s.table;
    if (s.tableFailure) out << " (read only in part: " << *s.tableFailure << ')';
    out << '\n';
  }
  return out.str();
}

std::string SummaryJson(const PassSummary& s) {
  Json o;
  o["profileRow"] = s.profileRow > 0 ? Json(s.profileRow) : Json(nullptr);
  if (s.profile) {
    o["profile"] = s.profile->name;
    o["thickness"] = JsonNumber(s.profile->thickness);
    o["camber"] = JsonNumber(s.profile->camber);
    o["te_angle_deg"] = JsonNumber(s.profile->teAngleDeg);
    o["te_gap"] = JsonNumber(s.profile->teGap);
    o["map_terms"] = s.profile->mapTerms;
    o["map_residual"] = JsonNumber(s.profile->mapResidual);
  }
  o["flatPlate"] = !s.profile && s.profileRow == 0;
  const std::pair<const char*, const std::optional<double>&> numbers[] = {
      {"delta", s.DELTA}, {"gamma", s.GAMA},  {"Eps", s.Eps},   {"Mu", s.Mu},
      {"cJ", s.cJ},       {"A", s.A},         {"Beta", s.Beta}, {"Circ", s.Circ},
      {"Gm", s.Gm},       {"chord", s.chord}, {"C_L", s.CL}};
  for (const auto& [name, value] : numbers) o[name] = JsonNumber(value);
  if (!s.CL) o["C_L_missing"] = s.notComputed;
  o["C_L_pressure"] = JsonNumber(s.CLPressure);
  o["Cp_min"] = JsonNumber(s.CpMin);
  o["Cp_min_xc"] = JsonNumber(s.CpMinXc);
  o["Cp_min_surface"] = s.CpMin ? Json(s.CpMinSurface) : Json(nullptr);
  o["C_L_slope"] = JsonNumber(s.CLSlope);
  o["alpha_L0_deg"] = JsonNumber(s.zeroLiftDeg);
  o["alpha_L0_thin_deg"] = JsonNumber(s.zeroLiftThinDeg);
  if (s.releaseX) {
    o["release_x"] = JsonNumber(s.releaseX);
    o["station_x"] = JsonNumber(s.stationX);
    Json pairs = Json::array();
    for (const PairTimes& pair : s.stationTimes) {
      pairs.push_back({{"m", pair.m},
                       {"psi", JsonNumber(pair.psi)},
                       {"upper", JsonNumber(pair.upper)},
                       {"lower", JsonNumber(pair.lower)}});
    }
    o["station_times"] = std::move(pairs);
  }
  if (s.reynolds) {
    o["Re"] = JsonNumber(s.reynolds);
    o["C_D"] = JsonNumber(s.CD);
    o["C_D_friction"] = JsonNumber(s.CDFriction);
    if (!s.CD) o["C_D_missing"] = s.CDMissing;
    o["x_transition_upper"] = JsonNumber(s.xTransitionUpper);
    o["x_transition_lower"] = JsonNumber(s.xTransitionLower);
    o["x_separation_upper"] = JsonNumber(s.xSeparationUpper);
    o["x_separation_lower"] = JsonNumber(s.xSeparationLower);
    if (s.wing) {
      o["lift_per_span_N"] = JsonNumber(s.liftPerSpan);
      o["drag_per_span_N"] = JsonNumber(s.dragPerSpan);
    }
  }
  Json curves = Json::array();
  for (const PassSummary::Curve& curve : s.curves) {
    curves.push_back({{"curve", curve.k}, {"NP", curve.NP}, {"PSI", JsonNumber(curve.PSI)}});
  }
  o["curves"] = std::move(curves);
  o["table"] = s.table.empty() ? Json(nullptr) : Json(s.table);
  if (!s.table.empty() && s.tableFailure) o["tableFailure"] = *s.tableFailure;
  std::string out;
  WriteJson(o, out);
  return out + "\n";
}

}  // namespace fluvenna
