// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/MenuHolders.h"
#include "catalogue/Progress.h"
#include "i18n/CaptionTable.h"

#include <QString>

#include <optional>

namespace pulsadrome::app {

// What the main menu holds while it stays loaded: the open levels, the name boxes, its
// background and version line, and the holders a start hands to the play screens.
struct MenuModel {
    catalogue::LevelLabelStates levels;
    catalogue::MenuHolders holders;
    std::optional<QString> background; // the theme picture, or none for white
    QString versionLine;               // "Version 1.2 - <rights notice>"

    // The menu's load: the progress rule, the player's theme, the names and texts.
    static MenuModel load(const catalogue::ProgressFields& progress, const QString& themeWord,
                          const QString& playerName, const i18n::CaptionTable& captions);

    // A result window re-applies the progress rule to the loaded menu: labels only open.
    void applyProgress(const catalogue::ProgressFields& progress) {
        levels.ApplyProgress(progress);
    }
};

} // namespace pulsadrome::app
