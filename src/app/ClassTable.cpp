// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ClassTable.h"

#include "answers/ChildProgress.h"
#include "answers/CsvDocument.h"
#include "catalogue/Series.h"

#include <QDateTime>

#include <algorithm>

namespace pulsadrome::app {

namespace {

constexpr std::array<catalogue::Series, 3> kSeriesShown{
    catalogue::Series::Main, catalogue::Series::MinimBeat, catalogue::Series::Compound};

// The levels passed in each series shown, from the record's progress alone.
std::array<int, 3> passedLevels(const PlayerRecord& child) {
    std::array<int, 3> passed{};
    // The weeks are not shown: any zone will do.
    const answers::ChildProgress progress =
        answers::childProgress(child.progress(), {}, QTimeZone::utc());
    for (const answers::SeriesProgress& series : progress.series) {
        const auto place = std::find(kSeriesShown.begin(), kSeriesShown.end(), series.series);
        passed[static_cast<std::size_t>(place - kSeriesShown.begin())] = series.passedCount;
    }
    return passed;
}

} // namespace

ClassLine classLine(RowId player, const PlayerRecord& child, const AnswerTotals* totals) {
    ClassLine line;
    line.player = player;
    line.name = child.nom;
    line.passed = passedLevels(child);
    if (totals && totals->answers > 0) {
        line.answers = totals->answers;
        line.right = totals->right;
        line.lastUtc = totals->lastUtc;
        line.playedSeconds = totals->playedSeconds;
    }
    return line;
}

ClassLine classLine(RowId player, const PlayerRecord& child,
                    const std::vector<answers::AnswerRecord>& answers) {
    ClassLine line;
    line.player = player;
    line.name = child.nom;
    // The weeks are not shown: any zone will do.
    const answers::ChildProgress progress =
        answers::childProgress(child.progress(), answers, QTimeZone::utc());
    for (const answers::SeriesProgress& series : progress.series) {
        const auto place = std::find(kSeriesShown.begin(), kSeriesShown.end(), series.series);
        line.passed[static_cast<std::size_t>(place - kSeriesShown.begin())] = series.passedCount;
    }
    line.answers = static_cast<int>(answers.size());
    for (const answers::AnswerRecord& answer : answers) {
        line.right += answer.right ? 1 : 0;
        line.lastUtc = std::max(line.lastUtc.value_or(answer.utcSeconds), answer.utcSeconds);
    }
    line.playedSeconds = progress.summary.playedSeconds;
    return line;
}

StoreResult<std::vector<ClassLine>> classLines(const PlayerStore& store) {
    const auto players = store.players();
    if (!players) {
        return StoreResult<std::vector<ClassLine>>::failure(players.status);
    }
    std::vector<RowId> ids;
    for (const PlayerEntry& player : *players) {
        ids.push_back(player.id);
    }
    const auto totals = store.answerTotals(ids);
    if (!totals) {
        return StoreResult<std::vector<ClassLine>>::failure(totals.status);
    }
    std::vector<ClassLine> lines;
    for (const PlayerEntry& player : *players) {
        const auto record = store.read(player.id);
        if (!record) {
            return StoreResult<std::vector<ClassLine>>::failure(record.status);
        }
        const auto found = totals->find(player.id);
        lines.push_back(
            classLine(player.id, *record, found == totals->end() ? nullptr : &found->second));
    }
    return {lines, {}};
}

QString classHeading(ClassColumn column, const i18n::CaptionTable& captions, int lines) {
    // On two lines the meters go from the first to the last: "2/4–4/4".
    const auto seriesHeading = [&](catalogue::Series series) {
        const QStringList meters =
            QString::fromLatin1(catalogue::seriesInfo(series).meters).split(QLatin1Char(' '));
        return lines > 1 ? captions.text(u"classe_niveaux") + QLatin1Char('\n') + meters.front() +
                               (meters.size() > 1 ? QStringLiteral("–") + meters.back() : QString())
                         : captions.text(u"classe_niveaux") + QLatin1Char(' ') +
                               meters.join(QLatin1Char(' '));
    };
    switch (column) {
    case ClassColumn::Name:
        return captions.text(u"csv_joueur");
    case ClassColumn::Main:
        return seriesHeading(catalogue::Series::Main);
    case ClassColumn::MinimBeat:
        return seriesHeading(catalogue::Series::MinimBeat);
    case ClassColumn::Compound:
        return seriesHeading(catalogue::Series::Compound);
    case ClassColumn::Right:
        return captions.text(u"progres_justes");
    case ClassColumn::Answers:
        return captions.text(u"classe_reponses");
    case ClassColumn::Played:
        return captions.text(u"classe_temps");
    case ClassColumn::LastPlayed:
        break;
    }
    return captions.text(u"classe_dernier");
}

std::vector<QStringList> classRows(const std::vector<ClassLine>& lines,
                                   const i18n::CaptionTable& captions, const QTimeZone& zone) {
    QStringList heading;
    for (int column = 0; column < kClassColumns; ++column) {
        const auto kind = static_cast<ClassColumn>(column);
        heading << (kind == ClassColumn::Right    ? captions.text(u"classe_justes_pourcent")
                    : kind == ClassColumn::Played ? captions.text(u"classe_minutes")
                                                  : classHeading(kind, captions, 1));
    }
    std::vector<QStringList> rows{heading};
    for (const ClassLine& line : lines) {
        QStringList row{line.name};
        for (const int passed : line.passed) {
            row << QString::number(passed);
        }
        row << (line.answers > 0
                    ? QString::number((line.right * 100 + line.answers / 2) / line.answers)
                    : QString())
            << QString::number(line.answers) << QString::number((line.playedSeconds + 30) / 60)
            << (line.lastUtc ? QDateTime::fromSecsSinceEpoch(*line.lastUtc, zone)
                                   .date()
                                   .toString(Qt::ISODate)
                             : QString());
        rows.push_back(row);
    }
    return rows;
}

WriteOutcome exportClassTable(const std::vector<ClassLine>& lines,
                              const i18n::CaptionTable& captions, const QLocale& locale,
                              const QTimeZone& zone, const QString& path) {
    return writeFileAtomically(path, answers::csvDocument(classRows(lines, captions, zone),
                                                          answers::csvSeparator(locale)));
}

QString classFileName(const QDate& day) {
    return QStringLiteral("classe-%1.csv").arg(day.toString(Qt::ISODate));
}

} // namespace pulsadrome::app
