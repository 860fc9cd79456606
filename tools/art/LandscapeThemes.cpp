// SPDX-License-Identifier: GPL-3.0-or-later
// The themes with a landscape: cowboy, car, horse, train and rooster. Each keeps its scenery
// low and at the sides, under an open sky in the middle.
#include "BackgroundScenes.h"
#include "Paint.h"

#include <QLinearGradient>
#include <QPainter>

#include <cmath>

namespace pulsadrome::art {

namespace {

// A flat-topped rock (a mesa) standing on `ground` (fraction of the height), its foot from
// `left` to `right` units from the left edge.
QPainterPath mesa(const Scene& scene, qreal left, qreal right, qreal height, qreal ground) {
    const QPointF foot1(left * scene.unit, 0);
    const QPointF foot2(right * scene.unit, 0);
    const qreal base = ground * scene.height;
    const qreal top = base - height * scene.unit;
    const qreal inset = (foot2.x() - foot1.x()) * 0.14;
    return polygon({QPointF(foot1.x(), base), QPointF(foot1.x() + inset, top + 6 * scene.unit),
                    QPointF(foot1.x() + inset * 1.4, top), QPointF(foot2.x() - inset * 1.3, top),
                    QPointF(foot2.x() - inset, top + 8 * scene.unit), QPointF(foot2.x(), base)});
}

void paintFence(Scene& scene, qreal from, qreal to, qreal top, qreal bottom, const QColor& wood) {
    QPainter& p = scene.painter;
    const qreal u = scene.unit;
    const qreal railHeight = 9 * u;
    const qreal span = bottom - top;
    for (const qreal rail : {top + span * 0.22, top + span * 0.6}) {
        fillOutlined(
            p,
            [&] {
                QPainterPath path;
                path.addRoundedRect(QRectF(from, rail, to - from, railHeight), 3 * u, 3 * u);
                return path;
            }(),
            wood, tint(wood, -0.3), 1.5 * u);
    }
    for (qreal x = from + 10 * u; x < to; x += 70 * u) {
        QPainterPath post = polygon({QPointF(x, top + 8 * u), QPointF(x + 7 * u, top),
                                     QPointF(x + 14 * u, top + 8 * u), QPointF(x + 14 * u, bottom),
                                     QPointF(x, bottom)});
        fillOutlined(p, post, tint(wood, 0.1), tint(wood, -0.3), 1.5 * u);
    }
}

void paintSunGlow(Scene& scene, QPointF centre, qreal radius, const QColor& core) {
    drawGlow(scene.painter, centre, radius * 2.4 * scene.unit, withAlpha(core, 110));
    scene.painter.setPen(Qt::NoPen);
    scene.painter.setBrush(core);
    scene.painter.drawEllipse(centre, radius * scene.unit, radius * scene.unit);
}

} // namespace

void paintCowboy(Scene& scene) {
    QPainter& p = scene.painter;
    const qreal u = scene.unit;
    paintSky(scene, QColor(120, 200, 242), QColor(255, 228, 176), 0.72);
    paintSunGlow(scene, QPointF(scene.width * 0.62, scene.height * 0.70), 46,
                 QColor(255, 244, 190));
    paintCloud(scene, scene.at(250, 70), 120, 0.8);

    // A low range far away along the whole horizon, then tall rocks at the sides.
    fillVertical(p, hills(scene, 0.72, 8, 260, 0.8), QColor(242, 178, 150), QColor(236, 160, 130));
    const auto rock = [&](qreal left, qreal right, qreal tall, qreal ground, const QColor& colour) {
        const QPainterPath shape = mesa(scene, left, right, tall, ground);
        fillVertical(p, shape, tint(colour, 0.1), tint(colour, -0.08));
        // Strata: darker bands across the rock.
        p.save();
        p.setClipPath(shape);
        const qreal base = ground * scene.height;
        for (qreal band = base - tall * u * 0.72; band < base; band += tall * u * 0.26) {
            p.fillRect(QRectF(0, band, scene.width, 5 * u), tint(colour, -0.12));
        }
        p.restore();
    };
    const qreal right = scene.width / u; // the right edge, in units
    rock(110, 240, 110, 0.76, QColor(226, 130, 90));
    rock(-30, 150, 200, 0.76, QColor(214, 112, 74));
    rock(right - 270, right - 140, 120, 0.76, QColor(226, 130, 90));
    rock(right - 170, right + 30, 180, 0.76, QColor(210, 106, 70));

    fillVertical(p, hills(scene, 0.77, 6, 500, 0.3), QColor(248, 212, 142), QColor(236, 170, 92));
    fillVertical(p, hills(scene, 0.90, 10, 360, 1.7), QColor(242, 192, 116), QColor(230, 158, 80));

    paintMotif(scene, scene.at(80, 80), 104, QStringLiteral("🤠"));
    paintMotif(scene, scene.at(-110, 90), 84, QStringLiteral("🦅"), -6, true);
    paintMotif(scene, scene.at(70, -105), 150, QStringLiteral("🌵"));
    paintMotif(scene, scene.at(170, -55), 70, QStringLiteral("🌵"), 0, true);
    paintMotif(scene, scene.at(-95, -95), 130, QStringLiteral("🌵"), 0, true);
    paintMotif(scene, scene.at(-250, -40), 56, QStringLiteral("🐍"));
}

void paintVoiture(Scene& scene) {
    QPainter& p = scene.painter;
    const qreal u = scene.unit;
    paintSky(scene, QColor(92, 190, 246), QColor(214, 240, 255), 0.75);
    paintCloud(scene, scene.at(120, 70), 150);
    paintCloud(scene, scene.at(-140, 60), 130);
    paintCloud(scene, scene.at(370, 120), 80, 0.7);

    // A row of houses on each side of the horizon.
    const QColor walls[] = {QColor(255, 154, 162), QColor(255, 218, 193), QColor(181, 234, 215),
                            QColor(199, 206, 234), QColor(255, 241, 168)};
    const qreal street = scene.height * 0.76;
    const auto houses = [&](qreal start, int count, int direction) {
        qreal x = start;
        for (int i = 0; i < count; ++i) {
            const qreal w = (54 + 14 * ((i * 7) % 3)) * u;
            const qreal h = (58 + 18 * ((i * 5) % 4)) * u;
            const qreal left = direction > 0 ? x : x - w;
            const QColor wall = walls[i % 5];
            fillOutlined(
                p,
                [&] {
                    QPainterPath path;
                    path.addRect(QRectF(left, street - h, w, h));
                    return path;
                }(),
                wall, tint(wall, -0.25), 1.5 * u);
            fillOutlined(p,
                         polygon({QPointF(left - 5 * u, street - h),
                                  QPointF(left + w / 2, street - h - 24 * u),
                                  QPointF(left + w + 5 * u, street - h)}),
                         QColor(200, 90, 80), QColor(150, 60, 60), 1.5 * u);
            for (qreal wy = street - h + 12 * u; wy < street - 28 * u; wy += 26 * u) {
                for (qreal wx = left + 9 * u; wx + 14 * u < left + w - 6 * u; wx += 22 * u) {
                    p.fillRect(QRectF(wx, wy, 14 * u, 14 * u), QColor(120, 190, 240));
                }
            }
            x += direction * (w + 4 * u);
        }
    };
    houses(0, 3, 1);
    houses(scene.width, 3, -1);

    fillVertical(p, hills(scene, 0.77, 5, 300, 0.0), QColor(150, 214, 100), QColor(120, 196, 80));
    // The road, with a lane each way.
    const qreal road = scene.height - 120 * u;
    p.fillRect(QRectF(0, road, scene.width, 120 * u), QColor(104, 110, 124));
    p.fillRect(QRectF(0, road, scene.width, 5 * u), QColor(240, 240, 240));
    for (qreal x = 10 * u; x < scene.width; x += 70 * u) {
        p.fillRect(QRectF(x, road + 57 * u, 38 * u, 6 * u), QColor(255, 214, 80));
    }
    const qreal upper = road + 32 * u;
    const qreal lower = road + 90 * u;
    paintMotif(scene, QPointF(110 * u, upper), 74, QStringLiteral("🚗"), 0, true);
    paintMotif(scene, QPointF(scene.width * 0.56, upper - 2 * u), 74, QStringLiteral("🚌"), 0, true);
    paintMotif(scene, QPointF(scene.width - 130 * u, lower), 74, QStringLiteral("🚕"));
    paintMotif(scene, QPointF(scene.width * 0.34, lower), 74, QStringLiteral("🚙"));
    paintMotif(scene, scene.at(-60, -165), 80, QStringLiteral("🚦"));
}

void paintCheval(Scene& scene) {
    QPainter& p = scene.painter;
    const qreal u = scene.unit;
    paintSky(scene, QColor(160, 222, 255), QColor(236, 250, 240), 0.66);
    paintSunGlow(scene, scene.at(-110, 90), 40, QColor(255, 246, 200));
    paintCloud(scene, scene.at(170, 80), 130);
    paintCloud(scene, scene.at(-330, 130), 90, 0.8);

    fillVertical(p, hills(scene, 0.66, 24, 520, 0.9), QColor(170, 220, 130), QColor(150, 206, 110));
    paintMotif(scene, scene.at(90, 360), 120, QStringLiteral("🌳"));
    paintMotif(scene, scene.at(-80, 370), 100, QStringLiteral("🌳"));
    paintMotif(scene, scene.at(190, 385), 70, QStringLiteral("🌳"));
    fillVertical(p, hills(scene, 0.77, 14, 400, 2.4), QColor(120, 196, 82), QColor(92, 170, 60));
    // The horses graze in the meadow behind the fence.
    paintMotif(scene, scene.at(150, -132), 130, QStringLiteral("🐎"));
    paintMotif(scene, scene.at(-150, -128), 115, QStringLiteral("🐎"), 0, true);
    paintFence(scene, 0, scene.width, scene.height * 0.84, scene.height - 10 * u,
               QColor(196, 140, 90));
    const QPointF flowers[] = {{30, -25}, {300, -20}, {-300, -25}, {-40, -30}, {250, -60}};
    for (const QPointF& at : flowers) {
        paintMotif(scene, scene.at(at.x(), at.y()), 36, QStringLiteral("🌼"));
    }
    paintMotif(scene, scene.at(300, 90), 54, QStringLiteral("🦋"), -12);
}

void paintTrain(Scene& scene) {
    QPainter& p = scene.painter;
    const qreal u = scene.unit;
    paintSky(scene, QColor(178, 190, 255), QColor(240, 240, 255), 0.68);
    paintCloud(scene, scene.at(260, 60), 120, 0.85);
    paintCloud(scene, scene.at(-240, 100), 100, 0.8);

    // Snowy mountains at both sides.
    const auto mountain = [&](qreal peakX, qreal half, qreal tall, const QColor& rock) {
        const qreal base = scene.height * 0.74;
        const QPointF peak = scene.at(peakX, 0) + QPointF(0, base - tall * u);
        const QPointF left = QPointF(peak.x() - half * u, base);
        const QPointF right = QPointF(peak.x() + half * u, base);
        fillVertical(p, polygon({left, peak, right}), rock, tint(rock, -0.15));
        const qreal t = 0.3;
        const QPointF snowLeft = peak + (left - peak) * t;
        const QPointF snowRight = peak + (right - peak) * t;
        p.fillPath(polygon({peak, snowRight, (snowRight + peak) / 2 + QPointF(0, 14 * u),
                            (snowRight + snowLeft) / 2 + QPointF(0, 4 * u),
                            (snowLeft + peak) / 2 + QPointF(0, 12 * u), snowLeft}),
                   QColor(250, 252, 255));
    };
    mountain(120, 200, 230, QColor(150, 156, 214));
    mountain(-120, 210, 250, QColor(150, 156, 214));
    mountain(10, 150, 170, QColor(120, 126, 196));
    mountain(-10, 160, 180, QColor(120, 126, 196));

    fillVertical(p, hills(scene, 0.76, 10, 420, 1.2), QColor(140, 210, 120), QColor(110, 186, 90));

    // The track: ballast, sleepers and the rail.
    const qreal rail = scene.height - 70 * u;
    p.fillRect(QRectF(0, rail, scene.width, 22 * u), QColor(170, 150, 130));
    for (qreal x = 4 * u; x < scene.width; x += 26 * u) {
        p.fillRect(QRectF(x, rail + 2 * u, 14 * u, 16 * u), QColor(120, 84, 60));
    }
    p.fillRect(QRectF(0, rail - 2 * u, scene.width, 6 * u), QColor(90, 94, 110));
    fillVertical(p, hills(scene, 0.95, 6, 300, 0.2), QColor(110, 186, 90), QColor(96, 170, 76));

    // The train runs along the bottom, the engine leading to the left.
    const qreal trainY = rail - 36 * u;
    const qreal engineX = scene.width * 0.42;
    paintMotif(scene, QPointF(engineX, trainY), 96, QStringLiteral("🚂"));
    for (int car = 1; car <= 3; ++car) {
        paintMotif(scene, QPointF(engineX + car * 92 * u, trainY + 6 * u), 94, QStringLiteral("🚃"));
    }
    for (int puff = 0; puff < 3; ++puff) {
        const QPointF at(engineX - 16 * u + puff * 30 * u, trainY - (62 + 22 * puff) * u);
        const qreal r = (13 + 6 * puff) * u;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 200 - 50 * puff));
        p.drawEllipse(at, r, r * 0.8);
    }
    paintMotif(scene, scene.at(90, -110), 80, QStringLiteral("🌲"));
    paintMotif(scene, scene.at(-70, -118), 70, QStringLiteral("🌲"));
}

