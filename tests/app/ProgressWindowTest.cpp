// SPDX-License-Identifier: GPL-3.0-or-later
// The Progress screen through the real windows: opened from the menu's label for a child with
// weeks of answers played through the answer log, its levels, its confused pairs and their
// play-both button heard through the screen's own engine, the practice asked for, the way back,
// and every text of it fitting its place at 800 x 600 in the six languages.
#include "app/ProgressWindow.h"
#include "answers/ChildProgress.h"
#include "app/DemoHistory.h"
#include "app/ProgramFlow.h"
#include "i18n/CaptionTable.h"
#include "play/level/LevelWindow.h"
#include "ui/ClickLabel.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gmock/gmock.h>

using namespace pulsadrome;
using namespace pulsadrome::app;

namespace {

// Monday 7 September 2026, 15:00 UTC.
constexpr qint64 kHistoryStart = 1'788'789'600;

// An engine that records what it is asked and says each rhythm lasts 2.4 s plus 10 ms a motif.
class RecordingEngine final : public play::RhythmPort {
public:
    explicit RecordingEngine(QStringList* calls) : calls_(calls) {}
    QStringList FillBandList() const override { return {"Piano", "Jazz", "Rock"}; }
    bool SelectBand(const QString& name) override { return record("SelectBand " + name); }
    bool StopAll() override { return record("StopAll"); }
    bool PlayRhythm(int k) override { return record("PlayRhythm " + QString::number(k)); }
    bool PlayBandPreview() override { return record("PlayBandPreview"); }
    std::optional<int> RhythmMilliseconds(int k) const override { return 2400 + 10 * k; }
    bool SetTempo(qint16 t) override { return record("SetTempo " + QString::number(t)); }
    bool ChangeVolume(int v) override { return record("ChangeVolume " + QString::number(v)); }
    bool SetVolumeFromEdit(int v) override {
        return record("SetVolumeFromEdit " + QString::number(v));
    }
    bool PlayFeedback(const QString&, const QString&, bool) override { return true; }

private:
    bool record(const QString& call) {
        *calls_ << call;
        return true;
    }
    QStringList* calls_;
};

class ProgressFromMenu : public ::testing::Test {
protected:
    void SetUp() override {
        data = DataDirectory::open(dir.path());
        ASSERT_TRUE(data.has_value());
        flow = std::make_unique<ProgramFlow>(*data, [this](const i18n::CaptionTable&, QString*) {
            return std::make_unique<RecordingEngine>(&calls);
        });
        ASSERT_TRUE(flow->openPlayers());
        PlayerRecord lina = newPlayerRecord("Lina");
        lina.tempo = "90";
        lina.volume = "60";
        lina.instruments = "1";
        const auto id = flow->players().add(lina);
        ASSERT_TRUE(id);
        ASSERT_TRUE(flow->players().moveTo(*id));
        const DemoHistoryOutcome history = playDemoHistory(flow->players(), kHistoryStart, 14);
        ASSERT_TRUE(history.status) << history.status.message.toStdString();
        ASSERT_GT(history.answers, 300);
        flow->showPlayerChoice();
        flow->playerChoice()->pickName(0);
        flow->playerChoice()->Label_jouer_Click();
        ASSERT_NE(flow->menu(), nullptr);
    }

    ProgressWindow* openFromMenu() {
        QTest::mouseClick(flow->menu()->label("Label_progres"), Qt::LeftButton);
        ProgressWindow* window = flow->progress();
        EXPECT_NE(window, nullptr);
        if (window) {
            window->setScale(1.0);
        }
        return window;
    }

    QTemporaryDir dir;
    std::optional<DataDirectory> data;
    QStringList calls;
    std::unique_ptr<ProgramFlow> flow;
};

TEST_F(ProgressFromMenu, theMenusLabelOpensTheChildsLevelsWithTheirDaysAndAccuracy) {
    ProgressWindow* window = openFromMenu();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->child().nom, QLatin1String("Lina"));
    const answers::ChildProgress& progress = window->progress();
    // The history passed 1a ... 6 of the main series, two minim-beat levels and one in compound
    // time; level 7 is played and open.
    ASSERT_EQ(progress.series.size(), 3u);
    EXPECT_EQ(progress.series[0].passedCount, 8);
    EXPECT_EQ(progress.series[1].passedCount, 2);
    EXPECT_EQ(progress.series[2].passedCount, 1);
    EXPECT_GE(progress.weeks.size(), 6u);

