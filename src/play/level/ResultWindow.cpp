// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/level/ResultWindow.h"

#include <QLabel>

namespace pulsadrome::play {

namespace {

constexpr int px(int pixels) {
    return pixels * 15;
}

constexpr const char* kStyle = R"(
QLabel#Label_resultat { color: #23395d; font-weight: bold; }
)";

} // namespace

ResultWindow::ResultWindow(const QString& message, const QString& theme, QWidget* parent)
    : ModalForm(px(480), px(260), QStringLiteral("Form_resultat"), theme,
                QString::fromLatin1(kStyle), parent) {
    addPanel(px(24), px(24), px(432), px(212));
    message_ = new QLabel(message, this);
    message_->setObjectName(QStringLiteral("Label_resultat"));
    message_->setAlignment(Qt::AlignCenter);
    message_->setWordWrap(true);
    place(message_, px(44), px(36), px(392), px(120), 15);
    placeClose(px(190), px(166), 56, 24);
    finish(parent);
}

} // namespace pulsadrome::play
