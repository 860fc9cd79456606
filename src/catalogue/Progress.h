// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/Series.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

namespace pulsadrome::catalogue {

// A player's three progress texts, as stored in the record.
struct ProgressFields {
    QString binaire1; // main series: "1a", "1b", "1" ... "46"
    QString binaire2; // minim-beat series: "1" ... "12"
    QString ternaire; // compound-time series: "1" ... "12"

    bool operator==(const ProgressFields&) const = default;
};

// The new player's progress: only the first level of each series is open.
ProgressFields newPlayerProgress();

// How far a progress text of `series` reaches, the larger the further: in the main series "1a"
// is 0, "1b" 1 and "K" K + 1; in the two others "K" is K. Nothing for a text that is not exactly
// one of the series' codes ("01", "47", "", a code of another series).
std::optional<int> progressReach(Series series, QStringView text);

// Of two progress texts of `series`, the one that opens more levels. When either is not one of
// the series' codes they cannot be ranked, and `preferred` is kept.
QString furthestProgress(Series series, const QString& preferred, const QString& other);

// The enabled state of the menu's 72 level labels. It starts in the menu's design state (the
// first level of each series open) and only grows while the menu stays loaded; a new menu starts
// from the design state again. Game and score labels are always enabled and are not kept here.
class LevelLabelStates {
public:
    LevelLabelStates();

    // Opens the levels the progress allows. Each value is compared as exact text, so "01", " 2"
    // or "2 " open nothing; a value outside its series' codes opens nothing. Never disables.
    void ApplyProgress(const ProgressFields& progress);

    bool isEnabled(QStringView menuLabel) const;
    void enable(QStringView menuLabel);
    int enabledCount() const;

private:
    std::vector<bool> enabled_; // indexed like catalogue::levels()
};

} // namespace pulsadrome::catalogue
