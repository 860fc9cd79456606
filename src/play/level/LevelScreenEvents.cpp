// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/level/LevelScreenEvents.h"

namespace pulsadrome::play {

QString messageText(LevelMessage message, const i18n::CaptionTable& captions) {
    switch (message) {
    case LevelMessage::BandError:
        return QStringLiteral("erreur Bands");
    case LevelMessage::TempoError:
        return QStringLiteral("erreur tempo");
    case LevelMessage::VolumeError:
        return QStringLiteral("erreur volume");
    case LevelMessage::InstrumentError:
        break;
    }
    return QStringLiteral("Error 3 - ") + captions.text(u"Label_directx");
}

} // namespace pulsadrome::play
