// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/Levels.h"
#include "catalogue/MenuHolders.h"

#include <QString>

#include <array>
#include <vector>

namespace pulsadrome::catalogue {

// Grid geometry of the level screen in twips (15 twips = 1 pixel at 800 x 600).
struct LevelGridLayout {
    int frameTop;       // Shape11 top
    int frameHeight;    // Shape11 height
    bool topRowVisible; // Image1 ... Image3 and Shape1 ... Shape3
    int topRowTop;      // their top when shown
};

inline constexpr LevelGridLayout kFullGrid{180, 3495, true, 540};
inline constexpr LevelGridLayout kStarterGrid{1240, 2475, false, 540};

// Everything a level start writes into the level screen, in the form the screen applies it.
struct LevelStart {
    QString levelCode;                        // also written into the menu's Label_NN
    BeatPicture beatPicture;                  // Image_note
    std::array<int, kSlotCount> slotPictures; // Image1 ... Image8
    std::vector<AnswerWrite> answerWrites;    // NB captions written; the others keep their text
    std::array<FrameColour, 9> frames;        // Shape1 ... Shape9: white, the centre cell red
    QString score;                            // Label_score: "0"
    bool hideFeedback;                        // Label_faux and Label_vrai hidden
    QString title;                            // Label_niveau: level title word + display number
    LevelGridLayout layout;
    QString timerText; // Label_timer := the text of Text_chrono
    bool pressTempo;   // Command_tempo pressed: the tempo reaches the engine
};

// Starts `level`: writes the menu's holders (Label_NN, Label_image_jeu1 ... 8, the instruments
// flag) and returns what the level screen takes. `titleWord` is the caption row "niveau" of the
// current language, trailing space included; `chronoText` is the screen's Text_chrono text.
LevelStart startLevel(const Level& level, const QString& titleWord, const QString& chronoText,
                      MenuHolders& holders);

} // namespace pulsadrome::catalogue
