// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/AnswerLog.h"
#include "app/BackdropWindow.h"
#include "app/ClassWindow.h"
#include "app/DataDirectory.h"
#include "app/MenuModel.h"
#include "app/MenuWindow.h"
#include "app/PlayerOpening.h"
#include "app/PlayerStore.h"
#include "app/PlayerWindows.h"
#include "app/ProgressWindow.h"
#include "app/ResolutionWindow.h"
#include "app/SchoolNetworkWindow.h"
#include "app/ServerScores.h"
#include "app/ServerSettings.h"
#include "app/TeacherPassword.h"
#include "app/TeacherPasswordWindow.h"
#include "common/Clock.h"
#include "common/Random.h"
#include "i18n/CaptionTable.h"
#include "input/GamepadHub.h"
#include "listening/ListeningWindow.h"
#include "play/RhythmPort.h"
#include "play/games/GameWindow.h"
#include "play/level/LevelWindow.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>

namespace pulsadrome::app {

// The program's windows and the ways between them: the screen-size check, the player choice
// and new-player form, then the backdrop and the menu; back to the player choice, or the end.
// It owns the caption table and the player database for the whole run. The level screen is made
// the first time the menu starts a level and stays, hidden between levels, until the menu goes;
// the games screen likewise. Each sounding screen has a sound of its own, made with it and gone
// with it, so that nothing one screen sets (volume, tempo, feedback level) reaches another.
// A window closed from outside (its title bar's button, the desktop) does what its own way out
// does: the player choice, the menu and the backdrop quit, the new-player form is cancelled, the
// play screens go back to the menu; the program never stays running with no window.
class ProgramFlow : public QObject {
    Q_OBJECT
public:
    // Makes the sound of a play screen; null when the program cannot sound (`why` says why).
    using SoundMaker = std::function<std::unique_ptr<play::RhythmPort>(
        const i18n::CaptionTable& captions, QString* why)>;

    // Without a sound maker no play screen can open. `busyTimeoutMs` is how long the player
    // database waits for another copy's write (PlayerStore).
    explicit ProgramFlow(DataDirectory dataDirectory, SoundMaker makeSound = {},
                         int busyTimeoutMs = PlayerStore::kDefaultBusyTimeoutMs);
    ~ProgramFlow() override;

    // The players are those of a database server (a school's), from the next openPlayers().
    void useServer(const ServerAddress& server);
    // At start without --database: the server the school network page chose (the file
    // ServerSettingsFile of the data folder), from the next openPlayers(). A damaged or
    // unreadable file is said, left as it is, and this computer's own players are used.
    void useServerSettings();
    // The start's choice: the server of the command line (--database) when it names one, which
    // wins over the settings file; else useServerSettings().
    void chooseStartPlayers(const std::optional<ServerAddress>& commandLine);
    // Opens the player database, asking before a damaged one is set aside. A server that
    // cannot be used is said, and the child may play on this computer's own players meanwhile.
    // False when the program cannot go on (the reason has been shown).
    bool openPlayers();
    // The start's way to open the player database: on a thread of its own (PlayerOpening), the
    // player choice waiting meanwhile, then as openPlayers() goes on. When the program cannot go
    // on, finished() is emitted with exitCode() 1.
    void openPlayersWhileShown();
    // 0, or 1 when the player database could not be opened at the start.
    int exitCode() const { return exitCode_; }
    // The start: the screen-size check, then the player choice.
    void start();

    i18n::CaptionTable& captions() { return captions_; }
    PlayerStore& players() { return *store_; }
    PlayerChoiceWindow* playerChoice() const { return playerChoice_; }
    NewPlayerWindow* newPlayer() const { return newPlayer_; }
    MenuWindow* menu() const { return menu_; }
    BackdropWindow* backdrop() const { return backdrop_; }
    MenuModel* menuModel() const { return menuModel_.get(); }
    play::LevelWindow* level() const { return level_; }
    play::GameWindow* game() const { return game_; }
    // SDL's game-pads, opened with the first play screen and kept until the program ends; none
    // when they cannot be read.
    input::GamepadHub* gamepads();
    // The clock of the windows that end a game and of the answer log's times to answer; the
    // steady clock unless a test sets its own before the first game. It outlives the flow.
    void setClock(const Clock& clock) {
        clock_ = &clock;
        answerLog_.setClocks(*clock_, *wallClock_);
    }
    const Clock& clock() const { return *clock_; }
    // The date of the answers logged; the system's unless a test sets its own. It outlives the
    // flow.
    void setWallClock(const WallClock& clock) {
        wallClock_ = &clock;
        answerLog_.setClocks(*clock_, *wallClock_);
    }
    // The play screens' answers waiting to be written.
    AnswerLog& answerLog() { return answerLog_; }

