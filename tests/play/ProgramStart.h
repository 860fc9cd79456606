// SPDX-License-Identifier: GPL-3.0-or-later
// The whole program without a display, up to its menu: a player "Zoé" added to the data
// directory's player file, chosen, and the menu shown.
#pragma once

#include "app/ProgramFlow.h"

#include <memory>

namespace pulsadrome::play::testing {

// Null (and the test failed) when a step does not go through.
std::unique_ptr<app::ProgramFlow> startAtMenu(const app::DataDirectory& data,
                                              app::ProgramFlow::SoundMaker makeSound);

} // namespace pulsadrome::play::testing
