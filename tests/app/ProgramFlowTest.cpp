// SPDX-License-Identifier: GPL-3.0-or-later
// The way from the player choice to the menu and back, driven as a child would.
#include "app/ProgramFlow.h"
#include "app/PasswordHash.h"
#include "ui/ClickLabel.h"

#include "TestDatabases.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gmock/gmock.h>

using namespace pulsadrome;
using namespace pulsadrome::app;

namespace {

// Answers the next modal window: reads a message window's text and closes it, or presses a
// message box's button.
class ModalAnswer {
public:
    explicit ModalAnswer(QMessageBox::StandardButton button = QMessageBox::NoButton) {
        QTimer::singleShot(0, [this, button] { answer(button); });
    }
    const QString& text() const { return text_; }

private:
    void answer(QMessageBox::StandardButton button) {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* message = qobject_cast<MessageWindow*>(window);
                message && message->isVisible()) {
                text_ = message->message()->text();
                message->close();
                return;
            }
            if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible()) {
                text_ = box->text() + QLatin1Char('\n') + box->informativeText();
                text_.remove(QChar(0x200B)); // the break points of long words
                box->button(button)->click();
                return;
            }
        }
        QTimer::singleShot(10, [this, button] { answer(button); });
    }
    QString text_;
};

class ProgramFlowTest : public ::testing::Test {
protected:
    void SetUp() override {
        data = DataDirectory::open(dir.path());
        ASSERT_TRUE(data.has_value());
        flow = std::make_unique<ProgramFlow>(*data);
        ASSERT_TRUE(flow->openPlayers());
        flow->showPlayerChoice();
    }

    void createPlayer(const QString& name, const QString& password = QString()) {
        QTest::mouseClick(flow->playerChoice()->findChild<QPushButton*>("Command_nouveau"),
                          Qt::LeftButton);
        NewPlayerWindow* form = flow->newPlayer();
        ASSERT_NE(form, nullptr);
        form->nameBox()->setText(name);
        if (!password.isEmpty()) {
            form->usePassword()->setChecked(true);
            form->passwordBox()->setText(password);
        }
        form->Command_save_Click();
        QApplication::processEvents();
        ASSERT_NE(flow->playerChoice(), nullptr);
    }

    void pick(const QString& name) {
        const int index = flow->playerChoice()->list()->findText(name);
        ASSERT_GE(index, 0) << name.toStdString();
        flow->playerChoice()->pickName(index);
    }

    // The record as a new store reads it from the file.
    PlayerRecord storedRecordOf(const QString& name) {
        PlayerStore store(*data);
        EXPECT_TRUE(store.open());
        for (const auto& entry : *store.players()) {
            if (entry.name == name) {
                return *store.read(entry.id);
            }
        }
        ADD_FAILURE() << "no player " << name.toStdString();
        return {};
    }

    QTemporaryDir dir;
    std::optional<DataDirectory> data;
    std::unique_ptr<ProgramFlow> flow;
};

TEST_F(ProgramFlowTest, aNewPlayerLogsInAndSeesTheFirstLevelsOpen) {
    createPlayer("Ana");
    EXPECT_EQ(flow->playerChoice()->list()->findText("Ana"), 0);
    pick("Ana");
    EXPECT_FALSE(flow->playerChoice()->passwordBox()->isEnabled());
    flow->playerChoice()->Label_jouer_Click();
    ASSERT_NE(flow->menu(), nullptr);
    ASSERT_NE(flow->backdrop(), nullptr);
    EXPECT_TRUE(flow->backdrop()->hasPicture()); // the new player's "jaune" theme
    EXPECT_EQ(flow->menu()->nameBox(1)->text(), QLatin1String("Ana"));
    EXPECT_TRUE(flow->menu()->label("Label_1a")->isEnabled());
    EXPECT_FALSE(flow->menu()->label("Label_1b")->isEnabled());
    EXPECT_TRUE(flow->menu()->label("Niveau01B")->isEnabled());
}

TEST_F(ProgramFlowTest, changingPlayerStoresTheRecordAndShowsTheOtherPlayersMenu) {
    createPlayer("Ana");
    createPlayer("Ben");
    pick("Ana");
    flow->playerChoice()->Label_jouer_Click();
    flow->players().current().fond = QStringLiteral("coq");
    flow->players().current().setProgress({"7", "1", "1"});
    flow->changePlayer();
    EXPECT_EQ(flow->menu(), nullptr);
    EXPECT_TRUE(flow->playerChoice()->isVisible());
    EXPECT_EQ(storedRecordOf("Ana").fond, QLatin1String("coq"));

    pick("Ben");
    flow->playerChoice()->Label_jouer_Click();
    ASSERT_NE(flow->menu(), nullptr);
    EXPECT_FALSE(flow->menu()->label("Niveau1")->isEnabled());
    flow->changePlayer();
    pick("Ana");
    flow->playerChoice()->Label_jouer_Click();
    EXPECT_TRUE(flow->menu()->label("Niveau7")->isEnabled());
}

