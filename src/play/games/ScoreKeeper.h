// SPDX-License-Identifier: GPL-3.0-or-later
// Where the high-score tables of the scored games are kept: the data folder's files on a family
// computer, or a school's database server shared by every computer of the room. The score
// window ranks, pads and shows entries the same way whichever keeps them.
#pragma once

#include "app/DataDirectory.h"
#include "i18n/CaptionTable.h"
#include "play/games/HighScoreFile.h"

#include <QFuture>
#include <QString>

#include <memory>
#include <vector>

namespace pulsadrome::play {

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

// A table as its keeper holds it: `count` entries best first, and how getting them went. On
// failure the entries are those to show meanwhile.
struct KeptTable {
    std::vector<ScoreEntry> entries;
    ScoreFileStatus status;
};

// One game's table, wherever it is kept. Entries are in their stored form (storableEntry).
//
// Both operations give their outcome as a future. A keeper whose table is at hand (a file of
// the data folder) finishes it before it returns; one that waits for a server does the work on
// a thread of its own and finishes it there: nothing of the caller's thread is needed to finish
// it, and the caller may drop it at any time. The work goes on then, and an entry is still
// entered once or not at all.
class ScoreKeeper {
public:
    virtual ~ScoreKeeper() = default;
    // The table's `count` entries, made with default entries when there is none yet.
    virtual QFuture<KeptTable> load(int count, const QString& separator) = 0;
    // Enters `entry`, which `shown` (the table this window showed, `entry` ranked into it) holds
    // at `position`, and keeps the table. A keeper shared with other computers enters `entry`
    // into the table as it is now, below every entry scoring at least as much, and gives that
    // table back; the others keep `shown` itself. On failure nothing is entered.
    virtual QFuture<KeptTable> enter(const ScoreEntry& entry, int position,
                                     const std::vector<ScoreEntry>& shown,
                                     const QString& separator) = 0;
};

// What the screens are handed: the keeper of each scored game's table.
class ScoreKeepers {
public:
    virtual ~ScoreKeepers() = default;
    // The keeper of game code `gameCode` ("score1" ... "score14"); its sentences in the language
    // of `captions`, which outlives it.
    virtual std::unique_ptr<ScoreKeeper> keeperOf(const QString& gameCode,
                                                  const i18n::CaptionTable& captions) = 0;
};

// The table number of a game code: 1 for "score1" ... 14 for "score14"; 0 for any other code.
int scoreTableNumber(const QString& gameCode);
inline constexpr int kScoreTableCount = 14;
// The entries of a scored game's table as the score window shows it.
inline constexpr int kGameScoreCount = 30;

// `kept` (best first) completed to `count` entries with the default entry: each default entry
// below every kept entry scoring at least as much; the last ones dropped beyond `count`.
std::vector<ScoreEntry> completedTable(std::vector<ScoreEntry> kept, int count);

// The position `score` takes in `table`: below every entry scoring at least as much; -1 when it
// scores no better than the last.
int rankOf(const std::vector<ScoreEntry>& table, qint64 score);

// The table of a game kept in the file Score<N>.kdt of the data folder. A damaged file is never
// thrown away: it is renamed beside the table and the table is rebuilt from every entry that
// could be read, the missing ones taking the default entry. When even that cannot be done, the
// file is left as it was and this keeper writes nothing to it.
class ScoreFileKeeper final : public ScoreKeeper {
public:
    // The file is that of the game code in folder `directory` until setFile() names another.
    ScoreFileKeeper(QString directory, QString gameCode, const i18n::CaptionTable& captions)
        : directory_(std::move(directory)), gameCode_(std::move(gameCode)), captions_(captions) {}

    // The file is read and written on the calling thread: the futures are finished.
    QFuture<KeptTable> load(int count, const QString& separator) override;
    QFuture<KeptTable> enter(const ScoreEntry& entry, int position,
                             const std::vector<ScoreEntry>& shown,
                             const QString& separator) override;

    void setFile(const QString& file) { fileName_ = file; }
    // The file named, empty until setFile() or the first load or entry.
    const QString& file() const { return fileName_; }
    // The game code's file; empty for a code that has no table.
    QString fileOfGameCode() const;

private:
    KeptTable read(int count, const QString& separator);
    KeptTable write(const std::vector<ScoreEntry>& shown, const QString& separator);
    QString writeFailure(const ScoreProblem& problem) const;
    // The table's file as a sentence names it; the whole path goes to the detail line.
    QString shownName() const;
    QString detail(const ScoreProblem& problem = {}) const;

    QString directory_;
    QString gameCode_;
    const i18n::CaptionTable& captions_;
    QString fileName_;
    bool mayWrite_ = true; // false once a file that is there could not be read or set aside
};

// The tables of the data folder: Score<N>.kdt for game code "score<N>".
class ScoreFiles final : public ScoreKeepers {
public:
    explicit ScoreFiles(const app::DataDirectory& directory) : directory_(directory.path()) {}
    std::unique_ptr<ScoreKeeper> keeperOf(const QString& gameCode,
                                          const i18n::CaptionTable& captions) override;

private:
    QString directory_;
};

} // namespace pulsadrome::play
