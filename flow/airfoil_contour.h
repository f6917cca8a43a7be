// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace fluvenna {

// Profiles other than Joukowski's: a NACA section or a coordinate file,
// brought to one normalised contour that the Theodorsen map (theodorsen_map.h)
// carries to a circle.
//
// Normalisation, the same for every source:
//  1. The trailing edge (TE) is the first point; a blunt TE is closed first
//     (CloseTrailingEdgeGap below).
//  2. A parametric cubic spline runs through the points in arc length
//     (chord-length knots). The contour is closed: it starts and ends at the
//     TE, the one corner of the profile, where each surface keeps its own
//     tangent (end slopes from the cubic through the four points nearest the
//     TE on that surface, O(h^3)); everywhere else it is C2.
//  3. The leading edge (LE) is the spline point farthest from the TE; the
//     chord runs from the LE to the TE.
//  4. The points are moved and scaled so that the LE is at (0, 0) and the
//     chord is 1, but not turned: the angle of attack is measured from the
//     x axis of the coordinates, as in the usual airfoil programs and the
//     published data. The TE therefore lies at (cos a, sin a), a the
//     chord-line angle of the report (for NACA sections the x axis is the
//     NACA chord line and a is a few hundredths of a degree at most).
//  5. The points run anticlockwise: from the TE over the upper surface to
//     the LE and back along the lower surface; the last point repeats the
//     first (the TE).

// Why a profile was refused. `line` is the 1-based line of the file where
// the fault lies (0 when it concerns no one line, or for a NACA code); for
// ContourFromPoints it is the 1-based number of the point.
enum class AirfoilFaultKind {
  kEmptyFile,            // nothing but blank and comment lines
  kNotTwoNumbers,        // a line that is not two numbers (line)
  kNotFinite,            // NaN or infinity (line)
  kTooFewPoints,         // fewer than kFewestAirfoilPoints points
  kTooManyPoints,        // more than kMostAirfoilPoints points (line of the first too many)
  kFileTooLarge,         // more than kMostAirfoilFileBytes bytes
  kCountsDisagree,       // Lednicer: the two counts do not match the points (line of the counts)
  kSelfCrossing,         // two segments of the contour cross (line of a point of one)
  kOutOfOrder,           // a jump longer than kLongestJump chords (line of the point after it)
  kGapTooLarge,          // TE gap above kLargestTrailingEdgeGap chords
  kNoChord,              // every point at the same place: no chord
  kNacaNotDigits,        // a NACA code that is not 4 or 5 digits
  kNacaUnknownMeanLine,  // a mean line other than the 4-digit ones and 210..250
  kNacaReflexed,         // a reflexed 5-digit mean line (third digit 1)
  kNacaNoThickness,      // thickness 0
  kNacaTooThick,         // thickness above 40 %
};

struct AirfoilFault {
  AirfoilFaultKind kind = AirfoilFaultKind::kEmptyFile;
  int line = 0;
};

// "empty_file", "not_two_numbers", ...: a stable name for logs and JSON.
const char* AirfoilFaultName(AirfoilFaultKind kind);

inline constexpr int kFewestAirfoilPoints = 20;
inline constexpr int kMostAirfoilPoints = 10000;
inline constexpr std::size_t kMostAirfoilFileBytes = 1000000;  // 1 MB
inline constexpr double kLongestJump = 0.25;                   // chords, between consecutive points
inline constexpr double kLargestTrailingEdgeGap = 0.02;        // chords
// Points per surface of a NACA section, cosine-spaced in x.
inline constexpr int kNacaPointsPerSurface = 301;

// What the profile window and the summary tell about a profile. Lengths in
// chords, angles in radians. Thickness and camber are measured across the
// chord (LE to TE), as for the Joukowski profiles (profile_geometry.h): at
// each station along the chord the thickness is h_upper - h_lower and the
// mean line (h_upper + h_lower) / 2, h the height above the chord; the
// stations are 159 cosine-spaced ones, the largest refined by a parabola.
struct ProfileReport {
  std::string name;
  double thickness = 0.0;          // largest thickness t/c
  double thicknessX = 0.0;         // its x/c
  double camber = 0.0;             // largest |mean line| f/c (signed: negative below the x axis)
  double camberX = 0.0;            // its x/c
  double trailingEdgeAngle = 0.0;  // tau, between the two surfaces' tangents at the TE
  double leadingEdgeRadius = 0.0;  // 1 / curvature of the spline at the LE
  double closedGap = 0.0;          // the TE gap closed, chords (0 for a closed TE)
  double chordLineAngle = 0.0;     // angle of the geometric chord (LE to TE) from the x axis
};

// A normalised closed contour (see above) and its report. The original
// coordinates are (originX + scale x, originY + scale y): the LE and the
// chord of the points as given (after a blunt TE was closed).
struct AirfoilContour {
  std::string name;
  std::vector<double> x, y;
  ProfileReport report;
  double originX = 0.0, originY = 0.0, scale = 1.0;
};

using AirfoilResult = std::variant<AirfoilContour, AirfoilFault>;

