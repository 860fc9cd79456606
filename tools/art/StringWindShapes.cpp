// SPDX-License-Identifier: GPL-3.0-or-later
// Strings and winds, each in a 100 x 100 box.
#include "InstrumentShapes.h"
#include "Paint.h"

#include <QPainter>

#include <cmath>

namespace pulsadrome::art::shapes {

namespace {

const QColor kSilver(214, 220, 230);
const QColor kBrass(244, 194, 48);
const QColor kDarkWood(120, 70, 36);

// The y of `path` at `x`, sampled along it (the path runs left to right).
qreal heightAt(const QPainterPath& path, qreal x) {
    QPointF previous = path.pointAtPercent(0);
    for (int i = 1; i <= 200; ++i) {
        const QPointF point = path.pointAtPercent(i / 200.0);
        if ((previous.x() - x) * (point.x() - x) <= 0 && point.x() != previous.x()) {
            const qreal t = (x - previous.x()) / (point.x() - previous.x());
            return previous.y() + t * (point.y() - previous.y());
        }
        previous = point;
    }
    return previous.y();
}

} // namespace

void guitar(QPainter& p) {
    p.save();
    p.translate(44, 58);
    p.rotate(35);
    p.scale(0.9, 0.9);
    const QColor wood(240, 166, 80);
    outlined(p, roundRect(-3.8, -58, 7.6, 40, 1.5), kDarkWood);
    outlined(p, roundRect(-6, -74, 12, 17, 3), kDarkWood);
    for (const qreal y : {-70.0, -65.0, -60.0}) {
        outlined(p, ellipse(-7.5, y, 2, 1.6), kSilver);
        outlined(p, ellipse(7.5, y, 2, 1.6), kSilver);
    }
    QPainterPath body;
    body.addEllipse(QPointF(0, 18), 21, 20);
    body.addEllipse(QPointF(0, -8), 16, 15);
    body.addRect(QRectF(-12, -6, 24, 20));
    shaded(p, body.simplified(), tint(wood, 0.15), tint(wood, -0.2));
    outlined(p, ellipse(0, 2, 6.5, 6.5), QColor(60, 34, 20));
    outlined(p, roundRect(-9, 24, 18, 4, 1.5), kDarkWood);
    p.setPen(QPen(QColor(250, 245, 230), 0.8));
    for (const qreal x : {-2.0, 0.0, 2.0}) {
        p.drawLine(QPointF(x, 26), QPointF(x, -58));
    }
    p.restore();
}

void harp(QPainter& p) {
    const QColor frame(214, 150, 60);
    QPainterPath neck(QPointF(22, 18));
    neck.cubicTo(QPointF(44, 4), QPointF(58, 34), QPointF(84, 16));
    const QPointF boxTop(80, 22);
    const QPointF boxFoot(32, 90);
    p.setPen(QPen(QColor(90, 70, 60), 0.9));
    for (qreal x = 30; x < 78; x += 5) {
        const qreal top = heightAt(neck, x) + 2;
        const qreal t = (x - boxFoot.x()) / (boxTop.x() - boxFoot.x());
        const qreal bottom = boxFoot.y() + t * (boxTop.y() - boxFoot.y());
        p.setPen(
            QPen(static_cast<int>(x) % 15 == 0 ? QColor(220, 50, 50) : QColor(90, 70, 60), 1.1));
        p.drawLine(QPointF(x, top), QPointF(x, bottom));
    }
    QPainterPath box(boxFoot);
    box.lineTo(boxTop);
    tube(p, box, 9, tint(frame, -0.1));
    tube(p, neck, 6, frame);
    QPainterPath pillar(QPointF(22, 18));
    pillar.cubicTo(QPointF(18, 40), QPointF(26, 66), QPointF(24, 88));
    tube(p, pillar, 6, frame);
    rod(p, QPointF(16, 90), QPointF(40, 90), 5, tint(frame, -0.25));
}

void doubleBass(QPainter& p) {
    const QColor wood(170, 80, 34);
    QPainterPath body;
    body.addEllipse(QPointF(50, 48), 17, 15);
    body.addEllipse(QPointF(50, 74), 22, 17);
    body.addRect(QRectF(38, 50, 24, 20));
    body = body.simplified();
    QPainterPath waist;
    waist.addEllipse(QPointF(30, 61), 6, 7);
    waist.addEllipse(QPointF(70, 61), 6, 7);
    shaded(p, body.subtracted(waist), tint(wood, 0.2), tint(wood, -0.25));
    rod(p, QPointF(50, 91), QPointF(50, 96), 2.4, QColor(60, 60, 70));
    outlined(p, roundRect(47, 12, 6, 54, 2), QColor(40, 30, 30));
    outlined(p, ellipse(50, 10, 4.6, 4.6), tint(wood, -0.1));
    outlined(p, roundRect(42, 72, 16, 3.5, 1), QColor(240, 220, 180));
    p.setPen(QPen(QColor(50, 26, 14), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (const qreal x : {40.0, 60.0}) {
        QPainterPath f(QPointF(x + 2, 60));
        f.cubicTo(QPointF(x - 3, 64), QPointF(x + 3, 76), QPointF(x - 2, 80));
        p.drawPath(f);
    }
    p.setPen(QPen(QColor(230, 230, 220), 0.7));
    for (const qreal x : {48.6, 49.6, 50.4, 51.4}) {
        p.drawLine(QPointF(x, 14), QPointF(x, 73));
    }
}

void kalimba(QPainter& p) {
    const QColor wood(222, 160, 96);
    shaded(p, roundRect(16, 12, 68, 80, 14), tint(wood, 0.15), tint(wood, -0.15), true);
    outlined(p, ellipse(50, 74, 8, 8), QColor(70, 40, 20));
    for (int i = 0; i < 9; ++i) {
        const qreal x = 21.5 + i * 6.6;
        const qreal top = 20 + std::abs(i - 4) * 4.5;
        shaded(p, roundRect(x, top, 4, 42 - top + 16, 2), QColor(250, 252, 255),
               QColor(150, 160, 180));
    }
    rod(p, QPointF(19, 50), QPointF(81, 50), 4, QColor(80, 84, 96));
}

void recorder(QPainter& p) {
    p.save();
    p.translate(50, 50);
    p.rotate(35);
    const QColor body(252, 244, 226);
    const QColor joint(150, 96, 56);
    QPainterPath bell;
    bell.moveTo(-5, 34);
    bell.lineTo(-8, 44);
    bell.lineTo(8, 44);
    bell.lineTo(5, 34);
    bell.closeSubpath();
    outlined(p, bell, joint);
    outlined(p, roundRect(-5, -30, 10, 66, 2), body);
    outlined(p, roundRect(-6, -34, 12, 6, 2), joint);
    outlined(p, roundRect(-6, 26, 12, 5, 2), joint);
    QPainterPath head;
    head.moveTo(-6, -34);
    head.lineTo(-4.5, -46);
    head.quadTo(0, -48, 4.5, -46);
    head.lineTo(6, -34);
    head.closeSubpath();
    outlined(p, head, body);
    outlined(p, roundRect(-2.6, -26, 5.2, 4, 1), QColor(50, 40, 40));
    for (int i = 0; i < 7; ++i) {
        outlined(p, ellipse(0, -14 + i * 5.6, 1.7, 1.7), QColor(50, 40, 40));
    }
    p.restore();
}

void panFlute(QPainter& p) {
    const QColor bamboo(236, 196, 110);
    for (int i = 0; i < 8; ++i) {
        const qreal x = 14 + i * 9;
        const qreal bottom = 90 - i * 5.4;
        shaded(p, roundRect(x, 18, 8, bottom - 18, 3), tint(bamboo, 0.25), tint(bamboo, -0.15));
        outlined(p, ellipse(x + 4, 20, 3, 1.6), QColor(80, 50, 30));
        p.setPen(QPen(tint(bamboo, -0.35), 1));
        p.drawLine(QPointF(x + 1, 62 - i * 3), QPointF(x + 7, 62 - i * 3));
    }
    outlined(p, roundRect(10, 32, 80, 8, 2), QColor(226, 72, 62));
    p.setPen(QPen(QColor(255, 214, 60), 1.6));
    for (qreal x = 14; x < 88; x += 6) {
        p.drawLine(QPointF(x, 33.5), QPointF(x + 3, 38.5));
    }
}

void clarinet(QPainter& p) {
    p.save();
    p.translate(50, 50);
    p.rotate(35);
    const QColor body(44, 44, 54);
    QPainterPath bell;
    bell.moveTo(-4.5, 30);
    bell.cubicTo(-5, 38, -10, 42, -11, 46);
    bell.lineTo(11, 46);
    bell.cubicTo(10, 42, 5, 38, 4.5, 30);
    bell.closeSubpath();
    outlined(p, bell, body);
    outlined(p, roundRect(-4.5, -34, 9, 66, 1.5), body);
    outlined(p, roundRect(-5.5, -22, 11, 3, 1), kSilver);
    outlined(p, roundRect(-5.5, 4, 11, 3, 1), kSilver);
    outlined(p, roundRect(-11.5, 44, 23, 3, 1.2), kSilver);
    QPainterPath mouthpiece;
    mouthpiece.moveTo(-4.5, -34);
    mouthpiece.lineTo(-3, -46);
    mouthpiece.lineTo(3, -47);
    mouthpiece.lineTo(4.5, -34);
    mouthpiece.closeSubpath();
    outlined(p, mouthpiece, body);
    outlined(p, roundRect(-5, -40, 10, 3, 1), kSilver);
    outlined(p, roundRect(3, -46, 2.2, 10, 1), QColor(230, 200, 140));
    for (int i = 0; i < 6; ++i) {
        const qreal y = -14 + i * 6.4 + (i >= 3 ? 6 : 0);
        outlined(p, ellipse(0, y, 2.3, 2.3), kSilver);
    }
    p.setPen(QPen(kSilver, 1));
    p.drawLine(QPointF(3, -18), QPointF(3, 28));
    p.restore();
}

void trombone(QPainter& p) {
    p.save();
    p.translate(50, 50);
    p.rotate(-12);
    QPainterPath slide(QPointF(-26, 10));
    slide.lineTo(38, 10);
    slide.arcTo(QRectF(34, 10, 8, 8), 90, -180);
    slide.lineTo(-26, 18);
    tube(p, slide, 3.4, kBrass);
    QPainterPath section(QPointF(-26, 10));
    section.lineTo(-34, 10);
    section.arcTo(QRectF(-40, -8, 12, 18), 270, -180);
    section.lineTo(4, -8);
    tube(p, section, 3.4, kBrass);
    rod(p, QPointF(-18, -8), QPointF(-18, 10), 2.2, kBrass);
    QPainterPath bell;
    bell.moveTo(2, -10.5);
    bell.cubicTo(14, -10.5, 20, -20, 26, -24);
    bell.lineTo(26, 8);
    bell.cubicTo(20, 4, 14, -5.5, 2, -5.5);
    bell.closeSubpath();
    shaded(p, bell, tint(kBrass, 0.3), tint(kBrass, -0.15));
    outlined(p, ellipse(26, -8, 4, 16), tint(kBrass, -0.3));
    outlined(p, roundRect(-32, 15, 6, 6, 2), kSilver);
    p.restore();
}

void tuba(QPainter& p) {
    QPainterPath coil;
    coil.addEllipse(QPointF(46, 66), 24, 20);
    tube(p, coil, 8, kBrass);
    QPainterPath inner;
    inner.addEllipse(QPointF(46, 66), 13, 10);
    tube(p, inner, 4, tint(kBrass, -0.08));
    QPainterPath bell;
    bell.moveTo(56, 50);
    bell.lineTo(50, 24);
    bell.cubicTo(48, 16, 38, 12, 36, 10);
    bell.lineTo(84, 10);
    bell.cubicTo(80, 12, 72, 16, 70, 24);
    bell.lineTo(66, 50);
    bell.closeSubpath();
    shaded(p, bell, tint(kBrass, 0.3), tint(kBrass, -0.15));
    outlined(p, ellipse(60, 10, 24, 4.6), tint(kBrass, -0.35));
    for (int i = 0; i < 3; ++i) {
        const qreal x = 28 + i * 8;
        shaded(p, roundRect(x, 42, 6, 22, 2), tint(kBrass, 0.2), tint(kBrass, -0.2));
        outlined(p, ellipse(x + 3, 40, 3.6, 2.2), QColor(250, 244, 230));
    }
    rod(p, QPointF(26, 56), QPointF(12, 48), 3, kBrass);
    outlined(p, ellipse(11, 47.5, 3, 3), kSilver);
}

void ocarina(QPainter& p) {
    const QColor glaze(62, 160, 200);
    p.save();
    p.translate(50, 54);
    p.rotate(-14);
    QPainterPath body;
    body.addEllipse(QPointF(4, 0), 36, 25);
    body.addRoundedRect(QRectF(-46, -8, 24, 14), 5, 5);
    shaded(p, body.simplified(), tint(glaze, 0.3), tint(glaze, -0.2), true);
    outlined(p, roundRect(-22, -12, 7, 5, 1.2), QColor(30, 50, 70));
    const QPointF holes[] = {{-4, -10}, {6, -14}, {16, -12}, {26, -6},
                             {-2, 4},   {10, 2},  {20, 6},   {30, 4}};
    for (const QPointF& at : holes) {
        outlined(p, ellipse(at.x(), at.y(), 3, 3), QColor(30, 50, 70));
    }
    p.setPen(QPen(QColor(255, 255, 255, 170), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-24, -20, 50, 30), 100 * 16, 60 * 16);
    p.restore();
}

} // namespace pulsadrome::art::shapes
