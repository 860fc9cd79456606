// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PlayerStore.h"

#include "app/AnswerTable.h"
#include "app/PlayerTable.h"
#include "app/ServerOutbox.h"
#include "app/ServerTable.h"
#include "catalogue/Progress.h"

#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QUrl>

#include <atomic>

namespace pulsadrome::app {

namespace {

using player_table::failed;
using player_table::problemOf;

StoreStatus notOpen(const QString& file) {
    return failed(QStringLiteral("The player database %1 is not open.").arg(file));
}

// A null QString would be stored as NULL; the record's columns always hold text.
QString textForStorage(const QString& text) {
    return text.isNull() ? QStringLiteral("") : text;
}

QString freeAsideName(const QString& file) {
    const QString base = file + QStringLiteral(".damaged-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString name = base;
    for (int n = 2; QFileInfo::exists(name) || QFileInfo::exists(name + QStringLiteral("-wal"));
         ++n) {
        name = base + QLatin1Char('-') + QString::number(n);
    }
    return name;
}

std::atomic<int> connectionCount{0};

// The record of the row `query` stands on, whose columns from `first` on are the record's.
PlayerRecord recordAt(const QSqlQuery& query, int first) {
    PlayerRecord record;
    for (int i = 0; i < kColumnCount; ++i) {
        record.text(i) = query.value(first + i).toString();
    }
    return record;
}

// A new, empty database file that only its owner may read or write. SQLite takes an empty file
// for an empty database, and gives its journals and index the file's mode.
StoreStatus createPrivateFile(const QString& path) {
    constexpr QFileDevice::Permissions kOwnerOnly =
        QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly, kOwnerOnly)) {
        // Without the file's own error, the folder tells why: it may not be written.
        const QFileInfo folder(QFileInfo(path).absolutePath());
        const StoreFault fault =
            file.error() == QFileDevice::PermissionsError || !folder.isWritable()
                ? StoreFault::NoPermission
            : file.error() == QFileDevice::ResourceError ? StoreFault::DiskFull
                                                         : StoreFault::CannotOpen;
        return failed(QStringLiteral("The player database %1 could not be created: %2.")
                          .arg(path, file.errorString()),
                      fault, file.errorString());
    }
    file.close();
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                            QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                            QFileDevice::WriteOther | QFileDevice::ExeOther;
    if ((file.permissions() & others) && !file.setPermissions(kOwnerOnly)) {
        // A file system without Unix modes (FAT, some network shares): the file still works.
        qWarning().noquote() << "The player database" << path
                             << "could not be made private to its owner:" << file.errorString();
    }
    return {};
}

// True when the file's header says it is kept in WAL mode (read and write versions 2).
bool headerSaysWal(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray head = f.read(20);
    return head.size() == 20 && head.startsWith(QByteArray("SQLite format 3", 16)) &&
           head.at(18) == 2 && head.at(19) == 2;
}

} // namespace

PlayerStore::PlayerStore(const DataDirectory& directory, int busyTimeoutMs)
    : file_(directory.file(fileName())),
      connectionName_(QStringLiteral("pulsadrome-players-%1").arg(++connectionCount)),
      busyTimeoutMs_(busyTimeoutMs) {}

PlayerStore::PlayerStore(const ServerAddress& server, int busyTimeoutMs)
    : file_(server.shown()), server_(server),
      connectionName_(QStringLiteral("pulsadrome-players-%1").arg(++connectionCount)),
      busyTimeoutMs_(busyTimeoutMs) {}

void PlayerStore::useFile(const DataDirectory& directory) {
    closeConnection();
    currentId_.reset();
    current_ = {};
    stored_ = {};
    server_.reset();
    file_ = directory.file(fileName());
}

void PlayerStore::useServer(const ServerAddress& server) {
    closeConnection();
    currentId_.reset();
    current_ = {};
    stored_ = {};
    server_ = server;
    file_ = server.shown();
}

PlayerStore::~PlayerStore() {
    closeConnection();
}

QSqlDatabase PlayerStore::connection() const {
    return QSqlDatabase::database(connectionName_, false);
}

