// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/PlayerStore.h"
#include "catalogue/MenuHolders.h"
#include "catalogue/Progress.h"
#include "common/Random.h"
#include "play/AnswerPort.h"
#include "play/RhythmPort.h"
#include "play/level/LevelScreenEvents.h"

namespace pulsadrome::play {

// Everything the level screen's rules reach outside themselves. All references outlive the run:
// the composition root owns the engine, the player store, the random source and the menu.
struct LevelContext {
    RhythmPort& sound;
    app::PlayerRecordStore& players;    // the current player's record and its storing
    Random& random;                     // question starts and feedback-sound draws
    const catalogue::MenuHolders& menu; // Label_NN (the level code) and Label_instruments
    catalogue::LevelLabelStates&
        menuLevels; // the menu's open levels, read and opened by the verdict
    LevelScreenEvents& screen;
    AnswerPort& answers; // every judged answer, and the end of each run
};

} // namespace pulsadrome::play
