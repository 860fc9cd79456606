// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/PlayerStore.h"
#include "catalogue/Levels.h"
#include "catalogue/Progress.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace pulsadrome::play {

// The whole pass rule: the score alone, neither the time left nor the errors.
inline constexpr int kPassScore = 1000;

// What the result window shows and what it wrote.
struct LevelVerdict {
    // "Label_resultat1" ... "Label_resultat4", "pratique_reussie" or "pratique_finie" for a
    // practice level; empty for an unknown code
    QString captionKey;
    QString progressValue; // the progress text written, empty when nothing was written
    std::optional<app::StoreStatus> stored; // the store's answer, when the record was stored

    bool operator==(const LevelVerdict&) const = default;
};

// The progress text written when `level` is passed, for a level that has a next one: the main
// series keeps the next level's code ("1b", "1", "46"), the other two the next level's number
// within the series ("2" ... "12").
QString progressAfter(const catalogue::Level& level);

// The result window's verdict on a run of `levelCode` that ended at `scoreText` (its leading
// number counts). A pass writes the progress into the current record and stores it only while
// the next level's menu label is still closed, so replaying an earlier level never lowers the
// progress. Last of all the menu re-applies the record's progress, as the result window does
// before the menu is shown again. A practice level (catalogue/Practice.h) writes nothing: its
// verdict only says whether it reached 1000 points.
LevelVerdict decideVerdict(QStringView levelCode, QStringView scoreText,
                           catalogue::LevelLabelStates& menuLevels,
                           app::PlayerRecordStore& players);

} // namespace pulsadrome::play