StoreStatus PlayerStore::judgeReadOnly(bool& interruptedWrite) const {
    // SQLite's read-only mode reads the WAL (and makes the index it needs) without ever copying
    // the WAL into the file. Two files are read as immutable instead, which creates and deletes
    // nothing: a WAL-mode file without its WAL (open in no other copy; a read-only connection
    // would leave an empty WAL and index beside it), and an empty file (SQLite would delete its
    // WAL).
    const QString name = connectionName_ + QStringLiteral("-judge");
    StoreStatus status;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        QString options =
            QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs_);
        if (QFileInfo(file_).size() == 0 ||
            (headerSaysWal(file_) && !QFileInfo::exists(file_ + QStringLiteral("-wal")))) {
            db.setDatabaseName(QUrl::fromLocalFile(file_).toString(QUrl::FullyEncoded) +
                               QStringLiteral("?immutable=1"));
            options += QStringLiteral(";QSQLITE_OPEN_URI");
        } else {
            db.setDatabaseName(file_);
        }
        db.setConnectOptions(options);
        interruptedWrite = false;
        if (!db.open()) {
            status = problemOf(db.lastError(), file_, QStringLiteral("opened"));
        } else if (player_table::hasInterruptedWrite(db)) {
            interruptedWrite = true;
        } else {
            status = player_table::judge(db, file_);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return status;
}

StoreStatus PlayerStore::judgeExisting() {
    bool interruptedWrite = false;
    StoreStatus status = judgeReadOnly(interruptedWrite);
    if (status && interruptedWrite) {
        // A write cut short (a crash, a power cut) in rollback-journal mode: the journal holds
        // the pages as they were before it. Any writer that opens the file puts them back, and
        // so does this one before the file is judged as every later reader will see it.
        status = openConnection();
        if (status) {
            QSqlQuery query(connection());
            if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
                status = problemOf(query.lastError(), file_, QStringLiteral("recovered"));
            }
        }
        closeConnection();
        if (status) {
            status = judgeReadOnly(interruptedWrite);
        }
        if (status && interruptedWrite) {
            status = failed(QStringLiteral("The player database %1 holds a write cut short that "
                                           "could not be undone.")
                                .arg(file_));
        }
    }
    return status;
}

StoreStatus PlayerStore::openConnection() {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName_);
    db.setDatabaseName(file_);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs_));
    if (!db.open()) {
        return problemOf(db.lastError(), file_, QStringLiteral("opened"));
    }
    return {};
}

StoreStatus PlayerStore::openServer() {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName_);
    db.setHostName(server_->host);
    db.setPort(server_->port);
    db.setDatabaseName(server_->database);
    db.setUserName(server_->user);
    db.setPassword(server_->password);
    db.setConnectOptions(serverConnectOptions());
    if (!db.open()) {
        return openProblem(db.lastError());
    }
    // A row another computer is storing holds this one's store for at most the busy timeout.
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SET lock_timeout = %1").arg(busyTimeoutMs_))) {
        return problem(query.lastError(), QStringLiteral("opened"));
    }
    return {};
}

QString PlayerStore::idColumn() const {
    return server_ ? QStringLiteral("\"id\"") : QStringLiteral("rowid");
}

StoreStatus PlayerStore::problem(const QSqlError& error, const QString& done) const {
    StoreStatus status = server_table::problemIn(dialect(), error, file_, done);
    if (server_ && status.fault == StoreFault::Other && error.nativeErrorCode().isEmpty() &&
        server_table::connectionLost(connection())) {
        status = server_table::problemOf(
            QSqlError(error.driverText(), error.databaseText(), QSqlError::ConnectionError), file_,
            done);
    }
    noteLost(status);
    return status;
}

StoreStatus PlayerStore::openProblem(const QSqlError& error) const {
    // A server that refused answers again at once; one that did not answer gets a short
    // second chance only.
    constexpr int kLoginCheckMs = 3000;
    StoreStatus status = server_table::loginProblem(*server_, file_, error, kLoginCheckMs);
    noteLost(status);
    return status;
}

void PlayerStore::noteLost(const StoreStatus& status) const {
    if (!server_ || status.fault != StoreFault::Unreachable) {
        return;
    }
    lost_ = true;
    if (outbox_) {
        outbox_->serverLost();
    }
}

bool PlayerStore::serverKnownDown() const {
    return server_ && outbox_ && outbox_->serverDown();
}

void PlayerStore::serverFoundDown() {
    noteLost(failed(QStringLiteral("The player database %1 cannot be reached.").arg(file_),
                    StoreFault::Unreachable));
}

