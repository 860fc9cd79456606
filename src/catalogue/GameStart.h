// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/Games.h"
#include "catalogue/MenuHolders.h"

#include <QString>

#include <array>
#include <optional>

namespace pulsadrome::catalogue {

// Where one theme's V and F tick boxes and sound buttons stand on the games screen's options.
// With `relativeToPicture` the lefts are offsets from the left edge of the theme's picture.
struct ThemeBoxPlacement {
    const char* tickTheme;   // Check_<tickTheme>_V / _F
    const char* soundTheme;  // Son_<soundTheme>_V / _F
    const char* pictureName; // Image_<...>: the theme picture the boxes sit under
    bool relativeToPicture;
    int tickLeft;  // twips
    int soundLeft; // twips
};

// The layout of the games screen for one player (un_joueur) or two (Deux_joueurs).
struct GameLayout {
    int players;
    bool secondPlayerTickBoxesVisible; // Check_prof_V2 ... Check_coq_F2
    std::array<ThemeBoxPlacement, 8> placements;
    // Label_testb, Label_test2, lstJoySticksB, Label_chronometre, Text_chrono, Frame_manette2,
    // and the game-length arrows
    bool secondPlayerControlsVisible;
    bool chronoEnabled;     // Text_chrono and UpDown_chrono
    int joystickListHeight; // lstJoySticks, twips
};

GameLayout un_joueur();
GameLayout Deux_joueurs();

// Everything a game start writes into the games screen.
struct GameStart {
    const GameEntry* game;
    QString gameCode;        // also written into the menu's Label_NN
    BeatPicture beatPicture; // Image_note
    GameLayout layout;
    QString meterCode;                  // Label_mesure
    QString j1;                         // J1: first name followed by " :"
    std::optional<QString> j2;          // J2 (two players only)
    std::array<FrameColour, 14> frames; // Shape1 ... Shape14
    FrameColour listenFrame;            // Shape_ecoute
    bool secondCursorVisible;           // Shape1B ... Shape14B, Shape_ecouteB
    FrameColour secondListenFrame;      // Shape_ecouteB
    bool labelJoueur2Visible;           // Label_joueur2
    // J2 and Label_scoreB: hidden for one player; for two players shown when the screen's
    // Option_RO is set, otherwise left as they are.
    std::optional<bool> secondScoreVisible;
    // The game clock: a one-player game always lasts 300 seconds; a two-player start leaves the
    // players' own length alone.
    std::optional<QString> chronoText; // Text_chrono
    std::optional<QString> timerText;  // Label_timer
    bool pressTempo;                   // Command_tempo pressed by the layout
    Drawn drawn;                       // NB1 ... NB14, pictures 100 + drawn
};

// Starts `game`: writes the menu's holders (Label_NN, PoolCount, PoolFirst, Drawn, the instruments
// flag), draws the 14 rhythms and returns what the games screen takes. The names are the menu's
// name boxes; `optionRO` is the games screen's Option_RO.
GameStart startGame(const GameEntry& game, Random& random, MenuHolders& holders, bool optionRO);

} // namespace pulsadrome::catalogue
