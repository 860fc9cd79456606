// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/games/ScoreWindows.h"

#include "app/Startup.h"
#include "play/level/LevelPictures.h"
#include "ui/ClickLabel.h"
#include "ui/MessageBox.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QShowEvent>
#include <QTreeWidget>

namespace pulsadrome::play {

namespace {

constexpr int px(int pixels) {
    return pixels * 15;
}

constexpr int kTableLength = 30;
// How long an answer may take before the window says that it waits for it: a server nearby
// answers sooner, and the line then never flickers.
constexpr int kQuietWaitMs = 250;

constexpr const char* kStyle = R"(
QLabel[kind="title"] { color: #c0392b; font-weight: bold; }
QLabel[kind="name"] { color: #23395d; font-weight: bold; }
QLabel[kind="value"] {
  color: #23395d; font-weight: bold; background: rgba(255,255,255,205);
  border: 2px solid rgba(255,255,255,230); border-radius: 14px;
}
QLabel#vainqueur { color: #c0392b; font-weight: bold; }
QLabel#attente {
  color: #23395d; font-weight: bold; background: rgba(255,253,245,240);
  border: 2px solid #f2a541; border-radius: 12px; padding: 0px 8px;
}
QTreeWidget { background: #fffdf5; color: #23395d; border: 2px solid #f2a541; border-radius: 8px; }
)";

} // namespace

int WidgetTextMeasure::widthOf(const QString& text) const {
    return QFontMetrics(widget_.font()).horizontalAdvance(text);
}

EndWindow::EndWindow(int width, int height, const QString& objectName, const QString& theme,
                     const QString& style, const Clock& clock, QWidget* parent)
    : ModalForm(width, height, objectName, theme, style, parent), keys_(clock) {
    setFocusPolicy(Qt::StrongFocus);
}

void EndWindow::placeEndClose(int left, int top) {
    placeClose(left, top);
    closeLabel()->setKeyboardFocusable(false);
}

void EndWindow::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        keys_.opened();
    }
    ModalForm::showEvent(event);
}

void EndWindow::keyPressEvent(QKeyEvent* event) {
    // Every key stays here: none reaches the screen under the window.
    event->accept();
    if (keys_.closesOnKey(event->key(), event->isAutoRepeat())) {
        close();
    }
}

void EndWindow::closeClicked() {
    if (keys_.closesOnClick()) {
        close();
    }
}

HighScoreWindow::HighScoreWindow(const app::DataDirectory& data, const QString& gameCode,
                                 const i18n::CaptionTable& captions, const QString& theme,
                                 const Clock& clock, QWidget* parent)
    : EndWindow(px(420), px(560), QStringLiteral("Form_score"), theme, QString::fromLatin1(kStyle),
                clock, parent),
      captions_(captions) {
    build(parent);
    table_ = std::make_unique<ScoreWindow>(data, gameCode, *measure_, captions);
}

HighScoreWindow::HighScoreWindow(ScoreKeepers& keepers, const QString& gameCode,
                                 const i18n::CaptionTable& captions, const QString& theme,
                                 const Clock& clock, QWidget* parent)
    : EndWindow(px(420), px(560), QStringLiteral("Form_score"), theme, QString::fromLatin1(kStyle),
                clock, parent),
      captions_(captions) {
    build(parent);
    table_ = std::make_unique<ScoreWindow>(keepers, gameCode, *measure_, captions);
}