StoreStatus PlayerStore::reconnectIfLost() const {
    if (!server_ || !lost_) {
        return {};
    }
    if (outbox_ && outbox_->holding()) {
        // The sender has not reached the server since it was lost: no one waits for it here.
        return failed(
            QStringLiteral("The player database %1 cannot be reached at the moment.").arg(file_),
            StoreFault::Unreachable);
    }
    QSqlDatabase db = connection();
    db.close();
    // A server lost a moment ago is not asked again why: that could hold the screen.
    if (!db.open()) {
        return problem(db.lastError(), QStringLiteral("opened"));
    }
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SET lock_timeout = %1").arg(busyTimeoutMs_))) {
        return problem(query.lastError(), QStringLiteral("opened"));
    }
    lost_ = false;
    return {};
}

void PlayerStore::close() {
    closeConnection();
    currentId_.reset();
    current_ = {};
    stored_ = {};
}

void PlayerStore::handTo(QThread* thread) {
    if (QSqlDatabase::contains(connectionName_)) {
        if (QSqlDriver* driver = connection().driver()) {
            driver->moveToThread(thread);
        }
    }
}

void PlayerStore::closeConnection() {
    open_ = false;
    outbox_.reset(); // what is unsent goes into the journal
    if (QSqlDatabase::contains(connectionName_)) {
        connection().close();
        QSqlDatabase::removeDatabase(connectionName_);
    }
}

StoreStatus PlayerStore::open() {
    closeConnection();
    currentId_.reset();
    current_ = {};
    stored_ = {};
    lost_ = false;
    if (server_) {
        if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
            return failed(QStringLiteral("The player database %1 cannot be opened: Qt's "
                                         "PostgreSQL driver is not installed.")
                              .arg(file_));
        }
        StoreStatus status = openServer();
        if (status) {
            QSqlDatabase db = connection();
            status = server_table::prepare(db, file_);
        }
        if (status && journalFolder_) {
            status = sendJournal();
        }
        open_ = status.ok();
        if (status) {
            status = standOnFirstRow();
        }
        if (!status) {
            closeConnection();
        }
        return status;
    }
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        return failed(QStringLiteral("The player database %1 cannot be opened: Qt's SQLite "
                                     "driver is not installed.")
                          .arg(file_));
    }
    // An existing file is judged before anything can change it; only a sound one is opened for
    // writing, upgraded and used.
    const bool existed = QFileInfo::exists(file_);
    StoreStatus status = existed ? judgeExisting() : createPrivateFile(file_);
    if (status) {
        status = openConnection();
    }
    if (status) {
        QSqlDatabase db = connection();
        status = existed ? player_table::upgrade(db, file_) : player_table::create(db, file_);
    }
    open_ = status.ok();
    if (status) {
        status = standOnFirstRow();
    }
    if (!status) {
        closeConnection();
    }
    return status;
}

StoreStatus PlayerStore::sendJournal() {
    setAsideJournal_.clear();
    journalProblem_ = {};
    outbox_ = std::make_unique<ServerOutbox>(
        *server_, journalFolder_->file(ServerOutbox::fileName()), busyTimeoutMs_, retry_);
    const ServerOutbox::Loaded loaded = outbox_->load();
    setAsideJournal_ = loaded.setAside;
    journalProblem_ = loaded.status;
    if (!loaded.status) {
        qWarning().noquote() << loaded.status.message;
    }
    QSqlDatabase db = connection();
    const StoreStatus sent = outbox_->sendWaiting(db);
    if (!sent) {
        // The rest is sent when the server answers again; meanwhile the players read show it.
        qWarning().noquote() << "Changes kept from an earlier run could not all be sent yet:"
                             << sent.message;
        noteLost(sent);
    }
    return {};
}

void PlayerStore::keepUnsentIn(const DataDirectory& directory, ServerRetry retry) {
    journalFolder_ = directory;
    retry_ = retry;
}

std::size_t PlayerStore::unsentCount() const {
    return outbox_ ? outbox_->waitingCount() : 0;
}

WriteOutcome PlayerStore::keepUnsentNow() {
    return outbox_ ? outbox_->keepNow() : WriteOutcome{};
}

void PlayerStore::keepForLater(const std::vector<int>& changed) {
    UnsentChange change;
    change.player = *currentId_;
    for (const int i : changed) {
        change.columns.emplace_back(i, textForStorage(current_.text(i)));
        stored_.text(i) = current_.text(i);
    }
    outbox_->add(std::move(change));
}

