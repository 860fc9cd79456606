// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/level/ModalForm.h"

#include "app/Startup.h"
#include "play/level/LevelPictures.h"
#include "ui/ClickLabel.h"

#include <QCloseEvent>

namespace pulsadrome::play {

namespace {

constexpr int px(int pixels) {
    return pixels * 15;
}

constexpr const char* kCloseStyle = R"(
QLabel#Image_cacher_options {
  background: #27ae60; color: white; font-weight: bold; border-radius: 10px;
  border: 2px solid rgba(0,0,0,40);
}
QLabel#Image_cacher_options[pressed="true"] { border: 2px outset white; background: white; color: #23395d; }
)";

} // namespace

ModalForm::ModalForm(int width, int height, const QString& objectName, const QString& theme,
                     const QString& style, QWidget* parent)
    : ui::Form(width, height, parent) {
    setObjectName(objectName);
    setWindowFlag(Qt::Window);
    setWindowFlag(Qt::WindowCloseButtonHint);
    setWindowModality(Qt::ApplicationModal);
    setWindowTitle(QStringLiteral("Pulsadrome"));
    setStyleSheet(QString::fromLatin1(kCloseStyle) + style);
    if (const auto word = app::themeBackground(theme)) {
        setBackgroundPicture(loadPicture(QStringLiteral("fond"), *word));
    }
}

void ModalForm::placeClose(int left, int top, int height, double points) {
    close_ = new ui::ClickLabel(QStringLiteral("✔"), this);
    close_->setObjectName(QStringLiteral("Image_cacher_options"));
    close_->setAlignment(Qt::AlignCenter);
    close_->setKeyboardFocusable(true);
    place(close_, left, top, px(100), px(height), points);
    connect(close_, &ui::ClickLabel::clicked, this, [this] { closeClicked(); });
}

void ModalForm::finish(QWidget* parent) {
    auto* form = dynamic_cast<ui::Form*>(parent);
    setScale(form ? form->scale() : screenScale());
}

void ModalForm::exec() {
    centreOnScreen();
    ui::Form::show();
    raise();
    activateWindow();
    // The keys go to the close picture when it takes them, else to the window itself.
    if (close_->focusPolicy() != Qt::NoFocus) {
        close_->setFocus();
    } else {
        setFocus();
    }
    loop_.exec();
}

void ModalForm::closeEvent(QCloseEvent* event) {
    loop_.quit();
    ui::Form::closeEvent(event);
}

} // namespace pulsadrome::play
