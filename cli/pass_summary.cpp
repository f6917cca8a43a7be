#include "cli/pass_summary.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <sstream>

#include "flow/exact_number_text.h"
#include "flow/profile_geometry.h"

namespace fluvenna {
namespace {

std::optional<double> IfFinite(double value) {
  return std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

std::string Text(const std::optional<double>& value, const std::string& missing) {
  return value ? ShortestText(*value) : missing;
}

QJsonValue Json(const std::optional<double>& value) {
  return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

}  // namespace

PassSummary SummarisePass(const PassResult& result, const PassCurves& curves) {
  const FlowParameters& p = result.params;
  const CircleModel& c = result.circle;
  PassSummary s;
  s.profileRow = p.profileRow;
  s.DELTA = IfFinite(p.DELTA);
  s.GAMA = IfFinite(p.GAMA);
  s.Eps = IfFinite(p.Eps);
  s.Mu = IfFinite(p.Mu);

  // A pass that stopped before its circle leaves the model at zero.
  const bool circleMade = s.Eps && s.Mu && std::isfinite(c.A) && c.A > 0.0 && std::isfinite(c.cJ);
  if (!circleMade) {
    s.notComputed = "the pass ended before the circle was made";
  } else {
    s.cJ = c.cJ;
    s.A = c.A;
    s.Beta = IfFinite(c.Beta);
    s.Circ = IfFinite(c.Circ);
    s.Gm = IfFinite(c.Gm);
    const double chord = MeasureProfile(*s.Eps, *s.Mu).chord;
    if (std::isfinite(chord) && chord > 0.0) s.chord = chord;
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

std::string SummaryText(const PassSummary& s) {
  std::ostringstream out;
  const std::string missing = "not computed";
  const std::string keys =
      "delta " + Text(s.DELTA, "out of range") + ", gamma " + Text(s.GAMA, "out of range");
  if (s.profileRow > 0) {
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
  };
  for (const auto& [name, value] : lines) {
    out << name << std::string(7 - std::string(name).size(), ' ') << value << '\n';
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
  return out.str();
}

std::string SummaryJson(const PassSummary& s) {
  QJsonObject o;
  o.insert(QStringLiteral("profileRow"),
           s.profileRow > 0 ? QJsonValue(s.profileRow) : QJsonValue(QJsonValue::Null));
  o.insert(QStringLiteral("flatPlate"), s.profileRow == 0);
  o.insert(QStringLiteral("delta"), Json(s.DELTA));
  o.insert(QStringLiteral("gamma"), Json(s.GAMA));
  o.insert(QStringLiteral("Eps"), Json(s.Eps));
  o.insert(QStringLiteral("Mu"), Json(s.Mu));
  o.insert(QStringLiteral("cJ"), Json(s.cJ));
  o.insert(QStringLiteral("A"), Json(s.A));
  o.insert(QStringLiteral("Beta"), Json(s.Beta));
  o.insert(QStringLiteral("Circ"), Json(s.Circ));
  o.insert(QStringLiteral("Gm"), Json(s.Gm));
  o.insert(QStringLiteral("chord"), Json(s.chord));
  o.insert(QStringLiteral("C_L"), Json(s.CL));
  if (!s.CL) o.insert(QStringLiteral("C_L_missing"), QString::fromStdString(s.notComputed));
  QJsonArray curves;
  for (const PassSummary::Curve& curve : s.curves) {
    curves.append(QJsonObject{{QStringLiteral("curve"), curve.k},
                              {QStringLiteral("NP"), curve.NP},
                              {QStringLiteral("PSI"), Json(curve.PSI)}});
  }
  o.insert(QStringLiteral("curves"), curves);
  return QJsonDocument(o).toJson(QJsonDocument::Compact).toStdString() + "\n";
}

}  // namespace fluvenna
