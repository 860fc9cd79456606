// SPDX-License-Identifier: GPL-3.0-or-later
// The message boxes as a child or a parent reads them, in each of the six languages: the player
// database's problems are provoked for real (a damaged file, a file another copy holds, a file
// that cannot be opened, a full disk), and each box must speak the interface language only, its
// buttons be the caption rows, its text wrap inside the screen instead of being cut.
#include "app/DataDirectory.h"
#include "app/ProgramFlow.h"
#include "i18n/CaptionTable.h"
#include "i18n/LanguageFile.h"
#include "ui/MessageBox.h"

#include "support/ChildProcess.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>

#include <gmock/gmock.h>

namespace pulsadrome {
namespace {

using ::testing::ElementsAre;
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
QString unfitPartOf(const QMessageBox& box) {
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
    BoxWatcher() { QCoreApplication::instance()->installEventFilter(this); }
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
                boxes_.push_back(shown);
                if (QAbstractButton* escape = box->escapeButton()) {
                    escape->click();
                } else {
                    box->reject();
                }
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::vector<ShownBox> boxes_;
};

// Words of the system's English texts and of Qt's own buttons that are no word of French,
// Spanish, Portuguese, Italian or German.
const QStringList kEnglishWords = {
    QStringLiteral("the"),      QStringLiteral("is"),        QStringLiteral("not"),
    QStringLiteral("could"),    QStringLiteral("cannot"),    QStringLiteral("be"),
    QStringLiteral("database"), QStringLiteral("disk"),      QStringLiteral("full"),
    QStringLiteral("denied"),   QStringLiteral("locked"),    QStringLiteral("damaged"),
    QStringLiteral("unknown"),  QStringLiteral("opened"),    QStringLiteral("written"),
    QStringLiteral("player"),   QStringLiteral("yes"),       QStringLiteral("retry"),
    QStringLiteral("cancel"),   QStringLiteral("ok"),        QStringLiteral("another"),
    QStringLiteral("using"),    QStringLiteral("malformed"), QStringLiteral("busy"),
    QStringLiteral("unable"),   QStringLiteral("open"),      QStringLiteral("players"),
};

QStringList englishWordsIn(const QString& text) {
    QStringList found;
    static const QRegularExpression notLetters(QStringLiteral("[^\\p{L}]+"));
    for (const QString& word : text.split(notLetters, Qt::SkipEmptyParts)) {
        if (kEnglishWords.contains(word.toLower())) {
            found << word;
        }
    }
    return found;
}

i18n::CaptionTable captionsIn(i18n::Language language) {
    i18n::CaptionTable captions;
    captions.setCurrentCode(QString::fromLatin1(i18n::languageInfo(language).code));
    captions.Command_langue_Click();
    return captions;
}

class DatabaseMessages : public ::testing::TestWithParam<i18n::Language> {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        data = app::DataDirectory::open(dir.path());
        ASSERT_TRUE(data);
        i18n::CaptionTable table;
        QString error;
        ASSERT_TRUE(i18n::chooseLanguage(
            table, GetParam(), data->file(QString::fromLatin1(i18n::kLanguageFileName)), &error))
            << error.toStdString();
        captions = captionsIn(GetParam());
    }

    QString databaseFile() const { return data->file(app::PlayerStore::fileName()); }

    void makeStoreWithOnePlayer() {
        app::PlayerStore store(*data);
        ASSERT_TRUE(store.open());
        app::PlayerRecord record;
        record.nom = QStringLiteral("Léa");
        record.fond = QStringLiteral("1");
        ASSERT_TRUE(store.add(record));
    }

    // The one box openPlayers() showed; openPlayers() must not go on.
    ShownBox boxOfOpening() {
        const BoxWatcher watcher;
        app::ProgramFlow flow(*data, {}, 200);
        EXPECT_FALSE(flow.openPlayers());
        EXPECT_EQ(watcher.boxes().size(), 1u);
        return watcher.boxes().empty() ? ShownBox{} : watcher.boxes().front();
    }

    // The box speaks the language alone, with buttons made of the caption rows, whole on the
    // screen; the file it names is in its detail line.
    void expectToldInTheLanguage(const ShownBox& box, const QStringList& buttons) {
        EXPECT_EQ(box.title, captions.text(u"Label_titre"));
        EXPECT_EQ(box.buttons, buttons);
        EXPECT_THAT(box.unfit.toStdString(), IsEmpty());
        EXPECT_THAT(box.detail.toStdString(),
                    HasSubstr(QDir::toNativeSeparators(databaseFile()).toStdString()));
        if (GetParam() != i18n::Language::Anglais) {
            QString detail = box.detail;
            detail.remove(QDir::toNativeSeparators(databaseFile()));
            EXPECT_THAT(englishWordsIn(box.text + QLatin1Char(' ') + detail + QLatin1Char(' ') +
                                       box.buttons.join(QLatin1Char(' '))),
                        IsEmpty())
                << box.text.toStdString() << "\n"
                << box.detail.toStdString();
        }
        // Sentences end with one full stop and take no capital after a colon.
        EXPECT_THAT(box.text.toStdString(), ::testing::Not(HasSubstr("..")));
        EXPECT_FALSE(box.text.contains(QRegularExpression(QStringLiteral(": ?\\p{Lu}\\p{Ll}"))) &&
                     GetParam() == i18n::Language::Francais)
            << box.text.toStdString();
    }

