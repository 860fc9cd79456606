// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <vector>

namespace pulsadrome::catalogue {

// A player's three progress texts, as stored in the record.
struct ProgressFields {
    QString binaire1; // main series: "1a", "1b", "1" ... "46"
    QString binaire2; // minim-beat series: "1" ... "12"
    QString ternaire; // compound-time series: "1" ... "12"
};

// The new player's progress: only the first level of each series is open.
ProgressFields newPlayerProgress();

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
