// SPDX-License-Identifier: GPL-3.0-or-later
// Checks over the shipped art and band list: what the screens and the sound engine will load
// must be there, in the sizes they lay out, and the band list must be playable.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QSet>

#include <gmock/gmock.h>

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace {

const QDir kAssets(QStringLiteral(PULSADROME_SOURCE_DIR "/assets"));

QString assetPath(const QString& relative) {
    return kAssets.filePath(relative);
}

// --- The band list -----------------------------------------------------------------------

struct BandRow {
    int position = 0;
    bool percussion = false;
    int gm = -1;
    int pitch = -1;
    QStringList names; // French, English, Spanish, Portuguese, Italian, German
};

// Reads assets/bands/bands.txt as the sound engine will: every line that is neither blank nor
// a comment must be a band. Failures name the line.
std::optional<QList<BandRow>> readBandFile(QString& error) {
    QFile file(assetPath(QStringLiteral("bands/bands.txt")));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        error = file.errorString();
        return std::nullopt;
    }
    QList<BandRow> rows;
    int lineNumber = 0;
    while (!file.atEnd()) {
        ++lineNumber;
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) {
            continue;
        }
        const QStringList fields = line.split(QLatin1Char('|'));
        const auto fail = [&](const char* why) {
            error = QStringLiteral("line %1: %2").arg(lineNumber).arg(QLatin1String(why));
            return std::nullopt;
        };
        if (fields.size() != 14) {
            return fail("not fourteen fields");
        }
        BandRow row;
        bool positionOk = false;
        bool gmOk = false;
        bool pitchOk = false;
        row.position = fields[0].trimmed().toInt(&positionOk);
        row.gm = fields[2].trimmed().toInt(&gmOk);
        row.pitch = fields[3].trimmed().toInt(&pitchOk);
        const QString kind = fields[1].trimmed();
        if (!positionOk || !gmOk || !pitchOk) {
            return fail("position, instrument or pitch is not a number");
        }
        if (kind != QLatin1String("percussion") && kind != QLatin1String("melodic")) {
            return fail("kind is neither percussion nor melodic");
        }
        row.percussion = kind == QLatin1String("percussion");
        for (int i = 8; i < 14; ++i) {
            row.names.append(fields[i].trimmed());
        }
        rows.append(row);
    }
    return rows;
}

class BandFile : public ::testing::Test {
protected:
    void SetUp() override {
        QString error;
        const auto read = readBandFile(error);
        ASSERT_TRUE(read.has_value()) << error.toStdString();
        bands = *read;
    }
    QList<BandRow> bands;
};

// General MIDI programs whose notes hold (or ring on for seconds) while the key is down, so that
// a minim and two crotchets sound different: pianos and electric pianos, vibraphone, organs,
// accordions and harmonica, bowed strings, string and voice ensembles, brass, reeds, pipes,
// synth leads and pads. Plucked, struck-and-damped and percussive programs are not.
bool isSustainingProgram(int program) {
    return (program >= 0 && program <= 5) || program == 11 || (program >= 16 && program <= 23) ||
           (program >= 40 && program <= 44) || (program >= 48 && program <= 54) ||
           (program >= 56 && program <= 95);
}

TEST_F(BandFile, listsTheFortyFourBandsInListOrder) {
    ASSERT_EQ(bands.size(), 44);
    for (int i = 0; i < bands.size(); ++i) {
        EXPECT_EQ(bands[i].position, i);
    }
}

TEST_F(BandFile, namesEveryBandInSixLanguagesWithoutTwoAlikeInALanguage) {
    for (int language = 0; language < 6; ++language) {
        QSet<QString> seen;
        for (const BandRow& band : bands) {
            ASSERT_EQ(band.names.size(), 6);
            const QString& name = band.names[language];
            EXPECT_FALSE(name.isEmpty()) << "band " << band.position << ", language " << language;
            EXPECT_FALSE(seen.contains(name)) << name.toStdString() << " twice";
            seen.insert(name);
        }
    }
}

