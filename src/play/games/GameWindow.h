// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/DataDirectory.h"
#include "catalogue/GameStart.h"
#include "common/Clock.h"
#include "i18n/CaptionTable.h"
#include "play/games/GameRun.h"
#include "play/games/ScoreKeeper.h"
#include "play/level/PlayWindow.h"
#include "resources/Picture.h"

#include <QTimer>

#include <array>

class QLabel;
class QSpinBox;

namespace pulsadrome::play {

class GridCell;
class PictureBox;

// The games screen (Form_jeux): a view over one GameRun. It draws the run's state after every
// call it forwards (clicks, keys, the three one-second timers) and opens the score window or the
// two players' result at the end of a game. It is made once per stay in the menu and only hidden
// between games.
class GameWindow : public PlayWindow, public GameScreenEvents {
    Q_OBJECT
public:
    // Everything but the screen itself is the caller's and outlives the window; the clock times
    // the windows that end a game.
    GameWindow(RhythmPort& sound, app::PlayerRecordStore& players, Random& random,
               const catalogue::MenuHolders& menu, const app::DataDirectory& data,
               const i18n::CaptionTable& captions, const Clock& clock, AnswerPort& answers,
               QWidget* parent = nullptr);

    GameRun& run() { return run_; }
    // The two players' game-pads of the options panel; without a hub the panel says why pads
    // cannot be read.
    void attachPads(input::GamepadHub* hub, const QString& hubError);
    PadSlot* pad(int player) const { return pads_[static_cast<std::size_t>(player)]; }
    // Where the high-score tables are kept: the data folder's files unless the program hands
    // the screen others (a school's server), which outlive it.
    void useScoreKeepers(ScoreKeepers& keepers) { keepers_ = &keepers; }
    // What the menu writes into the screen when it starts a game.
    void applyGameStart(const catalogue::GameStart& start);

    QLabel* scoreLabel() const { return score_; }   // Label_score with J1
    QLabel* scoreLabelB() const { return scoreB_; } // Label_scoreB with J2
    QLabel* timeLabel() const { return time_; }     // Label_timer
    // Text_chrono and UpDown_chrono: the length of a two-player game, shown only when it may
    // change.
    QSpinBox* lengthBox() const { return length_; }
    QLabel* bonusLabel() const { return bonus_; }   // Label_bonus
    QLabel* rightLabel() const { return right_; }   // Label_vrai
    QLabel* wrongLabel() const { return wrong_; }   // Label_faux
    QLabel* wrongLabelB() const { return wrongB_; } // Label_faux2
    // Cell 0 is the listen-again cell, 1 ... 14 the answers.
    GridCell* cell(int n) const { return cells_[static_cast<std::size_t>(n)]; }
    QWidget* secondFrame(int n) const { return framesB_[static_cast<std::size_t>(n)]; }
    const QTimer& feedbackTimer() const { return timer1_; } // Timer1
    const QTimer& clockTimer() const { return timer2_; }    // Timer2
    const QTimer& bonusTimer() const { return timerBonus_; }

    // What each timer does every second (tests call them in place of waiting).
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer_bonus_Timer();

    // GameScreenEvents
    void applyStoredInstrument() override;
    void gameEnded(const GameResult& result) override;
    void showMessage(LevelMessage message) override;
    void showInstrumentFallback(const InstrumentFallback& fallback) override;
    void applyTheme(const QString& word) override;
    void recordNotStored(const app::StoreStatus& status) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void leaveRun() override;

private:
    void buildGrid();
    void buildStatus();
    void buildCommands();
    template <typename Operation> void act(Operation operation);
    void render();

    RhythmPort& sound_;
    app::PlayerRecordStore& players_;
    const catalogue::MenuHolders& menu_;
    const app::DataDirectory& data_;
    ScoreFiles files_{data_};
    ScoreKeepers* keepers_ = &files_;
    const Clock& clock_;
    GameRun run_;
    std::array<GridCell*, 15> cells_{};
    std::array<QWidget*, 15> framesB_{};
    PictureBox* mascot_ = nullptr;
    QLabel* score_ = nullptr;
    QLabel* scoreB_ = nullptr;
    QLabel* time_ = nullptr;
    QLabel* bonus_ = nullptr;
    QLabel* right_ = nullptr;
    QLabel* wrong_ = nullptr;
    QLabel* wrongB_ = nullptr;
    QLabel* pad_ = nullptr; // the keys of each player, for two players
    QSpinBox* length_ = nullptr;
    std::array<PadSlot*, 2> pads_{};
    QTimer timer1_;
    QTimer timer2_;
    QTimer timerBonus_;
};

} // namespace pulsadrome::play
