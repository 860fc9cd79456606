// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/BundleCheck.h"

#include <QtEndian>

#include <vector>

namespace pulsadrome::resources {

namespace {

// The bundle layout Qt's resource compiler writes (versions 1 to 3), big-endian throughout:
//   header: "qres", version, tree offset, payload offset, names offset[, flags (version 3)]
//   tree:   nodes of 14 bytes (22 from version 2 on, with a last-modified time), node 0 the root
//           folder: name offset (4), flags (2), then for a folder its child count (4) and first
//           child's index (4), for a file its locale (4) and payload offset (4)
//   names:  length in letters (2), hash (4), UTF-16 letters
//   payload: length (4), bytes; a zlib-compressed one starts with its uncompressed size (4), a
//           zstd-compressed one is a zstd frame
constexpr quint16 kCompressedZlib = 0x01;
constexpr quint16 kFolder = 0x02;
constexpr quint16 kCompressedZstd = 0x04;
constexpr quint32 kKnownFileFlags = kCompressedZlib | kCompressedZstd;

class Reader {
public:
    explicit Reader(QByteArrayView bytes) : bytes_(bytes) {}

    std::int64_t size() const { return bytes_.size(); }
    // Whether `count` bytes from `offset` lie inside.
    bool holds(std::int64_t offset, std::int64_t count) const {
        return offset >= 0 && count >= 0 && offset <= size() && count <= size() - offset;
    }
    quint16 u16(std::int64_t at) const { return qFromBigEndian<quint16>(bytes_.data() + at); }
    quint32 u32(std::int64_t at) const { return qFromBigEndian<quint32>(bytes_.data() + at); }
    quint8 u8(std::int64_t at) const { return static_cast<quint8>(bytes_[at]); }

private:
    QByteArrayView bytes_;
};

// The size a zstd frame says it holds once decompressed; -1 when the frame does not say it or is
// not a zstd frame.
std::int64_t zstdContentSize(const Reader& r, std::int64_t at, std::int64_t length) {
    if (length < 6 || r.u32(at) != 0x28B52FFDu) {
        return -1;
    }
    const quint8 descriptor = r.u8(at + 4);
    if (descriptor & 0x08) {
        return -1; // a reserved bit
    }
    const int sizeFlag = descriptor >> 6;
    const bool singleSegment = (descriptor >> 5) & 1;
    static constexpr int kDictionaryBytes[] = {0, 1, 2, 4};
    static constexpr int kSizeBytes[] = {0, 2, 4, 8};
    const int sizeBytes = sizeFlag == 0 && singleSegment ? 1 : kSizeBytes[sizeFlag];
    if (sizeBytes == 0) {
        return -1;
    }
    const std::int64_t sizeAt = at + 5 + (singleSegment ? 0 : 1) + kDictionaryBytes[descriptor & 3];
    if (sizeAt + sizeBytes > at + length) {
        return -1;
    }
    quint64 value = 0;
    for (int i = sizeBytes - 1; i >= 0; --i) {
        value = (value << 8) | r.u8(sizeAt + i);
    }
    if (sizeBytes == 2) {
        value += 256;
    }
    return value > quint64(INT64_MAX) ? -1 : static_cast<std::int64_t>(value);
}

} // namespace

QString bundleProblem(QByteArrayView bytes, const BundleLimits& limits) {
    const Reader r(bytes);
    if (r.size() > limits.fileBytes) {
        return QStringLiteral("the file is larger than %1 bytes").arg(limits.fileBytes);
    }
    if (r.size() < 20 || bytes.first(4) != QByteArrayView("qres")) {
        return QStringLiteral("the file does not start as a resource bundle");
    }
    const quint32 version = r.u32(4);
    if (version < 1 || version > 3) {
        return QStringLiteral("the bundle's version %1 is unknown").arg(version);
    }
    const std::int64_t tree = r.u32(8);
    const std::int64_t payloads = r.u32(12);
    const std::int64_t names = r.u32(16);
    if (version >= 3) {
        if (!r.holds(20, 4)) {
            return QStringLiteral("the header is cut short");
        }
        if (r.u32(20) & ~kKnownFileFlags) {
            return QStringLiteral("the bundle asks for unknown features");
        }
    }
    if (tree >= r.size() || payloads >= r.size() || names >= r.size()) {
        return QStringLiteral("the header points beyond the end of the file");
    }
    const std::int64_t nodeBytes = version >= 2 ? 22 : 14;
    const std::int64_t nodeRoom = (r.size() - tree) / nodeBytes; // nodes the file could hold
    if (nodeRoom < 1) {
        return QStringLiteral("the bundle has no root folder");
    }
    if (!(r.u16(tree + 4) & kFolder)) {
        return QStringLiteral("the bundle's root is not a folder");
    }

    // The file's size bounds this: a node takes 14 bytes at least.
    std::vector<bool> reached(static_cast<std::size_t>(nodeRoom));
    reached[0] = true;
    int nodeCount = 1;
    std::int64_t total = 0;
    // Folders still to walk, one depth at a time.
    std::vector<std::int64_t> level{0};
    for (int depth = 0; !level.empty(); ++depth) {
        if (depth > limits.depth) {
            return QStringLiteral("the folders lie more than %1 deep").arg(limits.depth);
        }
        std::vector<std::int64_t> next;
        for (const std::int64_t folder : level) {
            const std::int64_t at = tree + folder * nodeBytes;
            const std::int64_t count = r.u32(at + 6);
            const std::int64_t first = r.u32(at + 10);
            if (count > limits.nodes - nodeCount) {
                return QStringLiteral("the bundle holds more than %1 files and folders")
                    .arg(limits.nodes);
            }
            if (first > nodeRoom || count > nodeRoom - first) {
                return QStringLiteral("a folder's entries lie beyond the end of the file");
            }
            for (std::int64_t child = first; child < first + count; ++child) {
                if (reached[static_cast<std::size_t>(child)]) {
                    return QStringLiteral("an entry is reached twice (a loop in the folders)");
                }
                reached[static_cast<std::size_t>(child)] = true;
                ++nodeCount;
                const std::int64_t node = tree + child * nodeBytes;
                const std::int64_t name = names + r.u32(node);
                if (!r.holds(name, 6)) {
                    return QStringLiteral("a name lies beyond the end of the file");
                }
                const int letters = r.u16(name);
                if (letters < 1 || letters > limits.nameLength || !r.holds(name + 6, 2 * letters)) {
                    return QStringLiteral("a name is empty, too long or cut short");
                }
                QString text(letters, Qt::Uninitialized);
                for (int i = 0; i < letters; ++i) {
                    text[i] = QChar(r.u16(name + 6 + 2 * i));
                }
                if (text.contains(QLatin1Char('/')) || text == u"." || text == u"..") {
                    return QStringLiteral("the name \"%1\" is not a plain name").arg(text);
                }
                const quint16 flags = r.u16(node + 4);
                if (flags & kFolder) {
                    if (flags != kFolder) {
                        return QStringLiteral("the folder \"%1\" is marked compressed").arg(text);
                    }
                    next.push_back(child);
                    continue;
                }
                if ((flags & ~kKnownFileFlags) || flags == kKnownFileFlags) {
                    return QStringLiteral("the file \"%1\" has unknown flags").arg(text);
                }
                const std::int64_t payload = payloads + r.u32(node + 10);
                if (!r.holds(payload, 4) || !r.holds(payload + 4, r.u32(payload))) {
                    return QStringLiteral("the file \"%1\" lies beyond the end of the file")
                        .arg(text);
                }
                const std::int64_t length = r.u32(payload);
                std::int64_t unpacked = length;
                if (flags & kCompressedZlib) {
                    unpacked = length < 4 ? -1 : r.u32(payload + 4);
                } else if (flags & kCompressedZstd) {
                    unpacked = zstdContentSize(r, payload + 4, length);
                }
                if (unpacked < 0) {
                    return QStringLiteral("the file \"%1\" is not compressed as it says").arg(text);
                }
                if (unpacked > limits.entryBytes) {
                    return QStringLiteral("the file \"%1\" is larger than %2 bytes")
                        .arg(text)
                        .arg(limits.entryBytes);
                }
                total += unpacked;
                if (total > limits.totalBytes) {
                    return QStringLiteral("the files together are larger than %1 bytes")
                        .arg(limits.totalBytes);
                }
            }
        }
        level = std::move(next);
    }
    return {};
}

} // namespace pulsadrome::resources
