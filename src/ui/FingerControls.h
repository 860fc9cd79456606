// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCheckBox>
#include <QRadioButton>

class QAbstractItemView;
class QComboBox;

namespace pulsadrome::ui {

// Choices a finger presses anywhere on their box, not only on the round or square mark and
// its text: the whole row the screen gives them takes the press.
class WholeRadioButton : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

class WholeCheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

// The style rules that give a list rows and a scroll bar a finger can take, and a drop-down
// list that opens as such a list (with a scroll bar, rather than arrows that scroll on hover).
// A screen adds them to its style sheet; fitForFingers() marks the lists they apply to.
extern const char* const kFingerListStyle;
void fitForFingers(QAbstractItemView* list);
void fitForFingers(QComboBox* box);

} // namespace pulsadrome::ui