TEST_F(BandFile, playsEveryBandOnAValidGeneralMidiSoundInAnAudibleRange) {
    QSet<QString> sounds;
    for (const BandRow& band : bands) {
        const std::string where = "band " + std::to_string(band.position);
        if (band.percussion) {
            // The General MIDI percussion map runs from key 35 to key 81.
            EXPECT_GE(band.gm, 35) << where;
            EXPECT_LE(band.gm, 81) << where;
            EXPECT_EQ(band.pitch, band.gm) << where;
        } else {
            EXPECT_GE(band.gm, 0) << where;
            EXPECT_LE(band.gm, 127) << where;
            // C2 ... C7: low and high enough for small speakers and children's ears.
            EXPECT_GE(band.pitch, 36) << where;
            EXPECT_LE(band.pitch, 96) << where;
        }
        const QString sound =
            QStringLiteral("%1/%2/%3").arg(band.percussion).arg(band.gm).arg(band.pitch);
        EXPECT_FALSE(sounds.contains(sound)) << where << " sounds like an earlier band";
        sounds.insert(sound);
    }
}

TEST_F(BandFile, givesANewPlayerAMelodicSustainingInstrument) {
    // A new player's record holds band list position 23.
    ASSERT_GE(bands.size(), 24);
    const BandRow& first = bands[23];
    ASSERT_EQ(first.position, 23);
    EXPECT_FALSE(first.percussion);
    EXPECT_TRUE(isSustainingProgram(first.gm)) << "program " << first.gm;
}

// --- Pictures ----------------------------------------------------------------------------

// The picture at `relative`, decoded as the given format; a null image when missing or not of
// that format.
QImage readPicture(const QString& relative, const char* format) {
    QImageReader reader(assetPath(relative), format);
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull() || reader.format() != format) {
        ADD_FAILURE() << relative.toStdString() << ": " << reader.errorString().toStdString();
        return {};
    }
    return image;
}

// How busy the middle of `image` is, where the answer grid and the texts go: the middle is cut
// into squares a twentieth of the height wide, and the busiest square gives the share of its
// pixels that sit on a sharp edge. Gradients and faint stars count for nothing; a motif's
// outline fills a square with edges.
double busiestSquareOfMiddle(const QImage& image) {
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    const int side = grey.height() / 20;
    const auto sharp = [&](int x, int y) {
        const int here = grey.constScanLine(y)[x];
        return std::abs(here - grey.constScanLine(y)[x + 2]) > 48 ||
               std::abs(here - grey.constScanLine(y + 2)[x]) > 48;
    };
    double busiest = 0;
    for (int top = grey.height() / 5; top + side <= grey.height() * 7 / 10; top += side) {
        for (int left = grey.width() / 4; left + side <= grey.width() * 3 / 4; left += side) {
            int edges = 0;
            for (int y = top; y < top + side; ++y) {
                for (int x = left; x < left + side; ++x) {
                    edges += sharp(x, y) ? 1 : 0;
                }
            }
            busiest = std::max(busiest, static_cast<double>(edges) / (side * side));
        }
    }
    return busiest;
}

const QStringList kThemes = {QStringLiteral("espace"),     QStringLiteral("jaune"),
                             QStringLiteral("cowboy"),     QStringLiteral("voiture"),
                             QStringLiteral("ordinateur"), QStringLiteral("cheval"),
                             QStringLiteral("train"),      QStringLiteral("coq")};

class ThemeBackground : public ::testing::TestWithParam<QString> {};

TEST_P(ThemeBackground, comesInBothSizesAsSmallJpegsWithACalmMiddle) {
    const QString theme = GetParam();
    const struct {
        QString file;
        QSize size;
    } pictures[] = {{QStringLiteral("art/fond/%1.jpg").arg(theme), QSize(800, 600)},
                    {QStringLiteral("art/fond/%1%2.jpg").arg(theme, "1680"), QSize(1680, 1050)}};
    for (const auto& picture : pictures) {
        const QImage image = readPicture(picture.file, "jpeg");
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), picture.size) << picture.file.toStdString();
        EXPECT_LE(QFileInfo(assetPath(picture.file)).size(), 200 * 1024)
            << picture.file.toStdString();
        EXPECT_LT(busiestSquareOfMiddle(image), 0.12) << picture.file.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(EveryTheme, ThemeBackground, ::testing::ValuesIn(kThemes),
                         [](const auto& info) { return info.param.toStdString(); });

