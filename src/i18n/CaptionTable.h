// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/AtomicFile.h"
#include "common/ReadFailure.h"
#include "i18n/Language.h"

#include <QHash>
#include <QString>
#include <QStringView>

#include <array>
#include <span>

namespace pulsadrome::i18n {

// One translated text: its key and its text in each language, in language-number order.
struct CaptionRow {
    const char* key;
    std::array<const char*, kLanguageCount> texts; // UTF-8
};

// The screens' 50 shared captions, in the order they are filled.
std::span<const CaptionRow> sharedCaptionRows();
// The texts the program needs beyond those 50 (messages, band names ...), filled after them.
std::span<const CaptionRow> extraCaptionRows();

// The program's translated texts for the current language. It starts with the French texts;
// Command_langue_Click fills every row for the current code, and a code that names none of the
// six languages changes nothing. Screens copy the rows they need when they load.
class CaptionTable {
public:
    CaptionTable();

    // The language field of the player form: "francais" ... "allemand", empty until set.
    const QString& currentCode() const { return currentCode_; }
    void setCurrentCode(const QString& code) { currentCode_ = code; }

    void Command_langue_Click();

    // The current text of a row; an unknown key gives an empty text.
    QString text(QStringView key) const;
    bool hasRow(QStringView key) const;

private:
    void fill(Language language);

    QString currentCode_;
    QHash<QString, QString> texts_;
};

// Why a file could not be written, as a whole sentence in the table's language ("Le disque est
// plein."); never the system's own words, which go to the detail.
QString writeProblemText(const CaptionTable& captions, const WriteOutcome& outcome);
// Why a file that is there could not be read, as a whole sentence, as above.
QString readProblemText(const CaptionTable& captions, const ReadOutcome& outcome);

// The detail paragraph under a message, for the adult who looks after the game: the file or folder
// concerned (none when empty) and the system's own words (none when empty), one line each.
QString problemDetail(const CaptionTable& captions, const QString& file,
                      const QString& systemText = {}, const QString& folder = {});
// The detail of a failed write or read: the file, and the system's words when the sentence could
// give no plainer reason than "cannot be written".
QString writeProblemDetail(const CaptionTable& captions, const WriteOutcome& outcome,
                           const QString& file);
QString readProblemDetail(const CaptionTable& captions, const ReadOutcome& outcome,
                          const QString& file);

} // namespace pulsadrome::i18n
