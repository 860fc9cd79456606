// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/games/Bonus.h"

namespace pulsadrome::play {

int Bonus::points() const {
    return label_.toInt(); // "+150" reads as 150
}

void Bonus::Calcul_bonus(Random& random) {
    secondsLeft_ = kLifeSeconds;
    const int r = random.below(100) + 1;
    if (r <= 90) {
        lapse();
        return;
    }
    label_ = r <= 94   ? QStringLiteral("+50")
             : r <= 97 ? QStringLiteral("+100")
             : r <= 99 ? QStringLiteral("+150")
                       : QStringLiteral("+200");
    running_ = true;
    shown_ = true;
}

void Bonus::noBonus() {
    secondsLeft_ = kLifeSeconds;
    lapse();
}

void Bonus::Timer_bonus_Timer() {
    if (!running_) {
        return;
    }
    --secondsLeft_;
    if (secondsLeft_ == 0) {
        lapse();
    }
}

void Bonus::clear() {
    label_ = QStringLiteral("0");
    shown_ = false;
}

void Bonus::lapse() {
    running_ = false;
    label_ = QStringLiteral("0");
    shown_ = false;
}

} // namespace pulsadrome::play
