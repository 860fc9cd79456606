// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

namespace pulsadrome::app {

// The smallest screen width the program plays on.
inline constexpr int kMinimumScreenWidth = 800;

// What the resolution check does at start, on "Ok!" and on each 2-second tick of its warning.
struct ResolutionStep {
    bool showPlayerChoice = false;
    bool showWarning = false;
    bool openInstructions = false; // "Change_res.txt"
    bool closeCheck = false;       // the check window goes; with no other window the program ends
};

ResolutionStep resolutionAtStart(int screenWidth);
ResolutionStep resolutionOk(int screenWidth);
// Nothing happens while the screen stays too narrow.
ResolutionStep resolutionTick(int screenWidth);

// The wide backdrop picture (1680 x 1050) is placed by the screen size: centred for the sizes
// of the table, at the top-left corner for any other size.
inline constexpr QSize kBackdropPicture{1680, 1050};
QPoint backdropPosition(QSize screen);

// The eight theme words, in the order the screens compare them.
const QStringList& themeWords();
// The background picture name of a theme word: the word itself when it is one of the eight
// (exact text), nothing otherwise (the screen stays white).
std::optional<QString> themeBackground(const QString& word);

} // namespace pulsadrome::app
