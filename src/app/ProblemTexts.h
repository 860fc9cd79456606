// SPDX-License-Identifier: GPL-3.0-or-later
// What the screens say when the player database fails them, in the interface language: a
// sentence for the kind of fault, and a detail line for the adult who looks after the game.
#pragma once

#include "app/DataDirectory.h"
#include "app/PlayerStore.h"
#include "i18n/CaptionTable.h"

#include <QString>

namespace pulsadrome::app {

// Why the player database failed, as one or two whole sentences ("Le disque est plein.").
QString storeProblemText(const i18n::CaptionTable& captions, const StoreStatus& status);

// The text of row `contextKey` (what could not be done, "%1" for the reason) with the reason.
QString storeFailureText(const i18n::CaptionTable& captions, QStringView contextKey,
                         const StoreStatus& status);

// The file or server concerned (none when `file` is empty) and, for a fault of no known kind or
// a server's fault, the computer's own words.
QString storeProblemDetail(const i18n::CaptionTable& captions, const StoreStatus& status,
                           const QString& file);

// Why the data folder cannot be used: the sentence of row "dossier_donnees_inutilisable" with
// the reason, and the detail (the folder, the system's words).
QString dataFolderProblemText(const i18n::CaptionTable& captions, const DataFolderProblem& problem);
QString dataFolderProblemDetail(const i18n::CaptionTable& captions,
                                const DataFolderProblem& problem);

} // namespace pulsadrome::app
