// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/boundary_layer.h"

#include <algorithm>
#include <cmath>
#include <complex>

#include "flow/atmosphere.h"
#include "flow/mapping.h"

namespace fluvenna {
namespace {

using Complex = std::complex<double>;

constexpr double kPi = 3.14159265358979323846264338327950;
constexpr double kTwoPi = 2.0 * kPi;

// Thwaites' lambda is held in this range: below it the layer has separated,
// above it the fits leave Thwaites' table.
constexpr double kLambdaHighest = 0.25;
// The turbulent layer is marched in at least this many steps per station
// interval (classic Runge-Kutta).
constexpr int kTurbulentSubsteps = 2;
// H1 of Head's method tends to 3.3 as H grows without bound; below this it
// is taken as separated.
constexpr double kH1Lowest = 3.3 + 1e-6;
// How strongly the stations crowd at the stagnation point and the trailing
// edge: circle angles phi(t) = t - kCrowding sin(2 Pi t) / (2 Pi), t in [0, 1].
constexpr double kCrowding = 0.5;

// ---- Laminar correlations (Thwaites; Cebeci & Bradshaw's fits) ----

double ThwaitesH(double lambda) {
  return lambda >= 0.0 ? 2.61 - 3.75 * lambda + 5.24 * lambda * lambda
                       : 2.088 + 0.0731 / (lambda + 0.14);
}

double ThwaitesShear(double lambda) {
  return lambda >= 0.0 ? 0.22 + 1.57 * lambda - 1.8 * lambda * lambda
                       : 0.22 + 1.402 * lambda + 0.018 * lambda / (lambda + 0.107);
}

// ---- e^N envelope (Drela & Giles 1987) ----

double CriticalReTheta(double H) {
  const double h = 1.0 / (H - 1.0);
  const double log10Re = (1.415 * h - 0.489) * std::tanh(20.0 * h - 12.9) + 3.295 * h + 0.44;
  return std::pow(10.0, log10Re);
}

// dN/ds for a layer of shape H and momentum thickness theta at Re_theta.
double AmplificationRate(double H, double theta, double reTheta) {
  if (!(theta > 0.0) || reTheta <= CriticalReTheta(H)) return 0.0;
  const double a = 2.4 * H - 3.7 + 2.5 * std::tanh(1.5 * H - 4.65);
  const double dNdRe = 0.01 * std::sqrt(a * a + 0.25);
  const double l = (6.54 * H - 14.07) / (H * H);
  const double m = (0.058 * (H - 4.0) * (H - 4.0) / (H - 1.0) - 0.068) / l;
  return dNdRe * 0.5 * (m + 1.0) * l / theta;
}

// ---- Turbulent correlations (Head; Ludwieg-Tillmann) ----

double HeadH1(double H) {
  return H <= 1.6 ? 3.3 + 0.8234 * std::pow(H - 1.1, -1.287)
                  : 3.3 + 1.5501 * std::pow(H - 0.6778, -3.064);
}

// The inverse of HeadH1 (exact on both branches; they meet at H = 1.6,
// H1 = 5.3).
double HeadHOfH1(double H1) {
  return H1 >= HeadH1(1.6) ? 1.1 + std::pow((H1 - 3.3) / 0.8234, -1.0 / 1.287)
                           : 0.6778 + std::pow((H1 - 3.3) / 1.5501, -1.0 / 3.064);
}

double HeadEntrainment(double H1) {
  return 0.0306 * std::pow(H1 - 3.0, -0.6169);
}

double LudwiegTillmann(double H, double reTheta) {
  return 0.246 * std::pow(10.0, -0.678 * H) * std::pow(std::max(reTheta, 1.0), -0.268);
}

// The laminar state at one station.
struct LaminarState {
  double theta, H, cfLocal, lambda;
};

LaminarState LaminarAt(double thetaSq, double ue, double dueds, double nu) {
  LaminarState st{};
  st.theta = std::sqrt(std::max(thetaSq, 0.0));
  st.lambda = std::clamp(thetaSq * dueds / nu, kLaminarSeparationLambda, kLambdaHighest);
  st.H = ThwaitesH(st.lambda);
  const double reTheta = ue * st.theta / nu;
  st.cfLocal = reTheta > 0.0 ? 2.0 * ThwaitesShear(st.lambda) / reTheta : 0.0;
  return st;
}

// integral of u^5 ds over an interval of length ds where u runs linearly
// from a to b.
double FifthPowerIntegral(double a, double b, double ds) {
  const double a2 = a * a, b2 = b * b;
  return ds * (a2 * a2 * a + a2 * a2 * b + a2 * a * b2 + a2 * b2 * b + a * b2 * b2 + b2 * b2 * b) /
         6.0;
}

// The turbulent state: theta and Y = u_e theta H1.
struct TurbulentState {
  double theta, Y;
};

struct TurbulentRates {
  double dTheta, dY;
};

TurbulentRates HeadRates(const TurbulentState& st, double ue, double dueds, double nu) {
  const double H1 = std::max(st.Y / (ue * st.theta), kH1Lowest);
  const double H = HeadHOfH1(H1);
  const double cf = LudwiegTillmann(H, ue * st.theta / nu);
  return {0.5 * cf - (H + 2.0) * st.theta / ue * dueds, ue * HeadEntrainment(H1)};
}

}  // namespace

const char* BoundaryLayerRegimeName(BoundaryLayerRegime regime) {
  switch (regime) {
    case BoundaryLayerRegime::kLaminar:
      return "laminar";
    case BoundaryLayerRegime::kTurbulent:
      return "turbulent";
    case BoundaryLayerRegime::kSeparated:
      return "separated";
  }
  return "";
}

bool NCritUsable(double nCrit) {
  return std::isfinite(nCrit) && nCrit >= kLowestNCrit && nCrit <= kHighestNCrit;
}

SurfaceBoundaryLayer MarchSurface(const std::vector<EdgeStation>& st, const MarchOptions& o) {
  SurfaceBoundaryLayer out;
  const std::size_t n = st.size();
  if (n < 2) return out;
  const double nu = o.nu;
  // du_e/ds at each station: three-point differences on the uneven spacing,
  // one-sided at the ends.
  std::vector<double> dueds(n);
  for (std::size_t i = 0; i < n; ++i) {
    if (i == 0 || i + 1 == n) {
      const std::size_t a = i == 0 ? 0 : n - 2;
      dueds[i] = (st[a + 1].ue - st[a].ue) / (st[a + 1].s - st[a].s);
    } else {
      const double h0 = st[i].s - st[i - 1].s, h1 = st[i + 1].s - st[i].s;
      dueds[i] = (-h1 / (h0 * (h0 + h1))) * st[i - 1].ue + ((h1 - h0) / (h0 * h1)) * st[i].ue +
                 (h0 / (h1 * (h0 + h1))) * st[i + 1].ue;
    }
  }
  if (o.fromStagnation && o.stagnationSlope) dueds[0] = *o.stagnationSlope;
  out.points.resize(n);
  for (std::size_t i = 0; i < n; ++i) {
    BoundaryLayerPoint& pt = out.points[i];
    pt.s = st[i].s, pt.xc = st[i].xc, pt.x = st[i].x, pt.y = st[i].y, pt.ue = st[i].ue;
  }

  // Laminar march.
  double integral = 0.0;  // of u_e^5 ds
  double N = 0.0;
  double previousRate = 0.0;
  std::size_t turbulentFrom = n;  // first station past transition
  double sTr = 0.0, thetaTr = 0.0, ueTr = 0.0;
  TransitionCause cause = TransitionCause::kNone;
  double previousLambda = 0.0;
  for (std::size_t i = 0; i < n; ++i) {
    const double ue = st[i].ue;
    if (i > 0) integral += FifthPowerIntegral(st[i - 1].ue, ue, st[i].s - st[i - 1].s);
    double thetaSq;
    if (i == 0) {
      thetaSq = o.fromStagnation && dueds[0] > 0.0 ? 0.075 * nu / dueds[0] : 0.0;
    } else {
      thetaSq = ue > 0.0 ? 0.45 * nu * integral / std::pow(ue, 6) : 0.0;
    }
    const LaminarState lam = LaminarAt(thetaSq, ue, dueds[i], nu);
    const double reTheta = ue * lam.theta / nu;
    const double rate = AmplificationRate(lam.H, lam.theta, reTheta);
    if (i > 0) N += 0.5 * (previousRate + rate) * (st[i].s - st[i - 1].s);
    previousRate = rate;

    // Transition between station i-1 and i: the first of N reaching N_crit,
    // lambda reaching the laminar separation value, and the trip.
    if (i > 0) {
      const double s0 = st[i - 1].s, s1 = st[i].s;
      const double nPrev = out.points[i - 1].n;
      double best = s1 + 1.0;
      if (N >= o.nCrit) {
        best = s0 + (s1 - s0) * (o.nCrit - nPrev) / std::max(N - nPrev, 1e-300);
        cause = TransitionCause::kAmplification;
      }
      const double rawLambda = thetaSq * dueds[i] / nu;
      if (rawLambda <= kLaminarSeparationLambda) {
        const double f = (previousLambda - kLaminarSeparationLambda) /
                         std::max(previousLambda - rawLambda, 1e-300);
        const double sSep = s0 + (s1 - s0) * std::clamp(f, 0.0, 1.0);
        if (sSep < best) best = sSep, cause = TransitionCause::kLaminarSeparation;
      }
      if (o.tripAt && *o.tripAt <= s1 && std::max(*o.tripAt, s0) < best) {
        best = std::max(*o.tripAt, s0);
        cause = TransitionCause::kTrip;
      }
      if (best <= s1) {
        const double f = (best - s0) / (s1 - s0);
        sTr = best;
        thetaTr = out.points[i - 1].theta + f * (lam.theta - out.points[i - 1].theta);
        ueTr = st[i - 1].ue + f * (ue - st[i - 1].ue);
        turbulentFrom = i;
        break;
      }
      previousLambda = rawLambda;
    } else {
      previousLambda = thetaSq * dueds[0] / nu;
    }
    BoundaryLayerPoint& pt = out.points[i];
    pt.theta = lam.theta;
    pt.H = lam.H;
    pt.dstar = lam.H * lam.theta;
    pt.cf = lam.cfLocal * ue * ue;
    pt.reTheta = reTheta;
    pt.n = N;
    pt.regime = BoundaryLayerRegime::kLaminar;
  }

  // Turbulent march from the transition point.
  bool separated = false;
  if (turbulentFrom < n) {
    out.sTransition = sTr;
    out.transitionCause = cause;
    {
      const std::size_t i = turbulentFrom;
      const double f = (sTr - st[i - 1].s) / (st[i].s - st[i - 1].s);
      out.xTransition = st[i - 1].xc + f * (st[i].xc - st[i - 1].xc);
    }
    TurbulentState state{thetaTr, ueTr * thetaTr * HeadH1(kTurbulentStartH)};
    double sAt = sTr;
    for (std::size_t i = turbulentFrom; i < n; ++i) {
      const double s0 = st[i - 1].s, s1 = st[i].s;
      const double u0 = st[i - 1].ue, slope = (st[i].ue - u0) / (s1 - s0);
      const auto ueAt = [&](double s) { return u0 + slope * (s - s0); };
      double H = 0.0;
      if (!separated) {
        const double h = (s1 - sAt) / kTurbulentSubsteps;
        for (int k = 0; k < kTurbulentSubsteps; ++k) {
          const double sa = sAt + k * h;
          const auto add = [](const TurbulentState& a, const TurbulentRates& r, double d) {
            return TurbulentState{a.theta + d * r.dTheta, a.Y + d * r.dY};
          };
          const TurbulentRates k1 = HeadRates(state, ueAt(sa), slope, nu);
          const TurbulentRates k2 =
              HeadRates(add(state, k1, 0.5 * h), ueAt(sa + 0.5 * h), slope, nu);
          const TurbulentRates k3 =
              HeadRates(add(state, k2, 0.5 * h), ueAt(sa + 0.5 * h), slope, nu);
          const TurbulentRates k4 = HeadRates(add(state, k3, h), ueAt(sa + h), slope, nu);
          state.theta += h / 6.0 * (k1.dTheta + 2.0 * k2.dTheta + 2.0 * k3.dTheta + k4.dTheta);
          state.Y += h / 6.0 * (k1.dY + 2.0 * k2.dY + 2.0 * k3.dY + k4.dY);
        }
        const double ue = st[i].ue;
        H = HeadHOfH1(std::max(state.Y / (ue * state.theta), kH1Lowest));
        if (H >= kTurbulentSeparationH) {
          separated = true;
          // Where H crossed the threshold, between the stations.
          const double Hprev = i == turbulentFrom ? kTurbulentStartH : out.points[i - 1].H;
          const double f =
              std::clamp((kTurbulentSeparationH - Hprev) / std::max(H - Hprev, 1e-300), 0.0, 1.0);
          out.sSeparation = s0 + f * (s1 - s0);
          out.xSeparation = st[i - 1].xc + f * (st[i].xc - st[i - 1].xc);
          H = kTurbulentSeparationH;
        }
      } else {
        // Separated: no shear, H held, theta by the momentum equation.
        const double ue0 = std::max(st[i - 1].ue, 1e-12), ue1 = std::max(st[i].ue, 1e-12);
        state.theta *= std::pow(ue0 / ue1, kTurbulentSeparationH + 2.0);
        H = kTurbulentSeparationH;
      }
      sAt = s1;
      BoundaryLayerPoint& pt = out.points[i];
      pt.theta = state.theta;
      pt.H = H;
      pt.dstar = H * state.theta;
      pt.reTheta = st[i].ue * state.theta / nu;
      pt.cf = separated ? 0.0 : LudwiegTillmann(H, pt.reTheta) * st[i].ue * st[i].ue;
      pt.n = 0.0;
      pt.regime = separated ? BoundaryLayerRegime::kSeparated : BoundaryLayerRegime::kTurbulent;
    }
  }

  // Friction drag: (1 / c) integral c_f (t . e_stream) ds, trapezoids.
  double friction = 0.0;
  for (std::size_t i = 1; i < n; ++i) {
    const double ds = st[i].s - st[i - 1].s;
    friction +=
        0.5 * (out.points[i - 1].cf * st[i - 1].streamwise + out.points[i].cf * st[i].streamwise) *
        ds;
  }
  out.frictionDrag = friction / o.chord;
  const BoundaryLayerPoint& te = out.points.back();
  out.thetaTE = te.theta, out.HTE = te.H, out.ueTE = te.ue;
  out.squireYoung = 2.0 * te.theta / o.chord * std::pow(te.ue, 0.5 * (te.H + 5.0));
  return out;
}

namespace {

// The surface speed of a pass on its circle, seen on the airfoil (as
// ComputeSurfacePressure has it).
class CircleSurface {
 public:
  CircleSurface(const FlowParameters& p, const CircleModel& c, const ProfileMeasure& profile)
      : c_(c), U0_(p.U0), profile_(profile) {
    cJmap_ = TurnAndShiftPoint(c, c.A * std::cos(-c.AlfaBeta), c.A * std::sin(-c.AlfaBeta)).first;
    ux_ = (profile.trailingX - profile.leadingX) / profile.chord;
    uy_ = (profile.trailingY - profile.leadingY) / profile.chord;
  }

