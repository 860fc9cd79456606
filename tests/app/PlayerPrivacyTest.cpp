// SPDX-License-Identifier: GPL-3.0-or-later
// What keeps the players' names and passwords private: the files only their owner can read,
// and a password an older record kept in clear replaced by its hash alone.
#include "app/PasswordHash.h"
#include "app/PlayerStore.h"

#include "RawDatabase.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gmock/gmock.h>

#include <sys/stat.h>

using namespace pulsadrome::app;

namespace {

// The file's mode bits, as `ls -l` shows them in octal.
unsigned modeOf(const QString& path) {
    struct stat info {};
    EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0) << path.toStdString();
    return info.st_mode & 0777u;
}

// Sets no umask for the test's length: whatever mode the program asks for is the one it gets.
class NoUmask : public ::testing::Test {
protected:
    void SetUp() override { saved_ = ::umask(0); }
    void TearDown() override { ::umask(saved_); }

private:
    mode_t saved_ = 0;
};

TEST_F(NoUmask, aNewDataFolderAndDatabaseAreTheirOwnersAlone) {
    QTemporaryDir tmp;
    const auto dir = DataDirectory::open(tmp.filePath("home/pulsadrome"));
    ASSERT_TRUE(dir.has_value());
    EXPECT_EQ(modeOf(dir->path()), 0700u);

    PlayerStore store(*dir);
    ASSERT_TRUE(store.open());
    ASSERT_TRUE(store.add(newPlayerRecord("Zoé"))); // while it is open, the WAL exists
    EXPECT_EQ(modeOf(store.file()), 0600u);
    EXPECT_EQ(modeOf(store.file() + "-wal"), 0600u);
    EXPECT_EQ(modeOf(store.file() + "-shm"), 0600u);
}

TEST_F(NoUmask, anExistingFolderAndDatabaseKeepTheModeTheirOwnerGaveThem) {
    QTemporaryDir tmp;
    const QString path = tmp.filePath("shared");
    ASSERT_TRUE(QDir().mkdir(path));
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0750), 0);
    const auto dir = DataDirectory::open(path);
    ASSERT_TRUE(dir.has_value());
    EXPECT_EQ(modeOf(path), 0750u);
    {
        PlayerStore store(*dir);
        ASSERT_TRUE(store.open());
    }
    ASSERT_EQ(::chmod(QFile::encodeName(dir->file(PlayerStore::fileName())).constData(), 0640), 0);
    PlayerStore store(*dir);
    ASSERT_TRUE(store.open());
    EXPECT_EQ(modeOf(store.file()), 0640u);
}

TEST(PlayerPassword, storingItWritesThePasswordColumnAloneInTheFileAndInMemory) {
    QTemporaryDir tmp;
    const DataDirectory dir = *DataDirectory::open(tmp.path());
    PlayerStore store(dir);
    ASSERT_TRUE(store.open());
    PlayerRecord old = newPlayerRecord("Tom");
    old.password = "DoReMi"; // as a database written elsewhere keeps it
    ASSERT_TRUE(store.add(old));
    ASSERT_TRUE(store.moveTo(store.players()->front().id));
    store.current().fond = "coq"; // changed in memory, not to be stored yet

    const QString hash = *hashAfterLogin(store.current().password, "DoReMi");
    ASSERT_TRUE(store.storePassword(hash));
    EXPECT_EQ(store.current().password, hash);
    EXPECT_EQ(store.current().fond, "coq");
    RawDatabase raw(store.file());
    EXPECT_EQ(raw.value("SELECT password || '|' || fond FROM Pulsadrome"), hash + "|jaune");
    EXPECT_FALSE(raw.value("SELECT password FROM Pulsadrome").contains("DoReMi"));
    EXPECT_TRUE(passwordMatches(hash, "DoReMi"));
    EXPECT_FALSE(passwordMatches(hash, "doremi"));
}

TEST(PlayerPassword, onlyAPasswordInClearThatWasTypedRightIsHashedAfterTheLogin) {
    const QString hash = *hashPassword("DoReMi");
    EXPECT_FALSE(hashAfterLogin(hash, "DoReMi")) << "a hash already";
    EXPECT_FALSE(hashAfterLogin("", "")) << "no password";
    EXPECT_FALSE(hashAfterLogin("DoReMi", "doremi")) << "a login that did not pass";
    const auto fresh = hashAfterLogin("DoReMi", "DoReMi");
    ASSERT_TRUE(fresh);
    EXPECT_TRUE(isPasswordHash(*fresh));
    EXPECT_TRUE(passwordMatches(*fresh, "DoReMi"));
}

} // namespace
