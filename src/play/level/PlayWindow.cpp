// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/level/PlayWindow.h"

#include "app/ProblemTexts.h"
#include "app/Startup.h"
#include "play/level/LevelPictures.h"
#include "play/level/OptionPanel.h"
#include "play/level/PadSlot.h"
#include "ui/ClickLabel.h"
#include "ui/MessageBox.h"

#include <QCloseEvent>
#include <QDebug>
#include <QTimer>

namespace pulsadrome::play {

PlayWindow::PlayWindow(const i18n::CaptionTable& captions, QWidget* parent)
    : ui::Form(12000, 9000, parent), captions_(captions) {
    setWindowTitle(QStringLiteral("Pulsadrome"));
    setFocusPolicy(Qt::StrongFocus);
}

QString PlayWindow::commonStyle() {
    return QStringLiteral(R"(
QLabel[kind="value"] {
  color: #23395d; font-weight: bold; background: rgba(255,255,255,205);
  border: 2px solid rgba(255,255,255,230); border-radius: 14px;
}
QLabel[kind="verdict"] { color: white; font-weight: bold; border-radius: 10px; }
QLabel#Label_vrai { background: #27ae60; }
QLabel#Label_faux { background: #e74c3c; }
QLabel[kind="command"] {
  border-radius: 10px; font-weight: bold; color: white; border: 2px solid rgba(0,0,0,40);
}
QLabel#question { background: #27ae60; }
QLabel#Label_arret { background: #e67e22; }
QLabel#Image_retour { background: #2e86de; }
QLabel#Label_option { background: #8e44ad; }
QLabel[kind="command"][pressed="true"] { border: 2px outset white; background: white; color: #23395d; }
)");
}

void PlayWindow::makeCommands(std::function<void()> play, std::function<void()> stop,
                              std::function<void()> options) {
    play_ = new ui::ClickLabel(QStringLiteral("▶  ") + captions_.text(u"jouer_rejouer"), this);
    play_->setObjectName(QStringLiteral("question"));
    stop_ = new ui::ClickLabel(QStringLiteral("■  ") + captions_.text(u"arreter"), this);
    stop_->setObjectName(QStringLiteral("Label_arret"));
    option_ = new ui::ClickLabel(QStringLiteral("⚙ ") + captions_.text(u"Label_options"), this);
    option_->setObjectName(QStringLiteral("Label_option"));
    back_ = new ui::ClickLabel(QStringLiteral("🏠"), this);
    back_->setObjectName(QStringLiteral("Image_retour"));
    for (ui::ClickLabel* label : {play_, stop_, option_, back_}) {
        label->setProperty("kind", "command");
        label->setAlignment(Qt::AlignCenter);
    }
    // "Spielen/Noch einmal" is long: the play label may take two lines.
    play_->setWordWrap(true);
    for (auto [label, operation] : {std::pair{play_, std::move(play)}, {stop_, std::move(stop)}}) {
        connect(label, &ui::ClickLabel::clicked, this, [this, operation] {
            operation();
            setFocus();
        });
    }
    connect(option_, &ui::ClickLabel::clicked, this, std::move(options));
    connect(back_, &ui::ClickLabel::clicked, this, &PlayWindow::leave);
}

void PlayWindow::makePanel(LevelOptions& options, Act act, std::function<void()> close) {
    panel_ = new OptionPanel(*this, options, captions_, std::move(act));
    panel_->setBackground(background_);
    connect(panel_->closeLabel(), &ui::ClickLabel::clicked, this, [this, close = std::move(close)] {
        close();
        setFocus();
    });
}

void PlayWindow::followPanel(bool open) {
    if (!panel_) {
        return;
    }
    if (open != panel_->isVisible()) {
        open ? panel_->show() : panel_->hide();
    } else if (open) {
        panel_->refresh();
    }
}

void PlayWindow::followTimer(QTimer& timer, bool running) {
    if (running != timer.isActive()) {
        running ? timer.start() : timer.stop();
    }
}

PadSlot* PlayWindow::makePad(input::GamepadHub* hub, const QString& hubError, int player,
                             std::function<bool()> awaits, std::function<void(int keyCode)> key) {
    const bool second = player == 1;
    // Player 1's pad reports 0 ... 65535, player 2's 0 ... 10000.
    return new PadSlot(hub, hubError, second ? kSecondPadMaximum : kFirstPadMaximum,
                       panel_->pad(player), captions_,
                       PadSlot::Run{std::move(awaits),
                                    [key = std::move(key), second](PadAction action) {
                                        key(padKeyCode(action, second));
                                    }},
                       this);
}

void PlayWindow::putTheme(const QString& word) {
    if (const auto known = app::themeBackground(word)) {
        background_ = loadPicture(QStringLiteral("fond"), *known);
        setBackgroundPicture(background_);
        if (panel_) {
            panel_->setBackground(background_);
        }
    }
}

void PlayWindow::showLevelMessage(LevelMessage message) {
    ui::showMessage(isVisible() ? this : nullptr, captions_, ui::MessageTone::Information,
                    messageText(message));
}

void PlayWindow::showInstrumentFallbackText(const InstrumentFallback& fallback) {
    ui::showMessage(isVisible() ? this : nullptr, captions_, ui::MessageTone::Information,
                    instrumentFallbackText(fallback, captions_));
}

void PlayWindow::warnNotStored(const app::StoreStatus& status) {
    qWarning().noquote() << status.message;
    ui::showMessage(isVisible() ? this : nullptr, captions_, ui::MessageTone::Warning,
                    app::storeFailureText(captions_, u"enregistrement_impossible", status),
                    app::storeProblemDetail(captions_, status, QString()));
}

void PlayWindow::leave() {
    leaveRun();
    hide();
    emit left();
}

void PlayWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (isVisible()) {
        leave();
    }
}

} // namespace pulsadrome::play
