// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <variant>

#include "flow/airfoil_contour.h"
#include "flow/profile_map.h"
#include "flow/theodorsen_map.h"

namespace fluvenna {

// Theodorsen's map of a NACA section or a coordinate file, given the
// interface every capability asks (ProfileMap). The circle is the map's
// (centre m, radius R), the trailing-edge point m + R e^(i phi_T).
//
// Critical points: the map's derivative vanishes at the trailing-edge point
// (where the pre-map opens the corner of angle tau); that is the one
// critical point on or outside the circle. The pre-map's second one lies
// inside the near circle, where the Fourier part has no value, so only its
// image P_L is known (PreMapInnerImage).
//
// Trailing-edge speed: with a finite trailing-edge angle (n < 2) the Kutta
// flow stagnates there, q_TE = 0; for a cusp (n = 2) it is the map's
// averaged surface speed at phi_T.
class TheodorsenProfileMap final : public ProfileMap {
 public:
  explicit TheodorsenProfileMap(TheodorsenMap map) : map_(std::move(map)) {}

  std::optional<Complex> Forward(Complex z) const override;
  Complex Derivative(Complex z) const override { return map_.Derivative(z); }
  std::optional<Complex> Inverse(Complex zeta) const override { return map_.Inverse(zeta); }
  // By TheodorsenMap::CircleImages.
  std::vector<std::optional<Complex>> CircleImages(double from, int count) const override;
  // One series and one pre-map for both.
  ImageAndDerivative ForwardWithDerivative(Complex z) const override;
  std::optional<Complex> InverseTo(Complex zeta, double accuracy) const override {
    return map_.Inverse(zeta, accuracy);
  }
  Complex DerivativeTo(Complex z, double accuracy) const override {
    return map_.Derivative(z, accuracy);
  }
  Complex CircleCentre() const override { return map_.Centre(); }
  double CircleRadius() const override { return map_.Radius(); }
  Complex TrailingEdgeCirclePoint() const override { return map_.TrailingEdgePoint(); }
  Complex TrailingEdge() const override { return map_.CriticalImages()[0]; }
  std::vector<MapCriticalPoint> CriticalPoints() const override;
  double TrailingEdgeSpeed(double AlfaBeta) const override;

  // P_L, the image of the pre-map's critical point inside the near circle.
  Complex PreMapInnerImage() const { return map_.CriticalImages()[1]; }
  const TheodorsenMap& theodorsen() const { return map_; }

 private:
  TheodorsenMap map_;
};

// Where the profile of a pass comes from: the designed Joukowski profile of
// the table row chosen by delta and gamma, a NACA code, or the text of a
// coordinate file (its name, for the report when the file has no name line).
struct ProfileSource {
  enum class Kind { kJoukowski, kNaca, kFile };
  Kind kind = Kind::kJoukowski;
  std::string text;      // the NACA code, or the file's text
  std::string fileName;  // the file's name, without its folder (kFile)

  static ProfileSource Joukowski() { return {}; }
  static ProfileSource Naca(std::string code) { return {Kind::kNaca, std::move(code), {}}; }
  static ProfileSource File(std::string text, std::string name) {
    return {Kind::kFile, std::move(text), std::move(name)};
  }
};

// A profile other than Joukowski's, ready for passes: its normalised
// contour with the report, and its map.
struct LoadedProfile {
  AirfoilContour contour;
  std::shared_ptr<const TheodorsenProfileMap> map;
};

// Why a source was refused: the reader's fault, or the map's.
using ProfileRefusal = std::variant<AirfoilFault, TheodorsenFault>;

// Reads a NACA code or a file's text and builds the map of its contour
// (BuildTheodorsenMap with the default tolerances). A file without a name
// line takes `fileName` as its name. The Joukowski source has no contour:
// it is refused with kBadContour (callers handle it before).
std::variant<LoadedProfile, ProfileRefusal> LoadProfile(const ProfileSource& source);

}  // namespace fluvenna
