// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "i18n/CaptionTable.h"
#include "play/RhythmPort.h"
#include "sound/Platform.h"

#include <QString>
#include <QStringList>

#include <array>
#include <memory>
#include <optional>

namespace pulsadrome::sound {

// The sound of one screen: its rhythms on the chosen band, tempo and volume, and (on the level
// and games screens) its right/wrong sounds. Screens share nothing through it. Every operation
// returns at once; a false result means there was nothing to act on (no sound, no such band or
// rhythm), which the screens report or pass over as they each do.
class RhythmEngine : public play::RhythmPort {
public:
    // Slots 0 ... 559 hold the rhythms, 560 the band-preview phrase, 561 stays empty.
    static constexpr int kSlotCount = 562;
    static constexpr int kPreviewSlot = 560;

    RhythmEngine(MusicPlatform& platform, const i18n::CaptionTable& captions);
    ~RhythmEngine() override;
    RhythmEngine(const RhythmEngine&) = delete;
    RhythmEngine& operator=(const RhythmEngine&) = delete;

    // Builds the rhythm side, reads the style (a rythme.sty in `currentFolder` overrides the
    // program's own) and fetches every motif into its slot; with `withFeedback`, builds the
    // feedback side too. False when the sound cannot start; `why` then says what is missing.
    // The band list can be filled either way.
    bool Initialise(const QString& currentFolder, bool withFeedback, QString* why = nullptr);
    bool canSound() const { return static_cast<bool>(performance_); }

    // The band names in the interface language, the style's last band first.
    QStringList FillBandList() const override;
    // Chooses the band named `name` (a text of the band list).
    bool SelectBand(const QString& name) override;
    bool StopAll() override;
    // Stops what sounds, then plays rhythm slot `k` (0 ... 559) at once.
    bool PlayRhythm(int k) override;
    // Plays the band-preview phrase over whatever sounds.
    bool PlayBandPreview() override;
    // Plays rhythm slot `k` (0 ... 559) over whatever sounds.
    bool PlayBeatSample(int k) override;
    // The length of rhythm slot `k` (0 ... 559) at the tempo last sent.
    std::optional<int> RhythmMilliseconds(int k) const override;
    // The tempo in quarter notes per minute, from the current music time on.
    bool SetTempo(qint16 quartersPerMinute) override;
    // Volume setting 0 ... 100 from the arrows: (v - 50) x 50 hundredths of a dB, 0 is silence.
    bool ChangeVolume(int setting) override;
    // Volume setting from the typed box: v x 60 - 3000 hundredths of a dB.
    bool SetVolumeFromEdit(int setting) override;
    // Plays the feedback sound theme + "_" + verdict ("cheval_faux"). After a verdict given
    // during play, later feedback sounds of this engine are 10 dB softer.
    bool PlayFeedback(const QString& theme, const QString& verdict,
                      bool verdictDuringPlay) override;

    static int changeVolumeLevel(int setting);
    static int editVolumeLevel(int setting);

    // For the screens and tests: what was read and which band is current.
    const QString& styleFile() const { return styleFile_; }
    const QString& styleWarning() const { return styleWarning_; }
    QString setupNotice() const override { return styleNotice_; }
    int motifCount() const { return motifCount_; }
    bool hasSlot(int k) const;
    std::optional<int> currentBand() const { return currentBand_; }

private:
    QString bandName(const Band& band) const;

    MusicPlatform& platform_;
    const i18n::CaptionTable& captions_;
    std::unique_ptr<RhythmPerformance> performance_;
    std::unique_ptr<FeedbackPerformance> feedback_;
    std::vector<Band> bands_;
    std::shared_ptr<const std::vector<Segment>> segments_; // one per stored motif
    std::array<const Segment*, kSlotCount> slots_{};
    int motifCount_ = 0;
    std::optional<int> currentBand_;
    double tempo_ = 120; // a performance's tempo until the first SetTempo
    QString styleFile_;
    QString styleWarning_;
    QString styleNotice_; // the same, in the interface language, for the adult
};

} // namespace pulsadrome::sound
