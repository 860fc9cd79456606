// SPDX-License-Identifier: GPL-3.0-or-later
// Where the players are kept, chosen by a teacher: the settings file (its text, written whole
// and for its owner only, a damaged one left as it is), the school network page through the
// real window against the real test server (a server ready, a wrong password, a port nothing
// listens on, a server that does not answer while the page stays usable), the choice kept for
// the next start, and Cancel changing nothing.
#include "MessageChecks.h"

#include "app/ProgramFlow.h"
#include "app/SchoolNetworkWindow.h"
#include "app/ServerCheck.h"
#include "app/ServerLogin.h"
#include "app/ServerSettings.h"
#include "listening/SilentRhythm.h"
#include "ui/ClickLabel.h"

#include "TestDatabases.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSqlError>
#include <QSqlQuery>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>

#include <gmock/gmock.h>

using namespace pulsadrome;
using namespace pulsadrome::app;
using pulsadrome::testing::BoxWatcher;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

TEST(ServerSettings, theTextReadsBackAndAnythingElseIsRefusedWithItsReason) {
    ServerSettings settings;
    settings.useServer = true;
    settings.address.host = "salle-musique.ecole.lan";
    settings.address.port = 6543;
    settings.address.database = "musique";
    settings.address.user = "salle 12";
    settings.address.password = " mot=de#passe é ";
    const auto back = parseSettings(settingsText(settings));
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, settings) << "the password's spaces, '=' and '#' are kept";

    settings.useServer = false;
    EXPECT_EQ(parseSettings(settingsText(settings)), settings);

    // Written by hand: comments, Windows line ends, the usual port and database.
    const auto byHand = parseSettings("# the room's server\r\nuse=server\r\nhost = 10.0.0.2\r\n");
    ASSERT_TRUE(byHand);
    EXPECT_EQ(byHand->address.host, "10.0.0.2");
    EXPECT_EQ(byHand->address.port, ServerAddress::kDefaultPort);
    EXPECT_EQ(byHand->address.database, "pulsadrome");

    for (const QByteArray& wrong :
         {QByteArray("host=a\n"), QByteArray("use=both\nhost=a\n"),
          QByteArray("use=server\nhost=a\nhost=b\n"), QByteArray("use=server\nhost=a\nport=x\n"),
          QByteArray("use=server\nhost=a\nport=70000\n"), QByteArray("use=server\n"),
          QByteArray("use=server\nhost=a\ncolour=red\n"), QByteArray("use=server\nhost a\n"),
          QByteArray("use=server\nhost=\xff\xfe\n"), QByteArray("use=server\0host=a", 17)}) {
        QString why;
        EXPECT_FALSE(parseSettings(wrong, &why)) << wrong.toStdString();
        EXPECT_FALSE(why.isEmpty()) << wrong.toStdString();
    }
}

TEST(ServerSettings, theFileIsTheOwnersAloneAndADamagedOneIsKeptAsItWas) {
    QTemporaryDir dir;
    const auto data = DataDirectory::open(dir.path());
    ASSERT_TRUE(data);
    ServerSettingsFile file(*data);
    EXPECT_EQ(file.read(), ServerSettingsFile::State::Missing);

    ServerSettings settings{true, {}};
    settings.address.host = "10.0.0.2";
    settings.address.database = "pulsadrome";
    settings.address.user = "salle";
    settings.address.password = "secret";
    ASSERT_TRUE(file.write(settings));
    EXPECT_EQ(QFile(file.file()).permissions() & ~(QFile::ReadUser | QFile::WriteUser),
              QFile::ReadOwner | QFile::WriteOwner)
        << "read and write by the owner, nothing for anyone else";
    EXPECT_EQ(QFile(file.file()).permissions() &
                  (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther),
              QFile::Permissions());
    ServerSettingsFile again(*data);
    ASSERT_EQ(again.read(), ServerSettingsFile::State::Read);
    EXPECT_EQ(again.settings(), settings);

    const QByteArray damaged("use=server\nhost=10.0.0.2\npassword=secret\n\x01\x02garbage");
    writeBytes(file.file(), damaged);
    EXPECT_EQ(again.read(), ServerSettingsFile::State::Damaged);
    EXPECT_FALSE(again.why().isEmpty());
    EXPECT_EQ(contentsOf(file.file()), damaged) << "reading changes nothing";
    // New settings over it: the damaged file is set aside first, byte for byte.
    ASSERT_TRUE(again.write(settings));
    ASSERT_FALSE(again.asideAs().isEmpty());
    EXPECT_EQ(contentsOf(again.asideAs()), damaged);
    EXPECT_EQ(again.read(), ServerSettingsFile::State::Read);

    // A folder in the file's place cannot be read, and is not touched.
    QFile::remove(file.file());
    ASSERT_TRUE(QDir(dir.path()).mkdir(ServerSettingsFile::fileName()));
    EXPECT_EQ(again.read(), ServerSettingsFile::State::Unreadable);
    EXPECT_EQ(again.readProblem().problem, ReadProblem::IsAFolder);
}

