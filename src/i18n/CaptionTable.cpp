// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/CaptionTable.h"

#include "sound/Bands.h"

#include <QDebug>
#include <QDir>
#include <QStringList>

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
    return captions.text(u"ecriture_erreur");
}

QString readProblemText(const CaptionTable& captions, const ReadOutcome& outcome) {
    switch (outcome.problem) {
    case ReadProblem::None:
        return {};
    case ReadProblem::IsAFolder:
        return captions.text(u"lecture_dossier");
    case ReadProblem::Denied:
        return captions.text(u"lecture_interdite");
    case ReadProblem::Other:
        break;
    }
    return captions.text(u"lecture_erreur");
}

QString problemDetail(const CaptionTable& captions, const QString& file, const QString& systemText,
                      const QString& folder) {
    QStringList lines;
    if (!file.isEmpty()) {
        lines << captions.text(u"detail_fichier").arg(QDir::toNativeSeparators(file));
    }
    if (!folder.isEmpty()) {
        lines << captions.text(u"detail_dossier").arg(QDir::toNativeSeparators(folder));
    }
    if (!systemText.isEmpty()) {
        lines << captions.text(u"detail_systeme").arg(systemText);
    }
    return lines.join(QLatin1Char('\n'));
}

QString writeProblemDetail(const CaptionTable& captions, const WriteOutcome& outcome,
                           const QString& file) {
    return problemDetail(captions, file,
                         outcome.problem == WriteProblem::Other ? outcome.systemText : QString());
}

QString readProblemDetail(const CaptionTable& captions, const ReadOutcome& outcome,
                          const QString& file) {
    return problemDetail(captions, file,
                         outcome.problem == ReadProblem::Other ? outcome.systemText : QString());
}

} // namespace pulsadrome::i18n