TEST_F(ProgramFlowTest, quittingStoresTheRecordAndEndsTheProgram) {
    createPlayer("Ana");
    pick("Ana");
    flow->playerChoice()->Label_jouer_Click();
    flow->players().current().volume = QStringLiteral("42");
    QSignalSpy finished(flow.get(), &ProgramFlow::finished);
    flow->quit();
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(flow->menu(), nullptr);
    EXPECT_EQ(flow->playerChoice(), nullptr);
    EXPECT_EQ(storedRecordOf("Ana").volume, QLatin1String("42"));
}

TEST_F(ProgramFlowTest, thePasswordIsCheckedBeforeTheNameAndLetterCaseCounts) {
    createPlayer("Tom", "DoReMi");
    createPlayer("Ana");
    {
        // No name picked yet: the first row (Tom) has a password.
        ModalAnswer answer;
        flow->playerChoice()->Label_jouer_Click();
        EXPECT_EQ(answer.text(), QLatin1String("Mot de passe incorrect"));
    }
    pick("Tom");
    EXPECT_TRUE(flow->playerChoice()->passwordBox()->isEnabled());
    flow->playerChoice()->passwordBox()->setText("doremi");
    {
        ModalAnswer answer;
        flow->playerChoice()->Label_jouer_Click();
        EXPECT_EQ(answer.text(), QLatin1String("Mot de passe incorrect"));
    }
    EXPECT_EQ(flow->menu(), nullptr);
    flow->playerChoice()->passwordBox()->setText("DoReMi");
    flow->playerChoice()->Label_jouer_Click();
    EXPECT_NE(flow->menu(), nullptr);
    EXPECT_FALSE(storedRecordOf("Tom").password.contains("DoReMi"));
}

TEST_F(ProgramFlowTest, aPasswordAnOlderRecordKeptInClearIsHashedAtTheFirstGoodLogin) {
    PlayerRecord old = newPlayerRecord("Tom");
    old.password = "DoReMi";
    ASSERT_TRUE(flow->players().add(old));
    flow->playerChoice()->reload();
    pick("Tom");
    flow->playerChoice()->passwordBox()->setText("doremi");
    {
        ModalAnswer answer;
        flow->playerChoice()->Label_jouer_Click();
    }
    EXPECT_EQ(storedRecordOf("Tom").password, "DoReMi") << "a wrong login changes nothing";

    flow->playerChoice()->passwordBox()->setText("DoReMi");
    flow->playerChoice()->Label_jouer_Click();
    ASSERT_NE(flow->menu(), nullptr);
    const QString stored = storedRecordOf("Tom").password;
    EXPECT_FALSE(stored.contains("DoReMi"));
    EXPECT_TRUE(passwordMatches(stored, "DoReMi"));
    flow->changePlayer(); // the record in memory holds the hash too: storing keeps it
    EXPECT_EQ(storedRecordOf("Tom").password, stored);

    pick("Tom");
    flow->playerChoice()->passwordBox()->setText("DoReMi");
    flow->playerChoice()->Label_jouer_Click();
    EXPECT_NE(flow->menu(), nullptr) << "the hash lets the same password in";
}

TEST_F(ProgramFlowTest, withoutAPasswordOnTheFirstRowTheChildIsToldToChooseAName) {
    createPlayer("Ana");
    ModalAnswer answer;
    flow->playerChoice()->Label_jouer_Click();
    EXPECT_EQ(answer.text(), QLatin1String("Tu dois choisir un nom d'utilisateur"));
    EXPECT_EQ(flow->menu(), nullptr);
}

TEST_F(ProgramFlowTest, aWantedButEmptyPasswordKeepsTheNewPlayerFormOpen) {
    QTest::mouseClick(flow->playerChoice()->findChild<QPushButton*>("Command_nouveau"),
                      Qt::LeftButton);
    NewPlayerWindow* form = flow->newPlayer();
    form->nameBox()->setText("Zoé");
    form->usePassword()->setChecked(true);
    ModalAnswer answer;
    form->Command_save_Click();
    EXPECT_EQ(answer.text(), QLatin1String("Mot de passe incorrect"));
    EXPECT_EQ(flow->newPlayer(), form);
    EXPECT_EQ(form->nameBox()->text(), QStringLiteral("Zoé"));
}

TEST_F(ProgramFlowTest, aLanguageChosenOnThePlayerChoiceReachesTheMenu) {
    createPlayer("Ana");
    flow->playerChoice()->chooseLanguage(i18n::Language::Allemand);
    pick("Ana");
    flow->playerChoice()->Label_jouer_Click();
    EXPECT_EQ(flow->menu()->findChild<QLabel*>("Label_niveaux_progressifs")->text(),
              QLatin1String("SCHWIERIGKEITSGRAD"));
    QFile language(data->file("langue.kdt"));
    ASSERT_TRUE(language.open(QIODevice::ReadOnly));
    EXPECT_EQ(language.readAll(), QByteArray("6\r\n"));
}

