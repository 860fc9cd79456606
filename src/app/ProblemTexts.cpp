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
    case StoreFault::Unreachable:
        return captions.text(u"raison_serveur_injoignable");
    case StoreFault::WrongPassword:
        return captions.text(u"raison_serveur_mot_de_passe");
    case StoreFault::NoRights:
        return captions.text(u"raison_serveur_droits");
    case StoreFault::NoDatabase:
        return captions.text(u"raison_serveur_sans_base");
    case StoreFault::NewerSchema:
        return captions.text(u"raison_serveur_plus_recent");
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
    // A server's own words say what the adult must put right (which host, which user).
    const bool fromServer =
        status.fault == StoreFault::Unreachable || status.fault == StoreFault::WrongPassword ||
        status.fault == StoreFault::NoRights || status.fault == StoreFault::NoDatabase;
    const QString systemText =
        status.fault == StoreFault::Other || fromServer ? status.systemText : QString();
    if (file.startsWith(QLatin1String("postgresql://"))) {
        const QString rest = i18n::problemDetail(captions, QString(), systemText);
        const QString server = captions.text(u"detail_serveur").arg(file);
        return rest.isEmpty() ? server : server + QLatin1Char('\n') + rest;
    }
    return i18n::problemDetail(captions, file, systemText);
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
