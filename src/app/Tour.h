// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace pulsadrome::app {

// Saves a picture of every screen into `folder` (created if needed), for review and for the
// README: the start's warning, the player choice, the new-player form, the message window, the
// menu and the backdrop, and the player choice and menu in each of the six languages. It works
// offscreen, on demonstration players in a throwaway data folder. Returns an empty text on
// success, otherwise what went wrong.
QString takeTour(const QString& folder);

} // namespace pulsadrome::app
