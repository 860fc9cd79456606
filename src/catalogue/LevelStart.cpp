// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/LevelStart.h"

namespace pulsadrome::catalogue {

LevelStart startLevel(const Level& level, const QString& titleWord, const QString& chronoText,
                      MenuHolders& holders) {
    LevelStart start{};
    start.beatPicture = seriesInfo(level.series).beat;
    holders.labelNN = level.code;
    start.levelCode = level.code;
    for (int i = 0; i < kSlotCount; ++i) {
        holders.imageJeu[i] = QString::number(level.cells[i].picture);
        start.slotPictures[i] = level.cells[i].picture;
    }
    holders.instrumentsReady = true; // Images_jeux
    start.answerWrites = level.answers;
    start.frames.fill(FrameColour::White);
    start.frames[4] = FrameColour::Red;
    start.score = QStringLiteral("0");
    start.hideFeedback = true;
    start.title = titleWord + QString::number(level.displayNumber);
    // The starter levels drop the top row; every other level restores the full grid.
    start.layout = level.isStarter() ? kStarterGrid : kFullGrid;
    start.timerText = chronoText;
    start.pressTempo = true;
    return start;
}

} // namespace pulsadrome::catalogue
