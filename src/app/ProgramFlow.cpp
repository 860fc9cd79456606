// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProgramFlow.h"

#include "listening/SilentRhythm.h"

#include "app/BackdropWindow.h"
#include "app/HelpDocument.h"
#include "app/InterruptedSaves.h"
#include "app/MenuWindow.h"
#include "app/PlayerWindows.h"
#include "app/ProblemTexts.h"
#include "app/ProgressReport.h"
#include "app/ResolutionWindow.h"
#include "app/ServerOutbox.h"
#include "catalogue/GameStart.h"
#include "catalogue/Games.h"
#include "catalogue/LevelStart.h"
#include "catalogue/Levels.h"
#include "catalogue/Practice.h"
#include "common/AtomicFile.h"
#include "i18n/LanguageFile.h"
#include "play/games/ScoreWindows.h"
#include "play/level/LevelWindow.h"
#include "ui/MessageBox.h"

#include <QApplication>
#include <QComboBox>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QUrl>

namespace pulsadrome::app {

namespace {

const QString kWebSite = QStringLiteral("https://pulsadrome.org/");

} // namespace

ProgramFlow::ProgramFlow(DataDirectory dataDirectory, SoundMaker makeSound, int busyTimeoutMs)
    : dataDirectory_(std::move(dataDirectory)), makeSound_(std::move(makeSound)),
      languageFile_(dataDirectory_.file(QString::fromLatin1(i18n::kLanguageFileName))),
      store_(std::make_unique<PlayerStore>(dataDirectory_, busyTimeoutMs)),
      busyTimeoutMs_(busyTimeoutMs) {
    // On a server, what it cannot take while it is down waits in the data folder.
    store_->keepUnsentIn(dataDirectory_);
    connect(this, &ProgramFlow::practiseConfusionsRequested, this, &ProgramFlow::startPractice);
    for (const QString& removed :
         removeInterruptedSaves(dataDirectory_, QDateTime::currentDateTime())) {
        qInfo("Removed %s, left by a save that was cut short.", qUtf8Printable(removed));
    }
    i18n::applyLanguageAtStartup(captions_, languageFile_);
}

ProgramFlow::~ProgramFlow() {
    // The store comes back before anything below uses it; nothing is shown any more.
    for (StoreLoan* loan : std::initializer_list<StoreLoan*>{opening_.get(), classReading_.get()}) {
        if (loan) {
            loan->disconnect(this);
            loan->wait();
        }
    }
    // An end without the menu's way out still keeps the answers given.
    if (const StoreStatus status = answerLog_.flush(); !status) {
        qWarning().noquote() << "The answers of the last run were not stored:" << status.message;
    }
    for (QWidget* window : std::initializer_list<QWidget*>{
             schoolNetwork_.data(), progress_.data(), class_.data(), teacherPassword_.data(),
             game_.data(), level_.data(), menu_.data(), backdrop_.data(), newPlayer_.data(),
             playerChoice_.data(), resolution_.data()}) {
        delete window;
    }
}

void ProgramFlow::useServer(const ServerAddress& server) {
    store_->useServer(server);
    server_ = server;
}

bool ProgramFlow::openPlayers() {
    return settleOpen(store_->open());
}

void ProgramFlow::openPlayersWhileShown() {
    opening_ = std::make_unique<PlayerOpening>(*store_);
    connect(opening_.get(), &PlayerOpening::finished, this, &ProgramFlow::playersOpened);
    opening_->start();
}

void ProgramFlow::playersOpened() {
    const PlayerOpening::Result& opened = opening_->result();
    if (quitWhenBack_) {
        // Nothing of a run was played: the end needs the store only for what is unsent.
        if (!opened.status) {
            qWarning().noquote() << opened.status.message;
        }
        quit();
        return;
    }
    const bool openedAtOnce = opened.status.ok();
    if (!settleOpen(opened.status)) {
        exitCode_ = 1;
        delete playerChoice_;
        emit finished();
        return;
    }
    if (playerChoice_) {
        // Another database may have been opened in its place (this computer's, a fresh file).
        if (openedAtOnce && opened) {
            playerChoice_->showPlayers(*opened);
        } else {
            playerChoice_->reload();
        }
    }
}

bool ProgramFlow::settleOpen(StoreStatus status) {
    if (!status && store_->onServer()) {
        qWarning().noquote() << status.message;
        if (!ui::askQuestion(nullptr, captions_, ui::Question::YesNo,
                             storeFailureText(captions_, u"serveur_inutilisable", status),
                             storeProblemDetail(captions_, status, store_->file()))) {
            return false;
        }
        qInfo("Playing on this computer's own players until the server can be used.");
        store_->useFile(dataDirectory_);
        server_.reset();
        status = store_->open();
    }
    if (status.problem == StoreProblem::Damaged) {
        qWarning().noquote() << status.message;
        if (!ui::askQuestion(nullptr, captions_, ui::Question::YesNo,
                             captions_.text(u"base_abimee"),
                             storeProblemDetail(captions_, status, store_->file()))) {
            return false;
        }
        const auto fresh = store_->setAsideAndCreateFresh();
        status = fresh.status;
        if (fresh) {
            qWarning().noquote() << "The damaged players file was kept as" << *fresh;
        }
    }
    if (!status) {
        qWarning().noquote() << status.message;
        ui::showMessage(nullptr, captions_, ui::MessageTone::Critical,
                        storeFailureText(captions_, u"base_erreur", status),
                        storeProblemDetail(captions_, status, store_->file()));
        return false;
    }
    tellJournalProblem();
    return true;
}

void ProgramFlow::tellJournalProblem() {
    if (!store_->setAsideJournal().isEmpty()) {
        ui::showMessage(nullptr, captions_, ui::MessageTone::Warning,
                        captions_.text(u"envoi_journal_abime"),
                        i18n::problemDetail(captions_, store_->setAsideJournal()));
    } else if (const StoreStatus& problem = store_->journalProblem(); !problem) {
        ui::showMessage(nullptr, captions_, ui::MessageTone::Warning,
                        captions_.text(u"envoi_journal_illisible"),
                        i18n::problemDetail(captions_,
                                            dataDirectory_.file(ServerOutbox::fileName()),
                                            problem.systemText));
    }
}

void ProgramFlow::start() {
    resolution_ = new ResolutionWindow(
        [] {
            const QScreen* screen = QGuiApplication::primaryScreen();
            return screen ? screen->geometry().width() : 0;
        },
        [this](const ResolutionStep& step) {
            if (step.openInstructions) {
                openInstructions();
            }
            if (step.showPlayerChoice) {
                showPlayerChoice();
            } else if (step.closeCheck) {
                emit finished();
            }
        });
    resolution_->setAttribute(Qt::WA_DeleteOnClose);
    resolution_->start();
}

void ProgramFlow::showPlayerChoice() {
    if (!playerChoice_) {
        playerChoice_ = new PlayerChoiceWindow(*store_, captions_, languageFile_,
                                               opening_ && opening_->pending());
        connect(playerChoice_, &PlayerChoiceWindow::goOn, this, &ProgramFlow::goOn);
        connect(playerChoice_, &PlayerChoiceWindow::newPlayerRequested, this,
                &ProgramFlow::showNewPlayer);
        connect(playerChoice_, &PlayerChoiceWindow::quitRequested, this, &ProgramFlow::quit);
        connect(playerChoice_, &PlayerChoiceWindow::teacherRequested, this,
                &ProgramFlow::openTeacher);
        connect(playerChoice_, &PlayerChoiceWindow::networkRequested, this,
                &ProgramFlow::openSchoolNetwork);
        watchClose(playerChoice_);
    }
    playerChoice_->centreOnScreen();
    playerChoice_->show();
    playerChoice_->raise();
    playerChoice_->activateWindow();
}

void ProgramFlow::showNewPlayer() {
    // The player choice is unloaded while a player is created, and loaded afresh afterwards.
    delete playerChoice_;
    newPlayer_ = new NewPlayerWindow(*store_, captions_);
    connect(newPlayer_, &NewPlayerWindow::saved, this, &ProgramFlow::closeNewPlayer);
    connect(newPlayer_, &NewPlayerWindow::cancelled, this, &ProgramFlow::closeNewPlayer);
    watchClose(newPlayer_);
    newPlayer_->centreOnScreen();
    newPlayer_->show();
}

void ProgramFlow::watchClose(QWidget* window) {
    window->installEventFilter(this);
}

bool ProgramFlow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Close) {
        return QObject::eventFilter(watched, event);
    }
    // The window stays until its way out has run: that way may keep it (a record the child
    // chose not to give up), and it deletes windows, which must not happen inside their own
    // close.
    event->ignore();
    if (watched == newPlayer_.data()) {
        QMetaObject::invokeMethod(
            this,
            [this, form = newPlayer_] {
                if (form && form == newPlayer_) {
                    closeNewPlayer();
                }
            },
            Qt::QueuedConnection);
    } else {
        QMetaObject::invokeMethod(
            this,
            [this, window = QPointer<QObject>(watched)] {
                // A window gone meanwhile was already taken away by another way out.
                if (window) {
                    quit();
                }
            },
            Qt::QueuedConnection);
    }
    return true;
}

