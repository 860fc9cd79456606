// SPDX-License-Identifier: GPL-3.0-or-later
// A level screen without a screen: the run with a recording engine, a player record in memory,
// a seeded random source and the menu's holders.
#pragma once

#include "catalogue/LevelStart.h"
#include "play/level/LevelRun.h"
#include "support/RecordingAnswers.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace pulsadrome::play::testing {

// Records every engine call as "Operation argument"; the three reported operations can fail.
class RecordingRhythm final : public RhythmPort {
public:
    RecordingRhythm();

    QStringList FillBandList() const override { return bands; }
    bool SelectBand(const QString& name) override { return record("SelectBand", name, !failBands); }
    bool StopAll() override { return record("StopAll", {}, true); }
    bool PlayRhythm(int k) override { return record("PlayRhythm", QString::number(k), true); }
    bool PlayBandPreview() override { return record("PlayBandPreview", {}, true); }
    bool PlayBeatSample(int k) override {
        return record("PlayBeatSample", QString::number(k), true);
    }
    // Every rhythm lasts rhythmMilliseconds, whatever its tempo.
    std::optional<int> RhythmMilliseconds(int) const override { return rhythmMilliseconds; }
    bool SetTempo(qint16 t) override { return record("SetTempo", QString::number(t), !failTempo); }
    bool ChangeVolume(int v) override {
        return record("ChangeVolume", QString::number(v), !failVolume);
    }
    bool SetVolumeFromEdit(int v) override {
        return record("SetVolumeFromEdit", QString::number(v), true);
    }
    bool PlayFeedback(const QString& theme, const QString& verdict, bool duringPlay) override {
        return record("PlayFeedback", theme + "_" + verdict + (duringPlay ? "" : " preview"), true);
    }

    QString setupNotice() const override { return notice; }

    // The arguments of every call of `operation`, in order.
    QStringList argsOf(const char* operation) const;
    // The calls made so far, without their arguments' quotes: "StopAll", "PlayRhythm 48" ...
    QStringList calls;

    QStringList bands; // "band 0" ... "band 43"
    bool failBands = false;
    bool failTempo = false;
    bool failVolume = false;
    std::optional<int> rhythmMilliseconds = 2400;
    QString notice; // what the set-up has to tell

private:
    bool record(const char* operation, const QString& argument, bool result);
};

class MemoryPlayers final : public app::PlayerRecordStore {
public:
    app::PlayerRecord& current() override { return record; }
    app::StoreStatus storeCurrent() override;

    app::PlayerRecord record = app::newPlayerRecord(QStringLiteral("Zoé"));
    std::vector<app::PlayerRecord> stored; // every record stored, in order
    bool fail = false;
};

class RecordingScreen final : public LevelScreenEvents {
public:
    void showMessage(LevelMessage message) override { messages.push_back(message); }
    void showInstrumentFallback(const InstrumentFallback& fallback) override {
        fallbacks.push_back(fallback);
    }
    void showResult(const LevelVerdict& verdict) override { results.push_back(verdict); }
    void applyTheme(const QString& word) override { themes << word; }
    void recordNotStored(const app::StoreStatus& status) override {
        storeFailures.push_back(status);
    }

    std::vector<LevelMessage> messages;
    std::vector<InstrumentFallback> fallbacks;
    std::vector<LevelVerdict> results;
    QStringList themes;
    std::vector<app::StoreStatus> storeFailures;
};

struct LevelBench {
    // `edit` changes the new player's record, `editSound` the engine, before the screen loads.
    explicit LevelBench(const std::function<void(app::PlayerRecord&)>& edit = {},
                        const std::function<void(RecordingRhythm&)>& editSound = {});

    // The menu starts `code` (Label_NN, NB captions, Command_tempo ...) on this screen.
    void start(const char* code);
    // Keys as letters: R, L, U, D for the arrows and ' ' for Space.
    void keys(const char* letters);
    // Walks the cursor to the cell of answer `answer` and confirms it.
    void answer(int answer);
    void answerRight() { answer(run.question().toInt()); }
    void answerWrong();
    // The two feedback seconds.
    void feedbackOver();
    void ticks(int count);
    bool ended() const { return !screen.results.empty(); }

    RecordingRhythm sound;
    MemoryPlayers players;
    SeededRandom random{20250601};
    catalogue::MenuHolders menu;
    catalogue::LevelLabelStates menuLevels;
    RecordingScreen screen;
    pulsadrome::testing::RecordingAnswers answers;
    LevelRun run{LevelContext{sound, players, random, menu, menuLevels, screen, answers}};
};

// The grid as three rows of three, '#' for the cursor: "... .#. ...".
std::string gridPicture(const AnswerGrid& grid);

} // namespace pulsadrome::play::testing
