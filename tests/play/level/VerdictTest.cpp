// SPDX-License-Identifier: GPL-3.0-or-later
#include "LevelBench.h"

#include <gmock/gmock.h>

using namespace pulsadrome::play;
using namespace pulsadrome::play::testing;
using pulsadrome::app::PlayerRecord;

namespace {

struct VerdictCase {
    const char* code;
    const char* score;
    const char* progressBefore; // "main/minim/compound", the record's three fields
    const char* caption;        // expected caption key, empty for none
    const char* progressAfter;  // the three fields after the verdict
};

void PrintTo(const VerdictCase& c, std::ostream* os) {
    *os << "level " << c.code << " score " << c.score << " progress " << c.progressBefore;
}

void setProgress(PlayerRecord& record, const QString& fields) {
    const QStringList parts = fields.split('/');
    record.jeuBinaire = parts[0];
    record.jeuBinaire2 = parts[1];
    record.jeuTernaire = parts[2];
}

QString progressOf(const PlayerRecord& record) {
    return record.jeuBinaire + '/' + record.jeuBinaire2 + '/' + record.jeuTernaire;
}

class Verdicts : public ::testing::TestWithParam<VerdictCase> {};

TEST_P(Verdicts, theScoreAloneDecidesAndAPassOpensTheNextLevelOnlyOnce) {
    MemoryPlayers players;
    setProgress(players.record, GetParam().progressBefore);
    pulsadrome::catalogue::LevelLabelStates menuLevels;
    menuLevels.ApplyProgress(players.record.progress());

    const LevelVerdict verdict =
        decideVerdict(QString::fromLatin1(GetParam().code), QString::fromLatin1(GetParam().score),
                      menuLevels, players);

    EXPECT_EQ(verdict.captionKey, GetParam().caption);
    EXPECT_EQ(progressOf(players.record), GetParam().progressAfter);
    const bool written = QString(GetParam().progressBefore) != GetParam().progressAfter;
    EXPECT_EQ(players.stored.size(), written ? 1u : 0u);
    EXPECT_EQ(verdict.stored.has_value(), written);
    // The menu opens what the record now allows.
    pulsadrome::catalogue::LevelLabelStates expected;
    expected.ApplyProgress(players.record.progress());
    EXPECT_EQ(menuLevels.enabledCount(), expected.enabledCount());
}

INSTANTIATE_TEST_SUITE_P(
    Levels, Verdicts,
    ::testing::Values(VerdictCase{"5", "1000", "5/1/1", "Label_resultat2", "6/1/1"},
                      VerdictCase{"5", "999", "5/1/1", "Label_resultat1", "5/1/1"},
                      VerdictCase{"5", "1200", "9/1/1", "Label_resultat2", "9/1/1"},
                      VerdictCase{"5", "-2400", "5/1/1", "Label_resultat1", "5/1/1"},
                      VerdictCase{"1a", "1000", "1a/1/1", "Label_resultat2", "1b/1/1"},
                      VerdictCase{"1a", "1000", "1b/1/1", "Label_resultat2", "1b/1/1"},
                      VerdictCase{"1b", "1000", "1b/1/1", "Label_resultat2", "1/1/1"},
                      VerdictCase{"45", "1000", "45/1/1", "Label_resultat2", "46/1/1"},
                      VerdictCase{"46", "1000", "46/1/1", "Label_resultat4", "46/1/1"},
                      VerdictCase{"46", "-5", "46/1/1", "Label_resultat3", "46/1/1"},
                      VerdictCase{"103", "1000", "1/1/3", "Label_resultat2", "1/1/4"},
                      VerdictCase{"211", "1001", "1/11/1", "Label_resultat2", "1/12/1"},
                      VerdictCase{"101", "1000", "1/1/1", "Label_resultat2", "1/1/2"},
                      VerdictCase{"112", "1000", "1/1/12", "Label_resultat4", "1/1/12"},
                      VerdictCase{"212", "0", "1/12/1", "Label_resultat3", "1/12/1"},
                      VerdictCase{"score3", "1000", "1/1/1", "", "1/1/1"},
                      VerdictCase{"05", "1000", "5/1/1", "", "5/1/1"},
                      // A practice level says how it went and writes nothing.
                      VerdictCase{"practice1", "1000", "5/1/1", "pratique_reussie", "5/1/1"},
                      VerdictCase{"practice3", "1000", "1/1/12", "pratique_reussie", "1/1/12"},
                      VerdictCase{"practice2", "300", "1/1/1", "pratique_finie", "1/1/1"},
                      VerdictCase{"practice4", "1000", "5/1/1", "", "5/1/1"}));

TEST(LevelEnd, aWinOnTheScreenWritesTheProgressStoresItAndOpensTheNextLevel) {
    LevelBench bench([](PlayerRecord& record) {
        record.tictac = "0";
        record.jeuBinaire = "5";
    });
    bench.start("5");
    bench.run.question_Click();
    for (int i = 0; i < 10; ++i) {
        bench.answerRight();
        bench.feedbackOver();
    }
    EXPECT_FALSE(bench.menuLevels.isEnabled(u"Niveau6"));
    bench.ticks(1);
    ASSERT_EQ(bench.screen.results.size(), 1u);
    EXPECT_EQ(bench.screen.results[0].captionKey, "Label_resultat2");
    EXPECT_EQ(bench.screen.results[0].progressValue, "6");
    ASSERT_EQ(bench.players.stored.size(), 1u);
    EXPECT_EQ(bench.players.stored[0].jeuBinaire, "6");
    EXPECT_TRUE(bench.menuLevels.isEnabled(u"Niveau6"));
    EXPECT_EQ(bench.run.score(), "1000");
}

TEST(LevelEnd, aFailedStoreOfTheProgressIsReportedAndTheVerdictStillShown) {
    LevelBench bench([](PlayerRecord& record) {
        record.chrono = "1";
        record.tictac = "0";
    });
    bench.players.fail = true;
    bench.start("1a");
    bench.run.question_Click();
    for (int i = 0; i < 10; ++i) {
        bench.answerRight();
        bench.feedbackOver();
    }
    bench.ticks(1);
    ASSERT_EQ(bench.screen.results.size(), 1u);
    EXPECT_EQ(bench.screen.results[0].captionKey, "Label_resultat2");
    EXPECT_EQ(bench.screen.storeFailures.size(), 1u);
}

} // namespace
