// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/level/FeedbackSounds.h"

namespace pulsadrome::play {

namespace {

// In app::SoundTheme order, which is the draw's numbering of the themes.
constexpr std::array<const char*, app::kSoundThemeCount> kWords{
    "jaune", "espace", "cowboy", "voiture", "ordinateur", "cheval", "train", "coq"};

} // namespace

QString verdictName(Verdict verdict) {
    return verdict == Verdict::Right ? QStringLiteral("vrai") : QStringLiteral("faux");
}

QString themeWord(app::SoundTheme theme) {
    return QString::fromLatin1(kWords[static_cast<std::size_t>(theme)]);
}

QString soundName(app::SoundTheme theme) {
    return theme == app::SoundTheme::Prof ? QStringLiteral("prof") : themeWord(theme);
}

std::optional<app::SoundTheme>
drawTickedTheme(const std::array<bool, app::kSoundThemeCount>& ticked, Random& random) {
    bool any = false;
    for (bool tick : ticked) {
        any = any || tick;
    }
    if (!any) {
        return std::nullopt;
    }
    for (;;) {
        const int k = random.below(app::kSoundThemeCount);
        if (ticked[static_cast<std::size_t>(k)]) {
            return static_cast<app::SoundTheme>(k);
        }
    }
}

void playVerdictSound(RhythmPort& sound, const SoundChoice& choice, Verdict verdict,
                      Random& random) {
    if (const auto theme = drawTickedTheme(choice.of(verdict), random)) {
        sound.PlayFeedback(soundName(*theme), verdictName(verdict), true);
    }
}

} // namespace pulsadrome::play
