// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

class QPdfWriter;

namespace pulsadrome::app {

// Raise when the look of the help's PDF changes, so that PDFs written by an earlier program are
// made again; a change of a help text or of the icon does that by itself.
inline constexpr int kHelpLayoutRevision = 1;

// The <title> of a help text.
QString helpTitle(const QString& source);

// Lays a help text out on A4 pages (the icon and title at the top, "page N of M" in the
// language's own words at the foot) and paints it into `writer`. False when painting cannot
// start.
bool paintHelpPages(QPdfWriter& writer, const QString& source, const QImage& icon);

} // namespace pulsadrome::app
