// SPDX-License-Identifier: GPL-3.0-or-later
// The drawn instruments (those without a fitting emoji). Each paints into a 100 x 100 box,
// keeping within about 6 ... 94; the caller has scaled the painter and painted the tile.
#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>

class QPainter;

namespace pulsadrome::art::shapes {

// Helpers shared by the drawings.
QPainterPath roundRect(qreal x, qreal y, qreal w, qreal h, qreal radius);
QPainterPath ellipse(qreal cx, qreal cy, qreal rx, qreal ry);
// Fills with `fill` and outlines in a dark shade of it.
void outlined(QPainter& p, const QPainterPath& path, const QColor& fill);
// The same with a gradient from `light` to `dark` across the shape (left to right, or top to
// bottom when `vertical`).
void shaded(QPainter& p, const QPainterPath& path, const QColor& light, const QColor& dark,
            bool vertical = false);
// A tube or rod along `line`, `width` thick, with a dark edge.
void tube(QPainter& p, const QPainterPath& line, qreal width, const QColor& colour);
void rod(QPainter& p, QPointF from, QPointF to, qreal width, const QColor& colour);
// A mallet or drumstick: a rod from `head` to `end` with a round head of `radius`.
void mallet(QPainter& p, QPointF head, QPointF end, qreal radius, const QColor& headColour,
            const QColor& handle = QColor(205, 150, 90));
// Little curved lines that show a sound going out from `at` towards `degrees`.
void soundLines(QPainter& p, QPointF at, qreal degrees, const QColor& colour);

// Percussion.
void woodBlock(QPainter& p);
void claves(QPainter& p);
void bassDrum(QPainter& p);
void hiHat(QPainter& p);
void congas(QPainter& p);
void bongos(QPainter& p);
void tambourine(QPainter& p);
void cowbell(QPainter& p);
void triangle(QPainter& p);
void whistle(QPainter& p);
void taiko(QPainter& p);
void timpani(QPainter& p);
void steelDrum(QPainter& p);

// Bars, bells and keyboards.
void glockenspiel(QPainter& p);
void xylophone(QPainter& p);
void marimba(QPainter& p);
void vibraphone(QPainter& p);
void musicBox(QPainter& p);
void tubularBells(QPainter& p);
void organ(QPainter& p);
void harmonica(QPainter& p);
void synthesizer(QPainter& p);

// Strings and winds.
void guitar(QPainter& p);
void harp(QPainter& p);
void doubleBass(QPainter& p);
void kalimba(QPainter& p);
void recorder(QPainter& p);
void panFlute(QPainter& p);
void clarinet(QPainter& p);
void trombone(QPainter& p);
void tuba(QPainter& p);
void ocarina(QPainter& p);

} // namespace pulsadrome::art::shapes
