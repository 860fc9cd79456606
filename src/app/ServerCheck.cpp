// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ServerCheck.h"

#include "app/PlayerTable.h"
#include "app/ServerLogin.h"
#include "app/ServerOutbox.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <atomic>

namespace pulsadrome::app {

namespace {

std::atomic<int> checkCount{0};

ServerCheck checkOnConnection(QSqlDatabase& db, const ServerAddress& address, int timeoutMs) {
    const QString place = address.shown();
    ServerCheck check;
    // libpq counts its connect timeout in whole seconds, two at least.
    db.setConnectOptions(QStringLiteral("connect_timeout=%1;application_name=pulsadrome")
                             .arg(std::max(2, (timeoutMs + 999) / 1000)));
    if (!db.open()) {
        check.status = server_table::loginProblem(address, place, db.lastError(), timeoutMs);
        return check;
    }
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SET statement_timeout = %1").arg(timeoutMs))) {
        check.status = server_table::problemOf(query.lastError(), place, QStringLiteral("opened"));
        return check;
    }
    check.status = server_table::rehearse(db, place, check.readiness);
    return check;
}

} // namespace

ServerCheck checkServer(const ServerAddress& address, int timeoutMs) {
    ServerCheck check;
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
        check.status = player_table::failed(
            QStringLiteral("The player database %1 cannot be opened: Qt's PostgreSQL driver is "
                           "not installed.")
                .arg(address.shown()),
            StoreFault::Other, QStringLiteral("Qt's PostgreSQL driver (QPSQL) is not installed"));
        return check;
    }
    // The login first, by libpq: a refusal is then told by the server's code, and a server
    // that does not answer costs one wait only.
    const LoginAnswer login = tryLogin(address, timeoutMs);
    if (login.kind != LoginAnswer::Kind::Accepted) {
        check.status = server_table::loginProblem(
            address, address.shown(),
            QSqlError(QStringLiteral("Unable to connect"), login.text, QSqlError::ConnectionError,
                      login.kind == LoginAnswer::Kind::Refused           ? login.sqlState
                      : login.kind == LoginAnswer::Kind::PasswordMissing ? QStringLiteral("28P01")
                                                                         : QStringLiteral("08006")),
            timeoutMs);
        return check;
    }
    const QString name = QStringLiteral("pulsadrome-check-%1").arg(++checkCount);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        configureServerConnection(db, address);
        check = checkOnConnection(db, address, timeoutMs);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return check;
}

} // namespace pulsadrome::app
