// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <complex>
#include <vector>

namespace fluvenna {

// A radix-2 discrete Fourier transform of a fixed size (a power of two, at
// least 2), with its table of roots made once:
//   Forward:  X_k = sum_j x_j exp(-2 Pi i j k / N)
//   Backward: x_j = sum_k X_k exp(+2 Pi i j k / N)   (no 1/N)
// In place, iterative Cooley-Tukey (decimation in time, bit-reversed input
// order). Each root is formed directly by cos and sin, so rounding grows as
// log N, not as N.
class Fft {
 public:
  explicit Fft(int size);
  int Size() const { return size_; }
  void Forward(std::vector<std::complex<double>>& data) const { Run(data, false); }
  void Backward(std::vector<std::complex<double>>& data) const { Run(data, true); }

 private:
  void Run(std::vector<std::complex<double>>& data, bool backward) const;
  int size_ = 0;
  std::vector<std::complex<double>> roots_;  // exp(-2 Pi i k / N), k < N / 2
  std::vector<int> reversed_;                // bit-reversed index of each index
};

// True when `n` is a power of two no smaller than 2.
bool IsFftSize(int n);

}  // namespace fluvenna
