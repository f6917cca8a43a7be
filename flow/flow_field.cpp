// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/flow_field.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "flow/blocks_on_cores.h"
#include "flow/mapping.h"
#include "flow/profile_map.h"

namespace fluvenna {
namespace {

using Complex = std::complex<double>;

constexpr double kTwoPi = 6.28318530717958647692528676655900;
// Beyond this multiple of cJ the map is the identity to far below rounding
// (cJ^2 / zeta is 1e-100 of zeta), and the squares of the root formula
// would overflow further out.
constexpr double kFarField = 1e50;
// The body polygon of a map other than the designed one: its points, its
// slabs of y, and the margin (relative to the body's length) within which a
// point near its outline is left to the map's inverse.
constexpr int kBodyPolygonPoints = 4096;
constexpr int kBodyPolygonSlabs = 256;
constexpr double kBodyPolygonMargin = 1e-4;
// Below this |z|^2 the speed is formed as one quotient of products, which
// stay far from overflow.
constexpr double kProductLimit = 1e60;

double Norm(double x, double y) {
  return x * x + y * y;
}

}  // namespace

const char* FieldStateName(FieldState state) {
  switch (state) {
    case FieldState::kFlow:
      return "flow";
    case FieldState::kOnBody:
      return "on body";
    case FieldState::kInsideBody:
      return "inside body";
    case FieldState::kSingular:
      return "singular";
  }
  return "singular";
}

FlowFieldModel::FlowFieldModel(const FlowParameters& p, const CircleModel& c)
    : map_(MapOf(c, p.nExp)),
      joukowski_(map_->Joukowski().has_value()),
      U0_(p.U0),
      A_(c.A),
      Gm_(c.Gm),
      turn_(c.CosAlfa, c.SinAlfa),
      zc_(c.xc, c.yc),
      // The designed map's constant as the pass re-reads it: the turned
      // trailing-edge point.
      cJ_(joukowski_ ? map_->Joukowski()->cJ : 0.0),
      kuttaMet_(p.iKutta == 1.0) {
  const double g = Gm_ / (2.0 * U0_);
  if (kuttaMet_) {
    // Gm = 2 A U0 sin(AlfaBeta): the stagnation points are A e^(-i AlfaBeta)
    // (the trailing-edge point, cJ in the profile frame) and its mirror in the
    // y axis of the flow frame.
    S1_ = map_->TrailingEdgeCirclePoint();
    S2_ = zc_ + turn_ * Complex(-A_ * std::cos(c.AlfaBeta), -A_ * std::sin(c.AlfaBeta));
  } else {
    const Complex root = std::sqrt(Complex(A_ * A_ - g * g, 0.0));
    S1_ = zc_ + turn_ * (Complex(0.0, -g) + root);
    S2_ = zc_ + turn_ * (Complex(0.0, -g) - root);
  }
  thetaCut_ = std::asin(std::clamp(-g / A_, -1.0, 1.0));
  cutTurn_ = Complex(std::cos(thetaCut_), -std::sin(thetaCut_));
  inner2_ = (A_ * (1.0 - kOnBodyTolerance)) * (A_ * (1.0 - kOnBodyTolerance));
  outer2_ = (A_ * (1.0 + kOnBodyTolerance)) * (A_ * (1.0 + kOnBodyTolerance));
  // The designed map's singular radius is a fraction of cJ, any other map's
  // of the circle radius.
  const double scale = joukowski_ ? cJ_ : A_;
  singular2_ = (kSingularRadius * scale) * (kSingularRadius * scale);
  qTE_ = U0_ * map_->TrailingEdgeSpeed(c.AlfaBeta);
  for (const MapCriticalPoint& k : map_->CriticalPoints()) {
    if (k.onCircle) sharpEdges_.push_back(k.z);
  }
  if (!joukowski_) {
    // The body's outline, a little inside the circle's image so that a point
    // on the body is never taken for one inside it.
    BodyPolygon& b = body_;
    for (const auto& image : map_->CircleImages(0.0, kBodyPolygonPoints)) {
      b.points.push_back(image ? *image : zc_);
    }
    b.points.push_back(b.points.front());
    b.xLow = b.xHigh = b.points[0].real(), b.yLow = b.yHigh = b.points[0].imag();
    for (const Complex p : b.points) {
      b.xLow = std::min(b.xLow, p.real()), b.xHigh = std::max(b.xHigh, p.real());
      b.yLow = std::min(b.yLow, p.imag()), b.yHigh = std::max(b.yHigh, p.imag());
    }
    b.slab = std::max((b.yHigh - b.yLow) / kBodyPolygonSlabs, 1e-300);
    b.edges.resize(kBodyPolygonSlabs);
    for (int i = 0; i + 1 < static_cast<int>(b.points.size()); ++i) {
      const double lo = std::min(b.points[i].imag(), b.points[i + 1].imag());
      const double hi = std::max(b.points[i].imag(), b.points[i + 1].imag());
      const int first =
          std::clamp(static_cast<int>((lo - b.yLow) / b.slab), 0, kBodyPolygonSlabs - 1);
      const int last =
          std::clamp(static_cast<int>((hi - b.yLow) / b.slab), 0, kBodyPolygonSlabs - 1);
      for (int k = first; k <= last; ++k) b.edges[k].push_back(i);
    }
  }
}

// Even-odd rule over the edges of the point's slab, a point closer than
// kBodyPolygonMargin (relative to the body's size) to an edge counting as
// outside: the polygon's chords cut inside a convex outline and outside a
// concave one, by far less than that.
bool FlowFieldModel::BodyPolygon::Inside(double x, double y) const {
  if (!(y > yLow && y < yHigh && x > xLow && x < xHigh)) return false;
  const int k = std::clamp(static_cast<int>((y - yLow) / slab), 0, kBodyPolygonSlabs - 1);
  const double margin = kBodyPolygonMargin * (xHigh - xLow);
  bool inside = false;
  for (const int i : edges[k]) {
    const Complex a = points[i], b = points[i + 1];
    const Complex ab = b - a, ap = Complex(x, y) - a;
    const double t =
        std::clamp((ap.real() * ab.real() + ap.imag() * ab.imag()) / std::norm(ab), 0.0, 1.0);
    if (std::abs(ap - t * ab) < margin) return false;
    if ((a.imag() > y) != (b.imag() > y) &&
        x < a.real() + (y - a.imag()) / (b.imag() - a.imag()) * ab.real()) {
      inside = !inside;
    }
  }
  return inside;
}

FieldState FlowFieldModel::Locate(FieldPlane plane, double x, double y, double& zx, double& zy,
                                  double accuracy) const {
  return LocateInline(plane, x, y, zx, zy, nullptr, accuracy);
}

double FlowFieldModel::SpeedSquared(FieldPlane plane, double zx, double zy, double accuracy) const {
  return SpeedSquaredInline(plane, zx, zy, accuracy);
}

// The sampler's inner loop inlines these two.
[[gnu::always_inline]] inline FieldState FlowFieldModel::LocateInline(FieldPlane plane, double x,
                                                                      double y, double& zx,
                                                                      double& zy,
                                                                      const double* root,
                                                                      double accuracy) const {
  zx = 0.0, zy = 0.0;
  if (!std::isfinite(x) || !std::isfinite(y)) return FieldState::kSingular;
  double d2 = 0.0;
  if (plane == FieldPlane::kCircle) {
    zx = x, zy = y;
    d2 = Norm(x - zc_.real(), y - zc_.imag());
    if (d2 < inner2_) return FieldState::kInsideBody;
    return d2 <= outer2_ ? FieldState::kOnBody : FieldState::kFlow;
  }

  if (!joukowski_) {
    // Any other map: its own inverse, and the sharp edges of its critical points.
    if (body_.Inside(x, y)) return FieldState::kInsideBody;
    const auto z =
        accuracy > 0.0 ? map_->InverseTo(Complex(x, y), accuracy) : map_->Inverse(Complex(x, y));
    if (!z) return FieldState::kInsideBody;
    zx = z->real(), zy = z->imag();
    d2 = Norm(zx - zc_.real(), zy - zc_.imag());
    if (d2 < inner2_) return FieldState::kInsideBody;
    for (std::size_t i = 0; i < sharpEdges_.size(); ++i) {
      if (i == 0 && kuttaMet_) continue;  // the trailing edge, where the flow is smooth
      if (Norm(zx - sharpEdges_[i].real(), zy - sharpEdges_[i].imag()) <= singular2_) {
        return FieldState::kSingular;
      }
    }
    return d2 <= outer2_ ? FieldState::kOnBody : FieldState::kFlow;
  }
  const double c = cJ_;
  if (Norm(x, y) > (kFarField * c) * (kFarField * c)) {
    zx = x, zy = y;
    return FieldState::kFlow;
  }
  double z1x = 0.0, z1y = 0.0;
  if (root != nullptr) {
    z1x = root[0], z1y = root[1];
  } else {
    JoukowskiLargerRoot(x, y, c, z1x, z1y);
  }
  const double d1 = Norm(z1x - zc_.real(), z1y - zc_.imag());
  if (d1 > outer2_) {
    // At most one root lies outside the circle (the map is one-to-one
    // there), so this is the one; z2 is not needed.
    zx = z1x, zy = z1y, d2 = d1;
  } else {
    // z2 = cJ^2 / z1 = cJ^2 conj(z1) / |z1|^2; |z1| >= |zeta| / 2 and
    // |z1| >= cJ (|z1 z2| = cJ^2 with |z1| >= |z2|), so z1 != 0.
    const double k = (c * c) / Norm(z1x, z1y);
    const double z2x = k * z1x, z2y = -k * z1y;
    const double d2b = Norm(z2x - zc_.real(), z2y - zc_.imag());
    if (d1 >= d2b) {
      zx = z1x, zy = z1y, d2 = d1;
    } else {
      zx = z2x, zy = z2y, d2 = d2b;
    }
  }
  if (d2 < inner2_) return FieldState::kInsideBody;
  if ((!kuttaMet_ && Norm(zx - c, zy) <= singular2_) || Norm(zx + c, zy) <= singular2_) {
    return FieldState::kSingular;
  }
  return d2 <= outer2_ ? FieldState::kOnBody : FieldState::kFlow;
}

std::optional<std::pair<double, double>> FlowFieldModel::InverseMap(double xi, double eta) const {
  double zx = 0.0, zy = 0.0;
  const FieldState state = Locate(FieldPlane::kAirfoil, xi, eta, zx, zy);
  if (state == FieldState::kInsideBody) return std::nullopt;
  if (!std::isfinite(xi) || !std::isfinite(eta)) return std::nullopt;
  return std::make_pair(zx, zy);
}

[[gnu::always_inline]] inline double FlowFieldModel::SpeedSquaredInline(FieldPlane plane, double zx,
                                                                        double zy,
                                                                        double accuracy) const {
  const double dc = Norm(zx - zc_.real(), zy - zc_.imag());
  const double m2 = Norm(zx - S2_.real(), zy - S2_.imag());
  const double U2 = U0_ * U0_;
  if (plane == FieldPlane::kCircle) {
    return U2 * (Norm(zx - S1_.real(), zy - S1_.imag()) / dc) * (m2 / dc);
  }
  if (!joukowski_) {
    // The circle speed over |dzeta/dz|: at a sharp trailing edge with the
    // Kutta condition met the limit is the map's trailing-edge speed.
    const Complex z(zx, zy);
    const double circle = U2 * (Norm(zx - S1_.real(), zy - S1_.imag()) / dc) * (m2 / dc);
    const double q2 =
        circle / std::norm(accuracy > 0.0 ? map_->DerivativeTo(z, accuracy) : map_->Derivative(z));
    if (!std::isfinite(q2) && kuttaMet_ && std::abs(z - S1_) <= kSingularRadius * A_) {
      return qTE_ * qTE_;
    }
    return q2;
  }
  const double zz = Norm(zx, zy);
  const double plus = Norm(zx + cJ_, zy);
  if (zz < kProductLimit) {
    // One division: the products stay far from overflow.
    if (kuttaMet_) return U2 * (m2 * zz * zz) / (dc * dc * plus);
    const double m1 = Norm(zx - S1_.real(), zy - S1_.imag());
    return U2 * (m1 * m2 * zz * zz) / (dc * dc * Norm(zx - cJ_, zy) * plus);
  }
  if (kuttaMet_) return U2 * (m2 / dc) * (zz / dc) * (zz / plus);
  const double m1 = Norm(zx - S1_.real(), zy - S1_.imag());
  return U2 * (m1 / dc) * (m2 / dc) * (zz / Norm(zx - cJ_, zy)) * (zz / plus);
}

FlowFieldModel::Complex FlowFieldModel::Velocity(FieldPlane plane, Complex z) const {
  const Complex d = z - zc_;
  Complex dFdz;
  if (plane == FieldPlane::kCircle) {
    dFdz = std::conj(turn_) * U0_ * ((z - S1_) / d) * ((z - S2_) / d);
    return std::conj(dFdz);
  }
  if (!joukowski_) {
    const Complex dFdz = std::conj(turn_) * U0_ * ((z - S1_) / d) * ((z - S2_) / d);
    return std::conj(dFdz / map_->Derivative(z));
  }
  // dF/dzeta = dF/dz z^2 / ((z - cJ)(z + cJ)); with the Kutta factor 1,
  // (z - S1) / (z - cJ) = 1.
  const Complex plus = z / (z + cJ_);
  Complex dFdzeta = std::conj(turn_) * U0_ * ((z - S2_) / d) * (z / d) * plus;
  if (!kuttaMet_) dFdzeta *= (z - S1_) / (z - cJ_);
  return std::conj(dFdzeta);
}

FieldPoint FlowFieldModel::At(FieldPlane plane, double x, double y) const {
  FieldPoint r;
  r.state = Locate(plane, x, y, r.zx, r.zy);
  if (r.state == FieldState::kInsideBody) return r;
  if (r.state == FieldState::kSingular && !(std::isfinite(x) && std::isfinite(y))) return r;

  const Complex z(r.zx, r.zy);
  const Complex w = std::conj(turn_) * (z - zc_);
  const double r2 = std::norm(w);
  const double a2 = A_ * A_ / r2;
  r.psi = U0_ * w.imag() * (1.0 - a2) + Gm_ * 0.5 * std::log(r2 / (A_ * A_));
  const Complex fromCut = w * cutTurn_;
  double t = std::atan2(fromCut.imag(), fromCut.real());
  if (t < 0.0) t += kTwoPi;
  r.phi = U0_ * w.real() * (1.0 + a2) - Gm_ * (thetaCut_ + t);
  if (!std::isfinite(r.psi) || !std::isfinite(r.phi)) {
    const double zx = r.zx, zy = r.zy;
    r = FieldPoint{};
    r.state = FieldState::kSingular;
    r.zx = zx, r.zy = zy;
    return r;
  }
  if (r.state == FieldState::kSingular) return r;

  const double q2 = SpeedSquared(plane, r.zx, r.zy);
  const Complex velocity = Velocity(plane, z);
  if (!std::isfinite(q2) || !std::isfinite(velocity.real()) || !std::isfinite(velocity.imag())) {
    r.state = FieldState::kSingular;
    return r;
  }
  r.u = velocity.real();
  r.v = velocity.imag();
  r.q = FieldValue(FieldQuantity::kSpeed, q2, U0_);
  r.Cp = FieldValue(FieldQuantity::kCp, q2, U0_);
  return r;
}

double FieldValue(FieldQuantity quantity, double speedSquared, double U0) {
  return quantity == FieldQuantity::kCp ? 1.0 - speedSquared / (U0 * U0) : std::sqrt(speedSquared);
}

std::pair<double, double> PixelCentre(const PixelGrid& grid, int i, int j) {
  return {grid.left + (i + 0.5) * ((grid.right - grid.left) / grid.width),
          grid.top + (j + 0.5) * ((grid.bottom - grid.top) / grid.height)};
}

namespace {

// The airfoil plane of a map other than the designed one, whose inverse costs
// a Newton search through its Fourier series at every point: the squared
// speed is worked out exactly at the corners of cells of kFieldCell pixels;
// a cell whose four corners are in the flow and differ by at most
// kFieldCellSpread U0^2 is filled by bilinear interpolation, any other is cut
// into four (its edge mid-points and centre worked out exactly) down to
// kFieldSmallestCell pixels, below which every pixel is worked out exactly.
class CellSampler {
 public:
  CellSampler(const FlowFieldModel& model, FieldQuantity quantity, const PixelGrid& grid,
              std::vector<double>& values)
      : model_(model), quantity_(quantity), grid_(grid), values_(values) {
    dx_ = (grid.right - grid.left) / grid.width;
    dy_ = (grid.bottom - grid.top) / grid.height;
    spread_ = kFieldCellSpread * model.U0() * model.U0();
  }

