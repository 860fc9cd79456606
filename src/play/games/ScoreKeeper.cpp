// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/games/ScoreKeeper.h"

#include "play/games/HighScoreList.h"

#include <QFileInfo>

#include <algorithm>

namespace pulsadrome::play {

namespace {

ScoreFileStatus failure(const QString& message, const QString& detail = {}) {
    return {ScoreFileStatus::Kind::Failed, message, {}, detail};
}

} // namespace

int scoreTableNumber(const QString& gameCode) {
    for (int n = 1; n <= kScoreTableCount; ++n) {
        if (gameCode == QStringLiteral("score%1").arg(n)) {
            return n;
        }
    }
    return 0;
}

std::vector<ScoreEntry> completedTable(std::vector<ScoreEntry> kept, int count) {
    while (static_cast<int>(kept.size()) < count) {
        kept.push_back({HighScoreList::kDefaultName, HighScoreList::kDefaultScore});
    }
    std::stable_sort(kept.begin(), kept.end(),
                     [](const ScoreEntry& a, const ScoreEntry& b) { return a.score > b.score; });
    kept.resize(static_cast<std::size_t>(std::max(count, 0)));
    return kept;
}

int rankOf(const std::vector<ScoreEntry>& table, qint64 score) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i].score < score) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::unique_ptr<ScoreKeeper> ScoreFiles::keeperOf(const QString& gameCode,
                                                  const i18n::CaptionTable& captions) {
    return std::make_unique<ScoreFileKeeper>(directory_, gameCode, captions);
}

QString ScoreFileKeeper::fileOfGameCode() const {
    const int n = scoreTableNumber(gameCode_);
    return n == 0 ? QString() : directory_ + QStringLiteral("/Score%1.kdt").arg(n);
}

QString ScoreFileKeeper::writeFailure(const ScoreProblem& problem) const {
    return captions_.text(u"score_ecriture_impossible")
        .arg(shownName(), describe(problem, captions_));
}

QString ScoreFileKeeper::shownName() const {
    return QFileInfo(fileName_).fileName();
}

QString ScoreFileKeeper::detail(const ScoreProblem& problem) const {
    return i18n::problemDetail(captions_, fileName_, systemWords(problem));
}

QFuture<KeptTable> ScoreFileKeeper::load(int count, const QString& separator) {
    return QtFuture::makeReadyFuture(read(count, separator));
}

QFuture<KeptTable> ScoreFileKeeper::enter(const ScoreEntry& /*entry*/, int /*position*/,
                                          const std::vector<ScoreEntry>& shown,
                                          const QString& separator) {
    return QtFuture::makeReadyFuture(write(shown, separator));
}

KeptTable ScoreFileKeeper::read(int count, const QString& separator) {
    if (fileName_.isEmpty()) {
        fileName_ = fileOfGameCode();
    }
    if (fileName_.isEmpty()) {
        mayWrite_ = false;
        return {completedTable({}, count),
                failure(captions_.text(u"score_pas_de_table").arg(gameCode_))};
    }
    ScoreFileContents contents = readScoreFile(fileName_, count, separator);
    switch (contents.state) {
    case ScoreFileContents::State::Sound:
        return {std::move(contents.entries), {}};
    case ScoreFileContents::State::Missing: {
        std::vector<ScoreEntry> table = completedTable({}, count);
        const ScoreProblem error = writeScoreFile(fileName_, table, separator);
        return {std::move(table),
                error.none() ? ScoreFileStatus{} : failure(writeFailure(error), detail(error))};
    }
    case ScoreFileContents::State::Unreadable:
        mayWrite_ = false;
        return {completedTable({}, count),
                failure(captions_.text(u"score_illisible")
                            .arg(shownName(), describe(contents.problem, captions_)),
                        detail(contents.problem))};
    case ScoreFileContents::State::Damaged:
        break;
    }

    const int readable = static_cast<int>(contents.entries.size());
    std::vector<ScoreEntry> table = completedTable(std::move(contents.entries), count);
    const QString name = QFileInfo(fileName_).fileName();
    const QString aside = setAsideDamagedFile(fileName_);
    if (aside.isEmpty()) {
        mayWrite_ = false;
        return {std::move(table),
                failure(captions_.text(u"score_abime_non_ecarte")
                            .arg(shownName(), describe(contents.problem, captions_)),
                        detail())};
    }
    const ScoreProblem error = writeScoreFile(fileName_, table, separator);
    const QString kept = captions_.text(u"score_abime_repare")
                             .arg(name, describe(contents.problem, captions_))
                             .arg(std::min(readable, count))
                             .arg(QFileInfo(aside).fileName());
    if (!error.none()) {
        return {std::move(table),
                failure(kept + QLatin1Char(' ') + writeFailure(error), detail(error))};
    }
    return {std::move(table), {ScoreFileStatus::Kind::Repaired, kept, aside, {}}};
}

KeptTable ScoreFileKeeper::write(const std::vector<ScoreEntry>& shown, const QString& separator) {
    if (fileName_.isEmpty()) {
        fileName_ = fileOfGameCode();
    }
    if (!mayWrite_ || fileName_.isEmpty()) {
        return {shown, failure(captions_.text(u"score_non_enregistre")
                                   .arg(fileName_.isEmpty() ? gameCode_ : shownName()),
                               fileName_.isEmpty() ? QString() : detail())};
    }
    const ScoreProblem error = writeScoreFile(fileName_, shown, separator);
    return {shown, error.none() ? ScoreFileStatus{} : failure(writeFailure(error), detail(error))};
}

} // namespace pulsadrome::play
