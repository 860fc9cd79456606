// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/MessageBox.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPointer>

#include <algorithm>

namespace pulsadrome::ui {

namespace {

constexpr QChar kBreakPoint(0x200B); // zero width space: a place to wrap, never seen
constexpr QChar kNoBreak(0x2060);    // word joiner: no wrap here, never seen

// Words this long may hold a path: they get break points after their separators.
constexpr qsizetype kLongWord = 16;
// No word of a language is this long: a run of letters without separators is broken anyway.
constexpr qsizetype kUnbrokenRun = 30;
constexpr qsizetype kForcedStep = 20;

bool isSeparator(QChar c) {
    return c == u'/' || c == u'\\' || c == u'_' || c == u'-' || c == u'.';
}

bool isFolderSeparator(QChar c) {
    return c == u'/' || c == u'\\';
}

// Breaks one file or folder name of a path: none in a name that fits a line (a word joiner after
// each hyphen, where the layout would break by itself), after its separators in a longer one.
void breakName(QStringView name, QString& out) {
    const bool whole = name.size() <= kUnbrokenRun;
    qsizetype run = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        out += name[i];
        ++run;
        if (i + 1 == name.size()) {
            break;
        }
        if (whole) {
            if (name[i] == u'-') {
                out += kNoBreak;
            }
        } else if (isSeparator(name[i]) || run >= kForcedStep) {
            out += kBreakPoint;
            run = 0;
        }
    }
}

// A path breaks after its folder separators, so that a file or folder name stays whole
// ("aide-de.pdf", not "aide-" and "de.pdf") unless it is longer than a line holds; another long
// word breaks after its separators and at least every few letters.
QString broken(QStringView word) {
    if (word.size() <= kLongWord) {
        return word.toString();
    }
    QString out;
    if (std::any_of(word.begin(), word.end(), isFolderSeparator)) {
        qsizetype start = 0;
        for (qsizetype i = 0; i <= word.size(); ++i) {
            if (i == word.size() || isFolderSeparator(word[i])) {
                breakName(word.mid(start, i - start), out);
                if (i < word.size()) {
                    out += word[i];
                    if (i + 1 < word.size()) {
                        out += kBreakPoint;
                    }
                }
                start = i + 1;
            }
        }
        return out;
    }
    qsizetype run = 0;
    for (qsizetype i = 0; i < word.size(); ++i) {
        out += word[i];
        ++run;
        const bool last = i + 1 == word.size();
        if (!last && (isSeparator(word[i]) || run >= kUnbrokenRun ||
                      (run >= kForcedStep && word.size() > kUnbrokenRun))) {
            out += kBreakPoint;
            run = 0;
        }
    }
    return out;
}

QString buttonText(const i18n::CaptionTable& captions, QStringView key) {
    // Some rows start with a space ("oui" in Italian); a button's text is centred.
    return captions.text(key).trimmed();
}

void name(QMessageBox& box, QMessageBox::StandardButton button, const QString& text) {
    if (QAbstractButton* b = box.button(button)) {
        b->setText(text);
    }
}

} // namespace

QString withBreakPoints(const QString& text) {
    QString out;
    out.reserve(text.size() + text.size() / 8);
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i].isSpace()) {
            out += broken(QStringView(text).mid(start, i - start));
            if (i < text.size()) {
                out += text[i];
            }
            start = i + 1;
        }
    }
    return out;
}

QString withoutBreakPoints(QString text) {
    return text.remove(kBreakPoint).remove(kNoBreak);
}

QMessageBox* makeMessageBox(QWidget* parent, const i18n::CaptionTable& captions, MessageTone tone,
                            std::optional<Question> question, const QString& text,
                            const QString& detail) {
    auto* box = new QMessageBox(parent);
    box->setWindowTitle(captions.text(u"Label_titre"));
    box->setTextFormat(Qt::PlainText);
    box->setText(withBreakPoints(text));
    if (!detail.isEmpty()) {
        box->setInformativeText(withBreakPoints(detail));
    }
    switch (tone) {
    case MessageTone::Information:
        box->setIcon(question ? QMessageBox::Question : QMessageBox::Information);
        break;
    case MessageTone::Warning:
        box->setIcon(QMessageBox::Warning);
        break;
    case MessageTone::Critical:
        box->setIcon(QMessageBox::Critical);
        break;
    }
    if (!question) {
        box->setStandardButtons(QMessageBox::Ok);
        name(*box, QMessageBox::Ok, buttonText(captions, u"bouton_ok"));
        box->setEscapeButton(QMessageBox::Ok);
    } else if (*question == Question::YesNo) {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        name(*box, QMessageBox::Yes, buttonText(captions, u"oui"));
        name(*box, QMessageBox::No, buttonText(captions, u"non"));
        box->setDefaultButton(QMessageBox::Yes);
        box->setEscapeButton(QMessageBox::No);
    } else {
        box->setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
        name(*box, QMessageBox::Retry, buttonText(captions, u"bouton_reessayer"));
        name(*box, QMessageBox::Cancel, buttonText(captions, u"bouton_annuler"));
        box->setDefaultButton(QMessageBox::Retry);
        box->setEscapeButton(QMessageBox::Cancel);
    }
    return box;
}

void showMessage(QWidget* parent, const i18n::CaptionTable& captions, MessageTone tone,
                 const QString& text, const QString& detail) {
    const QPointer<QMessageBox> box =
        makeMessageBox(parent, captions, tone, std::nullopt, text, detail);
    box->exec();
    delete box.data();
}

bool askQuestion(QWidget* parent, const i18n::CaptionTable& captions, Question question,
                 const QString& text, const QString& detail) {
    const QPointer<QMessageBox> box =
        makeMessageBox(parent, captions, MessageTone::Information, question, text, detail);
    const int answer = box->exec();
    delete box.data();
    return answer == (question == Question::YesNo ? QMessageBox::Yes : QMessageBox::Retry);
}

} // namespace pulsadrome::ui