    QStringList yesNo() const { return {buttonText(u"oui"), buttonText(u"non")}; }
    QStringList okOnly() const { return {buttonText(u"bouton_ok")}; }
    QStringList retryCancel() const {
        return {buttonText(u"bouton_reessayer"), buttonText(u"bouton_annuler")};
    }
    QString buttonText(QStringView key) const { return captions.text(key).trimmed(); }

    QTemporaryDir dir;
    std::optional<app::DataDirectory> data;
    i18n::CaptionTable captions;
};

TEST_P(DatabaseMessages, aDamagedFileIsAskedAboutWithYesAndNo) {
    QFile bad(databaseFile());
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("these are not players, and this line is long enough to look like a file");
    bad.close();
    const ShownBox box = boxOfOpening();
    EXPECT_EQ(box.text, captions.text(u"base_abimee"));
    expectToldInTheLanguage(box, yesNo());
}

TEST_P(DatabaseMessages, aFileAnotherCopyHoldsSaysSoAndThatTryingLaterHelps) {
    makeStoreWithOnePlayer();
    const QString name = QStringLiteral("holder-%1").arg(int(GetParam()));
    {
        QSqlDatabase holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        holder.setDatabaseName(databaseFile());
        ASSERT_TRUE(holder.open());
        QSqlQuery query(holder);
        ASSERT_TRUE(query.exec(QStringLiteral("PRAGMA locking_mode = EXCLUSIVE")));
        ASSERT_TRUE(query.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        ASSERT_TRUE(query.exec(QStringLiteral("UPDATE \"Pulsadrome\" SET \"fond\" = '2'")));
        const ShownBox box = boxOfOpening();
        EXPECT_EQ(
            box.text,
            captions.text(u"base_erreur").arg(captions.text(u"raison_fichier_occupe")).trimmed());
        expectToldInTheLanguage(box, okOnly());
        query.exec(QStringLiteral("ROLLBACK"));
        holder.close();
    }
    QSqlDatabase::removeDatabase(name);
}

TEST_P(DatabaseMessages, aFileThatCannotBeOpenedSaysSo) {
    // A folder where the file should be: no program can open it as a database.
    ASSERT_TRUE(QDir().mkpath(databaseFile()));
    const ShownBox box = boxOfOpening();
    EXPECT_EQ(
        box.text,
        captions.text(u"base_erreur").arg(captions.text(u"raison_fichier_inaccessible")).trimmed());
    expectToldInTheLanguage(box, okOnly());
}

// Storing the player on the way out meets a disk that takes no more: the child is asked, in its
// language, whether to try again. The program runs in a child process whose files cannot grow.
TEST_P(DatabaseMessages, aFullDiskOnTheWayOutAsksToTryAgainOrCancel) {
    makeStoreWithOnePlayer();
    const QString told = testing::runInChild([&] {
        const BoxWatcher watcher;
        app::ProgramFlow flow(*data, {}, 200);
        if (!flow.openPlayers()) {
            return QStringLiteral("child: not opened");
        }
        flow.showPlayerChoice();
        flow.goOn();
        flow.players().current().fond = QStringLiteral("7");
        testing::limitFileSize(1024);
        flow.quit();
        if (watcher.boxes().empty()) {
            return QStringLiteral("child: no box");
        }
        return watcher.boxes().front().serialised();
    });
    ASSERT_FALSE(told.startsWith(QLatin1String("child:"))) << told.toStdString();
    const ShownBox box = ShownBox::parsed(told);
    // A file that may not grow is refused by the system (EFBIG) as a full disk would be.
    EXPECT_THAT(box.text.toStdString(),
                HasSubstr(captions.text(u"enregistrement_impossible")
                              .arg(captions.text(u"raison_ecriture_refusee"))
                              .toStdString()));
    expectToldInTheLanguage(box, retryCancel());
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, DatabaseMessages,
                         ::testing::Values(i18n::Language::Francais, i18n::Language::Anglais,
                                           i18n::Language::Espagnol, i18n::Language::Portugais,
                                           i18n::Language::Italien, i18n::Language::Allemand),
                         [](const auto& info) {
                             return std::string(i18n::languageInfo(info.param).code);
                         });

// The routine itself: a path far wider than the screen wraps at its separators, and reads the
// same once its break points are taken out.
TEST(MessageBoxRoutine, aLongPathWrapsInsideTheScreenAndReadsTheSame) {
    const QString path = QStringLiteral("/home/une_famille/Documents/Partage_de_l_ecole/"
                                        "classe-de-musique-2026/Pulsadrome/donnees-des-joueurs/"
                                        "pulsadrome.sqlite.damaged-20261207-101500");
    const QString text = QStringLiteral("Le fichier %1 est abîmé.").arg(path);
    EXPECT_EQ(ui::withoutBreakPoints(ui::withBreakPoints(text)), text);
    EXPECT_EQ(ui::withBreakPoints(QStringLiteral("Ein kurzer Satz.")),
              QStringLiteral("Ein kurzer Satz."));
    const BoxWatcher watcher;
    const auto german = captionsIn(i18n::Language::Allemand);
    ui::showMessage(nullptr, german, ui::MessageTone::Warning, text, path);
    ASSERT_EQ(watcher.boxes().size(), 1u);
    EXPECT_EQ(watcher.boxes()[0].text, text);
    EXPECT_THAT(watcher.boxes()[0].buttons, ElementsAre(QStringLiteral("In Ordnung")));
    EXPECT_THAT(watcher.boxes()[0].unfit.toStdString(), IsEmpty());
}

} // namespace
} // namespace pulsadrome
