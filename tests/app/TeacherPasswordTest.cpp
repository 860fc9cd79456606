// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's password file: chosen once and typed twice, kept hashed and for its owner alone,
// checked exactly; a damaged or unreadable file is told apart, set aside as it was, and never
// touches the players.
#include "app/TeacherPassword.h"
#include "app/PasswordHash.h"
#include "app/PlayerStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gmock/gmock.h>

#include <sys/stat.h>

using namespace pulsadrome;
using namespace pulsadrome::app;
using Refusal = TeacherPassword::Refusal;
using State = TeacherPassword::State;

namespace {

class TeacherPasswordFile : public ::testing::Test {
protected:
    void SetUp() override {
        data = DataDirectory::open(dir.path());
        ASSERT_TRUE(data);
    }
    QByteArray bytesOf(const QString& path) const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    }
    void put(const QByteArray& bytes) const {
        QFile file(data->file(TeacherPassword::fileName()));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    QTemporaryDir dir;
    std::optional<DataDirectory> data;
};

TEST_F(TeacherPasswordFile, isChosenOnceTypedTwiceAndCheckedExactly) {
    TeacherPassword password(*data);
    EXPECT_EQ(password.state(), State::NotSet);
    // The refusals leave no file behind.
    EXPECT_EQ(password.choose("", ""), Refusal::Empty);
    EXPECT_EQ(password.choose("Sol-La", "Sol-la"), Refusal::Different);
    EXPECT_EQ(password.choose("Sol-La", ""), Refusal::Different);
    EXPECT_FALSE(QFile::exists(password.file()));
    EXPECT_EQ(password.check("Sol-La"), Refusal::Wrong);

    // Even where new files would be readable by all, this one is its owner's alone.
    const mode_t before = ::umask(0);
    const Refusal chosen = password.choose("Sol-La", "Sol-La");
    ::umask(before);
    ASSERT_EQ(chosen, Refusal::None);
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(password.file()).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    const QByteArray kept = bytesOf(password.file());
    EXPECT_TRUE(kept.startsWith("$argon2id$")) << kept.constData();
    EXPECT_FALSE(kept.contains("Sol-La"));
    EXPECT_TRUE(isCheckablePasswordHash(QString::fromLatin1(kept.trimmed())));
    // No temporary is left beside it.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);

    TeacherPassword later(*data);
    EXPECT_EQ(later.state(), State::Set);
    EXPECT_EQ(later.check("Sol-La"), Refusal::None);
    EXPECT_EQ(later.check("sol-la"), Refusal::Wrong);
    EXPECT_EQ(later.check("Sol-La "), Refusal::Wrong);
    EXPECT_EQ(later.check(""), Refusal::Empty);
    // Set once: a second choice changes nothing.
    EXPECT_EQ(later.choose("Do", "Do"), Refusal::AlreadySet);
    EXPECT_EQ(bytesOf(password.file()), kept);
}

TEST_F(TeacherPasswordFile, aDamagedFileIsSetAsideAsItWasAndThePlayersAreNotTouched) {
    PlayerStore store(*data);
    ASSERT_TRUE(store.open());
    const auto lina = store.add(newPlayerRecord("Lina"));
    ASSERT_TRUE(lina);
    const QByteArray damaged[] = {
        "",
        "Sol-La\n",
        "$argon2id$v=19$m=19456,t=2,p=1$c2FsdA$aGFzaA\n$argon2id$v=19$m=19456,t=2,p=1$c2FsdA$"
        "aGFzaA\n",
        "$argon2id$v=19$m=99999999,t=2,p=1$c2FsdA$aGFzaA\n", // a cost that would take hours
        " $argon2id$v=19$m=19456,t=2,p=1$c2FsdA$aGFzaA",
        QByteArray(600, 'a'),
        QByteArray("\x00\xff\xfe", 3),
    };
    for (const QByteArray& bytes : damaged) {
        put(bytes);
        TeacherPassword password(*data);
        EXPECT_EQ(password.state(), State::Damaged) << bytes.constData();
        EXPECT_EQ(password.check("Sol-La"), Refusal::Wrong);
        EXPECT_EQ(password.choose("Do", "Do"), Refusal::AlreadySet);
        const QString aside = password.setAside();
        ASSERT_FALSE(aside.isEmpty());
        EXPECT_THAT(aside.toStdString(), ::testing::HasSubstr("teacher.pwd.damaged-"));
        EXPECT_EQ(bytesOf(aside), bytes);
        EXPECT_EQ(password.state(), State::NotSet);
        ASSERT_TRUE(QFile::remove(aside));
    }
    // A new password can be chosen then, and the players are as they were.
    TeacherPassword password(*data);
    EXPECT_EQ(password.choose("Do", "Do"), Refusal::None);
    const auto players = store.players();
    ASSERT_TRUE(players);
    ASSERT_EQ(players->size(), 1u);
    EXPECT_EQ(store.read(*lina)->nom, QLatin1String("Lina"));
}

TEST_F(TeacherPasswordFile, aFolderInItsPlaceIsUnreadableAndLeftAlone) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(TeacherPassword::fileName()));
    TeacherPassword password(*data);
    EXPECT_EQ(password.state(), State::Unreadable);
    EXPECT_EQ(password.readProblem().problem, ReadProblem::IsAFolder);
    EXPECT_EQ(password.choose("Do", "Do"), Refusal::AlreadySet);
    EXPECT_EQ(password.check("Do"), Refusal::Wrong);
    EXPECT_TRUE(QFileInfo(password.file()).isDir());
}

TEST_F(TeacherPasswordFile, anOlderFileReadableByOthersIsKeptForItsOwnerFromItsFirstRead) {
    put(hashPassword("Sol-La")->toLatin1());
    const QString path = data->file(TeacherPassword::fileName());
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0644), 0);
    TeacherPassword password(*data);
    EXPECT_EQ(password.state(), State::Set);
    EXPECT_EQ(password.check("Sol-La"), Refusal::None);
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

} // namespace
