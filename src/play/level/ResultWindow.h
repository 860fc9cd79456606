// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/Form.h"

#include <QEventLoop>

class QLabel;

namespace pulsadrome::ui {
class ClickLabel;
}

namespace pulsadrome::play {

// The verdict window (Form_resultat): the verdict's caption on the theme's background, and a
// close picture. It is made for one verdict and shown modally over the level screen.
class ResultWindow : public ui::Form {
    Q_OBJECT
public:
    // `message` is shown unchanged; `theme` names the background (none for another word).
    ResultWindow(const QString& message, const QString& theme, QWidget* parent = nullptr);

    // Shows the window centred on the screen and returns once the child has closed it.
    void exec();

    QLabel* message() const { return message_; }          // Label_resultat
    ui::ClickLabel* closeLabel() const { return close_; } // Image_cacher_options

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* message_ = nullptr;
    ui::ClickLabel* close_ = nullptr;
    QEventLoop loop_;
};

} // namespace pulsadrome::play
