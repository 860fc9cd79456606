// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Random.h"

#include <QRandomGenerator>

namespace pulsadrome {

std::uint64_t freshSeed() {
    return QRandomGenerator::system()->generate64();
}

} // namespace pulsadrome
