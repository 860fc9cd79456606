// SPDX-License-Identifier: GPL-3.0-or-later
// Bars, bells, box and keyboards, each in a 100 x 100 box.
#include "InstrumentShapes.h"
#include "Paint.h"

#include <QPainter>

#include <cmath>

namespace pulsadrome::art::shapes {

namespace {

const QColor kSilver(214, 220, 230);
const QColor kSteel(130, 140, 160);
const QColor kGold(238, 186, 70);

// A row of `count` bars across a frame, long at the left and short at the right, on a stand
// with resonator tubes under each bar.
void barsOnStand(QPainter& p, const QColor& barLight, const QColor& barDark, const QColor& tubes) {
    rod(p, QPointF(16, 62), QPointF(10, 92), 3.2, QColor(70, 70, 80));
    rod(p, QPointF(84, 62), QPointF(90, 92), 3.2, QColor(70, 70, 80));
    const int count = 7;
    for (int i = 0; i < count; ++i) {
        const qreal x = 14 + i * 10.6;
        const qreal length = 34 - i * 2.4;
        shaded(p, roundRect(x + 1.6, 58, 5.6, 28 - i * 2.8, 2.5), tint(tubes, 0.25),
               tint(tubes, -0.2));
        shaded(p, roundRect(x, 56 - length, 8.8, length, 2.5), barLight, barDark);
    }
    rod(p, QPointF(10, 58), QPointF(90, 58), 3.4, QColor(70, 70, 80));
}

// A note head with its stem and flag, for the music box's tune.
void smallNote(QPainter& p, QPointF foot, const QColor& colour) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.translate(foot);
    p.rotate(-20);
    p.drawEllipse(QPointF(0, 0), 4.4, 3.2);
    p.restore();
    p.save();
    p.setPen(QPen(colour, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(foot + QPointF(3.6, -1), foot + QPointF(3.6, -15));
    p.drawLine(foot + QPointF(3.6, -15), foot + QPointF(9, -10));
    p.restore();
}

} // namespace

void glockenspiel(QPainter& p) {
    const QColor box(42, 78, 160);
    outlined(p, roundRect(8, 28, 84, 60, 6), box);
    outlined(p, roundRect(13, 33, 74, 50, 4), QColor(26, 40, 96));
    for (int i = 0; i < 8; ++i) {
        const qreal x = 16.5 + i * 8.6;
        const qreal length = 44 - i * 2.6;
        shaded(p, roundRect(x, 58 - length / 2, 6.4, length, 2), QColor(250, 252, 255),
               QColor(170, 178, 196));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(90, 90, 100));
        p.drawEllipse(QPointF(x + 3.2, 58 - length / 2 + 3), 0.9, 0.9);
        p.drawEllipse(QPointF(x + 3.2, 58 + length / 2 - 3), 0.9, 0.9);
    }
    mallet(p, QPointF(40, 22), QPointF(14, 8), 4.2, QColor(230, 60, 70));
    mallet(p, QPointF(62, 20), QPointF(90, 8), 4.2, QColor(230, 60, 70));
}

void xylophone(QPainter& p) {
    const QColor colours[] = {QColor(240, 70, 70),  QColor(255, 150, 40), QColor(255, 214, 40),
                              QColor(110, 200, 80), QColor(40, 190, 190), QColor(60, 130, 230),
                              QColor(140, 90, 220), QColor(230, 90, 180)};
    rod(p, QPointF(10, 40), QPointF(90, 50), 4, QColor(170, 110, 60));
    rod(p, QPointF(10, 84), QPointF(90, 72), 4, QColor(170, 110, 60));
    for (int i = 0; i < 8; ++i) {
        const qreal x = 13 + i * 9.4;
        const qreal top = 36 + i * 1.25 - 2;
        const qreal bottom = 88 - i * 1.5 + 2;
        outlined(p, roundRect(x, top, 7.4, bottom - top, 2.5), colours[i]);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(x + 3.7, top + 5.5), 1.1, 1.1);
        p.drawEllipse(QPointF(x + 3.7, bottom - 5.5), 1.1, 1.1);
    }
    mallet(p, QPointF(36, 24), QPointF(12, 8), 5, QColor(230, 190, 130));
    mallet(p, QPointF(64, 24), QPointF(88, 8), 5, QColor(230, 190, 130));
}

