// SPDX-License-Identifier: GPL-3.0-or-later
// The audio thread's side of the music service: commands, events and mixing. Nothing here
// locks, allocates or touches a Qt object.
#include "sound/MusicService.h"

#include <algorithm>
#include <cstring>

namespace pulsadrome::sound {

namespace {

// Music ticks that pass in one frame at `tempo` quarter notes per minute.
double ticksPerFrame(double tempo) {
    return tempo * catalogue::kTicksPerQuarter / 60.0 / MusicService::kSampleRate;
}

} // namespace

void MusicService::countFault(std::atomic<int>& counter) {
    counter.fetch_add(1, std::memory_order_relaxed);
}

void MusicService::stopSlot(int slot, fluid_synth_t* synth) {
    auto& s = rhythm_[static_cast<std::size_t>(slot)];
    s.activeCount = 0;
    if (synth) {
        for (const int channel : {melodicChannel(slot), drumChannel(slot), bandDrumChannel(slot)}) {
            if (options_.synthCalls.allNotesOff(synth, channel) != FLUID_OK) {
                countFault(notesOffFaults_);
            }
        }
    }
}

void MusicService::ensureProgram(int slot, fluid_synth_t* synth) {
    auto& s = rhythm_[static_cast<std::size_t>(slot)];
    if (!synth || s.percussion || s.programOnChannel == s.gm) {
        return;
    }
    if (options_.synthCalls.programChange(synth, melodicChannel(slot), s.gm) == FLUID_OK) {
        s.programOnChannel = s.gm;
    } else {
        // The channel keeps whatever it had: the change is tried again at the next block.
        s.programOnChannel = -1;
        countFault(programFaults_);
    }
}

// The band's attack and release controllers, and the sample points its notes skip, on both of
// the band's channels. The skip is the sum of a coarse offset (32768 points a step) and a fine
// one; it holds for every note the channel starts from now on, and only in the bank the starts
// were chosen for.
void MusicService::sendBandTimes(int slot, int attack, int release, int start,
                                 fluid_synth_t* synth) {
    if (!synth) {
        return;
    }
    constexpr int kCoarseStep = 32768;
    start = sampleStarts_ ? start : 0;
    for (const int channel : {melodicChannel(slot), bandDrumChannel(slot)}) {
        for (const auto& [controller, value] :
             {std::pair{kAttackController, attack}, std::pair{kReleaseController, release}}) {
            if (options_.synthCalls.controlChange(synth, channel, controller, value) != FLUID_OK) {
                countFault(controlFaults_);
            }
        }
        for (const auto& [generator, value] :
             {std::pair{GEN_STARTADDROFS, start % kCoarseStep},
              std::pair{GEN_STARTADDRCOARSEOFS, start / kCoarseStep}}) {
            if (options_.synthCalls.setGenerator(synth, channel, generator,
                                                 static_cast<float>(value)) != FLUID_OK) {
                countFault(controlFaults_);
            }
        }
    }
}

void MusicService::applyCommand(const Command& command, fluid_synth_t* synth) {
    const int slot = command.slot;
    switch (command.type) {
    case Command::Type::PlaySegment: {
        auto& s = rhythm_[static_cast<std::size_t>(slot)];
        if (s.activeCount < RhythmSlot::kMaxActive) {
            s.active[static_cast<std::size_t>(s.activeCount++)] = {
                static_cast<const Segment*>(command.pointer), s.ticks, 0};
        }
        break;
    }
    case Command::Type::StopAll:
        stopSlot(slot, synth);
        break;
    case Command::Type::Tempo:
        // The new tempo holds from the given music time; time already past it is not replayed.
        rhythm_[static_cast<std::size_t>(slot)].tempo = std::clamp(command.value, 1.0, 1000.0);
        break;
    case Command::Type::Volume:
        rhythm_[static_cast<std::size_t>(slot)].gain = rhythmGainForLevel(command.a);
        break;
    case Command::Type::Band: {
        auto& s = rhythm_[static_cast<std::size_t>(slot)];
        if (synth) {
            for (const int channel : {melodicChannel(slot), bandDrumChannel(slot)}) {
                if (options_.synthCalls.allNotesOff(synth, channel) != FLUID_OK) {
                    countFault(notesOffFaults_);
                }
            }
        }
        s.percussion = command.a != 0;
        s.gm = command.b;
        s.pitch = command.c;
        s.bandGain = static_cast<float>(command.value);
        sendBandTimes(slot, command.d, command.e, command.f, synth);
        ensureProgram(slot, synth);
        break;
    }
    case Command::Type::Release: {
        // Everything a performance may have changed goes back to how a new one finds it; the
        // channel's real program is kept, as it is what the synthesizer has.
        stopSlot(slot, synth);
        auto& s = rhythm_[static_cast<std::size_t>(slot)];
        s.ticks = 0;
        s.tempo = RhythmSlot::kStartTempo;
        s.gain = rhythmGainForLevel(0);
        s.bandGain = 1;
        s.percussion = true;
        s.gm = RhythmSlot::kStartKey;
        s.pitch = RhythmSlot::kStartKey;
        sendBandTimes(slot, kBankTime, kBankTime, 0, synth);
        s.publishedTicks.store(0, std::memory_order_relaxed);
        break;
    }
    case Command::Type::PlayWave: {
        auto& f = feedback_[static_cast<std::size_t>(slot)];
        f.wave = static_cast<const MixWave*>(command.pointer);
        f.position = 0;
        break;
    }
    case Command::Type::WaveVolume:
        feedback_[static_cast<std::size_t>(slot)].gain = waveGainForLevel(command.a);
        break;
    case Command::Type::ReleaseWave: {
        auto& f = feedback_[static_cast<std::size_t>(slot)];
        f.wave = nullptr;
        f.position = 0;
        f.gain = waveGainForLevel(0);
        break;
    }
    }
}

void MusicService::playNote(int slot, const NoteEvent& event, fluid_synth_t* synth) {
    auto& s = rhythm_[static_cast<std::size_t>(slot)];
    const bool click = event.voice == NoteEvent::Voice::Click;
    // The clicks have a percussion channel of their own, mixed apart from the band's.
    const int channel = click          ? drumChannel(slot)
                        : s.percussion ? bandDrumChannel(slot)
                                       : melodicChannel(slot);
    const int key = click ? event.clickKey : s.percussion ? s.gm : s.pitch;
    if (!click) {
        ensureProgram(slot, synth);
    }
    if (event.on) {
        if (options_.synthCalls.noteOn(synth, channel, key, event.velocity) != FLUID_OK) {
            countFault(noteOnFaults_);
        }
    } else if (options_.synthCalls.noteOff(synth, channel, key) != FLUID_OK) {
        countFault(noteOffFaults_);
    }
}

void MusicService::fireEvents(int slot, fluid_synth_t* synth) {
    auto& s = rhythm_[static_cast<std::size_t>(slot)];
    // Events fire on the block boundary nearest to their time.
    const double due = s.ticks + ticksPerFrame(s.tempo) * kBlockFrames / 2;
    for (int i = 0; i < s.activeCount;) {
        auto& a = s.active[static_cast<std::size_t>(i)];
        const auto& events = a.segment->events;
        while (a.next < events.size() && a.startTick + events[a.next].tick < due) {
            if (synth) {
                playNote(slot, events[a.next], synth);
            }
            ++a.next;
        }
        if (a.next >= events.size()) {
            s.active[static_cast<std::size_t>(i)] =
                s.active[static_cast<std::size_t>(--s.activeCount)];
        } else {
            ++i;
        }
    }
}

void MusicService::processBlock(float* interleaved, int frames) {
    fluid_synth_t* synth = synth_.load(std::memory_order_acquire);
    for (int slot = 0; slot < kRhythmSlots; ++slot) {
        ensureProgram(slot, synth); // a change refused before is tried again
        fireEvents(slot, synth);
    }
    std::memset(interleaved, 0, sizeof(float) * 2 * static_cast<std::size_t>(frames));
    if (synth) {
        std::array<float*, 2 * kAudioGroups> outputs{};
        for (std::size_t i = 0; i < groups_.size(); ++i) {
            groups_[i].fill(0.0f);
            outputs[i] = groups_[i].data();
        }
        if (fluid_synth_process(synth, frames, 0, nullptr, static_cast<int>(outputs.size()),
                                outputs.data()) == FLUID_OK) {
            for (int slot = 0; slot < kRhythmSlots; ++slot) {
                const auto& s = rhythm_[static_cast<std::size_t>(slot)];
                // Group `slot` holds the band's channels, group `slot + kRhythmSlots` the clicks.
                for (const auto& [group, gain] : {std::pair{slot, s.gain * s.bandGain},
                                                  std::pair{slot + kRhythmSlots, s.gain}}) {
                    const auto& left = groups_[static_cast<std::size_t>(2 * group)];
                    const auto& right = groups_[static_cast<std::size_t>(2 * group + 1)];
                    for (int f = 0; f < frames; ++f) {
                        interleaved[2 * f] += left[static_cast<std::size_t>(f)] * gain;
                        interleaved[2 * f + 1] += right[static_cast<std::size_t>(f)] * gain;
                    }
                }
            }
        }
    }
    for (auto& f : feedback_) {
        if (!f.wave) {
            continue;
        }
        const std::size_t count = std::min<std::size_t>(static_cast<std::size_t>(frames),
                                                        f.wave->frameCount() - f.position);
        const float* source = f.wave->samples.data() + 2 * f.position;
        for (std::size_t i = 0; i < 2 * count; ++i) {
            interleaved[i] += source[i] * f.gain;
        }
        f.position += count;
        if (f.position >= f.wave->frameCount()) {
            f.wave = nullptr;
        }
    }
    for (int i = 0; i < 2 * frames; ++i) {
        interleaved[i] = std::clamp(interleaved[i], -1.0f, 1.0f);
    }
    for (auto& s : rhythm_) {
        s.ticks += ticksPerFrame(s.tempo) * frames;
        s.publishedTicks.store(static_cast<int>(s.ticks), std::memory_order_relaxed);
    }
}

} // namespace pulsadrome::sound