    // Waits until the store comes back from the thread it is lent to (the start's opening, the
    // class table's reading) and what follows is done: the list shown, the lines in the table.
    void waitForStore();
    void showPlayerChoice();
    void goOn();
    void changePlayer();
    void quit();
    // A level label of the menu: the level screen takes the level and is shown. False when the
    // screen cannot open; the program then ends after saying why.
    bool startLevel(const QString& menuLabel);
    // A game label of the menu: the games screen takes the game and is shown. False when the
    // screen cannot open, as for a level.
    bool startGame(const QString& menuLabel);
    // A high-score label of the menu: the table of scored game `table` (1 ... 14), modally.
    void showScores(int table);
    // Where the high-score tables are kept: the school's server while the players are there,
    // the data folder's files otherwise.
    play::ScoreKeepers& scoreKeepers();
    // The listening screen, over the menu, with a sound of its own (silent when there is none).
    void openListening();
    listening::ListeningWindow* listening() const { return listen_; }
    // The current player's Progress screen, over the menu, with a sound of its own (silent when
    // there is none); the answers waiting are written first so that it shows them.
    void openProgress();
    // The Progress screen of player `child` (a teacher's look at one child of the class). False
    // when the child's record or answers cannot be read (said in a message).
    bool openProgressOf(RowId child);
    ProgressWindow* progress() const { return progress_; }
    // "Practise my confusions" of the current player's Progress screen: the level screen takes
    // the practice level of `rhythms` (catalogue::practiceLevel) in place of the Progress
    // screen, and its way back opens the Progress screen again, with the practice's answers.
    // False when there is no practice to make or the screen cannot open.
    bool startPractice(const QList<int>& rhythms);
    bool practising() const { return practising_; }

    // The player choice's teacher link: the teacher's password (chosen at the first visit; a
    // damaged file is set aside, said, and a new one chosen), then the class table in place of
    // the player choice.
    void openTeacher();
    TeacherPasswordWindow* teacherPassword() const { return teacherPassword_; }

    // The player choice's school network page, over it. Its choice of a server opens that
    // server's players (a server that cannot be used is said, and the players used so far stay)
    // and keeps the choice in the settings file for the next starts; its choice of this
    // computer's own players goes back to them. The player choice then lists the players of the
    // place chosen.
    void openSchoolNetwork();
    SchoolNetworkWindow* schoolNetwork() const { return schoolNetwork_; }
    // How long the page's try waits for a server.
    void setServerCheckTimeout(int milliseconds) { serverCheckTimeoutMs_ = milliseconds; }
    ClassWindow* classTable() const { return class_; }
    // The class table as a spreadsheet file in the data folder ("classe-<day>.csv", in the
    // interface language, for the computer's locale), then opened; the path, or empty when it
    // could not be written (said).
    QString exportClass();

signals:
    void finished();
    // The Progress screen's "practise my confusions": the child's most confused rhythms, worst
    // first.
    void practiseConfusionsRequested(const QList<int>& rhythms);

protected:
    // Turns a close from outside into the window's own way out, once the close has returned.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Watches `window` for closes from outside.
    void watchClose(QWidget* window);
    void showNewPlayer();
    void closeNewPlayer();
    void closeMenu();
    void closeListening();
    void closeProgress();
    bool openProgressScreen(RowId child, ProgressWindow::Visit visit);
    void showClass();
    void closeClass();
    void useChosenServer(const ServerSettings& settings);
    void useThisComputer(const ServerSettings& settings);
    // Writes the page's choice into the settings file; a failure is said.
    void keepChoice(const ServerSettings& settings);
    // Opens the players of `server`, or of this computer without one; the status of the open.
    StoreStatus switchPlayers(const std::optional<ServerAddress>& server);
    // The Progress screen's report, written into the data folder and opened with the desktop's
    // viewer; a failure is said.
    void writeProgressReport();
    // Stores the current record and the answers waiting; on failure asks whether to try again.
    // False when the child gave up, the record and the answers then stay in memory.
    bool storePlayer();
    // Says, after the players opened, that the journal of what a server did not take was
    // damaged (and set aside) or could not be read.
    void tellJournalProblem();
    // What openPlayers() does once the player database's open came back with `status`.
    bool settleOpen(StoreStatus status);
    // The start's opening ended: the player choice shows the players, or the program ends.
    void playersOpened();
    // The class table's lines came back: shown, or the failure said.
    void classRead();
    // The store is lent to another thread (PlayerOpening, ClassReading): nothing may use it.
    bool storeAway() const;
    // At the end, with changes the server has not taken: writes them into the journal and says
    // so; when they cannot be written, asks whether to try again. False when the child gave up
    // (the program then goes on, and so does the sending).
    bool keepUnsent();
    void openHelp();
    void openWebSite();
    void openInstructions();
    // A play screen's own sound, into `sound`; false when there is none (said, and the program
    // ends).
    bool openSound(std::unique_ptr<play::RhythmPort>& sound);
    // Tells the adult, once in the whole run, what a sound just made has to say about its set-up.
    void tellSetupNotice(const play::RhythmPort& sound);
    bool openLevelScreen();
    // The level screen in front, the menu hidden under it.
    void showLevelScreen();
    bool openGameScreen();
    void leaveLevel();

