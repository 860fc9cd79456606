// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MenuModel.h"

#include "app/Startup.h"

namespace pulsadrome::app {

MenuModel MenuModel::load(const catalogue::ProgressFields& progress, const QString& themeWord,
                          const QString& playerName, const i18n::CaptionTable& captions) {
    MenuModel model;
    model.levels.ApplyProgress(progress);
    model.background = themeBackground(themeWord);
    model.holders.nom1 = playerName;
    model.holders.nom2 = playerName;
    model.holders.nom3 = captions.text(u"nom_du_joueur") + QStringLiteral(" 2");
    model.versionLine =
        captions.text(u"Label_version") + QStringLiteral(" - ") + captions.text(u"Label_copyright");
    return model;
}

} // namespace pulsadrome::app