void ProgramFlow::closeNewPlayer() {
    newPlayer_->deleteLater();
    newPlayer_ = nullptr;
    i18n::applyLanguageAtStartup(captions_, languageFile_);
    showPlayerChoice();
}

void ProgramFlow::goOn() {
    const PlayerRecord& player = store_->current();
    menuModel_ = std::make_unique<MenuModel>(MenuModel::load(
        player.progress(), player.fond, playerChoice_->list()->currentText(), captions_));
    playerChoice_->hide();
    backdrop_ = new BackdropWindow(player.fond);
    watchClose(backdrop_);
    backdrop_->showOnScreen();
    menu_ = new MenuWindow(*menuModel_, captions_);
    connect(menu_, &MenuWindow::changePlayerRequested, this, &ProgramFlow::changePlayer);
    connect(menu_, &MenuWindow::quitRequested, this, &ProgramFlow::quit);
    connect(menu_, &MenuWindow::helpRequested, this, &ProgramFlow::openHelp);
    connect(menu_, &MenuWindow::webRequested, this, &ProgramFlow::openWebSite);
    connect(menu_, &MenuWindow::listenRequested, this, &ProgramFlow::openListening);
    connect(menu_, &MenuWindow::progressRequested, this, &ProgramFlow::openProgress);
    connect(menu_, &MenuWindow::levelRequested, this, &ProgramFlow::startLevel);
    connect(menu_, &MenuWindow::gameRequested, this, &ProgramFlow::startGame);
    connect(menu_, &MenuWindow::scoresRequested, this, &ProgramFlow::showScores);
    watchClose(menu_);
    menu_->centreOnScreen();
    menu_->show();
    menu_->raise();
    menu_->activateWindow();
}

