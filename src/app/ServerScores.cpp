// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ServerScores.h"

#include "app/PlayerTable.h"
#include "app/ProblemTexts.h"
#include "app/ServerTable.h"
#include "play/games/HighScoreList.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include <algorithm>
#include <atomic>

namespace pulsadrome::app {

namespace {

std::atomic<int> connectionCount{0};

// An entry of a table on the server: its row, or 0 for a default entry.
struct Row {
    qint64 id = 0;
    play::ScoreEntry entry;
};

std::vector<play::ScoreEntry> entriesOf(const std::vector<Row>& rows) {
    std::vector<play::ScoreEntry> entries;
    entries.reserve(rows.size());
    for (const Row& row : rows) {
        entries.push_back(row.entry);
    }
    return entries;
}

// The rows read (best first, the earlier first among equals) completed to `count` entries as
// play::completedTable completes a table.
std::vector<Row> completedRows(std::vector<Row> rows, int count) {
    while (static_cast<int>(rows.size()) < count) {
        rows.push_back(
            {0, {play::HighScoreList::kDefaultName, play::HighScoreList::kDefaultScore}});
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [](const Row& a, const Row& b) { return a.entry.score > b.entry.score; });
    rows.resize(static_cast<std::size_t>(std::max(count, 0)));
    return rows;
}

StoreStatus noTable(const QString& place, int game) {
    return player_table::failed(
        QStringLiteral("The high scores of %1 have no table %2.").arg(place).arg(game));
}

// The keeper of one game's table for the score window.
class ServerScoreKeeper final : public play::ScoreKeeper {
public:
    ServerScoreKeeper(ServerScores& scores, QString gameCode, const i18n::CaptionTable& captions)
        : scores_(scores), gameCode_(std::move(gameCode)), game_(play::scoreTableNumber(gameCode_)),
          captions_(captions) {}

    play::KeptTable load(int count, const QString& separator) override {
        if (game_ == 0) {
            return {play::completedTable({}, count), noTableStatus()};
        }
        auto read = scores_.read(game_, count);
        if (!read) {
            return {play::completedTable({}, count),
                    failure(u"score_serveur_illisible", read.status)};
        }
        std::vector<play::ScoreEntry> entries = *std::move(read);
        for (play::ScoreEntry& entry : entries) {
            entry = play::storableEntry(entry, separator);
        }
        return {std::move(entries), {}};
    }

    play::KeptTable enter(const play::ScoreEntry& entry, int /*position*/,
                          const std::vector<play::ScoreEntry>& shown,
                          const QString& /*separator*/) override {
        if (game_ == 0) {
            return {shown, noTableStatus()};
        }
        auto entered = scores_.enter(game_, entry, static_cast<int>(shown.size()));
        if (!entered) {
            return {shown, failure(u"score_serveur_non_enregistre", entered.status)};
        }
        return {entered->table, {}};
    }

private:
    play::ScoreFileStatus failure(QStringView key, const StoreStatus& status) const {
        return {play::ScoreFileStatus::Kind::Failed,
                storeFailureText(captions_, key, status),
                {},
                storeProblemDetail(captions_, status, scores_.place())};
    }
    play::ScoreFileStatus noTableStatus() const {
        return {play::ScoreFileStatus::Kind::Failed,
                captions_.text(u"score_pas_de_table").arg(gameCode_),
                {},
                {}};
    }

