// SPDX-License-Identifier: GPL-3.0-or-later
// The program as a child hears it: its windows on the real music service and sound engine,
// played through SDL's disk audio driver into a file, which is then listened to.
#include "app/ProgramFlow.h"
#include "sound/MusicService.h"
#include "sound/OfflineRender.h"
#include "sound/RhythmEngine.h"

#include "catalogue/RhythmCatalogue.h"

#include "ui/ClickLabel.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gmock/gmock.h>

#include <cstring>

using namespace pulsadrome;
using namespace pulsadrome::app;

namespace {

// What the output device received: 32-bit float stereo at the service's rate.
std::vector<float> readRecording(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << path.toStdString() << ": " << file.errorString().toStdString();
        return {};
    }
    const QByteArray bytes = file.readAll();
    std::vector<float> samples(static_cast<std::size_t>(bytes.size()) / sizeof(float));
    std::memcpy(samples.data(), bytes.constData(), samples.size() * sizeof(float));
    return samples;
}

TEST(ListeningOutput, aNewPlayersGroupOneSoundsAtTheTempoItsBoxShows) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString recording = dir.filePath(QStringLiteral("output.raw"));
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(recording));
    int shown = 0; // the tempo box's value
    {
        // The program's own sound: the best bank installed, a real output device.
        sound::MusicService music({QString(), true, 256});
        music.start();
        ASSERT_TRUE(music.waitUntilReady(20000)) << music.problem().toStdString();
        auto data = DataDirectory::open(dir.filePath(QStringLiteral("data")));
        ASSERT_TRUE(data.has_value());
        ProgramFlow flow(*data,
                         [&music](const i18n::CaptionTable& captions,
                                  QString* why) -> std::unique_ptr<play::RhythmPort> {
                             auto engine = std::make_unique<sound::RhythmEngine>(music, captions);
                             if (!engine->Initialise(QDir::currentPath(), true, why)) {
                                 return nullptr;
                             }
                             return engine;
                         });
        ASSERT_TRUE(flow.openPlayers());
        flow.showPlayerChoice();

        // A new player, then the menu's listening label.
        QTest::mouseClick(flow.playerChoice()->findChild<QPushButton*>("Command_nouveau"),
                          Qt::LeftButton);
        ASSERT_NE(flow.newPlayer(), nullptr);
        flow.newPlayer()->nameBox()->setText(QStringLiteral("Léa"));
        flow.newPlayer()->Command_save_Click();
        QApplication::processEvents();
        const int row = flow.playerChoice()->list()->findText(QStringLiteral("Léa"));
        ASSERT_GE(row, 0);
        flow.playerChoice()->pickName(row);
        flow.playerChoice()->Label_jouer_Click();
        ASSERT_NE(flow.menu(), nullptr);
        QTest::mouseClick(flow.menu()->label("Image_ecoute"), Qt::LeftButton);
        auto* listening = flow.listening();
        ASSERT_NE(listening, nullptr);
        const auto* box = listening->findChild<QLineEdit*>(QStringLiteral("EDIT_Tempo"));
        ASSERT_NE(box, nullptr);
        shown = box->text().toInt();
        EXPECT_EQ(shown, 100);

        // Group 1's first picture, heard to its end.
        QTest::qWait(300);
        QTest::mouseClick(listening->findChild<QWidget*>(QStringLiteral("Image1")), Qt::LeftButton);
        const auto& rhythm = catalogue::rhythmCatalogue().find(1)->rhythm;
        const int beats = (rhythm.barTicks() + rhythm.totalTicks()) / rhythm.meter.beatTicks();
        QTest::qWait(static_cast<int>(beats * 60000.0 / shown) + 700);
    } // the device closes and its file is complete

    const auto heard = sound::testing::detectOnsets(readRecording(recording));
    // Rhythm 1: four crotchets after a bar of count-in, a sound on every beat of the box's tempo.
    ASSERT_EQ(heard.size(), 8u);
    ASSERT_GT(shown, 0);
    for (std::size_t i = 1; i < heard.size(); ++i) {
        EXPECT_NEAR(heard[i] - heard[i - 1], 60.0 / shown, 0.003) << "beat " << i + 1;
    }
}

} // namespace
