// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/games/GameLength.h"

#include "play/level/NumericText.h"

namespace pulsadrome::play {

namespace {

constexpr int kKeyEnter = 13;

} // namespace

void GameLength::setStored(const QString& text) {
    text_ = text;
    if (const auto value = wholeNumber(text); value && *value >= 0 && *value < kLimit) {
        arrows_ = static_cast<int>(*value);
    }
}

void GameLength::type(const QString& text) {
    if (enabled_) {
        text_ = text;
    }
}

void GameLength::Text_chrono_KeyPress(int key) {
    if (enabled_ && key == kKeyEnter) {
        validate(0);
    }
}

void GameLength::UpDown_chrono_Change(int value) {
    if (enabled_) {
        setArrows(value);
    }
}

void GameLength::UpDown_chrono_GotFocus() {
    if (enabled_) {
        validate(1);
    }
}

void GameLength::validate(int minimum) {
    const auto value = wholeNumber(text_);
    if (value && *value >= minimum && *value < kLimit) {
        setArrows(static_cast<int>(*value));
    } else {
        text_ = QString::number(arrows_);
    }
}

void GameLength::setArrows(int value) {
    // The arrows' change event copies the value into the box; setting the value they already
    // hold raises no event.
    if (value != arrows_) {
        arrows_ = value;
        text_ = QString::number(value);
    }
}

} // namespace pulsadrome::play