StoreStatus PlayerStore::standOnFirstRow() {
    if (StoreStatus status = reconnectIfLost(); !status) {
        return status;
    }
    // The first row whole, in one statement.
    QSqlQuery query(connection());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT %2, %3 FROM %1 ORDER BY %2 LIMIT 1")
                        .arg(player_table::name(), idColumn(), player_table::columns()))) {
        return problem(query.lastError(), QStringLiteral("read"));
    }
    if (!query.next()) {
        return query.lastError().isValid() ? problem(query.lastError(), QStringLiteral("read"))
                                           : StoreStatus{};
    }
    const RowId first = query.value(0).toLongLong();
    PlayerRecord record = recordAt(query, 1);
    query.finish();
    withUnsent(first, record);
    currentId_ = first;
    current_ = std::move(record);
    stored_ = current_;
    return {};
}

StoreResult<QString> PlayerStore::setAsideAndCreateFresh() {
    if (server_) {
        return StoreResult<QString>::failure(
            failed(QStringLiteral("The player database %1 is on a server: it is not set aside.")
                       .arg(file_),
                   StoreFault::CannotSetAside));
    }
    closeConnection();
    currentId_.reset();
    current_ = {};
    stored_ = {};
    const QString aside = freeAsideName(file_);
    QFile file(file_);
    if (!file.rename(aside)) {
        return StoreResult<QString>::failure(
            failed(QStringLiteral("The file %1 could not be renamed to %2: %3.")
                       .arg(file_, aside, file.errorString()),
                   StoreFault::CannotSetAside, file.errorString()));
    }
    // A journal left beside the old file belongs to it; beside a new file SQLite would replay it.
    for (const QString& suffix :
         {QStringLiteral("-wal"), QStringLiteral("-shm"), QStringLiteral("-journal")}) {
        QFile companion(file_ + suffix);
        if (companion.exists() && !companion.rename(aside + suffix)) {
            return StoreResult<QString>::failure(
                failed(QStringLiteral("The file %1 was renamed to %2, but its companion %3 could "
                                      "not be renamed: %4.")
                           .arg(file_, aside, companion.fileName(), companion.errorString()),
                       StoreFault::CannotSetAside, companion.errorString()));
        }
    }
    if (const StoreStatus status = open(); !status) {
        return StoreResult<QString>::failure(status);
    }
    return {aside, {}};
}

StoreResult<std::vector<PlayerEntry>> PlayerStore::players() const {
    using Result = StoreResult<std::vector<PlayerEntry>>;
    if (!open_) {
        return Result::failure(notOpen(file_));
    }
    if (StoreStatus status = reconnectIfLost(); !status) {
        return Result::failure(status);
    }
    QSqlQuery query(connection());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT %2, \"Nom\" FROM %1 ORDER BY %2")
                        .arg(player_table::name(), idColumn()))) {
        return Result::failure(problem(query.lastError(), QStringLiteral("read")));
    }
    std::vector<PlayerEntry> entries;
    while (query.next()) {
        entries.push_back({query.value(0).toLongLong(), query.value(1).toString()});
    }
    if (query.lastError().isValid()) {
        return Result::failure(problem(query.lastError(), QStringLiteral("read")));
    }
    return {std::move(entries), {}};
}

StoreResult<PlayerRecord> PlayerStore::read(RowId id) const {
    using Result = StoreResult<PlayerRecord>;
    if (!open_) {
        return Result::failure(notOpen(file_));
    }
    if (StoreStatus status = reconnectIfLost(); !status) {
        return Result::failure(status);
    }
    Result row = readRow(id, false);
    if (row) {
        withUnsent(id, *row.value);
    }
    return row;
}

void PlayerStore::withUnsent(RowId id, PlayerRecord& record) const {
    if (outbox_) {
        // What this computer has not sent yet is part of the player as the screens see it.
        for (const UnsentChange& change : outbox_->waitingFor(id)) {
            applyChange(change, record);
        }
    }
}

StoreResult<PlayerRecord> PlayerStore::readRow(RowId id, bool lockForUpdate) const {
    using Result = StoreResult<PlayerRecord>;
    QSqlQuery query(connection());
    query.setForwardOnly(true);
    if (!query.prepare(
            QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?%4")
                .arg(player_table::columns(), player_table::name(), idColumn(),
                     lockForUpdate && server_ ? QStringLiteral(" FOR UPDATE") : QString()))) {
        return Result::failure(problem(query.lastError(), QStringLiteral("read")));
    }
    query.addBindValue(id);
    if (!query.exec()) {
        return Result::failure(problem(query.lastError(), QStringLiteral("read")));
    }
    if (!query.next()) {
        return Result::failure(
            query.lastError().isValid()
                ? problem(query.lastError(), QStringLiteral("read"))
                : failed(QStringLiteral("The player database %1 has no player number %2.")
                             .arg(file_)
                             .arg(id),
                         StoreFault::PlayerMissing));
    }
    return {recordAt(query, 0), {}};
}

