// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ClassWindow.h"

#include "app/ProgressPainting.h"
#include "app/Startup.h"
#include "catalogue/Series.h"
#include "ui/ClickLabel.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTableWidget>

#include <algorithm>
#include <limits>

namespace pulsadrome::app {

namespace {

constexpr int px(int pixels) {
    return pixels * 15;
}

constexpr int kSortRole = Qt::UserRole + 1;
constexpr int kPlayerRole = Qt::UserRole + 2;

constexpr const char* kStyle = R"(
QLabel#Label_titre { color: #c0392b; font-weight: bold; }
QLabel[kind="text"] { color: #23395d; }
QLabel[kind="button"] {
  color: white; background: #2e86de; border-radius: 10px; font-weight: bold;
  border: 2px solid rgba(0,0,0,40);
}
QLabel[kind="button"][pressed="true"] { background: white; color: #23395d; border: 2px outset #f2a541; }
QLabel[kind="button"]:disabled { background: #d5d8dc; color: #8a9199; }
QLabel#Image_retour { background: #27ae60; }
QLabel[kind="button"]:focus { border: 3px solid #f2a541; }
QTableWidget {
  border: 2px solid #f2a541; border-radius: 6px; background: #fffdf5; color: #23395d;
  alternate-background-color: #fdf3df; gridline-color: #f4e3c1;
  selection-background-color: #2e86de; selection-color: white;
}
QHeaderView::section {
  background: #fdebd0; color: #23395d; border: none; border-right: 1px solid #f4e3c1;
  padding: 2px 6px;
}
)";

constexpr std::array<catalogue::Series, 3> kSeriesShown{
    catalogue::Series::Main, catalogue::Series::MinimBeat, catalogue::Series::Compound};

// An item that sorts by its sort value: numbers as numbers, texts as the language sorts them.
class SortedItem : public QTableWidgetItem {
public:
    SortedItem(const QString& text, const QVariant& sortValue) : QTableWidgetItem(text) {
        setData(kSortRole, sortValue);
    }
    bool operator<(const QTableWidgetItem& other) const override {
        const QVariant mine = data(kSortRole);
        const QVariant theirs = other.data(kSortRole);
        if (mine.typeId() == QMetaType::QString) {
            return QString::localeAwareCompare(mine.toString(), theirs.toString()) < 0;
        }
        return mine.toLongLong() < theirs.toLongLong();
    }
};

// The table, whose heading keeps the table's font, bold, whatever size the form gives it. Every
// column but the names' is as wide as its widest text, heading or cell; the names take the rest.
class ClassTableWidget : public QTableWidget {
public:
    using QTableWidget::QTableWidget;

    // The headings as given; the sorted one shows its order after its last line.
    void setHeadings(const QStringList& headings) {
        headings_ = headings;
        showSortOrder();
    }
    void showSortOrder() {
        QStringList shown = headings_;
        const int sorted = horizontalHeader()->sortIndicatorSection();
        if (sorted >= 0 && sorted < shown.size()) {
            shown[sorted] += sortMark(horizontalHeader()->sortIndicatorOrder());
        }
        setHorizontalHeaderLabels(shown);
    }

    void fitColumns() {
        QFont bold = font();
        bold.setBold(true);
        const QFontMetrics headingMetrics(bold);
        const QFontMetrics metrics(font());
        const int margin = metrics.height();
        for (int column = 1; column < columnCount(); ++column) {
            if (isColumnHidden(column)) {
                continue;
            }
            int widest = 0;
            if (column < headings_.size()) {
                for (const QString& line : headings_[column].split(QLatin1Char('\n'))) {
                    widest = std::max(widest, headingMetrics.horizontalAdvance(
                                                  line + sortMark(Qt::AscendingOrder)));
                }
            }
            for (int row = 0; row < rowCount(); ++row) {
                if (const QTableWidgetItem* cell = item(row, column)) {
                    widest = std::max(widest,
                                      QFontMetrics(cell->font()).horizontalAdvance(cell->text()));
                }
            }
            horizontalHeader()->resizeSection(column, widest + margin);
        }
        verticalHeader()->setDefaultSectionSize(metrics.height() * 19 / 10);
    }

private:
    static QString sortMark(Qt::SortOrder order) {
        return order == Qt::AscendingOrder ? QStringLiteral(" ▴") : QStringLiteral(" ▾");
    }

    QStringList headings_;

protected:
    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::FontChange) {
            horizontalHeader()->setStyleSheet(
                QStringLiteral("QHeaderView::section { font-size: %1pt; font-weight: bold; }")
                    .arg(font().pointSizeF()));
            // The cells' own bold fonts follow the table's size.
            for (int row = 0; row < rowCount(); ++row) {
                for (int column = 0; column < columnCount(); ++column) {
                    if (QTableWidgetItem* cell = item(row, column); cell && cell->font().bold()) {
                        QFont bold = font();
                        bold.setBold(true);
                        cell->setFont(bold);
                    }
                }
            }
            fitColumns();
        }
        QTableWidget::changeEvent(event);
    }
};

} // namespace

ClassWindow::ClassWindow(const i18n::CaptionTable& captions, std::vector<ClassLine> lines,
                         const QTimeZone& zone, QWidget* parent)
    : ClassWindow(captions, zone, parent) {
    showLines(std::move(lines));
}

ClassWindow::ClassWindow(const i18n::CaptionTable& captions, const QTimeZone& zone, QWidget* parent)
    : ui::Form(12000, 9000, parent), captions_(captions), zone_(zone) {
    setObjectName(QStringLiteral("Form_classe"));
    setWindowTitle(QStringLiteral("Pulsadrome — ") + captions_.text(u"classe_titre"));
    setStyleSheet(QString::fromLatin1(kStyle));
    setBackgroundColour(QColor(0xf4, 0xf8, 0xff));
    addPanel(px(6), px(6), px(788), px(44));
    addPanel(px(6), px(56), px(788), px(538));
    buildTop();
    buildTable();
    setScale(screenScale());
    centreOnScreen();
}

void ClassWindow::buildTop() {
    auto* title =
        new QLabel(QStringLiteral("👩‍🏫 ") + captions_.text(u"classe_titre"), this);
    title->setObjectName(QStringLiteral("Label_titre"));
    place(title, px(16), px(8), px(270), px(40), 15);

    open_ = ui::makeButton(QStringLiteral("Label_ouvrir"),
                           QStringLiteral("📈 ") + captions_.text(u"classe_ouvrir"), this);
    open_->setEnabled(false);
    place(open_, px(292), px(10), px(210), px(36), 10.5);
    connect(open_, &ui::ClickLabel::clicked, this, &ClassWindow::openCurrent);

    export_ = ui::makeButton(QStringLiteral("Label_exporter"),
                             QStringLiteral("📄 ") + captions_.text(u"classe_exporter"), this);
    export_->setEnabled(false); // until the lines are there
    place(export_, px(510), px(10), px(196), px(36), 10.5);
    connect(export_, &ui::ClickLabel::clicked, this, &ClassWindow::exportRequested);

    auto* back = ui::makeButton(QStringLiteral("Image_retour"), QStringLiteral("🏠"), this);
    back->setToolTip(captions_.text(u"classe_retour"));
    place(back, px(714), px(10), px(72), px(36), 17);
    connect(back, &ui::ClickLabel::clicked, this, &ClassWindow::leave);
}

void ClassWindow::buildTable() {
    hint_ = new QLabel(captions_.text(u"classe_lecture"), this);
    hint_->setObjectName(QStringLiteral("Label_aide"));
    hint_->setProperty("kind", "text");
    hint_->setWordWrap(true);
    place(hint_, px(14), px(58), px(772), px(36), 10);

    auto* table = new ClassTableWidget(0, kClassColumns, this);
    table_ = table;
    table_->setObjectName(QStringLiteral("TABLE_classe"));
    QStringList headings;
    for (int column = 0; column < kClassColumns; ++column) {
        headings << classHeading(static_cast<ClassColumn>(column), captions_, 2);
    }
    table->setHeadings(headings);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    QHeaderView* header = table_->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    header->setSectionsClickable(true);
    // The order is told by a mark in the heading's text, drawn as sharp as the text at any
    // size.
    connect(header, &QHeaderView::sortIndicatorChanged, this, [table] { table->showSortOrder(); });
    header->setHighlightSections(false);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setAlternatingRowColors(true);
    table_->setShowGrid(false);
    table_->setWordWrap(false);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    place(table_, px(14), px(96), px(772), px(492), 10);
    // The answers given are in the exported file; the screen keeps its room for the names.
    table_->setColumnHidden(static_cast<int>(ClassColumn::Answers), true);

    connect(table_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        if (const auto player = playerAt(row)) {
            emit progressRequested(*player);
        }
    });
    connect(table_, &QTableWidget::itemSelectionChanged, this,
            [this] { open_->setEnabled(!table_->selectedItems().isEmpty()); });
}

void ClassWindow::showLines(std::vector<ClassLine> lines) {
    lines_ = std::move(lines);
    waiting_ = false;
    hint_->setText(captions_.text(lines_.empty() ? u"classe_aucun" : u"classe_aide"));
    export_->setEnabled(true);
    auto* table = static_cast<ClassTableWidget*>(table_);
    QHeaderView* header = table_->horizontalHeader();
    table_->setSortingEnabled(false);
    table_->setRowCount(static_cast<int>(lines_.size()));
    const QLocale locale = localeOf(captions_);
    for (int row = 0; row < static_cast<int>(lines_.size()); ++row) {
        const ClassLine& line = lines_[static_cast<std::size_t>(row)];
        auto* name = new SortedItem(line.name, line.name);
        name->setData(kPlayerRole, line.player);
        // A name longer than its column ends in an ellipsis; the whole of it shows on pointing.
        name->setToolTip(line.name);
        QFont bold = table_->font();
        bold.setBold(true);
        name->setFont(bold);
        table_->setItem(row, 0, name);
        for (std::size_t s = 0; s < kSeriesShown.size(); ++s) {
            const int count = catalogue::seriesInfo(kSeriesShown[s]).levelCount;
            auto* passed = new SortedItem(QStringLiteral("%1 / %2").arg(line.passed[s]).arg(count),
                                          line.passed[s]);
            passed->setTextAlignment(Qt::AlignCenter);
            passed->setForeground(line.passed[s] > 0 ? seriesColour(kSeriesShown[s]).darker(130)
                                                     : QColor(0x8a, 0x91, 0x99));
            table_->setItem(row, 1 + static_cast<int>(s), passed);
        }
        // Before the first answer the share sorts under every share.
        auto* right = new SortedItem(percentText(line.right, line.answers),
                                     line.answers > 0 ? (line.right * 1000) / line.answers : -1);
        right->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        right->setForeground(line.answers > 0 ? accuracyColour(line.right, line.answers)
                                              : QColor(0x8a, 0x91, 0x99));
        right->setFont(bold);
        table_->setItem(row, static_cast<int>(ClassColumn::Right), right);
        auto* answers = new SortedItem(locale.toString(line.answers), line.answers);
        answers->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table_->setItem(row, static_cast<int>(ClassColumn::Answers), answers);
        auto* played = new SortedItem(playedText(line.playedSeconds), line.playedSeconds);
        played->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table_->setItem(row, static_cast<int>(ClassColumn::Played), played);
        auto* last = new SortedItem(line.lastUtc ? dayText(locale, *line.lastUtc, zone_)
                                                 : captions_.text(u"classe_jamais"),
                                    line.lastUtc.value_or(std::numeric_limits<qint64>::min()));
        last->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (!line.lastUtc) {
            last->setForeground(QColor(0x8a, 0x91, 0x99));
        }
        table_->setItem(row, static_cast<int>(ClassColumn::LastPlayed), last);
    }
    table->fitColumns();
    table_->setSortingEnabled(true);
    // Sorting turns the header's own arrow on: the mark in the text replaces it.
    header->setSortIndicatorShown(false);
    table_->sortByColumn(0, Qt::AscendingOrder);
}

std::optional<RowId> ClassWindow::playerAt(int row) const {
    const QTableWidgetItem* name = row >= 0 ? table_->item(row, 0) : nullptr;
    if (!name) {
        return std::nullopt;
    }
    return name->data(kPlayerRole).toLongLong();
}

void ClassWindow::openCurrent() {
    const QList<QTableWidgetItem*> selected = table_->selectedItems();
    if (const auto player = playerAt(selected.isEmpty() ? -1 : selected.front()->row())) {
        emit progressRequested(*player);
    }
}

void ClassWindow::leave() {
    if (left_) {
        return;
    }
    left_ = true;
    emit returned();
    close();
}

void ClassWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        leave();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        openCurrent();
        return;
    default:
        ui::Form::keyPressEvent(event);
    }
}

void ClassWindow::closeEvent(QCloseEvent* event) {
    leave();
    ui::Form::closeEvent(event);
}

} // namespace pulsadrome::app
