// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's class table: a child's line from hand-made answers, sorting by clicks on the
// headings (numbers as numbers), a line opening the child's Progress screen and report, the
// spreadsheet file read back through a CSV reader, and the table fitting 800 x 600 in the six
// languages.
#include "MessageChecks.h"

#include "answers/CsvDocument.h"
#include "app/ClassTable.h"
#include "app/ClassWindow.h"
#include "app/DemoHistory.h"
#include "app/ProgramFlow.h"
#include "app/ProgressWindow.h"
#include "listening/SilentRhythm.h"
#include "ui/ClickLabel.h"
#include "ui/Style.h"

#include "support/CsvReader.h"

#include <QFile>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gmock/gmock.h>

using namespace pulsadrome;
using namespace pulsadrome::app;
using answers::Activity;
using answers::AnswerRecord;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

// Monday 7 September 2026, 15:00 UTC.
constexpr qint64 kClassStart = 1'788'789'600;

TEST(ClassLine, countsTheLevelsPassedTheAnswersAndTheTimeOfOneChild) {
    PlayerRecord child = newPlayerRecord("Lina");
    child.setProgress({"5", "3", "2"});
    const Activity level4{Activity::Kind::Level, "4"};
    const Activity practice{Activity::Kind::Practice, "practice1"};
    // Two answers a minute apart in level 4, then a practice much later.
    const std::vector<AnswerRecord> answers = {
        {7, 1000, level4, 25, 25, true, 1500, 100, 23},
        {7, 1060, level4, 25, 26, false, 2500, 100, 23},
        {7, 9000, practice, 26, 26, true, 2000, 100, 23},
    };
    const ClassLine line = classLine(7, child, answers);
    EXPECT_EQ(line.player, 7);
    EXPECT_EQ(line.name, QLatin1String("Lina"));
    // "5" opens 1a, 1b, 1 ... 5: six passed; "3" two; "2" one.
    EXPECT_THAT(line.passed, ElementsAre(6, 2, 1));
    EXPECT_EQ(line.answers, 3);
    EXPECT_EQ(line.right, 2);
    EXPECT_EQ(line.playedSeconds, 1 + 60 + 2); // 1.5 s + 60 s + 2 s, whole seconds
    EXPECT_EQ(line.lastUtc, 9000);

    const ClassLine never = classLine(8, newPlayerRecord("Zoé"), {});
    EXPECT_THAT(never.passed, ElementsAre(0, 0, 0));
    EXPECT_EQ(never.answers, 0);
    EXPECT_FALSE(never.lastUtc.has_value());
}

// The names of the table's rows from the top.
QStringList namesShown(const QTableWidget& table) {
    QStringList names;
    for (int row = 0; row < table.rowCount(); ++row) {
        names << table.item(row, 0)->text();
    }
    return names;
}

void clickHeading(QTableWidget& table, ClassColumn column) {
    QHeaderView* header = table.horizontalHeader();
    const int section = static_cast<int>(column);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(section) + 4, header->height() / 2));
}

TEST(ClassWindow, aClickOnAHeadingSortsNumbersAsNumbersAndASecondTheOtherWay) {
    const i18n::CaptionTable captions;
    std::vector<ClassLine> lines = {
        {1, "Carl", {9, 0, 0}, 100, 90, 3600, 5000},
        {2, "Bea", {10, 1, 0}, 9, 3, 200, 9000},
        {3, "Dan", {0, 0, 0}, 0, 0, 0, std::nullopt},
        {4, "Anna", {2, 0, 3}, 10, 10, 59, 7000},
    };
    ClassWindow window(captions, lines, QTimeZone::utc());
    window.setScale(1.0);
    window.show();
    QTableWidget& table = *window.table();
    EXPECT_THAT(namesShown(table), ElementsAre("Anna", "Bea", "Carl", "Dan"));
    struct Case {
        ClassColumn column;
        std::vector<const char*> ascending;
    };
    for (const Case& c : {
             Case{ClassColumn::Main, {"Dan", "Anna", "Carl", "Bea"}},
             Case{ClassColumn::Compound, {"Bea", "Carl", "Dan", "Anna"}},
             // 33 %, 90 %, 100 %; no answer under them all.
             Case{ClassColumn::Right, {"Dan", "Bea", "Carl", "Anna"}},
             Case{ClassColumn::Played, {"Dan", "Anna", "Bea", "Carl"}},
             Case{ClassColumn::LastPlayed, {"Dan", "Carl", "Anna", "Bea"}},
         }) {
        clickHeading(table, c.column);
        if (table.horizontalHeader()->sortIndicatorOrder() == Qt::DescendingOrder) {
            clickHeading(table, c.column);
        }
        EXPECT_THAT(namesShown(table), ElementsAreArray(c.ascending)) << static_cast<int>(c.column);
        clickHeading(table, c.column);
        std::vector<const char*> descending(c.ascending.rbegin(), c.ascending.rend());
        // Equal values keep no promised order: only compare when all differ.
        if (c.column != ClassColumn::Compound) {
            EXPECT_THAT(namesShown(table), ElementsAreArray(descending))
                << static_cast<int>(c.column);
        }
    }
    // Whatever the order, a row still names its own child.
    for (int row = 0; row < table.rowCount(); ++row) {
        const auto player = window.playerAt(row);
        ASSERT_TRUE(player);
        const auto line = std::find_if(lines.begin(), lines.end(),
                                       [&](const ClassLine& l) { return l.player == *player; });
        ASSERT_NE(line, lines.end());
        EXPECT_EQ(table.item(row, 0)->text(), line->name);
    }
    EXPECT_EQ(table.item(0, static_cast<int>(ClassColumn::Main))->text().isEmpty(), false);
}

