// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProgressReport.h"

#include "app/ProgressPainting.h"
#include "app/Version.h"
#include "catalogue/Series.h"
#include "common/AtomicFile.h"
#include "play/level/LevelPictures.h"
#include "ui/Style.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>

namespace pulsadrome::app {

namespace {

// The page is laid out in units of a 800-unit wide A4 sheet (1131 high), margins included.
constexpr double kPageWidth = 800;
constexpr double kPageHeight = 1131;
constexpr double kMargin = 50;
constexpr double kRowHeight = 24;

const QColor kInk(0x23, 0x39, 0x5d);
const QColor kTitle(0xc0, 0x39, 0x2b);

QFont font(double pixels, bool bold = false) {
    QFont f(QString::fromLatin1(ui::kFontFamily));
    f.setPixelSize(static_cast<int>(pixels));
    f.setBold(bold);
    return f;
}

QString seriesHeading(const i18n::CaptionTable& captions, const answers::SeriesProgress& series) {
    return captions.text(QString::fromLatin1(catalogue::seriesInfo(series.series).headingKey)) +
           QStringLiteral("  ★ %1 / %2")
               .arg(series.passedCount)
               .arg(catalogue::seriesInfo(series.series).levelCount);
}

class ReportPainter {
public:
    ReportPainter(QPdfWriter& writer, const i18n::CaptionTable& captions, const PlayerRecord& child,
                  const answers::ChildProgress& progress, const QTimeZone& zone, qint64 nowUtc)
        : writer_(writer), captions_(captions), child_(child), progress_(progress), zone_(zone),
          now_(nowUtc), locale_(localeOf(captions)) {}

    bool paint() {
        if (!painter_.begin(&writer_)) {
            return false;
        }
        startPage();
        paintHeading();
        paintChart();
        paintPairs();
        paintLevels();
        return painter_.end();
    }

private:
    void startPage() {
        painter_.resetTransform();
        const double factor = writer_.width() / kPageWidth;
        painter_.scale(factor, factor);
        painter_.setRenderHint(QPainter::Antialiasing);
        y_ = kMargin;
    }
    void newPage() {
        writer_.newPage();
        startPage();
    }
    // Room for `height` more on this page, or a new page.
    void need(double height) {
        if (y_ + height > kPageHeight - kMargin) {
            newPage();
        }
    }
    void text(const QRectF& box, const QString& words, const QFont& f, const QColor& colour,
              int flags = Qt::AlignLeft | Qt::AlignVCenter) {
        painter_.setFont(f);
        painter_.setPen(colour);
        painter_.drawText(box, flags, words);
    }
    double width() const { return kPageWidth - 2 * kMargin; }

    void paintHeading() {
        text(QRectF(kMargin, y_, width(), 40),
             captions_.text(u"progres_rapport_titre").arg(child_.nom), font(26, true), kTitle);
        y_ += 42;
        text(QRectF(kMargin, y_, width(), 20),
             captions_.text(u"progres_rapport_date").arg(dayText(locale_, now_, zone_)) +
                 QStringLiteral("   ·   ") +
                 captions_.text(u"progres_temps").arg(playedText(progress_.summary.playedSeconds)),
             font(13), kInk);
        y_ += 30;
        for (const answers::SeriesProgress& series : progress_.series) {
            painter_.setPen(Qt::NoPen);
            painter_.setBrush(seriesColour(series.series));
            painter_.drawEllipse(QRectF(kMargin, y_ + 6, 10, 10));
            text(QRectF(kMargin + 18, y_, width() - 18, 22), seriesHeading(captions_, series),
                 font(13, true), kInk);
            y_ += 22;
        }
        y_ += 14;
    }

    void paintChart() {
        text(QRectF(kMargin, y_, width(), 24), captions_.text(u"progres_semaines"), font(16, true),
             kInk);
        y_ += 28;
        paintWeekChart(painter_, QRectF(kMargin, y_, width(), 220), progress_.weeks, locale_,
                       captions_.text(u"progres_aucune_reponse"));
        y_ += 236;
    }

    void paintPairs() {
        const auto& pairs = progress_.summary.confusedPairs;
        need(30 + 56);
        text(QRectF(kMargin, y_, width(), 24), captions_.text(u"progres_confusions"),
             font(16, true), kInk);
        y_ += 30;
        if (pairs.empty()) {
            text(QRectF(kMargin, y_, width(), 24), captions_.text(u"progres_aucune_confusion"),
                 font(13), kInk);
            y_ += 34;
            return;
        }
        const double pictureWidth = 240;
        const double pictureHeight = 52;
        for (const answers::ConfusedPair& pair : pairs) {
            need(pictureHeight + 8);
            const double left = kMargin;
            for (const int side : {0, 1}) {
                const int rhythm = side == 0 ? pair.first : pair.second;
                const QRectF card(left + side * (pictureWidth + 12), y_, pictureWidth,
                                  pictureHeight);
                painter_.setPen(QPen(QColor(0x23, 0x39, 0x5d, 90), 1));
                painter_.setBrush(Qt::white);
                painter_.drawRoundedRect(card, 6, 6);
                const resources::Picture picture =
                    play::loadPicture(QStringLiteral("images"), catalogue::pictureOf(rhythm));
                if (!picture.isNull()) {
                    picture.paint(painter_, card.adjusted(5, 4, -5, -4));
                }
            }
            text(QRectF(left + 2 * pictureWidth + 28, y_, width() - 2 * pictureWidth - 28,
                        pictureHeight),
                 captions_.text(u"progres_fois").arg(pair.total()), font(13, true),
                 QColor(0x8e, 0x44, 0xad), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap);
            y_ += pictureHeight + 8;
        }
        y_ += 14;
    }