TEST(ServerLogin, theCodeOfARefusalIsFoundInAnyLanguageAndLibpqsOwnWordsCarryNone) {
    EXPECT_EQ(sqlStateIn("connection to server at \"127.0.0.1\", port 5432 failed: FATAL:  28P01"),
              "28P01");
    EXPECT_EQ(sqlStateIn("Verbindung zum Server auf »::1«, Port 5432 fehlgeschlagen: Connection "
                         "refused\nVerbindung zum Server auf »127.0.0.1«, Port 5432 "
                         "fehlgeschlagen: FATAL:  3D000\n"),
              "3D000");
    EXPECT_EQ(sqlStateIn("connection to server at \"127.0.0.1\", port 1 failed: Connection "
                         "refused\n\tIs the server running on that host and accepting TCP/IP "
                         "connections?"),
              "");
    EXPECT_EQ(sqlStateIn("could not translate host name \"nowhere\" to address: Name or service "
                         "not known"),
              "");
}

// The test server speaks German (tests/support/test-postgres.sh): what the program says can only
// come from the server's codes.
class ServerInAnotherLanguage : public ::testing::Test {
protected:
    TestDatabase db{BackEnd::Server};
    void SetUp() override { SKIP_WITHOUT(db); }
};

TEST_F(ServerInAnotherLanguage, aRefusedLoginAMissingDatabaseAndNoServerAreToldApartByCode) {
    {
        // The server's words are not English: nothing could be read from them.
        QSqlDatabase raw = QSqlDatabase::addDatabase("QPSQL", "language-probe");
        raw.setHostName(db.address().host);
        raw.setPort(db.address().port);
        raw.setDatabaseName(db.address().database);
        raw.setUserName(db.address().user);
        raw.setPassword(db.address().password);
        ASSERT_TRUE(raw.open());
        QSqlQuery query(raw);
        ASSERT_FALSE(query.exec("SELECT 1/0"));
        EXPECT_EQ(query.lastError().nativeErrorCode(), "22012");
        EXPECT_THAT(query.lastError().databaseText().toStdString(), HasSubstr("Division durch"));
        raw.close();
    }
    QSqlDatabase::removeDatabase("language-probe");

    ServerAddress wrong = db.address();
    wrong.password = "falsch";
    PlayerStore refused(wrong, 500);
    const StoreStatus login = refused.open();
    EXPECT_EQ(login.fault, StoreFault::WrongPassword) << login.message.toStdString();
    EXPECT_THAT(login.systemText.toStdString(), Not(HasSubstr("password authentication")));

    ServerAddress nobody = db.address();
    nobody.user = "niemand";
    EXPECT_EQ(PlayerStore(nobody, 500).open().fault, StoreFault::WrongPassword);

    ServerAddress missing = db.address();
    missing.database = "keine_solche_datenbank";
    const StoreStatus noDatabase = PlayerStore(missing, 500).open();
    EXPECT_EQ(noDatabase.fault, StoreFault::NoDatabase) << noDatabase.message.toStdString();

    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    ServerAddress gone = db.address();
    gone.port = closed.serverPort();
    closed.close();
    EXPECT_EQ(PlayerStore(gone, 500).open().fault, StoreFault::Unreachable);

    // A login that may not connect to the database at all.
    db.raw()->exec(
        QStringLiteral("REVOKE CONNECT ON DATABASE \"%1\" FROM PUBLIC").arg(db.address().database));
    ServerAddress visitor = db.address();
    visitor.user = "visitor";
    visitor.password = "visitor";
    EXPECT_EQ(PlayerStore(visitor, 500).open().fault, StoreFault::NoRights);
}

