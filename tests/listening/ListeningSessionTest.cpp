// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListeningBench.h"

#include "listening/ListeningGroups.h"
#include "listening/ListeningSession.h"

#include <gtest/gtest.h>

namespace pulsadrome::listening {
namespace {

using testing::MemoryPlayers;
using testing::RecordingRhythm;

TEST(ListeningGroups, CoverEveryRhythmOnceInTheirSections) {
    int next = 0;
    for (int g = 1; g <= kGroupCount; ++g) {
        const ListeningGroup& group = listeningGroup(g);
        EXPECT_EQ(group.start, next) << "group " << g;
        const int expected = g == 14 ? 17 : (g == 18 || g == 22) ? 15 : kPlaceCount;
        EXPECT_EQ(group.count, expected) << "group " << g;
        EXPECT_EQ(shownPictures(g).size(), expected);
        next += group.count;
    }
    EXPECT_EQ(next, 560);
    EXPECT_EQ(listeningGroup(14).numberInSection, 14);
    EXPECT_EQ(listeningGroup(15).numberInSection, 1);
    EXPECT_EQ(listeningGroup(15).start, 368);
    EXPECT_EQ(listeningGroup(18).numberInSection, 4);
    EXPECT_EQ(listeningGroup(19).numberInSection, 1);
    EXPECT_EQ(listeningGroup(19).start, 464);
    EXPECT_EQ(listeningGroup(14).beat, play::TempoGroup::Crotchet);
    EXPECT_EQ(listeningGroup(15).beat, play::TempoGroup::DottedCrotchet);
    EXPECT_EQ(listeningGroup(18).beat, play::TempoGroup::DottedCrotchet);
    EXPECT_EQ(listeningGroup(19).beat, play::TempoGroup::Minim);
}

TEST(ListeningGroups, PlaceShowsPictureHundredAboveItsRhythm) {
    EXPECT_EQ(shownPictures(1).front(), 101);
    EXPECT_EQ(shownPictures(14).back(), 468);
    EXPECT_EQ(shownPictures(22).front(), 646);
    EXPECT_EQ(shownPictures(22).back(), 660);
    EXPECT_EQ(motifAt(22, 1), 545);
    EXPECT_EQ(motifAt(1, 27), 26);
    EXPECT_EQ(motifAt(16, 3), 397);
}

class ListeningSessionTest : public ::testing::Test {
protected:
    void load(const QString& volume = "50", const QString& tempo = "100",
              const QString& band = "1") {
        players.record.volume = volume;
        players.record.tempo = tempo;
        players.record.instruments = band;
        session.load();
        sound.calls.clear();
    }

