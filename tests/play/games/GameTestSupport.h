// SPDX-License-Identifier: GPL-3.0-or-later
// A game run with recording ports: the sound it makes, the windows it asks for, a player record
// of its own and draws given in advance.
#pragma once

#include "catalogue/GameStart.h"
#include "play/games/GameRun.h"
#include "support/RecordingAnswers.h"

#include <QStringList>

#include <gmock/gmock.h>

#include <deque>
#include <memory>

namespace pulsadrome::play::testing {

// Every call, as text: "PlayRhythm 48", "SetTempo 152", "StopAll", "PlayFeedback prof_vrai".
class RecordingSound final : public RhythmPort {
public:
    QStringList FillBandList() const override {
        QStringList bands;
        for (int n = 0; n < 44; ++n) {
            bands << QStringLiteral("Band %1").arg(n);
        }
        return bands;
    }
    bool SelectBand(const QString&) override { return true; }
    bool StopAll() override { return log("StopAll"); }
    bool PlayRhythm(int k) override { return log(QStringLiteral("PlayRhythm %1").arg(k)); }
    bool PlayBandPreview() override { return log("PlayBandPreview"); }
    bool SetTempo(qint16 t) override { return log(QStringLiteral("SetTempo %1").arg(t)); }
    bool ChangeVolume(int) override { return true; }
    bool SetVolumeFromEdit(int) override { return true; }
    bool PlayBeatSample(int k) override { return log(QStringLiteral("PlayBeatSample %1").arg(k)); }
    bool PlayFeedback(const QString& theme, const QString& verdict, bool) override {
        return log(QStringLiteral("PlayFeedback %1_%2").arg(theme, verdict));
    }

    // The calls since the last take.
    QStringList take() { return std::exchange(calls_, {}); }

private:
    bool log(const QString& call) {
        calls_.append(call);
        return true;
    }
    QStringList calls_;
};

class HeldRecord final : public app::PlayerRecordStore {
public:
    HeldRecord() : record_(app::newPlayerRecord(QStringLiteral("Zoé"))) {
        // No feedback sound unless a test ticks one: the draws stay the test's own.
        for (auto& ticks : record_.sounds) {
            ticks = {QStringLiteral("0"), QStringLiteral("0")};
        }
        for (auto& ticks : record_.sounds2) {
            ticks = {QStringLiteral("0"), QStringLiteral("0")};
        }
        record_.tictac = QStringLiteral("0");
    }
    app::PlayerRecord& current() override { return record_; }
    app::StoreStatus storeCurrent() override {
        ++stored;
        stored_ = record_;
        return {};
    }
    // The record as last stored.
    const app::PlayerRecord& storedRecord() const { return stored_; }
    int stored = 0;

private:
    app::PlayerRecord record_;
    app::PlayerRecord stored_;
};

class RecordingScreen final : public GameScreenEvents {
public:
    void applyStoredInstrument() override { ++instrumentsApplied; }
    void gameEnded(const GameResult& result) override { ended.push_back(result); }
    void showMessage(LevelMessage message) override { messages.push_back(message); }
    void showInstrumentFallback(const InstrumentFallback& fallback) override {
        fallbacks.push_back(fallback);
    }
    void applyTheme(const QString& word) override { themes << word; }
    void recordNotStored(const app::StoreStatus&) override { ++notStored; }

    int instrumentsApplied = 0;
    std::vector<GameResult> ended;
    std::vector<LevelMessage> messages;
    std::vector<InstrumentFallback> fallbacks;
    QStringList themes;
    int notStored = 0;
};

// Draws given by the test, in order; a draw the test did not foresee fails it.
class ScriptedRandom final : public Random {
public:
    int below(int n) override {
        if (draws.empty()) {
            ADD_FAILURE() << "an unexpected draw below " << n;
            return 0;
        }
        const int value = draws.front();
        draws.pop_front();
        EXPECT_LT(value, n) << "a draw below " << n;
        return value;
    }
    std::deque<int> draws;
};

// A draw of the bonus table, r = 1 ... 100 (91 ... 100 give a bonus).
inline int bonusDraw(int r) {
    return r - 1;
}

// Pools: rhythm 100 + k in cell k, so PlayRhythm(99 + k) asks cell k.
inline catalogue::Drawn numberedPool() {
    catalogue::Drawn pool{};
    for (int k = 1; k <= 14; ++k) {
        pool[static_cast<std::size_t>(k - 1)] = 100 + k;
    }
    return pool;
}

inline QString playOfCell(int k) {
    return QStringLiteral("PlayRhythm %1").arg(99 + k);
}

// A game run prepared as the menu does for the game of `menuLabel`, with `pool`.
struct GameFixture {
    explicit GameFixture(const char* menuLabel, catalogue::Drawn pool = numberedPool()) {
        holders.nom1 = QStringLiteral("Zoé");
        holders.nom2 = QStringLiteral("Ana");
        holders.nom3 = QStringLiteral("Bob");
        SeededRandom poolDraw(7);
        const catalogue::GameEntry* entry =
            catalogue::findGameByLabel(QString::fromLatin1(menuLabel));
        EXPECT_NE(entry, nullptr) << menuLabel;
        catalogue::GameStart start = catalogue::startGame(*entry, poolDraw, holders, true);
        start.drawn = pool;
        run.prepare(start);
        sound.take();
    }

    // A start whose first question is entry `entry` (2 ... 25) with bonus draw `r`.
    void start(int entry = 2, int r = 1) {
        random.draws = {entry - 2, bonusDraw(r)};
        run.question_Click();
    }

    // The answer cell of the current question, and one that is not.
    int asked() const { return run.questions().question(); }
    int notAsked() const { return asked() == 1 ? 2 : 1; }

    // Player 1's (or 2's) cursor onto `cell` from the listen-again cell, by key presses.
    void walkTo(int cell, bool second = false);

    RecordingSound sound;
    HeldRecord record;
    RecordingScreen screen;
    ScriptedRandom random;
    catalogue::MenuHolders holders;
    pulsadrome::testing::RecordingAnswers answers;
    GameRun run{GameContext{sound, record, random, holders, screen, answers}};
};

inline void GameFixture::walkTo(int cell, bool second) {
    // Up to the top row, then along it, then down to the cell's row.
    static constexpr int kRowOf[15] = {2, 0, 0, 0, 1, 1, 1, 2, 2, 3, 3, 3, 4, 4, 4};
    static constexpr int kColumnOf[15] = {1, 0, 1, 2, 0, 1, 2, 0, 2, 0, 1, 2, 0, 1, 2};
    const auto press = [&](CursorMove move) {
        switch (move) {
        case CursorMove::Right:
            second ? run.MoveCursorRightB() : run.MoveCursorRight();
            break;
        case CursorMove::Left:
            second ? run.MoveCursorLeftB() : run.MoveCursorLeft();
            break;
        case CursorMove::Up:
            second ? run.MoveCursorUpB() : run.MoveCursorUp();
            break;
        case CursorMove::Down:
            second ? run.MoveCursorDownB() : run.MoveCursorDown();
            break;
        }
    };
    for (int i = 0; i < 4; ++i) {
        press(CursorMove::Up);
    }
    for (int i = 0; i < 2; ++i) {
        press(CursorMove::Left);
    }
    for (int i = 0; i < kColumnOf[cell]; ++i) {
        press(CursorMove::Right);
    }
    for (int i = 0; i < kRowOf[cell]; ++i) {
        press(CursorMove::Down);
    }
    ASSERT_EQ(second ? run.cursorB().cell() : run.cursor().cell(), cell);
}

} // namespace pulsadrome::play::testing
