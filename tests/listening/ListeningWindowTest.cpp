// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListeningBench.h"
#include "sound/OfflineRender.h"

#include "catalogue/RhythmCatalogue.h"

#include "i18n/CaptionTable.h"
#include "listening/ListeningWindow.h"
#include "listening/SilentRhythm.h"
#include "sound/RhythmEngine.h"
#include "support/Touch.h"
#include "support/TouchTargets.h"
#include "ui/ClickLabel.h"
#include "ui/Style.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gmock/gmock.h>

namespace pulsadrome::listening {
namespace {

using testing::MemoryPlayers;
using testing::RecordingRhythm;

class ListeningWindowTest : public ::testing::Test {
protected:
    ListeningWindowTest() {
        players.record.volume = "40";
        players.record.tempo = "90";
        players.record.instruments = "3";
    }

    template <typename T = QWidget> T* child(const QString& name) {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    void click(const QString& name) { QTest::mouseClick(child(name), Qt::LeftButton); }
    void open(const QString& theme = "espace") {
        window = std::make_unique<ListeningWindow>(captions, sound, players, theme);
        window->setScale(1.0);
    }
    // An image of the screen for the eye, when PULSADROME_SHOTS names a folder.
    void shoot(const QString& name) {
        const QByteArray folder = qgetenv("PULSADROME_SHOTS");
        if (!folder.isEmpty()) {
            window->grab().save(QString::fromLocal8Bit(folder) + "/" + name + ".png");
        }
    }

    i18n::CaptionTable captions;
    RecordingRhythm sound;
    MemoryPlayers players;
    std::unique_ptr<ListeningWindow> window;
};

TEST_F(ListeningWindowTest, OpensOnGroupOneWithTheStoredSettings) {
    open();
    EXPECT_EQ(child<QLineEdit>("EDIT_Volume")->text(), "40");
    EXPECT_EQ(child<QLineEdit>("EDIT_Tempo")->text(), "90");
    EXPECT_EQ(child<QListWidget>("LIST_Bands")->count(), 4);
    EXPECT_EQ(child<QListWidget>("LIST_Bands")->currentRow(), 3);
    EXPECT_TRUE(sound.calls.contains("SelectBand Percussions"));
    EXPECT_TRUE(child("Label1")->property("selected").toBool());
    EXPECT_FALSE(child("Label2")->property("selected").toBool());
    EXPECT_EQ(child<QLabel>("Label15")->text(), "1");
    EXPECT_EQ(child<QLabel>("Label22")->text(), "4");
    EXPECT_TRUE(child("Label_son")->isHidden());
    shoot("listening-group1");
}

TEST_F(ListeningWindowTest, PicturesOfEachGroupPlayTheirRhythm) {
    open();
    click("Image1");
    click("Image27");
    click("Label22");
    EXPECT_TRUE(child("Label22")->property("selected").toBool());
    EXPECT_FALSE(child("Label1")->property("selected").toBool());
    click("Image1");
    click("Image15");
    EXPECT_TRUE(child("Image16")->isHidden());
    click("Label14");
    EXPECT_FALSE(child("Image17")->isHidden());
    EXPECT_TRUE(child("Image18")->isHidden());
    click("Image17");
    click("Label16");
    EXPECT_FALSE(child("Image27")->isHidden());
    click("Image3");
    EXPECT_EQ(sound.callsOf("PlayRhythm"),
              QStringList({"PlayRhythm 0", "PlayRhythm 26", "PlayRhythm 545", "PlayRhythm 559",
                           "PlayRhythm 367", "PlayRhythm 397"}));
    EXPECT_EQ(sound.callsOf("StopAll").size(), 3);
    shoot("listening-group16");

    // Choosing a band plays through it.
    child<QListWidget>("LIST_Bands")->setCurrentRow(0);
    EXPECT_EQ(sound.calls.back(), "SelectBand Jazz");
}

TEST_F(ListeningWindowTest, GroupChangeRepeatsTheScaledTempoForTwoSeconds) {
    open();
    sound.calls.clear();
    click("Label19");
    QElapsedTimer waited;
    waited.start();
    while (sound.callsOf("SetTempo").size() < 20 && waited.elapsed() < 5000) {
        QTest::qWait(50);
    }
    EXPECT_GE(waited.elapsed(), 1900); // twenty ticks of 100 ms
    QTest::qWait(300);
    EXPECT_EQ(sound.callsOf("SetTempo"), QStringList(20, "SetTempo 180"));
    EXPECT_EQ(sound.calls.front(), "StopAll");
    EXPECT_TRUE(child<QLabel>("Label_timer")->text().isEmpty());

    // The arrows send the tempo scaled for the minim section at once, and show it.
    sound.calls.clear();
    click("UpDown_Tempo_up");
    EXPECT_EQ(sound.calls, QStringList({"SetTempo 182"}));
    EXPECT_EQ(child<QLineEdit>("EDIT_Tempo")->text(), "91");
    click("UpDown_Volume_down");
    EXPECT_EQ(sound.calls.back(), "ChangeVolume 39");
    EXPECT_EQ(child<QLineEdit>("EDIT_Volume")->text(), "39");
}

TEST_F(ListeningWindowTest, ReturnStoresWhatTheBoxesShow) {
    open();
    QSignalSpy returned(window.get(), &ListeningWindow::returned);
    auto* tempo = child<QLineEdit>("EDIT_Tempo");
    tempo->selectAll();
    QTest::keyClicks(tempo, "132"); // typed, never confirmed
    click("Image2");                // the text stays as typed
    EXPECT_EQ(tempo->text(), "132");
    auto* volume = child<QLineEdit>("EDIT_Volume");
    volume->selectAll();
    QTest::keyClicks(volume, "75");
    QTest::keyClick(volume, Qt::Key_Return);
    EXPECT_EQ(sound.calls.back(), "ChangeVolume 75");
    click("Image_cacher_options");
    EXPECT_EQ(returned.count(), 1);
    ASSERT_EQ(players.stored.size(), 1u);
    EXPECT_EQ(players.stored[0].tempo, "132");
    EXPECT_EQ(players.stored[0].volume, "75");
    EXPECT_EQ(players.stored[0].instruments, "3");
    EXPECT_EQ(sound.calls.back(), "StopAll");
    EXPECT_TRUE(window->isHidden());

    // Closing the window another way leaves it the same way.
    open();
    QSignalSpy closed(window.get(), &ListeningWindow::returned);
    window->show();
    window->close();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(players.stored.size(), 2u);
}

TEST_F(ListeningWindowTest, WithoutSoundThePicturesStayAndTheChildIsTold) {
    sound.silent = true;
    for (const char* language :
         {"francais", "anglais", "espagnol", "portugais", "italien", "allemand"}) {
        captions.setCurrentCode(language);
        captions.Command_langue_Click();
        open("cowboy");
        EXPECT_FALSE(child("Label_son")->isHidden()) << language;
        EXPECT_EQ(child<QLabel>("Label_son")->text(), captions.text(u"Label_directx"));
        EXPECT_FALSE(child<QLabel>("Label_son")->text().isEmpty());
        // The band list holds no band, only the same words, which cannot be chosen.
        auto* bands = child<QListWidget>("LIST_Bands");
        ASSERT_EQ(bands->count(), 1);
        EXPECT_TRUE(bands->item(0)->text().endsWith(captions.text(u"Label_directx")));
        EXPECT_EQ(bands->item(0)->flags(), Qt::NoItemFlags);
        shoot(QStringLiteral("listening-silent-%1").arg(language));
    }
    click("Image4");
    EXPECT_EQ(sound.calls.back(), "PlayRhythm 3");
    click("Image_cacher_options");
    EXPECT_EQ(players.stored.size(), 1u);

    // The stand-in for an engine that never started: the same screen, and the return still stores.
    SilentRhythm none;
    window = std::make_unique<ListeningWindow>(captions, none, players, "train");
    EXPECT_FALSE(child("Label_son")->isHidden());
    click("Label20");
    click("Image1");
    click("Image_cacher_options");
    EXPECT_EQ(players.stored.size(), 2u);
}

TEST_F(ListeningWindowTest, theTempoRowSaysTempoInEachLanguageAndTheWordFitsBeforeTheNote) {
    // Measured in the program's own font.
    ui::applyProgramStyle(*qApp);
    for (const char* language :
         {"francais", "anglais", "espagnol", "portugais", "italien", "allemand"}) {
        SCOPED_TRACE(language);
        captions.setCurrentCode(language);
        captions.Command_langue_Click();
        open();
        window->show();
        auto* word = child<QLabel>("Label_tempo");
        ASSERT_NE(word, nullptr);
        EXPECT_EQ(word->text(), captions.text(u"mot_tempo"));
        word->ensurePolished();
        EXPECT_LE(word->fontMetrics().horizontalAdvance(word->text()), word->contentsRect().width())
            << word->text().toStdString();
        // Word, note, "=", then the arrows and the box, left to right on one height.
        const std::vector<QWidget*> row{word,
                                        child("Image_note"),
                                        child("Label_egal"),
                                        child("UpDown_Tempo_down"),
                                        child("EDIT_Tempo"),
                                        child("UpDown_Tempo_up")};
        for (std::size_t i = 0; i + 1 < row.size(); ++i) {
            EXPECT_LE(row[i]->geometry().right(), row[i + 1]->geometry().left())
                << row[i]->objectName().toStdString() << " | "
                << row[i + 1]->objectName().toStdString();
        }
        for (QWidget* widget : row) {
            EXPECT_TRUE(widget->isVisible()) << widget->objectName().toStdString();
            EXPECT_LE(std::abs(widget->geometry().center().y() - row[1]->geometry().center().y()),
                      2)
                << widget->objectName().toStdString();
        }
        shoot(QStringLiteral("listening-tempo-%1").arg(language));
    }
}

TEST_F(ListeningWindowTest, everyControlIsAFingersSizeAt800x600InEverySection) {
    open();
    window->show();
    for (const char* group : {"Label1", "Label14", "Label18", "Label22"}) {
        click(group);
        EXPECT_THAT(pulsadrome::testing::smallTargets(window.get()), ::testing::IsEmpty()) << group;
    }
}

TEST_F(ListeningWindowTest, aChildListensWithTouchAlone) {
    using pulsadrome::testing::tap;
    open();
    window->show();
    QSignalSpy returned(window.get(), &ListeningWindow::returned);
    // The group's tempo repeats meanwhile: each check reads the last call of its own kind.
    const auto last = [this](const QString& kind) {
        const QStringList calls = sound.callsOf(kind);
        return calls.isEmpty() ? QString() : calls.last();
    };
    tap(child("Label19"));
    EXPECT_TRUE(child("Label19")->property("selected").toBool());
    // A finger on the edge of a picture's card plays it too.
    QWidget* first = child("Image1");
    tap(first, QPoint(1, first->height() - 2));
    tap(child("Image27"));
    EXPECT_EQ(sound.callsOf("PlayRhythm"), QStringList({"PlayRhythm 464", "PlayRhythm 490"}));
    tap(child("UpDown_Tempo_up"));
    tap(child("UpDown_Tempo_up"));
    EXPECT_EQ(child<QLineEdit>("EDIT_Tempo")->text(), "92");
    EXPECT_EQ(last("SetTempo"), "SetTempo 184");
    tap(child("UpDown_Volume_down"));
    EXPECT_EQ(last("ChangeVolume"), "ChangeVolume 39");

    // The band list: a row is chosen with a tap, and a tap under the scroll bar's handle shows
    // the rows below.
    auto* bands = child<QListWidget>("LIST_Bands");
    bands->scrollToTop(); // the stored band, the last, was shown at the opening
    tap(bands->viewport(), bands->visualItemRect(bands->item(0)).center());
    EXPECT_EQ(last("SelectBand"), "SelectBand Jazz");
    QScrollBar* bar = bands->verticalScrollBar();
    ASSERT_TRUE(bar->isVisible());
    tap(bar, QPoint(bar->width() / 2, bar->height() - 20));
    EXPECT_GT(bar->value(), 0);
    ASSERT_TRUE(bands->viewport()->rect().contains(bands->visualItemRect(bands->item(3)).center()));
    tap(bands->viewport(), bands->visualItemRect(bands->item(3)).center());
    EXPECT_EQ(last("SelectBand"), "SelectBand Percussions");

    tap(child("Image_cacher_options"));
    EXPECT_EQ(returned.count(), 1);
    ASSERT_EQ(players.stored.size(), 1u);
    EXPECT_EQ(players.stored[0].tempo, "92");
    EXPECT_EQ(players.stored[0].volume, "39");
}

// The real window on the real engine, heard offline: a new player's first picture plays at the
// tempo its box shows, although every performance starts at 120.
TEST(ListeningWindowSound, aNewPlayersGroupOnePlaysAtTheTempoItsBoxShows) {
    auto service = sound::testing::offlineService();
    ASSERT_TRUE(service->waitUntilReady(10000)) << service->problem().toStdString();
    i18n::CaptionTable captions;
    sound::RhythmEngine engine(*service, captions);
    ASSERT_TRUE(engine.Initialise(QStringLiteral("/nonexistent"), false));
    MemoryPlayers players; // a new player's record
    ListeningWindow window(captions, engine, players, QStringLiteral("espace"));
    auto* box = window.findChild<QLineEdit*>(QStringLiteral("EDIT_Tempo"));
    ASSERT_NE(box, nullptr);
    const int shown = box->text().toInt();
    ASSERT_EQ(shown, 100);
    sound::testing::renderSeconds(*service, 0.5); // the band chosen at load sounds first
    QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("Image1")), Qt::LeftButton);

    // Rhythm 1: crotchets in 4/4 after a bar of count-in, a sound on every beat.
    const auto& rhythm = catalogue::rhythmCatalogue().find(1)->rhythm;
    const int beats = (rhythm.barTicks() + rhythm.totalTicks()) / rhythm.meter.beatTicks();
    const double beat = 60.0 / shown;
    const auto heard =
        sound::testing::detectOnsets(sound::testing::renderSeconds(*service, beats * beat + 0.3));
    ASSERT_EQ(heard.size(), static_cast<std::size_t>(beats));
    for (int i = 1; i < beats; ++i) {
        EXPECT_NEAR(heard[static_cast<std::size_t>(i)] - heard[0], i * beat, 0.003)
            << "beat " << i + 1;
    }
}

} // namespace
} // namespace pulsadrome::listening