TEST_F(ServerInAnotherLanguage, aTryChangesNothingAndSaysWhatTheFirstUseWillFind) {
    ServerCheck check = checkServer(db.address(), 5000);
    ASSERT_TRUE(check.ok()) << check.status.message.toStdString();
    EXPECT_EQ(check.readiness, server_table::Readiness::WouldPrepare);
    EXPECT_EQ(db.raw()->value("SELECT to_regclass('\"Pulsadrome\"') IS NULL"), "true")
        << "the rehearsal made nothing that stays";

    ASSERT_TRUE(db.store()->open());
    check = checkServer(db.address(), 5000);
    ASSERT_TRUE(check.ok());
    EXPECT_EQ(check.readiness, server_table::Readiness::Ready);

    // A login that may connect and read the schema but not the players.
    ServerAddress visitor = db.address();
    visitor.user = "visitor";
    visitor.password = "visitor";
    EXPECT_EQ(checkServer(visitor, 5000).status.fault, StoreFault::NoRights);

    db.raw()->exec("UPDATE \"SchemaVersion\" SET \"version\" = 99");
    EXPECT_EQ(checkServer(db.address(), 5000).status.fault, StoreFault::NewerSchema);
    EXPECT_EQ(db.raw()->value("SELECT \"version\" FROM \"SchemaVersion\""), "99");
}

// The page through the real windows of a program started on this computer's own players.
class SchoolNetworkPage : public ::testing::Test {
protected:
    void SetUp() override {
        data = DataDirectory::open(dir.path());
        ASSERT_TRUE(data);
        flow = start();
        ASSERT_TRUE(flow->openPlayers());
        flow->showPlayerChoice();
    }
    void TearDown() override {
        if (flow) {
            flow->quit();
        }
        // A try still running ends before the next test.
        QThreadPool::globalInstance()->waitForDone();
    }

    std::unique_ptr<ProgramFlow> start() const {
        auto started =
            std::make_unique<ProgramFlow>(*data, [](const i18n::CaptionTable&, QString*) {
                return std::make_unique<listening::SilentRhythm>();
            });
        started->setServerCheckTimeout(2000);
        return started;
    }
    SchoolNetworkWindow* clickNetwork() {
        QTest::mouseClick(flow->playerChoice()->networkLabel(), Qt::LeftButton);
        return flow->schoolNetwork();
    }
    static void retype(QLineEdit* box, const QString& text) {
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, text);
    }
    static void typeAddress(SchoolNetworkWindow* page, const ServerAddress& address) {
        retype(page->hostBox(), address.host);
        retype(page->portBox(), QString::number(address.port));
        retype(page->databaseBox(), address.database);
        retype(page->userBox(), address.user);
        retype(page->passwordBox(), address.password);
    }
    // Clicks `button` and waits for the try's answer.
    static bool clickAndWait(SchoolNetworkWindow* page, ui::ClickLabel* button) {
        QSignalSpy answered(page, &SchoolNetworkWindow::checked);
        QTest::mouseClick(button, Qt::LeftButton);
        return answered.wait(15'000);
    }
    QString caption(const char* key) const {
        return flow->captions().text(QString::fromLatin1(key));
    }
    void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    QString settingsFile() const { return data->file(ServerSettingsFile::fileName()); }

    QTemporaryDir dir;
    std::optional<DataDirectory> data;
    std::unique_ptr<ProgramFlow> flow;
};

