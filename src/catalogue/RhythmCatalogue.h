// SPDX-License-Identifier: GPL-3.0-or-later
// The rhythm catalogue: the written form of rhythms 1 ... 560 and of the band-preview phrase,
// kept in assets/rhythms/rhythms.txt and embedded in the program at :/rhythms/rhythms.txt.
//
// Catalogue text: one "<number> <meter> <tokens…>" per line (see RhythmText.h), numbers
// 1, 2, 3 ... 561 in order; blank lines and lines starting with "#" are skipped.
#pragma once

#include "catalogue/RhythmText.h"
#include "catalogue/Series.h"

#include <QString>
#include <QStringView>

#include <vector>

namespace pulsadrome::catalogue {

// The band-preview phrase follows the rhythms: number 561, sounding as motif 560. It may last
// more than one bar.
inline constexpr int kBandPreviewNumber = kRhythmCount + 1;
inline constexpr const char* kCataloguePath = ":/rhythms/rhythms.txt";

struct CatalogueEntry {
    int number = 0;
    QString text; // "<meter> <tokens…>" as written in the catalogue
    Rhythm rhythm;
};

class RhythmCatalogue {
public:
    // Reads catalogue text. On the first damaged line, a number out of order or a missing
    // rhythm, the catalogue holds nothing and error() names the line.
    static RhythmCatalogue fromText(QStringView text);
    // Reads a catalogue file (UTF-8), or names the file it cannot read.
    static RhythmCatalogue fromFile(const QString& path);

    bool ok() const { return error_.isEmpty(); }
    // "line 62: rhythm 57: column 9, token "4x": not a note or a rest"
    const QString& error() const { return error_; }

    // Rhythm `number` (1 ... 561), or nullptr when there is none.
    const CatalogueEntry* find(int number) const;
    int size() const { return static_cast<int>(entries_.size()); }

private:
    std::vector<CatalogueEntry> entries_; // entries_[n - 1] is rhythm n
    QString error_;
};

// The embedded catalogue, read once on first use. A damaged one is logged and holds nothing.
const RhythmCatalogue& rhythmCatalogue();

// Whether rhythms `a` and `b` of the embedded catalogue sound alike: the same number, or two
// numbers the catalogue writes exactly the same way (the first stage of the main series repeats
// a few bars under new numbers, with the same picture and the same sound). Numbers outside the
// catalogue sound like nothing else.
bool soundsAlike(int a, int b);

} // namespace pulsadrome::catalogue
