// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/Form.h"

#include <QEventLoop>
#include <QString>

namespace pulsadrome::ui {
class ClickLabel;
}

namespace pulsadrome::play {

// A window shown modally over a play screen: the theme's background, its own content, and a
// close picture that ends it. The result of a level and the score windows of a game are such
// windows.
class ModalForm : public ui::Form {
    Q_OBJECT
public:
    // Shows the window centred on the screen and returns once it has been closed.
    void exec();
    ui::ClickLabel* closeLabel() const { return close_; } // Image_cacher_options

protected:
    // `style` is the window's own, added to the close picture's.
    ModalForm(int width, int height, const QString& objectName, const QString& theme,
              const QString& style, QWidget* parent);
    // The close picture at (left, top), 100 x `height` pixels, text of `points`.
    void placeClose(int left, int top, int height = 50, double points = 22);
    // The last step of making the window: the scale of the screen it covers.
    void finish(QWidget* parent);
    void closeEvent(QCloseEvent* event) override;
    // A click on the close picture; it closes the window.
    virtual void closeClicked() { close(); }

private:
    ui::ClickLabel* close_ = nullptr;
    QEventLoop loop_;
};

} // namespace pulsadrome::play
