// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>

namespace pulsadrome::app {

// Saves the notation picture of `rhythm` as a PNG of `size` pixels, black on white, written
// whole or not at all. Returns an empty text on success, otherwise what went wrong.
QString exportPicture(int rhythm, QSize size, const QString& outFile);

} // namespace pulsadrome::app
