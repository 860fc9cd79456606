// SPDX-License-Identifier: GPL-3.0-or-later
// The one-time move of a computer to a school's server: its own players and its high scores
// copied there, beside those of the other computers.
#pragma once

#include "app/DataDirectory.h"
#include "app/PlayerStore.h"
#include "app/ServerAddress.h"
#include "i18n/CaptionTable.h"

#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

namespace pulsadrome::app {

// What a copy did. A player whose name the server already had is stored under a name of its
// own ("Zoé (2)"), listed in `renamed` for the teacher; a player or an entry an earlier copy of
// the same data folder brought is not copied again.
struct ServerCopyOutcome {
    int playersCopied = 0;
    int playersCopiedBefore = 0;
    int answersCopied = 0;                            // the copied players' logged answers
    std::vector<std::pair<QString, QString>> renamed; // the name here, the name on the server
    int scoresCopied = 0;
    int scoresCopiedBefore = 0;
    // High-score files that could not be read (damaged, unreadable): their sentences, in the
    // language of the captions. They stay as they are; the rest is copied.
    QStringList scoreFilesSkipped;
    StoreStatus status; // the first failure; what was copied before it stays copied

    bool ok() const { return status.ok(); }
};

// Copies every player of the players file of `directory`, with its logged answers, and every entry
// of its high-score files (Score1.kdt ... Score14.kdt; the default entries are not copied) to the
// database of `server`, making or bringing its schema up to date first. The players are copied in
// one transaction, each high-score table in one transaction of its own, with the tables locked
// against other computers meanwhile; a copied entry ranks in the server's table as a new score
// does, and the table keeps its thirty best entries. Nothing on this computer changes.
ServerCopyOutcome copyToServer(const DataDirectory& directory, const ServerAddress& server,
                               const i18n::CaptionTable& captions,
                               int busyTimeoutMs = PlayerStore::kDefaultBusyTimeoutMs);

// The outcome in the interface language, for the teacher: what was copied, which players were
// given another name, and what went wrong.
QString copyOutcomeText(const i18n::CaptionTable& captions, const ServerCopyOutcome& outcome);

} // namespace pulsadrome::app
