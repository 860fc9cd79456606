// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ServerAddress.h"

#include <QUrl>
#include <QUrlQuery>

namespace pulsadrome::app {

namespace {

std::optional<ServerAddress> refuse(QString* why, const QString& reason) {
    if (why) {
        *why = reason;
    }
    return std::nullopt;
}

} // namespace

std::optional<ServerAddress> ServerAddress::parse(const QString& text, QString* why) {
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    if (!url.isValid()) {
        return refuse(why, QStringLiteral("\"%1\" is not a URL: %2").arg(text, url.errorString()));
    }
    const QString scheme = url.scheme().toLower();
    if (scheme != QLatin1String("postgresql") && scheme != QLatin1String("postgres")) {
        return refuse(why, QStringLiteral("\"%1\" does not start with postgresql://").arg(text));
    }
    ServerAddress address;
    address.host = url.host(QUrl::FullyDecoded);
    address.port = url.port(kDefaultPort);
    if (address.port <= 0 || address.port > 65535) {
        return refuse(why, QStringLiteral("\"%1\" names no usable port").arg(text));
    }
    QString path = url.path(QUrl::FullyDecoded);
    if (path.startsWith(QLatin1Char('/'))) {
        path.remove(0, 1);
    }
    if (path.contains(QLatin1Char('/'))) {
        return refuse(why, QStringLiteral("\"%1\" names more than a database").arg(text));
    }
    address.database = path.isEmpty() ? QStringLiteral("pulsadrome") : path;
    address.user = url.userName(QUrl::FullyDecoded);
    address.password = url.password(QUrl::FullyDecoded);
    const QUrlQuery query(url);
    for (const auto& [key, value] : query.queryItems(QUrl::FullyDecoded)) {
        if (key == QLatin1String("user")) {
            address.user = value;
        } else if (key == QLatin1String("password")) {
            address.password = value;
        } else if (key == QLatin1String("host")) {
            address.host = value;
        } else if (key == QLatin1String("port")) {
            bool numeric = false;
            address.port = value.toInt(&numeric);
            if (!numeric || address.port <= 0 || address.port > 65535) {
                return refuse(why, QStringLiteral("\"%1\" names no usable port").arg(text));
            }
        } else {
            return refuse(why,
                          QStringLiteral("\"%1\": the setting \"%2\" is not known").arg(text, key));
        }
    }
    if (address.host.isEmpty()) {
        address.host = QStringLiteral("localhost");
    }
    return address;
}

QString ServerAddress::shown() const {
    QUrl url;
    url.setScheme(QStringLiteral("postgresql"));
    if (host.startsWith(QLatin1Char('/'))) {
        QUrlQuery query;
        query.addQueryItem(QStringLiteral("host"), host);
        url.setQuery(query);
        url.setHost(QStringLiteral("localhost"));
    } else {
        url.setHost(host);
    }
    url.setPort(port);
    url.setUserName(user);
    url.setPath(QLatin1Char('/') + database);
    return url.toString();
}

} // namespace pulsadrome::app
