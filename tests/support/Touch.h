// SPDX-License-Identifier: GPL-3.0-or-later
// A finger on a touch screen: one touch point pressed and lifted on a widget, as the platform
// sends them. Widgets that take no touch events get the mouse events Qt makes of it.
#pragma once

#include <QPointingDevice>
#include <QTest>
#include <QWidget>

namespace pulsadrome::testing {

// Taps `widget` at `at`, in its own coordinates (its centre when not given).
inline void tap(QWidget* widget, std::optional<QPoint> at = std::nullopt) {
    static QPointingDevice* const screen = QTest::createTouchDevice();
    const QPoint point = at.value_or(widget->rect().center());
    QTest::touchEvent(widget->window(), screen).press(0, point, widget);
    QTest::touchEvent(widget->window(), screen).release(0, point, widget);
}

} // namespace pulsadrome::testing
