// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ResolutionWindow.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

namespace pulsadrome::app {

ResolutionWindow::ResolutionWindow(std::function<int()> screenWidth,
                                   std::function<void(const ResolutionStep&)> onStep,
                                   QWidget* parent)
    : ui::Form(3705, 2655, parent), screenWidth_(std::move(screenWidth)),
      onStep_(std::move(onStep)) {
    setWindowTitle(QStringLiteral("Pulsadrome"));
    setBackgroundColour(QColor(0xff, 0xf6, 0xd5));
    auto* first = new QLabel(QStringLiteral("La résolution minimale pour pouvoir jouer avec "
                                            "Pulsadrome doit être de 800 x 600"),
                             this);
    first->setWordWrap(true);
    first->setAlignment(Qt::AlignCenter);
    auto* second = new QLabel(QStringLiteral("Veuillez changer la résolution!"), this);
    second->setAlignment(Qt::AlignCenter);
    second->setStyleSheet(QStringLiteral("font-weight: bold; color: #c0392b;"));
    auto* ok = new QPushButton(QStringLiteral("Ok!"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    place(first, 150, 150, 3405, 900, 10);
    place(second, 150, 1100, 3405, 450, 10);
    place(ok, 1252, 1800, 1200, 500, 10);
    connect(ok, &QPushButton::clicked, this, &ResolutionWindow::Command1_Click);
    timer_.setInterval(2000);
    connect(&timer_, &QTimer::timeout, this, &ResolutionWindow::Timer1_Timer);
}

void ResolutionWindow::start() {
    const ResolutionStep step = resolutionAtStart(screenWidth_());
    if (step.showWarning) {
        centreOnScreen();
        show();
        timer_.start();
    }
    carryOut(step);
}

void ResolutionWindow::Command1_Click() {
    carryOut(resolutionOk(screenWidth_()));
}

void ResolutionWindow::Timer1_Timer() {
    carryOut(resolutionTick(screenWidth_()));
}

void ResolutionWindow::carryOut(const ResolutionStep& step) {
    if (step.showPlayerChoice || step.openInstructions) {
        onStep_(step);
    }
    if (step.closeCheck) {
        timer_.stop();
        stepCloses_ = true;
        close();
    }
}

void ResolutionWindow::closeEvent(QCloseEvent* event) {
    ui::Form::closeEvent(event);
    if (!stepCloses_ && isVisible()) {
        // Closed from outside while warning: the check ends and nothing else is shown.
        timer_.stop();
        stepCloses_ = true;
        ResolutionStep step;
        step.closeCheck = true;
        onStep_(step);
    }
}

} // namespace pulsadrome::app
