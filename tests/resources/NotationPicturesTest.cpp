// SPDX-License-Identifier: GPL-3.0-or-later
// The committed notation pictures (assets/notation), checked without LilyPond: one per rhythm,
// each naming its rhythm's catalogue text, all in the grid cell's frame with the staff line on
// one row, all drawable by Qt and recolourable through currentColor.
#include "catalogue/RhythmCatalogue.h"
#include "catalogue/Series.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <gmock/gmock.h>

#include <map>

using namespace pulsadrome::catalogue;

namespace {

const QString kNotationDir = QStringLiteral(PULSADROME_SOURCE_DIR "/assets/notation");
constexpr int kLastPicture = kPlaceholderPicture + kRhythmCount;
constexpr QSize kCell(233, 57);

// Every picture's bytes, read once: 100 (the empty cell) and 101 ... 660.
const std::map<int, QByteArray>& pictures() {
    static const std::map<int, QByteArray> all = [] {
        std::map<int, QByteArray> read;
        for (int picture = kPlaceholderPicture; picture <= kLastPicture; ++picture) {
            QFile file(QStringLiteral("%1/%2.svg").arg(kNotationDir).arg(picture));
            if (file.open(QIODevice::ReadOnly)) {
                read[picture] = file.readAll();
            }
        }
        return read;
    }();
    return all;
}

struct SvgHead {
    QString width;
    QString height;
    QString viewBox;
    QString desc;
};

// The root element's size attributes and the text of its <desc>.
SvgHead readHead(const QByteArray& svg) {
    SvgHead head;
    QXmlStreamReader reader(svg);
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("svg")) {
            head.width = reader.attributes().value(QLatin1String("width")).toString();
            head.height = reader.attributes().value(QLatin1String("height")).toString();
            head.viewBox = reader.attributes().value(QLatin1String("viewBox")).toString();
            continue; // into the root's children
        }
        if (reader.name() == QLatin1String("desc")) {
            head.desc = reader.readElementText();
        } else {
            reader.skipCurrentElement();
        }
    }
    return head;
}

QImage render(const QByteArray& svg, QSize size) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(svg);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

// The row with the most inked pixels (the staff line runs across the whole picture), and how
// many pixels of it are inked.
std::pair<int, int> busiestRow(const QImage& image) {
    std::pair<int, int> best{-1, 0};
    for (int y = 0; y < image.height(); ++y) {
        int inked = 0;
        for (int x = 0; x < image.width(); ++x) {
            inked += qAlpha(image.pixel(x, y)) >= 128 ? 1 : 0;
        }
        if (inked > best.second) {
            best = {y, inked};
        }
    }
    return best;
}

} // namespace

TEST(NotationPictures, theFolderHoldsThePlaceholderAndOnePicturePerRhythmAndNothingElse) {
    QSet<QString> expected;
    for (int picture = kPlaceholderPicture; picture <= kLastPicture; ++picture) {
        expected << QStringLiteral("%1.svg").arg(picture);
    }
    const QStringList listed = QDir(kNotationDir).entryList(QDir::Files);
    const QSet<QString> found(listed.begin(), listed.end());
    EXPECT_EQ(QSet<QString>(found).subtract(expected), QSet<QString>()) << "unexpected files";
    EXPECT_EQ(QSet<QString>(expected).subtract(found), QSet<QString>()) << "missing pictures";
    EXPECT_EQ(pictures().size(), std::size_t(kRhythmCount + 1));
}

TEST(NotationPictures, everyRhythmsPictureCarriesItsCatalogueText) {
    const RhythmCatalogue& catalogue = rhythmCatalogue();
    ASSERT_TRUE(catalogue.ok()) << catalogue.error().toStdString();
    for (int rhythm = 1; rhythm <= kRhythmCount; ++rhythm) {
        SCOPED_TRACE(rhythm);
        const auto found = pictures().find(pictureOf(rhythm));
        ASSERT_NE(found, pictures().end());
        EXPECT_EQ(readHead(found->second).desc,
                  QStringLiteral("pulsadrome-rhythm %1 %2")
                      .arg(QString::number(rhythm), catalogue.find(rhythm)->text))
            << "the picture is older than the catalogue: run tools/engrave/run.sh";
    }
    ASSERT_TRUE(pictures().contains(kPlaceholderPicture));
    EXPECT_EQ(readHead(pictures().at(kPlaceholderPicture)).desc,
              QStringLiteral("pulsadrome-placeholder"));
}

TEST(NotationPictures, everyPictureHasTheGridCellsFrameAndLoadsInQtSvg) {
    for (const auto& [picture, svg] : pictures()) {
        SCOPED_TRACE(picture);
        const SvgHead head = readHead(svg);
        EXPECT_EQ(head.viewBox, QStringLiteral("0 0 233 57"));
        EXPECT_EQ(head.width, QStringLiteral("233"));
        EXPECT_EQ(head.height, QStringLiteral("57"));
        const QSvgRenderer renderer(svg);
        EXPECT_TRUE(renderer.isValid());
        EXPECT_EQ(renderer.defaultSize(), kCell);
        EXPECT_EQ(renderer.viewBoxF(), QRectF(0, 0, 233, 57));
    }
}

TEST(NotationPictures, theStaffLineLiesOnTheSameRowInEveryPicture) {
    // At 2x, the size a big screen shows them at; a line one row off would show in a grid.
    const QSize size = kCell * 2;
    const auto [placeholderRow, placeholderInk] = busiestRow(render(pictures().at(100), size));
    EXPECT_GT(placeholderInk, size.width() * 4 / 10) << "the placeholder's staff is dashed";
    for (const auto& [picture, svg] : pictures()) {
        SCOPED_TRACE(picture);
        if (picture == kPlaceholderPicture) {
            continue;
        }
        const auto [row, ink] = busiestRow(render(svg, size));
        EXPECT_EQ(row, placeholderRow);
        EXPECT_GT(ink, size.width() * 9 / 10);
    }
}

TEST(NotationPictures, replacingCurrentColorRecoloursEveryStroke) {
    // The screens highlight a picture by replacing currentColor: no stroke may keep a colour of
    // its own, and the plain picture draws in black.
    for (const auto& [picture, svg] : pictures()) {
        SCOPED_TRACE(picture);
        QByteArray red = svg;
        red.replace("currentColor", "#ff0000");
        const QImage plain = render(svg, kCell);
        const QImage recoloured = render(red, kCell);
        int inked = 0;
        for (int y = 0; y < kCell.height(); ++y) {
            for (int x = 0; x < kCell.width(); ++x) {
                const QRgb before = plain.pixel(x, y);
                const QRgb after = recoloured.pixel(x, y);
                ASSERT_EQ(qAlpha(before), qAlpha(after)) << x << "," << y;
                if (qAlpha(after) < 128) {
                    continue;
                }
                ++inked;
                ASSERT_LT(qRed(before) + qGreen(before) + qBlue(before), 3 * 64) << x << "," << y;
                ASSERT_GT(qRed(after), 3 * std::max(qGreen(after), qBlue(after))) << x << "," << y;
            }
        }
        EXPECT_GT(inked, 0);
    }
}
