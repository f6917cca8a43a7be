// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "flow/boundary_layer.h"
#include "flow/flow_field.h"
#include "plot/colour_map.h"
#include "plot/surface.h"
#include "report/catalogue.h"
#include "report/pass_curves.h"

namespace fluvenna {

// What colours the flow-field picture: the pressure coefficient, the speed,
// or nothing (the streamlines alone).
enum class FieldColouring { kNone, kCp, kSpeed };

// The user coordinate system of the flow-field picture: the airfoil plot's
// (x from -Olcek to Olcek, y from 2/3 Olcek down to -2/3 Olcek), widened to
// the right by kColourBarStrip * Olcek for the colour bar, so that the bar
// never hides the flow.
inline constexpr double kColourBarStrip = 0.36;
struct FieldFrame {
  double left = 0.0, top = 0.0, right = 0.0, bottom = 0.0;
  double flowRight = 0.0;  // where the flow ends and the bar's strip begins
};
FieldFrame FieldPictureFrame(double Olcek, double centreX = 0.0);

// The pixel centres of the flow's part of a picture of width x height
// pixels (at least one each way): where the colour field is sampled.
PixelGrid FieldPixelGrid(const FieldFrame& frame, int width, int height);

// Width over height of the whole picture (flow and strip): the plots' 3:2
// widened by the strip.
double FieldPictureAspect();

// The user point at the centre of device pixel (px, py) of a picture of
// width x height pixels that shows `frame`: the inverse of the surfaces'
// mapping, for a probe under the pointer. Nothing outside the flow's part.
std::optional<std::pair<double, double>> FieldUserPoint(const FieldFrame& frame, double width,
                                                        double height, double px, double py);

// The words the picture shows; the window passes them translated.
struct FieldLabels {
  std::string cpTitle = QT_TRANSLATE_NOOP("Pictures", "Cp");
  std::string speedTitle = QT_TRANSLATE_NOOP("Pictures", "q/U0");
  // The displacement thickness's factor ("%1" is the factor) and marks.
  std::string displacement = QT_TRANSLATE_NOOP("Pictures", "δ* × %1");
  std::string transition = QT_TRANSLATE_NOOP("Pictures", "T");
  std::string separation = QT_TRANSLATE_NOOP("Pictures", "S");
  std::string endsAtSeparation =
      QT_TRANSLATE_NOOP("DisplacementThickness", "δ* drawn up to separation (S) only");
};

// The words in `language`.
FieldLabels FieldLabelsIn(Language language);

// What the picture draws: the flow of the pass, its airfoil-plane curves
// (curve 0 is the body), the plot scale and the boundary layer of the flow
// (none: not drawn).
struct FieldScene {
  const FlowFieldModel* model = nullptr;
  const std::vector<PlaneCurve>* curves = nullptr;
  double Olcek = 1.0;
  double XMax = 1.0;
  const BoundaryLayer* layer = nullptr;
  double centreX = 0.0;  // PlotCentreX of the pass's map
};

// Reused from picture to picture so that a redraw allocates nothing.
struct FieldBuffers {
  std::vector<double> values;
  RgbaImage image;
};

// The flow-field picture on a surface of width x height device pixels:
// Scale to FieldPictureFrame, Cls, the colour field sampled at the centre of
// every device pixel of the flow's part (SampleField in the airfoil plane,
// coloured by FieldColour; the body's inside left uncoloured) as one image,
// the grey axes, the body red and the streamlines blue as the plots draw
// them, and, unless the colouring is kNone, the colour bar in the strip: the
// colour map from its low end at the bottom to its high end at the top, a
// tick and a number at every kColourBarTicks step, and the quantity's title
// above. Returns false when a surface operation fails.
// A surface whose pixels stand for `density` x `density` pixels of the
// screen (a browser canvas on a high-density screen) has its colour field
// sampled at the screen's pixels: FieldPixelGrid of width and height times
// density, rounded; all else keeps the surface's pixels.
inline constexpr int kColourBarSteps = 4;
inline constexpr double kFieldMarkShare = 0.04;
bool DrawFieldPicture(PlotSurface& surface, const FieldScene& scene, FieldColouring colouring,
                      int width, int height, FieldBuffers& buffers, const FieldLabels& labels = {},
                      double density = 1.0);

}  // namespace fluvenna
