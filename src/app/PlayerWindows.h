// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/PlayerStore.h"
#include "i18n/CaptionTable.h"
#include "ui/Form.h"

#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace pulsadrome::ui {
class ClickLabel;
class Flag;
} // namespace pulsadrome::ui

namespace pulsadrome::app {

// The look of the small windows of the player choice (the message window, the new-player form,
// the teacher's password).
QString smallWindowStyle();

// The small message window: one sentence and a button that closes it.
class MessageWindow : public ui::Form {
    Q_OBJECT
public:
    MessageWindow(const i18n::CaptionTable& captions, const QString& message,
                  QWidget* parent = nullptr);
    QLabel* message() const { return message_; }

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* message_;
};

// Shows `message` in the message window, modal, and waits until the child closes it.
void showMessage(QWidget* over, const i18n::CaptionTable& captions, const QString& message);

// The player choice: the list of players, the password box, "Suivant", "Nouveau joueur",
// "Quitter", the teacher's way to the class table, the school network page and the six language
// flags.
class PlayerChoiceWindow : public ui::Form {
    Q_OBJECT
public:
    // With `waitForPlayers` the window opens waiting (showWaiting()) and does not touch the
    // store; otherwise it reads the list at once (reload()).
    PlayerChoiceWindow(PlayerStore& store, i18n::CaptionTable& captions, QString languageFile,
                       bool waitForPlayers = false, QWidget* parent = nullptr);

    // Fills the list again from the store, with no name picked (the store stands on its first
    // row, as at start).
    void reload();
    // While the players are being looked for elsewhere: the list says so, and only the flags
    // and "Quitter" answer; the store is not used until showPlayers() or reload().
    void showWaiting();
    bool waiting() const { return waiting_; }
    // Fills the list with `players` (read from the store, in row order), as reload() does.
    void showPlayers(const std::vector<PlayerEntry>& players);
    // Copies the caption texts into the window again.
    void retranslate();

    void pickName(int index); // the list's row, as a click does
    void Label_jouer_Click();
    void chooseLanguage(i18n::Language language);

    QComboBox* list() const { return list_; }
    QLineEdit* passwordBox() const { return password_; }
    QPushButton* newPlayerButton() const { return newPlayer_; }
    ui::ClickLabel* nextLabel() const { return next_; }
    ui::ClickLabel* quitLabel() const { return quit_; }
    ui::ClickLabel* teacherLabel() const { return teacher_; }
    ui::ClickLabel* networkLabel() const { return network_; }

signals:
    void goOn();
    void newPlayerRequested();
    void quitRequested();
    void teacherRequested();
    void networkRequested();
    void languageChanged();

private:
    PlayerStore& store_;
    i18n::CaptionTable& captions_;
    QString languageFile_;
    std::vector<PlayerEntry> players_;
    bool waiting_ = false;
    QLabel* nameCaption_;
    QComboBox* list_;
    QLabel* passwordCaption_;
    QLineEdit* password_;
    QPushButton* newPlayer_;
    ui::ClickLabel* next_;
    ui::ClickLabel* quit_;
    ui::ClickLabel* teacher_;
    ui::ClickLabel* network_;
    std::vector<ui::Flag*> flags_;
};

// The new-player form: a name, whether to use a password, the password, "Valider", "Annuler".
class NewPlayerWindow : public ui::Form {
    Q_OBJECT
public:
    NewPlayerWindow(PlayerStore& store, const i18n::CaptionTable& captions,
                    QWidget* parent = nullptr);

    void retranslate();
    void Command_save_Click();
    QLineEdit* nameBox() const { return name_; }
    QLineEdit* passwordBox() const { return password_; }
    QRadioButton* usePassword() const { return yes_; }

signals:
    void saved();
    void cancelled();

private:
    PlayerStore& store_;
    const i18n::CaptionTable& captions_;
    QLabel* nameCaption_;
    QLineEdit* name_;
    QLabel* question_;
    QRadioButton* yes_;
    QRadioButton* no_;
    QLineEdit* password_;
    QPushButton* save_;
    ui::ClickLabel* cancel_;
};

} // namespace pulsadrome::app
