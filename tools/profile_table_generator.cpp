// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/profile_table_generator.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "flow/circle_model.h"
#include "flow/parameters.h"
#include "report/exact_number_text.h"

namespace fluvenna {
namespace {

// 3 sqrt(3) / 4: thickness ratio of a thin symmetric Joukowski profile per
// unit of Eps / (1 + Eps).
constexpr double kThinThicknessFactor = 1.2990381056766580;
constexpr int kMaxHalvings = 40;

struct Residual {
  double thickness = 0.0;  // thickness ratio - DELTA
  double camber = 0.0;     // camber ratio - GAMA
  double norm() const { return std::max(std::fabs(thickness), std::fabs(camber)); }
};

// The two equations of a row, evaluated on the measured profile.
class RowEquations {
 public:
  RowEquations(double DELTA, double GAMA, const OffsetSolveOptions& options)
      : DELTA_(DELTA), GAMA_(GAMA), options_(options) {}

  ProfileMeasure Measure(double Eps, double Mu) const {
    return MeasureProfile(Eps, Mu, options_.measure);
  }
  Residual Of(const ProfileMeasure& m) const { return {m.thickness - DELTA_, m.camber - GAMA_}; }

 private:
  double DELTA_, GAMA_;
  const OffsetSolveOptions& options_;
};

// Moves x by `step` but keeps it strictly inside (lo, hi), or inside [lo, hi]
// when `closedBelow`: a step past a bound goes halfway to it instead.
double StepWithin(double x, double step, double lo, double hi, bool closedBelow) {
  const double next = x + step;
  if (next >= hi) return 0.5 * (x + hi);
  if (next < lo || (next == lo && !closedBelow)) return closedBelow ? lo : 0.5 * (x + lo);
  return next;
}

}  // namespace

void GuessProfileOffsets(double DELTA, double GAMA, double& Eps, double& Mu) {
  Eps = DELTA / (kThinThicknessFactor - DELTA);
  Mu = 2.0 * GAMA * (1.0 + Eps);
}

OffsetSolution SolveProfileOffsets(double DELTA, double GAMA, const OffsetSolveOptions& options) {
  const RowEquations equations(DELTA, GAMA, options);
  const bool symmetric = (GAMA == 0.0);
  OffsetSolution s;
  GuessProfileOffsets(DELTA, GAMA, s.Eps, s.Mu);
  if (!(s.Eps > 0.0 && s.Eps < options.epsMax)) s.Eps = 0.5 * options.epsMax;
  s.Mu = symmetric ? 0.0 : std::clamp(s.Mu, 0.0, options.muMax);
  s.measure = equations.Measure(s.Eps, s.Mu);
  Residual r = equations.Of(s.measure);

  const double h = options.jacobianStep;
  for (s.iterations = 0; s.iterations < options.maxIterations; ++s.iterations) {
    if (r.norm() <= options.tolerance) break;

    // Forward differences, stepping away from the upper bounds.
    const double hE = (s.Eps + h < options.epsMax) ? h : -h;
    const Residual rE = equations.Of(equations.Measure(s.Eps + hE, s.Mu));
    const double tE = (rE.thickness - r.thickness) / hE, cE = (rE.camber - r.camber) / hE;
    double dEps = 0.0, dMu = 0.0;
    if (symmetric) {
      if (tE == 0.0) break;
      dEps = -r.thickness / tE;
    } else {
      const double hM = (s.Mu + h <= options.muMax) ? h : -h;
      const Residual rM = equations.Of(equations.Measure(s.Eps, s.Mu + hM));
      const double tM = (rM.thickness - r.thickness) / hM, cM = (rM.camber - r.camber) / hM;
      const double det = tE * cM - tM * cE;
      if (det == 0.0 || !std::isfinite(det)) break;
      dEps = -(cM * r.thickness - tM * r.camber) / det;
      dMu = -(tE * r.camber - cE * r.thickness) / det;
    }

    // Halve the step until the residual falls.
    bool accepted = false;
    for (int halving = 0; halving < kMaxHalvings && !accepted; ++halving) {
      const double scale = std::ldexp(1.0, -halving);
      const double Eps = StepWithin(s.Eps, scale * dEps, 0.0, options.epsMax, false);
      const double Mu = symmetric ? 0.0 : StepWithin(s.Mu, scale * dMu, 0.0, options.muMax, true);
      const ProfileMeasure m = equations.Measure(Eps, Mu);
      const Residual trial = equations.Of(m);
      if (trial.norm() < r.norm()) {
        s.Eps = Eps, s.Mu = Mu, s.measure = m, r = trial;
        accepted = true;
      }
    }
    if (!accepted) break;
  }
  s.converged = r.norm() <= options.tolerance;
  return s;
}

std::string ProfileKeyText(int hundredths) {
  const char digits[] = {static_cast<char>('0' + hundredths / 10 % 10),
                         static_cast<char>('0' + hundredths % 10), '\0'};
  return std::to_string(hundredths / 100) + "." + digits;
}

ProfileTableRow MakeProfileTableRow(int deltaHundredths, int gamaHundredths,
                                    const OffsetSolveOptions& options) {
  ProfileTableRow row;
  row.deltaKey = ProfileKeyText(deltaHundredths);
  row.gamaKey = ProfileKeyText(gamaHundredths);
  // The targets are the keys exactly as the loader will read them.
  std::from_chars(row.deltaKey.data(), row.deltaKey.data() + row.deltaKey.size(), row.DELTA);
  std::from_chars(row.gamaKey.data(), row.gamaKey.data() + row.gamaKey.size(), row.GAMA);

  const OffsetSolution s = SolveProfileOffsets(row.DELTA, row.GAMA, options);
  row.Eps = s.Eps;
  row.Mu = s.Mu;
  row.thicknessError = s.measure.thickness - row.DELTA;
  row.camberError = s.measure.camber - row.GAMA;
  row.converged = s.converged && s.measure.singleValued;

  FlowParameters p = ReadParameters(ParameterTexts{}, ProfileTable{});
  p.Eps = s.Eps;
  p.Mu = s.Mu;
  // Circ ~ sin(AlfaRad + Beta): no lift at AlfaRad = -Beta. (+ 0.0 turns -0 into 0.)
  row.zeroLiftDegrees = -ComputeCircleModel(p).Beta / p.DegRad + 0.0;
  return row;
}

std::string FormatProfileTableRow(const ProfileTableRow& row) {
  std::string line = row.deltaKey + "," + row.gamaKey;
  for (double value : {row.Eps, row.Mu, row.zeroLiftDegrees}) {
    line += "," + SeventeenDigitText(value);
  }
  return line;
}

void WriteProfileTable(std::ostream& out, const std::vector<ProfileTableRow>& rows) {
  out << kProfileTableTitle << "\n" << rows.size() << "\n";
  for (const ProfileTableRow& row : rows) out << FormatProfileTableRow(row) << "\n";
}

}  // namespace fluvenna
