// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/LevelStart.h"
#include "play/level/AnswerGrid.h"
#include "play/level/ChoiceEcho.h"
#include "play/level/FeedbackCycle.h"
#include "play/level/LevelClock.h"
#include "play/level/LevelContext.h"
#include "play/level/LevelOptions.h"

#include "play/KeyCodes.h"

#include <QString>

#include <array>

namespace pulsadrome::play {

// One progressive level on the level screen, from the menu's start to the verdict: the
// questions, the answer grid and its cursor, judging and scoring, the feedback cycle, the clock
// and its mascot, and the options panel's effect on all of them.
//
// The screen owns the two one-second timers: it calls Timer1_Timer while
// feedback().running() and Timer2_Timer while clock().running(), and after each call it
// forwards it redraws from the state read here. The run never reads a clock.
//
// The level code is read from the menu's Label_NN each time it matters, never copied.
class LevelRun {
public:
    explicit LevelRun(LevelContext context);

    // The screen's load: the band list and every stored choice of the player, then the theme.
    void Form_Load();
    // What the menu writes into the screen when it starts a level (Command_tempo included).
    void applyLevelStart(const catalogue::LevelStart& start);

    // "Jouer/Rejouer": starts the run afresh, even in the middle of one (score 0, full clock,
    // a random first question); the feedback countdown, if running, goes on.
    void question_Click();
    void NextQuestion();
    void Jouer_rythmes();

    // Arrows and Space; they act only while acceptsAnswers().
    void Form_KeyDown(int keyCode);
    // A run is going and no right answer is being shown: the keys' and game-pads' condition.
    bool acceptsAnswers() const { return !feedback_.rightShown() && clock_.running(); }
    void MoveCursorRight() { moveCursor(CursorMove::Right); }
    void MoveCursorLeft() { moveCursor(CursorMove::Left); }
    void MoveCursorUp() { moveCursor(CursorMove::Up); }
    void MoveCursorDown() { moveCursor(CursorMove::Down); }
    // Judges the cell under the cursor, or replays on the centre cell; ignored while a wrong
    // answer is shown. With "hear my choice", a wrong answer plays the chosen rhythm, then
    // echo() waits for the asked one.
    void ValidateAnswer();
    // A click or a touch on `cell` (1 <= cell <= 9): the cursor goes there and the cell is
    // judged as with Space, under the keys' condition. Cells a starter level leaves without a
    // rhythm take neither the cursor nor the answer.
    void answerCell(int cell);

    // Feedback countdown tick; after a right answer's two seconds the next question plays.
    void Timer1_Timer();
    // The echo's tick (every ChoiceEcho::kTickMs while echo().running()): once the chosen rhythm
    // and the pause are over, the asked rhythm plays again. Anything else the run plays or
    // stops, and every later answer, ends the wait first.
    void Timer_echo();
    // Clock tick: the mascot swings, a second goes, the shown mascot costs a point, and the
    // level ends when, after those changes, the score is at least 1000 or the time reads 0.
    void Timer2_Timer();

    // "Arrêter": back to idle with score 0 and a full clock; no result window.
    void Label_arret_Click();
    // The back picture: timers off and silence; the screen then hides itself.
    void Image_retour_Click();

    // The options panel. Opening pauses a started run's clock; closing resumes it, or resets the
    // remaining time to the chosen duration, then stores the choices in the player's record.
    void Label_option_Click();
    void Image_cacher_options_Click();
    bool panelOpen() const { return panelOpen_; }

    LevelOptions& options() { return options_; }
    const LevelOptions& options() const { return options_; }

    const QString& levelCode() const { return context_.menu.labelNN; }
    const QString& title() const { return title_; }       // Label_niveau
    const QString& score() const { return score_; }       // Label_score
    const QString& question() const { return question_; } // Label_question: "1" ... "8"
    int questionIndex() const { return questionIndex_; }  // 1 ... 32; 0 before the first start
    const std::array<QString, 8>& rhythms() const { return nb_; } // NB1 ... NB8
    const AnswerGrid& grid() const { return grid_; }
    const FeedbackCycle& feedback() const { return feedback_; }
    const LevelClock& clock() const { return clock_; }
    const ChoiceEcho& echo() const { return echo_; }

private:
    void moveCursor(CursorMove move);
    // Ends the echo's wait, then cuts everything that sounds.
    void stopSound();
    void judge(int answer);
    void endLevel();
    // The run's answers are written; a failure is told like a record not stored.
    void endAnswers();
    // The rhythm of answer number `answer` (NB1 ... NB8), 0 when there is none.
    int rhythmOfAnswer(int answer) const;

    LevelContext context_;
    LevelOptions options_;
    AnswerGrid grid_;
    FeedbackCycle feedback_;
    LevelClock clock_;
    ChoiceEcho echo_;
    QString title_;
    QString score_ = QStringLiteral("0");
    QString question_;
    int questionIndex_ = 0;
    std::array<QString, 8> nb_;
    bool panelOpen_ = false;
};

} // namespace pulsadrome::play