void paintCoq(Scene& scene) {
    QPainter& p = scene.painter;
    const qreal u = scene.unit;
    paintSky(scene, QColor(255, 182, 204), QColor(255, 240, 196), 0.72);
    paintSunGlow(scene, QPointF(scene.width * 0.3, scene.height * 0.74), 70, QColor(255, 214, 120));
    paintCloud(scene, scene.at(-220, 70), 110, 0.75);
    paintCloud(scene, scene.at(130, 110), 90, 0.7);

    fillVertical(p, hills(scene, 0.74, 16, 520, 0.4), QColor(255, 210, 120), QColor(250, 190, 96));

    // The barn on the right.
    const qreal ground = scene.height * 0.82;
    const QPointF barnFoot = scene.at(-210, 0) + QPointF(0, ground);
    const qreal bw = 160 * u;
    const qreal bh = 110 * u;
    QPainterPath barn =
        polygon({barnFoot, barnFoot + QPointF(0, -bh), barnFoot + QPointF(bw * 0.5, -bh - 60 * u),
                 barnFoot + QPointF(bw, -bh), barnFoot + QPointF(bw, 0)});
    fillOutlined(p, barn, QColor(214, 64, 58), QColor(150, 40, 40), 2 * u);
    QPainterPath roof(barnFoot + QPointF(-8 * u, -bh + 6 * u));
    roof.lineTo(barnFoot + QPointF(bw * 0.5, -bh - 60 * u));
    roof.lineTo(barnFoot + QPointF(bw + 8 * u, -bh + 6 * u));
    p.setPen(QPen(QColor(110, 60, 50), 9 * u, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(roof);
    p.setPen(QPen(QColor(250, 244, 230), 3 * u, Qt::SolidLine, Qt::RoundCap));
    for (qreal y = -bh + 14 * u; y < -70 * u; y += 14 * u) {
        p.drawLine(barnFoot + QPointF(6 * u, y), barnFoot + QPointF(bw - 6 * u, y));
    }
    const QRectF door(barnFoot.x() + bw * 0.3, ground - 66 * u, bw * 0.4, 66 * u);
    fillOutlined(
        p,
        [&] {
            QPainterPath path;
            path.addRect(door);
            return path;
        }(),
        QColor(250, 244, 230), QColor(150, 40, 40), 2 * u);
    p.setPen(QPen(QColor(214, 64, 58), 5 * u));
    p.drawLine(door.topLeft(), door.bottomRight());
    p.drawLine(door.topRight(), door.bottomLeft());
    fillOutlined(
        p,
        [&] {
            QPainterPath path;
            path.addRect(QRectF(barnFoot.x() + bw * 0.4, ground - bh - 20 * u, bw * 0.2, 26 * u));
            return path;
        }(),
        QColor(250, 244, 230), QColor(150, 40, 40), 2 * u);

    fillVertical(p, hills(scene, 0.84, 10, 380, 2.2), QColor(176, 214, 96), QColor(140, 190, 70));
    paintFence(scene, 0, 300 * u, scene.height * 0.80, scene.height - 16 * u,
               QColor(200, 150, 100));
    paintMotif(scene, scene.at(110, -150), 130, QStringLiteral("🐓"));
    paintMotif(scene, scene.at(250, -40), 54, QStringLiteral("🐥"));
    paintMotif(scene, scene.at(-120, -40), 54, QStringLiteral("🐣"));
    paintMotif(scene, scene.at(-250, -50), 70, QStringLiteral("🌽"), -10);
    paintMotif(scene, scene.at(-40, -60), 66, QStringLiteral("🌾"), 8);
}

} // namespace pulsadrome::art
