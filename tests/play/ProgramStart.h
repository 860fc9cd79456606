// SPDX-License-Identifier: GPL-3.0-or-later
// The whole program without a display, up to its menu: a player "Zoé" added to the data
// directory's player file, chosen, and the menu shown.
#pragma once

#include "app/ProgramFlow.h"
#include "level/LevelBench.h"
#include "support/ManualClock.h"
#include "ui/ClickLabel.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

namespace pulsadrome::play::testing {

// Null (and the test failed) when a step does not go through.
std::unique_ptr<app::ProgramFlow> startAtMenu(const app::DataDirectory& data,
                                              app::ProgramFlow::SoundMaker makeSound);

// A test of the program at its menu, in a data directory of its own, with a recording engine and
// a clock of the test's.
class ProgramAtMenuTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    ui::ClickLabel* menuLabel(const char* name) const {
        return flow->menu()->label(QString::fromLatin1(name));
    }

    pulsadrome::testing::ManualClock clock;
    QTemporaryDir dir;
    std::optional<app::DataDirectory> data;
    std::unique_ptr<app::ProgramFlow> flow;
    RecordingRhythm* sound = nullptr;   // the sound made last
    std::vector<RecordingRhythm*> made; // every sound made, in order, while its screen lives
};

} // namespace pulsadrome::play::testing