bool ProgramFlow::storePlayer() {
    if (!store_->currentId()) {
        return true;
    }
    for (;;) {
        StoreStatus status = store_->storeCurrent();
        if (status) {
            status = answerLog_.flush();
        }
        if (status) {
            return true;
        }
        qWarning().noquote() << status.message;
        if (!ui::askQuestion(menu_, captions_, ui::Question::RetryCancel,
                             storeFailureText(captions_, u"enregistrement_impossible", status) +
                                 QStringLiteral("\n\n") + captions_.text(u"reessayer"),
                             storeProblemDetail(captions_, status, store_->file()))) {
            return false;
        }
    }
}

bool ProgramFlow::keepUnsent() {
    while (store_->unsentCount() > 0) {
        const WriteOutcome kept = store_->keepUnsentNow();
        if (kept) {
            // Nothing is lost: the journal is sent at the next start on this computer.
            ui::showMessage(menu_, captions_, ui::MessageTone::Information,
                            captions_.text(u"envoi_plus_tard"));
            return true;
        }
        const QString journal = dataDirectory_.file(ServerOutbox::fileName());
        if (!ui::askQuestion(
                menu_, captions_, ui::Question::RetryCancel,
                captions_.text(u"envoi_non_garde").arg(i18n::writeProblemText(captions_, kept)) +
                    QStringLiteral("\n\n") + captions_.text(u"reessayer"),
                i18n::writeProblemDetail(captions_, kept, journal))) {
            // The program stays: the progress is still sent as soon as the server answers.
            return false;
        }
    }
    return true;
}

