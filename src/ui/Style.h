// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QApplication;

namespace pulsadrome::ui {

// The family every screen writes in: Andika, made for children learning to read.
inline constexpr const char* kFontFamily = "Andika";

// Sets the program's font and look. Returns false when Andika is not installed (the program then
// writes in the desktop's font).
bool applyProgramStyle(QApplication& app);

} // namespace pulsadrome::ui
