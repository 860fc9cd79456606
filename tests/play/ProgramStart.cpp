// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramStart.h"

#include <QComboBox>

#include <gtest/gtest.h>

namespace pulsadrome::play::testing {

std::unique_ptr<app::ProgramFlow> startAtMenu(const app::DataDirectory& data,
                                              app::ProgramFlow::SoundMaker makeSound) {
    auto flow = std::make_unique<app::ProgramFlow>(data, std::move(makeSound));
    if (!flow->openPlayers() || !flow->players().add(app::newPlayerRecord(QStringLiteral("Zoé")))) {
        ADD_FAILURE() << "the player file cannot take a player";
        return nullptr;
    }
    flow->showPlayerChoice();
    flow->playerChoice()->pickName(flow->playerChoice()->list()->findText("Zoé"));
    flow->goOn();
    if (!flow->menu()) {
        ADD_FAILURE() << "the menu did not open";
        return nullptr;
    }
    return flow;
}

void ProgramAtMenuTest::SetUp() {
    ASSERT_TRUE(dir.isValid());
    data = app::DataDirectory::open(dir.path());
    ASSERT_TRUE(data.has_value());
    flow = startAtMenu(*data, [this](const i18n::CaptionTable&, QString*) {
        auto recording = std::make_unique<RecordingRhythm>();
        sound = recording.get();
        made.push_back(sound);
        return std::unique_ptr<RhythmPort>(std::move(recording));
    });
    ASSERT_NE(flow, nullptr);
    flow->setClock(clock);
    flow->setWallClock(clock);
}

void ProgramAtMenuTest::TearDown() {
    if (flow && flow->menu()) {
        flow->quit();
    }
}

} // namespace pulsadrome::play::testing
