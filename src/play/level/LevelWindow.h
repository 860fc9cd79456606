// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/LevelStart.h"
#include "i18n/CaptionTable.h"
#include "play/level/LevelRun.h"
#include "play/level/PlayWindow.h"

#include <QTimer>

#include <array>

class QLabel;

namespace pulsadrome::play {

class GridCell;
class PictureBox;

// The level screen (Form_rythme): a view over one LevelRun. It draws the run's state after every
// call it forwards (clicks, keys, the two one-second timers) and opens the windows the run asks
// for. It is made once per stay in the menu and only hidden between levels.
class LevelWindow : public PlayWindow, public LevelScreenEvents {
    Q_OBJECT
public:
    // Everything but the screen itself is the caller's and outlives the window.
    LevelWindow(RhythmPort& sound, app::PlayerRecordStore& players, Random& random,
                const catalogue::MenuHolders& menu, catalogue::LevelLabelStates& menuLevels,
                const i18n::CaptionTable& captions, AnswerPort& answers, QWidget* parent = nullptr);

    LevelRun& run() { return run_; }
    // The game-pad of the options panel; without a hub the panel says why pads cannot be read.
    void attachPads(input::GamepadHub* hub, const QString& hubError);
    PadSlot* pad() const { return pad_; }
    // What the menu writes into the screen when it starts a level.
    void applyLevelStart(const catalogue::LevelStart& start);

    QLabel* scoreLabel() const { return score_; }           // Label_score
    QLabel* timeLabel() const { return time_; }             // Label_timer
    QLabel* titleLabel() const { return title_; }           // Label_niveau
    QWidget* cell(int n) const;                             // Shape1 ... Shape9, 1 <= n <= 9
    QWidget* mascot() const;                                // Metronome_stop
    QLabel* rightLabel() const { return right_; }           // Label_vrai
    QLabel* wrongLabel() const { return wrong_; }           // Label_faux
    const QTimer& feedbackTimer() const { return timer1_; } // Timer1
    const QTimer& clockTimer() const { return timer2_; }    // Timer2
    const QTimer& echoTimer() const { return echoTimer_; }  // "hear my choice"

    // What each timer does at each of its ticks (tests call them in place of waiting).
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer_echo();

    // LevelScreenEvents
    void showMessage(LevelMessage message) override;
    void showInstrumentFallback(const InstrumentFallback& fallback) override;
    void showResult(const LevelVerdict& verdict) override;
    void applyTheme(const QString& word) override;
    void recordNotStored(const app::StoreStatus& status) override;

signals:
    // A result window was closed: the menu may show newly opened levels.
    void resultClosed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void leaveRun() override;

private:
    void buildGrid();
    void buildStatus();
    void buildCommands();
    // Forwards one operation to the run, then draws the run's state and sets the timers.
    template <typename Operation> void act(Operation operation);
    void render();

    LevelRun run_;
    std::array<GridCell*, 9> cells_{};
    QWidget* fullFrame_ = nullptr;    // Shape11 around the whole grid
    QWidget* starterFrame_ = nullptr; // Shape11 around the two rows of the starter levels
    PictureBox* mascot_ = nullptr;
    QLabel* title_ = nullptr;
    QLabel* score_ = nullptr;
    QLabel* time_ = nullptr;
    QLabel* right_ = nullptr;
    QLabel* wrong_ = nullptr;
    PadSlot* pad_ = nullptr;
    QTimer timer1_;
    QTimer timer2_;
    QTimer echoTimer_;
    QString theme_;
};

} // namespace pulsadrome::play
