// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProgressWindow.h"

#include "app/ProgressPainting.h"
#include "app/Startup.h"
#include "catalogue/Series.h"
#include "play/level/LevelPictures.h"
#include "play/level/NumericText.h"
#include "play/level/TempoGroups.h"
#include "ui/NotationCard.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QTableWidget>

#include <algorithm>

namespace pulsadrome::app {

namespace {

// Positions in logical pixels of the 800 x 600 form.
constexpr int px(int pixels) {
    return pixels * 15;
}

constexpr int kLeft = 14; // the left column: chart and levels
constexpr int kLeftWidth = 382;
constexpr int kRight = 414; // the right column: the confused pairs
constexpr int kPairTop = 88;
constexpr int kPairStep = 46;
constexpr int kPairHeight = 42;
// The teacher's look has no practice button under the pairs: they spread over its room, the
// tenth ending as far above the panel's foot as the heading is below its top.
constexpr int kTeacherPairStep = 50;

constexpr const char* kStyle = R"(
QLabel#Label_titre { color: #c0392b; font-weight: bold; }
QLabel[kind="heading"] { color: #23395d; font-weight: bold; }
QLabel[kind="text"] { color: #23395d; }
QLabel[kind="count"] {
  color: white; background: #8e44ad; border-radius: 10px; font-weight: bold;
}
QLabel[kind="button"] {
  color: white; background: #2e86de; border-radius: 10px; font-weight: bold;
  border: 2px solid rgba(0,0,0,40);
}
QLabel[kind="button"][pressed="true"] { background: white; color: #23395d; border: 2px outset #f2a541; }
QLabel[kind="button"]:disabled { background: #d5d8dc; color: #8a9199; }
QLabel#Label_pratiquer { background: #27ae60; }
QLabel#Image_retour { background: #27ae60; }
QLabel[kind="button"]:focus { border: 3px solid #f2a541; }
QTableWidget {
  border: 2px solid #f2a541; border-radius: 6px; background: #fffdf5; color: #23395d;
  gridline-color: #f4e3c1;
}
QHeaderView::section {
  background: #fdebd0; color: #23395d; border: none; padding: 2px 4px;
}
)";

play::TempoGroup tempoGroupOf(catalogue::Series series) {
    switch (series) {
    case catalogue::Series::Main:
        return play::TempoGroup::Crotchet;
    case catalogue::Series::Compound:
        return play::TempoGroup::DottedCrotchet;
    case catalogue::Series::MinimBeat:
        break;
    }
    return play::TempoGroup::Minim;
}

// The weekly chart, drawn at the widget's own size.
class WeekChart : public QWidget {
public:
    WeekChart(const std::vector<answers::WeekAccuracy>& weeks, QLocale locale, QString emptyText,
              QWidget* parent)
        : QWidget(parent), weeks_(weeks), locale_(std::move(locale)),
          emptyText_(std::move(emptyText)) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        paintWeekChart(painter, QRectF(rect()), weeks_, locale_, emptyText_);
    }

private:
    const std::vector<answers::WeekAccuracy>& weeks_;
    QLocale locale_;
    QString emptyText_;
};

// The levels table. Its bold items and its heading keep the table's font, bold, whatever size
// the form gives it.
class LevelTable : public QTableWidget {
public:
    static constexpr int kBoldRole = Qt::UserRole + 1;

    LevelTable(int rows, int columns, QWidget* parent) : QTableWidget(rows, columns, parent) {}

    void setBold(QTableWidgetItem* item) {
        item->setData(kBoldRole, true);
        item->setFont(boldFont());
    }

protected:
    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::FontChange) {
            // The form's style sheet draws the heading: its size is told there too.
            horizontalHeader()->setStyleSheet(
                QStringLiteral("QHeaderView::section { font-size: %1pt; font-weight: bold; }")
                    .arg(font().pointSizeF()));
            for (int row = 0; row < rowCount(); ++row) {
                for (int column = 0; column < columnCount(); ++column) {
                    if (QTableWidgetItem* entry = item(row, column);
                        entry && entry->data(kBoldRole).toBool()) {
                        entry->setFont(boldFont());
                    }
                }
            }
        }
        QTableWidget::changeEvent(event);
    }

private:
    QFont boldFont() const {
        QFont bold = font();
        bold.setBold(true);
        return bold;
    }
};

} // namespace

// A rhythm's notation card; a click plays the rhythm.
class NotationCard : public ui::NotationCard {
public:
    NotationCard(int rhythm, QWidget* parent) : ui::NotationCard(parent), rhythm_(rhythm) {
        setPicture(play::loadPicture(QStringLiteral("images"), catalogue::pictureOf(rhythm)));
    }

