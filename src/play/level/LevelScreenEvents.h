// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/PlayerStore.h"
#include "i18n/CaptionTable.h"
#include "play/level/LevelVerdict.h"

#include <QString>

namespace pulsadrome::play {

// The message boxes of the level screen (OK button, the program's title).
enum class LevelMessage {
    BandError,      // "erreur Bands": a band could not be chosen
    TempoError,     // "erreur tempo"
    VolumeError,    // "erreur volume"
    InstrumentError // the stored instrument could not be set again
};

// The box's text in the current language; the three engine errors are French in every language.
QString messageText(LevelMessage message, const i18n::CaptionTable& captions);

// What the options of a play screen ask of the screen.
class OptionScreenEvents {
public:
    virtual ~OptionScreenEvents() = default;

    virtual void showMessage(LevelMessage message) = 0;
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
