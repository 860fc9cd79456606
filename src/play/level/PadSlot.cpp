// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/level/PadSlot.h"

#include "input/GamepadHub.h"

#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>

namespace pulsadrome::play {

namespace {

// A list's rows take the lines in place, so that a held pad does not make the list flicker.
void setLines(QListWidget* list, const QStringList& lines) {
    while (list->count() > lines.size()) {
        delete list->takeItem(list->count() - 1);
    }
    for (int row = 0; row < lines.size(); ++row) {
        if (row < list->count()) {
            if (list->item(row)->text() != lines[row]) {
                list->item(row)->setText(lines[row]);
            }
        } else {
            list->addItem(lines[row]);
        }
    }
}

} // namespace

QStringList padListLines(const QStringList& names, const i18n::CaptionTable& captions) {
    QStringList lines;
    lines.reserve(names.size());
    for (qsizetype i = 0; i < names.size(); ++i) {
        lines << (names[i].isEmpty() ? captions.text(u"manette_numero").arg(i + 1) : names[i]);
    }
    return lines;
}

PadSlot::PadSlot(input::GamepadHub* hub, const QString& hubError, qint32 axisMaximum,
                 const PadControls& controls, const i18n::CaptionTable& captions, Run run,
                 QObject* parent)
    : QObject(parent), hub_(hub), hubError_(hubError), axisMaximum_(axisMaximum),
      controls_(controls), captions_(captions), run_(std::move(run)) {
    connect(controls_.yes, &QRadioButton::clicked, this, &PadSlot::Option_joystick1_Click);
    connect(controls_.no, &QRadioButton::clicked, this, &PadSlot::Option_joystick2_Click);
    connect(controls_.devices, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) {
            lstJoySticks_Click(row);
        }
    });
    if (hub_) {
        // A pad plugged in or out changes the list; the chosen pad, if any, stays chosen.
        connect(hub_, &input::GamepadHub::devicesChanged, this, &PadSlot::fillList);
    }
    controls_.devices->setEnabled(false);
    InitDirectInput();
    showTestColour();
}

PadSlot::~PadSlot() = default;

void PadSlot::InitDirectInput() {
    fillList();
}

void PadSlot::fillList() {
    const QSignalBlocker quiet(controls_.devices);
    const QStringList names = hub_ ? hub_->names() : QStringList();
    controls_.devices->clear();
    if (names.isEmpty()) {
        // Said in the list itself, greyed: there is nothing to choose.
        auto* item = new QListWidgetItem(hub_ ? captions_.text(u"aucune_manette")
                                              : captions_.text(u"manettes_impossibles"),
                                         controls_.devices);
        item->setFlags(Qt::NoItemFlags);
        if (!hub_ && !hubError_.isEmpty()) {
            // The system's own words, for the adult who points at the list.
            item->setToolTip(i18n::problemDetail(captions_, QString(), hubError_));
        }
    } else {
        controls_.devices->addItems(padListLines(names, captions_));
    }
    // "Yes" needs a pad; a pad already set up keeps its "yes" even while unplugged.
    controls_.yes->setEnabled(!names.isEmpty() || device_);
    const bool inUse = controls_.yes->isChecked();
    controls_.devices->setEnabled(inUse && !names.isEmpty());
    if (device_ && inUse) {
        controls_.devices->setCurrentRow(device_->listIndex());
    }
}

void PadSlot::Option_joystick1_Click() {
    if (!hub_ || hub_->names().isEmpty()) {
        return;
    }
    controls_.yes->setChecked(true);
    controls_.devices->setEnabled(true);
    // Choosing the first entry sets it up, even when it was the current one already.
    const QSignalBlocker quiet(controls_.devices);
    controls_.devices->setCurrentRow(0);
    lstJoySticks_Click(0);
}

void PadSlot::Option_joystick2_Click() {
    controls_.no->setChecked(true);
    {
        const QSignalBlocker quiet(controls_.devices);
        controls_.devices->setCurrentRow(-1);
        controls_.devices->clearSelection();
    }
    controls_.devices->setEnabled(false);
    device_.reset();
    fillList();
}

void PadSlot::lstJoySticks_Click(int row) {
    CLRLISTS();
    // The old pad is released before the new one is opened.
    device_.reset();
    if (!hub_) {
        return;
    }
    device_ = hub_->openDevice(row, axisMaximum_);
    if (!device_) {
        return; // a pad that could not be opened simply never notifies
    }
    // The set-up's own reading comes as the pad's first notification, at the hub's next poll.
    connect(device_.get(), &input::GamepadDevice::notified, this, &PadSlot::DXCallback);
}

void PadSlot::CLRLISTS() {
    controls_.axes->clear();
    controls_.buttons->clear();
    controls_.hats->clear();
}

void PadSlot::DXCallback(const PadState& state) {
    if (!device_) {
        return;
    }
    const PadReading reading = readPad(state, axisMaximum_, run_.awaitsAnswer());
    if (reading.listsUpdated) {
        setLines(controls_.axes, reading.axisLines);
        setLines(controls_.buttons, reading.buttonLines);
        setLines(controls_.hats, reading.hatLines);
    }
    for (const PadAction action : reading.actions) {
        // Each action finds the run as the one before left it: a right answer given by one
        // button is not given again by a second button held with it.
        if (!run_.awaitsAnswer()) {
            break;
        }
        run_.act(action);
    }
    if (reading.testToggles > 0) {
        testColour_ = toggledTestColour(testColour_, reading.testToggles);
        showTestColour();
    }
}

void PadSlot::showTestColour() {
    QLabel* square = controls_.testSquare;
    const char* colour = testColour_ == kTestSquareRed ? "red" : "blue";
    if (square->property("colour").toString() != QLatin1String(colour)) {
        square->setProperty("colour", colour);
        square->style()->unpolish(square);
        square->style()->polish(square);
    }
}

} // namespace pulsadrome::play
