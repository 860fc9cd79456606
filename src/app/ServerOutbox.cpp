// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ServerOutbox.h"

#include "app/AnswerTable.h"
#include "app/PlayerTable.h"
#include "app/ServerTable.h"
#include "catalogue/Progress.h"
#include "common/AtomicFile.h"

#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QThread>

#include <algorithm>
#include <atomic>

namespace pulsadrome::app {

namespace {

using player_table::failed;

constexpr auto kFormat = "pulsadrome-unsent";
constexpr int kFormatVersion = 1;
constexpr int kAnswerFields = 9;
// The most changes one transaction sends.
constexpr std::size_t kChangesPerSend = 200;

std::atomic<int> senderCount{0};

QJsonObject encodeChange(const UnsentChange& change) {
    QJsonObject object;
    if (change.kind == UnsentChange::Kind::Record) {
        object[QStringLiteral("kind")] = QStringLiteral("record");
        object[QStringLiteral("player")] = QString::number(change.player);
        QJsonObject columns;
        for (const auto& [column, value] : change.columns) {
            columns[columnName(column)] = value;
        }
        object[QStringLiteral("columns")] = columns;
    } else {
        object[QStringLiteral("kind")] = QStringLiteral("answers");
        QJsonArray rows;
        for (const answers::AnswerRecord& record : change.answers) {
            const std::optional<int> activity = answers::activityNumber(record.activity);
            if (!activity) {
                continue; // the log keeps no answer it cannot name
            }
            rows.append(QJsonArray{QString::number(record.player),
                                   QString::number(record.utcSeconds), *activity, record.played,
                                   record.chosen, record.right, QString::number(record.answerMs),
                                   record.tempo, record.band});
        }
        object[QStringLiteral("answers")] = rows;
    }
    if (change.attempt) {
        object[QStringLiteral("attempt")] = QString::number(*change.attempt);
    }
    return object;
}

// Whole numbers are kept as text: JSON's numbers are doubles, and a row id or a transaction
// number may need all 64 bits.
std::optional<qint64> wholeNumber(const QJsonValue& value) {
    bool numeric = false;
    const qint64 number = value.toString().toLongLong(&numeric);
    return value.isString() && numeric ? std::optional<qint64>(number) : std::nullopt;
}

std::optional<int> smallNumber(const QJsonValue& value) {
    if (!value.isDouble()) {
        return std::nullopt;
    }
    const double number = value.toDouble();
    if (number != static_cast<double>(static_cast<int>(number))) {
        return std::nullopt;
    }
    return static_cast<int>(number);
}

std::optional<UnsentChange> decodeChange(const QJsonValue& value, QString& why) {
    const QJsonObject object = value.toObject();
    UnsentChange change;
    if (object.contains(QStringLiteral("attempt"))) {
        change.attempt = wholeNumber(object[QStringLiteral("attempt")]);
        if (!change.attempt) {
            why = QStringLiteral("an attempt that is no number");
            return std::nullopt;
        }
    }
    const QString kind = object[QStringLiteral("kind")].toString();
    if (kind == QLatin1String("record")) {
        const auto player = wholeNumber(object[QStringLiteral("player")]);
        const QJsonValue columns = object[QStringLiteral("columns")];
        if (!player || !columns.isObject()) {
            why = QStringLiteral("a record change without its player or columns");
            return std::nullopt;
        }
        change.player = *player;
        const QJsonObject named = columns.toObject();
        for (auto it = named.begin(); it != named.end(); ++it) {
            const auto column = columnIndex(it.key());
            if (!column || !it.value().isString()) {
                why = QStringLiteral("the column \"%1\" is not one of a player's").arg(it.key());
                return std::nullopt;
            }
            change.columns.emplace_back(*column, it.value().toString());
        }
        std::sort(change.columns.begin(), change.columns.end());
        return change;
    }
    if (kind == QLatin1String("answers")) {
        change.kind = UnsentChange::Kind::Answers;
        const QJsonValue rows = object[QStringLiteral("answers")];
        if (!rows.isArray()) {
            why = QStringLiteral("answers without their rows");
            return std::nullopt;
        }
        for (const QJsonValue& row : rows.toArray()) {
            const QJsonArray fields = row.toArray();
            const auto player = wholeNumber(fields.at(0));
            const auto at = wholeNumber(fields.at(1));
            const auto activityNumber = smallNumber(fields.at(2));
            const auto activity =
                activityNumber ? answers::activityOfNumber(*activityNumber) : std::nullopt;
            const auto played = smallNumber(fields.at(3));
            const auto chosen = smallNumber(fields.at(4));
            const auto answerMs = wholeNumber(fields.at(6));
            const auto tempo = smallNumber(fields.at(7));
            const auto band = smallNumber(fields.at(8));
            if (fields.size() != kAnswerFields || !player || !at || !activity || !played ||
                !chosen || !fields.at(5).isBool() || !answerMs || !tempo || !band) {
                why = QStringLiteral("an answer that is not one the log writes");
                return std::nullopt;
            }
            change.answers.push_back({*player, *at, *activity, *played, *chosen,
                                      fields.at(5).toBool(), *answerMs, *tempo, *band});
        }
        return change;
    }
    why = QStringLiteral("a change of no known kind");
    return std::nullopt;
}

bool decodeList(const QJsonValue& value, std::vector<UnsentChange>& changes, QString& why) {
    if (!value.isArray()) {
        why = QStringLiteral("a server part without its lists");
        return false;
    }
    for (const QJsonValue& item : value.toArray()) {
        auto change = decodeChange(item, why);
        if (!change) {
            return false;
        }
        changes.push_back(*std::move(change));
    }
    return true;
}

QString asideName(const QString& file) {
    const QString base = file + QStringLiteral(".damaged-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString name = base;
    for (int n = 2; QFileInfo::exists(name); ++n) {
        name = base + QLatin1Char('-') + QString::number(n);
    }
    return name;
}

// What the server says of transaction `attempt`: committed (done), still in progress (Busy:
// the server has not yet seen that the connection is gone), or neither (send again).
StoreStatus checkAttempt(QSqlDatabase& db, const QString& place, qint64 attempt, bool& done) {
    done = false;
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT txid_status(%1)").arg(attempt))) {
        const StoreStatus status =
            server_table::problemOf(query.lastError(), place, QStringLiteral("checked"));
        // A number from the future names a transaction of another cluster: never committed.
        return status.fault == StoreFault::Unreachable ? status : StoreStatus{};
    }
    const QString state = query.next() ? query.value(0).toString() : QString();
    if (state == QLatin1String("committed")) {
        done = true;
    } else if (state == QLatin1String("in progress")) {
        return {StoreProblem::Busy,
                QStringLiteral("The player database %1 still holds an earlier send of these "
                               "changes open.")
                    .arg(place),
                StoreFault::InUse, QString()};
    }
    return {};
}

StoreStatus writeRecord(QSqlDatabase& db, const QString& place, const UnsentChange& change) {
    const QString written = QStringLiteral("written");
    QSqlQuery read(db);
    read.setForwardOnly(true);
    if (!read.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE \"id\" = ? FOR UPDATE")
                          .arg(player_table::columns(), player_table::name()))) {
        return server_table::problemOf(read.lastError(), place, written);
    }
    read.addBindValue(change.player);
    if (!read.exec()) {
        return server_table::problemOf(read.lastError(), place, written);
    }
    if (!read.next()) {
        return read.lastError().isValid()
                   ? server_table::problemOf(read.lastError(), place, written)
                   : failed(QStringLiteral("The player database %1 has no player number %2.")
                                .arg(place)
                                .arg(change.player),
                            StoreFault::PlayerMissing);
    }
    PlayerRecord row;
    for (int i = 0; i < kColumnCount; ++i) {
        row.text(i) = read.value(i).toString();
    }
    read.finish();
    applyChange(change, row);
    QStringList assignments;
    for (const auto& entry : change.columns) {
        assignments << QStringLiteral("\"%1\" = ?").arg(columnName(entry.first));
    }
    QSqlQuery update(db);
    if (!update.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE \"id\" = ?")
                            .arg(player_table::name(), assignments.join(QLatin1Char(','))))) {
        return server_table::problemOf(update.lastError(), place, written);
    }
    for (const auto& entry : change.columns) {
        const QString& value = row.text(entry.first);
        update.addBindValue(value.isNull() ? QStringLiteral("") : value);
    }
    update.addBindValue(change.player);
    if (!update.exec()) {
        return server_table::problemOf(update.lastError(), place, written);
    }
    return {};
}

} // namespace

