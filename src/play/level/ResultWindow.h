// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "play/level/ModalForm.h"

class QLabel;

namespace pulsadrome::ui {
class ClickLabel;
}

namespace pulsadrome::play {

// The verdict window (Form_resultat): the verdict's caption on the theme's background, and a
// close picture. It is made for one verdict and shown modally over the level screen.
class ResultWindow : public ModalForm {
    Q_OBJECT
public:
    // `message` is shown unchanged; `theme` names the background (none for another word).
    ResultWindow(const QString& message, const QString& theme, QWidget* parent = nullptr);

    QLabel* message() const { return message_; } // Label_resultat

private:
    QLabel* message_ = nullptr;
};

} // namespace pulsadrome::play
