// SPDX-License-Identifier: GPL-3.0-or-later
// Band balance: what each band and each feedback wave sounds like at the loudest volume,
// rendered offline on the music service and measured. Loudness is EBU R128 (libebur128), in
// LUFS; levels are in dB.
#pragma once

#include "sound/Bands.h"
#include "sound/MusicService.h"
#include "sound/Style.h"

#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace pulsadrome::tools::balance {

// The loudest volume the screens send, in hundredths of a dB.
inline constexpr int kLoudestLevel = 3000;

struct Loudness {
    double momentaryMax = -70; // loudest 400 ms, LUFS
    double integrated = -70;   // gated over the whole sound, LUFS
    double peakDb = -100;      // sample peak, dBFS
};

// Stereo interleaved samples at `rate`. Silence measures -70 LUFS and -100 dBFS.
Loudness measureLoudness(const std::vector<float>& stereo, int rate);

// Where sounds start (seconds): the 1 ms envelope jumps to 2.5 times its last `lookBackMs` or
// more. Each onset is placed on the first sample that reaches a tenth of the new peak. The
// default 10 ms is short enough a look back to part semiquavers at 160 that leave 9 ms between
// them; a longer one ignores the wobble of a sound that is still ringing.
std::vector<double> detectOnsets(const std::vector<float>& stereo, int rate, int lookBackMs = 10);

// An envelope sampled every millisecond: how long it takes to reach 90 % of the level the note
// reaches (the peak of its first 100 ms, or the median after them if that is higher).
double attackMilliseconds(const std::vector<float>& envelope);

struct OnsetMatch {
    int written = 0;    // onsets the rhythm has
    int found = 0;      // of those, heard within the tolerance
    int extra = 0;      // heard where nothing is written
    double worstMs = 0; // the largest distance of a found onset from its written time
};
OnsetMatch matchOnsets(const std::vector<double>& detected, const std::vector<double>& written,
                       double toleranceSeconds);

struct BandMeasure {
    Loudness notes;             // the rhythm's notes alone
    double fullPeakDb = -100;   // notes, count-in and pulse together
    double clickMomentary = -70; // the pulse under the rhythm alone, loudest 400 ms
    double notesOverClick = 0;  // notes' loudest 400 ms over the pulse's
    double attackMs = 0;        // one crotchet note: attackMilliseconds of its envelope
    OnsetMatch onsets;          // the notes alone against the written onsets, 10 ms
};

struct WaveMeasure {
    Loudness loudness;
    double seconds = 0;
    sound::WaveEncoding encoding = sound::WaveEncoding::Pcm16;
};

// The sound bank the program uses by default, and the small one the tests use.
inline constexpr const char* kDefaultSoundFont = "/usr/share/sounds/sf2/FluidR3_GM.sf2";
inline constexpr const char* kSmallSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

// An offline music service with one rhythm performance at the loudest volume.
class BandBench {
public:
    explicit BandBench(const QString& soundFont);
    // False when the bank does not load; `why` then says so.
    bool ready(QString* why = nullptr);

    // Renders `segment` on `band` from its start for `seconds` on a fresh performance, then
    // lets the synthesizer ring out unheard until it is silent.
    std::vector<float> render(const sound::Band& band, const sound::Segment& segment,
                              double tempo, double seconds);
    // Rhythm `rhythm` (catalogue number) at `tempo` on `band`, measured.
    BandMeasure measure(const sound::Band& band, int rhythm, double tempo);
    // One crotchet at `tempo`: its root-mean-square envelope (10 ms), every `hopMs` ms.
    std::vector<float> noteEnvelope(const sound::Band& band, double tempo, int hopMs);
    // Only the onset check, on the notes alone.
    OnsetMatch onsets(const sound::Band& band, int rhythm, double tempo, double toleranceSeconds);

private:
    void ringOut();

    std::unique_ptr<sound::MusicService> service_;
    std::unique_ptr<sound::RhythmPerformance> performance_;
    QString problem_;
};

// The band of band list position `position` as the style plays it.
sound::Band styleBand(const sound::BandEntry& entry);

// The rhythm every band is measured on and its tempo: 4/4, four quavers, a crotchet rest, a
// crotchet, at 100.
inline constexpr int kReferenceRhythm = 57;
inline constexpr double kReferenceTempo = 100;
// How far a feedback wave, as its player plays it, sits under the piano's reference rhythm at
// the loudest volume (loudest 400 ms of each): heard over the music, never drowning it.
inline constexpr double kWaveUnderRhythmDb = 6.0;
// The longest a feedback wave may last, seconds.
inline constexpr double kLongestWave = 1.3;

// Samples at the mix rate as the feedback player plays them at its own level: their loudness.
Loudness feedbackLoudness(std::vector<float> mixSamples);

// The shipped feedback wave `name` ("cheval_vrai") as the feedback player plays it.
std::optional<WaveMeasure> measureWave(const QString& name, QString* why = nullptr);

// The eight sound themes, each with a "_vrai" and a "_faux" wave.
const std::vector<QString>& soundThemes();

} // namespace pulsadrome::tools::balance
