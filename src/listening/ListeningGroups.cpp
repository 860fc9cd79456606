// SPDX-License-Identifier: GPL-3.0-or-later
#include "listening/ListeningGroups.h"

namespace pulsadrome::listening {

namespace {

using play::TempoGroup;

// Thirteen full groups and one of 17 in 2/4 3/4 4/4, three full and one of 15 in 6/8, the same
// in 2/2 3/2 4/2: 368 + 96 + 96 = 560 rhythms.
constexpr std::array<ListeningGroup, kGroupCount> kGroups = [] {
    std::array<ListeningGroup, kGroupCount> groups{};
    int start = 0;
    for (int g = 0; g < kGroupCount; ++g) {
        int count = kPlaceCount;
        TempoGroup beat = TempoGroup::Crotchet;
        int number = g + 1;
        if (g == 13) {
            count = 17;
        } else if (g >= 14 && g < 18) {
            beat = TempoGroup::DottedCrotchet;
            number = g - 13;
            count = g == 17 ? 15 : kPlaceCount;
        } else if (g >= 18) {
            beat = TempoGroup::Minim;
            number = g - 17;
            count = g == 21 ? 15 : kPlaceCount;
        }
        groups[g] = ListeningGroup{start, count, beat, number};
        start += count;
    }
    return groups;
}();

static_assert(kGroups[21].start + kGroups[21].count == 560);

} // namespace

const ListeningGroup& listeningGroup(int g) {
    Q_ASSERT(g >= 1 && g <= kGroupCount);
    return kGroups[static_cast<std::size_t>(g - 1)];
}

QList<int> shownPictures(int group) {
    const ListeningGroup& shown = listeningGroup(group);
    QList<int> pictures;
    for (int k = 1; k <= shown.count; ++k) {
        pictures << shown.start + 100 + k;
    }
    return pictures;
}

int motifAt(int group, int place) {
    Q_ASSERT(place >= 1 && place <= listeningGroup(group).count);
    return listeningGroup(group).start + place - 1;
}

} // namespace pulsadrome::listening
