// SPDX-License-Identifier: GPL-3.0-or-later
// What the Progress screen and the child's report draw alike: the weekly chart, the texts of
// dates and durations in the interface language.
#pragma once

#include "answers/ChildProgress.h"
#include "catalogue/Series.h"
#include "i18n/CaptionTable.h"

#include <QColor>
#include <QLocale>
#include <QRectF>
#include <QString>

#include <vector>

class QPainter;

namespace pulsadrome::app {

// The weeks the chart shows: the last ones, up to this many.
inline constexpr int kWeeksShown = 12;

// The locale of the captions' language, for dates and month names.
QLocale localeOf(const i18n::CaptionTable& captions);

// "2 h 05 min", "12 min"; under a minute "0 min".
QString playedText(qint64 seconds);

// "2 mars 2026", "2 March 2026" ...
QString dayText(const QLocale& locale, qint64 utcSeconds, const QTimeZone& zone);

// The colour of a series on the screen and in the report: orange, blue, green.
QColor seriesColour(catalogue::Series series);

// The colour of a share of right answers: green from 80 %, orange from 50 %, red below.
QColor accuracyColour(int right, int answers);
// "85 %"; "—" when there was no answer.
QString percentText(int right, int answers);

// The share of right answers of the last kWeeksShown weeks as bars with their percentage over
// them and each week's Monday under them, on a 0 / 50 / 100 % grid; a week without answers is a
// small grey mark. With no week at all, `emptyText` in the middle. Every size follows `area`,
// so that the chart is as sharp on paper as at twice the screen's size.
void paintWeekChart(QPainter& painter, const QRectF& area,
                    const std::vector<answers::WeekAccuracy>& weeks, const QLocale& locale,
                    const QString& emptyText);

} // namespace pulsadrome::app
