// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Tour.h"

#include "app/BackdropWindow.h"
#include "app/ClassWindow.h"
#include "app/DemoHistory.h"
#include "app/MenuWindow.h"
#include "app/PlayerWindows.h"
#include "app/ProgramFlow.h"
#include "app/ProgressReport.h"
#include "app/ProgressWindow.h"
#include "app/ResolutionWindow.h"
#include "app/SchoolNetworkWindow.h"
#include "app/TeacherPasswordWindow.h"
#include "i18n/LanguageFile.h"
#include "listening/SilentRhythm.h"
#include "play/games/GameWindow.h"
#include "play/games/ScoreWindows.h"
#include "play/level/LevelWindow.h"
#include "play/level/OptionPanel.h"
#include "play/level/ResultWindow.h"
#include "sound/MusicService.h"
#include "sound/RhythmEngine.h"
#include "ui/ClickLabel.h"
#include "ui/MessageBox.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QPromise>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace pulsadrome::app {

namespace {

class Camera {
public:
    explicit Camera(QString folder) : folder_(std::move(folder)) {}

    void shoot(QWidget* window, const QString& name) {
        if (!error_.isEmpty() || !window) {
            return;
        }
        window->show();
        const QString file = QDir(folder_).filePath(name + QStringLiteral(".png"));
        if (!window->grab().save(file, "PNG")) {
            error_ = QStringLiteral("%1 cannot be written.").arg(file);
        }
    }
    const QString& error() const { return error_; }
    QString file(const QString& name) const {
        return QDir(folder_).filePath(name + QStringLiteral(".png"));
    }

private:
    QString folder_;
    QString error_;
};

// The date the tour's answers are logged with: the system's until it is set.
class TourWallClock final : public WallClock {
public:
    std::int64_t utcSeconds() const override { return at_ ? at_ : system_.utcSeconds(); }
    void set(std::int64_t at) { at_ = at; }

private:
    SystemWallClock system_;
    std::int64_t at_ = 0;
};

// The class of eight (DemoHistory): Lina with weeks of answers, Tom with a password, Zoé who has
// not played yet, and five more; `historyEnd` is the time of the class's last answer.
bool addDemoPlayers(PlayerStore& store, qint64& historyEnd) {
    // From Monday 7 September 2026.
    const auto rows = playDemoClass(store, 1'788'789'600);
    if (!rows) {
        return false;
    }
    for (const RowId row : *rows) {
        const auto answers = store.answersOf(row);
        if (!answers) {
            return false;
        }
        for (const answers::AnswerRecord& answer : *answers) {
            historyEnd = std::max(historyEnd, answer.utcSeconds);
        }
    }
    return true;
}

void press(QWidget* window, Qt::Key key) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(window, &down);
}

// The level screen of Lina's open level 7, idle, then after a right and a wrong answer, and the
// result window of a passed level.
void shootLevel(ProgramFlow& flow, Camera& camera, const QString& suffix, bool wholeRun) {
    if (!flow.startLevel(QStringLiteral("Niveau7"))) {
        return;
    }
    play::LevelWindow* level = flow.level();
    level->setScale(1.0);
    camera.shoot(level, QStringLiteral("level-idle") + suffix);
    level->optionLabel()->clicked();
    camera.shoot(level, QStringLiteral("level-options") + suffix);
    level->optionPanel()->pageLabel()->clicked();
    camera.shoot(level, QStringLiteral("level-options-pads") + suffix);
    level->optionPanel()->closeLabel()->clicked();
    if (wholeRun) {
        play::LevelRun& run = level->run();
        level->playLabel()->clicked();
        press(level, Qt::Key_Down);
        press(level, Qt::Key_Left);
        level->Timer2_Timer();
        level->Timer2_Timer();
        level->Timer2_Timer();
        camera.shoot(level, QStringLiteral("level-running") + suffix);
        if (suffix.isEmpty()) {
            // The notation stays sharp on a big screen.
            level->setScale(2.0);
            camera.shoot(level, QStringLiteral("level-running-x2"));
            level->setScale(1.0);
        }
        // Answer 6 is the bottom-left cell, where the cursor stands.
        press(level, run.question() == QStringLiteral("6") ? Qt::Key_Right : Qt::Key_Space);
        press(level, Qt::Key_Space);
        level->Timer1_Timer();
        camera.shoot(level, QStringLiteral("level-feedback") + suffix);
    }
    play::ResultWindow result(flow.captions().text(u"Label_resultat2"),
                              flow.players().current().fond, level);
    result.setScale(1.0);
    camera.shoot(&result, QStringLiteral("result") + suffix);
    result.close();
    level->backLabel()->clicked();
}

// A school's high scores whose server has not answered the entry yet: the table at once, the
// entry kept waiting while the tour takes its picture.
class WaitingScores final : public play::ScoreKeepers {
public:
    ~WaitingScores() override {
        if (promise_->future().isStarted()) {
            promise_->finish();
        }
    }
    std::unique_ptr<play::ScoreKeeper> keeperOf(const QString& /*gameCode*/,
                                                const i18n::CaptionTable& /*captions*/) override {
        return std::make_unique<Keeper>(promise_);
    }

private:
    class Keeper final : public play::ScoreKeeper {
    public:
        explicit Keeper(std::shared_ptr<QPromise<play::KeptTable>> promise)
            : promise_(std::move(promise)) {}
        QFuture<play::KeptTable> load(int count, const QString& /*separator*/) override {
            return QtFuture::makeReadyFuture(play::KeptTable{play::completedTable({}, count), {}});
        }
        QFuture<play::KeptTable> enter(const play::ScoreEntry& /*entry*/, int /*position*/,
                                       const std::vector<play::ScoreEntry>& /*shown*/,
                                       const QString& /*separator*/) override {
            promise_->start();
            return promise_->future();
        }

