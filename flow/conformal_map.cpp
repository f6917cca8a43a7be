// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/conformal_map.h"

#include <algorithm>
#include <cmath>

#include "flow/flow_field.h"
#include "flow/mapping.h"

namespace fluvenna {
namespace {

using Complex = std::complex<double>;
constexpr int kMapExponent = 2;  // the Karman-Trefftz exponent of the profile map

}  // namespace

ConformalMorph::ConformalMorph(const CircleModel& c, double cJ, double Olcek)
    : cJ_(cJ), nC_(c.nC), A_(c.A), zc_(c.xc, c.yc) {
  thetaTE_ = std::atan2(-zc_.imag(), cJ_ - zc_.real());
  minusInside_ = std::abs(Complex(-cJ_, 0.0) - zc_) < A_ * (1.0 - kOnBodyTolerance);

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
    if (m == 0) x.front() = cJ_, y.front() = 0.0;  // from the trailing-edge point itself
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
    const auto image = MapPoint(x[j], y[j], cJ_, nC_, kMapExponent);
    if (!image) continue;
    line.zx.push_back(x[j]);
    line.zy.push_back(y[j]);
    line.fx.push_back(image->first);
    line.fy.push_back(image->second);
  }
  lines_.push_back(std::move(line));
}

std::optional<std::pair<double, double>> ConformalMorph::Morph(double t, double x, double y) const {
  if (t == 0.0) return std::pair{x, y};
  const auto image = MapPoint(x, y, cJ_, nC_, kMapExponent);
  if (!image) return std::nullopt;
  return std::pair{(1.0 - t) * x + t * image->first, (1.0 - t) * y + t * image->second};
}

LocalMap ConformalMorph::Local(double t, double x, double y) const {
  const Complex z(x, y);
  const Complex d = 1.0 - t * (cJ_ / z) * (cJ_ / z);
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

LinkedPoint ConformalMorph::Link(double t, double x, double y) const {
  LinkedPoint point;
  const auto z = Inverse(t, x, y);
  const auto image = z ? MapPoint(z->first, z->second, cJ_, nC_, kMapExponent) : std::nullopt;
  if (!image) {
    point.inside = true;
    return point;
  }
  point.zx = z->first, point.zy = z->second;
  point.fx = image->first, point.fy = image->second;
  point.local = Local(1.0, point.zx, point.zy);
  return point;
}

}  // namespace fluvenna
