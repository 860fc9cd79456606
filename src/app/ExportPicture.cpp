// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ExportPicture.h"

#include "catalogue/Series.h"
#include "common/AtomicFile.h"
#include "resources/ResPicture.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

namespace pulsadrome::app {

QString exportPicture(int rhythm, QSize size, const QString& outFile) {
    resources::Picture picture;
    try {
        resources::ResPicture loader;
        picture = loader.LoadResPicture(QStringLiteral("images"), catalogue::pictureOf(rhythm));
    } catch (const resources::ResourceError& e) {
        return QStringLiteral("The picture of rhythm %1 cannot be read: %2")
            .arg(rhythm)
            .arg(e.description());
    }
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        picture.paint(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) {
        return QStringLiteral("The picture of rhythm %1 cannot be made into a PNG.").arg(rhythm);
    }
    if (const WriteOutcome outcome = writeFileAtomically(outFile, png); !outcome) {
        return QStringLiteral("%1 cannot be written: %2").arg(outFile, outcome.systemText);
    }
    return {};
}

} // namespace pulsadrome::app
