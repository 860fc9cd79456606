// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sound/Segment.h"
#include "sound/Style.h"

#include <QByteArray>
#include <QString>

#include <memory>

namespace pulsadrome::sound {

// The music system a RhythmEngine plays through. The real one is the MusicService (FluidSynth
// and SDL); tests use a recording fake. Every call returns at once: sound is made elsewhere.
class RhythmPerformance {
public:
    virtual ~RhythmPerformance() = default;
    virtual void loadBand(const Band& band) = 0;
    virtual void releaseBand(const Band& band) = 0;
    // Plays the band's segment at once, so that the following notes sound on its instrument.
    virtual void playBandSegment(const Band& band) = 0;
    // Starts a segment at once over whatever sounds. The segment must outlive its playing: the
    // engine's segments live as long as the music system.
    virtual void playSecondary(const Segment& segment) = 0;
    // Stops at once everything that sounds on this performance.
    virtual void stopAll() = 0;
    // The performance's music clock, in ticks.
    virtual int musicTime() const = 0;
    // From music time `time` on, the tempo is `quartersPerMinute`.
    virtual void sendTempo(int time, double quartersPerMinute) = 0;
    // Hundredths of a decibel: 0 leaves the level as it is, -10000 is silence.
    virtual void setMasterVolume(int hundredthsOfDb) = 0;
};

// The player of the short right/wrong sounds; a new sound replaces the one that plays.
class FeedbackPerformance {
public:
    virtual ~FeedbackPerformance() = default;
    // Plays the wave resource `name` (type "dmseg") at once. False when it cannot be read.
    virtual bool playWave(const QString& name) = 0;
    virtual void setMasterVolume(int hundredthsOfDb) = 0;
};

class MusicPlatform {
public:
    virtual ~MusicPlatform() = default;
    // Nothing when the music system cannot play (no sound bank, no audio output, or every
    // performance in use); `why` then says what is missing.
    virtual std::unique_ptr<RhythmPerformance> createRhythmPerformance(QString* why) = 0;
    virtual std::unique_ptr<FeedbackPerformance> createFeedbackPerformance(QString* why) = 0;
    // Keeps `segments` alive for as long as the music system lives, and returns them.
    virtual std::shared_ptr<const std::vector<Segment>> keep(std::vector<Segment> segments) = 0;
};

} // namespace pulsadrome::sound