void marimba(QPainter& p) {
    barsOnStand(p, QColor(214, 150, 92), QColor(160, 96, 50), QColor(80, 70, 66));
    mallet(p, QPointF(34, 16), QPointF(10, 6), 4.5, QColor(120, 60, 160));
    mallet(p, QPointF(60, 18), QPointF(88, 6), 4.5, QColor(120, 60, 160));
}

void vibraphone(QPainter& p) {
    barsOnStand(p, QColor(246, 248, 252), QColor(166, 174, 192), kGold);
    rod(p, QPointF(12, 70), QPointF(88, 70), 1.6, kSteel);
    mallet(p, QPointF(34, 16), QPointF(10, 6), 4.5, QColor(60, 130, 230));
    mallet(p, QPointF(60, 18), QPointF(88, 6), 4.5, QColor(60, 130, 230));
}

void musicBox(QPainter& p) {
    const QColor wood(226, 92, 140);
    // The lid stands open on its hinge at the back, a mirror inside.
    outlined(p, polygon({{22, 42}, {86, 42}, {90, 14}, {26, 14}}), tint(wood, -0.1));
    outlined(p, polygon({{27, 38}, {81, 38}, {84, 18}, {30, 18}}), QColor(200, 232, 250));
    // Inside the open box: the tune's cylinder and comb.
    outlined(p, polygon({{14, 52}, {22, 42}, {86, 42}, {78, 52}}), QColor(120, 40, 76));
    outlined(p, roundRect(30, 44, 34, 5, 2.5), kGold);
    outlined(p, polygon({{78, 52}, {86, 42}, {86, 76}, {78, 86}}), tint(wood, -0.2));
    outlined(p, roundRect(14, 52, 64, 34, 2), wood);
    p.setPen(QPen(kGold, 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(19, 57, 54, 24));
    outlined(p, ellipse(46, 69, 4, 4), kGold);
    rod(p, QPointF(86, 62), QPointF(93, 62), 2.6, kGold);
    rod(p, QPointF(93, 62), QPointF(93, 72), 2.6, kGold);
    smallNote(p, QPointF(14, 36), QColor(110, 60, 200));
    smallNote(p, QPointF(8, 22) + QPointF(4, 0), QColor(60, 120, 220));
}

void tubularBells(QPainter& p) {
    const QColor wood(140, 86, 50);
    outlined(p, roundRect(10, 10, 80, 7, 3), wood);
    rod(p, QPointF(14, 17), QPointF(14, 90), 4, wood);
    rod(p, QPointF(86, 17), QPointF(86, 90), 4, wood);
    rod(p, QPointF(6, 91), QPointF(22, 91), 4, wood);
    rod(p, QPointF(78, 91), QPointF(94, 91), 4, wood);
    for (int i = 0; i < 6; ++i) {
        const qreal x = 22 + i * 10.4;
        const qreal length = 66 - i * 6;
        p.setPen(QPen(QColor(90, 90, 100), 1));
        p.drawLine(QPointF(x + 3.5, 17), QPointF(x + 3.5, 21));
        shaded(p, roundRect(x, 21, 7, length, 2.5), QColor(255, 230, 150), QColor(200, 140, 40));
        outlined(p, roundRect(x - 0.8, 21, 8.6, 4, 1.5), QColor(230, 180, 80));
    }
    mallet(p, QPointF(70, 70), QPointF(92, 58), 4.5, QColor(240, 230, 210), QColor(150, 100, 60));
}

void organ(QPainter& p) {
    const QColor wood(150, 92, 52);
    const int count = 9;
    for (int i = 0; i < count; ++i) {
        const int fromMiddle = std::abs(i - count / 2);
        const qreal x = 13 + i * 8.4;
        const qreal top = 10 + fromMiddle * 7;
        shaded(p, roundRect(x, top, 6.8, 60 - top, 1.6), QColor(250, 250, 255),
               QColor(160, 168, 186));
        outlined(p,
                 polygon({{x + 1.2, 50 - fromMiddle * 1.0},
                          {x + 3.4, 46 - fromMiddle * 1.0},
                          {x + 5.6, 50 - fromMiddle * 1.0}}),
                 QColor(60, 60, 70));
    }
    outlined(p, roundRect(8, 58, 84, 34, 3), wood);
    outlined(p, roundRect(14, 66, 72, 10, 1), Qt::white);
    p.setPen(QPen(QColor(120, 120, 130), 0.8));
    for (int i = 1; i < 12; ++i) {
        p.drawLine(QPointF(14 + i * 6, 66), QPointF(14 + i * 6, 76));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 36));
    for (int i = 0; i < 11; ++i) {
        if (i % 7 == 2 || i % 7 == 6) {
            continue;
        }
        p.drawRect(QRectF(18 + i * 6, 66, 3.4, 6));
    }
    p.setPen(QPen(kGold, 2));
    p.drawLine(QPointF(12, 84), QPointF(88, 84));
}