    private:
        std::shared_ptr<QPromise<play::KeptTable>> promise_;
    };
    std::shared_ptr<QPromise<play::KeptTable>> promise_ =
        std::make_shared<QPromise<play::KeptTable>>();
};

// The games screen: a one-player game under way, two players on one keyboard with both cursors
// on one cell, then the high-score table and the two players' result.
void shootGames(ProgramFlow& flow, Camera& camera, const DataDirectory& data,
                const QString& suffix) {
    if (!flow.startGame(QStringLiteral("Label15a"))) {
        return;
    }
    play::GameWindow* game = flow.game();
    game->setScale(1.0);
    // A start offers a bonus once in ten: it starts again until one shows on the picture.
    game->playLabel()->clicked();
    for (int tries = 0; !game->bonusLabel()->isVisibleTo(game) && tries < 500; ++tries) {
        game->playLabel()->clicked();
    }
    press(game, Qt::Key_Down);
    press(game, Qt::Key_Right);
    game->Timer2_Timer();
    camera.shoot(game, QStringLiteral("games-one-player") + suffix);
    game->stopLabel()->clicked();
    game->optionLabel()->clicked();
    camera.shoot(game, QStringLiteral("games-options") + suffix);
    game->optionPanel()->closeLabel()->clicked();
    game->backLabel()->clicked();

    flow.menu()->nameBox(2)->setText(QStringLiteral("Lina"));
    flow.menu()->nameBox(3)->setText(QStringLiteral("Tom"));
    if (!flow.startGame(QStringLiteral("Label15b"))) {
        return;
    }
    game->setScale(1.0);
    camera.shoot(game, QStringLiteral("games-two-players-idle") + suffix);
    game->playLabel()->clicked();
    press(game, Qt::Key_Up);
    // Player 2's pad 5 also goes up: both frames stand on one cell.
    QKeyEvent padUp(QEvent::KeyPress, Qt::Key_5, Qt::KeypadModifier);
    QApplication::sendEvent(game, &padUp);
    camera.shoot(game, QStringLiteral("games-two-players") + suffix);
    game->stopLabel()->clicked();
    game->optionLabel()->clicked();
    game->optionPanel()->pageLabel()->clicked();
    camera.shoot(game, QStringLiteral("games-options-pads") + suffix);
    game->optionPanel()->closeLabel()->clicked();
    game->backLabel()->clicked();

    play::HighScoreWindow table(data, QStringLiteral("score1"), flow.captions(),
                                flow.players().current().fond, flow.clock(), flow.menu());
    table.load();
    table.enter(QStringLiteral("Lina :"), QStringLiteral("1250"));
    table.setScale(1.0);
    camera.shoot(&table, QStringLiteral("games-score-table") + suffix);
    table.close();
    {
        WaitingScores waiting;
        play::HighScoreWindow school(waiting, QStringLiteral("score1"), flow.captions(),
                                     flow.players().current().fond, flow.clock(), flow.menu());
        school.load();
        school.enter(QStringLiteral("Lina :"), QStringLiteral("1250"));
        school.setScale(1.0);
        school.show();
        // The line that says the score is on its way comes after a moment.
        QEventLoop moment;
        QTimer::singleShot(600, &moment, &QEventLoop::quit);
        moment.exec();
        camera.shoot(&school, QStringLiteral("games-score-waiting") + suffix);
        school.close();
    }
    for (const bool tie : {false, true}) {
        const QString scoreB = tie ? QStringLiteral("800") : QStringLiteral("1100");
        play::WinnerWindow winner(QStringLiteral("Lina"), QStringLiteral("Tom"),
                                  QStringLiteral("800"), scoreB,
                                  play::winnerLine(QStringLiteral("Lina"), QStringLiteral("Tom"),
                                                   u"800", scoreB, flow.captions()),
                                  flow.players().current().fond, flow.clock(), flow.menu());
        winner.setScale(1.0);
        camera.shoot(&winner,
                     (tie ? QStringLiteral("games-tie") : QStringLiteral("games-winner")) + suffix);
        winner.close();
    }
}

// The listening screen over the menu, with the player's band, then the same screen without sound.
void shootListening(ProgramFlow& flow, Camera& camera, const QString& suffix) {
    flow.openListening();
    if (listening::ListeningWindow* listen = flow.listening()) {
        listen->setScale(1.0);
        camera.shoot(listen, QStringLiteral("listening") + suffix);
        listen->close();
    }
    if (suffix.isEmpty() || suffix == u"-anglais") {
        listening::SilentRhythm silent;
        listening::ListeningWindow mute(flow.captions(), silent, flow.players(),
                                        flow.players().current().fond);
        mute.setScale(1.0);
        camera.shoot(&mute, QStringLiteral("listening-no-sound") + suffix);
        mute.close();
    }
}

// What a school's players server that dropped makes the program say: the line at the end with
// progress unsent, and the warning at the start about a damaged journal.
void shootServerMessages(ProgramFlow& flow, Camera& camera, const QString& suffix) {
    std::unique_ptr<QMessageBox> later(
        ui::makeMessageBox(nullptr, flow.captions(), ui::MessageTone::Information, std::nullopt,
                           flow.captions().text(u"envoi_plus_tard")));
    camera.shoot(later.get(), QStringLiteral("server-unsent") + suffix);
    later->close();
    std::unique_ptr<QMessageBox> damaged(ui::makeMessageBox(
        nullptr, flow.captions(), ui::MessageTone::Warning, std::nullopt,
        flow.captions().text(u"envoi_journal_abime"),
        i18n::problemDetail(flow.captions(),
                            QStringLiteral("/home/eleve/.local/share/pulsadrome/"
                                           "unsent.json.damaged-20261208-083012"))));
    camera.shoot(damaged.get(), QStringLiteral("server-journal-damaged") + suffix);
    damaged->close();
}

// The report of the Progress screen, and its pages as pictures (pdftoppm, of poppler-utils).
void shootReport(const ProgressWindow& progress, const i18n::CaptionTable& captions, Camera& camera,
                 const QString& suffix, qint64 now) {
    QString error;
    const QString pdf =
        writeProgressReport(captions, progress.child(), progress.progress(), progress.zone(), now,
                            camera.file(QStringLiteral("report") + suffix).chopped(4), &error);
    if (pdf.isEmpty()) {
        qWarning("The progress report cannot be written: %s", qUtf8Printable(error));
        return;
    }
    QProcess render;
    render.start(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-r"), QStringLiteral("60"), QStringLiteral("-png"), pdf,
                  camera.file(QStringLiteral("progress-report") + suffix).chopped(4)});
    if (!render.waitForFinished(60'000) || render.exitStatus() != QProcess::NormalExit ||
        render.exitCode() != 0) {
        qWarning("The report's pages cannot be rendered (is pdftoppm installed?): %s",
                 qUtf8Printable(render.errorString()));
    }
}

// The Progress screen of Lina's history, over the menu; the first time also at twice the size.
void shootProgress(ProgramFlow& flow, Camera& camera, const QString& suffix, qint64 now) {
    flow.openProgress();
    if (ProgressWindow* progress = flow.progress()) {
        progress->setScale(1.0);
        camera.shoot(progress, QStringLiteral("progress") + suffix);
        if (suffix.isEmpty()) {
            progress->setScale(2.0);
            camera.shoot(progress, QStringLiteral("progress-x2"));
            // The chart and the first pairs at full size, for the eye.
            const QString part = QStringLiteral("progress-x2-part");
            if (!progress->grab(QRect(0, 100, 1000, 560)).save(camera.file(part), "PNG")) {
                qWarning("%s cannot be written.", qUtf8Printable(camera.file(part)));
            }
        }
        if (suffix.isEmpty() || suffix == u"-allemand") {
            shootReport(*progress, flow.captions(), camera, suffix, now);
        }
        progress->close();
    }
}

// The teacher's way in from the player choice: the password chosen (typed twice), the class
// table (also sorted by the share of right answers, and at twice the size the first time), a
// child's Progress screen over it, then the password typed at a later visit.
void shootTeacher(ProgramFlow& flow, Camera& camera, const QString& suffix) {
    const bool first = suffix.isEmpty();
    flow.openTeacher();
    TeacherPasswordWindow* password = flow.teacherPassword();
    if (!password) {
        return;
    }
    password->setScale(1.5);
    password->firstBox()->setText(QStringLiteral("Sol-La-Si"));
    if (QLineEdit* second = password->secondBox()) {
        second->setText(QStringLiteral("Sol-La-Si"));
    }
    camera.shoot(password, (password->secondBox() ? QStringLiteral("teacher-password-choose")
                                                  : QStringLiteral("teacher-password")) +
                               suffix);
    password->confirm();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    flow.waitForStore();
    ClassWindow* table = flow.classTable();
    if (!table) {
        return;
    }
    table->setScale(1.0);
    camera.shoot(table, QStringLiteral("class") + suffix);
    if (first) {
        table->table()->sortByColumn(static_cast<int>(ClassColumn::Right), Qt::DescendingOrder);
        table->table()->selectRow(1);
        camera.shoot(table, QStringLiteral("class-sorted"));
        table->setScale(2.0);
        camera.shoot(table, QStringLiteral("class-x2"));
        table->setScale(1.0);
        flow.exportClass();
        if (const auto child = table->playerAt(1); child && flow.openProgressOf(*child)) {
            flow.progress()->setScale(1.0);
            camera.shoot(flow.progress(), QStringLiteral("class-progress"));
            flow.progress()->close();
        }
    }
    table->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (first) {
        // The next visit types the password once.
        flow.openTeacher();
        if (TeacherPasswordWindow* again = flow.teacherPassword()) {
            again->setScale(1.5);
            again->firstBox()->setText(QStringLiteral("Sol-La-Si"));
            camera.shoot(again, QStringLiteral("teacher-password"));
            again->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
}

// The school network page from the player choice, filled in as a teacher would, then with the
// answer of a try of a port nothing listens on; the first time also at twice the size.
void shootSchoolNetwork(ProgramFlow& flow, Camera& camera, const QString& suffix) {
    flow.openSchoolNetwork();
    SchoolNetworkWindow* page = flow.schoolNetwork();
    if (!page) {
        return;
    }
    page->setScale(1.5);
    page->hostBox()->setText(QStringLiteral("salle-musique.ecole.lan"));
    page->portBox()->setText(QStringLiteral("5432"));
    page->databaseBox()->setText(QStringLiteral("pulsadrome"));
    page->userBox()->setText(QStringLiteral("salle_musique"));
    page->passwordBox()->setText(QStringLiteral("Sol-La-Si"));
    camera.shoot(page, QStringLiteral("school-network") + suffix);
    // A port nothing listens on: the answer comes at once, in the page's language.
    page->hostBox()->setText(QStringLiteral("127.0.0.1"));
    page->portBox()->setText(QStringLiteral("1"));
    page->test();
    QEventLoop wait;
    QObject::connect(page, &SchoolNetworkWindow::checked, &wait, &QEventLoop::quit);
    if (page->checking()) {
        wait.exec();
    }
    camera.shoot(page, QStringLiteral("school-network-unreachable") + suffix);
    // What the teacher is told after copying a computer's players, two names being taken.
    ServerCopyOutcome copied;
    copied.playersCopied = 12;
    copied.scoresCopied = 37;
    copied.answersCopied = 2840;
    copied.renamed = {{QStringLiteral("Zoé"), QStringLiteral("Zoé (2)")},
                      {QStringLiteral("Léo"), QStringLiteral("Léo (2)")}};
    ServerAddress server;
    server.host = QStringLiteral("salle-musique.ecole.lan");
    server.database = QStringLiteral("pulsadrome");
    server.user = QStringLiteral("salle_musique");
    {
        const std::unique_ptr<QMessageBox> box(page->copyOutcomeBox(copied, server));
        camera.shoot(box.get(), QStringLiteral("school-copy-done") + suffix);
        box->close();
    }
    if (suffix.isEmpty()) {
        page->setScale(2.0);
        camera.shoot(page, QStringLiteral("school-network-x2"));
    }
    page->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The practice level of Lina's confusions, asked from her Progress screen, under way; its way
// back opens the Progress screen again.
void shootPractice(ProgramFlow& flow, Camera& camera) {
    flow.openProgress();
    if (!flow.progress() || !flow.startPractice(flow.progress()->confusedRhythms())) {
        return;
    }
    play::LevelWindow* level = flow.level();
    level->setScale(1.0);
    level->playLabel()->clicked();
    press(level, Qt::Key_Up);
    level->Timer2_Timer();
    camera.shoot(level, QStringLiteral("level-practice"));
    level->backLabel()->clicked();
    if (ProgressWindow* progress = flow.progress()) {
        progress->close();
    }
}

} // namespace

MessageBoxAnswerer::MessageBoxAnswerer() {
    QCoreApplication::instance()->installEventFilter(this);
}

MessageBoxAnswerer::~MessageBoxAnswerer() {
    QCoreApplication::instance()->removeEventFilter(this);
}

bool MessageBoxAnswerer::eventFilter(QObject* watched, QEvent* event) {
    auto* box = event->type() == QEvent::Show ? qobject_cast<QMessageBox*>(watched) : nullptr;
    if (box) {
        const QString text = ui::withoutBreakPoints(box->text());
        answered_ << text;
        std::fputs(QStringLiteral("Message: %1\n").arg(text).toLocal8Bit().constData(), stderr);
        std::fflush(stderr);
        // Answered once its own event loop runs, as the Escape key answers it; a box that Escape
        // does not close is rejected.
        QMetaObject::invokeMethod(
            box,
            [box = QPointer<QMessageBox>(box)] {
                if (!box) {
                    return;
                }
                QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                QCoreApplication::sendEvent(box, &escape);
                if (box && box->isVisible()) {
                    box->reject();
                }
            },
            Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

QString takeTour(const QString& folder) {
    const MessageBoxAnswerer answerer;
    if (!QDir().mkpath(folder)) {
        return QStringLiteral("The folder %1 cannot be created.").arg(folder);
    }
    QTemporaryDir scratch;
    const auto data = DataDirectory::open(scratch.path());
    if (!scratch.isValid() || !data) {
        return QStringLiteral("No throwaway data folder can be made in %1").arg(scratch.path());
    }
    // A music service that is never started: the screens' engines work and nothing sounds.
    TourWallClock wallClock;
    sound::MusicService music({QString(), false, 256});
    ProgramFlow flow(*data, [&music](const i18n::CaptionTable& captions, QString* why) {
        auto engine = std::make_unique<sound::RhythmEngine>(music, captions);
        return engine->Initialise(QDir::currentPath(), true, why)
                   ? std::unique_ptr<play::RhythmPort>(std::move(engine))
                   : nullptr;
    });
    qint64 historyEnd = 0;
    if (!flow.openPlayers() || !addDemoPlayers(flow.players(), historyEnd)) {
        return QStringLiteral("The demonstration players cannot be made.");
    }
    // What the tour plays follows Lina's history by a day, whatever the day it runs.
    wallClock.set(historyEnd + 86'400);
    flow.setWallClock(wallClock);
    Camera camera(folder);

    ResolutionWindow warning([] { return 640; }, [](const ResolutionStep&) {});
    warning.start();
    warning.setScale(1.0);
    camera.shoot(&warning, QStringLiteral("01-resolution-warning"));
    warning.timer().stop();
    warning.close();

    flow.showPlayerChoice();
    auto* choice = flow.playerChoice();
    choice->setScale(1.5);
    camera.shoot(choice, QStringLiteral("02-player-choice"));
    choice->pickName(1);
    camera.shoot(choice, QStringLiteral("03-player-choice-password"));

    MessageWindow message(flow.captions(), flow.captions().text(u"passe_incorret"));
    message.setScale(1.5);
    camera.shoot(&message, QStringLiteral("04-message"));
    message.close();

    NewPlayerWindow newPlayer(flow.players(), flow.captions());
    newPlayer.setScale(1.5);
    newPlayer.nameBox()->setText(QStringLiteral("Noé"));
    newPlayer.usePassword()->setChecked(true);
    newPlayer.passwordBox()->setText(QStringLiteral("secret"));
    camera.shoot(&newPlayer, QStringLiteral("05-new-player"));
    newPlayer.close();

    choice->pickName(0);
    flow.goOn();
    flow.menu()->setScale(1.0);
    camera.shoot(flow.menu(), QStringLiteral("06-menu"));
    shootLevel(flow, camera, QString(), true);
    shootGames(flow, camera, *data, QString());
    shootListening(flow, camera, QString());
    shootProgress(flow, camera, QString(), wallClock.utcSeconds());
    shootPractice(flow, camera);
    if (flow.startLevel(QStringLiteral("Label_1a"))) {
        flow.level()->setScale(1.0);
        camera.shoot(flow.level(), QStringLiteral("level-starter"));
        flow.level()->backLabel()->clicked();
    }
    flow.backdrop()->showNormal();
    flow.backdrop()->resize(1280, 800);
    camera.shoot(flow.backdrop(), QStringLiteral("07-backdrop-1280x800"));
    flow.changePlayer();
    shootTeacher(flow, camera, QString());
    shootSchoolNetwork(flow, camera, QString());

    for (const auto& info : i18n::languages()) {
        const QString code = QString::fromLatin1(info.code);
        flow.playerChoice()->chooseLanguage(info.language);
        flow.playerChoice()->setScale(1.5);
        camera.shoot(flow.playerChoice(), QStringLiteral("player-choice-") + code);
        flow.playerChoice()->pickName(0);
        flow.goOn();
        flow.menu()->setScale(1.0);
        camera.shoot(flow.menu(), QStringLiteral("menu-") + code);
        shootLevel(flow, camera, QStringLiteral("-") + code, code == QStringLiteral("allemand"));
        shootGames(flow, camera, *data, QStringLiteral("-") + code);
        shootListening(flow, camera, QStringLiteral("-") + code);
        shootProgress(flow, camera, QStringLiteral("-") + code, wallClock.utcSeconds());
        shootServerMessages(flow, camera, QStringLiteral("-") + code);
        flow.changePlayer();
        shootTeacher(flow, camera, QStringLiteral("-") + code);
        shootSchoolNetwork(flow, camera, QStringLiteral("-") + code);
    }
    flow.quit();
    return camera.error();
}

} // namespace pulsadrome::app