void HighScoreWindow::build(QWidget* parent) {
    const i18n::CaptionTable& captions = captions_;
    addPanel(px(20), px(14), px(380), px(532));
    title_ = new QLabel(QStringLiteral("🏆 ") + captions.text(u"Label_scores"), this);
    title_->setObjectName(QStringLiteral("Label_score"));
    title_->setProperty("kind", "title");
    title_->setAlignment(Qt::AlignCenter);
    place(title_, px(30), px(20), px(360), px(40), 20);
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("lstScores"));
    list_->setColumnCount(2);
    list_->setHeaderHidden(true);
    list_->setRootIsDecorated(false);
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    list_->setSelectionMode(QAbstractItemView::NoSelection);
    list_->setFocusPolicy(Qt::NoFocus);
    place(list_, px(36), px(66), px(348), px(404), 11);
    waitingLine_ = new QLabel(this);
    waitingLine_->setObjectName(QStringLiteral("attente"));
    waitingLine_->setAlignment(Qt::AlignCenter);
    waitingLine_->setWordWrap(true);
    place(waitingLine_, px(46), px(410), px(328), px(52), 11);
    waitingLine_->hide();
    placeEndClose(px(160), px(482));
    finish(parent);
    measure_ = std::make_unique<WidgetTextMeasure>(*list_);

    waitTimer_.setSingleShot(true);
    waitTimer_.setInterval(kQuietWaitMs);
    connect(&waitTimer_, &QTimer::timeout, this, [this] {
        if (waitingKey_) {
            waitingLine_->setText(QStringLiteral("⏳ ") + captions_.text(waitingKey_));
            waitingLine_->show();
            waitingLine_->raise();
        }
    });
    // A keeper always answers; one dropped without an answer leaves the table as shown.
    connect(&loading_, &QFutureWatcherBase::finished, this, [this] {
        const QFuture<KeptTable> table = loading_.future();
        loaded(table.resultCount() > 0 ? table.result() : KeptTable{});
    });
    connect(&entering_, &QFutureWatcherBase::finished, this, [this] {
        const QFuture<KeptTable> kept = entering_.future();
        if (placed_) {
            entered(kept.resultCount() > 0 ? kept.result() : KeptTable{placed_->shown, {}});
        }
    });
}

void HighScoreWindow::load() {
    asked_.reset();
    QFuture<KeptTable> table = table_->startLoad();
    if (table.isFinished()) {
        loaded(table.result());
        return;
    }
    display({});
    waitFor(u"score_lecture_en_cours");
    loadPending_ = true;
    loading_.setFuture(table);
}

void HighScoreWindow::enter(const QString& name, const QString& score) {
    asked_.emplace(name, score);
    if (!loadPending_) {
        startEntry();
    }
}

bool HighScoreWindow::waiting() const {
    return loadPending_ || placed_.has_value();
}

void HighScoreWindow::waitFor(const char16_t* key) {
    waitingKey_ = key;
    if (waitingLine_->isVisible()) {
        waitingLine_->setText(QStringLiteral("⏳ ") + captions_.text(key));
    } else {
        waitTimer_.start();
    }
}

void HighScoreWindow::stopWaiting() {
    waitingKey_ = nullptr;
    waitTimer_.stop();
    waitingLine_->hide();
}

void HighScoreWindow::loaded(const KeptTable& table) {
    if (closed_) {
        return;
    }
    loadPending_ = false;
    stopWaiting();
    display(table_->loaded(table));
    if (asked_) {
        startEntry();
    }
}

void HighScoreWindow::startEntry() {
    const auto [name, score] = *asked_;
    asked_.reset();
    ScoreWindow::Entry entry = table_->startEntry(name, score);
    if (!entry.placed) {
        display(entry.status);
        return;
    }
    if (entry.placed->kept.isFinished()) {
        display(table_->entered(*entry.placed, entry.placed->kept.result()));
        return;
    }
    // The entry is shown at once; the keeper's table replaces it when it comes.
    placed_ = std::move(entry.placed);
    display({});
    waitFor(u"score_envoi_en_cours");
    entering_.setFuture(placed_->kept);
}

void HighScoreWindow::entered(const KeptTable& kept) {
    if (closed_ || !placed_) {
        return;
    }
    const HighScoreList::Placed placed = std::move(*placed_);
    placed_.reset();
    stopWaiting();
    display(table_->entered(placed, kept));
}