    void paintLevels() {
        need(30 + 2 * kRowHeight);
        const double numberWidth = 70;
        const double shareWidth = 110;
        const auto row = [&](const QString& number, const QString& when, const QString& share,
                             const QFont& f, const QColor& shareColour) {
            text(QRectF(kMargin, y_, numberWidth, kRowHeight), number, f, kInk, Qt::AlignCenter);
            text(QRectF(kMargin + numberWidth + 10, y_, width() - numberWidth - shareWidth - 10,
                        kRowHeight),
                 when, f, kInk);
            text(QRectF(kMargin + width() - shareWidth, y_, shareWidth, kRowHeight), share, f,
                 shareColour, Qt::AlignRight | Qt::AlignVCenter);
            y_ += kRowHeight;
        };
        row(captions_.text(u"progres_niveau"), captions_.text(u"progres_reussi_le"),
            captions_.text(u"progres_justes"), font(13, true), kInk);
        for (const answers::SeriesProgress& series : progress_.series) {
            need(2 * kRowHeight);
            painter_.fillRect(QRectF(kMargin, y_, width(), kRowHeight),
                              seriesColour(series.series).lighter(165));
            text(QRectF(kMargin + 6, y_, width() - 6, kRowHeight), seriesHeading(captions_, series),
                 font(13, true), kInk);
            y_ += kRowHeight;
            for (const answers::LevelProgress& level : series.levels) {
                need(kRowHeight);
                painter_.setPen(Qt::NoPen);
                painter_.setBrush(level.passed ? seriesColour(series.series)
                                               : QColor(0xb0, 0xb7, 0xbf));
                painter_.drawRoundedRect(
                    QRectF(kMargin + 15, y_ + 2, numberWidth - 30, kRowHeight - 4), 5, 5);
                text(QRectF(kMargin, y_, numberWidth, kRowHeight),
                     QString::number(level.level->displayNumber), font(13, true), Qt::white,
                     Qt::AlignCenter);
                QString when = captions_.text(u"progres_pas_encore");
                if (level.passed) {
                    when = QStringLiteral("✓ ") + (level.passedUtc
                                                       ? dayText(locale_, *level.passedUtc, zone_)
                                                       : captions_.text(u"progres_reussi"));
                }
                text(QRectF(kMargin + numberWidth + 10, y_, width() - numberWidth - shareWidth - 10,
                            kRowHeight),
                     when, font(13), kInk);
                text(QRectF(kMargin + width() - shareWidth, y_, shareWidth, kRowHeight),
                     percentText(level.right, level.answers), font(13, true),
                     accuracyColour(level.right, level.answers), Qt::AlignRight | Qt::AlignVCenter);
                y_ += kRowHeight;
            }
        }
    }

    QPdfWriter& writer_;
    const i18n::CaptionTable& captions_;
    const PlayerRecord& child_;
    const answers::ChildProgress& progress_;
    const QTimeZone& zone_;
    qint64 now_;
    QLocale locale_;
    QPainter painter_;
    double y_ = 0;
};

} // namespace

QString reportFileName(const QString& childName, const QDate& day) {
    QString safe;
    for (const QChar c : childName) {
        const bool refused = c.isSpace() || c.category() == QChar::Other_Control ||
                             QStringLiteral("/\\:*?\"<>|.").contains(c);
        safe += refused ? QLatin1Char('_') : c;
    }
    if (safe.isEmpty()) {
        safe = QStringLiteral("_");
    }
    return QStringLiteral("progres-%1-%2.pdf").arg(safe, day.toString(Qt::ISODate));
}

QString writeProgressReport(const i18n::CaptionTable& captions, const PlayerRecord& child,
                            const answers::ChildProgress& progress, const QTimeZone& zone,
                            qint64 nowUtc, const QString& folder, QString* error, QString* detail) {
    const auto fail = [error, detail](const QString& why, const QString& more) {
        if (error) {
            *error = why;
        }
        if (detail) {
            *detail = more;
        }
        return QString();
    };
    const QString where = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    if (QFileInfo(where).exists() && !QFileInfo(where).isDir()) {
        return fail(captions.text(u"dossier_est_un_fichier"),
                    i18n::problemDetail(captions, QString(), QString(), where));
    }
    if (!QDir().mkpath(where)) {
        return fail(captions.text(u"dossier_non_cree"),
                    i18n::problemDetail(captions, QString(), QString(), where));
    }
    const QString path =
        where + QLatin1Char('/') +
        reportFileName(child.nom, QDateTime::fromSecsSinceEpoch(nowUtc, zone).date());
    // Made in memory, then written whole beside the old file, which it replaces.
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        if (!buffer.open(QIODevice::WriteOnly)) {
            return fail(captions.text(u"rapport_mise_en_page"),
                        i18n::problemDetail(captions, path));
        }
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(300);
        writer.setTitle(captions.text(u"progres_rapport_titre").arg(child.nom));
        writer.setCreator(QStringLiteral("Pulsadrome %1").arg(QLatin1String(kVersion)));
        ReportPainter painter(writer, captions, child, progress, zone, nowUtc);
        if (!painter.paint()) {
            return fail(captions.text(u"rapport_mise_en_page"),
                        i18n::problemDetail(captions, path));
        }
    }
    if (const WriteOutcome outcome = writeFileAtomically(path, pdf); !outcome) {
        return fail(i18n::writeProblemText(captions, outcome),
                    i18n::writeProblemDetail(captions, outcome, path));
    }
    return path;
}

} // namespace pulsadrome::app
