// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/Series.h"

#include <array>

namespace pulsadrome::catalogue {

namespace {

constexpr std::array<SeriesInfo, 3> kSeries{{
    {Series::Main, 1, 368, BeatPicture::Crotchet, "Image_noire", "44", "Label_binaire1", 48,
     "2/4 3/4 4/4"},
    {Series::Compound, 369, 464, BeatPicture::DottedCrotchet, "Image_noire_pointee", "68",
     "Label_ternaire", 12, "6/8"},
    {Series::MinimBeat, 465, 560, BeatPicture::Minim, "Image_blanche", "22", "Label_binaire2", 12,
     "2/2 3/2 4/2"},
}};

} // namespace

const SeriesInfo& seriesInfo(Series series) {
    return kSeries[static_cast<std::size_t>(series)];
}

std::optional<Series> seriesOfRhythm(int rhythm) {
    for (const auto& info : kSeries) {
        if (rhythm >= info.firstRhythm && rhythm <= info.lastRhythm) {
            return info.series;
        }
    }
    return std::nullopt;
}

} // namespace pulsadrome::catalogue