    ServerScores& scores_;
    QString gameCode_;
    int game_;
    const i18n::CaptionTable& captions_;
};

} // namespace

ServerScores::ServerScores(const ServerAddress& server, int busyTimeoutMs)
    : server_(server), busyTimeoutMs_(busyTimeoutMs),
      connectionName_(QStringLiteral("pulsadrome-scores-%1").arg(++connectionCount)) {}

ServerScores::~ServerScores() {
    close();
}

void ServerScores::useServer(const ServerAddress& server) {
    close();
    server_ = server;
}

QSqlDatabase ServerScores::connection() const {
    return QSqlDatabase::database(connectionName_, false);
}

void ServerScores::close() {
    open_ = false;
    if (QSqlDatabase::contains(connectionName_)) {
        connection().close();
        QSqlDatabase::removeDatabase(connectionName_);
    }
}

StoreStatus ServerScores::problem(const QSqlError& error, const QString& done) {
    StoreStatus status = server_table::problemOf(error, place(), done);
    // Words without a code from a broken connection: the server was lost, in any language.
    if (status.fault == StoreFault::Other && error.nativeErrorCode().isEmpty() &&
        server_table::connectionLost(connection())) {
        status = server_table::problemOf(
            QSqlError(error.driverText(), error.databaseText(), QSqlError::ConnectionError),
            place(), done);
    }
    if (status.fault == StoreFault::Unreachable) {
        open_ = false; // opened again at the next operation
    }
    return status;
}

StoreStatus ServerScores::connect() {
    if (open_) {
        return {};
    }
    // Another computer entering its score holds this one's for at most the busy timeout.
    StoreStatus status = server_table::connect(connectionName_, server_, busyTimeoutMs_);
    open_ = status.ok();
    return status;
}

StoreResult<std::vector<play::ScoreEntry>> ServerScores::read(int game, int count) {
    using Result = StoreResult<std::vector<play::ScoreEntry>>;
    if (game < 1 || game > play::kScoreTableCount) {
        return Result::failure(noTable(place(), game));
    }
    if (StoreStatus status = connect(); !status) {
        return Result::failure(status);
    }
    QSqlQuery query(connection());
    query.setForwardOnly(true);
    if (!query.prepare(QStringLiteral("SELECT \"name\", \"score\" FROM %1 WHERE \"game\" = ? "
                                      "ORDER BY \"score\" DESC, \"id\" LIMIT ?")
                           .arg(server_table::highScoreTable()))) {
        return Result::failure(problem(query.lastError(), QStringLiteral("read")));
    }
    query.addBindValue(game);
    query.addBindValue(std::max(count, 0));
    if (!query.exec()) {
        return Result::failure(problem(query.lastError(), QStringLiteral("read")));
    }
    std::vector<play::ScoreEntry> kept;
    while (query.next()) {
        kept.push_back({query.value(0).toString(), query.value(1).toInt()});
    }
    if (query.lastError().isValid()) {
        return Result::failure(problem(query.lastError(), QStringLiteral("read")));
    }
    return {play::completedTable(std::move(kept), count), {}};
}

StoreResult<ServerScores::Entered> ServerScores::enter(int game, const play::ScoreEntry& entry,
                                                       int count) {
    using Result = StoreResult<Entered>;
    if (game < 1 || game > play::kScoreTableCount) {
        return Result::failure(noTable(place(), game));
    }
    const QString written = QStringLiteral("written");
    StoreStatus status = connect();
    if (!status) {
        return Result::failure(status);
    }
    QSqlDatabase db = connection();
    if (!db.transaction()) {
        // Nothing was sent yet: a connection the server ended since the last game (a restart)
        // is opened again once.
        status = problem(db.lastError(), written);
        if (status.fault != StoreFault::Unreachable || !(status = connect())) {
            return Result::failure(status);
        }
        db = connection();
        if (!db.transaction()) {
            return Result::failure(problem(db.lastError(), written));
        }
    }
    qint64 transaction = 0;
    Result result = enterLocked(db, game, entry, count, transaction);
    if (!result) {
        db.rollback();
        return result;
    }
    if (!db.commit()) {
        const StoreStatus lost = problem(db.lastError(), written);
        if (lost.fault == StoreFault::Unreachable && transaction != 0 &&
            wasCommitted(transaction)) {
            return result;
        }
        db.rollback();
        return Result::failure(lost);
    }
    return result;
}

StoreResult<ServerScores::Entered> ServerScores::enterLocked(QSqlDatabase& db, int game,
                                                             const play::ScoreEntry& entry,
                                                             int count, qint64& transaction) {
    using Result = StoreResult<Entered>;
    const QString written = QStringLiteral("written");
    const QString table = server_table::highScoreTable();
    QSqlQuery query(db);
    query.setForwardOnly(true);
    // Every other computer's entry waits until this one has ended, and this one until theirs
    // have: each reads the table as the last one left it.
    if (!query.exec(QStringLiteral("LOCK TABLE %1 IN EXCLUSIVE MODE").arg(table))) {
        return Result::failure(problem(query.lastError(), written));
    }
    if (!query.prepare(QStringLiteral("SELECT \"id\", \"name\", \"score\" FROM %1 WHERE "
                                      "\"game\" = ? ORDER BY \"score\" DESC, \"id\"")
                           .arg(table))) {
        return Result::failure(problem(query.lastError(), written));
    }
    query.addBindValue(game);
    if (!query.exec()) {
        return Result::failure(problem(query.lastError(), written));
    }
    std::vector<Row> rows;
    while (query.next()) {
        rows.push_back(
            {query.value(0).toLongLong(), {query.value(1).toString(), query.value(2).toInt()}});
    }
    if (query.lastError().isValid()) {
        return Result::failure(problem(query.lastError(), written));
    }
    rows = completedRows(std::move(rows), count);
    const int position = play::rankOf(entriesOf(rows), entry.score);
    if (position < 0) {
        return {Entered{entriesOf(rows), false}, {}};
    }

    if (!query.prepare(QStringLiteral("INSERT INTO %1 (\"game\", \"name\", \"score\") VALUES "
                                      "(?, ?, ?) RETURNING \"id\", txid_current()")
                           .arg(table))) {
        return Result::failure(problem(query.lastError(), written));
    }
    query.addBindValue(game);
    query.addBindValue(entry.name.isNull() ? QStringLiteral("") : entry.name);
    query.addBindValue(entry.score);
    if (!query.exec() || !query.next()) {
        return Result::failure(problem(query.lastError(), written));
    }
    const qint64 id = query.value(0).toLongLong();
    transaction = query.value(1).toLongLong();
    query.finish();
    rows.insert(rows.begin() + position, Row{id, entry});
    rows.resize(static_cast<std::size_t>(count));

    // The rows pushed out of the table, and any a table held beyond its count.
    QStringList kept;
    for (const Row& row : rows) {
        if (row.id != 0) {
            kept << QString::number(row.id);
        }
    }
    if (!query.prepare(QStringLiteral("DELETE FROM %1 WHERE \"game\" = ? AND \"id\" NOT IN (%2)")
                           .arg(table, kept.join(QLatin1Char(','))))) {
        return Result::failure(problem(query.lastError(), written));
    }
    query.addBindValue(game);
    if (!query.exec()) {
        return Result::failure(problem(query.lastError(), written));
    }
    return {Entered{entriesOf(rows), true}, {}};
}

bool ServerScores::wasCommitted(qint64 transaction) {
    if (!connect()) {
        return false;
    }
    QSqlQuery query(connection());
    if (!query.exec(QStringLiteral("SELECT txid_status(%1)").arg(transaction)) || !query.next()) {
        problem(query.lastError(), QStringLiteral("read"));
        return false;
    }
    return query.value(0).toString() == QLatin1String("committed");
}

std::unique_ptr<play::ScoreKeeper> ServerScores::keeperOf(const QString& gameCode,
                                                          const i18n::CaptionTable& captions) {
    return std::make_unique<ServerScoreKeeper>(*this, gameCode, captions);
}

} // namespace pulsadrome::app
