// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/NotationCard.h"

#include <QPainter>

#include <utility>

namespace pulsadrome::ui {

NotationCard::NotationCard(QWidget* parent) : ClickLabel(QString(), parent) {}

void NotationCard::setPicture(resources::Picture picture) {
    picture_ = std::move(picture);
    update();
}

void NotationCard::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool pressed = property("pressed").toBool();
    const QRectF card = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    const double radius = height() / 8.0;
    painter.setPen(pressed ? QPen(QColor(0xf2, 0xa5, 0x41), 3)
                           : QPen(QColor(0x23, 0x39, 0x5d, 70), 1));
    painter.setBrush(pressed ? QColor(0xff, 0xf4, 0xd6) : QColor(255, 255, 255, 240));
    painter.drawRoundedRect(card, radius, radius);
    if (!picture_.isNull()) {
        const double margin = height() / 12.0;
        picture_.paint(painter, card.adjusted(margin, margin, -margin, -margin));
    }
}

} // namespace pulsadrome::ui
