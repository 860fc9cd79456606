// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace pulsadrome::sound {

// The General MIDI SoundFonts the program looks for, best first: FluidR3_GM, then the small
// TimGM6mb.
QStringList defaultSoundFontCandidates();

// The first candidate that exists as a readable file.
std::optional<QString> findDefaultSoundFont();

// The versions of the synthesizer and audio libraries the program runs with.
QString soundLibraryVersions();

} // namespace pulsadrome::sound
