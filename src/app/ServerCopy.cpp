// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ServerCopy.h"

#include "app/AnswerTable.h"
#include "app/PlayerTable.h"
#include "app/ProblemTexts.h"
#include "app/ServerTable.h"
#include "play/games/HighScoreFile.h"
#include "play/games/HighScoreList.h"
#include "play/games/ScoreKeeper.h"

#include <QFileInfo>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSysInfo>
#include <QVariant>

#include <atomic>
#include <map>

namespace pulsadrome::app {

namespace {

std::atomic<int> connectionCount{0};

// The tables as the score window keeps them.
const QString kSeparator = QStringLiteral("\t\t\t");

// Names this computer's data folder among those of every computer of the room.
QString sourceOf(const DataDirectory& directory) {
    const QString folder = QFileInfo(directory.path()).canonicalFilePath();
    return QSysInfo::machineHostName() + QLatin1Char(':') +
           QString::fromLatin1(QSysInfo::machineUniqueId().toHex()) + QLatin1Char(':') +
           (folder.isEmpty() ? directory.path() : folder);
}

struct LocalPlayer {
    RowId id = 0;
    PlayerRecord record;
    std::vector<answers::AnswerRecord> answers;
};

// Names compared as a teacher reads them: "zoé" is taken when "Zoé" is.
QString nameKey(const QString& name) {
    return name.trimmed().toCaseFolded();
}

// One transaction on the server's connection: `work` runs inside it, which is committed when
// `work` went well and rolled back otherwise.
template <typename Work>
StoreStatus inTransaction(QSqlDatabase& db, const QString& place, Work work) {
    if (!db.transaction()) {
        return server_table::problemOf(db.lastError(), place, QStringLiteral("written"));
    }
    StoreStatus status = work();
    if (status && !db.commit()) {
        status = server_table::problemOf(db.lastError(), place, QStringLiteral("written"));
    }
    if (!status) {
        db.rollback();
    }
    return status;
}

class Copier {
public:
    Copier(QSqlDatabase db, QString place, QString source)
        : db_(std::move(db)), place_(std::move(place)), source_(std::move(source)) {}

    StoreStatus copyPlayers(const std::vector<LocalPlayer>& players, ServerCopyOutcome& outcome) {
        ServerCopyOutcome copied; // counted into `outcome` once committed
        const StoreStatus status = inTransaction(db_, place_, [&]() -> StoreStatus {
            QSqlQuery query(db_);
            // No other computer adds a player, or copies, while the names are chosen.
            if (!exec(query, QStringLiteral("LOCK TABLE %1, %2 IN EXCLUSIVE MODE")
                                 .arg(player_table::name(), server_table::copiedTable()))) {
                return failure(query);
            }
            QSet<QString> names;
            if (!exec(query, QStringLiteral("SELECT \"Nom\" FROM %1").arg(player_table::name()))) {
                return failure(query);
            }
            while (query.next()) {
                names.insert(nameKey(query.value(0).toString()));
            }
            QSet<QString> done;
            if (StoreStatus status = copiedItems(QStringLiteral("player %"), done); !status) {
                return status;
            }
            const QStringList marks(kColumnCount, QStringLiteral("?"));
            for (const LocalPlayer& player : players) {
                const QString item = QStringLiteral("player %1").arg(player.id);
                if (done.contains(item)) {
                    ++copied.playersCopiedBefore;
                    continue;
                }
                PlayerRecord record = player.record;
                if (names.contains(nameKey(record.nom))) {
                    QString other;
                    for (int n = 2; other.isEmpty() || names.contains(nameKey(other)); ++n) {
                        other = QStringLiteral("%1 (%2)").arg(player.record.nom).arg(n);
                    }
                    copied.renamed.emplace_back(player.record.nom, other);
                    record.nom = other;
                }
                names.insert(nameKey(record.nom));
                if (!query.prepare(
                        QStringLiteral("INSERT INTO %1 (%2) VALUES (%3) RETURNING \"id\"")
                            .arg(player_table::name(), player_table::columns(),
                                 marks.join(QLatin1Char(','))))) {
                    return failure(query);
                }
                for (int i = 0; i < kColumnCount; ++i) {
                    const QString& text = record.text(i);
                    query.addBindValue(text.isNull() ? QStringLiteral("") : text);
                }
                if (!query.exec() || !query.next()) {
                    return failure(query);
                }
                // The player's answer log comes along, for the class table.
                std::vector<answers::AnswerRecord> answers = player.answers;
                const qint64 id = query.value(0).toLongLong();
                for (answers::AnswerRecord& answer : answers) {
                    answer.player = id;
                }
                if (StoreStatus status =
                        answer_table::insert(SqlDialect::Postgres, db_, place_, answers);
                    !status) {
                    return status;
                }
                if (StoreStatus status = markCopied(item); !status) {
                    return status;
                }
                ++copied.playersCopied;
                copied.answersCopied += static_cast<int>(answers.size());
            }
            return {};
        });
        if (status) {
            outcome.playersCopied += copied.playersCopied;
            outcome.playersCopiedBefore += copied.playersCopiedBefore;
            outcome.answersCopied += copied.answersCopied;
            outcome.renamed = std::move(copied.renamed);
        }
        return status;
    }

