// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>

namespace pulsadrome::play {

// Windows-1252, the 8-bit text of the high-score files. Written by hand because Qt decodes it
// only when built with ICU. Bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D have no character.

// The text of `bytes`, or nothing when a byte has no character.
std::optional<QString> decodeWindows1252(const QByteArray& bytes);
// The bytes of `text`, or nothing when a character has no byte.
std::optional<QByteArray> encodeWindows1252(QStringView text);

} // namespace pulsadrome::play
