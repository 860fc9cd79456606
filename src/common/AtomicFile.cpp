// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pulsadrome {

namespace {

WriteProblem problemOf(int error) {
    switch (error) {
    case ENOSPC:
    case EFBIG:
    case EDQUOT:
        return WriteProblem::NoSpace;
    case EACCES:
    case EPERM:
    case EROFS:
        return WriteProblem::Denied;
    default:
        return WriteProblem::Other;
    }
}

WriteOutcome failure(int error, const QString& fallback) {
    if (error == 0) {
        return {WriteProblem::Other, fallback};
    }
    return {problemOf(error), QString::fromLocal8Bit(std::strerror(error))};
}

// A rename is durable once the folder holding it is synced; a folder that cannot be opened
// or synced (some network disks) leaves the file written, so this is only tried.
void syncFolderOf(const QString& path) {
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

WriteOutcome writeFileAtomically(const QString& path, const QByteArray& bytes, FileAccess access) {
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return failure(errno, file.errorString());
    }
    // Set on the temporary before a byte is in it, so that no other reader ever sees them.
    if (access == FileAccess::OwnerOnly && ::fchmod(file.handle(), S_IRUSR | S_IWUSR) != 0) {
        const int error = errno;
        file.cancelWriting();
        return failure(error, QString());
    }
    qint64 done = 0;
    while (done < bytes.size()) {
        errno = 0;
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) {
            // A short write is followed by this one, which says why (EFBIG, ENOSPC ...).
            const int error = errno;
            const QString text = file.errorString();
            file.cancelWriting();
            return failure(error, text);
        }
        done += n;
    }
    if (::fsync(file.handle()) != 0) {
        const int error = errno;
        file.cancelWriting();
        return failure(error, QString());
    }
    errno = 0;
    if (!file.commit()) {
        return failure(errno, file.errorString());
    }
    syncFolderOf(path);
    return {};
}

QStringList removeLeftoverTemporaries(const QString& folder, const QStringList& ownNames,
                                      const QDateTime& writtenBefore) {
    static const QRegularExpression suffix(QStringLiteral(R"(^\.[A-Za-z0-9]{6}$)"));
    QStringList removed;
    const QDir dir(folder);
    for (const QString& name : ownNames) {
        const QStringList candidates = dir.entryList({name + QStringLiteral(".??????")},
                                                     QDir::Files | QDir::Hidden | QDir::System);
        for (const QString& candidate : candidates) {
            if (!suffix.match(QStringView(candidate).mid(name.size())).hasMatch()) {
                continue;
            }
            const QString full = dir.filePath(candidate);
            if (QFileInfo(full).lastModified() >= writtenBefore) {
                continue;
            }
            if (QFile::remove(full)) {
                removed << full;
            }
        }
    }
    return removed;
}

} // namespace pulsadrome
