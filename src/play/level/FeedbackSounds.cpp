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

SoundChoice storedSoundChoice(const app::PlayerRecord& record, SoundPlayer player) {
    const auto& ticks = player == SoundPlayer::First ? record.sounds : record.sounds2;
    SoundChoice choice;
    bool allEmpty = true;
    for (std::size_t t = 0; t < ticks.size(); ++t) {
        choice.right[t] = ticks[t].right == u"1";
        choice.wrong[t] = ticks[t].wrong == u"1";
        allEmpty = allEmpty && ticks[t].right.isEmpty() && ticks[t].wrong.isEmpty();
    }
    if (player == SoundPlayer::Second && allEmpty) {
        const auto prof = static_cast<std::size_t>(app::SoundTheme::Prof);
        choice.right[prof] = choice.wrong[prof] = true;
    }
    return choice;
}

void storeSoundChoice(const SoundChoice& choice, app::PlayerRecord& record, SoundPlayer player) {
    auto& ticks = player == SoundPlayer::First ? record.sounds : record.sounds2;
    for (std::size_t t = 0; t < ticks.size(); ++t) {
        ticks[t].right = choice.right[t] ? QStringLiteral("1") : QStringLiteral("0");
        ticks[t].wrong = choice.wrong[t] ? QStringLiteral("1") : QStringLiteral("0");
    }
}

void playVerdictSound(RhythmPort& sound, const SoundChoice& choice, Verdict verdict,
                      Random& random) {
    if (const auto theme = drawTickedTheme(choice.of(verdict), random)) {
        sound.PlayFeedback(soundName(*theme), verdictName(verdict), true);
    }
}

} // namespace pulsadrome::play
