// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/BeatNote.h"

#include <QPainter>

namespace pulsadrome::ui {

void BeatNote::setBeat(play::TempoGroup beat) {
    if (beat != beat_) {
        beat_ = beat;
        update();
    }
}

void BeatNote::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // Drawn in tenths of the height, centred across the width, whatever the widget's shape.
    const double u = height() / 10.0;
    const QColor ink(0x23, 0x39, 0x5d);
    const QPointF head(width() / 2.0 - 1.2 * u, 7.6 * u);
    painter.save();
    painter.translate(head);
    painter.rotate(-20);
    painter.setPen(QPen(ink, 0.55 * u));
    painter.setBrush(beat_ == play::TempoGroup::Minim ? QBrush(Qt::white) : QBrush(ink));
    painter.drawEllipse(QPointF(0, 0), 1.45 * u, 1.0 * u);
    painter.restore();
    painter.setPen(QPen(ink, 0.5 * u, Qt::SolidLine, Qt::RoundCap));
    const double stemX = head.x() + 1.3 * u;
    painter.drawLine(QPointF(stemX, 7.2 * u), QPointF(stemX, 0.8 * u));
    if (beat_ == play::TempoGroup::DottedCrotchet) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        painter.drawEllipse(QPointF(stemX + 1.4 * u, 7.8 * u), 0.5 * u, 0.5 * u);
    }
}

} // namespace pulsadrome::ui