void configureServerConnection(QSqlDatabase& db, const ServerAddress& server) {
    db.setHostName(server.host);
    db.setPort(server.port);
    db.setDatabaseName(server.database);
    db.setUserName(server.user);
    db.setPassword(server.password);
    db.setConnectOptions(serverConnectOptions());
}

QString serverConnectOptions() {
    // A server that does not answer is told after a few seconds, not after the system's
    // minutes, and a connection whose server vanished is found broken within seconds too.
    return QStringLiteral("connect_timeout=5;application_name=pulsadrome;keepalives=1;"
                          "keepalives_idle=10;keepalives_interval=3;keepalives_count=3;"
                          "tcp_user_timeout=10000");
}

QByteArray encodeJournal(const UnsentJournal& journal) {
    QJsonArray servers;
    for (const auto& [server, part] : journal) {
        QJsonArray waiting;
        for (const UnsentChange& change : part.waiting) {
            waiting.append(encodeChange(change));
        }
        QJsonArray refused;
        for (const UnsentChange& change : part.refused) {
            refused.append(encodeChange(change));
        }
        servers.append(QJsonObject{{QStringLiteral("server"), server},
                                   {QStringLiteral("waiting"), waiting},
                                   {QStringLiteral("refused"), refused}});
    }
    const QJsonObject root{{QStringLiteral("format"), QLatin1String(kFormat)},
                           {QStringLiteral("version"), kFormatVersion},
                           {QStringLiteral("servers"), servers}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<UnsentJournal> decodeJournal(const QByteArray& bytes, QString* why) {
    QString reason;
    const auto refuse = [&](const QString& text) -> std::optional<UnsentJournal> {
        if (why) {
            *why = text;
        }
        return std::nullopt;
    };
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        return refuse(
            QStringLiteral("not JSON: %1 at %2").arg(error.errorString()).arg(error.offset));
    }
    const QJsonObject root = document.object();
    if (root[QStringLiteral("format")].toString() != QLatin1String(kFormat)) {
        return refuse(QStringLiteral("not a journal of unsent changes"));
    }
    if (root[QStringLiteral("version")].toInt() != kFormatVersion) {
        return refuse(QStringLiteral("a journal of another version"));
    }
    if (!root[QStringLiteral("servers")].isArray()) {
        return refuse(QStringLiteral("a journal without its servers"));
    }
    UnsentJournal journal;
    for (const QJsonValue& value : root[QStringLiteral("servers")].toArray()) {
        const QJsonObject object = value.toObject();
        const QString server = object[QStringLiteral("server")].toString();
        if (server.isEmpty() || journal.count(server)) {
            return refuse(QStringLiteral("a server part without a server, or twice the same"));
        }
        UnsentPart part;
        if (!decodeList(object[QStringLiteral("waiting")], part.waiting, reason) ||
            !decodeList(object[QStringLiteral("refused")], part.refused, reason)) {
            return refuse(reason);
        }
        journal.emplace(server, std::move(part));
    }
    return journal;
}

std::optional<catalogue::Series> progressSeriesOf(int column) {
    const QString name = columnName(column);
    if (name == QLatin1String("jeu_binaire")) {
        return catalogue::Series::Main;
    }
    if (name == QLatin1String("jeu_binaire2")) {
        return catalogue::Series::MinimBeat;
    }
    if (name == QLatin1String("jeu_ternaire")) {
        return catalogue::Series::Compound;
    }
    return std::nullopt;
}

void applyChange(const UnsentChange& change, PlayerRecord& row) {
    for (const auto& [column, value] : change.columns) {
        const auto series = progressSeriesOf(column);
        row.text(column) =
            series ? catalogue::furthestProgress(*series, value, row.text(column)) : value;
    }
}

StoreStatus sendChanges(QSqlDatabase& db, const QString& place,
                        const std::vector<UnsentChange>& changes,
                        const std::function<void(qint64)>& started) {
    const QString written = QStringLiteral("written");
    QSqlQuery begin(db);
    if (!begin.exec(QStringLiteral("BEGIN"))) {
        return server_table::problemOf(begin.lastError(), place, written);
    }
    StoreStatus status;
    QSqlQuery number(db);
    if (!number.exec(QStringLiteral("SELECT txid_current()")) || !number.next()) {
        status = server_table::problemOf(number.lastError(), place, written);
    } else {
        started(number.value(0).toLongLong());
        for (auto change = changes.begin(); status && change != changes.end(); ++change) {
            status = change->kind == UnsentChange::Kind::Record
                         ? writeRecord(db, place, *change)
                         : answer_table::insert(SqlDialect::Postgres, db, place, change->answers);
        }
    }
    if (status) {
        QSqlQuery commit(db);
        if (!commit.exec(QStringLiteral("COMMIT"))) {
            status = server_table::problemOf(commit.lastError(), place, written);
        }
    }
    if (!status) {
        QSqlQuery rollback(db);
        rollback.exec(QStringLiteral("ROLLBACK")); // fails only when the connection is gone
    }
    return lostWhenBroken(db, status);
}

StoreStatus lostWhenBroken(const QSqlDatabase& db, StoreStatus status) {
    if (!status && status.fault != StoreFault::Unreachable &&
        status.problem != StoreProblem::Busy && server_table::connectionLost(db)) {
        // An error in the server's own language with no code, on a broken connection.
        status.fault = StoreFault::Unreachable;
    }
    return status;
}

ServerOutbox::ServerOutbox(ServerAddress server, QString journalFile, int busyTimeoutMs,
                           Retry retry)
    : server_(std::move(server)), place_(server_.shown()), journalFile_(std::move(journalFile)),
      busyTimeoutMs_(busyTimeoutMs), retry_(retry) {}

ServerOutbox::~ServerOutbox() {
    if (sender_) {
        {
            const std::lock_guard lock(mutex_);
            stop_ = true;
        }
        wake_.notify_all();
        sender_->wait();
    }
    save();
}

ServerOutbox::Loaded ServerOutbox::load() {
    QFile file(journalFile_);
    if (!file.exists()) {
        return {};
    }
    if (!file.open(QIODevice::ReadOnly)) {
        // Left as it is: what it holds is not written over.
        const std::lock_guard lock(mutex_);
        writable_ = false;
        return {failed(QStringLiteral("The journal of unsent changes %1 cannot be read: %2.")
                           .arg(journalFile_, file.errorString()),
                       StoreFault::CannotOpen, file.errorString()),
                QString()};
    }
    const QByteArray bytes = file.readAll();
    file.close();
    QString why;
    auto journal = decodeJournal(bytes, &why);
    if (!journal) {
        const QString aside = asideName(journalFile_);
        if (!QFile::rename(journalFile_, aside)) {
            return {failed(QStringLiteral("The journal of unsent changes %1 is damaged (%2) and "
                                          "cannot be set aside.")
                               .arg(journalFile_, why),
                           StoreFault::CannotSetAside, why),
                    QString()};
        }
        qWarning().noquote() << "The journal of unsent changes" << journalFile_ << "is damaged ("
                             << why << "); it was kept as" << aside;
        return {{}, aside};
    }
    const std::lock_guard lock(mutex_);
    if (auto own = journal->find(place_); own != journal->end()) {
        for (UnsentChange& change : own->second.waiting) {
            queue_.push_back(std::move(change));
        }
        refused_ = std::move(own->second.refused);
        journal->erase(own);
    }
    others_ = *std::move(journal);
    return {};
}

StoreStatus ServerOutbox::sendWaiting(QSqlDatabase& db) {
    bool connected = true;
    const StoreStatus status = sendAll(db, connected);
    if (!status) {
        // What is left goes with the sender, once the server takes changes again.
        startSender();
        wake_.notify_all();
    }
    return status;
}

void ServerOutbox::add(UnsentChange change) {
    {
        const std::lock_guard lock(mutex_);
        queue_.push_back(std::move(change));
        dirty_ = true;
    }
    startSender();
    wake_.notify_all();
}

void ServerOutbox::serverLost() {
    {
        const std::lock_guard lock(mutex_);
        down_ = true;
    }
    startSender();
    wake_.notify_all();
}

bool ServerOutbox::holding() const {
    const std::lock_guard lock(mutex_);
    return down_ || !queue_.empty();
}

bool ServerOutbox::serverDown() const {
    const std::lock_guard lock(mutex_);
    return down_;
}

std::size_t ServerOutbox::waitingCount() const {
    const std::lock_guard lock(mutex_);
    return queue_.size();
}

std::size_t ServerOutbox::refusedCount() const {
    const std::lock_guard lock(mutex_);
    return refused_.size();
}

std::vector<UnsentChange> ServerOutbox::waitingFor(RowId player) const {
    const std::lock_guard lock(mutex_);
    std::vector<UnsentChange> changes;
    for (const UnsentChange& change : queue_) {
        if (change.kind == UnsentChange::Kind::Record && change.player == player) {
            changes.push_back(change);
        }
    }
    return changes;
}

std::vector<answers::AnswerRecord> ServerOutbox::waitingAnswersOf(RowId player) const {
    const std::lock_guard lock(mutex_);
    std::vector<answers::AnswerRecord> records;
    for (const UnsentChange& change : queue_) {
        for (const answers::AnswerRecord& record : change.answers) {
            if (record.player == player) {
                records.push_back(record);
            }
        }
    }
    return records;
}

void ServerOutbox::startSender() {
    const std::lock_guard lock(mutex_);
    if (sender_ || stop_) {
        return;
    }
    sender_.reset(QThread::create([this] { run(); }));
    sender_->start();
}

StoreStatus ServerOutbox::connect(QSqlDatabase& db) {
    db.close();
    if (!db.open()) {
        return server_table::problemOf(db.lastError(), place_, QStringLiteral("opened"));
    }
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SET lock_timeout = %1").arg(busyTimeoutMs_))) {
        return server_table::problemOf(query.lastError(), place_, QStringLiteral("opened"));
    }
    return {};
}

