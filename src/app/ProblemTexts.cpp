// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProblemTexts.h"

#include <QDir>
#include <QStringList>

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
    QStringList lines;
    if (!file.isEmpty()) {
        lines << captions.text(u"detail_fichier").arg(QDir::toNativeSeparators(file));
    }
    if (status.fault == StoreFault::Other && !status.systemText.isEmpty()) {
        lines << captions.text(u"detail_systeme").arg(status.systemText);
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace pulsadrome::app
