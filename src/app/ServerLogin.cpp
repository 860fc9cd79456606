// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ServerLogin.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QRegularExpression>
#include <QStringList>

#include <libpq-fe.h>

#include <cerrno>
#include <cstring>
#include <poll.h>

namespace pulsadrome::app {

namespace {

// libpq's connection, closed on every way out.
struct Connection {
    PGconn* conn = nullptr;
    ~Connection() {
        if (conn) {
            PQfinish(conn);
        }
    }
};

QString wordsOf(PGconn* conn) {
    return conn ? QString::fromUtf8(PQerrorMessage(conn)).trimmed()
                : QStringLiteral("libpq could not allocate a connection");
}

LoginAnswer failedAnswer(PGconn* conn) {
    LoginAnswer answer;
    answer.text = wordsOf(conn);
    if (conn && PQconnectionNeedsPassword(conn)) {
        answer.kind = LoginAnswer::Kind::PasswordMissing;
        return answer;
    }
    answer.sqlState = sqlStateIn(answer.text);
    answer.kind =
        answer.sqlState.isEmpty() ? LoginAnswer::Kind::NoAnswer : LoginAnswer::Kind::Refused;
    return answer;
}

} // namespace

QString sqlStateIn(const QString& message) {
    // The severity word before the code is in the server's language; the code never is. Every
    // line is looked at: a name with several addresses is tried address after address.
    static const QRegularExpression code(QStringLiteral(R"(:\s+([0-9A-Z]{5})\s*$)"));
    const QStringList lines = message.split(QLatin1Char('\n'));
    for (auto line = lines.crbegin(); line != lines.crend(); ++line) {
        const QRegularExpressionMatch match = code.match(*line);
        if (match.hasMatch() && match.captured(1).front().isDigit()) {
            return match.captured(1);
        }
    }
    return {};
}

LoginAnswer tryLogin(const ServerAddress& address, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    const QByteArray host = address.host.toUtf8();
    const QByteArray port = QByteArray::number(address.port);
    const QByteArray database = address.database.toUtf8();
    const QByteArray user = address.user.toUtf8();
    const QByteArray password = address.password.toUtf8();
    const char* const keys[] = {"host",     "port",    "dbname",           "user",
                                "password", "sslmode", "application_name", nullptr};
    const char* const values[] = {
        host.constData(),     port.constData(), database.constData(), user.constData(),
        password.constData(), "prefer",         "pulsadrome",         nullptr};
    Connection connection{PQconnectStartParams(keys, values, 0)};
    PGconn* conn = connection.conn;
    if (!conn || PQstatus(conn) == CONNECTION_BAD) {
        return failedAnswer(conn);
    }
    // The server's refusal then reads "FATAL:  28P01", whatever language it speaks.
    PQsetErrorVerbosity(conn, PQERRORS_SQLSTATE);
    PostgresPollingStatusType state = PGRES_POLLING_WRITING;
    while (state != PGRES_POLLING_OK && state != PGRES_POLLING_FAILED) {
        const int socket = PQsocket(conn);
        if (socket < 0) {
            return failedAnswer(conn);
        }
        pollfd waited{socket, static_cast<short>(state == PGRES_POLLING_READING ? POLLIN : POLLOUT),
                      0};
        const qint64 left = deadline.remainingTime();
        if (left <= 0) {
            return {LoginAnswer::Kind::NoAnswer,
                    {},
                    QStringLiteral("no answer from %1 within %2 ms")
                        .arg(address.shown())
                        .arg(timeoutMs)};
        }
        const int ready = ::poll(&waited, 1, static_cast<int>(left));
        if (ready < 0 && errno != EINTR) {
            return {LoginAnswer::Kind::NoAnswer, {}, QString::fromLocal8Bit(strerror(errno))};
        }
        if (ready > 0) {
            state = PQconnectPoll(conn);
        }
    }
    if (state == PGRES_POLLING_FAILED) {
        return failedAnswer(conn);
    }
    return {LoginAnswer::Kind::Accepted, {}, {}};
}

} // namespace pulsadrome::app
