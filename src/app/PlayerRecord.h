// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/Progress.h"

#include <QString>

#include <array>
#include <optional>

namespace pulsadrome::app {

// The feedback-sound themes in the order of the record's tick columns. Prof is the "jaune"
// theme, whose columns are "prof_v" and "prof_f".
enum class SoundTheme { Prof, Espace, Cowboy, Voiture, Ordinateur, Cheval, Train, Coq };
inline constexpr int kSoundThemeCount = 8;

// A theme's two ticks as stored: "1" plays the sound, "0" keeps it silent.
struct SoundTicks {
    QString right; // "<theme>_v"
    QString wrong; // "<theme>_f"

    bool operator==(const SoundTicks&) const = default;
};

// One player's row of the player database. Every field holds the column's text exactly as it
// is stored: nothing here trims, parses or corrects it, because the rules compare texts
// ("01" as progress opens nothing, a theme word other than the eight leaves a white screen).
struct PlayerRecord {
    QString nom;         // the name shown in the player list
    QString password;    // empty: no password; otherwise the text of hashPassword()
    QString jeuBinaire;  // main-series progress: "1a", "1b", "1" ... "46"
    QString jeuBinaire2; // minim-beat series progress: "1" ... "12"
    QString jeuTernaire; // compound-time series progress: "1" ... "12"
    QString fond;        // theme word
    QString chrono;      // play duration in seconds
    QString volume;
    QString tempo;
    QString instruments; // position of the chosen band in the band list
    QString tictac;      // "1" shows the metronome mascot
    QString compteur;    // "1" shows the remaining time
    QString reponse;     // "1" shows the score
    QString bonus;       // "1" turns the games' bonuses on
    QString
        ecouteChoix; // "1": after a wrong answer in a level, the chosen rhythm, then the asked one
    std::array<SoundTicks, kSoundThemeCount> sounds;  // first player
    std::array<SoundTicks, kSoundThemeCount> sounds2; // second player of a two-player game

    SoundTicks& ticks(SoundTheme theme) { return sounds[static_cast<int>(theme)]; }
    const SoundTicks& ticks(SoundTheme theme) const { return sounds[static_cast<int>(theme)]; }
    SoundTicks& ticks2(SoundTheme theme) { return sounds2[static_cast<int>(theme)]; }
    const SoundTicks& ticks2(SoundTheme theme) const { return sounds2[static_cast<int>(theme)]; }

    catalogue::ProgressFields progress() const { return {jeuBinaire, jeuBinaire2, jeuTernaire}; }
    void setProgress(const catalogue::ProgressFields& progress);

    // The field of a column, 0 <= column < kColumnCount, in the order of columnName().
    const QString& text(int column) const;
    QString& text(int column);

    bool operator==(const PlayerRecord&) const = default;
};

// The record's columns, in table order. The names are those of the player table and never
// change: stored databases use them, including "cog_v2" for the second player's right-answer
// tick of the "coq" theme (its partner is "coq_f2"). "ecoute_choix" came last, after the
// second player's ticks: a database made before it lacks it, and opening adds it empty.
inline constexpr int kColumnCount = 47;
QString columnName(int column); // 0 <= column < kColumnCount
// The column of a name, ignoring ASCII case as SQL does ("NOM" is "Nom").
std::optional<int> columnIndex(const QString& name);

// A new player's row: the name as typed, no password, the first level of each series open, the
// "jaune" theme with its two sounds ticked and every other first-player tick "0", 300 seconds,
// volume and tempo 100, band position 23, mascot, clock, score and bonuses shown, the chosen
// rhythm not played back after a wrong answer. The second player's ticks are left empty.
PlayerRecord newPlayerRecord(const QString& name);

} // namespace pulsadrome::app
