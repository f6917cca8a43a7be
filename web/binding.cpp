// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The page's way into the C++ core: the pass, the drawing on the canvas
// surfaces, the status line, the CSV and the number-to-text rule, bound with
// embind. Nothing here computes; it only hands values across.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>
#include <variant>

#include "plot/map_picture.h"
#include "plot/particles_picture.h"
#include "web/page_session.h"

namespace fluvenna {
namespace {

// A view of the segments in the module's memory. The page copies it at once:
// the next call may grow the memory, which detaches every older view.
emscripten::val SegmentsView(const PageSession& session, int picture) {
  const std::vector<float>& segments = session.Segments(picture);
  return emscripten::val(emscripten::typed_memory_view(segments.size(), segments.data()));
}

// The images and texts of a picture as plain objects, in the order they were
// drawn: {kind: "text", before, x, y, align, colour, text} or {kind:
// "image", before, left, top, width, height, sourceLeft, sourceTop,
// sourceWidth, sourceHeight, imageWidth, imageHeight, pixels}; `before` is
// the number of segments drawn before it, `y` the baseline, `pixels` a copy
// (a Uint8ClampedArray of RGBA bytes, as ImageData takes them).
emscripten::val MarksOf(const PageSession& session, int picture) {
  using emscripten::val;
  val marks = val::array();
  for (const CanvasMark& mark : session.Marks(picture)) {
    val object = val::object();
    object.set("before", mark.segmentsBefore);
    if (const auto* text = std::get_if<CanvasText>(&mark.what)) {
      object.set("kind", std::string("text"));
      object.set("x", text->x);
      object.set("y", text->baseline);
      object.set("align", std::string(text->align));
      object.set("colour", text->colour);
      object.set("text", text->text);
    } else {
      const CanvasImage& image = std::get<CanvasImage>(mark.what);
      const ImagePlacement& p = image.place;
      object.set("kind", std::string("image"));
      object.set("left", p.left);
      object.set("top", p.top);
      object.set("width", p.width);
      object.set("height", p.height);
      object.set("sourceLeft", p.sourceLeft);
      object.set("sourceTop", p.sourceTop);
      object.set("sourceWidth", p.sourceWidth);
      object.set("sourceHeight", p.sourceHeight);
      object.set("imageWidth", image.image.width);
      object.set("imageHeight", image.image.height);
      const auto& bytes = image.image.pixels;
      object.set("pixels", val::global("Uint8ClampedArray")
                               .new_(emscripten::typed_memory_view(bytes.size(), bytes.data())));
    }
    marks.call<void>("push", object);
  }
  return marks;
}

}  // namespace
}  // namespace fluvenna

EMSCRIPTEN_BINDINGS(fluvenna) {
  using namespace emscripten;
  using fluvenna::PageSession;
  using fluvenna::ParameterTexts;

  value_object<ParameterTexts>("ParameterTexts")
      .field("DELTA", &ParameterTexts::DELTA)
      .field("GAMA", &ParameterTexts::GAMA)
      .field("Alfa", &ParameterTexts::Alfa)
      .field("iKutta", &ParameterTexts::iKutta)
      .field("dPsi", &ParameterTexts::dPsi)
      .field("kMax", &ParameterTexts::kMax)
      .field("Olcek", &ParameterTexts::Olcek)
      .field("dR", &ParameterTexts::dR);

  class_<PageSession>("PageSession")
      .constructor<>()
      .function("setLanguage", &PageSession::SetLanguage)
      .function("language", &PageSession::LanguageCode)
      .function("loadTable", &PageSession::LoadTable)
      .function("pass", &PageSession::Pass)
      .function("segments", &fluvenna::SegmentsView)
      .function("marks", &fluvenna::MarksOf)
      .function("statusText", &PageSession::StatusText)
      .function("statusFailed", &PageSession::StatusFailed)
      .function("pressureText", &PageSession::PressureText)
      .function("drawField", &PageSession::DrawField)
      .function("probeAt", &PageSession::ProbeAt)
      .function("liftText", &PageSession::LiftText)
      .function("liftCurveCsv", &PageSession::LiftCurveCsv)
      .function("fieldCsv", &PageSession::FieldCsv)
      .function("csv", &PageSession::Csv)
      .function("surfaceCsv", &PageSession::SurfaceCsv)
      .function("fileStem", &PageSession::FileStem)
      .function("advanceMotion", &PageSession::AdvanceMotion)
      .function("motionTime", &PageSession::MotionTime)
      .function("restartMotion", &PageSession::RestartMotion)
      .function("drawMotion", &PageSession::DrawMotion)
      .function("drawMap", &PageSession::DrawMap)
      .function("drawMorph", &PageSession::DrawMorph)
      .function("setMorphPosition", &PageSession::SetMorphPosition)
      .function("morphPosition", &PageSession::MorphPosition)
      .function("morphText", &PageSession::MorphText)
      .function("advanceMorph", &PageSession::AdvanceMorph)
      .function("playMorph", &PageSession::PlayMorph)
      .function("mapPointerAt", &PageSession::MapPointerAt)
      .function("clearMapPointer", &PageSession::ClearMapPointer)
      .function("mapText", &PageSession::MapText)
      .function("setReynolds", &PageSession::SetReynolds)
      .function("setWing", &PageSession::SetWing)
      .function("clearWing", &PageSession::ClearWing)
      .function("reynoldsText", &PageSession::ReynoldsText)
      .function("boundaryLayerText", &PageSession::BoundaryLayerText)
      .function("boundaryLayerCsv", &PageSession::BoundaryLayerCsv)
      .function("polarCsv", &PageSession::PolarCsv)
      .function("setFiniteWing", &PageSession::SetFiniteWing)
      .function("drawFiniteWing", &PageSession::DrawFiniteWing)
      .function("finiteWingText", &PageSession::FiniteWingText)
      .function("finiteWingCsv", &PageSession::FiniteWingCsv)
      .function("setNaca", &PageSession::SetNaca)
      .function("setProfileFile", &PageSession::SetProfileFile)
      .function("setJoukowski", &PageSession::SetJoukowski)
      .function("profileName", &PageSession::ProfileName)
      .function("profileText", &PageSession::ProfileText)
      .function("passCount", &PageSession::Passes);

  function("barText", &fluvenna::BarText);
  function("barPositionOf", &fluvenna::BarPositionOf);
  function("fieldPictureWidth", &fluvenna::FieldPictureWidth);
  function("mostProfileFileBytes", &fluvenna::MostProfileFileBytes);
  constant("floatsPerSegment", fluvenna::CanvasSurface::kFloatsPerSegment);
  constant("plotWidth", fluvenna::CanvasSurface::kWidth);
  constant("plotHeight", fluvenna::CanvasSurface::kHeight);
  constant("textPixels", fluvenna::kTextPixels);
  constant("secondsPerTimeUnit", fluvenna::kSecondsPerTimeUnit);
  constant("releaseInterval", fluvenna::kReleaseInterval);
  constant("shortestReleaseInterval", fluvenna::kShortestReleaseInterval);
  constant("longestReleaseInterval", fluvenna::kLongestReleaseInterval);
  constant("releaseIntervalStep", fluvenna::kReleaseIntervalStep);
  constant("morphSteps", fluvenna::kMorphSteps);
}