TEST(ProgramFlowStart, aDamagedPlayersFileIsLeftUntouchedWhenTheChildSaysNo) {
    QTemporaryDir dir;
    const auto data = DataDirectory::open(dir.path());
    QFile bad(data->file(PlayerStore::fileName()));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("these are not players");
    bad.close();
    ProgramFlow flow(*data);
    {
        ModalAnswer answer(QMessageBox::No);
        EXPECT_FALSE(flow.openPlayers());
        EXPECT_THAT(answer.text().toStdString(), ::testing::HasSubstr("pulsadrome.sqlite"));
    }
    ASSERT_TRUE(bad.open(QIODevice::ReadOnly));
    EXPECT_EQ(bad.readAll(), QByteArray("these are not players"));
    bad.close();

    ProgramFlow again(*data);
    ModalAnswer yes(QMessageBox::Yes);
    EXPECT_TRUE(again.openPlayers());
    EXPECT_EQ(QDir(dir.path()).entryList({"pulsadrome.sqlite.damaged-*"}).size(), 1);
}

// A server address nobody answers on: a local port that was free a moment ago.
ServerAddress nobodysServer() {
    QTcpServer closed;
    EXPECT_TRUE(closed.listen(QHostAddress::LocalHost));
    ServerAddress address;
    address.host = QStringLiteral("127.0.0.1");
    address.port = closed.serverPort();
    address.database = QStringLiteral("pulsadrome");
    address.user = QStringLiteral("class");
    return address;
}

TEST(ProgramFlowStart, aServerThatCannotBeReachedOffersThisComputersOwnPlayers) {
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
        GTEST_SKIP() << "Qt's PostgreSQL driver (QPSQL) is not installed";
    }
    QTemporaryDir dir;
    const auto data = DataDirectory::open(dir.path());
    const ServerAddress server = nobodysServer();
    {
        ProgramFlow flow(*data);
        flow.useServer(server);
        ModalAnswer no(QMessageBox::No);
        EXPECT_FALSE(flow.openPlayers());
        EXPECT_THAT(no.text().toStdString(), ::testing::HasSubstr("ne répond pas"));
        EXPECT_THAT(no.text().toStdString(), ::testing::HasSubstr(server.shown().toStdString()));
        EXPECT_FALSE(QFile::exists(data->file(PlayerStore::fileName())));
    }
    ProgramFlow flow(*data);
    flow.useServer(server);
    ModalAnswer yes(QMessageBox::Yes);
    ASSERT_TRUE(flow.openPlayers());
    EXPECT_FALSE(flow.players().onServer());
    EXPECT_EQ(flow.players().file(), data->file(PlayerStore::fileName()));
    EXPECT_TRUE(flow.players().add(newPlayerRecord("Zoé")));
}

TEST(ProgramFlowStart, twoComputersOnOneServerShareTheirPlayersAndProgress) {
    TestDatabase server(BackEnd::Server);
    SKIP_WITHOUT(server);
    QTemporaryDir dirA;
    QTemporaryDir dirB;
    ProgramFlow first(*DataDirectory::open(dirA.path()));
    first.useServer(server.address());
    ASSERT_TRUE(first.openPlayers());
    const auto zoe = first.players().add(newPlayerRecord("Zoé"));
    ASSERT_TRUE(zoe);
    ASSERT_TRUE(first.players().moveTo(*zoe));

    ProgramFlow second(*DataDirectory::open(dirB.path()));
    second.useServer(server.address());
    ASSERT_TRUE(second.openPlayers());
    ASSERT_EQ(second.players().currentId(), std::optional<RowId>(*zoe));
    second.players().current().jeuBinaire = "7";
    ASSERT_TRUE(second.players().storeCurrent());

    first.players().current().fond = "coq";
    ASSERT_TRUE(first.players().storeCurrent());
    ASSERT_TRUE(first.players().reloadCurrent());
    EXPECT_EQ(first.players().current().jeuBinaire, "7");
    EXPECT_EQ(first.players().current().fond, "coq");
    EXPECT_FALSE(QFile::exists(DataDirectory::open(dirA.path())->file(PlayerStore::fileName())));
}

} // namespace

namespace {

TEST_F(ProgramFlowTest, theListenButtonOpensTheListeningScreenWhichCarriesOnWithoutSound) {
    createPlayer("Ana");
    pick("Ana");
    flow->playerChoice()->Label_jouer_Click();
    ASSERT_NE(flow->menu(), nullptr);
    auto* listen = flow->menu()->label("Image_ecoute");
    ASSERT_TRUE(listen->isEnabled());
    QTest::mouseClick(listen, Qt::LeftButton);
    bool shown = false;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        shown = shown ||
                (window->inherits("pulsadrome::listening::ListeningWindow") && window->isVisible());
    }
    EXPECT_TRUE(shown);
    flow->changePlayer(); // the listening screen goes with the menu
    for (QWidget* window : QApplication::topLevelWidgets()) {
        EXPECT_FALSE(window->inherits("pulsadrome::listening::ListeningWindow") &&
                     window->isVisible());
    }
}

} // namespace
