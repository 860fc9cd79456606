// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

namespace pulsadrome::play {

// The two substitution alphabets of the high-score files: 111 characters each, then a tab at
// the same place in both. Character i of the first stands for character i of the second.
extern const QStringView kScoreAlphabet;
extern const QStringView kScoreSubstitute;

// The substitution, character by character: a character of kScoreAlphabet (first occurrence,
// exact comparison) becomes the character at the same place in kScoreSubstitute; any other
// character is dropped. It is its own inverse: the same call writes and reads a line.
QString scrambleLine(QStringView line);

// Whether `c` survives scrambleLine().
bool isInScoreAlphabet(QChar c);

// `name` in the characters a table can hold: a character outside the alphabet is replaced by
// its letter without accent ("Ò" by "O", "Œ" by "OE", "ẞ" by "SS"), a tab or a typographic
// apostrophe by its plain form, and dropped when it has none.
QString storableName(QStringView name);

} // namespace pulsadrome::play
