// SPDX-License-Identifier: GPL-3.0-or-later
// The messages of file faults made real, in each of the six languages: a data folder that cannot
// be used, a lock that cannot be taken, a help file and a language file that cannot be written.
// Each box must say the fault in the interface language alone (the system's own words only in its
// detail line), with buttons of the caption rows, whole on an 800 x 600 screen.
#include "app/DataDirectory.h"
#include "app/HelpDocument.h"
#include "app/MenuWindow.h"
#include "app/PlayerStore.h"
#include "app/PlayerWindows.h"
#include "app/ProgramFlow.h"
#include "app/ProgressWindow.h"
#include "app/ServerScores.h"
#include "app/SingleCopy.h"
#include "app/StartMessages.h"
#include "common/Clock.h"
#include "i18n/CaptionTable.h"
#include "i18n/LanguageFile.h"
#include "play/games/ScoreWindows.h"
#include "play/level/PadSlot.h"
#include "ui/Style.h"

#include "MessageChecks.h"
#include "support/FileFaults.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QRadioButton>
#include <QSqlDatabase>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include <gmock/gmock.h>

namespace pulsadrome {
namespace {

using testing::BoxWatcher;
using testing::buttonText;
using testing::captionsIn;
using testing::expectSaidInTheLanguage;
using ::testing::HasSubstr;
using testing::ShownBox;

bool putFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QLocale localeOf(i18n::Language language) {
    switch (language) {
    case i18n::Language::Francais:
        return QLocale(QLocale::French, QLocale::France);
    case i18n::Language::Anglais:
        return QLocale(QLocale::English, QLocale::UnitedKingdom);
    case i18n::Language::Espagnol:
        return QLocale(QLocale::Spanish, QLocale::Spain);
    case i18n::Language::Portugais:
        return QLocale(QLocale::Portuguese, QLocale::Portugal);
    case i18n::Language::Italien:
        return QLocale(QLocale::Italian, QLocale::Italy);
    case i18n::Language::Allemand:
        break;
    }
    return QLocale(QLocale::German, QLocale::Germany);
}

class FaultMessages : public ::testing::TestWithParam<i18n::Language> {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        // The program's own font, as the boxes are seen.
        ui::applyProgramStyle(*qApp);
        captions = captionsIn(GetParam());
        // The computer speaks the language: messages told before any language file is read.
        QLocale::setDefault(localeOf(GetParam()));
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    QStringList okOnly() const { return {buttonText(captions, u"bouton_ok")}; }
    QString unusable(QStringView reasonKey) const {
        return captions.text(u"dossier_donnees_inutilisable").arg(captions.text(reasonKey));
    }
    // The language file of `folder` names the language of the test.
    void chooseLanguageIn(const QString& folder) {
        i18n::CaptionTable table;
        ASSERT_TRUE(i18n::chooseLanguage(
            table, GetParam(),
            QDir(folder).filePath(QString::fromLatin1(i18n::kLanguageFileName))));
    }

    // The one box `show` shows.
    template <typename Show> ShownBox boxOf(Show show) {
        const BoxWatcher watcher;
        show();
        EXPECT_EQ(watcher.boxes().size(), 1u);
        return watcher.boxes().empty() ? ShownBox{} : watcher.boxes().front();
    }

    // The box the start shows for a data folder at `path` that cannot be used.
    ShownBox boxOfDataFolder(const QString& path, app::DataFolderProblem::Kind kind) {
        app::DataFolderProblem problem;
        EXPECT_FALSE(app::DataDirectory::open(path, &problem));
        EXPECT_EQ(problem.kind, kind);
        return boxOf(
            [&] { app::tellDataFolderProblem(app::startCaptions(problem.folder), problem); });
    }

    // The box the start shows when the lock in `data` cannot be taken.
    ShownBox boxOfLock(const app::DataDirectory& data, app::SingleCopy::Fault fault) {
        app::SingleCopy copy(data, 200);
        EXPECT_EQ(copy.start(), app::SingleCopy::Start::Failed);
        EXPECT_EQ(copy.fault(), fault);
        return boxOf([&] { app::tellLockFault(app::startCaptions(data.path()), copy); });
    }

