// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/note_forms.h"

#include "report/catalogue.h"

namespace fluvenna {

const std::vector<const char*>& NoteForms() {
  static const std::vector<const char*> forms = {
      // The profile table.
      QT_TRANSLATE_NOOP("Notes", "KATJO-D20G15.txt dosyası bulunamadı"),
      // Refused parameters and a pass that cannot go on.
      QT_TRANSLATE_NOOP("Notes", "the value of %1 is too large to compute with"),
      QT_TRANSLATE_NOOP("Notes", "dR must be greater than 0 to trace the streamlines"),
      QT_TRANSLATE_NOOP("Notes", "Scale must not be 0: the plots would have no width"),
      QT_TRANSLATE_NOOP("Notes", "the selected profile row gives no usable circle"),
      QT_TRANSLATE_NOOP("Notes",
                        "the circle-plane plot could not be drawn (its scale or a coordinate is "
                        "not usable)"),
      QT_TRANSLATE_NOOP("Notes",
                        "the airfoil plot could not be drawn (its scale or a coordinate is not "
                        "usable)"),
      // The tracing and the map.
      QT_TRANSLATE_NOOP("Notes", "nSL is limited to %1: the curves up to 20 are drawn"),
      QT_TRANSLATE_NOOP("Notes",
                        "the dividing streamline is left out: the flow has no stagnation point "
                        "on the circle (Kutta factor beyond 1)"),
      QT_TRANSLATE_NOOP("Notes",
                        "curve %1 is cut short at %2 points (dR is too small to reach the edge "
                        "of the plot)"),
      QT_TRANSLATE_NOOP("Notes", "curve %1 ends early: the streamline has no further point"),
      QT_TRANSLATE_NOOP("Notes", "curve %1 is left out: it has no second point"),
      QT_TRANSLATE_NOOP("Notes", "curve %1 is left out with it"),
      QT_TRANSLATE_NOOP("Notes", "curve %1 is left out: its streamline does not cross the y axis"),
      QT_TRANSLATE_NOOP("Notes", "curve %1 is left out: it has no point beside its apex"),
      QT_TRANSLATE_NOOP("Notes",
                        "curve %1 is left out of the airfoil plot: the map has no image of it"),
      QT_TRANSLATE_NOOP("Notes",
                        "curve %1: %2 point(s) at the centre of the map left out of the airfoil "
                        "plot"),
      // The surface pressure.
      QT_TRANSLATE_NOOP("Notes",
                        "the surface is not computed: the chord of the profile is not usable"),
      QT_TRANSLATE_NOOP("Notes",
                        "the trailing edge is left out of the surface: with a Kutta factor other "
                        "than 1 the speed there is unbounded"),
      QT_TRANSLATE_NOOP("Notes",
                        "the leading edge is left out of the surface: the circle passes through "
                        "both singular points of the map, so the speed there is unbounded too"),
      QT_TRANSLATE_NOOP("Notes", "%1 surface point(s) with an unbounded speed left out"),
      // The lift curve.
      QT_TRANSLATE_NOOP("Notes", "the chord of the profile is not a positive number"),
      QT_TRANSLATE_NOOP("Notes", "the Kutta factor is not a finite number"),
      QT_TRANSLATE_NOOP("Notes", "the profile's circle is not made of finite numbers"),
      QT_TRANSLATE_NOOP("Notes", "alpha is not a finite number, so the curve has no point for it"),
      QT_TRANSLATE_NOOP("Notes",
                        "alpha lies more than one turn from zero: the curve shows it as a lone "
                        "point"),
  };
  return forms;
}

}  // namespace fluvenna