TEST_F(SchoolNetworkPage, aServerTriedAndChosenIsUsedAndKeptForTheNextStart) {
    TestDatabase db{BackEnd::Server};
    SKIP_WITHOUT(db);
    ASSERT_TRUE(flow->players().add(newPlayerRecord("Lina")));
    BoxWatcher boxes;
    SchoolNetworkWindow* page = clickNetwork();
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(page->isVisible());
    typeAddress(page, db.address());
    EXPECT_EQ(page->typedAddress(), db.address());
    EXPECT_EQ(page->passwordBox()->echoMode(), QLineEdit::Password);

    // A wrong password first: said on the page, and "use" does not take the server.
    retype(page->passwordBox(), "not the password");
    ASSERT_TRUE(clickAndWait(page, page->testButton()));
    EXPECT_EQ(page->resultLabel()->text(), caption("raison_serveur_mot_de_passe"));
    ASSERT_TRUE(clickAndWait(page, page->useServerButton()));
    EXPECT_FALSE(flow->players().onServer());
    EXPECT_FALSE(QFile::exists(settingsFile()));
    EXPECT_EQ(flow->schoolNetwork(), page);

    // The right one: connected, the tables to be made at the first use; then chosen.
    retype(page->passwordBox(), db.address().password);
    ASSERT_TRUE(clickAndWait(page, page->testButton()));
    EXPECT_EQ(page->resultLabel()->text(), caption("reseau_a_preparer"));
    EXPECT_EQ(db.raw()->value("SELECT to_regclass('\"Pulsadrome\"') IS NULL"), "true");
    QTest::mouseClick(page->useServerButton(), Qt::LeftButton);
    settle();
    EXPECT_EQ(flow->schoolNetwork(), nullptr);
    EXPECT_TRUE(boxes.boxes().empty());
    ASSERT_TRUE(flow->players().onServer());
    EXPECT_EQ(flow->players().file(), db.address().shown());
    EXPECT_EQ(flow->playerChoice()->list()->count(), 0) << "the server's players, none yet";

    // Kept for the owner alone, read at the next start.
    ASSERT_TRUE(QFile::exists(settingsFile()));
    EXPECT_EQ(QFile(settingsFile()).permissions() &
                  (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther),
              QFile::Permissions());
    EXPECT_THAT(contentsOf(settingsFile()).toStdString(), HasSubstr("use=server"));
    ASSERT_TRUE(flow->players().add(newPlayerRecord("Zoé")));
    flow->quit();
    flow.reset();
    flow = start();
    flow->chooseStartPlayers(std::nullopt);
    ASSERT_TRUE(flow->openPlayers());
    EXPECT_TRUE(flow->players().onServer());
    const auto players = flow->players().players();
    ASSERT_TRUE(players);
    ASSERT_EQ(players->size(), 1u);
    EXPECT_EQ(players->front().name, "Zoé");

    // Back to this computer's own players: Lina is there again, and the next start stays here.
    flow->showPlayerChoice();
    page = clickNetwork();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->typedAddress(), db.address()) << "the boxes show the file's server";
    QTest::mouseClick(page->useComputerButton(), Qt::LeftButton);
    settle();
    EXPECT_FALSE(flow->players().onServer());
    EXPECT_EQ(flow->playerChoice()->list()->itemText(0), "Lina");
    ServerSettingsFile file(*data);
    ASSERT_EQ(file.read(), ServerSettingsFile::State::Read);
    EXPECT_FALSE(file.settings().useServer);
    EXPECT_EQ(file.settings().address, db.address()) << "kept for another time";
}

TEST_F(SchoolNetworkPage, theCopyIsAskedFirstThenMadeAsidePlayingGoesOnHereAndTheOutcomeIsSaid) {
    TestDatabase db{BackEnd::Server};
    SKIP_WITHOUT(db);
    ASSERT_TRUE(flow->players().add(newPlayerRecord("Lina")));
    SchoolNetworkWindow* page = clickNetwork();
    ASSERT_NE(page, nullptr);
    ASSERT_TRUE(page->copyButton()->isVisible());
    typeAddress(page, db.address());

    {
        BoxWatcher boxes({QMessageBox::No}); // not now
        QTest::mouseClick(page->copyButton(), Qt::LeftButton);
        ASSERT_EQ(boxes.boxes().size(), 1u);
        EXPECT_EQ(boxes.boxes()[0].text, caption("copie_serveur_question"));
        EXPECT_FALSE(page->copying());
        EXPECT_EQ(db.raw()->value("SELECT to_regclass('\"Pulsadrome\"') IS NULL"), "true");
    }

    BoxWatcher boxes({QMessageBox::Yes});
    QSignalSpy copied(page, &SchoolNetworkWindow::copied);
    QTest::mouseClick(page->copyButton(), Qt::LeftButton);
    EXPECT_EQ(page->resultLabel()->text(), caption("copie_serveur_en_cours"));
    EXPECT_FALSE(page->copyButton()->isEnabled()) << "one copy at a time";
    ASSERT_TRUE(copied.wait(15'000));
    EXPECT_EQ(copied.front().front().toBool(), true);
    ASSERT_EQ(boxes.boxes().size(), 2u);
    EXPECT_EQ(boxes.boxes()[1].text, caption("copie_serveur_faite").arg(1).arg(0).arg(0));
    EXPECT_EQ(boxes.boxes()[1].unfit, "");
    EXPECT_EQ(page->resultLabel()->text(), caption("copie_serveur_finie"));
    EXPECT_TRUE(page->copyButton()->isEnabled());
    EXPECT_EQ(db.raw()->value("SELECT string_agg(\"Nom\", ',') FROM \"Pulsadrome\""), "Lina");
    EXPECT_FALSE(flow->players().onServer()) << "copying does not choose the server";
}

TEST_F(SchoolNetworkPage, aServerThatDoesNotAnswerLeavesThePageUsableAndCancelChangesNothing) {
    ServerSettings kept{false, {}};
    kept.address.host = "10.0.0.2";
    ASSERT_TRUE(ServerSettingsFile(*data).write(kept));
    const QByteArray before = contentsOf(settingsFile());

    // Nothing listens: said at once.
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const quint16 freePort = closed.serverPort();
    closed.close();
    SchoolNetworkWindow* page = clickNetwork();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->hostBox()->text(), "10.0.0.2");
    retype(page->hostBox(), "127.0.0.1");
    retype(page->portBox(), QString::number(freePort));
    ASSERT_TRUE(clickAndWait(page, page->testButton()));
    EXPECT_EQ(page->resultLabel()->text(), caption("raison_serveur_injoignable"));

    // A server that takes the connection and never answers: the try waits on its own thread,
    // the page says so and still takes clicks; Cancel closes it before the try ends.
    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost));
    retype(page->portBox(), QString::number(silent.serverPort()));
    QTest::keyClick(page->portBox(), Qt::Key_Return);
    EXPECT_TRUE(page->checking());
    EXPECT_EQ(page->resultLabel()->text(), caption("reseau_essai"));
    EXPECT_FALSE(page->useServerButton()->isEnabled());
    QTest::mouseClick(page->cancelButton(), Qt::LeftButton);
    settle();
    EXPECT_EQ(flow->schoolNetwork(), nullptr);
    EXPECT_FALSE(flow->players().onServer());
    EXPECT_EQ(contentsOf(settingsFile()), before);

    // Escape is Cancel too.
    page = clickNetwork();
    ASSERT_NE(page, nullptr);
    retype(page->hostBox(), "elsewhere");
    QTest::keyClick(page, Qt::Key_Escape);
    settle();
    EXPECT_EQ(flow->schoolNetwork(), nullptr);
    EXPECT_EQ(contentsOf(settingsFile()), before);

    // An empty server name is asked for, not tried.
    page = clickNetwork();
    ASSERT_NE(page, nullptr);
    retype(page->hostBox(), "");
    QTest::mouseClick(page->testButton(), Qt::LeftButton);
    EXPECT_FALSE(page->checking());
    EXPECT_EQ(page->resultLabel()->text(), caption("reseau_serveur_manquant"));
}

