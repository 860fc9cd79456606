// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/level/LevelVerdict.h"

#include "catalogue/Practice.h"
#include "play/level/NumericText.h"

namespace pulsadrome::play {

namespace {

QString& progressField(app::PlayerRecord& record, catalogue::Series series) {
    switch (series) {
    case catalogue::Series::Main:
        return record.jeuBinaire;
    case catalogue::Series::Compound:
        return record.jeuTernaire;
    case catalogue::Series::MinimBeat:
        break;
    }
    return record.jeuBinaire2;
}

LevelVerdict judge(QStringView levelCode, QStringView scoreText,
                   const catalogue::LevelLabelStates& menuLevels, app::PlayerRecordStore& players) {
    LevelVerdict verdict;
    const catalogue::Level* level = catalogue::findLevelByCode(levelCode);
    const bool passed = leadingNumber(scoreText) >= kPassScore;
    if (!level) {
        if (catalogue::seriesOfPracticeCode(levelCode)) {
            verdict.captionKey =
                passed ? QStringLiteral("pratique_reussie") : QStringLiteral("pratique_finie");
        }
        return verdict;
    }
    const catalogue::Level* next = catalogue::nextLevel(*level);
    if (!next) {
        verdict.captionKey =
            passed ? QStringLiteral("Label_resultat4") : QStringLiteral("Label_resultat3");
        return verdict;
    }
    if (!passed) {
        verdict.captionKey = QStringLiteral("Label_resultat1");
        return verdict;
    }
    verdict.captionKey = QStringLiteral("Label_resultat2");
    if (!menuLevels.isEnabled(next->menuLabel)) {
        verdict.progressValue = progressAfter(*level);
        progressField(players.current(), level->series) = verdict.progressValue;
        verdict.stored = players.storeCurrent();
    }
    return verdict;
}

} // namespace

QString progressAfter(const catalogue::Level& level) {
    const catalogue::Level* next = catalogue::nextLevel(level);
    if (!next) {
        return {};
    }
    return level.series == catalogue::Series::Main ? next->code
                                                   : QString::number(next->indexInSeries);
}

LevelVerdict decideVerdict(QStringView levelCode, QStringView scoreText,
                           catalogue::LevelLabelStates& menuLevels,
                           app::PlayerRecordStore& players) {
    LevelVerdict verdict = judge(levelCode, scoreText, menuLevels, players);
    menuLevels.ApplyProgress(players.current().progress());
    return verdict;
}

} // namespace pulsadrome::play
