// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/field_text.h"

#include "report/exact_number_text.h"
#include "report/number_text.h"

namespace fluvenna {
namespace {

std::string Values(const FieldPoint& p) {
  std::string text = FieldStateName(p.state);
  for (const double value : {p.u, p.v, p.q, p.Cp, p.psi, p.phi}) {
    text += ',';
    text += SeventeenDigitText(value);
  }
  return text;
}

}  // namespace

const char* FieldPlaneName(FieldPlane plane) {
  return plane == FieldPlane::kCircle ? "circle" : "airfoil";
}

std::string ProbeCsvLine(FieldPlane plane, double x, double y, const FieldPoint& point) {
  return std::string(FieldPlaneName(plane)) + ',' + SeventeenDigitText(x) + ',' +
         SeventeenDigitText(y) + ',' + Values(point);
}

void WriteFieldCsvHeader(std::ostream& out) {
  out << kFieldCsvHeader << '\n';
}

void WriteFieldCsvRow(std::ostream& out, double x, double y, const FieldPoint& point) {
  out << SeventeenDigitText(x) << ',' << SeventeenDigitText(y) << ',' << Values(point) << '\n';
}

ProbeWording ProbeWordingIn(Language language) {
  ProbeWording w;
  for (std::string* text : {&w.flow, &w.onBody, &w.insideBody, &w.singular}) {
    *text = Translate(language, "Report", *text);
  }
  return w;
}

std::string ProbeLine(double x, double y, const FieldPoint& point, const ProbeWording& wording) {
  const std::vector<std::string> args = {FixedText(x, 3), FixedText(y, 3), FixedText(point.q, 3),
                                         FixedText(point.Cp, 3), FixedText(point.psi, 4)};
  switch (point.state) {
    case FieldState::kFlow:
      return FillMarkers(wording.flow, args);
    case FieldState::kOnBody:
      return FillMarkers(wording.onBody, args);
    case FieldState::kInsideBody:
      return FillMarkers(wording.insideBody, args);
    case FieldState::kSingular:
      break;
  }
  return FillMarkers(wording.singular, args);
}

}  // namespace fluvenna
