// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/RhythmCatalogue.h"

#include "common/TextLines.h"

#include <QDebug>
#include <QFile>

namespace pulsadrome::catalogue {

RhythmCatalogue RhythmCatalogue::fromText(QStringView text) {
    RhythmCatalogue catalogue;
    const auto fail = [&catalogue](int lineNumber, const QString& why) {
        catalogue.entries_.clear();
        catalogue.error_ =
            lineNumber > 0 ? QStringLiteral("line %1: %2").arg(lineNumber).arg(why) : why;
        return catalogue;
    };
    for (const auto& [lineNumber, line] : contentLines(text)) {
        const int expected = catalogue.size() + 1;
        if (expected > kBandPreviewNumber) {
            return fail(
                lineNumber,
                QStringLiteral("the catalogue ends with rhythm %1").arg(kBandPreviewNumber));
        }
        CatalogueLineParse parsed = parseCatalogueLine(line);
        if (!parsed.ok()) {
            const QString number =
                parsed.number > 0 ? QString::number(parsed.number) : QString::number(expected);
            return fail(lineNumber,
                        QStringLiteral("rhythm %1: %2").arg(number, parsed.error.message()));
        }
        if (parsed.number != expected) {
            return fail(lineNumber, QStringLiteral("rhythm %1 where rhythm %2 belongs")
                                        .arg(parsed.number)
                                        .arg(expected));
        }
        // The text after the number, exactly as written.
        const qsizetype numberEnd = line.indexOf(u' ');
        catalogue.entries_.push_back(CatalogueEntry{
            parsed.number, line.mid(numberEnd).trimmed().toString(), std::move(*parsed.rhythm)});
    }
    if (catalogue.size() < kBandPreviewNumber) {
        return fail(0, QStringLiteral("the catalogue stops after rhythm %1 of %2")
                           .arg(catalogue.size())
                           .arg(kBandPreviewNumber));
    }
    return catalogue;
}

RhythmCatalogue RhythmCatalogue::fromFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        RhythmCatalogue unread;
        unread.error_ = QStringLiteral("%1 cannot be read: %2").arg(path, file.errorString());
        return unread;
    }
    return fromText(QString::fromUtf8(file.readAll()));
}

const CatalogueEntry* RhythmCatalogue::find(int number) const {
    if (number < 1 || number > size()) {
        return nullptr;
    }
    return &entries_[static_cast<std::size_t>(number - 1)];
}

const RhythmCatalogue& rhythmCatalogue() {
    static const RhythmCatalogue catalogue = [] {
        RhythmCatalogue read = RhythmCatalogue::fromFile(QString::fromLatin1(kCataloguePath));
        if (!read.ok()) {
            qWarning().noquote() << "The rhythm catalogue is damaged:" << read.error();
        }
        return read;
    }();
    return catalogue;
}

bool soundsAlike(int a, int b) {
    if (a == b) {
        return true;
    }
    const RhythmCatalogue& rhythms = rhythmCatalogue();
    const CatalogueEntry* first = rhythms.find(a);
    const CatalogueEntry* second = rhythms.find(b);
    return first && second && first->text == second->text;
}

} // namespace pulsadrome::catalogue
