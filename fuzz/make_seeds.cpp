// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the fuzz targets' seed corpora from the shipped files:
//   fuzz_seeds <seed folder> <feedback wave>...
// Each target's seeds go to <seed folder>/<target>/.
#include "catalogue/RhythmCatalogue.h"
#include "common/AtomicFile.h"
#include "play/games/HighScoreFile.h"
#include "sound/Style.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QString>
#include <QtEndian>

#include <cstdio>
#include <vector>

using namespace pulsadrome;

namespace {

bool failed = false;

void write(const QString& folder, const QString& name, const QByteArray& bytes) {
    QDir().mkpath(folder);
    if (const WriteOutcome outcome = writeFileAtomically(folder + u'/' + name, bytes); !outcome) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(folder + u'/' + name),
                     qPrintable(outcome.systemText));
        failed = true;
    }
}

// Every distinct rhythm of the catalogue, and a few of its lines with their numbers.
void rhythmSeeds(const QString& folder) {
    const auto& catalogue = catalogue::rhythmCatalogue();
    QSet<QString> seen;
    for (int n = 1; n <= catalogue.size(); ++n) {
        const catalogue::CatalogueEntry* entry = catalogue.find(n);
        if (!entry || seen.contains(entry->text)) {
            continue;
        }
        seen.insert(entry->text);
        write(folder, QString::number(n), entry->text.toUtf8());
        if (n % 40 == 1) {
            write(folder, QStringLiteral("line-%1").arg(n),
                  (QString::number(n) + u' ' + entry->text).toUtf8());
        }
    }
}

// The program's own style, and a short one in the forms the format allows (a byte order mark,
// comments, blank lines, CR LF, extra spaces).
void styleSeeds(const QString& folder) {
    const sound::Style& style = sound::defaultStyle();
    write(folder, QStringLiteral("default.sty"), sound::styleText(style).toUtf8());
    sound::Style small;
    small.bands.assign(style.bands.begin(), style.bands.begin() + 4);
    small.motifs.assign(style.motifs.begin(), style.motifs.begin() + 6);
    small.motifs.push_back(style.motifs.back());
    QString text = QStringLiteral("\uFEFF# a short style\n\n") + sound::styleText(small);
    text.replace(QStringLiteral("\nband "), QStringLiteral("\n  band  "));
    text.replace(u'\n', QStringLiteral("\r\n"));
    write(folder, QStringLiteral("short.sty"), text.toUtf8());
}

// A new table as the game writes it, and one with names.
void scoreSeeds(const QString& folder) {
    const QString separator = QStringLiteral("\t\t\t");
    std::vector<play::ScoreEntry> fresh(100, {QStringLiteral("*****************"), -100});
    std::vector<play::ScoreEntry> named;
    const QStringList names = {QStringLiteral("Léa"), QStringLiteral("Zoë"),
                               QStringLiteral("José María"), QStringLiteral("Ana-Luísa"),
                               QStringLiteral("Jürgen")};
    for (int i = 0; i < 100; ++i) {
        named.push_back({names[i % names.size()], 5000 - 37 * i});
    }
    for (const auto& [name, entries] : {std::pair{QStringLiteral("new.kdt"), fresh},
                                        std::pair{QStringLiteral("named.kdt"), named}}) {
        const play::ScoreFileBytes bytes = play::scoreFileBytes(entries, separator);
        if (!bytes.problem.none()) {
            std::fprintf(stderr, "the table %s would not read back\n", qPrintable(name));
            failed = true;
            continue;
        }
        write(folder, name, bytes.bytes);
    }
}

// A wave cut after its first sound bytes (whole frames or blocks), its sizes set to match.
void waveSeed(const QString& folder, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        failed = true;
        return;
    }
    const QByteArray bytes = file.readAll();
    QByteArray format;
    QByteArray out;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const qsizetype length = qFromLittleEndian<quint32>(bytes.constData() + at + 4);
        const QByteArray body = bytes.mid(at + 8, length);
        if (id == "fmt ") {
            format = body;
            out += bytes.mid(at, 8) + body;
        } else if (id == "data" && format.size() >= 14) {
            const int align = std::max(1, int(qFromLittleEndian<quint16>(format.constData() + 12)));
            const qsizetype kept = std::min<qsizetype>(body.size(), 2048) / align * align;
            QByteArray header("data");
            header.resize(8);
            qToLittleEndian<quint32>(quint32(kept), header.data() + 4);
            out += header + body.left(kept);
            break;
        }
        at += 8 + length + (length & 1);
    }
    QByteArray riff("RIFF0000WAVE");
    qToLittleEndian<quint32>(quint32(4 + out.size()), riff.data() + 4);
    write(folder, QFileInfo(path).fileName(), riff + out);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: fuzz_seeds <seed folder> <feedback wave>...\n");
        return 2;
    }
    const QString seeds = QString::fromLocal8Bit(argv[1]);
    rhythmSeeds(seeds + QStringLiteral("/rhythm_text"));
    styleSeeds(seeds + QStringLiteral("/style_file"));
    scoreSeeds(seeds + QStringLiteral("/high_score_file"));
    for (int i = 2; i < argc; ++i) {
        waveSeed(seeds + QStringLiteral("/wave_reader"), QString::fromLocal8Bit(argv[i]));
    }
    return failed ? 1 : 0;
}
