// SPDX-License-Identifier: GPL-3.0-or-later
// Where a shared player database lives: a PostgreSQL server, its database and the login to use,
// written as a URL ("postgresql://host:5432/pulsadrome?user=...&password=...").
#pragma once

#include <QString>

#include <optional>

namespace pulsadrome::app {

struct ServerAddress {
    static constexpr int kDefaultPort = 5432;

    QString host; // a name, an address, or a folder holding the server's Unix socket
    int port = kDefaultPort;
    QString database; // "pulsadrome" when the URL names none
    QString user;
    QString password;

    // Reads "postgresql://" (or "postgres://") URLs: the login either as user:password@ before
    // the host or as the query items "user" and "password"; the query item "host" names a socket
    // folder instead of the URL's host. Percent-encoded characters are decoded. None, with the
    // reason in `why`, for anything else.
    static std::optional<ServerAddress> parse(const QString& url, QString* why = nullptr);

    // The URL without the password, to name the database in messages and logs.
    QString shown() const;

    bool operator==(const ServerAddress&) const = default;
};

} // namespace pulsadrome::app
