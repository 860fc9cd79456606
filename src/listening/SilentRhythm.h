// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "play/RhythmPort.h"

namespace pulsadrome::listening {

// The engine of a listening screen opened when no sound engine could start: it refuses every
// operation and has no band, so the screen shows its pictures, stays silent and says why.
class SilentRhythm final : public play::RhythmPort {
public:
    QStringList FillBandList() const override { return {}; }
    bool SelectBand(const QString&) override { return false; }
    bool StopAll() override { return false; }
    bool PlayRhythm(int) override { return false; }
    bool PlayBandPreview() override { return false; }
    bool SetTempo(qint16) override { return false; }
    bool ChangeVolume(int) override { return false; }
    bool SetVolumeFromEdit(int) override { return false; }
    bool PlayFeedback(const QString&, const QString&, bool) override { return false; }
};

} // namespace pulsadrome::listening
