// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/SoundFonts.h"

#include <QFileInfo>

#include <SDL.h>
#include <fluidsynth.h>

namespace pulsadrome::sound {

QStringList defaultSoundFontCandidates() {
    return {QStringLiteral("/usr/share/sounds/sf2/FluidR3_GM.sf2"),
            QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2"),
            QStringLiteral("/usr/share/sounds/sf3/default-GM.sf3")};
}

std::optional<QString> findDefaultSoundFont() {
    for (const auto& candidate : defaultSoundFontCandidates()) {
        const QFileInfo info(candidate);
        if (info.isFile() && info.isReadable()) {
            return candidate;
        }
    }
    return std::nullopt;
}

QString soundLibraryVersions() {
    SDL_version sdl{};
    SDL_GetVersion(&sdl);
    return QStringLiteral("FluidSynth %1, SDL %2.%3.%4")
        .arg(QString::fromLatin1(fluid_version_str()))
        .arg(sdl.major)
        .arg(sdl.minor)
        .arg(sdl.patch);
}

} // namespace pulsadrome::sound
