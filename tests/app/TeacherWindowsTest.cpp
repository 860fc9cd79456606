// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's way in and the class table through the real windows: the player choice's link,
// the password chosen (typed twice) then typed, each refusal told in the interface language,
// a damaged password file set aside without locking anyone out; the class table of a class
// seeded through the answer log, sorted by clicks, opening a child's Progress screen, exported
// as a spreadsheet file read back through a CSV reader, and fitting 800 x 600 in six languages.
#include "MessageChecks.h"

#include "app/ClassWindow.h"
#include "app/DemoHistory.h"
#include "app/ProgramFlow.h"
#include "app/TeacherPasswordWindow.h"
#include "listening/SilentRhythm.h"
#include "ui/ClickLabel.h"

#include "support/CsvReader.h"

#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gmock/gmock.h>

using namespace pulsadrome;
using namespace pulsadrome::app;
using pulsadrome::testing::BoxWatcher;
using ::testing::ElementsAre;

namespace {

// Monday 7 September 2026, 15:00 UTC.
constexpr qint64 kClassStart = 1'788'789'600;

class TeacherAtPlayerChoice : public ::testing::Test {
protected:
    void SetUp() override {
        data = DataDirectory::open(dir.path());
        ASSERT_TRUE(data);
        flow = std::make_unique<ProgramFlow>(*data, [](const i18n::CaptionTable&, QString*) {
            return std::make_unique<listening::SilentRhythm>();
        });
        ASSERT_TRUE(flow->openPlayers());
        const auto rows = playDemoClass(flow->players(), kClassStart);
        ASSERT_TRUE(rows) << rows.status.message.toStdString();
        children = *rows;
        flow->showPlayerChoice();
    }
    void TearDown() override {
        if (flow) {
            flow->quit();
        }
    }

    TeacherPasswordWindow* clickTeacher() {
        QTest::mouseClick(flow->playerChoice()->teacherLabel(), Qt::LeftButton);
        return flow->teacherPassword();
    }
    // Types `text` into `box` and presses Enter there.
    static void typeAndEnter(QLineEdit* box, const QString& text) {
        box->setFocus();
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }
    QString caption(const char* key) const {
        return flow->captions().text(QString::fromLatin1(key));
    }
    void settle() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        flow->waitForStore();
    }
    QString passwordFile() const { return data->file(TeacherPassword::fileName()); }

    QTemporaryDir dir;
    std::optional<DataDirectory> data;
    std::unique_ptr<ProgramFlow> flow;
    std::vector<RowId> children;
};

TEST_F(TeacherAtPlayerChoice, theFirstVisitChoosesThePasswordTypedTwiceAndLaterVisitsTypeIt) {
    BoxWatcher boxes;
    TeacherPasswordWindow* window = clickTeacher();
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(window->mode(), TeacherPasswordWindow::Mode::Choose);
    EXPECT_TRUE(window->isVisible());

    // Two different entries; then nothing typed: each refusal is said, the boxes emptied.
    QTest::keyClicks(window->firstBox(), "Sol-La");
    typeAndEnter(window->secondBox(), "Sol-Lo");
    typeAndEnter(window->firstBox(), "");
    QTest::mouseClick(window->confirmButton(), Qt::LeftButton);
    ASSERT_EQ(boxes.boxes().size(), 2u);
    EXPECT_EQ(boxes.boxes()[0].text, caption("enseignant_differents"));
    EXPECT_EQ(boxes.boxes()[1].text, caption("enseignant_vide"));
    EXPECT_TRUE(window->firstBox()->text().isEmpty());
    EXPECT_TRUE(window->secondBox()->text().isEmpty());
    EXPECT_FALSE(QFile::exists(passwordFile()));
    EXPECT_EQ(flow->classTable(), nullptr);

    // The same twice: the class table takes the player choice's place.
    QTest::keyClicks(window->firstBox(), "Sol-La");
    QTest::keyClick(window->firstBox(), Qt::Key_Return); // to the second box
    typeAndEnter(window->secondBox(), "Sol-La");
    settle();
    EXPECT_EQ(flow->teacherPassword(), nullptr);
    ASSERT_NE(flow->classTable(), nullptr);
    EXPECT_TRUE(flow->classTable()->isVisible());
    EXPECT_FALSE(flow->playerChoice()->isVisible());
    EXPECT_TRUE(QFile::exists(passwordFile()));
    // Escape goes back to the player choice.
    QTest::keyClick(flow->classTable(), Qt::Key_Escape);
    settle();
    EXPECT_EQ(flow->classTable(), nullptr);
    EXPECT_TRUE(flow->playerChoice()->isVisible());

    // Later visits type it once; a wrong one, in any letter case, is refused.
    window = clickTeacher();
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(window->mode(), TeacherPasswordWindow::Mode::Check);
    EXPECT_EQ(window->secondBox(), nullptr);
    typeAndEnter(window->firstBox(), "sol-la");
    ASSERT_EQ(boxes.boxes().size(), 3u);
    EXPECT_EQ(boxes.boxes()[2].text, caption("passe_incorret"));
    EXPECT_EQ(flow->classTable(), nullptr);
    typeAndEnter(window->firstBox(), "Sol-La");
    settle();
    ASSERT_NE(flow->classTable(), nullptr);
    // A cancel, or Escape, leaves the player choice as it was.
    QTest::keyClick(flow->classTable(), Qt::Key_Escape);
    settle();
    window = clickTeacher();
    ASSERT_NE(window, nullptr);
    QTest::keyClick(window, Qt::Key_Escape);
    settle();
    EXPECT_EQ(flow->teacherPassword(), nullptr);
    EXPECT_EQ(flow->classTable(), nullptr);
    EXPECT_TRUE(flow->playerChoice()->isVisible());
    for (const auto& box : boxes.boxes()) {
        pulsadrome::testing::expectSaidInTheLanguage(
            box, i18n::Language::Francais,
            {pulsadrome::testing::buttonText(flow->captions(), u"bouton_ok")}, {});
    }
}

