// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ClickLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>

namespace pulsadrome::ui {

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setAlignment(Qt::AlignCenter);
    setCursor(Qt::PointingHandCursor);
    setProperty("pressed", false);
}

void ClickLabel::setKeyboardFocusable(bool focusable) {
    setFocusPolicy(focusable ? Qt::StrongFocus : Qt::NoFocus);
}

void ClickLabel::setPressed(bool pressed) {
    setProperty("pressed", pressed);
    style()->unpolish(this);
    style()->polish(this);
}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && isEnabled()) {
        setPressed(true);
    }
    QLabel::mousePressEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool wasPressed = property("pressed").toBool();
    setPressed(false);
    if (event->button() == Qt::LeftButton && wasPressed && isEnabled() &&
        rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

void ClickLabel::keyPressEvent(QKeyEvent* event) {
    if (isEnabled() && (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
                        event->key() == Qt::Key_Enter)) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        setCursor(isEnabled() ? Qt::PointingHandCursor : Qt::ArrowCursor);
    }
    QLabel::changeEvent(event);
}

ClickLabel* makeButton(const QString& objectName, const QString& text, QWidget* parent) {
    auto* button = new ClickLabel(text, parent);
    button->setObjectName(objectName);
    button->setProperty("kind", "button");
    button->setKeyboardFocusable(true);
    return button;
}

} // namespace pulsadrome::ui
