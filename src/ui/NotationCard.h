// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "resources/Picture.h"
#include "ui/ClickLabel.h"

namespace pulsadrome::ui {

// A white card with a notation picture, raised while the mouse is held on it: the listening
// screen's places and the Progress screen's confused pairs look alike.
class NotationCard : public ClickLabel {
    Q_OBJECT
public:
    explicit NotationCard(QWidget* parent = nullptr);

    void setPicture(resources::Picture picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    resources::Picture picture_;
};

} // namespace pulsadrome::ui
