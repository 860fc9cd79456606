// SPDX-License-Identifier: GPL-3.0-or-later
// Drums and other percussion, each in a 100 x 100 box.
#include "InstrumentShapes.h"
#include "Paint.h"

#include <QPainter>

#include <cmath>

namespace pulsadrome::art::shapes {

namespace {

const QColor kWood(201, 138, 75);
const QColor kSkin(252, 240, 214);
const QColor kSilver(206, 212, 224);
const QColor kSteel(130, 140, 160);
const QColor kGold(244, 196, 64);

// A drum body seen slightly from above: a skin ellipse on top of a side that runs down to a
// narrower or wider bottom ellipse.
void drumBody(QPainter& p, QPointF top, qreal topRx, qreal bottomY, qreal bottomRx, qreal ry,
              const QColor& light, const QColor& dark) {
    QPainterPath side;
    side.moveTo(top.x() - topRx, top.y());
    side.lineTo(top.x() - bottomRx, bottomY);
    side.arcTo(QRectF(top.x() - bottomRx, bottomY - ry, 2 * bottomRx, 2 * ry), 180, 180);
    side.lineTo(top.x() + topRx, top.y());
    side.closeSubpath();
    shaded(p, side, light, dark);
}

void drumHead(QPainter& p, QPointF centre, qreal rx, qreal ry, const QColor& rim) {
    outlined(p, ellipse(centre.x(), centre.y(), rx + 1.5, ry + 1.2), rim);
    outlined(p, ellipse(centre.x(), centre.y(), rx - 1, ry - 0.8), kSkin);
}

} // namespace

void woodBlock(QPainter& p) {
    outlined(p, polygon({{14, 46}, {28, 32}, {88, 32}, {74, 46}}), tint(kWood, 0.3));
    outlined(p, polygon({{74, 46}, {88, 32}, {88, 64}, {74, 78}}), tint(kWood, -0.2));
    outlined(p, polygon({{14, 46}, {74, 46}, {74, 78}, {14, 78}}), kWood);
    outlined(p, roundRect(20, 53, 48, 7, 3), QColor(90, 52, 24));
    p.setPen(QPen(tint(kWood, -0.15), 1.2));
    p.drawLine(QPointF(20, 68), QPointF(66, 68));
    p.drawLine(QPointF(30, 72.5), QPointF(70, 72.5));
    mallet(p, QPointF(46, 22), QPointF(82, 10), 8, QColor(226, 72, 72));
}

void claves(QPainter& p) {
    const QColor rosewood(182, 96, 58);
    rod(p, QPointF(16, 40), QPointF(80, 82), 12, tint(rosewood, 0.12));
    rod(p, QPointF(16, 80), QPointF(82, 36), 12, rosewood);
    p.setPen(QPen(QColor(255, 255, 255, 120), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(20, 74), QPointF(76, 37));
    soundLines(p, QPointF(50, 38), -90, QColor(230, 110, 60));
}

void bassDrum(QPainter& p) {
    const QColor rim(47, 111, 214);
    rod(p, QPointF(26, 76), QPointF(12, 92), 3.6, kSteel);
    rod(p, QPointF(74, 76), QPointF(88, 92), 3.6, kSteel);
    outlined(p, ellipse(50, 50, 41, 41), rim);
    outlined(p, ellipse(50, 50, 33, 33), kSkin);
    for (int i = 0; i < 10; ++i) {
        const qreal a = i * 2 * M_PI / 10;
        const QPointF at(50 + 37 * std::cos(a), 50 + 37 * std::sin(a));
        outlined(p, ellipse(at.x(), at.y(), 2.6, 2.6), kSilver);
    }
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const qreal a = -M_PI / 2 + i * M_PI / 5;
        const qreal r = i % 2 == 0 ? 17 : 7.5;
        const QPointF point(50 + r * std::cos(a), 51 + r * std::sin(a));
        i == 0 ? star.moveTo(point) : star.lineTo(point);
    }
    star.closeSubpath();
    outlined(p, star, kGold);
}

void hiHat(QPainter& p) {
    rod(p, QPointF(50, 34), QPointF(50, 86), 3.4, kSteel);
    rod(p, QPointF(50, 78), QPointF(28, 92), 3, kSteel);
    rod(p, QPointF(50, 78), QPointF(72, 92), 3, kSteel);
    for (const qreal y : {44.0, 32.0}) {
        shaded(p, ellipse(50, y, 38, 7.5), tint(kGold, 0.35), tint(kGold, -0.15), true);
        outlined(p, ellipse(50, y - 1.5, 7, 3), tint(kGold, -0.1));
        p.setPen(QPen(tint(kGold, -0.3), 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(50, y), 24, 4.5);
    }
    mallet(p, QPointF(70, 27), QPointF(86, 12), 2.6, QColor(222, 182, 122));
}

void congas(QPainter& p) {
    const QColor light(240, 150, 70);
    const QColor dark(186, 86, 32);
    const auto conga = [&](qreal x, qreal top, qreal rx) {
        QPainterPath body;
        body.moveTo(x - rx, top);
        body.cubicTo(x - rx * 1.25, top + 30, x - rx * 1.1, 78, x - rx * 0.8, 92);
        body.lineTo(x + rx * 0.8, 92);
        body.cubicTo(x + rx * 1.1, 78, x + rx * 1.25, top + 30, x + rx, top);
        body.closeSubpath();
        shaded(p, body, light, dark);
        p.setPen(QPen(QColor(120, 60, 24, 140), 1.2));
        p.drawLine(QPointF(x - rx * 0.4, top + 6), QPointF(x - rx * 0.35, 91));
        p.drawLine(QPointF(x + rx * 0.4, top + 6), QPointF(x + rx * 0.35, 91));
        rod(p, QPointF(x - rx * 1.13, top + 40), QPointF(x + rx * 1.13, top + 40), 2.4, kSilver);
        drumHead(p, QPointF(x, top), rx, rx * 0.32, kSilver);
    };
    conga(32, 18, 18);
    conga(66, 30, 18);
}

void bongos(QPainter& p) {
    const QColor light(232, 160, 80);
    const QColor dark(176, 96, 40);
    outlined(p, roundRect(44, 50, 14, 12, 3), QColor(120, 70, 34));
    drumBody(p, QPointF(30, 42), 22, 74, 17, 6, light, dark);
    drumHead(p, QPointF(30, 42), 22, 8, QColor(70, 60, 60));
    drumBody(p, QPointF(72, 48), 17, 76, 13, 5, light, dark);
    drumHead(p, QPointF(72, 48), 17, 6.5, QColor(70, 60, 60));
}

void tambourine(QPainter& p) {
    const QColor frame(226, 72, 62);
    QPainterPath band;
    band.addEllipse(QPointF(50, 56), 40, 30);
    shaded(p, band, tint(frame, 0.1), tint(frame, -0.2), true);
    drumHead(p, QPointF(50, 48), 38, 28, frame);
    for (int i = 0; i < 5; ++i) {
        const qreal a = M_PI * (0.08 + i * 0.21);
        const QPointF at(50 + 39 * std::cos(a), 54 + 29 * std::sin(a));
        outlined(p, ellipse(at.x() - 3, at.y(), 5, 3.2), kSilver);
        outlined(p, ellipse(at.x() + 3, at.y() + 1, 5, 3.2), tint(kSilver, 0.2));
    }
    p.setPen(QPen(QColor(255, 255, 255, 160), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(22, 28, 40, 30), 100 * 16, 60 * 16);
}

void cowbell(QPainter& p) {
    // Hanging from its strap, mouth down, as on a cow's neck.
    outlined(p, roundRect(44, 8, 12, 16, 3), QColor(150, 90, 50));
    tube(
        p,
        [] {
            QPainterPath loop(QPointF(40, 26));
            loop.cubicTo(QPointF(40, 14), QPointF(60, 14), QPointF(60, 26));
            return loop;
        }(),
        3.2, kSilver);
    QPainterPath bell;
    bell.moveTo(34, 24);
    bell.lineTo(66, 24);
    bell.cubicTo(70, 44, 74, 64, 80, 80);
    bell.lineTo(20, 80);
    bell.cubicTo(26, 64, 30, 44, 34, 24);
    bell.closeSubpath();
    shaded(p, bell, QColor(150, 156, 170), QColor(70, 74, 88));
    outlined(p, ellipse(50, 80, 30, 6), QColor(34, 34, 42));
    outlined(p, ellipse(50, 84, 4.5, 4.5), QColor(110, 114, 126));
    p.setPen(QPen(QColor(255, 255, 255, 130), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(38, 30), QPointF(30, 72));
    soundLines(p, QPointF(82, 52), 0, QColor(230, 110, 60));
    soundLines(p, QPointF(18, 52), 180, QColor(230, 110, 60));
}

void triangle(QPainter& p) {
    p.save();
    p.setPen(QPen(QColor(200, 60, 60), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(46, 8), QPointF(46, 22));
    p.restore();
    QPainterPath frame(QPointF(22, 72));
    frame.lineTo(46, 24);
    frame.lineTo(76, 82);
    frame.lineTo(24, 82);
    tube(p, frame, 5.5, kSilver);
    rod(p, QPointF(64, 58), QPointF(92, 40), 3, kSteel);
    soundLines(p, QPointF(82, 66), 10, QColor(240, 170, 40));
}

void whistle(QPainter& p) {
    const QColor body(255, 128, 40);
    p.save();
    p.translate(50, 52);
    p.rotate(-14);
    QPainterPath shape;
    shape.setFillRule(Qt::WindingFill);
    shape.addEllipse(QPointF(-14, 8), 22, 22);
    shape.addRoundedRect(QRectF(-14, -14, 50, 20), 5, 5);
    shape = shape.simplified();
    shaded(p, shape, tint(body, 0.2), tint(body, -0.15), true);
    outlined(p, roundRect(-2, -16, 12, 5, 2), QColor(60, 40, 40));
    outlined(p, ellipse(-14, 8, 8, 8), tint(body, -0.2));
    outlined(p, roundRect(28, -12, 8, 16, 3), tint(body, -0.1));
    tube(
        p,
        [] {
            QPainterPath cord(QPointF(-34, 4));
            cord.cubicTo(QPointF(-46, -4), QPointF(-44, -24), QPointF(-30, -22));
            return cord;
        }(),
        2.2, QColor(60, 130, 220));
    p.restore();
    soundLines(p, QPointF(88, 38), -20, QColor(60, 130, 220));
}

void taiko(QPainter& p) {
    const QColor body(150, 58, 40);
    rod(p, QPointF(28, 70), QPointF(16, 92), 5, QColor(110, 70, 40));
    rod(p, QPointF(72, 70), QPointF(84, 92), 5, QColor(110, 70, 40));
    outlined(p, ellipse(50, 54, 38, 34), body);
    outlined(p, ellipse(50, 54, 30, 30), kSkin);
    outlined(p, ellipse(50, 54, 11, 11), QColor(226, 72, 62));
    for (int i = 0; i < 16; ++i) {
        const qreal a = i * 2 * M_PI / 16;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 30, 20));
        p.drawEllipse(QPointF(50 + 33.5 * std::cos(a), 54 + 31.5 * std::sin(a)), 1.5, 1.5);
    }
    rod(p, QPointF(60, 22), QPointF(88, 10), 5, QColor(230, 200, 150));
    rod(p, QPointF(66, 10), QPointF(90, 24), 5, QColor(230, 200, 150));
}

void timpani(QPainter& p) {
    const QColor copper(226, 140, 80);
    for (const qreal x : {30.0, 50.0, 70.0}) {
        rod(p, QPointF(x, 70), QPointF(x + (x - 50) * 0.4, 92), 3, kSteel);
    }
    QPainterPath bowl;
    bowl.moveTo(12, 42);
    bowl.cubicTo(14, 80, 86, 80, 88, 42);
    bowl.closeSubpath();
    shaded(p, bowl, tint(copper, 0.25), tint(copper, -0.3));
    drumHead(p, QPointF(50, 42), 37, 10, kSilver);
    mallet(p, QPointF(66, 30), QPointF(86, 11), 6.5, QColor(250, 244, 230));
}

void steelDrum(QPainter& p) {
    QPainterPath skirt;
    skirt.moveTo(10, 44);
    skirt.lineTo(13, 72);
    skirt.cubicTo(26, 86, 74, 86, 87, 72);
    skirt.lineTo(90, 44);
    skirt.closeSubpath();
    shaded(p, skirt, QColor(224, 228, 236), QColor(120, 128, 146));
    // A painted band round the skirt, in island colours.
    p.save();
    p.setClipPath(skirt);
    const QColor stripes[] = {QColor(230, 60, 60), QColor(255, 200, 40), QColor(40, 170, 90)};
    for (int i = 0; i < 3; ++i) {
        QPainterPath band;
        band.moveTo(0, 58 + i * 5);
        band.cubicTo(30, 70 + i * 5, 70, 70 + i * 5, 100, 58 + i * 5);
        p.setPen(QPen(stripes[i], 5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(band);
    }
    p.restore();
    shaded(p, ellipse(50, 44, 40, 16), QColor(236, 238, 244), QColor(170, 176, 190), true);
    const QPointF dimples[] = {{34, 40}, {50, 36}, {66, 40}, {40, 50}, {60, 50}, {50, 44}};
    for (const QPointF& at : dimples) {
        outlined(p, ellipse(at.x(), at.y(), 6, 3.6), QColor(200, 206, 218));
    }
    mallet(p, QPointF(62, 24), QPointF(86, 10), 4.5, QColor(226, 72, 72), kSteel);
    mallet(p, QPointF(74, 30), QPointF(90, 18), 4.5, QColor(226, 72, 72), kSteel);
}

} // namespace pulsadrome::art::shapes
