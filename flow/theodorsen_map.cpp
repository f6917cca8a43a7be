// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/theodorsen_map.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>

#include "flow/fft.h"

namespace fluvenna {

namespace {

using Complex = std::complex<double>;
constexpr double kPi = std::numbers::pi;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

// Theodorsen's iteration stops when eps moves less than this (radians).
constexpr double kIterationTolerance = 1e-12;
// On the grids before the last: enough for comparing C_L to 1e-6 and speeds to 1e-4.
constexpr double kLooseIterationTolerance = 1e-10;
constexpr int kMostIterations = 100;
// C_L is compared this far above zero lift.
constexpr double kLiftReferenceAngle = 5.0 * kPi / 180.0;
// The finished series loses its tail as far as it moves the map by at most
// these shares of the tolerances it was built to: the contour by
// sum |C_k| |z'| (chords), the stretch |dz'/dz| by sum k |C_k| (relative),
// the bounds of the left-out terms on and outside the circle (|u| <= 1).
constexpr double kTailContourShare = 0.01;
constexpr double kTailSpeedShare = 0.1;
// Series terms stop once |u|^k max|C_j>=k| falls below this.
constexpr double kSeriesCutoff = 1e-16;
constexpr double kLogSeriesCutoff = -36.841361487904734;  // ln kSeriesCutoff
// The far series: from this multiple of the circle radius out, by its
// Laurent series about m, whose coefficients come from this many samples
// (they fall as kFarRadius^-k, below 1e-21 of the first at the fold).
constexpr double kFarRadius = 1.1;
constexpr int kFarSamples = 512;
// Newton for the inverse of the Fourier part: steps, and the step (in radii) that ends it.
constexpr int kMostNewtonSteps = 40;
// The speed is compared outside this band (radians of the circle) about the TE.
constexpr double kTrailingEdgeBand = 0.1;
// Rounds of the correction of the TE angle from the near circle's corner.
constexpr int kExponentRounds = 4;
constexpr double kNewtonTolerance = 1e-14;

// The near circle tabulated in polar form about the centre m.
struct NearCircleTable {
  std::vector<double> theta, psi, s;  // theta increasing over one turn from the TE
  // `hint`: an index to look near first (the nodes come in increasing theta).
  double Psi(double t, std::size_t* hint = nullptr) const;
  double SplineParameter(double t) const;
  std::size_t Locate(double& t, std::size_t* hint = nullptr) const;
  // Psi's cubics made once: per interval i, of the nodes i-1 .. i+2
  // (wrapping round the turn), psi_k over the products of node differences
  // of Lagrange's form, so that Psi takes no division.
  void PrepareCubics();
  // The nodes i-1 .. i+2 of interval i, shifted by a turn where they wrap.
  void Nodes(long i, double* t, double* p) const;
  struct Cubic {
    double w[4];
  };
  std::vector<Cubic> cubics;
};

void NearCircleTable::Nodes(long i, double* t, double* p) const {
  const long n = static_cast<long>(theta.size());
  for (int k = 0; k < 4; ++k) {
    long j = i - 1 + k;
    double shift = 0.0;
    if (j < 0) j += n, shift = -kTwoPi;
    if (j >= n) j -= n, shift = kTwoPi;
    t[k] = theta[static_cast<std::size_t>(j)] + shift;
    if (p) p[k] = psi[static_cast<std::size_t>(j)];
  }
}

void NearCircleTable::PrepareCubics() {
  const long n = static_cast<long>(theta.size());
  cubics.resize(theta.size());
  for (long i = 0; i < n; ++i) {
    Cubic& c = cubics[static_cast<std::size_t>(i)];
    double t[4], pk[4];
    Nodes(i, t, pk);
    for (int k = 0; k < 4; ++k) {
      double d = 1.0;
      for (int l = 0; l < 4; ++l)
        if (l != k) d *= t[k] - t[l];
      c.w[k] = pk[k] / d;
    }
  }
}

std::size_t NearCircleTable::Locate(double& t, std::size_t* hint) const {
  const double t0 = theta.front();
  if (!std::isfinite(t)) t = t0;
  if (std::abs(t - t0) > 100.0) t = t0 + std::fmod(t - t0, kTwoPi);
  while (t < t0) t += kTwoPi;
  while (t >= t0 + kTwoPi) t -= kTwoPi;
  // t + 2 Pi - 2 Pi may round to just below t0: that is t0 itself.
  if (t < t0) t = t0;
  if (hint && *hint < theta.size() && theta[*hint] <= t) {
    std::size_t i = *hint;
    for (int step = 0; step < 8; ++step) {
      if (i + 1 >= theta.size() || theta[i + 1] > t) return *hint = i;
      ++i;
    }
  }
  const auto it = std::upper_bound(theta.begin(), theta.end(), t);
  const auto i = static_cast<std::size_t>(it - theta.begin()) - 1;
  if (hint) *hint = i;
  return i;
}

double NearCircleTable::Psi(double t, std::size_t* hint) const {
  // The cubic through the points i-1 .. i+2 in Lagrange's form.
  const std::size_t i = Locate(t, hint);
  const Cubic& c = cubics[i];
  double tk[4];
  Nodes(static_cast<long>(i), tk, nullptr);
  const double a = t - tk[0], b = t - tk[1], d = t - tk[2], e = t - tk[3];
  return c.w[0] * (b * d * e) + c.w[1] * (a * d * e) + c.w[2] * (a * b * e) + c.w[3] * (a * b * d);
}

double NearCircleTable::SplineParameter(double t) const {
  const std::size_t i = Locate(t);
  const std::size_t j = i + 1 < theta.size() ? i + 1 : 0;
  const double t1 = j == 0 ? theta.front() + kTwoPi : theta[j];
  const double s1 = j == 0 ? s.back() + (s.back() - s[i]) : s[j];  // past the end: clamp later
  const double w = (t - theta[i]) / (t1 - theta[i]);
  return s[i] + w * (s1 - s[i]);
}

// eps_j = Im sum_{1 <= k < N/2} C_k e^(-i k phi_j) and the series' psi
// from the spectrum X of psi_j, on a grid `factor` times finer.
void ConjugateOnGrid(const std::vector<Complex>& spectrum, const Fft& fft, double& psi0,
                     std::vector<double>& psi, std::vector<double>& eps) {
  const int n = static_cast<int>(spectrum.size());
  const int m = fft.Size();
  std::vector<Complex> y(static_cast<std::size_t>(m), 0.0);
  for (int k = 1; k < n / 2; ++k)
    y[static_cast<std::size_t>(k)] = 2.0 * spectrum[static_cast<std::size_t>(k)] / double(n);
  fft.Backward(y);
  psi0 = spectrum[0].real() / n;
  psi.resize(static_cast<std::size_t>(m));
  eps.resize(static_cast<std::size_t>(m));
  for (int j = 0; j < m; ++j) {
    psi[static_cast<std::size_t>(j)] = psi0 + y[static_cast<std::size_t>(j)].real();
    eps[static_cast<std::size_t>(j)] = -y[static_cast<std::size_t>(j)].imag();
  }
}

// |dz'/dz| on the circle at phi_j = 2 Pi j / (N factor): |exp(S)| |1 - sum k C_k e^(-i k phi)|,
// from the spectrum X of psi_j (C_k = 2 conj(X_k) / N).
std::vector<double> StretchOnGrid(const std::vector<Complex>& spectrum, const Fft& fft) {
  const int n = static_cast<int>(spectrum.size());
  const int m = fft.Size();
  std::vector<Complex> s(static_cast<std::size_t>(m), 0.0), t(static_cast<std::size_t>(m), 0.0);
  for (int k = 1; k < n / 2; ++k) {
    s[static_cast<std::size_t>(k)] = 2.0 * spectrum[static_cast<std::size_t>(k)] / double(n);
    t[static_cast<std::size_t>(k)] = double(k) * s[static_cast<std::size_t>(k)];
  }
  fft.Backward(s);
  fft.Backward(t);
  std::vector<double> stretch(static_cast<std::size_t>(m));
  for (std::size_t j = 0; j < stretch.size(); ++j)
    stretch[j] = std::exp(s[j].real()) * std::abs(1.0 - std::conj(t[j]));
  return stretch;
}

}  // namespace

namespace {

// An upper bound of ln x (x > 0 and finite; else ln x itself), within 0.03
// of it, without the library's logarithm: x = f 2^e with f in [1/2, 1)
// (frexp, which only reads the bits), and ln f <= 2 t, t = (f - 1) / (f + 1)
// <= 0 (the first term of ln f = 2 atanh t, whose further terms are all
// negative). The series take a term or two more than the exact ln|u| would ask.
double LogAbove(double x) {
  if (!(x > 0.0) || !std::isfinite(x)) return std::log(x);  // 0, negative, inf, NaN
  int e = 0;
  const double f = std::frexp(x, &e);
  return e * std::numbers::ln2 + 2.0 * (f - 1.0) / (f + 1.0);
}

// R / w without the library's complex division (w != 0 and finite).
Complex Over(double r, Complex w) {
  const double k = r / (w.real() * w.real() + w.imag() * w.imag());
  return {k * w.real(), -k * w.imag()};
}

// a / b and e^s without the library's complex division and exponential
// (which guard against overflow and special values that do not arise here:
// b != 0 and both of chord size, s of order 1).
Complex Divide(Complex a, Complex b) {
  const double k = 1.0 / (b.real() * b.real() + b.imag() * b.imag());
  return {k * (a.real() * b.real() + a.imag() * b.imag()),
          k * (a.imag() * b.real() - a.real() * b.imag())};
}

Complex Exp(Complex s) {
  const double size = std::exp(s.real());
  return {size * std::cos(s.imag()), size * std::sin(s.imag())};
}

// Horner's scheme in v = u^8 on eight interleaved parts at once (block m
// holds the coefficients of u^(8m+1) .. u^(8m+8), real parts then
// imaginary parts): the eight chains are independent, so their
// multiplications overlap instead of waiting on one another. Four parts
// make one vector of four doubles (the compiler's vector extension: two SSE2
// registers, or one AVX register where the processor has it); every lane
// does a <- (a v - ...) + b in the same order as plain doubles would, so the
// numbers are the same bit for bit on either (no fused multiply-add).
// `kWeighted`: k c_k beside c_k (a block of Re c, Re k c, Im c, Im k c),
// sixteen chains. sr, si receive the parts' sums (and then the weighted ones).
using Lanes = double __attribute__((vector_size(32)));

// One step of a vector of four parts: a <- a v + c (imaginary parts at c + imag).
[[gnu::always_inline]] inline void LanesStep(Lanes& ar, Lanes& ai, double vr, double vi,
                                             const double* c, std::size_t imag) {
  Lanes cr, ci;  // memcpy: the blocks need not be aligned
  std::memcpy(&cr, c, sizeof cr);
  std::memcpy(&ci, c + imag, sizeof ci);
  const Lanes re = ar * vr - ai * vi + cr;
  ai = ar * vi + ai * vr + ci;
  ar = re;
}

template <bool kWeighted>
[[gnu::always_inline]] inline void HornerLanes(const double* blocks, std::size_t count, double vr,
                                               double vi, double* sr, double* si) {
  // A block: Re c_1..8, Im c_1..8 (plain), or Re c, Re k c, Im c, Im k c (weighted).
  constexpr std::size_t kStride = kWeighted ? 32 : 16;
  constexpr std::size_t kImag = kWeighted ? 16 : 8;
  Lanes ar = {}, ai = {}, br = {}, bi = {}, wr = {}, wi = {}, xr = {}, xi = {};
  for (std::size_t m = count; m-- > 0;) {
    const double* b = blocks + m * kStride;
    LanesStep(ar, ai, vr, vi, b, kImag);
    LanesStep(br, bi, vr, vi, b + 4, kImag);
    if constexpr (kWeighted) {
      LanesStep(wr, wi, vr, vi, b + 8, kImag);
      LanesStep(xr, xi, vr, vi, b + 12, kImag);
    }
  }
  std::memcpy(sr, &ar, sizeof ar);
  std::memcpy(sr + 4, &br, sizeof br);
  std::memcpy(si, &ai, sizeof ai);
  std::memcpy(si + 4, &bi, sizeof bi);
  if constexpr (kWeighted) {
    std::memcpy(sr + 8, &wr, sizeof wr);
    std::memcpy(sr + 12, &xr, sizeof xr);
    std::memcpy(si + 8, &wi, sizeof wi);
    std::memcpy(si + 12, &xi, sizeof xi);
  }
}

#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__)
#define FLUVENNA_AVX2_HORNER 1
[[gnu::target("avx2")]] void HornerAvx(bool weighted, const double* blocks, std::size_t count,
                                       double vr, double vi, double* sr, double* si) {
  if (weighted) {
    HornerLanes<true>(blocks, count, vr, vi, sr, si);
  } else {
    HornerLanes<false>(blocks, count, vr, vi, sr, si);
  }
}
#endif

void Horner(bool weighted, const double* blocks, std::size_t count, double vr, double vi,
            double* sr, double* si) {
#ifdef FLUVENNA_AVX2_HORNER
  static const bool avx2 = __builtin_cpu_supports("avx2");
  if (avx2) {
    HornerAvx(weighted, blocks, count, vr, vi, sr, si);
    return;
  }
#endif
  if (weighted) {
    HornerLanes<true>(blocks, count, vr, vi, sr, si);
  } else {
    HornerLanes<false>(blocks, count, vr, vi, sr, si);
  }
}

}  // namespace

std::size_t PowerSeries::TermsFor(double logSize, double cutoff) const {
  // (k + 1) ln|u| + ln max_{j>=k}|C_j| decreases with k (ln|u| <= 0 and the
  // tail bound does not grow), so the first index below ln(cutoff) is found
  // by bisection (written so that it needs no jumps).
  logSize = std::min(logSize, 0.0);  // outside the series' disc: every term up to the tail
  const double limit = cutoff == kSeriesCutoff ? kLogSeriesCutoff : std::log(cutoff);
  std::size_t first = 0, length = logTail_.size();
  while (length > 0) {
    const std::size_t half = length / 2, mid = first + half;
    const bool below = double(mid + 1) * logSize + logTail_[mid] < limit;
    first = below ? first : mid + 1;
    length = below ? half : length - half - 1;
  }
  return first;
}

Complex PowerSeries::Sum(Complex u, double cutoff, Complex* weighted) const {
  const double ur = u.real(), ui = u.imag();
  const std::size_t count = TermsFor(0.5 * LogAbove(ur * ur + ui * ui), cutoff);
  const std::size_t blocks = (count + kBlock - 1) / kBlock;
  // u, u^2, .., u^8 = v.
  double pr[kBlock], pi[kBlock];
  pr[0] = ur, pi[0] = ui;
  for (int r = 1; r < kBlock; ++r) {
    pr[r] = pr[r - 1] * ur - pi[r - 1] * ui;
    pi[r] = pr[r - 1] * ui + pi[r - 1] * ur;
  }
  const double vr = pr[kBlock - 1], vi = pi[kBlock - 1];
  // sum_r u^(r+1) P_r(v): the parts put together.
  const auto assemble = [&](const double* sr, const double* si) {
    double re = 0.0, im = 0.0;
    for (int r = 0; r < kBlock; ++r) {
      re += sr[r] * pr[r] - si[r] * pi[r];
      im += sr[r] * pi[r] + si[r] * pr[r];
    }
    return Complex(re, im);
  };
  double sr[2 * kBlock], si[2 * kBlock];
  if (!weighted) {
    Horner(false, plain_.data(), blocks, vr, vi, sr, si);
    return assemble(sr, si);
  }
  // c_k and k c_k side by side: eight chains.
  Horner(true, weighted_.data(), blocks, vr, vi, sr, si);
  *weighted = assemble(sr + kBlock, si + kBlock);
  return assemble(sr, si);
}

PowerSeries::PowerSeries(const std::vector<Complex>& coefficients) {
  const std::size_t n = coefficients.size();
  const std::size_t blocks = (n + kBlock - 1) / kBlock;
  plain_.assign(blocks * 2 * kBlock, 0.0);
  weighted_.assign(blocks * 4 * kBlock, 0.0);
  logTail_.resize(n);
  double tail = 0.0;
  for (std::size_t k = n; k-- > 0;) {
    const Complex c = coefficients[k];
    const std::size_t m = k / kBlock, r = k % kBlock;
    double* plain = plain_.data() + m * 2 * kBlock;
    plain[r] = c.real(), plain[kBlock + r] = c.imag();
    double* both = weighted_.data() + m * 4 * kBlock;
    both[r] = c.real(), both[2 * kBlock + r] = c.imag();
    both[kBlock + r] = double(k + 1) * c.real(), both[3 * kBlock + r] = double(k + 1) * c.imag();
    tail = std::max(tail, std::abs(c));
    logTail_[k] = std::log(tail);  // -inf for a tail of zeros: no term is taken there
  }
}

Complex TheodorsenMap::Series(Complex u, Complex* weighted, double cutoff) const {
  return series_.Sum(u, cutoff, weighted);
}

void TheodorsenMap::SetCoefficients(std::vector<Complex> coefficients) {
  coefficients_ = std::move(coefficients);
  series_ = PowerSeries(coefficients_);
}

std::vector<Complex> TheodorsenMap::CircleImages(double from, int count) const {
  std::vector<Complex> images;
  if (count <= 0) return images;
  images.reserve(static_cast<std::size_t>(count));
  if (!IsFftSize(count)) {
    for (int j = 0; j < count; ++j)
      images.push_back(Forward(centre_ + std::polar(radius_, from + kTwoPi * j / count)));
    return images;
  }
  // On the circle u = e^(-i phi): S(phi_j) = sum_k (C_k e^(-i k from)) e^(-2 Pi i j k / count).
  std::vector<Complex> values(static_cast<std::size_t>(count), 0.0);
  for (std::size_t k = 0; k < coefficients_.size(); ++k)
    values[(k + 1) % values.size()] += coefficients_[k] * std::polar(1.0, -double(k + 1) * from);
  Fft(count).Forward(values);
  for (int j = 0; j < count; ++j) {
    const Complex w = std::polar(radius_, from + kTwoPi * j / count);
    images.push_back(PreMap(centre_ + w * std::exp(values[static_cast<std::size_t>(j)])));
  }
  return images;
}

void TheodorsenMap::SetFarSeries() {
  // zeta - z on the circle |z - m| = rho: the near circle's series there by
  // one transform (C_k (R / rho)^k, folded into kFarSamples bins), the
  // pre-map point by point; its Fourier coefficients are beta_k = b_k rho^-k.
  farRadius_ = kFarRadius * radius_;
  const Fft fft(kFarSamples);
  std::vector<Complex> values(static_cast<std::size_t>(kFarSamples), 0.0);
  const double ratio = 1.0 / kFarRadius;
  double power = 1.0;
  for (std::size_t k = 0; k < coefficients_.size(); ++k) {
    power *= ratio;
    values[(k + 1) % values.size()] += coefficients_[k] * power;
  }
  fft.Forward(values);  // S at theta_j = 2 Pi j / N: sum a_k e^(-i k theta_j)
  for (int j = 0; j < kFarSamples; ++j) {
    const Complex w = std::polar(farRadius_, kTwoPi * j / kFarSamples);
    auto& v = values[static_cast<std::size_t>(j)];
    v = PreMap(centre_ + w * std::exp(v)) - (centre_ + w);
  }
  fft.Backward(values);  // sum_j f_j e^(+i k theta_j) = N beta_k
  farConstant_ = values[0] / double(kFarSamples);
  std::vector<Complex> beta(static_cast<std::size_t>(kFarSamples / 2 - 1));
  for (std::size_t k = 0; k < beta.size(); ++k) beta[k] = values[k + 1] / double(kFarSamples);
  far_ = PowerSeries(beta);
}

Complex TheodorsenMap::NearCircle(Complex z) const {
  const Complex w = z - centre_;
  if (w == 0.0) return centre_;
  return centre_ + w * Exp(Series(Over(radius_, w), nullptr, kSeriesCutoff));
}

Complex TheodorsenMap::PreMapPower(Complex zp, Complex& p, Complex& m) const {
  p = zp - preCentre_ - preHalf_, m = zp - preCentre_ + preHalf_;
  // V = p / m = p conj(m) / |m|^2, and V^n = |V|^n e^(i n arg V), arg V in (-Pi, Pi]
  // (the principal logarithm, as exp(n log V) takes it).
  const double pr = p.real(), pi = p.imag(), mr = m.real(), mi = m.imag();
  const double pp = pr * pr + pi * pi, mm = mr * mr + mi * mi;
  if (pp == 0.0) return 0.0;
  const double vr = pr * mr + pi * mi, vi = pi * mr - pr * mi;
  const double size = std::exp(0.5 * exponent_ * std::log(pp / mm));
  const double turn = exponent_ * std::atan2(vi, vr);
  return {size * std::cos(turn), size * std::sin(turn)};
}

Complex TheodorsenMap::PreMap(Complex zp) const {
  Complex p, m;
  const Complex q = PreMapPower(zp, p, m);
  if (q == 0.0) return trailingEdge_;
  return Divide(trailingEdge_ - q * innerPoint_, 1.0 - q);
}

std::optional<Complex> TheodorsenMap::PreMapInverse(Complex zeta) const {
  const Complex den = zeta - innerPoint_;
  if (den == 0.0) return std::nullopt;
  const Complex q = (zeta - trailingEdge_) / den;
  if (q == 0.0) return preCentre_ + preHalf_;
  double arg = std::arg(q);  // (-Pi, Pi]; moved into (cut - 2 Pi, cut]
  while (arg > cut_) arg -= kTwoPi;
  while (arg <= cut_ - kTwoPi) arg += kTwoPi;
  const Complex v = std::exp(Complex(std::log(std::abs(q)), arg) / exponent_);
  if (v == 1.0) return std::nullopt;
  return preCentre_ + preHalf_ * (1.0 + v) / (1.0 - v);
}

Complex TheodorsenMap::Forward(Complex z) const {
  const Complex w = z - centre_;
  if (farRadius_ > 0.0 && std::norm(w) >= farRadius_ * farRadius_) {
    return z + farConstant_ + far_.Sum(Over(farRadius_, w), kSeriesCutoff);
  }
  return PreMap(NearCircle(z));
}

Complex TheodorsenMap::Derivative(Complex z, double accuracy, Complex* image) const {
  const Complex w = z - centre_;
  if (farRadius_ > 0.0 && std::norm(w) >= farRadius_ * farRadius_) {
    // d/dz of beta_k (rho / (z - m))^k is -k beta_k (rho / (z - m))^k / (z - m).
    Complex weighted;
    // The full series: its terms carry k, and out here it is short anyway.
    const Complex sum = far_.Sum(Over(farRadius_, w), kSeriesCutoff, &weighted);
    if (image) *image = z + farConstant_ + sum;
    return 1.0 - weighted * Over(1.0, w);
  }
  if (w == 0.0) {
    if (image) *image = PreMap(centre_);
    return 0.0;
  }
  Complex weighted;
  const Complex s = Series(Over(radius_, w), &weighted, std::max(accuracy, kSeriesCutoff));
  const Complex e = Exp(s);
  const Complex zp = centre_ + w * e;
  const Complex dzp = e * (1.0 - weighted);
  Complex p, m;
  const Complex q = PreMapPower(zp, p, m);
  if (q == 0.0) {
    if (image) *image = trailingEdge_;
    return 0.0;
  }
  if (image) *image = Divide(trailingEdge_ - q * innerPoint_, 1.0 - q);
  const Complex d = trailingEdge_ - innerPoint_;
  const Complex dzeta = Divide(d * d * q, (1.0 - q) * (1.0 - q) * p * m);
  return dzeta * dzp;
}

std::optional<Complex> TheodorsenMap::Inverse(Complex zeta, double accuracy) const {
  const double cutoff = std::max(accuracy, kSeriesCutoff);
  const auto zpOpt = PreMapInverse(zeta);
  if (!zpOpt) return std::nullopt;
  const Complex zp = *zpOpt;
  Complex w = zp - centre_;
  if (w == 0.0) return std::nullopt;
  // The series converges on and outside the circle (|u| <= 1); a point of
  // the near circle may lie inside the circle's radius, so u is kept on the
  // unit circle there (the start, and any Newton step that falls inside).
  auto within = [this](Complex v) {
    Complex u = radius_ / v;
    const double size = std::abs(u);
    return size > 1.0 ? u / size : u;
  };
  w *= std::exp(-Series(within(w), nullptr, cutoff));
  // Newton on f(w) = w exp(S(R / w)) - (z' - m); f' = exp(S) (1 - sum k C_k u^k).
  const Complex target = zp - centre_;
  for (int iter = 0; iter < kMostNewtonSteps; ++iter) {
    if (!(std::abs(w) >= 0.5 * radius_)) return std::nullopt;
    Complex weighted;
    const Complex e = std::exp(Series(within(w), &weighted, cutoff));
    const Complex f = w * e - target;
    const Complex df = e * (1.0 - weighted);
    if (df == 0.0) return std::nullopt;
    const Complex step = f / df;
    w -= step;
    if (std::abs(step) <= std::max(kNewtonTolerance, 0.1 * accuracy) * radius_) break;
  }
  // Accepted when it lies on or outside the circle and re-maps to z'.
  if (!(std::abs(w) >= radius_ * (1.0 - 1e-9))) return std::nullopt;
  if (!(std::abs(w * std::exp(Series(radius_ / w, nullptr, cutoff)) - target) <=
        std::max(1e-10, 10.0 * accuracy) * radius_))
    return std::nullopt;
  return centre_ + w;
}

void TheodorsenMap::SetExponent(double n) {
  exponent_ = n;
  preHalf_ = (trailingEdge_ - innerPoint_) / (2.0 * exponent_);
  preCentre_ = 0.5 * (trailingEdge_ + innerPoint_);
}

std::optional<Complex> TheodorsenMap::NearCircleTangent(const AirfoilContour& contour,
                                                        bool upper) const {
  const std::size_t n = contour.x.size();
  if (n < 8) return std::nullopt;
  const Complex te = preCentre_ + preHalf_;
  double d[3], a[3];
  for (int k = 0; k < 3; ++k) {
    const std::size_t i =
        upper ? static_cast<std::size_t>(k + 1) : n - 2 - static_cast<std::size_t>(k);
    const auto zp = PreMapInverse({contour.x[i], contour.y[i]});
    if (!zp || *zp == te) return std::nullopt;
    d[k] = std::abs(*zp - te);
    a[k] = std::arg(*zp - te);
    if (k > 0) a[k] = a[0] + std::remainder(a[k] - a[0], kTwoPi);
  }
  if (!(d[0] < d[1] && d[1] < d[2])) return std::nullopt;
  // The quadratic through (d_k, a_k) at d = 0 (Lagrange).
  const double at0 = a[0] * d[1] * d[2] / ((d[0] - d[1]) * (d[0] - d[2])) +
                     a[1] * d[0] * d[2] / ((d[1] - d[0]) * (d[1] - d[2])) +
                     a[2] * d[0] * d[1] / ((d[2] - d[0]) * (d[2] - d[1]));
  return std::polar(1.0, at0);
}

double TheodorsenMap::Circulation(double alpha) const {
  return 4.0 * kPi * radius_ * std::sin(alpha - phiT_);
}

double TheodorsenMap::LiftCoefficient(double alpha) const {
  return 2.0 * Circulation(alpha);
}

Complex TheodorsenMap::CircleVelocity(Complex z, double alpha) const {
  const Complex w = z - centre_;
  const Complex i(0.0, 1.0);
  return std::exp(-i * alpha) - radius_ * radius_ * std::exp(i * alpha) / (w * w) +
         i * Circulation(alpha) / (kTwoPi * w);
}

double TheodorsenMap::SurfaceSpeed(double phi, double alpha) const {
  double d = std::remainder(phi - phiT_, kTwoPi);
  constexpr double kNearEdge = 1e-7;
  if (std::abs(d) < kNearEdge) {
    return 0.5 * (SurfaceSpeed(phiT_ + kNearEdge, alpha) + SurfaceSpeed(phiT_ - kNearEdge, alpha));
  }
  const Complex z = centre_ + std::polar(radius_, phi);
  return std::abs(CircleVelocity(z, alpha)) / std::abs(Derivative(z));
}

std::variant<TheodorsenMap, TheodorsenFault> BuildTheodorsenMap(
    const AirfoilContour& contour, const TheodorsenMapOptions& options) {
  if (contour.x.size() < 8 || contour.x.size() != contour.y.size())
    return TheodorsenFault::kBadContour;
  const ContourSpline spline(contour.x, contour.y);
  const double total = spline.Length();
  const double sLe = spline.FarthestFromStart();
  double tex, tey, lex, ley, dx, dy, ddx, ddy, ux, uy, lx, ly;
  spline.Eval(0.0, tex, tey, ux, uy);
  spline.Eval(total, tex, tey, lx, ly);
  spline.Eval(sLe, lex, ley, dx, dy, ddx, ddy);
  const double chord = std::hypot(tex - lex, tey - ley);
  if (!(chord > 0.0)) return TheodorsenFault::kBadContour;
  const double cosTau = (ux * -lx + uy * -ly) / (std::hypot(ux, uy) * std::hypot(lx, ly));
  const double tau = std::min(std::acos(std::clamp(cosTau, -1.0, 1.0)), 0.9 * kPi);
  const double curvature = std::abs(dx * ddy - dy * ddx) / std::pow(dx * dx + dy * dy, 1.5);
  const double nose = std::min(curvature > 0.0 ? 1.0 / curvature : 0.0, 0.25 * chord);

  TheodorsenMap map;
  map.trailingEdge_ = {tex, tey};
  const Complex le(lex, ley);
  map.innerPoint_ = le + 0.5 * nose * (map.trailingEdge_ - le) / chord;
  map.SetExponent(2.0 - tau / kPi);
  {
    double ax, ay, bx, by;
    spline.Eval(0.5 * sLe, ax, ay);
    spline.Eval(0.5 * (sLe + total), bx, by);
    const Complex mid(0.5 * (ax + bx), 0.5 * (ay + by));
    double g = std::arg((mid - map.trailingEdge_) / (mid - map.innerPoint_));
    if (g <= 0.0) g += kTwoPi;
    map.cut_ = g;
  }
  // The TE angle read from the spline's end slopes is only as good as a
  // cubic's fit to the last points; where the surfaces curve sharply into
  // the TE (as a Karman-Trefftz profile's do) it is off by a few 1e-3. The
  // near circle shows the error as a corner at z'_T: there the exterior
  // angle is 2 Pi - tau = n (Pi + t_c), t_c the turn of the near circle's
  // tangent from the lower to the upper side. Each side's tangent is
  // extrapolated to z'_T from the three contour points nearest the TE
  // (quadratic in the distance), and tau corrected until t_c vanishes.
  for (int round = 0; round < kExponentRounds; ++round) {
    const auto upper = map.NearCircleTangent(contour, true);
    const auto lower = map.NearCircleTangent(contour, false);
    if (!upper || !lower) break;
    const double turn = std::arg(*upper / -*lower);
    const double corrected = kTwoPi - map.exponent_ * (kPi + turn);
    if (!(corrected > -0.01 && corrected < 0.9 * kPi)) break;
    map.SetExponent(2.0 - std::max(corrected, 0.0) / kPi);  // a cusp at most
    if (std::abs(turn) < 1e-12) break;
  }

  // The near circle, sampled crowded at both edges, in polar form about m.
  const Complex zpTe = map.preCentre_ + map.preHalf_;
  const auto zpLeOpt = map.PreMapInverse(le);
  if (!zpLeOpt) return TheodorsenFault::kBadContour;
  map.centre_ = 0.5 * (zpTe + *zpLeOpt);
  const Complex m = map.centre_;
  NearCircleTable table;
  const int per = std::max(options.samplesPerSurface, 16);
  table.theta.reserve(2 * static_cast<std::size_t>(per));
  double previous = std::arg(zpTe - m);
  for (int surface = 0; surface < 2; ++surface) {
    const double sa = surface == 0 ? 0.0 : sLe, sb = surface == 0 ? sLe : total;
    for (int k = 0; k < per; ++k) {
      const double s = sa + (sb - sa) * 0.5 * (1.0 - std::cos(kPi * k / per));
      double px, py;
      spline.Eval(s, px, py);
      const auto zp =
          (k == 0 && surface == 0) ? std::optional<Complex>(zpTe) : map.PreMapInverse({px, py});
      if (!zp || *zp == m) return TheodorsenFault::kNotStarShaped;
      const Complex w = *zp - m;
      double t = std::arg(w);
      if (table.theta.empty()) {
        t = previous;
      } else {
        t = previous + std::remainder(t - previous, kTwoPi);
        if (!(t > previous)) return TheodorsenFault::kNotStarShaped;
      }
      previous = t;
      table.theta.push_back(t);
      table.psi.push_back(std::log(std::abs(w)));
      table.s.push_back(s);
    }
  }
  if (!(previous < table.theta.front() + kTwoPi)) return TheodorsenFault::kNotStarShaped;
  table.PrepareCubics();
  const double thetaTe = table.theta.front();

  // Theodorsen's iteration on ever finer grids.
  int n = std::max(16, options.fewestNodes);
  while (!IsFftSize(n)) ++n;
  std::vector<double> eps(static_cast<std::size_t>(n), 0.0);
  std::vector<Complex> spectrum;
  double lastRadius = 0.0, lastPhiT = 0.0;
  std::vector<double> lastStretch;  // on the previous grid's fine grid = this grid
  bool haveLast = false;
  for (;;) {
    const Fft fft(n), fine(2 * n);
    double psi0 = 0.0;
    // Iterates until eps moves by less than `tolerance`, then reads the
    // coefficients, R and phi_T off the spectrum. False when it diverges.
    auto solve = [&](double tolerance) {
      std::vector<double> psiSeries, epsNew;
      for (int iter = 0; iter < kMostIterations; ++iter) {
        spectrum.assign(static_cast<std::size_t>(n), 0.0);
        std::size_t hint = 0;
        for (int j = 0; j < n; ++j) {
          const double phi = kTwoPi * j / n;
          spectrum[static_cast<std::size_t>(j)] =
              table.Psi(phi + eps[static_cast<std::size_t>(j)], &hint);
        }
        fft.Forward(spectrum);
        ConjugateOnGrid(spectrum, fft, psi0, psiSeries, epsNew);
        double change = 0.0;
        for (std::size_t j = 0; j < eps.size(); ++j)
          change = std::max(change, std::abs(epsNew[j] - eps[j]));
        eps = epsNew;
        if (!std::isfinite(change) || change > 10.0) return false;
        if (change < tolerance) break;
      }
      map.radius_ = std::exp(psi0);
      std::vector<Complex> coefficients(static_cast<std::size_t>(n / 2 - 1), 0.0);
      for (int k = 1; k < n / 2; ++k)
        coefficients[static_cast<std::size_t>(k - 1)] =
            2.0 * std::conj(spectrum[static_cast<std::size_t>(k)]) / double(n);
      map.coefficients_ = std::move(coefficients);  // Series' tables come with the last grid
      // phi_T: theta(phi) = theta_TE by Newton, from node 0 (theta_0 = eps_0 ~ theta_TE).
      double phi = thetaTe - eps[0];
      for (int iter = 0; iter < 50; ++iter) {
        Complex sum = 0.0, dsum = 0.0;
        const Complex turn = std::polar(1.0, -phi);
        Complex power = turn;  // e^(-i k phi) by recurrence (rounding grows as k 1e-16)
        for (std::size_t k = 0; k < map.coefficients_.size(); ++k) {
          const Complex e = map.coefficients_[k] * power;
          sum += e;
          dsum += double(k + 1) * e;
          power *= turn;
        }
        const double f = phi + sum.imag() - thetaTe;
        const double df = 1.0 - dsum.real();
        const double step = f / df;
        phi -= step;
        if (std::abs(step) < 1e-15) break;
      }
      map.phiT_ = phi;
      map.nodes_ = n;
      return true;
    };
    // Grids on the way are solved loosely (their numbers are only compared
    // with the next grid's); the grid that passes is then solved fully.
    if (!solve(kLooseIterationTolerance)) return TheodorsenFault::kNotConverged;

    // Lift change from the coarser grid, at kLiftReferenceAngle above zero lift.
    map.liftChange_ = 1.0;
    if (haveLast) {
      const double a = map.phiT_ + kLiftReferenceAngle;
      const double now = map.radius_ * std::sin(a - map.phiT_);
      const double before = lastRadius * std::sin(a - lastPhiT);
      map.liftChange_ = std::abs(now - before) / std::abs(now);
    }
    lastRadius = map.radius_, lastPhiT = map.phiT_;
    // The stretch |dz'/dz| at the nodes (outside a band about the TE, where
    // it vanishes or grows without bound) against the coarser grid's.
    map.speedChange_ = 1.0;
    if (haveLast) {
      const std::vector<double> stretch = StretchOnGrid(spectrum, fft);
      map.speedChange_ = 0.0;
      for (int j = 0; j < n; ++j) {
        const double phi = kTwoPi * j / n;
        if (std::abs(std::remainder(phi - map.phiT_, kTwoPi)) < kTrailingEdgeBand) continue;
        const auto u = static_cast<std::size_t>(j);
        map.speedChange_ =
            std::max(map.speedChange_, std::abs(stretch[u] - lastStretch[u]) / stretch[u]);
      }
    }
    lastStretch = StretchOnGrid(spectrum, fine);
    haveLast = true;

    // The series on the grid twice as fine: the mid-points re-trace the
    // contour, and all of it starts the next grid.
    std::vector<double> psiFine, epsFine;
    double residual = 0.0;
    if ((map.liftChange_ <= options.liftTolerance && map.speedChange_ <= options.speedTolerance) ||
        n >= options.mostNodes) {
      if (!solve(kIterationTolerance)) return TheodorsenFault::kNotConverged;
      ConjugateOnGrid(spectrum, fine, psi0, psiFine, epsFine);
      for (int j = 1; j < 2 * n; j += 2) {
        const double phiMid = kPi * j / n;
        const double t = phiMid + epsFine[static_cast<std::size_t>(j)];
        const Complex zp = m + std::exp(Complex(psiFine[static_cast<std::size_t>(j)], t));
        const Complex zeta = map.PreMap(zp);
        const double s0 = std::clamp(table.SplineParameter(t), 0.0, total);
        const double s = spline.Nearest(zeta.real(), zeta.imag(), s0, 0.0, total);
        double px, py;
        spline.Eval(s, px, py);
        residual = std::max(residual, std::hypot(px - zeta.real(), py - zeta.imag()));
      }
      map.residual_ = residual;
      if (residual <= options.contourTolerance) {
        map.converged_ = true;
        break;
      }
    } else {
      map.residual_ = -1.0;
      ConjugateOnGrid(spectrum, fine, psi0, psiFine, epsFine);
    }
    if (n >= options.mostNodes) break;
    n *= 2;
    eps = epsFine;
  }

  // Drop the tail of the series that lies below what the tolerances ask (the
  // noise of the table's local cubics, some 1e-10 a term, is most of it).
  // |z'| <= 2 chords on the near circle.
  double tail = 0.0, weightedTail = 0.0;
  std::size_t keep = map.coefficients_.size();
  const double contourBudget = kTailContourShare * options.contourTolerance / 2.0;
  const double speedBudget = kTailSpeedShare * options.speedTolerance;
  while (keep > 1) {
    const double c = std::abs(map.coefficients_[keep - 1]);
    if (!(tail + c <= contourBudget && weightedTail + double(keep) * c <= speedBudget)) break;
    tail += c, weightedTail += double(keep) * c;
    --keep;
  }
  map.coefficients_.resize(keep);
  map.SetCoefficients(std::move(map.coefficients_));
  map.SetFarSeries();
  return map;
}

}  // namespace fluvenna
