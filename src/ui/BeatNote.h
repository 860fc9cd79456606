// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "play/level/TempoGroups.h"

#include <QWidget>

namespace pulsadrome::ui {

// The note that carries a series' beat, drawn as a metronome marking's note: a crotchet, a
// dotted crotchet or a minim. It stands before the "=" of every tempo box, so that the number
// reads as beats of that note.
class BeatNote : public QWidget {
    Q_OBJECT
public:
    explicit BeatNote(QWidget* parent = nullptr) : QWidget(parent) {}
    void setBeat(play::TempoGroup beat);
    play::TempoGroup beat() const { return beat_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    play::TempoGroup beat_ = play::TempoGroup::Crotchet;
};

} // namespace pulsadrome::ui