    int rhythm() const { return rhythm_; }

private:
    int rhythm_;
};

ProgressWindow::ProgressWindow(const i18n::CaptionTable& captions, play::RhythmPort& sound,
                               const PlayerRecord& child,
                               const std::vector<answers::AnswerRecord>& answers,
                               const QTimeZone& zone, Visit visit, QWidget* parent)
    : ui::Form(12000, 9000, parent), captions_(captions), sound_(sound), child_(child), zone_(zone),
      visit_(visit), progress_(answers::childProgress(child.progress(), answers, zone)) {
    setObjectName(QStringLiteral("Form_progres"));
    setWindowTitle(QStringLiteral("Pulsadrome — ") + captions_.text(u"progres"));
    setStyleSheet(QString::fromLatin1(kStyle));
    if (const auto known = themeBackground(child_.fond)) {
        setBackgroundPicture(play::loadPicture(QStringLiteral("fond"), *known));
    } else {
        setBackgroundColour(QColor(0xf4, 0xf8, 0xff));
    }
    addPanel(px(6), px(6), px(788), px(44));
    addPanel(px(6), px(56), px(398), px(538));
    addPanel(px(kRight - 8), px(56), px(388), px(538));
    buildTop();
    buildLevels();
    buildPairs();

    pairTimer_.setObjectName(QStringLiteral("Timer_paire"));
    pairTimer_.setSingleShot(true);
    connect(&pairTimer_, &QTimer::timeout, this, &ProgressWindow::Timer_paire_Timer);
    prepareSound();
    setScale(screenScale());
    centreOnScreen();
}

void ProgressWindow::buildTop() {
    auto* title = new QLabel(this);
    title->setObjectName(QStringLiteral("Label_titre"));
    place(title, px(16), px(8), px(300), px(40), 15);
    // A long name is cut with an ellipsis rather than pushed out of the bar; the measure is
    // taken in the bold font the style gives the title.
    title->ensurePolished();
    const QString start = QStringLiteral("📈 ") + captions_.text(u"progres") + QStringLiteral(" — ");
    const QFontMetrics metrics(title->font());
    const int room = title->contentsRect().width() - metrics.horizontalAdvance(start) - 4;
    title->setText(start + metrics.elidedText(child_.nom, Qt::ElideRight, room));
    title->setToolTip(child_.nom);

    auto* played = new QLabel(
        QStringLiteral("⏱ ") +
            captions_.text(u"progres_temps").arg(playedText(progress_.summary.playedSeconds)),
        this);
    played->setObjectName(QStringLiteral("Label_temps"));
    played->setProperty("kind", "heading");
    played->setWordWrap(true);
    place(played, px(322), px(8), px(218), px(40), 10);

    auto* report = ui::makeButton(QStringLiteral("Label_rapport"),
                                  QStringLiteral("📄 ") + captions_.text(u"progres_rapport"), this);
    place(report, px(546), px(10), px(160), px(36), 10.5);
    connect(report, &ui::ClickLabel::clicked, this, &ProgressWindow::reportRequested);

    auto* back = ui::makeButton(QStringLiteral("Image_retour"), QStringLiteral("🏠"), this);
    back->setToolTip(
        captions_.text(visit_ == Visit::Child ? u"progres_retour" : u"progres_retour_classe"));
    place(back, px(714), px(10), px(72), px(36), 17);
    connect(back, &ui::ClickLabel::clicked, this, &ProgressWindow::leave);
}

void ProgressWindow::buildLevels() {
    const QLocale locale = localeOf(captions_);
    auto* chartTitle = new QLabel(captions_.text(u"progres_semaines"), this);
    chartTitle->setObjectName(QStringLiteral("Label_semaines"));
    chartTitle->setProperty("kind", "heading");
    place(chartTitle, px(kLeft), px(60), px(kLeftWidth), px(24), 11);
    auto* chart =
        new WeekChart(progress_.weeks, locale, captions_.text(u"progres_aucune_reponse"), this);
    chart->setObjectName(QStringLiteral("Chart_semaines"));
    place(chart, px(kLeft), px(86), px(kLeftWidth), px(160));

    auto* table = new LevelTable(0, 3, this);
    levels_ = table;
    levels_->setObjectName(QStringLiteral("TABLE_niveaux"));
    levels_->setHorizontalHeaderLabels({captions_.text(u"progres_niveau"),
                                        captions_.text(u"progres_reussi_le"),
                                        captions_.text(u"progres_justes")});
    levels_->verticalHeader()->hide();
    levels_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    levels_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    levels_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    levels_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    levels_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    levels_->setSelectionMode(QAbstractItemView::NoSelection);
    levels_->setFocusPolicy(Qt::NoFocus);
    levels_->setShowGrid(false);
    levels_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    levels_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    place(levels_, px(kLeft), px(254), px(kLeftWidth), px(334), 10);

    for (const answers::SeriesProgress& series : progress_.series) {
        const int headingRow = levels_->rowCount();
        levels_->insertRow(headingRow);
        const QString count = QStringLiteral("  ★ %1 / %2")
                                  .arg(series.passedCount)
                                  .arg(catalogue::seriesInfo(series.series).levelCount);
        auto* heading = new QTableWidgetItem(
            captions_.text(QString::fromLatin1(catalogue::seriesInfo(series.series).headingKey)) +
            count);
        table->setBold(heading);
        heading->setBackground(seriesColour(series.series).lighter(165));
        levels_->setItem(headingRow, 0, heading);
        levels_->setSpan(headingRow, 0, 1, 3);
        for (const answers::LevelProgress& level : series.levels) {
            const int row = levels_->rowCount();
            levels_->insertRow(row);
            auto* number = new QTableWidgetItem(QString::number(level.level->displayNumber));
            number->setTextAlignment(Qt::AlignCenter);
            table->setBold(number);
            number->setForeground(Qt::white);
            number->setBackground(level.passed ? seriesColour(series.series)
                                               : QColor(0xb0, 0xb7, 0xbf));
            levels_->setItem(row, 0, number);
            QString when;
            if (!level.passed) {
                when = captions_.text(u"progres_pas_encore");
            } else if (level.passedUtc) {
                when = QStringLiteral("✓ ") + dayText(locale, *level.passedUtc, zone_);
            } else {
                when = QStringLiteral("✓ ") + captions_.text(u"progres_reussi");
            }
            levels_->setItem(row, 1, new QTableWidgetItem(when));
            auto* share = new QTableWidgetItem(percentText(level.right, level.answers));
            share->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            share->setForeground(level.answers > 0 ? accuracyColour(level.right, level.answers)
                                                   : QColor(0x8a, 0x91, 0x99));
            table->setBold(share);
            levels_->setItem(row, 2, share);
        }
    }
}

void ProgressWindow::buildPairs() {
    auto* heading = new QLabel(QStringLiteral("🎧 ") + captions_.text(u"progres_confusions"), this);
    heading->setObjectName(QStringLiteral("Label_confusions"));
    heading->setProperty("kind", "heading");
    place(heading, px(kRight), px(60), px(372), px(24), 11);

    const auto& pairs = progress_.summary.confusedPairs;
    const int pairStep = visit_ == Visit::Child ? kPairStep : kTeacherPairStep;
    if (pairs.empty()) {
        auto* none =
            new QLabel(QStringLiteral("🌟 ") + captions_.text(u"progres_aucune_confusion"), this);
        none->setObjectName(QStringLiteral("Label_aucune_confusion"));
        none->setProperty("kind", "text");
        none->setWordWrap(true);
        none->setAlignment(Qt::AlignCenter);
        place(none, px(kRight), px(200), px(372), px(80), 12);
    }
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        const answers::ConfusedPair& pair = pairs[i];
        const int top = kPairTop + static_cast<int>(i) * pairStep;
        const int n = static_cast<int>(i) + 1;
        auto* count = new QLabel(QString::number(pair.total()), this);
        count->setObjectName(QStringLiteral("Label_fois%1").arg(n));
        count->setProperty("kind", "count");
        count->setAlignment(Qt::AlignCenter);
        count->setToolTip(captions_.text(u"progres_fois").arg(pair.total()));
        place(count, px(kRight), px(top + 5), px(32), px(32), 11);
        for (const int side : {0, 1}) {
            auto* card = new NotationCard(side == 0 ? pair.first : pair.second, this);
            card->setObjectName(
                QStringLiteral("Image_paire%1%2").arg(n).arg(side == 0 ? 'a' : 'b'));
            place(card, px(kRight + 36 + side * 150), px(top), px(146), px(kPairHeight));
            connect(card, &ui::ClickLabel::clicked, this, [this, card] {
                pairTimer_.stop();
                secondRhythm_ = 0;
                playRhythm(card->rhythm());
            });
        }
        auto* both =
            ui::makeButton(QStringLiteral("Label_ecouter%1").arg(n), QStringLiteral("▶▶"), this);
        both->setToolTip(captions_.text(u"progres_ecouter_deux"));
        place(both, px(kRight + 336), px(top), px(40), px(kPairHeight), 12);
        connect(both, &ui::ClickLabel::clicked, this, [this, i] { playPair(static_cast<int>(i)); });
    }