void HighScoreWindow::closeEvent(QCloseEvent* event) {
    if (!closed_) {
        closed_ = true;
        stopWaiting();
        loading_.disconnect(this);
        entering_.disconnect(this);
        dropped_ = asked_.has_value();
        asked_.reset();
        if (placed_) {
            unfinished_ = placed_->kept;
        }
    }
    EndWindow::closeEvent(event);
}

void HighScoreWindow::display(const ScoreFileStatus& status) {
    list_->clear();
    for (const QString& item : table_->lstScores()) {
        // The score follows the last tab of the separator.
        const qsizetype tab = item.lastIndexOf(u'\t');
        auto* row = new QTreeWidgetItem(list_);
        row->setText(0, item.left(item.indexOf(u'\t')).trimmed());
        row->setText(1, item.mid(tab + 1));
        row->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    }
    if (!status.ok()) {
        QWidget* over = parentWidget() && parentWidget()->isVisible() ? parentWidget() : nullptr;
        ui::showMessage(over, captions_, ui::MessageTone::Warning, status.message, status.detail);
    }
}

void tellUnfinishedEntry(QWidget& screen, const i18n::CaptionTable& captions,
                         const HighScoreWindow& window) {
    if (window.entryDropped()) {
        ui::showMessage(&screen, captions, ui::MessageTone::Information,
                        captions.text(u"score_pas_attendu"));
    }
    const std::optional<QFuture<KeptTable>> entry = window.unfinishedEntry();
    if (!entry) {
        return;
    }
    auto* watcher = new QFutureWatcher<KeptTable>(&screen);
    QObject::connect(watcher, &QFutureWatcherBase::finished, &screen,
                     [&screen, &captions, watcher] {
                         const QFuture<KeptTable> kept = watcher->future();
                         watcher->deleteLater();
                         const ScoreFileStatus status =
                             kept.resultCount() > 0 ? kept.result().status : ScoreFileStatus{};
                         if (!status.ok()) {
                             ui::showMessage(&screen, captions, ui::MessageTone::Warning,
                                             status.message, status.detail);
                         }
                     });
    watcher->setFuture(*entry);
}

WinnerWindow::WinnerWindow(const QString& j1, const QString& j2, const QString& score,
                           const QString& scoreB, const WinnerLine& line, const QString& theme,
                           const Clock& clock, QWidget* parent)
    : EndWindow(px(480), px(300), QStringLiteral("Form_score2"), theme, QString::fromLatin1(kStyle),
                clock, parent) {
    addPanel(px(20), px(16), px(440), px(268));
    const auto row = [this](const QString& name, const QString& value, const QString& object,
                            int top) {
        auto* who = new QLabel(name, this);
        who->setObjectName(object == u"Label_score" ? QStringLiteral("J1") : QStringLiteral("J2"));
        who->setProperty("kind", "name");
        who->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        place(who, px(40), top, px(220), px(44), 15);
        auto* points = new QLabel(QStringLiteral("⭐ ") + value, this);
        points->setObjectName(object);
        points->setProperty("kind", "value");
        points->setAlignment(Qt::AlignCenter);
        place(points, px(276), top, px(160), px(44), 16);
    };
    row(j1, score, QStringLiteral("Label_score"), px(30));
    row(j2, scoreB, QStringLiteral("Label_scoreB"), px(82));
    caption_ = new QLabel(line.labelVainqueur, this);
    caption_->setObjectName(QStringLiteral("Label_vainqueur"));
    caption_->setProperty("kind", "name");
    caption_->setAlignment(Qt::AlignCenter);
    caption_->setWordWrap(true);
    place(caption_, px(40), px(136), px(400), px(44), 13);
    winner_ = new QLabel(
        line.vainqueur.isEmpty() ? QString() : QStringLiteral("🏆 ") + line.vainqueur, this);
    winner_->setObjectName(QStringLiteral("vainqueur"));
    winner_->setAlignment(Qt::AlignCenter);
    place(winner_, px(40), px(180), px(400), px(36), 18);
    placeEndClose(px(190), px(224));
    finish(parent);
}

} // namespace pulsadrome::play
