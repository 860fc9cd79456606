// SPDX-License-Identifier: GPL-3.0-or-later
// A throw-away PostgreSQL server of one test program's own (tests/support/test-postgres.sh),
// which a test may stop as an administrator would and start again on the same port, without
// disturbing the server the other tests share. Without PostgreSQL's server programs or Qt's
// driver there is none, and whyNot() says why.
#pragma once

#include "app/ServerAddress.h"

#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QString>
#include <QTemporaryDir>

#include <gmock/gmock.h>

#include <optional>

namespace pulsadrome::testing {

class PrivateServer {
public:
    PrivateServer() {
        if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
            whyNot_ = QStringLiteral("Qt's PostgreSQL driver (QPSQL) is not installed");
            return;
        }
        const int started = run(QStringLiteral("start"));
        if (started == 77) {
            whyNot_ = QStringLiteral("PostgreSQL's server programs are not installed");
            return;
        }
        QFile file(state_.path() + QStringLiteral("/address"));
        if (started != 0 || !file.open(QIODevice::ReadOnly)) {
            whyNot_ = QStringLiteral("the private test server could not be started");
            ADD_FAILURE() << whyNot_.toStdString();
            return;
        }
        address_ = app::ServerAddress::parse(QString::fromUtf8(file.readAll()).trimmed());
    }
    ~PrivateServer() {
        if (address_) {
            run(QStringLiteral("stop"));
        }
    }
    PrivateServer(const PrivateServer&) = delete;
    PrivateServer& operator=(const PrivateServer&) = delete;

    const QString& whyNot() const { return whyNot_; }
    // The superuser on database "postgres".
    const app::ServerAddress& admin() const { return *address_; }

    // A fast shutdown: the server ends every connection and stops listening.
    void halt() { EXPECT_EQ(run(QStringLiteral("halt")), 0) << "the server did not stop"; }
    // The server again, on the same port, with everything it held.
    void resume() { EXPECT_EQ(run(QStringLiteral("resume")), 0) << "the server did not start"; }
    // Every process of the server stopped where it is: the open connections stay open and
    // nothing answers, as on a machine that hangs.
    void freeze() { EXPECT_EQ(run(QStringLiteral("freeze")), 0) << "the server was not frozen"; }
    // The server's main process alone stopped: open connections answer, a new one waits.
    void hold() { EXPECT_EQ(run(QStringLiteral("hold")), 0) << "the server was not held"; }
    // The server goes on from where freeze() or hold() stopped it.
    void thaw() { EXPECT_EQ(run(QStringLiteral("thaw")), 0) << "the server was not thawed"; }

private:
    int run(const QString& command) {
        return QProcess::execute(QStringLiteral(PULSADROME_TEST_DATA "/support/test-postgres.sh"),
                                 {command, state_.path()});
    }

    QTemporaryDir state_;
    std::optional<app::ServerAddress> address_;
    QString whyNot_;
};

} // namespace pulsadrome::testing
