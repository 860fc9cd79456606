// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QStringView>

#include <vector>

namespace pulsadrome {

// A line of a data file that holds something: its 1-based number and its text without the
// blanks around it.
struct ContentLine {
    int number;
    QStringView text;
};

// The lines of `text` that are neither blank nor comments ("#" first). The views point into
// `text`, which must outlive them.
inline std::vector<ContentLine> contentLines(QStringView text) {
    std::vector<ContentLine> lines;
    int number = 0;
    for (const QStringView raw : text.split(u'\n')) {
        ++number;
        const QStringView line = raw.trimmed();
        if (!line.isEmpty() && !line.startsWith(u'#')) {
            lines.push_back({number, line});
        }
    }
    return lines;
}

} // namespace pulsadrome
