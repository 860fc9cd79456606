// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/DataDirectory.h"
#include "i18n/CaptionTable.h"
#include "play/games/HighScoreFile.h"
#include "play/games/ScoreKeeper.h"

#include <QFuture>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <memory>
#include <optional>
#include <vector>

namespace pulsadrome::play {

// Measures text in the font of the list that shows a table. The score window measures with
// QFontMetrics; any measure that orders widths as the font does serves.
class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    virtual int widthOf(const QString& text) const = 0;
};

// One high-score table of a scored one-player game, kept by a ScoreKeeper: by default the file
// Score<N>.kdt of the data directory for game code "score<N>", N = 1 ... 14 (ScoreFileKeeper).
// The list the window shows is a QStringList of items "<rank>. <padded name><separator><score>".
class HighScoreList {
public:
    static constexpr int kDefaultListCount = 100;
    static constexpr qint16 kDefaultNameLength = 10;
    static inline const QString kDefaultName = QStringLiteral("*****************");
    static constexpr qint32 kDefaultScore = -100;

    // The table of the data directory's file.
    HighScoreList(const app::DataDirectory& directory, QString gameCode, const TextMeasure& measure,
                  const i18n::CaptionTable& captions);
    // The table `keeper` keeps.
    HighScoreList(std::unique_ptr<ScoreKeeper> keeper, const TextMeasure& measure);

    // Appends the table's items to `theList` (which the caller passes empty), creating the file
    // with default entries when there is none.
    ScoreFileStatus FillScoreList(QStringList& theList);
    void SetSeparator(const QString& newString) { separator_ = newString; }
    // A count of 0 or less is "not set": FillScoreList takes kDefaultListCount.
    void SetListCount(qint16 numPeople) { listCount_ = numPeople; }
    void SetNameLength(qint16 length) { nameLength_ = length; }
    qint16 GetNameLength() const { return nameLength_ == 0 ? kDefaultNameLength : nameLength_; }
    // Enters `pName` (kept to the characters a table holds) with `pScore` below every entry
    // scoring at least as much, and has the keeper keep it. A score no better than the last
    // entry changes nothing. A keeper shared with other computers gives back the table as it is
    // now, their new entries included, and `theList` then shows that table.
    ScoreFileStatus AddHighScore(QStringList& theList, const QString& pName, qint32 pScore);

    // FillScoreList without waiting: the keeper's table asked for, then its items appended
    // once it is there.
    QFuture<KeptTable> startFill();
    ScoreFileStatus showFilled(const KeptTable& table, QStringList& theList);

    // An entry handed to the keeper: the table as `theList` shows it with the entry, and the
    // keeper's answer to come.
    struct Placed {
        std::vector<ScoreEntry> shown;
        QFuture<KeptTable> kept;
    };
    // AddHighScore without waiting: `theList` shows the entry at once, and the keeper is asked
    // to keep it. None when the score is no better than the last entry (nothing to keep).
    std::optional<Placed> placeHighScore(QStringList& theList, const QString& pName, qint32 pScore);
    // `theList` once the keeper has answered `placed`: the table as it is now when other
    // computers entered scores meanwhile.
    ScoreFileStatus showEntered(const Placed& placed, const KeptTable& kept,
                                QStringList& theList) const;
    // The file, for a table kept in a file (nothing otherwise).
    void FileName(const QString& theName);
    // The file of the game code, also taken as the file name; empty (and the file name left as
    // it is) when the code is none of "score1" ... "score14", or the table is kept in no file.
    QString DefaultFileName();

    // The file; empty for a table kept in no file.
    QString file() const;
    int listCount() const { return listCount_ > 0 ? listCount_ : kDefaultListCount; }
    QString separator() const;

private:
    QString padded(QString name) const;
    QString item(int index, const QString& name, const QString& score) const;

    std::unique_ptr<ScoreKeeper> keeper_;
    ScoreFileKeeper* fileKeeper_ = nullptr; // keeper_, when it keeps a file
    const TextMeasure& measure_;
    qint16 listCount_ = 0;
    qint16 nameLength_ = 0;
    QString separator_;
};

// The text of an item after its rank: after the first "." and the character that follows it.
QString itemBody(const QString& item);

// The names of every high-score table in the data folder ("Score1.kdt" …).
QStringList scoreFileNames();

} // namespace pulsadrome::play
