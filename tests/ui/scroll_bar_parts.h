// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <optional>

namespace fluvenna::testing {

// Centre of a part of a horizontal scroll bar (an arrow, the track beside the
// thumb, the thumb), as the bar's style lays it out; the thumb as it would
// stand at `position` when one is given.
inline QPoint PartOf(QScrollBar* bar, QStyle::SubControl part, std::optional<int> position = {}) {
  QStyleOptionSlider option;
  option.initFrom(bar);
  option.orientation = Qt::Horizontal;
  option.state |= QStyle::State_Horizontal;
  option.minimum = bar->minimum();
  option.maximum = bar->maximum();
  option.sliderPosition = position.value_or(bar->sliderPosition());
  option.sliderValue = bar->value();
  option.singleStep = bar->singleStep();
  option.pageStep = bar->pageStep();
  option.subControls = QStyle::SC_All;
  return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar).center();
}

}  // namespace fluvenna::testing
