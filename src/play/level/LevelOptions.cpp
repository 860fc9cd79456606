// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/level/LevelOptions.h"

#include "play/level/NumericText.h"
#include "play/level/TempoGroups.h"

#include <algorithm>

namespace pulsadrome::play {

namespace {

// The record's yes/no holders read "1" for yes; anything else is no.
bool isYes(const QString& holder) {
    return holder == QLatin1String("1");
}

QString flagText(bool on) {
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

// A stored setting as the arrows take it: clamped into their range; a text that is no number
// leaves the arrows where they are.
int storedValue(const QString& text, const NumberBox& box) {
    const auto number = wholeNumber(text);
    if (!number) {
        return box.value;
    }
    return static_cast<int>(std::clamp<qint64>(*number, box.minimum, box.maximum));
}

// A typed value that may replace the arrows' value: a whole number in [low, high].
std::optional<int> typedValue(const QString& text, int low, int high) {
    const auto number = wholeNumber(text);
    if (!number || *number < low || *number > high) {
        return std::nullopt;
    }
    return static_cast<int>(*number);
}

} // namespace

LevelOptions::LevelOptions(OptionContext context) : context_(context) {}

void LevelOptions::loadStoredChoices() {
    const app::PlayerRecord& record = context_.players.current();
    bands_ = context_.sound.FillBandList();
    UpDown_Volume_Change(storedValue(record.volume, volume_));
    UpDown_Tempo_Change(storedValue(record.tempo, tempo_));
    showMetronome_ = metronomeShown_ = isYes(record.tictac);
    showClock_ = clockShown_ = isYes(record.compteur);
    showScore_ = scoreShown_ = isYes(record.reponse);
    // A player stored before the choice existed has an empty text: off.
    echo_ = !gameScreen() && isYes(record.ecouteChoix);
    ApplyStoredInstrument();
    Command_tempo_Click();
    sounds_ = storedSoundChoice(record, SoundPlayer::First);
    if (gameScreen()) {
        sounds2_ = storedSoundChoice(record, SoundPlayer::Second);
        // Bonuses are on unless the player turned them off.
        useBonus_ = record.bonus != u"0";
    }
    duration_.text = record.chrono;
    duration_.value = storedValue(record.chrono, duration_);
}

void LevelOptions::reloadVolumeAndTempo() {
    const app::PlayerRecord& record = context_.players.current();
    UpDown_Volume_Change(storedValue(record.volume, volume_));
    UpDown_Tempo_Change(storedValue(record.tempo, tempo_));
}

void LevelOptions::writeChoices() {
    app::PlayerRecord& record = context_.players.current();
    record.volume = volume_.text;
    record.tempo = tempo_.text;
    metronomeShown_ = showMetronome_;
    record.tictac = flagText(showMetronome_);
    clockShown_ = showClock_;
    record.compteur = flagText(showClock_);
    scoreShown_ = showScore_;
    record.reponse = flagText(showScore_);
    storeSoundChoice(sounds_, record, SoundPlayer::First);
    if (gameScreen()) {
        storeSoundChoice(sounds2_, record, SoundPlayer::Second);
        record.bonus = flagText(useBonus_);
    } else {
        // The games screen keeps its length in its own box; a scored game's fixed 300 seconds
        // must not become the player's level duration.
        record.chrono = duration_.text;
        record.ecouteChoix = flagText(echo_);
    }
    // With no band chosen (no sound, or a stored position that failed) the stored choice stays,
    // so that it works again once the sound does.
    if (bandPosition_ >= 0) {
        record.instruments = QString::number(bandPosition_);
    }
}

// Volume

void LevelOptions::UpDown_Volume_Change(int value) {
    volume_.value = std::clamp(value, volume_.minimum, volume_.maximum);
    volume_.text = QString::number(volume_.value);
    if (!context_.sound.ChangeVolume(volume_.value)) {
        context_.screen.showMessage(LevelMessage::VolumeError);
    }
}

void LevelOptions::EDIT_Volume_KeyPress(int key) {
    if (key == kKeyEnter) {
        validateVolume(true);
    }
}

void LevelOptions::EDIT_Volume_LostFocus() {
    validateVolume(false);
}

void LevelOptions::validateVolume(bool fromEnter) {
    const auto typed = typedValue(volume_.text, 0, 100);
    if (!typed) {
        volume_.text = QString::number(volume_.value);
        return;
    }
    UpDown_Volume_Change(*typed);
    if (fromEnter) {
        if (!context_.sound.ChangeVolume(volume_.value)) {
            context_.screen.showMessage(LevelMessage::VolumeError);
        }
    } else {
        context_.sound.SetVolumeFromEdit(volume_.value);
    }
}

// Tempo

void LevelOptions::UpDown_Tempo_Change(int value) {
    tempo_.value = std::clamp(value, tempo_.minimum, tempo_.maximum);
    tempo_.text = QString::number(tempo_.value);
    Command_tempo_Click();
}

void LevelOptions::Command_tempo_Click() {
    if (const auto group = tempoGroupOf(context_.codes, context_.menu.labelNN)) {
        sendTempo(scaleTempo(*group, tempo_.value));
    }
}

void LevelOptions::Image_tempo_Click() {
    if (const auto group = tempoGroupOf(context_.codes, context_.menu.labelNN)) {
        context_.sound.PlayBeatSample(beatMotif(*group));
    }
}

TempoGroup LevelOptions::beatNote() const {
    return tempoGroupOf(context_.codes, context_.menu.labelNN).value_or(TempoGroup::Crotchet);
}

void LevelOptions::sendTempo(qint16 tempo) {
    if (!context_.sound.SetTempo(tempo)) {
        context_.screen.showMessage(LevelMessage::TempoError);
    }
}

void LevelOptions::EDIT_Tempo_KeyPress(int key) {
    if (key == kKeyEnter) {
        validateTempo();
    }
}

void LevelOptions::EDIT_Tempo_LostFocus() {
    validateTempo();
}

void LevelOptions::validateTempo() {
    const auto typed = typedValue(tempo_.text, 1, 300);
    if (!typed) {
        tempo_.text = QString::number(tempo_.value);
        return;
    }
    UpDown_Tempo_Change(*typed);
    // A typed tempo holds unscaled, in every group, until the next start, arrow or button.
    sendTempo(static_cast<qint16>(tempo_.value));
}

// Duration

void LevelOptions::UpDown_chrono_Change(int value) {
    duration_.value = std::clamp(value, duration_.minimum, duration_.maximum);
    duration_.text = QString::number(duration_.value);
}

void LevelOptions::Text_chrono_KeyPress(int key) {
    if (key == kKeyEnter) {
        validateDuration();
    }
}

void LevelOptions::validateDuration() {
    // Up to 998: a typed 999 is refused although the arrows reach it. A typed 0 is refused too,
    // since a clock started at 0 would pass below 0 and never end the run.
    const auto typed = typedValue(duration_.text, 1, 998);
    if (!typed) {
        duration_.text = QString::number(duration_.value);
        return;
    }
    UpDown_chrono_Change(*typed);
}

// Panel choices

void LevelOptions::setSoundTick(app::SoundTheme theme, Verdict verdict, bool ticked) {
    sounds_.of(verdict)[static_cast<std::size_t>(theme)] = ticked;
}

void LevelOptions::setSoundTick2(app::SoundTheme theme, Verdict verdict, bool ticked) {
    sounds2_.of(verdict)[static_cast<std::size_t>(theme)] = ticked;
}

// Player 2's boxes stay as they are: the theme is player 1's.
void LevelOptions::Image_theme_Click(app::SoundTheme theme) {
    const QString word = themeWord(theme);
    context_.players.current().fond = word;
    context_.screen.applyTheme(word);
    sounds_ = SoundChoice{};
    sounds_.right[static_cast<std::size_t>(theme)] = true;
    sounds_.wrong[static_cast<std::size_t>(theme)] = true;
}

void LevelOptions::Son_Click(app::SoundTheme theme, Verdict verdict) {
    context_.sound.PlayFeedback(soundName(theme), verdictName(verdict), false);
}

void LevelOptions::playVerdictSound(Verdict verdict) {
    play::playVerdictSound(context_.sound, sounds_, verdict, context_.random);
}

// Instruments

void LevelOptions::Image_instrument_Click(int n) {
    if (n < 0 || n >= kInstrumentCount) {
        return;
    }
    framed_.fill(false);
    framed_[static_cast<std::size_t>(n)] = true;
    if (n < bands_.size()) {
        LIST_Bands_Click(n);
    }
}

void LevelOptions::LIST_Bands_Click(int position) {
    if (position < 0 || position >= bands_.size()) {
        return;
    }
    bandPosition_ = position;
    if (!context_.sound.SelectBand(bands_[position])) {
        context_.screen.showMessage(LevelMessage::BandError);
    }
    if (context_.menu.instrumentsReady) {
        context_.sound.PlayBandPreview();
    }
}

void LevelOptions::ApplyStoredInstrument() {
    const QString stored = context_.players.current().instruments;
    const auto position = wholeNumber(stored);
    int n = -1;
    if (position && *position >= 0 && *position < bands_.size()) {
        n = static_cast<int>(*position);
    } else {
        n = fallbackBandPosition(bands_.size());
        if (toldInstrument_ != stored) {
            toldInstrument_ = stored;
            context_.screen.showInstrumentFallback(
                {stored, bands_.size(), n, n >= 0 ? bands_[n] : QString()});
        }
        if (n < 0) {
            return;
        }
    }
    LIST_Bands_Click(n);
    // Only the stored picture is framed here; a frame left by an earlier click stays.
    if (n < kInstrumentCount) {
        framed_[static_cast<std::size_t>(n)] = true;
    }
}

} // namespace pulsadrome::play
