// SPDX-License-Identifier: GPL-3.0-or-later
#include "listening/ListeningSession.h"

#include "play/level/NumericText.h"

#include <algorithm>
#include <optional>

namespace pulsadrome::listening {

namespace {

// A stored setting as the arrows take it: its leading number, clamped into their range.
int storedValue(const QString& text, const SettingBox& box) {
    return static_cast<int>(
        std::clamp<qint64>(play::leadingNumber(text), box.minimum, box.maximum));
}

// A typed text that may replace the arrows' value: a whole number within the box's range.
std::optional<int> typedValue(const SettingBox& box) {
    const auto number = play::wholeNumber(box.text);
    if (!number || *number < box.minimum || *number > box.maximum) {
        return std::nullopt;
    }
    return static_cast<int>(*number);
}

} // namespace

ListeningSession::ListeningSession(play::RhythmPort& sound, app::PlayerRecordStore& players)
    : sound_(sound), players_(players) {}

void ListeningSession::track(bool soundOk) {
    if (!soundOk) {
        soundUnavailable_ = true;
    }
}

void ListeningSession::load() {
    bands_ = sound_.FillBandList();
    if (bands_.isEmpty()) {
        soundUnavailable_ = true;
    }
    group_ = 1;
    const app::PlayerRecord& record = players_.current();
    const int volume = storedValue(record.volume, volume_);
    // Always sent: the performance starts at its own defaults, not at the arrows' values.
    setVolumeArrows(volume);
    volume_.text = record.volume;
    const int tempo = storedValue(record.tempo, tempo_);
    setTempoArrows(tempo);
    tempo_.text = record.tempo;
    // A stored position that is not one of the list's plays the default band.
    const int stored = static_cast<qint16>(play::leadingNumber(record.instruments));
    selectBand(stored >= 0 && stored < bands_.size() ? stored
                                                     : play::fallbackBandPosition(bands_.size()));
}

void ListeningSession::playPlace(int place) {
    track(sound_.PlayRhythm(motifAt(group_, place)));
}

void ListeningSession::chooseGroup(int g) {
    track(sound_.StopAll());
    group_ = g;
    ticksLeft_ = kRepeatTicks;
    repeating_ = true;
}

void ListeningSession::tick() {
    if (!repeating_) {
        return;
    }
    tempo_.text = QString::number(tempo_.value);
    track(sound_.SetTempo(scaledTempo()));
    if (--ticksLeft_ == 0) {
        repeating_ = false;
        ticksLeft_ = kRepeatTicks;
    }
}

void ListeningSession::selectBand(int position) {
    if (position < 0 || position >= bands_.size()) {
        return;
    }
    bandPosition_ = position;
    track(sound_.SelectBand(bands_.at(position)));
}

qint16 ListeningSession::scaledTempo() const {
    return play::scaleTempo(listeningGroup(group_).beat, tempo_.value);
}

void ListeningSession::setTempoArrows(int value) {
    tempo_.value = std::clamp(value, tempo_.minimum, tempo_.maximum);
    tempo_.text = QString::number(tempo_.value);
    track(sound_.SetTempo(scaledTempo()));
}

void ListeningSession::setVolumeArrows(int value) {
    volume_.value = std::clamp(value, volume_.minimum, volume_.maximum);
    volume_.text = QString::number(volume_.value);
    track(sound_.ChangeVolume(volume_.value));
}

void ListeningSession::confirmTempo() {
    const auto typed = typedValue(tempo_);
    if (!typed) {
        tempo_.text = QString::number(tempo_.value);
        return;
    }
    if (*typed != tempo_.value) {
        setTempoArrows(*typed);
    }
    // As the screen always did: the confirmed setting goes out once more, unscaled.
    track(sound_.SetTempo(static_cast<qint16>(tempo_.value)));
}

void ListeningSession::confirmVolume(bool byEnter) {
    const auto typed = typedValue(volume_);
    if (!typed) {
        volume_.text = QString::number(volume_.value);
        return;
    }
    if (*typed != volume_.value) {
        setVolumeArrows(*typed);
    }
    track(byEnter ? sound_.ChangeVolume(volume_.value) : sound_.SetVolumeFromEdit(volume_.value));
}

app::StoreStatus ListeningSession::leave() {
    repeating_ = false;
    ticksLeft_ = kRepeatTicks;
    sound_.StopAll();
    app::PlayerRecord& record = players_.current();
    record.volume = volume_.text;
    record.tempo = tempo_.text;
    return players_.storeCurrent();
}

} // namespace pulsadrome::listening