    auto* table = window->findChild<QTableWidget*>("TABLE_niveaux");
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), 3 + 9 + 2 + 1);
    // The first row under the main series' heading: level 1 (1a), passed on the day of its
    // last sitting, at the share of right answers the log holds.
    const answers::LevelProgress& first = progress.series[0].levels.front();
    ASSERT_TRUE(first.passedUtc.has_value());
    EXPECT_EQ(table->item(1, 0)->text(), QLatin1String("1"));
    const QString day =
        QLocale(QLocale::French, QLocale::France)
            .toString(
                QDateTime::fromSecsSinceEpoch(*first.passedUtc, QTimeZone::systemTimeZone()).date(),
                QStringLiteral("d MMM yyyy"));
    EXPECT_EQ(table->item(1, 1)->text(), QStringLiteral("✓ ") + day);
    EXPECT_EQ(table->item(1, 2)->text(),
              QStringLiteral("%1 %").arg((first.right * 100 + first.answers / 2) / first.answers));
    // Level 7 (shown as 9) is not passed yet.
    EXPECT_EQ(table->item(9, 0)->text(), QLatin1String("9"));
    EXPECT_EQ(table->item(9, 1)->text(), QLatin1String("pas encore"));
}

TEST_F(ProgressFromMenu, eachConfusedPairShowsBothPicturesAndPlaysOneRhythmThenTheOther) {
    ProgressWindow* window = openFromMenu();
    ASSERT_NE(window, nullptr);
    const auto& pairs = window->progress().summary.confusedPairs;
    ASSERT_EQ(pairs.size(), 10u);
    for (int n = 1; n <= 10; ++n) {
        EXPECT_NE(window->findChild<QWidget*>(QStringLiteral("Image_paire%1a").arg(n)), nullptr);
        EXPECT_NE(window->findChild<QWidget*>(QStringLiteral("Image_paire%1b").arg(n)), nullptr);
        EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("Label_fois%1").arg(n))->text(),
                  QString::number(pairs[static_cast<std::size_t>(n - 1)].total()));
    }
    EXPECT_EQ(window->findChild<QWidget*>("Image_paire11a"), nullptr);
    // The child's band (position 1) and volume were set when the screen opened.
    EXPECT_THAT(calls,
                ::testing::IsSupersetOf({QString("SelectBand Jazz"), QString("ChangeVolume 60")}));

    // The third pair, by keyboard: its button takes the focus and Space presses it.
    const answers::ConfusedPair third = pairs[2];
    auto* button = window->findChild<ui::ClickLabel*>("Label_ecouter3");
    ASSERT_NE(button, nullptr);
    calls.clear();
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
    // Rhythm n sounds as motif n - 1, at the child's tempo for its series.
    const auto tempoOf = [](int rhythm) {
        const auto series = catalogue::seriesOfRhythm(rhythm);
        return series == catalogue::Series::Compound    ? "SetTempo 135"
               : series == catalogue::Series::MinimBeat ? "SetTempo 180"
                                                        : "SetTempo 90";
    };
    EXPECT_EQ(calls, QStringList(
                         {tempoOf(third.first), "PlayRhythm " + QString::number(third.first - 1)}));
    // The second waits for the end of the first, as long as the engine says, and a short gap.
    ASSERT_TRUE(window->pairTimer().isActive());
    EXPECT_EQ(window->pairTimer().interval(),
              2400 + 10 * (third.first - 1) + ProgressWindow::kPairGapMs);
    window->Timer_paire_Timer();
    EXPECT_EQ(calls.mid(2), QStringList({tempoOf(third.second),
                                         "PlayRhythm " + QString::number(third.second - 1)}));

    // A click on one picture plays that rhythm alone, and cancels a pair under way.
    QTest::mouseClick(window->findChild<QWidget*>("Label_ecouter1"), Qt::LeftButton);
    ASSERT_TRUE(window->pairTimer().isActive());
    calls.clear();
    QTest::mouseClick(window->findChild<QWidget*>("Image_paire5b"), Qt::LeftButton);
    EXPECT_EQ(calls.last(), "PlayRhythm " + QString::number(pairs[4].second - 1));
    EXPECT_FALSE(window->pairTimer().isActive());
}

