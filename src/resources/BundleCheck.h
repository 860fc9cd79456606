// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>

#include <cstdint>

namespace pulsadrome::resources {

// How much of a resource bundle (.rcc) the program is willing to read. A bundle beyond these is
// refused as a damaged one: the program's own bundles are a few megabytes.
struct BundleLimits {
    std::int64_t fileBytes = 64 * 1024 * 1024;   // the whole file
    std::int64_t entryBytes = 32 * 1024 * 1024;  // one resource, once uncompressed
    std::int64_t totalBytes = 256 * 1024 * 1024; // every resource together, once uncompressed
    int nodes = 100000;                          // files and folders
    int depth = 16;                              // folders inside folders
    int nameLength = 255;                        // letters of one file or folder name
};

// Why `bytes` is not a resource bundle the program may hand to Qt's resource system, or empty
// when it is one. Every offset the resource system will follow is checked against the bytes'
// end, every folder's children lie inside the tree and are reached once (no loop), names are
// plain (not empty, no "/", not "." or ".."), and every resource's size, uncompressed size
// included, stays under the limits. The check reads nothing outside `bytes`.
QString bundleProblem(QByteArrayView bytes, const BundleLimits& limits = {});

} // namespace pulsadrome::resources
