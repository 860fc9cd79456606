// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "resources/Picture.h"
#include "resources/ResourceStore.h"

#include <QString>
#include <QVariant>

#include <cstdint>
#include <memory>

namespace pulsadrome::resources {

// Loads one picture from a resource bundle. By default it reads the program's own resources;
// `setFileName` opens a bundle file (.rcc) instead, `setHInstance` borrows a module another
// object opened. The screens make a new ResPicture for every picture they load.
class ResPicture {
public:
    ResPicture() = default;
    ResPicture(const ResPicture&) = delete;
    ResPicture& operator=(const ResPicture&) = delete;

    // The bundle file this object opened; empty when it opened none.
    const QString& FileName() const { return fileName_; }
    // Releases a bundle this object opened, then opens `path`. Throws ResourceError
    // (kErrorCannotOpen): "Cannot open <path>. GetLastError returns: <code>".
    void setFileName(const QString& path);

    // The module read from; 0 when none was set (the program's own resources are read).
    std::uint32_t hInstance() const { return handle_; }
    // Releases a bundle this object opened and reads the module behind `handle` instead; the
    // object never releases a module given this way.
    void setHInstance(std::uint32_t handle);

    // The picture of resource (type, id); numbers may be given as numbers or as numeric text.
    // Throws ResourceError (kErrorResource) when the resource is missing or is not a picture.
    Picture LoadResPicture(const QVariant& type, const QVariant& id) const;

private:
    QString fileName_;
    std::shared_ptr<ResourceModule> opened_; // the bundle opened through FileName
    std::uint32_t handle_ = 0;
};

// Converts a caller's value (number or text) to a resource id.
ResourceId toResourceId(const QVariant& value);

} // namespace pulsadrome::resources
