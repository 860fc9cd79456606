// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/games/Windows1252.h"

#include <array>

namespace pulsadrome::play {

namespace {

// Bytes 0x80 ... 0x9F; 0 marks a byte without a character. Every other byte is its Latin-1
// character.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

} // namespace

std::optional<QString> decodeWindows1252(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 && byte <= 0x9F) {
            const char16_t unit = kHighControls[byte - 0x80];
            if (unit == 0) {
                return std::nullopt;
            }
            text.append(QChar(unit));
        } else {
            text.append(QChar(byte));
        }
    }
    return text;
}

std::optional<QByteArray> encodeWindows1252(QStringView text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) {
            bytes.append(static_cast<char>(unit));
            continue;
        }
        bool found = false;
        for (std::size_t i = 0; i < kHighControls.size() && !found; ++i) {
            if (kHighControls[i] != 0 && kHighControls[i] == unit) {
                bytes.append(static_cast<char>(0x80 + i));
                found = true;
            }
        }
        if (!found) {
            return std::nullopt;
        }
    }
    return bytes;
}

} // namespace pulsadrome::play
