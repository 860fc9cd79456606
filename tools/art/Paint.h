// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QString>

#include <initializer_list>

class QPainter;

namespace pulsadrome::art {

// The colour emoji font whose glyphs serve as motifs; the tool refuses to run without it, so a
// missing font never yields pictures full of empty boxes.
inline constexpr const char* kEmojiFamily = "Noto Color Emoji";

// An image of `size` pixels filled with `fill` (transparent by default), premultiplied for fast
// painting.
QImage blankImage(QSize size, QColor fill = Qt::transparent);

// Writes `image` to `path` (creating its folder) as PNG, or as JPEG when the path ends in .jpg,
// at `quality` (0 ... 100, -1 for the format's default). Prints the reason and returns false on
// failure.
bool saveImage(const QImage& image, const QString& path, int quality = -1);

// Paints an emoji centred on `centre`, about `size` pixels wide, turned by `degrees` and
// mirrored left-right when `mirrored`. `opacity` in [0, 1].
void drawEmoji(QPainter& painter, QPointF centre, qreal size, const QString& emoji,
               qreal degrees = 0, bool mirrored = false, qreal opacity = 1.0);

// A closed polygon through `points`.
QPainterPath polygon(std::initializer_list<QPointF> points);

// `colour` with its lightness moved towards white (amount > 0) or black (amount < 0);
// amount in [-1, 1].
QColor tint(const QColor& colour, qreal amount);

// `colour` with alpha `alpha` (0 ... 255).
QColor withAlpha(QColor colour, int alpha);

// Fills `path` with a vertical gradient from `top` to `bottom` over its bounding box.
void fillVertical(QPainter& painter, const QPainterPath& path, const QColor& top,
                  const QColor& bottom);

// Fills `path` with `fill` and outlines it with `outline` at `width` (no outline when width 0).
void fillOutlined(QPainter& painter, const QPainterPath& path, const QColor& fill,
                  const QColor& outline, qreal width);

// A soft round glow: `colour` at the centre fading to transparent at `radius`.
void drawGlow(QPainter& painter, QPointF centre, qreal radius, const QColor& colour);

} // namespace pulsadrome::art
