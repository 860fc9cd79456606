// SPDX-License-Identifier: GPL-3.0-or-later
// A test suite on a PrivateServer of its own, started before the suite's first test and stopped
// after its last; each test gets a database of its own on it, dropped at its end. Without the
// server the suite's tests are skipped.
#pragma once

#include "support/PrivateServer.h"

#include "../app/RawDatabase.h"

#include <gmock/gmock.h>

namespace pulsadrome::testing {

class PrivateServerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { server = new PrivateServer; }
    static void TearDownTestSuite() {
        delete server;
        server = nullptr;
    }

    // From the suite's SetUp(), which goes on only when !IsSkipped(): the test's database, its
    // name beginning with `prefix`.
    void makeDatabase(const QString& prefix) {
        if (!server->whyNot().isEmpty()) {
            GTEST_SKIP() << server->whyNot().toStdString();
        }
        address = newServerDatabase(server->admin(), prefix);
    }
    // From the suite's TearDown(), once nothing uses the database: the server running again
    // (a test that failed half way may have left it stopped or frozen) and the database gone.
    void dropDatabase() {
        if (server && server->whyNot().isEmpty()) {
            server->resume();
            RawDatabase(server->admin())
                .exec(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)")
                          .arg(address.database));
        }
    }

    static inline PrivateServer* server = nullptr;
    app::ServerAddress address;
};

} // namespace pulsadrome::testing
