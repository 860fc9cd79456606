// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/level/OptionPanel.h"

#include "play/level/LevelOptions.h"
#include "play/level/LevelPictures.h"
#include "ui/BeatNote.h"
#include "ui/ClickLabel.h"
#include "ui/FingerControls.h"
#include "ui/Form.h"
#include "ui/Geometry.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QRadioButton>

namespace pulsadrome::play {

namespace {

constexpr int px(int pixels) {
    return pixels * 15;
}

// The cards of the panel's pages, in logical pixels of the 800 x 600 screen.
constexpr std::array<QRect, 4> kCards{QRect(10, 8, 385, 150), QRect(405, 8, 385, 150),
                                      QRect(10, 166, 780, 196), QRect(10, 370, 780, 222)};
constexpr QRect kPadCardFirst(10, 8, 385, 404);
constexpr QRect kPadCardSecond(405, 8, 385, 404);
constexpr QRect kSecondSoundsCard(10, 420, 620, 172);

constexpr int kInstrumentColumns = 11;

constexpr const char* kStyle = R"(
QLabel[kind="optionText"] { color: #23395d; font-weight: bold; }
QLabel[kind="arrow"] {
  background: #2e86de; color: white; font-weight: bold; border-radius: 6px;
}
QLabel[kind="arrow"][pressed="true"], QLabel[kind="preview"][pressed="true"] {
  background: white; color: #23395d; border: 2px outset white;
}
QLabel[kind="preview"] { background: #f39c12; border-radius: 6px; }
QLabel[kind="theme"], QLabel[kind="instrument"] {
  background: white; border: 2px solid rgba(0,0,0,30); border-radius: 6px;
}
QLabel[kind="instrument"][framed="true"] { border: 3px solid #c0392b; }
QLabel[kind="theme"][pressed="true"], QLabel[kind="instrument"][pressed="true"] {
  border: 3px outset white;
}
QLabel#Image_cacher_options {
  background: #27ae60; color: white; font-weight: bold; border-radius: 10px;
  border: 2px solid rgba(0,0,0,40);
}
QLabel#Image_cacher_options[pressed="true"] { background: white; color: #23395d; }
QLineEdit[kind="number"] {
  border: 2px solid #f2a541; border-radius: 6px; background: #fffdf5; color: #23395d;
}
QRadioButton, QCheckBox { color: #23395d; }
QRadioButton:disabled { color: #9aa5b5; }
QListWidget { border: 2px solid #b8c7e0; border-radius: 6px; background: #fffdf5; color: #23395d; }
QListWidget:disabled { background: #eef1f6; color: #9aa5b5; }
QListWidget::item:selected { background: #2e86de; color: white; }
QLabel[kind="padTitle"] { color: #23395d; font-weight: bold; }
QLabel[kind="padTitle"][second="true"] { color: #2e4fb8; }
QLabel[kind="help"] { color: #23395d; }
QLabel[kind="testSquare"] { border: 2px solid white; border-radius: 4px; background: #0000ff; }
QLabel[kind="testSquare"][colour="red"] { background: #ff0000; }
QLabel#pageSwitch {
  background: #8e44ad; color: white; font-weight: bold; border-radius: 10px;
  border: 2px solid rgba(0,0,0,40);
}
QLabel#pageSwitch[pressed="true"] { background: white; color: #23395d; }
QCheckBox::indicator { width: 20px; height: 20px; }
)";

QString panelStyle() {
    return QString::fromLatin1(kStyle) + QString::fromLatin1(ui::kFingerListStyle);
}

// The page switch's caption under its picture, sized for the form's scale.
QString switchText(const QString& glyph, const QString& caption, double scale) {
    return QStringLiteral("<div style=\"font-size:%1pt\">%2</div>"
                          "<div style=\"font-size:%3pt\">%4</div>")
        .arg(20 * scale)
        .arg(glyph)
        .arg(9.5 * scale)
        .arg(caption.toHtmlEscaped());
}

QPixmap pixmapOf(const resources::Picture& picture, QSize size) {
    return picture.isNull() ? QPixmap() : QPixmap::fromImage(picture.toImage(size));
}

} // namespace

// The panel's ground: the theme's picture over the whole screen, and light cards under the
// groups of controls so that they stay readable on every theme.
class OptionBackdrop : public QWidget {
public:
    explicit OptionBackdrop(ui::Form& form) : QWidget(&form), form_(form) {
        setObjectName(QStringLiteral("Picture_option"));
    }
    void setPicture(const resources::Picture& picture) {
        picture_ = picture;
        update();
    }
    void setCards(std::vector<QRect> cards) {
        cards_ = std::move(cards);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        if (!picture_.isNull()) {
            picture_.paint(painter, QRectF(rect()));
        }
        painter.setRenderHint(QPainter::Antialiasing);
        const double scale = form_.scale();
        painter.setPen(QPen(QColor(255, 255, 255, 230), 2 * scale));
        painter.setBrush(QColor(255, 255, 255, 215));
        for (const QRect& card : cards_) {
            painter.drawRoundedRect(ui::twipsRect(px(card.x()), px(card.y()), px(card.width()),
                                                  px(card.height()), scale),
                                    14 * scale, 14 * scale);
        }
    }

private:
    ui::Form& form_;
    resources::Picture picture_;
    std::vector<QRect> cards_{kCards.begin(), kCards.end()};
};

OptionPanel::OptionPanel(ui::Form& form, LevelOptions& options, const i18n::CaptionTable& captions,
                         Act act)
    : QObject(&form), form_(form), options_(options), captions_(captions), act_(std::move(act)) {
    backdrop_ = add(new OptionBackdrop(form_), 0, 0, px(800), px(600));
    backdrop_->setStyleSheet(panelStyle());
    buildDisplayChoices();
    buildNumbers();
    buildThemes();
    buildInstruments();
    buildPads();
    onPage(Page::Choices);
    pageSwitch_ =
        add(new ui::ClickLabel(QString(), &form_), px(650), px(425), px(120), px(70), 9.5);
    pageSwitch_->setObjectName(QStringLiteral("pageSwitch"));
    pageSwitch_->setAlignment(Qt::AlignCenter);
    pageSwitch_->setTextFormat(Qt::RichText);
    connect(pageSwitch_, &ui::ClickLabel::clicked, this,
            [this] { showPage(page_ == Page::Choices ? Page::Pads : Page::Choices); });
    close_ =
        add(new ui::ClickLabel(QStringLiteral("✔"), &form_), px(650), px(505), px(120), px(70), 28);
    close_->setObjectName(QStringLiteral("Image_cacher_options"));
    close_->setAlignment(Qt::AlignCenter);
    hide();
}

template <typename W>
W* OptionPanel::add(W* widget, int left, int top, int width, int height, double points) {
    if (widget != static_cast<QWidget*>(backdrop_) && backdrop_) {
        widget->setStyleSheet(panelStyle());
    }
    form_.place(widget, left, top, width, height, points);
    widgets_.push_back({widget, building_, buildingSecond_});
    return widget;
}

void OptionPanel::buildDisplayChoices() {
    struct Row {
        const char16_t* caption;
        const char* yesName;
        const char* noName;
        std::array<QRadioButton*, 2>* buttons;
        void (LevelOptions::*choose)(bool);
    };
    std::vector<Row> rows = {
        {u"Label_montrer_tictac", "Option_MO", "Option_MN", &metronome_,
         &LevelOptions::chooseMetronome},
        {u"Label_montrer_compteur", "Option_CO", "Option_CN", &clock_, &LevelOptions::chooseClock},
        {u"Label_montrer_reponses", "Option_RO", "Option_RN", &score_, &LevelOptions::chooseScore},
    };
    // The games' bonuses, or on the level screen "hear my choice": the games are races, where
    // two more rhythms after a wrong answer would eat the clock (and player 2's turn).
    if (options_.gameScreen()) {
        rows.push_back({u"Label_bonus", "Option_bonus1", "Option_bonus2", &bonus_,
                        &LevelOptions::chooseBonus});
    } else {
        rows.push_back(
            {u"Label_entendre_choix", "Option_EO", "Option_EN", &echo_, &LevelOptions::chooseEcho});
    }
    // Four rows of 32 pixels, each a target a finger finds.
    const int step = 34;
    int top = 16;
    for (const Row& row : rows) {
        auto* text = add(new QLabel(captions_.text(QStringView(row.caption)), &form_), px(22),
                         px(top), px(210), px(step - 2), 10.5);
        text->setProperty("kind", "optionText");
        text->setWordWrap(true);
        auto* group = new QButtonGroup(this);
        for (int i = 0; i < 2; ++i) {
            auto* button =
                add(new ui::WholeRadioButton(captions_.text(i == 0 ? u"oui" : u"non"), &form_),
                    px(240 + 75 * i), px(top), px(72), px(step - 2), 10.5);
            button->setObjectName(QString::fromLatin1(i == 0 ? row.yesName : row.noName));
            group->addButton(button);
            (*row.buttons)[static_cast<std::size_t>(i)] = button;
            const auto choose = row.choose;
            connect(button, &QRadioButton::clicked, this,
                    [this, choose, yes = i == 0] { act_([&] { (options_.*choose)(yes); }); });
        }
        top += step;
    }
}

NumberField OptionPanel::addNumberField(const QString& name, const QString& caption, int top,
                                        int captionWidth) {
    auto* text = add(new QLabel(caption, &form_), px(420), px(top), px(captionWidth), px(34), 10.5);
    text->setProperty("kind", "optionText");
    NumberField field;
    field.caption = text;
    field.down = add(new ui::ClickLabel(QStringLiteral("−"), &form_), px(615), px(top + 1), px(34),
                     px(32), 14);
    field.box = add(new QLineEdit(&form_), px(655), px(top + 1), px(70), px(32), 12);
    field.up = add(new ui::ClickLabel(QStringLiteral("+"), &form_), px(731), px(top + 1), px(34),
                   px(32), 14);
    field.box->setObjectName(name);
    field.box->setProperty("kind", "number");
    field.box->setAlignment(Qt::AlignCenter);
    field.box->installEventFilter(this);
    for (ui::ClickLabel* arrow : {field.down, field.up}) {
        arrow->setProperty("kind", "arrow");
        arrow->setAlignment(Qt::AlignCenter);
    }
    return field;
}

void OptionPanel::buildNumbers() {
    volume_ = addNumberField(QStringLiteral("EDIT_Volume"),
                             QStringLiteral("🔊 ") + captions_.text(u"Label_volume"), 22);
    // "Tempo", the series' note and "=", before the beat's button: in 6/8 the number counts
    // dotted crotchets, in the minim series minims.
    tempo_ = addNumberField(QStringLiteral("EDIT_Tempo"), captions_.text(u"mot_tempo"), 66, 100);
    tempoNote_ = add(new ui::BeatNote(&form_), px(522), px(66), px(18), px(34));
    tempoNote_->setObjectName(QStringLiteral("Image_note"));
    tempoEquals_ =
        add(new QLabel(QStringLiteral("="), &form_), px(541), px(67), px(20), px(32), 12);
    tempoEquals_->setProperty("kind", "optionText");
    tempoEquals_->setAlignment(Qt::AlignCenter);
    beat_ = add(new ui::ClickLabel(QStringLiteral("🥁"), &form_), px(565), px(67), px(40), px(32),
                14);
    beat_->setObjectName(QStringLiteral("Image_tempo"));
    beat_->setProperty("kind", "preview");
    beat_->setAlignment(Qt::AlignCenter);
    connect(beat_, &ui::ClickLabel::clicked, this,
            [this] { act_([&] { options_.Image_tempo_Click(); }); });
    if (!options_.gameScreen()) {
        duration_ = addNumberField(QStringLiteral("Text_chrono"),
                                   QStringLiteral("⏱ ") + captions_.text(u"Label_timer"), 110);
    }
    const auto arrows = [this](const NumberField& field, auto change, auto value) {
        for (int step : {-1, 1}) {
            connect(step < 0 ? field.down : field.up, &ui::ClickLabel::clicked, this,
                    [this, change, value, step] {
                        act_([&] { (options_.*change)((options_.*value)().value + step); });
                    });
        }
    };
    arrows(volume_, &LevelOptions::UpDown_Volume_Change, &LevelOptions::volume);
    arrows(tempo_, &LevelOptions::UpDown_Tempo_Change, &LevelOptions::tempo);
    // The duration arrows validate a typed duration first, as they take the focus.
    for (int step : {-1, 1}) {
        if (!duration_.box) {
            break;
        }
        connect(step < 0 ? duration_.down : duration_.up, &ui::ClickLabel::clicked, this,
                [this, step] {
                    act_([&] {
                        options_.setDurationText(duration_.box->text());
                        options_.UpDown_chrono_GotFocus();
                        options_.UpDown_chrono_Change(options_.duration().value + step);
                    });
                });
    }
}

bool OptionPanel::eventFilter(QObject* watched, QEvent* event) {
    const bool enter = event->type() == QEvent::KeyPress &&
                       (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return ||
                        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter);
    const bool focusLost = event->type() == QEvent::FocusOut;
    if (!enter && !focusLost) {
        return false;
    }
    if (watched == volume_.box) {
        act_([&] {
            options_.setVolumeText(volume_.box->text());
            enter ? options_.EDIT_Volume_KeyPress(kKeyEnter) : options_.EDIT_Volume_LostFocus();
        });
    } else if (watched == tempo_.box) {
        act_([&] {
            options_.setTempoText(tempo_.box->text());
            enter ? options_.EDIT_Tempo_KeyPress(kKeyEnter) : options_.EDIT_Tempo_LostFocus();
        });
    } else if (!duration_.box) {
        return false;
    } else if (watched == duration_.box && enter) {
        act_([&] {
            options_.setDurationText(duration_.box->text());
            options_.Text_chrono_KeyPress(kKeyEnter);
        });
    } else if (watched == duration_.box) {
        // A typed duration stays as typed until Enter or the arrows validate it.
        options_.setDurationText(duration_.box->text());
    }
    return enter;
}

void OptionPanel::buildThemes() {
    for (int t = 0; t < app::kSoundThemeCount; ++t) {
        const auto theme = static_cast<app::SoundTheme>(t);
        const int left = 22 + 96 * t;
        auto* picture =
            add(new ui::ClickLabel(QString(), &form_), px(left), px(178), px(88), px(62));
        picture->setObjectName(QStringLiteral("Image_") + themeWord(theme));
        picture->setProperty("kind", "theme");
        picture->setPixmap(
            pixmapOf(loadPicture(QStringLiteral("fond"), themeWord(theme)), QSize(176, 124)));
        picture->setScaledContents(true);
        themes_[static_cast<std::size_t>(t)] = picture;
        connect(picture, &ui::ClickLabel::clicked, this,
                [this, theme] { act_([&] { options_.Image_theme_Click(theme); }); });
        for (const Verdict verdict : {Verdict::Right, Verdict::Wrong}) {
            const int row = verdict == Verdict::Right ? 0 : 1;
            const std::size_t index = static_cast<std::size_t>(2 * t + row);
            const QString suffix =
                verdict == Verdict::Right ? QStringLiteral("_V") : QStringLiteral("_F");
            const QString word =
                theme == app::SoundTheme::Prof ? QStringLiteral("prof") : themeWord(theme);
            auto* box = add(new ui::WholeCheckBox(verdict == Verdict::Right ? QStringLiteral("✔")
                                                                            : QStringLiteral("✘"),
                                                  &form_),
                            px(left + 4), px(252 + 50 * row), px(44), px(40), 14);
            box->setObjectName(QStringLiteral("Check_") + word + suffix);
            box->setStyleSheet(box->styleSheet() +
                               (verdict == Verdict::Right
                                    ? QStringLiteral("QCheckBox{color:#27ae60}")
                                    : QStringLiteral("QCheckBox{color:#e74c3c}")));
            soundBoxes_[index] = box;
            connect(box, &QCheckBox::clicked, this, [this, theme, verdict](bool ticked) {
                act_([&] { options_.setSoundTick(theme, verdict, ticked); });
            });
            auto* play = add(new ui::ClickLabel(QStringLiteral("🔈"), &form_), px(left + 50),
                             px(254 + 50 * row), px(36), px(36), 14);
            play->setObjectName(QStringLiteral("Son_") + themeWord(theme) + suffix);
            play->setProperty("kind", "preview");
            play->setAlignment(Qt::AlignCenter);
            previews_[index] = play;
            connect(play, &ui::ClickLabel::clicked, this,
                    [this, theme, verdict] { act_([&] { options_.Son_Click(theme, verdict); }); });
        }
    }
}

void OptionPanel::buildInstruments() {
    bands_ = add(new QComboBox(&form_), px(22), px(380), px(380), px(32), 10.5);
    bands_->setObjectName(QStringLiteral("LIST_Bands"));
    bands_->addItems(options_.bands());
    ui::fitForFingers(bands_);
    connect(bands_, &QComboBox::activated, this,
            [this](int position) { act_([&] { options_.LIST_Bands_Click(position); }); });
    for (int n = 0; n < kInstrumentCount; ++n) {
        const int row = n / kInstrumentColumns;
        const int column = n % kInstrumentColumns;
        auto* picture = add(new ui::ClickLabel(QString(), &form_), px(22 + 56 * column),
                            px(420 + 42 * row), px(44), px(40));
        picture->setObjectName(QStringLiteral("Image_instrument_%1").arg(n));
        picture->setProperty("kind", "instrument");
        picture->setAlignment(Qt::AlignCenter);
        picture->setPixmap(
            pixmapOf(loadPicture(QStringLiteral("instruments"),
                                 QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'))),
                     QSize(64, 64)));
        picture->setScaledContents(true);
        if (n < options_.bands().size()) {
            picture->setToolTip(options_.bands().at(n));
        }
        instruments_.push_back(picture);
        connect(picture, &ui::ClickLabel::clicked, this,
                [this, n] { act_([&] { options_.Image_instrument_Click(n); }); });
    }
}

QCheckBox* OptionPanel::soundBox(app::SoundTheme theme, Verdict verdict) const {
    return soundBoxes_[static_cast<std::size_t>(2 * static_cast<int>(theme) +
                                                (verdict == Verdict::Right ? 0 : 1))];
}

ui::ClickLabel* OptionPanel::preview(app::SoundTheme theme, Verdict verdict) const {
    return previews_[static_cast<std::size_t>(2 * static_cast<int>(theme) +
                                              (verdict == Verdict::Right ? 0 : 1))];
}

QCheckBox* OptionPanel::soundBox2(app::SoundTheme theme, Verdict verdict) const {
    return soundBoxes2_[static_cast<std::size_t>(2 * static_cast<int>(theme) +
                                                 (verdict == Verdict::Right ? 0 : 1))];
}

void OptionPanel::show() {
    refresh();
    std::vector<QRect> cards;
    if (page_ == Page::Choices) {
        cards.assign(kCards.begin(), kCards.end());
    } else {
        cards = {kPadCardFirst, kPadCardSecond};
        if (twoPlayers_) {
            cards.push_back(kSecondSoundsCard);
        }
    }
    backdrop_->setCards(std::move(cards));
    for (const Placed& placed : widgets_) {
        const bool shown = placed.widget == backdrop_ || placed.widget == close_ ||
                           placed.widget == pageSwitch_ ||
                           (placed.page == page_ && (twoPlayers_ || !placed.secondOnly));
        placed.widget->setVisible(shown);
    }
    // A one-player screen shows how to use a pad where player 2's would be.
    if (help_) {
        help_->setVisible(page_ == Page::Pads && !twoPlayers_);
    }
    backdrop_->raise();
    for (const Placed& placed : widgets_) {
        if (placed.widget != backdrop_) {
            placed.widget->raise();
        }
    }
    // A finger shows no tooltip: the switch says where it leads.
    pageSwitch_->setText(
        page_ == Page::Choices
            ? switchText(QStringLiteral("🎮"), captions_.text(u"page_manettes"), form_.scale())
            : switchText(QStringLiteral("⚙"), captions_.text(u"Label_options"), form_.scale()));
}

void OptionPanel::showPage(Page page) {
    page_ = page;
    if (isVisible()) {
        show();
    }
}

void OptionPanel::hide() {
    for (const Placed& placed : widgets_) {
        placed.widget->hide();
    }
    // The next opening starts on the choices.
    page_ = Page::Choices;
}

void OptionPanel::setPlayers(QString first, std::optional<QString> second) {
    // The screen's name labels end in " :"; the panel shows the names alone.
    for (QString* name : {&first, second ? &*second : nullptr}) {
        if (name && name->endsWith(QStringLiteral(" :"))) {
            name->chop(2);
        }
    }
    twoPlayers_ = second.has_value();
    pads_[0].title->setText(QStringLiteral("🎮 ") + first);
    if (pads_[1].title) {
        pads_[1].title->setText(QStringLiteral("🎮 ") + second.value_or(QString()));
    }
    if (secondSoundsTitle_) {
        secondSoundsTitle_->setText(
            QStringLiteral("🔊 ") + captions_.text(u"sons_joueur2").arg(second.value_or(QString())));
    }
    if (isVisible()) {
        show();
    }
}

void OptionPanel::buildPads() {
    onPage(Page::Pads);
    pads_[0] = buildPadCard(0, kPadCardFirst);
    help_ = add(new QLabel(captions_.text(u"aide_manette").arg(captions_.text(u"oui")), &form_),
                px(kPadCardSecond.x() + 24), px(kPadCardSecond.y() + 24),
                px(kPadCardSecond.width() - 48), px(kPadCardSecond.height() - 48), 13);
    help_->setObjectName(QStringLiteral("Label_aide_manette"));
    help_->setProperty("kind", "help");
    help_->setWordWrap(true);
    help_->setAlignment(Qt::AlignCenter);
    if (options_.gameScreen()) {
        onPage(Page::Pads, true);
        pads_[1] = buildPadCard(1, kPadCardSecond);
        buildSecondSounds(kSecondSoundsCard);
    }
}

PadControls OptionPanel::buildPadCard(int player, QRect card) {
    const QString b = player == 0 ? QString() : QStringLiteral("B");
    const int x = card.x() + 12;
    const int width = card.width() - 24;
    PadControls pad;
    pad.title = add(new QLabel(QStringLiteral("🎮"), &form_), px(x), px(card.y() + 10), px(width),
                    px(32), 14);
    pad.title->setProperty("kind", "padTitle");
    pad.title->setProperty("second", player == 1);
    auto* text = add(new QLabel(captions_.text(u"Label_joystick"), &form_), px(x),
                     px(card.y() + 48), px(210), px(34), 10.5);
    text->setProperty("kind", "optionText");
    text->setWordWrap(true);
    auto* group = new QButtonGroup(this);
    pad.yes = add(new ui::WholeRadioButton(captions_.text(u"oui"), &form_), px(x + 218),
                  px(card.y() + 48), px(72), px(34), 10.5);
    pad.no = add(new ui::WholeRadioButton(captions_.text(u"non"), &form_), px(x + 290),
                 px(card.y() + 48), px(72), px(34), 10.5);
    pad.yes->setObjectName(player == 0 ? QStringLiteral("Option_joystick1")
                                       : QStringLiteral("Option_joystick1b"));
    pad.no->setObjectName(player == 0 ? QStringLiteral("Option_joystick2")
                                      : QStringLiteral("Option_joystick2b"));
    group->addButton(pad.yes);
    group->addButton(pad.no);
    pad.no->setChecked(true);
    pad.devices = add(new QListWidget(&form_), px(x), px(card.y() + 90), px(width), px(76), 10.5);
    pad.devices->setObjectName(QStringLiteral("lstJoySticks") + b);
    ui::fitForFingers(pad.devices);
    pad.devices->setEnabled(false);
    auto* test = add(new QLabel(captions_.text(u"Label_test"), &form_), px(x), px(card.y() + 176),
                     px(90), px(30), 10.5);
    test->setProperty("kind", "optionText");
    test->setObjectName(player == 0 ? QStringLiteral("Label_test") : QStringLiteral("Label_testb"));
    pad.testSquare = add(new QLabel(&form_), px(x + 96), px(card.y() + 176), px(30), px(30));
    pad.testSquare->setObjectName(player == 0 ? QStringLiteral("Label_test1")
                                              : QStringLiteral("Label_test2"));
    pad.testSquare->setProperty("kind", "testSquare");
    pad.testSquare->setProperty("colour", "blue");
    const int listWidth = (width - 16) / 3;
    const std::array<QListWidget**, 3> lists{&pad.axes, &pad.buttons, &pad.hats};
    const std::array<const char*, 3> names{"lstJoyAxis", "lstButton", "lstHat"};
    for (std::size_t i = 0; i < lists.size(); ++i) {
        *lists[i] = add(new QListWidget(&form_), px(x + static_cast<int>(i) * (listWidth + 8)),
                        px(card.y() + 216), px(listWidth), px(card.height() - 228), 9);
        (*lists[i])->setObjectName(QString::fromLatin1(names[i]) + b);
        (*lists[i])->setSelectionMode(QAbstractItemView::NoSelection);
        (*lists[i])->setFocusPolicy(Qt::NoFocus);
    }
    return pad;
}

void OptionPanel::buildSecondSounds(QRect area) {
    secondSoundsTitle_ = add(new QLabel(&form_), px(area.x() + 12), px(area.y() + 6),
                             px(area.width() - 24), px(28), 12);
    secondSoundsTitle_->setProperty("kind", "padTitle");
    secondSoundsTitle_->setProperty("second", true);
    const int column = (area.width() - 24) / app::kSoundThemeCount;
    for (int t = 0; t < app::kSoundThemeCount; ++t) {
        const auto theme = static_cast<app::SoundTheme>(t);
        const int left = area.x() + 12 + column * t;
        auto* picture =
            add(new QLabel(&form_), px(left + 4), px(area.y() + 36), px(column - 12), px(44));
        picture->setProperty("kind", "theme");
        picture->setPixmap(
            pixmapOf(loadPicture(QStringLiteral("fond"), themeWord(theme)), QSize(132, 88)));
        picture->setScaledContents(true);
        for (const Verdict verdict : {Verdict::Right, Verdict::Wrong}) {
            const int row = verdict == Verdict::Right ? 0 : 1;
            const QString word =
                theme == app::SoundTheme::Prof ? QStringLiteral("prof") : themeWord(theme);
            auto* box = add(
                new ui::WholeCheckBox(
                    verdict == Verdict::Right ? QStringLiteral("✔") : QStringLiteral("✘"), &form_),
                px(left + 14), px(area.y() + 86 + 40 * row), px(column - 16), px(36), 13);
            box->setObjectName(
                QStringLiteral("Check_") + word +
                (verdict == Verdict::Right ? QStringLiteral("_V2") : QStringLiteral("_F2")));
            box->setStyleSheet(box->styleSheet() +
                               (verdict == Verdict::Right
                                    ? QStringLiteral("QCheckBox{color:#27ae60}")
                                    : QStringLiteral("QCheckBox{color:#e74c3c}")));
            soundBoxes2_[static_cast<std::size_t>(2 * t + row)] = box;
            connect(box, &QCheckBox::clicked, this, [this, theme, verdict](bool ticked) {
                act_([&] { options_.setSoundTick2(theme, verdict, ticked); });
            });
        }
    }
}

bool OptionPanel::isVisible() const {
    // The backdrop shows whenever the panel does, on either page.
    return backdrop_->isVisible();
}

void OptionPanel::setBackground(const resources::Picture& picture) {
    backdrop_->setPicture(picture);
}

void OptionPanel::refresh() {
    metronome_[options_.metronomeChoice() ? 0 : 1]->setChecked(true);
    clock_[options_.clockChoice() ? 0 : 1]->setChecked(true);
    score_[options_.scoreChoice() ? 0 : 1]->setChecked(true);
    for (int t = 0; t < app::kSoundThemeCount; ++t) {
        const auto theme = static_cast<app::SoundTheme>(t);
        soundBox(theme, Verdict::Right)
            ->setChecked(options_.sounds().right[static_cast<std::size_t>(t)]);
        soundBox(theme, Verdict::Wrong)
            ->setChecked(options_.sounds().wrong[static_cast<std::size_t>(t)]);
    }
    for (int n = 0; n < kInstrumentCount; ++n) {
        ui::ClickLabel* picture = instruments_[static_cast<std::size_t>(n)];
        if (picture->property("framed").toBool() != options_.instrumentFramed(n)) {
            picture->setProperty("framed", options_.instrumentFramed(n));
            picture->style()->unpolish(picture);
            picture->style()->polish(picture);
        }
    }
    bands_->setCurrentIndex(options_.bandPosition());
    volume_.box->setText(options_.volume().text);
    tempo_.box->setText(options_.tempo().text);
    tempoNote_->setBeat(options_.beatNote());
    if (duration_.box) {
        duration_.box->setText(options_.duration().text);
    }
    if (bonus_[0]) {
        bonus_[options_.bonusChoice() ? 0 : 1]->setChecked(true);
    }
    if (echo_[0]) {
        echo_[options_.echoChoice() ? 0 : 1]->setChecked(true);
    }
    for (int t = 0; t < app::kSoundThemeCount; ++t) {
        const auto theme = static_cast<app::SoundTheme>(t);
        if (QCheckBox* right = soundBox2(theme, Verdict::Right)) {
            right->setChecked(options_.sounds2().right[static_cast<std::size_t>(t)]);
            soundBox2(theme, Verdict::Wrong)
                ->setChecked(options_.sounds2().wrong[static_cast<std::size_t>(t)]);
        }
    }
}

} // namespace pulsadrome::play
