// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QChar>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <vector>

namespace pulsadrome::answers {

// The field separator a spreadsheet of `locale` expects: ';' where the decimal separator is a
// comma (French, German ...), ',' elsewhere.
QChar csvSeparator(const QLocale& locale);

// `text` as one field: as it is, or between double quotes (each quote doubled) when it holds the
// separator, a quote, a line break, or blanks at either end.
QString csvField(const QString& text, QChar separator);

// A file spreadsheets open as written: UTF-8 with a byte order mark, one line per row, each
// ended by CR LF.
QByteArray csvDocument(const std::vector<QStringList>& rows, QChar separator);

} // namespace pulsadrome::answers
