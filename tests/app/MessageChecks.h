// SPDX-License-Identifier: GPL-3.0-or-later
// What the tests of message boxes look at: a box as it was on the screen, a watcher that records
// every box shown and answers it, and the check that a box speaks one interface language alone,
// whole on the screen.
#pragma once

#include "common/AtomicFile.h"
#include "i18n/CaptionTable.h"
#include "i18n/Language.h"
#include "ui/MessageBox.h"

#include <QAbstractButton>
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>

#include <gmock/gmock.h>

#include <utility>
#include <vector>

namespace pulsadrome::testing {

using ::testing::HasSubstr;
using ::testing::IsEmpty;

// A message box as it was on the screen.
struct ShownBox {
    QString title;
    QString text;
    QString detail;
    QStringList buttons;
    QString unfit; // what does not fit, empty when everything shows whole

    QString serialised() const {
        return QStringList{title, text, detail, buttons.join(QChar(0x1e)), unfit}.join(QChar(0x1f));
    }
    static ShownBox parsed(const QString& text) {
        const QStringList parts = text.split(QChar(0x1f));
        if (parts.size() != 5) {
            return {QString(), text, QString(), {}, QStringLiteral("no box")};
        }
        return {parts[0], parts[1], parts[2],
                parts[3].isEmpty() ? QStringList() : parts[3].split(QChar(0x1e)), parts[4]};
    }
};

// What of `box` cannot be seen whole: a box wider or taller than the screen, a label whose text
// needs more room than it has, a button too narrow for its text.
inline QString unfitPartOf(const QMessageBox& box) {
    const QRect screen = box.screen()->availableGeometry();
    if (box.frameGeometry().width() > screen.width() ||
        box.frameGeometry().height() > screen.height()) {
        return QStringLiteral("the box (%1x%2) is larger than the screen")
            .arg(box.frameGeometry().width())
            .arg(box.frameGeometry().height());
    }
    for (const QLabel* label : box.findChildren<QLabel*>()) {
        if (!label->isVisible() || label->text().isEmpty()) {
            continue;
        }
        const bool cut = label->wordWrap() ? label->heightForWidth(label->width()) > label->height()
                                           : label->sizeHint().width() > label->width();
        if (cut || label->geometry().right() >= box.width()) {
            return QStringLiteral("label %1 is cut").arg(label->objectName());
        }
    }
    for (const QAbstractButton* button : box.buttons()) {
        if (button->sizeHint().width() > button->width()) {
            return QStringLiteral("button %1 is cut").arg(button->text());
        }
    }
    return {};
}

// Records every message box shown while it lives, and answers it with its escape button (No,
// Cancel, its only button) once it is on the screen.
class BoxWatcher : public QObject {
public:
    // Each box shown is answered with its Escape button, or with the next of `answers` while
    // there are any.
    explicit BoxWatcher(std::vector<QMessageBox::StandardButton> answers = {})
        : answers_(std::move(answers)) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~BoxWatcher() override { QCoreApplication::instance()->removeEventFilter(this); }
    const std::vector<ShownBox>& boxes() const { return boxes_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = event->type() == QEvent::Show ? qobject_cast<QMessageBox*>(watched) : nullptr;
        if (box) {
            QTimer::singleShot(0, box, [this, box = QPointer<QMessageBox>(box)] {
                if (!box) {
                    return;
                }
                ShownBox shown{box->windowTitle(),
                               ui::withoutBreakPoints(box->text()),
                               ui::withoutBreakPoints(box->informativeText()),
                               {},
                               unfitPartOf(*box)};
                for (const QAbstractButton* button : box->buttons()) {
                    shown.buttons << button->text();
                }
                savePicture(*box);
                boxes_.push_back(shown);
                QAbstractButton* answer = nullptr;
                if (!answers_.empty()) {
                    answer = box->button(answers_.front());
                    answers_.erase(answers_.begin());
                }
                if (answer) {
                    answer->click();
                } else if (QAbstractButton* escape = box->escapeButton()) {
                    escape->click();
                } else {
                    box->reject();
                }
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    // With PULSADROME_BOX_PICTURES set to a folder, every box is saved there as a PNG named after
    // the test, to be looked at. A picture that cannot be written yet (a test's file size limit)
    // is written with the next one.
    void savePicture(QMessageBox& box) const {
        const QString folder = qEnvironmentVariable("PULSADROME_BOX_PICTURES");
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        if (folder.isEmpty() || !test) {
            return;
        }
        static std::vector<std::pair<QString, QImage>> pending;
        static int count = 0;
        QString name = QStringLiteral("%1-%2-%3.png")
                           .arg(QLatin1String(test->test_suite_name()), QLatin1String(test->name()))
                           .arg(++count);
        name.replace(QLatin1Char('/'), QLatin1Char('_'));
        pending.emplace_back(QDir(folder).filePath(name), box.grab().toImage());
        std::erase_if(pending, [](const auto& picture) {
            QByteArray png;
            QBuffer buffer(&png);
            return buffer.open(QIODevice::WriteOnly) && picture.second.save(&buffer, "PNG") &&
                   writeFileAtomically(picture.first, png).ok();
        });
    }

    std::vector<ShownBox> boxes_;
    std::vector<QMessageBox::StandardButton> answers_;
};

// Words of the system's English texts (errno's, Qt's, SDL's) and of Qt's own buttons that are no
// word of French, Spanish, Portuguese, Italian or German.
inline const QStringList kEnglishWords = {
    QStringLiteral("directory"), QStringLiteral("such"),      QStringLiteral("permission"),
    QStringLiteral("folder"),    QStringLiteral("created"),   QStringLiteral("removed"),
    QStringLiteral("made"),      QStringLiteral("read"),      QStringLiteral("space"),
    QStringLiteral("left"),      QStringLiteral("device"),    QStringLiteral("exists"),
    QStringLiteral("lock"),      QStringLiteral("only"),      QStringLiteral("system"),
    QStringLiteral("too"),       QStringLiteral("large"),     QStringLiteral("joystick"),
    QStringLiteral("the"),       QStringLiteral("is"),        QStringLiteral("not"),
    QStringLiteral("could"),     QStringLiteral("cannot"),    QStringLiteral("be"),
    QStringLiteral("database"),  QStringLiteral("disk"),      QStringLiteral("full"),
    QStringLiteral("denied"),    QStringLiteral("locked"),    QStringLiteral("damaged"),
    QStringLiteral("unknown"),   QStringLiteral("opened"),    QStringLiteral("written"),
    QStringLiteral("player"),    QStringLiteral("yes"),       QStringLiteral("retry"),
    QStringLiteral("cancel"),    QStringLiteral("ok"),        QStringLiteral("another"),
    QStringLiteral("using"),     QStringLiteral("malformed"), QStringLiteral("busy"),
    QStringLiteral("unable"),    QStringLiteral("open"),      QStringLiteral("players"),
};

inline QStringList englishWordsIn(const QString& text) {
    QStringList found;
    static const QRegularExpression notLetters(QStringLiteral("[^\\p{L}]+"));
    for (const QString& word : text.split(notLetters, Qt::SkipEmptyParts)) {
        if (kEnglishWords.contains(word.toLower())) {
            found << word;
        }
    }
    return found;
}

inline i18n::CaptionTable captionsIn(i18n::Language language) {
    i18n::CaptionTable captions;
    captions.setCurrentCode(QString::fromLatin1(i18n::languageInfo(language).code));
    captions.Command_langue_Click();
    return captions;
}

inline QString buttonText(const i18n::CaptionTable& captions, QStringView key) {
    return captions.text(key).trimmed();
}

// The box speaks `language` alone, its title and buttons made of the caption rows, whole on the
// screen; every path of `paths` is named in its detail line, and the system's words appear
// nowhere else. Sentences end with one full stop and, in French, take no capital after a colon.
inline void expectSaidInTheLanguage(const ShownBox& box, i18n::Language language,
                                    const QStringList& buttons, const QStringList& paths) {
    const i18n::CaptionTable captions = captionsIn(language);
    EXPECT_EQ(box.title, captions.text(u"Label_titre"));
    EXPECT_EQ(box.buttons, buttons);
    EXPECT_THAT(box.unfit.toStdString(), IsEmpty()) << box.text.toStdString();
    QString detail = box.detail;
    QString text = box.text;
    for (const QString& path : paths) {
        EXPECT_THAT(box.detail.toStdString(),
                    HasSubstr(QDir::toNativeSeparators(path).toStdString()));
        detail.remove(QDir::toNativeSeparators(path));
        text.remove(QDir::toNativeSeparators(path));
    }
    if (language != i18n::Language::Anglais) {
        EXPECT_THAT(englishWordsIn(text + QLatin1Char(' ') + box.buttons.join(QLatin1Char(' '))),
                    IsEmpty())
            << box.text.toStdString();
        // The computer's own words are in the detail, after the caption row that says so.
        const QString system = captions.text(u"detail_systeme").arg(QString());
        QStringList lines = detail.split(QLatin1Char('\n'));
        lines.removeIf([&](const QString& line) { return line.startsWith(system); });
        EXPECT_THAT(englishWordsIn(lines.join(QLatin1Char(' '))), IsEmpty())
            << box.detail.toStdString();
    }
    EXPECT_THAT(box.text.toStdString(), ::testing::Not(HasSubstr("..")));
    if (language == i18n::Language::Francais) {
        EXPECT_FALSE(box.text.contains(QRegularExpression(QStringLiteral(": ?\\p{Lu}\\p{Ll}"))))
            << box.text.toStdString();
    }
}

} // namespace pulsadrome::testing
