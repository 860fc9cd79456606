// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/Progress.h"

#include "catalogue/Levels.h"

#include <algorithm>
#include <optional>

namespace pulsadrome::catalogue {

namespace {

// K when `text` is exactly the decimal text of some K in [low, high], no sign, zero or space.
std::optional<int> exactNumber(QStringView text, int low, int high) {
    for (int k = low; k <= high; ++k) {
        if (text == QString::number(k)) {
            return k;
        }
    }
    return std::nullopt;
}

int indexOf(QStringView menuLabel) {
    const auto& all = levels();
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (all[i].menuLabel == menuLabel) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// Enables the levels of `series` whose index within it runs from `from` to `to`.
void enableRange(std::vector<bool>& enabled, Series series, int from, int to) {
    const auto& all = levels();
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (all[i].series == series && all[i].indexInSeries >= from && all[i].indexInSeries <= to) {
            enabled[i] = true;
        }
    }
}

} // namespace

ProgressFields newPlayerProgress() {
    return {QStringLiteral("1a"), QStringLiteral("1"), QStringLiteral("1")};
}

std::optional<int> progressReach(Series series, QStringView text) {
    if (series != Series::Main) {
        return exactNumber(text, 1, 12);
    }
    if (text == QLatin1String("1a")) {
        return 0;
    }
    if (text == QLatin1String("1b")) {
        return 1;
    }
    if (const auto k = exactNumber(text, 1, 46)) {
        return *k + 1;
    }
    return std::nullopt;
}

QString furthestProgress(Series series, const QString& preferred, const QString& other) {
    const auto mine = progressReach(series, preferred);
    const auto theirs = progressReach(series, other);
    return mine && theirs && *theirs > *mine ? other : preferred;
}

LevelLabelStates::LevelLabelStates() : enabled_(levels().size(), false) {
    for (const char* label : {"Label_1a", "Niveau01B", "Niveau01T"}) {
        enable(QString::fromLatin1(label));
    }
}

void LevelLabelStates::ApplyProgress(const ProgressFields& progress) {
    // Main series: "1b" opens Label_1b; K opens "1a", "1b" and Niveau1 ... NiveauK, which are the
    // main series' levels 1 ... K + 2.
    if (progress.binaire1 == QLatin1String("1b")) {
        enable(u"Label_1b");
    } else if (const auto k = exactNumber(progress.binaire1, 1, 46)) {
        enableRange(enabled_, Series::Main, 1, *k + 2);
    }
    if (const auto k = exactNumber(progress.binaire2, 2, 12)) {
        enableRange(enabled_, Series::MinimBeat, 2, *k);
    }
    if (const auto k = exactNumber(progress.ternaire, 2, 12)) {
        enableRange(enabled_, Series::Compound, 2, *k);
    }
}

bool LevelLabelStates::isEnabled(QStringView menuLabel) const {
    const int i = indexOf(menuLabel);
    return i >= 0 && enabled_[static_cast<std::size_t>(i)];
}

void LevelLabelStates::enable(QStringView menuLabel) {
    const int i = indexOf(menuLabel);
    if (i >= 0) {
        enabled_[static_cast<std::size_t>(i)] = true;
    }
}

int LevelLabelStates::enabledCount() const {
    return static_cast<int>(std::count(enabled_.begin(), enabled_.end(), true));
}

} // namespace pulsadrome::catalogue
