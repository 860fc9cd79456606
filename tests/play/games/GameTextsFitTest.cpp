// SPDX-License-Identifier: GPL-3.0-or-later
// The games screen's bonus texts, measured in the fonts the screen draws them with: the bonus on
// offer and the options panel's bonus choice fit their controls in every language, at the
// smallest scale and at twice it.
#include "../level/LevelBench.h"

#include "app/DataDirectory.h"
#include "catalogue/GameStart.h"
#include "i18n/CaptionTable.h"
#include "play/games/GameWindow.h"
#include "play/level/OptionPanel.h"
#include "support/ManualClock.h"
#include "support/RecordingAnswers.h"
#include "ui/ClickLabel.h"

#include <QFontMetrics>
#include <QLabel>
#include <QRadioButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <tuple>

using namespace pulsadrome;
using namespace pulsadrome::play;

namespace {

// A fair source, but the bonus draw (the only one of 1 ... 100) gives `bonusDraw`.
class BonusRandom final : public Random {
public:
    int below(int n) override { return n == 100 ? bonusDraw : seeded_.below(n); }
    int bonusDraw = 99;

private:
    SeededRandom seeded_{20261207};
};

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

// How far a radio button's mark and text go beyond its place.
QSize overflow(QRadioButton* button) {
    button->ensurePolished();
    const QSize needed = button->sizeHint();
    return {std::max(0, needed.width() - button->width()),
            std::max(0, needed.height() - button->height())};
}

std::string describe(const QSize& overflow) {
    return std::to_string(overflow.width()) + " x " + std::to_string(overflow.height()) +
           " pixels too many";
}

class BonusTexts : public ::testing::TestWithParam<std::tuple<i18n::Language, double>> {
protected:
    void SetUp() override {
        const auto [language, scale] = GetParam();
        captions.setCurrentCode(QString::fromLatin1(i18n::languageInfo(language).code));
        captions.Command_langue_Click();
        data = app::DataDirectory::open(dir.path());
        ASSERT_TRUE(data);
        menu.nom1 = QStringLiteral("Zoé");
        game = std::make_unique<GameWindow>(sound, players, random, menu, *data, captions, clock,
                                            answers);
        const catalogue::GameEntry* entry = catalogue::findGameByLabel(u"Label15a");
        ASSERT_NE(entry, nullptr);
        game->applyGameStart(catalogue::startGame(*entry, random, menu, false));
        game->setScale(scale);
    }

    play::testing::RecordingRhythm sound;
    play::testing::MemoryPlayers players;
    BonusRandom random;
    catalogue::MenuHolders menu;
    i18n::CaptionTable captions;
    pulsadrome::testing::ManualClock clock;
    pulsadrome::testing::RecordingAnswers answers;
    QTemporaryDir dir;
    std::optional<app::DataDirectory> data;
    std::unique_ptr<GameWindow> game;
};

TEST_P(BonusTexts, everyBonusOnOfferAndTheBonusChoiceFitTheirControls) {
    struct Offer {
        int draw; // below(100): the draw r is one more
        const char* points;
    };
    for (const Offer offer : {Offer{90, "+50"}, {94, "+100"}, {97, "+150"}, {99, "+200"}}) {
        random.bonusDraw = offer.draw;
        emit game->playLabel()->clicked();
        QLabel* bonus = game->bonusLabel();
        ASSERT_TRUE(bonus->isVisibleTo(game.get())) << offer.points;
        EXPECT_TRUE(bonus->text().endsWith(QString::fromLatin1(offer.points)))
            << bonus->text().toStdString();
        EXPECT_EQ(overflow(bonus), QSize(0, 0))
            << offer.points << ": " << describe(overflow(bonus));
    }

    emit game->optionLabel()->clicked();
    OptionPanel* panel = game->optionPanel();
    ASSERT_TRUE(panel->bonusNo()->isVisibleTo(game.get()));
    const QString caption = captions.text(u"Label_bonus");
    QLabel* row = nullptr;
    for (QLabel* label : game->findChildren<QLabel*>()) {
        if (label->text() == caption) {
            row = label;
        }
    }
    ASSERT_NE(row, nullptr) << caption.toStdString();
    EXPECT_EQ(overflow(row), QSize(0, 0))
        << caption.toStdString() << ": " << describe(overflow(row));
    for (const char* name : {"Option_bonus1", "Option_bonus2"}) {
        auto* button = game->findChild<QRadioButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(overflow(button), QSize(0, 0))
            << name << " " << button->text().toStdString() << ": " << describe(overflow(button));
    }
}

std::string nameOf(const ::testing::TestParamInfo<BonusTexts::ParamType>& info) {
    const auto [language, scale] = info.param;
    return std::string(i18n::languageInfo(language).code) + "_x" +
           std::to_string(static_cast<int>(scale));
}

INSTANTIATE_TEST_SUITE_P(
    EveryLanguageAtBothScales, BonusTexts,
    ::testing::Combine(::testing::Values(i18n::Language::Francais, i18n::Language::Anglais,
                                         i18n::Language::Espagnol, i18n::Language::Portugais,
                                         i18n::Language::Italien, i18n::Language::Allemand),
                       ::testing::Values(1.0, 2.0)),
    nameOf);

} // namespace