StoreStatus ServerOutbox::sendAll(QSqlDatabase& db, bool& connected) {
    if (!connected) {
        if (StoreStatus status = connect(db); !status) {
            return status;
        }
        connected = true;
    }
    // Many changes go in one transaction; one the server refuses for good is then looked for
    // one change at a time.
    std::size_t most = kChangesPerSend;
    for (;;) {
        std::vector<UnsentChange> group;
        std::optional<qint64> attempt;
        {
            const std::lock_guard lock(mutex_);
            if (queue_.empty()) {
                down_ = false;
                return {};
            }
            if (stop_) {
                return failed(QStringLiteral("The program ends before the changes are sent."),
                              StoreFault::Unreachable);
            }
            // The changes of one send cut short go again together, or not at all.
            attempt = queue_.front().attempt;
            for (std::size_t i = 0; i < queue_.size() && group.size() < most; ++i) {
                if (queue_[i].attempt != attempt) {
                    break;
                }
                group.push_back(queue_[i]);
            }
        }
        bool committed = false;
        StoreStatus status;
        if (attempt) {
            status = lostWhenBroken(db, checkAttempt(db, place_, *attempt, committed));
        }
        if (status && !committed) {
            status = sendChanges(db, place_, group, [this, &group](qint64 number) {
                {
                    const std::lock_guard lock(mutex_);
                    for (std::size_t i = 0; i < group.size(); ++i) {
                        queue_[i].attempt = number;
                    }
                }
                save();
            });
        }
        if (!status &&
            (status.fault == StoreFault::Unreachable || status.problem == StoreProblem::Busy)) {
            return status;
        }
        if (!status && group.size() > 1) {
            most = 1;
            continue;
        }
        {
            const std::lock_guard lock(mutex_);
            if (!status) {
                // The server will never take it (a player removed, a right taken away): kept
                // aside in the journal, and the rest goes on.
                qWarning().noquote() << "A change the server refused is kept in" << journalFile_
                                     << "and not sent again:" << status.message;
                refused_.push_back(queue_.front());
            }
            queue_.erase(queue_.begin(),
                         queue_.begin() + static_cast<std::ptrdiff_t>(group.size()));
        }
        save();
    }
}

