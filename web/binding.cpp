// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The page's way into the C++ core: the pass, the drawing on the canvas
// surfaces, the status line, the CSV and the number-to-text rule, bound with
// embind. Nothing here computes; it only hands values across.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include "web/page_session.h"

namespace fluvenna {
namespace {

// A view of the segments in the module's memory. The page copies it at once:
// the next call may grow the memory, which detaches every older view.
emscripten::val SegmentsView(const PageSession& session, int picture) {
  const std::vector<float>& segments = session.Segments(picture);
  return emscripten::val(emscripten::typed_memory_view(segments.size(), segments.data()));
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
      .function("loadTable", &PageSession::LoadTable)
      .function("pass", &PageSession::Pass)
      .function("segments", &fluvenna::SegmentsView)
      .function("statusText", &PageSession::StatusText)
      .function("statusFailed", &PageSession::StatusFailed)
      .function("pressureText", &PageSession::PressureText)
      .function("csv", &PageSession::Csv)
      .function("surfaceCsv", &PageSession::SurfaceCsv)
      .function("fileStem", &PageSession::FileStem);

  function("barText", &fluvenna::BarText);
  function("barPositionOf", &fluvenna::BarPositionOf);
  constant("floatsPerSegment", fluvenna::CanvasSurface::kFloatsPerSegment);
  constant("plotWidth", fluvenna::CanvasSurface::kWidth);
  constant("plotHeight", fluvenna::CanvasSurface::kHeight);
}