    QTemporaryDir dir;
    i18n::CaptionTable captions;
};

TEST_P(FaultMessages, aDataFolderThatCannotBeUsedSaysWhy) {
    const QString file = dir.filePath(QStringLiteral("occupied"));
    ASSERT_TRUE(putFile(file, "not a folder"));
    ShownBox box = boxOfDataFolder(file, app::DataFolderProblem::Kind::IsAFile);
    EXPECT_EQ(box.text, unusable(u"dossier_est_un_fichier"));
    expectSaidInTheLanguage(box, GetParam(), okOnly(), {file});

    const QString under = file + QStringLiteral("/pulsadrome");
    box = boxOfDataFolder(under, app::DataFolderProblem::Kind::CannotCreate);
    EXPECT_EQ(box.text, unusable(u"dossier_non_cree"));
    expectSaidInTheLanguage(box, GetParam(), okOnly(), {under});

    // A folder that may not be written in says so in the language of its language file.
    const QString sealed = dir.filePath(QStringLiteral("sealed"));
    ASSERT_TRUE(QDir().mkpath(sealed));
    testing::ReadOnlyFolder readOnly(sealed);
    chooseLanguageIn(sealed);
    if (!readOnly.seal()) {
        GTEST_SKIP() << "no folder can be made read-only here (root without mount)";
    }
    QLocale::setDefault(QLocale(QLocale::Japanese));
    box = boxOfDataFolder(sealed, app::DataFolderProblem::Kind::NotWritable);
    EXPECT_EQ(box.text, unusable(u"ecriture_interdite"));
    expectSaidInTheLanguage(box, GetParam(), okOnly(), {sealed});
}

TEST_P(FaultMessages, aLockThatCannotBeTakenSaysWhy) {
    // A lock "file" that is a folder: it names no running copy and cannot be removed.
    const QString left = dir.filePath(QStringLiteral("left"));
    ASSERT_TRUE(QDir().mkpath(left + QLatin1Char('/') + app::SingleCopy::lockFileName()));
    chooseLanguageIn(left);
    const auto leftData = app::DataDirectory::open(left);
    ASSERT_TRUE(leftData);
    ShownBox box = boxOfLock(*leftData, app::SingleCopy::Fault::LeftOver);
    EXPECT_EQ(box.text, unusable(u"verrou_reste"));
    expectSaidInTheLanguage(box, GetParam(), okOnly(),
                            {leftData->file(app::SingleCopy::lockFileName())});

    // The folder taken away after it was opened: the system refuses the file (ENOENT).
    const QString gone = dir.filePath(QStringLiteral("gone"));
    const auto goneData = app::DataDirectory::open(gone);
    ASSERT_TRUE(goneData);
    ASSERT_TRUE(QDir(gone).removeRecursively());
    box = boxOfLock(*goneData, app::SingleCopy::Fault::CannotMake);
    EXPECT_EQ(box.text, unusable(u"verrou_impossible"));
    expectSaidInTheLanguage(box, GetParam(), okOnly(),
                            {goneData->file(app::SingleCopy::lockFileName())});

    // The folder turned read-only after it was opened.
    const QString sealed = dir.filePath(QStringLiteral("sealed"));
    ASSERT_TRUE(QDir().mkpath(sealed));
    testing::ReadOnlyFolder readOnly(sealed);
    chooseLanguageIn(sealed);
    const auto sealedData = app::DataDirectory::open(sealed);
    ASSERT_TRUE(sealedData);
    if (!readOnly.seal()) {
        GTEST_SKIP() << "no folder can be made read-only here (root without mount)";
    }
    box = boxOfLock(*sealedData, app::SingleCopy::Fault::Denied);
    EXPECT_EQ(box.text, unusable(u"ecriture_interdite"));
    expectSaidInTheLanguage(box, GetParam(), okOnly(),
                            {sealedData->file(app::SingleCopy::lockFileName())});
}

// The menu's help and the player choice's flags write files of the data folder: each failure is
// said in the language chosen.
class FlowFaultMessages : public FaultMessages {
protected:
    void SetUp() override {
        FaultMessages::SetUp();
        data = app::DataDirectory::open(dir.path());
        ASSERT_TRUE(data);
        chooseLanguageIn(dir.path());
        {
            app::PlayerStore store(*data);
            ASSERT_TRUE(store.open());
            app::PlayerRecord record;
            record.nom = QStringLiteral("Léa");
            record.fond = QStringLiteral("1");
            ASSERT_TRUE(store.add(record));
        }
        flow = std::make_unique<app::ProgramFlow>(*data);
        ASSERT_TRUE(flow->openPlayers());
        flow->showPlayerChoice();
    }

    ShownBox boxOfHelp() {
        return boxOf([&] { emit flow->menu()->helpRequested(); });
    }
    QString help() const {
        return data->file(app::helpFileName(*i18n::languageFromCode(captions.currentCode())));
    }
    QString systemLine() const { return captions.text(u"detail_systeme").arg(QString()); }

