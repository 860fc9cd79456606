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

constexpr const char* kStyle = R"(
QLabel[kind="title"] { color: #c0392b; font-weight: bold; }
QLabel[kind="name"] { color: #23395d; font-weight: bold; }
QLabel[kind="value"] {
  color: #23395d; font-weight: bold; background: rgba(255,255,255,205);
  border: 2px solid rgba(255,255,255,230); border-radius: 14px;
}
QLabel#vainqueur { color: #c0392b; font-weight: bold; }
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
    placeEndClose(px(160), px(482));
    finish(parent);
    measure_ = std::make_unique<WidgetTextMeasure>(*list_);
}

void HighScoreWindow::load() {
    display(table_->Form_Load());
}

void HighScoreWindow::enter(const QString& name, const QString& score) {
    display(table_->Command1_Click(name, score));
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
