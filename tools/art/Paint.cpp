// SPDX-License-Identifier: GPL-3.0-or-later
#include "Paint.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cstdio>

namespace pulsadrome::art {

QImage blankImage(QSize size, QColor fill) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

bool saveImage(const QImage& image, const QString& path, int quality) {
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath())) {
        std::fprintf(stderr, "cannot create the folder %s\n", qPrintable(info.absolutePath()));
        return false;
    }
    const bool jpeg = info.suffix().compare(QLatin1String("jpg"), Qt::CaseInsensitive) == 0;
    QImageWriter writer(path, jpeg ? "jpeg" : "png");
    writer.setQuality(quality);
    if (jpeg) {
        writer.setOptimizedWrite(true);
        writer.setProgressiveScanWrite(true);
    }
    // JPEG has no alpha: flatten onto white so a stray transparent pixel never turns black.
    const QImage stored = jpeg ? image.convertToFormat(QImage::Format_RGB32) : image;
    if (!writer.write(stored)) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path),
                     qPrintable(writer.errorString()));
        return false;
    }
    return true;
}

void drawEmoji(QPainter& painter, QPointF centre, qreal size, const QString& emoji, qreal degrees,
               bool mirrored, qreal opacity) {
    // The font's glyphs are bitmaps 136 pixels wide; Qt scales them to the pixel size asked.
    QFont font(QString::fromLatin1(kEmojiFamily));
    font.setPixelSize(qMax(1, qRound(size)));
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setOpacity(painter.opacity() * opacity);
    painter.translate(centre);
    painter.rotate(degrees);
    if (mirrored) {
        painter.scale(-1, 1);
    }
    painter.setFont(font);
    painter.setPen(Qt::black); // text is not drawn at all with no pen
    const QRectF box(-size, -size, 2 * size, 2 * size);
    painter.drawText(box, Qt::AlignCenter, emoji);
    painter.restore();
}

QPainterPath polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    bool first = true;
    for (const QPointF& point : points) {
        if (first) {
            path.moveTo(point);
            first = false;
        } else {
            path.lineTo(point);
        }
    }
    path.closeSubpath();
    return path;
}

QColor tint(const QColor& colour, qreal amount) {
    const QColor target = amount >= 0 ? QColor(Qt::white) : QColor(Qt::black);
    const qreal t = qBound(0.0, qAbs(amount), 1.0);
    return QColor::fromRgbF(colour.redF() + (target.redF() - colour.redF()) * t,
                            colour.greenF() + (target.greenF() - colour.greenF()) * t,
                            colour.blueF() + (target.blueF() - colour.blueF()) * t,
                            colour.alphaF());
}

QColor withAlpha(QColor colour, int alpha) {
    colour.setAlpha(alpha);
    return colour;
}

void fillVertical(QPainter& painter, const QPainterPath& path, const QColor& top,
                  const QColor& bottom) {
    const QRectF box = path.boundingRect();
    QLinearGradient gradient(box.topLeft(), box.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillPath(path, gradient);
}

void fillOutlined(QPainter& painter, const QPainterPath& path, const QColor& fill,
                  const QColor& outline, qreal width) {
    painter.save();
    painter.setBrush(fill);
    if (width > 0) {
        painter.setPen(QPen(outline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    } else {
        painter.setPen(Qt::NoPen);
    }
    painter.drawPath(path);
    painter.restore();
}

void drawGlow(QPainter& painter, QPointF centre, qreal radius, const QColor& colour) {
    QRadialGradient gradient(centre, radius);
    gradient.setColorAt(0, colour);
    gradient.setColorAt(1, withAlpha(colour, 0));
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawEllipse(centre, radius, radius);
    painter.restore();
}

} // namespace pulsadrome::art
