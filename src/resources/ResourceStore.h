// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <variant>

namespace pulsadrome::resources {

// Error numbers raised by the picture loader: the object-error base for a bundle that cannot be
// opened, base + 1 for a resource that cannot be found or loaded.
inline constexpr std::uint32_t kErrorCannotOpen = 0x80040000u;
inline constexpr std::uint32_t kErrorResource = 0x80040001u;

// System codes given with those errors.
inline constexpr int kSystemFileNotFound = 2;
inline constexpr int kSystemResourceTypeNotFound = 1813;
inline constexpr int kSystemResourceNameNotFound = 1814;
inline constexpr int kSystemBadFormat = 193; // a file that is not a valid bundle

class ResourceError : public std::runtime_error {
public:
    ResourceError(std::uint32_t number, const QString& description)
        : std::runtime_error(description.toStdString()), number_(number),
          description_(description) {}
    std::uint32_t number() const { return number_; }
    const QString& description() const { return description_; }

private:
    std::uint32_t number_;
    QString description_;
};

// A resource type or name as the callers give it: a number, or a text. A text that looks like a
// whole number ("101", " 101") is that number; other texts compare without regard to case.
using ResourceId = std::variant<int, QString>;
ResourceId resourceId(QStringView text);
ResourceId resourceId(int number);

// One bundle of resources: the program's own (embedded at build time), or a resource bundle file
// (.rcc) opened from disk. Resources are kept as `<root>/<type>/<name>.<extension>`; types and
// names are found without regard to case, and a name that is a number is found by number.
class ResourceModule {
public:
    // The program's own resources. Always open.
    static std::shared_ptr<ResourceModule> program();
    // Opens a bundle file. Nothing when it cannot be opened; `systemError` then says why
    // (kSystemBadFormat for a file that is damaged, foreign or far too large: see BundleCheck).
    static std::shared_ptr<ResourceModule> openFile(const QString& path, int* systemError);
    ~ResourceModule();
    ResourceModule(const ResourceModule&) = delete;
    ResourceModule& operator=(const ResourceModule&) = delete;

    // A handle other objects may hold to reach this module without owning it; never 0.
    std::uint32_t handle() const { return handle_; }
    // The module behind a handle, while it is open.
    static std::shared_ptr<ResourceModule> fromHandle(std::uint32_t handle);

    // The resource's bytes. Throws ResourceError (kErrorResource) with "The resource was not
    // found. GetLastError: <code>" or "The resource cannot be loaded. GetLastError: <code>".
    QByteArray data(const ResourceId& type, const ResourceId& name) const;
    // Where the resource lives, for loaders that read by path; empty when it is missing.
    QString path(const ResourceId& type, const ResourceId& name) const;
    // The names (lower case, or the decimal number) of one type, in no particular order.
    QStringList names(const ResourceId& type) const;

private:
    ResourceModule(QString root, QString bundleFile, QString mapRoot, QByteArray bundle);
    void index();

    QString root_;       // ":/pulsadrome" or the bundle's mapped root
    QString bundleFile_; // empty for the program's own resources
    QString mapRoot_;
    QByteArray bundle_; // a bundle file's bytes, registered while the module lives
    std::uint32_t handle_;
    QHash<QString, QHash<QString, QString>> entries_; // type key -> name key -> path
};

} // namespace pulsadrome::resources
