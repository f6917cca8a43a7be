#include "web/page_session.h"

#include <sstream>

#include "flow/leading_number.h"
#include "flow/profile_geometry.h"
#include "plot/drawing.h"
#include "report/curves_csv.h"
#include "report/number_text.h"
#include "report/status_line.h"

namespace fluvenna {

PageSession::PageSession() : arrays_(std::make_unique<PointArrays>()) {}

std::string PageSession::LoadTable(const std::string& text) {
  std::istringstream in(text);
  const auto failure = LoadProfileTable(in, table_);
  return failure ? *failure : std::string();
}

bool PageSession::Pass(const ParameterTexts& texts) {
  PassCurves curves;
  const PassResult result =
      DrawPass(texts, table_, *arrays_, picture1_, picture2_,
               [&curves](const PassResult& circlePlane, const PointArrays& arrays) {
                 curves.TakeCirclePlane(arrays, circlePlane.lastCurve);
               });
  const double chord = result.ok() ? ChordOf(result.params.Eps, result.params.Mu) : 0.0;
  const StatusLine status = PassStatusLine(result, chord);
  statusText_ = status.text;
  statusFailed_ = status.failed;
  if (!result.ok()) return false;
  curves.TakeAirfoilPlane(*arrays_, result.lastCurve);
  curves_ = std::move(curves);
  drawn1_ = picture1_.Segments();
  drawn2_ = picture2_.Segments();
  drawnParams_ = result.params;
  return true;
}

const std::vector<float>& PageSession::Segments(int picture) const {
  return picture == 1 ? drawn1_ : drawn2_;
}

std::string PageSession::Csv() const {
  std::ostringstream out;
  WriteCurvesCsv(curves_, out);
  return out.str();
}

std::string PageSession::FileStem() const {
  if (!drawnParams_) return "pass";
  return "d" + NumberText(drawnParams_->DELTA) + "-g" + NumberText(drawnParams_->GAMA) + "-a" +
         NumberText(drawnParams_->Alfa);
}

// The chord as the table generator measures it on the profile; measured
// again only when the profile changes.
double PageSession::ChordOf(double Eps, double Mu) {
  if (!measuredChord_ || measuredChord_->Eps != Eps || measuredChord_->Mu != Mu) {
    measuredChord_ = MeasuredChord{Eps, Mu, MeasureProfile(Eps, Mu).chord};
  }
  return measuredChord_->chord;
}

std::string BarText(int position, double divisor) {
  return NumberText(static_cast<double>(position) / divisor);
}

int BarPositionOf(const std::string& text, int minimum, int maximum, double divisor) {
  const double value = LeadingNumber(text);
  for (int position = minimum; position <= maximum; ++position) {
    if (static_cast<double>(position) / divisor == value) return position;
  }
  return minimum - 1;
}

}  // namespace fluvenna
