// SPDX-License-Identifier: GPL-3.0-or-later
// The user-interface side of the music service's performances: each call becomes a command for
// the audio thread.
#include "sound/MusicService.h"

#include "resources/ResourceStore.h"

#include <QDebug>

namespace pulsadrome::sound {

class ServiceRhythmPerformance final : public RhythmPerformance {
public:
    ServiceRhythmPerformance(MusicService& service, int slot) : service_(service), slot_(slot) {}
    ~ServiceRhythmPerformance() override {
        send(MusicService::Command::Type::Release);
        service_.rhythmInUse_[static_cast<std::size_t>(slot_)] = false;
    }

    void loadBand(const Band&) override {}
    void releaseBand(const Band&) override {}
    void playBandSegment(const Band& band) override {
        MusicService::Command command{MusicService::Command::Type::Band, slot()};
        command.a = band.percussion ? 1 : 0;
        command.b = band.gm;
        command.c = band.pitch;
        command.d = band.attack;
        command.e = band.release;
        command.f = band.start;
        command.value = MusicService::bandGain(band.gainTenthsDb);
        service_.send(command);
    }
    void playSecondary(const Segment& segment) override {
        MusicService::Command command{MusicService::Command::Type::PlaySegment, slot()};
        command.pointer = &segment;
        service_.send(command);
    }
    void stopAll() override { send(MusicService::Command::Type::StopAll); }
    int musicTime() const override {
        return service_.rhythm_[static_cast<std::size_t>(slot_)].publishedTicks.load(
            std::memory_order_relaxed);
    }
    void sendTempo(int time, double quartersPerMinute) override {
        MusicService::Command command{MusicService::Command::Type::Tempo, slot()};
        command.a = time;
        command.value = quartersPerMinute;
        service_.send(command);
    }
    void setMasterVolume(int hundredthsOfDb) override {
        MusicService::Command command{MusicService::Command::Type::Volume, slot()};
        command.a = hundredthsOfDb;
        service_.send(command);
    }

private:
    std::uint8_t slot() const { return static_cast<std::uint8_t>(slot_); }
    void send(MusicService::Command::Type type) { service_.send({type, slot()}); }

    MusicService& service_;
    int slot_;
};

class ServiceFeedbackPerformance final : public FeedbackPerformance {
public:
    ServiceFeedbackPerformance(MusicService& service, int slot) : service_(service), slot_(slot) {}
    ~ServiceFeedbackPerformance() override {
        service_.send({MusicService::Command::Type::ReleaseWave, slot()});
        service_.feedbackInUse_[static_cast<std::size_t>(slot_)] = false;
    }

    bool playWave(const QString& name) override {
        QString why;
        const MixWave* wave = service_.wave(name, &why);
        if (!wave) {
            qWarning().noquote() << why;
            return false;
        }
        MusicService::Command command{MusicService::Command::Type::PlayWave, slot()};
        command.pointer = wave;
        service_.send(command);
        return true;
    }
    void setMasterVolume(int hundredthsOfDb) override {
        MusicService::Command command{MusicService::Command::Type::WaveVolume, slot()};
        command.a = hundredthsOfDb;
        service_.send(command);
    }

private:
    std::uint8_t slot() const { return static_cast<std::uint8_t>(slot_); }

    MusicService& service_;
    int slot_;
};

std::unique_ptr<RhythmPerformance> MusicService::createRhythmPerformance(QString* why) {
    if (state_ == State::NoSoundBank || state_ == State::NoAudioOutput) {
        if (why) {
            *why = problem();
        }
        return nullptr;
    }
    for (int slot = 0; slot < kRhythmSlots; ++slot) {
        if (!rhythmInUse_[static_cast<std::size_t>(slot)]) {
            rhythmInUse_[static_cast<std::size_t>(slot)] = true;
            return std::make_unique<ServiceRhythmPerformance>(*this, slot);
        }
    }
    if (why) {
        *why = QStringLiteral("Every rhythm performance is in use.");
    }
    return nullptr;
}

std::unique_ptr<FeedbackPerformance> MusicService::createFeedbackPerformance(QString* why) {
    if (state_ == State::NoSoundBank || state_ == State::NoAudioOutput) {
        if (why) {
            *why = problem();
        }
        return nullptr;
    }
    for (int slot = 0; slot < kFeedbackSlots; ++slot) {
        if (!feedbackInUse_[static_cast<std::size_t>(slot)]) {
            feedbackInUse_[static_cast<std::size_t>(slot)] = true;
            return std::make_unique<ServiceFeedbackPerformance>(*this, slot);
        }
    }
    if (why) {
        *why = QStringLiteral("Every feedback performance is in use.");
    }
    return nullptr;
}

const MixWave* MusicService::wave(const QString& name, QString* why) {
    const QString key = name.toLower();
    if (const auto it = waves_.constFind(key); it != waves_.constEnd()) {
        return it->get();
    }
    QByteArray bytes;
    try {
        bytes = resources::ResourceModule::program()->data(resources::resourceId(u"dmseg"),
                                                           resources::resourceId(key));
    } catch (const resources::ResourceError& e) {
        if (why) {
            *why = QStringLiteral("The sound %1 cannot be found: %2").arg(name, e.description());
        }
        return nullptr;
    }
    auto result = readWave(bytes);
    if (!result) {
        if (why) {
            *why = QStringLiteral("The sound %1 cannot be read: %2").arg(name, result.error);
        }
        return nullptr;
    }
    auto kept = std::make_shared<const MixWave>(std::move(*result.value));
    waves_.insert(key, kept);
    return kept.get();
}

} // namespace pulsadrome::sound
