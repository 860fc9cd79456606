// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/ResourceStore.h"

#include "resources/BundleCheck.h"

#include <QDebug>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QResource>

#include <atomic>
#include <map>

namespace pulsadrome::resources {

namespace {

constexpr auto kProgramRoot = ":/pulsadrome";

QString key(const ResourceId& id) {
    if (const int* number = std::get_if<int>(&id)) {
        return QLatin1Char('#') + QString::number(*number);
    }
    return std::get<QString>(id).toLower();
}

// Open modules by handle. Handles are never reused within a run.
struct Registry {
    QMutex mutex;
    std::map<std::uint32_t, std::weak_ptr<ResourceModule>> modules;
    std::atomic<std::uint32_t> nextHandle{1};
};

Registry& registry() {
    static Registry instance;
    return instance;
}

} // namespace

ResourceId resourceId(QStringView text) {
    bool ok = false;
    const int number = text.trimmed().toInt(&ok, 10);
    if (ok) {
        return number;
    }
    return text.toString();
}

ResourceId resourceId(int number) {
    return number;
}

ResourceModule::ResourceModule(QString root, QString bundleFile, QString mapRoot, QByteArray bundle)
    : root_(std::move(root)), bundleFile_(std::move(bundleFile)), mapRoot_(std::move(mapRoot)),
      bundle_(std::move(bundle)), handle_(registry().nextHandle++) {
    index();
}

ResourceModule::~ResourceModule() {
    if (!bundleFile_.isEmpty()) {
        QResource::unregisterResource(reinterpret_cast<const uchar*>(bundle_.constData()),
                                      mapRoot_);
    }
    QMutexLocker lock(&registry().mutex);
    registry().modules.erase(handle_);
}

void ResourceModule::index() {
    QDirIterator it(root_, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = path.mid(root_.size() + 1);
        const auto slash = relative.indexOf(QLatin1Char('/'));
        if (slash <= 0 || relative.indexOf(QLatin1Char('/'), slash + 1) >= 0) {
            continue; // only <type>/<name>.<extension>
        }
        const QString type = relative.left(slash).toLower();
        const QString name = QFileInfo(relative.mid(slash + 1)).completeBaseName();
        entries_[type].insert(key(resourceId(name)), path);
    }
}

std::shared_ptr<ResourceModule> ResourceModule::program() {
    static const std::shared_ptr<ResourceModule> module = [] {
        auto m = std::shared_ptr<ResourceModule>(
            new ResourceModule(QString::fromLatin1(kProgramRoot), QString(), QString(), {}));
        QMutexLocker lock(&registry().mutex);
        registry().modules[m->handle()] = m;
        return m;
    }();
    return module;
}

std::shared_ptr<ResourceModule> ResourceModule::openFile(const QString& path, int* systemError) {
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable()) {
        if (systemError) {
            *systemError = info.exists() ? 5 /* access denied */ : kSystemFileNotFound;
        }
        return nullptr;
    }
    // Qt's resource system trusts every offset and size of a bundle: a damaged one would make it
    // read far outside the file. The bytes are read once, checked, and registered as read, so
    // the file cannot change between the check and the use.
    const BundleLimits limits;
    QFile file(info.absoluteFilePath());
    QByteArray bytes;
    QString problem;
    if (info.size() > limits.fileBytes) {
        problem = QStringLiteral("the file is larger than %1 bytes").arg(limits.fileBytes);
    } else if (!file.open(QIODevice::ReadOnly)) {
        if (systemError) {
            *systemError = 5; // access denied
        }
        return nullptr;
    } else {
        bytes = file.read(limits.fileBytes + 1);
        problem = bundleProblem(bytes, limits);
    }
    static std::atomic<int> bundles{0};
    const QString mapRoot = QStringLiteral("/pulsadrome-bundle-%1").arg(++bundles);
    if (problem.isEmpty() &&
        !QResource::registerResource(reinterpret_cast<const uchar*>(bytes.constData()), mapRoot)) {
        problem = QStringLiteral("the resource system refused it");
    }
    if (!problem.isEmpty()) {
        qWarning().noquote() << "The resource bundle" << info.absoluteFilePath()
                             << "is not used:" << problem;
        if (systemError) {
            *systemError = kSystemBadFormat;
        }
        return nullptr;
    }
    auto module = std::shared_ptr<ResourceModule>(
        new ResourceModule(QLatin1Char(':') + mapRoot + QStringLiteral("/pulsadrome"),
                           info.absoluteFilePath(), mapRoot, std::move(bytes)));
    QMutexLocker lock(&registry().mutex);
    registry().modules[module->handle()] = module;
    return module;
}

std::shared_ptr<ResourceModule> ResourceModule::fromHandle(std::uint32_t handle) {
    QMutexLocker lock(&registry().mutex);
    const auto it = registry().modules.find(handle);
    return it == registry().modules.end() ? nullptr : it->second.lock();
}

QString ResourceModule::path(const ResourceId& type, const ResourceId& name) const {
    const auto t = entries_.constFind(key(type));
    if (t == entries_.constEnd()) {
        return {};
    }
    return t->value(key(name));
}

QByteArray ResourceModule::data(const ResourceId& type, const ResourceId& name) const {
    const auto t = entries_.constFind(key(type));
    if (t == entries_.constEnd() || !t->contains(key(name))) {
        const int code =
            t == entries_.constEnd() ? kSystemResourceTypeNotFound : kSystemResourceNameNotFound;
        throw ResourceError(
            kErrorResource,
            QStringLiteral("The resource was not found. GetLastError: %1").arg(code));
    }
    QFile file(t->value(key(name)));
    if (!file.open(QIODevice::ReadOnly)) {
        throw ResourceError(
            kErrorResource,
            QStringLiteral("The resource cannot be loaded. GetLastError: %1").arg(file.error()));
    }
    return file.readAll();
}

QStringList ResourceModule::names(const ResourceId& type) const {
    QStringList result;
    for (const QString& k : entries_.value(key(type)).keys()) {
        result << (k.startsWith(QLatin1Char('#')) ? k.mid(1) : k);
    }
    return result;
}

} // namespace pulsadrome::resources
