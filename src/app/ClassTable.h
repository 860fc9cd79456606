// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "answers/AnswerRecord.h"
#include "app/PlayerStore.h"
#include "common/AtomicFile.h"
#include "i18n/CaptionTable.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTimeZone>

#include <array>
#include <optional>
#include <vector>

namespace pulsadrome::app {

// One child of the class as the teacher's table shows it.
struct ClassLine {
    RowId player = 0;
    QString name;
    // Levels passed in the main, the minim-beat and the compound-time series (the menu's rule).
    std::array<int, 3> passed{};
    int answers = 0;
    int right = 0;
    qint64 playedSeconds = 0;
    std::optional<qint64> lastUtc; // the last answer; none before the first

    bool operator==(const ClassLine&) const = default;
};

// The table's columns, in order; the series in the order the menu and the Progress screen show
// them.
enum class ClassColumn { Name, Main, MinimBeat, Compound, Right, Answers, Played, LastPlayed };
inline constexpr int kClassColumns = 8;

// `child`'s line from its record and its answers.
ClassLine classLine(RowId player, const PlayerRecord& child,
                    const std::vector<answers::AnswerRecord>& answers);
// The same line from the totals the store summed up (none before the first answer).
ClassLine classLine(RowId player, const PlayerRecord& child, const AnswerTotals* totals);

// Every player of `store`, in the order they were added. The answers are summed up by the
// store in one pass (PlayerStore::answerTotals), never made into records.
StoreResult<std::vector<ClassLine>> classLines(const PlayerStore& store);

// The heading of `column` in the captions' language; the series' ones name their meters.
// `lines` 1 or 2: the table's heading breaks before the meters and names the first and the last
// ("Niveaux" / "2/4–4/4"), a spreadsheet's names them all on one line.
QString classHeading(ClassColumn column, const i18n::CaptionTable& captions, int lines);

// The class as spreadsheet rows: the one-line headings, then one row per line in the order
// given, numbers as numbers: the levels passed, the share of right answers in whole per cent
// (empty before the first answer), the answers, the minutes played, the last day played as
// yyyy-MM-dd in `zone` (empty before the first answer).
std::vector<QStringList> classRows(const std::vector<ClassLine>& lines,
                                   const i18n::CaptionTable& captions, const QTimeZone& zone);

// The class table as a CSV file at `path` for a spreadsheet of `locale` (UTF-8 with a byte order
// mark, ';' or ',' as the locale expects), whole or not at all.
WriteOutcome exportClassTable(const std::vector<ClassLine>& lines,
                              const i18n::CaptionTable& captions, const QLocale& locale,
                              const QTimeZone& zone, const QString& path);

// "classe-2026-12-07.csv": the file the teacher's export writes in the data folder.
QString classFileName(const QDate& day);

} // namespace pulsadrome::app
