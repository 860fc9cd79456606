// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/games/HighScoreList.h"

#include "play/games/HighScoreFile.h"
#include "play/games/ScoreScramble.h"

#include <QFileInfo>

#include <algorithm>
#include <optional>

namespace pulsadrome::play {

namespace {

constexpr int kScoreTableCount = 14;

std::optional<qint64> scoreOfBody(const QString& body, const QString& separator) {
    const qsizetype at = body.indexOf(separator);
    if (at < 0) {
        return std::nullopt;
    }
    bool ok = false;
    const qint64 score = QStringView(body).mid(at + separator.size()).toLongLong(&ok);
    return ok ? std::optional<qint64>(score) : std::nullopt;
}

// The table rebuilt from what a damaged file held: best first, a new-comer below equal scores,
// the missing entries taking the default entry.
std::vector<ScoreEntry> rebuiltTable(std::vector<ScoreEntry> kept, int listCount) {
    while (static_cast<int>(kept.size()) < listCount) {
        kept.push_back({HighScoreList::kDefaultName, HighScoreList::kDefaultScore});
    }
    std::stable_sort(kept.begin(), kept.end(),
                     [](const ScoreEntry& a, const ScoreEntry& b) { return a.score > b.score; });
    kept.resize(listCount);
    return kept;
}

ScoreFileStatus failure(const QString& message, const QString& detail = {}) {
    return {ScoreFileStatus::Kind::Failed, message, {}, detail};
}

} // namespace

QString itemBody(const QString& item) {
    const qsizetype dot = item.indexOf(u'.');
    return dot < 0 ? item : item.mid(dot + 2);
}

HighScoreList::HighScoreList(const app::DataDirectory& directory, QString gameCode,
                             const TextMeasure& measure, const i18n::CaptionTable& captions)
    : directory_(directory.path()), gameCode_(std::move(gameCode)), measure_(measure),
      captions_(captions) {}

QString HighScoreList::writeFailure(const ScoreProblem& problem) const {
    return captions_.text(u"score_ecriture_impossible")
        .arg(shownName(), describe(problem, captions_));
}

QString HighScoreList::shownName() const {
    return QFileInfo(fileName_).fileName();
}

QString HighScoreList::detail(const ScoreProblem& problem) const {
    return i18n::problemDetail(captions_, fileName_, systemWords(problem));
}

QString HighScoreList::separator() const {
    return separator_.isEmpty() ? QStringLiteral("\t\t\t") : separator_;
}

QStringList scoreFileNames() {
    QStringList names;
    for (int n = 1; n <= kScoreTableCount; ++n) {
        names << QStringLiteral("Score%1.kdt").arg(n);
    }
    return names;
}

QString HighScoreList::fileOfGameCode() const {
    for (int n = 1; n <= kScoreTableCount; ++n) {
        if (gameCode_ == QStringLiteral("score%1").arg(n)) {
            return directory_ + QStringLiteral("/Score%1.kdt").arg(n);
        }
    }
    return {};
}

QString HighScoreList::DefaultFileName() {
    const QString file = fileOfGameCode();
    if (!file.isEmpty()) {
        fileName_ = file;
    }
    return file;
}

QString HighScoreList::padded(QString name) const {
    const int wanted = measure_.widthOf(QString(GetNameLength(), u'N'));
    int width = measure_.widthOf(name);
    while (width < wanted) {
        name.append(u' ');
        const int wider = measure_.widthOf(name);
        if (wider <= width) {
            break; // a font whose space has no width
        }
        width = wider;
    }
    return name;
}

QString HighScoreList::item(int index, const QString& name, const QString& score) const {
    return QString::number(index + 1) + QStringLiteral(". ") + padded(name) + separator() + score;
}

ScoreFileStatus HighScoreList::FillScoreList(QStringList& theList) {
    if (separator_.isEmpty()) {
        separator_ = separator();
    }
    if (fileName_.isEmpty()) {
        fileName_ = fileOfGameCode();
    }
    const int count = listCount();
    const auto show = [&](const std::vector<ScoreEntry>& entries) {
        for (int i = 0; i < count; ++i) {
            theList.append(item(i, entries[i].name, QString::number(entries[i].score)));
        }
    };

    if (fileName_.isEmpty()) {
        show(rebuiltTable({}, count));
        mayWrite_ = false;
        return failure(captions_.text(u"score_pas_de_table").arg(gameCode_));
    }
    ScoreFileContents contents = readScoreFile(fileName_, count, separator_);
    switch (contents.state) {
    case ScoreFileContents::State::Sound:
        show(contents.entries);
        return {};
    case ScoreFileContents::State::Missing: {
        const std::vector<ScoreEntry> table = rebuiltTable({}, count);
        show(table);
        const ScoreProblem error = writeScoreFile(fileName_, table, separator_);
        return error.none() ? ScoreFileStatus{} : failure(writeFailure(error), detail(error));
    }
    case ScoreFileContents::State::Unreadable:
        show(rebuiltTable({}, count));
        mayWrite_ = false;
        return failure(captions_.text(u"score_illisible")
                           .arg(shownName(), describe(contents.problem, captions_)),
                       detail(contents.problem));
    case ScoreFileContents::State::Damaged:
        break;
    }

    const int readable = static_cast<int>(contents.entries.size());
    const std::vector<ScoreEntry> table = rebuiltTable(std::move(contents.entries), count);
    show(table);
    const QString name = QFileInfo(fileName_).fileName();
    const QString aside = setAsideDamagedFile(fileName_);
    if (aside.isEmpty()) {
        mayWrite_ = false;
        return failure(captions_.text(u"score_abime_non_ecarte")
                           .arg(shownName(), describe(contents.problem, captions_)),
                       detail());
    }
    const ScoreProblem error = writeScoreFile(fileName_, table, separator_);
    const QString kept = captions_.text(u"score_abime_repare")
                             .arg(name, describe(contents.problem, captions_))
                             .arg(std::min(readable, count))
                             .arg(QFileInfo(aside).fileName());
    if (!error.none()) {
        return failure(kept + QLatin1Char(' ') + writeFailure(error), detail(error));
    }
    return {ScoreFileStatus::Kind::Repaired, kept, aside};
}

ScoreFileStatus HighScoreList::AddHighScore(QStringList& theList, const QString& pName,
                                            qint32 pScore) {
    const QString sep = separator();
    const int count = std::min<int>(listCount(), static_cast<int>(theList.size()));
    int position = -1;
    for (int i = 0; i < count && position < 0; ++i) {
        const std::optional<qint64> score = scoreOfBody(itemBody(theList[i]), sep);
        if (score && *score < pScore) {
            position = i;
        }
    }
    if (position < 0) {
        return {};
    }
    for (qsizetype i = theList.size() - 1; i > position; --i) {
        theList[i] = QString::number(i + 1) + QStringLiteral(". ") + itemBody(theList[i - 1]);
    }
    // The item shows the name as the file keeps it.
    const ScoreEntry entered = storableEntry({padded(storableName(pName)), pScore}, sep);
    theList[position] = QString::number(position + 1) + QStringLiteral(". ") + entered.name + sep +
                        QString::number(entered.score);

    if (fileName_.isEmpty()) {
        fileName_ = fileOfGameCode();
    }
    if (!mayWrite_ || fileName_.isEmpty()) {
        return failure(captions_.text(u"score_non_enregistre")
                           .arg(fileName_.isEmpty() ? gameCode_ : shownName()),
                       fileName_.isEmpty() ? QString() : detail());
    }
    std::vector<ScoreEntry> entries;
    for (int i = 0; i < count; ++i) {
        const QString body = itemBody(theList[i]);
        const std::optional<qint64> score = scoreOfBody(body, sep);
        entries.push_back(
            {body.left(body.indexOf(sep)), static_cast<qint32>(score.value_or(kDefaultScore))});
    }
    const ScoreProblem error = writeScoreFile(fileName_, entries, sep);
    return error.none() ? ScoreFileStatus{} : failure(writeFailure(error), detail(error));
}

} // namespace pulsadrome::play
