// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace pulsadrome {

// True for a file system type (statfs's f_type) whose files other computers may open at the
// same time: NFS, SMB/CIFS, AFS, Coda, NCP, 9P, Ceph, OCFS2, GFS2, Lustre, and FUSE, behind
// which sshfs or a desktop's SMB mount may hide.
bool isNetworkFileSystemType(unsigned long type);

// Whether `folder` lies on such a file system; nothing when it cannot be told.
std::optional<bool> onNetworkFileSystem(const QString& folder);

} // namespace pulsadrome