class ClassOfEight : public ::testing::Test {
protected:
    void SetUp() override {
        ui::applyProgramStyle(*qApp);
        data = DataDirectory::open(dir.path());
        ASSERT_TRUE(data);
        flow = std::make_unique<ProgramFlow>(*data, [](const i18n::CaptionTable&, QString*) {
            return std::make_unique<listening::SilentRhythm>();
        });
        ASSERT_TRUE(flow->openPlayers());
        const auto rows = playDemoClass(flow->players(), kClassStart);
        ASSERT_TRUE(rows) << rows.status.message.toStdString();
        children = *rows;
        TeacherPassword password(*data);
        ASSERT_EQ(password.choose("Sol-La", "Sol-La"), TeacherPassword::Refusal::None);
        flow->showPlayerChoice();
        QTest::mouseClick(flow->playerChoice()->teacherLabel(), Qt::LeftButton);
        ASSERT_NE(flow->teacherPassword(), nullptr);
        QTest::keyClicks(flow->teacherPassword()->firstBox(), "Sol-La");
        QTest::keyClick(flow->teacherPassword()->firstBox(), Qt::Key_Return);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_NE(flow->classTable(), nullptr);
        flow->waitForStore();
        flow->classTable()->setScale(1.0);
    }
    void TearDown() override {
        if (flow) {
            flow->quit();
        }
    }
    int rowOf(const QString& name) const {
        const QTableWidget& table = *flow->classTable()->table();
        for (int row = 0; row < table.rowCount(); ++row) {
            if (table.item(row, 0)->text() == name) {
                return row;
            }
        }
        return -1;
    }

    QTemporaryDir dir;
    std::optional<DataDirectory> data;
    std::unique_ptr<ProgramFlow> flow;
    std::vector<RowId> children;
};

