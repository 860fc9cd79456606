// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Tour.h"

#include "app/BackdropWindow.h"
#include "app/MenuWindow.h"
#include "app/PasswordHash.h"
#include "app/PlayerWindows.h"
#include "app/ProgramFlow.h"
#include "app/ResolutionWindow.h"
#include "i18n/LanguageFile.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>

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

private:
    QString folder_;
    QString error_;
};

bool addDemoPlayers(PlayerStore& store) {
    PlayerRecord lina = newPlayerRecord(QStringLiteral("Lina"));
    lina.setProgress({QStringLiteral("7"), QStringLiteral("3"), QStringLiteral("2")});
    lina.fond = QStringLiteral("espace");
    PlayerRecord tom = newPlayerRecord(QStringLiteral("Tom"));
    tom.password = hashPassword(QStringLiteral("do-re-mi")).value_or(QString());
    tom.fond = QStringLiteral("cheval");
    PlayerRecord zoe = newPlayerRecord(QStringLiteral("Zoé"));
    zoe.fond = QStringLiteral("coq");
    return store.add(lina) && store.add(tom) && store.add(zoe);
}

} // namespace

QString takeTour(const QString& folder) {
    if (!QDir().mkpath(folder)) {
        return QStringLiteral("The folder %1 cannot be created.").arg(folder);
    }
    QTemporaryDir scratch;
    QString error;
    const auto data = DataDirectory::open(scratch.path(), &error);
    if (!scratch.isValid() || !data) {
        return QStringLiteral("No throwaway data folder can be made: %1").arg(error);
    }
    ProgramFlow flow(*data);
    if (!flow.openPlayers() || !addDemoPlayers(flow.players())) {
        return QStringLiteral("The demonstration players cannot be made.");
    }
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
    flow.backdrop()->showNormal();
    flow.backdrop()->resize(1280, 800);
    camera.shoot(flow.backdrop(), QStringLiteral("07-backdrop-1280x800"));
    flow.changePlayer();

    for (const auto& info : i18n::languages()) {
        const QString code = QString::fromLatin1(info.code);
        flow.playerChoice()->chooseLanguage(info.language);
        flow.playerChoice()->setScale(1.5);
        camera.shoot(flow.playerChoice(), QStringLiteral("player-choice-") + code);
        flow.playerChoice()->pickName(0);
        flow.goOn();
        flow.menu()->setScale(1.0);
        camera.shoot(flow.menu(), QStringLiteral("menu-") + code);
        flow.changePlayer();
    }
    flow.quit();
    return camera.error();
}

} // namespace pulsadrome::app
