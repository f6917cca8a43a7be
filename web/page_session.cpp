// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/page_session.h"

#include <sstream>

#include "flow/leading_number.h"
#include "report/number_text.h"

namespace fluvenna {

PageSession::PageSession() = default;

std::string PageSession::LoadTable(const std::string& text) {
  std::istringstream in(text);
  const auto failure = LoadProfileTable(in, session_.Table());
  return failure ? *failure : std::string();
}

bool PageSession::Pass(const ParameterTexts& texts) {
  if (!session_.Run(texts, picture1_, picture2_, &picture3_).ok()) return false;
  drawn1_ = picture1_.Picture();
  drawn2_ = picture2_.Picture();
  // A pressure picture that could not be drawn keeps the last one.
  if (session_.PressureDrawn()) drawn3_ = picture3_.Picture();
  return true;
}

const CanvasPicture& PageSession::Drawn(int picture) const {
  return picture == 1 ? drawn1_ : picture == 2 ? drawn2_ : drawn3_;
}

const std::vector<float>& PageSession::Segments(int picture) const {
  return Drawn(picture).segments;
}

const std::vector<CanvasMark>& PageSession::Marks(int picture) const {
  return Drawn(picture).marks;
}

std::string PageSession::FileStem() const {
  const ShownPass* shown = session_.Shown();
  if (!shown) return "pass";
  const FlowParameters& p = shown->result.params;
  return "d" + NumberText(p.DELTA) + "-g" + NumberText(p.GAMA) + "-a" + NumberText(p.Alfa);
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
