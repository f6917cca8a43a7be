// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/profile_source.h"

#include <algorithm>
#include <cmath>

#include "flow/airfoil_file.h"

namespace fluvenna {

std::optional<ProfileMap::Complex> TheodorsenProfileMap::Forward(Complex z) const {
  const Complex image = map_.Forward(z);
  if (!std::isfinite(image.real()) || !std::isfinite(image.imag())) return std::nullopt;
  return image;
}

ProfileMap::ImageAndDerivative TheodorsenProfileMap::ForwardWithDerivative(Complex z) const {
  Complex image;
  const Complex derivative = map_.Derivative(z, 0.0, &image);
  if (!std::isfinite(image.real()) || !std::isfinite(image.imag()))
    return {std::nullopt, derivative};
  return {image, derivative};
}

std::vector<std::optional<ProfileMap::Complex>> TheodorsenProfileMap::CircleImages(
    double from, int count) const {
  std::vector<std::optional<Complex>> images;
  images.reserve(static_cast<std::size_t>(std::max(count, 0)));
  for (const Complex image : map_.CircleImages(from, count)) {
    if (std::isfinite(image.real()) && std::isfinite(image.imag())) {
      images.emplace_back(image);
    } else {
      images.emplace_back(std::nullopt);
    }
  }
  return images;
}

std::vector<MapCriticalPoint> TheodorsenProfileMap::CriticalPoints() const {
  return {{map_.TrailingEdgePoint(), map_.CriticalImages()[0], true}};
}

double TheodorsenProfileMap::TrailingEdgeSpeed(double AlfaBeta) const {
  if (map_.Exponent() < 2.0) return 0.0;  // a finite trailing-edge angle: the flow stagnates
  const double phiT = map_.TrailingEdgeAngle();
  // AlfaBeta = alpha + Beta with Beta = -phi_T.
  return map_.SurfaceSpeed(phiT, AlfaBeta + phiT);
}

std::variant<LoadedProfile, ProfileRefusal> LoadProfile(const ProfileSource& source) {
  AirfoilResult read = AirfoilFault{};
  switch (source.kind) {
    case ProfileSource::Kind::kJoukowski:
      return ProfileRefusal{TheodorsenFault::kBadContour};
    case ProfileSource::Kind::kNaca:
      read = NacaProfile(source.text);
      break;
    case ProfileSource::Kind::kFile:
      read = ReadAirfoilFile(source.text);
      break;
  }
  if (const auto* fault = std::get_if<AirfoilFault>(&read)) return ProfileRefusal{*fault};
  LoadedProfile loaded;
  loaded.contour = std::get<AirfoilContour>(std::move(read));
  if (loaded.contour.name.empty()) loaded.contour.name = source.fileName;
  if (loaded.contour.report.name.empty()) loaded.contour.report.name = loaded.contour.name;
  auto built = BuildTheodorsenMap(loaded.contour);
  if (const auto* fault = std::get_if<TheodorsenFault>(&built)) return ProfileRefusal{*fault};
  loaded.map = std::make_shared<TheodorsenProfileMap>(std::get<TheodorsenMap>(std::move(built)));
  return loaded;
}

}  // namespace fluvenna
