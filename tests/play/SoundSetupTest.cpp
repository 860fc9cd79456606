// SPDX-License-Identifier: GPL-3.0-or-later
// What the program tells about how its sound was set up: a music style in the current folder that
// cannot be used is told once in the whole run, a stored instrument outside the band list is told
// as what it is, and the tour never waits on any of it.
#include "ProgramStart.h"
#include "level/LevelBench.h"

#include "app/Tour.h"
#include "play/level/LevelWindow.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>

#include <gmock/gmock.h>

using namespace pulsadrome;
using namespace pulsadrome::play;
using pulsadrome::play::testing::RecordingRhythm;

namespace {

TEST(MessageBoxAnswerer, answersEveryBoxWithItsEscapeButtonAndKeepsItsText) {
    const app::MessageBoxAnswerer answerer;
    EXPECT_EQ(QMessageBox::warning(nullptr, "Pulsadrome", "one"), QMessageBox::Ok);
    EXPECT_EQ(QMessageBox::question(nullptr, "Pulsadrome", "two"), QMessageBox::No);
    EXPECT_EQ(QMessageBox::warning(nullptr, "Pulsadrome", "three",
                                   QMessageBox::Retry | QMessageBox::Cancel),
              QMessageBox::Cancel);
    EXPECT_EQ(answerer.answered(), QStringList({"one", "two", "three"}));
}

class SoundSetupTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        data = app::DataDirectory::open(dir.path());
        ASSERT_TRUE(data.has_value());
    }

    // The program at its menu; every sound it makes says `notice` about its set-up.
    void startWith(const QString& notice, const QString& instrument = QStringLiteral("23")) {
        flow = pulsadrome::play::testing::startAtMenu(
            *data, [this, notice](const i18n::CaptionTable&, QString*) {
                auto sound = std::make_unique<RecordingRhythm>();
                sound->notice = notice;
                ++made;
                return std::unique_ptr<RhythmPort>(std::move(sound));
            });
        ASSERT_NE(flow, nullptr);
        flow->players().current().instruments = instrument;
    }

    QTemporaryDir dir;
    std::optional<app::DataDirectory> data;
    std::unique_ptr<app::ProgramFlow> flow;
    int made = 0;
};

TEST_F(SoundSetupTest, aStyleNoticeIsToldOnceThoughEveryScreenMakesASound) {
    startWith(QStringLiteral("Le style de musique rythme.sty est abîmé (ligne 2)."));
    const app::MessageBoxAnswerer answerer;
    flow->menu()->label("Label_1a")->clicked();
    flow->level()->close();
    flow->menu()->label("Label15a")->clicked();
    flow->game()->close();
    flow->openListening();
    EXPECT_EQ(made, 3);
    EXPECT_EQ(answerer.answered(),
              QStringList{QStringLiteral("Le style de musique rythme.sty est abîmé (ligne 2).")});
    flow->quit();
}

TEST_F(SoundSetupTest, aWrongStoredInstrumentIsToldAsSuchOnTheLevelAndGamesScreens) {
    startWith(QString(), QStringLiteral("9999"));
    const app::MessageBoxAnswerer answerer;
    flow->menu()->label("Label_1a")->clicked();
    flow->level()->close();
    flow->menu()->label("Label15a")->clicked();
    flow->game()->close();
    ASSERT_EQ(answerer.answered().size(), 2);
    for (const QString& text : answerer.answered()) {
        EXPECT_EQ(text, flow->captions().text(u"instrument_remplace").arg("9999", "44", "band 23"));
    }
    EXPECT_EQ(flow->level()->run().options().bandPosition(), 23);
    flow->quit();
}

// The real program's tour in a folder whose rythme.sty is empty: it goes through every screen
// without waiting, and the notice it answered is on stderr.
TEST(ProgramTour, anEmptyStyleInTheCurrentFolderNeverStopsTheTour) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile style(folder.filePath(QStringLiteral("rythme.sty")));
    ASSERT_TRUE(style.open(QIODevice::WriteOnly));
    style.close();
    QProcess program;
    program.setWorkingDirectory(folder.path());
    program.start(QStringLiteral(PULSADROME_PROGRAM),
                  {QStringLiteral("--tour"), folder.filePath(QStringLiteral("pictures"))});
    ASSERT_TRUE(program.waitForStarted(10000));
    const bool ended = program.waitForFinished(240000);
    if (!ended) {
        program.kill();
        program.waitForFinished(5000);
    }
    const std::string errors = QString::fromLocal8Bit(program.readAllStandardError()).toStdString();
    ASSERT_TRUE(ended) << "the tour waited: " << errors;
    EXPECT_EQ(program.exitCode(), 0) << errors;
    EXPECT_THAT(errors, ::testing::HasSubstr("Message: "));
    EXPECT_THAT(errors, ::testing::HasSubstr(style.fileName().toStdString()));
    EXPECT_TRUE(QFile::exists(folder.filePath(QStringLiteral("pictures/06-menu.png"))));
}

} // namespace