  // Station at circle angle theta (flow frame); `trailingEdge` takes the
  // speed's limit there. s and streamwise are left for the caller.
  EdgeStation At(double theta, bool trailingEdge) const {
    EdgeStation e;
    const double wx = c_.A * std::cos(theta), wy = c_.A * std::sin(theta);
    const Complex z(c_.xc + wx * c_.CosAlfa - wy * c_.SinAlfa,
                    c_.yc + wy * c_.CosAlfa + wx * c_.SinAlfa);
    const Complex zeta = z + cJmap_ * cJmap_ / z;
    e.x = zeta.real(), e.y = zeta.imag();
    e.xc = ((e.x - profile_.leadingX) * ux_ + (e.y - profile_.leadingY) * uy_) / profile_.chord;
    if (trailingEdge) {
      e.ue = c_.cJ * std::fabs(std::cos(c_.AlfaBeta)) / c_.A;
    } else {
      const double g = std::fabs(2.0 * U0_ * std::sin(theta) + c_.Gm / c_.A);
      e.ue = g / std::abs(1.0 - cJmap_ * cJmap_ / (z * z)) / U0_;
    }
    return e;
  }

  // du_e/ds at the front stagnation point theta_s = Pi + AlfaBeta:
  // u_e ~ 2 |cos theta_s| |theta - theta_s| / |J|, s ~ A |J| |theta - theta_s|.
  double StagnationSlope(double thetaS) const {
    const double wx = c_.A * std::cos(thetaS), wy = c_.A * std::sin(thetaS);
    const Complex z(c_.xc + wx * c_.CosAlfa - wy * c_.SinAlfa,
                    c_.yc + wy * c_.CosAlfa + wx * c_.SinAlfa);
    const double J = std::abs(1.0 - cJmap_ * cJmap_ / (z * z));
    return 2.0 * std::fabs(std::cos(thetaS)) / (c_.A * J * J);
  }