  // The squared speed at pixel (i, j), NaN where there is no flow.
  double Exact(int i, int j) const {
    const double x = grid_.left + (i + 0.5) * dx_, y = grid_.top + (j + 0.5) * dy_;
    double zx = 0.0, zy = 0.0;
    const FieldState state =
        model_.Locate(FieldPlane::kAirfoil, x, y, zx, zy, kFieldPictureAccuracy);
    if (state != FieldState::kFlow && state != FieldState::kOnBody) return kNaN;
    return model_.SpeedSquared(FieldPlane::kAirfoil, zx, zy, kFieldPictureAccuracy);
  }

  // Fills pixels x0..x1, y0..y1 (inclusive) from the exact corner values.
  void Fill(int x0, int y0, int x1, int y1, double c00, double c10, double c01, double c11) {
    // Each corner is asked: std::min and std::max pass over a NaN.
    const bool flow =
        std::isfinite(c00) && std::isfinite(c10) && std::isfinite(c01) && std::isfinite(c11);
    const double lo = std::min({c00, c10, c01, c11}), hi = std::max({c00, c10, c01, c11});
    if (flow && hi - lo <= spread_) {
      for (int j = y0; j <= y1; ++j) {
        const double fy = y1 > y0 ? static_cast<double>(j - y0) / (y1 - y0) : 0.0;
        for (int i = x0; i <= x1; ++i) {
          const double fx = x1 > x0 ? static_cast<double>(i - x0) / (x1 - x0) : 0.0;
          Store(i, j,
                (1.0 - fy) * ((1.0 - fx) * c00 + fx * c10) + fy * ((1.0 - fx) * c01 + fx * c11));
        }
      }
      return;
    }
    if (x1 - x0 <= kFieldSmallestCell || y1 - y0 <= kFieldSmallestCell) {
      for (int j = y0; j <= y1; ++j) {
        for (int i = x0; i <= x1; ++i) {
          const bool corner = (i == x0 || i == x1) && (j == y0 || j == y1);
          Store(i, j,
                corner ? (i == x0 ? (j == y0 ? c00 : c01) : (j == y0 ? c10 : c11)) : Exact(i, j));
        }
      }
      return;
    }
    const int xm = (x0 + x1) / 2, ym = (y0 + y1) / 2;
    const double top = Exact(xm, y0), bottom = Exact(xm, y1), left = Exact(x0, ym),
                 right = Exact(x1, ym), centre = Exact(xm, ym);
    Fill(x0, y0, xm, ym, c00, top, left, centre);
    Fill(xm, y0, x1, ym, top, c10, centre, right);
    Fill(x0, ym, xm, y1, left, centre, c01, bottom);
    Fill(xm, ym, x1, y1, centre, right, bottom, c11);
  }

