// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DataDirectory.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace pulsadrome::app {

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
    } else if (!QDir().mkpath(wanted)) {
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
