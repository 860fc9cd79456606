// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/DataDirectory.h"
#include "common/Clock.h"
#include "i18n/CaptionTable.h"
#include "play/games/EndWindowKeys.h"
#include "play/games/GameResults.h"
#include "play/level/ModalForm.h"

#include <QEventLoop>
#include <QFutureWatcher>
#include <QTimer>

#include <memory>
#include <optional>

class QLabel;
class QTreeWidget;

namespace pulsadrome::ui {
class ClickLabel;
}

namespace pulsadrome::play {

// Measures text in the font a widget shows it with.
class WidgetTextMeasure final : public TextMeasure {
public:
    explicit WidgetTextMeasure(const QWidget& widget) : widget_(widget) {}
    int widthOf(const QString& text) const override;

private:
    const QWidget& widget_;
};

// A window that ends a game or shows its table: the game's keys and a key held down never close
// it, nor anything in its first second; its close mark never takes the keyboard.
class EndWindow : public ModalForm {
    Q_OBJECT
protected:
    EndWindow(int width, int height, const QString& objectName, const QString& theme,
              const QString& style, const Clock& clock, QWidget* parent);
    // The close mark at (left, top).
    void placeEndClose(int left, int top);
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeClicked() override;

private:
    EndWindowKeys keys_;
};

// Form_score: the high-score table of one scored game. A file that cannot be read as it should
// is reported to the adult in the sentence the table gives; nothing in it is lost.
//
// The window never waits for the keeper: a table or an entry that is not there at once (a
// school's server) is shown when it comes, and after a moment the window says meanwhile that
// it is on its way. It may be closed at any time; an entry already handed to the keeper goes
// on (unfinishedEntry()), one asked for before the table came is not made (entryDropped()).
class HighScoreWindow final : public EndWindow {
    Q_OBJECT
public:
    HighScoreWindow(const app::DataDirectory& data, const QString& gameCode,
                    const i18n::CaptionTable& captions, const QString& theme, const Clock& clock,
                    QWidget* parent = nullptr);
    // The table wherever `keepers` keep it (a school's server).
    HighScoreWindow(ScoreKeepers& keepers, const QString& gameCode,
                    const i18n::CaptionTable& captions, const QString& theme, const Clock& clock,
                    QWidget* parent = nullptr);

    // Form_Load: the table as kept, shown once it is there.
    void load();
    // Command1: the player's name and score into the table, once the table is shown.
    void enter(const QString& name, const QString& score);

    // While the table or an entry is on its way.
    bool waiting() const;
    // The line that says what the window waits for; hidden when it waits for nothing.
    QLabel* waitingLine() const { return waitingLine_; }
    // After the window closed: the entry the keeper had not answered yet, whose outcome is to
    // be told by whoever outlives the window.
    std::optional<QFuture<KeptTable>> unfinishedEntry() const { return unfinished_; }
    // After the window closed: an entry was asked for but the table had not come, so nothing
    // was entered.
    bool entryDropped() const { return dropped_; }

    // lstScores: each entry's rank and name, then its score in a column of its own.
    QTreeWidget* list() const { return list_; }
    // The entries as the table gives them.
    const QStringList& items() const { return table_->lstScores(); }
    QLabel* title() const { return title_; } // Label_score

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void build(QWidget* parent);
    void display(const ScoreFileStatus& status);
    void loaded(const KeptTable& table);
    void startEntry();
    void entered(const KeptTable& kept);
    // Says `key`'s text on the waiting line, after a moment, unless the answer came meanwhile.
    void waitFor(const char16_t* key);
    void stopWaiting();

    const i18n::CaptionTable& captions_;
    QLabel* title_ = nullptr;
    QTreeWidget* list_ = nullptr;
    QLabel* waitingLine_ = nullptr;
    std::unique_ptr<WidgetTextMeasure> measure_;
    std::unique_ptr<ScoreWindow> table_;
    QFutureWatcher<KeptTable> loading_;
    QFutureWatcher<KeptTable> entering_;
    QTimer waitTimer_;
    const char16_t* waitingKey_ = nullptr;
    std::optional<std::pair<QString, QString>> asked_; // the entry asked for before the table
    std::optional<HighScoreList::Placed> placed_;      // the entry the keeper has not answered
    std::optional<QFuture<KeptTable>> unfinished_;
    bool loadPending_ = false;
    bool dropped_ = false;
    bool closed_ = false;
};

// After `window` closed: tells over `screen` what became of an entry the window had not
// finished. One asked for before the table came was not made, which is said now; one the keeper
// had not answered is said once the keeper answers, if it was not kept. `screen` outlives the
// window and is where the child looks next.
void tellUnfinishedEntry(QWidget& screen, const i18n::CaptionTable& captions,
                         const HighScoreWindow& window);

// Form_score2: the two players' scores and the winner, or the tie sentence.
class WinnerWindow final : public EndWindow {
    Q_OBJECT
public:
    WinnerWindow(const QString& j1, const QString& j2, const QString& score, const QString& scoreB,
                 const WinnerLine& line, const QString& theme, const Clock& clock,
                 QWidget* parent = nullptr);

    QLabel* winnerCaption() const { return caption_; } // Label_vainqueur
    QLabel* winner() const { return winner_; }         // vainqueur

private:
    QLabel* caption_ = nullptr;
    QLabel* winner_ = nullptr;
};

} // namespace pulsadrome::play