TEST(ThemeBackgrounds, lookClearlyDifferentFromOneAnother) {
    // Compared as 8 x 6 thumbnails: their average colours per region must differ.
    QList<QImage> thumbnails;
    for (const QString& theme : kThemes) {
        const QImage image = readPicture(QStringLiteral("art/fond/%1.jpg").arg(theme), "jpeg");
        ASSERT_FALSE(image.isNull());
        thumbnails.append(image.scaled(8, 6, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                              .convertToFormat(QImage::Format_RGB32));
    }
    for (int a = 0; a < thumbnails.size(); ++a) {
        for (int b = a + 1; b < thumbnails.size(); ++b) {
            double difference = 0;
            for (int y = 0; y < 6; ++y) {
                for (int x = 0; x < 8; ++x) {
                    const QColor ca = thumbnails[a].pixelColor(x, y);
                    const QColor cb = thumbnails[b].pixelColor(x, y);
                    difference += std::abs(ca.red() - cb.red()) +
                                  std::abs(ca.green() - cb.green()) +
                                  std::abs(ca.blue() - cb.blue());
                }
            }
            EXPECT_GT(difference / 48, 40)
                << kThemes[a].toStdString() << " and " << kThemes[b].toStdString() << " look alike";
        }
    }
}

bool cornersAreTransparent(const QImage& image) {
    const int w = image.width() - 1;
    const int h = image.height() - 1;
    return qAlpha(image.pixel(0, 0)) == 0 && qAlpha(image.pixel(w, 0)) == 0 &&
           qAlpha(image.pixel(0, h)) == 0 && qAlpha(image.pixel(w, h)) == 0;
}

TEST(Mascot, swingsLeftAndRightAndRestsOnTransparentPicturesTwoByThree) {
    const QImage left = readPicture(QStringLiteral("art/tictac/1.png"), "png");
    const QImage right = readPicture(QStringLiteral("art/tictac/2.png"), "png");
    const QImage still = readPicture(QStringLiteral("art/tictac/still.png"), "png");
    ASSERT_FALSE(left.isNull() || right.isNull() || still.isNull());
    // Shown 50 x 75 on a 800 x 600 screen, drawn at least twice as fine.
    EXPECT_GE(left.width(), 100);
    EXPECT_EQ(left.width() * 3, left.height() * 2);
    EXPECT_EQ(right.size(), left.size());
    EXPECT_EQ(still.size(), left.size());
    for (const QImage* pose : {&left, &right, &still}) {
        EXPECT_TRUE(pose->hasAlphaChannel());
        EXPECT_TRUE(cornersAreTransparent(pose->convertToFormat(QImage::Format_ARGB32)));
    }
    EXPECT_NE(left, right);
    EXPECT_NE(left, still);
    EXPECT_NE(right, still);
}

TEST(InstrumentPictures, showEachOfTheFortyFourBandsOnPicturesOfOneSize) {
    const QDir folder(assetPath(QStringLiteral("art/instruments")));
    QStringList expected;
    for (int position = 0; position < 44; ++position) {
        expected.append(QStringLiteral("%1.png").arg(position, 2, 10, QLatin1Char('0')));
    }
    EXPECT_EQ(folder.entryList(QDir::Files, QDir::Name), expected);

    QList<QImage> pictures;
    for (const QString& name : expected) {
        const QImage picture = readPicture(QStringLiteral("art/instruments/") + name, "png");
        ASSERT_FALSE(picture.isNull());
        pictures.append(picture);
    }
    const QSize size = pictures.front().size();
    EXPECT_EQ(size.width(), size.height());
    EXPECT_GE(size.width(), 192) << "96 x 96 on a 800 x 600 screen, drawn twice as fine";
    for (int i = 0; i < pictures.size(); ++i) {
        EXPECT_EQ(pictures[i].size(), size) << expected[i].toStdString();
        EXPECT_TRUE(pictures[i].hasAlphaChannel()) << expected[i].toStdString();
        for (int j = 0; j < i; ++j) {
            EXPECT_NE(pictures[i], pictures[j])
                << expected[i].toStdString() << " repeats " << expected[j].toStdString();
        }
    }
}

TEST(ProgramIcon, comesInTheDesktopSizes) {
    const struct {
        const char* file;
        int side;
    } icons[] = {{"art/icon/pulsadrome.png", 256},
                 {"art/icon/pulsadrome-128.png", 128},
                 {"art/icon/pulsadrome-64.png", 64},
                 {"art/icon/pulsadrome-48.png", 48}};
    for (const auto& icon : icons) {
        const QImage image = readPicture(QString::fromLatin1(icon.file), "png");
        ASSERT_FALSE(image.isNull()) << icon.file;
        EXPECT_EQ(image.size(), QSize(icon.side, icon.side)) << icon.file;
        EXPECT_TRUE(cornersAreTransparent(image.convertToFormat(QImage::Format_ARGB32)))
            << icon.file;
    }
}

} // namespace
