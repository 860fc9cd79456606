// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace pulsadrome::catalogue {

// Rhythm numbers run from 1 to 560. Rhythm n is drawn by picture 100 + n and sounds as motif n - 1.
inline constexpr int kRhythmCount = 560;
inline constexpr int kPlaceholderPicture = 100;

constexpr bool isRhythm(int n) {
    return n >= 1 && n <= kRhythmCount;
}
constexpr int pictureOf(int rhythm) {
    return kPlaceholderPicture + rhythm;
}
constexpr int motifOf(int rhythm) {
    return rhythm - 1;
}

enum class Series { Main, Compound, MinimBeat };

// The beat note picture of a series, shown beside the grid: the menu's Image_noire,
// Image_noire_pointee and Image_blanche.
enum class BeatPicture { Crotchet, DottedCrotchet, Minim };

struct SeriesInfo {
    Series series;
    int firstRhythm;
    int lastRhythm;
    BeatPicture beat;
    const char* beatControl; // the menu picture the beat is copied from
    const char* meterCode;   // written into the games screen's Label_mesure
    const char* headingKey;  // caption row of the series heading
    int levelCount;
    const char* meters; // the meters of its rhythms, as a reader writes them: "2/4 3/4 4/4"
};

const SeriesInfo& seriesInfo(Series series);
std::optional<Series> seriesOfRhythm(int rhythm);

} // namespace pulsadrome::catalogue