 private:
  const CircleModel& c_;
  double U0_;
  const ProfileMeasure& profile_;
  double cJmap_ = 0.0;
  double ux_ = 1.0, uy_ = 0.0;
};

std::vector<EdgeStation> Stations(const CircleSurface& surface, const CircleModel& c, double thetaS,
                                  double thetaTE, int intervals) {
  std::vector<EdgeStation> st(intervals + 1);
  for (int i = 0; i <= intervals; ++i) {
    const double t = static_cast<double>(i) / intervals;
    const double phi = t - kCrowding * std::sin(kTwoPi * t) / kTwoPi;
    const double theta = i == intervals ? thetaTE : thetaS + (thetaTE - thetaS) * phi;
    st[i] = surface.At(theta, i == intervals);
  }
  st[0].ue = 0.0;  // the stagnation point itself
  st[0].s = 0.0;
  for (int i = 1; i <= intervals; ++i) {
    const double dx = st[i].x - st[i - 1].x, dy = st[i].y - st[i - 1].y;
    const double ds = std::hypot(dx, dy);
    st[i].s = st[i - 1].s + ds;
    const double along = ds > 0.0 ? (dx * c.CosAlfa + dy * c.SinAlfa) / ds : 1.0;
    st[i].streamwise = along;
    if (i == 1) st[0].streamwise = along;
  }
  // Direction cosines at the stations: mean of the neighbouring segments.
  for (int i = 1; i < intervals; ++i) {
    st[i].streamwise = 0.5 * (st[i].streamwise + st[i + 1].streamwise);
  }
  return st;
}

void Finish(BoundaryLayer& bl) {
  bl.dragStatus = DragStatus::kPredicted;
  for (const SurfaceBoundaryLayer* s : {&bl.upper, &bl.lower}) {
    if (s->xSeparation && *s->xSeparation < kSeparationDragLimitXc &&
        (!bl.earlySeparationXc || *s->xSeparation < *bl.earlySeparationXc)) {
      bl.dragStatus = DragStatus::kSeparatesEarly;
      bl.earlySeparationXc = s->xSeparation;
      bl.earlySeparationSide = s->side;
    }
  }
  if (bl.dragStatus == DragStatus::kPredicted) {
    bl.cd = bl.upper.squireYoung + bl.lower.squireYoung;
    bl.cdFriction = bl.upper.frictionDrag + bl.lower.frictionDrag;
    bl.cdPressure = *bl.cd - *bl.cdFriction;
  }
}

}  // namespace

BoundaryLayer ComputeBoundaryLayer(const FlowParameters& p, const CircleModel& c,
                                   const ProfileMeasure& profile,
                                   const BoundaryLayerOptions& options) {
  BoundaryLayer bl;
  bl.reynolds = options.reynolds;
  bl.nCrit = options.nCrit;
  bl.chord = profile.chord;
  bl.upper.side = SurfaceSide::kUpper;
  bl.lower.side = SurfaceSide::kLower;
  if (CheckReynolds(options.reynolds) != ReynoldsFault::kNone || !NCritUsable(options.nCrit)) {
    bl.status = BoundaryLayerStatus::kNotComputedBadInput;
    return bl;
  }
  if (p.iKutta != 1.0) {
    bl.status = BoundaryLayerStatus::kNotComputedKutta;
    return bl;
  }
  if (!(profile.chord > 0.0) || !std::isfinite(profile.chord) || p.Eps == 0.0 ||
      !std::isfinite(c.AlfaBeta) || !(c.A > 0.0)) {
    bl.status = BoundaryLayerStatus::kNotComputedNoProfile;
    return bl;
  }
  bl.status = BoundaryLayerStatus::kComputed;
  bl.nu = p.U0 * profile.chord / options.reynolds;

  const CircleSurface surface(p, c, profile);
  const double thetaS = kPi + c.AlfaBeta;
  const double thetaTEUpper = -c.AlfaBeta, thetaTELower = kTwoPi - c.AlfaBeta;
  const int intervals = std::max(options.intervalsPerSurface, 20);
  MarchOptions march;
  march.nu = bl.nu;
  march.nCrit = options.nCrit;
  march.fromStagnation = true;
  march.chord = profile.chord;
  march.stagnationSlope = surface.StagnationSlope(thetaS);
  for (SurfaceBoundaryLayer* side : {&bl.upper, &bl.lower}) {
    std::vector<EdgeStation> st =
        Stations(surface, c, thetaS, side == &bl.upper ? thetaTEUpper : thetaTELower, intervals);
    const SurfaceSide which = side->side;
    *side = MarchSurface(st, march);
    side->side = which;
  }
  Finish(bl);
  return bl;
}

Polar ComputePolar(const FlowParameters& p, const ProfileMeasure& profile, const LiftCurve& lift,
                   const BoundaryLayerOptions& options) {
  Polar polar;
  polar.reynolds = options.reynolds;
  polar.nCrit = options.nCrit;
  if (!lift.ok()) {
    polar.status = BoundaryLayerStatus::kNotComputedNoProfile;
    return polar;
  }
  polar.status = BoundaryLayerStatus::kComputed;
  for (const LiftCurvePoint& lp : lift.points) {
    FlowParameters q = p;
    q.Alfa = lp.alpha_deg;
    const CircleModel c = ComputeCircleModel(q);
    const BoundaryLayer bl = ComputeBoundaryLayer(q, c, profile, options);
    if (!bl.computed()) {
      polar.status = bl.status;
      polar.points.clear();
      return polar;
    }
    PolarPoint pt;
    pt.alphaDeg = lp.alpha_deg;
    pt.cl = lp.cl;
    pt.dragStatus = bl.dragStatus;
    pt.cd = bl.cd;
    pt.cdFriction = bl.cdFriction;
    pt.xTransitionUpper = bl.upper.xTransition;
    pt.xTransitionLower = bl.lower.xTransition;
    pt.xSeparationUpper = bl.upper.xSeparation;
    pt.xSeparationLower = bl.lower.xSeparation;
    polar.points.push_back(pt);
  }
  return polar;
}

}  // namespace fluvenna
