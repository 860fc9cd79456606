// SPDX-License-Identifier: GPL-3.0-or-later
// Measures what a finger can press on a window: every shown control that takes a press, with
// the part of it that really takes one. A window passes when each of them is at least a
// finger's size and every one of its corners answers a tap.
#pragma once

#include "support/Touch.h"
#include "ui/ClickLabel.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QStringList>

namespace pulsadrome::testing {

// The smallest target a finger finds, in logical pixels of the 800 x 600 screen.
inline constexpr int kFingerSize = 32;

namespace detail {

inline QString nameOf(const QWidget* widget) {
    const QString name = widget->objectName();
    if (!name.isEmpty()) {
        return name;
    }
    // A control without a name is told by its text, or by its kind.
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return QStringLiteral("\"%1\"").arg(button->text());
    }
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return QStringLiteral("\"%1\"").arg(label->text());
    }
    return QString::fromLatin1(widget->metaObject()->className());
}

inline QString sizeOf(QSize size) {
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

// Whether a tap at `at` (in the widget's coordinates) reaches `widget`: the window's control at
// that point is the widget, and a button goes down under the finger. The
// button is let up again before the finger lifts, so that nothing is clicked.
// Whether the window's control at `at` (in the widget's coordinates) is the widget or a part
// of it.
inline bool covers(QWidget* widget, QPoint at) {
    QWidget* window = widget->window();
    QWidget* hit = window->childAt(widget->mapTo(window, at));
    return hit == widget || widget->isAncestorOf(hit);
}

inline bool tapReaches(QWidget* widget, QPoint at) {
    if (!covers(widget, at)) {
        return false;
    }
    QWidget* window = widget->window();
    auto* button = qobject_cast<QAbstractButton*>(widget);
    if (!button || !button->isEnabled()) {
        return true;
    }
    static QPointingDevice* const screen = QTest::createTouchDevice();
    QTest::touchEvent(window, screen).press(0, at, widget);
    const bool down = button->isDown();
    button->setDown(false);
    QTest::touchEvent(window, screen).release(0, at, widget);
    return down;
}

// The rows of an item view a finger chooses from, and the scroll bar it drags.
inline void measureRows(QAbstractItemView* view, const QString& name, QStringList& small) {
    if (view->selectionMode() == QAbstractItemView::NoSelection || !view->model()) {
        return;
    }
    for (int row = 0; row < view->model()->rowCount(); ++row) {
        const int height = view->sizeHintForRow(row);
        if (height < kFingerSize) {
            small << QStringLiteral("%1 row %2: %3 high").arg(name).arg(row).arg(height);
            break;
        }
    }
    const QScrollBar* bar = view->verticalScrollBar();
    const int extent = bar->isVisible() ? bar->width() : bar->sizeHint().width();
    if (view->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff && extent < kFingerSize) {
        small << QStringLiteral("%1 scroll bar: %2 wide").arg(name).arg(extent);
    }
}

} // namespace detail

// What is too small or does not take a tap on `window` as it shows now, one line each (empty
// when every target is large enough). Hidden controls are left out; disabled ones are measured,
// since a locked level or an unused pad list opens later where it stands.
inline QStringList smallTargets(QWidget* window) {
    QStringList small;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window) || widget->window() != window) {
            continue;
        }
        // A control that something else covers, as the options panel covers its screen, takes
        // no press: it is no target while covered.
        if (!detail::covers(widget, widget->rect().center())) {
            continue;
        }
        const QString name = detail::nameOf(widget);
        if (auto* view = qobject_cast<QAbstractItemView*>(widget)) {
            detail::measureRows(view, name, small);
            continue;
        }
        auto* combo = qobject_cast<QComboBox*>(widget);
        if (combo) {
            detail::measureRows(combo->view(), name + QStringLiteral(" list"), small);
        }
        const bool target = combo || qobject_cast<ui::ClickLabel*>(widget) ||
                            qobject_cast<QAbstractButton*>(widget) ||
                            qobject_cast<QLineEdit*>(widget);
        if (!target) {
            continue;
        }
        if (widget->width() < kFingerSize || widget->height() < kFingerSize) {
            small << QStringLiteral("%1: %2").arg(name, detail::sizeOf(widget->size()));
            continue;
        }
        const QRect inside = widget->rect().adjusted(2, 2, -2, -2);
        for (const QPoint corner :
             {inside.topLeft(), inside.topRight(), inside.bottomLeft(), inside.bottomRight()}) {
            if (!detail::tapReaches(widget, corner)) {
                small << QStringLiteral("%1: a tap at (%2, %3) of its %4 misses it")
                             .arg(name)
                             .arg(corner.x())
                             .arg(corner.y())
                             .arg(detail::sizeOf(widget->size()));
                break;
            }
        }
    }
    return small;
}

} // namespace pulsadrome::testing
