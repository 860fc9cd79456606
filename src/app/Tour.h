// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace pulsadrome::app {

// While it lives, no message box waits for an answer: each one is written to stderr as it opens
// and answered at once with its escape button (No, Cancel, or its only button), so that nothing
// is decided in the child's name. The tour runs under one.
class MessageBoxAnswerer : public QObject {
public:
    MessageBoxAnswerer();
    ~MessageBoxAnswerer() override;
    // The texts of the boxes answered, in order.
    const QStringList& answered() const { return answered_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QStringList answered_;
};

// Saves a picture of every screen into `folder` (created if needed), for review and for the
// README: the start's warning, the player choice, the new-player form, the message window, the
// menu and the backdrop, and the player choice and menu in each of the six languages. It works
// offscreen, on demonstration players in a throwaway data folder, and never stops on a message
// box (see MessageBoxAnswerer). Returns an empty text on success, otherwise what went wrong.
QString takeTour(const QString& folder);

} // namespace pulsadrome::app
