// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/page_session.h"

#include <sstream>

#include "flow/leading_number.h"
#include "plot/drawing.h"
#include "plot/pressure_picture.h"
#include "report/curves_csv.h"
#include "report/number_text.h"
#include "report/status_line.h"
#include "report/surface_csv.h"

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
  const FlowParameters& p = result.params;
  const StatusLine status =
      PassStatusLine(result, result.ok() ? ProfileOf(p.Eps, p.Mu).chord : 0.0);
  statusText_ = status.text;
  statusFailed_ = status.failed;
  if (!result.ok()) return false;
  curves.TakeAirfoilPlane(*arrays_, result.lastCurve);
  curves_ = std::move(curves);
  drawn1_ = picture1_.Segments();
  drawn2_ = picture2_.Segments();
  drawnParams_ = p;

  // The surface pressure of the drawn flow, as the window's pressure window
  // shows it: a picture that could not be drawn keeps the last one.
  pressure_ = ComputeSurfacePressure(p, result.circle, ProfileOf(p.Eps, p.Mu));
  if (DrawPressurePicture(picture3_, pressure_)) drawn3_ = picture3_.Segments();
  pressureText_ = PressureStatusLine(pressure_);
  return true;
}

const std::vector<float>& PageSession::Segments(int picture) const {
  return picture == 1 ? drawn1_ : picture == 2 ? drawn2_ : drawn3_;
}

std::string PageSession::Csv() const {
  std::ostringstream out;
  WriteCurvesCsv(curves_, out);
  return out.str();
}

std::string PageSession::SurfaceCsv() const {
  std::ostringstream out;
  WriteSurfaceCsv(pressure_, out);
  return out.str();
}

std::string PageSession::FileStem() const {
  if (!drawnParams_) return "pass";
  return "d" + NumberText(drawnParams_->DELTA) + "-g" + NumberText(drawnParams_->GAMA) + "-a" +
         NumberText(drawnParams_->Alfa);
}

// The profile as the table generator measures it (its chord, its edges);
// measured again only when the profile changes.
const ProfileMeasure& PageSession::ProfileOf(double Eps, double Mu) {
  if (!measuredProfile_ || measuredProfile_->Eps != Eps || measuredProfile_->Mu != Mu) {
    measuredProfile_ = MeasuredProfile{Eps, Mu, MeasureProfile(Eps, Mu)};
  }
  return measuredProfile_->measure;
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
