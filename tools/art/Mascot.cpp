// SPDX-License-Identifier: GPL-3.0-or-later
#include "Mascot.h"

#include "Paint.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>

namespace pulsadrome::art {

namespace {

// Tictac is drawn in a 50 x 75 box (its size on a 800 x 600 screen); the painter scales it.
constexpr qreal kBoxWidth = 50;
constexpr qreal kSwingDegrees = 24;

const QColor kOutline(110, 52, 22);
const QColor kBody(255, 146, 60);
const QColor kBodyShade(236, 104, 40);
const QColor kWindow(255, 246, 222);
const QColor kBase(122, 82, 214);
const QColor kWeight(255, 204, 51);

// Which way the pendulum leans: -1 left, +1 right, 0 upright.
int leanOf(MascotPose pose) {
    switch (pose) {
    case MascotPose::PendulumLeft:
        return -1;
    case MascotPose::PendulumRight:
        return 1;
    case MascotPose::Still:
        break;
    }
    return 0;
}

void paintArm(QPainter& p, qreal side, bool raised) {
    const QPointF shoulder(25 + side * 15.2, 51);
    const QPointF hand = raised ? QPointF(25 + side * 21.5, 43) : QPointF(25 + side * 21, 57);
    p.setPen(QPen(kOutline, 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(shoulder, hand);
    p.setPen(QPen(kBodyShade, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(shoulder, hand);
    p.setPen(QPen(kOutline, 1));
    p.setBrush(kWindow);
    p.drawEllipse(hand, 2.4, 2.4);
}

void paintFace(QPainter& p, int lean) {
    const qreal look = lean * 1.1;
    for (const qreal x : {18.6, 31.4}) {
        p.setPen(QPen(kOutline, 1));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(x, 46), 4.2, 5.0);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 30, 40));
        p.drawEllipse(QPointF(x + look, 46.6), 2.4, 2.8);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(x + look + 0.9, 45.4), 0.9, 0.9);
    }
    p.setBrush(QColor(255, 110, 130, 150));
    p.drawEllipse(QPointF(12.8, 53.2), 2.8, 1.8);
    p.drawEllipse(QPointF(37.2, 53.2), 2.8, 1.8);
    QPainterPath mouth;
    if (lean == 0) {
        mouth.moveTo(21, 52.5);
        mouth.quadTo(25, 56.5, 29, 52.5);
        p.setPen(QPen(kOutline, 1.3, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(mouth);
    } else {
        // Singing along with the beat: an open smile with a little tongue.
        mouth.moveTo(20.5, 52);
        mouth.quadTo(25, 53.2, 29.5, 52);
        mouth.quadTo(29, 58.5, 25, 58.5);
        mouth.quadTo(21, 58.5, 20.5, 52);
        p.setPen(QPen(kOutline, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(150, 30, 50));
        p.drawPath(mouth);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 120, 140));
        p.drawEllipse(QPointF(25, 57.2), 2.4, 1.2);
    }
}

void paintPendulum(QPainter& p, int lean) {
    p.save();
    p.translate(25, 38);
    p.rotate(lean * kSwingDegrees);
    p.setPen(QPen(kOutline, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, 0), QPointF(0, -31));
    p.setPen(QPen(QColor(170, 176, 190), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, -0.5), QPointF(0, -30.5));
    QPainterPath weight =
        polygon({QPointF(-5, -16), QPointF(5, -16), QPointF(3.6, -22), QPointF(-3.6, -22)});
    fillOutlined(p, weight, kWeight, kOutline, 1.1);
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    p.drawEllipse(QPointF(0, 0), 1.8, 1.8);
    p.restore();
}

// Paints Tictac in its 50 x 75 box.
void paintTictac(QPainter& p, MascotPose pose) {
    const int lean = leanOf(pose);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 20, 60, 45));
    p.drawEllipse(QPointF(25, 72.3), 20, 2.4);
    for (const qreal x : {16.0, 34.0}) {
        QPainterPath foot;
        foot.addEllipse(QPointF(x, 70), 6, 3);
        fillOutlined(p, foot, tint(kBase, -0.25), kOutline, 1);
    }
    paintArm(p, -1, lean < 0);
    paintArm(p, 1, lean > 0);

    QPainterPath body =
        polygon({QPointF(6, 66), QPointF(17.5, 7.5), QPointF(32.5, 7.5), QPointF(44, 66)});
    QLinearGradient bodyFill(6, 0, 44, 0);
    bodyFill.setColorAt(0, tint(kBody, 0.15));
    bodyFill.setColorAt(0.6, kBody);
    bodyFill.setColorAt(1, kBodyShade);
    p.setPen(QPen(kOutline, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(bodyFill);
    p.drawPath(body);
    QPainterPath window =
        polygon({QPointF(14, 38.5), QPointF(20.4, 11.5), QPointF(29.6, 11.5), QPointF(36, 38.5)});
    fillOutlined(p, window, kWindow, tint(kBodyShade, -0.3), 1);
    // Tick marks of the tempo scale.
    p.setPen(QPen(tint(kBodyShade, -0.1), 0.8));
    for (qreal y = 15; y < 36; y += 4) {
        p.drawLine(QPointF(24, y), QPointF(26, y));
    }
    paintPendulum(p, lean);

    QPainterPath cap;
    cap.addEllipse(QPointF(25, 6.6), 3.6, 2.6);
    fillOutlined(p, cap, kWeight, kOutline, 1.1);
    QPainterPath base;
    base.addRoundedRect(QRectF(3, 61.5, 44, 7), 3, 3);
    fillOutlined(p, base, kBase, kOutline, 1.2);
    p.setPen(QPen(tint(kBase, 0.35), 1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(6.5, 63.6), QPointF(43.5, 63.6));
    paintFace(p, lean);
}

} // namespace

QImage paintMascot(MascotPose pose, QSize size) {
    QImage image = blankImage(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size.width() / kBoxWidth, size.width() / kBoxWidth);
    paintTictac(painter, pose);
    return image;
}

QImage paintIcon(int side) {
    QImage image = blankImage(QSize(side, side));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(side / 100.0, side / 100.0);
    // A rounded square of warm violet, then Tictac singing in front of two notes.
    QPainterPath tile;
    tile.addRoundedRect(QRectF(3, 3, 94, 94), 22, 22);
    QLinearGradient ground(0, 0, 100, 100);
    ground.setColorAt(0, QColor(120, 92, 255));
    ground.setColorAt(1, QColor(236, 72, 153));
    p.fillPath(tile, ground);
    drawGlow(p, QPointF(50, 46), 46, QColor(255, 255, 255, 90));
    const auto note = [&](QPointF foot, qreal scale, qreal degrees) {
        p.save();
        p.translate(foot);
        p.rotate(degrees);
        p.scale(scale, scale);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 240, 120));
        p.save();
        p.rotate(-22);
        p.drawEllipse(QPointF(0, 0), 5.2, 3.8);
        p.restore();
        p.drawRect(QRectF(3.2, -22, 2.2, 22));
        QPainterPath flag;
        flag.moveTo(3.2, -22);
        flag.cubicTo(6, -16, 13, -15, 10, -7);
        flag.cubicTo(10.5, -13, 7, -14.5, 5.4, -15.5);
        flag.closeSubpath();
        p.drawPath(flag);
        p.restore();
    };
    note(QPointF(17, 40), 1.1, -12);
    note(QPointF(78, 34), 0.95, 12);
    p.translate(50 - 25 * 1.16, 8);
    p.scale(1.16, 1.16);
    paintTictac(p, MascotPose::PendulumRight);
    return image;
}

} // namespace pulsadrome::art
