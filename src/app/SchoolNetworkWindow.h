// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ServerCheck.h"
#include "app/ServerCopy.h"
#include "app/ServerSettings.h"
#include "i18n/CaptionTable.h"
#include "ui/Form.h"

#include <QFutureWatcher>

#include <functional>

#include <optional>

class QLabel;
class QMessageBox;
class QLineEdit;

namespace pulsadrome::ui {
class ClickLabel;
}

namespace pulsadrome::app {

// The school network page, from the player choice: where this computer's players are kept.
// The adult types the players' server (name, port, database, user, password) and may try it:
// the try runs on a worker thread, the page stays usable meanwhile, and its answer (ready, to
// be prepared, or why not) is said on the page in the interface language. "Use this server"
// tries the server first when what is typed was not tried yet, and is chosen only when it
// answers well; "Use this computer's own players" keeps what is typed for another time. The
// page itself changes nothing: its owner acts on the choice, and Cancel (or Escape) leaves
// everything as it was.
class SchoolNetworkWindow : public ui::Form {
    Q_OBJECT
public:
    // `shown` fills the boxes; `inUse` names the server used now (empty: this computer's own
    // players). A try waits `checkTimeoutMs` at most for the server.
    SchoolNetworkWindow(const i18n::CaptionTable& captions, const ServerSettings& shown,
                        const QString& inUse, int checkTimeoutMs, QWidget* parent = nullptr);
    ~SchoolNetworkWindow() override;

    QLineEdit* hostBox() const { return host_; }
    QLineEdit* portBox() const { return port_; }
    QLineEdit* databaseBox() const { return database_; }
    QLineEdit* userBox() const { return user_; }
    QLineEdit* passwordBox() const { return password_; }
    ui::ClickLabel* testButton() const { return test_; }
    ui::ClickLabel* useServerButton() const { return useServer_; }
    ui::ClickLabel* useComputerButton() const { return useComputer_; }
    ui::ClickLabel* cancelButton() const { return cancel_; }
    ui::ClickLabel* copyButton() const { return copy_; }
    QLabel* resultLabel() const { return result_; }

    // What the boxes say; an empty port is the usual one.
    ServerAddress typedAddress() const;
    // A try runs (until its answer is shown).
    bool checking() const;
    // The last try's answer; none before the first ends.
    const std::optional<ServerCheck>& lastCheck() const { return lastCheck_; }

    // "Test the connection", "Use this server", "Use this computer's own players".
    void test();
    void chooseServer();
    void chooseComputer();

    // Shows "Copy this computer's players and scores to the server", whose copy `copier` makes
    // to the server typed, on a worker thread, once the adult has agreed; the outcome is then
    // said in a message.
    using Copier = std::function<ServerCopyOutcome(const ServerAddress& server)>;
    void offerCopy(Copier copier);
    // The button's way: asks, then starts the copy.
    void copyToServer();
    bool copying() const { return copyWatcher_.isRunning(); }
    // The message that tells the adult what a copy to `server` did, not yet shown.
    QMessageBox* copyOutcomeBox(const ServerCopyOutcome& outcome, const ServerAddress& server);

signals:
    // A try ended and its answer is shown.
    void checked(bool ok);
    // A copy ended and its outcome was said.
    void copied(bool ok);
    void useServerChosen(const pulsadrome::app::ServerSettings& settings);
    void useThisComputerChosen(const pulsadrome::app::ServerSettings& settings);
    void cancelled();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void startCheck(bool thenUse);
    void showCheck();
    void setBusy(bool busy);
    void say(const QString& text, const char* tone);
    void showCopy();

    const i18n::CaptionTable& captions_;
    int checkTimeoutMs_;
    QLineEdit* host_;
    QLineEdit* port_;
    QLineEdit* database_;
    QLineEdit* user_;
    QLineEdit* password_;
    ui::ClickLabel* test_;
    QLabel* result_;
    ui::ClickLabel* useServer_;
    ui::ClickLabel* useComputer_;
    ui::ClickLabel* cancel_;
    ui::ClickLabel* copy_;
    QFutureWatcher<ServerCheck> watcher_;
    QFutureWatcher<ServerCopyOutcome> copyWatcher_;
    Copier copier_;
    ServerAddress checking_;
    bool busy_ = false;
    bool useAfterCheck_ = false;
    std::optional<ServerCheck> lastCheck_;
    std::optional<ServerAddress> lastChecked_;
};

} // namespace pulsadrome::app