    auto* practise =
        ui::makeButton(QStringLiteral("Label_pratiquer"),
                       QStringLiteral("🎯 ") + captions_.text(u"progres_pratiquer"), this);
    practise->setEnabled(!pairs.empty());
    practise->setVisible(visit_ == Visit::Child);
    place(practise, px(kRight + 20), px(kPairTop + 10 * kPairStep + 6), px(336), px(36), 11);
    connect(practise, &ui::ClickLabel::clicked, this,
            [this] { emit practiseRequested(confusedRhythms()); });
}

void ProgressWindow::prepareSound() {
    // The pairs sound as the child hears them: the stored band, volume and tempo.
    const QStringList bands = sound_.FillBandList();
    const int stored = static_cast<int>(play::leadingNumber(child_.instruments));
    const int band =
        stored >= 0 && stored < bands.size() ? stored : play::fallbackBandPosition(bands.size());
    if (band >= 0) {
        sound_.SelectBand(bands.at(band));
    }
    sound_.ChangeVolume(
        static_cast<int>(std::clamp<qint64>(play::leadingNumber(child_.volume), 0, 100)));
    tempo_ = static_cast<int>(std::clamp<qint64>(play::leadingNumber(child_.tempo), 1, 300));
}

void ProgressWindow::playRhythm(int rhythm) {
    const auto series = catalogue::seriesOfRhythm(rhythm);
    sound_.SetTempo(
        play::scaleTempo(tempoGroupOf(series.value_or(catalogue::Series::Main)), tempo_));
    sound_.PlayRhythm(catalogue::motifOf(rhythm));
}

void ProgressWindow::playPair(int index) {
    const auto& pairs = progress_.summary.confusedPairs;
    if (index < 0 || index >= static_cast<int>(pairs.size())) {
        return;
    }
    const answers::ConfusedPair& pair = pairs[static_cast<std::size_t>(index)];
    pairTimer_.stop();
    playRhythm(pair.first);
    secondRhythm_ = pair.second;
    const int length =
        sound_.RhythmMilliseconds(catalogue::motifOf(pair.first)).value_or(kUnknownRhythmMs);
    pairTimer_.start(length + kPairGapMs);
}

void ProgressWindow::Timer_paire_Timer() {
    pairTimer_.stop();
    if (secondRhythm_ != 0) {
        playRhythm(secondRhythm_);
        secondRhythm_ = 0;
    }
}

QList<int> ProgressWindow::confusedRhythms() const {
    QList<int> rhythms;
    for (const answers::ConfusedPair& pair : progress_.summary.confusedPairs) {
        for (const int rhythm : {pair.first, pair.second}) {
            if (!rhythms.contains(rhythm)) {
                rhythms << rhythm;
            }
        }
    }
    return rhythms;
}

void ProgressWindow::leave() {
    if (left_) {
        return;
    }
    left_ = true;
    pairTimer_.stop();
    secondRhythm_ = 0;
    sound_.StopAll();
    emit returned();
    close();
}

void ProgressWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        leave();
        return;
    }
    ui::Form::keyPressEvent(event);
}

void ProgressWindow::closeEvent(QCloseEvent* event) {
    leave();
    ui::Form::closeEvent(event);
}

} // namespace pulsadrome::app
