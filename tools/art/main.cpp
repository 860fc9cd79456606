// SPDX-License-Identifier: GPL-3.0-or-later
// pulsadrome_art: paints the game's pictures into assets/art. Run by hand after changing a
// drawing or the band list; the pictures it writes are committed.
//
//   QT_QPA_PLATFORM=offscreen pulsadrome_art [--only fond|tictac|instruments|icon] ASSETS_DIR
#include "Backgrounds.h"
#include "BandFile.h"
#include "Instruments.h"
#include "Mascot.h"
#include "Paint.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>

#include <cstdio>

namespace {

using namespace pulsadrome::art;

// JPEG quality of the backgrounds: smooth gradients stay clean and a wide picture stays well
// under 200 KB.
constexpr int kBackgroundQuality = 88;

bool writeBackgrounds(const QDir& art) {
    for (const QString& theme : themeWords()) {
        const QImage small = paintBackground(theme, QSize(800, 600));
        const QImage wide = paintBackground(theme, QSize(1680, 1050));
        if (!saveImage(small, art.filePath(QStringLiteral("fond/%1.jpg").arg(theme)),
                       kBackgroundQuality) ||
            !saveImage(wide, art.filePath(QStringLiteral("fond/%1%2.jpg").arg(theme, "1680")),
                       kBackgroundQuality)) {
            return false;
        }
    }
    return true;
}

bool writeMascot(const QDir& art) {
    const QSize size(kMascotSize.width() * kMascotScale, kMascotSize.height() * kMascotScale);
    return saveImage(paintMascot(MascotPose::PendulumLeft, size), art.filePath("tictac/1.png")) &&
           saveImage(paintMascot(MascotPose::PendulumRight, size), art.filePath("tictac/2.png")) &&
           saveImage(paintMascot(MascotPose::Still, size), art.filePath("tictac/still.png"));
}

bool writeIcon(const QDir& art) {
    for (const int side : {256, 128, 64, 48}) {
        const QString name = side == 256 ? QStringLiteral("icon/pulsadrome.png")
                                         : QStringLiteral("icon/pulsadrome-%1.png").arg(side);
        if (!saveImage(paintIcon(side), art.filePath(name))) {
            return false;
        }
    }
    return true;
}

bool writeInstruments(const QDir& assets, const QDir& art) {
    QString error;
    const QList<Band> bands = readBands(assets.filePath("bands/bands.txt"), error);
    if (bands.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return false;
    }
    const int side = kInstrumentSide * kInstrumentScale;
    for (const Band& band : bands) {
        const QImage picture = paintInstrument(band, side);
        if (picture.isNull()) {
            std::fprintf(stderr, "no drawing for band %d (%s)\n", band.position,
                         qPrintable(band.englishName));
            return false;
        }
        const QString name =
            QStringLiteral("instruments/%1.png").arg(band.position, 2, 10, QLatin1Char('0'));
        if (!saveImage(picture, art.filePath(name))) {
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Paints Pulsadrome's backgrounds, mascot, instrument pictures and icon."));
    parser.addHelpOption();
    const QCommandLineOption only(QStringLiteral("only"),
                                  QStringLiteral("Paint one group: fond, tictac, instruments or "
                                                 "icon."),
                                  QStringLiteral("group"));
    parser.addOption(only);
    parser.addPositionalArgument(QStringLiteral("assets"),
                                 QStringLiteral("The assets folder (holds bands/bands.txt; the "
                                                "pictures go to its art/ folder)."));
    parser.process(app);
    if (parser.positionalArguments().size() != 1) {
        parser.showHelp(2);
    }
    if (!QFontDatabase::families().contains(QString::fromLatin1(kEmojiFamily))) {
        std::fprintf(stderr, "the font %s is not installed (Debian: fonts-noto-color-emoji)\n",
                     kEmojiFamily);
        return 1;
    }
    const QString group = parser.value(only);
    const QStringList groups = {QStringLiteral("fond"), QStringLiteral("tictac"),
                                QStringLiteral("instruments"), QStringLiteral("icon")};
    if (!group.isEmpty() && !groups.contains(group)) {
        std::fprintf(stderr, "unknown group %s\n", qPrintable(group));
        return 2;
    }
    const QDir assets(parser.positionalArguments().constFirst());
    const QDir art(assets.filePath(QStringLiteral("art")));
    const auto wanted = [&](const char* name) {
        return group.isEmpty() || group == QLatin1String(name);
    };
    const bool ok = (!wanted("fond") || writeBackgrounds(art)) &&
                    (!wanted("tictac") || writeMascot(art)) &&
                    (!wanted("instruments") || writeInstruments(assets, art)) &&
                    (!wanted("icon") || writeIcon(art));
    return ok ? 0 : 1;
}
