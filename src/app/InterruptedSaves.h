// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/DataDirectory.h"

#include <QDateTime>
#include <QStringList>

namespace pulsadrome::app {

// Removes what a save cut short (the program killed, the power lost) left beside the files the
// program keeps in `data`: the temporaries last written more than ten minutes before `now`, so
// that a save another running copy has in progress is never touched. The value lists the files
// removed.
QStringList removeInterruptedSaves(const DataDirectory& data, const QDateTime& now);

} // namespace pulsadrome::app
