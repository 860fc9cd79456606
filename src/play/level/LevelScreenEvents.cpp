// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/level/LevelScreenEvents.h"

namespace pulsadrome::play {

QString messageText(LevelMessage message) {
    switch (message) {
    case LevelMessage::BandError:
        return QStringLiteral("erreur Bands");
    case LevelMessage::TempoError:
        return QStringLiteral("erreur tempo");
    case LevelMessage::VolumeError:
        break;
    }
    return QStringLiteral("erreur volume");
}

QString instrumentFallbackText(const InstrumentFallback& fallback,
                               const i18n::CaptionTable& captions) {
    if (fallback.position < 0) {
        return captions.text(u"instrument_aucun").arg(fallback.stored);
    }
    return captions.text(u"instrument_remplace")
        .arg(fallback.stored, QString::number(fallback.bandCount), fallback.bandName);
}

} // namespace pulsadrome::play
