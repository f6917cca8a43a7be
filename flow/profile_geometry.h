#pragma once

namespace fluvenna {

// Thickness, camber and chord of the profile the program draws for the
// circle-centre offsets (Eps, Mu): the circle through (cJ, 0) centred at
// (-Eps cJ, Mu cJ), carried by the map with nExp = 2 and Chord = 1.
// The trailing edge is the image of (cJ, 0); the leading edge is the contour
// point farthest from it; the chord is the segment between them. At each
// station along the chord the thickness is the distance between upper and
// lower surface measured perpendicular to the chord, and the mean line lies
// midway; camber is the largest distance of the mean line from the chord.
struct ProfileMeasure {
  double chord = 0.0;
  double thickness = 0.0;  // maximum thickness / chord
  double camber = 0.0;     // maximum camber / chord
  double leadingX = 0.0;   // leading edge in the airfoil plane
  double leadingY = 0.0;
  double trailingX = 0.0;  // trailing edge in the airfoil plane
  double trailingY = 0.0;
};

struct ProfileMeasureOptions {
  int samples = 4000;  // contour points on the circle (the drawn body has only 51)
};

ProfileMeasure MeasureProfile(double Eps, double Mu, const ProfileMeasureOptions& options = {});

// Lift coefficient of the drawn flow, C_L = 2 Circ / (U0 chord).
double LiftCoefficient(double Circ, double U0, double chord);

}  // namespace fluvenna
