// SPDX-License-Identifier: GPL-3.0-or-later
// A login tried on a PostgreSQL server with libpq itself, to learn why a connection is refused
// whatever language the server and this computer speak: the server's SQLSTATE (which Qt's
// driver does not pass on when a connection fails), or that no server answered at all.
#pragma once

#include "app/ServerAddress.h"

#include <QString>

namespace pulsadrome::app {

struct LoginAnswer {
    enum class Kind {
        Accepted,        // the server let the login in
        Refused,         // the server refused it; sqlState says why ("28P01", "3D000" ...)
        PasswordMissing, // the server asks for a password and none was given
        NoAnswer,        // no server answered within the time, or none listens there
    };
    Kind kind = Kind::NoAnswer;
    QString sqlState;
    QString text; // libpq's own words (in this computer's language), for the log
};

// Connects, without blocking longer than `timeoutMs` in all, and closes again. Safe to call
// from any thread.
LoginAnswer tryLogin(const ServerAddress& address, int timeoutMs);

// The SQLSTATE a connection's error message carries when libpq wrote it with its SQLSTATE
// verbosity (a line ending in "FATAL:  28P01"); empty when the server said nothing.
QString sqlStateIn(const QString& message);

} // namespace pulsadrome::app
