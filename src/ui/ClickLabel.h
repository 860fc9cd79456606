// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace pulsadrome::ui {

// A label that acts as a button, as the program's menus do: flat at rest, raised while the
// mouse is held on it, and clicked on release over it. A disabled label ignores clicks.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(const QString& text = QString(), QWidget* parent = nullptr);

    // Lets the keyboard reach the label: Space and Enter click it.
    void setKeyboardFocusable(bool focusable);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void setPressed(bool pressed);
};

// A screen's push button: a click label named `objectName` (the tests and the style sheet's
// "button" kind find it by it) that the keyboard reaches too.
ClickLabel* makeButton(const QString& objectName, const QString& text, QWidget* parent);

} // namespace pulsadrome::ui
