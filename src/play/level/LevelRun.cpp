// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/level/LevelRun.h"

#include "catalogue/Series.h"
#include "play/level/NumericText.h"
#include "play/level/QuestionOrder.h"

namespace pulsadrome::play {

namespace {

// The first question is entry 2 ... 25: the start index is 1 ... 24 and NextQuestion advances
// it before playing.
constexpr int kStartPoints = 24;
constexpr int kRightPoints = 100;
constexpr int kWrongPoints = -100;
constexpr int kMetronomeCost = -1;

} // namespace

LevelRun::LevelRun(LevelContext context)
    : context_(context), options_(OptionContext{context.sound, context.players, context.random,
                                                context.menu, context.screen, CodeKind::Level}) {}

void LevelRun::Form_Load() {
    options_.loadStoredChoices();
    clock_.setRemaining(context_.players.current().chrono);
    context_.screen.applyTheme(context_.players.current().fond);
}

void LevelRun::applyLevelStart(const catalogue::LevelStart& start) {
    for (const auto& write : start.answerWrites) {
        nb_[static_cast<std::size_t>(write.answer - 1)] = QString::number(write.rhythm);
    }
    for (int cell = 1; cell <= AnswerGrid::kCellCount; ++cell) {
        if (start.frames[static_cast<std::size_t>(cell - 1)] == catalogue::FrameColour::Red) {
            grid_.place(cell);
        }
    }
    score_ = start.score;
    if (start.hideFeedback) {
        feedback_.hideBoth();
    }
    title_ = start.title;
    clock_.setRemaining(start.timerText);
    if (start.pressTempo) {
        options_.Command_tempo_Click();
    }
}

void LevelRun::question_Click() {
    options_.ApplyStoredInstrument();
    options_.Command_tempo_Click();
    grid_.centre();
    feedback_.hideBoth();
    clock_.start();
    clock_.setRemaining(options_.duration().text);
    score_ = QStringLiteral("0");
    questionIndex_ = context_.random.below(kStartPoints) + 1;
    NextQuestion();
}

void LevelRun::NextQuestion() {
    questionIndex_ = questionIndex_ < kQuestionCount ? questionIndex_ + 1 : 1;
    Jouer_rythmes();
}

void LevelRun::stopSound() {
    echo_.cancel();
    context_.sound.StopAll();
}

void LevelRun::Jouer_rythmes() {
    stopSound();
    if (questionIndex_ < 1 || questionIndex_ > kQuestionCount) {
        return;
    }
    const auto& order = QuestionOrder(gridKindOf(levelCode()));
    const int answer = order[static_cast<std::size_t>(questionIndex_ - 1)];
    question_ = QString::number(answer);
    const int rhythm = rhythmOfAnswer(answer);
    if (catalogue::isRhythm(rhythm)) {
        context_.sound.PlayRhythm(catalogue::motifOf(rhythm));
        context_.answers.questionPlayed();
    }
}

int LevelRun::rhythmOfAnswer(int answer) const {
    if (answer < 1 || answer > static_cast<int>(nb_.size())) {
        return 0;
    }
    const qint64 rhythm = leadingNumber(nb_[static_cast<std::size_t>(answer - 1)]);
    return catalogue::isRhythm(static_cast<int>(rhythm)) ? static_cast<int>(rhythm) : 0;
}

void LevelRun::Form_KeyDown(int keyCode) {
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
    case KeyDown:
        MoveCursorDown();
        break;
    case KeyUp:
        MoveCursorUp();
        break;
    case KeySpace:
        ValidateAnswer();
        break;
    default:
        break;
    }
}

void LevelRun::answerCell(int cell) {
    if (!acceptsAnswers() || cell < 1 || cell > AnswerGrid::kCellCount) {
        return;
    }
    if (cell != AnswerGrid::kReplayCell && !answerNumberOf(cell, gridKindOf(levelCode()))) {
        return;
    }
    grid_.place(cell);
    ValidateAnswer();
}

void LevelRun::moveCursor(CursorMove move) {
    grid_.move(move, gridKindOf(levelCode()));
}

