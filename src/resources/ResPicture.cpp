// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/ResPicture.h"

namespace pulsadrome::resources {

ResourceId toResourceId(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return resourceId(value.toInt());
    default:
        return resourceId(value.toString());
    }
}

void ResPicture::setFileName(const QString& path) {
    opened_.reset();
    fileName_.clear();
    handle_ = 0;
    int systemError = 0;
    auto module = ResourceModule::openFile(path, &systemError);
    if (!module) {
        throw ResourceError(
            kErrorCannotOpen,
            QStringLiteral("Cannot open %1. GetLastError returns: %2").arg(path).arg(systemError));
    }
    fileName_ = path;
    handle_ = module->handle();
    opened_ = std::move(module);
}

void ResPicture::setHInstance(std::uint32_t handle) {
    opened_.reset();
    fileName_.clear();
    handle_ = handle;
}

Picture ResPicture::LoadResPicture(const QVariant& type, const QVariant& id) const {
    std::shared_ptr<ResourceModule> module =
        handle_ == 0 ? ResourceModule::program() : ResourceModule::fromHandle(handle_);
    if (!module) {
        throw ResourceError(kErrorResource,
                            QStringLiteral("The resource cannot be loaded. GetLastError: %1")
                                .arg(6 /* invalid handle */));
    }
    const QByteArray bytes = module->data(toResourceId(type), toResourceId(id));
    QString why;
    Picture picture = Picture::fromData(bytes, &why);
    if (picture.isNull()) {
        throw ResourceError(kErrorResource, QStringLiteral("The picture %1 %2 cannot be shown: %3.")
                                                .arg(type.toString(), id.toString(), why));
    }
    return picture;
}

} // namespace pulsadrome::resources
