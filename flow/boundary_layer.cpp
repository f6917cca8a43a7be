// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/boundary_layer.h"

#include <algorithm>
#include <cmath>
#include <complex>

#include "flow/atmosphere.h"
#include "flow/blocks_on_cores.h"
#include "flow/mapping.h"

namespace fluvenna {
namespace {

using Complex = std::complex<double>;

constexpr double kPi = 3.14159265358979323846264338327950;
constexpr double kTwoPi = 2.0 * kPi;

// Thwaites' lambda is held in this range: below it the layer has separated,
// above it the fits leave Thwaites' table.
constexpr double kLambdaHighest = 0.25;
// The turbulent layer is marched in this many steps per station interval
// (Heun's second-order Runge-Kutta); the intervals are far shorter than the
// length over which H1 relaxes (about theta / F), and halving them changes
// C_D by less than 0.1 %.
constexpr int kTurbulentSubsteps = 1;
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
  constexpr double kLn10 = 2.30258509299404568402;
  return 0.246 * std::exp(-0.678 * kLn10 * H - 0.268 * std::log(std::max(reTheta, 1.0)));
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

// The friction drag (1 / c) integral c_f (t . e_stream) ds by trapezoids,
// and the trailing-edge values with the surface's Squire-Young drag.
SurfaceBoundaryLayer& Finish(SurfaceBoundaryLayer& out, const std::vector<EdgeStation>& st,
                             const MarchOptions& o) {
  double friction = 0.0;
  for (std::size_t i = 1; i < st.size(); ++i) {
    friction +=
        0.5 * (out.points[i - 1].cf * st[i - 1].streamwise + out.points[i].cf * st[i].streamwise) *
        (st[i].s - st[i - 1].s);
  }
  out.frictionDrag = friction / o.chord;
  // A trailing edge with a finite angle is a stagnation point of the
  // inviscid flow (u_e = 0 there, where the formula gives no drag): the
  // station just ahead of it stands for the edge.
  const bool stagnates = out.points.back().ue == 0.0 && out.points.size() >= 2;
  const BoundaryLayerPoint& te = out.points[out.points.size() - (stagnates ? 2 : 1)];
  out.thetaTE = te.theta, out.HTE = te.H, out.ueTE = te.ue;
  out.squireYoung = 2.0 * te.theta / o.chord * std::pow(te.ue, 0.5 * (te.H + 5.0));
  return out;
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
  // Where an event falls between station i - 1 and i, at fraction f.
  const auto lerp = [](double f, double a, double b) { return a + f * (b - a); };

  // ---- Laminar: Thwaites, with the amplification N ----
  double integral = 0.0;  // of u_e^5 ds
  double N = 0.0, previousRate = 0.0, previousLambda = 0.0;
  std::size_t next = n;  // first station past the end of the laminar layer
  double sEnd = 0.0, thetaEnd = 0.0, nEnd = 0.0, fEnd = 0.0;
  TransitionCause cause = TransitionCause::kNone;
  for (std::size_t i = 0; i < n; ++i) {
    const double ue = st[i].ue;
    double thetaSq = 0.0;
    if (i == 0) {
      if (o.fromStagnation && dueds[0] > 0.0) thetaSq = 0.075 * nu / dueds[0];
    } else {
      integral += FifthPowerIntegral(st[i - 1].ue, ue, st[i].s - st[i - 1].s);
      if (ue > 0.0) {
        const double ue3 = ue * ue * ue;
        thetaSq = 0.45 * nu * integral / (ue3 * ue3);
      }
    }
    const double rawLambda = thetaSq * dueds[i] / nu;
    const LaminarState lam = LaminarAt(thetaSq, ue, dueds[i], nu);
    const double reTheta = ue * lam.theta / nu;
    const double rate = AmplificationRate(lam.H, lam.theta, reTheta);
    if (i > 0) {
      const double s0 = st[i - 1].s, s1 = st[i].s;
      const double nNow = N + 0.5 * (previousRate + rate) * (s1 - s0);
      // The first of: N reaching N_crit, lambda reaching laminar separation,
      // the trip; as a fraction of the interval.
      double f = 2.0;
      if (nNow >= o.nCrit) {
        f = (o.nCrit - N) / std::max(nNow - N, 1e-300);
        cause = TransitionCause::kAmplification;
      }
      if (rawLambda <= kLaminarSeparationLambda) {
        const double g = std::clamp((previousLambda - kLaminarSeparationLambda) /
                                        std::max(previousLambda - rawLambda, 1e-300),
                                    0.0, 1.0);
        if (g < f) f = g, cause = TransitionCause::kLaminarSeparation;
      }
      if (o.tripAt && *o.tripAt <= s1) {
        const double g = std::max((*o.tripAt - s0) / (s1 - s0), 0.0);
        if (g < f) f = g, cause = TransitionCause::kTrip;
      }
      if (f <= 1.0) {
        fEnd = f;
        sEnd = lerp(f, s0, s1);
        thetaEnd = lerp(f, out.points[i - 1].theta, lam.theta);
        nEnd = lerp(f, N, nNow);
        next = i;
        break;
      }
      N = nNow;
    }
    previousRate = rate;
    previousLambda = rawLambda;
    BoundaryLayerPoint& pt = out.points[i];
    pt.theta = lam.theta;
    pt.H = lam.H;
    pt.dstar = lam.H * lam.theta;
    pt.cf = lam.cfLocal * ue * ue;
    pt.reTheta = reTheta;
    pt.n = N;
    pt.regime = BoundaryLayerRegime::kLaminar;
  }
  if (next == n) return Finish(out, st, o);  // laminar to the trailing edge

  const auto xcAt = [&](std::size_t i, double f) { return lerp(f, st[i - 1].xc, st[i].xc); };
  double sTr = sEnd, thetaTr = thetaEnd;
  double fTr = fEnd;

  // ---- Laminar separation bubble: the free shear layer up to transition ----
  if (cause == TransitionCause::kLaminarSeparation) {
    out.sLaminarSeparation = sEnd;
    out.xLaminarSeparation = xcAt(next, fEnd);
    const double sSep = sEnd;
    const double ueSep = lerp(fEnd, st[next - 1].ue, st[next].ue);
    double theta = thetaEnd, s = sEnd, ue = ueSep, nAmp = nEnd;
    double rate = AmplificationRate(kBubbleH, theta, ue * theta / nu);
    bool transition = false;
    for (std::size_t i = next; i < n; ++i) {
      const double ue1 = std::max(st[i].ue, 1e-12);
      const double theta1 = theta * std::pow(std::max(ue, 1e-12) / ue1, kBubbleH + 2.0);
      const double rate1 = AmplificationRate(kBubbleH, theta1, ue1 * theta1 / nu);
      const double n1 = nAmp + 0.5 * (rate + rate1) * (st[i].s - s);
      const double lengthRe1 = ueSep * (st[i].s - sSep) / nu;
      double g = 2.0;  // fraction of the way from s to st[i].s
      if (n1 >= o.nCrit) g = (o.nCrit - nAmp) / std::max(n1 - nAmp, 1e-300);
      if (lengthRe1 >= kBubbleLaminarLengthRe) {
        const double lengthRe0 = ueSep * (s - sSep) / nu;
        g = std::min(
            g, (kBubbleLaminarLengthRe - lengthRe0) / std::max(lengthRe1 - lengthRe0, 1e-300));
      }
      if (g <= 1.0) {
        sTr = s + g * (st[i].s - s);
        thetaTr = theta + g * (theta1 - theta);
        fTr = (sTr - st[i - 1].s) / (st[i].s - st[i - 1].s);
        next = i;
        transition = true;
        break;
      }
      theta = theta1, ue = ue1, rate = rate1, nAmp = n1, s = st[i].s;
      BoundaryLayerPoint& pt = out.points[i];
      pt.theta = theta;
      pt.H = kBubbleH;
      pt.dstar = kBubbleH * theta;
      pt.cf = 0.0;
      pt.reTheta = ue * theta / nu;
      pt.n = nAmp;
      pt.regime = BoundaryLayerRegime::kSeparated;
    }
    if (!transition) {
      // The shear layer never turned turbulent: the layer stays separated.
      out.sSeparation = out.sLaminarSeparation;
      out.xSeparation = out.xLaminarSeparation;
      return Finish(out, st, o);
    }
  }
  out.sTransition = sTr;
  out.xTransition = xcAt(next, fTr);
  out.transitionCause = cause;

  // ---- Turbulent: Head's method from the transition point ----
  TurbulentState state{
      thetaTr, lerp(fTr, st[next - 1].ue, st[next].ue) * thetaTr * HeadH1(kTurbulentStartH)};
  double sAt = sTr, previousH = kTurbulentStartH;
  bool separated = false;
  for (std::size_t i = next; i < n; ++i) {
    const double s0 = st[i - 1].s, s1 = st[i].s;
    const double u0 = st[i - 1].ue, slope = (st[i].ue - u0) / (s1 - s0);
    const auto ueAt = [&](double s) { return u0 + slope * (s - s0); };
    double H = kTurbulentSeparationH;
    if (!separated) {
      const double h = (s1 - sAt) / kTurbulentSubsteps;
      const auto add = [](const TurbulentState& a, const TurbulentRates& r, double d) {
        return TurbulentState{a.theta + d * r.dTheta, a.Y + d * r.dY};
      };
      for (int k = 0; k < kTurbulentSubsteps; ++k) {
        const double sa = sAt + k * h;
        const TurbulentRates k1 = HeadRates(state, ueAt(sa), slope, nu);
        const TurbulentRates k2 = HeadRates(add(state, k1, h), ueAt(sa + h), slope, nu);
        state.theta += 0.5 * h * (k1.dTheta + k2.dTheta);
        state.Y += 0.5 * h * (k1.dY + k2.dY);
      }
      H = HeadHOfH1(std::max(state.Y / (st[i].ue * state.theta), kH1Lowest));
      if (H >= kTurbulentSeparationH) {
        separated = true;
        const double f = std::clamp(
            (kTurbulentSeparationH - previousH) / std::max(H - previousH, 1e-300), 0.0, 1.0);
        const double sFrom = std::max(sAt, s0);
        out.sSeparation = sFrom + f * (s1 - sFrom);
        out.xSeparation = xcAt(i, (*out.sSeparation - s0) / (s1 - s0));
        H = kTurbulentSeparationH;
      }
    } else {
      // Separated: no shear, H held, theta by the momentum equation.
      state.theta *=
          std::pow(std::max(u0, 1e-12) / std::max(st[i].ue, 1e-12), kTurbulentSeparationH + 2.0);
    }
    sAt = s1;
    previousH = H;
    BoundaryLayerPoint& pt = out.points[i];
    pt.theta = state.theta;
    pt.H = H;
    pt.dstar = H * state.theta;
    pt.reTheta = st[i].ue * state.theta / nu;
    pt.cf = separated ? 0.0 : LudwiegTillmann(H, pt.reTheta) * st[i].ue * st[i].ue;
    pt.n = 0.0;
    pt.regime = separated ? BoundaryLayerRegime::kSeparated : BoundaryLayerRegime::kTurbulent;
  }
  return Finish(out, st, o);
}

namespace {

// Whether the map has a second sharp edge on the circle besides the trailing
// edge (the flat plate's leading edge, Eps = 0), where no boundary layer
// can start.
bool SharpLeadingEdge(const CircleModel& c, int nExp) {
  const auto critical = MapOf(c, nExp)->CriticalPoints();
  for (std::size_t i = 1; i < critical.size(); ++i) {
    if (critical[i].onCircle) return true;
  }
  return false;
}

// The surface speed of a pass on its circle, seen on the airfoil (as
// ComputeSurfacePressure has it).
class CircleSurface {
 public:
  CircleSurface(const FlowParameters& p, const CircleModel& c, const ProfileMeasure& profile)
      : c_(c), map_(MapOf(c, p.nExp)), U0_(p.U0), profile_(profile) {
    // The designed map in its closed form, cJ as the pass re-reads it.
    if (const auto j = map_->Joukowski()) cJmap_ = j->cJ;
    joukowski_ = map_->Joukowski().has_value();
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
    const double r2 = std::norm(z), c2 = cJmap_ * cJmap_;
    if (joukowski_) {
      e.x = z.real() + c2 * z.real() / r2, e.y = z.imag() - c2 * z.imag() / r2;
    } else {
      const auto image = map_->Forward(z);
      e.x = image ? image->real() : std::nan("");
      e.y = image ? image->imag() : std::nan("");
    }
    e.xc = ((e.x - profile_.leadingX) * ux_ + (e.y - profile_.leadingY) * uy_) / profile_.chord;
    if (trailingEdge) {
      e.ue = map_->TrailingEdgeSpeed(c_.AlfaBeta);
    } else if (!joukowski_) {
      const double g = std::fabs(2.0 * U0_ * std::sin(theta) + c_.Gm / c_.A);
      e.ue = g / std::abs(map_->Derivative(z)) / U0_;
    } else {
      const double g = std::fabs(2.0 * U0_ * std::sin(theta) + c_.Gm / c_.A);
      // |1 - cJ^2 / z^2| = |z^2 - cJ^2| / |z|^2.
      const Complex z2 = z * z;
      const double J = std::sqrt(std::norm(Complex(z2.real() - c2, z2.imag()))) / r2;
      e.ue = g / J / U0_;
    }
    return e;
  }

