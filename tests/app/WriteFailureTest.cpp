// SPDX-License-Identifier: GPL-3.0-or-later
// Every writer meets a disk that takes no more: under a file size limit in a child process
// (anywhere, without root) and on a real full tmpfs (where mounting is allowed). The old file
// must survive whole, the failure must be told, and no temporary may be left behind.
#include "app/DataDirectory.h"
#include "app/ExportPicture.h"
#include "app/HelpDocument.h"
#include "app/InterruptedSaves.h"
#include "app/PlayerStore.h"
#include "common/AtomicFile.h"
#include "i18n/CaptionTable.h"
#include "i18n/LanguageFile.h"
#include "play/games/HighScoreFile.h"
#include "sound/WaveWriter.h"

#include "support/ChildProcess.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QTemporaryDir>

#include <gmock/gmock.h>

#include <sys/mount.h>

namespace pulsadrome {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

// One writer: the file it replaces in `folder`, and how to make it write there; the text it
// returns is what the user is told, empty when it reports success.
struct Writer {
    const char* name;
    QString (*fileIn)(const QString& folder);
    QString (*write)(const QString& folder);
    // Bytes of the file before the write; the limit lets nothing longer be written.
    QByteArray oldBytes;
};

QString languageFileIn(const QString& folder) {
    return folder + QStringLiteral("/langue.kdt");
}

const Writer kWriters[] = {
    {"atomicWriter", [](const QString& f) { return f + QStringLiteral("/any.bin"); },
     [](const QString& f) {
         const WriteOutcome outcome =
             writeFileAtomically(f + QStringLiteral("/any.bin"), QByteArray(100000, 'x'));
         return outcome.ok() ? QString() : outcome.systemText;
     },
     "the previous contents\n"},
    {"highScoreTable", [](const QString& f) { return f + QStringLiteral("/Score1.kdt"); },
     [](const QString& f) {
         std::vector<play::ScoreEntry> entries;
         for (int i = 0; i < 20; ++i) {
             entries.push_back({QStringLiteral("Camille%1").arg(i), 1000 - i});
         }
         const play::ScoreProblem problem = play::writeScoreFile(f + QStringLiteral("/Score1.kdt"),
                                                                 entries, QStringLiteral(" : "));
         return problem.none() ? QString() : play::describe(problem, i18n::CaptionTable());
     },
     "old\r\n"},
    {"languageFile", languageFileIn,
     [](const QString& f) {
         i18n::CaptionTable table;
         WriteOutcome failure;
         if (i18n::chooseLanguage(table, i18n::Language::Allemand, languageFileIn(f), &failure)) {
             return QString();
         }
         // The user reads it in the language just chosen.
         return table.text(u"langue_non_enregistree").arg(i18n::writeProblemText(table, failure));
     },
     "3\r\n"},
    {"waveExport", [](const QString& f) { return f + QStringLiteral("/rhythm.wav"); },
     [](const QString& f) {
         QString error;
         const std::vector<float> audio(20000, 0.25f);
         return sound::writeWaveFile(f + QStringLiteral("/rhythm.wav"), audio, 44100, &error)
                    ? QString()
                    : error;
     },
     "RIFF-old"},
    {"pictureExport", [](const QString& f) { return f + QStringLiteral("/rhythm.png"); },
     [](const QString& f) {
         return app::exportPicture(12, QSize(466, 114), f + QStringLiteral("/rhythm.png"),
                                   i18n::CaptionTable());
     },
     "PNG-old"},
    {"helpDocument",
     [](const QString& f) {
         return f + QLatin1Char('/') + app::helpFileName(i18n::Language::Francais);
     },
     [](const QString& f) {
         app::HelpProblem error;
         return app::writeHelpPdf(i18n::Language::Francais, f, &error).isEmpty()
                    ? app::helpProblemText(i18n::CaptionTable(), error)
                    : QString();
     },
     "%PDF-old"},
};

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

bool putFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// In the child: writer `arguments[0]` writes into folder `arguments[1]` under a limit of
// `arguments[2]` bytes, and says what the user is told.
const bool kWriteUnderALimit =
    testing::registerChildAction("writeUnderALimit", [](const QStringList& arguments) {
        for (const Writer& writer : kWriters) {
            if (arguments.value(0) == QLatin1String(writer.name)) {
                testing::limitFileSize(static_cast<rlim_t>(arguments.value(2).toLongLong()));
                return writer.write(arguments.value(1));
            }
        }
        return QStringLiteral("child: no writer %1").arg(arguments.value(0));
    });

class WriteFailure : public ::testing::TestWithParam<Writer> {
protected:
    // Checks what the writer left in `folder`, beside the files listed in `others`.
    void expectOldFileWholeAndAlone(const QString& folder, const QStringList& others = {}) {
        const Writer& writer = GetParam();
        EXPECT_EQ(contentsOf(writer.fileIn(folder)), writer.oldBytes);
        QStringList expected = others;
        expected << QFileInfo(writer.fileIn(folder)).fileName();
        expected.sort();
        QStringList found = QDir(folder).entryList(QDir::Files | QDir::Hidden);
        found.sort();
        EXPECT_EQ(found, expected) << "a temporary was left behind";
    }
};

TEST_P(WriteFailure, underAFileSizeLimitTheOldFileSurvivesWholeAndTheUserIsTold) {
    const Writer& writer = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.path();
    ASSERT_TRUE(putFile(writer.fileIn(folder), writer.oldBytes));
    // Not even room for the old file again, so none for the new one.
    const QString told =
        testing::runInChild("writeUnderALimit", {QString::fromLatin1(writer.name), folder,
                                                 QString::number(writer.oldBytes.size() - 1)});
    EXPECT_THAT(told.toStdString(), Not(HasSubstr("child:")));
    EXPECT_FALSE(told.isEmpty()) << "the writer reported success";
    expectOldFileWholeAndAlone(folder);
}

// A tmpfs of a few pages, filled to the last byte by a filler file. Mounting needs root; the
// test is skipped, and says so, where it is not allowed.
class FullDisk {
public:
    explicit FullDisk(const QString& where) : where_(where) {
        mounted_ =
            ::mount("tmpfs", QFile::encodeName(where).constData(), "tmpfs", 0, "size=256k") == 0;
    }
    ~FullDisk() {
        if (mounted_) {
            ::umount2(QFile::encodeName(where_).constData(), MNT_DETACH);
        }
    }
    bool mounted() const { return mounted_; }
    // Fills what is left, to the last byte.
    bool fill() {
        QFile filler(where_ + QStringLiteral("/filler"));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            return false;
        }
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size()) {
        }
        while (filler.write("f", 1) == 1) {
        }
        return true;
    }

