// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/BackdropWindow.h"
#include "app/DataDirectory.h"
#include "app/MenuModel.h"
#include "app/MenuWindow.h"
#include "app/PlayerStore.h"
#include "app/PlayerWindows.h"
#include "app/ResolutionWindow.h"
#include "i18n/CaptionTable.h"

#include <QObject>
#include <QPointer>

#include <memory>

namespace pulsadrome::app {

// The program's windows and the ways between them: the screen-size check, the player choice
// and new-player form, then the backdrop and the menu; back to the player choice, or the end.
// It owns the caption table and the player database for the whole run.
class ProgramFlow : public QObject {
    Q_OBJECT
public:
    explicit ProgramFlow(DataDirectory dataDirectory);
    ~ProgramFlow() override;

    // Opens the player database, asking before a damaged one is set aside. False when the
    // program cannot go on (the reason has been shown).
    bool openPlayers();
    // The start: the screen-size check, then the player choice.
    void start();

    i18n::CaptionTable& captions() { return captions_; }
    PlayerStore& players() { return *store_; }
    PlayerChoiceWindow* playerChoice() const { return playerChoice_; }
    NewPlayerWindow* newPlayer() const { return newPlayer_; }
    MenuWindow* menu() const { return menu_; }
    BackdropWindow* backdrop() const { return backdrop_; }
    MenuModel* menuModel() const { return menuModel_.get(); }

    void showPlayerChoice();
    void goOn();
    void changePlayer();
    void quit();

signals:
    void finished();

private:
    void showNewPlayer();
    void closeNewPlayer();
    void closeMenu();
    // Stores the current record; on failure asks whether to try again. False when the child
    // gave up, the record then stays in memory.
    bool storePlayer();
    void openHelp();
    void openWebSite();
    void openInstructions();

    DataDirectory dataDirectory_;
    QString languageFile_;
    i18n::CaptionTable captions_;
    std::unique_ptr<PlayerStore> store_;
    std::unique_ptr<MenuModel> menuModel_;
    QPointer<ResolutionWindow> resolution_;
    QPointer<PlayerChoiceWindow> playerChoice_;
    QPointer<NewPlayerWindow> newPlayer_;
    QPointer<BackdropWindow> backdrop_;
    QPointer<MenuWindow> menu_;
};

} // namespace pulsadrome::app
