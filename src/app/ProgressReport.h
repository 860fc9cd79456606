// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "answers/ChildProgress.h"
#include "app/PlayerRecord.h"
#include "i18n/CaptionTable.h"

#include <QDate>
#include <QString>
#include <QTimeZone>
#include <QtGlobal>

namespace pulsadrome::app {

// "progres-Lina-2026-11-03.pdf": the child's name with every character a file name may not
// hold (and blanks) turned into '_', and the day the report was made.
QString reportFileName(const QString& childName, const QDate& day);

// A child's progress report as an A4 PDF in the captions' language: the child's name and the
// day, the time played and the levels passed in each series, the weekly chart, the ten pairs
// mixed up most with their two notation pictures, then every level played or passed with its
// day and share of right answers. Written into `folder` (created when missing) whole or not at
// all; the path written, or empty with `error` saying why in whole sentences and `detail` naming
// the folder or file (and the system's words when no plainer reason is known).
QString writeProgressReport(const i18n::CaptionTable& captions, const PlayerRecord& child,
                            const answers::ChildProgress& progress, const QTimeZone& zone,
                            qint64 nowUtc, const QString& folder, QString* error,
                            QString* detail = nullptr);

} // namespace pulsadrome::app
