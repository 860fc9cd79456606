// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/level/TempoGroups.h"

#include "catalogue/Games.h"
#include "catalogue/Levels.h"
#include "catalogue/Practice.h"

namespace pulsadrome::play {

std::optional<TempoGroup> tempoGroupOf(QStringView levelCode) {
    const catalogue::Level* level = catalogue::findLevelByCode(levelCode);
    const auto series = level ? level->series : catalogue::seriesOfPracticeCode(levelCode);
    if (!series) {
        return std::nullopt;
    }
    switch (*series) {
    case catalogue::Series::Main:
        return TempoGroup::Crotchet;
    case catalogue::Series::Compound:
        return TempoGroup::DottedCrotchet;
    case catalogue::Series::MinimBeat:
        break;
    }
    return TempoGroup::Minim;
}

qint16 scaleTempo(TempoGroup group, int t) {
    switch (group) {
    case TempoGroup::Crotchet:
        return static_cast<qint16>(t);
    case TempoGroup::DottedCrotchet: {
        const int threeHalves = 3 * t;
        int tempo = threeHalves / 2;
        if (threeHalves % 2 != 0 && tempo % 2 != 0) {
            ++tempo; // an exact half goes to the even neighbour
        }
        return static_cast<qint16>(tempo);
    }
    case TempoGroup::Minim:
        break;
    }
    return static_cast<qint16>(2 * t);
}

std::optional<TempoGroup> tempoGroupOfGameCode(QStringView gameCode) {
    for (const catalogue::GameEntry& game : catalogue::games()) {
        if (game.code == gameCode) {
            switch (game.series) {
            case catalogue::Series::Main:
                return TempoGroup::Crotchet;
            case catalogue::Series::Compound:
                return TempoGroup::DottedCrotchet;
            case catalogue::Series::MinimBeat:
                return TempoGroup::Minim;
            }
        }
    }
    return std::nullopt;
}

std::optional<TempoGroup> tempoGroupOf(CodeKind kind, QStringView code) {
    return kind == CodeKind::Level ? tempoGroupOf(code) : tempoGroupOfGameCode(code);
}

int beatMotif(TempoGroup group) {
    switch (group) {
    case TempoGroup::Crotchet:
        return 0;
    case TempoGroup::DottedCrotchet:
        return 368;
    case TempoGroup::Minim:
        break;
    }
    return 464;
}

} // namespace pulsadrome::play
