// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DataDirectory.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace pulsadrome::app {

namespace {

// The folder and any missing parents; the folder itself (the players' names and passwords live
// there) is open to its owner only. A file system without Unix modes keeps its own, said on
// stderr: the folder still works.
bool createPrivateFolder(const QString& path) {
    constexpr QFileDevice::Permissions kOwnerOnly =
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    const QFileInfo info(path);
    if (!QDir().mkpath(info.path()) || !QDir().mkdir(path, kOwnerOnly)) {
        return QFileInfo(path).isDir(); // made meanwhile by another copy
    }
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                            QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                            QFileDevice::WriteOther | QFileDevice::ExeOther;
    if ((QFileInfo(path).permissions() & others) && !QFile::setPermissions(path, kOwnerOnly)) {
        qWarning().noquote() << "The data folder" << path
                             << "could not be made private to its owner";
    }
    return true;
}

} // namespace

QString defaultDataDirectory() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/pulsadrome");
}

std::optional<DataDirectory> DataDirectory::open(const QString& path, QString* error) {
    const QString wanted = QDir::cleanPath(
        QFileInfo(path.isEmpty() ? defaultDataDirectory() : path).absoluteFilePath());
    const QFileInfo info(wanted);
    QString problem;
    if (info.exists() && !info.isDir()) {
        problem = QStringLiteral("%1 is a file, not a folder.").arg(wanted);
    } else if (!info.exists() && !createPrivateFolder(wanted)) {
        problem = QStringLiteral("The folder %1 cannot be created.").arg(wanted);
    } else if (!QFileInfo(wanted).isWritable()) {
        problem = QStringLiteral("The folder %1 cannot be written to.").arg(wanted);
    }
    if (!problem.isEmpty()) {
        if (error) {
            *error = problem;
        }
        return std::nullopt;
    }
    return DataDirectory(wanted);
}

QString DataDirectory::file(const QString& name) const {
    return path_ + QLatin1Char('/') + name;
}

} // namespace pulsadrome::app