  // du_e/ds at the front stagnation point theta_s = Pi + AlfaBeta:
  // u_e ~ 2 |cos theta_s| |theta - theta_s| / |J|, s ~ A |J| |theta - theta_s|.
  double StagnationSlope(double thetaS) const {
    const double wx = c_.A * std::cos(thetaS), wy = c_.A * std::sin(thetaS);
    const Complex z(c_.xc + wx * c_.CosAlfa - wy * c_.SinAlfa,
                    c_.yc + wy * c_.CosAlfa + wx * c_.SinAlfa);
    const double J =
        joukowski_ ? std::abs(1.0 - cJmap_ * cJmap_ / (z * z)) : std::abs(map_->Derivative(z));
    return 2.0 * std::fabs(std::cos(thetaS)) / (c_.A * J * J);
  }

 private:
  const CircleModel& c_;
  std::shared_ptr<const ProfileMap> map_;
  bool joukowski_ = true;
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
    const double ds = std::sqrt(dx * dx + dy * dy);
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

void FinishDrag(BoundaryLayer& bl) {
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
  if (!(profile.chord > 0.0) || !std::isfinite(profile.chord) || SharpLeadingEdge(c, p.nExp) ||
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
  FinishDrag(bl);
  return bl;
}

namespace {

// The point of `earlier` at exactly `alphaDeg`, when `earlier` was computed
// with the same inputs as `polar` apart from the angles.
const PolarPoint* LentPoint(const Polar* earlier, const Polar& polar, double alphaDeg) {
  if (!earlier || !earlier->computed() || earlier->reynolds != polar.reynolds ||
      earlier->nCrit != polar.nCrit || earlier->Eps != polar.Eps || earlier->Mu != polar.Mu ||
      earlier->iKutta != polar.iKutta || earlier->U0 != polar.U0 ||
      earlier->profile != polar.profile) {
    return nullptr;
  }
  for (const PolarPoint& pt : earlier->points) {
    if (pt.alphaDeg == alphaDeg) return &pt;
  }
  return nullptr;
}

}  // namespace

Polar ComputePolar(const FlowParameters& p, const ProfileMeasure& profile, const LiftCurve& lift,
                   const BoundaryLayerOptions& options, const Polar* earlier,
                   const std::shared_ptr<const ProfileMap>& profileMap) {
  Polar polar;
  polar.profile = profileMap;
  polar.reynolds = options.reynolds;
  polar.nCrit = options.nCrit;
  polar.Eps = p.Eps;
  polar.Mu = p.Mu;
  polar.iKutta = p.iKutta;
  polar.U0 = p.U0;
  if (!lift.ok()) {
    polar.status = BoundaryLayerStatus::kNotComputedNoProfile;
    return polar;
  }
  polar.status = BoundaryLayerStatus::kComputed;
  // Each angle's layers are marched on whichever core is free; the polar
  // then fails with the first angle, in order, whose layers failed.
  const std::size_t count = lift.points.size();
  std::vector<PolarPoint> points(count);
  std::vector<BoundaryLayerStatus> statuses(count, BoundaryLayerStatus::kComputed);
  const auto pointAt = [&](std::size_t i) {
    const LiftCurvePoint& lp = lift.points[i];
    if (const PolarPoint* lent = LentPoint(earlier, polar, lp.alpha_deg)) {
      points[i] = *lent;
      points[i].cl = lp.cl;
      return;
    }
    FlowParameters q = p;
    q.Alfa = lp.alpha_deg;
    const CircleModel c = profileMap ? ComputeCircleModel(q, profileMap) : ComputeCircleModel(q);
    const BoundaryLayer bl = ComputeBoundaryLayer(q, c, profile, options);
    statuses[i] = bl.status;
    if (!bl.computed()) return;
    PolarPoint& pt = points[i];
    pt.alphaDeg = lp.alpha_deg;
    pt.cl = lp.cl;
    pt.dragStatus = bl.dragStatus;
    pt.cd = bl.cd;
    pt.cdFriction = bl.cdFriction;
    pt.xTransitionUpper = bl.upper.xTransition;
    pt.xTransitionLower = bl.lower.xTransition;
    pt.xSeparationUpper = bl.upper.xSeparation;
    pt.xSeparationLower = bl.lower.xSeparation;
  };
  ForBlocksOnCores(static_cast<int>(count), 1, 0, [&](int first, int last) {
    for (int i = first; i < last; ++i) pointAt(static_cast<std::size_t>(i));
  });
  for (const BoundaryLayerStatus status : statuses) {
    if (status != BoundaryLayerStatus::kComputed) {
      polar.status = status;
      return polar;
    }
  }
  polar.points = std::move(points);
  return polar;
}

}  // namespace fluvenna
