// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/DataDirectory.h"
#include "i18n/CaptionTable.h"
#include "play/games/HighScoreList.h"

#include <QFuture>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace pulsadrome::play {

// Form_score's rules: the high-score table of the game code, into which the games screen enters
// the score of a one-player game before the window is shown.
class ScoreWindow {
public:
    ScoreWindow(const app::DataDirectory& directory, const QString& gameCode,
                const TextMeasure& measure, const i18n::CaptionTable& captions);
    // The table of `gameCode` wherever `keepers` keep it.
    ScoreWindow(ScoreKeepers& keepers, const QString& gameCode, const TextMeasure& measure,
                const i18n::CaptionTable& captions);

    // The table: 30 entries as kept (the game's file, created with default entries when
    // missing).
    ScoreFileStatus Form_Load();
    // txtName and txtScore into the table. The score text is read as a number and rounded to a
    // whole 32-bit one; a text that is no such number enters nothing.
    ScoreFileStatus Command1_Click(const QString& txtName, const QString& txtScore);

    // Form_Load without waiting for the keeper: the table asked for, then shown by loaded().
    QFuture<KeptTable> startLoad();
    ScoreFileStatus loaded(const KeptTable& table);
    // Command1_Click without waiting: the entry shown at once and handed to the keeper, whose
    // answer entered() shows. `placed` is none when nothing is to be kept (a score no better
    // than the last entry, or a text that is no number, which `status` then says).
    struct Entry {
        ScoreFileStatus status;
        std::optional<HighScoreList::Placed> placed;
    };
    Entry startEntry(const QString& txtName, const QString& txtScore);
    ScoreFileStatus entered(const HighScoreList::Placed& placed, const KeptTable& kept);

    const QStringList& lstScores() const { return lstScores_; }

private:
    const i18n::CaptionTable& captions_;
    HighScoreList list_;
    QStringList lstScores_;
};

// Form_score2's winner line: Label_vainqueur and vainqueur.
struct WinnerLine {
    QString labelVainqueur; // "The winner is", or the tie sentence
    QString vainqueur;      // the winner's name; empty on a tie
};

// Compares the two final scores (Label_score, Label_scoreB) as whole numbers of any size.
// `j1` and `j2` are the names typed on the menu.
WinnerLine winnerLine(const QString& j1, const QString& j2, QStringView score, QStringView scoreB,
                      const i18n::CaptionTable& captions);

} // namespace pulsadrome::play