    StoreStatus copyScores(int game, const std::vector<play::ScoreEntry>& entries, int count,
                           ServerCopyOutcome& outcome) {
        int copied = 0;
        int before = 0;
        const StoreStatus status = inTransaction(db_, place_, [&]() -> StoreStatus {
            QSqlQuery query(db_);
            if (!exec(query,
                      QStringLiteral("LOCK TABLE %1, %2 IN EXCLUSIVE MODE")
                          .arg(server_table::highScoreTable(), server_table::copiedTable()))) {
                return failure(query);
            }
            QSet<QString> done;
            if (StoreStatus status = copiedItems(QStringLiteral("score %1 %").arg(game), done);
                !status) {
                return status;
            }
            // The same name with the same score may stand twice in a table: each is an item.
            std::map<std::pair<QString, qint32>, int> seen;
            for (const play::ScoreEntry& entry : entries) {
                const int occurrence = ++seen[{entry.name, entry.score}];
                const QString item = QStringLiteral("score %1 %2 %3 %4")
                                         .arg(game)
                                         .arg(entry.score)
                                         .arg(occurrence)
                                         .arg(entry.name);
                if (done.contains(item)) {
                    ++before;
                    continue;
                }
                if (!query.prepare(QStringLiteral("INSERT INTO %1 (\"game\", \"name\", \"score\") "
                                                  "VALUES (?, ?, ?)")
                                       .arg(server_table::highScoreTable()))) {
                    return failure(query);
                }
                query.addBindValue(game);
                query.addBindValue(entry.name);
                query.addBindValue(entry.score);
                if (!query.exec()) {
                    return failure(query);
                }
                if (StoreStatus status = markCopied(item); !status) {
                    return status;
                }
                ++copied;
            }
            // The table keeps its best entries, the earlier first among equal scores.
            if (!query.prepare(QStringLiteral("DELETE FROM %1 WHERE \"id\" IN (SELECT \"id\" FROM "
                                              "%1 WHERE \"game\" = ? ORDER BY \"score\" DESC, "
                                              "\"id\" OFFSET ?)")
                                   .arg(server_table::highScoreTable()))) {
                return failure(query);
            }
            query.addBindValue(game);
            query.addBindValue(count);
            return query.exec() ? StoreStatus{} : failure(query);
        });
        if (status) {
            outcome.scoresCopied += copied;
            outcome.scoresCopiedBefore += before;
        }
        return status;
    }

private:
    bool exec(QSqlQuery& query, const QString& sql) { return query.exec(sql); }
    StoreStatus failure(const QSqlQuery& query) const {
        return server_table::problemOf(query.lastError(), place_, QStringLiteral("written"));
    }

    // The items of this data folder already copied whose names match `pattern` (SQL LIKE).
    StoreStatus copiedItems(const QString& pattern, QSet<QString>& items) {
        QSqlQuery query(db_);
        if (!query.prepare(QStringLiteral("SELECT \"item\" FROM %1 WHERE \"source\" = ? AND "
                                          "\"item\" LIKE ?")
                               .arg(server_table::copiedTable()))) {
            return failure(query);
        }
        query.addBindValue(source_);
        query.addBindValue(pattern);
        if (!query.exec()) {
            return failure(query);
        }
        while (query.next()) {
            items.insert(query.value(0).toString());
        }
        return {};
    }

    StoreStatus markCopied(const QString& item) {
        QSqlQuery query(db_);
        if (!query.prepare(QStringLiteral("INSERT INTO %1 (\"source\", \"item\") VALUES (?, ?)")
                               .arg(server_table::copiedTable()))) {
            return failure(query);
        }
        query.addBindValue(source_);
        query.addBindValue(item);
        return query.exec() ? StoreStatus{} : failure(query);
    }

