// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/games/GameRun.h"

#include "catalogue/Series.h"
#include "play/games/GameKeys.h"
#include "play/level/NumericText.h"

#include <algorithm>

namespace pulsadrome::play {

namespace {

constexpr int kRightPoints = 100;
constexpr int kWrongPoints = -100;
constexpr int kMascotCost = -1;
constexpr int kFeedbackSeconds = 2;
// The range of the tempo arrows.
constexpr int kTempoMinimum = 1;
constexpr int kTempoMaximum = 300;

} // namespace

GameRun::GameRun(GameContext context)
    : context_(context), options_(OptionContext{context.sound, context.players, context.random,
                                                context.menu, context.screen, CodeKind::Game}) {
    // The screen's load: the stored length into the clock and the length boxes.
    const QString& stored = context_.players.current().chrono;
    length_.setStored(stored);
    clock_.setRemaining(stored);
}

bool GameRun::mascotShown() const {
    return context_.players.current().tictac == u"1";
}

void GameRun::prepare(const catalogue::GameStart& start) {
    gameCode_ = start.gameCode;
    meter_ = start.meterCode;
    j1_ = start.j1;
    j2_ = start.j2;
    questions_.setPool(start.drawn);
    twoPlayers_ = start.secondCursorVisible;
    secondPlayerLabel_ = start.labelJoueur2Visible;
    const auto red =
        std::find(start.frames.begin(), start.frames.end(), catalogue::FrameColour::Red);
    cursor_.place(red != start.frames.end() ? static_cast<int>(red - start.frames.begin()) + 1
                                            : kListenCell);
    cursorB_.place(kListenCell);
    if (start.chronoText) {
        length_.setStored(*start.chronoText);
    }
    if (start.timerText) {
        clock_.setRemaining(*start.timerText);
    }
    length_.setEnabled(start.layout.chronoEnabled);
    if (start.pressTempo) {
        Command_tempo_Click();
    }
}

void GameRun::question_Click() {
    context_.screen.applyStoredInstrument();
    bonus_.clear();
    Command_tempo_Click();
    cursor_.place(kListenCell);
    cursorB_.place(kListenCell);
    wrongShownB_ = wrongShown_ = rightShown_ = false;
    clock_.start();
    clock_.setRemaining(length_.text());
    score_ = scoreB_ = 0;
    questions_.drawStart(context_.random);
    NextQuestion();
}

void GameRun::NextQuestion() {
    // A player who turned bonuses off gets none; the draw is skipped.
    if (context_.players.current().bonus != u"0") {
        bonus_.Calcul_bonus(context_.random);
    } else {
        bonus_.noBonus();
    }
    play(questions_.advance());
}

void GameRun::ReplayRhythm() {
    sendTempo(tempoGroupOfMeter(meter_));
    play(questions_.repeat());
}

void GameRun::Command_tempo_Click() {
    sendTempo(tempoGroupOfGameCode(gameCode_));
}

void GameRun::sendTempo(std::optional<TempoGroup> group) {
    if (!group) {
        return;
    }
    const auto arrows = static_cast<int>(std::clamp<qint64>(
        leadingNumber(context_.players.current().tempo), kTempoMinimum, kTempoMaximum));
    context_.sound.SetTempo(scaleTempo(*group, arrows));
}

void GameRun::play(int cell) {
    if (cell < 1 || cell > kGameCellCount) {
        return;
    }
    const int rhythm = questions_.rhythmOf(cell);
    if (rhythm >= 1 && rhythm <= catalogue::kRhythmCount) {
        context_.sound.PlayRhythm(rhythm - 1);
        context_.answers.questionPlayed();
    }
}

void GameRun::Form_KeyDown(int keyCode) {
    if (!acceptsAnswers()) {
        return;
    }
    switch (keyCode) {
    case KeyRight:
        MoveCursorRight();
        break;
    case KeyLeft:
        MoveCursorLeft();
        break;
    case KeyUp:
        MoveCursorUp();
        break;
    case KeyDown:
        MoveCursorDown();
        break;
    case KeySpace:
        ValidateAnswer();
        break;
    case KeyPad3:
        MoveCursorRightB();
        break;
    case KeyPad1:
        MoveCursorLeftB();
        break;
    case KeyPad5:
        MoveCursorUpB();
        break;
    case KeyPad2:
        MoveCursorDownB();
        break;
    case KeyPad0:
        ValidateAnswerB();
        break;
    default:
        break;
    }
}

void GameRun::ValidateAnswer() {
    if (wrongShown_) {
        return;
    }
    judge(GamePlayer::First, cursor_.cell());
    restartFeedbackCountdown();
}

void GameRun::answerCell(int cell) {
    if (!acceptsAnswers() || cell < kListenCell || cell > kGameCellCount) {
        return;
    }
    cursor_.place(cell);
    ValidateAnswer();
}

void GameRun::ValidateAnswerB() {
    if (wrongShownB_) {
        return;
    }
    // In a one-player game player 2's confirmation judges nothing but still restarts the
    // countdown.
    if (secondPlayerLabel_) {
        judge(GamePlayer::Second, cursorB_.cell());
    }
    restartFeedbackCountdown();
}

void GameRun::judge(GamePlayer player, int cell) {
    if (cell == kListenCell) {
        ReplayRhythm();
        return;
    }
    const bool first = player == GamePlayer::First;
    qint64& score = first ? score_ : scoreB_;
    bool& wrongShown = first ? wrongShown_ : wrongShownB_;
    const bool right = questions_.isRight(cell);
    const int asked = questions_.question();
    if (first && !twoPlayers_ && asked != 0) {
        context_.answers.answered({{answers::Activity::Kind::Game, gameCode_},
                                   questions_.rhythmOf(asked),
                                   questions_.rhythmOf(cell),
                                   right});
    }
    // A bonus goes to whoever answers right first; a wrong answer never touches it.
    score += right ? kRightPoints + bonus_.points() : kWrongPoints;
    playVerdictSound(context_.sound, soundChoice(player), right ? Verdict::Right : Verdict::Wrong,
                     context_.random);
    rightShown_ = right;
    wrongShown = !right;
}

SoundChoice GameRun::soundChoice(GamePlayer player) const {
    return storedSoundChoice(context_.players.current(), player == GamePlayer::First
                                                             ? SoundPlayer::First
                                                             : SoundPlayer::Second);
}

void GameRun::restartFeedbackCountdown() {
    feedbackRunning_ = true;
    feedbackCountdown_ = kFeedbackSeconds;
}

void GameRun::Timer1_Timer() {
    if (!feedbackRunning_) {
        return;
    }
    --feedbackCountdown_;
    const bool over = feedbackCountdown_ == 0;
    if (over) {
        feedbackRunning_ = false;
    }
    // One label per countdown, the first shown in this order; a later one stays shown (and its
    // player blocked) until a countdown ends with the labels before it hidden.
    if (rightShown_) {
        if (over) {
            NextQuestion(); // before Label_vrai goes: the next rhythm and bonus come first
            rightShown_ = false;
        }
    } else if (wrongShown_) {
        wrongShown_ = !over;
    } else if (wrongShownB_) {
        wrongShownB_ = !over;
    }
}

void GameRun::Timer2_Timer() {
    if (!clock_.tick()) {
        return;
    }
    // The cost comes before the end test: the final score pays for the last second.
    if (mascotShown()) {
        score_ += kMascotCost;
        scoreB_ += kMascotCost;
    }
    // The end is the text "0": a clock started at "0" runs on through "-1" and never ends.
    if (clock_.remaining() == u"0") {
        endGame();
    }
}

void GameRun::endGame() {
    clock_.stop();
    feedbackRunning_ = false;
    context_.sound.StopAll();
    endAnswers();
    context_.screen.gameEnded(
        GameResult{twoPlayers_, gameCode_, j1_, QString::number(score_), QString::number(scoreB_)});
}

void GameRun::Label_option_Click() {
    options_.ApplyStoredInstrument();
    options_.reloadVolumeAndTempo();
    context_.sound.StopAll();
    panelOpen_ = true;
    // A started game has used some of its time: its clock pauses while the panel is open.
    if (leadingNumber(clock_.remaining()) < leadingNumber(length_.text())) {
        clock_.stop();
    }
}

void GameRun::Image_cacher_options_Click() {
    const qint64 remaining = leadingNumber(clock_.remaining());
    if (remaining < leadingNumber(length_.text()) && remaining != 0) {
        clock_.start();
    } else {
        clock_.setRemaining(length_.text());
    }
    options_.writeChoices();
    if (const app::StoreStatus status = context_.players.storeCurrent(); !status.ok()) {
        context_.screen.recordNotStored(status);
    }
    panelOpen_ = false;
}

void GameRun::Label_arret_Click() {
    clock_.setRemaining(length_.text());
    score_ = scoreB_ = 0;
    clock_.stop();
    feedbackRunning_ = false;
    bonus_.stopCountdown();
    context_.sound.StopAll();
    endAnswers();
}

void GameRun::Image_retour_Click() {
    feedbackRunning_ = false;
    clock_.stop();
    context_.sound.StopAll();
    endAnswers();
}

void GameRun::endAnswers() {
    if (const app::StoreStatus status = context_.answers.runEnded(); !status.ok()) {
        context_.screen.recordNotStored(status);
    }
}

} // namespace pulsadrome::play
