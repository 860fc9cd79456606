// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/NetworkFileSystem.h"

#include <QFile>

#include <algorithm>
#include <array>

#include <linux/magic.h>
#include <sys/vfs.h>

namespace pulsadrome {

namespace {

// Not in every kernel's <linux/magic.h>.
constexpr unsigned long kGfs2Magic = 0x01161970;
constexpr unsigned long kLustreMagic = 0x0BD00BD0;

constexpr std::array<unsigned long, 14> kNetworkTypes = {
    NFS_SUPER_MAGIC,   SMB_SUPER_MAGIC,  CIFS_SUPER_MAGIC, SMB2_SUPER_MAGIC, AFS_SUPER_MAGIC,
    AFS_FS_MAGIC,      CODA_SUPER_MAGIC, NCP_SUPER_MAGIC,  V9FS_MAGIC,       CEPH_SUPER_MAGIC,
    OCFS2_SUPER_MAGIC, kGfs2Magic,       kLustreMagic,     FUSE_SUPER_MAGIC,
};

} // namespace

bool isNetworkFileSystemType(unsigned long type) {
    // f_type is signed on some ABIs: a magic number with its top bit set arrives sign-extended.
    const unsigned long low = type & 0xFFFFFFFFul;
    return std::find(kNetworkTypes.begin(), kNetworkTypes.end(), low) != kNetworkTypes.end();
}

std::optional<bool> onNetworkFileSystem(const QString& folder) {
    struct statfs info {};
    if (::statfs(QFile::encodeName(folder).constData(), &info) != 0) {
        return std::nullopt;
    }
    return isNetworkFileSystemType(static_cast<unsigned long>(info.f_type));
}

} // namespace pulsadrome
