// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/games/GameWindow.h"

#include "app/Startup.h"
#include "play/games/GameKeys.h"
#include "play/games/ScoreWindows.h"
#include "play/level/LevelPictures.h"
#include "play/level/OptionPanel.h"
#include "play/level/PadSlot.h"
#include "ui/ClickLabel.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QSpinBox>

namespace pulsadrome::play {

namespace {

// The grid in twips: player 1's frames, and player 2's 75 twips larger on every side.
constexpr int kCellWidth = 3495;
constexpr int kCellHeight = 855;
constexpr int kSecondMargin = 75;
constexpr std::array<int, 3> kColumnLefts{540, 4275, 7995};
constexpr std::array<int, 5> kRowTops{600, 1680, 2760, 3855, 4920};

constexpr int px(int pixels) {
    return pixels * 15;
}

// The cell at grid position 0 ... 14 (row by row): the centre one is the listen-again cell.
constexpr int cellAt(int position) {
    return position == 7 ? kListenCell : (position < 7 ? position + 1 : position);
}

constexpr const char* kStyle = R"(
QLabel#Label_scoreB { color: #2e4fb8; }
QLabel#Label_bonus { background: #f1c40f; color: #7a4b00; }
QLabel#Label_faux2 { background: #8080ff; }
QSpinBox#Text_chrono { color: #23395d; font-weight: bold; background: #fffdf5; }
QLabel#Label_joueur2 { color: #23395d; font-weight: bold; background: rgba(255,255,255,205); border-radius: 8px; }
QWidget[kind="secondFrame"] { border: 5px solid #8080ff; border-radius: 6px; background: transparent; }
)";

} // namespace

GameWindow::GameWindow(RhythmPort& sound, app::PlayerRecordStore& players, Random& random,
                       const catalogue::MenuHolders& menu, const app::DataDirectory& data,
                       const i18n::CaptionTable& captions, const Clock& clock, AnswerPort& answers,
                       QWidget* parent)
    : PlayWindow(captions, parent), sound_(sound), players_(players), menu_(menu), data_(data),
      clock_(clock), run_(GameContext{sound, players, random, menu, *this, answers}) {
    setObjectName(QStringLiteral("Form_jeux"));
    setStyleSheet(commonStyle() + QString::fromLatin1(kStyle));
    applyTheme(players_.current().fond);
    buildGrid();
    buildStatus();
    buildCommands();

    for (QTimer* timer : {&timer1_, &timer2_, &timerBonus_}) {
        timer->setInterval(1000);
    }
    connect(&timer1_, &QTimer::timeout, this, &GameWindow::Timer1_Timer);
    connect(&timer2_, &QTimer::timeout, this, &GameWindow::Timer2_Timer);
    connect(&timerBonus_, &QTimer::timeout, this, &GameWindow::Timer_bonus_Timer);
    // The screen's load: the player's own game length until a scored game fixes it, and every
    // stored choice into the options, whose panel lists the bands the load has read.
    run_.length().setStored(players_.current().chrono);
    run_.Form_Load();
    makePanel(
        run_.options(), [this](const std::function<void()>& operation) { act(operation); },
        [this] { act([this] { run_.Image_cacher_options_Click(); }); });
    render();
    setScale(screenScale());
}

void GameWindow::attachPads(input::GamepadHub* hub, const QString& hubError) {
    for (int player = 0; player < 2; ++player) {
        PadSlot*& pad = pads_[static_cast<std::size_t>(player)];
        delete pad;
        pad = makePad(
            hub, hubError, player, [this] { return run_.acceptsAnswers(); },
            [this](int key) { act([this, key] { run_.Form_KeyDown(key); }); });
    }
}

void GameWindow::buildGrid() {
    addPanel(kColumnLefts[0] - 150, kRowTops[0] - 150, 11250, 5925);
    for (int position = 0; position < 15; ++position) {
        const int column = position % 3;
        const int row = position / 3;
        const int left = kColumnLefts[static_cast<std::size_t>(column)];
        const int top = kRowTops[static_cast<std::size_t>(row)];
        const int cell = cellAt(position);
        auto* frame = new QWidget(this);
        frame->setAttribute(Qt::WA_StyledBackground);
        frame->setProperty("kind", "secondFrame");
        frame->setObjectName(cell == kListenCell ? QStringLiteral("Shape_ecouteB")
                                                 : QStringLiteral("Shape%1B").arg(cell));
        place(frame, left - kSecondMargin, top - kSecondMargin, kCellWidth + 2 * kSecondMargin,
              kCellHeight + 2 * kSecondMargin);
        frame->hide();
        framesB_[static_cast<std::size_t>(cell)] = frame;

        auto* view = new GridCell(this);
        view->setObjectName(cell == kListenCell ? QStringLiteral("Shape_ecoute")
                                                : QStringLiteral("Shape%1").arg(cell));
        if (cell == kListenCell) {
            view->setListenSign();
        }
        place(view, left, top, kCellWidth, kCellHeight);
        connect(view, &GridCell::chosen, this,
                [this, cell] { act([this, cell] { run_.answerCell(cell); }); });
        cells_[static_cast<std::size_t>(cell)] = view;
    }
}

void GameWindow::buildStatus() {
    addPanel(px(20), px(398), px(760), px(78));
    score_ = new QLabel(this);
    score_->setObjectName(QStringLiteral("Label_score"));
    scoreB_ = new QLabel(this);
    scoreB_->setObjectName(QStringLiteral("Label_scoreB"));
    time_ = new QLabel(this);
    time_->setObjectName(QStringLiteral("Label_timer"));
    time_->setToolTip(captions_.text(u"Label_timer"));
    bonus_ = new QLabel(this);
    bonus_->setObjectName(QStringLiteral("Label_bonus"));
    for (QLabel* value : {score_, scoreB_, time_, bonus_}) {
        value->setProperty("kind", "value");
        value->setAlignment(Qt::AlignCenter);
    }
    // The bonus takes its widest offer, "🎁 +200", with room to spare at every scale.
    place(score_, px(30), px(406), px(180), px(62), 15);
    place(scoreB_, px(218), px(406), px(180), px(62), 15);
    place(time_, px(406), px(406), px(110), px(62), 20);
    place(bonus_, px(524), px(406), px(136), px(62), 20);

    right_ = new QLabel(captions_.text(u"Label_vrai"), this);
    right_->setObjectName(QStringLiteral("Label_vrai"));
    wrong_ = new QLabel(captions_.text(u"Label_faux"), this);
    wrong_->setObjectName(QStringLiteral("Label_faux"));
    wrongB_ = new QLabel(captions_.text(u"Label_faux"), this);
    wrongB_->setObjectName(QStringLiteral("Label_faux2"));
    for (QLabel* verdict : {right_, wrong_, wrongB_}) {
        verdict->setProperty("kind", "verdict");
        verdict->setAlignment(Qt::AlignCenter);
        verdict->hide();
    }
    place(right_, px(668), px(406), px(104), px(62), 16);
    place(wrong_, px(668), px(406), px(104), px(30), 12);
    place(wrongB_, px(668), px(438), px(104), px(30), 12);

    // A two-player game lasts what the players choose; the change counts from the next start.
    // Between games the box stands in the clock's place, which shows the same seconds, so that
    // a verdict the last answer left on view stays clear of it.
    length_ = new QSpinBox(this);
    length_->setObjectName(QStringLiteral("Text_chrono"));
    length_->setRange(1, GameLength::kLimit - 1);
    length_->setPrefix(QStringLiteral("⏱ "));
    length_->setAlignment(Qt::AlignCenter);
    length_->setToolTip(captions_.text(u"Label_timer"));
    place(length_, px(406), px(416), px(110), px(42), 14);
    connect(length_, &QSpinBox::valueChanged, this, [this](int seconds) {
        act([this, seconds] {
            run_.length().UpDown_chrono_Change(seconds);
            run_.length().UpDown_chrono_GotFocus();
            players_.current().chrono = run_.length().text();
        });
    });

    mascot_ = new PictureBox(this);
    mascot_->setObjectName(QStringLiteral("Metronome_stop"));
    place(mascot_, px(20), px(482), px(70), px(105));
}

void GameWindow::buildCommands() {
    addPanel(px(100), px(484), px(680), px(100));
    makeCommands([this] { act([this] { run_.question_Click(); }); },
                 [this] { act([this] { run_.Label_arret_Click(); }); },
                 [this] { act([this] { run_.Label_option_Click(); }); });
    place(playLabel(), px(112), px(494), px(196), px(60), 12);
    place(stopLabel(), px(316), px(494), px(122), px(60), 12);
    place(optionLabel(), px(446), px(494), px(122), px(60), 12);
    place(backLabel(), px(706), px(494), px(62), px(60), 24);
    // Two players share the keyboard: each is told his keys.
    pad_ = new QLabel(this);
    pad_->setObjectName(QStringLiteral("Label_joueur2"));
    pad_->setAlignment(Qt::AlignCenter);
    pad_->setWordWrap(true);
    place(pad_, px(576), px(488), px(124), px(72), 11);
    pad_->hide();
}

void GameWindow::applyGameStart(const catalogue::GameStart& start) {
    act([&] { run_.prepare(start); });
    optionPanel()->setPlayers(run_.name(), run_.twoPlayers() ? run_.nameB() : std::nullopt);
    for (int cell = 1; cell <= kGameCellCount; ++cell) {
        cells_[static_cast<std::size_t>(cell)]->setPicture(
            100 + start.drawn[static_cast<std::size_t>(cell - 1)]);
    }
}

void GameWindow::Timer1_Timer() {
    act([this] { run_.Timer1_Timer(); });
}

void GameWindow::Timer2_Timer() {
    act([this] { run_.Timer2_Timer(); });
}

void GameWindow::Timer_bonus_Timer() {
    act([this] { run_.Timer_bonus_Timer(); });
}

template <typename Operation> void GameWindow::act(Operation operation) {
    operation();
    render();
    followPanel(run_.panelOpen());
}

void GameWindow::render() {
    const LevelOptions& options = run_.options();
    const bool scoresShown = options.scoreShown();
    const bool two = run_.twoPlayers();
    score_->setText(run_.name() + QStringLiteral("\n⭐ ") + QString::number(run_.score()));
    scoreB_->setText(run_.nameB().value_or(QString()) + QStringLiteral("\n⭐ ") +
                     QString::number(run_.scoreB()));
    score_->setVisible(scoresShown);
    scoreB_->setVisible(scoresShown && two);
    // The length box sits in the clock's place, only while no game runs.
    const bool lengthShown = two && run_.length().enabled() && !run_.clockRunning();
    time_->setText(QStringLiteral("⏱ ") + run_.clock());
    time_->setVisible(options.clockShown() && !lengthShown);
    bonus_->setText(QStringLiteral("🎁 ") + run_.bonus().label());
    bonus_->setVisible(run_.bonus().shown());
    static const char* const kPoseNames[] = {"still", "1", "2"};
    const QString pose = QString::fromLatin1(kPoseNames[static_cast<int>(run_.mascot())]);
    if (pose != mascot_->pictureName()) {
        mascot_->load(QStringLiteral("tictac"), pose);
    }
    mascot_->setVisible(options.metronomeShown());
    for (int cell = 0; cell <= kGameCellCount; ++cell) {
        cells_[static_cast<std::size_t>(cell)]->setFrameColour(run_.cursor().frameColour(cell));
        framesB_[static_cast<std::size_t>(cell)]->setVisible(two && run_.cursorB().cell() == cell);
    }
    pad_->setVisible(two);
    if (two) {
        // Each player's keys, in the colour of his frame.
        pad_->setText(QStringLiteral("<span style=\"color:#e02020\">%1</span> ← ↑ → ↓ ␣<br>"
                                     "<span style=\"color:#5050e0\">%2</span> 1 5 3 2 0")
                          .arg(run_.name().toHtmlEscaped(),
                               run_.nameB().value_or(QString()).toHtmlEscaped()));
    }
    length_->setVisible(lengthShown);
    if (length_->value() != run_.length().arrows()) {
        const QSignalBlocker quiet(length_);
        length_->setValue(run_.length().arrows());
    }
    right_->setVisible(run_.rightShown());
    wrong_->setVisible(run_.wrongShown());
    wrongB_->setVisible(run_.wrongShownB());
    followTimer(timer1_, run_.feedbackRunning());
    followTimer(timer2_, run_.clockRunning());
    followTimer(timerBonus_, run_.bonus().running());
}

void GameWindow::leaveRun() {
    act([this] { run_.Image_retour_Click(); });
}

void GameWindow::keyPressEvent(QKeyEvent* event) {
    const int code = gameKeyCode(event->key(), event->modifiers());
    if (code == 0) {
        ui::Form::keyPressEvent(event);
        return;
    }
    act([this, code] { run_.Form_KeyDown(code); });
}

void GameWindow::applyStoredInstrument() {
    run_.options().ApplyStoredInstrument();
}

void GameWindow::showMessage(LevelMessage message) {
    showLevelMessage(message);
}

void GameWindow::showInstrumentFallback(const InstrumentFallback& fallback) {
    showInstrumentFallbackText(fallback);
}

void GameWindow::applyTheme(const QString& word) {
    putTheme(word);
}

void GameWindow::recordNotStored(const app::StoreStatus& status) {
    warnNotStored(status);
}

void GameWindow::gameEnded(const GameResult& result) {
    // The run is idle already: draw its last state before the window covers it.
    render();
    const QString theme = players_.current().fond;
    if (result.twoPlayers) {
        WinnerWindow window(
            menu_.nom2, menu_.nom3, result.score, result.scoreB,
            winnerLine(menu_.nom2, menu_.nom3, result.score, result.scoreB, captions_), theme,
            clock_, this);
        window.exec();
        return;
    }
    HighScoreWindow window(*keepers_, result.gameCode, captions_, theme, clock_, this);
    window.load();
    window.enter(result.txtName, result.score);
    window.exec();
    tellUnfinishedEntry(*this, captions_, window);
}

} // namespace pulsadrome::play
