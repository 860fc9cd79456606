// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ServerScores.h"

#include "app/PlayerTable.h"
#include "app/ProblemTexts.h"
#include "app/ServerTable.h"
#include "play/games/HighScoreList.h"

#include <QPromise>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QThread>
#include <QVariant>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>

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

StoreStatus unreachableNow(const QString& place) {
    return player_table::failed(
        QStringLiteral("The high scores of %1 cannot be reached at the moment.").arg(place),
        StoreFault::Unreachable);
}

// The keeper of one game's table for the score window. Its sentences are made where the answer
// arrives, on the scores' thread, from the captions as they were when the keeper was made.
class ServerScoreKeeper final : public play::ScoreKeeper {
public:
    ServerScoreKeeper(ServerScores& scores, QString gameCode, const i18n::CaptionTable& captions)
        : scores_(scores), gameCode_(std::move(gameCode)), game_(play::scoreTableNumber(gameCode_)),
          captions_(std::make_shared<const i18n::CaptionTable>(captions)) {}

    QFuture<play::KeptTable> load(int count, const QString& separator) override {
        if (game_ == 0) {
            return QtFuture::makeReadyFuture(
                play::KeptTable{play::completedTable({}, count), noTableStatus()});
        }
        return scores_.readLater(game_, count)
            .then([captions = captions_, place = scores_.place(), count,
                   separator](ServerScores::Table read) {
                if (!read) {
                    return play::KeptTable{
                        play::completedTable({}, count),
                        failure(*captions, u"score_serveur_illisible", read.status, place)};
                }
                std::vector<play::ScoreEntry> entries = *std::move(read);
                for (play::ScoreEntry& entry : entries) {
                    entry = play::storableEntry(entry, separator);
                }
                return play::KeptTable{std::move(entries), {}};
            });
    }

    QFuture<play::KeptTable> enter(const play::ScoreEntry& entry, int /*position*/,
                                   const std::vector<play::ScoreEntry>& shown,
                                   const QString& /*separator*/) override {
        if (game_ == 0) {
            return QtFuture::makeReadyFuture(play::KeptTable{shown, noTableStatus()});
        }
        return scores_.enterLater(game_, entry, static_cast<int>(shown.size()))
            .then([captions = captions_, place = scores_.place(),
                   shown](StoreResult<ServerScores::Entered> entered) {
                if (!entered) {
                    return play::KeptTable{
                        shown,
                        failure(*captions, u"score_serveur_non_enregistre", entered.status, place)};
                }
                return play::KeptTable{entered->table, {}};
            });
    }

private:
    static play::ScoreFileStatus failure(const i18n::CaptionTable& captions, QStringView key,
                                         const StoreStatus& status, const QString& place) {
        return {play::ScoreFileStatus::Kind::Failed,
                storeFailureText(captions, key, status),
                {},
                storeProblemDetail(captions, status, place)};
    }
    play::ScoreFileStatus noTableStatus() const {
        return {play::ScoreFileStatus::Kind::Failed,
                captions_->text(u"score_pas_de_table").arg(gameCode_),
                {},
                {}};
    }

    ServerScores& scores_;
    QString gameCode_;
    int game_;
    std::shared_ptr<const i18n::CaptionTable> captions_;
};

} // namespace

// The scores' thread: its connection, and the operations waiting their turn.
class ServerScores::Worker {
public:
    Worker(ServerAddress server, int busyTimeoutMs)
        : server_(std::move(server)), busyTimeoutMs_(busyTimeoutMs),
          connectionName_(QStringLiteral("pulsadrome-scores-%1").arg(++connectionCount)) {
        thread_.reset(QThread::create([this] { run(); }));
        thread_->start();
    }
    ~Worker() {
        {
            const std::lock_guard lock(mutex_);
            stop_ = true;
        }
        wake_.notify_all();
        {
            // An operation waiting for a server that does not answer ends now: its reads fail,
            // as do those of a connection opened from now on.
            const std::lock_guard lock(socketMutex_);
            cutting_ = true;
            if (socket_ >= 0) {
                server_table::cutShort(socket_);
            }
        }
        thread_->wait();
    }
    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;

    // Runs `job` on the thread after the operations asked before it; with none when the object
    // ends first.
    void post(std::function<void(Worker*)> job) {
        {
            const std::lock_guard lock(mutex_);
            jobs_.push_back(std::move(job));
        }
        wake_.notify_all();
    }

    // Whether the last operation ended finding the server unreachable.
    std::atomic<bool> foundUnreachable{false};

    // On the thread:
    void useServer(const ServerAddress& server) {
        close();
        server_ = server;
    }
    Table read(int game, int count);
    StoreResult<Entered> enter(int game, const play::ScoreEntry& entry, int count);

private:
    void run();
    Table readOnce(int game, int count);
    QString place() const { return server_.shown(); }
    QSqlDatabase connection() const;
    // Opens the connection when there is none or the last operation lost it.
    StoreStatus connect();
    void close();
    // The socket the destructor may cut short: the open connection's, none once it is lost
    // (libpq has closed it, and its number may be another file's by now).
    void noteSocket() {
        const int socket = open_ ? server_table::connectionSocket(connection()) : -1;
        const std::lock_guard lock(socketMutex_);
        socket_ = socket;
    }
    StoreStatus problem(const QSqlError& error, const QString& done);
    StoreResult<Entered> enterLocked(QSqlDatabase& db, int game, const play::ScoreEntry& entry,
                                     int count, qint64& transaction);
    // After a lost end of transaction: whether `transaction` was kept by the server.
    bool wasCommitted(qint64 transaction);

