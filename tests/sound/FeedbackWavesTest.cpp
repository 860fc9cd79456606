// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped feedback sounds: the program carries the right and wrong sound of each of the
// eight sound themes, and each one reads, is 16-bit, short, clear of full scale, and starts and
// ends without a click.
#include "resources/ResourceStore.h"
#include "sound/WaveAnalysis.h"
#include "sound/WaveReader.h"

#include <gmock/gmock.h>

#include <set>
#include <string>

using namespace pulsadrome::sound;
using namespace pulsadrome::sound::testing;
using pulsadrome::resources::resourceId;
using pulsadrome::resources::ResourceModule;

namespace {

const char* const kSoundThemes[] = {"prof",       "espace", "cowboy", "voiture",
                                    "ordinateur", "cheval", "train",  "coq"};

std::vector<std::string> feedbackNames() {
    std::vector<std::string> names;
    for (const char* theme : kSoundThemes) {
        names.push_back(std::string(theme) + "_vrai");
        names.push_back(std::string(theme) + "_faux");
    }
    return names;
}

QByteArray embedded(const std::string& name) {
    return ResourceModule::program()->data(resourceId(u"dmseg"),
                                           resourceId(QString::fromStdString(name)));
}

TEST(FeedbackWaves, theProgramCarriesExactlyTheSixteenThemeSounds) {
    std::vector<std::string> names;
    for (const QString& name : ResourceModule::program()->names(resourceId(u"DMSEG"))) {
        names.push_back(name.toStdString());
    }
    EXPECT_THAT(names, ::testing::UnorderedElementsAreArray(feedbackNames()));
}

TEST(FeedbackWaves, areAllStoredInSixteenBits) {
    // No quantisation hiss in what a child hears: the reader's 8-bit and ADPCM paths are tested
    // on the tests' own files.
    for (const std::string& name : feedbackNames()) {
        const QByteArray bytes = embedded(name);
        const auto wave = decodeWave(bytesOf(bytes));
        ASSERT_TRUE(wave) << name << ": " << wave.error.toStdString();
        EXPECT_EQ(wave->format.encoding, WaveEncoding::Pcm16) << name;
    }
}

class FeedbackWave : public ::testing::TestWithParam<std::string> {};

TEST_P(FeedbackWave, isShortAudibleBelowFullScaleAndFreeOfClicksAtItsEnds) {
    const auto mix = readWave(embedded(GetParam()));
    ASSERT_TRUE(mix) << mix.error.toStdString();
    EXPECT_GE(mix->seconds(), 0.3);
    EXPECT_LE(mix->seconds(), 1.3);

    // Their loudness is held to the rhythm's by the balance tests; here, clear of full scale
    // and well above the quantisation noise.
    const float level = peak(mix->samples);
    EXPECT_LT(level, 0.95f);
    EXPECT_GT(level, 0.1f);

    // Each end fades from or to silence: no jump at the first or last frame, and the first and
    // last millisecond stay 17 dB or more below the peak.
    const std::size_t edge = kMixRate / 1000;
    const std::size_t last = mix->frameCount() - edge;
    for (int side = 0; side < kMixChannels; ++side) {
        const auto start = channel(*mix, side, 0, edge);
        const auto end = channel(*mix, side, last, edge);
        EXPECT_LT(std::abs(start.front()), 0.01f) << "channel " << side;
        EXPECT_LT(std::abs(end.back()), 0.01f) << "channel " << side;
        EXPECT_LT(peak(start), 0.1f) << "channel " << side;
        EXPECT_LT(peak(end), 0.1f) << "channel " << side;
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, FeedbackWave, ::testing::ValuesIn(feedbackNames()),
                         [](const auto& info) { return info.param; });

} // namespace
