// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/CaptionTable.h"

#include "sound/Bands.h"

#include <QDebug>

namespace pulsadrome::i18n {

CaptionTable::CaptionTable() {
    fill(Language::Francais);
}

void CaptionTable::Command_langue_Click() {
    if (const auto language = languageFromCode(currentCode_)) {
        fill(*language);
    }
}

void CaptionTable::fill(Language language) {
    const auto column = static_cast<std::size_t>(languageNumber(language) - 1);
    for (const auto rows : {sharedCaptionRows(), extraCaptionRows()}) {
        for (const auto& row : rows) {
            texts_.insert(QString::fromLatin1(row.key), QString::fromUtf8(row.texts[column]));
        }
    }
    // The band names, one row per band list position.
    for (const auto& band : sound::bandList()) {
        texts_.insert(band.captionKey(), band.names[column]);
    }
}

QString CaptionTable::text(QStringView key) const {
    const auto it = texts_.constFind(key.toString());
    if (it == texts_.constEnd()) {
        qWarning() << "No caption row" << key;
        return {};
    }
    return *it;
}

bool CaptionTable::hasRow(QStringView key) const {
    return texts_.contains(key.toString());
}

QString writeProblemText(const CaptionTable& captions, const WriteOutcome& outcome) {
    switch (outcome.problem) {
    case WriteProblem::None:
        return {};
    case WriteProblem::NoSpace:
        return captions.text(u"disque_plein");
    case WriteProblem::Denied:
        return captions.text(u"ecriture_interdite");
    case WriteProblem::Other:
        break;
    }
    return captions.text(u"ecriture_erreur").arg(outcome.systemText);
}

} // namespace pulsadrome::i18n
