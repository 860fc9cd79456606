// SPDX-License-Identifier: GPL-3.0-or-later
// The resource bundle check, then what the program does with a bundle it passes: Qt's resource
// system registers it and every file in it is listed and read whole. A bundle that passes the
// check must never make Qt read outside its bytes.
#include "FuzzCheck.h"
#include "resources/BundleCheck.h"

#include <QByteArrayView>
#include <QDirIterator>
#include <QFile>
#include <QResource>
#include <QString>

#include <cstddef>
#include <cstdint>

using namespace pulsadrome;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The program's rules with smaller sizes, so that one run does not spend its time
    // decompressing: every check is the same.
    resources::BundleLimits limits;
    limits.fileBytes = 1 << 20;
    limits.entryBytes = 1 << 20;
    limits.totalBytes = 4 << 20;
    limits.nodes = 10000;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (!resources::bundleProblem(bytes, limits).isEmpty()) {
        return 0;
    }
    const QString root = QStringLiteral("/fuzz");
    if (!QResource::registerResource(data, root)) {
        return 0;
    }
    QDirIterator it(QStringLiteral(":") + root, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray content = file.readAll();
            FUZZ_CHECK(content.size() <= limits.entryBytes);
        }
    }
    QResource::unregisterResource(data, root);
    return 0;
}
