// SPDX-License-Identifier: GPL-3.0-or-later
// Shared scenery for the theme backgrounds.
#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>

#include <random>

class QPainter;

namespace pulsadrome::art {

// A background being painted. Motif sizes follow the height (`unit` = height / 600), so the
// wide picture shows the same scene with more room at the sides.
struct Scene {
    QPainter& painter;
    qreal width;
    qreal height;
    qreal unit;
    std::mt19937 random; // fixed seed per theme: every run paints the same picture

    // A point `x` units from the left edge (negative: from the right edge, -0.0 being the right
    // edge itself) and `y` units from the top (negative: from the bottom).
    QPointF at(qreal x, qreal y) const;
    // A uniform number in [low, high).
    qreal uniform(qreal low, qreal high);
};

// A vertical gradient over the whole picture from `top` to `bottom`, with `bottom` reached at
// `fraction` of the height.
void paintSky(Scene& scene, const QColor& top, const QColor& bottom, qreal fraction = 1.0);

// A band of rolling hills whose crest waves around `crest` (fraction of the height) with
// `amplitude` units; filled down to the bottom edge.
QPainterPath hills(const Scene& scene, qreal crest, qreal amplitude, qreal wavelength, qreal phase);

// A fluffy white cloud `size` units wide centred on `centre`.
void paintCloud(Scene& scene, QPointF centre, qreal size, qreal opacity = 0.95);

// A quaver-like music note `size` units tall in `colour`, turned by `degrees`.
void paintNote(Scene& scene, QPointF foot, qreal size, const QColor& colour, qreal degrees,
               bool pair);

// An emoji `size` units wide at `centre`.
void paintMotif(Scene& scene, QPointF centre, qreal size, const QString& emoji, qreal degrees = 0,
                bool mirrored = false);

// Veils the middle of the picture with `colour` (its alpha is the strongest veil), fading out
// towards the edges, so what the screens put there stays readable.
void calmMiddle(Scene& scene, const QColor& colour);

void paintEspace(Scene& scene);
void paintJaune(Scene& scene);
void paintOrdinateur(Scene& scene);
void paintCowboy(Scene& scene);
void paintVoiture(Scene& scene);
void paintCheval(Scene& scene);
void paintTrain(Scene& scene);
void paintCoq(Scene& scene);

} // namespace pulsadrome::art
