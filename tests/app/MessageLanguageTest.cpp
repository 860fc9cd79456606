// SPDX-License-Identifier: GPL-3.0-or-later
// The message boxes as a child or a parent reads them, in each of the six languages: the player
// database's problems are provoked for real (a damaged file, a file another copy holds, a file
// that cannot be opened, a full disk), and each box must speak the interface language only, its
// buttons be the caption rows, its text wrap inside the screen instead of being cut.
#include "app/DataDirectory.h"
#include "app/ProgramFlow.h"
#include "i18n/CaptionTable.h"
#include "i18n/LanguageFile.h"
#include "ui/MessageBox.h"
#include "ui/Style.h"

#include "MessageChecks.h"
#include "support/ChildProcess.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>

#include <gmock/gmock.h>

namespace pulsadrome {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

using testing::BoxWatcher;
using testing::buttonText;
using testing::captionsIn;
using testing::expectSaidInTheLanguage;
using testing::ShownBox;

class DatabaseMessages : public ::testing::TestWithParam<i18n::Language> {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        // The program's own font, as the boxes are seen.
        ui::applyProgramStyle(*qApp);
        data = app::DataDirectory::open(dir.path());
        ASSERT_TRUE(data);
        i18n::CaptionTable table;
        WriteOutcome failure;
        ASSERT_TRUE(i18n::chooseLanguage(
            table, GetParam(), data->file(QString::fromLatin1(i18n::kLanguageFileName)), &failure))
            << failure.systemText.toStdString();
        captions = captionsIn(GetParam());
    }

    QString databaseFile() const { return data->file(app::PlayerStore::fileName()); }

    void makeStoreWithOnePlayer() {
        app::PlayerStore store(*data);
        ASSERT_TRUE(store.open());
        app::PlayerRecord record;
        record.nom = QStringLiteral("Léa");
        record.fond = QStringLiteral("1");
        ASSERT_TRUE(store.add(record));
    }

    // The one box openPlayers() showed; openPlayers() must not go on.
    ShownBox boxOfOpening() {
        const BoxWatcher watcher;
        app::ProgramFlow flow(*data, {}, 200);
        EXPECT_FALSE(flow.openPlayers());
        EXPECT_EQ(watcher.boxes().size(), 1u);
        return watcher.boxes().empty() ? ShownBox{} : watcher.boxes().front();
    }

    void expectToldInTheLanguage(const ShownBox& box, const QStringList& buttons) {
        expectSaidInTheLanguage(box, GetParam(), buttons, {databaseFile()});
    }

    QStringList yesNo() const {
        return {buttonText(captions, u"oui"), buttonText(captions, u"non")};
    }
    QStringList okOnly() const { return {buttonText(captions, u"bouton_ok")}; }
    QStringList retryCancel() const {
        return {buttonText(captions, u"bouton_reessayer"), buttonText(captions, u"bouton_annuler")};
    }

    QTemporaryDir dir;
    std::optional<app::DataDirectory> data;
    i18n::CaptionTable captions;
};

TEST_P(DatabaseMessages, aDamagedFileIsAskedAboutWithYesAndNo) {
    QFile bad(databaseFile());
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("these are not players, and this line is long enough to look like a file");
    bad.close();
    const ShownBox box = boxOfOpening();
    EXPECT_EQ(box.text, captions.text(u"base_abimee"));
    expectToldInTheLanguage(box, yesNo());
}

TEST_P(DatabaseMessages, aServerThatDoesNotAnswerIsSaidAndThisComputersPlayersOffered) {
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
        GTEST_SKIP() << "Qt's PostgreSQL driver (QPSQL) is not installed";
    }
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    app::ServerAddress server;
    server.host = QStringLiteral("127.0.0.1");
    server.port = closed.serverPort();
    server.database = QStringLiteral("pulsadrome");
    closed.close();
    const BoxWatcher watcher;
    app::ProgramFlow flow(*data, {}, 200);
    flow.useServer(server);
    EXPECT_FALSE(flow.openPlayers()) << "the watcher says no";
    ASSERT_EQ(watcher.boxes().size(), 1u);
    const ShownBox& box = watcher.boxes().front();
    EXPECT_EQ(box.text, captions.text(u"serveur_inutilisable")
                            .arg(captions.text(u"raison_serveur_injoignable"))
                            .trimmed());
    EXPECT_EQ(box.title, captions.text(u"Label_titre"));
    EXPECT_EQ(box.buttons, yesNo());
    EXPECT_THAT(box.unfit.toStdString(), IsEmpty());
    EXPECT_THAT(box.detail.toStdString(), HasSubstr(server.shown().toStdString()));
}

