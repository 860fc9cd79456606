// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/RhythmEngine.h"

#include <QDebug>

#include <cmath>

namespace pulsadrome::sound {

namespace {

constexpr int kSilence = -10000;
constexpr int kFeedbackAfterVerdict = -1000;

} // namespace

RhythmEngine::RhythmEngine(MusicPlatform& platform, const i18n::CaptionTable& captions)
    : platform_(platform), captions_(captions) {}

RhythmEngine::~RhythmEngine() {
    if (performance_) {
        performance_->stopAll();
    }
}

bool RhythmEngine::Initialise(const QString& currentFolder, bool withFeedback, QString* why) {
    const StyleSource source = loadStyle(currentFolder);
    styleFile_ = source.file;
    styleWarning_ = source.warning;
    styleNotice_ = styleNotice(source, captions_);
    if (!styleWarning_.isEmpty()) {
        qWarning().noquote() << styleWarning_;
    }
    bands_ = source.style.bands;
    motifCount_ = static_cast<int>(source.style.motifs.size());

    // Motifs beyond the table are not kept.
    std::vector<Segment> segments;
    const int stored = std::min(motifCount_, kSlotCount);
    segments.reserve(static_cast<std::size_t>(stored));
    for (int i = 0; i < stored; ++i) {
        const auto& rhythm = source.style.motifs[static_cast<std::size_t>(i)].rhythm;
        segments.push_back(i == kPreviewSlot ? buildPhraseSegment(rhythm)
                                             : buildRhythmSegment(rhythm));
    }
    segments_ = platform_.keep(std::move(segments));
    slots_.fill(nullptr);
    for (int i = 0; i < stored; ++i) {
        slots_[static_cast<std::size_t>(i)] = &(*segments_)[static_cast<std::size_t>(i)];
    }

    QString problem;
    performance_ = platform_.createRhythmPerformance(&problem);
    if (performance_ && withFeedback) {
        feedback_ = platform_.createFeedbackPerformance(&problem);
        if (!feedback_) {
            performance_.reset();
        }
    }
    if (!performance_ && why) {
        *why = problem;
    }
    return static_cast<bool>(performance_);
}

QString RhythmEngine::bandName(const Band& band) const {
    return captions_.hasRow(band.nameKey) ? captions_.text(band.nameKey) : band.nameKey;
}

QStringList RhythmEngine::FillBandList() const {
    QStringList names;
    for (auto it = bands_.rbegin(); it != bands_.rend(); ++it) {
        names << bandName(*it);
    }
    return names;
}

bool RhythmEngine::SelectBand(const QString& name) {
    if (!performance_) {
        return false;
    }
    for (std::size_t i = 0; i < bands_.size(); ++i) {
        if (bandName(bands_[i]) == name) {
            if (currentBand_) {
                performance_->releaseBand(bands_[static_cast<std::size_t>(*currentBand_)]);
            }
            currentBand_ = static_cast<int>(i);
            performance_->loadBand(bands_[i]);
            performance_->playBandSegment(bands_[i]);
            return true;
        }
    }
    return false;
}

bool RhythmEngine::StopAll() {
    if (!performance_) {
        return false;
    }
    performance_->stopAll();
    return true;
}

bool RhythmEngine::hasSlot(int k) const {
    return k >= 0 && k < kSlotCount && slots_[static_cast<std::size_t>(k)] != nullptr;
}

bool RhythmEngine::PlayRhythm(int k) {
    if (!performance_ || k < 0 || k >= kPreviewSlot || !hasSlot(k)) {
        return false;
    }
    performance_->stopAll();
    performance_->playSecondary(*slots_[static_cast<std::size_t>(k)]);
    return true;
}

bool RhythmEngine::PlayBeatSample(int k) {
    if (!performance_ || k < 0 || k >= kPreviewSlot || !hasSlot(k)) {
        return false;
    }
    performance_->playSecondary(*slots_[static_cast<std::size_t>(k)]);
    return true;
}

bool RhythmEngine::PlayBandPreview() {
    if (!performance_ || !hasSlot(kPreviewSlot)) {
        return false;
    }
    performance_->playSecondary(*slots_[kPreviewSlot]);
    return true;
}

bool RhythmEngine::SetTempo(qint16 quartersPerMinute) {
    if (!performance_) {
        return false;
    }
    performance_->sendTempo(performance_->musicTime(), static_cast<double>(quartersPerMinute));
    tempo_ = static_cast<double>(quartersPerMinute);
    return true;
}

std::optional<int> RhythmEngine::RhythmMilliseconds(int k) const {
    if (!performance_ || k < 0 || k >= kPreviewSlot || !hasSlot(k) || tempo_ <= 0) {
        return std::nullopt;
    }
    const double quarters = static_cast<double>(slots_[static_cast<std::size_t>(k)]->lengthTicks) /
                            catalogue::kTicksPerQuarter;
    return static_cast<int>(std::lround(quarters * 60000.0 / tempo_));
}

int RhythmEngine::changeVolumeLevel(int setting) {
    return setting == 0 ? kSilence : (50 - setting) * -50;
}

int RhythmEngine::editVolumeLevel(int setting) {
    return setting * 60 - 3000;
}

bool RhythmEngine::ChangeVolume(int setting) {
    if (!performance_) {
        return false;
    }
    performance_->setMasterVolume(changeVolumeLevel(setting));
    return true;
}

bool RhythmEngine::SetVolumeFromEdit(int setting) {
    if (!performance_) {
        return false;
    }
    performance_->setMasterVolume(editVolumeLevel(setting));
    return true;
}

bool RhythmEngine::PlayFeedback(const QString& theme, const QString& verdict,
                                bool verdictDuringPlay) {
    if (!feedback_) {
        return false;
    }
    const bool played = feedback_->playWave(theme + QLatin1Char('_') + verdict);
    if (verdictDuringPlay) {
        feedback_->setMasterVolume(kFeedbackAfterVerdict);
    }
    return played;
}

} // namespace pulsadrome::sound