private:
    QString where_;
    bool mounted_ = false;
};

TEST_P(WriteFailure, onAFullDiskTheOldFileSurvivesWholeAndTheUserIsTold) {
    const Writer& writer = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    FullDisk disk(dir.path());
    if (!disk.mounted()) {
        GTEST_SKIP() << "mounting a tmpfs is not allowed here (not root)";
    }
    const QString folder = dir.path();
    ASSERT_TRUE(putFile(writer.fileIn(folder), writer.oldBytes));
    ASSERT_TRUE(disk.fill());
    const QString told = writer.write(folder);
    EXPECT_FALSE(told.isEmpty()) << "the writer reported success";
    expectOldFileWholeAndAlone(folder, {QStringLiteral("filler")});
}

INSTANTIATE_TEST_SUITE_P(EveryWriter, WriteFailure, ::testing::ValuesIn(kWriters),
                         [](const auto& info) { return std::string(info.param.name); });

const bool kChooseGermanOnAFullDisk =
    testing::registerChildAction("chooseGermanOnAFullDisk", [](const QStringList& arguments) {
        testing::limitFileSize(1);
        i18n::CaptionTable table;
        WriteOutcome failure;
        i18n::chooseLanguage(table, i18n::Language::Allemand, languageFileIn(arguments.value(0)),
                             &failure);
        return table.text(u"langue_non_enregistree").arg(i18n::writeProblemText(table, failure));
    });

TEST(WriteFailureMessages, aFullDiskIsToldInTheLanguageChosen) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(putFile(languageFileIn(dir.path()), "3\r\n"));
    const QString told = testing::runInChild("chooseGermanOnAFullDisk", {dir.path()});
    i18n::CaptionTable german;
    german.setCurrentCode(QStringLiteral("allemand"));
    german.Command_langue_Click();
    EXPECT_EQ(told, german.text(u"langue_non_enregistree").arg(german.text(u"disque_plein")));
}

