// SPDX-License-Identifier: GPL-3.0-or-later
#include "listening/ListeningWindow.h"

#include "app/ProblemTexts.h"
#include "app/Startup.h"
#include "play/level/LevelPictures.h"
#include "ui/BeatNote.h"
#include "ui/ClickLabel.h"
#include "ui/FingerControls.h"
#include "ui/MessageBox.h"
#include "ui/NotationCard.h"

#include <QCloseEvent>
#include <QDebug>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace pulsadrome::listening {

namespace {

// Positions in logical pixels of the 800 x 600 form.
constexpr int px(int pixels) {
    return pixels * 15;
}

// The settings column on the left, the pictures on the right.
constexpr int kColumnLeft = 12;
constexpr int kColumnWidth = 206;
constexpr int kPicturesLeft = 232;
constexpr int kPicturesTop = 64;
constexpr int kPictureWidth = 180;
constexpr int kPictureHeight = 52;
constexpr int kPictureGap = 6;
// Where the tempo's and the volume's arrows start in the column.
constexpr int kArrowsLeft = 94;

// The largest size up to `points` at which `label`'s text, in its own font, takes no more than
// `width` pixels of the 800 x 600 form, in quarter points.
double fittingPoints(const QLabel& label, double points, int width) {
    label.ensurePolished(); // the style sheet's weight
    QFont font = label.font();
    font.setPointSizeF(points);
    const double needed = QFontMetricsF(font).horizontalAdvance(label.text());
    if (needed <= width - 2) {
        return points;
    }
    return std::floor(points * (width - 2) / needed * 4) / 4;
}

constexpr const char* kStyle = R"(
QLabel[kind="section"] { color: #23395d; font-weight: bold; }
QLabel[kind="group"] {
  background: #2e86de; color: white; font-weight: bold; border-radius: 8px;
  border: 2px solid rgba(0,0,0,40);
}
QLabel[kind="group"][section="2"] { background: #8e44ad; }
QLabel[kind="group"][section="3"] { background: #27ae60; }
QLabel[kind="group"][selected="true"], QLabel[kind="group"][pressed="true"] {
  background: white; color: #23395d; border: 3px outset #f2a541;
}
QLabel[kind="text"] { color: #23395d; font-weight: bold; }
QLabel#Label_titre { color: #c0392b; font-weight: bold; }
QLabel#Label_son {
  color: white; background: #e67e22; border-radius: 8px; font-weight: bold; padding: 2px 6px;
}
QLabel#Label_timer { color: #c0392b; font-weight: bold; }
QLabel[kind="arrow"] {
  background: #2e86de; color: white; font-weight: bold; border-radius: 6px;
}
QLabel[kind="arrow"][pressed="true"] { background: white; color: #23395d; border: 2px outset white; }
QLineEdit {
  border: 2px solid #f2a541; border-radius: 6px; background: #fffdf5; color: #23395d;
}
QListWidget {
  border: 2px solid #f2a541; border-radius: 6px; background: #fffdf5; color: #23395d;
}
QListWidget::item:selected { background: #2e86de; color: white; }
QLabel#Image_cacher_options {
  background: #27ae60; color: white; font-weight: bold; border-radius: 10px;
  border: 2px solid rgba(0,0,0,40);
}
QLabel#Image_cacher_options[pressed="true"] { background: white; color: #23395d; }
)";

int sectionOf(play::TempoGroup beat) {
    switch (beat) {
    case play::TempoGroup::Crotchet:
        return 1;
    case play::TempoGroup::DottedCrotchet:
        return 2;
    case play::TempoGroup::Minim:
        return 3;
    }
    return 1;
}

void repolish(QWidget* widget) {
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
}

} // namespace

// One of the 27 places: a notation card that remembers which picture it shows.
class NotationPlace : public ui::NotationCard {
public:
    explicit NotationPlace(QWidget* parent) : ui::NotationCard(parent) {}

    void setPictureNumber(int number) {
        if (number != number_) {
            number_ = number;
            setPicture(play::loadPicture(QStringLiteral("images"), number));
        }
    }
    int pictureNumber() const { return number_; }

private:
    int number_ = 0;
};

ListeningWindow::ListeningWindow(const i18n::CaptionTable& captions, play::RhythmPort& sound,
                                 app::PlayerRecordStore& players, const QString& theme,
                                 QWidget* parent)
    : ui::Form(12000, 9000, parent), captions_(captions), players_(players),
      session_(sound, players) {
    setObjectName(QStringLiteral("Form_ecouter"));
    setWindowTitle(QStringLiteral("Pulsadrome — ") + captions_.text(u"Label_musique"));
    setStyleSheet(QString::fromLatin1(kStyle) + QString::fromLatin1(ui::kFingerListStyle));
    if (const auto known = app::themeBackground(theme)) {
        setBackgroundPicture(play::loadPicture(QStringLiteral("fond"), *known));
    } else {
        setBackgroundColour(QColor(0xf4, 0xf8, 0xff));
    }
    addPanel(px(kColumnLeft - 6), px(6), px(kColumnWidth + 12), px(588));
    addPanel(px(kPicturesLeft - 6), px(6), px(800 - kPicturesLeft), px(588));
    buildGroups();
    buildPictures();
    buildSettings();

    timer1_.setObjectName(QStringLiteral("Timer1"));
    timer1_.setInterval(ListeningSession::kTickMilliseconds);
    connect(&timer1_, &QTimer::timeout, this, &ListeningWindow::tick);

    session_.load();
    bands_->addItems(session_.bands());
    if (session_.bands().isEmpty()) {
        // No sound, no bands: the list says so rather than stand empty.
        auto* item =
            new QListWidgetItem(QStringLiteral("🔇 ") + captions_.text(u"Label_directx"), bands_);
        item->setFlags(Qt::NoItemFlags);
        bands_->setWordWrap(true);
        bands_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    if (session_.bandPosition() >= 0) {
        bands_->setCurrentRow(session_.bandPosition());
    }
    connect(bands_, &QListWidget::currentRowChanged, this, [this](int row) {
        session_.selectBand(row);
        render();
    });
    render();
    setScale(screenScale());
    centreOnScreen();
}

namespace {

// A section title too long for one line goes on two, the series' name above its times
// ("Mesures binaires :" over "2/4, 3/4, 4/4 (C)"), rather than leaving a word alone below.
void breakAfterTheColonWhenTooLong(QLabel& title) {
    const QString text = title.text();
    const qsizetype colon = text.indexOf(u':');
    if (colon < 0 || QFontMetricsF(title.font()).horizontalAdvance(text) <= title.width()) {
        return;
    }
    title.setText(text.left(colon + 1) + u'\n' + text.mid(colon + 1).trimmed());
}

} // namespace

void ListeningWindow::buildGroups() {
    struct Section {
        const char16_t* captionKey;
        int firstGroup;
        int top;
    };
    const std::array<Section, 3> sections{
        {{u"Label_binaire1", 1, 10}, {u"Label_ternaire", 15, 174}, {u"Label_binaire2", 19, 258}}};
    for (const Section& section : sections) {
        auto* title = new QLabel(captions_.text(section.captionKey), this);
        title->setProperty("kind", "section");
        title->setWordWrap(true);
        place(title, px(kColumnLeft), px(section.top), px(kColumnWidth), px(36), 9.5);
        breakAfterTheColonWhenTooLong(*title);
        const int last = section.firstGroup == 1 ? 14 : section.firstGroup + 3;
        for (int g = section.firstGroup; g <= last; ++g) {
            const ListeningGroup& group = listeningGroup(g);
            auto* label = new ui::ClickLabel(QString::number(group.numberInSection), this);
            label->setObjectName(QStringLiteral("Label%1").arg(g));
            label->setProperty("kind", "group");
            label->setProperty("section", sectionOf(group.beat));
            label->setProperty("selected", false);
            const int index = g - section.firstGroup;
            place(label, px(kColumnLeft + (index % 5) * 41),
                  px(section.top + 40 + (index / 5) * 38), px(37), px(34), 13);
            connect(label, &ui::ClickLabel::clicked, this, [this, g] { chooseGroup(g); });
            groupLabels_[static_cast<std::size_t>(g - 1)] = label;
        }
    }
}

void ListeningWindow::buildPictures() {
    auto* title = new QLabel(QStringLiteral("🎧 ") + captions_.text(u"Label_musique"), this);
    title->setObjectName(QStringLiteral("Label_titre"));
    place(title, px(kPicturesLeft), px(10), px(260), px(44), 15);
    soundMessage_ = new QLabel(captions_.text(u"Label_directx"), this);
    soundMessage_->setObjectName(QStringLiteral("Label_son"));
    soundMessage_->setWordWrap(true);
    soundMessage_->hide();
    place(soundMessage_, px(kPicturesLeft + 266), px(10), px(290), px(46), 8.5);
    for (int k = 1; k <= kPlaceCount; ++k) {
        auto* picture = new NotationPlace(this);
        picture->setObjectName(QStringLiteral("Image%1").arg(k));
        const int column = (k - 1) % 3;
        const int row = (k - 1) / 3;
        place(picture, px(kPicturesLeft + column * (kPictureWidth + kPictureGap)),
              px(kPicturesTop + row * (kPictureHeight + 6)), px(kPictureWidth), px(kPictureHeight));
        connect(picture, &ui::ClickLabel::clicked, this, [this, k] {
            session_.playPlace(k);
            render();
        });
        places_[static_cast<std::size_t>(k - 1)] = picture;
    }
}

void ListeningWindow::buildSettings() {
    const auto numberRow = [this](const QString& name, int top, auto change, auto value) {
        auto* down = new ui::ClickLabel(QStringLiteral("−"), this);
        auto* box = new QLineEdit(this);
        auto* up = new ui::ClickLabel(QStringLiteral("+"), this);
        box->setObjectName(name);
        QString arrows = name;
        arrows.replace(QStringLiteral("EDIT_"), QStringLiteral("UpDown_"));
        down->setObjectName(arrows + QStringLiteral("_down"));
        up->setObjectName(arrows + QStringLiteral("_up"));
        box->setAlignment(Qt::AlignCenter);
        box->installEventFilter(this);
        // Arrows and box a finger takes: 32 pixels high, the arrows square.
        place(down, px(kColumnLeft + kArrowsLeft), px(top), px(32), px(32), 14);
        place(box, px(kColumnLeft + kArrowsLeft + 34), px(top), px(44), px(32), 12);
        place(up, px(kColumnLeft + kColumnWidth - 32), px(top), px(32), px(32), 14);
        for (ui::ClickLabel* arrow : {down, up}) {
            arrow->setProperty("kind", "arrow");
            const int step = arrow == down ? -1 : 1;
            connect(arrow, &ui::ClickLabel::clicked, this, [this, change, value, step] {
                (session_.*change)((session_.*value)().value + step);
                render();
            });
        }
        return box;
    };

    // "Tempo" in the player's language, the beat note and "=" before the arrows: the word as
    // large as the volume's up to 10.5 points, smaller where the language's word is long.
    constexpr int kEqualsWidth = 10;
    constexpr int kNoteWidth = 18;
    constexpr int kWordWidth = kArrowsLeft - kEqualsWidth - kNoteWidth - 1;
    auto* tempoText = new QLabel(captions_.text(u"mot_tempo"), this);
    tempoText->setObjectName(QStringLiteral("Label_tempo"));
    tempoText->setProperty("kind", "text");
    place(tempoText, px(kColumnLeft), px(346), px(kWordWidth), px(32),
          fittingPoints(*tempoText, 10.5, kWordWidth));
    beatNote_ = new ui::BeatNote(this);
    beatNote_->setObjectName(QStringLiteral("Image_note"));
    place(beatNote_, px(kColumnLeft + kWordWidth + 1), px(345), px(kNoteWidth), px(34));
    auto* equals = new QLabel(QStringLiteral("="), this);
    equals->setObjectName(QStringLiteral("Label_egal"));
    equals->setProperty("kind", "text");
    place(equals, px(kColumnLeft + kArrowsLeft - kEqualsWidth), px(346), px(kEqualsWidth), px(32),
          12);
    tempoBox_ = numberRow(QStringLiteral("EDIT_Tempo"), 346, &ListeningSession::setTempoArrows,
                          &ListeningSession::tempo);
    countdown_ = new QLabel(this);
    countdown_->setObjectName(QStringLiteral("Label_timer"));
    countdown_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    place(countdown_, px(kColumnLeft + 124), px(379), px(82), px(16), 8);

    auto* volumeText = new QLabel(QStringLiteral("🔊 ") + captions_.text(u"Label_volume"), this);
    volumeText->setObjectName(QStringLiteral("Label_volume"));
    volumeText->setProperty("kind", "text");
    place(volumeText, px(kColumnLeft), px(398), px(kArrowsLeft - 2), px(32), 9.5);
    volumeBox_ = numberRow(QStringLiteral("EDIT_Volume"), 398, &ListeningSession::setVolumeArrows,
                           &ListeningSession::volume);
    // What is typed stays as typed until Enter or leaving the box checks it.
    connect(tempoBox_, &QLineEdit::textEdited, this,
            [this](const QString& text) { session_.setTempoText(text); });
    connect(volumeBox_, &QLineEdit::textEdited, this,
            [this](const QString& text) { session_.setVolumeText(text); });

    bands_ = new QListWidget(this);
    bands_->setObjectName(QStringLiteral("LIST_Bands"));
    ui::fitForFingers(bands_);
    // Three whole rows of 32 pixels inside the border.
    place(bands_, px(kColumnLeft), px(434), px(kColumnWidth), px(100), 9.5);

    auto* back = new ui::ClickLabel(QStringLiteral("🏠"), this);
    back->setObjectName(QStringLiteral("Image_cacher_options"));
    place(back, px(kColumnLeft + 68), px(539), px(70), px(50), 22);
    connect(back, &ui::ClickLabel::clicked, this, &ListeningWindow::leave);
}

void ListeningWindow::chooseGroup(int g) {
    session_.chooseGroup(g);
    timer1_.start();
    render();
}

void ListeningWindow::tick() {
    session_.tick();
    if (!session_.repeating()) {
        timer1_.stop();
    }
    render();
}

void ListeningWindow::leave() {
    if (left_) {
        return;
    }
    left_ = true;
    timer1_.stop();
    session_.setTempoText(tempoBox_->text());
    session_.setVolumeText(volumeBox_->text());
    const app::StoreStatus status = session_.leave();
    if (!status) {
        qWarning().noquote() << status.message;
        ui::showMessage(this, captions_, ui::MessageTone::Warning,
                        app::storeFailureText(captions_, u"enregistrement_impossible", status),
                        app::storeProblemDetail(captions_, status, QString()));
    }
    emit returned();
    close();
}

void ListeningWindow::closeEvent(QCloseEvent* event) {
    leave();
    ui::Form::closeEvent(event);
}

bool ListeningWindow::eventFilter(QObject* watched, QEvent* event) {
    const bool enter = event->type() == QEvent::KeyPress &&
                       (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return ||
                        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter);
    const bool focusLost = event->type() == QEvent::FocusOut;
    if (enter || focusLost) {
        if (watched == tempoBox_) {
            session_.setTempoText(tempoBox_->text());
            session_.confirmTempo();
            render();
        } else if (watched == volumeBox_) {
            session_.setVolumeText(volumeBox_->text());
            session_.confirmVolume(enter);
            render();
        }
    }
    return ui::Form::eventFilter(watched, event);
}

void ListeningWindow::render() {
    const int g = session_.group();
    if (g != shownGroup_) {
        shownGroup_ = g;
        const QList<int> pictures = shownPictures(g);
        for (int k = 0; k < kPlaceCount; ++k) {
            NotationPlace* picture = places_[static_cast<std::size_t>(k)];
            picture->setVisible(k < pictures.size());
            if (k < pictures.size()) {
                picture->setPictureNumber(pictures.at(k));
            }
        }
        for (int i = 0; i < kGroupCount; ++i) {
            ui::ClickLabel* label = groupLabels_[static_cast<std::size_t>(i)];
            label->setProperty("selected", i + 1 == g);
            repolish(label);
        }
        beatNote_->setBeat(listeningGroup(g).beat);
    }
    if (tempoBox_->text() != session_.tempo().text) {
        tempoBox_->setText(session_.tempo().text);
    }
    if (volumeBox_->text() != session_.volume().text) {
        volumeBox_->setText(session_.volume().text);
    }
    countdown_->setText(session_.repeating() ? QStringLiteral("⏱ %1").arg(session_.ticksLeft())
                                             : QString());
    soundMessage_->setVisible(session_.soundUnavailable());
}

} // namespace pulsadrome::listening
