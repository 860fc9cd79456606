// SPDX-License-Identifier: GPL-3.0-or-later
// Damaged resource bundles are refused before Qt's resource system ever reads them: cut short,
// foreign, pointing beyond their end, claiming huge sizes, folders that loop. A good bundle still
// opens. Every refusal is the loader's own "Cannot open" error.
#include "resources/BundleCheck.h"
#include "resources/ResPicture.h"
#include "resources/ResourceStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gmock/gmock.h>

#include <functional>
#include <iostream>
#include <random>

using namespace pulsadrome::resources;

namespace {

QByteArray goodBundle() {
    QFile file(QStringLiteral(PULSADROME_TEST_BUNDLE));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

void put32(QByteArray& bytes, qint64 at, quint32 value) {
    qToBigEndian(value, bytes.data() + at);
}
void put16(QByteArray& bytes, qint64 at, quint16 value) {
    qToBigEndian(value, bytes.data() + at);
}
quint32 get32(const QByteArray& bytes, qint64 at) {
    return qFromBigEndian<quint32>(bytes.constData() + at);
}

// Where things lie in the good bundle (version 3: nodes of 22 bytes).
struct Layout {
    qint64 tree, payloads, names;
    struct Node {
        qint64 at; // offset of the node in the file
        bool folder;
        QString name;
    };
    std::vector<Node> nodes; // by index
    const Node& named(const QString& name) const {
        for (const Node& node : nodes) {
            if (node.name == name) {
                return node;
            }
        }
        throw std::invalid_argument(name.toStdString());
    }
};

Layout layoutOf(const QByteArray& bytes) {
    Layout layout{get32(bytes, 8), get32(bytes, 12), get32(bytes, 16), {}};
    const qint64 count = (bytes.size() - layout.tree) / 22;
    for (qint64 i = 0; i < count; ++i) {
        const qint64 at = layout.tree + i * 22;
        const qint64 name = layout.names + get32(bytes, at);
        QString text;
        if (i > 0) {
            for (int k = 0; k < qFromBigEndian<quint16>(bytes.constData() + name); ++k) {
                text += QChar(qFromBigEndian<quint16>(bytes.constData() + name + 6 + 2 * k));
            }
        }
        layout.nodes.push_back(
            {at, (qFromBigEndian<quint16>(bytes.constData() + at + 4) & 2) != 0, text});
    }
    return layout;
}

class BundleFiles {
public:
    // Writes `bytes` as a bundle file and opens it as the loader does; the error it raised, or
    // empty when it opened. An opened bundle has every resource read.
    QString open(const QByteArray& bytes) {
        const QString path = dir_.filePath(QStringLiteral("b%1.rcc").arg(++count_));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        try {
            ResPicture loader;
            loader.setFileName(path);
            readEverything(loader.hInstance());
        } catch (const ResourceError& e) {
            QFile::remove(path);
            return QString(e.description()).replace(path, QStringLiteral("<file>"));
        }
        QFile::remove(path);
        return {};
    }

private:
    static void readEverything(std::uint32_t handle) {
        const auto module = ResourceModule::fromHandle(handle);
        ASSERT_NE(module, nullptr);
        for (const char* type : {"images", "fond"}) {
            for (const QString& name : module->names(resourceId(QString::fromLatin1(type)))) {
                try {
                    module->data(resourceId(QString::fromLatin1(type)), resourceId(name));
                } catch (const ResourceError&) {
                    // A resource that cannot be loaded is reported; only a crash would fail.
                }
            }
        }
    }

    QTemporaryDir dir_;
    int count_ = 0;
};

const QString kRefused = QStringLiteral("Cannot open <file>. GetLastError returns: 193");

TEST(BundleCheck, aGoodBundleStillRegistersAndItsPicturesLoad) {
    const QByteArray good = goodBundle();
    EXPECT_EQ(bundleProblem(good), QString());
    BundleFiles files;
    EXPECT_EQ(files.open(good), QString());
    ResPicture loader;
    loader.setFileName(QStringLiteral(PULSADROME_TEST_BUNDLE));
    EXPECT_EQ(loader.LoadResPicture(QStringLiteral("images"), 101).naturalSize(), QSize(233, 57));
}

TEST(BundleCheck, everyCutShortCopyIsRefused) {
    const QByteArray good = goodBundle();
    BundleFiles files;
    for (qsizetype length = 0; length < good.size(); ++length) {
        ASSERT_FALSE(bundleProblem(good.first(length)).isEmpty()) << length;
        ASSERT_EQ(files.open(good.first(length)), kRefused) << length;
    }
    std::cout << "cut-short copies refused: " << good.size() << '\n';
}

TEST(BundleCheck, craftedDamageIsRefusedWithTheLoadersOwnError) {
    const QByteArray good = goodBundle();
    const Layout at = layoutOf(good);
    const Layout::Node& image = at.named(QStringLiteral("101.svg"));
    const Layout::Node& folder = at.named(QStringLiteral("images"));
    const Layout::Node& top = at.named(QStringLiteral("pulsadrome"));
    const qint64 imagePayload = at.payloads + get32(good, image.at + 10);
    const qint64 imageName = at.names + get32(good, image.at);
    const struct {
        const char* name;
        std::function<void(QByteArray&)> damage;
        const char* why; // part of the check's reason
    } cases[] = {
        {"another magic", [](QByteArray& b) { b[0] = 'Q'; }, "does not start"},
        {"a zip file", [](QByteArray& b) { b.replace(0, 4, "PK\3\4"); }, "does not start"},
        {"version 0", [](QByteArray& b) { put32(b, 4, 0); }, "version"},
        {"version 4", [](QByteArray& b) { put32(b, 4, 4); }, "version"},
        {"unknown features", [](QByteArray& b) { put32(b, 20, 0x80); }, "unknown features"},
        {"tree at the end", [](QByteArray& b) { put32(b, 8, b.size()); }, "beyond"},
        {"tree at 4 GB", [](QByteArray& b) { put32(b, 8, 0xFFFFFFFF); }, "beyond"},
        {"payloads at 2 GB", [](QByteArray& b) { put32(b, 12, 0x7FFFFFFF); }, "beyond"},
        {"names at 4 GB", [](QByteArray& b) { put32(b, 16, 0xFFFFFFFF); }, "beyond"},
        {"a 2 GB picture", [&](QByteArray& b) { put32(b, imagePayload, 0x7FFFFFFF); }, "beyond"},
        {"a 4 GB picture", [&](QByteArray& b) { put32(b, imagePayload, 0xFFFFFFFF); }, "beyond"},
        {"a payload at 4 GB", [&](QByteArray& b) { put32(b, image.at + 10, 0xFFFFFFFF); },
         "beyond"},
        {"a picture that inflates to 2 GB",
         [&](QByteArray& b) {
             put16(b, image.at + 4, 0x01);
             put32(b, imagePayload + 4, 0x7FFFFFFF);
         },
         "larger than"},
        {"zstd without a frame", [&](QByteArray& b) { put16(b, image.at + 4, 0x04); },
         "not compressed"},
        {"both compressions", [&](QByteArray& b) { put16(b, image.at + 4, 0x05); }, "flags"},
        {"a folder marked compressed", [&](QByteArray& b) { put16(b, folder.at + 4, 0x03); },
         "compressed"},
        {"two billion children", [&](QByteArray& b) { put32(b, folder.at + 6, 0x7FFFFFFF); },
         "more than"},
        {"children beyond the tree", [&](QByteArray& b) { put32(b, folder.at + 10, 1000); },
         "beyond"},
        {"children at 4 GB", [&](QByteArray& b) { put32(b, folder.at + 10, 0xFFFFFFFF); },
         "beyond"},
        {"a folder holding the root", [&](QByteArray& b) { put32(b, folder.at + 10, 0); }, "twice"},
        {"a folder holding itself",
         [&](QByteArray& b) {
             put32(b, top.at + 6, 1);
             put32(b, top.at + 10, static_cast<quint32>((top.at - at.tree) / 22));
         },
         "twice"},
        {"two folders sharing entries",
         [&](QByteArray& b) { put32(b, folder.at + 10, get32(b, top.at + 10)); }, "twice"},
        {"a name at 4 GB", [&](QByteArray& b) { put32(b, image.at, 0xFFFFFFFF); }, "name"},
        {"an empty name", [&](QByteArray& b) { put16(b, imageName, 0); }, "name"},
        {"a 65535-letter name", [&](QByteArray& b) { put16(b, imageName, 0xFFFF); }, "name"},
        {"a name \"..\"",
         [&](QByteArray& b) {
             put16(b, imageName, 2);
             put16(b, imageName + 6, '.');
             put16(b, imageName + 8, '.');
         },
         "plain"},
        {"a name with a slash", [&](QByteArray& b) { put16(b, imageName + 6, '/'); }, "plain"},
        {"a root that is a file", [&](QByteArray& b) { put16(b, at.tree + 4, 0); }, "root"},
    };
    BundleFiles files;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QByteArray bytes = good;
        c.damage(bytes);
        EXPECT_THAT(bundleProblem(bytes).toStdString(), ::testing::HasSubstr(c.why));
        EXPECT_EQ(files.open(bytes), kRefused);
    }
    std::cout << "crafted damaged bundles refused: " << std::size(cases) << '\n';
}

TEST(BundleCheck, theLimitsAreKept) {
    const QByteArray good = goodBundle(); // 3 pictures, 7 entries, 3 folders deep
    EXPECT_EQ(bundleProblem(good, BundleLimits{}), QString());
    const struct {
        const char* name;
        BundleLimits limits;
        const char* why;
    } cases[] = {
        {"file", {.fileBytes = 100}, "file is larger"},
        {"entry", {.entryBytes = 16}, "is larger"},
        {"total", {.totalBytes = 100}, "together"},
        {"nodes", {.nodes = 4}, "more than 4"},
        {"depth", {.depth = 1}, "deep"},
        {"name", {.nameLength = 3}, "name"},
    };
    for (const auto& c : cases) {
        EXPECT_THAT(bundleProblem(good, c.limits).toStdString(), ::testing::HasSubstr(c.why))
            << c.name;
    }
}

// A picture whose stored uncompressed size is small but whose data inflates far beyond it: the
// resource system stops at the stored size, so it cannot be loaded and nothing grows.
TEST(BundleCheck, aCompressedPictureLongerThanItSaysIsNotLoaded) {
    QByteArray bytes = goodBundle();
    const Layout at = layoutOf(bytes);
    const Layout::Node& image = at.named(QStringLiteral("101.svg"));
    QByteArray packed = qCompress(QByteArray(64 * 1024 * 1024, 'x'), 9);
    put32(packed, 0, 16); // says 16 bytes
    put16(bytes, image.at + 4, 0x01);
    put32(bytes, image.at + 10, static_cast<quint32>(bytes.size() - at.payloads));
    QByteArray length(4, '\0');
    put32(length, 0, static_cast<quint32>(packed.size()));
    bytes += length + packed;
    EXPECT_EQ(bundleProblem(bytes), QString());

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bomb.rcc"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    ResPicture loader;
    loader.setFileName(path);
    EXPECT_THROW(loader.LoadResPicture(QStringLiteral("images"), 101), ResourceError);
    // The other pictures of the bundle still load.
    ResPicture other;
    other.setFileName(path);
    EXPECT_FALSE(other.LoadResPicture(QStringLiteral("fond"), QStringLiteral("espace")).isNull());
}

// Random damage, deterministic: bytes changed anywhere, mostly in the header and the tree. Each
// copy is refused, or opens and has every resource read without harm.
TEST(BundleCheck, randomDamageNeverHarmsTheProgram) {
    const QByteArray good = goodBundle();
    const Layout at = layoutOf(good);
    std::mt19937 random(20261207);
    BundleFiles files;
    int refused = 0, opened = 0;
    constexpr int kCopies = 4000;
    for (int copy = 0; copy < kCopies; ++copy) {
        QByteArray bytes = good;
        const int changes = 1 + static_cast<int>(random() % 4);
        for (int k = 0; k < changes; ++k) {
            // Half the changes fall on the header, the names and the tree, where offsets lie.
            const qint64 where =
                random() % 2
                    ? static_cast<qint64>(random() % bytes.size())
                    : (random() % 3 == 0 ? random() % 24
                                         : at.names + random() % (bytes.size() - at.names));
            static constexpr char kValues[] = {'\0', '\x01', '\x02', '\x7f', '\xff'};
            bytes[where] = random() % 2 ? kValues[random() % 5] : static_cast<char>(random());
        }
        if (random() % 8 == 0) {
            bytes.truncate(static_cast<qsizetype>(random() % bytes.size()));
        }
        const QString error = files.open(bytes);
        ASSERT_TRUE(error.isEmpty() || error == kRefused) << error.toStdString();
        ASSERT_EQ(error.isEmpty(), bundleProblem(bytes).isEmpty());
        (error.isEmpty() ? opened : refused) += 1;
    }
    EXPECT_GT(refused, kCopies / 4);
    EXPECT_GT(opened, 0);
    std::cout << "random damaged bundles: " << kCopies << " (" << refused << " refused, " << opened
              << " opened and read)\n";
}

} // namespace