// The player store under the same limit: SQLite's journal cannot grow, the store says so and
// the stored row keeps its values.
const bool kStoreWithAJournalThatCannotGrow = testing::registerChildAction(
    "storeWithAJournalThatCannotGrow", [](const QStringList& arguments) {
        const auto directory = app::DataDirectory::open(arguments.value(0));
        if (!directory) {
            return QStringLiteral("child: no data folder");
        }
        app::PlayerStore store(*directory);
        if (const auto status = store.open(); !status) {
            return QStringLiteral("child: %1").arg(status.message);
        }
        store.current().fond = QStringLiteral("7");
        testing::limitFileSize(1024);
        const auto status = store.storeCurrent();
        return status ? QString() : status.message;
    });

TEST(WriteFailurePlayerStore, aStoreThatCannotGrowItsJournalFailsAndTheRowKeepsItsValues) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto directory = app::DataDirectory::open(dir.path());
    ASSERT_TRUE(directory);
    {
        app::PlayerStore store(*directory);
        ASSERT_TRUE(store.open());
        app::PlayerRecord record;
        record.nom = QStringLiteral("Léa");
        record.fond = QStringLiteral("1");
        ASSERT_TRUE(store.add(record));
    }
    const QString told = testing::runInChild("storeWithAJournalThatCannotGrow", {dir.path()});
    EXPECT_THAT(told.toStdString(), Not(HasSubstr("child:")));
    EXPECT_FALSE(told.isEmpty()) << "the store reported success";
    app::PlayerStore store(*directory);
    ASSERT_TRUE(store.open());
    EXPECT_EQ(store.current().fond, QStringLiteral("1"));
}

// A save killed before it completes leaves its temporary beside the file wherever the file
// system has no anonymous temporaries (a USB stick, a network share). The next start removes it,
// keeps the file as it was, and touches neither other files nor a save another copy may still
// have in progress.
TEST(InterruptedSave, theNextStartRemovesItsTemporaryAndNothingElse) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const auto data = app::DataDirectory::open(tmp.path());
    ASSERT_TRUE(data.has_value());
    const QString table = data->file(QStringLiteral("Score3.kdt"));
    ASSERT_TRUE(writeFileAtomically(table, "the table\r\n").ok());
    const QDateTime now = QDateTime::currentDateTime();
    const auto leave = [&](const QString& name, const QDateTime& written) {
        QFile file(data->file(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        EXPECT_EQ(file.write(QByteArray(5000, 'x')), 5000);
        EXPECT_TRUE(file.flush());
        EXPECT_TRUE(file.setFileTime(written, QFileDevice::FileModificationTime));
    };
    leave(QStringLiteral("Score3.kdt.a1B2c3"), now.addSecs(-3600));
    leave(QStringLiteral("unsent.json.q1W2e3"), now.addSecs(-3600));
    leave(QStringLiteral("langue.kdt.Xy12Z9"), now.addSecs(-60));
    leave(QStringLiteral("notes.txt.ABC123"), now.addSecs(-3600));
    leave(QStringLiteral("Score3.kdt.old"), now.addSecs(-3600));

    const QStringList removed = app::removeInterruptedSaves(*data, now);
    ASSERT_EQ(removed.size(), 2) << removed.join(QLatin1Char(' ')).toStdString();
    for (const char* gone : {"Score3.kdt.a1B2c3", "unsent.json.q1W2e3"}) {
        EXPECT_FALSE(QFileInfo::exists(data->file(QLatin1String(gone)))) << gone;
    }
    for (const char* kept : {"langue.kdt.Xy12Z9", "notes.txt.ABC123", "Score3.kdt.old"}) {
        EXPECT_TRUE(QFileInfo::exists(data->file(QLatin1String(kept)))) << kept;
    }
    QFile back(table);
    ASSERT_TRUE(back.open(QIODevice::ReadOnly));
    EXPECT_EQ(back.readAll(), QByteArray("the table\r\n"));

    // Ten minutes on, the recent one is no longer anyone's save in progress.
    EXPECT_EQ(app::removeInterruptedSaves(*data, now.addSecs(11 * 60)).size(), 1);
    EXPECT_FALSE(QFileInfo::exists(data->file(QStringLiteral("langue.kdt.Xy12Z9"))));
}

} // namespace
} // namespace pulsadrome
