// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/games/GameResults.h"

#include "play/level/NumericText.h"

#include <cmath>
#include <limits>

namespace pulsadrome::play {

namespace {

constexpr qint16 kScoreListCount = kGameScoreCount;

} // namespace

ScoreWindow::ScoreWindow(const app::DataDirectory& directory, const QString& gameCode,
                         const TextMeasure& measure, const i18n::CaptionTable& captions)
    : captions_(captions), list_(directory, gameCode, measure, captions) {}

ScoreWindow::ScoreWindow(ScoreKeepers& keepers, const QString& gameCode, const TextMeasure& measure,
                         const i18n::CaptionTable& captions)
    : captions_(captions), list_(keepers.keeperOf(gameCode, captions), measure) {}

ScoreFileStatus ScoreWindow::Form_Load() {
    return loaded(startLoad().result());
}

QFuture<KeptTable> ScoreWindow::startLoad() {
    lstScores_.clear();
    list_.SetListCount(kScoreListCount);
    list_.FileName(list_.DefaultFileName());
    return list_.startFill();
}

ScoreFileStatus ScoreWindow::loaded(const KeptTable& table) {
    lstScores_.clear();
    return list_.showFilled(table, lstScores_);
}

ScoreFileStatus ScoreWindow::Command1_Click(const QString& txtName, const QString& txtScore) {
    const Entry entry = startEntry(txtName, txtScore);
    if (!entry.placed) {
        return entry.status;
    }
    return entered(*entry.placed, entry.placed->kept.result());
}

ScoreWindow::Entry ScoreWindow::startEntry(const QString& txtName, const QString& txtScore) {
    bool ok = false;
    const double value = txtScore.trimmed().toDouble(&ok);
    // Rounded as the score box's number is: a half to the even neighbour.
    const double rounded = ok ? std::nearbyint(value) : 0.0;
    if (!ok || !std::isfinite(value) || rounded < std::numeric_limits<qint32>::min() ||
        rounded > std::numeric_limits<qint32>::max()) {
        return {{ScoreFileStatus::Kind::Failed,
                 captions_.text(u"score_pas_un_nombre").arg(txtScore),
                 {},
                 {}},
                std::nullopt};
    }
    return {{}, list_.placeHighScore(lstScores_, txtName, static_cast<qint32>(rounded))};
}

ScoreFileStatus ScoreWindow::entered(const HighScoreList::Placed& placed, const KeptTable& kept) {
    return list_.showEntered(placed, kept, lstScores_);
}

WinnerLine winnerLine(const QString& j1, const QString& j2, QStringView score, QStringView scoreB,
                      const i18n::CaptionTable& captions) {
    const qint64 s1 = leadingNumber(score);
    const qint64 s2 = leadingNumber(scoreB);
    if (s1 == s2) {
        return {captions.text(u"Label_scores_identiques"), {}};
    }
    return {captions.text(u"Label_vainqueur"), s1 > s2 ? j1 : j2};
}

} // namespace pulsadrome::play
