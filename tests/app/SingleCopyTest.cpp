// SPDX-License-Identifier: GPL-3.0-or-later
// Two starts on one data folder: the second brings the first forward or is told the game is
// already open, and leaves every file of the folder as it was. The running copy lives in a
// thread of its own here, so that it answers while the second start waits for it.
#include "app/SingleCopy.h"
#include "app/DataDirectory.h"
#include "app/PlayerStore.h"
#include "i18n/CaptionTable.h"
#include "i18n/Language.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QThread>
#include <QWidget>

#include <gmock/gmock.h>

#include <atomic>
#include <map>

#include <sys/wait.h>
#include <unistd.h>

using namespace pulsadrome;
using namespace pulsadrome::app;
using ::testing::HasSubstr;

namespace {

// Every file of a folder and its bytes.
std::map<QString, QByteArray> snapshot(const QString& folder) {
    std::map<QString, QByteArray> files;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
        QFile file(folder + QLatin1Char('/') + name);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        files[name] = file.readAll();
    }
    return files;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

void useLanguage(i18n::CaptionTable& captions, i18n::Language language) {
    captions.setCurrentCode(QString::fromLatin1(i18n::languageInfo(language).code));
    captions.Command_langue_Click();
}

// A running copy: its SingleCopy started in a thread with an event loop of its own.
class RunningCopy {
public:
    explicit RunningCopy(const DataDirectory& directory) : copy_(new SingleCopy(directory)) {
        QObject::connect(
            copy_, &SingleCopy::comeForwardAsked, copy_, [this] { ++asked_; },
            Qt::DirectConnection);
        copy_->moveToThread(&thread_);
        thread_.start();
        QMetaObject::invokeMethod(
            copy_, [this] { start_ = copy_->start(); }, Qt::BlockingQueuedConnection);
    }
    ~RunningCopy() {
        QMetaObject::invokeMethod(
            copy_, [this] { delete copy_; }, Qt::BlockingQueuedConnection);
        thread_.quit();
        thread_.wait();
    }
    RunningCopy(const RunningCopy&) = delete;
    RunningCopy& operator=(const RunningCopy&) = delete;

    SingleCopy::Start start() const { return start_; }
    bool listening() const { return copy_->listening(); }
    int asked() const { return asked_; }
    const SingleCopy* signalling() const { return copy_; }

private:
    QThread thread_;
    SingleCopy* copy_;
    SingleCopy::Start start_ = SingleCopy::Start::Failed;
    std::atomic<int> asked_{0};
};

// The lock file's lines as QLockFile writes them: process, program, computer, machine, boot.
QByteArray lockLines(qint64 pid, const QString& host, const QByteArray& machine,
                     const QByteArray& boot) {
    return QByteArray::number(pid) + "\npulsadrome\n" + host.toUtf8() + '\n' + machine + '\n' +
           boot + '\n';
}

// A process number that no process has: a child's, once it has ended and been waited for.
qint64 deadProcess() {
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return pid;
}

class SingleCopyTest : public ::testing::Test {
protected:
    QTemporaryDir tmp;
    DataDirectory dir = *DataDirectory::open(tmp.path() + QStringLiteral("/data"));
    QString lockFile() const { return dir.file(SingleCopy::lockFileName()); }

