// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>

namespace pulsadrome::play {

// The band list position a new player starts with.
inline constexpr int kDefaultBandPosition = 23;

// The band used when a stored position is not one of a list of `bandCount` bands: the new
// player's when the list has it, else the list's first; -1 for an empty list.
inline int fallbackBandPosition(qsizetype bandCount) {
    return bandCount > kDefaultBandPosition ? kDefaultBandPosition : (bandCount > 0 ? 0 : -1);
}

// What the play screens' rules need of a screen's sound engine (sound::RhythmEngine is the real
// one). Every operation returns at once; false means nothing could be done (no sound system, no
// such band or rhythm). The caller decides whether that is reported.
class RhythmPort {
public:
    virtual ~RhythmPort() = default;

    // The band names, the style's last band first: list position p is what a player stores.
    virtual QStringList FillBandList() const = 0;
    virtual bool SelectBand(const QString& name) = 0;
    virtual bool StopAll() = 0;
    // Cuts what sounds, then plays motif k (0 ... 559; rhythm n is motif n - 1).
    virtual bool PlayRhythm(int k) = 0;
    // The band-preview phrase, over whatever sounds.
    virtual bool PlayBandPreview() = 0;
    // Motif k (0 ... 559) over whatever sounds, nothing cut: the play screens' beat sample.
    // An engine without it sounds nothing.
    virtual bool PlayBeatSample(int k) {
        (void)k;
        return false;
    }
    // How long motif k (0 ... 559) lasts, count-in included, when played at the tempo last set,
    // in milliseconds. An engine that cannot tell says nothing.
    virtual std::optional<int> RhythmMilliseconds(int k) const {
        (void)k;
        return std::nullopt;
    }
    // Quarter notes per minute, already scaled for the rhythm group by the caller.
    virtual bool SetTempo(qint16 quartersPerMinute) = 0;
    // Volume setting 0 ... 100 from the arrows, and from the typed box (two formulas).
    virtual bool ChangeVolume(int setting) = 0;
    virtual bool SetVolumeFromEdit(int setting) = 0;
    // Sound theme + "_" + verdict ("prof_vrai", "coq_faux"). A verdict given during play leaves
    // the later feedback sounds softer; a preview does not.
    virtual bool PlayFeedback(const QString& theme, const QString& verdict,
                              bool verdictDuringPlay) = 0;
    // What the adult should be told, once, about how this sound was set up (a music style in
    // the current folder that could not be used), in the interface language; empty when
    // nothing.
    virtual QString setupNotice() const { return {}; }
};

} // namespace pulsadrome::play