// The contour of the NACA section `code`:
//  * 4 digits MPXX: mean line with camber M % at P tenths, thickness XX %;
//  * 5 digits LPQXX: the standard mean lines 210, 220, 230, 240, 250
//    (L = 2: design lift 0.3; P = 1..5: maximum camber at 5 P % chord;
//    Q = 0), thickness XX %.
// Thickness (Abbott & von Doenhoff, "Theory of Wing Sections", 1959, 6.4),
// with the closed-TE last coefficient -0.1036 instead of -0.1015:
//   y_t = 5 t (0.2969 sqrt x - 0.1260 x - 0.3516 x^2 + 0.2843 x^3 - 0.1036 x^4).
// 4-digit mean line: y_c = m / p^2 (2 p x - x^2) for x < p,
//   m / (1 - p)^2 (1 - 2 p + 2 p x - x^2) beyond.
// 5-digit mean line: y_c = k1 / 6 (x^3 - 3 r x^2 + r^2 (3 - r) x) for x < r,
//   k1 r^3 / 6 (1 - x) beyond, with (r, k1) = (0.0580, 361.4), (0.1260, 51.64),
//   (0.2025, 15.957), (0.2900, 6.643), (0.3910, 3.230) for 210..250.
// Surfaces: x -+ y_t sin(theta), y_c +- y_t cos(theta), theta = atan(dy_c/dx),
// at x = (1 - cos b) / 2, b evenly spaced, kNacaPointsPerSurface a surface.
// The name is "NACA " + code. The report's thickness and camber are the
// section's own (2 y_t and y_c on the NACA chord line, largest of 1999
// stations refined by a parabola: 0012 gives 0.12 at 0.30, 2412 0.02 at
// 0.40); the rest is measured on the contour. Refused: not 4 or 5 digits, thickness 0 or
// above 40 %, a reflexed mean line (Q = 1), an unknown mean line (4-digit
// M > 0 with P = 0; 5-digit other than 210..250).
AirfoilResult NacaProfile(std::string_view code);

// A contour from points in any order round the profile (clockwise or
// anticlockwise, starting at the TE). When the last point repeats the first
// the TE is sharp; otherwise the first and last points are the two ends of
// a blunt TE, closed by CloseTrailingEdgeGap. Consecutive repeated points are
// dropped. Then, in this order: more than kMostAirfoilPoints points or fewer
// than kFewestAirfoilPoints, no chord, a jump, the gap, a crossing;
// finally the TE is closed and the contour normalised. The sense is found
// from the signed area; the TE stays the first point. Faults name the line of
// the point (of the later point of a jump, of the first point of a crossing
// segment);
// for ContourFromPoints the "line" is the point's number from 1.
AirfoilResult ContourFromPoints(const std::vector<double>& x, const std::vector<double>& y,
                                std::string name);

// The same with the source line of each point (for the file reader).
AirfoilResult ContourFromNumberedPoints(std::vector<double> x, std::vector<double> y,
                                        std::vector<int> lines, std::string name);

// The rule that closes a blunt trailing edge. With g = (first point - last
// point) after the points were turned anticlockwise, every point P moves by
//   -g/2 * w(P) on the upper surface (before the LE), +g/2 * w(P) on the lower,
//   w(P) = clamp(((P - LE) . (TE - LE)) / |TE - LE|^2, 0, 1),
// with TE the midpoint of the two end points and LE the point farthest from
// it: each surface moves by half the gap at the TE, blended linearly along
// the chord to zero at the LE, as the usual TE-gap commands do. Both ends
// then meet at the midpoint. Returns |g| / chord, the gap it closed.
double CloseTrailingEdgeGap(std::vector<double>& x, std::vector<double>& y);

// A parametric cubic spline through a closed contour in arc length (see
// the normalisation above). s runs from 0 at the first point to Length() at
// the last.
class ContourSpline {
 public:
  ContourSpline() = default;
  // Requires at least 4 points, no two consecutive ones equal.
  ContourSpline(const std::vector<double>& x, const std::vector<double>& y);
  double Length() const { return s_.empty() ? 0.0 : s_.back(); }
  // Position, first and second derivatives with respect to s, at s (clamped
  // to [0, Length()]).
  void Eval(double s, double& x, double& y) const;
  void Eval(double s, double& x, double& y, double& dx, double& dy) const;
  void Eval(double s, double& x, double& y, double& dx, double& dy, double& ddx, double& ddy) const;
  const std::vector<double>& Knots() const { return s_; }
  const std::vector<double>& KnotX() const { return x_; }  // the points themselves
  const std::vector<double>& KnotY() const { return y_; }
  // The s of the point farthest from the first point (the LE), refined
  // between knots by Newton on (P - TE) . P' = 0.
  double FarthestFromStart() const;
  // The s of the point of the spline nearest (x, y), by Newton on
  // (P - Q) . P' = 0 from `s0`, kept within [lo, hi].
  double Nearest(double x, double y, double s0, double lo, double hi) const;

 private:
  std::size_t Interval(double s) const;
  std::vector<double> s_, x_, y_, dx_, dy_;
};

}  // namespace fluvenna
