// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/SoundFonts.h"

#include <QFileInfo>

#include <gmock/gmock.h>

using namespace pulsadrome::sound;

namespace {

TEST(SoundFonts, theInstalledGeneralMidiBankIsFoundBestFirst) {
    // The set-up installs both FluidR3_GM and TimGM6mb.
    const auto found = findDefaultSoundFont();
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(*found, defaultSoundFontCandidates().first());
    EXPECT_GT(QFileInfo(*found).size(), 1'000'000);
}

TEST(SoundFonts, libraryVersionsNameBothLibraries) {
    const QString versions = soundLibraryVersions();
    EXPECT_THAT(versions.toStdString(),
                ::testing::MatchesRegex("FluidSynth 2\\.[0-9.]+, SDL 2\\.[0-9.]+"));
}

} // namespace
