// SPDX-License-Identifier: GPL-3.0-or-later
// The program's ways through the school network page: where the players are kept, chosen at
// start from the settings file and changed from the player choice.
#include "app/ProgramFlow.h"

#include "app/ProblemTexts.h"
#include "ui/MessageBox.h"

#include <QDebug>

namespace pulsadrome::app {

void ProgramFlow::chooseStartPlayers(const std::optional<ServerAddress>& commandLine) {
    if (commandLine) {
        useServer(*commandLine);
    } else {
        useServerSettings();
    }
}

void ProgramFlow::useServerSettings() {
    ServerSettingsFile file(dataDirectory_);
    switch (file.read()) {
    case ServerSettingsFile::State::Missing:
        return;
    case ServerSettingsFile::State::Read:
        if (file.settings().useServer) {
            qInfo("Playing with the players of %s, as the school network page chose.",
                  qUtf8Printable(file.settings().address.shown()));
            useServer(file.settings().address);
        }
        return;
    case ServerSettingsFile::State::Damaged:
        qWarning().noquote() << "The school network settings" << file.file()
                             << "are not usable:" << file.why();
        ui::showMessage(nullptr, captions_, ui::MessageTone::Warning,
                        captions_.text(u"reseau_abime"),
                        i18n::problemDetail(captions_, file.file(), file.why()));
        return;
    case ServerSettingsFile::State::Unreadable:
        qWarning().noquote() << "The school network settings" << file.file()
                             << "cannot be read:" << file.readProblem().systemText;
        ui::showMessage(nullptr, captions_, ui::MessageTone::Warning,
                        captions_.text(u"reseau_illisible")
                            .arg(i18n::readProblemText(captions_, file.readProblem())),
                        i18n::readProblemDetail(captions_, file.readProblem(), file.file()));
        return;
    }
}

void ProgramFlow::openSchoolNetwork() {
    if (schoolNetwork_) {
        schoolNetwork_->raise();
        schoolNetwork_->activateWindow();
        return;
    }
    // The boxes show the file's settings, else the server in use (--database), else nothing.
    ServerSettingsFile file(dataDirectory_);
    ServerSettings shown;
    shown.address.host.clear();
    if (file.read() == ServerSettingsFile::State::Read) {
        shown = file.settings();
    } else if (server_) {
        shown = {true, *server_};
    }
    schoolNetwork_ = new SchoolNetworkWindow(
        captions_, shown, server_ ? server_->shown() : QString(), serverCheckTimeoutMs_);
    schoolNetwork_->setAttribute(Qt::WA_DeleteOnClose);
    schoolNetwork_->setWindowModality(Qt::ApplicationModal);
    connect(schoolNetwork_, &SchoolNetworkWindow::useServerChosen, this,
            &ProgramFlow::useChosenServer);
    connect(schoolNetwork_, &SchoolNetworkWindow::useThisComputerChosen, this,
            &ProgramFlow::useThisComputer);
    connect(schoolNetwork_, &SchoolNetworkWindow::cancelled, schoolNetwork_, &QWidget::close);
    schoolNetwork_->offerCopy([directory = dataDirectory_, &captions = captions_,
                               busy = busyTimeoutMs_](const ServerAddress& server) {
        return copyToServer(directory, server, captions, busy);
    });
    schoolNetwork_->centreOnScreen();
    schoolNetwork_->show();
    schoolNetwork_->raise();
    schoolNetwork_->activateWindow();
}

StoreStatus ProgramFlow::switchPlayers(const std::optional<ServerAddress>& server) {
    if (server) {
        store_->useServer(*server);
    } else {
        store_->useFile(dataDirectory_);
    }
    server_ = server;
    return store_->open();
}

void ProgramFlow::useChosenServer(const ServerSettings& settings) {
    // Nothing waits at the player choice, but what does goes where it was meant to.
    if (const StoreStatus flushed = answerLog_.flush(); !flushed) {
        qWarning().noquote() << "Answers not stored before the change of players:"
                             << flushed.message;
    }
    const std::optional<ServerAddress> before = server_;
    if (const StoreStatus status = switchPlayers(settings.address); !status) {
        qWarning().noquote() << status.message;
        const StoreStatus back = switchPlayers(before);
        if (!back) {
            qWarning().noquote() << "The players used before cannot be opened again:"
                                 << back.message;
        }
        ui::showMessage(schoolNetwork_, captions_, ui::MessageTone::Warning,
                        storeFailureText(captions_, u"reseau_inutilisable", status),
                        storeProblemDetail(captions_, status, settings.address.shown()));
        if (playerChoice_) {
            playerChoice_->reload();
        }
        return;
    }
    qInfo("Playing with the players of %s from now on.", qUtf8Printable(store_->file()));
    keepChoice(settings);
    if (schoolNetwork_) {
        schoolNetwork_->close();
    }
    if (playerChoice_) {
        playerChoice_->reload();
    }
}

void ProgramFlow::useThisComputer(const ServerSettings& settings) {
    if (server_) {
        if (const StoreStatus flushed = answerLog_.flush(); !flushed) {
            qWarning().noquote() << "Answers not stored before the change of players:"
                                 << flushed.message;
        }
        if (const StoreStatus status = switchPlayers(std::nullopt); !status) {
            qWarning().noquote() << status.message;
            ui::showMessage(schoolNetwork_, captions_, ui::MessageTone::Warning,
                            storeFailureText(captions_, u"base_erreur", status),
                            storeProblemDetail(captions_, status, store_->file()));
        }
    }
    keepChoice(settings);
    if (schoolNetwork_) {
        schoolNetwork_->close();
    }
    if (playerChoice_) {
        playerChoice_->reload();
    }
}

void ProgramFlow::keepChoice(const ServerSettings& settings) {
    ServerSettingsFile file(dataDirectory_);
    const WriteOutcome written = file.write(settings);
    if (!file.asideAs().isEmpty()) {
        qWarning().noquote() << "The damaged school network settings were kept as"
                             << file.asideAs();
    }
    if (!written) {
        qWarning().noquote() << "The school network settings cannot be written to" << file.file()
                             << written.systemText;
        ui::showMessage(schoolNetwork_, captions_, ui::MessageTone::Warning,
                        captions_.text(u"reseau_non_enregistre")
                            .arg(i18n::writeProblemText(captions_, written)),
                        i18n::writeProblemDetail(captions_, written, file.file()));
    }
}

} // namespace pulsadrome::app
