// SPDX-License-Identifier: GPL-3.0-or-later
// The child's progress report: a PDF in the interface language, written whole into its folder
// from the Progress screen's button, its first page rendered by pdftoppm and looked at.
#include "app/ProgressReport.h"
#include "app/DemoHistory.h"
#include "app/ProgressWindow.h"
#include "i18n/CaptionTable.h"
#include "listening/SilentRhythm.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gmock/gmock.h>

using namespace pulsadrome;
using namespace pulsadrome::app;

namespace {

constexpr qint64 kHistoryStart = 1'788'789'600; // Monday 7 September 2026, 15:00 UTC
constexpr qint64 kReportDay = 1'794'300'000;    // Tuesday 10 November 2026

class ProgressReport : public ::testing::Test {
protected:
    void SetUp() override {
        captions.setCurrentCode(QStringLiteral("allemand"));
        captions.Command_langue_Click();
        data = DataDirectory::open(dir.path());
        ASSERT_TRUE(data);
        store = std::make_unique<PlayerStore>(*data);
        ASSERT_TRUE(store->open());
        const auto id = store->add(newPlayerRecord("Lina"));
        ASSERT_TRUE(id && store->moveTo(*id));
        ASSERT_TRUE(playDemoHistory(*store, kHistoryStart, 14).status);
        window = std::make_unique<ProgressWindow>(captions, sound, store->current(),
                                                  *store->answersOf(*id), QTimeZone::utc());
    }

    QTemporaryDir dir;
    i18n::CaptionTable captions;
    std::optional<DataDirectory> data;
    std::unique_ptr<PlayerStore> store;
    listening::SilentRhythm sound;
    std::unique_ptr<ProgressWindow> window;
};

TEST_F(ProgressReport, theScreensButtonAsksForTheReport) {
    QSignalSpy report(window.get(), &ProgressWindow::reportRequested);
    QTest::mouseClick(window->findChild<QWidget*>("Label_rapport"), Qt::LeftButton);
    EXPECT_EQ(report.count(), 1);
}

TEST_F(ProgressReport, isAPdfWhosePagesShowTheChartThePairsAndTheLevels) {
    const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
    if (pdftoppm.isEmpty()) {
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed: scripts/install-deps.sh";
    }
    QString error;
    const QString folder = dir.filePath("Berichte");
    const QString path = writeProgressReport(captions, window->child(), window->progress(),
                                             window->zone(), kReportDay, folder, &error);
    ASSERT_FALSE(path.isEmpty()) << error.toStdString();
    EXPECT_EQ(path, folder + "/progres-Lina-2026-11-10.pdf");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("%PDF"));
    // Nothing but the report in the folder: no temporary left behind.
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList({"progres-Lina-2026-11-10.pdf"}));

    QProcess render;
    const QString prefix = dir.filePath("page");
    render.start(pdftoppm, {"-r", "40", "-png", path, prefix});
    ASSERT_TRUE(render.waitForFinished(60'000));
    ASSERT_EQ(render.exitCode(), 0) << render.readAllStandardError().toStdString();
    // The levels go on after the pairs: two pages.
    EXPECT_TRUE(QFile::exists(prefix + "-2.png"));
    const QImage page(prefix + "-1.png");
    ASSERT_FALSE(page.isNull());
    EXPECT_NEAR(double(page.height()) / page.width(), 297.0 / 210.0, 0.01); // A4
    int ink = 0;
    int green = 0;
    int title = 0;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            ink += c.lightness() < 200 ? 1 : 0;
            // The chart's bars of the surer weeks, and the title's red.
            green += c.green() > 140 && c.red() < 90 && c.blue() < 130 ? 1 : 0;
            title += y < page.height() / 10 && c.red() > 150 && c.green() < 90 ? 1 : 0;
        }
    }
    const int pixels = page.width() * page.height();
    EXPECT_GT(ink, pixels / 50) << "page 1 is nearly blank";
    EXPECT_GT(green, pixels / 400) << "no green bar on page 1";
    EXPECT_GT(title, 50) << "no red title at the top of page 1";
}

TEST_F(ProgressReport, aFolderThatCannotBeMadeIsSaidAndWritesNothing) {
    QFile blocker(dir.filePath("fichier"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QString error;
    QString detail;
    EXPECT_TRUE(writeProgressReport(captions, window->child(), window->progress(), window->zone(),
                                    kReportDay, dir.filePath("fichier/rapports"), &error, &detail)
                    .isEmpty());
    EXPECT_EQ(error, captions.text(u"dossier_non_cree"));
    EXPECT_THAT(detail.toStdString(), ::testing::HasSubstr("rapports"));
}

TEST(ProgressReportName, keepsTheNameReadableAndSafeForEveryFileSystem) {
    EXPECT_EQ(reportFileName("Zoé / L.", QDate(2026, 11, 3)), "progres-Zoé___L_-2026-11-03.pdf");
    EXPECT_EQ(reportFileName("a:b*c?\"<>|\\", QDate(2026, 1, 9)),
              "progres-a_b_c______-2026-01-09.pdf");
    EXPECT_EQ(reportFileName("", QDate(2026, 1, 9)), "progres-_-2026-01-09.pdf");
}

} // namespace
