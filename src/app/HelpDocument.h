// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "i18n/Language.h"

#include <QString>

namespace pulsadrome::app {

// The help for parents and teachers, one text per interface language, kept in the program as
// simple HTML (assets/help/aide.<tag>.html, resources under :/help/). It is handed to the
// desktop's viewer as an A4 PDF named "aide-<tag>.pdf" (tag "fr", "en", "es", "pt", "it", "de")
// in the data folder, beside the players and the scores, so that an adult can find and print it.

// "aide-fr.pdf" ... "aide-de.pdf".
QString helpFileName(i18n::Language language);

// The help text of a language, as shipped (HTML, UTF-8 decoded).
QString helpSource(i18n::Language language);

// Writes the help of `language` into `folder` (created when missing) and returns the PDF's path.
// An existing PDF is kept when it was made from the same help text and layout; otherwise it is
// replaced atomically, so a failure never leaves half a file. On failure: an empty path, and
// `error` says why in a sentence.
QString writeHelpPdf(i18n::Language language, const QString& folder, QString* error);

// Writes the help (as above) into the data folder and opens it with the desktop's PDF viewer.
// False when the PDF cannot be written or no viewer can be started; `error` then says why.
bool openHelp(i18n::Language language, const QString& dataFolder, QString* error);

} // namespace pulsadrome::app
