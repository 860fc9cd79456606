// SPDX-License-Identifier: GPL-3.0-or-later
// The themes without a landscape: space, yellow and computer.
#include "BackgroundScenes.h"
#include "Paint.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>

namespace pulsadrome::art {

namespace {

// How far `point` lies from the middle of the scene: 0 in the middle, about 1 at the edges.
qreal edgeness(const Scene& scene, QPointF point) {
    const qreal dx = (point.x() - scene.width / 2) / (scene.width / 2);
    const qreal dy = (point.y() - scene.height / 2) / (scene.height / 2);
    return std::min(1.0, std::sqrt(dx * dx + dy * dy));
}

void paintSparkle(Scene& scene, QPointF centre, qreal size, const QColor& colour) {
    const qreal r = size * scene.unit;
    const qreal w = r * 0.22;
    QPainterPath star =
        polygon({centre + QPointF(0, -r), centre + QPointF(w, -w), centre + QPointF(r, 0),
                 centre + QPointF(w, w), centre + QPointF(0, r), centre + QPointF(-w, w),
                 centre + QPointF(-r, 0), centre + QPointF(-w, -w)});
    drawGlow(scene.painter, centre, r * 1.3, withAlpha(colour, 90));
    scene.painter.fillPath(star, colour);
}

void paintRingedPlanet(Scene& scene, QPointF centre, qreal radius) {
    QPainter& p = scene.painter;
    const qreal r = radius * scene.unit;
    p.save();
    p.translate(centre);
    p.rotate(-18);
    const QRectF ring(-r * 1.85, -r * 0.42, r * 3.7, r * 0.84);
    const QPen ringPen(QColor(255, 214, 150), r * 0.13, Qt::SolidLine, Qt::FlatCap);
    p.setPen(ringPen);
    p.setBrush(Qt::NoBrush);
    p.drawArc(ring, 0, 180 * 16); // the far half of the ring, behind the planet
    QPainterPath ball;
    ball.addEllipse(QPointF(0, 0), r, r);
    p.save();
    p.setClipPath(ball);
    const QColor bands[] = {QColor(255, 150, 120), QColor(255, 184, 140), QColor(240, 120, 130),
                            QColor(255, 196, 160), QColor(230, 110, 120)};
    for (int i = 0; i < 7; ++i) {
        p.fillRect(QRectF(-r, -r + i * r * 2 / 7, 2 * r, r * 2 / 7 + 1), bands[i % 5]);
    }
    QRadialGradient shade(QPointF(-r * 0.4, -r * 0.4), r * 1.6);
    shade.setColorAt(0, QColor(255, 255, 255, 70));
    shade.setColorAt(0.6, QColor(0, 0, 0, 0));
    shade.setColorAt(1, QColor(30, 10, 60, 150));
    p.fillRect(QRectF(-r, -r, 2 * r, 2 * r), shade);
    p.restore();
    p.setPen(ringPen);
    p.drawArc(ring, 180 * 16, 180 * 16); // the near half, in front
    p.restore();
}

} // namespace

void paintEspace(Scene& scene) {
    QPainter& p = scene.painter;
    const QPointF middle(scene.width / 2, scene.height / 2);
    QRadialGradient night(middle, std::max(scene.width, scene.height) * 0.72);
    night.setColorAt(0, QColor(84, 86, 178));
    night.setColorAt(0.55, QColor(48, 46, 128));
    night.setColorAt(1, QColor(20, 20, 64));
    p.fillRect(QRectF(0, 0, scene.width, scene.height), night);
    drawGlow(p, scene.at(-140, 110), 300 * scene.unit, QColor(255, 110, 190, 80));
    drawGlow(p, scene.at(120, -120), 280 * scene.unit, QColor(70, 210, 255, 70));

    // Stars: many at the edges, few and faint in the middle.
    const int count = static_cast<int>(420 * scene.width * scene.height / (800.0 * 600.0));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF star(scene.uniform(0, scene.width), scene.uniform(0, scene.height));
        const qreal edge = edgeness(scene, star);
        const qreal radius = scene.uniform(0.5, 1.9) * scene.unit * (0.6 + 0.6 * edge);
        const int alpha = static_cast<int>(40 + 200 * edge * edge);
        p.setBrush(QColor(255, 250, 230, alpha));
        p.drawEllipse(star, radius, radius);
    }
    const QPointF sparkles[] = {{40, 40},    {260, 30},  {-300, 50},  {-40, 240}, {30, 330},
                                {-260, -40}, {300, -30}, {-40, -230}, {180, 200}};
    for (const QPointF& at : sparkles) {
        paintSparkle(scene, scene.at(at.x(), at.y()), scene.uniform(9, 15), QColor(255, 246, 200));
    }

