// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/level/LevelWindow.h"

#include "app/Startup.h"
#include "play/level/LevelPictures.h"
#include "play/level/OptionPanel.h"
#include "play/level/PadSlot.h"
#include "play/level/ResultWindow.h"
#include "ui/ClickLabel.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>

namespace pulsadrome::play {

namespace {

// The grid in twips: three columns and three rows of 3495 x 855 cells.
constexpr int kCellWidth = 3495;
constexpr int kCellHeight = 855;
constexpr std::array<int, 3> kColumnLefts{600, 4200, 7800};
constexpr std::array<int, 3> kRowTops{540, 1500, 2460};

// Positions of the rest of the screen, in logical pixels of the 800 x 600 form.
constexpr int px(int pixels) {
    return pixels * 15;
}

constexpr const char* kStyle = R"(
QLabel#Label_niveau { color: #c0392b; font-weight: bold; }
)";

constexpr int keyCodeOf(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Left:
        return KeyLeft;
    case Qt::Key_Right:
        return KeyRight;
    case Qt::Key_Up:
        return KeyUp;
    case Qt::Key_Down:
        return KeyDown;
    case Qt::Key_Space:
        return KeySpace;
    default:
        return 0;
    }
}

} // namespace

LevelWindow::LevelWindow(RhythmPort& sound, app::PlayerRecordStore& players, Random& random,
                         const catalogue::MenuHolders& menu,
                         catalogue::LevelLabelStates& menuLevels,
                         const i18n::CaptionTable& captions, AnswerPort& answers, QWidget* parent)
    : PlayWindow(captions, parent),
      run_(LevelContext{sound, players, random, menu, menuLevels, *this, answers}) {
    setObjectName(QStringLiteral("Form_rythme"));
    setStyleSheet(commonStyle() + QString::fromLatin1(kStyle));
    buildGrid();
    buildStatus();
    buildCommands();

    timer1_.setInterval(1000);
    timer2_.setInterval(1000);
    connect(&timer1_, &QTimer::timeout, this, &LevelWindow::Timer1_Timer);
    connect(&timer2_, &QTimer::timeout, this, &LevelWindow::Timer2_Timer);
    echoTimer_.setInterval(ChoiceEcho::kTickMs);
    echoTimer_.setTimerType(Qt::PreciseTimer);
    connect(&echoTimer_, &QTimer::timeout, this, &LevelWindow::Timer_echo);

    run_.Form_Load();
    // The panel lists the bands the load has read, so it comes after the load.
    makePanel(
        run_.options(), [this](const std::function<void()>& operation) { act(operation); },
        [this] { act([this] { run_.Image_cacher_options_Click(); }); });
    optionPanel()->setPlayers(players.current().nom, std::nullopt);
    render();
    setScale(screenScale());
}

void LevelWindow::attachPads(input::GamepadHub* hub, const QString& hubError) {
    delete pad_;
    pad_ = makePad(
        hub, hubError, 0, [this] { return run_.acceptsAnswers(); },
        [this](int key) { act([this, key] { run_.Form_KeyDown(key); }); });
}

void LevelWindow::buildGrid() {
    // Shape11: one card around the grid, shorter when the top row is not in use.
    fullFrame_ = new QWidget(this);
    starterFrame_ = new QWidget(this);
    for (QWidget* frame : {fullFrame_, starterFrame_}) {
        frame->setAttribute(Qt::WA_StyledBackground);
        frame->setStyleSheet(QStringLiteral(
            "background: rgba(255,255,255,170); border-radius: 14px; border: 2px solid white;"));
    }
    place(fullFrame_, 450, catalogue::kFullGrid.frameTop + 240, 11100,
          catalogue::kFullGrid.frameHeight - 240);
    place(starterFrame_, 450, catalogue::kStarterGrid.frameTop + 200, 11100,
          catalogue::kStarterGrid.frameHeight - 200);
    starterFrame_->hide();

    for (int cell = 1; cell <= AnswerGrid::kCellCount; ++cell) {
        auto* view = new GridCell(this);
        view->setObjectName(QStringLiteral("Shape%1").arg(cell));
        if (cell == AnswerGrid::kReplayCell) {
            view->setListenSign();
        }
        const int row = (cell - 1) / 3;
        const int column = (cell - 1) % 3;
        place(view, kColumnLefts[static_cast<std::size_t>(column)],
              kRowTops[static_cast<std::size_t>(row)], kCellWidth, kCellHeight);
        connect(view, &GridCell::chosen, this,
                [this, cell] { act([this, cell] { run_.answerCell(cell); }); });
        cells_[static_cast<std::size_t>(cell - 1)] = view;
    }

    addPanel(px(150), px(1), px(500), px(25));
    title_ = new QLabel(this);
    title_->setObjectName(QStringLiteral("Label_niveau"));
    title_->setAlignment(Qt::AlignCenter);
    place(title_, px(150), px(1), px(500), px(25), 15);
}

