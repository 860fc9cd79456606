// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/DataDirectory.h"
#include "i18n/CaptionTable.h"
#include "play/games/HighScoreFile.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace pulsadrome::play {

// Measures text in the font of the list that shows a table. The score window measures with
// QFontMetrics; any measure that orders widths as the font does serves.
class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    virtual int widthOf(const QString& text) const = 0;
};

// How reading or writing a table went. Repaired and Failed carry a sentence naming the file, in
// the interface's language, for the window to show.
struct ScoreFileStatus {
    enum class Kind {
        Ok,
        Repaired, // the file was damaged: set aside as damagedCopy and rebuilt from what was read
        Failed,   // the file was not read or not written; a file that was there is left as it was
    };
    Kind kind = Kind::Ok;
    QString message;
    QString damagedCopy;
    QString detail; // the system's own words for the message's detail line, if any

    bool ok() const { return kind == Kind::Ok; }
};

// One high-score table of a scored one-player game: the file Score<N>.kdt of the data directory
// for game code "score<N>", N = 1 ... 14. The list the window shows is a QStringList of items
// "<rank>. <padded name><separator><score>".
//
// A damaged file is never thrown away: it is renamed beside the table and the table is rebuilt
// from every entry that could be read, the missing ones taking the default entry. When even
// that cannot be done, the file is left as it was and this object writes nothing to it.
class HighScoreList {
public:
    static constexpr int kDefaultListCount = 100;
    static constexpr qint16 kDefaultNameLength = 10;
    static inline const QString kDefaultName = QStringLiteral("*****************");
    static constexpr qint32 kDefaultScore = -100;

    HighScoreList(const app::DataDirectory& directory, QString gameCode, const TextMeasure& measure,
                  const i18n::CaptionTable& captions);

    // Appends the table's items to `theList` (which the caller passes empty), creating the file
    // with default entries when there is none.
    ScoreFileStatus FillScoreList(QStringList& theList);
    void SetSeparator(const QString& newString) { separator_ = newString; }
    // A count of 0 or less is "not set": FillScoreList takes kDefaultListCount.
    void SetListCount(qint16 numPeople) { listCount_ = numPeople; }
    void SetNameLength(qint16 length) { nameLength_ = length; }
    qint16 GetNameLength() const { return nameLength_ == 0 ? kDefaultNameLength : nameLength_; }
    // Enters `pName` (kept to the characters a table holds) with `pScore` below every entry
    // scoring at least as much and rewrites the file. A score no better than the last entry
    // changes nothing.
    ScoreFileStatus AddHighScore(QStringList& theList, const QString& pName, qint32 pScore);
    void FileName(const QString& theName) { fileName_ = theName; }
    // The file of the game code, also taken as the file name; empty (and the file name left as
    // it is) when the code is none of "score1" ... "score14".
    QString DefaultFileName();

    const QString& file() const { return fileName_; }
    int listCount() const { return listCount_ > 0 ? listCount_ : kDefaultListCount; }
    QString separator() const;

private:
    QString fileOfGameCode() const;
    QString padded(QString name) const;
    QString item(int index, const QString& name, const QString& score) const;
    QString writeFailure(const ScoreProblem& problem) const;
    // The table's file as a sentence names it; the whole path goes to the detail line.
    QString shownName() const;
    QString detail(const ScoreProblem& problem = {}) const;

    QString directory_;
    QString gameCode_;
    const TextMeasure& measure_;
    const i18n::CaptionTable& captions_;
    qint16 listCount_ = 0;
    qint16 nameLength_ = 0;
    QString separator_;
    QString fileName_;
    bool mayWrite_ = true; // false once a file that is there could not be read or set aside
};

// The text of an item after its rank: after the first "." and the character that follows it.
QString itemBody(const QString& item);

// The names of every high-score table in the data folder ("Score1.kdt" …).
QStringList scoreFileNames();

} // namespace pulsadrome::play