void ProgramFlow::closeMenu() {
    // The play screens go with the menu, before the holders they read.
    delete progress_;
    progressSound_.reset();
    delete listen_;
    listenSound_.reset();
    delete game_;
    gameSound_.reset();
    delete level_;
    levelSound_.reset();
    practising_ = false;
    delete menu_;
    delete backdrop_;
    menuModel_.reset();
}

void ProgramFlow::changePlayer() {
    closeListening();
    closeProgress();
    if (!storePlayer()) {
        return;
    }
    closeMenu();
    showPlayerChoice();
}

void ProgramFlow::closeListening() {
    // The listening screen's way back stores its volume and tempo into the record first.
    if (listen_) {
        listen_->close();
    }
}

void ProgramFlow::quit() {
    if (storeAway()) {
        // The store is being used elsewhere: the end comes when it is back, at once if the
        // server answers, within the connection's time limit if it does not.
        quitWhenBack_ = true;
        for (QWidget* window :
             std::initializer_list<QWidget*>{playerChoice_.data(), class_.data()}) {
            if (window) {
                window->hide();
            }
        }
        return;
    }
    closeListening();
    closeProgress();
    if (menu_ && !storePlayer()) {
        return;
    }
    if (!keepUnsent()) {
        return;
    }
    closeMenu();
    delete class_;
    delete teacherPassword_;
    delete newPlayer_;
    delete playerChoice_;
    emit finished();
}

void ProgramFlow::openListening() {
    if (listen_) {
        listen_->raise();
        listen_->activateWindow();
        return;
    }
    QString why;
    listenSound_ = makeSound_ ? makeSound_(captions_, &why) : nullptr;
    if (!listenSound_) {
        // The listening screen carries on without sound and says so.
        listenSound_ = std::make_unique<listening::SilentRhythm>();
    }
    tellSetupNotice(*listenSound_);
    listen_ =
        new listening::ListeningWindow(captions_, *listenSound_, *store_, store_->current().fond);
    listen_->setAttribute(Qt::WA_DeleteOnClose);
    connect(listen_, &QObject::destroyed, this, [this] { listenSound_.reset(); });
    listen_->show();
}

void ProgramFlow::closeProgress() {
    if (progress_) {
        progress_->close();
    }
}

void ProgramFlow::openProgress() {
    if (const auto id = store_->currentId()) {
        openProgressScreen(*id, ProgressWindow::Visit::Child);
    }
}

bool ProgramFlow::openProgressOf(RowId child) {
    return openProgressScreen(child, ProgressWindow::Visit::Teacher);
}

