// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/AtomicFile.h"
#include "i18n/CaptionTable.h"
#include "i18n/Language.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace pulsadrome::i18n {

// The language file in the data directory: the language number as decimal digits, then CR LF.
inline constexpr const char* kLanguageFileName = "langue.kdt";

// The number on the file's first line (blanks around it allowed), if it is a whole number that
// fits in 16 bits; anything else, random bytes included, gives nothing.
std::optional<int> parseLanguageNumber(const QByteArray& content);

// The number in the file, or nothing when it is missing, unreadable or not a number.
std::optional<int> readLanguageFile(const QString& path);

// Writes "<number>\r\n" atomically. On failure the old file stays as it was.
WriteOutcome writeLanguageFile(const QString& path, int number);

// Start-up: a number 1 ... 6 in the file sets the current code; then the table is filled for the
// current code, whatever it is. A missing or damaged file leaves the French texts.
void applyLanguageAtStartup(CaptionTable& table, const QString& path);

// A flag is chosen: the code becomes the flag's, the table is filled, the file is rewritten.
// The table changes even when the file cannot be written; the result tells whether it was, and
// `failure` why (writeProblemText tells it in the language chosen).
bool chooseLanguage(CaptionTable& table, Language language, const QString& path,
                    WriteOutcome* failure = nullptr);

} // namespace pulsadrome::i18n
