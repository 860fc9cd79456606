// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/PlayerStore.h"
#include "i18n/CaptionTable.h"
#include "play/level/LevelVerdict.h"

#include <QString>

namespace pulsadrome::play {

// The message boxes of the level screen (OK button, the program's title).
enum class LevelMessage {
    BandError,  // "erreur Bands": a band could not be chosen
    TempoError, // "erreur tempo"
    VolumeError // "erreur volume"
};

// The box's text: the three engine errors are French in every language.
QString messageText(LevelMessage message);

// The player's stored instrument is not a position of the band list: what was stored, how many
// bands the list has, and the band used instead (its list position, -1 when there is none).
struct InstrumentFallback {
    QString stored;
    qsizetype bandCount = 0;
    int position = -1;
    QString bandName;

    friend bool operator==(const InstrumentFallback&, const InstrumentFallback&) = default;
};

// The sentence that tells it, in the interface language.
QString instrumentFallbackText(const InstrumentFallback& fallback,
                               const i18n::CaptionTable& captions);

// What the options of a play screen ask of the screen.
class OptionScreenEvents {
public:
    virtual ~OptionScreenEvents() = default;

    virtual void showMessage(LevelMessage message) = 0;
    // Tell that the stored instrument was replaced; the screen stays usable.
    virtual void showInstrumentFallback(const InstrumentFallback& fallback) = 0;
    // Put the backgrounds of theme `word` in place (a word outside the eight changes none).
    virtual void applyTheme(const QString& word) = 0;
    // Storing the player's record failed; the choices stay in memory.
    virtual void recordNotStored(const app::StoreStatus& status) = 0;
};

// What the level run asks of its screen: windows to open and pictures to change. Everything
// else the screen reads from the run after each call it forwards (labels, frames, timers).
class LevelScreenEvents : public OptionScreenEvents {
public:
    // The level has ended: show the result window modally with the verdict's caption and
    // return once the child has closed it. The run is already idle and its timers off; a
    // progress that could not be stored has been reported through recordNotStored.
    virtual void showResult(const LevelVerdict& verdict) = 0;
};

} // namespace pulsadrome::play
