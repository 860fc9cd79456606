// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/GameStart.h"

namespace pulsadrome::catalogue {

namespace {

// The eight themes of the options panel in screen order. The "prof" boxes sit under the yellow
// theme's picture.
struct ThemeColumn {
    const char* tickTheme;
    const char* soundTheme;
    const char* pictureName;
    int fixedTickLeft;  // two-player layout
    int fixedSoundLeft; // two-player layout
};

constexpr std::array<ThemeColumn, 8> kThemeColumns{{
    {"prof", "jaune", "Image_jaune", 480, 960},
    {"espace", "espace", "Image_espace", 2460, 2940},
    {"cowboy", "cowboy", "Image_cowboy", 4440, 4920},
    {"voiture", "voiture", "Image_voiture", 6420, 6900},
    {"ordinateur", "ordinateur", "Image_ordinateur", 480, 960},
    {"cheval", "cheval", "Image_cheval", 2460, 2940},
    {"train", "train", "Image_train", 4440, 4920},
    {"coq", "coq", "Image_coq", 6420, 6900},
}};

constexpr int kTickOffset = 60;
constexpr int kSoundOffset = 300;

} // namespace

GameLayout un_joueur() {
    GameLayout layout{1, false, {}, false, false, 870};
    for (std::size_t i = 0; i < kThemeColumns.size(); ++i) {
        const auto& c = kThemeColumns[i];
        layout.placements[i] = {c.tickTheme, c.soundTheme, c.pictureName,
                                true,        kTickOffset,  kSoundOffset};
    }
    return layout;
}

GameLayout Deux_joueurs() {
    GameLayout layout{2, true, {}, true, true, 420};
    for (std::size_t i = 0; i < kThemeColumns.size(); ++i) {
        const auto& c = kThemeColumns[i];
        layout.placements[i] = {c.tickTheme, c.soundTheme,    c.pictureName,
                                false,       c.fixedTickLeft, c.fixedSoundLeft};
    }
    return layout;
}

GameStart startGame(const GameEntry& game, Random& random, MenuHolders& holders, bool optionRO) {
    const bool two = game.players == 2;
    GameStart start{};
    start.game = &game;
    start.beatPicture = seriesInfo(game.series).beat;
    holders.labelNN = game.code;
    start.gameCode = game.code;
    holders.instrumentsReady = true;
    start.layout = two ? Deux_joueurs() : un_joueur();
    start.pressTempo = true;
    start.meterCode = QString::fromLatin1(seriesInfo(game.series).meterCode);
    start.frames.fill(FrameColour::White);
    start.listenFrame = FrameColour::Red;
    start.secondListenFrame = FrameColour::LightBlue;
    if (two) {
        start.j1 = holders.nom2 + QStringLiteral(" :");
        start.j2 = holders.nom3 + QStringLiteral(" :");
        start.secondCursorVisible = true;
        start.labelJoueur2Visible = true;
        if (optionRO) {
            start.secondScoreVisible = true;
        }
    } else {
        start.j1 = holders.nom1 + QStringLiteral(" :");
        start.secondCursorVisible = false;
        start.labelJoueur2Visible = false;
        start.secondScoreVisible = false;
        start.chronoText = QStringLiteral("300");
        start.timerText = QStringLiteral("300");
    }
    holders.poolCount = game.poolCount;
    holders.poolFirst = game.poolFirst;
    holders.drawn = Calcul_niveau(random, holders.poolFirst, holders.poolCount);
    start.drawn = holders.drawn;
    return start;
}

} // namespace pulsadrome::catalogue
