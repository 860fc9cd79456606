// SPDX-License-Identifier: GPL-3.0-or-later
// Every message box of the program: its title, its text and its buttons in the interface
// language, long words (file paths) given places to wrap so that no box grows past the screen.
#pragma once

#include "i18n/CaptionTable.h"

#include <QString>

#include <optional>

class QMessageBox;
class QWidget;

namespace pulsadrome::ui {

enum class MessageTone { Information, Warning, Critical };

// What a box asks: the first answer is the one that goes on.
enum class Question {
    YesNo,       // "Oui" / "Non"
    RetryCancel, // "Réessayer" / "Annuler"
};

// Shows `text` until the user closes it with its one button ("D'accord" ...). `detail`, when
// given, is a second, smaller paragraph for the adult (a file's path, the computer's own words).
void showMessage(QWidget* parent, const i18n::CaptionTable& captions, MessageTone tone,
                 const QString& text, const QString& detail = {});

// Asks `text` and returns true when the first answer is chosen; closing the box or pressing
// Escape chooses the second.
bool askQuestion(QWidget* parent, const i18n::CaptionTable& captions, Question question,
                 const QString& text, const QString& detail = {});

// The box showMessage() and askQuestion() show, not yet shown, for callers that show it
// themselves. Its standard buttons are Ok, or Yes and No, or Retry and Cancel.
QMessageBox* makeMessageBox(QWidget* parent, const i18n::CaptionTable& captions, MessageTone tone,
                            std::optional<Question> question, const QString& text,
                            const QString& detail = {});

// `text` with an invisible break point after each separator of a long word ("/", "\", "_", "-",
// ".") and at least every few letters of one without separators, so that word wrapping can
// split it; the text reads the same.
QString withBreakPoints(const QString& text);

// `text` without the break points withBreakPoints() adds.
QString withoutBreakPoints(QString text);

} // namespace pulsadrome::ui
