// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <vector>

namespace fluvenna {

// The curves of a pass: 21 curves (0 = body contour, 1 and 2 = the dividing
// streamline, 3.. = streamline pairs) of up to 5000 points each. Points are
// counted from 1; index 0 of every curve is never used. XA/YA hold the flow
// frame of the circle plane, XP/YP the plot coordinates (circle plane after
// the turn and shift, then the airfoil plane after the map). Xs/Ys hold the
// half-streamline being traced.
class PointArrays {
 public:
  static constexpr int kMaxCurve = 20;         // curves 0..20
  static constexpr int kMaxPoint = 5000;       // points 1..5000
  static constexpr int kMaxHalfPoints = 2500;  // a mirrored pair has 2n - 1 <= 5000 points

  PointArrays()
      : xa_(kSize, 0.0),
        ya_(kSize, 0.0),
        xp_(kSize, 0.0),
        yp_(kSize, 0.0),
        xs_(kMaxPoint + 1, 0.0),
        ys_(kMaxPoint + 1, 0.0) {
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

  std::vector<double> xa_, ya_, xp_, yp_, xs_, ys_;
};

}  // namespace fluvenna
