// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/RhythmText.h"

#include <gmock/gmock.h>

#include <vector>

using namespace pulsadrome::catalogue;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;

namespace {

constexpr int Q = kTicksPerQuarter; // crotchet
constexpr int E = Q / 2;            // quaver
constexpr int S = Q / 4;            // semiquaver
constexpr int T = Q / 3;            // quaver of a quaver triplet

struct GoodLine {
    const char* text;
    std::vector<int> lengths; // ticks per written note or rest
    std::vector<int> onsets;
    int barTicks;
    int bars;
};

std::ostream& operator<<(std::ostream& os, const GoodLine& line) {
    return os << line.text;
}

class WellFormedRhythm : public ::testing::TestWithParam<GoodLine> {};

TEST_P(WellFormedRhythm, timesEveryNoteAndFindsTheOnsets) {
    const GoodLine& line = GetParam();
    const RhythmParse parsed = parseRhythm(QString::fromUtf8(line.text));
    ASSERT_TRUE(parsed.ok()) << parsed.error.message().toStdString();
    const Rhythm& rhythm = *parsed.rhythm;
    std::vector<int> lengths;
    int expectedStart = 0;
    for (const Event& event : rhythm.events) {
        EXPECT_EQ(event.start, expectedStart);
        expectedStart += event.length;
        lengths.push_back(event.length);
    }
    EXPECT_THAT(lengths, ElementsAreArray(line.lengths));
    EXPECT_THAT(rhythm.onsets(), ElementsAreArray(line.onsets));
    EXPECT_EQ(rhythm.barTicks(), line.barTicks);
    EXPECT_EQ(rhythm.bars, line.bars);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, WellFormedRhythm,
    ::testing::Values(
        GoodLine{"4/4 4 4 4 4", {Q, Q, Q, Q}, {0, Q, 2 * Q, 3 * Q}, 4 * Q, 1},
        GoodLine{"4/4 1", {4 * Q}, {0}, 4 * Q, 1},
        GoodLine{"3/4 4 8 8 r4", {Q, E, E, Q}, {0, Q, Q + E}, 3 * Q, 1},
        GoodLine{"2/4 4. 8", {Q + E, E}, {0, Q + E}, 2 * Q, 1},
        GoodLine{"2/4 8. 16 16 16 8", {E + S, S, S, S, E}, {0, E + S, Q, Q + S, Q + E}, 2 * Q, 1},
        GoodLine{"4/4 2. r4", {3 * Q, Q}, {0}, 4 * Q, 1},
        GoodLine{"2/4 r8. 16 r4", {E + S, S, Q}, {E + S}, 2 * Q, 1},
        // Ties: the continuation starts no note, glued or not.
        GoodLine{"4/4 4 2~8 8 ", {Q, 2 * Q, E, E}, {0, Q, 3 * Q + E}, 4 * Q, 1},
        GoodLine{"3/4 4~ 4 4", {Q, Q, Q}, {0, 2 * Q}, 3 * Q, 1},
        GoodLine{"2/4 8~16 16 8~8", {E, S, S, E, E}, {0, E + S, Q}, 2 * Q, 1},
        // Tuplets in the time of two, and the compound-time duplet.
        GoodLine{"2/4 3(8 8 8) 4", {T, T, T, Q}, {0, T, 2 * T, Q}, 2 * Q, 1},
        GoodLine{"2/4 3(8 r8 8) 3(8 8~ 8)", {T, T, T, T, T, T}, {0, 2 * T, Q, Q + T}, 2 * Q, 1},
        GoodLine{"2/2 3(4 4 4) 2",
                 {2 * T, 2 * T, 2 * T, 2 * Q},
                 {0, 2 * Q / 3, 4 * Q / 3, 2 * Q},
                 4 * Q,
                 1},
        GoodLine{"6/8 2(8 8) 8 8 8",
                 {3 * E / 2, 3 * E / 2, E, E, E},
                 {0, 3 * E / 2, 3 * E, 4 * E, 5 * E},
                 6 * E,
                 1},
        GoodLine{"6/8 4. r8 8 8", {3 * E, E, E, E}, {0, 4 * E, 5 * E}, 6 * E, 1},
        GoodLine{"3/2 2 1", {2 * Q, 4 * Q}, {0, 2 * Q}, 6 * Q, 1},
        GoodLine{"4/2 0", {8 * Q}, {0}, 8 * Q, 1},
        GoodLine{"3/2 1.~2 1", {6 * Q, 2 * Q, 4 * Q}, {0, 8 * Q}, 6 * Q, 2},
        // A phrase over two bars, tied across the bar line.
        GoodLine{"2/4 8 8 4~ 4 r4", {E, E, Q, Q, Q}, {0, E, Q}, 2 * Q, 2}));

TEST(RhythmText, keepsTheWrittenTokensForEngraving) {
    const RhythmParse parsed = parseRhythm(u"2/4 r8. 16 3(8 8~ 8)");
    ASSERT_TRUE(parsed.ok());
    const Rhythm& rhythm = *parsed.rhythm;
    EXPECT_EQ(rhythm.meter, (Meter{2, 4}));
    ASSERT_EQ(rhythm.events.size(), 5u);
    const Event& rest = rhythm.events[0];
    EXPECT_TRUE(rest.rest);
    EXPECT_EQ(rest.value, 8);
    EXPECT_TRUE(rest.dotted);
    EXPECT_EQ(rest.column, 5);
    EXPECT_EQ(rhythm.events[1].tuplet, -1);
    EXPECT_FALSE(rhythm.events[1].dotted);
    EXPECT_TRUE(rhythm.events[3].tied);
    EXPECT_EQ(rhythm.events[3].column, 16);
    ASSERT_EQ(rhythm.tuplets.size(), 1u);
    const Tuplet& triplet = rhythm.tuplets[0];
    EXPECT_EQ(triplet.count, 3);
    EXPECT_EQ(triplet.inTimeOf, 2);
    EXPECT_EQ(triplet.firstEvent, 2);
    EXPECT_EQ(triplet.eventCount, 3);
    for (int i = 2; i < 5; ++i) {
        EXPECT_EQ(rhythm.events[i].tuplet, 0);
    }
}

TEST(RhythmText, heldLengthRunsThroughEveryTiedNote) {
    const RhythmParse parsed = parseRhythm(u"4/4 4~8~16 16 r2");
    ASSERT_TRUE(parsed.ok());
    const auto& events = parsed.rhythm->events;
    EXPECT_EQ(events[0].heldLength, Q + E + S);
    EXPECT_EQ(events[1].heldLength, 0);
    EXPECT_EQ(events[3].heldLength, S);
    EXPECT_EQ(events[4].heldLength, 0);
}

TEST(RhythmText, beatOfEachMeterIsWhatTheCountInClicks) {
    struct Row {
        const char16_t* text;
        int beatTicks;
        int beats;
    };
    for (const Row& row : {Row{u"2/4 2", Q, 2}, Row{u"3/4 2.", Q, 3}, Row{u"6/8 2.", 3 * E, 2},
                           Row{u"2/2 1", 2 * Q, 2}, Row{u"4/2 0", 2 * Q, 4}}) {
        const RhythmParse parsed = parseRhythm(row.text);
        ASSERT_TRUE(parsed.ok());
        EXPECT_EQ(parsed.rhythm->meter.beatTicks(), row.beatTicks);
        EXPECT_EQ(parsed.rhythm->meter.beatsPerBar(), row.beats);
    }
}

struct BadLine {
    const char* text;
    int column;
    const char* token;
    const char* reason; // a part of the reason
};

std::ostream& operator<<(std::ostream& os, const BadLine& line) {
    return os << line.text;
}

class MalformedRhythm : public ::testing::TestWithParam<BadLine> {};

TEST_P(MalformedRhythm, isRefusedNamingTheTokenAndItsColumn) {
    const BadLine& line = GetParam();
    const RhythmParse parsed = parseRhythm(QString::fromUtf8(line.text));
    ASSERT_FALSE(parsed.ok());
    EXPECT_EQ(parsed.error.column, line.column);
    EXPECT_EQ(parsed.error.token, QString::fromUtf8(line.token));
    EXPECT_THAT(parsed.error.reason.toStdString(), HasSubstr(line.reason));
    EXPECT_THAT(parsed.error.message().toStdString(),
                HasSubstr("column " + std::to_string(line.column)));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, MalformedRhythm,
    ::testing::Values(BadLine{"", 1, "", "no meter"}, BadLine{"5/4 1 4", 1, "5/4", "unknown meter"},
                      BadLine{"3/4", 4, "", "no notes"},
                      BadLine{"4/4 4 4x 2", 7, "4x", "not a note or a rest"},
                      BadLine{"4/4 4 3 2.", 7, "3", "unknown note value 3"},
                      BadLine{"4/4 32 2..", 5, "32", "unknown note value"},
                      BadLine{"4/4 2.. 4", 5, "2..", "one dot at most"},
                      BadLine{"3/4 r 2", 5, "r", "a rest needs a value"},
                      BadLine{"3/4 2 x4", 7, "x4", "not a note, a rest or a tuplet"},
                      BadLine{"3/4 2 ~4", 7, "~4", "not a note, a rest or a tuplet"},
                      BadLine{"3/4 r2~4 4", 5, "r2~4", "a rest cannot be tied"},
                      BadLine{"3/4 2~r4", 5, "2~r4", "tied to a rest"},
                      BadLine{"3/4 2 4~", 7, "4~", "tied to nothing"},
                      BadLine{"2/4 5(8 8 8 8 8)", 5, "5", "unknown tuplet"},
                      BadLine{"2/4 3(8 3(8 8 8) 8)", 9, "3", "do not nest"},
                      BadLine{"2/4 3(8 8 8 4", 5, "3", "tuplet not closed"},
                      BadLine{"2/4 4 3() 4", 7, "3()", "empty tuplet"},
                      BadLine{"2/4 4 4)", 8, ")", "no tuplet to close"},
                      BadLine{"2/4 3(8 8 8)4", 13, "4", "a blank must follow"},
                      BadLine{"3/4 2 8", 8, "", "not whole 3/4 bars"},
                      BadLine{"6/8 4 4", 8, "", "1536 ticks"},
                      BadLine{"2/4 4 2 4", 7, "2", "crosses a bar line"}));

TEST(RhythmText, catalogueLineColumnsCountFromTheNumber) {
    const CatalogueLineParse good = parseCatalogueLine(u"57 3/4 4 8 8 r4");
    ASSERT_TRUE(good.ok());
    EXPECT_EQ(good.number, 57);
    EXPECT_THAT(good.rhythm->onsets(), ElementsAre(0, Q, Q + E));

    const CatalogueLineParse bad = parseCatalogueLine(u"57 3/4 4 8 8 4x");
    ASSERT_FALSE(bad.ok());
    EXPECT_EQ(bad.error.column, 14);
    EXPECT_EQ(bad.error.token, QStringLiteral("4x"));
}

// A long text must not run the times past an int: 400 000 breves would last 2 457 600 000
// ticks. Every rhythm stops at kMaxBars bars, at the first note beyond them.
TEST(RhythmText, aRhythmLastsAtMostTheLongestBarsAndIsRefusedAtTheFirstNoteBeyond) {
    const auto breves = [](int count) {
        QString text = QStringLiteral("4/2");
        for (int i = 0; i < count; ++i) {
            text += QStringLiteral(" 0");
        }
        return text;
    };
    const RhythmParse longest = parseRhythm(breves(kMaxBars));
    ASSERT_TRUE(longest.ok()) << longest.error.message().toStdString();
    EXPECT_EQ(longest.rhythm->bars, kMaxBars);
    EXPECT_EQ(longest.rhythm->events.back().start, (kMaxBars - 1) * 8 * Q);

    for (const int count : {kMaxBars + 1, 400000}) {
        const RhythmParse parsed = parseRhythm(breves(count));
        ASSERT_FALSE(parsed.ok()) << count;
        EXPECT_EQ(parsed.error.column, 3 + 2 * (kMaxBars + 1)) << count;
        EXPECT_THAT(parsed.error.message().toStdString(), HasSubstr("past 32 bars")) << count;
    }
    // A tie that holds a note through every bar is as long as its bars allow.
    QString held = QStringLiteral("2/4");
    for (int i = 0; i < kMaxBars; ++i) {
        held += QStringLiteral(" 2~");
    }
    held += QStringLiteral(" 4");
    const RhythmParse tied = parseRhythm(held);
    ASSERT_FALSE(tied.ok());
    EXPECT_EQ(tied.error.token, QStringLiteral("4"));
}

TEST(RhythmText, catalogueLineNeedsAPositiveNumberFirst) {
    for (const char16_t* line : {u"3/4 4 4 4", u"-2 3/4 2.", u"0 3/4 2.", u"+5 3/4 2.", u""}) {
        const CatalogueLineParse parsed = parseCatalogueLine(line);
        EXPECT_FALSE(parsed.ok()) << QString::fromUtf16(line).toStdString();
        EXPECT_EQ(parsed.error.reason, QStringLiteral("not a rhythm number"));
    }
}

} // namespace