    paintRingedPlanet(scene, scene.at(-95, -70), 95);
    paintMotif(scene, scene.at(95, 100), 110, QStringLiteral("🚀"), 8);
    paintMotif(scene, scene.at(-105, 95), 90, QStringLiteral("🌙"), -10);
    paintMotif(scene, scene.at(80, -85), 110, QStringLiteral("🌍"));
    paintMotif(scene, scene.at(-80, 300), 76, QStringLiteral("🛸"), -12);
    paintMotif(scene, scene.at(-210, 85), 56, QStringLiteral("🛰️"), 20);
    paintMotif(scene, scene.at(215, -45), 42, QStringLiteral("⭐"), -15);
}

void paintJaune(Scene& scene) {
    QPainter& p = scene.painter;
    paintSky(scene, QColor(255, 249, 205), QColor(255, 226, 120));

    // Sun rays from the top-left corner, fading out before the middle.
    const QPointF corner = scene.at(70, 70);
    const qreal reach = std::hypot(scene.width, scene.height);
    QRadialGradient rayFade(corner, reach * 0.65);
    rayFade.setColorAt(0, QColor(255, 255, 255, 120));
    rayFade.setColorAt(1, QColor(255, 255, 255, 0));
    for (int ray = 0; ray < 36; ray += 2) {
        const qreal a0 = ray * M_PI / 18;
        const qreal a1 = (ray + 1) * M_PI / 18;
        QPainterPath wedge = polygon({corner, corner + reach * QPointF(std::cos(a0), std::sin(a0)),
                                      corner + reach * QPointF(std::cos(a1), std::sin(a1))});
        p.fillPath(wedge, rayFade);
    }
    drawGlow(p, corner, 170 * scene.unit, QColor(255, 255, 230, 220));
    paintMotif(scene, corner, 130, QStringLiteral("☀️"));

    // Soft bubbles along the edges.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 26; ++i) {
        const bool top = i % 2 == 0;
        const QPointF at(scene.uniform(0.2, 1.0) * scene.width,
                         top ? scene.uniform(0, 70) * scene.unit
                             : scene.height - scene.uniform(110, 170) * scene.unit);
        const qreal r = scene.uniform(6, 20) * scene.unit;
        p.setBrush(QColor(255, 255, 255, static_cast<int>(scene.uniform(70, 140))));
        p.drawEllipse(at, r, r);
    }

    const QColor noteColours[] = {QColor(255, 140, 40), QColor(240, 100, 70), QColor(255, 170, 30)};
    const QPointF notes[] = {{-90, 70}, {-200, 130}, {-60, 220}, {260, 60}, {-330, 40}};
    for (int i = 0; i < 5; ++i) {
        const QPointF at = scene.at(notes[i].x(), notes[i].y());
        paintNote(scene, at, 50 + 8 * (i % 3), withAlpha(noteColours[i % 3], 200),
                  scene.uniform(-15, 15), i % 2 == 1);
    }

    fillVertical(p, hills(scene, 0.86, 16, 420, 0.6), QColor(255, 205, 70), QColor(255, 190, 50));
    fillVertical(p, hills(scene, 0.93, 12, 300, 2.0), QColor(255, 180, 40), QColor(250, 160, 30));
    paintMotif(scene, scene.at(60, -85), 120, QStringLiteral("🌻"));
    paintMotif(scene, scene.at(145, -60), 86, QStringLiteral("🌻"), -8);
    paintMotif(scene, scene.at(-70, -80), 112, QStringLiteral("🌻"), 6);
    paintMotif(scene, scene.at(-160, -48), 70, QStringLiteral("🐤"), 0, true);
    paintMotif(scene, scene.at(-240, -70), 80, QStringLiteral("🌻"), -4);
}

