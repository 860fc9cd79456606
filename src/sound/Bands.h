// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <optional>
#include <vector>

namespace pulsadrome::sound {

inline constexpr int kBandCount = 44;
// The band a new player starts with, as a band list position.
inline constexpr int kDefaultBandPosition = 23;

// One instrument of the band list. Position p (0 ... 43) is the band list's row p and the
// instrument picture p.
struct BandEntry {
    int position = 0;
    bool percussion = false;      // a General MIDI percussion key, or a melodic program
    int gm = 0;                   // percussion key, or program number
    int pitch = 0;                // the MIDI note a rhythm is played on
    int gainTenthsDb = 0;         // the gain on the band's notes, -200 ... 200
    int attack = 64;              // sound controller 73 (attack time), 0 ... 127
    int release = 64;             // sound controller 72 (release time), 0 ... 127
    int start = 0;                // sample points every note skips at its start, 0 ... 65535
    std::array<QString, 6> names; // French, English, Spanish, Portuguese, Italian, German

    // The caption row that names the band: "instrument_<position>".
    QString captionKey() const;
};

struct BandListParse {
    std::vector<BandEntry> bands;
    QString error; // "line N: ..." when the text is not a band list
    bool ok() const { return error.isEmpty(); }
};

// Whether a band's balance is in range: gain -20 ... +20 dB, controllers 0 ... 127.
inline bool isBandBalance(int gainTenthsDb, int attack, int release) {
    return gainTenthsDb >= -200 && gainTenthsDb <= 200 && attack >= 0 && attack <= 127 &&
           release >= 0 && release <= 127;
}

// The most sample points a band's notes may skip at their start.
inline constexpr int kMaxSampleStart = 65535;

// Reads the band list text: "position | percussion|melodic | gm | pitch | gain | attack |
// release | start | six names", one band a line, "#" starting a comment. Positions run from 0
// without a gap.
BandListParse parseBandList(QStringView text);

// The program's own band list (embedded). Empty only if the embedded text were damaged, which
// the tests rule out.
const std::vector<BandEntry>& bandList();

} // namespace pulsadrome::sound