TEST_P(DatabaseMessages, aFileAnotherCopyHoldsSaysSoAndThatTryingLaterHelps) {
    makeStoreWithOnePlayer();
    const QString name = QStringLiteral("holder-%1").arg(int(GetParam()));
    {
        QSqlDatabase holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        holder.setDatabaseName(databaseFile());
        ASSERT_TRUE(holder.open());
        QSqlQuery query(holder);
        ASSERT_TRUE(query.exec(QStringLiteral("PRAGMA locking_mode = EXCLUSIVE")));
        ASSERT_TRUE(query.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        ASSERT_TRUE(query.exec(QStringLiteral("UPDATE \"Pulsadrome\" SET \"fond\" = '2'")));
        const ShownBox box = boxOfOpening();
        EXPECT_EQ(
            box.text,
            captions.text(u"base_erreur").arg(captions.text(u"raison_fichier_occupe")).trimmed());
        expectToldInTheLanguage(box, okOnly());
        query.exec(QStringLiteral("ROLLBACK"));
        holder.close();
    }
    QSqlDatabase::removeDatabase(name);
}

TEST_P(DatabaseMessages, aFileThatCannotBeOpenedSaysSo) {
    // A folder where the file should be: no program can open it as a database.
    ASSERT_TRUE(QDir().mkpath(databaseFile()));
    const ShownBox box = boxOfOpening();
    EXPECT_EQ(
        box.text,
        captions.text(u"base_erreur").arg(captions.text(u"raison_fichier_inaccessible")).trimmed());
    expectToldInTheLanguage(box, okOnly());
}

// Storing the player on the way out meets a disk that takes no more: the child is asked, in its
// language, whether to try again. The program runs in a child process whose files cannot grow;
// the child answers with the box it saw.
const bool kQuitOnAFullDisk =
    testing::registerChildAction("quitOnAFullDisk", [](const QStringList& arguments) {
        const auto data = app::DataDirectory::open(arguments.value(0));
        if (!data) {
            return QStringLiteral("child: no data folder");
        }
        const BoxWatcher watcher;
        app::ProgramFlow flow(*data, {}, 200);
        if (!flow.openPlayers()) {
            return QStringLiteral("child: not opened");
        }
        flow.showPlayerChoice();
        flow.goOn();
        flow.players().current().fond = QStringLiteral("7");
        testing::limitFileSize(1024);
        flow.quit();
        if (watcher.boxes().empty()) {
            return QStringLiteral("child: no box");
        }
        return watcher.boxes().front().serialised();
    });

TEST_P(DatabaseMessages, aFullDiskOnTheWayOutAsksToTryAgainOrCancel) {
    makeStoreWithOnePlayer();
    const QString told = testing::runInChild("quitOnAFullDisk", {data->path()});
    ASSERT_FALSE(told.startsWith(QLatin1String("child:"))) << told.toStdString();
    const ShownBox box = ShownBox::parsed(told);
    // A file that may not grow is refused by the system (EFBIG) as a full disk would be.
    EXPECT_THAT(box.text.toStdString(),
                HasSubstr(captions.text(u"enregistrement_impossible")
                              .arg(captions.text(u"raison_ecriture_refusee"))
                              .toStdString()));
    expectToldInTheLanguage(box, retryCancel());
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, DatabaseMessages,
                         ::testing::Values(i18n::Language::Francais, i18n::Language::Anglais,
                                           i18n::Language::Espagnol, i18n::Language::Portugais,
                                           i18n::Language::Italien, i18n::Language::Allemand),
                         [](const auto& info) {
                             return std::string(i18n::languageInfo(info.param).code);
                         });

// The routine itself: a path far wider than the screen wraps at its separators, and reads the
// same once its break points are taken out.
TEST(MessageBoxRoutine, aLongPathWrapsInsideTheScreenAndReadsTheSame) {
    const QString path = QStringLiteral("/home/une_famille/Documents/Partage_de_l_ecole/"
                                        "classe-de-musique-2026/Pulsadrome/donnees-des-joueurs/"
                                        "pulsadrome.sqlite.damaged-20261207-101500");
    const QString text = QStringLiteral("Le fichier %1 est abîmé.").arg(path);
    EXPECT_EQ(ui::withoutBreakPoints(ui::withBreakPoints(text)), text);
    EXPECT_EQ(ui::withBreakPoints(QStringLiteral("Ein kurzer Satz.")),
              QStringLiteral("Ein kurzer Satz."));
    const BoxWatcher watcher;
    const auto german = captionsIn(i18n::Language::Allemand);
    ui::showMessage(nullptr, german, ui::MessageTone::Warning, text, path);
    ASSERT_EQ(watcher.boxes().size(), 1u);
    EXPECT_EQ(watcher.boxes()[0].text, text);
    EXPECT_THAT(watcher.boxes()[0].buttons, ElementsAre(QStringLiteral("In Ordnung")));
    EXPECT_THAT(watcher.boxes()[0].unfit.toStdString(), IsEmpty());
}

} // namespace
} // namespace pulsadrome
