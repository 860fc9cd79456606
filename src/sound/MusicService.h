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
    // Every rhythm slot owns three MIDI channels: its band's melodic channel, its band's
    // percussion channel and the percussion channel of its clicks. The synthesizer renders the
    // band's two channels to one stereo output and the clicks to another, so that the mixer
    // scales the band's notes by the band's gain and the clicks by the volume alone.
    static constexpr int kAudioGroups = 2 * kRhythmSlots;
    static constexpr int melodicChannel(int slot) { return slot; }
    static constexpr int drumChannel(int slot) { return slot + kRhythmSlots; }
    static constexpr int bandDrumChannel(int slot) { return slot + kAudioGroups; }
    // A band's gain in tenths of a dB as the mixer applies it.
    static float bandGain(int tenthsOfDb);
    // General MIDI sound controllers 73 (attack time) and 72 (release time), which a band may
    // set; at kBankTime the sound bank's own times hold.
    static constexpr int kAttackController = 73;
    static constexpr int kReleaseController = 72;
    static constexpr int kBankTime = 64;
    // A rhythm performance's master volume as a gain. The loudest level the screens send
    // (+3000, the volume box at 100) plays at kTopRhythmGain, with which the loudest band peaks
    // just under full scale; below it every hundredth of a dB is half a hundredth at the output,
    // so that each arrow click (50 hundredths) is a quarter decibel over the whole range.
    static constexpr int kTopRhythmLevel = 3000;
    static constexpr double kRhythmDbPerLevelDb = 0.5;
    static float rhythmGainForLevel(int hundredthsOfDb);
    // A feedback performance's master volume: 0 is the waves' own level, less 6 dB; lower
    // levels are that many hundredths of a dB softer.
    static float waveGainForLevel(int hundredthsOfDb);

    // What failed in the audio thread since the service started. Counted there without a lock;
    // read anywhere. FluidSynth refuses a note-off that finds no sounding note (a short drum
    // sound that ended by itself); those are counted apart and are not faults.
    struct AudioFaults {
        int notesOff = 0;         // all-notes-off refused
        int noteOn = 0;           // note-on refused
        int programChange = 0;    // program change refused (retried at the next block)
        int controlChange = 0;    // a band's attack, release or sample start refused
        int noteOffUnmatched = 0; // note-off that found nothing sounding: not a fault
        int total() const { return notesOff + noteOn + programChange + controlChange; }
    };
    AudioFaults audioFaults() const;
    // User-interface side: warns about the faults counted since the last report, once each time
    // new ones appear. True when it warned.
    bool reportAudioFaults();

    // The synthesizer calls the audio thread makes; tests may put failing ones in their place.
    struct SynthCalls {
        int (*noteOn)(fluid_synth_t*, int channel, int key, int velocity) = &fluid_synth_noteon;
        int (*noteOff)(fluid_synth_t*, int channel, int key) = &fluid_synth_noteoff;
        int (*allNotesOff)(fluid_synth_t*, int channel) = &fluid_synth_all_notes_off;
        int (*programChange)(fluid_synth_t*, int channel,
                             int program) = &fluid_synth_program_change;
        int (*controlChange)(fluid_synth_t*, int channel, int controller,
                             int value) = &fluid_synth_cc;
        int (*setGenerator)(fluid_synth_t*, int channel, int generator,
                            float value) = &fluid_synth_set_gen;
    };

    struct Options {
        QString soundFont;      // empty: the best General MIDI bank installed
        bool openDevice = true; // false: offline, pulled by render()
        int deviceBufferFrames = 256;
        SynthCalls synthCalls{};
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
            WaveVolume,
            ReleaseWave
        };
        Type type = Type::StopAll;
        std::uint8_t slot = 0;
        const void* pointer = nullptr;
        int a = 0;
        int b = 0;
        int c = 0;
        int d = 0;
        int e = 0;
        int f = 0;
        double value = 0;
    };
    struct ActiveSegment {
        const Segment* segment = nullptr;
        double startTick = 0;
        std::size_t next = 0;
    };
    struct SynthDeleter {
        void operator()(fluid_synth_t* synth) const { delete_fluid_synth(synth); }
    };
    struct SettingsDeleter {
        void operator()(fluid_settings_t* settings) const { delete_fluid_settings(settings); }
    };
    struct RhythmSlot { // owned by the audio thread once in use
        static constexpr int kMaxActive = 8;
        static constexpr double kStartTempo = 120;
        static constexpr int kStartKey = 76;
        std::array<ActiveSegment, kMaxActive> active{};
        int activeCount = 0;
        double ticks = 0;
        double tempo = kStartTempo;
        float gain = 1;
        float bandGain = 1;
        bool percussion = true;
        int gm = kStartKey;
        int pitch = kStartKey;
        int programOnChannel = -1; // the program the melodic channel really has
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
    // Gives the melodic channel of `slot` its band's program when it has another; a refusal is
    // counted and tried again at the next block.
    void ensureProgram(int slot, fluid_synth_t* synth);
    void countFault(std::atomic<int>& counter);
    // Sends the band's attack and release controllers and its sample start to both of its channels.
    void sendBandTimes(int slot, int attack, int release, int start, fluid_synth_t* synth);
    static void audioCallback(void* self, std::uint8_t* stream, int length);

    Options options_;
    QString soundFontPath_;
    // Whether the bands' sample starts apply: they count sample points of the program's first
    // bank, which mean nothing in another one. Set before the synthesizer is published.
    bool sampleStarts_ = false;
    std::atomic<State> state_{State::Loading};
    QString problem_;
    double loadMilliseconds_ = 0;
    int deviceFrames_ = 0;
    std::uint32_t device_ = 0;
    bool audioStarted_ = false;

    std::unique_ptr<fluid_settings_t, SettingsDeleter> settings_;
    std::unique_ptr<fluid_synth_t, SynthDeleter> ownedSynth_; // set by the loader
    std::atomic<fluid_synth_t*> synth_{nullptr};              // what the audio thread plays on
    std::thread loader_;

    // Audio-thread fault counters, and the total already reported (user-interface side).
    std::atomic<int> notesOffFaults_{0};
    std::atomic<int> noteOnFaults_{0};
    std::atomic<int> noteOffFaults_{0};
    std::atomic<int> programFaults_{0};
    std::atomic<int> controlFaults_{0};
    int reportedFaults_ = 0;

    CommandQueue<Command, 4096> queue_;
    std::array<RhythmSlot, kRhythmSlots> rhythm_{};
    std::array<FeedbackSlot, kFeedbackSlots> feedback_{};
    std::array<bool, kRhythmSlots> rhythmInUse_{};     // user-interface side
    std::array<bool, kFeedbackSlots> feedbackInUse_{}; // user-interface side

    // Audio-thread scratch: one block of each synthesizer group, stereo.
    std::array<std::array<float, kBlockFrames>, 2 * kAudioGroups> groups_{};

    // User-interface side: what the audio thread may point into, kept for the service's life.
    std::vector<std::shared_ptr<const std::vector<Segment>>> kept_;
    QHash<QString, std::shared_ptr<const MixWave>> waves_;
};

} // namespace pulsadrome::sound
