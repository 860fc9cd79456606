// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>
#include <QStringList>

namespace pulsadrome::art {

// The eight theme words.
QStringList themeWords();

// The background picture of `theme` at `size` (800 x 600 and 1680 x 1050 are shipped). Each
// theme keeps its motifs near the edges and leaves the middle calm, for the answer grid and the
// texts the screens put there. A null image for a word that is not a theme.
QImage paintBackground(const QString& theme, QSize size);

} // namespace pulsadrome::art