StoreResult<RowId> PlayerStore::add(const PlayerRecord& record) {
    using Result = StoreResult<RowId>;
    if (!open_) {
        return Result::failure(notOpen(file_));
    }
    if (StoreStatus status = reconnectIfLost(); !status) {
        return Result::failure(status);
    }
    const QStringList marks(kColumnCount, QStringLiteral("?"));
    QSqlQuery query(connection());
    // The server says the new row's id in the statement's answer; SQLite keeps it aside.
    if (!query.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)%4")
                           .arg(player_table::name(), player_table::columns(),
                                marks.join(QLatin1Char(',')),
                                server_ ? QStringLiteral(" RETURNING \"id\"") : QString()))) {
        return Result::failure(problem(query.lastError(), QStringLiteral("written")));
    }
    for (int i = 0; i < kColumnCount; ++i) {
        query.addBindValue(textForStorage(record.text(i)));
    }
    if (!query.exec()) {
        return Result::failure(problem(query.lastError(), QStringLiteral("written")));
    }
    bool numeric = false;
    const RowId id = server_ ? (query.next() ? query.value(0).toLongLong(&numeric) : 0)
                             : query.lastInsertId().toLongLong(&numeric);
    if (!numeric) {
        return Result::failure(
            failed(QStringLiteral("The player database %1 did not say where it added the player.")
                       .arg(file_)));
    }
    return {id, {}};
}

StoreStatus PlayerStore::moveTo(RowId id) {
    auto record = read(id);
    if (!record) {
        return record.status;
    }
    currentId_ = id;
    current_ = *std::move(record);
    stored_ = current_;
    return {};
}

StoreStatus PlayerStore::reloadCurrent() {
    if (!currentId_) {
        current_ = {};
        stored_ = {};
        return {};
    }
    return moveTo(*currentId_);
}

StoreStatus PlayerStore::appendAnswers(const std::vector<answers::AnswerRecord>& records) {
    if (!open_) {
        return notOpen(file_);
    }
    if (outbox_) {
        return appendOrKeepAnswers(records);
    }
    if (StoreStatus status = reconnectIfLost(); !status) {
        return status;
    }
    QSqlDatabase db = connection();
    StoreStatus status = answer_table::append(dialect(), db, file_, records);
    noteLost(status);
    return status;
}

StoreStatus PlayerStore::appendOrKeepAnswers(const std::vector<answers::AnswerRecord>& records) {
    if (records.empty()) {
        return {};
    }
    UnsentChange change;
    change.kind = UnsentChange::Kind::Answers;
    change.answers = records;
    if (!outbox_->holding() && reconnectIfLost()) {
        QSqlDatabase db = connection();
        const StoreStatus status = sendChanges(
            db, file_, {change}, [&change](qint64 attempt) { change.attempt = attempt; });
        noteLost(status);
        if (status || status.fault != StoreFault::Unreachable) {
            return status;
        }
    }
    // The transaction's number lets the sender ask whether a send cut short was committed.
    outbox_->add(std::move(change));
    return {};
}

StoreResult<std::vector<answers::AnswerRecord>> PlayerStore::answersOf(RowId id) const {
    if (!open_) {
        return StoreResult<std::vector<answers::AnswerRecord>>::failure(notOpen(file_));
    }
    if (StoreStatus status = reconnectIfLost(); !status) {
        return StoreResult<std::vector<answers::AnswerRecord>>::failure(status);
    }
    QSqlDatabase db = connection();
    auto answers = answer_table::read(dialect(), db, file_, id);
    noteLost(answers.status);
    if (answers && outbox_) {
        for (const answers::AnswerRecord& record : outbox_->waitingAnswersOf(id)) {
            answers.value->push_back(record);
        }
    }
    return answers;
}

StoreResult<std::map<RowId, AnswerTotals>>
PlayerStore::answerTotals(const std::vector<RowId>& players) const {
    if (!open_) {
        return StoreResult<std::map<RowId, AnswerTotals>>::failure(notOpen(file_));
    }
    if (StoreStatus status = reconnectIfLost(); !status) {
        return StoreResult<std::map<RowId, AnswerTotals>>::failure(status);
    }
    QSqlDatabase db = connection();
    auto totals = answer_table::totals(dialect(), db, file_);
    noteLost(totals.status);
    // A child who answered while the server was away: its answers read with those waiting.
    for (const RowId player : outbox_&& totals ? players : std::vector<RowId>{}) {
        if (!outbox_->waitingAnswersOf(player).empty()) {
            const auto all = answersOf(player);
            if (!all) {
                return StoreResult<std::map<RowId, AnswerTotals>>::failure(all.status);
            }
            totals.value->insert_or_assign(player, answer_table::totalsOf(*all));
        }
    }
    return totals;
}

