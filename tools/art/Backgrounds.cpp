// SPDX-License-Identifier: GPL-3.0-or-later
#include "Backgrounds.h"

#include "BackgroundScenes.h"
#include "Paint.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>
#include <functional>
#include <map>

namespace pulsadrome::art {

QPointF Scene::at(qreal x, qreal y) const {
    return {std::signbit(x) ? width + x * unit : x * unit,
            std::signbit(y) ? height + y * unit : y * unit};
}

qreal Scene::uniform(qreal low, qreal high) {
    return std::uniform_real_distribution<qreal>(low, high)(random);
}

void paintSky(Scene& scene, const QColor& top, const QColor& bottom, qreal fraction) {
    QLinearGradient gradient(0, 0, 0, scene.height * fraction);
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    scene.painter.fillRect(QRectF(0, 0, scene.width, scene.height), gradient);
}

QPainterPath hills(const Scene& scene, qreal crest, qreal amplitude, qreal wavelength,
                   qreal phase) {
    QPainterPath path;
    const qreal base = crest * scene.height;
    const qreal step = 4;
    path.moveTo(0, scene.height);
    for (qreal x = 0; x <= scene.width + step; x += step) {
        const qreal angle = x / (wavelength * scene.unit) * 2 * M_PI + phase;
        const qreal wave = std::sin(angle) + 0.35 * std::sin(2.3 * angle + 1.1);
        path.lineTo(x, base - amplitude * scene.unit * wave / 1.35);
    }
    path.lineTo(scene.width + step, scene.height);
    path.closeSubpath();
    return path;
}

void paintCloud(Scene& scene, QPointF centre, qreal size, qreal opacity) {
    const qreal s = size * scene.unit / 100;
    QPainterPath cloud;
    cloud.setFillRule(Qt::WindingFill);
    cloud.addEllipse(centre + QPointF(-30 * s, 4 * s), 24 * s, 18 * s);
    cloud.addEllipse(centre + QPointF(-6 * s, -10 * s), 28 * s, 26 * s);
    cloud.addEllipse(centre + QPointF(22 * s, -2 * s), 24 * s, 21 * s);
    cloud.addEllipse(centre + QPointF(40 * s, 8 * s), 16 * s, 13 * s);
    cloud.addRoundedRect(QRectF(centre.x() - 44 * s, centre.y(), 96 * s, 20 * s), 10 * s, 10 * s);
    cloud = cloud.simplified();
    QPainter& p = scene.painter;
    p.save();
    p.setOpacity(opacity);
    p.fillPath(cloud.translated(3 * s, 5 * s), QColor(120, 150, 190, 50));
    fillVertical(p, cloud, QColor(255, 255, 255), QColor(228, 238, 250));
    p.restore();
}

void paintNote(Scene& scene, QPointF foot, qreal size, const QColor& colour, qreal degrees,
               bool pair) {
    QPainter& p = scene.painter;
    const qreal s = size * scene.unit / 100;
    p.save();
    p.translate(foot);
    p.rotate(degrees);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const auto head = [&](qreal x, qreal y) {
        p.save();
        p.translate(x, y);
        p.rotate(-22);
        p.drawEllipse(QPointF(0, 0), 17 * s, 12 * s);
        p.restore();
    };
    head(0, 0);
    p.drawRect(QRectF(11 * s, -80 * s, 7 * s, 80 * s));
    if (pair) {
        head(50 * s, -10 * s);
        p.drawRect(QRectF(61 * s, -90 * s, 7 * s, 80 * s));
        p.drawPath(polygon({QPointF(11 * s, -80 * s), QPointF(68 * s, -90 * s),
                            QPointF(68 * s, -74 * s), QPointF(11 * s, -64 * s)}));
    } else {
        QPainterPath flag;
        flag.moveTo(11 * s, -80 * s);
        flag.cubicTo(20 * s, -60 * s, 48 * s, -56 * s, 36 * s, -24 * s);
        flag.cubicTo(40 * s, -48 * s, 26 * s, -54 * s, 18 * s, -58 * s);
        flag.closeSubpath();
        p.drawPath(flag);
    }
    p.restore();
}

void paintMotif(Scene& scene, QPointF centre, qreal size, const QString& emoji, qreal degrees,
                bool mirrored) {
    drawEmoji(scene.painter, centre, size * scene.unit, emoji, degrees, mirrored);
}

void calmMiddle(Scene& scene, const QColor& colour) {
    const QPointF centre(scene.width / 2, scene.height / 2);
    QRadialGradient veil(centre, scene.width * 0.5);
    veil.setColorAt(0, colour);
    veil.setColorAt(0.55, withAlpha(colour, colour.alpha() * 3 / 4));
    veil.setColorAt(1, withAlpha(colour, 0));
    QPainter& p = scene.painter;
    p.save();
    // Stretch the round veil to the picture's proportions.
    p.translate(centre);
    p.scale(1, scene.height / scene.width * 1.15);
    p.translate(-centre);
    p.fillRect(QRectF(0, -scene.height, scene.width, scene.height * 3), veil);
    p.restore();
}

QStringList themeWords() {
    return {QStringLiteral("espace"),  QStringLiteral("jaune"),      QStringLiteral("cowboy"),
            QStringLiteral("voiture"), QStringLiteral("ordinateur"), QStringLiteral("cheval"),
            QStringLiteral("train"),   QStringLiteral("coq")};
}

QImage paintBackground(const QString& theme, QSize size) {
    static const std::map<QString, std::function<void(Scene&)>> painters = {
        {QStringLiteral("espace"), paintEspace},         {QStringLiteral("jaune"), paintJaune},
        {QStringLiteral("cowboy"), paintCowboy},         {QStringLiteral("voiture"), paintVoiture},
        {QStringLiteral("ordinateur"), paintOrdinateur}, {QStringLiteral("cheval"), paintCheval},
        {QStringLiteral("train"), paintTrain},           {QStringLiteral("coq"), paintCoq}};
    const auto found = painters.find(theme);
    if (found == painters.end()) {
        return {};
    }
    QImage image = blankImage(size, Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // Seeded from the word itself, so both sizes of a theme scatter their motifs alike.
    unsigned seed = 2166136261u;
    for (const char byte : theme.toUtf8()) {
        seed = (seed ^ static_cast<unsigned char>(byte)) * 16777619u;
    }
    Scene scene{painter, qreal(size.width()), qreal(size.height()), size.height() / 600.0,
                std::mt19937(seed)};
    found->second(scene);
    return image;
}

} // namespace pulsadrome::art