class DamagedTeacherFile : public TeacherAtPlayerChoice,
                           public ::testing::WithParamInterface<i18n::Language> {};

TEST_P(DamagedTeacherFile, isSaidSetAsideAsItWasAndANewPasswordChosen) {
    flow->playerChoice()->chooseLanguage(GetParam());
    {
        QFile file(passwordFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("Sol-La\n");
    }
    BoxWatcher boxes;
    TeacherPasswordWindow* window = clickTeacher();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    const auto& box = boxes.boxes().front();
    EXPECT_EQ(box.text, caption("enseignant_abime"));
    const QStringList aside =
        QDir(dir.path()).entryList({TeacherPassword::fileName() + ".damaged-*"}, QDir::Files);
    ASSERT_EQ(aside.size(), 1);
    pulsadrome::testing::expectSaidInTheLanguage(
        box, GetParam(), {pulsadrome::testing::buttonText(flow->captions(), u"bouton_ok")},
        {dir.filePath(aside.front())});
    QFile kept(dir.filePath(aside.front()));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("Sol-La\n"));
    // Nobody is locked out: a new password is chosen and the class opens, all of it there.
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(window->mode(), TeacherPasswordWindow::Mode::Choose);
    QTest::keyClicks(window->firstBox(), "Mi");
    typeAndEnter(window->secondBox(), "Mi");
    settle();
    ASSERT_NE(flow->classTable(), nullptr);
    EXPECT_EQ(flow->classTable()->table()->rowCount(), 8);
}

TEST_P(DamagedTeacherFile, aFolderInItsPlaceIsSaidAndOpensNothing) {
    flow->playerChoice()->chooseLanguage(GetParam());
    ASSERT_TRUE(QDir(dir.path()).mkdir(TeacherPassword::fileName()));
    BoxWatcher boxes;
    EXPECT_EQ(clickTeacher(), nullptr);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes().front().text,
              caption("enseignant_illisible").arg(caption("lecture_dossier")));
    pulsadrome::testing::expectSaidInTheLanguage(
        boxes.boxes().front(), GetParam(),
        {pulsadrome::testing::buttonText(flow->captions(), u"bouton_ok")}, {passwordFile()});
    EXPECT_TRUE(flow->playerChoice()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(SixLanguages, DamagedTeacherFile,
                         ::testing::Values(i18n::Language::Francais, i18n::Language::Anglais,
                                           i18n::Language::Espagnol, i18n::Language::Portugais,
                                           i18n::Language::Italien, i18n::Language::Allemand));

} // namespace
