// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ExportPicture.h"

#include "catalogue/Series.h"
#include "common/AtomicFile.h"
#include "resources/ResPicture.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

namespace pulsadrome::app {

QString exportWriteProblem(const i18n::CaptionTable& captions, const WriteOutcome& outcome,
                           const QString& file) {
    return captions.text(u"export_impossible").arg(i18n::writeProblemText(captions, outcome)) +
           QLatin1Char('\n') + i18n::writeProblemDetail(captions, outcome, file);
}

QString exportPicture(int rhythm, QSize size, const QString& outFile,
                      const i18n::CaptionTable& captions) {
    resources::Picture picture;
    try {
        resources::ResPicture loader;
        picture = loader.LoadResPicture(QStringLiteral("images"), catalogue::pictureOf(rhythm));
    } catch (const resources::ResourceError& e) {
        return captions.text(u"export_image_illisible").arg(rhythm) + QLatin1Char('\n') +
               i18n::problemDetail(captions, QString(), e.description());
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
        return captions.text(u"export_image_png").arg(rhythm);
    }
    if (const WriteOutcome outcome = writeFileAtomically(outFile, png); !outcome) {
        return exportWriteProblem(captions, outcome, outFile);
    }
    return {};
}

} // namespace pulsadrome::app
