// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/conformal_map.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "flow/flow_field.h"
#include "flow/mapping.h"

namespace fluvenna {
namespace {

using Complex = std::complex<double>;
constexpr int kMapExponent = 2;  // the Karman-Trefftz exponent of the profile map
// Newton's method for the blend's inverse: at most this many steps, ending
// when a step is below kBlendNewtonStep of |z|.
constexpr int kBlendNewtonSteps = 60;
constexpr double kBlendNewtonStep = 1e-12;

}  // namespace

ConformalMorph::ConformalMorph(const CircleModel& c, double cJ, double Olcek)
    : map_(std::make_shared<JoukowskiProfileMap>(cJ, c.nC, kMapExponent, c.xc, c.yc, c.A, c.cJ)),
      critical_(map_->CriticalPoints()),
      cJ_(cJ),
      nC_(c.nC),
      A_(c.A),
      zc_(c.xc, c.yc) {
  thetaTE_ = std::atan2(-zc_.imag(), cJ_ - zc_.real());
  minusInside_ = std::abs(Complex(-cJ_, 0.0) - zc_) < A_ * (1.0 - kOnBodyTolerance);
  Build(Olcek);
}

ConformalMorph::ConformalMorph(std::shared_ptr<const ProfileMap> map, double Olcek)
    : map_(std::move(map)),
      joukowski_(false),
      critical_(map_->CriticalPoints()),
      A_(map_->CircleRadius()),
      zc_(map_->CircleCentre()) {
  const Complex te = map_->TrailingEdgeCirclePoint() - zc_;
  thetaTE_ = std::atan2(te.imag(), te.real());
  minusInside_ = true;
  for (std::size_t i = 1; i < critical_.size(); ++i) {
    if (critical_[i].onCircle) minusInside_ = false;
  }
  Build(Olcek);
}

void ConformalMorph::Build(double Olcek) {
  // The farthest corner of the plot from the centre.
  const double w = std::fabs(Olcek), h = std::fabs(Olcek) * (2.0 / 3.0);
  double far = 0.0;
  for (const double x : {-w, w}) {
    for (const double y : {-h, h}) far = std::max(far, std::abs(Complex(x, y) - zc_));
  }
  const double Pi = 4.0 * std::atan(1.0);
  std::vector<double> x, y;
  for (int k = 1; k <= kMapMostCircles && A_ * (1.0 + (k - 1) * kMapGridStep) <= far; ++k) {
    const double r = A_ * (1.0 + k * kMapGridStep);
    x.clear(), y.clear();
    for (int j = 0; j < kMapCirclePoints; ++j) {
      const double theta = thetaTE_ + 2.0 * Pi * j / (kMapCirclePoints - 1);
      x.push_back(zc_.real() + r * std::cos(theta));
      y.push_back(zc_.imag() + r * std::sin(theta));
    }
    AddLine(MapLineKind::kGrid, -1, x, y);
  }
  const double end = std::max(kMapRayReach * far, 2.0 * A_);
  const int rays = static_cast<int>(std::lround(360.0 / kMapRayDegrees));
  for (int m = 0; m < rays; ++m) {
    const double theta = thetaTE_ + 2.0 * Pi * m / rays;
    x.clear(), y.clear();
    for (int j = 0; j < kMapRayPoints; ++j) {
      const double s = static_cast<double>(j) / (kMapRayPoints - 1);
      const double r = A_ + (end - A_) * s * s;
      x.push_back(zc_.real() + r * std::cos(theta));
      y.push_back(zc_.imag() + r * std::sin(theta));
    }
    if (m == 0) {  // from the trailing-edge point itself
      const Complex te = map_->TrailingEdgeCirclePoint();
      x.front() = te.real(), y.front() = te.imag();
    }
    AddLine(MapLineKind::kGrid, -1, x, y);
  }
}

void ConformalMorph::AddCurve(int k, std::span<const double> x, std::span<const double> y) {
  AddLine(k == 0 ? MapLineKind::kBody : MapLineKind::kStreamline, k, x, y);
}

void ConformalMorph::AddLine(MapLineKind kind, int k, std::span<const double> x,
                             std::span<const double> y) {
  MapLine line;
  line.kind = kind;
  line.k = k;
  for (std::size_t j = 0; j < x.size() && j < y.size(); ++j) {
    const auto image = map_->Forward({x[j], y[j]});
    if (!image) continue;
    line.zx.push_back(x[j]);
    line.zy.push_back(y[j]);
    line.fx.push_back(image->real());
    line.fy.push_back(image->imag());
  }
  lines_.push_back(std::move(line));
}

std::optional<std::pair<double, double>> ConformalMorph::Morph(double t, double x, double y) const {
  if (t == 0.0) return std::pair{x, y};
  const auto image = map_->Forward({x, y});
  if (!image) return std::nullopt;
  return std::pair{(1.0 - t) * x + t * image->real(), (1.0 - t) * y + t * image->imag()};
}

LocalMap ConformalMorph::Local(double t, double x, double y) const {
  const Complex z(x, y);
  const Complex d =
      joukowski_ ? 1.0 - t * (cJ_ / z) * (cJ_ / z) : (1.0 - t) + t * map_->Derivative(z);
  return {d.real(), d.imag(), std::abs(d), std::arg(d)};
}

std::optional<std::pair<double, double>> ConformalMorph::Inverse(double t, double x,
                                                                 double y) const {
  if (!std::isfinite(x) || !std::isfinite(y)) return std::nullopt;
  const Complex w(x, y);
  const double inner = A_ * (1.0 - kOnBodyTolerance), outer = A_ * (1.0 + kOnBodyTolerance);
  if (t == 0.0) {
    if (std::abs(w - zc_) < inner) return std::nullopt;
    return std::pair{x, y};
  }
  if (!joukowski_) return BlendInverse(t, w);
  const double c = std::sqrt(t) * cJ_;  // zeta_t is the Joukowski map of the constant sqrt(t) cJ
  Complex s = std::sqrt((w - 2.0 * c) * (w + 2.0 * c));
  if ((std::conj(w) * s).real() < 0.0) s = -s;
  const Complex z1 = 0.5 * (w + s);
  const Complex z2 = z1 == 0.0 ? Complex(0.0, 0.0) : (c / z1) * c;
  const double d1 = std::abs(z1 - zc_), d2 = std::abs(z2 - zc_);
  Complex z = z1;
  if (!(d1 > outer)) {
    if (std::max(d1, d2) < inner) return std::nullopt;
    z = d2 > d1 ? z2 : z1;
  }
  return std::pair{z.real(), z.imag()};
}

std::optional<std::pair<double, double>> ConformalMorph::BlendInverse(double t, Complex w) const {
  // Newton's method on (1 - t) z + t F(z) = w, from the blend of w and the
  // map's own inverse of w, each step kept outside the circle.
  const auto whole = map_->Inverse(w);
  Complex z = whole ? (1.0 - t) * w + t * *whole : w;
  const double inner = A_ * (1.0 - kOnBodyTolerance);
  for (int step = 0; step < kBlendNewtonSteps; ++step) {
    const auto image = map_->Forward(z);
    if (!image) return std::nullopt;
    Complex dz = ((1.0 - t) * z + t * *image - w) / ((1.0 - t) + t * map_->Derivative(z));
    if (!std::isfinite(dz.real()) || !std::isfinite(dz.imag())) return std::nullopt;
    for (int h = 0; h < kBlendNewtonSteps && std::abs(z - dz - zc_) < inner; ++h) dz *= 0.5;
    z -= dz;
    if (std::abs(dz) <= kBlendNewtonStep * std::max(std::abs(z), A_)) break;
  }
  if (std::abs(z - zc_) < inner) return std::nullopt;
  return std::pair{z.real(), z.imag()};
}

LinkedPoint ConformalMorph::Link(double t, double x, double y) const {
  LinkedPoint point;
  const auto z = Inverse(t, x, y);
  const auto image = z ? map_->Forward({z->first, z->second}) : std::nullopt;
  if (!image) {
    point.inside = true;
    return point;
  }
  point.zx = z->first, point.zy = z->second;
  point.fx = image->real(), point.fy = image->imag();
  point.local = Local(1.0, point.zx, point.zy);
  return point;
}

}  // namespace fluvenna
