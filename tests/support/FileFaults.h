// SPDX-License-Identifier: GPL-3.0-or-later
// Real file system faults for tests, made without faking the system: a file size limit (writes
// past it fail with EFBIG, as on a full disk) and a folder that refuses every write.
#pragma once

#include <QFile>
#include <QString>

#include <csignal>

#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pulsadrome::testing {

// Lowers the largest file this process may write, for the life of the guard. Writing past it
// then fails with an error instead of a signal.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = saved_;
        lowered.rlim_cur = bytes;
        active_ = setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool active() const { return active_; }

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
    bool active_ = false;
};

// A folder whose writes the system refuses once sealed: where mounting is allowed (root, whom
// modes do not stop), a small tmpfs over the folder remounted read-only (EROFS); elsewhere the
// folder's mode 0555 (EACCES). Files put there before seal() stay readable.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& folder) : folder_(QFile::encodeName(folder)) {
        mounted_ = ::geteuid() == 0 &&
                   ::mount("tmpfs", folder_.constData(), "tmpfs", 0, "size=256k,mode=0700") == 0;
    }
    ~ReadOnlyFolder() {
        if (mounted_) {
            ::umount2(folder_.constData(), MNT_DETACH);
        } else if (sealed_) {
            ::chmod(folder_.constData(), 0700);
        }
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    // False where the folder could not be made read-only (root without the right to mount).
    bool seal() {
        if (mounted_) {
            sealed_ = ::mount(nullptr, folder_.constData(), nullptr, MS_REMOUNT | MS_RDONLY,
                              nullptr) == 0;
        } else if (::geteuid() != 0) {
            sealed_ = ::chmod(folder_.constData(), 0555) == 0;
        }
        return sealed_;
    }

private:
    QByteArray folder_;
    bool mounted_ = false;
    bool sealed_ = false;
};

} // namespace pulsadrome::testing