StoreStatus PlayerStore::storePassword(const QString& password) {
    if (!open_) {
        return notOpen(file_);
    }
    if (!currentId_) {
        return failed(QStringLiteral("No player is chosen in the player database %1.").arg(file_));
    }
    if (StoreStatus status = reconnectIfLost(); !status) {
        return status;
    }
    if (auto status = updateCurrentRow({QStringLiteral("password")}, {password}); !status.ok()) {
        return status;
    }
    current_.password = password;
    stored_.password = password;
    return {};
}

StoreStatus PlayerStore::storeCurrent() {
    if (!open_) {
        return notOpen(file_);
    }
    if (!currentId_) {
        return failed(QStringLiteral("No player is chosen in the player database %1.").arg(file_));
    }
    std::vector<int> changed;
    for (int i = 0; i < kColumnCount; ++i) {
        if (current_.text(i) != stored_.text(i)) {
            changed.push_back(i);
        }
    }
    if (changed.empty()) {
        return {};
    }
    if (outbox_ && outbox_->holding()) {
        keepForLater(changed);
        return {};
    }
    PlayerRecord written;
    StoreStatus status = writeInTransaction(changed, written);
    if (!status) {
        if (outbox_ && status.fault == StoreFault::Unreachable) {
            // Sent later: the same columns, merged then with the row as the server has it.
            keepForLater(changed);
            return {};
        }
        return status;
    }
    for (const int i : changed) {
        current_.text(i) = written.text(i);
        stored_.text(i) = written.text(i);
    }
    return {};
}

StoreStatus PlayerStore::writeInTransaction(const std::vector<int>& changed,
                                            PlayerRecord& written) {
    if (StoreStatus status = reconnectIfLost(); !status) {
        return status;
    }
    // IMMEDIATE takes SQLite's write lock before the row is read again, and the server locks the
    // row as it is read again (writeChanges()), so no other copy can write between that read
    // and this write.
    QSqlQuery begin(connection());
    if (!begin.exec(server_ ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE"))) {
        return problem(begin.lastError(), QStringLiteral("written"));
    }
    StoreStatus status = writeChanges(changed, written);
    if (status) {
        QSqlQuery commit(connection());
        if (!commit.exec(QStringLiteral("COMMIT"))) {
            status = problem(commit.lastError(), QStringLiteral("written"));
        }
    }
    if (!status) {
        QSqlQuery rollback(connection());
        rollback.exec(QStringLiteral("ROLLBACK")); // fails only when already rolled back or lost
    }
    return status;
}

StoreStatus PlayerStore::writeChanges(const std::vector<int>& changed, PlayerRecord& written) {
    auto row = readRow(*currentId_, true);
    if (!row) {
        return row.status;
    }
    written = *std::move(row);
    QStringList columns;
    QStringList values;
    for (const int i : changed) {
        const auto series = progressSeriesOf(i);
        written.text(i) =
            series ? catalogue::furthestProgress(*series, current_.text(i), written.text(i))
                   : current_.text(i);
        columns << columnName(i);
        values << written.text(i);
    }
    // One statement: SQLite writes every changed column or none.
    return updateCurrentRow(columns, values);
}

StoreStatus PlayerStore::updateCurrentRow(const QStringList& columns, const QStringList& values) {
    QStringList assignments;
    for (const QString& column : columns) {
        assignments << QStringLiteral("\"%1\" = ?").arg(column);
    }
    QSqlQuery query(connection());
    if (!query.prepare(
            QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?")
                .arg(player_table::name(), assignments.join(QLatin1Char(',')), idColumn()))) {
        return problem(query.lastError(), QStringLiteral("written"));
    }
    for (const QString& value : values) {
        query.addBindValue(textForStorage(value));
    }
    query.addBindValue(*currentId_);
    if (!query.exec()) {
        return problem(query.lastError(), QStringLiteral("written"));
    }
    if (query.numRowsAffected() != 1) {
        return failed(QStringLiteral("The player database %1 no longer holds the player \"%2\".")
                          .arg(file_, current_.nom),
                      StoreFault::PlayerMissing);
    }
    return {};
}

} // namespace pulsadrome::app