    // A player database as a previous run left it, closed.
    void makePlayers() {
        PlayerStore store(dir);
        ASSERT_TRUE(store.open());
        ASSERT_TRUE(store.add(newPlayerRecord(QStringLiteral("Zoé"))));
    }
};

TEST_F(SingleCopyTest, aSecondStartOnTheFolderBringsTheRunningCopyForwardAndTouchesNoFile) {
    makePlayers();
    RunningCopy running(dir);
    ASSERT_EQ(running.start(), SingleCopy::Start::First);
    ASSERT_TRUE(running.listening());
    const auto before = snapshot(dir.path());
    ASSERT_EQ(before.count(SingleCopy::lockFileName()), 1u);

    for (int start = 1; start <= 2; ++start) {
        SingleCopy second(dir);
        EXPECT_EQ(second.start(), SingleCopy::Start::BroughtForward);
        EXPECT_EQ(running.asked(), start);
    }
    EXPECT_EQ(snapshot(dir.path()), before);

    // Another folder is another game: its first start holds it, whatever the first folder does.
    const auto other = *DataDirectory::open(tmp.path() + QStringLiteral("/other"));
    SingleCopy elsewhere(other);
    EXPECT_EQ(elsewhere.start(), SingleCopy::Start::First);
    EXPECT_NE(SingleCopy::serverName(other.path()), SingleCopy::serverName(dir.path()));
    EXPECT_EQ(running.asked(), 2);
}

TEST_F(SingleCopyTest, theFolderIsKnownByItsPlaceWhateverPathLeadsToIt) {
    const QString link = tmp.path() + QStringLiteral("/link");
    ASSERT_TRUE(QFile::link(dir.path(), link));
    EXPECT_EQ(SingleCopy::serverName(link), SingleCopy::serverName(dir.path()));
    EXPECT_EQ(SingleCopy::serverName(dir.path() + QStringLiteral("/../data")),
              SingleCopy::serverName(dir.path()));

    RunningCopy running(dir);
    ASSERT_EQ(running.start(), SingleCopy::Start::First);
    SingleCopy second(*DataDirectory::open(link));
    EXPECT_EQ(second.start(), SingleCopy::Start::BroughtForward);
    EXPECT_EQ(running.asked(), 1);
}

TEST_F(SingleCopyTest, aCopyOnThisComputerThatDoesNotAnswerIsSaidToBeOpenInTheUsersLanguage) {
    makePlayers();
    QLockFile held(lockFile()); // a copy of this computer that holds the folder but never answers
    ASSERT_TRUE(held.tryLock(0));
    const auto before = snapshot(dir.path());

    SingleCopy second(dir, 200);
    EXPECT_EQ(second.start(), SingleCopy::Start::AlreadyOpen);
    EXPECT_TRUE(second.holderIsHere());
    EXPECT_EQ(second.fault(), SingleCopy::Fault::None);
    i18n::CaptionTable captions;
    for (const auto& [language, words] :
         std::map<i18n::Language, const char*>{{i18n::Language::Francais, "déjà ouvert"},
                                               {i18n::Language::Anglais, "already open"},
                                               {i18n::Language::Espagnol, "ya está abierto"},
                                               {i18n::Language::Portugais, "já está aberto"},
                                               {i18n::Language::Italien, "già aperto"},
                                               {i18n::Language::Allemand, "schon geöffnet"}}) {
        useLanguage(captions, language);
        const QString message = second.alreadyOpenMessage(captions);
        EXPECT_THAT(message.toStdString(), HasSubstr(words));
        EXPECT_THAT(message.toStdString(), HasSubstr(dir.path().toStdString()));
    }
    EXPECT_EQ(snapshot(dir.path()), before);
}

TEST_F(SingleCopyTest, aLockTakenFromAnotherComputerIsNeverTakenOverAndTheMessageNamesIt) {
    makePlayers();
    const QByteArray foreign = lockLines(4242, QStringLiteral("salle-info-12"),
                                         "0123456789abcdef0123456789abcdef", "boot-of-that-pc");
    writeFile(lockFile(), foreign);
    const auto before = snapshot(dir.path());

    SingleCopy second(dir, 200);
    EXPECT_EQ(second.start(), SingleCopy::Start::AlreadyOpen);
    EXPECT_FALSE(second.holderIsHere());
    EXPECT_EQ(second.holderHost(), QStringLiteral("salle-info-12"));
    i18n::CaptionTable captions;
    useLanguage(captions, i18n::Language::Allemand);
    const std::string message = second.alreadyOpenMessage(captions).toStdString();
    EXPECT_THAT(message, HasSubstr("salle-info-12"));
    EXPECT_THAT(message, HasSubstr(lockFile().toStdString()));
    EXPECT_THAT(message, HasSubstr("Computer"));
    EXPECT_EQ(snapshot(dir.path()), before) << "the lock and the players are left as they were";
}

TEST_F(SingleCopyTest, aLockLeftByADeadCopyOrHalfWrittenIsTakenOver) {
    const struct {
        const char* what;
        QByteArray bytes;
    } leftovers[] = {
        {"dead copy of this computer",
         lockLines(deadProcess(), QSysInfo::machineHostName(), QSysInfo::machineUniqueId(),
                   QSysInfo::bootUniqueId())},
        {"copy of this computer before a restart",
         lockLines(::getpid(), QSysInfo::machineHostName(), QSysInfo::machineUniqueId(),
                   "an earlier boot")},
        {"empty file", ""},
        {"damaged file", "not a lock\n"},
    };
    for (const auto& leftover : leftovers) {
        SCOPED_TRACE(leftover.what);
        writeFile(lockFile(), leftover.bytes);
        {
            RunningCopy running(dir);
            EXPECT_EQ(running.start(), SingleCopy::Start::First);
            EXPECT_NE(snapshot(dir.path())[SingleCopy::lockFileName()], leftover.bytes);
            SingleCopy second(dir);
            EXPECT_EQ(second.start(), SingleCopy::Start::BroughtForward);
        }
        EXPECT_FALSE(QFile::exists(lockFile())) << "a copy that ends removes its lock";
    }
}

TEST_F(SingleCopyTest, aSocketLeftByADeadCopyIsReplaced) {
    const QString socket = QDir::tempPath() + QLatin1Char('/') + SingleCopy::serverName(dir.path());
    writeFile(socket, "left over");
    RunningCopy running(dir);
    ASSERT_EQ(running.start(), SingleCopy::Start::First);
    EXPECT_TRUE(running.listening());
    SingleCopy second(dir);
    EXPECT_EQ(second.start(), SingleCopy::Start::BroughtForward);
    EXPECT_EQ(running.asked(), 1);
}

TEST_F(SingleCopyTest, aRequestFromASecondStartRestoresTheRunningCopysWindowsAndActivatesOne) {
    QWidget backdrop;
    QWidget menu;
    QWidget hidden;
    backdrop.showFullScreen();
    menu.show();
    menu.showMinimized();
    backdrop.activateWindow();
    QApplication::processEvents();
    ASSERT_TRUE(menu.isMinimized());
    ASSERT_EQ(QApplication::activeWindow(), &backdrop);

    RunningCopy running(dir);
    ASSERT_EQ(running.start(), SingleCopy::Start::First);
    // The running copy's windows answer on the user-interface thread, as in the program.
    QObject forward;
    QObject::connect(running.signalling(), &SingleCopy::comeForwardAsked, &forward,
                     &bringWindowsForward, Qt::QueuedConnection);
    SingleCopy second(dir);
    ASSERT_EQ(second.start(), SingleCopy::Start::BroughtForward);
    QApplication::processEvents();

    EXPECT_FALSE(menu.isMinimized());
    EXPECT_TRUE(menu.isVisible());
    EXPECT_TRUE(backdrop.isFullScreen());
    EXPECT_FALSE(hidden.isVisible()) << "a hidden window stays hidden";
    EXPECT_EQ(QApplication::activeWindow(), &menu)
        << "the window in front takes the keyboard, never the backdrop";
}

// The real program started a second time on a folder.
class SecondStartOfTheProgram : public SingleCopyTest {
protected:
    QProcess program;