void LevelRun::ValidateAnswer() {
    if (feedback_.wrongShown()) {
        return;
    }
    const int cell = grid_.cursor();
    if (cell == AnswerGrid::kReplayCell) {
        Jouer_rythmes();
    } else if (const auto answer = answerNumberOf(cell, gridKindOf(levelCode()))) {
        judge(*answer);
    }
    feedback_.startCountdown();
}

void LevelRun::judge(int answer) {
    // A new answer silences a comparison still going; the question's own rhythm sounds on.
    if (echo_.cancel()) {
        context_.sound.StopAll();
    }
    // The answer is compared as text with the question last played.
    const bool right = QString::number(answer) == question_;
    const int chosen = rhythmOfAnswer(answer);
    const int played = rhythmOfAnswer(static_cast<int>(leadingNumber(question_)));
    if (chosen != 0 && played != 0) {
        context_.answers.answered(
            {answers::levelScreenActivity(levelCode()), played, chosen, right});
    }
    if (right) {
        score_ = addToNumberText(score_, kRightPoints);
        options_.playVerdictSound(Verdict::Right);
        feedback_.showRight();
        return;
    }
    score_ = addToNumberText(score_, kWrongPoints);
    options_.playVerdictSound(Verdict::Wrong);
    feedback_.showWrong();
    if (options_.echoChoice() && chosen != 0) {
        echo_.start(context_.sound, catalogue::motifOf(chosen));
    }
}

void LevelRun::Timer_echo() {
    if (echo_.Timer_echo()) {
        Jouer_rythmes();
    }
}

void LevelRun::Timer1_Timer() {
    if (feedback_.Timer1_Timer() == FeedbackEnd::Right) {
        NextQuestion();
        feedback_.hideRight();
    }
}

void LevelRun::Timer2_Timer() {
    if (!clock_.tick()) {
        return;
    }
    if (options_.metronomeShown()) {
        score_ = addToNumberText(score_, kMetronomeCost);
    }
    if (leadingNumber(score_) >= kPassScore || leadingNumber(clock_.remaining()) == 0) {
        endLevel();
    }
}

void LevelRun::endLevel() {
    // Nothing of the run is reset: its score, time, cursor and labels stay on view.
    clock_.stop();
    feedback_.stop();
    stopSound();
    const LevelVerdict verdict =
        decideVerdict(levelCode(), score_, context_.menuLevels, context_.players);
    if (verdict.stored && !verdict.stored->ok()) {
        context_.screen.recordNotStored(*verdict.stored);
    }
    endAnswers();
    context_.screen.showResult(verdict);
}

void LevelRun::endAnswers() {
    if (const app::StoreStatus status = context_.answers.runEnded(); !status.ok()) {
        context_.screen.recordNotStored(status);
    }
}

void LevelRun::Label_arret_Click() {
    grid_.centre();
    clock_.setRemaining(options_.duration().text);
    score_ = QStringLiteral("0");
    clock_.stop();
    feedback_.stop();
    stopSound();
    endAnswers();
}

void LevelRun::Image_retour_Click() {
    feedback_.stop();
    clock_.stop();
    stopSound();
    endAnswers();
}

void LevelRun::Label_option_Click() {
    options_.ApplyStoredInstrument();
    options_.reloadVolumeAndTempo();
    stopSound();
    panelOpen_ = true;
    // A started run has used some of its time: its clock pauses while the panel is open.
    if (leadingNumber(clock_.remaining()) < leadingNumber(options_.duration().text)) {
        clock_.stop();
    }
}

void LevelRun::Image_cacher_options_Click() {
    const qint64 remaining = leadingNumber(clock_.remaining());
    if (remaining < leadingNumber(options_.duration().text) && remaining != 0) {
        clock_.start();
    } else {
        clock_.setRemaining(options_.duration().text);
    }
    options_.writeChoices();
    if (const app::StoreStatus status = context_.players.storeCurrent(); !status.ok()) {
        context_.screen.recordNotStored(status);
    }
    panelOpen_ = false;
}

} // namespace pulsadrome::play
