// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/Style.h"

#include <gmock/gmock.h>

#include <algorithm>

using namespace pulsadrome::sound;
using ::testing::HasSubstr;

namespace {

// A style text refused at a line and column, for a reason the message names.
struct RefusedStyle {
    const char* label;
    const char* text;
    int line;
    int column;
    const char* reason; // a piece of the message
};

std::ostream& operator<<(std::ostream& os, const RefusedStyle& s) {
    return os << s.label;
}

class RefusedStyleText : public ::testing::TestWithParam<RefusedStyle> {};

TEST_P(RefusedStyleText, isRefusedAtItsLineAndColumnWithTheReason) {
    const RefusedStyle& c = GetParam();
    const StyleParse parsed = parseStyle(QString::fromUtf8(c.text));
    ASSERT_FALSE(parsed.style.has_value());
    EXPECT_EQ(parsed.errorLine, c.line) << parsed.error.toStdString();
    EXPECT_EQ(parsed.errorColumn, c.column) << parsed.error.toStdString();
    EXPECT_THAT(
        parsed.error.toStdString(),
        HasSubstr(QStringLiteral("line %1, column %2: ").arg(c.line).arg(c.column).toStdString()));
    EXPECT_THAT(parsed.error.toStdString(), HasSubstr(c.reason));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, RefusedStyleText,
    ::testing::Values(
        // A motif's name that is a piece of the keyword.
        RefusedStyle{"nameM", "band A melodic 0 60\nmotif m 2/4 2\n", 2, 7, "piece of the word"},
        RefusedStyle{"nameIf", "motif  if 2/4 2", 1, 8, "\"if\": a motif's name"},
        RefusedStyle{"nameMotif", "motif motif 2/4 2", 1, 7, "piece of the word \"motif\""},
        RefusedStyle{"nameTi", "# x\n\n  motif ti 4/4 1", 3, 9, "piece of the word"},
        // Tabs, between the words or inside the notes, and other blanks.
        RefusedStyle{"tabAfterKeyword", "motif\tm1 2/4 2", 1, 6, "a tab"},
        RefusedStyle{"tabsOnly", "motif\tm1\t2/4\t2", 1, 6, "separated by spaces only"},
        RefusedStyle{"tabInNotes", "motif a 2/4 4\t4", 1, 14, "a tab"},
        RefusedStyle{"tabInBand", "band A melodic\t0 60", 1, 15, "a tab"},
        RefusedStyle{"leadingTab", "motif a 2/4 2\n\tmotif b 2/4 2", 2, 1, "a tab"},
        RefusedStyle{"trailingTab", "band A melodic 0 60\t", 1, 20, "a tab"},
        RefusedStyle{"noBreakSpace", "motif a 2/4 4\u00a04", 1, 14, "U+00A0"},
        RefusedStyle{"controlCharacter", "motif a 2/4 4\x01 4", 1, 14, "U+0001"},
        // Rhythm errors are placed in the line, not in the notes alone.
        RefusedStyle{"badNote", "motif a  2/4 4 4x", 1, 16, "\"4x\""},
        RefusedStyle{"unfinishedBar", "motif a 2/4 4 ", 1, 14, "motif a: the notes last"},
        RefusedStyle{"unknownMeter", "motif a 5/4 4 4 4 4 4", 1, 9, "unknown meter"},
        // Line kinds and their words.
        RefusedStyle{"shortMotif", "motif a 2/4", 1, 12, "a motif is"},
        RefusedStyle{"unknownKind", "band A melodic 0 60\n  Motif a 2/4 2", 2, 3, "\"Motif\""},
        RefusedStyle{"shortBand", "band A melodic 0", 1, 17, "five words"},
        RefusedStyle{"longBand", "band A melodic 0 60 61", 1, 21, "five words"},
        RefusedStyle{"bandBalanceCut", "band A melodic 0 60 10 64", 1, 21, "or eight"},
        RefusedStyle{"bandTooLong", "band A melodic 0 60 10 64 64 1 2", 1, 32, "or nine"},
        RefusedStyle{"bandStart", "band A melodic 0 60 10 64 64 65536", 1, 30, "the start"},
        RefusedStyle{"bandStartSigned", "band A melodic 0 60 10 64 64 +5", 1, 30, "the start"},
        RefusedStyle{"bandGain", "band A melodic 0 60 201 64 64", 1, 21, "\"201\": the gain"},
        RefusedStyle{"bandAttack", "band A melodic 0 60 -20 128 64", 1, 25, "the attack"},
        RefusedStyle{"bandRelease", "band A melodic 0 60 -20 64 +1", 1, 28, "the release"},
        RefusedStyle{"bandKind", "band A drums 0 60", 1, 8, "percussion or melodic"},
        RefusedStyle{"bandGm", "band A melodic 128 60", 1, 16, "General MIDI number"},
        RefusedStyle{"bandPitch", "band A melodic 0 +60", 1, 18, "the pitch"},
        RefusedStyle{"crLfPlacesTheNextLine", "band A melodic 0 60\r\nmotif a 2/4 4x\r\n", 2, 13,
                     "\"4x\""}),
    [](const auto& info) { return std::string(info.param.label); });

// A style text that is read, and the motif it ends with.
struct ReadStyle {
    const char* label;
    const char* text;
    int bands;
    int motifs;
    const char* lastName;
    const char* lastText;
};

std::ostream& operator<<(std::ostream& os, const ReadStyle& s) {
    return os << s.label;
}

class ReadStyleText : public ::testing::TestWithParam<ReadStyle> {};

TEST_P(ReadStyleText, isReadWithItsMotifsNamesAndNotes) {
    const ReadStyle& c = GetParam();
    const StyleParse parsed = parseStyle(QString::fromUtf8(c.text));
    ASSERT_TRUE(parsed.style.has_value()) << parsed.error.toStdString();
    EXPECT_EQ(parsed.style->bands.size(), static_cast<std::size_t>(c.bands));
    ASSERT_EQ(parsed.style->motifs.size(), static_cast<std::size_t>(c.motifs));
    EXPECT_EQ(parsed.style->motifs.back().name, QString::fromUtf8(c.lastName));
    EXPECT_EQ(parsed.style->motifs.back().text, QString::fromUtf8(c.lastText));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ReadStyleText,
    ::testing::Values(
        // Names that hold the keyword or share letters with it are names like any other.
        ReadStyle{"nameHoldsKeyword", "motif motifs 2/4 2", 0, 1, "motifs", "2/4 2"},
        ReadStyle{"nameStartsLikeKeyword", "motif mo1 2/4 2", 0, 1, "mo1", "2/4 2"},
        ReadStyle{"nameIsAMeter", "motif 2/4 4/4 1", 0, 1, "2/4", "4/4 1"},
        // Spaces anywhere between, before and after the words; CR LF; tabs in comments.
        ReadStyle{"spaces", "  band  A melodic  0 60  \n motif   x1   2/4  4   4   ", 1, 1, "x1",
                  "2/4  4   4"},
        ReadStyle{"crLf", "band A melodic 0 60\r\nmotif a 2/4 2\r\nmotif b 3/4 2.\r\n", 1, 2, "b",
                  "3/4 2."},
        ReadStyle{"comments", "#\tbands\n   # motifs\t here\nmotif a 2/4 2\n    \n", 0, 1, "a",
                  "2/4 2"},
        ReadStyle{"byteOrderMark",
                  "\xef\xbb\xbf"
                  "band A melodic 0 60\nmotif a 2/4 2",
                  1, 1, "a", "2/4 2"}),
    [](const auto& info) { return std::string(info.param.label); });

// The program's own style, written out, reads back the same: its 44 bands, its 561 motifs with
// their names and notes. The new rules refuse nothing the program writes.
TEST(StyleFile, theProgramsOwnStyleWrittenOutReadsBackTheSame) {
    const Style& own = defaultStyle();
    // Some of its bands skip the start of their sample: the ninth word is written and read.
    EXPECT_TRUE(std::any_of(own.bands.begin(), own.bands.end(),
                            [](const Band& band) { return band.start > 0; }));
    const StyleParse parsed = parseStyle(styleText(own));
    ASSERT_TRUE(parsed.style.has_value()) << parsed.error.toStdString();
    EXPECT_EQ(parsed.style->bands, own.bands);
    ASSERT_EQ(parsed.style->motifs.size(), own.motifs.size());
    for (std::size_t i = 0; i < own.motifs.size(); ++i) {
        EXPECT_EQ(parsed.style->motifs[i].name, own.motifs[i].name);
        EXPECT_EQ(parsed.style->motifs[i].text, own.motifs[i].text);
        EXPECT_EQ(parsed.style->motifs[i].rhythm.events.size(), own.motifs[i].rhythm.events.size());
    }
}

} // namespace
