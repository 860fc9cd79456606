// SPDX-License-Identifier: GPL-3.0-or-later
// The tests' own reader of the spreadsheet files the program writes, strict where a spreadsheet
// would misread them.
#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

#include <vector>

namespace pulsadrome::testing {

// A reader of RFC 4180 files: fields split on `separator` outside double quotes, a doubled
// quote inside them is one quote, CR LF ends a row. The rows, or a note of what is wrong.
inline std::vector<QStringList> readCsv(const QString& text, QChar separator, QString* wrong) {
    std::vector<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    bool wasQuoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                field += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            if (!field.isEmpty() || wasQuoted) {
                *wrong = QStringLiteral("a quote inside an unquoted field");
            }
            quoted = wasQuoted = true;
        } else if (c == separator) {
            row << field;
            field.clear();
            wasQuoted = false;
        } else if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == '\n') {
            row << field;
            rows.push_back(row);
            row.clear();
            field.clear();
            wasQuoted = false;
            ++i;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            *wrong = QStringLiteral("a line break outside quotes that is not CR LF");
        } else {
            field += c;
        }
    }
    if (quoted || !row.isEmpty() || !field.isEmpty()) {
        *wrong = QStringLiteral("the last row is not ended");
    }
    return rows;
}

} // namespace pulsadrome::testing
