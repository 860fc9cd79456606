// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DataDirectory.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>

#include <unistd.h>

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

std::optional<DataDirectory> DataDirectory::open(const QString& path, DataFolderProblem* problem) {
    const QString wanted = QDir::cleanPath(
        QFileInfo(path.isEmpty() ? defaultDataDirectory() : path).absoluteFilePath());
    const QFileInfo info(wanted);
    DataFolderProblem found{DataFolderProblem::Kind::None, wanted, {}};
    if (info.exists() && !info.isDir()) {
        found.kind = DataFolderProblem::Kind::IsAFile;
    } else if (errno = 0; !info.exists() && !createPrivateFolder(wanted)) {
        found.kind = DataFolderProblem::Kind::CannotCreate;
        if (errno != 0) {
            found.systemText = QString::fromLocal8Bit(std::strerror(errno));
        }
    } else if (::access(QFile::encodeName(wanted).constData(), W_OK | X_OK) != 0) {
        // Asked of the system, not of the mode bits: a read-only disk refuses what they allow.
        found.kind = DataFolderProblem::Kind::NotWritable;
        found.systemText = QString::fromLocal8Bit(std::strerror(errno));
    }
    if (found.kind != DataFolderProblem::Kind::None) {
        if (problem) {
            *problem = found;
        }
        return std::nullopt;
    }
    return DataDirectory(wanted);
}

QString DataDirectory::file(const QString& name) const {
    return path_ + QLatin1Char('/') + name;
}

} // namespace pulsadrome::app
