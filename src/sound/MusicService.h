// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sound/CommandQueue.h"
#include "sound/Platform.h"
#include "sound/WaveReader.h"

#include <QHash>
#include <QString>

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <thread>
#include <vector>

#include <fluidsynth.h>

namespace pulsadrome::sound {

// The program's one music system: one synthesizer with the General MIDI sound bank loaded once
// (in the background), one audio output, and a mixer. It serves independent performances, each
// with its own MIDI channels, master volume, music clock and tempo. The user-interface thread
// reaches the audio thread through a lock-free queue; the audio thread never locks, allocates or
// touches Qt objects. Without an audio output the same mixer is pulled by `render`, which is how
// tests, benchmarks and sound export hear it.
class MusicService final : public MusicPlatform {
public:
    static constexpr int kSampleRate = 48000;
    static constexpr int kBlockFrames = 64;  // events are applied on these boundaries
    static constexpr int kRhythmSlots = 4;   // rhythm performances at once
    static constexpr int kFeedbackSlots = 4; // feedback performances at once
    // Every rhythm slot owns the MIDI channels whose number modulo the slot count is its own:
    // the synthesizer renders each such group to its own stereo output, which the mixer scales.
    static constexpr int melodicChannel(int slot) { return slot; }
    static constexpr int drumChannel(int slot) { return slot + kRhythmSlots; }
    // The loudest master volume the screens send (+30 dB) plays at full level; other levels
    // are that many hundredths of a dB below it, positive levels compressed so the top stays
    // clear of clipping.
    static float gainForLevel(int hundredthsOfDb);

    struct Options {
        QString soundFont;      // empty: the best General MIDI bank installed
        bool openDevice = true; // false: offline, pulled by render()
        int deviceBufferFrames = 256;
    };
    enum class State { Loading, Ready, NoSoundBank, NoAudioOutput };

    explicit MusicService(Options options);
    ~MusicService() override;
    MusicService(const MusicService&) = delete;
    MusicService& operator=(const MusicService&) = delete;

    // Opens the audio output and starts loading the sound bank in the background.
    void start();
    // Waits for the sound bank; false when it failed or did not load in time.
    bool waitUntilReady(int milliseconds);
    State state() const { return state_.load(); }
    // What is missing, in one sentence, when the service cannot play.
    QString problem() const;
    const QString& soundFontPath() const { return soundFontPath_; }
    double soundFontLoadMilliseconds() const { return loadMilliseconds_; }
    int deviceBufferFrames() const { return deviceFrames_; }

    // Offline rendering: applies the pending commands and fills `frames` stereo frames.
    void render(float* interleaved, int frames);

    std::unique_ptr<RhythmPerformance> createRhythmPerformance(QString* why) override;
    std::unique_ptr<FeedbackPerformance> createFeedbackPerformance(QString* why) override;
    std::shared_ptr<const std::vector<Segment>> keep(std::vector<Segment> segments) override;

    // The decoded feedback sound `name`, read once from the program's resources and kept.
    const MixWave* wave(const QString& name, QString* why);

private:
    friend class ServiceRhythmPerformance;
    friend class ServiceFeedbackPerformance;

    struct Command {
        enum class Type : std::uint8_t {
            PlaySegment,
            StopAll,
            Tempo,
            Volume,
            Band,
            Release,
            PlayWave,
            WaveVolume
        };
        Type type = Type::StopAll;
        std::uint8_t slot = 0;
        const void* pointer = nullptr;
        int a = 0;
        int b = 0;
        int c = 0;
        double value = 0;
    };
    struct ActiveSegment {
        const Segment* segment = nullptr;
        double startTick = 0;
        std::size_t next = 0;
    };
    struct RhythmSlot { // owned by the audio thread once in use
        static constexpr int kMaxActive = 8;
        std::array<ActiveSegment, kMaxActive> active{};
        int activeCount = 0;
        double ticks = 0;
        double tempo = 120;
        float gain = 1;
        bool percussion = true;
        int gm = 76;
        int pitch = 76;
        int programOnChannel = -1;
        std::atomic<int> publishedTicks{0};
    };
    struct FeedbackSlot {
        const MixWave* wave = nullptr;
        std::size_t position = 0;
        float gain = 1;
    };

    void send(const Command& command);
    void loadSoundBank();
    void applyCommand(const Command& command, fluid_synth_t* synth);
    void processBlock(float* interleaved, int frames);
    void fireEvents(int slot, fluid_synth_t* synth);
    void playNote(int slot, const NoteEvent& event, fluid_synth_t* synth);
    void stopSlot(int slot, fluid_synth_t* synth);
    static void audioCallback(void* self, std::uint8_t* stream, int length);

    Options options_;
    QString soundFontPath_;
    std::atomic<State> state_{State::Loading};
    QString problem_;
    double loadMilliseconds_ = 0;
    int deviceFrames_ = 0;
    std::uint32_t device_ = 0;
    bool audioStarted_ = false;

    fluid_settings_t* settings_ = nullptr;
    std::atomic<fluid_synth_t*> synth_{nullptr};
    std::thread loader_;

    CommandQueue<Command, 4096> queue_;
    std::array<RhythmSlot, kRhythmSlots> rhythm_{};
    std::array<FeedbackSlot, kFeedbackSlots> feedback_{};
    std::array<bool, kRhythmSlots> rhythmInUse_{};     // user-interface side
    std::array<bool, kFeedbackSlots> feedbackInUse_{}; // user-interface side

    // Audio-thread scratch: one block of each synthesizer group, stereo.
    std::array<std::array<float, kBlockFrames>, 2 * kRhythmSlots> groups_{};

    // User-interface side: what the audio thread may point into, kept for the service's life.
    std::vector<std::shared_ptr<const std::vector<Segment>>> kept_;
    QHash<QString, std::shared_ptr<const MixWave>> waves_;
};

} // namespace pulsadrome::sound
