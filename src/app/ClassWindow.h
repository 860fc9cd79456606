// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ClassTable.h"
#include "i18n/CaptionTable.h"
#include "ui/Form.h"

#include <QTimeZone>

#include <optional>
#include <vector>

class QLabel;
class QTableWidget;

namespace pulsadrome::ui {
class ClickLabel;
}

namespace pulsadrome::app {

// The teacher's class table: one line per child with the levels passed in each series, the
// share of right answers, the time played and the last day played (the exported file adds the
// answers given). A click on a heading sorts by that column (numbers as numbers, names as the
// language sorts them), a second click the other way. A line opens that child's Progress
// screen (double click, Enter or the button); the table is exported for a spreadsheet. It reads
// and writes nothing itself.
class ClassWindow : public ui::Form {
    Q_OBJECT
public:
    ClassWindow(const i18n::CaptionTable& captions, std::vector<ClassLine> lines,
                const QTimeZone& zone, QWidget* parent = nullptr);
    // The window waiting for its lines: the table is empty and says it is being read, and only
    // the way back answers until showLines().
    ClassWindow(const i18n::CaptionTable& captions, const QTimeZone& zone,
                QWidget* parent = nullptr);
    void showLines(std::vector<ClassLine> lines);
    bool waiting() const { return waiting_; }

    QTableWidget* table() const { return table_; }
    const std::vector<ClassLine>& lines() const { return lines_; }
    // The child of table row `row` as it is sorted now, or none.
    std::optional<RowId> playerAt(int row) const;
    // Opens the Progress screen of the child of the current row, if any.
    void openCurrent();

signals:
    void progressRequested(RowId child);
    void exportRequested();
    // The way back (the home picture, Escape, the window's close).
    void returned();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildTop();
    void buildTable();
    void leave();

    const i18n::CaptionTable& captions_;
    std::vector<ClassLine> lines_;
    QTimeZone zone_;
    QTableWidget* table_ = nullptr;
    QLabel* hint_ = nullptr;
    ui::ClickLabel* open_ = nullptr;
    ui::ClickLabel* export_ = nullptr;
    bool waiting_ = true;
    bool left_ = false;
};

} // namespace pulsadrome::app
