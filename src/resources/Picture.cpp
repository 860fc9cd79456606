// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/Picture.h"

#include <QPainter>
#include <QSvgRenderer>

namespace pulsadrome::resources {

namespace {

bool looksLikeSvg(const QByteArray& bytes) {
    const QByteArray head = bytes.left(512).trimmed();
    return head.startsWith("<?xml") || head.startsWith("<svg") || head.startsWith("<!--");
}

} // namespace

Picture Picture::fromData(const QByteArray& bytes, QString* error) {
    Picture picture;
    if (looksLikeSvg(bytes)) {
        auto renderer = std::make_shared<QSvgRenderer>(bytes);
        if (!renderer->isValid()) {
            if (error) {
                *error = QStringLiteral("the SVG drawing cannot be read");
            }
            return {};
        }
        picture.svg_ = std::move(renderer);
        return picture;
    }
    if (!picture.image_.loadFromData(bytes)) {
        if (error) {
            *error = bytes.isEmpty() ? QStringLiteral("the picture is empty")
                                     : QStringLiteral("the bytes are not a picture");
        }
        return {};
    }
    return picture;
}

QSize Picture::naturalSize() const {
    if (svg_) {
        return svg_->viewBoxF().size().toSize();
    }
    return image_.size();
}

void Picture::paint(QPainter& painter, const QRectF& target) const {
    if (svg_) {
        svg_->render(&painter, target);
    } else if (!image_.isNull()) {
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, image_);
        painter.restore();
    }
}

QImage Picture::toImage(QSize size) const {
    QImage out(size, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    QPainter painter(&out);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return out;
}

} // namespace pulsadrome::resources
