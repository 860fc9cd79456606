// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/DataDirectory.h"
#include "common/Clock.h"
#include "i18n/CaptionTable.h"
#include "play/games/EndWindowKeys.h"
#include "play/games/GameResults.h"
#include "play/level/ModalForm.h"

#include <QEventLoop>

#include <memory>

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

    // Form_Load: the table as kept.
    void load();
    // Command1: the player's name and score into the table.
    void enter(const QString& name, const QString& score);

    // lstScores: each entry's rank and name, then its score in a column of its own.
    QTreeWidget* list() const { return list_; }
    // The entries as the table gives them.
    const QStringList& items() const { return table_->lstScores(); }
    QLabel* title() const { return title_; } // Label_score

private:
    void build(QWidget* parent);
    void display(const ScoreFileStatus& status);

    const i18n::CaptionTable& captions_;
    QLabel* title_ = nullptr;
    QTreeWidget* list_ = nullptr;
    std::unique_ptr<WidgetTextMeasure> measure_;
    std::unique_ptr<ScoreWindow> table_;
};

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
