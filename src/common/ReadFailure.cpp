// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ReadFailure.h"

#include <QFileDevice>
#include <QFileInfo>

namespace pulsadrome {

ReadOutcome readFailure(const QString& path, const QFileDevice& file) {
    const QFileInfo info(path);
    if (info.isDir()) {
        return {ReadProblem::IsAFolder, file.errorString()};
    }
    if (file.error() == QFileDevice::PermissionsError || (info.exists() && !info.isReadable())) {
        return {ReadProblem::Denied, file.errorString()};
    }
    return {ReadProblem::Other, file.errorString()};
}

} // namespace pulsadrome
