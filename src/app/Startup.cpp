// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Startup.h"

#include <array>

namespace pulsadrome::app {

ResolutionStep resolutionAtStart(int screenWidth) {
    ResolutionStep step;
    if (screenWidth < kMinimumScreenWidth) {
        step.showWarning = true;
    } else {
        step.showPlayerChoice = true;
        step.closeCheck = true;
    }
    return step;
}

ResolutionStep resolutionOk(int screenWidth) {
    ResolutionStep step;
    // Exactly 800 does both: the player choice shows and the instructions open.
    step.showPlayerChoice = screenWidth >= kMinimumScreenWidth;
    step.openInstructions = screenWidth <= kMinimumScreenWidth;
    step.closeCheck = true;
    return step;
}

ResolutionStep resolutionTick(int screenWidth) {
    return screenWidth >= kMinimumScreenWidth ? resolutionOk(screenWidth) : ResolutionStep{};
}

QPoint backdropPosition(QSize screen) {
    struct Row {
        int width, height, left, top;
    };
    static constexpr std::array<Row, 12> kRows{{
        {1600, 1024, -40, -13},
        {1600, 900, -40, -75},
        {1360, 768, -160, -141},
        {1280, 1024, -200, -13},
        {1280, 960, -200, -45},
        {1280, 800, -200, -125},
        {1280, 768, -200, -141},
        {1280, 720, -200, -165},
        {1152, 864, -264, -93},
        {1088, 612, -296, -219},
        {1440, 900, -120, -75},
        {960, 600, -410, -225}, // 50 pixels left of centre
    }};
    for (const auto& row : kRows) {
        if (screen.width() == row.width && screen.height() == row.height) {
            return {row.left, row.top};
        }
    }
    return {0, 0};
}

const QStringList& themeWords() {
    static const QStringList words{"espace",     "jaune",  "cowboy", "voiture",
                                   "ordinateur", "cheval", "train",  "coq"};
    return words;
}

std::optional<QString> themeBackground(const QString& word) {
    for (const QString& theme : themeWords()) {
        if (word == theme) {
            return theme;
        }
    }
    return std::nullopt;
}

} // namespace pulsadrome::app
