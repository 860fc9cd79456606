// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "i18n/CaptionTable.h"

#include <QSize>
#include <QString>

namespace pulsadrome::app {

// Saves the notation picture of `rhythm` as a PNG of `size` pixels, black on white, written
// whole or not at all. Returns an empty text on success, otherwise what went wrong in the
// captions' language: a sentence, then the detail lines (the file, the system's words).
QString exportPicture(int rhythm, QSize size, const QString& outFile,
                      const i18n::CaptionTable& captions);

// A failed export's message: the sentence and, on the next lines, the detail.
QString exportWriteProblem(const i18n::CaptionTable& captions, const WriteOutcome& outcome,
                           const QString& file);

} // namespace pulsadrome::app
