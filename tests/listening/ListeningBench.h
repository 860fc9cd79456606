// SPDX-License-Identifier: GPL-3.0-or-later
// The listening screen's surroundings in memory: an engine that records what it is asked and can
// be made silent (no sound system: every operation refused, no band), and a player's record. Like
// the real engine, it starts at a tempo of 120 whatever the screen's boxes show.
#pragma once

#include "app/PlayerStore.h"
#include "play/RhythmPort.h"

#include <QStringList>

#include <vector>

namespace pulsadrome::listening::testing {

class RecordingRhythm final : public play::RhythmPort {
public:
    QStringList FillBandList() const override {
        return silent ? QStringList{} : QStringList{"Jazz", "Rock", "Orchestre", "Percussions"};
    }
    bool SelectBand(const QString& name) override { return record("SelectBand " + name); }
    bool StopAll() override { return record("StopAll"); }
    bool PlayRhythm(int k) override { return record("PlayRhythm " + QString::number(k)); }
    bool PlayBandPreview() override { return record("PlayBandPreview"); }
    bool SetTempo(qint16 t) override {
        if (!silent) {
            tempo = t;
        }
        return record("SetTempo " + QString::number(t));
    }
    bool ChangeVolume(int v) override { return record("ChangeVolume " + QString::number(v)); }
    bool SetVolumeFromEdit(int v) override {
        return record("SetVolumeFromEdit " + QString::number(v));
    }
    bool PlayFeedback(const QString& theme, const QString& verdict, bool) override {
        return record("PlayFeedback " + theme + "_" + verdict);
    }

    // The calls whose text starts with `prefix`.
    QStringList callsOf(const QString& prefix) const {
        QStringList found;
        for (const QString& call : calls) {
            if (call.startsWith(prefix)) {
                found << call;
            }
        }
        return found;
    }

    QStringList calls; // "PlayRhythm 545", "SetTempo 152" ... in order
    int tempo = 120;   // what the engine plays at: a performance's own start until told
    bool silent = false;

private:
    bool record(const QString& call) {
        calls << call;
        return !silent;
    }
};

class MemoryPlayers final : public app::PlayerRecordStore {
public:
    app::PlayerRecord& current() override { return record; }
    app::StoreStatus storeCurrent() override {
        if (fail) {
            return {app::StoreProblem::Failed,
                    QStringLiteral("disk full"),
                    app::StoreFault::DiskFull,
                    {}};
        }
        stored.push_back(record);
        return {};
    }

    app::PlayerRecord record = app::newPlayerRecord(QStringLiteral("Zoé"));
    std::vector<app::PlayerRecord> stored;
    bool fail = false;
};

} // namespace pulsadrome::listening::testing
