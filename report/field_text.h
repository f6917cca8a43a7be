// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <string>

#include "flow/flow_field.h"
#include "report/catalogue.h"

namespace fluvenna {

// "circle" or "airfoil", as --probe takes and prints it.
const char* FieldPlaneName(FieldPlane plane);

// The flow at points as CSV, every number to 17 significant digits: one
// probed point (plane,x,y,state,u,v,q,cp,psi,phi), or one pixel centre of
// the flow-field picture (x,y,state,u,v,q,cp,psi,phi). The state is
// FieldStateName's.
inline constexpr const char* kProbeCsvHeader = "plane,x,y,state,u,v,q,cp,psi,phi";
inline constexpr const char* kFieldCsvHeader = "x,y,state,u,v,q,cp,psi,phi";
std::string ProbeCsvLine(FieldPlane plane, double x, double y, const FieldPoint& point);
void WriteFieldCsvHeader(std::ostream& out);
void WriteFieldCsvRow(std::ostream& out, double x, double y, const FieldPoint& point);

// The words of the probe's line, all in one place; the numbers go in for the
// markers: %1 x, %2 y (three decimals), %3 q/U0, %4 Cp (three decimals),
// %5 psi (four decimals).
struct ProbeWording {
  std::string flow = QT_TRANSLATE_NOOP("Report", "x = %1, y = %2: q/U0 = %3, Cp = %4, ψ = %5");
  std::string onBody =
      QT_TRANSLATE_NOOP("Report", "x = %1, y = %2, on the body: q/U0 = %3, Cp = %4, ψ = %5");
  std::string insideBody = QT_TRANSLATE_NOOP("Report", "x = %1, y = %2: inside the body");
  std::string singular =
      QT_TRANSLATE_NOOP("Report", "x = %1, y = %2: a sharp edge, where the speed is unbounded");
};

// The wording in `language`.
ProbeWording ProbeWordingIn(Language language);

// The line the flow-field view shows for the point under the pointer.
std::string ProbeLine(double x, double y, const FieldPoint& point,
                      const ProbeWording& wording = {});

}  // namespace fluvenna
