// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DataDirectory.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gmock/gmock.h>

using namespace pulsadrome::app;

namespace {

TEST(DataDirectory, defaultsToTheUsersDataFolder) {
    // The test environment sets XDG_DATA_HOME to a folder of its own.
    const QString expected = qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/pulsadrome");
    EXPECT_EQ(defaultDataDirectory(), expected);
    const auto dir = DataDirectory::open(QString());
    ASSERT_TRUE(dir.has_value());
    EXPECT_EQ(dir->path(), expected);
    EXPECT_TRUE(QFileInfo(expected).isDir());
}

TEST(DataDirectory, createsAMissingFolderAndNamesItsFiles) {
    QTemporaryDir tmp;
    const auto dir = DataDirectory::open(tmp.filePath(QStringLiteral("a/b/c")));
    ASSERT_TRUE(dir.has_value());
    EXPECT_TRUE(QFileInfo(dir->path()).isDir());
    EXPECT_EQ(dir->file(QStringLiteral("langue.kdt")), dir->path() + QStringLiteral("/langue.kdt"));
}

TEST(DataDirectory, aFileInTheWaySaysSoAndIsLeftAlone) {
    QTemporaryDir tmp;
    const QString path = tmp.filePath(QStringLiteral("taken"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("keep me");
    }
    DataFolderProblem problem;
    EXPECT_FALSE(DataDirectory::open(path, &problem).has_value());
    EXPECT_EQ(problem.kind, DataFolderProblem::Kind::IsAFile);
    EXPECT_EQ(problem.folder, path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("keep me"));
}

} // namespace
