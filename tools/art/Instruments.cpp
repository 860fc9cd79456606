// SPDX-License-Identifier: GPL-3.0-or-later
#include "Instruments.h"

#include "InstrumentShapes.h"
#include "Paint.h"

#include <QLinearGradient>
#include <QPainter>

#include <cmath>

namespace pulsadrome::art {

namespace shapes {

QPainterPath roundRect(qreal x, qreal y, qreal w, qreal h, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), radius, radius);
    return path;
}

QPainterPath ellipse(qreal cx, qreal cy, qreal rx, qreal ry) {
    QPainterPath path;
    path.addEllipse(QPointF(cx, cy), rx, ry);
    return path;
}

void outlined(QPainter& p, const QPainterPath& path, const QColor& fill) {
    fillOutlined(p, path, fill, tint(fill, -0.55), 1.6);
}

void shaded(QPainter& p, const QPainterPath& path, const QColor& light, const QColor& dark,
            bool vertical) {
    const QRectF box = path.boundingRect();
    QLinearGradient gradient(box.topLeft(), vertical ? box.bottomLeft() : box.topRight());
    gradient.setColorAt(0, light);
    gradient.setColorAt(1, dark);
    p.save();
    p.setBrush(gradient);
    p.setPen(QPen(tint(dark, -0.5), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.restore();
}

void tube(QPainter& p, const QPainterPath& line, qreal width, const QColor& colour) {
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(tint(colour, -0.55), width + 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(line);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(line);
    p.restore();
}

void rod(QPainter& p, QPointF from, QPointF to, qreal width, const QColor& colour) {
    QPainterPath line(from);
    line.lineTo(to);
    tube(p, line, width, colour);
}

void mallet(QPainter& p, QPointF head, QPointF end, qreal radius, const QColor& headColour,
            const QColor& handle) {
    rod(p, head, end, 3.2, handle);
    outlined(p, ellipse(head.x(), head.y(), radius, radius), headColour);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(head + QPointF(-radius * 0.35, -radius * 0.35), radius * 0.3, radius * 0.3);
    p.restore();
}

void soundLines(QPainter& p, QPointF at, qreal degrees, const QColor& colour) {
    p.save();
    p.translate(at);
    p.rotate(degrees);
    p.setPen(QPen(colour, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        const qreal r = 5 + i * 5;
        p.drawArc(QRectF(-r, -r, 2 * r, 2 * r), -35 * 16, 70 * 16);
    }
    p.restore();
}

} // namespace shapes

namespace {

// The tile colour tells the family at a glance.
enum class Family { Drums, Bars, Strings, Winds };

struct Instrument {
    bool percussion;
    int gm;
    Family family;
    const char* emoji; // the motif when a fitting emoji exists, else nullptr
    void (*draw)(QPainter&);
};

// Every instrument of the band list, by its General MIDI key or program.
const Instrument kInstruments[] = {
    {true, 76, Family::Drums, nullptr, shapes::woodBlock},
    {true, 75, Family::Drums, nullptr, shapes::claves},
    {true, 39, Family::Drums, "👏", nullptr},
    {true, 38, Family::Drums, "🥁", nullptr},
    {true, 36, Family::Drums, nullptr, shapes::bassDrum},
    {true, 42, Family::Drums, nullptr, shapes::hiHat},
    {true, 63, Family::Drums, nullptr, shapes::congas},
    {true, 60, Family::Drums, nullptr, shapes::bongos},
    {true, 54, Family::Drums, nullptr, shapes::tambourine},
    {true, 70, Family::Drums, "🪇", nullptr},
    {true, 56, Family::Drums, nullptr, shapes::cowbell},
    {true, 81, Family::Drums, nullptr, shapes::triangle},
    {true, 71, Family::Drums, nullptr, shapes::whistle},
    {false, 116, Family::Drums, nullptr, shapes::taiko},
    {false, 47, Family::Drums, nullptr, shapes::timpani},
    {false, 114, Family::Drums, nullptr, shapes::steelDrum},
    {false, 112, Family::Bars, "🔔", nullptr},
    {false, 9, Family::Bars, nullptr, shapes::glockenspiel},
    {false, 13, Family::Bars, nullptr, shapes::xylophone},
    {false, 12, Family::Bars, nullptr, shapes::marimba},
    {false, 10, Family::Bars, nullptr, shapes::musicBox},
    {false, 14, Family::Bars, nullptr, shapes::tubularBells},
    {false, 0, Family::Bars, "🎹", nullptr},
    {false, 11, Family::Bars, nullptr, shapes::vibraphone},
    {false, 19, Family::Winds, nullptr, shapes::organ},
    {false, 21, Family::Winds, "🪗", nullptr},
    {false, 22, Family::Winds, nullptr, shapes::harmonica},
    {false, 24, Family::Strings, nullptr, shapes::guitar},
    {false, 29, Family::Strings, "🎸", nullptr},
    {false, 105, Family::Strings, "🪕", nullptr},
    {false, 46, Family::Strings, nullptr, shapes::harp},
    {false, 45, Family::Strings, "🎻", nullptr},
    {false, 32, Family::Strings, nullptr, shapes::doubleBass},
    {false, 108, Family::Bars, nullptr, shapes::kalimba},
    {false, 73, Family::Winds, "🪈", nullptr},
    {false, 74, Family::Winds, nullptr, shapes::recorder},
    {false, 75, Family::Winds, nullptr, shapes::panFlute},
    {false, 71, Family::Winds, nullptr, shapes::clarinet},
    {false, 65, Family::Winds, "🎷", nullptr},
    {false, 56, Family::Winds, "🎺", nullptr},
    {false, 57, Family::Winds, nullptr, shapes::trombone},
    {false, 58, Family::Winds, nullptr, shapes::tuba},
    {false, 79, Family::Winds, nullptr, shapes::ocarina},
    {false, 80, Family::Bars, nullptr, shapes::synthesizer},
};

const Instrument* findInstrument(const Band& band) {
    for (const Instrument& instrument : kInstruments) {
        if (instrument.percussion == band.percussion && instrument.gm == band.gm) {
            return &instrument;
        }
    }
    return nullptr;
}

void paintTile(QPainter& p, Family family) {
    QColor light;
    QColor dark;
    switch (family) {
    case Family::Drums:
        light = QColor(255, 236, 214);
        dark = QColor(255, 206, 160);
        break;
    case Family::Bars:
        light = QColor(226, 242, 255);
        dark = QColor(182, 218, 255);
        break;
    case Family::Strings:
        light = QColor(230, 248, 220);
        dark = QColor(190, 232, 170);
        break;
    case Family::Winds:
        light = QColor(242, 232, 255);
        dark = QColor(214, 196, 255);
        break;
    }
    const QPainterPath tile = shapes::roundRect(2, 2, 96, 96, 18);
    QLinearGradient gradient(0, 0, 0, 100);
    gradient.setColorAt(0, light);
    gradient.setColorAt(1, dark);
    p.fillPath(tile, gradient);
    p.save();
    p.setPen(QPen(tint(dark, -0.15), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tile);
    p.restore();
}

} // namespace

QImage paintInstrument(const Band& band, int side) {
    const Instrument* instrument = findInstrument(band);
    if (instrument == nullptr) {
        return {};
    }
    QImage image = blankImage(QSize(side, side));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(side / 100.0, side / 100.0);
    paintTile(p, instrument->family);
    p.setClipPath(shapes::roundRect(2, 2, 96, 96, 18));
    if (instrument->emoji != nullptr) {
        drawEmoji(p, QPointF(50, 51), 76, QString::fromUtf8(instrument->emoji));
    } else {
        instrument->draw(p);
    }
    return image;
}

} // namespace pulsadrome::art
