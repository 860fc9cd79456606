// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/MusicService.h"

#include "sound/SoundFonts.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QFileInfo>

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cmath>

namespace pulsadrome::sound {

namespace {

constexpr int kGroups = MusicService::kAudioGroups;

// The attack and release controllers: the bank's own time at kBankTime, each step away from it
// multiplies it by 2^(timecents / 1200 / 64). The release reaches further down: some struck
// sounds of the default bank ring for seconds after their note ends, and at 160 crotchets a
// minute a semiquaver's silence is 31 ms.
constexpr double kAttackTimecents = 4800;  // 0 is 1/16 of the bank's time, 127 about 16 times
constexpr double kReleaseTimecents = 9600; // 0 is 1/256, 32 is 1/16, 127 about 256 times

// Adds to the synthesizer's default modulators the sound controller that moves `generator`.
bool addTimeController(fluid_synth_t* synth, int controller, int generator, double timecents) {
    fluid_mod_t* mod = new_fluid_mod();
    if (!mod) {
        return false;
    }
    fluid_mod_set_source1(mod, controller,
                          FLUID_MOD_CC | FLUID_MOD_BIPOLAR | FLUID_MOD_LINEAR | FLUID_MOD_POSITIVE);
    fluid_mod_set_source2(mod, FLUID_MOD_NONE, 0);
    fluid_mod_set_dest(mod, generator);
    fluid_mod_set_amount(mod, timecents);
    const bool added = fluid_synth_add_default_mod(synth, mod, FLUID_SYNTH_OVERWRITE) == FLUID_OK;
    delete_fluid_mod(mod);
    return added;
}

// The synthesizer's own gain; the mixer scales each performance from there.
constexpr double kSynthGain = 1.0;
// The mixer's gain at the loudest rhythm level, before the band's own gain: with both, the
// loudest band of the default sound bank (the maracas, whose short sound the band file raises
// to the piano's loudness), over its pulse, peaks near -1 dBFS.
constexpr double kTopRhythmGain = 1.4;
constexpr int kSilence = -10000;

} // namespace

float MusicService::rhythmGainForLevel(int hundredthsOfDb) {
    if (hundredthsOfDb <= kSilence) {
        return 0.0f;
    }
    const double db =
        (std::min(hundredthsOfDb, kTopRhythmLevel) - kTopRhythmLevel) / 100.0 * kRhythmDbPerLevelDb;
    return static_cast<float>(kTopRhythmGain * std::pow(10.0, db / 20.0));
}

float MusicService::waveGainForLevel(int hundredthsOfDb) {
    if (hundredthsOfDb <= kSilence) {
        return 0.0f;
    }
    constexpr double kWaveDb = -6.0;
    return static_cast<float>(
        std::pow(10.0, (std::min(hundredthsOfDb, 0) / 100.0 + kWaveDb) / 20.0));
}

float MusicService::bandGain(int tenthsOfDb) {
    return static_cast<float>(std::pow(10.0, tenthsOfDb / 200.0));
}

MusicService::MusicService(Options options) : options_(std::move(options)) {
    for (auto& slot : feedback_) {
        slot.gain = waveGainForLevel(0);
    }
    for (auto& slot : rhythm_) {
        slot.gain = rhythmGainForLevel(0);
    }
}

MusicService::~MusicService() {
    if (device_ != 0) {
        SDL_CloseAudioDevice(device_);
    }
    if (audioStarted_) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    if (loader_.joinable()) {
        loader_.join();
    }
    // The synthesizer goes before its settings.
    synth_.store(nullptr);
    ownedSynth_.reset();
    settings_.reset();
}

void MusicService::start() {
    if (options_.soundFont.isEmpty()) {
        soundFontPath_ = findDefaultSoundFont().value_or(QString());
    } else {
        soundFontPath_ = options_.soundFont;
    }
    if (soundFontPath_.isEmpty() || !QFileInfo(soundFontPath_).isReadable()) {
        problem_ = soundFontPath_.isEmpty()
                       ? QStringLiteral("No General MIDI sound bank is installed (the package "
                                        "fluid-soundfont-gm provides one).")
                       : QStringLiteral("The sound bank %1 cannot be read.").arg(soundFontPath_);
        state_ = State::NoSoundBank;
        return;
    }
    if (options_.openDevice) {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            problem_ = QStringLiteral("No sound output can be opened: %1")
                           .arg(QString::fromUtf8(SDL_GetError()));
            state_ = State::NoAudioOutput;
            return;
        }
        audioStarted_ = true;
        SDL_AudioSpec want{};
        want.freq = kSampleRate;
        want.format = AUDIO_F32SYS;
        want.channels = 2;
        want.samples = static_cast<Uint16>(options_.deviceBufferFrames);
        want.callback = &MusicService::audioCallback;
        want.userdata = this;
        SDL_AudioSpec have{};
        device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
        if (device_ == 0) {
            problem_ = QStringLiteral("No sound output can be opened: %1")
                           .arg(QString::fromUtf8(SDL_GetError()));
            state_ = State::NoAudioOutput;
            return;
        }
        deviceFrames_ = have.samples;
    }
    loader_ = std::thread([this] { loadSoundBank(); });
    if (device_ != 0) {
        SDL_PauseAudioDevice(device_, 0);
    }
}

