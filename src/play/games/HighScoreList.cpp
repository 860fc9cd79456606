// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/games/HighScoreList.h"

#include "play/games/HighScoreFile.h"
#include "play/games/ScoreScramble.h"

#include <QFileInfo>

#include <algorithm>
#include <optional>

namespace pulsadrome::play {

namespace {

std::optional<qint64> scoreOfBody(const QString& body, const QString& separator) {
    const qsizetype at = body.indexOf(separator);
    if (at < 0) {
        return std::nullopt;
    }
    bool ok = false;
    const qint64 score = QStringView(body).mid(at + separator.size()).toLongLong(&ok);
    return ok ? std::optional<qint64>(score) : std::nullopt;
}

} // namespace

QString itemBody(const QString& item) {
    const qsizetype dot = item.indexOf(u'.');
    return dot < 0 ? item : item.mid(dot + 2);
}

HighScoreList::HighScoreList(const app::DataDirectory& directory, QString gameCode,
                             const TextMeasure& measure, const i18n::CaptionTable& captions)
    : HighScoreList(
          std::make_unique<ScoreFileKeeper>(directory.path(), std::move(gameCode), captions),
          measure) {}

HighScoreList::HighScoreList(std::unique_ptr<ScoreKeeper> keeper, const TextMeasure& measure)
    : keeper_(std::move(keeper)), fileKeeper_(dynamic_cast<ScoreFileKeeper*>(keeper_.get())),
      measure_(measure) {}

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

void HighScoreList::FileName(const QString& theName) {
    if (fileKeeper_) {
        fileKeeper_->setFile(theName);
    }
}

QString HighScoreList::file() const {
    return fileKeeper_ ? fileKeeper_->file() : QString();
}

QString HighScoreList::DefaultFileName() {
    const QString file = fileKeeper_ ? fileKeeper_->fileOfGameCode() : QString();
    if (!file.isEmpty()) {
        fileKeeper_->setFile(file);
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
    return showFilled(startFill().result(), theList);
}

QFuture<KeptTable> HighScoreList::startFill() {
    if (separator_.isEmpty()) {
        separator_ = separator();
    }
    return keeper_->load(listCount(), separator_);
}

ScoreFileStatus HighScoreList::showFilled(const KeptTable& table, QStringList& theList) {
    const int count = listCount();
    for (int i = 0; i < count && i < static_cast<int>(table.entries.size()); ++i) {
        theList.append(item(i, table.entries[i].name, QString::number(table.entries[i].score)));
    }
    return table.status;
}

ScoreFileStatus HighScoreList::AddHighScore(QStringList& theList, const QString& pName,
                                            qint32 pScore) {
    std::optional<Placed> placed = placeHighScore(theList, pName, pScore);
    if (!placed) {
        return {};
    }
    return showEntered(*placed, placed->kept.result(), theList);
}

std::optional<HighScoreList::Placed>
HighScoreList::placeHighScore(QStringList& theList, const QString& pName, qint32 pScore) {
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
        return std::nullopt;
    }
    for (qsizetype i = theList.size() - 1; i > position; --i) {
        theList[i] = QString::number(i + 1) + QStringLiteral(". ") + itemBody(theList[i - 1]);
    }
    // The item shows the name as the table keeps it.
    const ScoreEntry entered = storableEntry({padded(storableName(pName)), pScore}, sep);
    theList[position] = QString::number(position + 1) + QStringLiteral(". ") + entered.name + sep +
                        QString::number(entered.score);

    Placed placed;
    for (int i = 0; i < count; ++i) {
        const QString body = itemBody(theList[i]);
        const std::optional<qint64> score = scoreOfBody(body, sep);
        placed.shown.push_back(
            {body.left(body.indexOf(sep)), static_cast<qint32>(score.value_or(kDefaultScore))});
    }
    placed.kept = keeper_->enter(entered, position, placed.shown, sep);
    return placed;
}

ScoreFileStatus HighScoreList::showEntered(const Placed& placed, const KeptTable& kept,
                                           QStringList& theList) const {
    const int count = static_cast<int>(placed.shown.size());
    if (kept.status.ok() && kept.entries != placed.shown) {
        // Other computers entered scores meanwhile: the table as it is now.
        for (int i = 0; i < count && i < static_cast<int>(kept.entries.size()) &&
                        i < static_cast<int>(theList.size());
             ++i) {
            theList[i] = item(i, kept.entries[i].name, QString::number(kept.entries[i].score));
        }
    }
    return kept.status;
}

} // namespace pulsadrome::play