bool ProgramFlow::openProgressScreen(RowId child, ProgressWindow::Visit visit) {
    // A screen already open is made again, with the answers given since.
    delete progress_;
    progressSound_.reset();
    if (const StoreStatus flushed = answerLog_.flush(); !flushed) {
        qWarning().noquote() << "The latest answers are not shown, they could not be written:"
                             << flushed.message;
    }
    const bool current = store_->currentId() == child;
    StoreResult<PlayerRecord> record =
        current ? StoreResult<PlayerRecord>{store_->current(), {}} : store_->read(child);
    const StoreResult<std::vector<answers::AnswerRecord>> answers =
        record ? store_->answersOf(child)
               : StoreResult<std::vector<answers::AnswerRecord>>::failure(record.status);
    if (!answers) {
        qWarning().noquote() << answers.status.message;
        ui::showMessage(menu_, captions_, ui::MessageTone::Warning,
                        storeFailureText(captions_, u"base_erreur", answers.status),
                        storeProblemDetail(captions_, answers.status, store_->file()));
        return false;
    }
    QString why;
    progressSound_ = makeSound_ ? makeSound_(captions_, &why) : nullptr;
    if (!progressSound_) {
        // The screen shows everything without sound.
        progressSound_ = std::make_unique<listening::SilentRhythm>();
    }
    tellSetupNotice(*progressSound_);
    progress_ = new ProgressWindow(captions_, *progressSound_, *record, *answers,
                                   QTimeZone::systemTimeZone(), visit);
    progress_->setAttribute(Qt::WA_DeleteOnClose);
    connect(progress_, &QObject::destroyed, this, [this] { progressSound_.reset(); });
    connect(progress_, &ProgressWindow::practiseRequested, this,
            &ProgramFlow::practiseConfusionsRequested);
    connect(progress_, &ProgressWindow::reportRequested, this, &ProgramFlow::writeProgressReport);
    progress_->show();
    progress_->raise();
    progress_->activateWindow();
    return true;
}

void ProgramFlow::writeProgressReport() {
    if (!progress_) {
        return;
    }
    QString error;
    QString detail;
    const QString path = app::writeProgressReport(
        captions_, progress_->child(), progress_->progress(), progress_->zone(),
        wallClock_->utcSeconds(), dataDirectory_.path(), &error, &detail);
    if (path.isEmpty()) {
        ui::showMessage(progress_, captions_, ui::MessageTone::Warning,
                        captions_.text(u"progres_rapport_impossible").arg(error), detail);
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
        ui::showMessage(
            progress_, captions_, ui::MessageTone::Information,
            captions_.text(u"progres_rapport_ecrit").arg(QDir::toNativeSeparators(path)));
    }
}

void ProgramFlow::openTeacher() {
    if (teacherPassword_) {
        teacherPassword_->raise();
        teacherPassword_->activateWindow();
        return;
    }
    auto mode = TeacherPasswordWindow::Mode::Check;
    switch (teacher_.state()) {
    case TeacherPassword::State::Set:
        break;
    case TeacherPassword::State::NotSet:
        mode = TeacherPasswordWindow::Mode::Choose;
        break;
    case TeacherPassword::State::Unreadable:
        qWarning().noquote() << "The teacher's password cannot be read from" << teacher_.file()
                             << teacher_.readProblem().systemText;
        ui::showMessage(
            playerChoice_, captions_, ui::MessageTone::Warning,
            captions_.text(u"enseignant_illisible")
                .arg(i18n::readProblemText(captions_, teacher_.readProblem())),
            i18n::readProblemDetail(captions_, teacher_.readProblem(), teacher_.file()));
        return;
    case TeacherPassword::State::Damaged: {
        const QString aside = teacher_.setAside();
        if (aside.isEmpty()) {
            ui::showMessage(
                playerChoice_, captions_, ui::MessageTone::Warning,
                captions_.text(u"enseignant_illisible")
                    .arg(i18n::readProblemText(captions_, teacher_.readProblem())),
                i18n::problemDetail(captions_, teacher_.file(), teacher_.readProblem().systemText));
            return;
        }
        qWarning().noquote() << "The damaged teacher's password file was kept as" << aside;
        ui::showMessage(playerChoice_, captions_, ui::MessageTone::Warning,
                        captions_.text(u"enseignant_abime"), i18n::problemDetail(captions_, aside));
        mode = TeacherPasswordWindow::Mode::Choose;
        break;
    }
    }
    teacherPassword_ = new TeacherPasswordWindow(teacher_, mode, captions_);
    teacherPassword_->setAttribute(Qt::WA_DeleteOnClose);
    teacherPassword_->setWindowModality(Qt::ApplicationModal);
    connect(teacherPassword_, &TeacherPasswordWindow::accepted, this, [this] {
        teacherPassword_->close();
        showClass();
    });
    connect(teacherPassword_, &TeacherPasswordWindow::cancelled, teacherPassword_, &QWidget::close);
    teacherPassword_->centreOnScreen();
    teacherPassword_->show();
    teacherPassword_->raise();
    teacherPassword_->activateWindow();
}

