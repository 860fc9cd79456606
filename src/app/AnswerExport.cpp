// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AnswerExport.h"

#include "answers/CsvDocument.h"
#include "app/PlayerTable.h"
#include "app/ProblemTexts.h"
#include "catalogue/Games.h"
#include "catalogue/Practice.h"
#include "common/AtomicFile.h"
#include "i18n/LanguageFile.h"

#include <QDateTime>
#include <QDir>
#include <QTimeZone>

namespace pulsadrome::app {

namespace {

// "NIVEAU 7" for a level; "JEU 3" for the game of score table 3, "JEU 1" for a two-player game;
// "ENTRAÎNEMENT 6/8" for the practice level of a series.
QString activityText(const answers::Activity& activity, const i18n::CaptionTable& captions) {
    if (activity.kind == answers::Activity::Kind::Practice) {
        const auto series = catalogue::seriesOfPracticeCode(activity.code);
        return captions.text(u"pratique_titre") + QLatin1Char(' ') +
               (series ? QString::fromLatin1(catalogue::seriesInfo(*series).meters)
                       : activity.code);
    }
    if (activity.kind == answers::Activity::Kind::Level) {
        return captions.text(u"niveau") + activity.code;
    }
    for (const auto& game : catalogue::games()) {
        if (game.code == activity.code && game.players == 1) {
            return captions.text(u"csv_jeu") + QString::number(game.scoreTable);
        }
    }
    return captions.text(u"csv_jeu") + activity.code;
}

// The file's bytes, or why the store could not give the answers.
StoreResult<QByteArray> answerLogCsv(const PlayerStore& store, const std::vector<RowId>& players,
                                     const i18n::CaptionTable& captions, const QLocale& locale) {
    std::vector<QStringList> rows{
        {captions.text(u"csv_joueur"), captions.text(u"csv_date"), captions.text(u"csv_activite"),
         captions.text(u"csv_rythme_joue"), captions.text(u"csv_rythme_choisi"),
         captions.text(u"csv_juste"), captions.text(u"csv_temps"), captions.text(u"mot_tempo"),
         captions.text(u"csv_instrument")}};
    for (const RowId player : players) {
        const auto record = store.read(player);
        if (!record) {
            return StoreResult<QByteArray>::failure(record.status);
        }
        const auto answers = store.answersOf(player);
        if (!answers) {
            return StoreResult<QByteArray>::failure(answers.status);
        }
        for (const answers::AnswerRecord& answer : *answers) {
            rows.push_back({record->nom,
                            QDateTime::fromSecsSinceEpoch(answer.utcSeconds, QTimeZone::utc())
                                .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                            activityText(answer.activity, captions), QString::number(answer.played),
                            QString::number(answer.chosen),
                            answer.right ? QStringLiteral("1") : QStringLiteral("0"),
                            QString::number(answer.answerMs), QString::number(answer.tempo),
                            QString::number(answer.band)});
        }
    }
    return {answers::csvDocument(rows, answers::csvSeparator(locale)), {}};
}

} // namespace

StoreStatus exportAnswerLog(const PlayerStore& store, const std::vector<RowId>& players,
                            const i18n::CaptionTable& captions, const QLocale& locale,
                            const QString& path) {
    const auto csv = answerLogCsv(store, players, captions, locale);
    if (!csv) {
        return csv.status;
    }
    const WriteOutcome written = writeFileAtomically(path, *csv);
    if (!written) {
        return player_table::failed(
            QStringLiteral("The file %1 could not be written: %2.").arg(path, written.systemText));
    }
    return {};
}

QString exportAllAnswers(const QString& dataDir, const QString& path,
                         const i18n::CaptionTable& told) {
    DataFolderProblem problem;
    const auto directory = DataDirectory::open(dataDir, &problem);
    if (!directory) {
        return dataFolderProblemText(told, problem) + QLatin1Char('\n') +
               dataFolderProblemDetail(told, problem);
    }
    // A file that is not a player database is only told here: the game sets it aside.
    PlayerStore store(*directory);
    const auto storeProblem = [&](const StoreStatus& status) {
        return storeFailureText(told, u"base_erreur", status) + QLatin1Char('\n') +
               storeProblemDetail(told, status, store.file());
    };
    if (const StoreStatus status = store.open(); !status) {
        return storeProblem(status);
    }
    const auto players = store.players();
    if (!players) {
        return storeProblem(players.status);
    }
    std::vector<RowId> ids;
    for (const PlayerEntry& player : *players) {
        ids.push_back(player.id);
    }
    i18n::CaptionTable captions;
    i18n::applyLanguageAtStartup(captions,
                                 directory->file(QString::fromLatin1(i18n::kLanguageFileName)));
    const auto csv = answerLogCsv(store, ids, captions, QLocale::system());
    if (!csv) {
        return storeProblem(csv.status);
    }
    if (const WriteOutcome written = writeFileAtomically(path, *csv); !written) {
        return told.text(u"export_impossible").arg(i18n::writeProblemText(told, written)) +
               QLatin1Char('\n') + i18n::writeProblemDetail(told, written, path);
    }
    return {};
}

} // namespace pulsadrome::app
