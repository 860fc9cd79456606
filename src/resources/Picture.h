// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <memory>

class QPainter;
class QRectF;
class QSvgRenderer;

namespace pulsadrome::resources {

// A decoded picture: vector (SVG, drawn crisply at any size) or raster (JPEG, GIF, PNG, shown as
// stored and scaled smoothly).
class Picture {
public:
    Picture() = default;

    // Decodes picture bytes. A null picture when they are not a picture; `error` then says why.
    static Picture fromData(const QByteArray& bytes, QString* error = nullptr);

    bool isNull() const { return !svg_ && image_.isNull(); }
    bool isVector() const { return static_cast<bool>(svg_); }
    // The picture's own size: the SVG's view box or the image's pixels.
    QSize naturalSize() const;

    // Draws the whole picture into `target`; the picture is stretched to fill it.
    void paint(QPainter& painter, const QRectF& target) const;
    // The picture rendered at `size` pixels, on a transparent ground.
    QImage toImage(QSize size) const;

private:
    std::shared_ptr<QSvgRenderer> svg_;
    QImage image_;
};

} // namespace pulsadrome::resources
