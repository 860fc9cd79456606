// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TeacherPasswordWindow.h"

#include "app/PlayerWindows.h"
#include "ui/ClickLabel.h"
#include "ui/MessageBox.h"

#include <QDebug>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace pulsadrome::app {

namespace {

constexpr int px(int pixels) {
    return pixels * 15;
}

// The window's height: two boxes to choose the password, one to type it.
constexpr int heightOf(TeacherPasswordWindow::Mode mode) {
    return mode == TeacherPasswordWindow::Mode::Choose ? px(178) : px(124);
}

} // namespace

TeacherPasswordWindow::TeacherPasswordWindow(TeacherPassword& password, Mode mode,
                                             const i18n::CaptionTable& captions, QWidget* parent)
    : ui::Form(4395, heightOf(mode), parent), password_(password), mode_(mode),
      captions_(captions) {
    setObjectName(QStringLiteral("Form_enseignant"));
    setWindowTitle(QStringLiteral("Pulsadrome — ") + captions_.text(u"enseignant"));
    setStyleSheet(smallWindowStyle());
    setBackgroundColour(QColor(0xff, 0xfb, 0xec));
    const bool choose = mode_ == Mode::Choose;

    auto* caption =
        new QLabel(captions_.text(choose ? u"enseignant_choisir" : u"enseignant_saisir"), this);
    caption->setObjectName(QStringLiteral("Label_passe"));
    caption->setWordWrap(true);
    place(caption, px(10), px(6), px(273), px(34), 10);
    first_ = new QLineEdit(this);
    first_->setObjectName(QStringLiteral("Text_password"));
    first_->setEchoMode(QLineEdit::Password);
    place(first_, px(10), px(42), px(273), px(26), 11);
    int top = 80;
    if (choose) {
        auto* again = new QLabel(captions_.text(u"enseignant_confirmer"), this);
        again->setObjectName(QStringLiteral("Label_confirmer"));
        again->setWordWrap(true);
        place(again, px(10), px(74), px(273), px(20), 10);
        second_ = new QLineEdit(this);
        second_->setObjectName(QStringLiteral("Text_password2"));
        second_->setEchoMode(QLineEdit::Password);
        place(second_, px(10), px(96), px(273), px(26), 11);
        connect(second_, &QLineEdit::returnPressed, this, &TeacherPasswordWindow::confirm);
        top = 134;
    }
    confirm_ = new QPushButton(captions_.text(u"valider"), this);
    confirm_->setObjectName(QStringLiteral("Command_save"));
    place(confirm_, px(10), px(top), px(133), px(30), 12);
    cancel_ = ui::makeButton(QStringLiteral("Label_cancel"), captions_.text(u"annuler"), this);
    place(cancel_, px(150), px(top), px(133), px(30), 11);

    connect(first_, &QLineEdit::returnPressed, this, [this] {
        if (second_ && second_->text().isEmpty()) {
            second_->setFocus();
        } else {
            confirm();
        }
    });
    connect(confirm_, &QPushButton::clicked, this, &TeacherPasswordWindow::confirm);
    connect(cancel_, &ui::ClickLabel::clicked, this, &TeacherPasswordWindow::cancelled);
    setScale(screenScale());
    first_->setFocus();
}

void TeacherPasswordWindow::confirm() {
    const TeacherPassword::Refusal refusal = mode_ == Mode::Choose
                                                 ? password_.choose(first_->text(), second_->text())
                                                 : password_.check(first_->text());
    if (refusal == TeacherPassword::Refusal::None) {
        emit accepted();
        return;
    }
    refuse(refusal);
}

void TeacherPasswordWindow::refuse(TeacherPassword::Refusal refusal) {
    QString text;
    QString detail;
    switch (refusal) {
    case TeacherPassword::Refusal::Empty:
        text = captions_.text(u"enseignant_vide");
        break;
    case TeacherPassword::Refusal::Different:
        text = captions_.text(u"enseignant_differents");
        break;
    case TeacherPassword::Refusal::Wrong:
    case TeacherPassword::Refusal::AlreadySet:
        text = captions_.text(u"passe_incorret");
        break;
    case TeacherPassword::Refusal::HashFailed:
        text = captions_.text(u"enseignant_impossible").arg(QString()).trimmed();
        break;
    case TeacherPassword::Refusal::NotWritten:
        qWarning().noquote() << "The teacher's password cannot be written to" << password_.file()
                             << password_.written().systemText;
        text = captions_.text(u"enseignant_impossible")
                   .arg(i18n::writeProblemText(captions_, password_.written()));
        detail = i18n::writeProblemDetail(captions_, password_.written(), password_.file());
        break;
    case TeacherPassword::Refusal::None:
        return;
    }
    first_->clear();
    if (second_) {
        second_->clear();
    }
    ui::showMessage(this, captions_, ui::MessageTone::Warning, text, detail);
    first_->setFocus();
}

void TeacherPasswordWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        emit cancelled();
        return;
    }
    ui::Form::keyPressEvent(event);
}

} // namespace pulsadrome::app
