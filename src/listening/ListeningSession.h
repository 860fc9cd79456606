// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/PlayerStore.h"
#include "listening/ListeningGroups.h"
#include "play/RhythmPort.h"

#include <QString>
#include <QStringList>

namespace pulsadrome::listening {

// A tempo or volume control: the arrows' value and the box's text, which may be anything typed.
struct SettingBox {
    int minimum;
    int maximum;
    int value;
    QString text;
};

// The listening screen without its widgets: the group shown, the tempo and volume boxes, the
// tempo repeat after a group change and what return stores. Time is an input: the screen runs a
// 100 ms timer while repeating() and calls tick() on each timeout.
class ListeningSession {
public:
    static constexpr int kRepeatTicks = 20;
    static constexpr int kTickMilliseconds = 100;

    ListeningSession(play::RhythmPort& sound, app::PlayerRecordStore& players);

    // The load step: the band list, then the player's stored volume, tempo and band, then group 1.
    // Engine failures here are not errors; they only mark the sound as unavailable.
    void load();

    int group() const { return group_; }
    const QStringList& bands() const { return bands_; }
    int bandPosition() const { return bandPosition_; }
    const SettingBox& tempo() const { return tempo_; }
    const SettingBox& volume() const { return volume_; }
    // The countdown the screen shows: 20 at rest, 19 ... 1 while the tempo repeats.
    int ticksLeft() const { return ticksLeft_; }
    bool repeating() const { return repeating_; }
    // True once the engine refused something that needs a sound system (or has no band).
    bool soundUnavailable() const { return soundUnavailable_; }

    // A click on place k (1 ... 27) of the shown group.
    void playPlace(int place);
    // A click on group number g (1 ... 22): silence, the group shown, the tempo repeat started.
    void chooseGroup(int g);
    // One 100 ms timer tick; the repeat stops by itself after the 20th.
    void tick();

    void selectBand(int position);

    // Arrows. Each shows its value in the box and sends it (the tempo scaled for the group).
    void setTempoArrows(int value);
    void setVolumeArrows(int value);
    // Typing only changes the box's text; Enter or leaving the box checks it.
    void setTempoText(const QString& text) { tempo_.text = text; }
    void setVolumeText(const QString& text) { volume_.text = text; }
    void confirmTempo(); // Enter and leaving the box
    void confirmVolume(bool byEnter);

    // The return: silence, the boxes' texts into the player's volume and tempo, the record
    // stored. The band is not stored.
    app::StoreStatus leave();

    // The tempo sent for the arrows' value in the current group.
    qint16 scaledTempo() const;

private:
    void track(bool soundOk);

    play::RhythmPort& sound_;
    app::PlayerRecordStore& players_;
    QStringList bands_;
    int bandPosition_ = -1;
    int group_ = 1;
    SettingBox tempo_{1, 300, 100, QStringLiteral("100")};
    SettingBox volume_{0, 100, 50, QStringLiteral("50")};
    int ticksLeft_ = kRepeatTicks;
    bool repeating_ = false;
    bool soundUnavailable_ = false;
};

} // namespace pulsadrome::listening
