// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DemoHistory.h"

#include "app/AnswerLog.h"
#include "app/PasswordHash.h"
#include "catalogue/Levels.h"
#include "common/Random.h"
#include "play/level/LevelVerdict.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace pulsadrome::app {

namespace {

// The steady time and the date of the history, moved by hand.
class HistoryClock final : public Clock, public WallClock {
public:
    explicit HistoryClock(qint64 startUtc) : utc_(startUtc) {}
    std::int64_t milliseconds() const override { return ms_; }
    std::int64_t utcSeconds() const override { return utc_ + ms_ / 1000; }
    void advance(std::int64_t milliseconds) { ms_ += milliseconds; }

private:
    qint64 utc_;
    std::int64_t ms_ = 0;
};

constexpr int kQuestions = 16;
constexpr int kSittingsPerWeek = 3;

struct Plan {
    catalogue::Series series;
    int lastPassed; // the index in the series of the last level to pass
};

} // namespace

DemoHistoryOutcome playDemoHistory(PlayerStore& store, qint64 startUtc, std::uint64_t seed,
                                   const DemoPace& pace) {
    DemoHistoryOutcome outcome;
    SeededRandom random(seed);
    HistoryClock clock(startUtc);
    AnswerLog log(store, clock, clock);
    PlayerRecord& record = store.current();
    record.setProgress(catalogue::newPlayerProgress());

    // By default the main series' 1a ... 6, then minim beat 1 and 2, then compound time 1, and
    // level 7 of the main series, open and not passed yet.
    const std::vector<Plan> plans = {{catalogue::Series::Main, pace.mainPassed},
                                     {catalogue::Series::MinimBeat, pace.minimPassed},
                                     {catalogue::Series::Compound, pace.compoundPassed}};
    std::vector<const catalogue::Level*> order;
    for (const Plan& plan : plans) {
        for (const catalogue::Level& level : catalogue::levels()) {
            if (level.series == plan.series && level.indexInSeries <= plan.lastPassed) {
                order.push_back(&level);
            }
        }
    }
    for (const catalogue::Level& level : catalogue::levels()) {
        if (level.series == catalogue::Series::Main && level.indexInSeries == pace.mainPassed + 1) {
            order.push_back(&level);
        }
    }

    for (std::size_t step = 0; step < order.size(); ++step) {
        const catalogue::Level& level = *order[step];
        const bool last = step + 1 == order.size();
        for (int sittingsHere = 1;; ++sittingsHere) {
            // Sittings spread over the weeks: a day to three apart, at any hour of the afternoon.
            const int week = outcome.sittings / kSittingsPerWeek;
            ++outcome.sittings;
            clock.advance((1 + random.below(3)) * 86'400'000LL + random.below(3'600'000));
            // Sure of 70 % in the first week by default, 2 points more each week.
            const int sureness = std::min(pace.firstSureness + 2 * week, 92);
            const int count = level.rhythmCount();
            int right = 0;
            for (int q = 0; q < kQuestions; ++q) {
                const int slot = random.below(count);
                const int heard = level.answers[static_cast<std::size_t>(slot)].rhythm;
                log.questionPlayed();
                clock.advance(1500 + random.below(3500));
                int chosen = heard;
                if (count > 1 && random.below(100) >= sureness) {
                    // Mostly the rhythm beside it in the level, sometimes any other.
                    const int neighbour = (slot ^ 1) < count ? (slot ^ 1) : slot - 1;
                    const int other = random.below(100) < 70
                                          ? neighbour
                                          : (slot + 1 + random.below(count - 1)) % count;
                    chosen = level.answers[static_cast<std::size_t>(other)].rhythm;
                }
                log.answered(
                    {{answers::Activity::Kind::Level, level.code}, heard, chosen, chosen == heard});
                right += chosen == heard ? 1 : 0;
                ++outcome.answers;
                outcome.lastUtc = clock.utcSeconds();
                clock.advance(2500);
            }
            if (const StoreStatus status = log.runEnded(); !status) {
                outcome.status = status;
                return outcome;
            }
            // The level the child is at now stays open: three sittings of it.
            if (last ? sittingsHere == 3 : right * 5 >= kQuestions * 4) {
                break;
            }
        }
        if (!last) {
            catalogue::ProgressFields progress = record.progress();
            const QString next = play::progressAfter(level);
            switch (level.series) {
            case catalogue::Series::Main:
                progress.binaire1 = next;
                break;
            case catalogue::Series::MinimBeat:
                progress.binaire2 = next;
                break;
            case catalogue::Series::Compound:
                progress.ternaire = next;
                break;
            }
            record.setProgress(progress);
        }
    }
    if (StoreStatus status = log.flush(); !status) {
        outcome.status = status;
        return outcome;
    }
    outcome.status = store.storeCurrent();
    return outcome;
}

StoreResult<std::vector<RowId>> playDemoClass(PlayerStore& store, qint64 startUtc) {
    struct Child {
        const char* name;
        const char* theme;
        bool withPassword;
        std::optional<DemoPace> pace; // none: not played yet
        int startDay;                 // after startUtc
    };
    const Child children[] = {
        {"Lina", "espace", false, DemoPace{}, 0},
        {"Tom", "cheval", true, DemoPace{4, 0, 0, 60}, 9},
        {"Zoé", "coq", false, std::nullopt, 0},
        {"Noah", "train", false, DemoPace{14, 3, 2, 82}, 2},
        {"Inès", "jaune", false, DemoPace{6, 1, 1, 74}, 5},
        {"Léo", "voiture", false, DemoPace{2, 0, 0, 64}, 30},
        {"Amira", "ordinateur", false, DemoPace{11, 4, 3, 86}, 1},
        {"Jonas", "cowboy", false, DemoPace{5, 2, 0, 68}, 14},
    };
    std::vector<RowId> rows;
    std::uint64_t seed = 14;
    for (const Child& child : children) {
        PlayerRecord record = newPlayerRecord(QString::fromUtf8(child.name));
        record.fond = QString::fromLatin1(child.theme);
        if (child.withPassword) {
            record.password = hashPassword(QStringLiteral("do-re-mi")).value_or(QString());
        }
        const auto added = store.add(record);
        if (!added) {
            return StoreResult<std::vector<RowId>>::failure(added.status);
        }
        rows.push_back(*added);
        if (!child.pace) {
            continue;
        }
        if (const StoreStatus moved = store.moveTo(*added); !moved) {
            return StoreResult<std::vector<RowId>>::failure(moved);
        }
        const DemoHistoryOutcome history =
            playDemoHistory(store, startUtc + child.startDay * 86'400LL, seed++, *child.pace);
        if (!history.status) {
            return StoreResult<std::vector<RowId>>::failure(history.status);
        }
    }
    if (const StoreStatus moved = store.moveTo(rows.front()); !moved) {
        return StoreResult<std::vector<RowId>>::failure(moved);
    }
    return {rows, {}};
}

} // namespace pulsadrome::app