    QSqlDatabase db_;
    QString place_;
    QString source_;
};

// Every player of the players file, none when there is no file (none is made).
StoreResult<std::vector<LocalPlayer>> localPlayers(const DataDirectory& directory) {
    using Result = StoreResult<std::vector<LocalPlayer>>;
    std::vector<LocalPlayer> players;
    if (!QFileInfo::exists(directory.file(PlayerStore::fileName()))) {
        return {std::move(players), {}};
    }
    PlayerStore store(directory);
    if (StoreStatus status = store.open(); !status) {
        return Result::failure(status);
    }
    const auto entries = store.players();
    if (!entries) {
        return Result::failure(entries.status);
    }
    for (const PlayerEntry& entry : *entries) {
        auto record = store.read(entry.id);
        if (!record) {
            return Result::failure(record.status);
        }
        auto answers = store.answersOf(entry.id);
        if (!answers) {
            return Result::failure(answers.status);
        }
        players.push_back({entry.id, *std::move(record), *std::move(answers)});
    }
    return {std::move(players), {}};
}

} // namespace

ServerCopyOutcome copyToServer(const DataDirectory& directory, const ServerAddress& server,
                               const i18n::CaptionTable& captions, int busyTimeoutMs) {
    ServerCopyOutcome outcome;
    const auto players = localPlayers(directory);
    if (!players) {
        outcome.status = players.status;
        return outcome;
    }
    const QString name = QStringLiteral("pulsadrome-copy-%1").arg(++connectionCount);
    {
        outcome.status = server_table::connect(name, server, busyTimeoutMs);
        if (outcome.status) {
            Copier copier(QSqlDatabase::database(name, false), server.shown(), sourceOf(directory));
            outcome.status = copier.copyPlayers(*players, outcome);
            const int count = play::kGameScoreCount;
            for (int game = 1; outcome.status && game <= play::kScoreTableCount; ++game) {
                const QString file = directory.file(QStringLiteral("Score%1.kdt").arg(game));
                if (!QFileInfo::exists(file)) {
                    continue;
                }
                const play::ScoreFileContents contents =
                    play::readScoreFile(file, count, kSeparator);
                if (contents.state != play::ScoreFileContents::State::Sound) {
                    outcome.scoreFilesSkipped
                        << captions.text(u"copie_table_illisible")
                               .arg(QFileInfo(file).fileName(),
                                    play::describe(contents.problem, captions));
                    continue;
                }
                std::vector<play::ScoreEntry> entries;
                for (const play::ScoreEntry& entry : contents.entries) {
                    if (entry.name != play::HighScoreList::kDefaultName ||
                        entry.score != play::HighScoreList::kDefaultScore) {
                        entries.push_back(entry);
                    }
                }
                outcome.status = copier.copyScores(game, entries, count, outcome);
            }
        }
        QSqlDatabase::database(name, false).close();
    }
    QSqlDatabase::removeDatabase(name);
    return outcome;
}

QString copyOutcomeText(const i18n::CaptionTable& captions, const ServerCopyOutcome& outcome) {
    QStringList sentences;
    if (!outcome.ok()) {
        sentences << storeFailureText(captions, u"copie_serveur_arretee", outcome.status);
    }
    sentences << captions.text(u"copie_serveur_faite")
                     .arg(outcome.playersCopied)
                     .arg(outcome.scoresCopied)
                     .arg(outcome.answersCopied);
    if (outcome.playersCopiedBefore > 0 || outcome.scoresCopiedBefore > 0) {
        sentences << captions.text(u"copie_serveur_deja_faite")
                         .arg(outcome.playersCopiedBefore)
                         .arg(outcome.scoresCopiedBefore);
    }
    QString text = sentences.join(QLatin1Char(' '));
    if (!outcome.renamed.empty()) {
        // One player a line, each kept whole.
        const QChar space(0x00a0);
        text += QLatin1Char('\n') + captions.text(u"copie_serveur_renommes");
        for (const auto& [here, there] : outcome.renamed) {
            text += QStringLiteral("\n• ") + QString(here).replace(QLatin1Char(' '), space) +
                    space + QChar(0x2192) + QLatin1Char(' ') +
                    QString(there).replace(QLatin1Char(' '), space);
        }
    }
    if (!outcome.scoreFilesSkipped.isEmpty()) {
        text += QLatin1Char('\n') + outcome.scoreFilesSkipped.join(QLatin1Char(' '));
    }
    return text;
}

} // namespace pulsadrome::app
