// SPDX-License-Identifier: GPL-3.0-or-later
// The two places a player store may keep its players, for suites that run on both: a database
// file in a temporary folder, or a fresh database of its own on the test server that
// tests/support/test-postgres.sh started (its address in the file PULSADROME_TEST_SERVER_FILE).
// Without that server, or without Qt's PostgreSQL driver, a server case is skipped.
#pragma once

#include "app/PlayerStore.h"
#include "app/ServerAddress.h"

#include "RawDatabase.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QTemporaryDir>

#include <gmock/gmock.h>

#include <atomic>
#include <memory>
#include <optional>
#include <string>

enum class BackEnd { File, Server };

inline std::string backEndName(const ::testing::TestParamInfo<BackEnd>& info) {
    return info.param == BackEnd::File ? "File" : "Server";
}

// The test server's superuser on its "postgres" database; none, with the reason, when there is
// no server to test against.
inline std::optional<pulsadrome::app::ServerAddress> testServer(QString* whyNot = nullptr) {
    const auto refuse = [&](const QString& why) {
        if (whyNot) {
            *whyNot = why;
        }
        return std::nullopt;
    };
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
        return refuse(QStringLiteral("Qt's PostgreSQL driver (QPSQL) is not installed"));
    }
    QFile file(QStringLiteral(PULSADROME_TEST_SERVER_FILE));
    if (!file.open(QIODevice::ReadOnly)) {
        return refuse(
            QStringLiteral("no test server is running (%1 is missing)").arg(file.fileName()));
    }
    QString why;
    auto address =
        pulsadrome::app::ServerAddress::parse(QString::fromUtf8(file.readAll()).trimmed(), &why);
    if (!address) {
        return refuse(why);
    }
    return address;
}

// One test's database, made fresh and removed at the end.
class TestDatabase {
public:
    explicit TestDatabase(BackEnd backEnd) : backEnd_(backEnd) {
        if (backEnd_ == BackEnd::File) {
            directory_ = pulsadrome::app::DataDirectory::open(tmp_.path());
            return;
        }
        admin_ = testServer(&whyNot_);
        if (!admin_) {
            return;
        }
        static std::atomic<int> count{0};
        address_ = *admin_;
        address_->database =
            QStringLiteral("test_%1_%2").arg(QCoreApplication::applicationPid()).arg(++count);
        RawDatabase raw(*admin_);
        raw.exec(QStringLiteral("CREATE DATABASE \"%1\"").arg(address_->database));
    }
    ~TestDatabase() {
        if (address_) {
            RawDatabase raw(*admin_);
            raw.exec(QStringLiteral("DROP DATABASE IF EXISTS \"%1\" WITH (FORCE)")
                         .arg(address_->database));
        }
    }
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    // Empty when the database is there; otherwise why the test is skipped.
    const QString& whyNot() const { return whyNot_; }
    bool onServer() const { return backEnd_ == BackEnd::Server; }

    // A store that is not open yet.
    std::unique_ptr<pulsadrome::app::PlayerStore>
    store(int busyTimeoutMs = pulsadrome::app::PlayerStore::kDefaultBusyTimeoutMs) const {
        return onServer()
                   ? std::make_unique<pulsadrome::app::PlayerStore>(*address_, busyTimeoutMs)
                   : std::make_unique<pulsadrome::app::PlayerStore>(*directory_, busyTimeoutMs);
    }
    // The name the store gives in its messages.
    QString place() const {
        return onServer() ? address_->shown()
                          : directory_->file(pulsadrome::app::PlayerStore::fileName());
    }
    const pulsadrome::app::ServerAddress& address() const { return *address_; }
    // The data folder of a file case.
    const pulsadrome::app::DataDirectory& directory() const { return *directory_; }
    const pulsadrome::app::ServerAddress& admin() const { return *admin_; }
    std::unique_ptr<RawDatabase> raw() const {
        return onServer() ? std::make_unique<RawDatabase>(*address_)
                          : std::make_unique<RawDatabase>(place());
    }

    // The player table's columns in order, as "name|TYPE".
    QStringList columnTypes() const {
        return raw()->rows(onServer()
                               ? QStringLiteral("SELECT column_name, upper(data_type) FROM "
                                                "information_schema.columns WHERE table_name = "
                                                "'Pulsadrome' ORDER BY ordinal_position")
                               : QStringLiteral("SELECT name, type FROM "
                                                "pragma_table_info('Pulsadrome')"));
    }
    // The row id's column as the program makes it, for tables made by hand.
    QString idDefinition() const {
        return onServer() ? QStringLiteral("\"id\" BIGSERIAL PRIMARY KEY")
                          : QStringLiteral("\"id\" INTEGER PRIMARY KEY");
    }
    // Opens a transaction on `raw` that keeps every other connection from writing the player
    // table until it ends (ROLLBACK), and lets them read.
    void holdWrites(RawDatabase& raw) const {
        if (onServer()) {
            raw.exec(QStringLiteral("BEGIN"));
            raw.exec(QStringLiteral("LOCK TABLE \"Pulsadrome\" IN EXCLUSIVE MODE"));
        } else {
            raw.exec(QStringLiteral("BEGIN IMMEDIATE"));
        }
    }
    // Makes the database refuse to store a player whose `column` would become `value`.
    void refuseUpdate(const QString& column, const QString& value) const {
        auto connection = raw();
        if (onServer()) {
            connection->exec(QStringLiteral("CREATE FUNCTION refuse() RETURNS trigger LANGUAGE "
                                            "plpgsql AS $$ BEGIN IF NEW.\"%1\" = '%2' THEN RAISE "
                                            "EXCEPTION 'refused'; END IF; RETURN NEW; END $$")
                                 .arg(column, value));
            connection->exec(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON \"Pulsadrome\" "
                                            "FOR EACH ROW EXECUTE FUNCTION refuse()"));
        } else {
            connection->exec(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON Pulsadrome "
                                            "WHEN NEW.\"%1\" = '%2' BEGIN SELECT RAISE(ABORT, "
                                            "'refused'); END")
                                 .arg(column, value));
        }
    }
    // Removes every table the store made, as if the database were new.
    void clear() const {
        if (onServer()) {
            raw()->exec(QStringLiteral("DROP TABLE IF EXISTS \"Pulsadrome\", \"Answers\", "
                                       "\"SchemaVersion\", \"HighScores\", \"Copied\""));
            return;
        }
        const QString file = place();
        for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
            QFile::remove(file + QString::fromLatin1(suffix));
        }
    }

private:
    BackEnd backEnd_;
    QTemporaryDir tmp_;
    std::optional<pulsadrome::app::DataDirectory> directory_;
    std::optional<pulsadrome::app::ServerAddress> admin_;
    std::optional<pulsadrome::app::ServerAddress> address_;
    QString whyNot_;
};

// Skips the test when its database cannot be had.
#define SKIP_WITHOUT(database)                                                                     \
    do {                                                                                           \
        if (!(database).whyNot().isEmpty()) {                                                      \
            GTEST_SKIP() << (database).whyNot().toStdString();                                     \
        }                                                                                          \
    } while (false)
