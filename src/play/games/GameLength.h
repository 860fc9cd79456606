// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace pulsadrome::play {

// The game length in seconds: the text of Text_chrono as typed and the value of its arrows
// UpDown_chrono. The length becomes the clock at the next start or stop; the running clock is
// never touched here. A scored game's length is fixed: the boxes are disabled.
class GameLength {
public:
    static constexpr int kLimit = 999; // a length is less than this

    const QString& text() const { return text_; } // Text_chrono
    int arrows() const { return arrows_; }        // UpDown_chrono
    bool enabled() const { return enabled_; }

    // The player's stored length, or the menu's "300" for a scored game.
    void setStored(const QString& text);
    void setEnabled(bool enabled) { enabled_ = enabled; }

    void type(const QString& text); // typing in Text_chrono
    // On Enter (13): a whole number 0 ... 998 goes to the arrows; anything else gives the box
    // the arrows' value back. Typing 0 is allowed: the clock then never reaches "0".
    void Text_chrono_KeyPress(int key);
    // The arrows clicked: their value is copied into the box.
    void UpDown_chrono_Change(int value);
    // The arrows' second notification: the same test, but the length must be at least 1.
    void UpDown_chrono_GotFocus();

private:
    void validate(int minimum);
    void setArrows(int value);

    QString text_ = QStringLiteral("300");
    int arrows_ = 300;
    bool enabled_ = true;
};

} // namespace pulsadrome::play
