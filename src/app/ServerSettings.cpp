// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ServerSettings.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSet>
#include <QStringDecoder>

namespace pulsadrome::app {

namespace {

// Far more than any settings take; a longer file is not ours.
constexpr qint64 kLongestFile = 16 * 1024;

const QString kUseServer = QStringLiteral("server");
const QString kUseThisComputer = QStringLiteral("this-computer");

std::optional<ServerSettings> refuse(QString* why, const QString& reason) {
    if (why) {
        *why = reason;
    }
    return std::nullopt;
}

} // namespace

QByteArray settingsText(const ServerSettings& settings) {
    const ServerAddress& address = settings.address;
    QString text = QStringLiteral("# Pulsadrome: where this computer's players are kept, as the "
                                  "\"School network\" page chose it.\n");
    text += QStringLiteral("use=%1\n").arg(settings.useServer ? kUseServer : kUseThisComputer);
    text += QStringLiteral("host=%1\nport=%2\ndatabase=%3\nuser=%4\npassword=%5\n")
                .arg(address.host)
                .arg(address.port)
                .arg(address.database, address.user, address.password);
    return text.toUtf8();
}

std::optional<ServerSettings> parseSettings(const QByteArray& bytes, QString* why) {
    QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decode(bytes);
    if (decode.hasError() || text.contains(QChar(0))) {
        return refuse(why, QStringLiteral("the file is not text"));
    }
    ServerSettings settings;
    settings.address.host.clear();
    settings.address.database = QStringLiteral("pulsadrome");
    QSet<QString> seen;
    bool useGiven = false;
    const QList<QStringView> lines = QStringView(text).split(QLatin1Char('\n'));
    for (int number = 0; number < lines.size(); ++number) {
        QStringView line = lines[number];
        if (line.endsWith(QLatin1Char('\r'))) {
            line.chop(1);
        }
        if (line.trimmed().isEmpty() || line.trimmed().startsWith(QLatin1Char('#'))) {
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0) {
            return refuse(why, QStringLiteral("line %1 holds no \"key=value\"").arg(number + 1));
        }
        const QString key = line.left(equals).trimmed().toString();
        // A password is kept exactly as typed, spaces included.
        const QString raw = line.mid(equals + 1).toString();
        const QString value = raw.trimmed();
        if (seen.contains(key)) {
            return refuse(why, QStringLiteral("\"%1\" is given twice").arg(key));
        }
        seen.insert(key);
        if (key == QLatin1String("use")) {
            if (value != kUseServer && value != kUseThisComputer) {
                return refuse(why, QStringLiteral("\"use\" is neither \"%1\" nor \"%2\"")
                                       .arg(kUseServer, kUseThisComputer));
            }
            settings.useServer = value == kUseServer;
            useGiven = true;
        } else if (key == QLatin1String("host")) {
            settings.address.host = value;
        } else if (key == QLatin1String("port")) {
            bool numeric = false;
            settings.address.port = value.toInt(&numeric);
            if (!numeric || settings.address.port <= 0 || settings.address.port > 65535) {
                return refuse(why, QStringLiteral("\"%1\" is not a port").arg(value));
            }
        } else if (key == QLatin1String("database")) {
            settings.address.database = value.isEmpty() ? QStringLiteral("pulsadrome") : value;
        } else if (key == QLatin1String("user")) {
            settings.address.user = value;
        } else if (key == QLatin1String("password")) {
            settings.address.password = raw;
        } else {
            return refuse(why, QStringLiteral("the setting \"%1\" is not known").arg(key));
        }
    }
    if (!useGiven) {
        return refuse(why, QStringLiteral("\"use\" is missing"));
    }
    if (settings.useServer && settings.address.host.isEmpty()) {
        return refuse(why, QStringLiteral("a server is to be used but none is named"));
    }
    return settings;
}

ServerSettingsFile::ServerSettingsFile(const DataDirectory& data) : file_(data.file(fileName())) {}

ServerSettingsFile::State ServerSettingsFile::read() {
    settings_ = {};
    why_.clear();
    readProblem_ = {};
    const QFileInfo info(file_);
    if (!info.exists() && !info.isSymLink()) {
        return state_ = State::Missing;
    }
    if (info.isDir()) {
        readProblem_ = {ReadProblem::IsAFolder, QString()};
        return state_ = State::Unreadable;
    }
    QFile file(file_);
    if (!file.open(QIODevice::ReadOnly)) {
        readProblem_ = readFailure(file_, file);
        return state_ = State::Unreadable;
    }
    const QByteArray bytes = file.read(kLongestFile + 1);
    if (file.error() != QFileDevice::NoError) {
        readProblem_ = readFailure(file_, file);
        return state_ = State::Unreadable;
    }
    if (bytes.size() > kLongestFile) {
        why_ = QStringLiteral("the file is longer than any settings");
        return state_ = State::Damaged;
    }
    const auto settings = parseSettings(bytes, &why_);
    if (!settings) {
        return state_ = State::Damaged;
    }
    settings_ = *settings;
    return state_ = State::Read;
}

WriteOutcome ServerSettingsFile::write(const ServerSettings& settings) {
    aside_.clear();
    if (read() == State::Damaged) {
        const QString aside =
            file_ + QStringLiteral(".damaged-") +
            QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
        QFile damaged(file_);
        if (!damaged.rename(aside)) {
            return {WriteProblem::Other, damaged.errorString()};
        }
        aside_ = aside;
    }
    const WriteOutcome written =
        writeFileAtomically(file_, settingsText(settings), FileAccess::OwnerOnly);
    if (written) {
        settings_ = settings;
        state_ = State::Read;
        why_.clear();
    }
    return written;
}

} // namespace pulsadrome::app
