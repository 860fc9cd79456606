// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/level/ResultWindow.h"

#include "app/Startup.h"
#include "play/level/LevelPictures.h"
#include "ui/ClickLabel.h"

#include <QCloseEvent>
#include <QLabel>

namespace pulsadrome::play {

namespace {

constexpr int px(int pixels) {
    return pixels * 15;
}

constexpr const char* kStyle = R"(
QLabel#Label_resultat { color: #23395d; font-weight: bold; }
QLabel#Image_cacher_options {
  background: #27ae60; color: white; font-weight: bold; border-radius: 10px;
  border: 2px solid rgba(0,0,0,40);
}
QLabel#Image_cacher_options[pressed="true"] { border: 2px outset white; background: white; color: #23395d; }
)";

} // namespace

ResultWindow::ResultWindow(const QString& message, const QString& theme, QWidget* parent)
    : ui::Form(px(480), px(260), parent) {
    setObjectName(QStringLiteral("Form_resultat"));
    setWindowFlag(Qt::Window);
    setWindowFlag(Qt::WindowCloseButtonHint);
    setWindowModality(Qt::ApplicationModal);
    setWindowTitle(QStringLiteral("Pulsadrome"));
    setStyleSheet(QString::fromLatin1(kStyle));
    if (const auto word = app::themeBackground(theme)) {
        setBackgroundPicture(loadPicture(QStringLiteral("fond"), *word));
    }
    addPanel(px(24), px(24), px(432), px(212));
    message_ = new QLabel(message, this);
    message_->setObjectName(QStringLiteral("Label_resultat"));
    message_->setAlignment(Qt::AlignCenter);
    message_->setWordWrap(true);
    place(message_, px(44), px(36), px(392), px(120), 15);
    close_ = new ui::ClickLabel(QStringLiteral("✔"), this);
    close_->setObjectName(QStringLiteral("Image_cacher_options"));
    close_->setAlignment(Qt::AlignCenter);
    close_->setKeyboardFocusable(true);
    place(close_, px(190), px(166), px(100), px(56), 24);
    connect(close_, &ui::ClickLabel::clicked, this, &QWidget::close);
    setScale(parent && dynamic_cast<ui::Form*>(parent) ? static_cast<ui::Form*>(parent)->scale()
                                                       : screenScale());
}

void ResultWindow::exec() {
    centreOnScreen();
    show();
    raise();
    activateWindow();
    close_->setFocus();
    loop_.exec();
}

void ResultWindow::closeEvent(QCloseEvent* event) {
    loop_.quit();
    ui::Form::closeEvent(event);
}

} // namespace pulsadrome::play
