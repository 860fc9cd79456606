// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/level/LevelPictures.h"

#include "resources/ResPicture.h"

#include <QDebug>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTouchEvent>

namespace pulsadrome::play {

resources::Picture loadPicture(const QString& type, const QVariant& name) {
    try {
        return resources::ResPicture().LoadResPicture(type, name);
    } catch (const resources::ResourceError& e) {
        qWarning().noquote() << "Picture" << type << name.toString()
                             << "cannot be shown:" << e.description();
    }
    return {};
}

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PictureBox::load(const QString& type, const QVariant& name) {
    picture_ = loadPicture(type, name);
    name_ = name.toString();
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QSizeF natural = picture_.naturalSize();
    QSizeF size = natural.scaled(QSizeF(this->size()), Qt::KeepAspectRatio);
    const QPointF corner((width() - size.width()) / 2, (height() - size.height()) / 2);
    picture_.paint(painter, QRectF(corner, size));
}

GridCell::GridCell(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_AcceptTouchEvents);
    setCursor(Qt::PointingHandCursor);
}

bool GridCell::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::TouchBegin:
        // Taking the touch here keeps Qt from making mouse events of it as well.
        event->accept();
        return true;
    case QEvent::TouchUpdate:
        event->accept();
        return true;
    case QEvent::TouchEnd: {
        event->accept();
        const auto* touch = static_cast<QTouchEvent*>(event);
        if (!touch->points().isEmpty() &&
            rect().contains(touch->points().first().position().toPoint())) {
            emit chosen();
        }
        return true;
    }
    case QEvent::Enter:
        hovered_ = true;
        update();
        break;
    case QEvent::Leave:
        hovered_ = false;
        update();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void GridCell::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void GridCell::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) {
        emit chosen();
    }
}

void GridCell::setPicture(int number) {
    if (number != number_ || listen_) {
        picture_ = loadPicture(QStringLiteral("images"), number);
        number_ = number;
        listen_ = false;
        update();
    }
}

void GridCell::setListenSign() {
    listen_ = true;
    picture_ = {};
    number_ = 0;
    update();
}

void GridCell::setFrameColour(catalogue::FrameColour colour) {
    if (colour != colour_) {
        colour_ = colour;
        update();
    }
}

void GridCell::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double line = std::max(2.0, height() / 14.0);
    const QRectF outline = QRectF(rect()).adjusted(line / 2, line / 2, -line / 2, -line / 2);
    const QRectF card = outline.adjusted(line / 2, line / 2, -line / 2, -line / 2);
    const double radius = height() / 10.0;
    painter.setPen(QPen(QColor(0x23, 0x39, 0x5d, 60), 1));
    // The mouse's hover tint; touch has no hover, and the cell works the same without it.
    painter.setBrush(hovered_ ? QColor(0xff, 0xf4, 0xc8, 250) : QColor(255, 255, 255, 240));
    painter.drawRoundedRect(card, radius, radius);
    if (listen_) {
        // Image_ecoute: 480 x 480 twips in the middle of its 3495 x 855 cell.
        const double side = height() * 480.0 / 855.0;
        const QRectF sign((width() - side) / 2, (height() - side) / 2, side, side);
        painter.setBrush(QColor(0x2e, 0x86, 0xde));
        painter.drawEllipse(sign);
        // A loudspeaker and two sound waves, white on the blue disc.
        const double u = side / 10;
        const QPointF o = sign.topLeft();
        QPainterPath speaker;
        speaker.moveTo(o + QPointF(2.2 * u, 4 * u));
        speaker.lineTo(o + QPointF(3.6 * u, 4 * u));
        speaker.lineTo(o + QPointF(5.4 * u, 2.4 * u));
        speaker.lineTo(o + QPointF(5.4 * u, 7.6 * u));
        speaker.lineTo(o + QPointF(3.6 * u, 6 * u));
        speaker.lineTo(o + QPointF(2.2 * u, 6 * u));
        speaker.closeSubpath();
        painter.setBrush(Qt::white);
        painter.drawPath(speaker);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::white, 0.7 * u, Qt::SolidLine, Qt::RoundCap));
        painter.drawArc(QRectF(o + QPointF(4.4 * u, 3.4 * u), QSizeF(3.2 * u, 3.2 * u)), -45 * 16,
                        90 * 16);
        painter.drawArc(QRectF(o + QPointF(4.2 * u, 2.2 * u), QSizeF(5.4 * u, 5.6 * u)), -45 * 16,
                        90 * 16);
    } else if (!picture_.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        picture_.paint(painter, card.adjusted(line, line / 2, -line, -line / 2));
    }
    const unsigned bgr = catalogue::frameColourValue(colour_);
    // The program's colour values are blue-green-red.
    const QColor frame(static_cast<int>(bgr & 0xff), static_cast<int>((bgr >> 8) & 0xff),
                       static_cast<int>((bgr >> 16) & 0xff));
    painter.setPen(QPen(frame, line));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(outline, radius, radius);
}

} // namespace pulsadrome::play
