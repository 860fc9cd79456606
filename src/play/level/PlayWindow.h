// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/PlayerStore.h"
#include "i18n/CaptionTable.h"
#include "play/level/LevelScreenEvents.h"
#include "resources/Picture.h"
#include "ui/Form.h"

#include <QString>

#include <functional>

class QTimer;

namespace pulsadrome::ui {
class ClickLabel;
}
namespace pulsadrome::input {
class GamepadHub;
}

namespace pulsadrome::play {

class LevelOptions;
class OptionPanel;
class PadSlot;

// What the level screen and the games screen have in common around their runs: the theme's
// background, the options panel, the game-pads, the message boxes and leaving by the back
// picture or the window's close button. Both screens are made once per stay in the menu and
// only hidden between runs.
class PlayWindow : public ui::Form {
    Q_OBJECT
public:
    PlayWindow(const i18n::CaptionTable& captions, QWidget* parent = nullptr);

    ui::ClickLabel* playLabel() const { return play_; }     // question: "Jouer/Rejouer"
    ui::ClickLabel* stopLabel() const { return stop_; }     // Label_arret
    ui::ClickLabel* backLabel() const { return back_; }     // Image_retour
    ui::ClickLabel* optionLabel() const { return option_; } // Label_option
    OptionPanel* optionPanel() const { return panel_; }     // Picture_option

signals:
    // The back picture was clicked: the screen is hidden, the menu takes over.
    void left();

protected:
    // The style both screens share: value cards, verdicts and the command labels.
    static QString commonStyle();
    // The command labels, placed by the screen: play, stop and options run their operation
    // (the first two give the keys back to the screen); the back picture leaves.
    void makeCommands(std::function<void()> play, std::function<void()> stop,
                      std::function<void()> options);
    // The options panel over the screen, made once the run's options are loaded. Its controls
    // go through `act`; its close picture runs `close`.
    using Act = std::function<void(const std::function<void()>&)>;
    void makePanel(LevelOptions& options, Act act, std::function<void()> close);
    // The panel as the run says: shown while open, redrawn while it stays open.
    void followPanel(bool open);
    // A running timer keeps its phase; only a change of state starts or stops it.
    static void followTimer(QTimer& timer, bool running);
    // One player's pad on the panel (player 0 or 1). It acts while `awaits` says so, by the
    // key its action stands for.
    PadSlot* makePad(input::GamepadHub* hub, const QString& hubError, int player,
                     std::function<bool()> awaits, std::function<void(int keyCode)> key);

    // The screen's background and its panel's for theme `word`; a word outside the eight
    // changes none.
    void putTheme(const QString& word);
    void showLevelMessage(LevelMessage message);
    void showInstrumentFallbackText(const InstrumentFallback& fallback);
    void warnNotStored(const app::StoreStatus& status);

    // The run's own part of leaving: timers off and silence.
    virtual void leaveRun() = 0;
    void leave();
    // Closing the window is leaving by the back picture: the screen stays loaded.
    void closeEvent(QCloseEvent* event) override;

    const i18n::CaptionTable& captions_;
    resources::Picture background_; // the theme's, for the options panel too

private:
    ui::ClickLabel* play_ = nullptr;
    ui::ClickLabel* stop_ = nullptr;
    ui::ClickLabel* back_ = nullptr;
    ui::ClickLabel* option_ = nullptr;
    OptionPanel* panel_ = nullptr;
};

} // namespace pulsadrome::play
