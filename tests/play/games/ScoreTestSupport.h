// SPDX-License-Identifier: GPL-3.0-or-later
// High-score files for tests: a width measure with known letter widths, and stored tables made
// line by line.
#pragma once

#include "i18n/CaptionTable.h"
#include "play/games/HighScoreList.h"
#include "play/games/ScoreScramble.h"
#include "play/games/Windows1252.h"

#include <QFile>
#include <QStringList>

#include <gmock/gmock.h>

namespace pulsadrome::play::testing {

// "N" is 10 wide, a space 4, "i", "l" and "." 3, every other character 7.
class LetterWidths final : public TextMeasure {
public:
    int widthOf(const QString& text) const override {
        int width = 0;
        for (const QChar c : text) {
            if (c == u'N') {
                width += 10;
            } else if (c == u' ') {
                width += spaceWidth;
            } else if (c == u'i' || c == u'l' || c == u'.') {
                width += 3;
            } else {
                width += 7;
            }
        }
        return width;
    }
    int spaceWidth = 4;
};

inline const QString kTabs = QStringLiteral("\t\t\t");

// The program's captions as they start: French.
inline const i18n::CaptionTable& startCaptions() {
    static const i18n::CaptionTable captions;
    return captions;
}

// The stored form of plain lines: scrambled, Windows-1252, each ended by CR LF.
inline QByteArray storedLines(const QStringList& plain) {
    QByteArray bytes;
    for (const QString& line : plain) {
        bytes += encodeWindows1252(scrambleLine(line)).value() + "\r\n";
    }
    return bytes;
}

// A full table "player k :" scoring 1000 - 10 k, k = 1 ... count.
inline QStringList plainTable(int count = 30) {
    QStringList lines;
    for (int k = 1; k <= count; ++k) {
        lines.append(QStringLiteral("player %1 :%2%3").arg(k).arg(kTabs).arg(1000 - 10 * k));
    }
    return lines;
}

inline void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

inline QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The plain lines of a stored file.
inline QStringList plainLinesOf(const QString& path) {
    QStringList lines;
    for (const QByteArray& raw : readBytes(path).split('\n')) {
        if (!raw.isEmpty()) {
            lines.append(scrambleLine(decodeWindows1252(raw.chopped(1)).value()));
        }
    }
    return lines;
}

// The name and the score of a shown item, the name's padding removed.
inline std::pair<QString, QString> nameAndScore(const QString& item) {
    const QString body = itemBody(item);
    const qsizetype at = body.indexOf(kTabs);
    return {body.left(at).trimmed(), body.mid(at + kTabs.size())};
}

} // namespace pulsadrome::play::testing