void ProgramFlow::showClass() {
    if (storeAway()) {
        return;
    }
    // The window shows at once and waits for its lines, summed up on a thread of their own: a
    // year's answer log takes a good part of a second.
    delete class_;
    class_ = new ClassWindow(captions_, QTimeZone::systemTimeZone());
    class_->setAttribute(Qt::WA_DeleteOnClose);
    connect(class_, &ClassWindow::progressRequested, this, &ProgramFlow::openProgressOf);
    connect(class_, &ClassWindow::exportRequested, this, &ProgramFlow::exportClass);
    connect(class_, &ClassWindow::returned, this, &ProgramFlow::closeClass);
    if (playerChoice_) {
        playerChoice_->hide();
    }
    class_->show();
    class_->raise();
    class_->activateWindow();
    if (!classReading_) {
        classReading_ = std::make_unique<ClassReading>(*store_);
        connect(classReading_.get(), &ClassReading::finished, this, &ProgramFlow::classRead);
    }
    classReading_->start();
}

void ProgramFlow::classRead() {
    if (quitWhenBack_) {
        quit();
        return;
    }
    if (!class_ || leftClassWaiting_) {
        // The teacher went back meanwhile: the player choice waited for the store.
        leftClassWaiting_ = false;
        if (playerChoice_) {
            playerChoice_->reload();
        }
        return;
    }
    const ClassReading::Result& lines = classReading_->result();
    if (!lines) {
        qWarning().noquote() << lines.status.message;
        ui::showMessage(class_, captions_, ui::MessageTone::Warning,
                        storeFailureText(captions_, u"base_erreur", lines.status),
                        storeProblemDetail(captions_, lines.status, store_->file()));
        if (class_) {
            class_->close(); // back to the player choice
        }
        return;
    }
    class_->showLines(*lines);
}

void ProgramFlow::waitForStore() {
    for (StoreLoan* loan : std::initializer_list<StoreLoan*>{opening_.get(), classReading_.get()}) {
        if (loan) {
            loan->wait();
        }
    }
}

bool ProgramFlow::storeAway() const {
    return (opening_ && opening_->pending()) || (classReading_ && classReading_->pending());
}

void ProgramFlow::closeClass() {
    // A child's Progress screen opened from the class goes with it.
    if (progress_ && progress_->visit() == ProgressWindow::Visit::Teacher) {
        progress_->close();
    }
    if (classReading_ && classReading_->pending()) {
        // The lines are still being read: the player choice waits for the store to come back.
        leftClassWaiting_ = true;
        showPlayerChoice();
        if (playerChoice_) {
            playerChoice_->showWaiting();
        }
        return;
    }
    // The player choice stands on its first row again, as at start.
    if (playerChoice_) {
        playerChoice_->reload();
    }
    showPlayerChoice();
}

QString ProgramFlow::exportClass() {
    if (!class_) {
        return {};
    }
    const QDate today =
        QDateTime::fromSecsSinceEpoch(wallClock_->utcSeconds(), QTimeZone::systemTimeZone()).date();
    const QString path = dataDirectory_.file(classFileName(today));
    const WriteOutcome written = exportClassTable(class_->lines(), captions_, QLocale::system(),
                                                  QTimeZone::systemTimeZone(), path);
    if (!written) {
        qWarning().noquote() << "The class table cannot be written to" << path
                             << written.systemText;
        ui::showMessage(
            class_, captions_, ui::MessageTone::Warning,
            captions_.text(u"classe_impossible").arg(i18n::writeProblemText(captions_, written)),
            i18n::writeProblemDetail(captions_, written, path));
        return {};
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
        ui::showMessage(class_, captions_, ui::MessageTone::Information,
                        captions_.text(u"classe_ecrit").arg(QDir::toNativeSeparators(path)));
    }
    return path;
}

