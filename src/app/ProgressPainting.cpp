// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProgressPainting.h"

#include "i18n/Language.h"
#include "ui/Style.h"

#include <QDateTime>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace pulsadrome::app {

namespace {

const QColor kInk(0x23, 0x39, 0x5d);

QFont chartFont(double pixels, bool bold) {
    QFont font(QString::fromLatin1(ui::kFontFamily));
    font.setPixelSize(std::max(1, static_cast<int>(pixels)));
    font.setBold(bold);
    return font;
}

} // namespace

QLocale localeOf(const i18n::CaptionTable& captions) {
    switch (i18n::languageFromCode(captions.currentCode()).value_or(i18n::Language::Francais)) {
    case i18n::Language::Francais:
        break;
    case i18n::Language::Anglais:
        return QLocale(QLocale::English, QLocale::UnitedKingdom);
    case i18n::Language::Espagnol:
        return QLocale(QLocale::Spanish, QLocale::Spain);
    case i18n::Language::Portugais:
        return QLocale(QLocale::Portuguese, QLocale::Portugal);
    case i18n::Language::Italien:
        return QLocale(QLocale::Italian, QLocale::Italy);
    case i18n::Language::Allemand:
        return QLocale(QLocale::German, QLocale::Germany);
    }
    return QLocale(QLocale::French, QLocale::France);
}

QString playedText(qint64 seconds) {
    const qint64 minutes = std::max<qint64>(seconds, 0) / 60;
    if (minutes < 60) {
        return QStringLiteral("%1 min").arg(minutes);
    }
    return QStringLiteral("%1 h %2 min")
        .arg(minutes / 60)
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString dayText(const QLocale& locale, qint64 utcSeconds, const QTimeZone& zone) {
    return locale.toString(QDateTime::fromSecsSinceEpoch(utcSeconds, zone).date(),
                           QStringLiteral("d MMM yyyy"));
}

QColor seriesColour(catalogue::Series series) {
    switch (series) {
    case catalogue::Series::Main:
        return QColor(0xf3, 0x9c, 0x12);
    case catalogue::Series::Compound:
        return QColor(0x2e, 0x86, 0xde);
    case catalogue::Series::MinimBeat:
        break;
    }
    return QColor(0x27, 0xae, 0x60);
}

QColor accuracyColour(int right, int answers) {
    if (answers <= 0) {
        return QColor(0xb0, 0xb7, 0xbf);
    }
    const int percent = right * 100 / answers;
    if (percent >= 80) {
        return QColor(0x27, 0xae, 0x60);
    }
    return percent >= 50 ? QColor(0xf3, 0x9c, 0x12) : QColor(0xe7, 0x4c, 0x3c);
}

QString percentText(int right, int answers) {
    if (answers <= 0) {
        return QStringLiteral("—");
    }
    return QStringLiteral("%1 %").arg((right * 100 + answers / 2) / answers);
}

void paintWeekChart(QPainter& painter, const QRectF& area,
                    const std::vector<answers::WeekAccuracy>& weeks, const QLocale& locale,
                    const QString& emptyText) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double unit = area.height() / 160.0; // the chart is laid out 160 units high
    if (weeks.empty()) {
        painter.setFont(chartFont(13 * unit, true));
        painter.setPen(kInk);
        painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, emptyText);
        painter.restore();
        return;
    }
    const QFont small = chartFont(10 * unit, false);
    const QFont bold = chartFont(10.5 * unit, true);
    const double axis = QFontMetricsF(small).horizontalAdvance(QStringLiteral("100 %")) + 6 * unit;
    const QRectF plot(area.left() + axis, area.top() + 16 * unit, area.width() - axis - 4 * unit,
                      area.height() - 16 * unit - 30 * unit);

    painter.setFont(small);
    for (const int percent : {0, 50, 100}) {
        const double y = plot.bottom() - plot.height() * percent / 100.0;
        painter.setPen(QPen(QColor(0x23, 0x39, 0x5d, percent == 0 ? 160 : 50), unit,
                            percent == 0 ? Qt::SolidLine : Qt::DashLine));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(kInk);
        painter.drawText(QRectF(area.left(), y - 8 * unit, axis - 4 * unit, 16 * unit),
                         Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1 %").arg(percent));
    }

    const std::size_t first = weeks.size() > static_cast<std::size_t>(kWeeksShown)
                                  ? weeks.size() - static_cast<std::size_t>(kWeeksShown)
                                  : 0;
    const int count = static_cast<int>(weeks.size() - first);
    const double step = plot.width() / std::max(count, 1);
    const double barWidth = std::min(step * 0.62, 40 * unit);
    for (int i = 0; i < count; ++i) {
        const answers::WeekAccuracy& week = weeks[first + static_cast<std::size_t>(i)];
        const double centre = plot.left() + step * (i + 0.5);
        if (week.answers > 0) {
            const double share = static_cast<double>(week.right) / week.answers;
            const double height = std::max(plot.height() * share, 2 * unit);
            const QRectF bar(centre - barWidth / 2, plot.bottom() - height, barWidth, height);
            QPainterPath path;
            path.addRoundedRect(bar, 4 * unit, 4 * unit);
            painter.fillPath(path, accuracyColour(week.right, week.answers));
            painter.setFont(bold);
            painter.setPen(kInk);
            painter.drawText(QRectF(centre - step / 2, bar.top() - 15 * unit, step, 14 * unit),
                             Qt::AlignHCenter | Qt::AlignBottom,
                             QString::number((week.right * 100 + week.answers / 2) / week.answers));
        } else {
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(0xb0, 0xb7, 0xbf));
            painter.drawEllipse(QPointF(centre, plot.bottom() - 4 * unit), 3 * unit, 3 * unit);
        }
        // The Monday of the week, its day over its month.
        painter.setFont(small);
        painter.setPen(kInk);
        painter.drawText(QRectF(centre - step / 2, plot.bottom() + 2 * unit, step, 13 * unit),
                         Qt::AlignHCenter | Qt::AlignTop, QString::number(week.monday.day()));
        painter.drawText(QRectF(centre - step / 2, plot.bottom() + 14 * unit, step, 13 * unit),
                         Qt::AlignHCenter | Qt::AlignTop,
                         locale.toString(week.monday, QStringLiteral("MMM")));
    }
    painter.restore();
}

} // namespace pulsadrome::app