TEST_F(ClassOfEight, everyChildHasALineAndALineOpensThatChildsProgress) {
    ClassWindow* window = flow->classTable();
    QTableWidget& table = *window->table();
    ASSERT_EQ(table.rowCount(), 8);
    const std::vector<ClassLine>& lines = window->lines();
    ASSERT_EQ(lines.size(), 8u);
    // The lines are the store's, child by child.
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i], classLine(children[i], *flow->players().read(children[i]),
                                      *flow->players().answersOf(children[i])));
    }
    // Zoé has not played: never, and no share.
    const int zoe = rowOf("Zoé");
    ASSERT_GE(zoe, 0);
    EXPECT_EQ(table.item(zoe, static_cast<int>(ClassColumn::LastPlayed))->text(),
              flow->captions().text(u"classe_jamais"));
    EXPECT_EQ(table.item(zoe, static_cast<int>(ClassColumn::Right))->text(), QString("—"));

    // Amira's line, chosen with the keys, opens her Progress screen with Enter.
    const int amira = rowOf("Amira");
    ASSERT_GE(amira, 0);
    table.setFocus();
    table.setCurrentCell(0, 0);
    for (int row = 0; row < amira; ++row) {
        QTest::keyClick(&table, Qt::Key_Down);
    }
    EXPECT_TRUE(window->findChild<QWidget*>("Label_ouvrir")->isEnabled());
    QTest::keyClick(&table, Qt::Key_Return);
    ProgressWindow* progress = flow->progress();
    ASSERT_NE(progress, nullptr);
    EXPECT_EQ(progress->child().nom, QLatin1String("Amira"));
    EXPECT_EQ(progress->visit(), ProgressWindow::Visit::Teacher);
    EXPECT_NE(progress->findChild<QWidget*>("Label_rapport"), nullptr);
    EXPECT_FALSE(progress->findChild<QWidget*>("Label_pratiquer")->isVisible());
    // Without the practice button the pairs spread over its room: ten of them would end just
    // above the panel's foot, as far as the heading is below its top, and leave no empty strip.
    const QWidget* first = progress->findChild<QWidget*>("Label_ecouter1");
    const QWidget* second = progress->findChild<QWidget*>("Label_ecouter2");
    ASSERT_TRUE(first && second) << "Amira confuses at least two pairs";
    const double scale = progress->width() / 800.0;
    const int tenthFoot = first->y() + 9 * (second->y() - first->y()) + first->height();
    const double footRoom = (progress->height() - tenthFoot) / scale;
    EXPECT_GE(footRoom, 14.0);
    EXPECT_LE(footRoom, 24.0) << "an empty strip under the pairs";
    // Its way back leads to the class, still there.
    QTest::keyClick(progress, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(flow->progress(), nullptr);
    EXPECT_TRUE(window->isVisible());
    // Noah's line, clicked, opens his with the button.
    const int noah = rowOf("Noah");
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {},
                      table.visualItemRect(table.item(noah, 2)).center());
    QTest::mouseClick(window->findChild<QWidget*>("Label_ouvrir"), Qt::LeftButton);
    ASSERT_NE(flow->progress(), nullptr);
    EXPECT_EQ(flow->progress()->child().nom, QLatin1String("Noah"));
    // A double click on Zoé's line opens hers, as the hint above the table says.
    QTest::keyClick(flow->progress(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(flow->progress(), nullptr);
    const QPoint onZoe = table.visualItemRect(table.item(rowOf("Zoé"), 2)).center();
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, onZoe);
    QTest::mouseDClick(table.viewport(), Qt::LeftButton, {}, onZoe);
    ASSERT_NE(flow->progress(), nullptr) << "the double click opened nothing";
    EXPECT_EQ(flow->progress()->child().nom, QStringLiteral("Zoé"));
    // The class's way back takes the child's screen with it.
    QTest::mouseClick(window->findChild<QWidget*>("Image_retour"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(flow->progress(), nullptr);
    EXPECT_EQ(flow->classTable(), nullptr);
    EXPECT_TRUE(flow->playerChoice()->isVisible());
}

// The file at `path`, read back: its byte order mark, then rows of `separator`.
std::vector<QStringList> readBack(const QString& path, QChar separator) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    QString wrong;
    const auto rows =
        pulsadrome::testing::readCsv(QString::fromUtf8(bytes.mid(3)), separator, &wrong);
    EXPECT_TRUE(wrong.isEmpty()) << wrong.toStdString();
    return rows;
}

TEST_F(ClassOfEight, theExportIsASpreadsheetFileThatReadsBackAsTheTable) {
    pulsadrome::testing::BoxWatcher boxes;
    const QString path = flow->exportClass();
    ASSERT_FALSE(path.isEmpty());
    EXPECT_EQ(QFileInfo(path).dir(), QDir(dir.path()));
    EXPECT_TRUE(QFileInfo(path).fileName().startsWith("classe-"));
    const std::vector<QStringList> expected =
        classRows(flow->classTable()->lines(), flow->captions(), QTimeZone::systemTimeZone());
    EXPECT_EQ(readBack(path, answers::csvSeparator(QLocale::system())), expected);
    ASSERT_EQ(expected.size(), 9u);
    EXPECT_EQ(expected[0].size(), kClassColumns);
    EXPECT_EQ(expected[0][static_cast<int>(ClassColumn::Main)],
              QStringLiteral("Niveaux 2/4 3/4 4/4"));
    // Numbers as a spreadsheet reads them: Lina passed eight levels of the main series.
    EXPECT_EQ(expected[1][0], QLatin1String("Lina"));
    EXPECT_EQ(expected[1][static_cast<int>(ClassColumn::Main)], QLatin1String("8"));
    EXPECT_EQ(expected[3][static_cast<int>(ClassColumn::Right)], QString()); // Zoé
    EXPECT_EQ(expected[3][static_cast<int>(ClassColumn::LastPlayed)], QString());
}

TEST(ClassExport, namesThatASpreadsheetWouldMisreadRoundTripForEachLocale) {
    QTemporaryDir dir;
    const std::vector<ClassLine> lines = {
        {1, "O'Neil, \"Jo\"", {3, 1, 0}, 40, 30, 754, 1'788'789'600},
        {2, "Zoé; Émile", {0, 0, 0}, 0, 0, 0, std::nullopt},
        {3, " Ana ", {48, 12, 12}, 20000, 19000, 360'000, 1'788'889'600},
    };
    i18n::CaptionTable captions;
    captions.setCurrentCode("allemand");
    captions.Command_langue_Click();
    for (const QLocale& locale : {QLocale(QLocale::German, QLocale::Germany),
                                  QLocale(QLocale::English, QLocale::UnitedKingdom)}) {
        const QString path = dir.filePath("class.csv");
        ASSERT_TRUE(exportClassTable(lines, captions, locale, QTimeZone::utc(), path));
        const auto rows = readBack(path, answers::csvSeparator(locale));
        ASSERT_EQ(rows.size(), 4u);
        EXPECT_EQ(rows[0][0], QLatin1String("Spieler"));
        EXPECT_THAT(rows[1],
                    ElementsAre("O'Neil, \"Jo\"", "3", "1", "0", "75", "40", "13", "2026-09-07"));
        EXPECT_THAT(rows[2], ElementsAre("Zoé; Émile", "0", "0", "0", "", "0", "0", ""));
        EXPECT_THAT(rows[3],
                    ElementsAre(" Ana ", "48", "12", "12", "95", "20000", "6000", "2026-09-08"));
    }
}

// How far a label's text, drawn in its own font, goes beyond the room inside its border.
QSize overflow(QLabel* label) {
    label->ensurePolished();
    const QRect room = label->contentsRect();
    const int flags =
        static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect needed = label->fontMetrics().boundingRect(room, flags, label->text());
    return {std::max(0, needed.width() - room.width()),
            std::max(0, needed.height() - room.height())};
}

class ClassTexts : public ::testing::TestWithParam<i18n::Language> {};

TEST_P(ClassTexts, everyTextFitsAt800x600) {
    // In the program's own font, as the program writes.
    ASSERT_TRUE(ui::applyProgramStyle(*qApp)) << "Andika is not installed: scripts/install-deps.sh";
    const i18n::CaptionTable captions = pulsadrome::testing::captionsIn(GetParam());
    QTemporaryDir dir;
    const auto data = DataDirectory::open(dir.path());
    ASSERT_TRUE(data);
    PlayerStore store(*data);
    ASSERT_TRUE(store.open());
    ASSERT_TRUE(playDemoClass(store, kClassStart));
    ASSERT_TRUE(store.add(newPlayerRecord("Maximilian-Alexander")));
    const auto lines = classLines(store);
    ASSERT_TRUE(lines);
    ClassWindow window(captions, *lines, QTimeZone::utc());
    window.setScale(1.0);
    window.show();
    EXPECT_EQ(window.size(), QSize(800, 600));
    for (QLabel* label : window.findChildren<QLabel*>()) {
        // The home button's text is one picture, drawn in the emoji font.
        if (label->isVisibleTo(&window) && !label->text().isEmpty() &&
            label->objectName() != QLatin1String("Image_retour")) {
            EXPECT_EQ(overflow(label), QSize(0, 0)) << label->objectName().toStdString() << " \""
                                                    << label->text().toStdString() << "\"";
        }
    }
    const QTableWidget& table = *window.table();
    int total = 0;
    // The headings are drawn in the table's font, bold (the form's style sheet says so).
    QFont headingFont = table.font();
    headingFont.setBold(true);
    const QFontMetrics headingMetrics(headingFont);
    for (int column = 0; column < kClassColumns; ++column) {
        if (table.isColumnHidden(column)) {
            continue;
        }
        total += table.columnWidth(column);
        for (const QString& line : table.horizontalHeaderItem(column)->text().split('\n')) {
            EXPECT_LE(headingMetrics.horizontalAdvance(line) + 12, table.columnWidth(column))
                << line.toStdString();
        }
        for (int row = 0; row < table.rowCount(); ++row) {
            const QTableWidgetItem* item = table.item(row, column);
            EXPECT_LE(QFontMetrics(item->font()).horizontalAdvance(item->text()) + 8,
                      table.columnWidth(column))
                << item->text().toStdString();
        }
    }
    // No column is pushed out of sight, and every line shows without scrolling.
    EXPECT_LE(total, table.viewport()->width());
    EXPECT_LE(table.rowCount() * table.rowHeight(0) + table.horizontalHeader()->height(),
              table.height());

    // The player choice's links fit beside each other.
    PlayerChoiceWindow choice(store, const_cast<i18n::CaptionTable&>(captions), QString());
    choice.setScale(1.0);
    for (const char* name : {"Label_quitter", "Label_enseignant"}) {
        EXPECT_EQ(overflow(choice.findChild<QLabel*>(name)), QSize(0, 0)) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(SixLanguages, ClassTexts,
                         ::testing::Values(i18n::Language::Francais, i18n::Language::Anglais,
                                           i18n::Language::Espagnol, i18n::Language::Portugais,
                                           i18n::Language::Italien, i18n::Language::Allemand));

} // namespace
