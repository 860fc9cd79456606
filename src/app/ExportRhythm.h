// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "i18n/CaptionTable.h"

#include <QString>

namespace pulsadrome::app {

// Renders rhythm `rhythm` as the game plays it (count-in, pulse, notes, then its ring) at
// `tempo` quarter notes a minute on band list position `band`, and saves it as a WAV file.
// Returns an empty text on success, otherwise what went wrong in the captions' language (a
// sentence, then the detail lines).
QString exportRhythm(int rhythm, int tempo, int band, const QString& soundFont,
                     const QString& outFile, const i18n::CaptionTable& captions);

} // namespace pulsadrome::app
