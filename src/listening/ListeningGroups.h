// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "play/level/TempoGroups.h"

#include <QList>
#include <QString>

#include <array>

namespace pulsadrome::listening {

// The listening screen shows the 560 rhythms in 22 groups of at most 27 notation pictures, in
// three sections: 2/4 3/4 4/4 (groups 1-14, a crotchet beat), 6/8 (15-18, a dotted crotchet
// beat) and 2/2 3/2 4/2 (19-22, a minim beat).
constexpr int kGroupCount = 22;
constexpr int kPlaceCount = 27;

struct ListeningGroup {
    int start;             // motif index of the group's first rhythm
    int count;             // pictures shown, 15 ... 27
    play::TempoGroup beat; // the section's beat note, which also scales the tempo
    int numberInSection;   // the caption: 1 ... 14, or 1 ... 4
};

// Group g (1 ... 22).
const ListeningGroup& listeningGroup(int g);

// Affichage: the pictures ("images" resource numbers) a group puts into places 1, 2 ...; the
// places after the last one are hidden.
QList<int> shownPictures(int group);
// The motif a click on place k (1 ... 27) of the group plays.
int motifAt(int group, int place);

} // namespace pulsadrome::listening
