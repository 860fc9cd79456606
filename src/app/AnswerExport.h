// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/PlayerStore.h"
#include "i18n/CaptionTable.h"

#include <QLocale>
#include <QString>

#include <vector>

namespace pulsadrome::app {

// The answer log of `players` (in that order, each oldest answer first) as a CSV file at `path`
// for a spreadsheet of `locale`: a heading row in the captions' language, then one row per
// answer: the player's name, the date and time (UTC), the level or game, the rhythm heard and
// the one chosen, 1 for right or 0 for wrong, the time to answer in milliseconds, the tempo and
// the band's position. Written whole or not at all (writeFileAtomically).
StoreStatus exportAnswerLog(const PlayerStore& store, const std::vector<RowId>& players,
                            const i18n::CaptionTable& captions, const QLocale& locale,
                            const QString& path);

// The command for teachers: the answers of every player of the data folder `dataDir` (the
// default one when empty), with the headings in the language of its language file, for a
// spreadsheet of the computer's locale. Empty on success, else what went wrong in the language
// of `told`: a sentence, then the detail lines (the file or folder, the system's words).
QString exportAllAnswers(const QString& dataDir, const QString& path,
                         const i18n::CaptionTable& told);

} // namespace pulsadrome::app
