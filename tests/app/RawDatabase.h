// SPDX-License-Identifier: GPL-3.0-or-later
// A second, plain connection to a database file, to look at what the player store wrote, to
// build foreign files and to play another running copy of the program.
#pragma once

#include "app/ServerAddress.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QVariant>

#include <gmock/gmock.h>

#include <atomic>

class RawDatabase {
public:
    explicit RawDatabase(const QString& file) : name_(QStringLiteral("raw-%1").arg(count())) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(file);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=100"));
        EXPECT_TRUE(db.open()) << db.lastError().text().toStdString();
    }
    // A plain connection to a server's database.
    explicit RawDatabase(const pulsadrome::app::ServerAddress& server)
        : name_(QStringLiteral("raw-%1").arg(count())) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name_);
        db.setHostName(server.host);
        db.setPort(server.port);
        db.setDatabaseName(server.database);
        db.setUserName(server.user);
        db.setPassword(server.password);
        EXPECT_TRUE(db.open()) << db.lastError().text().toStdString();
    }
    ~RawDatabase() {
        QSqlDatabase::database(name_, false).close();
        QSqlDatabase::removeDatabase(name_);
    }
    RawDatabase(const RawDatabase&) = delete;
    RawDatabase& operator=(const RawDatabase&) = delete;

    void exec(const QString& sql) {
        QSqlQuery query(QSqlDatabase::database(name_, false));
        EXPECT_TRUE(query.exec(sql))
            << sql.toStdString() << ": " << query.lastError().text().toStdString();
    }

    // The rows of a query, each row's values joined with '|'; NULL shows as "<null>".
    QStringList rows(const QString& sql) {
        QSqlQuery query(QSqlDatabase::database(name_, false));
        EXPECT_TRUE(query.exec(sql))
            << sql.toStdString() << ": " << query.lastError().text().toStdString();
        QStringList rows;
        while (query.next()) {
            QStringList values;
            for (int i = 0; i < query.record().count(); ++i) {
                values << (query.isNull(i) ? QStringLiteral("<null>") : query.value(i).toString());
            }
            rows << values.join(QLatin1Char('|'));
        }
        return rows;
    }

    QString value(const QString& sql) {
        const QStringList all = rows(sql);
        return all.isEmpty() ? QStringLiteral("<no row>") : all.front();
    }

private:
    static int count() {
        static std::atomic<int> n{0};
        return ++n;
    }
    QString name_;
};

inline QByteArray fileBytes(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// A new, empty database on the server `admin` logs in to, named "<prefix>_<pid>_<n>", and the
// address that reaches it with the same login.
inline pulsadrome::app::ServerAddress newServerDatabase(const pulsadrome::app::ServerAddress& admin,
                                                        const QString& prefix) {
    static int count = 0;
    pulsadrome::app::ServerAddress address = admin;
    address.database =
        QStringLiteral("%1_%2_%3").arg(prefix).arg(QCoreApplication::applicationPid()).arg(++count);
    RawDatabase(admin).exec(QStringLiteral("CREATE DATABASE %1").arg(address.database));
    return address;
}
