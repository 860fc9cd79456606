// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/AtomicFile.h"
#include "i18n/CaptionTable.h"
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

// Why the help cannot be written or shown.
struct HelpProblem {
    enum class Kind {
        None,
        Missing,       // the help of the language is missing from the program
        FolderIsAFile, // a file has the folder's name
        FolderNotMade, // the folder is missing and cannot be made
        CannotLayOut,  // the pages cannot be painted
        NotWritten,    // the PDF cannot be written; `write` says why
        NoViewer,      // the PDF is written but no program shows it
    };
    Kind kind = Kind::None;
    QString path; // the folder, or the PDF once its folder is there
    WriteOutcome write;
};

// Writes the help of `language` into `folder` (created when missing) and returns the PDF's path.
// An existing PDF is kept when it was made from the same help text and layout; otherwise it is
// replaced atomically, so a failure never leaves half a file. On failure: an empty path, and
// `problem` says why.
QString writeHelpPdf(i18n::Language language, const QString& folder, HelpProblem* problem);

// Writes the help (as above) into the data folder and opens it with the desktop's PDF viewer.
// False when the PDF cannot be written or no viewer can be started; `problem` then says why.
bool openHelp(i18n::Language language, const QString& dataFolder, HelpProblem* problem);

// What the user is told: row "aide_impossible" with the reason in whole sentences, and the
// detail line (the folder or the file, the system's words when no plainer reason is known).
QString helpProblemText(const i18n::CaptionTable& captions, const HelpProblem& problem);
QString helpProblemDetail(const i18n::CaptionTable& captions, const HelpProblem& problem);

} // namespace pulsadrome::app
