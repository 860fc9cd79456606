// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/TeacherPassword.h"
#include "i18n/CaptionTable.h"
#include "ui/Form.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace pulsadrome::ui {
class ClickLabel;
}

namespace pulsadrome::app {

// The small window that asks the teacher's password before the class table: at the first
// visit the password is chosen, typed twice; afterwards it is typed once. A refusal is told in
// a message and the window stays, with its boxes emptied.
class TeacherPasswordWindow : public ui::Form {
    Q_OBJECT
public:
    enum class Mode { Choose, Check };

    // `password` outlives the window.
    TeacherPasswordWindow(TeacherPassword& password, Mode mode, const i18n::CaptionTable& captions,
                          QWidget* parent = nullptr);

    Mode mode() const { return mode_; }
    QLineEdit* firstBox() const { return first_; }
    // The second entry; only in Mode::Choose.
    QLineEdit* secondBox() const { return second_; }
    QPushButton* confirmButton() const { return confirm_; }
    ui::ClickLabel* cancelLabel() const { return cancel_; }

    // "Valider": chooses or checks the password typed.
    void confirm();

signals:
    // The password was chosen, or typed right.
    void accepted();
    void cancelled();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void refuse(TeacherPassword::Refusal refusal);

    TeacherPassword& password_;
    Mode mode_;
    const i18n::CaptionTable& captions_;
    QLineEdit* first_ = nullptr;
    QLineEdit* second_ = nullptr;
    QPushButton* confirm_ = nullptr;
    ui::ClickLabel* cancel_ = nullptr;
};

} // namespace pulsadrome::app
