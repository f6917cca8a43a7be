// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdlib>
#include <memory>
#include <new>

namespace fluvenna {

// The curves of a pass: 21 curves (0 = body contour, 1 and 2 = the dividing
// streamline, 3.. = streamline pairs) of up to 5000 points each. Points are
// counted from 1; index 0 of every curve is never used. XA/YA hold the flow
// frame of the circle plane, XP/YP the plot coordinates (circle plane after
// the turn and shift, then the airfoil plane after the map). Xs/Ys hold the
// half-streamline being traced.
//
// Every coordinate starts at zero. The arrays (3.4 MB) are taken from
// calloc, which skips clearing a block that comes as fresh pages from the
// kernel (as a block of this size does in a new process): the kernel gives
// each page zeroed when it is first touched, so a pass pays for the pages of
// the points it traces (some tens of kilobytes), not for clearing them all.
class PointArrays {
 public:
  static constexpr int kMaxCurve = 20;         // curves 0..20
  static constexpr int kMaxPoint = 5000;       // points 1..5000
  static constexpr int kMaxHalfPoints = 2500;  // a mirrored pair has 2n - 1 <= 5000 points

  PointArrays()
      : xa_(Zeros(kSize)),
        ya_(Zeros(kSize)),
        xp_(Zeros(kSize)),
        yp_(Zeros(kSize)),
        xs_(Zeros(kMaxPoint + 1)),
        ys_(Zeros(kMaxPoint + 1)) {
    NP.fill(0);
    PSI.fill(0.0);
  }

  double& XA(int k, int j) { return xa_[Index(k, j)]; }
  double& YA(int k, int j) { return ya_[Index(k, j)]; }
  double& XP(int k, int j) { return xp_[Index(k, j)]; }
  double& YP(int k, int j) { return yp_[Index(k, j)]; }
  double XA(int k, int j) const { return xa_[Index(k, j)]; }
  double YA(int k, int j) const { return ya_[Index(k, j)]; }
  double XP(int k, int j) const { return xp_[Index(k, j)]; }
  double YP(int k, int j) const { return yp_[Index(k, j)]; }
  double& Xs(int j) { return xs_[static_cast<std::size_t>(j)]; }
  double& Ys(int j) { return ys_[static_cast<std::size_t>(j)]; }
  double Xs(int j) const { return xs_[static_cast<std::size_t>(j)]; }
  double Ys(int j) const { return ys_[static_cast<std::size_t>(j)]; }

  // Number of the last point of curve k (0 = the curve is left out), and the
  // stream-function value the curve follows. Both are reset by every pass.
  std::array<int, kMaxCurve + 1> NP;
  std::array<double, kMaxCurve + 1> PSI;

 private:
  static constexpr std::size_t kStride = kMaxPoint + 1;
  static constexpr std::size_t kSize = (kMaxCurve + 1) * kStride;
  static std::size_t Index(int k, int j) {
    return static_cast<std::size_t>(k) * kStride + static_cast<std::size_t>(j);
  }

  // `count` doubles, all zero (all bits zero is 0.0 in IEEE 754).
  struct Free {
    void operator()(double* p) const { std::free(p); }
  };
  using Doubles = std::unique_ptr<double[], Free>;
  static Doubles Zeros(std::size_t count) {
    void* p = std::calloc(count, sizeof(double));
    if (!p) throw std::bad_alloc();
    return Doubles(static_cast<double*>(p));
  }

  Doubles xa_, ya_, xp_, yp_, xs_, ys_;
};

}  // namespace fluvenna