    void startProgram() {
        program.setProgram(QStringLiteral(PULSADROME_PROGRAM));
        program.setArguments({QStringLiteral("--data-dir"), dir.path()});
        program.setProcessChannelMode(QProcess::MergedChannels);
        program.start();
        ASSERT_TRUE(program.waitForStarted(10000)) << program.errorString().toStdString();
    }
    ~SecondStartOfTheProgram() override {
        if (program.state() != QProcess::NotRunning) {
            program.kill();
            program.waitForFinished(10000);
        }
    }
};

TEST_F(SecondStartOfTheProgram, bringsTheRunningCopyForwardAndEndsWithoutOpeningThePlayers) {
    makePlayers();
    RunningCopy running(dir);
    ASSERT_EQ(running.start(), SingleCopy::Start::First);
    const auto before = snapshot(dir.path());

    startProgram();
    ASSERT_TRUE(program.waitForFinished(30000)) << "the second start does not end";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0) << program.readAll().toStdString();
    EXPECT_EQ(running.asked(), 1);
    EXPECT_EQ(snapshot(dir.path()), before);
}

TEST_F(SecondStartOfTheProgram, saysInTheChosenLanguageThatTheGameIsOpenElsewhere) {
    makePlayers();
    writeFile(dir.file(QStringLiteral("langue.kdt")), "3\r\n"); // Spanish
    writeFile(lockFile(), lockLines(4242, QStringLiteral("salle-info-12"),
                                    "0123456789abcdef0123456789abcdef", "boot-of-that-pc"));
    const auto before = snapshot(dir.path());

    startProgram();
    // The message is written out, then shown in a box that waits for the user.
    QByteArray told;
    while (!told.contains("salle-info-12") && program.waitForReadyRead(30000)) {
        told += program.readAll();
    }
    EXPECT_THAT(QString::fromUtf8(told).toStdString(),
                HasSubstr("Pulsadrome ya está abierto con los mismos datos en el ordenador "
                          "«salle-info-12»"));
    program.kill();
    program.waitForFinished(10000);
    EXPECT_EQ(snapshot(dir.path()), before);
}

} // namespace