    std::optional<app::DataDirectory> data;
    std::unique_ptr<app::ProgramFlow> flow;
};

TEST_P(FlowFaultMessages, aHelpThatCannotBeWrittenSaysWhy) {
    flow->goOn();
    ASSERT_TRUE(flow->menu());
    {
        // The disk takes no more than a few pages of it.
        const testing::FileSizeLimit limit(16 * 1024);
        ASSERT_TRUE(limit.active());
        const ShownBox box = boxOfHelp();
        EXPECT_EQ(box.text, captions.text(u"aide_impossible").arg(captions.text(u"disque_plein")));
        expectSaidInTheLanguage(box, GetParam(), okOnly(), {help()});
    }
    // A folder with the file's name: the system's reason (EISDIR) has no plainer words.
    ASSERT_TRUE(QDir().mkpath(help()));
    const ShownBox box = boxOfHelp();
    EXPECT_EQ(box.text, captions.text(u"aide_impossible").arg(captions.text(u"ecriture_erreur")));
    EXPECT_THAT(box.detail.toStdString(), HasSubstr(systemLine().toStdString()));
    expectSaidInTheLanguage(box, GetParam(), okOnly(), {help()});
}

TEST_P(FlowFaultMessages, aProgressReportThatCannotBeWrittenSaysWhy) {
    flow->goOn();
    flow->openProgress();
    ASSERT_TRUE(flow->progress());
    const testing::FileSizeLimit limit(16 * 1024);
    ASSERT_TRUE(limit.active());
    const ShownBox box = boxOf([&] { emit flow->progress()->reportRequested(); });
    EXPECT_EQ(box.text,
              captions.text(u"progres_rapport_impossible").arg(captions.text(u"disque_plein")));
    ASSERT_TRUE(box.detail.contains(QStringLiteral("progres-"))) << box.detail.toStdString();
    const QString report = box.detail.mid(box.detail.indexOf(QDir::toNativeSeparators(dir.path())));
    expectSaidInTheLanguage(box, GetParam(), okOnly(), {report});
}

TEST_P(FlowFaultMessages, aLanguageChoiceThatCannotBeWrittenSaysWhy) {
    const QString file = data->file(QString::fromLatin1(i18n::kLanguageFileName));
    ASSERT_TRUE(QFile::remove(file));
    ASSERT_TRUE(QDir().mkpath(file));
    const ShownBox box = boxOf([&] { flow->playerChoice()->chooseLanguage(GetParam()); });
    EXPECT_EQ(box.text,
              captions.text(u"langue_non_enregistree").arg(captions.text(u"ecriture_erreur")));
    EXPECT_THAT(box.detail.toStdString(), HasSubstr(systemLine().toStdString()));
    expectSaidInTheLanguage(box, GetParam(), okOnly(), {file});
}

// A high-score table that cannot be read or written: the reason is a sentence of its own, the
// system's words in the detail line.
TEST_P(FaultMessages, aHighScoreTableThatCannotBeReadOrWrittenSaysWhy) {
    const auto data = app::DataDirectory::open(dir.path());
    ASSERT_TRUE(data);
    const QString shown = QStringLiteral("Score1.kdt");
    const QString table = data->file(shown);
    const SteadyClock clock;
    const auto boxOfTable = [&] {
        return boxOf([&] {
            play::HighScoreWindow window(*data, QStringLiteral("score1"), captions,
                                         QStringLiteral("1"), clock);
            window.load();
        });
    };
    ShownBox box;
    {
        // The table's first use, on a disk that takes nothing more.
        const testing::FileSizeLimit limit(16);
        ASSERT_TRUE(limit.active());
        box = boxOfTable();
    }
    EXPECT_EQ(
        box.text,
        captions.text(u"score_ecriture_impossible").arg(shown, captions.text(u"disque_plein")));
    expectSaidInTheLanguage(box, GetParam(), okOnly(), {table});
    EXPECT_FALSE(QFileInfo::exists(table));

    // A folder with the table's name cannot be read as a table.
    ASSERT_TRUE(QDir().mkpath(table));
    box = boxOfTable();
    EXPECT_EQ(box.text,
              captions.text(u"score_illisible").arg(shown, captions.text(u"lecture_dossier")));
    expectSaidInTheLanguage(box, GetParam(), okOnly(), {table});
}

// The school's high scores on a server that does not answer: the table shows the default
// entries and the score entered, and both boxes say why in the interface language.
TEST_P(FaultMessages, aSchoolsHighScoresOnAServerThatDoesNotAnswerAreToldInTheLanguage) {
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
        GTEST_SKIP() << "Qt's PostgreSQL driver (QPSQL) is not installed";
    }
    QTcpServer closed; // a port that was free, and is free again once this closes
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    app::ServerAddress server;
    server.host = QStringLiteral("127.0.0.1");
    server.port = closed.serverPort();
    server.user = QStringLiteral("classe");
    closed.close();
    app::ServerScores scores(server, 200);
    const SteadyClock clock;
    QStringList items;
    std::vector<ShownBox> boxes;
    {
        const BoxWatcher watcher;
        play::HighScoreWindow window(scores, QStringLiteral("score2"), captions,
                                     QStringLiteral("1"), clock);
        // The server's answers come on the window's events.
        const auto answered = [&window] {
            QDeadlineTimer deadline(30000);
            while (window.waiting() && !deadline.hasExpired()) {
                QTest::qWait(5);
            }
            return !window.waiting();
        };
        window.load();
        ASSERT_TRUE(answered());
        ASSERT_EQ(window.items().size(), 30);
        EXPECT_TRUE(window.items()[0].startsWith(QStringLiteral("1. *****************")));
        window.enter(QStringLiteral("Léa :"), QStringLiteral("40"));
        ASSERT_TRUE(answered());
        items = window.items();
        boxes = watcher.boxes();
    }
    ASSERT_EQ(boxes.size(), 2u);
    const QString reason = captions.text(u"raison_serveur_injoignable");
    EXPECT_EQ(boxes[0].text, captions.text(u"score_serveur_illisible").arg(reason));
    expectSaidInTheLanguage(boxes[0], GetParam(), okOnly(), {server.shown()});
    EXPECT_EQ(boxes[1].text, captions.text(u"score_serveur_non_enregistre").arg(reason));
    expectSaidInTheLanguage(boxes[1], GetParam(), okOnly(), {server.shown()});
    EXPECT_TRUE(items[0].startsWith(QStringLiteral("1. Léa :"))) << "shown all the same";
}

// Game-pads that cannot be read say so in the pad list, the system's words in its tooltip.
TEST_P(FaultMessages, gamePadsThatCannotBeReadSaySoInTheList) {
    QWidget form;
    play::PadControls controls{nullptr,
                               new QRadioButton(&form),
                               new QRadioButton(&form),
                               new QListWidget(&form),
                               new QLabel(&form),
                               new QListWidget(&form),
                               new QListWidget(&form),
                               new QListWidget(&form)};
    const QString sdl = QStringLiteral("No joystick subsystem: the device is busy");
    const play::PadSlot slot(nullptr, sdl, 0, controls, captions, {});
    ASSERT_EQ(controls.devices->count(), 1);
    const QListWidgetItem* item = controls.devices->item(0);
    EXPECT_EQ(item->text(), captions.text(u"manettes_impossibles"));
    EXPECT_EQ(item->toolTip(), captions.text(u"detail_systeme").arg(sdl));
    if (GetParam() != i18n::Language::Anglais) {
        EXPECT_THAT(testing::englishWordsIn(item->text()), ::testing::IsEmpty());
    }
}

// A pad SDL gives no name is listed by its place, in the interface language; named pads keep
// SDL's names.
TEST_P(FaultMessages, aPadWithoutANameIsNumberedInTheList) {
    const QStringList lines = play::padListLines(
        {QStringLiteral("Logitech Dual Action"), QString(), QString()}, captions);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], QStringLiteral("Logitech Dual Action"));
    EXPECT_EQ(lines[1], captions.text(u"manette_numero").arg(2));
    EXPECT_EQ(lines[2], captions.text(u"manette_numero").arg(3));
    EXPECT_TRUE(lines[2].endsWith(QLatin1String(" 3"))) << lines[2].toStdString();
    const QString pads = captions.text(u"page_manettes");
    EXPECT_TRUE(lines[1].startsWith(pads.left(pads.size() - 1), Qt::CaseInsensitive))
        << "the pads page calls them " << pads.toStdString() << ", the list "
        << lines[1].toStdString();
    if (GetParam() != i18n::Language::Anglais) {
        EXPECT_THAT(testing::englishWordsIn(lines[1]), ::testing::IsEmpty());
        EXPECT_FALSE(lines[1].contains(QLatin1String("Game-pad")));
    }
}

const auto kLanguages =
    ::testing::Values(i18n::Language::Francais, i18n::Language::Anglais, i18n::Language::Espagnol,
                      i18n::Language::Portugais, i18n::Language::Italien, i18n::Language::Allemand);
std::string languageName(const ::testing::TestParamInfo<i18n::Language>& info) {
    return i18n::languageInfo(info.param).code;
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, FaultMessages, kLanguages, languageName);
INSTANTIATE_TEST_SUITE_P(EveryLanguage, FlowFaultMessages, kLanguages, languageName);

} // namespace
} // namespace pulsadrome
