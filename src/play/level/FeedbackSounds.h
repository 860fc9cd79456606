// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/PlayerRecord.h"
#include "common/Random.h"
#include "play/RhythmPort.h"

#include <QString>

#include <array>
#include <optional>

namespace pulsadrome::play {

enum class Verdict { Right, Wrong };

// "vrai" or "faux", as the feedback sounds are named.
QString verdictName(Verdict verdict);

// The theme word that names the backgrounds ("jaune" for Prof) and the name of the theme's
// sounds ("prof" for it). The other seven themes use their word for both.
QString themeWord(app::SoundTheme theme);
QString soundName(app::SoundTheme theme);

// The sixteen sound check boxes: which themes may answer a right and a wrong answer.
struct SoundChoice {
    std::array<bool, app::kSoundThemeCount> right{};
    std::array<bool, app::kSoundThemeCount> wrong{};

    std::array<bool, app::kSoundThemeCount>& of(Verdict verdict) {
        return verdict == Verdict::Right ? right : wrong;
    }
    const std::array<bool, app::kSoundThemeCount>& of(Verdict verdict) const {
        return verdict == Verdict::Right ? right : wrong;
    }
    bool operator==(const SoundChoice&) const = default;
};

// The player's stored ticks ("1" ticked, anything else not) as check boxes. Player 2's ticks
// are empty until his choices are first stored: he then hears the "jaune" theme's sounds, as a
// new player does.
enum class SoundPlayer { First, Second };
SoundChoice storedSoundChoice(const app::PlayerRecord& record, SoundPlayer player);
// The check boxes as the record's "1" / "0" holders of that player.
void storeSoundChoice(const SoundChoice& choice, app::PlayerRecord& record, SoundPlayer player);

// Draws one of the ticked themes, each equally likely (a draw over all eight, drawn again until
// it lands on a ticked one); none when nothing is ticked.
std::optional<app::SoundTheme>
drawTickedTheme(const std::array<bool, app::kSoundThemeCount>& ticked, Random& random);

// PlayRightSound / PlayWrongSound: plays a drawn ticked sound as the verdict of an answer.
// Nothing sounds when no box is ticked; the engine's own failure is passed over.
void playVerdictSound(RhythmPort& sound, const SoundChoice& choice, Verdict verdict,
                      Random& random);

} // namespace pulsadrome::play
