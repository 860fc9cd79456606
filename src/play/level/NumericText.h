// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <optional>

namespace pulsadrome::play {

// The play screens keep their numbers (score, remaining time, typed settings) as the text the
// child sees, and read them back as numbers when they compute. These are the two readings.

// The number a text starts with: leading blanks, an optional sign, then digits; 0 when the text
// starts with anything else ("12abc" is 12, "abc" is 0, " -7" is -7).
qint64 leadingNumber(QStringView text);

// The number when the whole text is one (blanks around it allowed, no fraction): the test a
// typed value must pass before it replaces the arrows' value. "12abc" and "1.5" are not.
std::optional<qint64> wholeNumber(QStringView text);

// The text's number plus `delta`, written back as text ("0" + 100 is "100", "5" - 6 is "-1").
QString addToNumberText(QStringView text, qint64 delta);

} // namespace pulsadrome::play
