// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/level/NumericText.h"

namespace pulsadrome::play {

namespace {

// Digits beyond this are ignored: the boxes hold a handful of digits and this keeps the sum
// inside qint64.
constexpr int kMaxDigits = 15;

struct Scan {
    qint64 value = 0;
    qsizetype end = 0; // one past the last character read
    bool hasDigits = false;
};

Scan scanLeadingNumber(QStringView text) {
    Scan scan;
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace()) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    int digits = 0;
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9') {
        if (digits < kMaxDigits) {
            scan.value = scan.value * 10 + (text[i].unicode() - u'0');
        }
        ++digits;
        ++i;
    }
    scan.hasDigits = digits > 0;
    scan.end = i;
    if (negative) {
        scan.value = -scan.value;
    }
    return scan;
}

} // namespace

qint64 leadingNumber(QStringView text) {
    return scanLeadingNumber(text).value;
}

std::optional<qint64> wholeNumber(QStringView text) {
    const Scan scan = scanLeadingNumber(text);
    if (!scan.hasDigits || !text.mid(scan.end).trimmed().isEmpty()) {
        return std::nullopt;
    }
    return scan.value;
}

QString addToNumberText(QStringView text, qint64 delta) {
    return QString::number(leadingNumber(text) + delta);
}

} // namespace pulsadrome::play