void LevelWindow::buildStatus() {
    mascot_ = new PictureBox(this);
    mascot_->setObjectName(QStringLiteral("Metronome_stop"));
    place(mascot_, px(10), px(262), px(130), px(195));

    score_ = new QLabel(this);
    score_->setObjectName(QStringLiteral("Label_score"));
    score_->setProperty("kind", "value");
    score_->setAlignment(Qt::AlignCenter);
    place(score_, px(190), px(268), px(200), px(64), 24);
    time_ = new QLabel(this);
    time_->setObjectName(QStringLiteral("Label_timer"));
    time_->setProperty("kind", "value");
    time_->setAlignment(Qt::AlignCenter);
    time_->setToolTip(captions_.text(u"Label_timer"));
    place(time_, px(410), px(268), px(200), px(64), 24);

    right_ = new QLabel(captions_.text(u"Label_vrai"), this);
    right_->setObjectName(QStringLiteral("Label_vrai"));
    wrong_ = new QLabel(captions_.text(u"Label_faux"), this);
    wrong_->setObjectName(QStringLiteral("Label_faux"));
    for (QLabel* verdict : {right_, wrong_}) {
        verdict->setProperty("kind", "verdict");
        verdict->setAlignment(Qt::AlignCenter);
        place(verdict, px(630), px(268), px(140), px(64), 18);
        verdict->hide();
    }
}

void LevelWindow::buildCommands() {
    addPanel(px(150), px(360), px(640), px(100));
    makeCommands([this] { act([this] { run_.question_Click(); }); },
                 [this] { act([this] { run_.Label_arret_Click(); }); },
                 [this] { act([this] { run_.Label_option_Click(); }); });
    place(playLabel(), px(164), px(376), px(222), px(68), 13);
    place(stopLabel(), px(396), px(376), px(150), px(68), 14);
    place(optionLabel(), px(556), px(376), px(150), px(68), 14);
    place(backLabel(), px(716), px(376), px(62), px(68), 24);
}

void LevelWindow::Timer1_Timer() {
    act([this] { run_.Timer1_Timer(); });
}

void LevelWindow::Timer2_Timer() {
    act([this] { run_.Timer2_Timer(); });
}

void LevelWindow::Timer_echo() {
    act([this] { run_.Timer_echo(); });
}

QWidget* LevelWindow::cell(int n) const {
    return cells_[static_cast<std::size_t>(n - 1)];
}

QWidget* LevelWindow::mascot() const {
    return mascot_;
}

void LevelWindow::applyLevelStart(const catalogue::LevelStart& start) {
    act([&] { run_.applyLevelStart(start); });
    // Image1 ... Image8 sit in every cell but the centre one.
    static constexpr std::array<int, catalogue::kSlotCount> kSlotCells{1, 2, 3, 4, 6, 7, 8, 9};
    for (std::size_t slot = 0; slot < kSlotCells.size(); ++slot) {
        GridCell* view = cells_[static_cast<std::size_t>(kSlotCells[slot] - 1)];
        view->setPicture(start.slotPictures[slot]);
        view->setVisible(start.layout.topRowVisible || kSlotCells[slot] > 3);
    }
    fullFrame_->setVisible(start.layout.topRowVisible);
    starterFrame_->setVisible(!start.layout.topRowVisible);
}

template <typename Operation> void LevelWindow::act(Operation operation) {
    operation();
    render();
    followPanel(run_.panelOpen());
}

void LevelWindow::render() {
    title_->setText(run_.title());
    score_->setText(QStringLiteral("⭐ ") + run_.score());
    time_->setText(QStringLiteral("⏱ ") + run_.clock().remaining());
    const LevelOptions& options = run_.options();
    score_->setVisible(options.scoreShown());
    time_->setVisible(options.clockShown());
    mascot_->setVisible(options.metronomeShown());
    static const char* const kPoseNames[] = {"still", "1", "2"};
    const QString pose = QString::fromLatin1(kPoseNames[static_cast<int>(run_.clock().pose())]);
    if (pose != mascot_->pictureName()) {
        mascot_->load(QStringLiteral("tictac"), pose);
    }
    for (int cell = 1; cell <= AnswerGrid::kCellCount; ++cell) {
        cells_[static_cast<std::size_t>(cell - 1)]->setFrameColour(run_.grid().frameColour(cell));
    }
    right_->setVisible(run_.feedback().rightShown());
    wrong_->setVisible(run_.feedback().wrongShown());
    followTimer(timer1_, run_.feedback().running());
    followTimer(timer2_, run_.clock().running());
    followTimer(echoTimer_, run_.echo().running());
}

void LevelWindow::leaveRun() {
    act([this] { run_.Image_retour_Click(); });
}

void LevelWindow::keyPressEvent(QKeyEvent* event) {
    const int code = keyCodeOf(event->key());
    if (code == 0) {
        ui::Form::keyPressEvent(event);
        return;
    }
    act([this, code] { run_.Form_KeyDown(code); });
}

void LevelWindow::showMessage(LevelMessage message) {
    showLevelMessage(message);
}

void LevelWindow::showInstrumentFallback(const InstrumentFallback& fallback) {
    showInstrumentFallbackText(fallback);
}

void LevelWindow::showResult(const LevelVerdict& verdict) {
    // The run is idle already: draw its last state before the window covers it.
    render();
    ResultWindow result(captions_.text(verdict.captionKey), theme_, this);
    result.exec();
    emit resultClosed();
}

void LevelWindow::applyTheme(const QString& word) {
    theme_ = word;
    putTheme(word);
}

void LevelWindow::recordNotStored(const app::StoreStatus& status) {
    warnNotStored(status);
}

} // namespace pulsadrome::play
