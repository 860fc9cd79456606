// SPDX-License-Identifier: GPL-3.0-or-later
// What the program says when it cannot start on its data folder: in a box and on stderr, in the
// interface language, the folder or file and the system's own words in the box's detail line.
#pragma once

#include "app/DataDirectory.h"
#include "app/SingleCopy.h"
#include "i18n/CaptionTable.h"

#include <QString>

namespace pulsadrome::app {

// The captions for a message told before the game runs: the language of the language file in
// `folder` when it can be read, else the computer's language when it is one of the six, else
// French.
i18n::CaptionTable startCaptions(const QString& folder);

// Tells why the data folder cannot be used.
void tellDataFolderProblem(const i18n::CaptionTable& captions, const DataFolderProblem& problem);
// Tells why the copy's lock cannot be taken (after SingleCopy::Start::Failed).
void tellLockFault(const i18n::CaptionTable& captions, const SingleCopy& copy);
// Tells that the game is already open (after SingleCopy::Start::AlreadyOpen).
void tellAlreadyOpen(const i18n::CaptionTable& captions, const SingleCopy& copy);

} // namespace pulsadrome::app