    DataDirectory dataDirectory_;
    SoundMaker makeSound_;
    SeededRandom random_{freshSeed()};
    SteadyClock steadyClock_;
    const Clock* clock_ = &steadyClock_;
    QString languageFile_;
    i18n::CaptionTable captions_;
    std::unique_ptr<PlayerStore> store_;
    int busyTimeoutMs_;
    play::ScoreFiles scoreFiles_{dataDirectory_};
    std::unique_ptr<ServerScores> serverScores_; // made when the players are first on a server
    SystemWallClock systemWallClock_;
    const WallClock* wallClock_ = &systemWallClock_;
    AnswerLog answerLog_{*store_, *clock_, *wallClock_};
    std::unique_ptr<MenuModel> menuModel_;
    QPointer<ResolutionWindow> resolution_;
    QPointer<PlayerChoiceWindow> playerChoice_;
    QPointer<NewPlayerWindow> newPlayer_;
    QPointer<BackdropWindow> backdrop_;
    QPointer<MenuWindow> menu_;
    std::unique_ptr<input::GamepadHub> gamepads_;
    QString gamepadsError_;
    bool gamepadsTried_ = false;
    bool setupNoticeTold_ = false;
    std::unique_ptr<play::RhythmPort> levelSound_; // the level screen's, while it exists
    QPointer<play::LevelWindow> level_;
    std::unique_ptr<play::RhythmPort> gameSound_; // the games screen's, while it exists
    QPointer<play::GameWindow> game_;
    std::unique_ptr<play::RhythmPort> listenSound_; // the listening screen's, while it exists
    QPointer<listening::ListeningWindow> listen_;
    std::unique_ptr<play::RhythmPort> progressSound_; // the Progress screen's, while it exists
    QPointer<ProgressWindow> progress_;
    bool practising_ = false; // the level screen plays a practice level
    TeacherPassword teacher_{dataDirectory_};
    QPointer<TeacherPasswordWindow> teacherPassword_;
    QPointer<ClassWindow> class_;
    // The players' server in use; none while this computer's own players are.
    std::optional<ServerAddress> server_;
    QPointer<SchoolNetworkWindow> schoolNetwork_;
    int serverCheckTimeoutMs_ = 4000;
    // The start's opening of the players, while it runs and after; before store_ goes.
    std::unique_ptr<PlayerOpening> opening_;
    // The teacher's class table's lines, read while the window waits.
    std::unique_ptr<ClassReading> classReading_;
    bool quitWhenBack_ = false;     // the program was quit while the store was elsewhere
    bool leftClassWaiting_ = false; // the class table was left before its lines came
    int exitCode_ = 0;
};

} // namespace pulsadrome::app
