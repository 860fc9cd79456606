// SPDX-License-Identifier: GPL-3.0-or-later
#include "BandFile.h"

#include <QFile>
#include <QStringList>

namespace pulsadrome::art {

namespace {

// position, kind, gm, pitch, gain, attack, release, start, six names
constexpr int kFieldCount = 14;
constexpr int kEnglishField = 9;

} // namespace

QList<Band> readBands(const QString& path, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        error = QStringLiteral("cannot open %1: %2").arg(path, file.errorString());
        return {};
    }
    QList<Band> bands;
    int lineNumber = 0;
    while (!file.atEnd()) {
        ++lineNumber;
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) {
            continue;
        }
        const QStringList fields = line.split(QLatin1Char('|'));
        bool positionOk = false;
        bool gmOk = false;
        Band band;
        if (fields.size() == kFieldCount) {
            band.position = fields[0].trimmed().toInt(&positionOk);
            band.gm = fields[2].trimmed().toInt(&gmOk);
            band.percussion = fields[1].trimmed() == QLatin1String("percussion");
            band.englishName = fields[kEnglishField].trimmed();
        }
        if (!positionOk || !gmOk || band.englishName.isEmpty()) {
            error = QStringLiteral("%1, line %2: not a band line").arg(path).arg(lineNumber);
            return {};
        }
        bands.append(band);
    }
    if (bands.isEmpty()) {
        error = QStringLiteral("%1 holds no band").arg(path);
    }
    return bands;
}

} // namespace pulsadrome::art