TEST_F(ProgressFromMenu, practiseAsksForTheConfusedRhythmsAndEscapeGoesBackToTheMenu) {
    ProgressWindow* window = openFromMenu();
    ASSERT_NE(window, nullptr);
    QSignalSpy practise(flow.get(), &ProgramFlow::practiseConfusionsRequested);
    QTest::mouseClick(window->findChild<QWidget*>("Label_pratiquer"), Qt::LeftButton);
    ASSERT_EQ(practise.count(), 1);
    const auto rhythms = practise.first().first().value<QList<int>>();
    const auto& pairs = window->progress().summary.confusedPairs;
    ASSERT_GE(rhythms.size(), 2);
    EXPECT_EQ(rhythms[0], pairs[0].first);
    EXPECT_EQ(rhythms[1], pairs[0].second);
    EXPECT_EQ(QSet<int>(rhythms.begin(), rhythms.end()).size(), rhythms.size());
    // The practice takes the screen's place; its way back brings the screen again.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(flow->practising());
    ASSERT_NE(flow->level(), nullptr);
    QTest::mouseClick(flow->level()->backLabel(), Qt::LeftButton);
    window = flow->progress();
    ASSERT_NE(window, nullptr);
    window->setScale(1.0);

    QTest::mouseClick(window->findChild<QWidget*>("Label_ecouter2"), Qt::LeftButton);
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_EQ(calls.last(), QLatin1String("StopAll"));
    EXPECT_FALSE(window->pairTimer().isActive());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(flow->progress(), nullptr);
    EXPECT_TRUE(flow->menu()->isVisible());
}

TEST_F(ProgressFromMenu, theLatestAnswersAreWrittenBeforeTheScreenReadsThem) {
    const qint64 before = flow->players().answersOf(*flow->players().currentId())->size();
    flow->answerLog().answered({{answers::Activity::Kind::Level, "7"}, 49, 50, false});
    ProgressWindow* window = openFromMenu();
    ASSERT_NE(window, nullptr);
    int answers = 0;
    for (const auto& week : window->progress().weeks) {
        answers += week.answers;
    }
    EXPECT_EQ(answers, before + 1);
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

class ProgressTexts : public ::testing::TestWithParam<i18n::Language> {};

TEST_P(ProgressTexts, everyTextFitsAt800x600WithAndWithoutAHistory) {
    i18n::CaptionTable captions;
    captions.setCurrentCode(QString::fromLatin1(i18n::languageInfo(GetParam()).code));
    captions.Command_langue_Click();
    QTemporaryDir dir;
    const auto data = DataDirectory::open(dir.path());
    ASSERT_TRUE(data);
    PlayerStore store(*data);
    ASSERT_TRUE(store.open());
    const auto id = store.add(newPlayerRecord("Maximilian-Alexander"));
    ASSERT_TRUE(id && store.moveTo(*id));
    ASSERT_TRUE(playDemoHistory(store, kHistoryStart, 3).status);
    QStringList calls;
    RecordingEngine sound(&calls);
    for (const bool history : {true, false}) {
        const std::vector<answers::AnswerRecord> answers =
            history ? *store.answersOf(*id) : std::vector<answers::AnswerRecord>{};
        ProgressWindow window(captions, sound, store.current(), answers, QTimeZone::utc());
        window.setScale(1.0);
        window.show();
        EXPECT_EQ(window.size(), QSize(800, 600));
        for (QLabel* label : window.findChildren<QLabel*>()) {
            if (label->isVisibleTo(&window) && !label->text().isEmpty()) {
                EXPECT_EQ(overflow(label), QSize(0, 0))
                    << label->objectName().toStdString() << " \"" << label->text().toStdString()
                    << "\"";
            }
        }
        auto* table = window.findChild<QTableWidget*>("TABLE_niveaux");
        ASSERT_NE(table, nullptr);
        for (int column = 0; column < 3; ++column) {
            const QString heading = table->horizontalHeaderItem(column)->text();
            EXPECT_LE(table->horizontalHeader()->fontMetrics().horizontalAdvance(heading) + 12,
                      table->columnWidth(column))
                << heading.toStdString();
        }
        for (int row = 0; row < table->rowCount(); ++row) {
            for (int column = 1; column < 3 && table->columnSpan(row, 0) == 1; ++column) {
                const QTableWidgetItem* item = table->item(row, column);
                const QFontMetrics metrics(item->font());
                EXPECT_LE(metrics.horizontalAdvance(item->text()) + 8, table->columnWidth(column))
                    << item->text().toStdString();
            }
        }
    }
    // The menu's label that opens the screen fits beside the help's.
    MenuModel model = MenuModel::load(catalogue::newPlayerProgress(), "espace", "Lina", captions);
    MenuWindow menu(model, captions);
    menu.setScale(1.0);
    for (const char* name : {"Label_progres", "Label_aide"}) {
        EXPECT_EQ(overflow(menu.label(name)), QSize(0, 0)) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(SixLanguages, ProgressTexts,
                         ::testing::Values(i18n::Language::Francais, i18n::Language::Anglais,
                                           i18n::Language::Espagnol, i18n::Language::Portugais,
                                           i18n::Language::Italien, i18n::Language::Allemand));

} // namespace