void ServerOutbox::run() {
    const QString name = QStringLiteral("pulsadrome-unsent-%1").arg(++senderCount);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        configureServerConnection(db, server_);
        bool connected = false;
        const auto first = std::chrono::milliseconds(retry_.firstMs);
        auto wait = first;
        using Clock = std::chrono::steady_clock;
        auto nextTry = Clock::time_point::min(); // the next attempt: at once
        std::unique_lock lock(mutex_);
        while (!stop_) {
            if (dirty_) {
                dirty_ = false;
                lock.unlock();
                save();
                lock.lock();
                continue;
            }
            if (!down_ && queue_.empty()) {
                nextTry = Clock::time_point::min();
                wait = first;
                wake_.wait(lock, [&] { return stop_ || dirty_ || down_ || !queue_.empty(); });
                continue;
            }
            if (Clock::now() < nextTry) {
                wake_.wait_until(lock, nextTry, [&] { return stop_ || dirty_; });
                continue;
            }
            lock.unlock();
            const StoreStatus status = lostWhenBroken(db, sendAll(db, connected));
            if (status.fault == StoreFault::Unreachable) {
                db.close();
                connected = false;
            }
            lock.lock();
            if (status) {
                nextTry = Clock::time_point::min();
                wait = first;
            } else {
                nextTry = Clock::now() + wait;
                wait = std::min(wait * 2, std::chrono::milliseconds(retry_.longestMs));
            }
        }
        lock.unlock();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

WriteOutcome ServerOutbox::save() {
    const std::lock_guard file(fileMutex_);
    UnsentJournal journal;
    {
        const std::lock_guard lock(mutex_);
        if (!writable_ && QFileInfo::exists(journalFile_)) {
            qWarning().noquote() << "The journal of unsent changes" << journalFile_
                                 << "could not be read and is not written over";
            return {
                WriteProblem::Other,
                QStringLiteral("%1 could not be read and is not written over").arg(journalFile_)};
        }
        writable_ = true; // gone meanwhile: nothing is written over
        journal = others_;
        if (!queue_.empty() || !refused_.empty()) {
            UnsentPart& part = journal[place_];
            part.waiting.assign(queue_.begin(), queue_.end());
            part.refused = refused_;
        }
    }
    if (journal.empty()) {
        if (QFile::exists(journalFile_) && !QFile::remove(journalFile_)) {
            qWarning().noquote() << "The journal of unsent changes" << journalFile_
                                 << "cannot be removed now that everything was sent";
        }
        return {};
    }
    if (const WriteOutcome outcome =
            writeFileAtomically(journalFile_, encodeJournal(journal), FileAccess::OwnerOnly);
        !outcome) {
        qWarning().noquote() << "The journal of unsent changes cannot be written to" << journalFile_
                             << outcome.systemText;
        return outcome;
    }
    return {};
}

} // namespace pulsadrome::app