bool ProgramFlow::startPractice(const QList<int>& rhythms) {
    // Only the child at the menu practises, and only from their own Progress screen.
    if (!menuModel_ || !progress_ || progress_->visit() != ProgressWindow::Visit::Child) {
        return false;
    }
    const auto practice =
        catalogue::practiceLevel(std::vector<int>(rhythms.begin(), rhythms.end()));
    if (!practice || !openLevelScreen()) {
        return false;
    }
    closeProgress();
    catalogue::LevelStart start = catalogue::startLevel(
        *practice, QString(), level_->run().options().duration().text, menuModel_->holders);
    start.title = captions_.text(u"pratique_titre");
    level_->applyLevelStart(start);
    practising_ = true;
    showLevelScreen();
    return true;
}

bool ProgramFlow::openSound(std::unique_ptr<play::RhythmPort>& sound) {
    if (sound) {
        return true;
    }
    QString why;
    sound = makeSound_ ? makeSound_(captions_, &why) : nullptr;
    if (!sound) {
        // Without sound nothing can be played: say so, then the program ends.
        qWarning().noquote() << "The play screens cannot sound:" << why;
        ui::showMessage(menu_, captions_, ui::MessageTone::Critical,
                        captions_.text(u"Label_directx"));
        // The menu label that asked is still at work: the end comes after it.
        QMetaObject::invokeMethod(this, &ProgramFlow::quit, Qt::QueuedConnection);
        return false;
    }
    tellSetupNotice(*sound);
    return true;
}

void ProgramFlow::tellSetupNotice(const play::RhythmPort& sound) {
    const QString notice = sound.setupNotice();
    if (notice.isEmpty() || setupNoticeTold_) {
        return;
    }
    setupNoticeTold_ = true;
    ui::showMessage(menu_, captions_, ui::MessageTone::Warning, notice);
}

input::GamepadHub* ProgramFlow::gamepads() {
    if (!gamepadsTried_) {
        gamepadsTried_ = true;
        gamepads_ = input::GamepadHub::open(&gamepadsError_);
    }
    return gamepads_.get();
}

bool ProgramFlow::openLevelScreen() {
    if (level_) {
        return true;
    }
    if (!openSound(levelSound_)) {
        return false;
    }
    level_ = new play::LevelWindow(*levelSound_, *store_, random_, menuModel_->holders,
                                   menuModel_->levels, captions_, answerLog_);
    level_->attachPads(gamepads(), gamepadsError_);
    connect(level_, &play::LevelWindow::left, this, &ProgramFlow::leaveLevel);
    connect(level_, &play::LevelWindow::resultClosed, menu_, &MenuWindow::refreshLevels);
    return true;
}

void ProgramFlow::showLevelScreen() {
    level_->centreOnScreen();
    level_->show();
    level_->raise();
    level_->activateWindow();
    level_->setFocus();
    menu_->hide();
}

bool ProgramFlow::startLevel(const QString& menuLabel) {
    const catalogue::Level* level = catalogue::findLevelByLabel(menuLabel);
    if (!level || !menuModel_ || !menuModel_->levels.isEnabled(menuLabel) || !openLevelScreen()) {
        return false;
    }
    practising_ = false;
    level_->applyLevelStart(catalogue::startLevel(*level, captions_.text(u"niveau"),
                                                  level_->run().options().duration().text,
                                                  menuModel_->holders));
    showLevelScreen();
    return true;
}

