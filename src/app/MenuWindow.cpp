// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MenuWindow.h"

#include "catalogue/Games.h"
#include "catalogue/Levels.h"
#include "common/NameLength.h"
#include "resources/ResPicture.h"
#include "ui/ClickLabel.h"

#include <QDebug>
#include <QLineEdit>

namespace pulsadrome::app {

namespace {

// Positions are written in logical pixels of the 800 x 600 menu and kept in twips.
constexpr int px(int pixels) {
    return pixels * 15;
}

// Every label a finger presses is at least 32 x 32 logical pixels; its coloured pill is drawn
// 2 pixels inside, so that neighbouring pills stand apart while their targets touch.
constexpr int kTarget = 32;
constexpr int kLevelStep = 32;   // a level label, a square target
constexpr int kGameWidth = 38;   // a game or score label, wider for "10" ... "14"
constexpr int kLeftContent = 16; // where the left cards' texts and pills start
constexpr int kRightContent = 424;

constexpr const char* kStyle = R"(
QLabel#title { color: #c0392b; font-weight: bold; }
QLabel[kind="heading"] { color: #23395d; font-weight: bold; }
QLabel[kind="series"] { color: #34495e; }
QLabel[kind="version"] { color: #23395d; }
QLabel[kind="level"], QLabel[kind="game"], QLabel[kind="score"] {
  margin: 2px; border-radius: 6px; font-weight: bold; color: white; border: 2px solid rgba(0,0,0,40);
}
QLabel[series="main"] { background: #f39c12; }
QLabel[series="minim"] { background: #27ae60; }
QLabel[series="compound"] { background: #2e86de; }
QLabel[kind="score"] { background: #8e44ad; }
QLabel[pressed="true"] { border: 2px outset white; background: white; color: #23395d; }
QLabel:disabled { background: #d5d8dc; color: #8a9199; border: 2px solid rgba(0,0,0,15); }
QLabel[kind="command"] { background: transparent; border: none; }
QLabel[kind="command"][pressed="true"] { background: white; border: 2px outset white; }
QLabel[kind="help"] { color: #23395d; font-weight: bold; text-decoration: underline; }
QLineEdit { border: 2px solid #f2a541; border-radius: 6px; padding: 0 4px; background: #fffdf5; }
)";

QString seriesName(catalogue::Series series) {
    switch (series) {
    case catalogue::Series::Main:
        return QStringLiteral("main");
    case catalogue::Series::Compound:
        return QStringLiteral("compound");
    case catalogue::Series::MinimBeat:
        break;
    }
    return QStringLiteral("minim");
}

} // namespace

MenuWindow::MenuWindow(MenuModel& model, const i18n::CaptionTable& captions, QWidget* parent)
    : ui::Form(12000, 9000, parent), model_(model), captions_(captions) {
    setWindowTitle(QStringLiteral(" "));
    setStyleSheet(QString::fromLatin1(kStyle));
    if (model_.background) {
        try {
            resources::ResPicture loader;
            setBackgroundPicture(loader.LoadResPicture(QStringLiteral("fond"), *model_.background));
        } catch (const resources::ResourceError& e) {
            qWarning().noquote() << "The menu background cannot be shown:" << e.description();
        }
    }

    auto* title = new QLabel(captions_.text(u"Label_titre"), this);
    title->setObjectName(QStringLiteral("Label_titre"));
    title->setProperty("kind", "title");
    title->setAlignment(Qt::AlignCenter);
    title->setStyleSheet(QStringLiteral("color: #c0392b; font-weight: bold;"));
    place(title, px(200), px(4), px(400), px(48), 28);

    addPanel(px(250), px(6), px(300), px(46));
    addPanel(px(6), px(56), px(400), px(320));
    addPanel(px(414), px(56), px(376), px(320));
    addPanel(px(6), px(384), px(400), px(144));
    addLevels(px(60));
    addGames(1, px(60));
    addGames(2, px(228));
    addScores(px(388));
    addCommands();

    auto* version = new QLabel(model_.versionLine, this);
    version->setObjectName(QStringLiteral("Label_version"));
    version->setProperty("kind", "version");
    version->setAlignment(Qt::AlignCenter);
    addPanel(px(60), px(570), px(680), px(24));
    place(version, px(60), px(571), px(680), px(22), 9);
    refreshLevels();
    setScale(screenScale());
}

ui::ClickLabel* MenuWindow::addLabel(const QString& name, const QString& caption,
                                     const QString& kind, int left, int top, int width, int height,
                                     double points) {
    auto* label = new ui::ClickLabel(caption, this);
    label->setObjectName(name);
    label->setProperty("kind", kind);
    labels_.insert(name, label);
    place(label, left, top, width, height, points);
    return label;
}

void MenuWindow::addSeriesHeading(const QString& captionKey, int left, int top, int width) {
    auto* heading = new QLabel(captions_.text(captionKey), this);
    heading->setProperty("kind", "series");
    place(heading, left, top, width, px(18), 8.5);
}

int MenuWindow::addLevels(int top) {
    auto* heading = new QLabel(captions_.text(u"Label_niveaux_progressifs"), this);
    heading->setObjectName(QStringLiteral("Label_niveaux_progressifs"));
    heading->setProperty("kind", "heading");
    place(heading, px(kLeftContent), top, px(380), px(24), 13);

    int y = top + px(26);
    // The menu shows the main series, then the minim-beat series, then compound time.
    for (const auto series :
         {catalogue::Series::Main, catalogue::Series::MinimBeat, catalogue::Series::Compound}) {
        addSeriesHeading(QString::fromLatin1(catalogue::seriesInfo(series).headingKey),
                         px(kLeftContent), y, px(380));
        y += px(18);
        int column = 0;
        for (const auto& level : catalogue::levels()) {
            if (level.series != series) {
                continue;
            }
            if (column == 12) {
                column = 0;
                y += px(kTarget);
            }
            auto* label = addLabel(
                level.menuLabel, QString::number(level.displayNumber), QStringLiteral("level"),
                px(kLeftContent - 2 + column * kLevelStep), y, px(kLevelStep), px(kTarget));
            label->setProperty("series", seriesName(level.series));
            connect(label, &ui::ClickLabel::clicked, this,
                    [this, name = level.menuLabel] { emit levelRequested(name); });
            ++column;
        }
        y += px(kTarget + 10);
    }
    return y;
}

void MenuWindow::addGames(int players, int top) {
    if (players == 1) {
        auto* heading = new QLabel(captions_.text(u"Label_jeux"), this);
        heading->setObjectName(QStringLiteral("Label_2jeux"));
        heading->setProperty("kind", "heading");
        place(heading, px(kRightContent), top, px(356), px(24), 13);
    }
    const int rowTop = top + (players == 1 ? px(26) : px(0));
    auto* who = new QLabel(captions_.text(players == 1 ? u"un_joueur" : u"Label_2joueurs"), this);
    who->setObjectName(players == 1 ? QStringLiteral("Label_jeu1")
                                    : QStringLiteral("Label_2joueurs"));
    who->setProperty("kind", "heading");
    place(who, px(kRightContent), rowTop, px(96), px(kTarget), 11);
    if (players == 1) {
        names_[0] = new QLineEdit(model_.holders.nom1, this);
        names_[0]->setObjectName(QStringLiteral("Text_nom1"));
        names_[0]->setMaxLength(kMaxNameLength);
        model_.holders.nom1 = names_[0]->text();
        place(names_[0], px(524), rowTop, px(256), px(kTarget), 10);
        connect(names_[0], &QLineEdit::textChanged, this,
                [this](const QString& text) { model_.holders.nom1 = text; });
    } else {
        names_[1] = new QLineEdit(model_.holders.nom2, this);
        names_[1]->setObjectName(QStringLiteral("Text_nom2"));
        names_[2] = new QLineEdit(model_.holders.nom3, this);
        names_[2]->setObjectName(QStringLiteral("Text_nom3"));
        for (QLineEdit* box : {names_[1], names_[2]}) {
            box->setMaxLength(kMaxNameLength);
        }
        model_.holders.nom2 = names_[1]->text();
        model_.holders.nom3 = names_[2]->text();
        // A long name shows from its start.
        names_[1]->setCursorPosition(0);
        names_[2]->setCursorPosition(0);
        place(names_[1], px(524), rowTop, px(126), px(kTarget), 10);
        place(names_[2], px(654), rowTop, px(126), px(kTarget), 10);
        connect(names_[1], &QLineEdit::textChanged, this,
                [this](const QString& text) { model_.holders.nom2 = text; });
        connect(names_[2], &QLineEdit::textChanged, this,
                [this](const QString& text) { model_.holders.nom3 = text; });
    }

    int mainColumn = 0;
    int minimColumn = 0;
    int compoundColumn = 0;
    const int mainTop = rowTop + px(kTarget + 2);
    const int otherTop = mainTop + px(18 + kTarget + 2);
    addSeriesHeading(QStringLiteral("Label_binaire1"), px(kRightContent), mainTop, px(356));
    addSeriesHeading(QStringLiteral("Label_binaire2"), px(kRightContent), otherTop, px(175));
    addSeriesHeading(QStringLiteral("Label_ternaire"), px(kRightContent + 185), otherTop, px(171));
    for (const auto& game : catalogue::games()) {
        if (game.players != players) {
            continue;
        }
        int left = 0;
        int y = 0;
        switch (game.series) {
        case catalogue::Series::Main:
            left = px(kRightContent - 2 + kGameWidth * mainColumn++);
            y = mainTop + px(18);
            break;
        case catalogue::Series::MinimBeat:
            left = px(kRightContent - 2 + kGameWidth * minimColumn++);
            y = otherTop + px(18);
            break;
        case catalogue::Series::Compound:
            left = px(kRightContent + 183 + kGameWidth * compoundColumn++);
            y = otherTop + px(18);
            break;
        }
        auto* label = addLabel(game.menuLabel, game.caption, QStringLiteral("game"), left, y,
                               px(kGameWidth), px(kTarget));
        label->setProperty("series", seriesName(game.series));
        connect(label, &ui::ClickLabel::clicked, this,
                [this, name = game.menuLabel] { emit gameRequested(name); });
    }
}

void MenuWindow::addScores(int top) {
    auto* heading = new QLabel(QStringLiteral("🏆 ") + captions_.text(u"Label_scores"), this);
    heading->setObjectName(QStringLiteral("Label_scores"));
    heading->setProperty("kind", "heading");
    place(heading, px(kLeftContent), top, px(380), px(24), 13);
    const int mainTop = top + px(28);
    const int otherTop = mainTop + px(18 + kTarget + 2);
    addSeriesHeading(QStringLiteral("Label_binaire1"), px(kLeftContent), mainTop, px(380));
    addSeriesHeading(QStringLiteral("Label_binaire2"), px(kLeftContent), otherTop, px(180));
    addSeriesHeading(QStringLiteral("Label_ternaire"), px(kLeftContent + 190), otherTop, px(190));
    for (int table = 1; table <= 14; ++table) {
        int left = 0;
        int y = 0;
        int caption = table;
        if (table <= 8) {
            left = px(kLeftContent - 2 + kGameWidth * (table - 1));
            y = mainTop + px(18);
        } else if (table <= 11) {
            caption = table - 8;
            left = px(kLeftContent - 2 + kGameWidth * (caption - 1));
            y = otherTop + px(18);
        } else {
            caption = table - 11;
            left = px(kLeftContent + 188 + kGameWidth * (caption - 1));
            y = otherTop + px(18);
        }
        auto* label = addLabel(QStringLiteral("Label_score%1").arg(table), QString::number(caption),
                               QStringLiteral("score"), left, y, px(kGameWidth), px(kTarget));
        connect(label, &ui::ClickLabel::clicked, this,
                [this, table] { emit scoresRequested(table); });
    }
}

void MenuWindow::addCommands() {
    struct Command {
        const char* name;
        const char* glyph;
        const char16_t* tip;
        int left;
    };
    const Command commands[] = {
        {"Image_ecoute", "🎧", u"Label_musique", 440},
        {"Image_web", "🌐", u"pulsadrome_web", 530},
        {"Image_retour", "👥", u"changer_utilisateur", 620},
        {"Image_quitter", "🚪", u"quitter", 710},
    };
    addPanel(px(414), px(384), px(376), px(144));
    for (const auto& c : commands) {
        auto* label = addLabel(QString::fromLatin1(c.name), QString::fromUtf8(c.glyph),
                               QStringLiteral("command"), px(c.left), px(392), px(64), px(64), 30);
        label->setToolTip(captions_.text(QStringView(c.tip)));
        label->setKeyboardFocusable(true);
    }
    for (const auto& c : commands) {
        auto* caption = new QLabel(captions_.text(QStringView(c.tip)), this);
        caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        caption->setWordWrap(true);
        caption->setProperty("kind", "series");
        place(caption, px(c.left - 13), px(458), px(90), px(32), 8);
    }
    auto* help =
        addLabel(QStringLiteral("Label_aide"), QStringLiteral("❓ ") + captions_.text(u"aide"),
                 QStringLiteral("help"), px(424), px(492), px(170), px(kTarget));
    help->setToolTip(captions_.text(u"aide"));
    auto* progress =
        addLabel(QStringLiteral("Label_progres"), QStringLiteral("📈 ") + captions_.text(u"progres"),
                 QStringLiteral("help"), px(604), px(492), px(176), px(kTarget));
    progress->setToolTip(captions_.text(u"progres"));
    progress->setKeyboardFocusable(true);
    connect(progress, &ui::ClickLabel::clicked, this, &MenuWindow::progressRequested);
    connect(labels_.value(QStringLiteral("Image_retour")), &ui::ClickLabel::clicked, this,
            &MenuWindow::changePlayerRequested);
    connect(labels_.value(QStringLiteral("Image_quitter")), &ui::ClickLabel::clicked, this,
            &MenuWindow::quitRequested);
    connect(labels_.value(QStringLiteral("Image_web")), &ui::ClickLabel::clicked, this,
            &MenuWindow::webRequested);
    connect(labels_.value(QStringLiteral("Image_ecoute")), &ui::ClickLabel::clicked, this,
            &MenuWindow::listenRequested);
    connect(help, &ui::ClickLabel::clicked, this, &MenuWindow::helpRequested);
}

void MenuWindow::refreshLevels() {
    for (const auto& level : catalogue::levels()) {
        if (auto* label = labels_.value(level.menuLabel)) {
            label->setEnabled(model_.levels.isEnabled(level.menuLabel));
        }
    }
}

QLineEdit* MenuWindow::nameBox(int index) const {
    return index >= 1 && index <= 3 ? names_[index - 1] : nullptr;
}

} // namespace pulsadrome::app
