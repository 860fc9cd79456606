// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/Bands.h"

#include "common/TextLines.h"

#include <QDebug>
#include <QFile>

namespace pulsadrome::sound {

QString BandEntry::captionKey() const {
    return QStringLiteral("instrument_%1").arg(position);
}

BandListParse parseBandList(QStringView text) {
    BandListParse result;
    for (const ContentLine& content : contentLines(text)) {
        // Named copies: clang before 16 does not let a lambda capture a structured binding.
        const int lineNumber = content.number;
        const QStringView line = content.text;
        const auto fail = [&](const QString& why) {
            result.bands.clear();
            result.error = QStringLiteral("line %1: %2").arg(lineNumber).arg(why);
            return result;
        };
        const auto fields = line.split(u'|');
        if (fields.size() != 14) {
            return fail(QStringLiteral("expected 14 fields separated by \"|\", found %1")
                            .arg(fields.size()));
        }
        BandEntry band;
        bool okPosition = false, okGm = false, okPitch = false;
        band.position = fields[0].trimmed().toInt(&okPosition);
        const QStringView kind = fields[1].trimmed();
        band.gm = fields[2].trimmed().toInt(&okGm);
        band.pitch = fields[3].trimmed().toInt(&okPitch);
        if (!okPosition || band.position != static_cast<int>(result.bands.size())) {
            return fail(QStringLiteral("the position should be %1").arg(result.bands.size()));
        }
        if (kind != u"percussion" && kind != u"melodic") {
            return fail(QStringLiteral("the kind is \"percussion\" or \"melodic\""));
        }
        band.percussion = kind == u"percussion";
        if (!okGm || band.gm < 0 || band.gm > 127 || !okPitch || band.pitch < 0 ||
            band.pitch > 127) {
            return fail(QStringLiteral("the General MIDI number and the pitch are 0 ... 127"));
        }
        bool okGain = false, okAttack = false, okRelease = false;
        band.gainTenthsDb = fields[4].trimmed().toInt(&okGain);
        band.attack = fields[5].trimmed().toInt(&okAttack);
        band.release = fields[6].trimmed().toInt(&okRelease);
        if (!okGain || !okAttack || !okRelease ||
            !isBandBalance(band.gainTenthsDb, band.attack, band.release)) {
            return fail(QStringLiteral("the gain is -200 ... 200 tenths of a dB, the attack and "
                                       "release 0 ... 127"));
        }
        bool okStart = false;
        band.start = fields[7].trimmed().toInt(&okStart);
        if (!okStart || band.start < 0 || band.start > kMaxSampleStart) {
            return fail(QStringLiteral("the start is 0 ... %1 sample points").arg(kMaxSampleStart));
        }
        for (int i = 0; i < 6; ++i) {
            band.names[static_cast<std::size_t>(i)] = fields[8 + i].trimmed().toString();
            if (band.names[static_cast<std::size_t>(i)].isEmpty()) {
                return fail(QStringLiteral("name %1 is empty").arg(i + 1));
            }
        }
        result.bands.push_back(std::move(band));
    }
    return result;
}

const std::vector<BandEntry>& bandList() {
    static const std::vector<BandEntry> bands = [] {
        QFile file(QStringLiteral(":/catalogue/bands.txt"));
        if (!file.open(QIODevice::ReadOnly)) {
            qWarning() << "The band list is missing from the program.";
            return std::vector<BandEntry>{};
        }
        auto parsed = parseBandList(QString::fromUtf8(file.readAll()));
        if (!parsed.ok()) {
            qWarning().noquote() << "The band list is damaged:" << parsed.error;
        }
        return parsed.bands;
    }();
    return bands;
}

} // namespace pulsadrome::sound