TEST_F(SchoolNetworkPage, aDamagedSettingsFileIsSaidAtStartAndTheComputersPlayersAreUsed) {
    ASSERT_TRUE(flow->players().add(newPlayerRecord("Lina")));
    flow->quit();
    flow.reset();
    const QByteArray damaged("use=server\nhost=10.0.0.2\nport=fifty\npassword=secret\n");
    writeBytes(settingsFile(), damaged);

    BoxWatcher boxes;
    // The command line's server wins, and the file is then not even read.
    {
        auto other = start();
        ServerAddress commandLine;
        commandLine.host = "10.9.8.7";
        commandLine.database = "classe";
        other->chooseStartPlayers(commandLine);
        EXPECT_TRUE(other->players().onServer());
        EXPECT_EQ(other->players().file(), commandLine.shown());
        EXPECT_TRUE(boxes.boxes().empty());
    }
    flow = start();
    flow->chooseStartPlayers(std::nullopt);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, caption("reseau_abime"));
    pulsadrome::testing::expectSaidInTheLanguage(
        boxes.boxes()[0], i18n::Language::Francais,
        {pulsadrome::testing::buttonText(flow->captions(), u"bouton_ok")}, {settingsFile()});
    ASSERT_TRUE(flow->openPlayers());
    EXPECT_FALSE(flow->players().onServer());
    EXPECT_EQ(flow->players().players()->front().name, "Lina");
    EXPECT_EQ(contentsOf(settingsFile()), damaged) << "the file is not destroyed";

    // The page starts from empty boxes; a choice then sets the damaged file aside.
    flow->showPlayerChoice();
    SchoolNetworkWindow* page = clickNetwork();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->hostBox()->text(), "");
    QTest::mouseClick(page->useComputerButton(), Qt::LeftButton);
    settle();
    const QStringList aside =
        QDir(dir.path()).entryList({ServerSettingsFile::fileName() + ".damaged-*"});
    ASSERT_EQ(aside.size(), 1);
    EXPECT_EQ(contentsOf(QDir(dir.path()).filePath(aside.front())), damaged);
    EXPECT_EQ(ServerSettingsFile(*data).read(), ServerSettingsFile::State::Read);
}

} // namespace
