// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

namespace pulsadrome::art {

// What the picture generator needs of one line of assets/bands/bands.txt (the file's header
// describes the format; the shipped-art test checks every field).
struct Band {
    int position = 0;        // 0 ... 43, the band list row
    bool percussion = false; // a percussion key on channel 10, else a melodic program
    int gm = 0;              // the key or the program
    QString englishName;
};

// Reads the bands in file order. On failure returns an empty list and sets `error` to a sentence
// naming the file and the line.
QList<Band> readBands(const QString& path, QString& error);

} // namespace pulsadrome::art
