// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/Series.h"

#include <QString>
#include <QStringView>

#include <array>
#include <vector>

namespace pulsadrome::catalogue {

inline constexpr int kSlotCount = 8;

// One picture cell of the level grid (Image1 ... Image8). A hidden slot still carries picture 100.
struct Slot {
    bool visible = true;
    int picture = kPlaceholderPicture; // 100 + rhythm, or 100 for an empty cell
    int rhythm = 0;                    // 0 when the slot holds no rhythm
};

// "NB<answer> := rhythm": the rhythm heard when the child answers with answer number `answer`.
struct AnswerWrite {
    int answer; // 1 ... 8
    int rhythm; // 1 ... 560

    friend bool operator==(const AnswerWrite&, const AnswerWrite&) = default;
};

struct Level {
    QString menuLabel; // Label_1a, Niveau7, Niveau07T, Niveau12B ...
    QString code; // written into Label_NN: "1a", "1b", "1" ... "46", "101" ... "112", "201" ...
    int displayNumber; // the menu label's caption, appended to the level title
    Series series;
    int indexInSeries; // 1 ... 48 for the main series ("1a" is 1), 1 ... 12 for the others
    std::array<Slot, kSlotCount> cells; // the picture slots Image1 ... Image8
    std::vector<AnswerWrite> answers;   // in the order a level start writes them

    bool isStarter() const { return code == QLatin1String("1a") || code == QLatin1String("1b"); }
    int rhythmCount() const { return static_cast<int>(answers.size()); }
};

// The 72 levels: main series ("1a", "1b", 1 ... 46), then compound time, then minim beat.
const std::vector<Level>& levels();
const Level* findLevelByLabel(QStringView menuLabel);
const Level* findLevelByCode(QStringView code);
// The level after `level` in its series, or nullptr after the last one.
const Level* nextLevel(const Level& level);

} // namespace pulsadrome::catalogue
