// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "resources/Picture.h"

#include <QWidget>

namespace pulsadrome::app {

// The full-screen backdrop behind the menu and the play screens: the player's wide theme
// picture, placed by the screen size.
class BackdropWindow : public QWidget {
    Q_OBJECT
public:
    explicit BackdropWindow(const QString& themeWord, QWidget* parent = nullptr);

    // Where the 1680 x 1050 picture stands for a screen of `size`.
    QPoint picturePosition() const { return picturePosition_; }
    bool hasPicture() const { return !picture_.isNull(); }
    // Fills the screen and sets the keyboard's lock keys.
    void showOnScreen();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    resources::Picture picture_;
    QPoint picturePosition_;
};

// Num Lock on, Caps Lock and Scroll Lock off, where the desktop lets a program set them (X11);
// elsewhere nothing changes. Returns whether the keys were set.
bool setLockKeys();

} // namespace pulsadrome::app