bool ProgramFlow::openGameScreen() {
    if (game_) {
        return true;
    }
    if (!openSound(gameSound_)) {
        return false;
    }
    game_ = new play::GameWindow(*gameSound_, *store_, random_, menuModel_->holders, dataDirectory_,
                                 captions_, *clock_, answerLog_);
    game_->attachPads(gamepads(), gamepadsError_);
    game_->useScoreKeepers(scoreKeepers());
    connect(game_, &play::GameWindow::left, this, &ProgramFlow::leaveLevel);
    return true;
}

bool ProgramFlow::startGame(const QString& menuLabel) {
    const catalogue::GameEntry* game = catalogue::findGameByLabel(menuLabel);
    if (!game || !menuModel_ || !openGameScreen()) {
        return false;
    }
    const bool scoresShown = store_->current().reponse != u"0";
    game_->applyGameStart(catalogue::startGame(*game, random_, menuModel_->holders, scoresShown));
    game_->centreOnScreen();
    game_->show();
    game_->raise();
    game_->activateWindow();
    game_->setFocus();
    menu_->hide();
    return true;
}

void ProgramFlow::showScores(int table) {
    play::HighScoreWindow window(scoreKeepers(), QStringLiteral("score%1").arg(table), captions_,
                                 store_->current().fond, *clock_, menu_);
    window.load();
    window.exec();
}

play::ScoreKeepers& ProgramFlow::scoreKeepers() {
    const auto& server = store_->server();
    if (!server) {
        return scoreFiles_;
    }
    if (!serverScores_) {
        serverScores_ = std::make_unique<ServerScores>(*server, busyTimeoutMs_);
        // The players' sender knows when the server is down: a table then fails at once. A
        // table that found it down tells the players' store, whose sender then watches for it.
        serverScores_->watchServer([this](bool foundUnreachable) {
            if (foundUnreachable && store_->onServer()) {
                store_->serverFoundDown();
            }
            return store_->serverKnownDown();
        });
    } else if (serverScores_->server() != *server) {
        serverScores_->useServer(*server);
    }
    return *serverScores_;
}

void ProgramFlow::leaveLevel() {
    menu_->refreshLevels();
    menu_->show();
    menu_->raise();
    menu_->activateWindow();
    // A practice goes back where it was asked for.
    if (practising_) {
        practising_ = false;
        openProgress();
    }
}

void ProgramFlow::openHelp() {
    HelpProblem problem;
    const auto language =
        i18n::languageFromCode(captions_.currentCode()).value_or(i18n::Language::Francais);
    if (!app::openHelp(language, dataDirectory_.path(), &problem)) {
        ui::showMessage(menu_, captions_, ui::MessageTone::Warning,
                        helpProblemText(captions_, problem), helpProblemDetail(captions_, problem));
    }
}

void ProgramFlow::openWebSite() {
    if (!QDesktopServices::openUrl(QUrl(kWebSite))) {
        ui::showMessage(menu_, captions_, ui::MessageTone::Warning,
                        captions_.text(u"navigateur_introuvable"));
    }
}

void ProgramFlow::openInstructions() {
    // The instructions travel inside the program and are opened from the data folder.
    QFile source(QStringLiteral(":/docs/Change_res.txt"));
    const QString target = dataDirectory_.file(QStringLiteral("Change_res.txt"));
    if (!source.open(QIODevice::ReadOnly)) {
        qWarning().noquote() << "The resolution instructions are missing from the program";
        return;
    }
    if (const WriteOutcome outcome = writeFileAtomically(target, source.readAll()); !outcome) {
        qWarning().noquote() << "The resolution instructions cannot be written to" << target
                             << outcome.systemText;
        ui::showMessage(
            nullptr, captions_, ui::MessageTone::Warning,
            captions_.text(u"aide_impossible").arg(i18n::writeProblemText(captions_, outcome)),
            i18n::writeProblemDetail(captions_, outcome, target));
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(target));
}

} // namespace pulsadrome::app
