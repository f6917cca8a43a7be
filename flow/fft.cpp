// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/fft.h"

#include <cmath>
#include <numbers>
#include <utility>

namespace fluvenna {

bool IsFftSize(int n) {
  return n >= 2 && (n & (n - 1)) == 0;
}

Fft::Fft(int size) : size_(IsFftSize(size) ? size : 2) {
  const auto n = static_cast<std::size_t>(size_);
  roots_.resize(n / 2);
  for (std::size_t k = 0; k < n / 2; ++k) {
    const double angle = -2.0 * std::numbers::pi * static_cast<double>(k) / static_cast<double>(n);
    roots_[k] = {std::cos(angle), std::sin(angle)};
  }
  reversed_.resize(n);
  int bits = 0;
  while ((1 << bits) < size_) ++bits;
  for (int i = 0; i < size_; ++i) {
    int r = 0;
    for (int b = 0; b < bits; ++b) r |= ((i >> b) & 1) << (bits - 1 - b);
    reversed_[static_cast<std::size_t>(i)] = r;
  }
}

void Fft::Run(std::vector<std::complex<double>>& data, bool backward) const {
  const auto n = static_cast<std::size_t>(size_);
  if (data.size() != n) return;
  for (std::size_t i = 0; i < n; ++i) {
    const auto r = static_cast<std::size_t>(reversed_[i]);
    if (i < r) std::swap(data[i], data[r]);
  }
  // The butterflies on plain doubles (the same products as std::complex's,
  // without its checks for NaN in the inner loop).
  const double sign = backward ? -1.0 : 1.0;
  double* d = reinterpret_cast<double*>(data.data());  // re, im side by side ([complex.numbers])
  const double* roots = reinterpret_cast<const double*>(roots_.data());
  for (std::size_t length = 2; length <= n; length *= 2) {
    const std::size_t half = length / 2;
    const std::size_t stride = n / length;
    for (std::size_t start = 0; start < n; start += length) {
      {
        // k = 0: the root is (1, -0), and the product is the number itself.
        double* a = d + 2 * start;
        double* b = d + 2 * (start + half);
        const double tr = b[0], ti = b[1];
        b[0] = a[0] - tr, b[1] = a[1] - ti;
        a[0] += tr, a[1] += ti;
      }
      for (std::size_t k = 1; k < half; ++k) {
        const double wr = roots[2 * k * stride], wi = sign * roots[2 * k * stride + 1];
        double* a = d + 2 * (start + k);
        double* b = d + 2 * (start + k + half);
        const double tr = wr * b[0] - wi * b[1], ti = wr * b[1] + wi * b[0];
        b[0] = a[0] - tr, b[1] = a[1] - ti;
        a[0] += tr, a[1] += ti;
      }
    }
  }
}

}  // namespace fluvenna