void harmonica(QPainter& p) {
    p.save();
    p.translate(50, 54);
    p.rotate(-16);
    outlined(p, roundRect(-42, -12, 84, 26, 4), QColor(60, 60, 70));
    for (int i = 0; i < 10; ++i) {
        outlined(p, roundRect(-38 + i * 7.8, -3.5, 5, 7, 1.2), QColor(20, 20, 26));
    }
    shaded(p, roundRect(-44, -18, 88, 12, 4), QColor(250, 252, 255), QColor(160, 168, 186), true);
    shaded(p, roundRect(-44, 6, 88, 10, 4), QColor(220, 224, 234), QColor(140, 148, 166), true);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-38, -14), QPointF(30, -14));
    p.restore();
    smallNote(p, QPointF(70, 26), QColor(110, 60, 200));
    smallNote(p, QPointF(24, 84), QColor(60, 120, 220));
}

void synthesizer(QPainter& p) {
    outlined(p, roundRect(6, 26, 88, 54, 6), QColor(58, 62, 84));
    outlined(p, roundRect(12, 32, 26, 12, 2), QColor(110, 230, 170));
    const QColor knobs[] = {QColor(255, 90, 90), QColor(255, 200, 60), QColor(80, 200, 255),
                            QColor(190, 120, 255)};
    for (int i = 0; i < 4; ++i) {
        const QPointF at(48 + i * 12, 38);
        outlined(p, ellipse(at.x(), at.y(), 4.6, 4.6), knobs[i]);
        p.setPen(QPen(QColor(30, 30, 40), 1.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(at, at + QPointF(2.6 * std::cos(i * 1.3), -2.6 * std::sin(i * 1.3 + 0.6)));
    }
    outlined(p, roundRect(11, 50, 78, 25, 2), Qt::white);
    p.setPen(QPen(QColor(150, 150, 160), 0.9));
    for (int i = 1; i < 11; ++i) {
        p.drawLine(QPointF(11 + i * 7.1, 50), QPointF(11 + i * 7.1, 75));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 36));
    for (int i = 0; i < 10; ++i) {
        if (i % 7 == 2 || i % 7 == 6) {
            continue;
        }
        p.drawRoundedRect(QRectF(15.6 + i * 7.1, 50, 4.2, 14), 0.8, 0.8);
    }
}

} // namespace pulsadrome::art::shapes