 private:
  static constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  void Store(int i, int j, double q2) {
    if (j >= rowEnd_) return;  // the next row of cells writes that row
    values_[static_cast<std::size_t>(j) * grid_.width + i] =
        std::isfinite(q2) ? FieldValue(quantity_, q2, model_.U0()) : kNaN;
  }

  const FlowFieldModel& model_;
  FieldQuantity quantity_;
  const PixelGrid& grid_;
  std::vector<double>& values_;
  double dx_ = 0.0, dy_ = 0.0, spread_ = 0.0;

 public:
  // Rows from here on are left to the next row of cells, which another
  // thread may fill: every pixel is written by one thread.
  int rowEnd_ = std::numeric_limits<int>::max();
};

void SampleByCells(const FlowFieldModel& model, FieldQuantity quantity, const PixelGrid& grid,
                   std::vector<double>& values, int threads) {
  const int W = grid.width, H = grid.height;
  const int nx = std::max((W - 1 + kFieldCell - 1) / kFieldCell, 1);
  const int ny = std::max((H - 1 + kFieldCell - 1) / kFieldCell, 1);
  const auto cornerX = [&](int c) { return std::min(c * kFieldCell, W - 1); };
  const auto cornerY = [&](int c) { return std::min(c * kFieldCell, H - 1); };
  std::vector<double> corners(static_cast<std::size_t>(nx + 1) * (ny + 1));
  ForBlocksOnCores(ny + 1, 1, threads, [&](int first, int last) {
    const CellSampler sampler(model, quantity, grid, values);
    for (int cy = first; cy < last; ++cy) {
      for (int cx = 0; cx <= nx; ++cx) {
        corners[static_cast<std::size_t>(cy) * (nx + 1) + cx] =
            sampler.Exact(cornerX(cx), cornerY(cy));
      }
    }
  });
  // Cells side by side share their edge pixels (the later one writes them);
  // a row of cells leaves its last pixel row to the row below.
  ForBlocksOnCores(ny, 1, threads, [&](int first, int last) {
    CellSampler sampler(model, quantity, grid, values);
    for (int cy = first; cy < last; ++cy) {
      sampler.rowEnd_ = cy + 1 == ny ? H : cornerY(cy + 1);
      for (int cx = 0; cx < nx; ++cx) {
        const auto at = [&](int a, int b) {
          return corners[static_cast<std::size_t>(cy + b) * (nx + 1) + cx + a];
        };
        sampler.Fill(cornerX(cx), cornerY(cy), cornerX(cx + 1), cornerY(cy + 1), at(0, 0), at(1, 0),
                     at(0, 1), at(1, 1));
      }
    }
  });
}

}  // namespace

void SampleField(const FlowFieldModel& model, FieldPlane plane, FieldQuantity quantity,
                 const PixelGrid& grid, std::vector<double>& values, int threads) {
  if (grid.width <= 0 || grid.height <= 0) {
    values.clear();
    return;
  }
  if (plane == FieldPlane::kAirfoil && !model.joukowski()) {
    values.resize(static_cast<std::size_t>(grid.width) * static_cast<std::size_t>(grid.height));
    SampleByCells(model, quantity, grid, values, threads);
    return;
  }
  const std::size_t width = static_cast<std::size_t>(grid.width);
  values.resize(width * static_cast<std::size_t>(grid.height));
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double dx = (grid.right - grid.left) / grid.width;
  const double dy = (grid.bottom - grid.top) / grid.height;
  const double U0 = model.U0();
  // The designed map's larger roots are made a row at a time; any other map
  // is inverted point by point.
  const bool airfoil = plane == FieldPlane::kAirfoil && model.joukowski_;
  // A block of rows writes only its own rows of `values`, and has its own
  // larger roots: the larger roots of a row are made first, in a loop
  // without branches, then used by the same location as the probe's.
  // Everything the loops read is copied in, so that no store into the
  // values can be taken to change it.
  const auto sampleRows = [&model, plane, quantity, grid, dx, dy, U0, nan, airfoil, width,
                           values = values.data()](int firstRow, int lastRow) {
    const int columns = grid.width;
    const double left = grid.left, top = grid.top, cJ = model.cJ_;
    std::vector<double> roots(airfoil ? 2 * width : 0);
    double* out = values + static_cast<std::size_t>(firstRow) * width;
    for (int j = firstRow; j < lastRow; ++j) {
      const double y = top + (j + 0.5) * dy;
      if (airfoil) {
        for (int i = 0; i < columns; ++i) {
          const double x = left + (i + 0.5) * dx;
          JoukowskiLargerRoot(x, y, cJ, roots[2 * i], roots[2 * i + 1]);
        }
      }
      for (int i = 0; i < columns; ++i) {
        const double x = left + (i + 0.5) * dx;
        double zx = 0.0, zy = 0.0;
        const FieldState state = airfoil ? model.LocateInline(plane, x, y, zx, zy, &roots[2 * i])
                                         : model.LocateInline(plane, x, y, zx, zy, nullptr);
        double value = nan;
        if (state == FieldState::kFlow || state == FieldState::kOnBody) {
          const double q2 = model.SpeedSquaredInline(plane, zx, zy);
          if (std::isfinite(q2)) value = FieldValue(quantity, q2, U0);
        }
        *out++ = value;
      }
    }
  };
  ForBlocksOnCores(grid.height, kSampleRowBlock, threads, sampleRows);
}

std::vector<double> SampleField(const FlowFieldModel& model, FieldPlane plane,
                                FieldQuantity quantity, const PixelGrid& grid, int threads) {
  std::vector<double> values;
  SampleField(model, plane, quantity, grid, values, threads);
  return values;
}

}  // namespace fluvenna