void MusicService::loadSoundBank() {
    QElapsedTimer timer;
    timer.start();
    settings_.reset(new_fluid_settings());
    fluid_settings_t* settings = settings_.get();
    const bool configured =
        settings && fluid_settings_setnum(settings, "synth.sample-rate", kSampleRate) == FLUID_OK &&
        fluid_settings_setint(settings, "synth.audio-groups", kGroups) == FLUID_OK &&
        fluid_settings_setint(settings, "synth.audio-channels", kGroups) == FLUID_OK &&
        fluid_settings_setint(settings, "synth.midi-channels", 16 * kGroups) == FLUID_OK &&
        fluid_settings_setint(settings, "synth.reverb.active", 0) == FLUID_OK &&
        fluid_settings_setint(settings, "synth.chorus.active", 0) == FLUID_OK &&
        fluid_settings_setint(settings, "synth.threadsafe-api", 0) == FLUID_OK &&
        fluid_settings_setnum(settings, "synth.gain", kSynthGain) == FLUID_OK;
    std::unique_ptr<fluid_synth_t, SynthDeleter> owned(configured ? new_fluid_synth(settings)
                                                                  : nullptr);
    fluid_synth_t* synth = owned.get();
    const QByteArray path = soundFontPath_.toLocal8Bit();
    if (!synth || fluid_synth_sfload(synth, path.constData(), 1) == FLUID_FAILED) {
        problem_ = QStringLiteral("The sound bank %1 cannot be loaded.").arg(soundFontPath_);
        state_ = State::NoSoundBank;
        return;
    }
    bool channelsReady = addTimeController(synth, MusicService::kAttackController, GEN_VOLENVATTACK,
                                           kAttackTimecents) &&
                         addTimeController(synth, MusicService::kReleaseController,
                                           GEN_VOLENVRELEASE, kReleaseTimecents);
    for (int slot = 0; slot < kRhythmSlots; ++slot) {
        for (const int channel : {drumChannel(slot), bandDrumChannel(slot)}) {
            channelsReady =
                channelsReady &&
                fluid_synth_set_channel_type(synth, channel, CHANNEL_TYPE_DRUM) == FLUID_OK &&
                fluid_synth_program_change(synth, channel, 0) == FLUID_OK;
        }
    }
    if (!channelsReady) {
        problem_ = QStringLiteral("The synthesizer cannot set up its channels.");
        state_ = State::NoSoundBank;
        return;
    }
    sampleStarts_ = QFileInfo(soundFontPath_).fileName() ==
                    QFileInfo(defaultSoundFontCandidates().front()).fileName();
    loadMilliseconds_ = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    ownedSynth_ = std::move(owned);
    synth_.store(synth, std::memory_order_release);
    state_ = State::Ready;
}

bool MusicService::waitUntilReady(int milliseconds) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (state_ == State::Loading && std::chrono::steady_clock::now() < until) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return state_ == State::Ready;
}

QString MusicService::problem() const {
    switch (state_.load()) {
    case State::Loading:
        return QStringLiteral("The sound bank is still loading.");
    case State::Ready:
        return {};
    case State::NoSoundBank:
    case State::NoAudioOutput:
        break;
    }
    return problem_;
}

void MusicService::send(const Command& command) {
    if (!queue_.push(command)) {
        qWarning() << "The sound queue is full; a sound command was dropped.";
    }
    reportAudioFaults();
}

MusicService::AudioFaults MusicService::audioFaults() const {
    AudioFaults faults;
    faults.notesOff = notesOffFaults_.load(std::memory_order_relaxed);
    faults.noteOn = noteOnFaults_.load(std::memory_order_relaxed);
    faults.programChange = programFaults_.load(std::memory_order_relaxed);
    faults.controlChange = controlFaults_.load(std::memory_order_relaxed);
    faults.noteOffUnmatched = noteOffFaults_.load(std::memory_order_relaxed);
    return faults;
}

bool MusicService::reportAudioFaults() {
    const AudioFaults faults = audioFaults();
    if (faults.total() == reportedFaults_) {
        return false;
    }
    reportedFaults_ = faults.total();
    qWarning().noquote() << QStringLiteral(
                                "The synthesizer refused sound commands: %1 all-notes-off, %2 "
                                "note-on, %3 program change, %4 sound controller so far.")
                                .arg(faults.notesOff)
                                .arg(faults.noteOn)
                                .arg(faults.programChange)
                                .arg(faults.controlChange);
    return true;
}

std::shared_ptr<const std::vector<Segment>> MusicService::keep(std::vector<Segment> segments) {
    auto kept = std::make_shared<const std::vector<Segment>>(std::move(segments));
    kept_.push_back(kept);
    return kept;
}

void MusicService::audioCallback(void* self, std::uint8_t* stream, int length) {
    auto* service = static_cast<MusicService*>(self);
    service->render(reinterpret_cast<float*>(stream), length / static_cast<int>(2 * sizeof(float)));
}

void MusicService::render(float* interleaved, int frames) {
    fluid_synth_t* synth = synth_.load(std::memory_order_acquire);
    Command command;
    while (queue_.pop(command)) {
        applyCommand(command, synth);
    }
    for (int done = 0; done < frames; done += kBlockFrames) {
        processBlock(interleaved + 2 * done, std::min(kBlockFrames, frames - done));
    }
}

} // namespace pulsadrome::sound
