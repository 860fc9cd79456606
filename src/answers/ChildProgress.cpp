// SPDX-License-Identifier: GPL-3.0-or-later
#include "answers/ChildProgress.h"

#include <QDateTime>

#include <algorithm>
#include <limits>
#include <map>

namespace pulsadrome::answers {

namespace {

QDate dayOf(qint64 utcSeconds, const QTimeZone& zone) {
    return QDateTime::fromSecsSinceEpoch(utcSeconds, zone).date();
}

QDate mondayOf(const QDate& day) {
    return day.addDays(1 - day.dayOfWeek());
}

// The answers of one level, by time.
struct LevelAnswers {
    std::vector<qint64> times;
    int right = 0;
};

} // namespace

std::vector<WeekAccuracy> weeklyAccuracy(const std::vector<AnswerRecord>& records,
                                         const QTimeZone& zone) {
    std::map<QDate, WeekAccuracy> byMonday;
    for (const AnswerRecord& record : records) {
        const QDate monday = mondayOf(dayOf(record.utcSeconds, zone));
        WeekAccuracy& week = byMonday[monday];
        week.monday = monday;
        ++week.answers;
        week.right += record.right ? 1 : 0;
    }
    std::vector<WeekAccuracy> weeks;
    if (byMonday.empty()) {
        return weeks;
    }
    const QDate last = byMonday.rbegin()->first;
    for (QDate monday = byMonday.begin()->first; monday <= last; monday = monday.addDays(7)) {
        const auto found = byMonday.find(monday);
        WeekAccuracy week = found != byMonday.end() ? found->second : WeekAccuracy{};
        week.monday = monday;
        week.week = monday.weekNumber(&week.year);
        weeks.push_back(week);
    }
    return weeks;
}

ChildProgress childProgress(const catalogue::ProgressFields& progress,
                            const std::vector<AnswerRecord>& records, const QTimeZone& zone) {
    ChildProgress result;
    result.summary = summarise(records);
    result.weeks = weeklyAccuracy(records, zone);

    catalogue::LevelLabelStates open;
    open.ApplyProgress(progress);

    std::map<const catalogue::Level*, LevelAnswers> byLevel;
    for (const AnswerRecord& record : records) {
        if (record.activity.kind != Activity::Kind::Level) {
            continue;
        }
        if (const catalogue::Level* level = catalogue::findLevelByCode(record.activity.code)) {
            LevelAnswers& answers = byLevel[level];
            answers.times.push_back(record.utcSeconds);
            answers.right += record.right ? 1 : 0;
        }
    }
    for (auto& entry : byLevel) {
        std::sort(entry.second.times.begin(), entry.second.times.end());
    }

    for (const auto series :
         {catalogue::Series::Main, catalogue::Series::MinimBeat, catalogue::Series::Compound}) {
        SeriesProgress shown;
        shown.series = series;
        std::vector<const catalogue::Level*> inSeries;
        for (const catalogue::Level& level : catalogue::levels()) {
            if (level.series == series) {
                inSeries.push_back(&level);
            }
        }
        std::sort(inSeries.begin(), inSeries.end(),
                  [](const catalogue::Level* a, const catalogue::Level* b) {
                      return a->indexInSeries < b->indexInSeries;
                  });
        // From the last level back: the first answer given in any level after the one looked at.
        std::vector<qint64> firstLater(inSeries.size(), std::numeric_limits<qint64>::max());
        qint64 earliest = std::numeric_limits<qint64>::max();
        for (std::size_t i = inSeries.size(); i-- > 0;) {
            firstLater[i] = earliest;
            const auto found = byLevel.find(inSeries[i]);
            if (found != byLevel.end()) {
                earliest = std::min(earliest, found->second.times.front());
            }
        }
        for (std::size_t i = 0; i < inSeries.size(); ++i) {
            const catalogue::Level* level = inSeries[i];
            LevelProgress entry;
            entry.level = level;
            const catalogue::Level* next = catalogue::nextLevel(*level);
            entry.passed = next && open.isEnabled(next->menuLabel);
            const auto found = byLevel.find(level);
            if (found != byLevel.end()) {
                const std::vector<qint64>& times = found->second.times;
                entry.answers = static_cast<int>(times.size());
                entry.right = found->second.right;
                if (entry.passed) {
                    const auto before = std::lower_bound(times.begin(), times.end(), firstLater[i]);
                    if (before != times.begin()) {
                        entry.passedUtc = *(before - 1);
                    }
                }
            }
            if (entry.passed || entry.answers > 0) {
                shown.passedCount += entry.passed ? 1 : 0;
                shown.levels.push_back(entry);
            }
        }
        result.series.push_back(std::move(shown));
    }
    return result;
}

} // namespace pulsadrome::answers