void paintOrdinateur(Scene& scene) {
    QPainter& p = scene.painter;
    paintSky(scene, QColor(214, 242, 255), QColor(196, 228, 250));

    // A fine blueprint grid.
    const qreal cell = 40 * scene.unit;
    p.setPen(QPen(QColor(120, 190, 230, 90), std::max(1.0, scene.unit)));
    for (qreal x = std::fmod(scene.width / 2, cell); x < scene.width; x += cell) {
        p.drawLine(QPointF(x, 0), QPointF(x, scene.height));
    }
    for (qreal y = std::fmod(scene.height / 2, cell); y < scene.height; y += cell) {
        p.drawLine(QPointF(0, y), QPointF(scene.width, y));
    }
    calmMiddle(scene, QColor(235, 249, 255, 150));

    // Circuit traces running in from the edges, ending in round pads.
    const QColor trace(30, 170, 190);
    const auto circuit = [&](std::initializer_list<QPointF> units) {
        QPainterPath path;
        bool first = true;
        QPointF last;
        for (const QPointF& u : units) {
            last = scene.at(u.x(), u.y());
            first ? path.moveTo(last) : path.lineTo(last);
            first = false;
        }
        p.setPen(QPen(trace, 4 * scene.unit, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        p.setPen(QPen(trace, 3 * scene.unit));
        p.setBrush(Qt::white);
        p.drawEllipse(last, 7 * scene.unit, 7 * scene.unit);
    };
    circuit({{0, 170}, {60, 170}, {90, 200}, {90, 260}});
    circuit({{0, 300}, {40, 300}, {60, 320}, {60, 380}});
    circuit({{200, 0}, {200, 40}, {230, 70}, {300, 70}});
    circuit({{-0.0, 200}, {-60, 200}, {-90, 230}, {-90, 300}});
    circuit({{-300, 0}, {-300, 35}, {-330, 65}, {-380, 65}});
    circuit({{-0.0, -200}, {-70, -200}, {-100, -170}});
    circuit({{300, -0.0}, {300, -40}, {340, -70}, {390, -70}});
    circuit({{-330, -0.0}, {-330, -30}, {-360, -55}});

    // Pixel blocks in the corners, like an old game screen.
    const QColor pixels[] = {QColor(255, 107, 154), QColor(255, 210, 63), QColor(92, 225, 230),
                             QColor(140, 123, 255)};
    const auto blocks = [&](QPointF origin, int dx, int dy) {
        const qreal s = 20 * scene.unit;
        for (int row = 0; row < 4; ++row) {
            for (int col = 0; col < 4 - row; ++col) {
                const QPointF cornerAt = origin + QPointF(dx * col * s, dy * row * s);
                const QRectF box(cornerAt.x() - (dx < 0 ? s : 0), cornerAt.y() - (dy < 0 ? s : 0),
                                 s - 2 * scene.unit, s - 2 * scene.unit);
                p.fillRect(box, withAlpha(pixels[(row + col) % 4], 200));
            }
        }
    };
    blocks(QPointF(0, 0), 1, 1);
    blocks(QPointF(scene.width, 0), -1, 1);
    blocks(QPointF(0, scene.height), 1, -1);
    blocks(QPointF(scene.width, scene.height), -1, -1);

    paintMotif(scene, scene.at(130, 95), 78, QStringLiteral("💾"), -8);
    paintMotif(scene, scene.at(-140, 100), 84, QStringLiteral("👾"), 8);
    paintMotif(scene, scene.at(115, -95), 128, QStringLiteral("💻"));
    paintMotif(scene, scene.at(215, -58), 56, QStringLiteral("🖱️"), 10);
    paintMotif(scene, scene.at(-120, -100), 130, QStringLiteral("🤖"));
    paintMotif(scene, scene.at(-235, -55), 62, QStringLiteral("🕹️"));
}

} // namespace pulsadrome::art
