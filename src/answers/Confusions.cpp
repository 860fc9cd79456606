// SPDX-License-Identifier: GPL-3.0-or-later
#include "answers/Confusions.h"

#include <algorithm>
#include <optional>
#include <tuple>

namespace pulsadrome::answers {

namespace {

std::vector<ConfusedPair> confusedPairs(const std::vector<AnswerRecord>& records, int shown) {
    std::map<std::pair<int, int>, ConfusedPair> pairs;
    for (const AnswerRecord& record : records) {
        if (record.right || record.played == record.chosen) {
            continue;
        }
        const int first = std::min(record.played, record.chosen);
        const int second = std::max(record.played, record.chosen);
        ConfusedPair& pair = pairs[{first, second}];
        pair.first = first;
        pair.second = second;
        ++(record.played == first ? pair.firstTakenForSecond : pair.secondTakenForFirst);
    }
    std::vector<ConfusedPair> sorted;
    sorted.reserve(pairs.size());
    for (const auto& entry : pairs) {
        sorted.push_back(entry.second);
    }
    // The map's order already ranks equal totals by first, then second.
    std::stable_sort(
        sorted.begin(), sorted.end(),
        [](const ConfusedPair& a, const ConfusedPair& b) { return a.total() > b.total(); });
    if (static_cast<int>(sorted.size()) > shown) {
        sorted.resize(static_cast<std::size_t>(std::max(shown, 0)));
    }
    return sorted;
}

std::vector<ActivityAccuracy> accuracy(const std::vector<AnswerRecord>& records) {
    // Known activities by their number, unknown ones after them by kind and code.
    using Key = std::tuple<int, int, QString>;
    std::map<Key, ActivityAccuracy> byActivity;
    for (const AnswerRecord& record : records) {
        const std::optional<int> number = activityNumber(record.activity);
        const Key key{number ? 0 : 1, number.value_or(static_cast<int>(record.activity.kind)),
                      number ? QString() : record.activity.code};
        ActivityAccuracy& entry = byActivity[key];
        entry.activity = record.activity;
        ++entry.answers;
        entry.right += record.right ? 1 : 0;
    }
    std::vector<ActivityAccuracy> all;
    all.reserve(byActivity.size());
    for (const auto& entry : byActivity) {
        all.push_back(entry.second);
    }
    return all;
}

qint64 playedSeconds(std::vector<AnswerRecord> records) {
    std::stable_sort(
        records.begin(), records.end(),
        [](const AnswerRecord& a, const AnswerRecord& b) { return a.utcSeconds < b.utcSeconds; });
    qint64 milliseconds = 0;
    const AnswerRecord* previous = nullptr;
    for (const AnswerRecord& record : records) {
        const qint64 gap = previous ? record.utcSeconds - previous->utcSeconds : -1;
        if (previous && previous->activity == record.activity && gap >= 0 && gap <= kPauseSeconds) {
            milliseconds += gap * 1000;
        } else {
            milliseconds += std::max<qint64>(record.answerMs, 0);
        }
        previous = &record;
    }
    return milliseconds / 1000;
}

} // namespace

ChildSummary summarise(const std::vector<AnswerRecord>& records, int pairsShown) {
    ChildSummary summary;
    for (const AnswerRecord& record : records) {
        ++summary.counts[{record.played, record.chosen}];
    }
    summary.confusedPairs = confusedPairs(records, pairsShown);
    summary.accuracy = accuracy(records);
    summary.playedSeconds = playedSeconds(records);
    return summary;
}

} // namespace pulsadrome::answers
