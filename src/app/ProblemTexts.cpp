// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProblemTexts.h"

namespace pulsadrome::app {

QString storeProblemText(const i18n::CaptionTable& captions, const StoreStatus& status) {
    switch (status.fault) {
    case StoreFault::None:
        return {};
    case StoreFault::Damaged:
        return captions.text(u"raison_fichier_abime");
    case StoreFault::InUse:
        return captions.text(u"raison_fichier_occupe");
    case StoreFault::DiskFull:
        return captions.text(u"disque_plein");
    case StoreFault::WriteRefused:
        return captions.text(u"raison_ecriture_refusee");
    case StoreFault::NoPermission:
        return captions.text(u"raison_fichier_protege");
    case StoreFault::CannotOpen:
        return captions.text(u"raison_fichier_inaccessible");
    case StoreFault::CannotSetAside:
        return captions.text(u"raison_mise_de_cote");
    case StoreFault::PlayerMissing:
        return captions.text(u"raison_joueur_disparu");
    case StoreFault::Other:
        break;
    }
    return captions.text(u"raison_inconnue");
}

QString storeFailureText(const i18n::CaptionTable& captions, QStringView contextKey,
                         const StoreStatus& status) {
    return captions.text(contextKey).arg(storeProblemText(captions, status)).trimmed();
}

QString storeProblemDetail(const i18n::CaptionTable& captions, const StoreStatus& status,
                           const QString& file) {
    return i18n::problemDetail(captions, file,
                               status.fault == StoreFault::Other ? status.systemText : QString());
}

QString dataFolderProblemText(const i18n::CaptionTable& captions,
                              const DataFolderProblem& problem) {
    QString reason;
    switch (problem.kind) {
    case DataFolderProblem::Kind::None:
        return {};
    case DataFolderProblem::Kind::IsAFile:
        reason = captions.text(u"dossier_est_un_fichier");
        break;
    case DataFolderProblem::Kind::CannotCreate:
        reason = captions.text(u"dossier_non_cree");
        break;
    case DataFolderProblem::Kind::NotWritable:
        reason = captions.text(u"ecriture_interdite");
        break;
    }
    return captions.text(u"dossier_donnees_inutilisable").arg(reason);
}

QString dataFolderProblemDetail(const i18n::CaptionTable& captions,
                                const DataFolderProblem& problem) {
    return i18n::problemDetail(captions, QString(), problem.systemText, problem.folder);
}

} // namespace pulsadrome::app
