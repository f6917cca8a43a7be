// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "flow/boundary_layer.h"
#include "flow/lift_curve.h"
#include "plot/drawing.h"
#include "plot/pressure_picture.h"
#include "plot/surface.h"
#include "report/catalogue.h"

namespace fluvenna {

// The boundary layer in the pictures: where it turns turbulent (T) and
// where it separates (S) on each surface, the skin friction along the
// chord, the displacement thickness on the body and the drag polar.

// One transition or separation point of a surface, where the core puts it:
// at the layer's sTransition or sSeparation, its x/c, position, surface
// speed and skin friction interpolated linearly in the arc length between
// the layer's two points on either side.
struct LayerMark {
  SurfaceSide side = SurfaceSide::kUpper;
  bool separation = false;  // false: transition
  double xc = 0.0;
  double x = 0.0, y = 0.0;  // airfoil plane
  double ue = 0.0;          // surface speed / U0: -Cp = ue^2 - 1
  double cf = 0.0;
};

// The marks of a computed layer: the upper surface's transition and
// separation, then the lower's, each only where the surface has it (and
// its place is made of finite numbers); none for a layer that was not
// computed. The pictures draw a layer's curves over their runs of finite
// points, so that a point the core could not give leaves a gap.
std::vector<LayerMark> LayerMarks(const BoundaryLayer& layer);

// The letters of the marks and what they stand for, in the pictures' words.
struct LayerMarkLabels {
  std::string transition = QT_TRANSLATE_NOOP("Pictures", "T");
  std::string separation = QT_TRANSLATE_NOOP("Pictures", "S");
  std::string key = QT_TRANSLATE_NOOP("Pictures", "T transition, S separation");
};
LayerMarkLabels LayerMarkLabelsIn(Language language);

// Draws each mark as a short vertical stroke of `halfLength` each way
// through its point (markX(mark), markY(mark)) in its surface's colour, with
// its letter beyond the stroke's upper end for the upper surface and beyond
// its lower end for the lower one, kMarkLetterGap half lengths from the
// point, clear of the stroke: the strokes only, the letters only, or both
// (all strokes first), so that a picture may put its texts after all its
// lines. Returns false when a surface operation fails.
inline constexpr double kMarkLetterGap = 1.3;
enum class MarkParts { kStrokes, kLetters, kBoth };
template <typename MarkX, typename MarkY>
bool DrawLayerMarks(PlotSurface& surface, const std::vector<LayerMark>& marks, double halfLength,
                    const LayerMarkLabels& labels, const MarkX& markX, const MarkY& markY,
                    MarkParts parts = MarkParts::kBoth);

// ---------------------------------------------------------------------------
// The friction picture: c_f against x/c, the upper surface red and the lower
// one blue, as the surface-pressure picture draws -Cp.

// The user coordinate system of the friction picture, as Scale takes it.
struct FrictionFrame {
  double left = 0.0, top = 0.0, right = 0.0, bottom = 0.0;
  double cfTop = 0.0;  // the highest c_f the frame shows
};

// Left of the leading edge: room for the c_f numbers; right of the trailing
// edge a rim as in the pressure picture.
inline constexpr double kFrictionFrameLeft = -0.16;
inline constexpr double kFrictionFrameRight = 1.04;
// The skin friction is unbounded at the stagnation point (u_e -> 0 with a
// finite theta), so the frame is at most kFrictionHeadroom times the
// highest c_f aft of x/c = kFrictionFromXc, and never above the highest c_f
// of all; below the zero line kFrictionBelowShare of the c_f range holds the
// x/c numbers, and above the top kFrictionAboveShare is rim.
inline constexpr double kFrictionHeadroom = 2.0;
inline constexpr double kFrictionFromXc = 0.1;
inline constexpr double kFrictionBelowShare = 0.12;
inline constexpr double kFrictionAboveShare = 0.08;
// Without a computed layer: c_f from 0 to this.
inline constexpr double kFrictionEmptyTop = 0.01;
inline constexpr int kMostFrictionTicks = 6;

// x from kFrictionFrameLeft to kFrictionFrameRight; c_f from the zero line
// to cfTop (see above), each end moved out by its share. Points whose c_f is
// not a finite number are not looked at.
FrictionFrame FrictionPictureFrame(const BoundaryLayer& layer);

struct FrictionLabels {
  std::string xAxis = QT_TRANSLATE_NOOP("Pictures", "x/c");
  std::string cfAxis = QT_TRANSLATE_NOOP("Pictures", "c_f");
  std::string upperSurface = QT_TRANSLATE_NOOP("Pictures", "upper surface");
  std::string lowerSurface = QT_TRANSLATE_NOOP("Pictures", "lower surface");
  LayerMarkLabels marks;
};
FrictionLabels FrictionLabelsIn(Language language);

// The picture: Scale to FrictionPictureFrame, Cls, the axes in kAxisColour
// (the zero line with a tick at every tenth of the chord reaching 1.5 % of
// the frame's height each way, twice that at the half and the whole chord;
// the c_f axis at
// x/c = 0 with a tick at every AxisTicks step), each surface's points as one
// chain (point (x/c, c_f)) in its colour, the marks' strokes (DrawLayerMarks
// at (x/c, c_f), held under the frame's top), then the numbers (every other
// tenth under the zero line, every c_f tick left of the axis), the axis
// titles, the legend, the marks' key at the top right and the marks'
// letters: every text after every line. A layer that was not computed leaves the
// axes empty. Returns false when a surface operation fails.
bool DrawFrictionPicture(PlotSurface& surface, const BoundaryLayer& layer,
                         const FrictionLabels& labels = {});

// ---------------------------------------------------------------------------
// The displacement thickness on the body, for the flow-field picture.

// delta* is drawn this many times as thick as it is: the largest of
// kDisplacementFactors whose thickest delta* (separated points left out)
// stays within kDisplacementShare of the chord; the smallest when none does.
inline constexpr double kDisplacementFactors[] = {50.0, 20.0, 10.0, 5.0, 2.0, 1.0};
inline constexpr double kDisplacementShare = 0.2;
inline constexpr Colour kDisplacementColour = RGB(0, 128, 0);
double DisplacementFactor(const BoundaryLayer& layer);

// The point `factor` * delta* out from the body at each point of a surface:
// along the outward normal, which is the tangent (from the stagnation point
// towards the trailing edge) turned to the left on the upper surface and to
// the right on the lower one. The tangent at a point is the chord between
// its neighbours (one-sided at the ends).
std::vector<std::pair<double, double>> DisplacedSurface(const SurfaceBoundaryLayer& surface,
                                                        double factor);

// The words that state the factor: "%1" is the factor; and the line that
// says where the drawing ends when a surface separates.
struct DisplacementLabels {
  std::string factor = QT_TRANSLATE_NOOP("Pictures", "δ* × %1");
  LayerMarkLabels marks;
  std::string endsAtSeparation =
      QT_TRANSLATE_NOOP("DisplacementThickness", "δ* drawn up to separation (S) only");
};
DisplacementLabels DisplacementLabelsIn(Language language);

// On a surface already scaled to the airfoil plane: both surfaces displaced
// (DisplacedSurface with DisplacementFactor) as chains in
// kDisplacementColour, each from the stagnation point to the trailing edge,
// or where the surface separates (sSeparation) to its last point ahead of
// separation, since past it the layer is no thin layer and the method gives
// no displacement thickness; the marks on the body (DrawLayerMarks at
// (x, y), strokes of `markHalfLength`), and the factor's words at (textX,
// textY), top-left anchored, with endsAtSeparation kSeparationLineDrop half
// lengths under them when a surface separates. Draws nothing for a layer
// that was not computed. Returns false when a surface operation fails.
inline constexpr double kSeparationLineDrop = 1.6;
bool DrawDisplacementThickness(PlotSurface& surface, const BoundaryLayer& layer,
                               double markHalfLength, double textX, double textY,
                               const DisplacementLabels& labels = {});

// ---------------------------------------------------------------------------
// The drag polar: C_L against C_D over the angles where the drag is
// predicted, as the lift-curve picture draws C_L against alpha.

inline constexpr Colour kPolarColour = RGB(255, 0, 0);

// Whether the upper surface of a polar point separates ahead of
// kSeparationDragLimitXc of the chord: the angles the lift-curve picture
// shades.
bool UpperSeparatesEarly(const PolarPoint& point);

// The angle ranges to shade, in degrees: each run of consecutive points
// that UpperSeparatesEarly, widened to halfway to its neighbours (to the
// point itself at either end of the curve). None for a polar that was not
// computed.
std::vector<std::pair<double, double>> SeparatedBands(const Polar& polar);

struct PolarFrame {
  double left = 0.0, top = 0.0, right = 0.0, bottom = 0.0;
  double cdLow = 0.0, cdHigh = 0.0, clLow = 0.0, clHigh = 0.0;
};
// The box spans C_D from 0 and C_L (0 included) of the predicted points,
// each rounded out to the next tick, with the lift picture's margins; C_D
// from 0 to 0.01 and C_L from 0 to 1 without any.
PolarFrame PolarPictureFrame(const Polar& polar);

struct PolarLabels {
  std::string cdAxis = QT_TRANSLATE_NOOP("Pictures", "C_D");
  std::string clAxis = QT_TRANSLATE_NOOP("Pictures", "C_L");
  std::string title = QT_TRANSLATE_NOOP("Pictures", "drag polar, attached flow");
};
PolarLabels PolarLabelsIn(Language language);

// The picture: Scale to PolarPictureFrame, Cls, the grid and box as the
// lift-curve picture has them, each run of consecutive predicted points as
// a chain (point (C_D, C_L)) in kPolarColour, the point at `passPoint` (an
// index into polar.points) as a small black square when its drag is
// predicted, the numbers of the ticks, the axis titles and the title.
// Returns false when a surface operation fails.
bool DrawPolarPicture(PlotSurface& surface, const Polar& polar,
                      std::optional<std::size_t> passPoint, const PolarLabels& labels = {});

// ---------------------------------------------------------------------------

template <typename MarkX, typename MarkY>
bool DrawLayerMarks(PlotSurface& surface, const std::vector<LayerMark>& marks, double halfLength,
                    const LayerMarkLabels& labels, const MarkX& markX, const MarkY& markY,
                    MarkParts parts) {
  if (parts != MarkParts::kLetters) {
    for (const LayerMark& mark : marks) {
      const Colour colour =
          mark.side == SurfaceSide::kUpper ? kUpperSurfaceColour : kLowerSurfaceColour;
      const float x = ToSurfaceFloat(markX(mark));
      const double y = markY(mark);
      if (!surface.Line(x, ToSurfaceFloat(y - halfLength), x, ToSurfaceFloat(y + halfLength),
                        colour)) {
        return false;
      }
    }
  }
  if (parts == MarkParts::kStrokes) return true;
  for (const LayerMark& mark : marks) {
    const bool upper = mark.side == SurfaceSide::kUpper;
    const double reach = (upper ? kMarkLetterGap : -kMarkLetterGap) * halfLength;
    if (!surface.Text(markX(mark), markY(mark) + reach,
                      mark.separation ? labels.separation : labels.transition,
                      upper ? kUpperSurfaceColour : kLowerSurfaceColour,
                      upper ? TextAnchor::kBottom : TextAnchor::kTop)) {
      return false;
    }
  }
  return true;
}

}  // namespace fluvenna
