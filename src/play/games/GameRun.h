// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/PlayerStore.h"
#include "catalogue/GameStart.h"
#include "common/Random.h"
#include "play/AnswerPort.h"
#include "play/RhythmPort.h"
#include "play/games/Bonus.h"
#include "play/games/GameGrid.h"
#include "play/games/GameLength.h"
#include "play/games/GameQuestions.h"
#include "play/level/FeedbackSounds.h"
#include "play/level/LevelClock.h"
#include "play/level/LevelOptions.h"

#include <QString>

#include <optional>

namespace pulsadrome::play {

// How a game ended, for the result window the screen opens.
struct GameResult {
    bool twoPlayers; // Form_score2 names the winner; otherwise Form_score enters the score
    QString gameCode;
    QString txtName; // J1: the first player's name followed by " :"
    QString score;   // Label_score
    QString scoreB;  // Label_scoreB
};

// What the game run asks of its screen, besides what its options ask.
class GameScreenEvents : public OptionScreenEvents {
public:
    // The first step of every start: the player's instrument back into the band list.
    virtual void applyStoredInstrument() = 0;
    // The clock has read "0". The run is idle and its timers off; the screen opens the result
    // window modally.
    virtual void gameEnded(const GameResult& result) = 0;
};

// Everything the game run reaches outside itself; all of it outlives the run.
struct GameContext {
    RhythmPort& sound;
    app::PlayerRecordStore& players;    // the mascot, tempo and sound choices, the stored length
    Random& random;                     // starts, bonuses and feedback-sound draws
    const catalogue::MenuHolders& menu; // Label_NN: the game code; Label_instruments
    GameScreenEvents& screen;
    AnswerPort& answers; // player 1's judged answers in a one-player game, and each run's end
};

enum class GamePlayer { First, Second };

// The games screen's rules for one or two players. The screen owns Timer1, Timer2 and
// Timer_bonus (1000 ms each) and calls their handlers while feedbackRunning(), clockRunning()
// and bonus().running(); it forwards keys and clicks, and draws what the getters say.
class GameRun {
public:
    explicit GameRun(GameContext context);

    // The screen's load: the band list and every stored choice into the options.
    void Form_Load() { options_.loadStoredChoices(); }

    // What the menu writes into the screen for a game start; Command_tempo is pressed when the
    // start says so.
    void prepare(const catalogue::GameStart& start);

    void question_Click();
    void NextQuestion();
    void ReplayRhythm();
    // Sends the tempo of the game code, as a start does.
    void Command_tempo_Click();

    // Keys act only while no right answer is shown and the clock runs.
    void Form_KeyDown(int keyCode);
    // The keys' and game-pads' condition.
    bool acceptsAnswers() const { return !rightShown_ && clock_.running(); }
    void MoveCursorRight() { cursor_.move(CursorMove::Right); }
    void MoveCursorLeft() { cursor_.move(CursorMove::Left); }
    void MoveCursorUp() { cursor_.move(CursorMove::Up); }
    void MoveCursorDown() { cursor_.move(CursorMove::Down); }
    void MoveCursorRightB() { cursorB_.move(CursorMove::Right); }
    void MoveCursorLeftB() { cursorB_.move(CursorMove::Left); }
    void MoveCursorUpB() { cursorB_.move(CursorMove::Up); }
    void MoveCursorDownB() { cursorB_.move(CursorMove::Down); }
    void ValidateAnswer();
    void ValidateAnswerB();
    // A click or a touch on `cell` (kListenCell or 1 ... 14) is player 1's: his cursor goes
    // there and the cell is judged as with Space, under the keys' condition.
    void answerCell(int cell);

    void Timer1_Timer();
    void Timer2_Timer();
    void Timer_bonus_Timer() { bonus_.Timer_bonus_Timer(); }

    // The options panel: opening pauses a started game's clock, closing resumes it (or sets the
    // clock to the length) and stores the choices.
    void Label_option_Click();
    void Image_cacher_options_Click();
    bool panelOpen() const { return panelOpen_; }
    LevelOptions& options() { return options_; }
    const LevelOptions& options() const { return options_; }
    // The beat of the game's series over whatever sounds.
    void Image_tempo_Click() { options_.Image_tempo_Click(); }

    void Label_arret_Click();
    // The screen hides itself; the bonus's countdown goes on.
    void Image_retour_Click();

    GameLength& length() { return length_; }

    const QString& gameCode() const { return gameCode_; }       // Form_choix_rythme.Label_NN
    const QString& meter() const { return meter_; }             // Label_mesure
    bool twoPlayers() const { return twoPlayers_; }             // Shape_ecouteB visible
    const QString& name() const { return j1_; }                 // J1
    const std::optional<QString>& nameB() const { return j2_; } // J2
    const GameQuestions& questions() const { return questions_; }
    const Bonus& bonus() const { return bonus_; }
    const GameCursor& cursor() const { return cursor_; }         // red frames
    const GameCursor& cursorB() const { return cursorB_; }       // light blue frames
    qint64 score() const { return score_; }                      // Label_score
    qint64 scoreB() const { return scoreB_; }                    // Label_scoreB
    bool rightShown() const { return rightShown_; }              // Label_vrai
    bool wrongShown() const { return wrongShown_; }              // Label_faux
    bool wrongShownB() const { return wrongShownB_; }            // Label_faux2
    int feedbackCountdown() const { return feedbackCountdown_; } // Label_timer1
    bool feedbackRunning() const { return feedbackRunning_; }    // Timer1
    const QString& clock() const { return clock_.remaining(); }  // Label_timer
    bool clockRunning() const { return clock_.running(); }       // Timer2
    MetronomePose mascot() const { return clock_.pose(); }       // Metronome_stop
    bool mascotShown() const;

private:
    // Judges `cell` for one player, or replays on the listen-again cell.
    void judge(GamePlayer player, int cell);
    void play(int cell);
    void sendTempo(std::optional<TempoGroup> group);
    SoundChoice soundChoice(GamePlayer player) const;
    void restartFeedbackCountdown();
    void endGame();
    // The run's answers are written; a failure is told like a record not stored.
    void endAnswers();

    GameContext context_;
    QString gameCode_;
    QString meter_;
    QString j1_;
    std::optional<QString> j2_;
    bool twoPlayers_ = false;
    bool secondPlayerLabel_ = false; // Label_joueur2 visible: player 2's answers are judged
    GameQuestions questions_;
    Bonus bonus_;
    GameCursor cursor_{catalogue::FrameColour::Red};
    GameCursor cursorB_{catalogue::FrameColour::LightBlue};
    qint64 score_ = 0;
    qint64 scoreB_ = 0;
    bool rightShown_ = false;
    bool wrongShown_ = false;
    bool wrongShownB_ = false;
    int feedbackCountdown_ = 0;
    bool feedbackRunning_ = false;
    LevelClock clock_;
    GameLength length_;
    LevelOptions options_;
    bool panelOpen_ = false;
};

} // namespace pulsadrome::play