    ServerAddress server_;
    int busyTimeoutMs_;
    QString connectionName_;
    bool open_ = false;

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void(Worker*)>> jobs_;
    bool stop_ = false;
    std::mutex socketMutex_;
    int socket_ = -1; // the open connection's socket, for the destructor to cut short
    bool cutting_ = false;
    std::unique_ptr<QThread> thread_;
};

void ServerScores::Worker::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [&] { return stop_ || !jobs_.empty(); });
        if (jobs_.empty()) {
            break;
        }
        std::function<void(Worker*)> job = std::move(jobs_.front());
        jobs_.pop_front();
        const bool ending = stop_;
        lock.unlock();
        job(ending ? nullptr : this);
        noteSocket();
        lock.lock();
    }
    lock.unlock();
    close();
}

ServerScores::ServerScores(const ServerAddress& server, int busyTimeoutMs)
    : server_(server), worker_(std::make_unique<Worker>(server, busyTimeoutMs)) {}

ServerScores::~ServerScores() = default;

void ServerScores::useServer(const ServerAddress& server) {
    server_ = server;
    worker_->post([server](Worker* worker) {
        if (worker) {
            worker->useServer(server);
        }
    });
}

bool ServerScores::knownUnreachable() {
    const bool found = worker_->foundUnreachable.exchange(false);
    return watch_ && watch_(found);
}

namespace {

// `work` on the scores' thread, its answer as a future; failed when the object ends first.
template <typename T, typename Post, typename Work>
QFuture<T> later(Post&& post, const QString& place, Work work) {
    auto promise = std::make_shared<QPromise<T>>();
    QFuture<T> future = promise->future();
    promise->start();
    post([promise, place, work = std::move(work)](auto* worker) {
        if (!worker) {
            promise->addResult(T::failure(player_table::failed(
                QStringLiteral("The program ended before the high scores of %1 answered.")
                    .arg(place),
                StoreFault::Unreachable)));
        } else {
            T result = work(*worker);
            worker->foundUnreachable = !result && result.status.fault == StoreFault::Unreachable;
            promise->addResult(std::move(result));
        }
        promise->finish();
    });
    return future;
}

} // namespace

QFuture<ServerScores::Table> ServerScores::readLater(int game, int count) {
    if (knownUnreachable()) {
        return QtFuture::makeReadyFuture(Table::failure(unreachableNow(place())));
    }
    return later<Table>([this](auto job) { worker_->post(std::move(job)); }, place(),
                        [game, count](Worker& worker) { return worker.read(game, count); });
}

QFuture<StoreResult<ServerScores::Entered>>
ServerScores::enterLater(int game, const play::ScoreEntry& entry, int count) {
    using Result = StoreResult<Entered>;
    if (knownUnreachable()) {
        return QtFuture::makeReadyFuture(Result::failure(unreachableNow(place())));
    }
    return later<Result>(
        [this](auto job) { worker_->post(std::move(job)); }, place(),
        [game, entry, count](Worker& worker) { return worker.enter(game, entry, count); });
}

QSqlDatabase ServerScores::Worker::connection() const {
    return QSqlDatabase::database(connectionName_, false);
}

void ServerScores::Worker::close() {
    open_ = false;
    {
        const std::lock_guard lock(socketMutex_);
        socket_ = -1;
    }
    if (QSqlDatabase::contains(connectionName_)) {
        connection().close();
        QSqlDatabase::removeDatabase(connectionName_);
    }
}

StoreStatus ServerScores::Worker::problem(const QSqlError& error, const QString& done) {
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
        noteSocket();
    }
    return status;
}

StoreStatus ServerScores::Worker::connect() {
    if (open_) {
        return {};
    }
    {
        const std::lock_guard lock(socketMutex_);
        socket_ = -1;
        if (cutting_) {
            // The object ends: no new connection to wait for.
            return player_table::failed(
                QStringLiteral("The program ended before the high scores of %1 answered.")
                    .arg(place()),
                StoreFault::Unreachable);
        }
    }
    // Another computer entering its score holds this one's for at most the busy timeout.
    StoreStatus status = server_table::connect(connectionName_, server_, busyTimeoutMs_);
    open_ = status.ok();
    if (open_) {
        const std::lock_guard lock(socketMutex_);
        socket_ = server_table::connectionSocket(connection());
        if (cutting_ && socket_ >= 0) {
            server_table::cutShort(socket_);
        }
    }
    return status;
}

ServerScores::Table ServerScores::Worker::read(int game, int count) {
    if (game < 1 || game > play::kScoreTableCount) {
        return Table::failure(noTable(place(), game));
    }
    const bool wasOpen = open_;
    Table table = readOnce(game, count);
    // A connection the server ended since the last operation (a restart): opened again once,
    // as reading twice changes nothing.
    if (!table && wasOpen && table.status.fault == StoreFault::Unreachable) {
        table = readOnce(game, count);
    }
    return table;
}

ServerScores::Table ServerScores::Worker::readOnce(int game, int count) {
    using Result = Table;
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

StoreResult<ServerScores::Entered>
ServerScores::Worker::enter(int game, const play::ScoreEntry& entry, int count) {
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

StoreResult<ServerScores::Entered> ServerScores::Worker::enterLocked(QSqlDatabase& db, int game,
                                                                     const play::ScoreEntry& entry,
                                                                     int count,
                                                                     qint64& transaction) {
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

bool ServerScores::Worker::wasCommitted(qint64 transaction) {
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