    RecordingRhythm sound;
    MemoryPlayers players;
    ListeningSession session{sound, players};
};

TEST_F(ListeningSessionTest, LoadAppliesStoredSettingsAndStartsAtGroupOne) {
    players.record.volume = "80";
    players.record.tempo = "120";
    players.record.instruments = "2";
    session.load();
    EXPECT_EQ(sound.calls,
              QStringList({"ChangeVolume 80", "SetTempo 120", "SelectBand Orchestre"}));
    EXPECT_EQ(session.group(), 1);
    EXPECT_EQ(session.bandPosition(), 2);
    EXPECT_FALSE(session.soundUnavailable());

    // Settings equal to the arrows' starting values are still sent: the engine starts at its
    // own tempo of 120 and must play at the 100 the box shows. The boxes keep the stored texts.
    // A stored band beyond the list's four plays the default band, the list's first here.
    RecordingRhythm other;
    ASSERT_EQ(other.tempo, 120);
    MemoryPlayers same;
    same.record.volume = "050";
    same.record.tempo = "100";
    same.record.instruments = "9";
    ListeningSession again(other, same);
    again.load();
    EXPECT_EQ(other.tempo, 100);
    EXPECT_EQ(other.calls, QStringList({"ChangeVolume 50", "SetTempo 100", "SelectBand Jazz"}));
    EXPECT_EQ(again.volume().text, "050");
    EXPECT_EQ(again.volume().value, 50);
    EXPECT_EQ(again.bandPosition(), 0);
}

TEST_F(ListeningSessionTest, TempoIsScaledForTheSectionOfTheGroup) {
    load();
    session.setTempoArrows(101);
    session.chooseGroup(15);
    session.setTempoArrows(101);
    session.chooseGroup(22);
    session.setTempoArrows(101);
    EXPECT_EQ(sound.callsOf("SetTempo"),
              QStringList({"SetTempo 101", "SetTempo 152", "SetTempo 202"}));
    session.setTempoArrows(103);
    session.chooseGroup(16);
    session.setTempoArrows(103);
    EXPECT_EQ(sound.callsOf("SetTempo").back(), "SetTempo 154");
}

TEST_F(ListeningSessionTest, GroupChangeSilencesThenRepeatsTheTempoTwentyTimes) {
    load();
    session.setTempoArrows(120);
    session.setTempoText("7"); // typed, not confirmed: the repeat shows the arrows' value again
    sound.calls.clear();
    session.chooseGroup(20);
    EXPECT_EQ(sound.calls, QStringList({"StopAll"}));
    EXPECT_TRUE(session.repeating());
    for (int i = 1; i <= 19; ++i) {
        session.tick();
        EXPECT_EQ(session.ticksLeft(), 20 - i);
    }
    EXPECT_TRUE(session.repeating());
    session.tick();
    EXPECT_FALSE(session.repeating());
    EXPECT_EQ(session.ticksLeft(), 20);
    session.tick(); // a late tick after the stop sends nothing
    EXPECT_EQ(sound.callsOf("SetTempo"), QStringList(20, "SetTempo 240"));
    EXPECT_EQ(session.tempo().text, "120");

    // A new change while repeating starts the count again.
    session.chooseGroup(3);
    session.tick();
    session.chooseGroup(4);
    EXPECT_EQ(session.ticksLeft(), 20);
    EXPECT_EQ(session.group(), 4);
}

TEST_F(ListeningSessionTest, TypedTempoIsCheckedAndSentScaledThenUnscaled) {
    load();
    session.chooseGroup(15);
    for (const char* wrong : {"0", "301", "abc", "", "12.5"}) {
        session.setTempoText(wrong);
        session.confirmTempo();
        EXPECT_EQ(session.tempo().text, "100") << wrong;
        EXPECT_EQ(session.tempo().value, 100) << wrong;
    }
    EXPECT_TRUE(sound.callsOf("SetTempo").isEmpty());
    session.setTempoText("300");
    session.confirmTempo();
    EXPECT_EQ(session.tempo().value, 300);
    EXPECT_EQ(sound.callsOf("SetTempo"), QStringList({"SetTempo 450", "SetTempo 300"}));
    sound.calls.clear();
    session.setTempoText("300");
    session.confirmTempo(); // unchanged: only the unscaled sending
    EXPECT_EQ(sound.calls, QStringList({"SetTempo 300"}));
}

TEST_F(ListeningSessionTest, TypedVolumeGoesThroughTheFormulaOfHowItWasConfirmed) {
    load();
    session.setVolumeText("100");
    session.confirmVolume(false); // leaving the box
    EXPECT_EQ(sound.calls, QStringList({"ChangeVolume 100", "SetVolumeFromEdit 100"}));
    sound.calls.clear();
    session.setVolumeText("0");
    session.confirmVolume(true); // Enter
    EXPECT_EQ(sound.calls, QStringList({"ChangeVolume 0", "ChangeVolume 0"}));
    sound.calls.clear();
    for (const char* wrong : {"101", "-1", "fort"}) {
        session.setVolumeText(wrong);
        session.confirmVolume(true);
        EXPECT_EQ(session.volume().text, "0") << wrong;
    }
    EXPECT_TRUE(sound.calls.isEmpty());
    session.setVolumeArrows(101); // the arrows stop at their end
    EXPECT_EQ(session.volume().value, 100);
}

TEST_F(ListeningSessionTest, ReturnStoresTheBoxTextsButNotTheBand) {
    load("50", "100", "1");
    session.selectBand(3);
    session.setVolumeText("65");
    session.setTempoText("88"); // never confirmed, stored as typed
    session.chooseGroup(2);
    sound.calls.clear();
    EXPECT_TRUE(session.leave().ok());
    EXPECT_EQ(sound.calls, QStringList({"StopAll"}));
    EXPECT_FALSE(session.repeating());
    ASSERT_EQ(players.stored.size(), 1u);
    EXPECT_EQ(players.stored[0].volume, "65");
    EXPECT_EQ(players.stored[0].tempo, "88");
    EXPECT_EQ(players.stored[0].instruments, "1");

    players.fail = true;
    const app::StoreStatus status = session.leave();
    EXPECT_FALSE(status.ok());
    EXPECT_EQ(status.message, "disk full");
}

TEST_F(ListeningSessionTest, WithoutSoundEverythingStillWorksAndSaysSo) {
    load();
    EXPECT_FALSE(session.soundUnavailable());
    session.playPlace(5);
    EXPECT_EQ(sound.calls, QStringList({"PlayRhythm 4"}));
    EXPECT_FALSE(session.soundUnavailable());

    RecordingRhythm silent;
    silent.silent = true;
    ListeningSession mute(silent, players);
    mute.load();
    EXPECT_TRUE(mute.soundUnavailable());
    EXPECT_TRUE(mute.bands().isEmpty());
    mute.chooseGroup(19);
    mute.playPlace(2);
    EXPECT_EQ(silent.calls.back(), "PlayRhythm 465");
    EXPECT_TRUE(mute.leave().ok());
}

} // namespace
} // namespace pulsadrome::listening
